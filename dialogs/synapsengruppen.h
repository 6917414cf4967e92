// dialogs/synapsengruppen.h - creating synapse groups, their popups and commands, and the
// group dialog (306)
#pragma once
#include "platform/dialog.h"
#include "platform/menue.h"
#include <cstdint>

// the group whose member popup was shown last
extern int popupGruppe;

// A new group with aktuelleSynapse as its first member, named through the input dialog
// (a cancelled name still creates it). Its number, 0 when none is free or no synapse is
// current.
int synapsengruppeErzeugen();
// The three popups; a chosen item reaches the main window as its command.
void synapsengruppeMitgliederMenue(int g);
void synapsengruppenMenue();
void synapsengruppeLoeschenMenue();
// Appends the group entries for aktuelleSynapse to the synapse context menu.
void synapsengruppenKontextPosten(plattform::Menue m);

// true for the group commands and id ranges the main window passes here
bool istGruppenBefehl(int befehl);
// The group command befehl. Commands without what they act on do nothing.
void synapsengruppenBefehl(plattform::Fenster f, int befehl);

intptr_t synapsengruppeDlgProc(plattform::Fenster dlg, uint32_t nachricht, uintptr_t w, intptr_t l);
// Dialog 306 for group g (0: the passing list of all synapses), starting at
// gewaehlteSynapse when that is a live member, else at the first; a group without a live
// member gets a notice and no dialog (2).
intptr_t synapsengruppeDialogOeffnen(plattform::Fenster eigner, int g);
