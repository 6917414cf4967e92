// model/layout.h - the working geometry of a diagram
#pragma once
#include "model/diagramm.h"

// Turns the stored format into sizes, ranges, ticks, axis pixels, fonts, pens and the
// scroll bar, repairing what is missing from the template. For stdNeuron it fills the
// template's own defaults instead. vorlageKopieren copies the template's format first.
void diagrammLayoutBerechnen(NeuronDaten* neuron, DiagrammDaten* diagramm, int vorlageKopieren);
// While set, a diagram's time window that runs past the run's end stands as it is (else the
// template's takes its place): the windows of a network given back after a refused file are
// laid out as the user had them, not fitted to the run anew.
extern bool zeitfensterBehalten;

// the whole run with the automatic switch gives a page one larger than the range
struct ScrollWerte { int maximum = 0, seite = 0, position = 0; };
ScrollWerte scrollWerteBerechnen(const DiagrammDaten& d, double dauer, double schritt, int automatisch);
