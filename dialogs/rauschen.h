// dialogs/rauschen.h - "Rauschen" (149): the noise of every neuron and the run-wide noise switches
#pragma once
#include "platform/dialog.h"
#include <cstdint>

intptr_t rauschenDlgProc(plattform::Fenster dlg, uint32_t nachricht, uintptr_t w, intptr_t l);
// The main window's command 40119: the dialog, opened again at once while it ends with
// anything but OK (1) or Cancel (2); the edits live across these reopenings. Its result.
intptr_t rauschenBefehl(plattform::Fenster eigner);
