// permutation/modus.h - switching between the simulation mode and the permutation mode,
// and the main window's commands of the permutation mode
#pragma once
#include "platform/fenster.h"

// Every neuron's evaluation flag and export mask cleared, the value export and the soma
// file switched off (all kept for the way back), the evaluation neuron rated, the mode's
// menu shown. 1, or 0 when the language has no menu for the mode (said in a message).
int permutationsmodusEinschalten();
// The main menu again, the single result released, the conductances a free permutation
// left given back, every neuron's evaluation flag and export mask and the program's export
// switches as before the mode, ordinary runs of the whole network. Always 1.
int simulationsmodusEinschalten();
// A network opened while the mode is on becomes one of the mode's as on entering: its
// neurons' evaluation flags and export masks set aside for it and cleared, the export
// switches off. Nothing outside the mode.
void permutationsmodusNetzUebernehmen();
// what the mode set aside forgotten without giving it back: the program's state is reset
void permutationsmodusVerwerfen();

// The question whether to save a definition the mode holds unsaved (none: true at once).
// Yes saves it, No leaves it; false when the user cancels (abbrechbar: the question has a
// Cancel) or the save is cancelled or fails.
bool permutationsdefinitionSpeichernAnbieten(bool abbrechbar = true);

// The commands 178, 4, 184, 239, 183, 181 and 213, and those of the series (permutation/
// lauf.h), as the main window's dispatcher forwards them.
void permutationsBefehl(plattform::Fenster f, int befehl);
// when their menu items may be chosen
bool ausserhalbPermutationsmodus();
bool imPermutationsmodus();
bool mitPermutationsdefinition();
bool inInteraktiverDefinition();
bool inPermutationsserie();
