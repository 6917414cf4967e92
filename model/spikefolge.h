// model/spikefolge.h - the rating of a neuron's spike train
#pragma once

struct NeuronDaten;

// classifies the train of anzahl AP times (seconds, ascending) after a run; the results go
// into the neuron's rating record
void spikefolgeBewerten(NeuronDaten& neuron, const float* zeiten, int anzahl);
