// dialogs/yachse2.h - a curve's own y-axis ("zusätzliche Y-Achse formatieren", 305)
#pragma once
#include "model/diagramm.h"
#include "platform/dialog.h"
#include <cstdint>

// The parameter is the DiagrammDaten whose hand-over fields name the slot (yAchse2Slot),
// the record holding the curve settings (yAchse2Quelle; null: the diagram) and the neuron.
// Result 1 (OK) or 2.
intptr_t yAchse2DlgProc(plattform::Fenster dlg, uint32_t nachricht, uintptr_t w, intptr_t l);
// modal over the diagram's window
intptr_t yAchse2DialogOeffnen(DiagrammDaten& diagramm);

// the texts and the tips of dialog 305 from the language files
void zweiteYAchseTexteSetzen(plattform::Fenster dlg);
void tooltipsYAchseDialog(plattform::Fenster dlg);
