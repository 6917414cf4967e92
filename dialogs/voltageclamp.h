// dialogs/voltageclamp.h - "Voltage-Clamp Einstellungen" (229): the clamp of the one marked neuron
#pragma once
#include "platform/dialog.h"
#include <cstdint>

intptr_t voltageClampDlgProc(plattform::Fenster dlg, uint32_t nachricht, uintptr_t w, intptr_t l);
// The main window's command 228: the dialog when exactly one neuron is marked, else
// nothing (2). Modal over eigner (null: the main window).
intptr_t voltageClampBefehl(plattform::Fenster eigner);
