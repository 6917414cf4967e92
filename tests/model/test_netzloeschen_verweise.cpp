// tests/model/test_netzloeschen_verweise.cpp - what points at a synapse or a diagram of the
// network is cleared when the record goes: one at a time, and the whole network at once
#include "test_synapse_hilfe.h"

namespace {

struct Verweise : SynapsenFall {
    void TearDown() override
    {
        stdNeuron.hauptDiagramm.yAchse2Quelle = nullptr;
        SynapsenFall::TearDown();
    }
};

} // namespace

// The links a run and the second-axis dialogs make: a user channel to the synapse that
// switches it, a pool to its delay synapse, a diagram's second axis to another diagram.
// Deleting one synapse clears those to it; deleting the network leaves the template's
// diagrams pointing at nothing of it.
TEST_F(Verweise, GeloeschteSynapsenUndDiagrammeHinterlassenKeineZeiger)
{
    NeuronDaten* a = neu(1);
    NeuronDaten* b = neu(2);
    NeuronDaten* c = neu(3);
    SynapseDaten* s = verbinde(a, b);
    SynapseDaten* t = verbinde(a, b, 0, 2e-7);
    ASSERT_TRUE(s && t && s->pool);
    c->benutzerKanaele.resize(1);
    c->benutzerKanaele.front().synapse = s;
    s->pool->verzoegerungsSynapse = s;
    synapseLoeschen(a, s, 0);
    EXPECT_EQ(c->benutzerKanaele.front().synapse, nullptr);
    EXPECT_EQ(t->pool->verzoegerungsSynapse, nullptr);

    c->benutzerKanaele.front().synapse = t;
    t->pool->verzoegerungsSynapse = t;
    a->hauptDiagramm.yAchse2Quelle = &b->hauptDiagramm;
    stdNeuron.hauptDiagramm.yAchse2Quelle = &c->hauptDiagramm;
    netzLoeschen();
    EXPECT_EQ(neuronKette.kopf, nullptr);
    EXPECT_EQ(stdNeuron.hauptDiagramm.yAchse2Quelle, nullptr);
    EXPECT_FALSE(netzWirdAbgebaut);

    // a link of the template to its own diagram is none of the network's
    stdNeuron.hauptDiagramm.yAchse2Quelle = &stdNeuron.hauptDiagramm;
    neu(4);
    netzLoeschen();
    EXPECT_EQ(stdNeuron.hauptDiagramm.yAchse2Quelle, &stdNeuron.hauptDiagramm);
}
