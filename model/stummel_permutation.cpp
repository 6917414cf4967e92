// model/stummel_permutation.cpp - stands in for the permutation mode until it is built
//
// The mode cannot be switched on yet: there are no varied synapses to name a neuron, no
// series whose level bars a diagram could show, and nothing to leave or release at the end.
#include "model/permutation.h"
#include "platform/box.h"
#include "texts/texte.h"

NeuronDaten* teilsimulationsNeuron() { return nullptr; }

void permutationsmodusVerlassen() {}

bool permutationsBalkenHolen(PermutationsBalken&) { return false; }

NeuronDaten* permutationsPseudoNeuron() { return nullptr; }

// there is no display yet to show a pseudo-neuron in
bool permutationsNeuronEinrichten(NeuronDaten&)
{
    plattform::hinweisBox(meldungsTexte[886]);
    return false;
}
