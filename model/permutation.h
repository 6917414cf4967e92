// model/permutation.h - what the run driver, the shutdown and the diagram painter ask of
// the permutation mode
#pragma once
#include "platform/zeichnen.h"
#include <vector>

struct NeuronDaten;

// the neuron of the single-neuron run: the target of the first varied synapse of the
// permutation; null when there is none
NeuronDaten* teilsimulationsNeuron();
// at the end of the program: the permutation mode left and its results released
void permutationsmodusVerlassen();
// The neuron that the editor made for the permutation display (creation mode 6) becomes
// the display's pseudo-neuron: its main diagram is the display window's. false when the
// display cannot take it (said in a notice); the editor then deletes the neuron again.
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
