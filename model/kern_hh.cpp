// model/kern_hh.cpp - the Hodgkin-Huxley neurons of a run, stepped together
//
// hodgkinHuxleyModellBerechnen's step in passes over all neurons: the stimulus, noise and
// synaptic input of the neurons that have some, the rate forms of every gate, then in one
// pass the gates, currents and soma, then the segments of the neurons with dendrites. A
// neuron whose gate powers the lanes do not select among takes the model's own step on its
// record, at its place in the chain.
#include "model/hh.h"
#include "model/kern.h"
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

class HhKern final : public LaufKern {
public:
    void nehmen(const std::vector<NeuronDaten*>& neurone) override
    {
        if (neurone.empty()) {
            *this = HhKern();   // the lanes are needed during a run only
            return;
        }
        alle = neurone;
        anlegen();
    }
    bool leer() const override { return z.N == 0; }
    size_t anzahl() const override { return z.N; }
    bool endlich() const override { return kern::alleEndlich(z.pot.data(), z.N); }
    NeuronDaten* neuron(size_t i) const override { return z.nr[i]; }
    const LaufOrt& ort(size_t i) const override { return orte[i]; }
    void schritt() override { kern::mitMethode(*this); }
    template <int M>
    void operator()();
    // gates, currents and somas: on lanes, or one neuron after the other
    template <int M>
    int lanes(double T, double Vs);
    template <int M>
    int einzeln(double T, double Vs);

    void zurueckschreiben() override
    {
        for (size_t i = 0; i < z.N; ++i)
            neuronZurueckschreiben(i);
    }
    void neuronZurueckschreiben(size_t i) override
    {
        if (z.imEigenenSchritt(i))
            return;
        z.schreiben(i);
        NeuronDaten& n = *z.nr[i];
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
    void uebernehmen() override
    {
        if (!z.passt()) {
            anlegen();
            return;
        }
        for (size_t i = 0; i < z.N; ++i)
            laden(i);
        z.listenBilden();
    }
    void reizeUebernehmen(size_t i) override { z.cursorLaden(i); }

private:
    static kern::FormAngaben angaben(const void* k, size_t g, size_t i)
    {
        const ParameterVektor& P = static_cast<const HhKern*>(k)->z.nr[i]->parameter;
        const int j = form[g];
        return {ganzeZahl(P[j + tor::Form]), P[j + tor::Rate], P[j + tor::Halbwert], P[j + tor::Steigung], formD[g]};
    }
    void anlegen()
    {
        const bool geschritten = z.geschritten;
        z.anlegen(alle, modell::HodgkinHuxley);
        z.geschritten = geschritten;
        const size_t np = z.np;
        f.groesse(formen, z.N);
        f.angabenVon(angaben, this);
        const double nan = std::numeric_limits<double>::quiet_NaN();
        block.anlegen({{&m, np}, {&h, np}, {&nn, np}, {&iNa, np}, {&iK, np}, {&leck, np}, {&gEna, np}, {&gEk, np},
                       {&naE, np}, {&naG, np}, {&kE, np}, {&kG, np}, {&kehrC, np}, {&L, np}, {&pm, np}, {&ph, np},
                       {&pn, np}, {&schwelle, np, nan}});
        orte.assign(z.N, {});
        for (size_t i = 0; i < z.N; ++i)
            laden(i);
        z.listenBilden();
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
        schwelle[i] = n.passivMarke == 0 && !eigen ? P[par::HhSchwelle] : std::numeric_limits<double>::quiet_NaN();
        m[i] = n.torVariable[0];
        h[i] = n.torVariable[1];
        nn[i] = n.torVariable[2];
        iNa[i] = n.kanalStrom[0];
        iK[i] = n.kanalStrom[1];
        LaufOrt& o = orte[i];
        o = {};
        o.potentiale = &z.pot[i];
        o.abstand = z.np;
        o.kompartimente = z.kompartimente[i];
        o.kanalStrom[0] = &iNa[i];
        o.kanalStrom[1] = &iK[i];
        o.kanalFaktor[0] = o.kanalFaktor[1] = 1.0;
        if (z.geschritten) {
            o.kanalStrom[4] = &m[i];
            o.kanalStrom[5] = &h[i];
            o.kanalStrom[6] = &nn[i];
            o.kanalFaktor[4] = o.kanalFaktor[5] = o.kanalFaktor[6] = 1e-9;
        }
        o.kern = this;
        o.lane = i;
    }

    std::vector<NeuronDaten*> alle;
    kern::Kompartimente z;
    kern::Formen f;
    kern::Lanes m, h, nn, iNa, iK;
    kern::Lanes leck, gEna, gEk, naE, naG, kE, kG, kehrC, L, pm, ph, pn, schwelle;
    kern::LanenBlock block;   // the lanes above
    std::vector<LaufOrt> orte;
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
        for (size_t i = 0; i < z.N; ++i) {
            LaufOrt& o = orte[i];
            o.kanalStrom[4] = &m[i];
            o.kanalStrom[5] = &h[i];
            o.kanalStrom[6] = &nn[i];
            o.kanalFaktor[4] = o.kanalFaktor[5] = o.kanalFaktor[6] = 1e-9;
        }
    }
    // stimuli, noise, synaptic input; the neurons that take their own step
    z.vorlauf(t, T, [&](size_t i) {
        z.eigenerSchritt(i, [&](size_t j) { neuronZurueckschreiben(j); }, hodgkinHuxleyModellBerechnen);
    });
    int spikes = 0;
    if (z.N < kern::wenigeNeurone) {
        spikes = einzeln<M>(T, Vs);
    } else {
        spikes = lanes<M>(T, Vs);
    }
    // the segments
    if (z.N < kern::wenigeNeurone)
        z.segmente<M, true>(t, T);
    else
        z.segmente<M, false>(t, T);
    // the soma's action potentials
    if (spikes)
        for (size_t i = 0; i < z.N; ++i)
            if (z.v0[i] < schwelle[i] && z.pot[i] > schwelle[i])
                ++z.nr[i]->apAnzahl;
    // the neurons that took their own step: their records hold it
    for (size_t i : z.eigene)
        laden(i);
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
                          z.K > 1 ? &z.pot[z.np] : nullptr, z.K > 1 ? z.kopplung.data() : nullptr};
    return kern::hhSchritt(M, z.N, T, l);
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
        spikes += V0 < schwelle[i] && V2 > schwelle[i];
        m[i] = m1;
        h[i] = h1;
        nn[i] = n1;
        z.ein[i] = e;
        z.v0[i] = V0;
        z.pot[i] = V2;
    }
    return spikes;
}

} // namespace

LaufKern& hhKern()
{
    static HhKern kern;
    return kern;
}
