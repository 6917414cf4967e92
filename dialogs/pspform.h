// dialogs/pspform.h - the freely shaped postsynaptic potential of a synapse (319)
#pragma once
#include "platform/dialog.h"
#include <cstdint>

struct SynapseDaten;

intptr_t pspFormDlgProc(plattform::Fenster dlg, uint32_t nachricht, uintptr_t w, intptr_t l);
// modal over eigner (null: the main window); 2 at once without a synapse
intptr_t pspFormDialogOeffnen(plattform::Fenster eigner, SynapseDaten* s);
