// files/neuronabschnitt.h - the neuron block of the network and settings texts, with its
// physiology and K(Ca) lines
//
// Writers print at the shared cursor (files/xbuffer.h): they point textZeiger at puffer
// and print there; with flush non-zero the text they printed goes to datei afterwards
// and leaves the buffer. Readers search from the block start they are given and keep a
// field's value when its key is missing or its number is not finite.
#pragma once
#include "files/xbuffer.h"
#include <cstdio>

struct NeuronDaten;
struct KCaKanal;

// The neuron block. nummer < 1: the lines carry the neuron's own number; >= 1: that number
// (the definition export renumbers). The result is not used by the callers. While the
// permutation mode keeps a neuron's export mask and spike-time switch aside, the block
// carries those (the user's), unless a copy for memory is being written.
int guiNeuronSpeichern(NeuronDaten* neuron, int nummer, std::FILE* datei, XBuffer& puffer, int flush);
// While one lives, the neuron blocks carry the switches and the synapse blocks the
// conductances as memory holds them: a copy that is read back at once (the open command's
// way back) must leave memory as it was.
struct SpeicherkopieSchreiben {
    SpeicherkopieSchreiben();
    ~SpeicherkopieSchreiben();
    SpeicherkopieSchreiben(const SpeicherkopieSchreiben&) = delete;
    SpeicherkopieSchreiben& operator=(const SpeicherkopieSchreiben&) = delete;
};
// true while a SpeicherkopieSchreiben lives
bool speicherkopieImSchreiben();
// Older network texts (those without "[Servereinstellungen]") kept the pause of a pulse
// series as the gap between pulses, not from start to start. The network-file reader sets
// this while it reads the neurons of such a text and clears it afterwards; guiNeuronLaden
// then converts the pauses it reads. Off for the settings file and the definition import.
extern bool altePausenUmrechnen;

// The neuron block from blockAnfang (the "[NEURON %d]" line; the standard neuron's place in
// the settings text). The record carries its nummer already, which selects the keys.
void guiNeuronLaden(NeuronDaten* neuron, char* blockAnfang);

// the physiology lines of the neuron (and its user channels) at the cursor
void physParameterSpeichern(NeuronDaten* neuron, std::FILE* datei, XBuffer& puffer);
// 1 when done, 0 when reading the user channels was cancelled
int physParameterLaden(NeuronDaten* neuron, char* blockAnfang);

// the K(Ca) lines "neuron %d K(Ca)-kanal ..." with nummer in the prefix
void kCaKanalSpeichern(const KCaKanal& kca, int nummer, std::FILE* datei, XBuffer& puffer, int flush);
// 0 when reading failed (the neuron's K(Ca) mode is then switched off by the caller)
int kCaKanalLaden(NeuronDaten* neuron, KCaKanal& kca, char* position);
