// tests/dialogs/test_simulationsparameter_felder.cpp - the run settings dialog refuses fields
// without a number and a run its step counter or the memory cannot take
#include "dialogs/simulationsparameter.h"
#include "ersatz_hauptfenster.h"
#include "model/kurven.h"
#include "model/layout.h"
#include "model/netz.h"
#include "model/netzeinstellungen.h"
#include "model/simulationsparameter.h"
#include "model/simulationspruefung.h"
#include "platform/box.h"
#include "texts/texte.h"
#include <climits>
#include <tuple>

using namespace plattform;
namespace sch = plattform::test::schritt;

namespace {

struct SimFelder : ersatz::Fall {
    void SetUp() override
    {
        netzLoeschen();
        ersatz::Fall::SetUp();
        simulationsparameterVoreinstellen();
        exportHinweisGewuenscht = true;
        simulationsParameterHaken.kernMaske = [] { return uint64_t{1}; };
        physischerSpeicherQuelle = [] { return uint64_t{8} << 30; };
    }
    void TearDown() override
    {
        if (NeuronDaten* n = neuronNachNummer(1))
            n->hauptDiagramm.fenster = nullptr;
        physischerSpeicherQuelle = nullptr;
        simulationsParameterHaken = {};
        netzLoeschen();
        ersatz::Fall::TearDown();
    }
    static intptr_t oeffnen() { return simulationsParameterDialogOeffnen(nullptr); }
    static auto gespeichert()
    {
        const Simulationsparameter& sp = simulationsParameter;
        return std::make_tuple(sp.simulationsDauer, sp.schrittweite, sp.anzahlSchritte, sp.anzeigeIntervall,
                               sp.spikeSchwelle);
    }
};

} // namespace

// "nan" was stored, then saved into the network and default.cfg
TEST_F(SimFelder, FeldOhneZahlWirdMitHinweisAufDasFeldAbgelehntUndNichtsGespeichert)
{
    const auto vorher = gespeichert();
    struct Fall { int id; const char* text; const char* feld; };
    for (const Fall f : {Fall{1213, "nan", "Simulationsdauer (sec)"}, Fall{1217, "inf", "Einzelschrittl\xE4nge (sec)"},
                         Fall{1218, "abc", "Anzeigeintervall in Schritten"},
                         Fall{1219, "1e400", "Spikeschwelle (nur zum APs z\xE4hlen) (V)"}}) {
        SCOPED_TRACE(f.text);
        const size_t boxen = test::boxLog().size();
        test::boxAntworten({antwort::Ok});
        static int feldId;
        feldId = f.id;
        test::dialogSkript(133, {sch::tippen(f.id, f.text), sch::klicken(1),
                                 [](Fenster d) { EXPECT_EQ(test::dialogFokus(d), feldId); }, sch::klicken(2)});
        EXPECT_EQ(oeffnen(), 2);
        ASSERT_EQ(test::boxLog().size(), boxen + 1);
        EXPECT_EQ(test::boxLog().back().text, meldungFormatieren(952, f.feld));
        EXPECT_EQ(gespeichert(), vorher);
    }
}

// 1e12 s made OK allocate INT_MAX floats per open curve slot
TEST_F(SimFelder, ZuLangerLaufWirdImGeaendertenFeldAbgelehntOhneDassEinPufferWaechst)
{
    NeuronDaten* n = neuronNeu(1, 0);
    ASSERT_TRUE(n);
    ++neuronKette.anzahl;
    DiagrammDaten& d = n->hauptDiagramm;
    diagrammLayoutBerechnen(&stdNeuron, &diagrammVorlage, 0);
    diagrammLayoutBerechnen(n, &d, 1);
    d.fenster = fensterhandles.hauptfenster;       // a window: OK prepares the slot's buffers
    d.kurven[kurve::Soma].anzeigen = 1;
    kurvenVorbereiten(&d, -1);
    static const size_t groesse = d.kurven[kurve::Soma].werte.size();
    ASSERT_EQ(groesse, 10000u + werteReserve);
    const auto vorher = gespeichert();

    auto unveraendert = [](int feld) {
        return [feld](Fenster dlg) {
            EXPECT_EQ(test::dialogFokus(dlg), feld);
            EXPECT_EQ(neuronNachNummer(1)->hauptDiagramm.kurven[kurve::Soma].werte.size(), groesse);
            EXPECT_EQ(simulationsParameter.simulationsDauer, 1.0);
        };
    };
    test::boxAntworten({antwort::Ok, antwort::Ok, antwort::Ok, antwort::Ok});
    test::dialogSkript(133, {
        sch::tippen(1213, "1e12"), sch::klicken(1), unveraendert(1213),
        // a quotient beyond every double, and one whose buffers are
        sch::tippen(1213, "1e300"), sch::tippen(1217, "1e-300"), sch::klicken(1), unveraendert(1213),
        sch::tippen(1217, "1e-8"), sch::klicken(1), unveraendert(1213),
        sch::tippen(1213, "1"), sch::tippen(1217, "1e-12"), sch::klicken(1), unveraendert(1217),
        sch::tippen(1217, "0.0002"), sch::klicken(1),
    });
    EXPECT_EQ(oeffnen(), 1);
    ASSERT_EQ(test::boxLog().size(), 4u);
    EXPECT_EQ(test::boxLog()[0].text.rfind("\"Simulationsdauer (sec)\": 1e+12 s Dauer bei 0.0001 s Schrittweite "
                                           "ergeben 1e+16 Schritte; die Kurven (1) br\xE4uchten daf\xFCr "
                                           "36379.8 TB Speicher.", 0),
              0u)
        << test::boxLog()[0].text;
    EXPECT_EQ(test::boxLog()[1].text, meldungFormatieren(1807, "Simulationsdauer (sec)", "1e+300", "1e-300",
                                                         INT_MAX / 2, "4.0 GB"));
    EXPECT_EQ(test::boxLog()[2].text.rfind("\"Simulationsdauer (sec)\": 1e+300 s Dauer bei 1e-08 s Schrittweite "
                                           "ergeben 1e+308 Schritte; die Kurven (1) br\xE4uchten daf\xFCr "
                                           "3.64e+296 TB Speicher.", 0),
              0u)
        << test::boxLog()[2].text;
    EXPECT_EQ(test::boxLog()[3].text.rfind("\"Einzelschrittl\xE4nge (sec)\": 1 s Dauer bei 1e-12 s", 0), 0u)
        << test::boxLog()[3].text;
    for (const auto& b : test::boxLog())
        EXPECT_TRUE(b.text.find("inf") == std::string::npos && b.text.find("nan") == std::string::npos) << b.text;
    EXPECT_EQ(std::get<2>(vorher), 10000);
    EXPECT_EQ(simulationsParameter.anzahlSchritte, 5000);
}
