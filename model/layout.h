// model/layout.h - the working geometry of a diagram
#pragma once
#include "model/diagramm.h"

// Turns the stored format into sizes, ranges, ticks, axis pixels, fonts, pens and the
// scroll bar, repairing what is missing from the template. For stdNeuron it fills the
// template's own defaults instead. vorlageKopieren copies the template's format first.
void diagrammLayoutBerechnen(NeuronDaten* neuron, DiagrammDaten* diagramm, int vorlageKopieren);

// the whole run with the automatic switch gives a page one larger than the range
struct ScrollWerte { int maximum = 0, seite = 0, position = 0; };
ScrollWerte scrollWerteBerechnen(const DiagrammDaten& d, double dauer, double schritt, int automatisch);
