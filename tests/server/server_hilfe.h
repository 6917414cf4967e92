// tests/server/server_hilfe.h - two runnable neurons and the simulated board, as the server
// tests of the start and its preparation use them
#pragma once
#include "../app/app_hilfe.h"
#include "model/laufstart.h"
#include "model/simulationsparameter.h"
#include "server/server.h"
#include <filesystem>

namespace servertest {

struct ZweiNeuroneFall : NeuronFall {
    explicit ZweiNeuroneFall(const char* ordnerName) : ordner(testhilfe::tempOrdner(ordnerName)) {}
    std::string ordner;
    plattform::SimulierteMesskarte karte;
    NeuronDaten* n[2] = {};
    // input neuron 1, output the neuron numbered ausgang; the board not yet in place
    void netzAufbauen(int ausgang)
    {
        apphilfe::laufbaresNetz(2, ordner);
        n[0] = neuronNachNummer(1), n[1] = neuronNachNummer(2);
        serverDaten.eingangsNeuron = 1, serverDaten.eingangsNeuronName = n[0]->name;
        serverDaten.ausgangsNeuron = ausgang, serverDaten.ausgangsNeuronName = n[ausgang - 1]->name;
    }
    void TearDown() override
    {
        daqFunktionen = &plattform::keineMesskarte();
        serverDaten = {};
        serverLaufZuruecksetzen();
        teilsimulationsModus = 0;
        NeuronFall::TearDown();
        std::filesystem::remove_all(ordner);
    }
};

} // namespace servertest
