// app/synapsenmenue.h - the synapses under the cursor, as the synapse context menu numbers them
#pragma once
#include <vector>

struct SynapseDaten;

// The synapses whose markers lie under the point of the last context click (item i of the
// menu is entry i). Empty, after a notice, while the network editor cannot tell.
std::vector<SynapseDaten*> synapsenUnterCursor();
