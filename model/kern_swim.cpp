// model/kern_swim.cpp - the SWIM neurons of a run, stepped together
//
// swimModellBerechnen's step in passes over all neurons: the rate forms of every gate, then
// the gates, then one neuron after the other in chain order the currents and coefficients
// (swimKoeffizienten), then the compartments, then clamp, clipping and spike handling.
// A spike rebuilds another neuron's soma stimulus only through a feedback object; with one
// switched on, each neuron's step is finished, spike included, before the next one reads
// its stimulus, as with the per-neuron steps. The gates read nothing a spike changes.
// Neurons in the Izhikevich mode take the model's own step at their place in the chain.
#include "model/kern.h"
#include "model/kern_gemeinsam.h"
#include "model/modell_gemeinsam.h"
#include "model/parameter.h"
#include "model/swim.h"
#include <vector>

namespace {

constexpr size_t tore = 4;              // m, h, n, c
constexpr size_t formen = 2 * tore;     // alpha and beta of each
constexpr int torIndex[tore] = {0, 1, 2, 6};   // their places in torVariable
constexpr int alpha[tore] = {par::SwimMAlpha, par::SwimHAlpha, par::SwimNAlpha, par::SwimCAlpha};
constexpr int potenzIndex[tore] = {par::SwimMPotenz, par::SwimHPotenz, par::SwimNPotenz, par::SwimCPotenz};
constexpr int leitwertIndex[tore] = {par::SwimNaG, par::SwimNaG, par::SwimKG, par::SwimCaG};

struct SwimKonstanten {
    NeuronDaten* n = nullptr;
    int potenz[tore] = {};
    bool an[tore] = {};   // the gate's channel is switched on (its conductance not <= 0)
};

class SwimKern final : public LaufKern {
public:
    void nehmen(const std::vector<NeuronDaten*>& neurone) override
    {
        k.clear();
        for (NeuronDaten* n : neurone)
            if (n->modellTyp == modell::Swim)
                k.emplace_back().n = n;
        const size_t N = k.size();
        f.groesse(N * formen);
        x.groesse(N * tore);
        v.groesse(N * hoechsteKompartimenteAnzahl);
        erstes.assign(N + 1, 0);
        v0.assign(N, 0.0);
        aktiv.assign(N, 0);
        kompartimente.assign(N, 0);
        aufloesen();
    }
    void aufloesen() override
    {
        for (size_t i = 0; i < k.size(); ++i) {
            SwimKonstanten& c = k[i];
            const ParameterVektor& P = c.n->parameter;
            for (size_t g = 0; g < tore; ++g) {
                c.an[g] = !(P[leitwertIndex[g]] <= 0.0);
                c.potenz[g] = ganzeZahl(P[potenzIndex[g]]);
                for (size_t r = 0; r < 2; ++r) {
                    const int j = alpha[g] + 4 * static_cast<int>(r);   // beta follows alpha
                    // a gate whose channel is off is not computed: a fixed form of value 0
                    // in its lanes, so it neither costs time nor stops the run
                    if (c.an[g])
                        f.setzen(i * formen + 2 * g + r, ganzeZahl(P[j + tor::Form]), P[j + tor::Rate],
                                 P[j + tor::Halbwert], P[j + tor::Steigung], 1.0);
                    else
                        f.setzen(i * formen + 2 * g + r, 32, 0.0, 0.0, 1.0, 1.0);
                }
            }
        }
    }
    void schritt() override { kern::mitMethode(*this); }
    bool leer() const override { return k.empty(); }

    template <int M>
    void operator()();

private:
    std::vector<SwimKonstanten> k;
    kern::FormFeld f;
    kern::TorFeld x, v;   // gates; compartments
    KompartimentFeld a{}, b{};
    std::vector<size_t> erstes;   // each neuron's first compartment lane in v
    std::vector<double> v0;
    std::vector<char> aktiv;
    std::vector<int> kompartimente;
};

template <int M>
void SwimKern::operator()()
{
    const double T = simulationsParameter.schrittweite;
    const double t = laufZustand.t;
    const double Vs = synapsenPotential;
    const size_t N = k.size();
    bool izhikevich = false;
    for (size_t i = 0; i < N; ++i) {
        NeuronDaten& n = *k[i].n;
        kompartimente[i] = passivKompartimente(n);
        aktiv[i] = kompartimente[i] >= 1 && !n.izhikevichAktiv;
        izhikevich |= kompartimente[i] >= 1 && n.izhikevichAktiv;
        const double V = aktiv[i] ? n.potentiale[0] : 0.0;
        v0[i] = V;
        f.spannungSetzen(i * formen, formen, V, Vs);
        for (size_t j = 0; j < tore; ++j)
            x.y[i * tore + j] = aktiv[i] ? n.torVariable[torIndex[j]] : 0.0;
    }
    // the rates, and the gates moved on by them: a = alpha, b = alpha + beta
    f.berechnen(v0, aktiv, Vs, formen);
    for (size_t q = 0; q < N * tore; ++q) {
        x.a[q] = f[2 * q];
        x.b[q] = f[2 * q] + f[2 * q + 1];
    }
    x.schritt<M>(T, N * tore);
    // the compartments of all neurons together, unless a feedback object or a neuron in the
    // Izhikevich mode (which handles its spike in its own step) asks for the chain's order
    // of whole steps
    const bool zusammen = !simulationsParameter.rueckkopplungAktiv && !izhikevich;
    size_t lanes = 0;
    for (size_t i = 0; i < N; ++i) {
        const SwimKonstanten& c = k[i];
        NeuronDaten& n = *c.n;
        erstes[i] = lanes;
        if (!aktiv[i]) {
            swimModellBerechnen(n);
            continue;
        }
        double offen[tore];
        for (size_t j = 0; j < tore; ++j) {
            if (!c.an[j]) {
                offen[j] = 0.0;
                continue;
            }
            double& g = n.torVariable[torIndex[j]];
            g = x.y[i * tore + j];
            offen[j] = kern::hoch(g, c.potenz[j]);
        }
        const double gNa = c.an[0] ? offen[0] * offen[1] : 0.0;
        if (!zusammen) {
            swimNachDenToren(n, kompartimente[i], gNa, offen[2], offen[3]);
            swimSpikesBehandeln(n, v0[i], n.potentiale[0], t);
            continue;
        }
        const int letztes = swimKoeffizienten(n, kompartimente[i], gNa, offen[2], offen[3], a, b);
        v.anhaengen(n.potentiale, a.data(), b.data(), letztes + 1, lanes);
    }
    erstes[N] = lanes;
    if (!zusammen)
        return;
    v.schritt<M>(T, lanes);
    for (size_t i = 0; i < N; ++i) {
        if (!aktiv[i])
            continue;
        NeuronDaten& n = *k[i].n;
        if (!swimKlemmen(n, kompartimente[i])) {
            v.zurueck(n.potentiale, erstes[i], erstes[i + 1]);
            swimBegrenzen(n, static_cast<int>(erstes[i + 1] - erstes[i]) - 1);
        }
        swimSpikesBehandeln(n, v0[i], n.potentiale[0], t);
    }
}

} // namespace

LaufKern& swimKern()
{
    static SwimKern kern;
    return kern;
}
