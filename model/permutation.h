// model/permutation.h - what the run driver, the shutdown and the diagram painter ask of
// the permutation mode
#pragma once
#include "platform/zeichnen.h"
#include <array>
#include <cstdint>
#include <vector>

struct NeuronDaten;

// The state of a running permutation series that the engine and the painters read: the
// series writes it before each run, the single-neuron run and the level bars take it.
struct PermutationsLaufstand {
    int zielNeuron = 0;                  // the single-neuron run's neuron by number, 0 none
    int synapsenAnzahl = 0;              // varied synapses of the series
    int nummer = 0;                      // the permutation being computed
    int berechnet = 0;                   // runs computed so far (restzeit.geplanteLaeufe: planned)
    double restSekunden = -1.0;          // time left by the pace so far, -1 unknown
    std::array<uint8_t, 20> level{};     // level index per varied synapse
    std::array<int, 20> balkenOben{};    // top row of each level bar
    plattform::Stift stift = nullptr;    // the bars' pen and brush, made anew per series
    plattform::Pinsel pinsel = nullptr;
};
extern PermutationsLaufstand permutationsLaufstand;

// What entering the permutation mode cleared on each neuron, kept by number and given back
// when the mode is left. These are the user's values: a network file written meanwhile
// carries them, not the cleared ones.
struct NeuronSchalterSicherung {
    int nummer = 0;
    int exportMaske = 0;
    int spikezeitenSpeichern = 0;
};
struct Permutationsmodus {
    std::vector<NeuronSchalterSicherung> schalter;   // empty outside the mode
};
extern Permutationsmodus permutationsmodus;
// the values kept for the neuron of that number; null outside the mode and when the mode
// keeps none for it
const NeuronSchalterSicherung* beiseiteGelegteSchalter(int nummer);

// the neuron of the single-neuron run: the target of the first varied synapse of the
// permutation; null when there is none
NeuronDaten* teilsimulationsNeuron();
// at the end of the program: the permutation mode left and its results released
// (defined by the permutation mode, which the frame links)
void permutationsmodusVerlassen();
// The neuron that the editor made for the permutation display (creation mode 6) becomes
// the display's pseudo-neuron: its main diagram is the display window's. false when the
// display has its neuron already; the editor then deletes the neuron again.
// (defined by the permutation display, which the frame links)
bool permutationsNeuronEinrichten(NeuronDaten& neuron);
// the display's pseudo-neuron, whose rating and settings dialog 284 edits in permutation
// mode; null while there is none
NeuronDaten* permutationsPseudoNeuron();

// The level bars a diagram shows while a series runs: one bar per varied synapse, in the
// display's pen and brush.
struct PermutationsBalken {
    int anzahl = 0;                      // varied synapses
    int einzug = 0;                      // left inset of the bars in pixels
    int breiteProzent = 0;               // drawn width of a bar, percent of its share
    std::vector<int> oben;               // top row of each bar
    int unten = 0;                       // their common bottom row
    plattform::Stift stift = nullptr;
    plattform::Pinsel pinsel = nullptr;
};
// false when no series runs or the display shows no bars: nothing is drawn then
bool permutationsBalkenHolen(PermutationsBalken& balken);
