// files/reizdateien.h - stimulus definition files (*.str): named stimuli as time and
// current pairs
#pragma once
#include <string>

struct NeuronDaten;

// Mode 0 asks the user for a file and one of its stimuli and notes the choice in the
// neuron's definition of the compartment (0-3); mode 1 loads the named stimulus from the
// given file. Either way the stimulus becomes the compartment's current table. 0 on
// failure (file not readable, stimulus not found, too many stimuli in the file).
int reizDefinitionsDateiLaden(NeuronDaten* neuron, int kompartiment, const std::string& reizName,
                              const std::string& pfad, int modus);
