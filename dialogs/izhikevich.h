// dialogs/izhikevich.h - the Izhikevich types dialog "Parameter fuer schnellen Simulationstyp" (303)
#pragma once
#include "platform/dialog.h"
#include <cstdint>

struct NeuronDaten;

intptr_t izhikevichDlgProc(plattform::Fenster dlg, uint32_t nachricht, uintptr_t w, intptr_t l);
// modal over eigner (null: the main window) for the neuron; 1 after OK, 2 after Cancel
intptr_t izhikevichDialogOeffnen(plattform::Fenster eigner, NeuronDaten* neuron);
