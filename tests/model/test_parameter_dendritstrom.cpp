// tests/model/test_parameter_dendritstrom.cpp - the segment a new neuron's dendrite current goes to
#include "model/parameter.h"
#include "model/standarddateien.h"
#include "model/startzustand.h"
#include "test_neuron_hilfe.h"
#include <tuple>

using DendritStromOrt = ModellLaufFall;

// A new neuron of the soma alone gets segment 1 for its dendrite current, as every neuron
// made with the default values does: once it gets segments the current reaches the first.
TEST_F(DendritStromOrt, NeuronNurAusSomaBekommtSegmentEinsUndDerStromErreichtEsMitSegmenten)
{
    std::tie(simulationsParameter.netzwerktyp, simulationsParameter.anzahlSegmente) = std::tuple(1, 0);
    simulationsParameter.netzwerkmodell = modell::Swim;
    standardDateienVorgeben();           // before the paths: the first load would set them again
    standardDateien.allgemein = parameterOrdner() + "standard.gen";
    standardDateien.swim = parameterOrdner() + "swim.channel";
    NeuronDaten* n = neu(1, 1);
    ASSERT_NE(n, nullptr);
    EXPECT_EQ(std::tuple(n->segmentAnzahl, n->dendSCLocation), std::tuple(0, 1));

    std::tie(simulationsParameter.netzwerktyp, simulationsParameter.anzahlSegmente) = std::tuple(3, 3);
    ASSERT_TRUE(kompartimenteAnpassen(*n, 3));
    n->dendCurrent = 1e-9;
    ASSERT_TRUE(neuronenStartzustandSetzen());
    EXPECT_EQ(n->kompartimentSchalter[2], 1);
}
