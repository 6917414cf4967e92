// model/stummel_permutation.cpp - stands in for the permutation display until it is built
//
// There is no display window yet: no pseudo-neuron to show results in.
#include "model/permutation.h"
#include "platform/box.h"
#include "texts/texte.h"

NeuronDaten* permutationsPseudoNeuron() { return nullptr; }

// there is no display yet to show a pseudo-neuron in
bool permutationsNeuronEinrichten(NeuronDaten&)
{
    plattform::hinweisBox(meldungsTexte[886]);
    return false;
}
