// dialogs/kurvenparameter.h - the curve slots of one diagram ("Im Diagramm darzustellende
// Parameter", 128), a curve of another neuron ("Kurve eines anderen Neurons auswählen", 170)
// and a stored reference curve
#pragma once
#include "platform/dialog.h"
#include <cstdint>

struct DiagrammDaten;
struct NeuronDaten;

// The parameter is the diagram window; the current slot is aktuellesDiagramm.kurvenSlot.
// Result -2 cancelled, -1 done, 0-19 (or more) the slot to reopen the dialog on.
intptr_t diagrammParameterDlgProc(plattform::Fenster dlg, uint32_t nachricht, uintptr_t w, intptr_t l);
// Reopens dialog 128 over the window while it ends with a slot: the last result (-1, -2).
intptr_t kurvenDialogSchleife(plattform::Fenster fenster);

// The parameter is the window of the diagram that takes the curve. Result 1 (chosen: see
// externeKurveWahl) or 2.
intptr_t kurveAndererNeuronDlgProc(plattform::Fenster dlg, uint32_t nachricht, uintptr_t w, intptr_t l);
struct ExterneKurveWahl {
    NeuronDaten* neuron = nullptr;
    DiagrammDaten* diagramm = nullptr;   // the neuron's main diagram
    int slot = -1;
};
extern ExterneKurveWahl externeKurveWahl;

// The first shown curve with samples among slots 0-11 becomes a reference curve in the
// first free reference slot, and the curve dialog opens on it; cancelling it withdraws
// the reference.
void referenzkurveSpeichern(plattform::Fenster fenster);

void neuronKurvenTexteSetzen(plattform::Fenster dlg);
void externeKurveTexteSetzen(plattform::Fenster dlg);
void tooltipsDiagrammKurvenDialog(plattform::Fenster dlg);
