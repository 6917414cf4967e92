// model/formen.cpp - the numbered rate and steady-state formulas
#include "model/formen.h"
#include "core/status.h"
#include "core/fehler.h"
#include <cmath>

double synapsenPotential = 0.0;

namespace {

constexpr int ungueltigeForm = 130;

// One message per run: the first error shows its text, every error stops the run after
// this step.
[[gnu::cold, gnu::noinline]] void laufFehler(int code)
{
    if (!laufZustand.abbrechen)
        fehlerMelden(code);
    laufZustand.abbrechen = 1;
}

} // namespace

void formLaufFehler(int code) { laufFehler(code); }

double funktionaleFormBerechnen(int form, double A, double H, double S, double D, double E, FormSpannungen u)
{
    if (const int s = formExpVorzeichen(form)) {
        const double X = formLiestSynapsenPotential(form) ? u.Vs : u.V;
        return formAusExp(form, A, H, S, D, X, std::exp((X - H) / (s > 0 ? S : -S)));
    }
    using formdetail::geteilt;
    switch (form) {
    case 15: {
        const double V = u.V;
        return geteilt(A * V / H + A, std::exp((V + H) / S) + D);
    }
    case 27:
        return A / D;    // D = 0 gives the division's infinity; callers carry on with it
    case 28:
        return geteilt(A, std::exp((u.V + H) / S) + D);
    case 31:
        return 1.0 / D;
    case 32:
        return A;

    case 101: {    // user channels: E is their auxiliary parameter; never below 0
        const double nenner = std::exp((u.V - H) / (-S)) + D;
        if (nenner == 0.0) {
            laufFehler(formdetail::divisionDurchNull);
            return 0.0;
        }
        const double wert = E - A / nenner;
        return wert < 0.0 ? 0.0 : wert;
    }
    // fixed half-activation voltages and slopes (V); only A and D come from the caller
    case 102:
        return A / (std::exp((-u.V - 0.0255) / 0.00529) + D);
    case 103:
        return 1.32 - A / (std::exp((-0.12 - u.V) / 0.025) + D);
    case 104:
        return A / (std::exp((u.V + 0.0489) / 0.00518) + D);
    case 105: {
        const double V = u.V;
        return 0.67 * A / (std::exp((-0.0629 - V) / 0.01) + D)
               * (A / (std::exp((V + 0.0349) / 0.0036) + D) + 1.5);
    }
    default:
        laufFehler(ungueltigeForm);
        return 0.0;
    }
}
