// app/synapsenmenue.h - the synapses under the cursor, as the synapse context menu numbers them
#pragma once
#include "platform/fenster.h"
#include "platform/menue.h"
#include <vector>

struct NeuronDaten;
struct SynapseDaten;

// The synapses whose marker squares, as last painted, hold the client point, by rising id.
std::vector<SynapseDaten*> synapsenAnPunkt(plattform::Punkt p);
// The synapses under the point of the last context click (item i of the menu is entry i).
std::vector<SynapseDaten*> synapsenUnterCursor();
// The synapses under the mouse cursor in the main window now (F9 has no click point).
std::vector<SynapseDaten*> synapsenUnterMauszeiger();
// Fills the synapse context menu for the synapses under the click: an edit entry for each,
// then a delete entry for each; with axo-axonic synapses switched on (programmStatus 0x10)
// and one neuron marked, an entry for each ordinary one that makes an axo-axonic synapse
// from that neuron onto it (befehlAxoSynapseErste + its place in the list); then the group
// entries of the first, which becomes the current synapse. False, and nothing added, when
// the list is empty.
bool synapsenKontextMenueFuellen(plattform::Menue m, const std::vector<SynapseDaten*>& liste);
// An axo-axonic synapse from quelle onto eltern, an ordinary synapse: the parent's type, the
// delay, conductance and release values of a new synapse, numbered and entered in the table
// as the new-synapse dialog does it, and made the current synapse. Refused with message 464
// when another synapse of that type on the same segment carries axo-axonic synapses already.
// Null when nothing was made.
SynapseDaten* axoSynapseErzeugen(NeuronDaten& quelle, SynapseDaten& eltern);
