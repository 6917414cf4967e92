// dialogs/legendeformat.h - the place, size and alignment of a diagram's legend ("Lengende
// Formatieren", 171)
#pragma once
#include "platform/dialog.h"
#include <cstdint>

// The parameter is the DiagrammDaten the fields go into (the layout dialog's working copy);
// result 1 (OK) or 2, which leaves the record as it was.
intptr_t legendeFormatDlgProc(plattform::Fenster dlg, uint32_t nachricht, uintptr_t w, intptr_t l);
void diagrammLegendeTexteSetzen(plattform::Fenster dlg);
