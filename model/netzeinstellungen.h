// model/netzeinstellungen.h - the network's steps in the program's start values and refresh
//
// The frame's ordered lists (app/einstellungen.cpp) call these.
#pragma once

struct NeuronDaten;

// ---- start values
void simulationsparameterVoreinstellen();   // run settings, network defaults, stimulus step
void standardneuronVoreinstellen();         // room for the stimulus builder's four tables

// ---- refresh: with a neuron only that neuron, with null every neuron
// the engine's share of the global refresh: the steps below in this order (the xlPSP
// tolerance first)
void netzAktualisieren(NeuronDaten* n, int nachLaden);
void anzeigeIntervallPruefen(NeuronDaten* n, int nachLaden);
void netzwerktypPruefen(NeuronDaten* n, int nachLaden);
void kompartimenteAktualisieren(NeuronDaten* n, int nachLaden);
void modellTypAktualisieren(NeuronDaten* n, int nachLaden);
void neuronTabelleAktualisieren(NeuronDaten* n, int nachLaden);
void passivMarkenAktualisieren(NeuronDaten* n, int nachLaden);

// The network's segment count as a file or dialog sets it ("anzahl dendritischer
// segmente="): 0..6 is stored and every listed neuron's arrays follow; any other count is
// refused with a notice and nothing changes. false when refused.
bool segmentAnzahlSetzen(int segmente);

// 1 when all main conductances of the neuron's model are exactly 0: the rule of the run,
// which sets the mark before every run as the refresh does
int passivMarkeBerechnen(const NeuronDaten& n);
