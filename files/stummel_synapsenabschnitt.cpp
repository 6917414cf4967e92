// files/stummel_synapsenabschnitt.cpp - stands in for the synapse sections until they are
// built: nothing is written or read
#include "files/synapsenabschnitt.h"

void guiSynapsenSpeichern(NeuronDaten*, std::FILE*, int, XBuffer&, int) {}
void guiAxoSynapseSpeichern(SynapseDaten*, int, int, int, int, int, int, std::FILE*, XBuffer&, int) {}
bool synapsenLaden(char*, const SynapsenIdListen&) { return true; }
bool synapsenTypenLaden(char*) { return true; }
