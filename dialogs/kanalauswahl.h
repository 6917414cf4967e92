// dialogs/kanalauswahl.h - the channel choice dialog "Kanal zu neuron auswählen" (251)
#pragma once
#include "platform/dialog.h"
#include <cstdint>

struct NeuronDaten;

intptr_t kanalAuswahlDlgProc(plattform::Fenster dlg, uint32_t nachricht, uintptr_t w, intptr_t l);
// One of the neuron's user channels for a curve slot, and whether the slot shows its
// current or its gate opening factor. The chosen position + 1, or 0 (Cancel, no channel
// chosen, no neuron).
int kanalAuswahlDialogOeffnen(plattform::Fenster eigner, NeuronDaten* neuron);

// the position chosen last, preselected at the next opening for whatever neuron
extern int kanalAuswahlPosition;
