// model/kca.cpp - the K(Ca) record's Ca pool and channels for SWIM neurons
#include "model/kca.h"
#include "model/formen.h"
#include "model/gb.h"
#include "model/integration.h"
#include "model/neuron.h"
#include "model/modell_gemeinsam.h"
#include "model/simulationsparameter.h"
#include "model/zahlen.h"
#include "model/zeitschleife.h"
#include <cmath>

namespace {
// a gate by steady state f1 = form(alpha; rate, v0, step, 1) and rate f2 = form(beta; ...)
void kcaTorSchritt(const KCaTor& g, double& x, FormSpannungen u, int methode, double T)
{
    const double f1 = funktionaleFormBerechnen(ganzeZahl(g.formAlpha), g.rateAlpha, g.v0Alpha, g.schrittAlpha, 1.0, 0.0,
                                               u);
    const double f2 = funktionaleFormBerechnen(ganzeZahl(g.formBeta), g.rateBeta, g.v0Beta, g.schrittBeta, 1.0, 0.0, u);
    x = integrationsSchritt(methode, x, f2, f2 * f1, T);
}
double pot(double x, double p) { return potenz(x, ganzeZahl(p)); }

}

void caKanaeleBerechnen(NeuronDaten& n, KCaKanal& k)
{
    const int methode = simulationsParameter.integrationsmethode;
    const double T = simulationsParameter.schrittweite;
    const double V0 = n.potentiale.empty() ? 0.0 : n.potentiale[0];
    const FormSpannungen u{V0, synapsenPotential};
    auto& x = n.torVariable;
    auto& I = n.kanalStrom;
    // the pool, fed by the Ca currents of the previous step
    double& ca = n.caKonzentration;
    ca = integrationsSchritt(methode, ca, k.caAbbau, k.caAbbau * k.caHintergrund + (I[4] + I[5]) * k.zellvolumenKonstante, T);
    // the Ca reversal potential from the pool
    n.caPotential = caNernstFaktor * k.temperatur * std::log(k.caAussen / ca);
    // Ca channel 1
    kcaTorSchritt(k.tore[0], x[7], u, methode, T);
    kcaTorSchritt(k.tore[1], x[8], u, methode, T);
    k.oeffnungCa1 = pot(x[7], k.tore[0].potenz) * pot(x[8], k.tore[1].potenz);
    I[4] = (n.caPotential - V0) * k.oeffnungCa1 * k.gCa1;
    // Ca channel 2
    kcaTorSchritt(k.tore[2], x[9], u, methode, T);
    k.oeffnungCa2 = pot(x[9], k.tore[2].potenz);
    I[5] = (n.caPotential - V0) * k.oeffnungCa2 * k.gCa2;
    // K(Ca) activation, driven by the pool
    {
        const KCaTor& g = k.tore[3];
        const double rate = 1.0 / g.rateBeta;
        double a = 0.0;
        if (!k.spannungsabhaengig) {
            a = rate * ca / (g.hilfsParamBeta + ca);
        } else {
            const double f1 = funktionaleFormBerechnen(ganzeZahl(g.formAlpha), 1.0, g.v0Alpha - g.hilfsParamAlpha * ca,
                                                       g.schrittAlpha, 1.0, 0.0, u);
            const double f2 = funktionaleFormBerechnen(ganzeZahl(g.formBeta), 1.0, g.v0Beta - g.hilfsParamAlpha * ca,
                                                       g.schrittBeta, 1.0, 0.0, u);
            a = rate * f1 * f2 * ca / (g.hilfsParamBeta + ca);
        }
        x[10] = integrationsSchritt(methode, x[10], rate, a, T);
    }
    // K(Ca) inactivation
    if (!k.mitInaktivierung) {
        x[11] = 1.0;
    } else {
        const KCaTor& g = k.tore[4];
        const double f1 = funktionaleFormBerechnen(ganzeZahl(g.formAlpha), g.hilfsParamAlpha, 0.0, 1.0,
                                                   g.hilfsParamBeta + ca, 0.0, u);
        const double f2 = funktionaleFormBerechnen(ganzeZahl(g.formBeta), 1.0, 0.0, 1.0, g.rateBeta, 0.0, u);
        x[11] = integrationsSchritt(methode, x[11], f2, f2 * f1, T);
    }
    // the K(Ca) channel's opening
    k.oeffnungKCa = pot(x[10], k.tore[3].potenz) * pot(x[11], k.tore[4].potenz);
    // what the SWIM step adds to its numerator and its conductance sum
    k.summeGE = n.caPotential * k.gCa1 * k.oeffnungCa1 + n.caPotential * k.gCa2 * k.oeffnungCa2
                + n.leitwertMalPotential[9] * k.oeffnungKCa;
    k.summeG = k.gCa1 * k.oeffnungCa1 + k.gCa2 * k.oeffnungCa2 + k.gKCa * k.oeffnungKCa;
    // the displayed K(Ca) current, or its opening scaled to a current
    I[6] = k.oeffnungAnzeigen ? k.oeffnungKCa * k.gKCa * (-0.03) : n.leitwertMalPotential[9] * k.oeffnungKCa;
}

void kcaLaufwerteSetzen(NeuronDaten& n)
{
    if (!n.kca)
        return;
    const KCaKanal& k = *n.kca;
    n.leitwertMalPotential[9] = k.eKCa * k.gKCa;
    n.caPotential = 0.0;
    n.kanalStrom[2] = n.kanalStrom[4] = n.kanalStrom[5] = n.kanalStrom[6] = 0.0;
    n.caKonzentration = k.caStart;
    auto& x = n.torVariable;
    x[7] = k.cStart;
    x[8] = k.dStart;
    x[9] = k.eStart;
    x[10] = k.pStart;
    x[11] = k.qStart;
}
