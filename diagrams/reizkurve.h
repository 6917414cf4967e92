// model/reizkurve.h - a compartment's stimulus drawn as a reference curve of a diagram
#pragma once
#include "platform/fenster.h"
#include <string>

// Fills curve slot `slot` (-1: the first slot not shown) of the diagram in the window with
// the stimulus of compartment 0-3, as a step curve in the lowest quarter of the value range.
// With meldung given (the painter asks inside a paint) a notice goes there instead of into
// a box, to be shown once the paint is over.
void stromreizReferenzkurveAnzeigen(plattform::Fenster fenster, int kompartiment, int slot,
                                    std::string* meldung = nullptr);
