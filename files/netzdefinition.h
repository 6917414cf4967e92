// files/netzdefinition.h - the neuron-definition files (*.def): the marked neurons of one
// network with the synapses between them and the synapse types those use, carried into
// another network
#pragma once
#include <string>

// The export command: the marked neurons into a file the user names.
void netzwerkDefinitionSpeichern();
// The import command: the neurons of a file the user chooses join the network.
void netzwerkDefinitionLesen();

// The marked neurons as a definition text, numbered from 1 in the order of marking: each
// neuron's block and its synapses to other marked neurons, then their axo-axonic synapses
// whose source is marked too, then the synapse types all of them use.
std::string netzwerkDefinitionText();
// The marked neurons into pfad (through a temporary file). false when nothing was saved:
// no neuron is marked, or the file could not be written (said in a notice).
bool netzwerkDefinitionSchreiben(const std::string& pfad);
// The neurons of the file join the network under free numbers and become the marked ones;
// their synapses come with them, and synapse types the network lacks are added. Returns
// the number of neurons added; 0 when the file was refused (said in a notice), and then
// nothing of it stays.
int netzwerkDefinitionImportieren(const std::string& pfad);
// The same for a definition text at hand (the editor's copy of the marked neurons); herkunft
// names it in the notice of a refused text.
int netzwerkDefinitionTextImportieren(std::string text, const std::string& herkunft);
