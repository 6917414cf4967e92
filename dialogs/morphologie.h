// dialogs/morphologie.h - "Morphologische Parameter" (138): the eight drawing sizes of the
// marked neurons, or of the standard neuron when none is marked
#pragma once
#include "platform/dialog.h"
#include <cstdint>

intptr_t morphologieDlgProc(plattform::Fenster dlg, uint32_t nachricht, uintptr_t w, intptr_t l);
// modal over eigner (null: the main window); the dialog's result
intptr_t morphologieDialogOeffnen(plattform::Fenster eigner);
