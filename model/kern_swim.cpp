// model/kern_swim.cpp - the SWIM neurons of a run, stepped together
//
// swimModellBerechnen's step in passes over all neurons: the stimulus, noise and synaptic
// input of the neurons that have some, the rate forms of every gate, then in one pass the
// gates, currents and soma, then the segments, then the spike handling of the neurons that
// crossed their threshold, in chain order. A neuron with what the lanes do not carry (the
// Izhikevich mode, a K(Ca) pool, user channels, a clamp, clipping, the PSP measurement, a
// gate power the lanes do not select among) takes the model's own step on its record at
// its place in the chain, spike handling included. With a feedback object switched on, a
// spike rebuilds other neurons' stimuli, so every neuron takes its own step in chain order,
// each finished before the next one reads its stimulus, as with the per-neuron steps.
#include "model/kern.h"
#include "model/kern_basis.h"
#include "model/kern_felder.h"
#include "model/kern_gemeinsam.h"
#include "model/modell_gemeinsam.h"
#include "model/parameter.h"
#include "model/swim.h"
#include <limits>
#include <vector>

namespace {

constexpr size_t tore = 4;              // m, h, n, c
constexpr size_t formen = 2 * tore;     // alpha and beta of each
constexpr int torIndex[tore] = {0, 1, 2, 6};   // their places in torVariable
constexpr int alpha[tore] = {par::SwimMAlpha, par::SwimHAlpha, par::SwimNAlpha, par::SwimCAlpha};
constexpr int potenzIndex[tore] = {par::SwimMPotenz, par::SwimHPotenz, par::SwimNPotenz, par::SwimCPotenz};
constexpr int leitwertIndex[tore] = {par::SwimNaG, par::SwimNaG, par::SwimKG, par::SwimCaG};

// what the lanes do not carry
bool eigenerSchrittNoetig(const NeuronDaten& n)
{
    return simulationsParameter.rueckkopplungAktiv || n.izhikevichAktiv || ((n.kcaModus & 1) && n.kca)
           || !n.benutzerKanaele.empty() || (n.klemme.flags & 0x1) || n.begrenzung.an || (n.pspModus & 0x10);
}

class SwimKern final : public kern::KernBasis<SwimKern, modell::Swim, formen> {
    friend KernBasis;

public:
    template <int M>
    void operator()();

private:
    static kern::FormAngaben angaben(const void* k, size_t g, size_t i)
    {
        const ParameterVektor& P = static_cast<const SwimKern*>(k)->z.nr[i]->parameter;
        const int j = alpha[g / 2] + 4 * static_cast<int>(g % 2);   // beta follows alpha
        if (P[leitwertIndex[g / 2]] <= 0.0)
            return {32, 0.0, 0.0, 1.0, 1.0};
        return {ganzeZahl(P[j + tor::Form]), P[j + tor::Rate], P[j + tor::Halbwert], P[j + tor::Steigung], 1.0};
    }
    void lanesAnlegen(size_t np)
    {
        std::vector<kern::LanenBlock::Eintrag> lanes;
        for (size_t g = 0; g < tore; ++g) {
            lanes.push_back({&tor[g], np});
            lanes.push_back({&exponent[g], np});
        }
        for (kern::Lanes* x : {&iNa, &iK, &iCa, &ionen, &leck, &gENa, &gEK, &gECa, &naE, &naG, &kE, &kG, &caE, &caG,
                               &L, &naAn, &kAn, &caAn})
            lanes.push_back({x, np});
        lanes.push_back({&C, np, 1.0});
        lanes.push_back({&schwelle, np, std::numeric_limits<double>::quiet_NaN()});
        block.anlegen(lanes);
    }
    void eigeneSchreiben(size_t i, NeuronDaten& n) const
    {
        for (size_t g = 0; g < tore; ++g)
            n.torVariable[static_cast<size_t>(torIndex[g])] = tor[g][i];
        n.kanalStrom[0] = iNa[i];
        n.kanalStrom[1] = iK[i];
        n.kanalStrom[2] = iCa[i];
        n.ionenStromSumme = ionen[i];
    }
    void laden(size_t i)
    {
        const NeuronDaten& n = *z.nr[i];
        const ParameterVektor& P = n.parameter;
        int p[tore];
        bool hoch = true;
        for (size_t g = 0; g < tore; ++g) {
            p[g] = ganzeZahl(P[potenzIndex[g]]);
            hoch = hoch && kern::hochAufLanes(p[g]);
            // a gate whose channel is off is not computed: a fixed form of value 0 in its lanes
            for (size_t r = 0; r < 2; ++r) {
                const kern::FormAngaben a = angaben(this, 2 * g + r, i);
                f.setzen(2 * g + r, i, a.nummer, a.A, a.H, a.S, a.D);
            }
        }
        const bool eigen = !hoch || eigenerSchrittNoetig(n);
        z.laden(i, eigen);
        for (size_t g = 0; g < tore; ++g)
            exponent[g][i] = eigen ? 0.0 : p[g];
        const bool mitDendriten = z.letztes[i] > 0;
        naAn[i] = !(P[par::SwimNaG] <= 0.0);
        kAn[i] = !(P[par::SwimKG] <= 0.0);
        caAn[i] = !(P[par::SwimCaG] <= 0.0);
        naE[i] = P[par::SwimNaE];
        naG[i] = P[par::SwimNaG];
        kE[i] = P[par::SwimKE];
        kG[i] = P[par::SwimKG];
        caE[i] = P[par::SwimCaE];
        caG[i] = P[par::SwimCaG];
        C[i] = P[par::SomaKapazitaet];
        L[i] = mitDendriten ? n.somaLeitwert : P[par::SomaLeitwert];
        leck[i] = n.leckTerm;
        gENa[i] = n.leitwertMalPotential[0];
        gEK[i] = n.leitwertMalPotential[1];
        gECa[i] = n.leitwertMalPotential[3];
        schwelle[i] = schwelleVon(n, eigen, P[par::SwimSchwelle]);
        for (size_t g = 0; g < tore; ++g)
            tor[g][i] = n.torVariable[static_cast<size_t>(torIndex[g])];
        iNa[i] = n.kanalStrom[0];
        iK[i] = n.kanalStrom[1];
        iCa[i] = n.kanalStrom[2];
        ionen[i] = n.ionenStromSumme;
        LaufOrt& o = ortAnlegen(i);
        o.kanalStrom[0] = &iNa[i];
        o.kanalStrom[1] = &iK[i];
        o.kanalStrom[2] = &iCa[i];
        o.kanalFaktor[0] = o.kanalFaktor[1] = o.kanalFaktor[2] = 1.0;
    }
    // gates, currents and somas: on lanes, or one neuron after the other
    template <int M>
    int lanes(double T, double Vs);
    template <int M>
    int einzeln(double T, double Vs);

    kern::Lanes tor[tore], exponent[tore];
    kern::Lanes iNa, iK, iCa, ionen;
    kern::Lanes leck, gENa, gEK, gECa, naE, naG, kE, kG, caE, caG, C, L, naAn, kAn, caAn;   // and schwelle
};

template <int M>
void SwimKern::operator()()
{
    const double T = simulationsParameter.schrittweite;
    const double t = laufZustand.t;
    const double Vs = synapsenPotential;
    z.geschritten = true;
    vorlauf(t, T, swimModellBerechnen);
    const int spikes = z.N < kern::wenigeNeurone ? einzeln<M>(T, Vs) : lanes<M>(T, Vs);
    // the segments, the spike handling of the neurons that crossed their threshold
    nachlauf<M>(t, T, spikes, [&](size_t i) { swimSpikesBehandeln(*z.nr[i], z.v0[i], z.pot[i], t); });
}

template <int M>
int SwimKern::lanes(double T, double Vs)
{
    f.berechnen(z.pot.data(), Vs, z.aktiv.data());
    const kern::SwimLanes l{z.pot.data(), tor[0].data(), tor[1].data(), tor[2].data(), tor[3].data(), z.v0.data(),
                            iNa.data(), iK.data(), iCa.data(), ionen.data(), z.ein.data(),
                            f.wert(0), f.wert(1), f.wert(2), f.wert(3), f.wert(4), f.wert(5), f.wert(6), f.wert(7),
                            z.vor.data(), leck.data(), gENa.data(), gEK.data(), gECa.data(), naE.data(), naG.data(),
                            kE.data(), kG.data(), caE.data(), caG.data(), C.data(), L.data(), exponent[0].data(),
                            exponent[1].data(), exponent[2].data(), exponent[3].data(), naAn.data(), kAn.data(), caAn.data(), schwelle.data(),
                            segmentPotentiale(), segmentKopplung()};
    // the padding lanes too (their conductances 0, their thresholds NaN): whole vectors
    return kern::swimSchritt(M, z.np, T, l);
}

template <int M>
int SwimKern::einzeln(double T, double Vs)
{
    int spikes = 0;
    for (size_t i = 0; i < z.N; ++i) {
        if (!z.aktiv[i])
            continue;
        const double V0 = z.pot[i];
        double offen[tore];
        double w[formen];
        f.einzelwerte<formen / 2>(i, V0, Vs, w);
        for (size_t g = 0; g < tore; ++g) {
            const double a = w[2 * g], b = w[2 * g + 1];
            tor[g][i] = kern::schritt<M, true>(tor[g][i], a, a + b, T);
            offen[g] = kern::hoch(tor[g][i], static_cast<int>(exponent[g][i]));
        }
        const double gNa = naAn[i] != 0.0 ? offen[0] * offen[1] : 0.0;
        const double gK = kAn[i] != 0.0 ? offen[2] : 0.0;
        const double gCa = caAn[i] != 0.0 ? offen[3] : 0.0;
        iNa[i] = naAn[i] != 0.0 ? (naE[i] - V0) * gNa * naG[i] : 0.0;
        iK[i] = kAn[i] != 0.0 ? (kE[i] - V0) * gK * kG[i] : 0.0;
        iCa[i] = caAn[i] != 0.0 ? (caE[i] - V0) * gCa * caG[i] : 0.0;
        ionen[i] = iNa[i] + iK[i] + iCa[i];
        double e = z.vor[i] + leck[i] + gENa[i] * gNa + gEK[i] * gK + gECa[i] * gCa;
        if (z.letztes[i] > 0)
            e += z.pot[z.np + i] * z.kopplung[i];
        const double b = (naG[i] * gNa + kG[i] * gK + caG[i] * gCa + L[i]) / C[i];
        const double V2 = kern::schritt<M, true>(V0, e / C[i], b, T);
        spikes += somaEinzeln(i, V0, V2, e);
    }
    return spikes;
}

} // namespace

LaufKern& swimKern()
{
    static SwimKern kern;
    return kern;
}
