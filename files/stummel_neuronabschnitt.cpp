// files/stummel_neuronabschnitt.cpp - stands in for the neuron block until it is built:
// nothing is written or read, so no neuron's values reach a file
#include "files/neuronabschnitt.h"

int guiNeuronSpeichern(NeuronDaten*, int, std::FILE*, XBuffer&, int) { return 0; }
void guiNeuronLaden(NeuronDaten*, char*) {}
void physParameterSpeichern(NeuronDaten*, std::FILE*, XBuffer&) {}
int physParameterLaden(NeuronDaten*, char*) { return 1; }
void kCaKanalSpeichern(const KCaKanal&, int, std::FILE*, XBuffer&, int) {}
int kCaKanalLaden(NeuronDaten*, KCaKanal&, char*) { return 0; }
