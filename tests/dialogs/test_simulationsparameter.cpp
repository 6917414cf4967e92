// tests/dialogs/test_simulationsparameter.cpp - the run settings dialog: cores, Cancel, OK and "OK - F2"
#include "resources/befehle.h"
#include "dialogs/simulationsparameter.h"
#include "ersatz_hauptfenster.h"
#include "model/layout.h"
#include "model/netz.h"
#include "model/netzeinstellungen.h"
#include "model/simulationsparameter.h"
#include "platform/box.h"
#include <algorithm>

using namespace plattform;
namespace sch = plattform::test::schritt;

namespace {

struct SimDialog : ersatz::Fall {
    void SetUp() override
    {
        netzLoeschen();
        ersatz::Fall::SetUp();
        simulationsparameterVoreinstellen();
        exportHinweisGewuenscht = true;
        simulationsParameterHaken.kernMaske = [] { return uint64_t{0b1010}; };   // cores 2 and 4
    }
    void TearDown() override
    {
        simulationsParameterHaken = {};
        netzLoeschen();
        ersatz::Fall::TearDown();
    }
    static intptr_t oeffnen() { return simulationsParameterDialogOeffnen(nullptr); }
    static const test::DialogElementZustand& el(Fenster d, int id) { return *test::dialogElement(d, id); }
};

} // namespace

TEST_F(SimDialog, KernlisteAusDerMaskeUndKernwahlUeberlebtAbbrechen)
{
    test::boxAntworten({antwort::Ja, antwort::Nein});
    test::dialogSkript(133, {
        [](Fenster d) {
            const auto& liste = el(d, 2321);
            ASSERT_EQ(liste.eintraege.size(), 2u);
            EXPECT_EQ(liste.eintraege[0].text + "|" + liste.eintraege[1].text, " 1| 2");
            EXPECT_TRUE(el(d, 1562).freigegeben);
            EXPECT_FALSE(liste.freigegeben);              // until the box is checked
            EXPECT_FALSE(el(d, 1559).freigegeben);
            EXPECT_TRUE(el(d, 1919).sichtbar && el(d, 1919).freigegeben && !el(d, 1560).freigegeben);   // no objects yet
        },
        sch::tippen(1213, "7"), sch::klicken(1562),
        sch::waehlen(2321, 1), sch::waehlen(2321, 0),     // Yes: core 2 at once; No: cleared, refilled
        [](Fenster d) {
            EXPECT_EQ(simulationsParameter.prozessorkern, 0);
            EXPECT_FALSE(el(d, 1562).haken || el(d, 2321).freigegeben);
            EXPECT_EQ(el(d, 1213).text, "1");             // the refill shows the working copies
        },
        sch::klicken(1562), sch::waehlen(2321, 1), sch::klicken(2),
    });
    test::boxAntworten({antwort::Ja});
    EXPECT_EQ(oeffnen(), 2);
    EXPECT_EQ(simulationsParameter.simulationsDauer, 1.0);   // Cancel stores nothing ...
    EXPECT_EQ(simulationsParameter.prozessorkern, 2);        // ... but the core was chosen at once
    EXPECT_EQ(simulationsParameter.prozessorkernZuweisen, 1);
    EXPECT_NE(test::boxLog().at(0).text.find("kern 2 zuweisen"), std::string::npos);
    EXPECT_EQ(tastaturHookDialog(), nullptr);

    simulationsParameterHaken.kernMaske = [] { return uint64_t{1}; };
    test::dialogSkript(133, {[](Fenster d) {
        EXPECT_FALSE(el(d, 1562).freigegeben || el(d, 2321).freigegeben);
        EXPECT_TRUE(el(d, 2321).eintraege.empty());
    }, sch::klicken(2)});
    EXPECT_EQ(oeffnen(), 2);
}

TEST_F(SimDialog, OkF2SchreibtSchwelleInJedesNeuronUndStartetDenLauf)
{
    NeuronDaten* n = neuronNeu(1, 0);
    ASSERT_TRUE(n);
    n->exportMaske = 1;
    // as start-up and the editor leave the template and a new neuron
    diagrammLayoutBerechnen(&stdNeuron, &diagrammVorlage, 0);
    diagrammLayoutBerechnen(n, &n->hauptDiagramm, 1);
    test::boxAntworten({antwort::Ja, antwort::Nein});     // threshold yes, export reminder off
    test::dialogSkript(133, {
        sch::tippen(1213, "0,5"), sch::tippen(1217, "1e-4"), sch::tippen(1218, "500"),
        sch::tippen(1219, "-0,03"), sch::klicken(2300),
    });
    EXPECT_EQ(oeffnen(), 1);
    EXPECT_EQ(simulationsParameter.anzahlSchritte, 5000);
    EXPECT_DOUBLE_EQ(simulationsParameter.spikeSchwelle, -0.03);
    EXPECT_DOUBLE_EQ(n->parameter[par::SwimSchwelle], -0.03);
    EXPECT_EQ(simulationsParameter.anzeigeIntervall, 500.0);
    EXPECT_EQ(ersatz::befehle, std::vector<int>{befehlSimulationStarten});
    EXPECT_EQ(test::boxLog().size(), 2u);

    // No keeps the old threshold everywhere; the reminder stays off; plain OK runs nothing
    test::boxAntworten({antwort::Nein});
    test::dialogSkript(133, {sch::tippen(1219, "-0.04"), sch::klicken(1)});
    EXPECT_EQ(oeffnen(), 1);
    EXPECT_DOUBLE_EQ(n->parameter[par::SwimSchwelle], -0.03);
    EXPECT_EQ(test::boxLog().size(), 3u);
    EXPECT_EQ(ersatz::befehle.size(), 1u);
}

TEST_F(SimDialog, IzhikevichFrageAbbrechenJaUndNein)
{
    const struct { int antwort; intptr_t ergebnis; double schritt, izhikevich; int schritte; } faelle[] = {
        {antwort::Abbrechen, 0, 1e-4, 0.05, 10000},   // nothing is stored
        {antwort::Ja, 1, 5e-5, 0.05, 20000},          // the Izhikevich step becomes the run's step
        {antwort::Nein, 1, 2e-4, 0.2, 5000},          // the typed step stays, the Izhikevich step follows
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.antwort);
        simulationsparameterVoreinstellen();
        simulationsParameter.izhikevichSchrittweite = 0.05;   // ms
        test::boxAntworten({f.antwort});
        test::dialogSkript(133, {sch::tippen(1217, "0.0002"), sch::klicken(1)});
        EXPECT_EQ(oeffnen(), f.ergebnis);
        EXPECT_DOUBLE_EQ(simulationsParameter.schrittweite, f.schritt);
        EXPECT_DOUBLE_EQ(simulationsParameter.izhikevichSchrittweite, f.izhikevich);
        EXPECT_EQ(simulationsParameter.anzahlSchritte, f.schritte);
    }
    test::dialogSkript(133, {sch::klicken(1)});   // after No both agree: no question any more
    EXPECT_EQ(oeffnen(), 1);
    EXPECT_EQ(test::boxLog().size(), 3u);
}

// Opened again while it is up, the dialog comes to the front instead of a second one.
TEST_F(SimDialog, EinOffenerDialogWirdNichtZumZweitenMalGeoeffnet)
{
    test::dialogSkript(133, {[](Fenster d) {
        EXPECT_EQ(oeffnen(), 2);
        EXPECT_EQ(test::offenerDialog(133), d);
    }, sch::klicken(2)});
    EXPECT_EQ(oeffnen(), 2);
    EXPECT_EQ(std::ranges::count(test::dialogLog(), 133, &test::DialogOeffnung::vorlage), 1);
    test::dialogSkript(133, {sch::klicken(1)});
    EXPECT_EQ(oeffnen(), 1);
}
