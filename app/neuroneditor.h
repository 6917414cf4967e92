// app/neuroneditor.h - creating, finding and deleting neurons in the editor
#pragma once
#include "platform/fenster.h"
#include "platform/menue.h"
#include <string>

struct NeuronDaten;

// A new neuron with the next number (above the highest so far; the lowest free one once
// that would pass 1023; none when every number is taken: message 860), its soma centred on
// letzterKlickpunkt (or, where another soma lies, at the nearest place where it covers none),
// refreshed, checked and painted. modus 2 (the WAV import) places it in
// a row along the top, right of every other neuron, and skips the settings check; modus 6
// makes the permutation display's pseudo-neuron (a helper neuron that the display takes
// over: in no chain, under the highest free number, outside every run and file). Null when
// no neuron could be made.
NeuronDaten* neuronErzeugen(int modus);
// Copies the marked neurons with the synapses among them, one soma width down and right;
// the copies become the marked neurons. A copy's name gets the first free count behind it.
// The number of neurons copied.
int neuroneKopieren();
// every synapse's lines anew, after neurons have moved
void synapsenGeometrieErneuern();
// Deletes the neuron, or every marked neuron for null, unless a feedback or collision object
// still uses one of them (message 485, nothing deleted). The number of neurons deleted.
int neuronLoeschen(NeuronDaten* neuron, int modus);
// the neuron whose soma is drawn at the client point (the topmost), null for none
NeuronDaten* objektAnPunktSuchen(plattform::Punkt p);
// 1 when the name is the neuron's own or no other listed neuron bears it, else 0
int neuronNameFrei(const std::string& name, const NeuronDaten* neuron);
// the neuron entries of a context menu: shown, input and output neuron of the server
void neuronMenueZeigen(plattform::Menue m);

// The editor's mouse messages to the main window (buttons and movement): a click marks the
// neuron under it (Shift or Ctrl: adds or removes it), a click beside every neuron clears
// the marks, dragging moves the marked neurons, a second click on the same neuron inside
// the double-click time shows its diagram, the right button opens the context menu of the
// neuron under it or of the empty place. True when the message was the editor's.
bool editorMausNachricht(plattform::Fenster f, uint32_t nachricht, uintptr_t w, intptr_t l);
