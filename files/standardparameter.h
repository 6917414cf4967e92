// files/standardparameter.h - the standard synapse types and standard parameters of the
// settings file, and the definition files that fill missing model parameters
#pragma once
#include "files/xbuffer.h"
#include <array>
#include <cstdio>
#include <string>

struct NeuronDaten;

// The full paths of the definition files of the four model parameter groups (on/off, HH,
// SWIM, GB), built by the settings reader from the program folder, the definition
// subfolder and the file names of the settings file.
inline std::array<std::string, 4> definitionsDateiPfade;

// Writes the standard synapse types and the standard parameters of neuron at the shared
// text cursor, which is set to puffer first; the file is not used.
void stdParameterSpeichern(NeuronDaten* neuron, std::FILE* datei, XBuffer& puffer);
// Reads both blocks from a settings text into the standard types and the neuron's
// parameters, builds the synapse-type table and repairs what is missing. false when a box
// that ends the program came (no memory for the table or a definition file, no standard-
// neuron file for missing common parameters): the program ends, or the read under way is
// abandoned, and the values stand half set.
bool stdSynapsenTypenLaden(NeuronDaten* neuron, char* text);
// Reads count values from the definition file of the group that starts at first into the
// neuron's parameters. 1 when all were read, 0 on any failure (said in a notice).
int definitionsDateiLesen(NeuronDaten* neuron, int first, int count);
