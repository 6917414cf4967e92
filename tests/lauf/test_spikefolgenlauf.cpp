// tests/lauf/test_spikefolgenlauf.cpp - the spike-train rating after a run
#include "lauf_hilfe.h"
#include "model/spikefolge.h"

namespace {

struct Spikefolgenlauf : LaufFall {
    void TearDown() override
    {
        for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron)
            n->hauptDiagramm.fenster = nullptr;
        LaufFall::TearDown();
    }
};

} // namespace

// The run counts more APs than it recorded times: the rating reads the recorded ones only,
// with the factor and the minimum spike count a neuron without settings gets.
TEST_F(Spikefolgenlauf, NachDemLaufLiestDieBewertungHoechstensDieAufgezeichnetenZeiten)
{
    simulationsParameter.simulationsDauer = 2.0;
    NeuronDaten* n = neu(1);
    n->hauptDiagramm.fenster = testhilfe::fensterAttrappe;
    n->hauptDiagramm.plotBreite = 100;   // laid out: the curves are no concern here
    for (double start : {0.25, 0.75, 1.25})
        for (int i = 0; i < 4; ++i)
            n->spikeZeiten.push_back(static_cast<float>(start + i / 64.0));
    n->spikeZeiten.shrink_to_fit();
    n->apAnzahl = 40;
    laufKurvenUebertragen(*n);
    EXPECT_EQ(n->spikefolgenBewertung.code, 0);   // the rating is off

    n->spikefolge.an = 1;
    laufKurvenUebertragen(*n);
    const SpikefolgenBewertung& b = n->spikefolgenBewertung;
    EXPECT_EQ(std::make_tuple(n->spikefolge.burstFaktor, n->spikefolge.mindestSpikeAnzahl), std::make_tuple(2.0, 1.0));
    EXPECT_EQ(std::make_tuple(b.code, b.intervallAnzahl, b.bursts.size()), std::make_tuple(1, 11, size_t(3)));
}
