// model/izhikevich.cpp - the two-variable Izhikevich neuron (mV, ms, nA)
#include "model/izhikevich.h"
#include "model/neuron.h"
#include "model/simulationsparameter.h"

namespace {

constexpr double untereGrenze = -120.0;   // mV: at or below it the neuron is reset to c

// what both variants do first: the Euler step of v and u from the current values
void eulerSchritt(NeuronDaten& n, double strom)
{
    const double h = simulationsParameter.izhikevichSchrittweite;
    n.izVNeu = n.izV + h * (0.04 * n.izV * n.izV + 5.0 * n.izV + 140.0 - n.izU + strom);
    n.izUNeu = n.izU + h * n.izA * (n.izB * n.izV - n.izU);   // with the old v
}

// take the new values
double uebernehmen(NeuronDaten& n)
{
    n.izV = n.izVNeu;
    n.izU = n.izUNeu;
    return n.izVNeu;
}

// a potential that ran away downwards is reset, then 5.
double nachUntenBegrenzenUndUebernehmen(NeuronDaten& n)
{
    if (n.izVNeu <= untereGrenze) {
        n.izVNeu = n.izC;
        n.izUNeu -= n.izD;
    }
    return uebernehmen(n);
}

} // namespace

double izhikevichSchritt(NeuronDaten* neuron, double strom)
{
    NeuronDaten& n = *neuron;
    // Euler step
    eulerSchritt(n, strom);
    // peak reached: reset in the same step
    if (n.izVNeu >= n.izSpitze) {
        n.izVNeu = n.izC;
        n.izUNeu += n.izD;
        return uebernehmen(n);
    }
    return nachUntenBegrenzenUndUebernehmen(n);
}

double izhikevichSchrittKorrigiert(NeuronDaten* neuron, double strom)
{
    NeuronDaten& n = *neuron;
    // the reset the previous step owes
    if (n.izSpitzeAusstehend != 0.0) {
        n.izVNeu = n.izC;
        n.izUNeu += n.izD;
        n.izV = n.izVNeu;
        n.izU = n.izUNeu;
        n.izSpitzeAusstehend = 0.0;
    }
    // Euler step from the current v and u
    eulerSchritt(n, strom);
    // peak reached: show it for one step, the reset follows
    if (n.izVNeu >= n.izSpitze) {
        n.izVNeu = n.izSpitze;
        n.izSpitzeAusstehend = 1.0;
        return uebernehmen(n);
    }
    return nachUntenBegrenzenUndUebernehmen(n);
}

void izhikevichStandardwerte(NeuronDaten& n)
{
    n.izA = 0.02;
    n.izB = 0.2;
    n.izC = -65.0;
    n.izD = 8.0;
    n.izVStart = -70.0;
    n.izVNeu = 0.0;
    n.izUStart = -20.0;
    n.izUNeu = 0.0;
    n.izSpitze = 30.0;
}

void izhikevichVorbereiten(NeuronDaten& n)
{
    // an unset neuron gets the default set
    if (n.izA <= 0.0)
        izhikevichStandardwerte(n);
    // start values
    n.izV = n.izVStart;
    n.izU = n.izUStart;
    // the step function of the correction flag
    n.izhikevichSchrittFunktion = n.izhikevichKorrigieren != 0 ? izhikevichSchrittKorrigiert : izhikevichSchritt;
}
