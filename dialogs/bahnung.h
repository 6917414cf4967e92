// dialogs/bahnung.h - facilitation and depression of a synapse (304) and its facilitation
// maximum (307)
#pragma once
#include "platform/dialog.h"
#include <cstdint>

struct SynapseDaten;

intptr_t fazilitationDepressionDlgProc(plattform::Fenster dlg, uint32_t nachricht, uintptr_t w, intptr_t l);
intptr_t fazilitationMaximumDlgProc(plattform::Fenster dlg, uint32_t nachricht, uintptr_t w, intptr_t l);
// modal over eigner (null: the main window); 2 at once without a synapse
intptr_t fazilitationDepressionDialogOeffnen(plattform::Fenster eigner, SynapseDaten* s);
intptr_t fazilitationMaximumDialogOeffnen(plattform::Fenster eigner, SynapseDaten* s);
