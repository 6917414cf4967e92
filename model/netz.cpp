// model/netz.cpp - the network's globals and the bounds-checked tables
#include "model/netz.h"
#include "model/simulationsparameter.h"
#include <cmath>

NeuronenKette neuronKette;
NeuronDaten* aktuellesNeuron = nullptr;
NeuronDaten stdNeuron;

int synapsenZaehler = 0;
int axoZaehler = 0;
int hoechsteSynapsenId = 0;
SynapseDaten* aktuelleSynapse = nullptr;
SynapseDaten* gewaehlteSynapse = nullptr;
std::vector<SynapsenTyp> synapsenTypen;
int synapsenTypAnzahl = 0;
std::array<Synapsengruppe, synapsengruppenAnzahl> synapsengruppen;
int synapsengruppenZahl = 0;
int gruppeWirdAufgeloest = 0;
int letztesZielNeuron = 0;

Simulationsparameter simulationsParameter;
Laufeinstellungen laufEinstellungen;
Netzvorgaben netzvorgaben;
double gemeinsamerRauschZustand = 0.0;

namespace {
std::array<NeuronDaten*, neuronTabellenGroesse> neuronTabelle{};
std::array<SynapseDaten*, synapsenTabellenGroesse> synapsenTabelle{};
}

bool neuronNummerGueltig(int nummer) { return nummer >= 1 && nummer < neuronTabellenGroesse; }

NeuronDaten* neuronNachNummer(int nummer)
{
    return neuronNummerGueltig(nummer) ? neuronTabelle[nummer] : nullptr;
}

bool neuronTabelleSetzen(int nummer, NeuronDaten* n)
{
    if (!neuronNummerGueltig(nummer))
        return false;
    neuronTabelle[nummer] = n;
    return true;
}

void neuronTabelleLeeren() { neuronTabelle.fill(nullptr); }

SynapseDaten* synapseNachId(int id)
{
    return id >= 1 && id < synapsenTabellenGroesse ? synapsenTabelle[id] : nullptr;
}

bool synapsenTabelleSetzen(int id, SynapseDaten* s)
{
    if (id < 1 || id >= synapsenTabellenGroesse)
        return false;
    synapsenTabelle[id] = s;
    return true;
}

void synapsenTabelleLeeren() { synapsenTabelle.fill(nullptr); }

int segmenteFuerNetzwerktyp(int netzwerktyp)
{
    switch (netzwerktyp) {
    case 1: return 0;
    case 2: return 1;
    case 3: return 3;
    case 4: return 6;
    default: return -1;
    }
}
