// files/synapsenabschnitt.h - the synapse sections and the synapse-type table of the
// network text
//
// Writers print at the shared cursor (files/xbuffer.h) as the neuron block does; readers
// keep a field's value when its key is missing or its number is not finite.
#pragma once
#include "files/xbuffer.h"
#include <cstdio>
#include <vector>

struct NeuronDaten;
struct SynapseDaten;

// The ids of the network text's id lists ("existierende Synapsen=", "existierende
// Axo-Synapsen="), read and checked by the network-file reader before the synapses.
struct SynapsenIdListen {
    std::vector<int> synapsen;
    std::vector<int> axoSynapsen;
};

// What the definition export (modus 3) records while it writes: per export number (the
// entry's position + 1) the synapse written with its new source and target numbers, for
// the export's axo-axonic lines, and the synapse types the written synapses use (each
// once, in order of first use). Reset when the first marked neuron is written.
struct ExportSynapse {
    SynapseDaten* synapse = nullptr;
    int quellNummer = 0;
    int zielNummer = 0;
};
struct DefinitionsExport {
    std::vector<ExportSynapse> synapsen;
    std::vector<int> benutzteTypen;
};
extern DefinitionsExport definitionsExport;

// The outgoing synapses of the neuron: modus 2 network file, 3 definition export, other
// modes write nothing. With flush and at least one synapse written the text goes to datei.
void guiSynapsenSpeichern(NeuronDaten* neuron, std::FILE* datei, int modus, XBuffer& puffer, int flush);
// one axo-axonic synapse with nummer in its key prefix
void guiAxoSynapseSpeichern(SynapseDaten* axo, int elternId, int quellNummer, int elternQuellNummer,
                            int elternZielNummer, int elternZielBereich, int nummer, std::FILE* datei,
                            XBuffer& puffer, int flush);
// Reads from text to "[ende axo-axonische Synapsen]" and creates the synapses of the id
// lists; a synapse whose neurons are missing is skipped, one with a missing or invalid
// value (type, area) too, with one notice for all. false when the text is refused (its
// message shown): a listed id outside 1..4095, listed twice or taken; nothing is made then.
// leise: an undo text is restored without a word in the status bar.
bool synapsenLaden(char* text, const SynapsenIdListen& ids, bool leise = false);

// The synapse-type table from the "[SynapsenTypen-definition]" lines of text, or with a
// null text from the standard types. false when the table is refused (its message shown).
bool synapsenTypenLaden(char* text);
