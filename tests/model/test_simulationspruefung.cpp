// tests/model/test_simulationspruefung.cpp - the check before a run, step counts, dendrite modes
#include "test_neuron_hilfe.h"
#include "model/layout.h"
#include "model/simulationspruefung.h"
#include "rahmen_attrappe.h"
#include <climits>
#include <tuple>

using Pruefung = NeuronFall;

TEST_F(Pruefung, SchrittzahlDauerUndSchrittPositivOhneTypentabelleDieVierStandardtypen)
{
    laufzeitSetzen(1.0, 0.0003);
    EXPECT_EQ(simulationsParameter.anzahlSchritte, 3333);
    laufzeitSetzen(1.0, 0.0);                   // no quotient: no steps
    EXPECT_EQ(std::tuple(simulationsParameter.anzahlSchritte, anzahlSchritteBerechnen(1e300, 1e-300)),
              std::tuple(0, INT_MAX));

    // two negative values have a positive product, and still no run may start
    attrappe::rahmenZuruecksetzen();
    laufzeitSetzen(-1.0, -0.001);
    EXPECT_EQ(simulationsParameterPruefen(nullptr), 0);
    laufzeitSetzen(0.0, 1e-4);
    EXPECT_EQ(simulationsParameterPruefen(nullptr), 0);
    EXPECT_EQ(simulationsParameter.simulationsDauer, 0.0);
    // a dialog that gives both values lets the run go on
    attrappe::dienste.laufDialog = [](plattform::Fenster) { laufzeitSetzen(0.1, 1e-4); };
    EXPECT_EQ(simulationsParameterPruefen(nullptr), 1);
    EXPECT_EQ(attrappe::dienste.laufDialoge, 3);

    // valid values need no dialog; after the refresh a missing type table becomes the four
    // standard types without names
    synapsenTypen.clear();
    synapsenTypAnzahl = 0;
    simulationsParameter.anzeigeIntervall = 0.0;
    EXPECT_EQ(simulationsParameterPruefen(nullptr), 1);
    EXPECT_EQ(
        std::tuple(attrappe::dienste.laufDialoge, simulationsParameter.anzeigeIntervall, synapsenTypAnzahl),
        std::tuple(3, 1000.0, 4));
    ASSERT_EQ(synapsenTypen.size(), 4u);
    for (int i = 0; i < 4; ++i) {
        const SynapsenTyp& t = synapsenTypen[i];
        EXPECT_EQ(std::make_tuple(t.ion, t.potential, t.bezeichnung),
                  std::make_tuple(stdSynapsenTypen[i].ion, stdSynapsenTypen[i].potential, std::string()));
    }
    attrappe::rahmenZuruecksetzen();
}

TEST_F(Pruefung, NeueLaufzeitErreichtTabellenDiagrammeUndDauerreize)
{
    NeuronDaten* n = neu(1);
    diagrammLayoutBerechnen(&stdNeuron, &diagrammVorlage, 0);
    diagrammLayoutBerechnen(n, &n->hauptDiagramm, 1);
    std::tie(n->hauptDiagramm.minX, n->hauptDiagramm.maxX) = std::tuple(0.7, 0.9);
    n->stromreize[0].dauerreiz = n->stromreize[0].an = 1;
    n->stromreize[0].amplitude = 1e-9;
    n->stromreize[3].dauerreiz = n->stromreize[3].an = 1;   // segment 3, not in the network
    simulationsParameter.anzahlSegmente = 1;
    n->exportMaske = 0;
    laufzeitSetzen(0.5, 1e-4);
    EXPECT_FALSE(neuronenAnLaufzeitAnpassen());
    const StromTabelle& t = n->stromTabellen[0];          // rebuilt as a permanent pulse
    EXPECT_EQ(
        std::make_tuple(n->hauptDiagramm.minX, n->hauptDiagramm.maxX, n->stromreize[3].dach, t.anzahlPunkte),
        std::make_tuple(0.0, 0.5, 0.0, 4));
    EXPECT_DOUBLE_EQ(n->stromreize[0].dach, 0.5 - 1e-4);
    ASSERT_EQ(t.anzahlPunkte, 4);
    EXPECT_EQ(std::tie(t.startzeiten[3], t.stromwerte[1]), std::tuple(0.5, 1e-9));
    n->exportMaske = 1;
    EXPECT_TRUE(neuronenAnLaufzeitAnpassen());
}
