// model/kern_basis.h - what every kernel class does the same way
//
// A kernel K of the neurons of model modellTyp, with formZahl form slots per neuron, derives
// from KernBasis<K, modellTyp, formZahl> and is final, so the calls below reach its own
// members directly. K gives:
//   static FormAngaben angaben(const void* k, size_t g, size_t i);   k is the K
//   void lanesAnlegen(size_t np);            its own lanes in its block, np lanes each
//   void laden(size_t i);                    lane i from its record, its place with ortAnlegen
//   void eigeneSchreiben(size_t i, NeuronDaten& n);   its own lanes of lane i into the record
//   template <int M> void operator()();      one step with integration method M
#pragma once
#include "model/kern.h"
#include "model/kern_felder.h"
#include "model/kern_gemeinsam.h"
#include <cstddef>
#include <limits>
#include <vector>

namespace kern {

template <class K, int modellTyp, size_t formZahl>
class KernBasis : public LaufKern {
public:
    void nehmen(const std::vector<NeuronDaten*>& neurone) override
    {
        if (neurone.empty()) {
            selbst() = K();   // the lanes are needed during a run only
            return;
        }
        alle = neurone;
        anlegen();
    }
    bool leer() const override { return z.N == 0; }
    size_t anzahl() const override { return z.N; }
    bool endlich() const override { return alleEndlich(z.pot.data(), z.N); }
    NeuronDaten* neuron(size_t i) const override { return z.nr[i]; }
    const LaufOrt& ort(size_t i) const override { return orte[i]; }
    void schritt() override { mitMethode(selbst()); }

    void zurueckschreiben() override
    {
        for (size_t i = 0; i < z.N; ++i)
            schreiben(i);
    }
    void neuronZurueckschreiben(size_t i) override { schreiben(i); }
    void uebernehmen() override
    {
        if (!z.passt()) {
            anlegen();
            return;
        }
        for (size_t i = 0; i < z.N; ++i)
            selbst().laden(i);
        z.listenBilden();
    }
    void reizeUebernehmen(size_t i) override { z.cursorLaden(i); }

protected:
    K& selbst() { return static_cast<K&>(*this); }

    // lane i into its record, unless the record is the live copy (its own step runs)
    void schreiben(size_t i)
    {
        if (z.imEigenenSchritt(i))
            return;
        z.schreiben(i);
        selbst().eigeneSchreiben(i, *z.nr[i]);
    }
    // the place of lane i with its potentials; the kernel adds the currents it keeps
    LaufOrt& ortAnlegen(size_t i)
    {
        LaufOrt& o = orte[i];
        o = {};
        o.potentiale = &z.pot[i];
        o.abstand = z.np;
        o.kompartimente = z.kompartimente[i];
        o.kern = this;
        o.lane = i;
        return o;
    }
    // the threshold of the soma's spikes, NaN (never crossed) where another step counts them
    double schwelleVon(const NeuronDaten& n, bool eigen, double s) const
    {
        return n.passivMarke == 0 && !eigen ? s : std::numeric_limits<double>::quiet_NaN();
    }

    // the start of a step: stimuli, noise, synaptic input; the neurons that take their own
    // step (eigenerSchritt, the model's step on the record) at their place in the chain.
    // (Inline, as the ends below: the steps of all four methods share this one function,
    // which the compiler would otherwise call from each.)
    template <class Schritt>
    [[gnu::always_inline]] void vorlauf(double t, double T, Schritt&& eigenerSchritt)
    {
        z.vorlauf(t, T, [&](size_t i) { z.eigenerSchritt(i, [&](size_t j) { schreiben(j); }, eigenerSchritt); });
    }
    // the end of a step: the segments; spike(i) for each soma that crossed its threshold, in
    // chain order (only when the step counted some); the neurons that took their own step
    // loaded again, their records hold it
    template <int M, class Spike>
    [[gnu::always_inline]] void nachlauf(double t, double T, int spikes, Spike&& spike)
    {
        if (z.N < wenigeNeurone)
            z.segmente<M, true>(t, T);
        else
            z.segmente<M, false>(t, T);
        if (spikes)
            for (size_t i = 0; i < z.N; ++i)
                if (z.v0[i] < schwelle[i] && z.pot[i] > schwelle[i])
                    spike(i);
        for (size_t i : z.eigene)
            selbst().laden(i);
    }

    // a neuron stepped on its own: its soma moved from V0 to V2 with the input sum e;
    // 1 when it crossed its threshold
    [[gnu::always_inline]] int somaEinzeln(size_t i, double V0, double V2, double e)
    {
        const int spike = V0 < schwelle[i] && V2 > schwelle[i];
        z.ein[i] = e;
        z.v0[i] = V0;
        z.pot[i] = V2;
        return spike;
    }
    // for the lane loops: the first segments' potentials and the somas' coupling to them,
    // null when no neuron has segments
    const double* segmentPotentiale() const { return z.K > 1 ? &z.pot[z.np] : nullptr; }
    const double* segmentKopplung() const { return z.K > 1 ? z.kopplung.data() : nullptr; }

    std::vector<NeuronDaten*> alle;
    Kompartimente z;
    Formen f;
    Lanes schwelle;   // in the kernel's block
    LanenBlock block;   // the kernel's lanes
    std::vector<LaufOrt> orte;

private:
    void anlegen()
    {
        const bool geschritten = z.geschritten;
        z.anlegen(alle, modellTyp);
        z.geschritten = geschritten;
        f.groesse(formZahl, z.N);
        f.angabenVon(K::angaben, &selbst());
        selbst().lanesAnlegen(z.np);
        orte.assign(z.N, {});
        for (size_t i = 0; i < z.N; ++i)
            selbst().laden(i);
        z.listenBilden();
    }
};

} // namespace kern
