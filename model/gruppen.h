// model/gruppen.h - synapse groups: filling, emptying and dissolving the group table
//
// The table itself (synapsengruppen, synapsengruppenZahl, gruppeWirdAufgeloest) is in
// netz.h. Asking the user for a name, the popups and dialog 306 are the dialogs' part;
// they and the network reader build on these.
#pragma once
#include <string>

struct SynapseDaten;

// the first group 1..31 without members; 0 when there is none
int synapsengruppeFrei();
// Makes s the first member of the free group g. name null keeps the name the slot holds
// (empty for a slot never used or dissolved); a name is cut to 259 bytes. A synapse in
// another group leaves it first. False for a g outside 1..31 or with members.
bool synapsengruppeBelegen(int g, SynapseDaten& s, const std::string* name);
// appends s to group g (leaving its former group first); false for a g outside 1..31
bool synapseInGruppeEintragen(int g, SynapseDaten& s);
// Takes s out of its group. The emptied group keeps its name and its place in the count
// but is free for the next group.
void synapseAusGruppeEntfernen(SynapseDaten& s);
// Dissolves group g (0..31): modus 0 keeps the members with group 0, modus 1 deletes them.
void synapsengruppeAufloesen(int g, int modus);
