// app/einstellungen.h - the start values of the program and the global refresh
//
// Both are ordered lists of steps. Each part of the program adds its own steps where its
// records come into being, so no step reaches into a record that does not exist yet.
#pragma once
#include "app/status.h"
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
// The global refresh after edits, loads and dialogs. With a neuron (as a new neuron calls
// it) the steps for that neuron; with (null, 1) after a load everything derived.
void einstellungenAktualisieren(NeuronDaten* neuron, int nachLaden);
std::span<const Aktualisierung> aktualisierungsSchritte();

// the gate formulas by number, in the notation of the channel dialogs
void formelListeFuellen();
