// dialogs/neuronname.h - the neuron name dialog "Neuron Namen ändern" (126), and the check
// of names that the network and type files keep
#pragma once
#include "platform/dialog.h"
#include <cstdint>
#include <string>

intptr_t neuronNameDlgProc(plattform::Fenster dlg, uint32_t nachricht, uintptr_t w, intptr_t l);
// renames the first marked neuron; modal over eigner (null: the main window)
intptr_t neuronNameDialogOeffnen(plattform::Fenster eigner);

// The name in the edit id without leading blanks and tabs (the file readers drop them).
// A name with "//" (the readers end it there) or longer than hoechstens bytes is refused
// with a notice, the focus goes into the edit with its text selected, and the result is
// false with name unchanged.
bool dialogNameLesen(plattform::Fenster dlg, int id, size_t hoechstens, std::string& name);
