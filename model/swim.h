// model/swim.h - the step of model 2 (SWIM: Hodgkin-Huxley type with Na, K, Ca)
#pragma once

struct NeuronDaten;

// Advances the neuron by one step at laufZustand.t: the conductance-based path, or the
// Izhikevich step when its flag is set; then the spike handling. Allocates nothing except
// when a spike-time or PSP list grows.
void swimModellBerechnen(NeuronDaten& neuron);

// The spike handling of one step, V0 the soma potential before and V1 after the update
// (model/swim_spikes.cpp).
void swimSpikesBehandeln(NeuronDaten& n, double v0, double v1, double t);

// Frees the spike-time and PSP lists and resets their capacities and counts with them,
// so the next spike grows a fresh list.
void spikeListenFreigeben(NeuronDaten& n);
