// model/hh.cpp - the Hodgkin-Huxley step
#include "model/hh.h"
#include "core/status.h"
#include "model/formen.h"
#include "model/integration.h"
#include "model/netz.h"
#include "model/modell_gemeinsam.h"
#include "model/simulationsparameter.h"
#include "model/zahlen.h"

namespace {
// a gate by rates; the D of each form is fixed by the gate
void torSchritt(const ParameterVektor& P, int alpha, double dAlpha, int beta, double dBeta, double& x,
                FormSpannungen u, int methode, double T)
{
    const double a = funktionaleFormBerechnen(ganzeZahl(P[alpha + tor::Form]), P[alpha + tor::Rate],
                                              P[alpha + tor::Halbwert], P[alpha + tor::Steigung], dAlpha, 0.0, u);
    const double b = funktionaleFormBerechnen(ganzeZahl(P[beta + tor::Form]), P[beta + tor::Rate],
                                              P[beta + tor::Halbwert], P[beta + tor::Steigung], dBeta, 0.0, u);
    x = integrationsSchritt(methode, x, a + b, a, T);
}
}

void hodgkinHuxleyModellBerechnen(NeuronDaten& n)
{
    // work values on the stack
    PassivSchritt s;
    if (!schrittBeginnen(n, s))
        return;
    const ParameterVektor& P = n.parameter;
    const auto [methode, T, t] = laufWerte();
    auto& x = n.torVariable;
    // m
    const double V0 = n.potentiale[0];
    const FormSpannungen u{V0, synapsenPotential};
    torSchritt(P, par::HhMAlpha, 1.0, par::HhMBeta, 0.0, x[0], u, methode, T);
    // h
    torSchritt(P, par::HhHAlpha, 0.0, par::HhHBeta, 1.0, x[1], u, methode, T);
    // Na
    const double gNa = potenz(x[0], ganzeZahl(P[par::HhMPotenz])) * potenz(x[1], ganzeZahl(P[par::HhHPotenz]));
    n.kanalStrom[0] = (P[par::HhNaE] - V0) * gNa * P[par::HhNaG];
    // n and K
    torSchritt(P, par::HhNAlpha, 1.0, par::HhNBeta, 0.0, x[2], u, methode, T);
    const double gK = potenz(x[2], ganzeZahl(P[par::HhNPotenz]));
    n.kanalStrom[1] = (P[par::HhKE] - V0) * gK * P[par::HhKG];
    // the gates in current units, for the diagrams
    n.kanalStrom[4] = x[0] / 1e9;
    n.kanalStrom[5] = x[1] / 1e9;
    n.kanalStrom[6] = x[2] / 1e9;
    // stimulus cursors, noise, injected soma currents
    reizUndRauschen(n, s, t, T);
    // soma
    n.synStromSumme = n.synStromChemisch[0] + n.synStromElektrisch[0];
    n.eingangSumme = n.synStromSumme + s.somaStroeme + n.rauschStrom + n.hhLeckTerm
                     + n.leitwertMalPotential[4] * gNa + n.leitwertMalPotential[5] * gK;
    const double kanalLeitwert = P[par::HhNaG] * gNa + P[par::HhKG] * gK;
    if (s.mitDendriten) {
        n.eingangSumme += n.potentiale[1] * P[par::SomaDendritKopplung];
        s.b[0] = (kanalLeitwert + n.somaLeitwert) / P[par::SomaKapazitaet];
    } else {
        s.b[0] = (kanalLeitwert + P[par::SomaLeitwert]) / P[par::SomaKapazitaet];
    }
    s.a[0] = n.eingangSumme / P[par::SomaKapazitaet];
    dendritKoeffizienten(n, s, t);
    // every compartment integrated
    kompartimenteIntegrieren(n, s, methode, T);
    // the soma counts its action potentials
    apZaehlen(n, V0, P[par::HhSchwelle]);
}
