// model/kurven.h - curve slots made ready for drawing, and their pixel points
#pragma once
#include "model/diagramm.h"

// Prepares one slot, or all 20 when slot is negative: name, unit, colour and pen, and the
// buffers when the diagram has a window. The template's own diagram only gets its defaults.
// false after the box that a buffer without memory shows (the program ends, or a read
// under way is abandoned).
bool kurvenVorbereiten(DiagrammDaten* diagramm, int slot);
// Reduces the samples of the visible time window to at most two points per pixel column
// (minimum and maximum in time order). Runs during a run: allocates nothing unless the
// plot became wider than the point buffer.
void kurvePunkteBerechnen(DiagrammDaten* diagramm, int slot);
// During a run: the shown slots of every open main diagram get the points of the samples
// written so far, and their windows are invalidated, so the next pass of the event pump
// draws the curves as they grow.
void laufKurvenZeigen();
// Copies the line format of one slot into that slot (all slots for a negative zielSlot) of
// every diagram of the neuron, or of every neuron when it is null.
void kurveAktualisieren(NeuronDaten* neuron, DiagrammDaten* quelle, int quelleSlot, int zielSlot);

// the template's colour of slot i: one byte per component, as the packing keeps it
plattform::Farbe vorlagenKurvenFarbe(int i);
// "mV " for the potentials, nothing for the reference curves, "nA " for the currents
const char* standardDimension(int slot);
