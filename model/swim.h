// model/swim.h - the step of model 2 (SWIM: Hodgkin-Huxley type with Na, K, Ca)
#pragma once
#include "model/modell_gemeinsam.h"

struct NeuronDaten;

// Advances the neuron by one step at laufZustand.t: the conductance-based path, or the
// Izhikevich step when its flag is set; then the spike handling. Allocates nothing except
// when a spike-time or PSP list grows.
void swimModellBerechnen(NeuronDaten& neuron);

// The two halves of the step before the spike handling, for a caller with a spike handling
// of its own: the Izhikevich step of the soma, and the gates of the conductance path with
// the open fractions of Na, K and Ca (0 for a channel switched off).
void swimIzhikevichPfad(NeuronDaten& n, int kompartimente);
void swimToreBerechnen(NeuronDaten& n, double& gNa, double& gK, double& gCa);

// The conductance path after the gates: gNa, gK, gCa the open fractions of the three
// channels (0 for one switched off), the gates already moved. Channel currents, Ca pool,
// user channels, stimuli, noise, coefficients and the update of the compartments; the run
// kernel (model/kern_swim.cpp) calls it after it has moved the gates of all its neurons.
void swimNachDenToren(NeuronDaten& n, int kompartimente, double gNa, double gK, double gCa);
// its parts: the coefficients of compartments 0..letztes (returned), then the clamp
// potentials (true when the clamp is on, and nothing is to be updated) or the update of the
// compartments followed by their clipping
int swimKoeffizienten(NeuronDaten& n, int kompartimente, double gNa, double gK, double gCa, KompartimentFeld& a,
                      KompartimentFeld& b);
bool swimKlemmen(NeuronDaten& n, int kompartimente);
void swimBegrenzen(NeuronDaten& n, int letztes);

// The spike handling of one step, V0 the soma potential before and V1 after the update
// (model/swim_spikes.cpp).
void swimSpikesBehandeln(NeuronDaten& n, double v0, double v1, double t);

// Frees the spike-time and PSP lists and resets their capacities and counts with them,
// so the next spike grows a fresh list.
void spikeListenFreigeben(NeuronDaten& n);
