// files/fremdformat.h - network files of the sibling program (*.sim): one number a line
//
// The reader and the writer do not share one layout: the reader expects three more header
// values and eight more values per ordinary synapse than the writer writes, as the
// sibling program's own files have them. Files this program writes are therefore not
// read back by it.
#pragma once
#include <cstdio>
#include <string>

struct NeuronDaten;

// Loads the file into the (empty) network. 1 on success; 0 on failure, said through the
// numbered errors (1 missing, 100 not such a file or a value out of range, 101 not closed,
// 118 neuron parameters unreadable, 119 no memory for the synapse types, 120 more in the
// file than its counts say, 123/124 a value missing or no number). A failure from the
// neuron count on leaves the network empty.
int simDateiLesen(const std::string& pfad);

// Writes the current network; 1 on success, else 0 (text 74 or 75 in a notice; an older
// file of the name stays as it was).
int simDateiSchreiben(const std::string& pfad);
// The two "SIM-Datei" save commands: the save dialog (default name "default"), then
// simDateiSchreiben. 0 when cancelled or not written.
int simDateiSpeichern();

// Makes the neuron the current one and reads its parameters 0-11 and, unless modus is -2,
// the network model's range; then its number (0 below 1). 1 on success; on a missing or
// bad value the neuron gets its basic values back and the result is 0.
int neuronParameterLesen(std::FILE* datei, NeuronDaten* neuron, int nummer, int modus);
// parameters 0-11 and the network model's range, one real a line ("%e")
void neuronParameterSchreiben(std::string& aus, const NeuronDaten& neuron);
