// dialogs/swimstandardkanaele.h - "Standard-Kanäle" (160): the four standard channels of the
// SWIM model in every marked neuron
#pragma once
#include "platform/dialog.h"
#include <cstdint>

intptr_t swimStdKanalDlgProc(plattform::Fenster dlg, uint32_t nachricht, uintptr_t w, intptr_t l);
// The main window's command 40220: modal over eigner (null: the main window) while a
// neuron is marked; else nothing (2).
intptr_t swimStdKanalBefehl(plattform::Fenster eigner);
