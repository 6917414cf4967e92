// files/stummel_standardparameter.cpp - stands in for the standard-parameter blocks of the
// settings file until they are built: nothing is written, the standard types stay as they
// are and the type table is built from them
#include "files/standardparameter.h"
#include "files/synapsenabschnitt.h"

void stdParameterSpeichern(NeuronDaten*, std::FILE*, XBuffer&) {}

void stdSynapsenTypenLaden(NeuronDaten*, char*) { synapsenTypenLaden(nullptr); }

int definitionsDateiLesen(NeuronDaten*, int, int) { return 0; }
