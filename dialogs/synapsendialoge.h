// dialogs/synapsendialoge.h - the synapse dialogs on template 135 (new, edit, delete a
// synapse) and the synapse types dialog (134)
#pragma once
#include "platform/dialog.h"
#include <cstdint>

// result of the new-synapse dialog when a first choice of kind closed it to be opened again
constexpr int synapseNeuWiederOeffnen = 1251;

intptr_t synapseNeuDlgProc(plattform::Fenster dlg, uint32_t nachricht, uintptr_t w, intptr_t l);
intptr_t synapseBearbeitenDlgProc(plattform::Fenster dlg, uint32_t nachricht, uintptr_t w, intptr_t l);
intptr_t synapseLoeschenDlgProc(plattform::Fenster dlg, uint32_t nachricht, uintptr_t w, intptr_t l);
intptr_t synapsenTypenDlgProc(plattform::Fenster dlg, uint32_t nachricht, uintptr_t w, intptr_t l);

// The new-synapse dialog over eigner, opened again as long as it closes for a reopening;
// the global refresh follows every closing. The last result: 1, 2300 or 2.
intptr_t synapseNeuDialogOeffnen(plattform::Fenster eigner);
// the edit dialog for gewaehlteSynapse
intptr_t synapseBearbeitenDialogOeffnen(plattform::Fenster eigner);
// the delete dialog for gewaehlteSynapse; without one it offers the synapses of the one
// marked neuron
intptr_t synapseLoeschenDialogOeffnen(plattform::Fenster eigner);
intptr_t synapsenTypenDialogOeffnen(plattform::Fenster eigner);

// set while the main window walks the synapses under the cursor through the edit dialog:
// "OK - F2" is off then, and F2 acts as OK without a run
extern int synapsenSerieLaeuft;
