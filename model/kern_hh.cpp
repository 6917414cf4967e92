// model/kern_hh.cpp - the Hodgkin-Huxley neurons of a run, stepped together
//
// hodgkinHuxleyModellBerechnen's step in passes over all neurons: the stimulus, noise and
// synaptic input of the neurons that have some, the rate forms of every gate, then in one
// pass the gates, currents and soma, then the segments of the neurons with dendrites. A
// neuron whose gate powers the lanes do not select among takes the model's own step on its
// record, at its place in the chain.
#include "model/hh.h"
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

constexpr size_t formen = 6;   // alpha and beta of m, h and n
constexpr int form[formen] = {par::HhMAlpha, par::HhMBeta, par::HhHAlpha, par::HhHBeta, par::HhNAlpha, par::HhNBeta};
constexpr double formD[formen] = {1.0, 0.0, 0.0, 1.0, 1.0, 0.0};   // the D of each form is fixed by its gate

class HhKern final : public kern::KernBasis<HhKern, modell::HodgkinHuxley, formen> {
    friend KernBasis;

public:
    template <int M>
    void operator()();
    // gates, currents and somas: on lanes, or one neuron after the other
    template <int M>
    int lanes(double T, double Vs);
    template <int M>
    int einzeln(double T, double Vs);

private:
    static kern::FormAngaben angaben(const void* k, size_t g, size_t i)
    {
        const ParameterVektor& P = static_cast<const HhKern*>(k)->z.nr[i]->parameter;
        const int j = form[g];
        return {ganzeZahl(P[j + tor::Form]), P[j + tor::Rate], P[j + tor::Halbwert], P[j + tor::Steigung], formD[g]};
    }
    void lanesAnlegen(size_t np)
    {
        const double nan = std::numeric_limits<double>::quiet_NaN();
        block.anlegen({{&m, np}, {&h, np}, {&nn, np}, {&iNa, np}, {&iK, np}, {&leck, np}, {&gEna, np}, {&gEk, np},
                       {&naE, np}, {&naG, np}, {&kE, np}, {&kG, np}, {&kehrC, np}, {&L, np}, {&pm, np}, {&ph, np},
                       {&pn, np}, {&schwelle, np, nan}});
    }
    void eigeneSchreiben(size_t i, NeuronDaten& n) const
    {
        n.torVariable[0] = m[i];
        n.torVariable[1] = h[i];
        n.torVariable[2] = nn[i];
        n.kanalStrom[0] = iNa[i];
        n.kanalStrom[1] = iK[i];
        if (z.geschritten) {
            // the gates in current units, for the diagrams
            n.kanalStrom[4] = m[i] * 1e-9;
            n.kanalStrom[5] = h[i] * 1e-9;
            n.kanalStrom[6] = nn[i] * 1e-9;
        }
    }
    // lane i from its record: state and constants
    void laden(size_t i)
    {
        const NeuronDaten& n = *z.nr[i];
        const ParameterVektor& P = n.parameter;
        for (size_t g = 0; g < formen; ++g) {
            const int j = form[g];
            f.setzen(g, i, ganzeZahl(P[j + tor::Form]), P[j + tor::Rate], P[j + tor::Halbwert], P[j + tor::Steigung],
                     formD[g]);
        }
        const int p[3] = {ganzeZahl(P[par::HhMPotenz]), ganzeZahl(P[par::HhHPotenz]), ganzeZahl(P[par::HhNPotenz])};
        const bool eigen = !kern::hochAufLanes(p[0]) || !kern::hochAufLanes(p[1]) || !kern::hochAufLanes(p[2]);
        z.laden(i, eigen);
        pm[i] = eigen ? 0.0 : p[0];
        ph[i] = eigen ? 0.0 : p[1];
        pn[i] = eigen ? 0.0 : p[2];
        const bool mitDendriten = z.letztes[i] > 0;
        naE[i] = P[par::HhNaE];
        naG[i] = P[par::HhNaG];
        kE[i] = P[par::HhKE];
        kG[i] = P[par::HhKG];
        kehrC[i] = 1.0 / P[par::SomaKapazitaet];
        L[i] = mitDendriten ? n.somaLeitwert : P[par::SomaLeitwert];
        leck[i] = n.hhLeckTerm;
        gEna[i] = n.leitwertMalPotential[4];
        gEk[i] = n.leitwertMalPotential[5];
        schwelle[i] = schwelleVon(n, eigen, P[par::HhSchwelle]);
        m[i] = n.torVariable[0];
        h[i] = n.torVariable[1];
        nn[i] = n.torVariable[2];
        iNa[i] = n.kanalStrom[0];
        iK[i] = n.kanalStrom[1];
        LaufOrt& o = ortAnlegen(i);
        o.kanalStrom[0] = &iNa[i];
        o.kanalStrom[1] = &iK[i];
        o.kanalFaktor[0] = o.kanalFaktor[1] = 1.0;
        if (z.geschritten)
            gateOrte(o, i);
    }
    // the gates in current units, as the records give them once a step was taken
    void gateOrte(LaufOrt& o, size_t i) const
    {
        o.kanalStrom[4] = &m[i];
        o.kanalStrom[5] = &h[i];
        o.kanalStrom[6] = &nn[i];
        o.kanalFaktor[4] = o.kanalFaktor[5] = o.kanalFaktor[6] = 1e-9;
    }

    kern::Lanes m, h, nn, iNa, iK;
    kern::Lanes leck, gEna, gEk, naE, naG, kE, kG, kehrC, L, pm, ph, pn;   // and schwelle
};

template <int M>
void HhKern::operator()()
{
    const double T = simulationsParameter.schrittweite;
    const double t = laufZustand.t;
    const double Vs = synapsenPotential;
    if (!z.geschritten) {
        // from now on the gates in current units are those of the lanes
        z.geschritten = true;
        for (size_t i = 0; i < z.N; ++i)
            gateOrte(orte[i], i);
    }
    vorlauf(t, T, hodgkinHuxleyModellBerechnen);
    int spikes = 0;
    if (z.N < kern::wenigeNeurone) {
        spikes = einzeln<M>(T, Vs);
    } else {
        spikes = lanes<M>(T, Vs);
    }
    // the segments, the soma's action potentials
    nachlauf<M>(t, T, spikes, [&](size_t i) { ++z.nr[i]->apAnzahl; });
}

template <int M>
int HhKern::lanes(double T, double Vs)
{
    // the rates
    f.berechnen(z.pot.data(), Vs, z.aktiv.data());
    // gates, currents, soma
    const kern::HhLanes l{z.pot.data(), m.data(), h.data(), nn.data(), z.v0.data(), iNa.data(), iK.data(),
                          z.ein.data(), f.wert(0), f.wert(1), f.wert(2), f.wert(3), f.wert(4), f.wert(5),
                          z.vor.data(), leck.data(), gEna.data(), gEk.data(), naE.data(), naG.data(), kE.data(),
                          kG.data(), kehrC.data(), L.data(), pm.data(), ph.data(), pn.data(), schwelle.data(),
                          segmentPotentiale(), segmentKopplung()};
    // the padding lanes too (their conductances 0, their thresholds NaN): whole vectors
    return kern::hhSchritt(M, z.np, T, l);
}

template <int M>
int HhKern::einzeln(double T, double Vs)
{
    int spikes = 0;
    for (size_t i = 0; i < z.N; ++i) {
        if (!z.aktiv[i])
            continue;
        const double V0 = z.pot[i];
        double wert[formen];
        f.einzelwerte<formen / 2>(i, V0, Vs, wert);
        const double m1 = kern::schritt<M, true>(m[i], wert[0], wert[0] + wert[1], T);
        const double h1 = kern::schritt<M, true>(h[i], wert[2], wert[2] + wert[3], T);
        const double n1 = kern::schritt<M, true>(nn[i], wert[4], wert[4] + wert[5], T);
        const double gNa = kern::hoch(m1, static_cast<int>(pm[i])) * kern::hoch(h1, static_cast<int>(ph[i]));
        const double gK = kern::hoch(n1, static_cast<int>(pn[i]));
        iNa[i] = (naE[i] - V0) * gNa * naG[i];
        iK[i] = (kE[i] - V0) * gK * kG[i];
        double e = z.vor[i] + leck[i] + gEna[i] * gNa + gEk[i] * gK;
        if (z.letztes[i] > 0)
            e += z.pot[z.np + i] * z.kopplung[i];
        const double summe = naG[i] * gNa + kG[i] * gK + L[i];
        const double b = summe * kehrC[i];
        const double V2 = kern::schrittEinzeln<M>(V0, e * kehrC[i], b, T, summe * (kehrC[i] * (T * -expSkala)));
        spikes += somaEinzeln(i, V0, V2, e);
        m[i] = m1;
        h[i] = h1;
        nn[i] = n1;
    }
    return spikes;
}

} // namespace

LaufKern& hhKern()
{
    static HhKern kern;
    return kern;
}
