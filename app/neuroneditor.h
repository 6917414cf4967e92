// app/neuroneditor.h - creating, finding and deleting neurons in the editor
#pragma once
#include "platform/fenster.h"
#include "platform/menue.h"
#include <string>

struct NeuronDaten;

// A new neuron with the next number (above the highest so far; the lowest free one once
// that would pass 1023; none when every number is taken: message 860), its soma centred on
// letzterKlickpunkt, refreshed, checked and painted. modus 2 (the WAV import) skips the
// settings check. Null when no neuron could be made.
NeuronDaten* neuronErzeugen(int modus);
// Deletes the neuron, or every marked neuron for null, unless a feedback or collision object
// still uses one of them (message 485, nothing deleted). The number of neurons deleted.
int neuronLoeschen(NeuronDaten* neuron, int modus);
// the neuron whose soma is drawn at the client point (the topmost), null for none
NeuronDaten* objektAnPunktSuchen(plattform::Punkt p);
// 1 when the name is the neuron's own or no other listed neuron bears it, else 0
int neuronNameFrei(const std::string& name, const NeuronDaten* neuron);
// the neuron entries of a context menu: shown, input and output neuron of the server
void neuronMenueZeigen(plattform::Menue m);
