// model/gb.cpp - the Golowasch-Buchholz step with its own Ca pool
#include "model/gb.h"
#include "core/status.h"
#include "model/formen.h"
#include "model/integration.h"
#include "model/netz.h"
#include "model/modell_gemeinsam.h"
#include "model/simulationsparameter.h"
#include "model/zahlen.h"
#include <cmath>

namespace {
double form(FormSpannungen u, double f, double A, double H, double S, double D)
{
    return funktionaleFormBerechnen(ganzeZahl(f), A, H, S, D, 0.0, u);
}
// dx/dt = f2*(f1 - x): steady state and rate
void ruheUndRate(double& x, double f1, double f2, int methode, double T)
{
    x = integrationsSchritt(methode, x, f2, f2 * f1, T);
}
// the steady state f1 = form(i; 1, P[i+1], P[i+2], 1) and the rate f2 = form(i+3; 1, 0, 1, P[i+4])
void fuenferTor(const ParameterVektor& P, int i, double& x, FormSpannungen u, int methode, double T)
{
    ruheUndRate(x, form(u, P[i], 1.0, P[i + 1], P[i + 2], 1.0), form(u, P[i + 3], 1.0, 0.0, 1.0, P[i + 4]), methode, T);
}
double pot(double x, double p) { return potenz(x, ganzeZahl(p)); }
}

void golowaschBuchholzModellBerechnen(NeuronDaten& n)
{
    // work values on the stack
    PassivSchritt s;
    if (!schrittBeginnen(n, s))
        return;
    const ParameterVektor& P = n.parameter;
    const auto [methode, T, t] = laufWerte();
    const double V0 = n.potentiale[0];
    const FormSpannungen u{V0, synapsenPotential};
    auto& x = n.torVariable;
    auto& I = n.kanalStrom;
    // channel 1, m and h by rates
    {
        const double a = form(u, P[par::Gb1MAlpha], P[par::Gb1MAlpha + 1], P[par::Gb1MAlpha + 2], P[par::Gb1MAlpha + 3], 1.0);
        const double b = form(u, P[par::Gb1MBeta], P[par::Gb1MBeta + 1], P[par::Gb1MBeta + 2], P[par::Gb1MBeta + 3], 0.0);
        x[0] = integrationsSchritt(methode, x[0], a + b, a, T);
        const double c = form(u, P[par::Gb1HAlpha], P[par::Gb1HAlpha + 1], P[par::Gb1HAlpha + 2], P[par::Gb1HAlpha + 3], 0.0);
        const double d = form(u, P[par::Gb1HBeta], P[par::Gb1HBeta + 1], P[par::Gb1HBeta + 2], P[par::Gb1HBeta + 3], 1.0);
        x[1] = integrationsSchritt(methode, x[1], c + d, c, T);
    }
    const double G1 = pot(x[0], P[par::Gb1MPotenz]) * pot(x[1], P[par::Gb1HPotenz]);
    I[0] = (P[par::Gb1E] - V0) * G1 * P[par::Gb1G];
    // channel 2, n by steady state and time constant
    {
        const double f1 = form(u, P[par::Gb2NF1], P[par::Gb2NF1 + 1], P[par::Gb2NF1 + 2], P[par::Gb2NF1 + 3], 1.0);
        const double f2 = form(u, P[par::Gb2NF2], P[par::Gb2NF2 + 1], P[par::Gb2NF2 + 2], P[par::Gb2NF2 + 3], 1.0);
        x[2] = integrationsSchritt(methode, x[2], 1.0 / f2, f1 / f2, T);
    }
    const double G2 = pot(x[2], P[par::Gb2NPotenz]);
    I[1] = (P[par::Gb2E] - V0) * G2 * P[par::Gb2G];
    // Ca pool from the Ca currents of the previous step; no check of the value (a pool
    // at or below 0 gives an infinite or NaN potential and the run goes on)
    n.caKonzentration = integrationsSchritt(methode, n.caKonzentration, P[par::GbCaAbbau],
                                            P[par::GbCaAbbau] * P[par::GbCaHintergrund]
                                                + (I[4] + I[5]) * P[par::GbCaFaktor], T);
    n.caPotential = caNernstFaktor * P[par::GbTemperatur] * std::log(P[par::GbCaAussen] / n.caKonzentration);
    I[2] = n.caKonzentration;
    // channels 4 and 5 (Ca)
    fuenferTor(P, par::Gb4Akt, x[6], u, methode, T);
    fuenferTor(P, par::Gb4Inakt, x[8], u, methode, T);
    const double G4 = pot(x[6], P[par::Gb4AktPotenz]) * pot(x[8], P[par::Gb4InaktPotenz]);
    I[4] = (n.caPotential - V0) * G4 * P[par::Gb4G];
    fuenferTor(P, par::Gb5Tor, x[9], u, methode, T);
    const double G5 = pot(x[9], P[par::Gb5Potenz]);
    I[5] = (n.caPotential - V0) * G5 * P[par::Gb5G];
    // channel 3: the mixing factor chooses b1 below P173 and b2 above it
    fuenferTor(P, par::Gb3A, x[3], u, methode, T);
    fuenferTor(P, par::Gb3B1, x[4], u, methode, T);
    {
        const int i = par::Gb3B2;
        ruheUndRate(x[5], form(u, P[i], 1.0, P[i + 1], P[i + 2], 1.0), form(u, P[i + 3], P[i + 4], P[i + 5], P[i + 6], 1.0),
                    methode, T);
    }
    n.gbMischfaktor = 1.0 / (std::exp((V0 - P[par::GbMischHalbspannung]) / P[par::GbMischSteigung]) + 1.0);
    const double G3 = pot(x[3], P[par::Gb3APotenz])
                      * (pot(x[4], P[par::Gb3B1Potenz]) * n.gbMischfaktor
                         + (1.0 - n.gbMischfaktor) * pot(x[5], P[par::Gb3B2Potenz]));
    I[3] = (P[par::Gb3E] - V0) * G3 * P[par::Gb3G];
    // channel 6, K(Ca)
    {
        const double ca = n.caKonzentration;
        const int i = par::Gb6Akt;
        const double f1 = form(u, P[i], 1.0, P[i + 1] - P[i + 7] * ca, P[i + 2], 1.0);
        const double f2 = form(u, P[i + 3], 1.0, P[i + 4] - P[i + 7] * ca, P[i + 5], 1.0);
        const double k = 1.0 / P[i + 6];
        x[10] = integrationsSchritt(methode, x[10], k, k * f1 * f2 * ca / (P[i + 8] + ca), T);
        const int j = par::Gb6Inakt;
        ruheUndRate(x[11], form(u, P[j], P[j + 1], 0.0, 1.0, P[j + 2] + ca), form(u, P[j + 3], 1.0, 0.0, 1.0, P[j + 4]),
                    methode, T);
    }
    const double G6 = pot(x[10], P[par::Gb6AktPotenz]) * pot(x[11], P[par::Gb6InaktPotenz]);
    I[6] = (P[par::Gb6E] - V0) * G6 * P[par::Gb6G];
    // channels 7 and 8
    {
        const int i = par::Gb7Tor;
        ruheUndRate(x[12], form(u, P[i], 1.0, P[i + 1], P[i + 2], 1.0),
                    form(u, P[i + 3], 1.0 / P[i + 4], P[i + 5], P[i + 6], 1.0), methode, T);
    }
    const double G7 = pot(x[12], P[par::Gb7Potenz]);
    I[7] = (P[par::Gb7E] - V0) * G7 * P[par::Gb7G];
    fuenferTor(P, par::Gb8Tor, x[13], u, methode, T);
    const double G8 = pot(x[13], P[par::Gb8Potenz]);
    I[8] = (P[par::Gb8E] - V0) * G8 * P[par::Gb8G];
    // stimulus cursors, noise, injected soma currents
    reizUndRauschen(n, s, t, T);
    // soma and segments
    const auto& gE = n.leitwertMalPotential;
    n.synStromSumme = n.synStromChemisch[0] + n.synStromElektrisch[0];
    n.eingangSumme = n.synStromSumme + s.somaStroeme + n.rauschStrom + n.leckTerm + gE[6] * G1 + gE[7] * G2
                     + n.caPotential * P[par::Gb4G] * G4 + n.caPotential * P[par::Gb5G] * G5 + gE[8] * G3
                     + gE[9] * G6 + gE[10] * G7 + gE[11] * G8;
    double L = P[par::SomaLeitwert];
    if (s.mitDendriten) {
        n.eingangSumme += n.potentiale[1] * P[par::SomaDendritKopplung];
        L = n.somaLeitwert;
    }
    s.b[0] = (P[par::Gb1G] * G1 + L + P[par::Gb2G] * G2 + P[par::Gb4G] * G4 + P[par::Gb5G] * G5 + P[par::Gb3G] * G3
              + P[par::Gb6G] * G6 + P[par::Gb7G] * G7 + P[par::Gb8G] * G8)
             / P[par::SomaKapazitaet];
    s.a[0] = n.eingangSumme / P[par::SomaKapazitaet];
    dendritKoeffizienten(n, s, t);
    // every compartment integrated
    kompartimenteIntegrieren(n, s, methode, T);
    // the soma counts its action potentials
    apZaehlen(n, V0, P[par::GbSchwelle]);
}
