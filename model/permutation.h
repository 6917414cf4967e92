// model/permutation.h - what the run driver and the shutdown ask of the permutation mode
#pragma once

struct NeuronDaten;

// the neuron of the single-neuron run: the target of the first varied synapse of the
// permutation; null when there is none
NeuronDaten* teilsimulationsNeuron();
// at the end of the program: the permutation mode left and its results released
void permutationsmodusVerlassen();
