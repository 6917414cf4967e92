// tests/dialogs/test_strominjektion.cpp - the current-injection dialog (150): columns, selection,
// take-over, display modes, the checks of OK, file stimuli and the standard soma stimulus
#include "dialogs/strominjektion.h"
#include "files/stromdateien.h"
#include "model/layout.h"
#include "reizdialog_hilfe.h"
#include "resources/befehle.h"
#include "testhilfe.h"
#include <filesystem>

using namespace reizdialog;

namespace {

struct Strominjektion : reizdialog::Fall {
    void SetUp() override
    {
        reizdialog::Fall::SetUp();
        laufzeitSetzen(1.0, 1e-4);
        reizSchrittweite = 0.001;
        dialogEinstellungen.strominjektionAnzeige = 5;
        strominjektionVorgaben = {};
        standardSomareiz = {};
    }
    void TearDown() override
    {
        dialogEinstellungen = {};
        reizdialog::Fall::TearDown();
    }
    // what the dialog returns, opened with these steps
    static intptr_t dialog(Schritte schritte)
    {
        test::dialogSkript(150, std::move(schritte));
        return strominjektionDialogOeffnen(nullptr);
    }
    // the soma column switched on with 2 nA, a rectangle of 5 ms from 0.1 s, before the steps given
    static Schritte somaReiz(const Schritte& danach)
    {
        Schritte s{sch::tippen(1286, "0.1"), sch::tippen(1283, "0.005"), sch::tippen(1285, "2e-9"),
                   sch::klicken(1340)};
        s.insert(s.end(), danach.begin(), danach.end());
        return s;
    }
    static int punkte(const NeuronDaten* n, size_t c) { return n->stromTabellen.at(c).anzahlPunkte; }
    static bool gereizt(const NeuronDaten* n, size_t c) { return punkte(n, c) > 3; }
};

} // namespace

// A column switched on with count 0 and an amplitude is stored with count 1; one without an
// amplitude ("nan" is none: OK names it until it is mended) keeps its count, and No to the
// question switches it off. OK draws
// the reference curves bound to a compartment anew. A permanent soma stimulus becomes a
// rectangle from 0 over the run but its last step, once, without interval.
TEST_F(Strominjektion, EingeschalteteSpalteMitAnzahlNullBekommtEinsUndDauerreizWirdRechteckUeberDenLauf)
{
    NeuronDaten* n = neuron(1, true);
    DiagrammDaten& d = n->hauptDiagramm;
    diagrammLayoutBerechnen(&stdNeuron, &diagrammVorlage, 0);
    diagrammLayoutBerechnen(n, &d, 1);
    d.fenster = fensterErzeugen("Ersatz", "Diagramm", stil::Hauptfenster, 0, 0, 400, 300);
    KurvenDaten& k = d.kurven[12];
    std::tie(k.anzeigen, k.referenz, k.stromreizSegment) = std::tuple(1, int{kurvenReferenz::Kopie}, 1);
    test::boxAntworten({antwort::Ok, antwort::Nein});
    EXPECT_EQ(dialog(somaReiz({texte({{1291, "1"}}), sch::tippen(1294, "nan"), sch::klicken(1341),
                               texte({{1295, "0"}}), sch::klicken(1), fokus(1294), sch::tippen(1294, "0"),
                               sch::klicken(1)})),
              1);
    EXPECT_EQ(test::boxLog().at(0).text, meldungFormatieren(952, "Amplitude (A) (Dendrit 1)"));
    const StromreizDefinition& s = n->stromreize[0];
    EXPECT_EQ(std::make_tuple(s.an, s.anzahl, s.beginn, s.dach, s.amplitude, gereizt(n, 0)),
              std::make_tuple(1, 1, 0.1, 0.005, 2e-9, true));
    EXPECT_EQ(std::make_tuple(n->stromreize[1].an, punkte(n, 1), gereizteKompartimenteGesamt),
              std::make_tuple(0, 3, 1));
    EXPECT_NE(letzteBox().find("Kompartiment 1"), std::string::npos);
    EXPECT_EQ(tastaturHookDialog(), nullptr);
    ASSERT_GT(k.werte.size(), 1001u);
    EXPECT_TRUE(k.werte[999] == k.werte[0] && k.werte[1001] > k.werte[0]);   // 0.0999 s, 0.1001 s
    fensterZerstoeren(d.fenster);
    d.fenster = nullptr;

    test::boxAntworten({antwort::Ja});
    EXPECT_EQ(dialog({sch::tippen(1292, "0.3"), sch::klicken(1352), texte({{1283, "0.9999"}}),
                      [](Fenster d) { EXPECT_FALSE(el(d, 1286).freigegeben || el(d, 1291).freigegeben); },
                      sch::klicken(1)}),
              1);
    EXPECT_EQ(std::make_tuple(s.dauerreiz, s.reizart, s.beginn, s.anstieg, s.dach, s.abfall, s.anzahl),
              std::make_tuple(1, 0, 0.0, 0.0, 1.0 - 1e-4, 0.0, 1));
    EXPECT_EQ(s.pause, 0.0);
    EXPECT_NE(letzteBox().find("SOMA-reiz"), std::string::npos);
}

// Without a marked neuron the first is shown and none chosen, and OK asks (No: the dialog
// stays). Another chosen in the list and marked keeps what was typed for the one before.
// The take-over gives every chosen neuron the shown one's stimuli (the amplitude typed is
// kept over the refill) but not its name, and is kept for the next opening.
TEST_F(Strominjektion, ListeWaehltUndMarkiertUndUebernahmeGibtJedemGewaehltenDieReizeDesGezeigten)
{
    NeuronDaten* a = neuron(1, false);
    NeuronDaten* b = neuron(2, false);
    // the title, the list's two rows, its caption and the marking button's text
    const auto liste = [](const char* titel, const char* zeilen, int gewaehlt, const char* knopf) {
        return [=](Fenster d) {
            const auto& l = el(d, 1281).eintraege;
            EXPECT_EQ(plattform::titel(d), std::string("Strominjektion erstellen f\xFCr ") + titel);
            EXPECT_EQ(l.at(0).text + "|" + l.at(1).text + "|" + el(d, 1302).text + "|" + el(d, 1307).text,
                      zeilen + ("|Neuronenliste (" + std::to_string(gewaehlt)) + " ausgew\xE4hlt)|" + knopf);
        };
    };
    test::boxAntworten({antwort::Nein});
    EXPECT_EQ(dialog(somaReiz({liste("N1", "       N1|       N2", 0, "select"), sch::klicken(1), fokus(1281),
                               sch::klicken(1307), sch::waehlen(1281, 1),
                               liste("N2", "*    N1|       N2", 1, "select"), sch::klicken(1307),
                               liste("N2", "*    N1|*    N2", 2, "unselect"),
                               sch::tippen(1285, "1e-9"), sch::klicken(1340), sch::klicken(1)})),
              1);
    EXPECT_EQ(test::boxLog().at(0).text, meldungsTexte[559]);
    EXPECT_EQ(std::pair(a->stromreize[0].amplitude, b->stromreize[0].amplitude), std::pair(2e-9, 1e-9));
    EXPECT_TRUE(gereizt(a, 0) && gereizt(b, 0));

    NeuronDaten* c = neuron(3, false);
    std::tie(a->strominjektionBezeichnung, b->strominjektionBezeichnung) = std::pair("eins", "zwei");
    for (NeuronDaten* x : {a, b})
        neuronMarkieren(x, 1);
    EXPECT_EQ(dialog({sch::tippen(1285, "3e-9"), sch::tippen(1305, "Eins"), sch::klicken(1306),
                      texte({{1285, "3e-09"}}), sch::klicken(1)}),
              1);
    EXPECT_EQ(a->strominjektionBezeichnung + b->strominjektionBezeichnung, "Einszwei");
    EXPECT_EQ(std::pair(a->stromreize[0].amplitude, b->stromreize[0].amplitude), std::pair(3e-9, 3e-9));
    EXPECT_EQ(std::make_tuple(c->stromreize[0].an, punkte(c, 0), strominjektionVorgaben.uebernehmen),
              std::make_tuple(0, 3, 1));
}

// "OK - F2" starts the run; the simple display is applied by closing and opening anew, and
// leaves the ramps alone.
TEST_F(Strominjektion, OkF2StartetDenLaufUndEinfacheDarstellungSchliesstUndOeffnetNeu)
{
    NeuronDaten* n = neuron(1, true);
    n->stromreize[0].anstieg = 0.01;
    EXPECT_EQ(dialog({sch::klicken(2300)}) + dialog({sch::klicken(2066)}), 2);
    EXPECT_EQ(dialogEinstellungen.strominjektionAnzeige, 0);
    nachrichtenVerarbeiten();
    EXPECT_EQ(ersatz::befehle, (std::vector<int>{befehlSimulationStarten, befehlStrominjektion}));
    EXPECT_EQ(dialog({[](Fenster d) { EXPECT_FALSE(el(d, 1285).sichtbar || el(d, 1281).sichtbar); },
                      fokus(1284), texte({{3010, "Dauer (s)"}}), sch::tippen(1282, "0.05"),
                      sch::tippen(1284, "3e-9"), sch::tippen(1291, "2"), sch::tippen(1292, "0.2"),
                      sch::klicken(1340), sch::klicken(1)}),
              1);
    const StromreizDefinition& s = n->stromreize[0];
    EXPECT_EQ(std::make_tuple(s.dach, s.amplitude, s.anzahl, s.anstieg, gereizt(n, 0)),
              std::make_tuple(0.05, 3e-9, 2, 0.01, true));
}

// OK writes the soma stimulus of neuron 7 only when every field and the neurons chosen agree;
// a step width not above the run's step is doubled, and the dialog stays.
TEST_F(Strominjektion, OkSchreibtNurWennFelderUndNeuroneZusammenpassen)
{
    const struct {
        const char* was;
        std::function<void()> netz;
        Schritte danach;
        intptr_t ende;
        std::string box;
    } faelle[] = {
        {"ArbeitskopieReichtBisZurHoechstenVorhandenenNummer", [] { neuronKette.hoechsteNummer = 2; },
         {sch::klicken(1)}, 1, ""},   // it reached the highest number given
        {"a count out of range names the field and its range", [] {},
         {sch::tippen(1291, "-3"), sch::klicken(1), fokus(1291), sch::klicken(2)}, 2,
         "\"Anzahl Reize\": erlaubt sind 0 bis 1000000."},
        {"different simulation types end the dialog", [] { neuron(2, true)->izhikevichAktiv = 1; },
         {sch::klicken(1)}, 2, "unterschiedlichem Simulationstyp"},
        {"a sine that ends before it begins names its end", [] {},
         {sch::klicken(1344), sch::tippen(1282, "0.05"), sch::tippen(1283, "0.01"), sch::klicken(1), fokus(1282),
          sch::klicken(2)},
         2, "Sinus: Ende (s) (Soma)\": der Wert darf nicht kleiner sein als der bei \"Beginn (s) (Soma)\"."},
        {"a sine that ends after it begins is taken", [] {},
         {sch::klicken(1344), sch::tippen(1282, "0.3"), sch::tippen(1283, "0.01"), sch::klicken(1)}, 1, ""},
        {"a step width too small", [] {},
         {sch::tippen(1304, "1e-4"), sch::klicken(1), fokus(1304), texte({{1304, "0.0002"}}),
          sch::klicken(1)},
         1, meldungsTexte[504]},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.was);
        netzLoeschen();
        NeuronDaten* n = neuron(7, true);
        f.netz();
        test::boxAntworten({antwort::Ok});
        EXPECT_EQ(dialog(somaReiz(f.danach)), f.ende);
        EXPECT_NE(letzteBox().find(f.box), std::string::npos);
        EXPECT_EQ(std::pair(n->stromreize[0].an == 1, gereizt(n, 0)), std::pair(f.ende == 1, f.ende == 1));
    }
    EXPECT_EQ(reizSchrittweite, 2e-4);
}

// (It walked compartments 0..6.)
TEST_F(Strominjektion, NeuronMitSechsSegmentenBekommtNurSeineVierDefinitionen)
{
    NeuronDaten* n = neuron(1, true, 6);
    Schritte schritte;
    for (const auto& [amplitude, an] : {std::pair{1285, 1340}, {1294, 1341}, {1319, 1342}, {1327, 1343}})
        schritte.insert(schritte.end(), {sch::tippen(amplitude, "1e-9"), sch::klicken(an)});
    schritte.push_back(sch::klicken(1));
    EXPECT_EQ(dialog(schritte), 1);
    for (size_t c = 0; c <= 6; ++c)
        EXPECT_EQ(gereizt(n, c), c <= 3) << c;
    EXPECT_EQ(n->gereizteKompartimente, 4);
}

TEST_F(Strominjektion, DendritenspaltenDieDemNeuronFehlenNehmenNichtsAn)
{
    neuron(1, true, 1);
    EXPECT_EQ(dialog({[](Fenster d) {
                          for (int id : {1341, 1287, 1354, 1342, 1343, 1315, 1323, 1355, 1356, 2073})
                              EXPECT_EQ(el(d, id).freigegeben, id == 1341 || id == 1287 || id == 1354) << id;
                      },
                      sch::klicken(2)}),
              2);
}

// A stimulus from a file takes effect at once, even when the dialog is cancelled; OK loads
// it again by its name, and No on its button drops it at once.
TEST_F(Strominjektion, ReizAusDateiWirktSofortAuchBeimAbbrechenUndNeinEntferntIhn)
{
    const std::string ordner = testhilfe::tempOrdner("strominjektion");
    testhilfe::schreiben(ordner + "reize.str",
                         "Reizdefinitionsdatei\r\nReizname=Puls\r\n0.1 1e-9\r\n0.2 0\r\n");
    NeuronDaten* n = neuron(1, true);
    const StromreizDefinition& r = n->stromreize[1];
    test::dateiAntworten({test::dateiAntwort(ordner + "reize.str")});
    test::popupAntworten({55001});
    EXPECT_EQ(dialog({sch::klicken(1354), texte({{2072, "->"}}),
                      [](Fenster d) { EXPECT_FALSE(el(d, 1341).freigegeben); }, sch::klicken(2)}),
              2);
    EXPECT_EQ(r.reizName + std::to_string(r.ausDatei) + n->stromTabellen[1].herkunft, "Puls1Puls");
    EXPECT_EQ(dialog({sch::klicken(1)}), 1);
    EXPECT_EQ(punkte(n, 1), 4);
    test::boxAntworten({antwort::Nein});
    EXPECT_EQ(dialog({sch::klicken(2072), texte({{2072, ""}}), sch::klicken(2)}), 2);
    EXPECT_NE(letzteBox().find("Reiz:  \"Puls\""), std::string::npos);
    EXPECT_EQ(std::make_tuple(r.reizName, r.ausDatei, punkte(n, 1)), std::make_tuple("", 0, 3));
    std::filesystem::remove_all(ordner);
}

// The standard soma stimulus: the built-in one before any is remembered; one without an
// amplitude is not remembered, the focus goes there.
TEST_F(Strominjektion, StandardSomareizEinfuegenUndMerken)
{
    neuron(1, true);
    EXPECT_EQ(dialog({sch::klicken(1332),
                      texte({{1286, "0.05"}, {1283, "0.002"}, {1285, "5e-09"}, {1291, "4"}, {1292, "0.02"}}),
                      [](Fenster d) { EXPECT_TRUE(el(d, 1340).haken && el(d, 1331).haken); },
                      sch::tippen(1285, "0"), sch::klicken(1338), fokus(1285), sch::tippen(1285, "7e-9"),
                      sch::tippen(1291, "3"), sch::klicken(1338), sch::klicken(2)}),
              2);
    EXPECT_EQ(std::make_tuple(standardSomareiz.amplitude, standardSomareiz.anzahl, standardSomareiz.beginn),
              std::make_tuple(7e-9, 3, 0.05));
}
