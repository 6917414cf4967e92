// dialogs/benutzerkanaele.h - "Eigenschaften benutzerdefinierter SWIM-Kanäle" (218): the
// user-defined channel lists of every neuron, and channel files (*.knl)
#pragma once
#include "platform/dialog.h"
#include <cstdint>
#include <list>

struct BenutzerKanal;

intptr_t kanalEigenschaftenDlgProc(plattform::Fenster dlg, uint32_t nachricht, uintptr_t w, intptr_t l);
// a channel's definition into another: values, mode, auxiliary values, the pairing, the
// synapse switch and id, the name; links, run state and display choice of ziel stay
void kanalKopieren(BenutzerKanal& ziel, const BenutzerKanal& quelle);
// The fields of the open dialog into that channel: 1 when accepted, 0 when refused (a notice
// named the field and the focus is in it). sofort takes the run-at-once box.
int kanalDialogWerteLesen(plattform::Fenster dlg, BenutzerKanal& kanal, int& sofort);
// A channel file into the list at ziel: its channels replace ziel, the rest of the list
// follows them. A call number other than 0 reads the file chosen last again without asking.
// 1 after a load, 0 when the user cancelled or the file could not be read.
int kanalDateiLesen(std::list<BenutzerKanal>& liste, std::list<BenutzerKanal>::iterator ziel, int aufruf);
// von and the channels after it, at most anzahl of them, into a chosen file: 1 after saving
int kanalDateiSpeichern(const std::list<BenutzerKanal>& liste, std::list<BenutzerKanal>::const_iterator von,
                        int anzahl);
// The main window's command 219: modal over eigner (null: the main window) while a neuron
// is marked, else nothing (2). A run asked for starts after the dialog has closed.
intptr_t kanalEigenschaftenBefehl(plattform::Fenster eigner);
