// model/gb.h - the step of model 4 (Golowasch-Buchholz: eight channels and a Ca pool)
#pragma once
// Nernst factor (V/K) of the Ca potential: k/(2e)
constexpr double caNernstFaktor = 4.308507882e-05;
struct NeuronDaten;
// Advances the neuron by one step at laufZustand.t.
void golowaschBuchholzModellBerechnen(NeuronDaten& neuron);
