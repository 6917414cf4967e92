// model/kern_gb.cpp - the Golowasch-Buchholz neurons of a run, stepped together
//
// golowaschBuchholzModellBerechnen's step in passes over all neurons: the stimulus, noise
// and synaptic input of the neurons that have some, the Ca pool (from the Ca currents of the
// previous step), the rate forms of all gates, then in one pass the gates, currents and
// soma, then the segments. The forms' slots keep the order in which the step evaluates
// them, so the first error is the same; the mixing factor's exponential is the last slot, as
// form 24. A neuron whose gate powers the lanes do not select among takes the model's own
// step on its record, at its place in the chain.
#include "model/gb.h"
#include "model/kern.h"
#include "model/kern_basis.h"
#include "model/kern_felder.h"
#include "model/kern_gemeinsam.h"
#include "model/modell_gemeinsam.h"
#include "model/parameter.h"
#include <cmath>
#include <limits>
#include <vector>

namespace {

constexpr size_t formen = 27;
constexpr size_t tore = 14;   // x[0..13]; x[7] has no channel
// the slots whose H or D follow the Ca concentration, and the mixing factor's
constexpr size_t lane6AktF1 = 18, lane6AktF2 = 19, lane6InaktF1 = 20;

class GbKern final : public kern::KernBasis<GbKern, modell::GolowaschBuchholz, formen> {
    friend KernBasis;

public:
    template <int M>
    void operator()();

private:
    // the 27 forms of a neuron as its step evaluates them; H and D of the K(Ca) forms from
    // the neuron's Ca concentration
    static kern::FormAngaben angaben(const void* k, size_t g, size_t i)
    {
        const GbKern& kern = *static_cast<const GbKern*>(k);
        const ParameterVektor& P = kern.z.nr[i]->parameter;
        const double c = kern.ca[i];
        // steady state form(j; 1, P[j+1], P[j+2], 1), rate form(j+3; 1, 0, 1, P[j+4])
        const auto fuenfer = [&](int j, size_t r) -> kern::FormAngaben {
            if (r == 0)
                return {ganzeZahl(P[j]), 1.0, P[j + 1], P[j + 2], 1.0};
            return {ganzeZahl(P[j + 3]), 1.0, 0.0, 1.0, P[j + 4]};
        };
        const auto vierer = [&](int j, double D) -> kern::FormAngaben {
            return {ganzeZahl(P[j]), P[j + 1], P[j + 2], P[j + 3], D};
        };
        const int a6 = par::Gb6Akt, i6 = par::Gb6Inakt, t7 = par::Gb7Tor;
        switch (g) {
        case 0: return vierer(par::Gb1MAlpha, 1.0);
        case 1: return vierer(par::Gb1MBeta, 0.0);
        case 2: return vierer(par::Gb1HAlpha, 0.0);
        case 3: return vierer(par::Gb1HBeta, 1.0);
        case 4: return vierer(par::Gb2NF1, 1.0);
        case 5: return vierer(par::Gb2NF2, 1.0);
        case 6: case 7: return fuenfer(par::Gb4Akt, g - 6);
        case 8: case 9: return fuenfer(par::Gb4Inakt, g - 8);
        case 10: case 11: return fuenfer(par::Gb5Tor, g - 10);
        case 12: case 13: return fuenfer(par::Gb3A, g - 12);
        case 14: case 15: return fuenfer(par::Gb3B1, g - 14);
        case 16: return {ganzeZahl(P[par::Gb3B2]), 1.0, P[par::Gb3B2 + 1], P[par::Gb3B2 + 2], 1.0};
        case 17: return vierer(par::Gb3B2 + 3, 1.0);
        case 18: return {ganzeZahl(P[a6]), 1.0, P[a6 + 1] - P[a6 + 7] * c, P[a6 + 2], 1.0};
        case 19: return {ganzeZahl(P[a6 + 3]), 1.0, P[a6 + 4] - P[a6 + 7] * c, P[a6 + 5], 1.0};
        case 20: return {ganzeZahl(P[i6]), P[i6 + 1], 0.0, 1.0, P[i6 + 2] + c};
        case 21: return {ganzeZahl(P[i6 + 3]), 1.0, 0.0, 1.0, P[i6 + 4]};
        case 22: return {ganzeZahl(P[t7]), 1.0, P[t7 + 1], P[t7 + 2], 1.0};
        case 23: return {ganzeZahl(P[t7 + 3]), 1.0 / P[t7 + 4], P[t7 + 5], P[t7 + 6], 1.0};
        case 24: case 25: return fuenfer(par::Gb8Tor, g - 24);
        default: return {24, 1.0, P[par::GbMischHalbspannung], P[par::GbMischSteigung], 1.0};   // 1 / (exp((V - H) / S) + 1)
        }
    }
    void lanesAnlegen(size_t np)
    {
        std::vector<kern::LanenBlock::Eintrag> lanes;
        for (size_t j = 0; j < tore; ++j) {
            lanes.push_back({&x[j], np});
            lanes.push_back({&potenz[j], np});
        }
        for (size_t j = 0; j < 9; ++j)
            lanes.push_back({&I[j], np});
        for (size_t j = 0; j < 6; ++j)
            lanes.push_back({&gE[j], np});
        for (kern::Lanes* v : {&ca, &caPot, &misch, &e1, &g1, &e2, &g2, &e3, &g3, &g4, &g5, &e6, &g6, &e7, &g7, &e8,
                               &g8, &caAbbau, &caZufluss, &caFaktor, &k6, &L, &leck})
            lanes.push_back({v, np});
        lanes.push_back({&C, np, 1.0});
        lanes.push_back({&kd6, np, 1.0});
        lanes.push_back({&schwelle, np, std::numeric_limits<double>::quiet_NaN()});
        block.anlegen(lanes);
        form20.assign(np, 0);
    }
    void eigeneSchreiben(size_t i, NeuronDaten& n) const
    {
        for (size_t j = 0; j < tore; ++j)
            if (j != 7)
                n.torVariable[j] = x[j][i];
        for (size_t j = 0; j < 9; ++j)
            n.kanalStrom[j] = I[j][i];
        n.caKonzentration = ca[i];
        n.caPotential = caPot[i];
        n.gbMischfaktor = misch[i];
    }
    void laden(size_t i)
    {
        const NeuronDaten& n = *z.nr[i];
        const ParameterVektor& P = n.parameter;
        ca[i] = n.caKonzentration;
        form20[i] = ganzeZahl(P[par::Gb6Inakt]);
        for (size_t g = 0; g < formen; ++g) {
            const kern::FormAngaben a = angaben(this, g, i);
            f.setzen(g, i, a.nummer, a.A, a.H, a.S, a.D);
        }
        const int potenzen[tore] = {par::Gb1MPotenz, par::Gb1HPotenz, par::Gb2NPotenz, par::Gb3APotenz,
                                    par::Gb3B1Potenz, par::Gb3B2Potenz, par::Gb4AktPotenz, 0,
                                    par::Gb4InaktPotenz, par::Gb5Potenz, par::Gb6AktPotenz,
                                    par::Gb6InaktPotenz, par::Gb7Potenz, par::Gb8Potenz};
        int p[tore] = {};
        bool hoch = true;
        for (size_t j = 0; j < tore; ++j) {
            p[j] = potenzen[j] ? ganzeZahl(P[potenzen[j]]) : 0;
            hoch = hoch && kern::hochAufLanes(p[j]);
        }
        const bool eigen = !hoch;
        z.laden(i, eigen);
        for (size_t j = 0; j < tore; ++j)
            potenz[j][i] = eigen ? 0.0 : p[j];
        const bool mitDendriten = z.letztes[i] > 0;
        e1[i] = P[par::Gb1E]; g1[i] = P[par::Gb1G];
        e2[i] = P[par::Gb2E]; g2[i] = P[par::Gb2G];
        e3[i] = P[par::Gb3E]; g3[i] = P[par::Gb3G];
        g4[i] = P[par::Gb4G]; g5[i] = P[par::Gb5G];
        e6[i] = P[par::Gb6E]; g6[i] = P[par::Gb6G];
        e7[i] = P[par::Gb7E]; g7[i] = P[par::Gb7G];
        e8[i] = P[par::Gb8E]; g8[i] = P[par::Gb8G];
        caAbbau[i] = P[par::GbCaAbbau];
        caZufluss[i] = P[par::GbCaAbbau] * P[par::GbCaHintergrund];
        caFaktor[i] = P[par::GbCaFaktor];
        k6[i] = 1.0 / P[par::Gb6Akt + 6];
        kd6[i] = P[par::Gb6Akt + 8];
        C[i] = P[par::SomaKapazitaet];
        L[i] = mitDendriten ? n.somaLeitwert : P[par::SomaLeitwert];
        leck[i] = n.leckTerm;
        for (size_t j = 0; j < 6; ++j)
            gE[j][i] = n.leitwertMalPotential[6 + j];
        schwelle[i] = schwelleVon(n, eigen, P[par::GbSchwelle]);
        for (size_t j = 0; j < tore; ++j)
            x[j][i] = n.torVariable[j];
        for (size_t j = 0; j < 9; ++j)
            I[j][i] = n.kanalStrom[j];
        caPot[i] = n.caPotential;
        misch[i] = n.gbMischfaktor;
        LaufOrt& o = ortAnlegen(i);
        for (size_t j = 0; j < 9; ++j) {
            o.kanalStrom[j] = &I[j][i];
            o.kanalFaktor[j] = 1.0;
        }
        o.caKonzentration = &ca[i];
    }
    template <int M>
    int lanes(double T);
    template <int M>
    int einzeln(double T, double Vs);

    kern::Lanes x[tore], potenz[tore], I[9], gE[6];
    kern::Lanes ca, caPot, misch;
    kern::Lanes e1, g1, e2, g2, e3, g3, g4, g5, e6, g6, e7, g7, e8, g8;
    kern::Lanes caAbbau, caZufluss, caFaktor, k6, kd6, C, L, leck;   // and schwelle
    std::vector<int> form20;   // the form number of the K(Ca) inactivation's steady state
};

template <int M>
void GbKern::operator()()
{
    const double T = simulationsParameter.schrittweite;
    const double t = laufZustand.t;
    const double Vs = synapsenPotential;
    z.geschritten = true;
    vorlauf(t, T, golowaschBuchholzModellBerechnen);
    // the Ca pool from the Ca currents of the previous step (no check of the value: a pool at
    // or below 0 gives an infinite or NaN potential and the run goes on), its potential, and
    // the K(Ca) forms that follow it
    const bool wenige = z.N < kern::wenigeNeurone;
    if (!wenige)
        kern::gbCaSchritt(M, z.np, T, ca.data(), caAbbau.data(), caZufluss.data(), I[4].data(), I[5].data(),
                          caFaktor.data());
    for (size_t i = 0; i < z.N; ++i) {
        if (!z.aktiv[i])
            continue;
        const ParameterVektor& P = z.nr[i]->parameter;
        if (wenige)
            ca[i] = kern::schritt<M, true>(ca[i], caZufluss[i] + (I[4][i] + I[5][i]) * caFaktor[i], caAbbau[i], T);
        const double c = ca[i];
        caPot[i] = caNernstFaktor * P[par::GbTemperatur] * std::log(P[par::GbCaAussen] / c);
        I[2][i] = c;
        const int a6 = par::Gb6Akt;
        f.halbwertSetzen(lane6AktF1, i, P[a6 + 1] - P[a6 + 7] * c);
        f.halbwertSetzen(lane6AktF2, i, P[a6 + 4] - P[a6 + 7] * c);
        const double D = P[par::Gb6Inakt + 2] + c;
        if (f.fest(lane6InaktF1, i)) {
            // A / D, 1 / D or A, as funktionaleFormBerechnen computes them
            const double A = P[par::Gb6Inakt + 1];
            f.festSetzen(lane6InaktF1, i, form20[i] == 27 ? A / D : form20[i] == 31 ? 1.0 / D : A);
        } else {
            f.dSetzen(lane6InaktF1, i, D);
        }
    }
    int spikes = 0;
    if (wenige) {
        spikes = einzeln<M>(T, Vs);
    } else {
        f.berechnen(z.pot.data(), Vs, z.aktiv.data());
        spikes = lanes<M>(T);
    }
    // the segments, the soma's action potentials
    nachlauf<M>(t, T, spikes, [&](size_t i) { ++z.nr[i]->apAnzahl; });
}

template <int M>
int GbKern::lanes(double T)
{
    kern::GbLanes l{};
    l.V = z.pot.data();
    l.v0 = z.v0.data();
    l.ein = z.ein.data();
    for (size_t j = 0; j < tore; ++j) {
        l.x[j] = x[j].data();
        l.p[j] = potenz[j].data();
    }
    for (size_t j = 0; j < 9; ++j)
        l.I[j] = I[j].data();
    for (size_t j = 0; j < 6; ++j)
        l.gE[j] = gE[j].data();
    l.f = f.wert(0);
    l.abstand = f.lanes();
    l.ca = ca.data();
    l.caPot = caPot.data();
    l.vor = z.vor.data();
    l.leck = leck.data();
    l.e1 = e1.data(); l.g1 = g1.data(); l.e2 = e2.data(); l.g2 = g2.data(); l.e3 = e3.data(); l.g3 = g3.data();
    l.g4 = g4.data(); l.g5 = g5.data(); l.e6 = e6.data(); l.g6 = g6.data(); l.e7 = e7.data(); l.g7 = g7.data();
    l.e8 = e8.data(); l.g8 = g8.data();
    l.k6 = k6.data();
    l.kd6 = kd6.data();
    l.C = C.data();
    l.L = L.data();
    l.schwelle = schwelle.data();
    l.V1 = segmentPotentiale();
    l.kopplung = segmentKopplung();
    const int spikes = kern::gbSchritt(M, z.np, T, l);
    // the mixing factor, for the records
    const double* m = f.wert(26);
    for (size_t i = 0; i < z.N; ++i)
        misch[i] = m[i];
    return spikes;
}

template <int M>
int GbKern::einzeln(double T, double Vs)
{
    int spikes = 0;
    for (size_t i = 0; i < z.N; ++i) {
        if (!z.aktiv[i])
            continue;
        const double V0 = z.pot[i];
        double w[formen];
#pragma GCC unroll 28
        for (size_t g = 0; g < formen; ++g)
            w[g] = f.einzelwert(g, i, V0, Vs);
        const auto tor = [&](size_t j, double b, double a) { x[j][i] = kern::schritt<M, true>(x[j][i], a, b, T); };
        const auto ruheUndRate = [&](size_t j, size_t lane) { tor(j, w[lane + 1], w[lane + 1] * w[lane]); };
        tor(0, w[0] + w[1], w[0]);
        tor(1, w[2] + w[3], w[2]);
        tor(2, 1.0 / w[5], w[4] / w[5]);
        ruheUndRate(6, 6);
        ruheUndRate(8, 8);
        ruheUndRate(9, 10);
        ruheUndRate(3, 12);
        ruheUndRate(4, 14);
        ruheUndRate(5, 16);
        const double c = ca[i];
        tor(10, k6[i], k6[i] * w[18] * w[19] * c / (kd6[i] + c));
        ruheUndRate(11, 20);
        ruheUndRate(12, 22);
        ruheUndRate(13, 24);
        const auto pot = [&](size_t j) { return kern::hoch(x[j][i], static_cast<int>(potenz[j][i])); };
        const double cp = caPot[i];
        const double G1 = pot(0) * pot(1);
        I[0][i] = (e1[i] - V0) * G1 * g1[i];
        const double G2 = pot(2);
        I[1][i] = (e2[i] - V0) * G2 * g2[i];
        const double G4 = pot(6) * pot(8);
        I[4][i] = (cp - V0) * G4 * g4[i];
        const double G5 = pot(9);
        I[5][i] = (cp - V0) * G5 * g5[i];
        misch[i] = w[26];
        const double G3 = pot(3) * (pot(4) * misch[i] + (1.0 - misch[i]) * pot(5));
        I[3][i] = (e3[i] - V0) * G3 * g3[i];
        const double G6 = pot(10) * pot(11);
        I[6][i] = (e6[i] - V0) * G6 * g6[i];
        const double G7 = pot(12);
        I[7][i] = (e7[i] - V0) * G7 * g7[i];
        const double G8 = pot(13);
        I[8][i] = (e8[i] - V0) * G8 * g8[i];
        double e = z.vor[i] + leck[i] + gE[0][i] * G1 + gE[1][i] * G2 + cp * g4[i] * G4 + cp * g5[i] * G5
                   + gE[2][i] * G3 + gE[3][i] * G6 + gE[4][i] * G7 + gE[5][i] * G8;
        if (z.letztes[i] > 0)
            e += z.pot[z.np + i] * z.kopplung[i];
        const double b = (g1[i] * G1 + L[i] + g2[i] * G2 + g4[i] * G4 + g5[i] * G5 + g3[i] * G3 + g6[i] * G6
                          + g7[i] * G7 + g8[i] * G8)
                         / C[i];
        const double V2 = kern::schritt<M, true>(V0, e / C[i], b, T);
        spikes += somaEinzeln(i, V0, V2, e);
    }
    return spikes;
}

} // namespace

LaufKern& gbKern()
{
    static GbKern kern;
    return kern;
}
