// model/swim.cpp - the SWIM step: gates, user channels, currents, the potential update
#include "model/swim.h"
#include "model/modell_gemeinsam.h"
#include "core/status.h"
#include "model/formen.h"
#include "model/integration.h"
#include "model/izhikevich.h"
#include "model/kca.h"
#include "model/netz.h"
#include "model/neuron.h"
#include "model/simulationsparameter.h"
#include "model/synapse.h"
#include "model/zahlen.h"
#include "model/zufall.h"
#include <algorithm>
#include <array>
#include <cmath>

namespace {

using KompartimentWerte = KompartimentFeld;

// one gate of P[alpha..alpha+3], P[beta..beta+3] advanced in place
void torSchritt(const ParameterVektor& P, int alpha, int beta, double& x, FormSpannungen u, int methode, double T)
{
    const double a = funktionaleFormBerechnen(ganzeZahl(P[alpha + tor::Form]), P[alpha + tor::Rate],
                                              P[alpha + tor::Halbwert], P[alpha + tor::Steigung], 1.0, 0.0, u);
    const double b = funktionaleFormBerechnen(ganzeZahl(P[beta + tor::Form]), P[beta + tor::Rate],
                                              P[beta + tor::Halbwert], P[beta + tor::Steigung], 1.0, 0.0, u);
    x = integrationsSchritt(methode, x, a + b, a, T);
}

// the current of one step from a compartment's table, when the compartment has one
double tabellenStrom(NeuronDaten& n, int c, double t)
{
    if (c < 0 || c >= static_cast<int>(n.stromTabellen.size()))
        return 0.0;
    return stromAusTabelle(n.stromTabellen[c], t);
}

void rauschenSchritt(NeuronDaten& n, double T)
{
    if (simulationsParameter.rauschenEin && n.rauschenAn) {
        n.rauschZustand = std::exp(-T / n.rauschAbklingzeit) * n.rauschZustand
                          + zufallszahlPoisson(T, n.rauschHaeufigkeit);
        n.rauschStrom = n.rauschZustand * n.rauschIntensitaet;
    } else {
        n.rauschStrom = 0.0;
    }
}

// The user channels, computed after the membrane currents; adds their currents to ionenStromSumme.
void benutzerKanaeleBerechnen(NeuronDaten& n, FormSpannungen u, int methode, double T)
{
    const double V0 = u.V;
    BenutzerKanal* gehalten = nullptr;   // an activation channel waiting for its deactivation
    for (BenutzerKanal& k : n.benutzerKanaele) {
        // a. switched off; a mode outside 1-3 has no rates and counts as off too
        const bool modusGueltig = k.berechnungsmodus >= 1 && k.berechnungsmodus <= 3;
        if (k.leitfaehigkeit <= 0.0 || !modusGueltig) {
            k.oeffnung = 0.0;
            k.strom = 0.0;
        } else {
            // b. gate by the channel's mode, opening and current
            const double f1 = funktionaleFormBerechnen(ganzeZahl(k.alpha[0]), k.alpha[1], k.alpha[2], k.alpha[3],
                                                       1.0, k.hilfsparameterAlpha, u);
            const double f2 = funktionaleFormBerechnen(ganzeZahl(k.beta[0]), k.beta[1], k.beta[2], k.beta[3],
                                                       1.0, k.hilfsparameterBeta, u);
            double a = 0.0, b = 0.0;
            switch (k.berechnungsmodus) {
            case 1: b = f1 + f2; a = f1; break;              // rates
            case 2: b = f2; a = f2 * f1; break;               // steady state and rate
            default: b = 1.0 / f2; a = f1 / f2; break;        // steady state and time constant
            }
            k.torWert = integrationsSchritt(methode, k.torWert, b, a, T);
            k.oeffnung = potenz(k.torWert, ganzeZahl(k.potenz));
            if (k.stromUeberSynapse)   // an unlinked synapse releases nothing
                k.oeffnung *= k.synapse ? k.synapse->kanalFreisetzung : 0.0;
            k.strom = (k.gleichgewichtspotential - V0) * k.oeffnung * k.leitfaehigkeit;
        }
        // c. the held activation channel takes this one's opening as a factor
        if (gehalten) {
            gehalten->oeffnung *= k.oeffnung;
            gehalten->strom = (gehalten->gleichgewichtspotential - V0) * gehalten->oeffnung * gehalten->leitfaehigkeit;
            k.oeffnung = 0.0;
            k.strom = 0.0;
            gehalten = nullptr;
        }
        // d. an activation channel waits for the next record
        if (k.aktivierungMitDeaktivierung == 1)
            gehalten = &k;
        // e.
        n.ionenStromSumme += k.strom;
    }
}

} // namespace

int swimKoeffizienten(NeuronDaten& n, int kompartimente, double gNa, double gK, double gCa, KompartimentFeld& a,
                      KompartimentFeld& b)
{
    const ParameterVektor& P = n.parameter;
    const auto [methode, T, t] = laufWerte();
    const double V0 = n.potentiale[0];
    const FormSpannungen spannung{V0, synapsenPotential};
    const int segmente = kompartimente - 1;

    // the channel currents; a channel switched off carries none
    n.kanalStrom[0] = P[par::SwimNaG] <= 0.0 ? 0.0 : (P[par::SwimNaE] - V0) * gNa * P[par::SwimNaG];
    n.kanalStrom[1] = P[par::SwimKG] <= 0.0 ? 0.0 : (P[par::SwimKE] - V0) * gK * P[par::SwimKG];
    n.kanalStrom[2] = P[par::SwimCaG] <= 0.0 ? 0.0 : (P[par::SwimCaE] - V0) * gCa * P[par::SwimCaG];
    // Ca pool and K(Ca)
    double aKCa = 0.0, gKCa = 0.0;
    if ((n.kcaModus & 1) && n.kca) {
        caKanaeleBerechnen(n, *n.kca);
        aKCa = n.kca->summeGE;
        gKCa = n.kca->summeG;
    }
    // the sum of the ionic currents
    n.ionenStromSumme = n.kanalStrom[0] + n.kanalStrom[1] + n.kanalStrom[2] + aKCa;
    // user channels
    if (!n.benutzerKanaele.empty())
        benutzerKanaeleBerechnen(n, spannung, methode, T);
    // every table's cursor moves at most one point; its current is kept for 9 and 11
    KompartimentWerte reizStrom{};
    for (int c = 0; c < kompartimente; ++c)
        reizStrom[c] = tabellenStrom(n, c, t);
    // noise
    rauschenSchritt(n, T);
    // the three injected currents of the soma
    const double somaStroeme = (imFenster(t, n.somaSCStart, n.somaSCEnd) ? n.somaCurrent : 0.0)
                               + (imFenster(t, n.dendStartAmSoma, n.dendEndeAmSoma) ? n.dendStromAmSoma : 0.0)
                               + reizStrom[0];
    // soma coefficients; the dendrite counts only where the neuron has segments
    const bool mitDendriten = n.kompartimentSchalter[0] != 0 && segmente > 0;
    const double sSyn = n.synStromChemisch[0] + n.synStromElektrisch[0];
    n.synStromSumme = sSyn;
    double u = 0.0, w = 0.0;
    for (const BenutzerKanal& k : n.benutzerKanaele)
        if (k.oeffnung != 0.0) {
            u += k.oeffnung * k.eMalG;
            w += k.oeffnung * k.leitfaehigkeit;
        }
    n.eingangSumme = sSyn + somaStroeme + n.rauschStrom + n.leckTerm + n.leitwertMalPotential[0] * gNa
                     + n.leitwertMalPotential[1] * gK + n.leitwertMalPotential[3] * gCa + aKCa + u;
    const double kanalLeitwert = P[par::SwimNaG] * gNa + P[par::SwimKG] * gK + P[par::SwimCaG] * gCa + w + gKCa;
    if (mitDendriten) {
        n.eingangSumme += n.potentiale[1] * P[par::SomaDendritKopplung];
        b[0] = (kanalLeitwert + n.somaLeitwert) / P[par::SomaKapazitaet];
    } else {
        b[0] = (kanalLeitwert + P[par::SomaLeitwert]) / P[par::SomaKapazitaet];
    }
    a[0] = n.eingangSumme / P[par::SomaKapazitaet];
    // segment coefficients from the old potentials. Without dendrites the segments are
    // neither computed nor updated, so no coefficient is used unset.
    const int letztesKompartiment = mitDendriten ? segmente : 0;
    segmentKoeffizienten(n, letztesKompartiment, segmente, reizStrom, a, b, t);
    return letztesKompartiment;
}

bool swimKlemmen(NeuronDaten& n, int kompartimente)
{
    const Spannungsklemme& klemme = n.klemme;
    if (!(klemme.flags & 0x1))
        return false;
    const double t = laufZustand.t;
    const double v = t < klemme.pulsBeginn ? klemme.startSpannung
                     : t < klemme.pulsEnde ? klemme.pulsSpannung
                                           : klemme.endSpannung;
    for (int c = 0; c < kompartimente; ++c)
        n.potentiale[c] = v;
    return true;
}

void swimBegrenzen(NeuronDaten& n, int letztes)
{
    // clipping exists for the soma and segments 1-3 only
    const Potentialbegrenzung& g = n.begrenzung;
    if (!g.an)
        return;
    for (int c = 0; c <= letztes && c < static_cast<int>(g.kompartimentAn.size()); ++c) {
        if (!g.kompartimentAn[c])
            continue;
        double& v = n.potentiale[c];
        if ((g.art[c] & 0x4) && v < g.unten[c])
            v = g.unten[c];
        if ((g.art[c] & 0x2) && v > g.oben[c])
            v = g.oben[c];
    }
}

void swimNachDenToren(NeuronDaten& n, int kompartimente, double gNa, double gK, double gCa)
{
    KompartimentFeld a{}, b{};
    const int letztes = swimKoeffizienten(n, kompartimente, gNa, gK, gCa, a, b);
    // update in order 0..n, or the clamp potentials; each compartment's update reads only
    // its own coefficients, so the clipping may follow them all
    if (swimKlemmen(n, kompartimente))
        return;
    const auto [methode, T, t] = laufWerte();
    for (int c = 0; c <= letztes; ++c)
        n.potentiale[c] = integrationsSchritt(methode, n.potentiale[c], b[c], a[c], T);
    swimBegrenzen(n, letztes);
}

void swimIzhikevichPfad(NeuronDaten& n, int kompartimente)
{
    const double t = laufZustand.t;
    // the soma's table
    double strom = tabellenStrom(n, 0, t) * 1e9;
    // the segments' tables count when more than one compartment is stimulated; only
    // segments 1-3 have definitions
    if (n.gereizteKompartimente > 1) {
        const int bis = std::min(kompartimente - 1, reizDefinitionen - 1);
        for (int c = 1; c <= bis; ++c)
            if (n.stromreize[c].an)
                strom += tabellenStrom(n, c, t) * 1e9;
    }
    // noise
    rauschenSchritt(n, simulationsParameter.schrittweite);
    strom += n.rauschStrom * 1e9;
    // synapses and the server's current
    strom += (n.synStromChemisch[0] + n.synStromElektrisch[0]) * 1e9 + n.serverStrom;
    // mV to V; the run preparation chooses the step, a neuron not prepared takes the plain one
    const auto schritt = n.izhikevichSchrittFunktion ? n.izhikevichSchrittFunktion : izhikevichSchritt;
    n.potentiale[0] = schritt(&n, strom) / 1000.0;
}

void swimToreBerechnen(NeuronDaten& n, double& gNa, double& gK, double& gCa)
{
    const ParameterVektor& P = n.parameter;
    const auto [methode, T, t] = laufWerte();
    const FormSpannungen spannung{n.potentiale[0], synapsenPotential};
    // the gates of the channels switched on
    gNa = gK = gCa = 0.0;
    if (!(P[par::SwimNaG] <= 0.0)) {
        torSchritt(P, par::SwimMAlpha, par::SwimMBeta, n.torVariable[0], spannung, methode, T);
        torSchritt(P, par::SwimHAlpha, par::SwimHBeta, n.torVariable[1], spannung, methode, T);
        gNa = potenz(n.torVariable[0], ganzeZahl(P[par::SwimMPotenz]))
              * potenz(n.torVariable[1], ganzeZahl(P[par::SwimHPotenz]));
    }
    if (!(P[par::SwimKG] <= 0.0)) {
        torSchritt(P, par::SwimNAlpha, par::SwimNBeta, n.torVariable[2], spannung, methode, T);
        gK = potenz(n.torVariable[2], ganzeZahl(P[par::SwimNPotenz]));
    }
    if (!(P[par::SwimCaG] <= 0.0)) {
        torSchritt(P, par::SwimCAlpha, par::SwimCBeta, n.torVariable[6], spannung, methode, T);
        gCa = potenz(n.torVariable[6], ganzeZahl(P[par::SwimCPotenz]));
    }
}

void swimModellBerechnen(NeuronDaten& n)
{
    const int kompartimente = passivKompartimente(n);
    if (kompartimente < 1)
        return;
    const double v0 = n.potentiale[0];
    if (n.izhikevichAktiv) {
        swimIzhikevichPfad(n, kompartimente);
    } else {
        double gNa, gK, gCa;
        swimToreBerechnen(n, gNa, gK, gCa);
        swimNachDenToren(n, kompartimente, gNa, gK, gCa);
    }
    swimSpikesBehandeln(n, v0, n.potentiale[0], laufZustand.t);
}
