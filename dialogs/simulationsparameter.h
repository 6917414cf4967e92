// dialogs/simulationsparameter.h - the run settings dialog "Simulations-Parameter" (133)
#pragma once
#include "platform/dialog.h"
#include <cstdint>

intptr_t simulationsParameterDlgProc(plattform::Fenster dlg, uint32_t nachricht, uintptr_t w, intptr_t l);
// modal over eigner (null: the main window); the callers do not use the result. While the
// dialog is up (an ended one included, whose "OK - F2" run goes on) it is brought to the
// front instead, and 2 comes back.
intptr_t simulationsParameterDialogOeffnen(plattform::Fenster eigner);

// What tests of the dialog may put in place of its own behaviour; null is the dialog's own.
// Reset with `simulationsParameterHaken = {};`.
struct SimulationsParameterTestHaken {
    // the process's core mask (bit n = core n) in place of the machine's (a fixed mask)
    uint64_t (*kernMaske)() = nullptr;
};
extern SimulationsParameterTestHaken simulationsParameterHaken;
// the cores offered: 1 for a mask of 0 or 1, else the number of cores in it
int prozessorkerneZaehlen(uint64_t maske);

// the ASCII-export reminder after OK; "No" turns it off until the program starts again
extern bool exportHinweisGewuenscht;
