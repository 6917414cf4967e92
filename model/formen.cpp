// model/formen.cpp - the numbered rate and steady-state formulas
#include "model/formen.h"
#include "core/status.h"
#include "core/fehler.h"
#include <cmath>

double synapsenPotential = 0.0;

namespace {

constexpr int ungueltigeForm = 130;
constexpr int divisionDurchNull = 131;

// One message per run: the first error shows its text, every error stops the run after
// this step.
[[gnu::cold, gnu::noinline]] void laufFehler(int code)
{
    if (!laufZustand.abbrechen)
        fehlerMelden(code);
    laufZustand.abbrechen = 1;
}

// a NaN denominator is not 0.0 and divides normally
inline double geteilt(double zaehler, double nenner)
{
    if (nenner == 0.0) {
        laufFehler(divisionDurchNull);
        return 0.0;
    }
    return zaehler / nenner;
}

// A*(V-H) / (D - exp(+-(V-H)/S)): at a zero denominator with the numerator near 0 the
// formula has a finite limit, +-A*S at D = 1, which stands in for it; with the numerator
// away from 0 it is a pole and stops the run. The limit is worked out only when needed.
inline double linoid(double zaehler, double nenner, double A, double H, double S, double D,
                     double grenzwertVorzeichen)
{
    if (nenner != 0.0)
        return zaehler / nenner;
    if (!(std::fabs(zaehler) <= 0.001 * std::fabs(A * H)))
        laufFehler(divisionDurchNull);
    return grenzwertVorzeichen * A * S / D;
}

} // namespace

double funktionaleFormBerechnen(int form, double A, double H, double S, double D, double E, FormSpannungen u)
{
    switch (form) {
    case 1:
    case 6:
        return A * (std::exp((u.V - H) / S) + D);
    case 2:
    case 3:
        return A * (std::exp((u.V - H) / (-S)) + D);
    case 4:
        return (std::exp((u.V - H) / S) + D) / A;
    case 5:
        return (std::exp((u.V - H) / (-S)) + D) / A;

    // The limit at V = H (D = 1) is -A*S for 11 and +A*S for the others: 1 - exp(x/S)
    // goes as -x/S. The opposite signs would make an opening rate negative for one step.
    case 11: {
        const double V = u.V;
        return linoid(A * (V - H), D - std::exp((V - H) / S), A, H, S, D, -1.0);
    }
    case 12: {
        const double V = u.V;
        return linoid(A * (V - H), D - std::exp((V - H) / (-S)), A, H, S, D, +1.0);
    }
    case 13: {
        const double V = u.V;
        return linoid(A * (H - V), D - std::exp((V - H) / S), A, H, S, D, +1.0);
    }
    case 14: {
        const double V = u.V;
        return geteilt(A * (H - V), D - std::exp((V - H) / (-S)));
    }
    case 15: {
        const double V = u.V;
        return geteilt(A * V / H + A, std::exp((V + H) / S) + D);
    }
    case 16: {
        const double Vs = u.Vs;
        return linoid(A * (Vs - H), D - std::exp((Vs - H) / (-S)), A, H, S, D, +1.0);
    }
    case 17: {
        const double Vs = u.Vs;
        return linoid(A * (H - Vs), D - std::exp((Vs - H) / S), A, H, S, D, +1.0);
    }

    case 21:
        return geteilt(A, std::exp((u.V - H) / S) + D);
    case 22:
        return geteilt(A, D - std::exp((u.V - H) / (-S)));
    case 23:
        return geteilt(A, std::exp((u.V - H) / (-S)) + D);
    case 24:
        return geteilt(1.0, std::exp((u.V - H) / S) + D);
    case 25:
        return geteilt(1.0, std::exp((u.V - H) / (-S)) + D);
    case 26:
        return geteilt(A, D - std::exp((u.V - H) / S));
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
            laufFehler(divisionDurchNull);
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
