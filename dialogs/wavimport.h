// dialogs/wavimport.h - "WAV-import features" (322): calibration and the follow-up fit
#pragma once
#include "platform/fenster.h"
#include <cstdint>

namespace wavImportId { constexpr int Kalibrierung = 2301, Optimieren = 2298, Hinweis = 2303, Leer = 2300; }

// OK stores the calibration (mV, 0: raw data) and the y fit after an import and ends with
// 1; Cancel ends with 2 and changes nothing.
intptr_t wavImportDlgProc(plattform::Fenster dlg, uint32_t nachricht, uintptr_t w, intptr_t l);
// the dialog, modal over eigner (null: the main window); its result
intptr_t wavImportDialogOeffnen(plattform::Fenster eigner);
