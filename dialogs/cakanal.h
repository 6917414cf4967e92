// dialogs/cakanal.h - "Eigenschaften der Ca-Kanaele und des Ca-abhaengigen Kaliumkanals"
// (314): a neuron's two Ca channels, its K(Ca) channel and the Ca kinetics
#pragma once
#include "platform/dialog.h"
#include <cstdint>

struct KCaKanal;
struct NeuronDaten;

// creation parameter: the neuron; 1 after OK, 2 after Cancel, "Kanal entfernen" or a refusal
intptr_t caKanalDlgProc(plattform::Fenster dlg, uint32_t nachricht, uintptr_t w, intptr_t l);
// The record's fields that have a Golowasch-Buchholz model parameter, from the parameters
// of the neuron under aktuellesNeuron; the others stay.
void caKanalParameterHolen(KCaKanal& kca);
// the exact inverse: those fields into the neuron's parameters
void caKanalParameterSetzen(const KCaKanal& kca, NeuronDaten& neuron);
// The file choice and the file: 1 when a channel was read into the record, else 0.
int kcaKanalDateiLesen(NeuronDaten& neuron, KCaKanal& kca);
// 1 after saving under the neuron's number, 0 on cancel or failure
int kcaKanalDateiSpeichern(const KCaKanal& kca, int nummer);
// The main window's command 40271: with a single neuron in the network and none marked
// that one is marked first; modal over eigner (null: the main window) with exactly one
// marked neuron, else nothing (2).
intptr_t caKanalBefehl(plattform::Fenster eigner);
