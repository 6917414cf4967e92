// dialogs/exportdialoge.h - the choice of neurons whose spike times are saved or rated
// (275) and the ASCII export settings (169)
#pragma once
#include "platform/dialog.h"
#include <cstdint>

// parameter: the main window's command that opened it; 277 rates spike trains
intptr_t spikeZeitenDlgProc(plattform::Fenster dlg, uint32_t nachricht, uintptr_t w, intptr_t l);
intptr_t asciiExportDlgProc(plattform::Fenster dlg, uint32_t nachricht, uintptr_t w, intptr_t l);

// modal over eigner (null: the main window)
intptr_t spikeZeitenDialogOeffnen(plattform::Fenster eigner, int befehl);
// Opens dialog 169 again for as long as it ends with anything but OK (1) or Cancel (2):
// each list choice and action button ends it so that it shows the new state.
intptr_t asciiExportDialogOeffnen(plattform::Fenster eigner);

// the export mask's bit that marks a neuron chosen while dialog 169 is open
constexpr int exportGewaehlt = 0x40000000;
// the mask's bit for a neuron's user channels, each of which has its own flag
constexpr int exportBenutzerKanaele = 0x100;
