// model/netz.h - the network that every subsystem reads and edits
#pragma once
#include "model/neuron.h"
#include "model/synapse.h"
#include "model/gruppen.h"
#include <array>
#include <list>
#include <string>
#include <vector>

struct NeuronenKette {            // all neurons in creation order
    NeuronDaten* kopf = nullptr;
    NeuronDaten* ende = nullptr;
    int anzahl = 0;               // kept by the callers that create and delete
    int hoechsteNummer = 0;
};
extern NeuronenKette neuronKette;
extern NeuronDaten* aktuellesNeuron;        // cursor; the time loop points it at the neuron being stepped

// the template of every new neuron; never in the chain. Its main diagram is the
// diagram template.
extern NeuronDaten stdNeuron;

// the neurons the user marked, in the order of marking; each neuron's own markiert flag
// mirrors the list
struct MarkierteNeurone {
    std::list<NeuronDaten*> liste;       // walked from the first node
    int anzahl() const { return static_cast<int>(liste.size()); }
    NeuronDaten* erstes() const { return liste.empty() ? nullptr : liste.front(); }
    // 1-based place of the neuron in the list, 0 when it is not marked
    int position(const NeuronDaten* neuron) const
    {
        int i = 0;
        for (const NeuronDaten* n : liste) {
            ++i;
            if (n == neuron)
                return i;
        }
        return 0;
    }
};
extern MarkierteNeurone markierteNeurone;
// (neuron, 1) marks it, (neuron, 0) unmarks it, (null, 0) clears all marks
void neuronMarkieren(NeuronDaten* neuron, int modus);

constexpr int neuronTabellenGroesse = 1024;   // numbers 1..1023; slot 0 unused
bool neuronNummerGueltig(int nummer);          // 1..1023
NeuronDaten* neuronNachNummer(int nummer);     // null outside 1..1023 or when empty
bool neuronTabelleSetzen(int nummer, NeuronDaten* n);   // false outside 1..1023
void neuronTabelleLeeren();
inline NeuronDaten* neuronSuchen(int nummer) { return neuronNachNummer(nummer); }

// synapses by id 1..4095, the counters and the type table
SynapseDaten* synapseNachId(int id);
bool synapsenTabelleSetzen(int id, SynapseDaten* s);
void synapsenTabelleLeeren();
extern int synapsenZaehler;                   // axo-axonic ones included
extern int axoZaehler;
extern int hoechsteSynapsenId;                // the highest id the new-synapse dialog gave
extern SynapseDaten* aktuelleSynapse;         // the one group and dynamics commands act on
extern SynapseDaten* gewaehlteSynapse;        // the one the synapse dialogs show
extern std::vector<SynapsenTyp> synapsenTypen;
extern int synapsenTypAnzahl;
extern std::array<Synapsengruppe, synapsengruppenAnzahl> synapsengruppen;
extern int synapsengruppenZahl;
extern int gruppeWirdAufgeloest;              // the group being dissolved (0 none): deleting its members leaves it alone
extern int letztesZielNeuron;


// Deletes the whole network and leaves the empty, untitled one with the standard
// synapse types. false when those types found no memory (said; the network is gone, but
// the empty one lacks its types): the program ends, or a read under way is abandoned.
bool netzLoeschen();
// Which network the records hold: a new number whenever netzLoeschen makes room for another
// network (new, opened, closed), kept while an undo step restores the same one. What an
// analysis keeps of a network belongs to that number and never reaches another network.
extern unsigned long long netzKennung;
// True while netzLoeschen takes the network apart. Deleting a single synapse or neuron then
// skips what only a surviving network needs (the walk over every neuron for the links to a
// synapse, the synapse's curves in its source's diagrams, the window list entry by entry,
// the neuron count in the status bar but for the last neuron): deleting the network takes
// time in proportion to it, and reads each record about once.
extern bool netzWirdAbgebaut;
// gives every listed neuron the network's segment count (new segments get defaults)
void netzKompartimenteAnpassen();
