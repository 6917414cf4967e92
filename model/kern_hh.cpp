// model/kern_hh.cpp - the Hodgkin-Huxley neurons of a run, stepped together
//
// hodgkinHuxleyModellBerechnen's step in the same order, in passes over all neurons: the
// rate forms of every gate, then the gates, then currents and compartment coefficients one
// neuron after the other, then the compartments.
#include "model/kern.h"
#include "model/kern_gemeinsam.h"
#include "model/modell_gemeinsam.h"
#include "model/parameter.h"
#include "model/zahlen.h"
#include <algorithm>
#include <vector>

namespace {

constexpr size_t formen = 6;   // alpha and beta of m, h and n: two per gate
constexpr size_t tore = 3;
constexpr size_t kMax = hoechsteKompartimenteAnzahl;

struct HhKonstanten {
    NeuronDaten* n = nullptr;
    int potenz[tore] = {};
    double naE = 0, naG = 0, kE = 0, kG = 0, kehrC = 0, leitwert = 0, kopplung = 0, schwelle = 0;
};

class HhKern final : public LaufKern {
public:
    void nehmen(const std::vector<NeuronDaten*>& neurone) override
    {
        k.clear();
        for (NeuronDaten* n : neurone)
            if (n->modellTyp == modell::HodgkinHuxley)
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
        // the D of each form is fixed by its gate
        constexpr int form[formen] = {par::HhMAlpha, par::HhMBeta, par::HhHAlpha, par::HhHBeta, par::HhNAlpha, par::HhNBeta};
        constexpr double D[formen] = {1.0, 0.0, 0.0, 1.0, 1.0, 0.0};
        for (size_t i = 0; i < k.size(); ++i) {
            HhKonstanten& c = k[i];
            const ParameterVektor& P = c.n->parameter;
            for (size_t g = 0; g < formen; ++g) {
                const int j = form[g];
                f.setzen(i * formen + g, ganzeZahl(P[j + tor::Form]), P[j + tor::Rate], P[j + tor::Halbwert],
                         P[j + tor::Steigung], D[g]);
            }
            c.potenz[0] = ganzeZahl(P[par::HhMPotenz]);
            c.potenz[1] = ganzeZahl(P[par::HhHPotenz]);
            c.potenz[2] = ganzeZahl(P[par::HhNPotenz]);
            c.naE = P[par::HhNaE];
            c.naG = P[par::HhNaG];
            c.kE = P[par::HhKE];
            c.kG = P[par::HhKG];
            c.kehrC = 1.0 / P[par::SomaKapazitaet];
            c.leitwert = P[par::SomaLeitwert];
            c.kopplung = P[par::SomaDendritKopplung];
            c.schwelle = P[par::HhSchwelle];
        }
    }
    void schritt() override
    {
        kern::mitMethode(*this);
    }
    bool leer() const override { return k.empty(); }

    template <int M>
    void operator()();

private:
    std::vector<HhKonstanten> k;
    kern::FormFeld f;
    kern::TorFeld x, v;   // gates; compartments
    std::vector<double> v0;
    std::vector<char> aktiv;
    std::vector<int> kompartimente;
    std::vector<size_t> erstes;   // each neuron's first compartment lane in v
};

template <int M>
void HhKern::operator()()
{
    const double T = simulationsParameter.schrittweite;
    const double t = laufZustand.t;
    const double Vs = synapsenPotential;
    const size_t N = k.size();
    // the soma potentials and gates of this step
    for (size_t i = 0; i < N; ++i) {
        NeuronDaten& n = *k[i].n;
        kompartimente[i] = passivKompartimente(n);
        aktiv[i] = kompartimente[i] >= 1;
        const double V = aktiv[i] ? n.potentiale[0] : 0.0;
        v0[i] = V;
        f.spannungSetzen(i * formen, formen, V, Vs);
        for (size_t j = 0; j < tore; ++j)
            x.y[i * tore + j] = n.torVariable[j];
    }
    // the rates, and the gates moved on by them: a = alpha, b = alpha + beta
    f.berechnen(v0, aktiv, Vs, formen);
    for (size_t q = 0; q < N * tore; ++q) {
        x.a[q] = f[2 * q];
        x.b[q] = f[2 * q] + f[2 * q + 1];
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
        const HhKonstanten& c = k[i];
        NeuronDaten& n = *c.n;
        auto& g = n.torVariable;
        for (size_t j = 0; j < tore; ++j)
            g[j] = x.y[i * tore + j];
        const double V0 = v0[i];
        const double gNa = kern::hoch(g[0], c.potenz[0]) * kern::hoch(g[1], c.potenz[1]);
        n.kanalStrom[0] = (c.naE - V0) * gNa * c.naG;
        const double gK = kern::hoch(g[2], c.potenz[2]);
        n.kanalStrom[1] = (c.kE - V0) * gK * c.kG;
        // the gates in current units, for the diagrams
        n.kanalStrom[4] = g[0] * 1e-9;
        n.kanalStrom[5] = g[1] * 1e-9;
        n.kanalStrom[6] = g[2] * 1e-9;
        s.kompartimente = kompartimente[i];
        s.reizStrom.fill(0.0);
        reizUndRauschen(n, s, t, T);
        n.synStromSumme = n.synStromChemisch[0] + n.synStromElektrisch[0];
        n.eingangSumme = n.synStromSumme + s.somaStroeme + n.rauschStrom + n.hhLeckTerm
                         + n.leitwertMalPotential[4] * gNa + n.leitwertMalPotential[5] * gK;
        const double kanalLeitwert = c.naG * gNa + c.kG * gK;
        if (s.mitDendriten) {
            n.eingangSumme += n.potentiale[1] * c.kopplung;
            s.b[0] = (kanalLeitwert + n.somaLeitwert) * c.kehrC;
        } else {
            s.b[0] = (kanalLeitwert + c.leitwert) * c.kehrC;
        }
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

LaufKern& hhKern()
{
    static HhKern kern;
    return kern;
}
