// model/kern_gb.cpp - the Golowasch-Buchholz neurons of a run, stepped together
//
// golowaschBuchholzModellBerechnen's step in passes over all neurons: the Ca pool (from the
// Ca currents of the previous step), the rate forms of all gates, the gates, then currents
// and compartment coefficients one neuron after the other, then the compartments. The
// forms' lanes keep the order in which the step evaluates them, so the first error is the
// same; the mixing factor's exponential is the last lane, as form 24.
#include "model/gb.h"
#include "model/kern.h"
#include "model/kern_gemeinsam.h"
#include "model/modell_gemeinsam.h"
#include "model/parameter.h"
#include <algorithm>
#include <cmath>
#include <vector>

namespace {

constexpr size_t formen = 27;
constexpr size_t tore = 14;   // x[0..13]
constexpr size_t kMax = hoechsteKompartimenteAnzahl;
// the lanes whose H or D follow the Ca concentration, and the mixing factor's
constexpr size_t lane6AktF1 = 18, lane6AktF2 = 19, lane6InaktF1 = 20, laneMisch = 26;

struct GbKonstanten {
    NeuronDaten* n = nullptr;
    int potenz[tore] = {};   // by gate x[i]; 7 unused
    double g1, e1, g2, e2, g3, e3, g4, g5, g6, e6, g7, e7, g8, e8;
    double caAbbau, caZufluss, caFaktor, nernst, caAussen;
    double h6f1, h6f2, ca6, kd6, k6, d6i;   // the K(Ca) gates' Ca terms
    double kehrC, leitwert, kopplung, schwelle;
};

class GbKern final : public LaufKern {
public:
    void nehmen(const std::vector<NeuronDaten*>& neurone) override
    {
        k.clear();
        for (NeuronDaten* n : neurone)
            if (n->modellTyp == modell::GolowaschBuchholz)
                k.emplace_back().n = n;
        const size_t N = k.size();
        f.groesse(N * formen);
        x.groesse(N * tore);
        v.groesse(N * kMax);
        v0.assign(N, 0.0);
        aktiv.assign(N, 0);
        kompartimente.assign(N, 0);
        erstes.assign(N + 1, 0);
        aufloesen();
    }
    void aufloesen() override
    {
        for (size_t i = 0; i < k.size(); ++i) {
            GbKonstanten& c = k[i];
            const ParameterVektor& P = c.n->parameter;
            size_t lane = i * formen;
            const auto form = [&](double nummer, double A, double H, double S, double D) {
                f.setzen(lane++, ganzeZahl(nummer), A, H, S, D);
            };
            // steady state form(i; 1, P[i+1], P[i+2], 1), rate form(i+3; 1, 0, 1, P[i+4])
            const auto fuenfer = [&](int j) {
                form(P[j], 1.0, P[j + 1], P[j + 2], 1.0);
                form(P[j + 3], 1.0, 0.0, 1.0, P[j + 4]);
            };
            const auto vierer = [&](int j, double D) { form(P[j], P[j + 1], P[j + 2], P[j + 3], D); };
            vierer(par::Gb1MAlpha, 1.0);
            vierer(par::Gb1MBeta, 0.0);
            vierer(par::Gb1HAlpha, 0.0);
            vierer(par::Gb1HBeta, 1.0);
            vierer(par::Gb2NF1, 1.0);
            vierer(par::Gb2NF2, 1.0);
            fuenfer(par::Gb4Akt);
            fuenfer(par::Gb4Inakt);
            fuenfer(par::Gb5Tor);
            fuenfer(par::Gb3A);
            fuenfer(par::Gb3B1);
            form(P[par::Gb3B2], 1.0, P[par::Gb3B2 + 1], P[par::Gb3B2 + 2], 1.0);
            vierer(par::Gb3B2 + 3, 1.0);
            const int a6 = par::Gb6Akt, i6 = par::Gb6Inakt, t7 = par::Gb7Tor;
            form(P[a6], 1.0, P[a6 + 1], P[a6 + 2], 1.0);       // H and D follow Ca each step
            form(P[a6 + 3], 1.0, P[a6 + 4], P[a6 + 5], 1.0);
            form(P[i6], P[i6 + 1], 0.0, 1.0, P[i6 + 2]);
            form(P[i6 + 3], 1.0, 0.0, 1.0, P[i6 + 4]);
            form(P[t7], 1.0, P[t7 + 1], P[t7 + 2], 1.0);
            form(P[t7 + 3], 1.0 / P[t7 + 4], P[t7 + 5], P[t7 + 6], 1.0);
            fuenfer(par::Gb8Tor);
            // 1 / (exp((V - H) / S) + 1)
            f.setzen(lane++, 24, 1.0, P[par::GbMischHalbspannung], P[par::GbMischSteigung], 1.0);
            const int potenzen[tore] = {par::Gb1MPotenz, par::Gb1HPotenz, par::Gb2NPotenz, par::Gb3APotenz,
                                        par::Gb3B1Potenz, par::Gb3B2Potenz, par::Gb4AktPotenz, 0,
                                        par::Gb4InaktPotenz, par::Gb5Potenz, par::Gb6AktPotenz,
                                        par::Gb6InaktPotenz, par::Gb7Potenz, par::Gb8Potenz};
            for (size_t j = 0; j < tore; ++j)
                c.potenz[j] = potenzen[j] ? ganzeZahl(P[potenzen[j]]) : 0;
            c.g1 = P[par::Gb1G]; c.e1 = P[par::Gb1E];
            c.g2 = P[par::Gb2G]; c.e2 = P[par::Gb2E];
            c.g3 = P[par::Gb3G]; c.e3 = P[par::Gb3E];
            c.g4 = P[par::Gb4G]; c.g5 = P[par::Gb5G];
            c.g6 = P[par::Gb6G]; c.e6 = P[par::Gb6E];
            c.g7 = P[par::Gb7G]; c.e7 = P[par::Gb7E];
            c.g8 = P[par::Gb8G]; c.e8 = P[par::Gb8E];
            c.caAbbau = P[par::GbCaAbbau];
            c.caZufluss = P[par::GbCaAbbau] * P[par::GbCaHintergrund];
            c.caFaktor = P[par::GbCaFaktor];
            c.nernst = caNernstFaktor * P[par::GbTemperatur];
            c.caAussen = P[par::GbCaAussen];
            c.h6f1 = P[a6 + 1];
            c.h6f2 = P[a6 + 4];
            c.ca6 = P[a6 + 7];
            c.kd6 = P[a6 + 8];
            c.k6 = 1.0 / P[a6 + 6];
            c.d6i = P[i6 + 2];
            c.kehrC = 1.0 / P[par::SomaKapazitaet];
            c.leitwert = P[par::SomaLeitwert];
            c.kopplung = P[par::SomaDendritKopplung];
            c.schwelle = P[par::GbSchwelle];
        }
    }
    void schritt() override { kern::mitMethode(*this); }
    bool leer() const override { return k.empty(); }

    template <int M>
    void operator()();

private:
    std::vector<GbKonstanten> k;
    kern::FormFeld f;
    kern::TorFeld x, v;   // gates; compartments
    std::vector<double> v0;
    std::vector<char> aktiv;
    std::vector<int> kompartimente;
    std::vector<size_t> erstes;   // each neuron's first compartment lane in v
};

template <int M>
void GbKern::operator()()
{
    const double T = simulationsParameter.schrittweite;
    const double t = laufZustand.t;
    const double Vs = synapsenPotential;
    const size_t N = k.size();
    // the Ca pool from the Ca currents of the previous step (no check of the value: a pool
    // at or below 0 gives an infinite or NaN potential and the run goes on), the voltages
    // and gates of this step
    for (size_t i = 0; i < N; ++i) {
        const GbKonstanten& c = k[i];
        NeuronDaten& n = *c.n;
        kompartimente[i] = passivKompartimente(n);
        aktiv[i] = kompartimente[i] >= 1;
        if (!aktiv[i])
            continue;
        const double V = n.potentiale[0];
        v0[i] = V;
        const auto& I = n.kanalStrom;
        n.caKonzentration = integrationsSchritt(M, n.caKonzentration, c.caAbbau,
                                                c.caZufluss + (I[4] + I[5]) * c.caFaktor, T);
        n.caPotential = c.nernst * std::log(c.caAussen / n.caKonzentration);
        n.kanalStrom[2] = n.caKonzentration;
        const double ca = n.caKonzentration;
        const size_t l = i * formen;
        f.halbwertSetzen(l + lane6AktF1, c.h6f1 - c.ca6 * ca);
        f.halbwertSetzen(l + lane6AktF2, c.h6f2 - c.ca6 * ca);
        f.dSetzen(l + lane6InaktF1, c.d6i + ca);
        f.spannungSetzen(l, formen, V, Vs);
        for (size_t j = 0; j < tore; ++j)
            x.y[i * tore + j] = n.torVariable[j];
    }
    // the rates and steady states, and the gates moved on by them
    f.berechnen(v0, aktiv, Vs, formen);
    for (size_t i = 0; i < N; ++i) {
        if (!aktiv[i])
            continue;
        const size_t l = i * formen, q = i * tore;
        const auto tor = [&](size_t j, double b, double a) {
            x.b[q + j] = b;
            x.a[q + j] = a;
        };
        // by rates: a = alpha, b = alpha + beta
        tor(0, f[l] + f[l + 1], f[l]);
        tor(1, f[l + 2] + f[l + 3], f[l + 2]);
        // by steady state f1 and time constant f2
        tor(2, 1.0 / f[l + 5], f[l + 4] / f[l + 5]);
        // dx/dt = f2 (f1 - x)
        const auto ruheUndRate = [&](size_t j, size_t lane) { tor(j, f[l + lane + 1], f[l + lane + 1] * f[l + lane]); };
        ruheUndRate(6, 6);
        ruheUndRate(8, 8);
        ruheUndRate(9, 10);
        ruheUndRate(3, 12);
        ruheUndRate(4, 14);
        ruheUndRate(5, 16);
        const GbKonstanten& c = k[i];
        const double ca = c.n->caKonzentration;
        tor(10, c.k6, c.k6 * f[l + lane6AktF1] * f[l + lane6AktF2] * ca / (c.kd6 + ca));
        ruheUndRate(11, lane6InaktF1);
        ruheUndRate(12, 22);
        ruheUndRate(13, 24);
    }
    x.schritt<M>(T, N * tore);
    // currents and the compartments' coefficients; the work values are set anew for each
    // neuron where they are read before they are written
    PassivSchritt s;
    size_t lanes = 0;
    for (size_t i = 0; i < N; ++i) {
        erstes[i] = lanes;
        if (!aktiv[i])
            continue;
        const GbKonstanten& c = k[i];
        NeuronDaten& n = *c.n;
        auto& g = n.torVariable;
        for (size_t j = 0; j < tore; ++j)
            if (j != 7)
                g[j] = x.y[i * tore + j];
        const auto pot = [&](size_t j) { return kern::hoch(g[j], c.potenz[j]); };
        const double V0 = v0[i];
        auto& I = n.kanalStrom;
        const double G1 = pot(0) * pot(1);
        I[0] = (c.e1 - V0) * G1 * c.g1;
        const double G2 = pot(2);
        I[1] = (c.e2 - V0) * G2 * c.g2;
        const double G4 = pot(6) * pot(8);
        I[4] = (n.caPotential - V0) * G4 * c.g4;
        const double G5 = pot(9);
        I[5] = (n.caPotential - V0) * G5 * c.g5;
        n.gbMischfaktor = f[i * formen + laneMisch];
        const double G3 = pot(3) * (pot(4) * n.gbMischfaktor + (1.0 - n.gbMischfaktor) * pot(5));
        I[3] = (c.e3 - V0) * G3 * c.g3;
        const double G6 = pot(10) * pot(11);
        I[6] = (c.e6 - V0) * G6 * c.g6;
        const double G7 = pot(12);
        I[7] = (c.e7 - V0) * G7 * c.g7;
        const double G8 = pot(13);
        I[8] = (c.e8 - V0) * G8 * c.g8;
        s.kompartimente = kompartimente[i];
        s.reizStrom.fill(0.0);
        reizUndRauschen(n, s, t, T);
        const auto& gE = n.leitwertMalPotential;
        n.synStromSumme = n.synStromChemisch[0] + n.synStromElektrisch[0];
        n.eingangSumme = n.synStromSumme + s.somaStroeme + n.rauschStrom + n.leckTerm + gE[6] * G1 + gE[7] * G2
                         + n.caPotential * c.g4 * G4 + n.caPotential * c.g5 * G5 + gE[8] * G3 + gE[9] * G6
                         + gE[10] * G7 + gE[11] * G8;
        double L = c.leitwert;
        if (s.mitDendriten) {
            n.eingangSumme += n.potentiale[1] * c.kopplung;
            L = n.somaLeitwert;
        }
        s.b[0] = (c.g1 * G1 + L + c.g2 * G2 + c.g4 * G4 + c.g5 * G5 + c.g3 * G3 + c.g6 * G6 + c.g7 * G7 + c.g8 * G8)
                 * c.kehrC;
        s.a[0] = n.eingangSumme * c.kehrC;
        if (s.letztes > 0)   // (without segments it has nothing to do)
            dendritKoeffizienten(n, s, t);
        v.anhaengen(n.potentiale, s.a.data(), s.b.data(), s.letztes + 1, lanes);
    }
    erstes[N] = lanes;
    // the compartments, and the soma's action potentials
    v.schritt<M>(T, lanes);
    for (size_t i = 0; i < N; ++i) {
        if (!aktiv[i])
            continue;
        NeuronDaten& n = *k[i].n;
        v.zurueck(n.potentiale, erstes[i], erstes[i + 1]);
        apZaehlen(n, v0[i], k[i].schwelle);
    }
}

} // namespace

LaufKern& gbKern()
{
    static GbKern kern;
    return kern;
}
