// tests/dialogs/test_strominjektion.cpp - the current-injection dialog (150): columns, selection,
// take-over, display modes, the step check, file stimuli, and what OK, "OK - F2" and Cancel write
#include "dialogs/strominjektion.h"
#include "ersatz_hauptfenster.h"
#include "files/stromdateien.h"
#include "model/layout.h"
#include "model/netz.h"
#include "model/simulationsparameter.h"
#include "model/simulationspruefung.h"
#include "platform/box.h"
#include "resources/befehle.h"
#include "testhilfe.h"
#include "texts/texte.h"
#include <filesystem>

using namespace plattform;
namespace sch = plattform::test::schritt;

namespace {

struct Strominjektion : ersatz::Fall {
    void SetUp() override
    {
        netzLoeschen();
        ersatz::Fall::SetUp();
        laufzeitSetzen(1.0, 1e-4);
        simulationsParameter.netzwerktyp = 3;
        simulationsParameter.anzahlSegmente = 3;
        reizSchrittweite = 0.001;
        dialogEinstellungen.strominjektionAnzeige = 5;
        strominjektionVorgaben = {};
        standardSomareiz = {};
    }
    void TearDown() override
    {
        netzLoeschen();
        dialogEinstellungen = {};
        ersatz::Fall::TearDown();
    }
    // a neuron of three segments (or more), marked when asked
    static NeuronDaten* neuron(int nummer, bool markiert, int segmente = 3)
    {
        NeuronDaten* n = neuronNeu(nummer, 0);
        EXPECT_TRUE(n);
        ++neuronKette.anzahl;
        neuronKette.hoechsteNummer = std::max(neuronKette.hoechsteNummer, nummer);
        EXPECT_TRUE(kompartimenteAnpassen(*n, segmente));
        n->name = "N" + std::to_string(nummer);
        if (markiert)
            neuronMarkieren(n, 1);
        return n;
    }
    static intptr_t oeffnen() { return strominjektionDialogOeffnen(nullptr); }
    static const test::DialogElementZustand& el(Fenster d, int id) { return *test::dialogElement(d, id); }
    static int punkte(const NeuronDaten* n, int c) { return n->stromTabellen[static_cast<size_t>(c)].anzahlPunkte; }
    static std::string letzteBox() { return test::boxLog().empty() ? "" : test::boxLog().back().text; }
};

// the soma column switched on with an amplitude: a rectangle of 5 ms from 0.1 s
std::vector<test::DialogSchritt> somaReiz(const char* amplitude = "2e-9")
{
    return {sch::tippen(1286, "0.1"), sch::tippen(1283, "0.005"), sch::tippen(1285, amplitude), sch::klicken(1340)};
}

} // namespace

TEST_F(Strominjektion, EingeschalteteSpalteMitAnzahlNullBekommtEinsUndDauerreizWirdRechteckUeberDenLauf)
{
    NeuronDaten* n = neuron(1, true);
    auto schritte = somaReiz();
    schritte.push_back([](Fenster d) { EXPECT_EQ(el(d, 1291).text, "1"); });   // count 0 and an amplitude
    // a dendrite switched on without an amplitude keeps its count; "nan" is no number
    schritte.insert(schritte.end(), {sch::tippen(1294, "nan"), sch::klicken(1341),
                                     [](Fenster d) { EXPECT_EQ(el(d, 1295).text, "0"); }, sch::klicken(1)});
    test::boxAntworten({antwort::Nein});        // text 388 for the dendrite: No switches it off
    test::dialogSkript(150, schritte);
    EXPECT_EQ(oeffnen(), 1);
    const StromreizDefinition& s = n->stromreize[0];
    EXPECT_EQ(std::make_tuple(s.an, s.anzahl, s.beginn, s.dach, s.amplitude), std::make_tuple(1, 1, 0.1, 0.005, 2e-9));
    EXPECT_GT(punkte(n, 0), 3);
    EXPECT_EQ(std::make_tuple(n->stromreize[1].an, n->stromreize[1].amplitude, punkte(n, 1)), std::make_tuple(0, 0.0, 3));
    EXPECT_NE(letzteBox().find("Kompartiment 1"), std::string::npos);
    EXPECT_EQ(gereizteKompartimenteGesamt, 1);
    EXPECT_EQ(tastaturHookDialog(), nullptr);

    // permanent: a rectangle from 0 over the run but its last step, once, without interval
    test::boxAntworten({antwort::Ja});
    test::dialogSkript(150, {sch::tippen(1292, "0.3"), sch::klicken(1352),
                             [](Fenster d) {
                                 EXPECT_EQ(el(d, 1283).text, "0.9999");
                                 EXPECT_FALSE(el(d, 1286).freigegeben || el(d, 1291).freigegeben);
                                 EXPECT_TRUE(el(d, 1285).freigegeben && el(d, 1331).freigegeben);
                             },
                             sch::klicken(1)});
    EXPECT_EQ(oeffnen(), 1);
    EXPECT_EQ(std::make_tuple(s.dauerreiz, s.reizart, s.beginn, s.anstieg, s.dach, s.abfall, s.anzahl, s.pause),
              std::make_tuple(1, 0, 0.0, 0.0, 1.0 - 1e-4, 0.0, 1, 0.0));
    EXPECT_NE(test::boxLog().back().text.find("SOMA-reiz"), std::string::npos);
}

TEST_F(Strominjektion, OhneMarkiertesNeuronZeigtDasErsteWaehltKeinesUndOkFragt559)
{
    neuron(1, false);
    neuron(2, false);
    test::boxAntworten({antwort::Nein, antwort::Ja});
    test::dialogSkript(150, {
        [](Fenster d) {
            const auto& liste = el(d, 1281);
            ASSERT_EQ(liste.eintraege.size(), 2u);
            EXPECT_EQ(liste.eintraege[0].text + "|" + liste.eintraege[1].text, "       N1|       N2");
            EXPECT_EQ(liste.auswahl, 0);
            EXPECT_EQ(titel(d), "Strominjektion erstellen f\xFCr N1");
            EXPECT_EQ(el(d, 1302).text, "Neuronenliste (0 ausgew\xE4hlt)");
            EXPECT_EQ(el(d, 1307).text, "select");
            EXPECT_EQ(test::dialogFokus(d), 1285);
        },
        sch::klicken(1),
        [](Fenster d) { EXPECT_EQ(test::dialogFokus(d), 1281); },   // No: the dialog stays
        sch::klicken(1),
    });
    EXPECT_EQ(oeffnen(), 1);
    EXPECT_EQ(test::boxLog().size(), 2u);
    EXPECT_EQ(test::boxLog()[0].text, meldungsTexte[559]);
}

TEST_F(Strominjektion, UebernahmeGibtJedemGewaehltenDieReizeDesGezeigtenSeineBezeichnungBleibt)
{
    NeuronDaten* a = neuron(1, true);
    NeuronDaten* b = neuron(2, true);
    NeuronDaten* c = neuron(3, false);
    a->strominjektionBezeichnung = "eins";
    b->strominjektionBezeichnung = "zwei";
    auto schritte = somaReiz();
    schritte.insert(schritte.end(), {sch::tippen(1305, "Eins"), sch::klicken(1306),
                                     [](Fenster d) { EXPECT_EQ(el(d, 1285).text, "2e-09"); },   // kept over the refill
                                     sch::klicken(1)});
    test::dialogSkript(150, schritte);
    EXPECT_EQ(oeffnen(), 1);
    EXPECT_EQ(std::make_tuple(a->strominjektionBezeichnung, b->strominjektionBezeichnung), std::make_tuple("Eins", "zwei"));
    for (const NeuronDaten* n : {a, b})
        EXPECT_EQ(std::make_tuple(n->stromreize[0].an, n->stromreize[0].amplitude, punkte(n, 0) > 3),
                  std::make_tuple(1, 2e-9, true)) << n->name;
    EXPECT_EQ(std::make_tuple(c->stromreize[0].an, punkte(c, 0)), std::make_tuple(0, 3));
    EXPECT_EQ(strominjektionVorgaben.uebernehmen, 1);   // kept for the next opening
}

TEST_F(Strominjektion, ListenwahlUndMarkierenBehaltenDieEingabenDesVorigenNeurons)
{
    NeuronDaten* a = neuron(1, true);
    NeuronDaten* b = neuron(2, false);
    auto schritte = somaReiz();
    schritte.insert(schritte.end(), {
        sch::waehlen(1281, 1),
        [](Fenster d) {
            EXPECT_EQ(titel(d), "Strominjektion erstellen f\xFCr N2");
            EXPECT_EQ(el(d, 1281).eintraege[0].text, "*    N1");
            EXPECT_EQ(el(d, 1307).text, "select");
        },
        sch::klicken(1307),
        [](Fenster d) {
            EXPECT_EQ(el(d, 1302).text, "Neuronenliste (2 ausgew\xE4hlt)");
            EXPECT_EQ(el(d, 1307).text, "unselect");
        },
        sch::tippen(1285, "1e-9"), sch::klicken(1340), sch::klicken(1),
    });
    test::dialogSkript(150, schritte);
    EXPECT_EQ(oeffnen(), 1);
    EXPECT_EQ(std::make_tuple(a->stromreize[0].amplitude, b->stromreize[0].amplitude), std::make_tuple(2e-9, 1e-9));
    EXPECT_EQ(punkte(b, 0) > 3 && punkte(a, 0) > 3, true);
}

TEST_F(Strominjektion, OkF2StartetDenLaufUndEinfacheDarstellungSchliesstUndOeffnetNeu)
{
    NeuronDaten* n = neuron(1, true);
    n->stromreize[0].anstieg = 0.01;             // the simple display leaves the ramps alone
    test::dialogSkript(150, {sch::klicken(2300)});
    EXPECT_EQ(oeffnen(), 1);
    EXPECT_EQ(ersatz::befehle, std::vector<int>{befehlSimulationStarten});

    ersatz::befehle.clear();
    test::dialogSkript(150, {sch::klicken(2066)});
    EXPECT_EQ(oeffnen(), 1);
    EXPECT_EQ(dialogEinstellungen.strominjektionAnzeige, 0);
    nachrichtenVerarbeiten();
    EXPECT_EQ(ersatz::befehle, std::vector<int>{befehlStrominjektion});

    test::dialogSkript(150, {
        [](Fenster d) {
            for (int id : {1294, 1285, 1283, 1281, 1304, 1331, 1351})
                EXPECT_FALSE(el(d, id).sichtbar) << id;
            for (int id : {1340, 1352, 1286, 1282, 1284, 1291, 1292, 1332, 1338, 2066, 1, 2300, 2})
                EXPECT_TRUE(el(d, id).sichtbar) << id;
            EXPECT_EQ(el(d, 3010).text + "|" + el(d, 3012).text, "Dauer (s)|Amplitude (A)");
            EXPECT_TRUE(el(d, 2066).haken);
            EXPECT_EQ(test::dialogFokus(d), 1284);
        },
        sch::tippen(1282, "0.05"), sch::tippen(1284, "3e-9"), sch::tippen(1291, "2"), sch::tippen(1292, "0.2"),
        sch::klicken(1340),
        sch::klicken(1),
    });
    EXPECT_EQ(oeffnen(), 1);
    const StromreizDefinition& s = n->stromreize[0];
    EXPECT_EQ(std::make_tuple(s.dach, s.amplitude, s.anzahl, s.an, s.anstieg), std::make_tuple(0.05, 3e-9, 2, 1, 0.01));
    EXPECT_GT(punkte(n, 0), 3);
}

TEST_F(Strominjektion, SchrittweiteNichtUeberDemLaufschrittWirdVerdoppeltUndDerDialogBleibt)
{
    neuron(1, true);
    test::boxAntworten({antwort::Ok});
    test::dialogSkript(150, {
        sch::tippen(1304, "1e-4"), sch::klicken(1),
        [](Fenster d) {
            EXPECT_EQ(el(d, 1304).text, "0.0002");
            EXPECT_EQ(test::dialogFokus(d), 1304);
        },
        sch::klicken(1),
    });
    EXPECT_EQ(oeffnen(), 1);
    EXPECT_EQ(reizSchrittweite, 2e-4);
    EXPECT_EQ(test::boxLog().at(0).text, meldungsTexte[504]);
    const auto& e = test::ereignisLog();
    EXPECT_TRUE(std::any_of(e.begin(), e.end(), [](const test::Ereignis& x) {
        return x.art == test::Ereignis::Piep && x.a == 1000 && x.b == 100;
    }));
}

TEST_F(Strominjektion, AnzahlAusserhalbIhresBereichsNenntFeldUndBereichUndNichtsWirdGeschrieben)
{
    NeuronDaten* n = neuron(1, true);
    test::boxAntworten({antwort::Ok});
    auto schritte = somaReiz();
    schritte.insert(schritte.end(), {sch::tippen(1291, "-3"), sch::klicken(1),
                                     [](Fenster d) { EXPECT_EQ(test::dialogFokus(d), 1291); }, sch::klicken(2)});
    test::dialogSkript(150, schritte);
    EXPECT_EQ(oeffnen(), 2);
    EXPECT_EQ(letzteBox(), "\"Anzahl Reize\": erlaubt sind 0 bis 1000000.");
    EXPECT_EQ(std::make_tuple(n->stromreize[0].an, n->stromreize[0].amplitude), std::make_tuple(0, 0.0));
}

TEST_F(Strominjektion, UnterschiedlicheSimulationstypenBeendenDenDialogOhneZuSchreiben)
{
    NeuronDaten* a = neuron(1, true);
    neuron(2, true)->izhikevichAktiv = 1;
    test::boxAntworten({antwort::Ok});
    auto schritte = somaReiz();
    schritte.push_back(sch::klicken(1));
    test::dialogSkript(150, schritte);
    EXPECT_EQ(oeffnen(), 2);
    EXPECT_NE(letzteBox().find("unterschiedlichem Simulationstyp"), std::string::npos);
    EXPECT_EQ(std::make_tuple(a->stromreize[0].an, punkte(a, 0)), std::make_tuple(0, 3));
}

TEST_F(Strominjektion, ArbeitskopieReichtBisZurHoechstenVorhandenenNummer)   // it reached the highest number given
{
    NeuronDaten* n = neuron(7, true);
    neuronKette.hoechsteNummer = 2;              // as a loader may leave it
    auto schritte = somaReiz();
    schritte.push_back(sch::klicken(1));
    test::dialogSkript(150, schritte);
    EXPECT_EQ(oeffnen(), 1);
    EXPECT_EQ(std::make_tuple(n->stromreize[0].an, punkte(n, 0) > 3), std::make_tuple(1, true));
}

TEST_F(Strominjektion, NeuronMitSechsSegmentenBekommtNurSeineVierDefinitionen)   // it walked compartments 0..6
{
    NeuronDaten* n = neuron(1, true, 6);
    std::vector<test::DialogSchritt> schritte;
    for (const auto& [amplitude, an] : {std::pair{1285, 1340}, {1294, 1341}, {1319, 1342}, {1327, 1343}})
        schritte.insert(schritte.end(), {sch::tippen(amplitude, "1e-9"), sch::klicken(an)});
    schritte.push_back(sch::klicken(1));
    test::dialogSkript(150, schritte);
    EXPECT_EQ(oeffnen(), 1);
    for (int c = 0; c <= 6; ++c)
        EXPECT_EQ(punkte(n, c) > 3, c <= 3) << c;
    EXPECT_EQ(n->gereizteKompartimente, 4);
}

TEST_F(Strominjektion, DendritenspaltenDieDemNeuronFehlenNehmenNichtsAn)
{
    neuron(1, true, 1);
    test::dialogSkript(150, {[](Fenster d) {
        EXPECT_TRUE(el(d, 1341).freigegeben && el(d, 1287).freigegeben && el(d, 1354).freigegeben);
        for (int id : {1342, 1343, 1315, 1323, 1355, 1356, 2073})
            EXPECT_FALSE(el(d, id).freigegeben) << id;
    }, sch::klicken(2)});
    EXPECT_EQ(oeffnen(), 2);
}

TEST_F(Strominjektion, ReizAusDateiWirktSofortAuchBeimAbbrechenUndNeinEntferntIhn)
{
    const std::string ordner = testhilfe::tempOrdner("strominjektion");
    testhilfe::schreiben(ordner + "reize.str", "Reizdefinitionsdatei\r\nReizname=Puls\r\n0.1 1e-9\r\n0.2 0\r\n");
    NeuronDaten* n = neuron(1, true);
    test::dateiAntworten({test::dateiAntwort(ordner + "reize.str")});
    test::popupAntworten({55001});
    test::dialogSkript(150, {
        sch::klicken(1354),
        [](Fenster d) {
            EXPECT_EQ(el(d, 2072).text, "->");
            EXPECT_TRUE(el(d, 1354).haken);
            EXPECT_FALSE(el(d, 1341).freigegeben || el(d, 1288).freigegeben);
        },
        sch::klicken(2),
    });
    EXPECT_EQ(oeffnen(), 2);
    EXPECT_EQ(std::make_tuple(n->stromreize[1].reizName, n->stromreize[1].ausDatei, n->stromTabellen[1].herkunft),
              std::make_tuple("Puls", 1, "Puls"));

    // OK loads it again by name; the button's No drops it at once
    test::dialogSkript(150, {sch::klicken(1)});
    EXPECT_EQ(oeffnen(), 1);
    EXPECT_EQ(punkte(n, 1), 4);
    test::boxAntworten({antwort::Nein});
    test::dialogSkript(150, {sch::klicken(2072), [](Fenster d) { EXPECT_EQ(el(d, 2072).text, ""); }, sch::klicken(2)});
    EXPECT_EQ(oeffnen(), 2);
    EXPECT_NE(letzteBox().find("Reiz:  \"Puls\""), std::string::npos);
    EXPECT_EQ(std::make_tuple(n->stromreize[1].reizName, n->stromreize[1].ausDatei, punkte(n, 1)),
              std::make_tuple("", 0, 3));
    std::filesystem::remove_all(ordner);
}

TEST_F(Strominjektion, OkZeichnetGebundeneReizkurvenNeu)
{
    NeuronDaten* n = neuron(1, true);
    DiagrammDaten& d = n->hauptDiagramm;
    diagrammLayoutBerechnen(&stdNeuron, &diagrammVorlage, 0);
    diagrammLayoutBerechnen(n, &d, 1);
    d.fenster = fensterErzeugen("Ersatz", "Diagramm", stil::Hauptfenster, 0, 0, 400, 300);
    KurvenDaten& k = d.kurven[12];
    std::tie(k.anzeigen, k.referenz, k.stromreizSegment) = std::tuple(1, int{kurvenReferenz::Kopie}, 1);
    auto schritte = somaReiz();
    schritte.push_back(sch::klicken(1));
    test::dialogSkript(150, schritte);
    EXPECT_EQ(oeffnen(), 1);
    ASSERT_GT(k.werte.size(), 1001u);
    EXPECT_EQ(k.werte[999], k.werte[0]);         // 0.0999 s: before the pulse
    EXPECT_GT(k.werte[1001], k.werte[0]);        // 0.1001 s: inside it
    fensterZerstoeren(d.fenster);
    d.fenster = nullptr;
}

TEST_F(Strominjektion, StandardSomareizEinfuegenUndMerkenUndDieFragezeichen)
{
    neuron(1, true);
    test::boxAntworten({antwort::Ok, antwort::Ok, antwort::Ok});
    test::dialogSkript(150, {
        sch::klicken(1332),                       // nothing remembered yet: the built-in standard
        [](Fenster d) {
            EXPECT_EQ(el(d, 1286).text + "|" + el(d, 1283).text + "|" + el(d, 1285).text + "|" + el(d, 1291).text +
                          "|" + el(d, 1292).text,
                      "0.05|0.002|5e-09|4|0.02");
            EXPECT_TRUE(el(d, 1340).haken && el(d, 1331).haken);
        },
        sch::tippen(1285, "0"), sch::klicken(1338),   // no amplitude: a beep, the focus there
        [](Fenster d) { EXPECT_EQ(test::dialogFokus(d), 1285); },
        sch::tippen(1285, "7e-9"), sch::tippen(1291, "3"), sch::klicken(1338),
        sch::klicken(2283), sch::klicken(2290), sch::klicken(2291), sch::klicken(2),
    });
    EXPECT_EQ(oeffnen(), 2);
    EXPECT_EQ(std::make_tuple(standardSomareiz.amplitude, standardSomareiz.anzahl, standardSomareiz.beginn),
              std::make_tuple(7e-9, 3, 0.05));
    ASSERT_EQ(test::boxLog().size(), 3u);
    EXPECT_EQ(test::boxLog()[0].text + test::boxLog()[1].text + test::boxLog()[2].text,
              meldungsTexte[766] + meldungsTexte[768] + meldungsTexte[767]);
}
