// dialogs/achsenformat.h - the unit labels of a diagram's axes ("Dimensionen an den Achsen
// formatieren", 173)
#pragma once
#include "platform/dialog.h"
#include <cstdint>

// The parameter is the DiagrammDaten the fields go into (the layout dialog's working copy);
// result 1 (OK) or 2, which leaves the record as it was.
intptr_t achsenFormatDlgProc(plattform::Fenster dlg, uint32_t nachricht, uintptr_t w, intptr_t l);
void diagrammDimensionenTexteSetzen(plattform::Fenster dlg);
