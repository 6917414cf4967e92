// script/anweisungsbericht.h - the report line of a statement the script walk has applied
#pragma once
#include "script/skript.h"

// Forms the report of statement a, just applied, into meldungsPuffer: what it chose or set,
// with the value it applied. Its targets are looked up by number (a name that is gone
// reads empty). standardKanal is the standard channel (1, 2, 3, 8) chosen last; the user
// channel is the statement's own (its neuron's channel at its position). SIM and
// WIEDERHOLEN empty the buffer; BAH, DEP and FAZ leave it as it was. anzeige: for the screen,
// where an unnamed neuron goes by its number; the log keeps the stored names.
void anweisungsBerichtBilden(const Skript& s, const SkriptAnweisung& a, int standardKanal, bool anzeige = false);
// the report of a failed facilitation/depression update: a tau product of 0 or less
void bahnungsTauBerichtBilden();
// the report of a code the walk has no action for
void unbekannteAnweisungBerichtBilden(Anweisungscode code);
