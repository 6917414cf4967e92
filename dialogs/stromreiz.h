// dialogs/stromreiz.h - the legacy stimulus of the marked neurons ("Strom-Reiz", 132) and the
// flash symbol that marks stimulated neurons ("Stromreiz Kennzeichnung", 152)
#pragma once
#include "platform/dialog.h"
#include <cstdint>

intptr_t stromReizDlgProc(plattform::Fenster dlg, uint32_t nachricht, uintptr_t w, intptr_t l);
intptr_t stromreizKennzeichnungDlgProc(plattform::Fenster dlg, uint32_t nachricht, uintptr_t w, intptr_t l);
// modal over eigner (null: the main window); 2 at once when no neuron is marked
intptr_t stromReizDialogOeffnen(plattform::Fenster eigner);
intptr_t stromreizKennzeichnungDialogOeffnen(plattform::Fenster eigner);

// the ranges of the flash symbol's length and thickness, in pixels
constexpr int groessteBlitzLaenge = 1000, groessteBlitzDicke = 100;
