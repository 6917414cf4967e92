// dialogs/physiologie.h - "Physiologische Neuron-Eigenschaften" (117): ion currents, passive
// properties and the spiker switch of the marked neurons
#pragma once
#include "platform/dialog.h"
#include <cstdint>

struct NeuronDaten;

intptr_t physiologieDlgProc(plattform::Fenster dlg, uint32_t nachricht, uintptr_t w, intptr_t l);
// The main window's commands 40102 and 51039, modal over eigner (null: the main window).
// 40102 hands a first marked Izhikevich neuron to the Izhikevich dialog; marked neurons
// of both kinds get a notice. Returns the dialog's result (2 when nothing opened).
intptr_t physiologieBefehl(plattform::Fenster eigner, int befehl);
