// model/einzelneuron.h - the single-neuron run
#pragma once

struct NeuronDaten;

// runs the neuron alone from t = 0 to the run duration, its synaptic input replayed from
// what the recording run delivered
void einzelneuronSimulieren(NeuronDaten& neuron);
