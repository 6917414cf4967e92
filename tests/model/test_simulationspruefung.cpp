// tests/model/test_simulationspruefung.cpp - the check before a run, step counts, dendrite modes
#include "app/befehle.h"
#include "app/hauptfenster.h"
#include "diagrams/layout.h"
#include "files/schluessel.h"
#include "model/simulationspruefung.h"
#include <climits>
#include "test_neuron_hilfe.h"

namespace {
using Pruefung = NeuronFall;
namespace sch = plattform::test::schritt;
}

TEST_F(Pruefung, SchrittzahlAusDauerUndSchritt)
{
    laufzeitSetzen(0.5, 1e-4);
    EXPECT_EQ(simulationsParameter.anzahlSchritte, 5000);
    laufzeitSetzen(1.0, 0.0003);
    EXPECT_EQ(simulationsParameter.anzahlSchritte, 3333);
    laufzeitSetzen(1.0, 0.0);                   // no quotient: no steps
    EXPECT_EQ(simulationsParameter.anzahlSchritte, 0);
    EXPECT_EQ(anzahlSchritteBerechnen(1e300, 1e-300), INT_MAX);
}

TEST_F(Pruefung, DauerUndSchrittMuessenJeweilsPositivSein)
{
    // two negative values have a positive product, and still no run may start
    laufzeitSetzen(-1.0, -0.001);
    plattform::test::dialogSkript(133, {sch::klicken(2)});
    EXPECT_EQ(simulationsParameterPruefen(nullptr), 0);
    laufzeitSetzen(0.0, 1e-4);
    plattform::test::dialogSkript(133, {sch::klicken(2)});
    EXPECT_EQ(simulationsParameterPruefen(nullptr), 0);
    EXPECT_EQ(simulationsParameter.simulationsDauer, 0.0);
    EXPECT_EQ(plattform::test::dialogLog().size(), 2u);
}

TEST_F(Pruefung, OhneTypentabelleEntstehenVierStandardtypenOhneNamen)
{
    synapsenTypen.clear();
    synapsenTypAnzahl = 0;
    simulationsParameter.anzeigeIntervall = 0.0;
    EXPECT_EQ(simulationsParameterPruefen(nullptr), 1);
    EXPECT_TRUE(plattform::test::dialogLog().empty());
    EXPECT_EQ(simulationsParameter.anzeigeIntervall, 1000.0);   // the refresh ran first
    ASSERT_EQ(synapsenTypen.size(), 4u);
    EXPECT_EQ(synapsenTypAnzahl, 4);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(synapsenTypen[i].ion, stdSynapsenTypen[i].ion);
        EXPECT_EQ(synapsenTypen[i].potential, stdSynapsenTypen[i].potential);
        EXPECT_TRUE(synapsenTypen[i].bezeichnung.empty());
    }
}

TEST_F(Pruefung, DendritBefehleSetzenModusUndKompartimente)
{
    NeuronDaten* n = neu(1);
    ASSERT_TRUE(n);
    for (int befehl = befehlKeinDendrit; befehl <= befehlDendritNSegmente; ++befehl)
        EXPECT_TRUE(befehlVerfuegbar(befehl));
    EXPECT_TRUE(befehlVerfuegbar(befehlSimulationseinstellungen));
    const int segmente[] = {0, 1, 3, 6};
    for (int i = 0; i < 4; ++i) {
        hauptfensterBefehl(nullptr, befehlKeinDendrit + i);
        EXPECT_EQ(simulationsParameter.netzwerktyp, i + 1);
        EXPECT_EQ(simulationsParameter.anzahlSegmente, segmente[i]);
        EXPECT_EQ(n->potentiale.size(), static_cast<size_t>(segmente[i] + 1));
        EXPECT_EQ(n->stromTabellen.size(), static_cast<size_t>(segmente[i] + 1));
    }
}

TEST_F(Pruefung, NeueLaufzeitErreichtTabellenDiagrammeUndDauerreize)
{
    NeuronDaten* n = neu(1);
    ASSERT_TRUE(n);
    diagrammLayoutBerechnen(&stdNeuron, &diagrammVorlage, 0);
    diagrammLayoutBerechnen(n, &n->hauptDiagramm, 1);
    n->hauptDiagramm.minX = 0.7;
    n->hauptDiagramm.maxX = 0.9;
    n->stromreize[0].dauerreiz = n->stromreize[0].an = 1;
    n->stromreize[0].amplitude = 1e-9;
    n->stromreize[3].dauerreiz = n->stromreize[3].an = 1;   // segment 3, not in the network
    simulationsParameter.anzahlSegmente = 1;
    n->exportMaske = 0;
    laufzeitSetzen(0.5, 1e-4);
    EXPECT_FALSE(neuronenAnLaufzeitAnpassen());
    EXPECT_EQ(n->hauptDiagramm.minX, 0.0);
    EXPECT_EQ(n->hauptDiagramm.maxX, 0.5);
    EXPECT_DOUBLE_EQ(n->stromreize[0].dach, 0.5 - 1e-4);
    EXPECT_EQ(n->stromreize[3].dach, 0.0);
    const StromTabelle& t = n->stromTabellen[0];          // rebuilt as a permanent pulse
    ASSERT_EQ(t.anzahlPunkte, 4);
    EXPECT_EQ(t.startzeiten[3], 0.5);
    EXPECT_EQ(t.stromwerte[1], 1e-9);
    n->exportMaske = 1;
    EXPECT_TRUE(neuronenAnLaufzeitAnpassen());
}
