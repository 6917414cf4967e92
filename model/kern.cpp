// model/kern.cpp - which neurons the run kernels step
#include "model/kern.h"
#include "model/gb.h"
#include "model/hh.h"
#include "model/neuron.h"
#include "model/parameter.h"
#include "model/simulationsparameter.h"
#include "model/swim.h"
#include "model/zeitschleife.h"
#include <array>

namespace {

struct Eintrag {
    int typ;
    ModellSchritt eigenerSchritt;   // the kernel stands in for this step only
    LaufKern& (*kern)();
};
const std::array eintraege{
    Eintrag{modell::Swim, swimModellBerechnen, swimKern},
    Eintrag{modell::HodgkinHuxley, hodgkinHuxleyModellBerechnen, hhKern},
    Eintrag{modell::GolowaschBuchholz, golowaschBuchholzModellBerechnen, gbKern},
};
std::array<LaufKern*, modellSchrittAnzahl> aktiv{};
// the same, only those with neurons: a network without kernel neurons pays for an empty loop
std::vector<LaufKern*> laufende;

// the kernels let go of the last run's neurons
void laufKerneBeenden()
{
    for (LaufKern*& k : aktiv)
        if (k) {
            k->nehmen({});
            k = nullptr;
        }
    laufende.clear();
}

} // namespace

void laufKerneVorbereiten(const std::vector<NeuronDaten*>& neurone)
{
    laufKerneBeenden();
    // A feedback object's trigger spike, in a SWIM step, rebuilds its targets' stimuli, which
    // may be neurons of any model: with feedback on, too, the steps keep the chain's order.
    if (simulationsParameter.rauschenEin || simulationsParameter.rueckkopplungAktiv) {
        int typ = 0;
        for (const NeuronDaten* n : neurone) {
            if (n->modellTyp <= 0 || n->modellTyp >= modellSchrittAnzahl || !modellSchritt[n->modellTyp])
                continue;
            if (typ && n->modellTyp != typ)
                return;
            typ = n->modellTyp;
        }
    }
    for (const Eintrag& e : eintraege) {
        if (modellSchritt[e.typ] != e.eigenerSchritt)
            continue;
        LaufKern& k = e.kern();
        k.nehmen(neurone);
        if (!k.leer()) {
            aktiv[e.typ] = &k;
            laufende.push_back(&k);
        }
    }
}

bool laufKernUebernimmt(int typ) { return typ > 0 && typ < modellSchrittAnzahl && aktiv[typ]; }

void laufKerneSchritt()
{
    for (LaufKern* k : laufende)
        k->schritt();
}

void laufKerneAufloesen()
{
    for (LaufKern* k : laufende)
        k->aufloesen();
}
