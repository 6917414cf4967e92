// tests/permutation/test_fenster.cpp - the permutation display window: opening and closing,
// the keys and the scroll bar through the loaded results, the time axis of the latest AP,
// the menu commands
#include "fenster_hilfe.h"
#include "core/rahmen.h"
#include "files/netzdatei.h"
#include "model/laufstart.h"

using namespace permutationstest;

namespace {

class Anzeige : public FensterFall {};

int zeichnungen(Fenster f)
{
    int n = 0;
    for (const pt::LogEintrag& e : pt::nachrichtenVon(f))
        n += e.nachricht == nachricht::Zeichnen;
    return n;
}

std::vector<pt::Ereignis> piepser()
{
    std::vector<pt::Ereignis> p;
    for (const pt::Ereignis& e : pt::ereignisLog())
        if (e.art == pt::Ereignis::Piep)
            p.push_back(e);
    return p;
}

} // namespace

// The page keys move by 100 and meet the ends with a 1000 Hz beep of 100 ms and no repaint;
// the thumb moves the position while dragged and at its release.
TEST_F(Anzeige, SeitenTastenUndDaumen)
{
    ergebnisseLaden(250);
    ASSERT_TRUE(permutationFensterErzeugen());
    const Fenster f = fenster();
    nachrichtenVerarbeiten();
    auto taste = [&](int t) {
        senden(f, nachricht::TasteRunter, static_cast<uintptr_t>(t), 1);
        return permutationsAnzeige.position;
    };
    permutationsAnzeige.position = 120;
    EXPECT_EQ(taste(taste::BildHoch), 20);
    EXPECT_TRUE(piepser().empty());
    nachrichtenVerarbeiten();
    int vorher = zeichnungen(f);
    EXPECT_EQ(taste(taste::BildHoch), 0);
    ASSERT_EQ(piepser().size(), 1u);
    EXPECT_EQ(std::pair(piepser()[0].a, piepser()[0].b), std::pair(1000, 100));
    nachrichtenVerarbeiten();
    EXPECT_EQ(zeichnungen(f), vorher);
    EXPECT_EQ(scrollLeiste(f, true).position, 0);

    permutationsAnzeige.position = 120;
    EXPECT_EQ(taste(taste::BildRunter), 220);
    nachrichtenVerarbeiten();
    vorher = zeichnungen(f);
    EXPECT_EQ(taste(taste::BildRunter), 249);
    EXPECT_EQ(piepser().size(), 2u);
    nachrichtenVerarbeiten();
    EXPECT_EQ(zeichnungen(f), vorher);
    EXPECT_EQ(taste(taste::Hoch), 248);
    EXPECT_EQ(taste(taste::Pos1), 0);
    EXPECT_EQ(taste(taste::Ende), 249);

    pt::scrollen(f, true, scroll::DaumenZiehen, 77);
    EXPECT_EQ(permutationsAnzeige.position, 77);
    pt::scrollen(f, true, scroll::DaumenPosition, 100);
    EXPECT_EQ(permutationsAnzeige.position, 100);
    EXPECT_EQ(scrollLeiste(f, true).position, 100);
}

// With only the single result of a run, no key and no thumb moves the position, and the
// painter never reaches into the (empty) array of loaded results.
TEST_F(Anzeige, MitNurEinemEinzelergebnisBleibtDiePositionBeiNull)
{
    permutationsErgebnisse.einzel.nummer = 4;
    permutationsErgebnisse.einzel.apZeiten = {0.1f, 0.2f};
    permutationsErgebnisse.einzel.apAnzahl = 2;
    ASSERT_TRUE(permutationFensterErzeugen());
    const Fenster f = fenster();
    for (int t : {taste::BildRunter, taste::Runter, taste::Ende, taste::BildHoch, taste::Hoch}) {
        senden(f, nachricht::TasteRunter, static_cast<uintptr_t>(t), 1);
        EXPECT_EQ(permutationsAnzeige.position, 0) << t;
    }
    senden(f, nachricht::VScroll, machWParam(scroll::DaumenZiehen, 7), 0);
    EXPECT_EQ(permutationsAnzeige.position, 0);
    nachrichtenVerarbeiten();
    EXPECT_EQ(gezeigtesPermutationsErgebnis(), &permutationsErgebnisse.einzel);
}

// A position that ran past the loaded results (fewer after a reload) is kept inside them.
TEST_F(Anzeige, DiePositionBleibtInnerhalbDerGeladenenErgebnisse)
{
    ergebnisseLaden(5);
    ASSERT_TRUE(permutationFensterErzeugen());
    permutationsAnzeige.position = 999;
    EXPECT_EQ(gezeigtesPermutationsErgebnis(), &permutationsErgebnisse.ergebnisse[4]);
    EXPECT_EQ(permutationsAnzeige.position, 4);
    permutationsAnzeige.position = -3;
    EXPECT_EQ(gezeigtesPermutationsErgebnis(), &permutationsErgebnisse.ergebnisse[0]);
}

TEST(AchsenSchritt, RundetAufDieNaechsteStufe)
{
    const std::pair<double, double> faelle[] = {{0.1, 0.5}, {0.3, 0.5}, {0.5, 0.5}, {0.51, 1}, {0.7, 1},  {1.2, 1.5},
                                                {2.2, 2.5}, {3.5, 4},   {9, 10},    {12, 15},   {160, 200}, {200, 200},
                                                {201, 220}, {250, 280}, {450, 500}, {1000, 1110}};
    for (const auto& [wert, stufe] : faelle)
        EXPECT_DOUBLE_EQ(achsenSchrittRunden(wert), stufe) << wert;
}

// NaN gives the smallest step; a huge value stays a finite number (no int in between).
TEST(AchsenSchritt, NanGibtEinHalbUndRiesigeWerteLaufenNichtUeber)
{
    permutationsZeitachseGerundet = false;
    EXPECT_DOUBLE_EQ(achsenSchrittRunden(std::nan("")), 0.5);
    EXPECT_TRUE(permutationsZeitachseGerundet);
    const double gross = achsenSchrittRunden(1e300);
    EXPECT_TRUE(std::isfinite(gross));
    EXPECT_GT(gross, 1e10);
    EXPECT_GT(achsenSchrittRunden(3e9), 3e9);
    permutationsZeitachseGerundet = false;
}

// After a load whose latest AP is at 1.7 s the axis runs 0..2 s with a tick of 0.4 s; a
// second opening before the next load keeps it, even when the template changed meanwhile.
TEST_F(Anzeige, ZeitachseBisZumSpaetestenApUndBeimZweitenOeffnenBehalten)
{
    ergebnisseLaden(3);
    permutationsErgebnisse.spaetesterAp = 1.7f;
    simulationsParameter.simulationsDauer = 1.0;   // the stored spikes may outlast the run
    ASSERT_TRUE(permutationFensterErzeugen());
    const DiagrammDaten& d = diagramm();
    EXPECT_EQ(std::tuple(d.minX, d.maxX, d.xTickIntervallWirksam), std::tuple(0.0, 2.0, 0.4));
    EXPECT_DOUBLE_EQ(permutationsDiagramm.maxX, 2.0);
    permutationFensterSchliessen();
    permutationsErgebnisse.spaetesterAp = 0.3f;
    ergebnisseLaden(3, false);
    ASSERT_TRUE(permutationFensterErzeugen());
    EXPECT_DOUBLE_EQ(diagramm().maxX, 2.0);
}

// A template never filled takes the standard diagram's format; value range 0..0 gives
// -80..40, a narrow stored width opens 150 wide; closing keeps size and place.
TEST_F(Anzeige, LeereVorlageUndMindestbreiteUndSchliessenBehaeltDenPlatz)
{
    ergebnisseLaden(3);
    permutationsDiagramm.xRand = 0;
    ASSERT_TRUE(permutationFensterErzeugen());
    EXPECT_EQ(permutationsDiagramm.xRand, diagrammVorlage.xRand);
    EXPECT_NE(permutationsDiagramm.xRand, 0);
    permutationFensterSchliessen();
    permutationsDiagramm.minY = permutationsDiagramm.maxY = 0.0;
    permutationsDiagramm.fensterBreite = 40;
    ASSERT_TRUE(permutationFensterErzeugen());
    EXPECT_EQ(std::pair(diagramm().minY, diagramm().maxY), std::pair(-80.0, 40.0));
    EXPECT_EQ(fensterRechteck(fenster()).breite(), 150);
    verschieben(fenster(), 30, 40, 420, 380);
    permutationFensterSchliessen();
    EXPECT_EQ(std::tuple(permutationsDiagramm.fensterX, permutationsDiagramm.fensterY, permutationsDiagramm.fensterBreite,
                         permutationsDiagramm.fensterHoehe),
              std::tuple(30, 40, 420, 380));
    EXPECT_EQ(permutationsPseudoNeuron(), nullptr);
    EXPECT_FALSE(modusStatus & modusBit::ErgebnisseAngezeigt);
    // opened again it stands where it was left, no smaller
    ASSERT_TRUE(permutationFensterErzeugen());
    const Rechteck r = fensterRechteck(fenster());
    EXPECT_EQ(std::tuple(r.links, r.oben, r.breite(), r.hoehe()), std::tuple(30, 40, 420, 380));
}

// A place stored on a larger screen opens whole inside the work area.
TEST_F(Anzeige, GespeicherterPlatzBleibtImArbeitsbereich)
{
    ergebnisseLaden(3);
    const Arbeitsbereich vorher = arbeitsbereichKanten;
    arbeitsbereichKanten = {800, 1280};
    std::tie(permutationsDiagramm.fensterX, permutationsDiagramm.fensterY) = std::tuple(5000, -300);
    std::tie(permutationsDiagramm.fensterBreite, permutationsDiagramm.fensterHoehe) = std::tuple(3000, 500);
    ASSERT_TRUE(permutationFensterErzeugen());
    const Rechteck r = fensterRechteck(fenster());
    arbeitsbereichKanten = vorher;
    EXPECT_EQ(std::tuple(r.links, r.oben, r.breite(), r.hoehe()), std::tuple(0, 0, 1280, 500));
}

// Opening an open display makes no second window; the last class reaches to the axis end.
TEST_F(Anzeige, ZweitesOeffnenMachtKeinZweitesFensterUndDehntDieLetzteKlasse)
{
    ergebnisseLaden(3);
    permutationsErgebnisse.spaetesterAp = 1.7f;
    analyseKlassen = klassen({0.0f, 0.5f, 1.2f});
    ASSERT_TRUE(permutationFensterErzeugen());
    const Fenster f = fenster();
    const int neurone = neuronKette.anzahl;
    ASSERT_TRUE(permutationFensterErzeugen());
    EXPECT_EQ(fenster(), f);
    EXPECT_EQ(neuronKette.anzahl, neurone);
    EXPECT_FLOAT_EQ(analyseKlassen.back().ende, 2.0f);
    // without classes there is nothing to stretch
    analyseKlassen.clear();
    EXPECT_TRUE(permutationFensterErzeugen());
}

// Menu 210 and the close box close the display and delete its neuron; left Shift + Esc ends
// the program, Esc alone and right Shift + Esc do nothing.
TEST_F(Anzeige, BeendenSchliessenUndSchnellerAusstieg)
{
    ergebnisseLaden(3);
    ASSERT_TRUE(permutationFensterErzeugen());
    EXPECT_TRUE(pt::menueBefehlWaehlen(fenster(), pmtFensterBefehlBeenden));
    nachrichtenVerarbeiten();
    EXPECT_EQ(permutationsPseudoNeuron(), nullptr);

    ASSERT_TRUE(permutationFensterErzeugen());
    senden(fenster(), nachricht::Schliessen);
    EXPECT_EQ(permutationsPseudoNeuron(), nullptr);

    ASSERT_TRUE(permutationFensterErzeugen());
    const Fenster f = fenster();
    senden(f, nachricht::Zeichen, 27);
    pt::tastenZustandSetzen(tastenStatus::RechtsUmschalt, true);
    senden(f, nachricht::Zeichen, 27);
    EXPECT_FALSE(programmEndet());
    pt::tastenZustandSetzen(tastenStatus::RechtsUmschalt, false);
    pt::tastenZustandSetzen(tastenStatus::LinksUmschalt, true);
    senden(f, nachricht::Zeichen, 27);
    pt::tastenZustandSetzen(tastenStatus::LinksUmschalt, false);
    EXPECT_TRUE(programmEndet());
    EXPECT_EQ(permutationsPseudoNeuron(), nullptr);
}

// Without an evaluation neuron, 276, Ctrl+B and B change nothing and rate nothing; the
// command and Ctrl+B say why.
TEST_F(Anzeige, OhneAuswerteneuronBewertetNichts)
{
    ergebnisseLaden(3);
    permutationsDefinition.auswerteNeuron = 0;
    ASSERT_TRUE(permutationFensterErzeugen());
    const uint32_t vorher = modusStatus;
    pt::boxAntworten({antwort::Ok, antwort::Ok});
    senden(fenster(), nachricht::Befehl, machWParam(befehlPmtSpikefolgeBewerten, 0));
    pt::tastenZustandSetzen(tastenStatus::LinksStrg, true);
    senden(fenster(), nachricht::TasteRunter, 'B', 1);
    pt::tastenZustandSetzen(tastenStatus::LinksStrg, false);
    senden(fenster(), nachricht::TasteRunter, 'B', 1);
    EXPECT_EQ(modusStatus & modusBit::SpikefolgenBewertung, vorher & modusBit::SpikefolgenBewertung);
    ASSERT_EQ(pt::boxLog().size(), 2u);
    for (const pt::BoxEintrag& b : pt::boxLog())
        EXPECT_EQ(b.text, meldungsTexte[1275]);
}

// Without an evaluation neuron "Spikefolge bewerten" and "Parameter für Spikefolge ..." are
// grey, and 286 sent anyway opens no dialog but says why; a rating left on stays switchable
// off. With the evaluation neuron both are enabled and 286 edits its settings, whose box
// colour the display takes.
TEST_F(Anzeige, BewertenUndParameterNurMitAuswerteneuron)
{
    ergebnisseLaden(3);
    permutationsDefinition.auswerteNeuron = 0;
    ASSERT_TRUE(permutationFensterErzeugen());
    const Fenster f = fenster();
    Menue m = fensterMenue(f);
    auto grau = [&](int befehl) {
        senden(f, nachricht::MenuePopupInit, reinterpret_cast<uintptr_t>(m), 1);
        return istGrau(m, befehl, Nach::Befehl);
    };
    EXPECT_TRUE(grau(befehlPmtSpikefolgeBewerten));
    EXPECT_TRUE(grau(pmtFensterBefehlSpikefolgeParameter));
    const size_t dialoge = pt::dialogLog().size();
    pt::boxAntworten({antwort::Ok});
    senden(f, nachricht::Befehl, machWParam(pmtFensterBefehlSpikefolgeParameter, 0));
    EXPECT_EQ(pt::dialogLog().size(), dialoge);
    ASSERT_EQ(pt::boxLog().size(), 1u);
    EXPECT_EQ(pt::boxLog().back().text, meldungsTexte[1275]);
    // the evaluation neuron went while the rating was on
    modusStatus |= modusBit::SpikefolgenBewertung;
    EXPECT_FALSE(grau(befehlPmtSpikefolgeBewerten));
    senden(f, nachricht::Befehl, machWParam(befehlPmtSpikefolgeBewerten, 0));
    EXPECT_FALSE(modusStatus & modusBit::SpikefolgenBewertung);
    EXPECT_EQ(pt::boxLog().size(), 1u);

    permutationsDefinition.auswerteNeuron = 1;
    NeuronDaten* n = neuronSuchen(1);
    ASSERT_NE(n, nullptr);
    n->spikefolge.mindestApAnzahlGesamt = 4;
    n->spikefolge.burstFaktor = 2.0;
    n->spikefolge.lueckeMaximum = 1.0;
    n->spikefolge.kastenFarbe = 0x123456;
    EXPECT_FALSE(grau(befehlPmtSpikefolgeBewerten));
    EXPECT_FALSE(grau(pmtFensterBefehlSpikefolgeParameter));
    pt::dialogSkript(284, {pt::schritt::klicken(1)});
    senden(f, nachricht::Befehl, machWParam(pmtFensterBefehlSpikefolgeParameter, 0));
    ASSERT_EQ(pt::dialogLog().size(), dialoge + 1);
    EXPECT_EQ(std::pair(pt::dialogLog().back().vorlage, pt::dialogLog().back().ergebnis), std::pair(284, intptr_t{1}));
    EXPECT_EQ(permutationsAnzeige.markenFarbe, 0x123456u);
    EXPECT_EQ(pt::boxLog().size(), 1u);
}

// 276 switches the rating on (its settings made usable) and the moves rate the shown result
// into the evaluation neuron, whose bursts the painter draws; 281 is grey without an index.
TEST_F(Anzeige, BewertungInsAuswerteneuronUndMenueHaken)
{
    ergebnisseLaden(3);
    permutationsDefinition.auswerteNeuron = 1;
    NeuronDaten* n = neuronSuchen(1);
    n->spikefolge.burstFaktor = 0.0;
    n->spikefolge.mindestSpikeAnzahl = 0.0;
    ASSERT_TRUE(permutationFensterErzeugen());
    const Fenster f = fenster();
    senden(f, nachricht::Befehl, machWParam(befehlPmtSpikefolgeBewerten, 0));
    EXPECT_TRUE(modusStatus & modusBit::SpikefolgenBewertung);
    EXPECT_EQ(std::pair(n->spikefolge.burstFaktor, n->spikefolge.mindestSpikeAnzahl), std::pair(2.0, 1.0));
    // a result of few spikes is reported (234), and the report names the evaluation neuron's rating
    pt::boxAntworten({antwort::Ok});
    senden(f, nachricht::TasteRunter, taste::Runter, 1);
    EXPECT_EQ(pt::boxLog().back().text, meldungFormatieren(234, 1));
    Menue m = fensterMenue(f);
    modusStatus &= ~modusBit::IndexGeladen;
    senden(f, nachricht::MenuePopupInit, reinterpret_cast<uintptr_t>(m), 1);
    EXPECT_TRUE(istAbgehakt(m, befehlPmtSpikefolgeBewerten, Nach::Befehl));
    EXPECT_TRUE(istGrau(m, befehlPmtBurstdaten, Nach::Befehl));
    modusStatus |= modusBit::IndexGeladen;
    senden(f, nachricht::MenuePopupInit, reinterpret_cast<uintptr_t>(m), 1);
    EXPECT_FALSE(istGrau(m, befehlPmtBurstdaten, Nach::Befehl));
    senden(f, nachricht::Befehl, machWParam(befehlPmtSpikefolgeBewerten, 0));
    EXPECT_FALSE(modusStatus & modusBit::SpikefolgenBewertung);
}

// 207 shows the single result of a run: the results-available and the display bits.
TEST_F(Anzeige, Befehl207ZeigtDasEinzelergebnis)
{
    modusAn();
    permutationsErgebnisse.einzel.nummer = 2;
    modusStatus &= ~(modusBit::ErgebnisseVerfuegbar | modusBit::ErgebnisseAngezeigt);
    befehl(befehlPmtErgebnisseDarstellen);
    EXPECT_TRUE(modusStatus & modusBit::ErgebnisseVerfuegbar);
    EXPECT_TRUE(modusStatus & modusBit::ErgebnisseAngezeigt);
    EXPECT_NE(permutationsPseudoNeuron(), nullptr);
    // closing discards the single result
    permutationFensterSchliessen();
    EXPECT_EQ(permutationsErgebnisse.einzel.nummer, -1);
}

// The display's own neuron belongs to no network: saved with the display open, the network
// file is byte for byte the one saved after it is closed, and it opens with the same
// neurons; a run steps the network's neurons and leaves the display's alone.
TEST_F(Anzeige, DasNeuronDerAnzeigeGehoertZuKeinerDateiUndKeinemLauf)
{
    modusAn();
    dateipfade.endung = "gui";
    const auto speichern = [&](const std::string& name) {
        dateipfade.netzName = name;
        EXPECT_TRUE(guiDateiSpeichern(0, nullptr, 1));
        return testhilfe::lesen(ordner + name + ".gui");
    };
    permutationsErgebnisse.einzel.nummer = 2;
    befehl(befehlPmtErgebnisseDarstellen);
    ASSERT_NE(fenster(), nullptr);
    const int eigene = pseudo().nummer;

    // a run with the display open
    const std::vector<double> vorher = pseudo().potentiale;
    laufzeitSetzen(0.002, 1e-4);
    simulationStarten();
    EXPECT_NE(neuronSuchen(1)->potentiale[0], 0.0);
    EXPECT_EQ(pseudo().potentiale, vorher);
    EXPECT_EQ(pseudo().hauptDiagramm.kurven[0].werteAnzahl, 0);

    const std::string offen = speichern("offen");
    EXPECT_NE(offen.find("anzahl neurone=4\r\nneuronname anzeigen=1\r\nexistierende Neurone=1 2 3 4 \r\n"),
              std::string::npos);
    permutationFensterSchliessen();
    EXPECT_EQ(speichern("zu"), offen);

    // the file saved with the display open, opened again
    netzLoeschen();
    pt::dateiAntworten({pt::dateiAntwort(ordner + "offen.gui")});
    ASSERT_EQ(simulationOeffnen(1), 1);
    EXPECT_EQ(NeuronFall::nummern(), (std::vector{1, 2, 3, 4}));
    EXPECT_EQ(neuronNachNummer(eigene), nullptr);
}

// 207 shows results in the permutation mode only, and never during a run: outside the mode
// (where the program's own post or a key may still send it) nothing opens; during a run or a
// series the dispatcher refuses it with its notice, and no neuron is made meanwhile.
TEST_F(Anzeige, Befehl207NurImPermutationsmodusUndNichtImLauf)
{
    permutationsErgebnisse.einzel.nummer = 2;
    befehl(befehlPmtErgebnisseDarstellen);
    EXPECT_EQ(permutationsPseudoNeuron(), nullptr);
    EXPECT_TRUE(pt::boxLog().empty());

    modusAn();
    for (const bool serie : {false, true}) {
        SCOPED_TRACE(serie ? "series" : "run");
        if (serie)
            modusStatus |= modusBit::SerieLaeuft;
        else
            programmStatus |= programmBit::LaufAktiv;
        boxenVergessen();
        pt::boxAntworten({antwort::Ok});
        befehl(befehlPmtErgebnisseDarstellen);
        EXPECT_EQ(boxen(), std::vector<std::string>{meldungsTexte[881]});
        EXPECT_EQ(permutationsPseudoNeuron(), nullptr);
        modusStatus &= ~modusBit::SerieLaeuft;
        programmStatus &= ~programmBit::LaufAktiv;
    }
    befehl(befehlPmtErgebnisseDarstellen);
    EXPECT_NE(permutationsPseudoNeuron(), nullptr);
}
