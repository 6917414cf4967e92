// dialogs/transmitterdynamik.h - the transmitter release dialog (258) with its preview, and
// the choice of the presynaptic diagram's curve that shows the release (285)
#pragma once
#include "platform/dialog.h"
#include <cstdint>

struct SynapseDaten;

intptr_t transmitterdynamikDlgProc(plattform::Fenster dlg, uint32_t nachricht, uintptr_t w, intptr_t l);
intptr_t transmitterKurveWaehlenDlgProc(plattform::Fenster dlg, uint32_t nachricht, uintptr_t w, intptr_t l);
// modal over eigner (null: the main window); 2 at once without a synapse
intptr_t transmitterdynamikDialogOeffnen(plattform::Fenster eigner, SynapseDaten* s);
intptr_t transmitterKurveDialogOeffnen(plattform::Fenster eigner, SynapseDaten* s);
