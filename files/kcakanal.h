// files/kcakanal.h - a neuron's K(Ca) channel in a file of its own (*.kca): the lines of its
// neuron block, under the neuron's number
#pragma once
#include <string>

struct KCaKanal;
struct NeuronDaten;

// Writes the record under that number through a temporary file; false after notice 74
// (the old file stays).
bool kcaDateiSpeichern(const std::string& pfad, const KCaKanal& kca, int nummer);
// Reads the channel of the neuron's number into the record: 1 when read whole, 0 after a
// notice (the file unreadable, no channel of this number in it, or keys missing).
int kcaDateiLaden(const std::string& pfad, NeuronDaten& neuron, KCaKanal& kca);
