// tests/model/test_synapse_hilfe.h - neurons with synapses between them, as the editor makes them
#pragma once
#include "test_neuron_hilfe.h"
#include "model/geometrie.h"

struct SynapsenFall : NeuronFall {
    void SetUp() override
    {
        NeuronFall::SetUp();
        simulationsParameter.schrittweite = 1e-4;
        stdNeuron.zeichenGroessen = {};
    }

    // the caller enters the record, as the new-synapse dialog does
    static SynapseDaten* verbinde(NeuronDaten* a, NeuronDaten* b, int typ = 0, double g = 1e-7,
                                  double verzoegerung = 0.001, int bereich = 0,
                                  SynapseDaten* eltern = nullptr)
    {
        SynapseDaten* s = synapseNeu(a, b, typ, g, verzoegerung, -0.05, -0.03, bereich, eltern);
        if (s)
            synapsenTabelleSetzen(s->id, s);
        return s;
    }
    static int poolAnzahl(const NeuronDaten* n)
    {
        int k = 0;
        for (SynapsenPool* p = n->eingangsPools; p; p = p->naechsterPool)
            ++k;
        return k;
    }
    static int synapsenVon(const NeuronDaten* n)
    {
        int k = 0;
        for (SynapseDaten* s = n->ausgangsSynapsen; s; s = s->naechsteSynapse)
            ++k;
        return k;
    }
};

// most synapse tests need just a sender 1 and a receiver 2
struct ZweiNeuroneFall : SynapsenFall {
    NeuronDaten* a = nullptr;
    NeuronDaten* b = nullptr;
    void SetUp() override
    {
        SynapsenFall::SetUp();
        a = neu(1);
        b = neu(2);
    }
};
