// model/kern.cpp - which neurons the run kernels step, and where their values live
#include "model/kern.h"
#include "model/gb.h"
#include "model/hh.h"
#include "model/kern_gemeinsam.h"
#include "model/kollision.h"
#include "model/neuron.h"
#include "model/parameter.h"
#include "model/rueckkopplung.h"
#include "model/simulationsparameter.h"
#include "model/swim.h"
#include "model/zeitschleife.h"
#include <algorithm>
#include <array>

std::array<const LaufOrt*, 1024> laufOrte{};

namespace {

// the neurons whose stimulus tables an object of this run may rebuild, sorted
std::vector<const NeuronDaten*> reizZiele;

void reizZieleSammeln()
{
    reizZiele.clear();
    if (simulationsParameter.rueckkopplungAktiv)
        for (const Rueckkopplungsobjekt* o = rueckkopplungsObjekte; o; o = o->naechstes)
            reizZiele.insert(reizZiele.end(), o->zielneurone.begin(), o->zielneurone.end());
    if (simulationsParameter.kollisionAktiv)
        for (const Kollisionsobjekt* o = kollisionsObjekte; o; o = o->naechstes) {
            reizZiele.push_back(o->elemente[element::Soma1]);
            reizZiele.push_back(o->elemente[element::Soma2]);
        }
    std::sort(reizZiele.begin(), reizZiele.end());
}

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

const double null = 0.0;

// the places of the kernels' neurons by number
void orteEintragen()
{
    laufOrte.fill(nullptr);
    for (LaufKern* k : laufende)
        for (size_t i = 0; i < k->anzahl(); ++i) {
            const int nummer = k->neuron(i)->nummer;
            if (nummer >= 1 && nummer < static_cast<int>(laufOrte.size()))
                laufOrte[static_cast<size_t>(nummer)] = &k->ort(i);
        }
}

const LaufOrt* ortVon(const NeuronDaten& n)
{
    return n.nummer >= 1 && n.nummer < static_cast<int>(laufOrte.size()) ? laufOrte[static_cast<size_t>(n.nummer)]
                                                                          : nullptr;
}

} // namespace

bool kern::reizZiel(const NeuronDaten& n) { return std::binary_search(reizZiele.begin(), reizZiele.end(), &n); }

LaufQuelle laufQuelle(const NeuronDaten& n, int groesse, int index)
{
    const LaufOrt* o = ortVon(n);
    switch (groesse) {
    case laufGroesse::Potential:
        if (o && index >= 0 && index < o->kompartimente)
            return {o->potentiale + static_cast<size_t>(index) * o->abstand, 1.0};
        if (index >= 0 && static_cast<size_t>(index) < n.potentiale.size())
            return {&n.potentiale[static_cast<size_t>(index)], 1.0};
        return {&null, 1.0};
    case laufGroesse::KanalStrom:
        if (index < 0 || static_cast<size_t>(index) >= n.kanalStrom.size())
            return {&null, 1.0};
        if (o && o->kanalStrom[static_cast<size_t>(index)])
            return {o->kanalStrom[static_cast<size_t>(index)], o->kanalFaktor[static_cast<size_t>(index)]};
        return {&n.kanalStrom[static_cast<size_t>(index)], 1.0};
    default:
        if (o && o->caKonzentration)
            return {o->caKonzentration, 1.0};
        return {&n.caKonzentration, 1.0};
    }
}

double laufPotential(const NeuronDaten& n, int c)
{
    if (const LaufOrt* o = ortVon(n); o && c >= 0 && c < o->kompartimente)
        return o->potentiale[static_cast<size_t>(c) * o->abstand];
    return c >= 0 && static_cast<size_t>(c) < n.potentiale.size() ? n.potentiale[static_cast<size_t>(c)] : 0.0;
}

namespace {
// the kernels let go of their neurons without touching the records
void loslassen()
{
    for (LaufKern*& k : aktiv)
        if (k) {
            k->nehmen({});
            k = nullptr;
        }
    laufende.clear();
    laufOrte.fill(nullptr);
}
} // namespace

void laufKerneBeenden()
{
    for (LaufKern* k : laufende)
        k->zurueckschreiben();
    loslassen();
}

void laufKerneVorbereiten(const std::vector<NeuronDaten*>& neurone)
{
    // (a run that ended took its kernels' neurons back; these records may be gone)
    loslassen();
    reizZieleSammeln();
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
    orteEintragen();
}

bool laufKernUebernimmt(int typ) { return typ > 0 && typ < modellSchrittAnzahl && aktiv[typ]; }

void laufKerneSchritt()
{
    for (LaufKern* k : laufende)
        k->schritt();
}

void laufKerneZurueckschreiben()
{
    for (LaufKern* k : laufende)
        k->zurueckschreiben();
}

void laufKernZurueckschreiben(const NeuronDaten& n)
{
    if (const LaufOrt* o = ortVon(n))
        o->kern->neuronZurueckschreiben(o->lane);
}

void laufKerneUebernehmen()
{
    reizZieleSammeln();
    for (LaufKern* k : laufende)
        k->uebernehmen();
    orteEintragen();
}

bool laufKerneEndlich()
{
    for (const LaufKern* k : laufende)
        if (!k->endlich())
            return false;
    return true;
}

void laufKernReizeUebernehmen(const NeuronDaten& n)
{
    if (const LaufOrt* o = ortVon(n))
        o->kern->reizeUebernehmen(o->lane);
}
