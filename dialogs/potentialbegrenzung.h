// dialogs/potentialbegrenzung.h - "Potentialbegrenzung" (315): the potential limits of the
// marked neurons and how the network picture marks limited neurons
#pragma once
#include "platform/dialog.h"
#include <cstdint>

struct Potentialbegrenzung;

intptr_t potentialbegrenzungDlgProc(plattform::Fenster dlg, uint32_t nachricht, uintptr_t w, intptr_t l);
// Every control of the open dialog into the record, the arc colour aside. The soma's flag
// word is rebuilt from its two boxes; a dendrite's keeps its bits other than 0x2 and 0x4.
// A field without a number, an arc width beyond 0..100 or an arc distance beyond 0..2000
// pixels gets a notice naming it and false; the record is then unchanged.
bool potentialbegrenzungLesen(plattform::Fenster dlg, Potentialbegrenzung& b);
// The main window's commands 40273 and 51052: modal over eigner (null: the main window)
// with at least one marked neuron, else nothing (2).
intptr_t potentialbegrenzungBefehl(plattform::Fenster eigner);
