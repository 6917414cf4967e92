// model/hh.h - the step of model 3 (Hodgkin-Huxley: Na with m, h; K with n; fixed leak)
#pragma once
struct NeuronDaten;
// Advances the neuron by one step at laufZustand.t. The leak reverses at the fixed
// -0.054402 V (hhLeckTerm); P1 is not read.
void hodgkinHuxleyModellBerechnen(NeuronDaten& neuron);
