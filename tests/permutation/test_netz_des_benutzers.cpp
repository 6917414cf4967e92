// tests/permutation/test_netz_des_benutzers.cpp - a series and a free permutation leave the
// user's network as they found it: in memory, in its file and in the settings file; a save
// during a series is refused with a notice that says why, one while a free permutation's
// levels are in the network writes the user's values; what the mode set aside belongs to
// the network it came from
#include "permutation_hilfe.h"
#include "waechter_hilfe.h"
#include "app/hauptfenster.h"
#include "diagrams/diagramm.h"
#include "files/netzdatei.h"
#include "files/einstellungsdatei.h"
#include "model/permutation.h"
#include "model/simulationsparameter.h"
#include "permutation/ergebnisse.h"
#include "permutation/lauf.h"
#include "platform/steuerelemente.h"
#include <functional>

using namespace permutationstest;

namespace {

constexpr int idEingabe = 1251;
constexpr uint32_t exportSchalter =
    programmBit::WerteExportieren | programmBit::SomaDateiLesen | programmBit::SomaDateiSchreiben;

std::function<void(int)> imLauf;

Laufausgang standLauf()
{
    if (imLauf)
        imLauf(permutationsLaufstand.nummer);
    return Laufausgang::Beendet;
}

class NetzDesBenutzers : public PermutationFall {
protected:
    std::string netz, cfg;

    void SetUp() override
    {
        PermutationFall::SetUp();
        dreiSynapsenDefinieren();
        synapseNachId(synapsenId(2, 1))->leitfaehigkeit = 1.5e-7;   // the dynamic value apart from the base
        neuronSuchen(2)->exportMaske = 0x5;
        programmStatus |= exportSchalter;
        dateipfade.endung = "gui";
        netz = ordner + "netz.gui";
        imLauf = nullptr;
        permutationsLaufHaken = standLauf;
    }
    void TearDown() override
    {
        permutationsLaufHaken = nullptr;
        imLauf = nullptr;
        PermutationFall::TearDown();
    }
    void modusMitDefinition()
    {
        modusStatus |= modusBit::DefinitionDa;
        modusAn();
    }
    // a free permutation of that number, then the next number is declined
    void frei(const char* nummer)
    {
        pt::dialogSkript(146, {pt::schritt::tippen(idEingabe, nummer), pt::schritt::klicken(1)});
        pt::dialogSkript(146, {pt::schritt::klicken(2)});
        befehl(befehlPmtFreieReihenfolge);
    }
    // Ctrl+S as the user presses it
    void strgS()
    {
        pt::tastenZustandSetzen(tastenStatus::LinksStrg, true);
        pt::tasteDruecken(haupt(), 'S');
        nachrichtenVerarbeiten();
        pt::tastenZustandSetzen(tastenStatus::LinksStrg, false);
    }
    // Ctrl+S (or its command, where a modal dialog keeps keys from the main window) and
    // "Speichern unter" refused with the notice, no dialog, both files as they were
    void speichernVerweigert(int meldung, bool taste = true)
    {
        const size_t dialoge = pt::dateiWahlLog().size();
        boxenVergessen();
        pt::boxAntworten({antwort::Ok, antwort::Ok});
        if (taste)
            strgS();
        else
            befehl(befehlGuiDateiSpeichern);
        befehl(befehlGuiDateiSpeichernUnter);
        EXPECT_EQ(boxen(), (std::vector<std::string>{meldungsTexte[meldung], meldungsTexte[meldung]}));
        EXPECT_EQ(pt::dateiWahlLog().size(), dialoge);
        EXPECT_EQ(lesen(netz), netzVorher);
        EXPECT_EQ(lesen(cfgPfad), cfgVorher);
    }
    // the same saves write, without a notice, what the user has: the files as the user saved them
    void speichernWieDerBenutzer(bool taste = true)
    {
        std::filesystem::remove(netz);
        std::filesystem::remove(cfgPfad);
        boxenVergessen();
        if (taste)
            strgS();
        else
            befehl(befehlGuiDateiSpeichern);
        EXPECT_TRUE(boxen().empty()) << boxen().front();
        EXPECT_EQ(lesen(netz), netzVorher);
        EXPECT_EQ(lesen(cfgPfad), cfgVorher);
        std::filesystem::remove(netz);
        pt::dateiAntworten({pt::dateiAntwort(netz)});
        befehl(befehlGuiDateiSpeichernUnter);
        EXPECT_TRUE(boxen().empty()) << boxen().front();
        EXPECT_EQ(lesen(netz), netzVorher);
    }
    std::string netzVorher, cfgVorher;
    static std::string imSpeicher()
    {
        XBuffer puffer;
        EXPECT_TRUE(guiDateiSpeichern(0, &puffer, 0));
        return puffer.text();
    }
    std::tuple<double, double, double, double, double> leitfaehigkeiten()
    {
        const SynapseDaten* a = synapseNachId(synapsenId(2, 1));
        const SynapseDaten* b = synapseNachId(synapsenId(3, 1));
        const SynapseDaten* c = synapseNachId(synapsenId(4, 2));
        return {a->initialLeitfaehigkeit, a->leitfaehigkeit, b->initialLeitfaehigkeit, c->initialLeitfaehigkeit,
                neuronSuchen(1)->eingangsPools->gSumme};
    }
    // the network saved by the user into its own file, and what it and the settings file hold
    void gespeichert()
    {
        pt::dateiAntworten({pt::dateiAntwort(netz)});
        befehl(befehlGuiDateiSpeichernUnter);
        netzVorher = lesen(netz);
        cfgVorher = lesen(cfgPfad);
        ASSERT_FALSE(netzVorher.empty());
        ASSERT_NE(cfgVorher.find("somapotential aller neurone als ascii-datei ausgeben=ja"), std::string::npos) << cfgVorher;
    }
};

} // namespace

// The rule swept for the series and for free order: a save inside a series is refused and
// says why, one while a free permutation's levels are in the network writes the user's
// values, the network file and the settings file stay byte for byte; leaving the mode gives
// the conductances and the switches back, and the network in memory and its next save are
// the user's again, byte for byte. Each guard (the series', the free levels', the mode's)
// leaves the network text, the settings, the switches and the run-time values as it found them.
TEST_F(NetzDesBenutzers, SerieUndFreieReihenfolgeLassenDasNetzWieSieEsFanden)
{
    gespeichert();
    const std::string speicher = imSpeicher();
    const auto werte = leitfaehigkeiten();
    WaechterPruefen pruefen;

    modusMitDefinition();
    const std::string speicherImModus = imSpeicher();
    // the series: inside its run of number 3
    int gesehen = 0;
    imLauf = [&](int nummer) {
        if (nummer != 3)
            return;
        ++gesehen;
        EXPECT_NE(leitfaehigkeiten(), werte);
        speichernVerweigert(1500);
    };
    pt::dateiAntworten({pt::dateiAntwort(ordner + "serie.bin")});
    befehl(befehlPmtStarten);
    EXPECT_EQ(gesehen, 1);
    EXPECT_EQ(leitfaehigkeiten(), werte);
    EXPECT_EQ(imSpeicher(), speicherImModus);
    EXPECT_EQ(WaechterPruefen::verglichen, 1);

    // free order: number 5 and, while the next number is asked for, its levels in the network
    imLauf = nullptr;
    pt::dialogSkript(146, {pt::schritt::tippen(idEingabe, "5"), pt::schritt::klicken(1)});
    pt::dialogSkript(146, {[&](Fenster) {
                               EXPECT_EQ(std::get<3>(leitfaehigkeiten()), 6e-8);
                               speichernWieDerBenutzer(false);
                           },
                           pt::schritt::klicken(2)});
    befehl(befehlPmtFreieReihenfolge);
    EXPECT_EQ(statusTexte[0], meldungFormatieren(1283, 5));
    speichernWieDerBenutzer();
    EXPECT_EQ(std::get<3>(leitfaehigkeiten()), 6e-8);     // the levels stay to be shown
    EXPECT_EQ(imSpeicher(), speicherImModus);

    // another number keeps what the user had, not the first number's levels
    frei("2");
    EXPECT_EQ(std::get<2>(leitfaehigkeiten()), 4e-8);
    EXPECT_EQ(WaechterPruefen::verglichen, 1);

    befehl(befehlPmtModusBeenden);
    EXPECT_EQ(WaechterPruefen::verglichen, 3);          // the free levels', then the mode's
    EXPECT_EQ(statusTexte[0], "\tSimulationsmodus");
    EXPECT_EQ(leitfaehigkeiten(), werte);
    EXPECT_EQ(programmStatus & exportSchalter, exportSchalter);
    EXPECT_EQ(imSpeicher(), speicher);
    boxenVergessen();
    strgS();
    EXPECT_TRUE(boxen().empty()) << boxen().front();
    EXPECT_EQ(lesen(netz), netzVorher);
    EXPECT_EQ(lesen(cfgPfad), cfgVorher);
}

// A series that runs the target of its synapses alone shows only that neuron's soma: the
// target's other curves are off and its further diagrams hidden while it runs. Its guard
// gives them back, found by number: the network's text is the user's again, the further
// windows are shown, and a reference curve keeps its samples for the next save.
TEST_F(NetzDesBenutzers, EineTeilsimulationGibtDieDiagrammeDesZielsZurueck)
{
    NeuronDaten* drei = neuronSuchen(3);
    synapseLoeschen(drei, drei->ausgangsSynapsen, 0);
    permutationsDefinition.synapsen.resize(1);           // 2->1 alone in its pool, onto 1
    modusStatus |= modusBit::Teilsimulation;
    simulationsParameter.netzwerkmodell = 2;
    simulationsParameter.netzwerktyp = 3;
    NeuronDaten* ziel = neuronSuchen(1);
    ASSERT_EQ(diagrammAnzeigen(ziel, &ziel->hauptDiagramm), &ziel->hauptDiagramm);
    std::vector<int> weitere;
    for (int i = 0; i < 2; ++i) {
        DiagrammDaten* d = diagrammAnzeigen(ziel, nullptr);
        ASSERT_NE(d, nullptr);
        weitere.push_back(d->nummer);
    }
    // the user's curves: sodium and a reference curve with samples, in the main diagram and a further one
    const std::vector<float> referenz{keineDaten + 1.0f, -60.0f, -55.5f, -61.25f};
    for (DiagrammDaten* d = &ziel->hauptDiagramm; d; d = d->naechstes) {
        d->kurven[kurve::Natrium].anzeigen = 1;
        KurvenDaten& r = d->kurven[kurve::Referenz1 + 1];
        r.anzeigen = 1;
        r.referenz = kurvenReferenz::Gespeichert;
        r.werte = referenz;
        r.werteAnzahl = static_cast<int>(referenz.size());
    }
    std::string vorher;
    ASSERT_TRUE(netzDateiText(vorher));
    const auto sichtbar = [&] {
        std::vector<bool> v;
        for (int nummer : weitere) {
            const DiagrammDaten* d = ziel->hauptDiagramm.naechstes;
            while (d && d->nummer != nummer)
                d = d->naechstes;
            v.push_back(d && d->fenster && istSichtbar(d->fenster));
        }
        return v;
    };
    ASSERT_EQ(sichtbar(), (std::vector<bool>{true, true}));
    WaechterPruefen pruefen;
    modusMitDefinition();
    const int verglichen = WaechterPruefen::verglichen;

    int gesehen = 0;
    imLauf = [&](int) {
        ++gesehen;
        EXPECT_EQ(teilsimulationsModus, 1);
        EXPECT_EQ(sichtbar(), (std::vector<bool>{false, false}));
        for (const DiagrammDaten* d = &ziel->hauptDiagramm; d; d = d->naechstes)
            for (int k = d == &ziel->hauptDiagramm ? 1 : 0; k < kurvenProDiagramm; ++k)
                EXPECT_EQ(d->kurven[static_cast<size_t>(k)].anzeigen, 0) << d->nummer << " " << k;
    };
    pt::dateiAntworten({pt::dateiAntwort(ordner + "teil.bin")});
    befehl(befehlPmtStarten);
    EXPECT_EQ(gesehen, 2);
    EXPECT_EQ(WaechterPruefen::verglichen, verglichen + 1);
    std::string nachher;
    ASSERT_TRUE(netzDateiText(nachher));
    EXPECT_TRUE(nachher == vorher);
    EXPECT_EQ(sichtbar(), (std::vector<bool>{true, true}));
    for (const DiagrammDaten* d = &ziel->hauptDiagramm; d; d = d->naechstes)
        EXPECT_EQ(d->kurven[kurve::Referenz1 + 1].werte, referenz) << d->nummer;
}

// A level that the user replaced meanwhile is the user's: leaving keeps it, and gives back
// the others. With no level left in the network a save is the user's again.
TEST_F(NetzDesBenutzers, EinWertDesBenutzersNachDerFreienPermutationBleibt)
{
    const auto werte = leitfaehigkeiten();
    modusMitDefinition();
    frei("7");
    ASSERT_TRUE(permutationsLevelImNetz());
    // the user sets 4->2 anew, as the synapse dialog does
    SynapseDaten* c = synapseNachId(synapsenId(4, 2));
    c->pool->gSumme += 9e-7 - c->initialLeitfaehigkeit;
    c->initialLeitfaehigkeit = c->leitfaehigkeit = 9e-7;
    befehl(befehlPmtModusBeenden);
    auto erwartet = werte;
    std::get<3>(erwartet) = 9e-7;
    EXPECT_EQ(leitfaehigkeiten(), erwartet);
    EXPECT_NEAR(neuronSuchen(2)->eingangsPools->gSumme, 9e-7, 1e-20);
    EXPECT_FALSE(permutationsLevelImNetz());
}

// Closing a network offers to save it: while the levels are in it, Yes saves the user's
// values with the user's edit. A network without a file closed with No, the next one without
// a file gets nothing of the levels though its synapses have the same ids: its save writes
// its own values, and leaving the mode leaves them.
TEST_F(NetzDesBenutzers, EinGeschlossenesNetzNimmtDieLevelMit)
{
    gespeichert();
    WaechterPruefen pruefen;
    modusMitDefinition();
    neuronSuchen(3)->x += 7;             // an edit of the user's, not saved yet
    std::string erwartet;
    ASSERT_TRUE(netzDateiText(erwartet));
    frei("7");
    ASSERT_TRUE(permutationsLevelImNetz());

    boxenVergessen();
    pt::boxAntworten({antwort::Ja});
    befehl(befehlDateiSchliessen);
    EXPECT_EQ(boxen(), (std::vector<std::string>{meldungFormatieren(802, netz)}));
    EXPECT_EQ(neuronKette.anzahl, 0);
    EXPECT_EQ(lesen(netz), erwartet);

    // the offers to save a network closed or replaced unedited are declined, where they come
    pt::unbeantwortetAblehnen(pt::Ablehnen::Nein);
    for (const bool ersterOhneDatei : {false, true}) {
        SCOPED_TRACE(ersterOhneDatei ? "a network without a file closed" : "the saved network closed");
        if (ersterOhneDatei) {
            for (int i = 1; i <= 4; ++i)
                NeuronFall::neu(i);
            synapse(2, 1, 2e-7);
            synapse(3, 1, 3e-7);
            synapse(4, 2, 4e-7);
            dreiSynapsenDefinieren();
            frei("7");
            ASSERT_TRUE(permutationsLevelImNetz());
            befehl(befehlDateiSchliessen);
            ASSERT_EQ(neuronKette.anzahl, 0);
        }
        EXPECT_FALSE(permutationsLevelImNetz());
        for (int i = 1; i <= 4; ++i)
            NeuronFall::neu(i);
        synapse(2, 1, 2e-8);                 // at the level the other network's synapse had
        synapse(3, 1, 3e-7);
        synapse(4, 2, 6e-8);
        EXPECT_FALSE(permutationsLevelImNetz());
        std::string eigenes;
        ASSERT_TRUE(netzDateiText(eigenes));
        const std::string datei = ordner + (ersterOhneDatei ? "zweites.gui" : "drittes.gui");
        boxenVergessen();
        pt::dateiAntworten({pt::dateiAntwort(datei)});
        strgS();
        EXPECT_TRUE(boxen().empty()) << boxen().front();
        EXPECT_EQ(lesen(datei), eigenes);
        const auto eigene = leitfaehigkeiten();
        befehl(befehlPmtModusBeenden);
        EXPECT_EQ(leitfaehigkeiten(), eigene);
        EXPECT_EQ(programmStatus & exportSchalter, exportSchalter);
        modusMitDefinition();
        befehl(befehlDateiSchliessen);
        ASSERT_EQ(neuronKette.anzahl, 0);
    }
}

// The switches the mode set aside are the network's they came from: another network opened
// in the mode has them cleared and set aside for it in turn, is saved with its own, and gets
// them back when the mode is left; the first network's file keeps the user's.
TEST_F(NetzDesBenutzers, DieSchalterGehoerenDemNetzAusDemSieKamen)
{
    const std::string b = ordner + "b.gui";
    neuronSuchen(2)->exportMaske = 0x3;
    neuronSuchen(3)->spikezeitenSpeichern = 1;
    pt::dateiAntworten({pt::dateiAntwort(b)});
    befehl(befehlGuiDateiSpeichernUnter);
    const std::string bVorher = lesen(b);
    neuronSuchen(2)->exportMaske = 0x5;
    neuronSuchen(3)->spikezeitenSpeichern = 0;
    gespeichert();                       // a.gui: the network the mode is entered with

    modusMitDefinition();
    EXPECT_EQ(neuronSuchen(2)->exportMaske, 0);
    pt::dateiAntworten({pt::dateiAntwort(b)});
    pt::unbeantwortetAblehnen(pt::Ablehnen::Nein);   // the offer to save a.gui, where it comes
    befehl(befehlDateiOeffnen);
    ASSERT_EQ(dateipfade.vollerPfad, b);
    EXPECT_EQ(std::pair(neuronSuchen(2)->exportMaske, neuronSuchen(3)->spikezeitenSpeichern), std::pair(0, 0));
    EXPECT_EQ(neuronSuchen(1)->spikezeitenSpeichern, 1);   // the rated neuron
    EXPECT_EQ(programmStatus & exportSchalter, 0u);
    boxenVergessen();
    strgS();
    EXPECT_TRUE(boxen().empty()) << boxen().front();
    EXPECT_EQ(lesen(b), bVorher);

    // a file the reader refuses gives b back as the same network: what the mode keeps of it
    // still goes back to it
    const std::string kaputt = ordner + "kaputt.gui";
    schreiben(kaputt, bVorher.substr(0, bVorher.find("[NEURON 1]") + 40));
    pt::dateiAntworten({pt::dateiAntwort(kaputt)});
    befehl(befehlDateiOeffnen);
    ASSERT_EQ(dateipfade.vollerPfad, b);

    befehl(befehlPmtModusBeenden);
    EXPECT_EQ(std::pair(neuronSuchen(2)->exportMaske, neuronSuchen(3)->spikezeitenSpeichern), std::pair(0x3, 1));
    EXPECT_EQ(programmStatus & exportSchalter, exportSchalter);
    std::string text;
    ASSERT_TRUE(netzDateiText(text));
    EXPECT_EQ(text, bVorher);
    EXPECT_EQ(lesen(netz), netzVorher);
}

// The user's file opened again in the mode (after No to the offer) holds the user's values:
// nothing is held then, a save writes it, and leaving changes nothing.
TEST_F(NetzDesBenutzers, DasWiederGeoeffneteNetzIstDasDesBenutzers)
{
    gespeichert();
    modusMitDefinition();
    frei("7");
    pt::dateiAntworten({pt::dateiAntwort(netz)});
    pt::unbeantwortetAblehnen(pt::Ablehnen::Nein);   // the offer to save, where it comes
    befehl(befehlDateiOeffnen);
    ASSERT_EQ(neuronKette.anzahl, 4);
    const auto geladen = leitfaehigkeiten();
    EXPECT_EQ(std::get<3>(geladen), 4e-7);
    EXPECT_FALSE(permutationsLevelImNetz());
    befehl(befehlPmtModusBeenden);
    EXPECT_EQ(leitfaehigkeiten(), geladen);
}

// Entering the mode switches off the value export and the soma file's pair, read and write
// together; settings saved in the mode carry the user's switches, and leaving gives them back.
TEST_F(NetzDesBenutzers, DieProgrammschalterGehenMitDemModusHinUndZurueck)
{
    for (const uint32_t an : {exportSchalter, programmBit::WerteExportieren, uint32_t{0}}) {
        SCOPED_TRACE(an);
        programmStatus = (programmStatus & ~exportSchalter) | an;
        befehl(befehlEinstellungenSpeichern);
        const std::string vorher = lesen(cfgPfad);
        modusMitDefinition();
        EXPECT_EQ(programmStatus & exportSchalter, 0u);
        EXPECT_EQ(std::pair(befehlHaken(befehlErgebnisExportieren), befehlHaken(befehlSomapotentialSpeichern)),
                  std::pair(0, 0));
        befehl(befehlEinstellungenSpeichern);
        EXPECT_EQ(lesen(cfgPfad), vorher);
        befehl(befehlPmtModusBeenden);
        EXPECT_EQ(programmStatus & exportSchalter, an);
        befehl(befehlEinstellungenSpeichern);
        EXPECT_EQ(lesen(cfgPfad), vorher);
    }
}
