// diagrams/ablesungen.h - what the painter's read-outs share with the rest of the program
#pragma once
#include "model/diagramm.h"
#include <cstdint>

// Opens the second-axis dialog modally over the diagram's window for the slot its
// hand-over fields (yAchse2Slot, yAchse2Quelle, yAchse2Neuron) name; the result is the
// dialog's. The dialogs put their opener here; while it is null a malformed axis only
// brings its notice.
extern intptr_t (*zweiteYAchseDialogOeffnen)(DiagrammDaten& diagramm);

// The sample index of a time in a slot, or -1 when it lies outside the samples that may
// be read (also for a step that is no positive number).
int werteIndex(const KurvenDaten& k, double zeit, double schritt);

// The own-axis range of a slot into the curve-holding record (a curve dialog's working copy,
// or the diagram itself), from the diagram's samples of the slot in its time window: their
// span; with the fixed low the high that puts zero on the X axis; with zero on the X axis
// both ends stretched so that it lies there. Samples that are all the same, an X axis on
// the plot's edge and an empty value range change nothing.
void nullAufXAchsePruefen(DiagrammDaten* halter, DiagrammDaten& diagramm, int slot);
