// diagrams/reizkurve.h - a compartment's stimulus drawn as a reference curve of a diagram,
// and the curve dialog a new one opens
#pragma once
#include "platform/fenster.h"
#include <string>

// Fills curve slot `slot` (-1: the first slot not shown) of the diagram in the window with
// the stimulus table of compartment 0-3, sampled at every step as a staircase in the lowest
// quarter of the diagram's value range. A compartment the neuron lacks, a table of three
// points or fewer and one of a constant current draw nothing. A new stimulus curve opens
// the curve dialog. With meldung given (the painter asks inside a paint) a notice goes
// there instead of into a box, to be shown once the paint is over, and nothing but the
// slot is prepared.
void stromreizReferenzkurveAnzeigen(plattform::Fenster fenster, int kompartiment, int slot,
                                    std::string* meldung = nullptr);

// The curve dialog (128) of the diagram in eigner, opened at the slot: the slot to open it
// at next (0-19), or -1 when the user is done (-2 when he cancelled).
int kurvenDialogOeffnen(plattform::Fenster eigner, int slot);
