// files/reizdefinitionen.h - what the stimulus dialogs lend the file readers: the old
// stimulus keys of a definition file and the menu of the stimuli in a stimulus file
#pragma once
#include "platform/fenster.h"
#include <string>
#include <vector>

struct NeuronDaten;

// The old constant-current keys ("Current %d somaCurrent=" and the rest) of the neuron,
// by its nummer, anywhere in text; a missing key leaves its field as it is.
void stromreizSchluesselLesen(NeuronDaten* neuron, char* text);

// A popup menu of the stimulus names at the cursor, owned by eigner: the index of the name
// the user chose, -1 when none was chosen.
int reizdefinitionenMenueZeigen(plattform::Fenster eigner, const std::vector<std::string>& namen);
