// dialogs/dezimalstellen.h - the decimal places of a diagram's read-outs ("Anzahl
// Dezimalstellen für Anzeige", 317)
#pragma once
#include "model/diagramm.h"
#include "platform/dialog.h"
#include <cstdint>

// The parameter is the DiagrammDaten; result 1 (OK) or 2. "fuer alle Diagramme uebernehmen"
// gives every other diagram with a window the same places and repaints every diagram window.
intptr_t dezimalstellenDlgProc(plattform::Fenster dlg, uint32_t nachricht, uintptr_t w, intptr_t l);
intptr_t dezimalstellenDialogOeffnen(DiagrammDaten& diagramm);
