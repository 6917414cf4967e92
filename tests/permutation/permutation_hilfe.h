// tests/permutation/permutation_hilfe.h - the started program with a small network for the
// permutation mode: neurons 1..4 in a row, synapses 2->1, 3->1 and 4->2
#pragma once
#include "../app/app_hilfe.h"
#include "app/netzbild.h"
#include "model/geometrie.h"
#include "model/synapse.h"
#include "permutation/definition.h"
#include "permutation/modus.h"
#include "permutation/permutation.h"
#include "platform/box.h"
#include "resources/befehle.h"
#include <deque>

namespace permutationstest {

using namespace apphilfe;

// the neurons the next click waits choose, in order
inline std::deque<int> klicks;

class PermutationFall : public AppFall {
protected:
    void SetUp() override
    {
        AppFall::SetUp();
        ASSERT_TRUE(starten());
        nachrichtenVerarbeiten();
        const char* namen[] = {"Motor", "Sensor links", "Sensor rechts", "Inter"};
        for (int i = 1; i <= 4; ++i) {
            NeuronDaten* n = NeuronFall::neu(i);
            n->x = 100 * i;
            n->y = 100;
            n->name = namen[i - 1];
            einstellungenAktualisieren(n, 0);
        }
        synapse(2, 1, 2e-7);
        synapse(3, 1, 3e-7);
        synapse(4, 2, 4e-7);
        dateipfade.dokumentVerzeichnis = ordner;
        dateipfade.netzName = "netz";
        klicks.clear();
        klickWartenPause = [] {
            if (klicks.empty()) {
                ADD_FAILURE() << "a click is waited for, but the test has none";
                modusStatus &= ~modusBit::InteraktiveDefinition;
                return;
            }
            const NeuronDaten* n = neuronNachNummer(klicks.front());
            klicks.pop_front();
            ASSERT_NE(n, nullptr);
            const Rechteck r = somaRechteck(*n);
            pt::klicken(fensterhandles.hauptfenster, (r.links + r.rechts) / 2, (r.oben + r.unten) / 2);
        };
    }
    void TearDown() override
    {
        klicks.clear();
        // the main menu goes with the main window when it is the bar, as after the mode
        if (fensterhandles.permutationsMenue)
            simulationsMenueZeigen();
        AppFall::TearDown();
        permutationZuruecksetzen();
    }
    SynapseDaten* synapse(int von, int nach, double g)
    {
        SynapseDaten* s = synapseNeu(neuronSuchen(von), neuronSuchen(nach), 0, g, 0.003, -0.04, 0.05, 0, nullptr);
        synapsenTabelleSetzen(s->id, s);
        return s;
    }
    // the id of the synapse from von onto nach
    int synapsenId(int von, int nach)
    {
        for (const SynapseDaten* s = neuronSuchen(von)->ausgangsSynapsen; s; s = s->naechsteSynapse)
            if (s->zielNummer == nach)
                return s->id;
        return 0;
    }
    // the texts of the boxes shown since the last boxenVergessen
    size_t boxenVorher = 0;
    void boxenVergessen() { boxenVorher = pt::boxLog().size(); }
    std::vector<std::string> boxen() const
    {
        std::vector<std::string> t;
        for (size_t i = boxenVorher; i < pt::boxLog().size(); ++i)
            t.push_back(pt::boxLog()[i].text);
        return t;
    }
    // the series' definition: neuron 1 rated, two levels for each of the three synapses
    // (2->1 and 3->1 share the pool of neuron 1)
    void dreiSynapsenDefinieren()
    {
        permutationsDefinition.auswerteNeuron = 1;
        permutationsDefinition.levelAnzahl = 2;
        permutationsDefinition.synapsen = {{synapsenId(2, 1), {1e-8, 2e-8}},
                                           {synapsenId(3, 1), {3e-8, 4e-8}},
                                           {synapsenId(4, 2), {5e-8, 6e-8}}};
    }
    void modusAn()
    {
        // a definition with a varied synapse: the mode asks for none
        if (permutationsDefinition.synapsen.empty())
            permutationsDefinition.synapsen.push_back({synapsenId(2, 1), {0.0, 2e-7}});
        befehl(befehlPermutationsmodusEinschalten);
        ASSERT_TRUE(modusStatus & modusBit::Permutationsmodus);
    }
};

} // namespace permutationstest
