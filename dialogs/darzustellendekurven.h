// dialogs/darzustellendekurven.h - the recorded curves dialog "Darzustellende Kurven" (147)
#pragma once
#include "platform/dialog.h"
#include <cstdint>

intptr_t darzustellendeKurvenDlgProc(plattform::Fenster dlg, uint32_t nachricht, uintptr_t w, intptr_t l);
// Which curve slots of their main diagram the marked neurons record; modal over eigner
// (null: the main window). 1 after OK, 2 after Cancel, 0 when buffers ran out.
intptr_t darzustellendeKurvenDialogOeffnen(plattform::Fenster eigner);
