// model/formen.h - the numbered rate and steady-state formulas every channel is written in
#pragma once
#include <cmath>

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

// ---- the forms of one exponential, for the run kernels --------------------------------
// Most forms are a function of a single exp(s (X - H) / S), X the soma potential V (or Vs
// for 16 and 17), s = +1 or -1. A kernel resolves the form once per run, computes the
// exponentials of many gates at once and finishes each with formAusExp, which gives what
// funktionaleFormBerechnen gives for the same exponential, errors included.

// s of the form's exponential, or 0 when the form is not one of these (the kernel then
// calls funktionaleFormBerechnen)
constexpr int formExpVorzeichen(int form)
{
    switch (form) {
    case 1: case 4: case 6: case 11: case 13: case 17: case 21: case 24: case 26:
        return 1;
    case 2: case 3: case 5: case 12: case 14: case 16: case 22: case 23: case 25:
        return -1;
    default:
        return 0;
    }
}
constexpr bool formLiestSynapsenPotential(int form) { return form == 16 || form == 17; }

// shows the error's text once per run and sets the run's abort flag
[[gnu::cold]] void formLaufFehler(int code);

namespace formdetail {
constexpr int divisionDurchNull = 131;
// a NaN denominator is not 0.0 and divides normally
inline double geteilt(double zaehler, double nenner)
{
    if (nenner == 0.0) {
        formLaufFehler(divisionDurchNull);
        return 0.0;
    }
    return zaehler / nenner;
}
// A*(V-H) / (D - exp(+-(V-H)/S)): at a zero denominator with the numerator near 0 the
// formula has a finite limit, +-A*S at D = 1, which stands in for it; with the numerator
// away from 0 it is a pole and stops the run.
inline double linoid(double zaehler, double nenner, double A, double H, double S, double D,
                     double grenzwertVorzeichen)
{
    if (nenner != 0.0)
        return zaehler / nenner;
    if (!(std::fabs(zaehler) <= 0.001 * std::fabs(A * H)))
        formLaufFehler(divisionDurchNull);
    return grenzwertVorzeichen * A * S / D;
}
} // namespace formdetail

// the value of a form with formExpVorzeichen != 0 at X, e its exponential
inline double formAusExp(int form, double A, double H, double S, double D, double X, double e)
{
    using namespace formdetail;
    switch (form) {
    case 1: case 2: case 3: case 6:
        return A * (e + D);
    case 4: case 5:
        return (e + D) / A;
    // the limit at V = H is -A*S for 11 and +A*S for the others
    case 11:
        return linoid(A * (X - H), D - e, A, H, S, D, -1.0);
    case 12: case 16:
        return linoid(A * (X - H), D - e, A, H, S, D, +1.0);
    case 13: case 17:
        return linoid(A * (H - X), D - e, A, H, S, D, +1.0);
    case 14:
        return geteilt(A * (H - X), D - e);
    case 21: case 23:
        return geteilt(A, e + D);
    case 22: case 26:
        return geteilt(A, D - e);
    case 24: case 25:
        return geteilt(1.0, e + D);
    default:
        return 0.0;
    }
}
