// tests/model/test_neuron_hilfe.h - an empty network and frame for every neuron test
#pragma once
#include "core/rahmen.h"
#include "core/status.h"
#include "model/netz.h"
#include "model/netzeinstellungen.h"
#include "model/simulationsparameter.h"
#include "platform/test/testplattform.h"
#include <gtest/gtest.h>
#include <vector>

struct NeuronFall : ::testing::Test {
    void SetUp() override { leeren(); }
    void TearDown() override { leeren(); }

    static void leeren()
    {
        plattform::test::zuruecksetzen();
        programmStatus = 0;
        editierStatus = 0;
        modusStatus = 0;
        fensterhandles = {};
        statusTexte = {};
        markierteNeurone = {};
        netzLoeschen();
        plattform::test::zuruecksetzen();   // netzLoeschen's boxes and calls are not the test's
        simulationsparameterVoreinstellen();
        stdNeuron.parameter = {};
        stdNeuron.groesse = stdNeuron.somaGroesse = stdNeuron.dendritenLaenge = stdNeuron.axonLaenge = 0;
    }

    // as the editor does it: the caller keeps the counters
    static NeuronDaten* neu(int nummer, int standardDateien = 0)
    {
        NeuronDaten* n = neuronNeu(nummer, standardDateien);
        if (n && nummer != -1) {
            ++neuronKette.anzahl;
            neuronKette.hoechsteNummer = std::max(neuronKette.hoechsteNummer, nummer);
        }
        return n;
    }
    static void weg(NeuronDaten* n)
    {
        neuronFreigeben(n);
        --neuronKette.anzahl;
    }

    static std::vector<int> nummern()
    {
        std::vector<int> v;
        for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron)
            v.push_back(n->nummer);
        return v;
    }
};
