// app/synapsenmenue.h - the synapses under the cursor, as the synapse context menu numbers them
#pragma once
#include "platform/fenster.h"
#include "platform/menue.h"
#include <vector>

struct SynapseDaten;

// The synapses whose marker squares, as last painted, hold the client point, by rising id.
std::vector<SynapseDaten*> synapsenAnPunkt(plattform::Punkt p);
// The synapses under the point of the last context click (item i of the menu is entry i).
std::vector<SynapseDaten*> synapsenUnterCursor();
// The synapses under the mouse cursor in the main window now (F9 has no click point).
std::vector<SynapseDaten*> synapsenUnterMauszeiger();
// Fills the synapse context menu for the synapses under the click: an edit entry for each,
// then a delete entry for each, then the group entries of the first, which becomes the
// current synapse. False, and nothing added, when the list is empty.
bool synapsenKontextMenueFuellen(plattform::Menue m, const std::vector<SynapseDaten*>& liste);
