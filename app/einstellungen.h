// app/einstellungen.h - the start values of the program and the global refresh
//
// Both are ordered lists of steps. Each subsystem's steps stand where its records come into
// being, so no step reaches into a record that does not exist yet.
#pragma once
#include "app/status.h"
#include "core/rahmen.h"
#include <span>

struct Voreinstellung {
    const char* name;
    void (*ausfuehren)();
};
// start values that the settings file may override; runs once in the initialisation
void programmVoreinstellungen();
std::span<const Voreinstellung> voreinstellungsSchritte();

struct Aktualisierung {
    const char* name;
    void (*ausfuehren)(NeuronDaten* neuron, int nachLaden);
};
// einstellungenAktualisieren (core/rahmen.h) runs these steps in their order
std::span<const Aktualisierung> aktualisierungsSchritte();

// the gate formulas by number, in the notation of the channel dialogs
void formelListeFuellen();
