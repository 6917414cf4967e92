// model/formen.h - the numbered rate and steady-state formulas every channel is written in
#pragma once

// The voltage (V) that forms 16 and 17 read instead of the soma potential; the synapse
// dynamics sets it to the source neuron's soma potential before it evaluates its forms,
// and the model steps pass on what it last set.
extern double synapsenPotential;

// the voltages (V) a form is evaluated at: V the soma potential of the neuron being
// stepped (or of a synapse's source), Vs the one forms 16 and 17 read
struct FormSpannungen {
    double V;
    double Vs;
};

// The value of formula number `form` at the voltages u. A is mostly an amplitude, H a
// half-activation voltage, S a slope (both V), D an additive constant; only form 101
// reads E. Valid forms: 1-6, 11-17, 21-28, 31, 32, 101-105. Any other number, and a zero
// denominator where a formula cannot go on, gives 0.0, shows its error (130, 131) if the
// run's abort flag is still clear, and sets the flag.
double funktionaleFormBerechnen(int form, double A, double H, double S, double D, double E, FormSpannungen u);
