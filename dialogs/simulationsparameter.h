// dialogs/simulationsparameter.h - the run settings dialog "Simulations-Parameter" (133)
#pragma once
#include "platform/dialog.h"
#include <cstdint>

intptr_t simulationsParameterDlgProc(plattform::Fenster dlg, uint32_t nachricht, uintptr_t w, intptr_t l);
// modal over eigner (null: the main window); the callers do not use the result
intptr_t simulationsParameterDialogOeffnen(plattform::Fenster eigner);

// Where the feedback and collision objects plug into the dialog. Null until their part
// exists: the count shows 0 (check box disabled) and the "neu" button is disabled.
struct SimulationsObjektAnschluss {
    int (*anzahl)() = nullptr;
    // appends a new object and opens its dialog modally over eigner; false when the
    // object could not be made (the program is shutting down then)
    bool (*neuBearbeiten)(plattform::Fenster eigner) = nullptr;
};
extern SimulationsObjektAnschluss rueckkopplungsAnschluss, kollisionsAnschluss;

// the process's core mask (bit n = core n); tests put a fixed mask here
extern uint64_t (*kernMaskeLesen)();
// the cores offered: 1 for a mask of 0 or 1, else the number of cores in it
int prozessorkerneZaehlen(uint64_t maske);

// the ASCII-export reminder after OK; "No" turns it off until the program starts again
extern bool exportHinweisGewuenscht;
