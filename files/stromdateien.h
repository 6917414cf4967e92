// files/stromdateien.h - the current file beside a network file (*.cur) and the stimulus
// definition files (*.str)
#pragma once
#include <string>

struct NeuronDaten;

// the current file named by the last current-file load; empty when there was none
extern std::string stromDateiPfad;

// reads the current file stromDateiPfad into the stimulus tables; 0 on failure
int stromDateiLaden(int fragen, int modus);
// modus 1: the current file of the network beside the network file
void stromDateiSpeichern(int modus);
// The stimulus reizName of a stimulus file into the table of the neuron's compartment
// (modus 1), or chosen by the user (modus 0). 0 on failure.
int reizDefinitionsDateiLaden(NeuronDaten* neuron, int kompartiment, const std::string& reizName,
                              const std::string& pfad, int modus);
