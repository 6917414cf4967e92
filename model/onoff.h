// model/onoff.h - the step of model 1 (on/off: three timed phase currents)
#pragma once
struct NeuronDaten;
// Advances the neuron by one step at laufZustand.t. A soma crossing of P23 starts the
// phases; their currents use the potential at the start of the step.
void onOffModellBerechnen(NeuronDaten& neuron);
