// model/synapsen.cpp - deleting synapses, the standard types, groups
//
// Only as much as freeing a neuron and clearing the network need; creating and
// connecting synapses comes with the synapse code.
#include "model/netz.h"

namespace {

void xlpspFreigeben(PspForm& p)
{
    while (XLPSP* e = p.liste) {
        p.liste = e->naechstes;
        delete e;
    }
}

void ausGruppeNehmen(const SynapseDaten& s)
{
    if (gruppeWirdAufgeloest || s.gruppe < 1 || s.gruppe >= synapsengruppenAnzahl)
        return;
    auto& m = synapsengruppen[s.gruppe].mitglieder;
    std::erase(m, s.id);
}

} // namespace

void poolEntfernen(NeuronDaten& ziel, SynapsenPool* p)
{
    if (!p)
        return;
    if (p->vorigerPool)
        p->vorigerPool->naechsterPool = p->naechsterPool;
    else if (ziel.eingangsPools == p)
        ziel.eingangsPools = p->naechsterPool;
    if (p->naechsterPool)
        p->naechsterPool->vorigerPool = p->vorigerPool;
    while (SenderKnoten* k = p->sender) {
        p->sender = k->naechste;
        delete k;
    }
    delete p;
}

void synapseLoeschen(NeuronDaten* quelle, SynapseDaten* s, int nurAushaengen)
{
    if (!s)
        return;
    if (!nurAushaengen) {
        // out of the sender's list
        if (s->vorigeSynapse)
            s->vorigeSynapse->naechsteSynapse = s->naechsteSynapse;
        else if (quelle && quelle->ausgangsSynapsen == s)
            quelle->ausgangsSynapsen = s->naechsteSynapse;
        if (s->naechsteSynapse)
            s->naechsteSynapse->vorigeSynapse = s->vorigeSynapse;
        // out of the target's pool; the last sender takes the pool along
        if (SynapsenPool* p = s->pool) {
            if (SenderKnoten* k = s->senderKnoten) {
                if (k->vorige)
                    k->vorige->naechste = k->naechste;
                else if (p->sender == k)
                    p->sender = k->naechste;
                if (k->naechste)
                    k->naechste->vorige = k->vorige;
                delete k;
                --p->senderAnzahl;
            }
            if (!p->sender)
                if (NeuronDaten* ziel = neuronNachNummer(s->zielNummer))
                    poolEntfernen(*ziel, p);
        }
        ausGruppeNehmen(*s);
        if (synapseNachId(s->id) == s)
            synapsenTabelleSetzen(s->id, nullptr);
        if (synapsenZaehler.synapsen > 0)
            --synapsenZaehler.synapsen;
    }
    xlpspFreigeben(s->psp);
    delete s;
}

bool stdSynapsenTypen(std::vector<SynapsenTyp>& typen)
{
    typen = {
        {ionenArt::Natrium, 0.05, "excitatorische Synapse (Natrium)"},
        {ionenArt::Kalium, -0.09, "inhibitorische Synapse (Kalium)"},
        {ionenArt::Chemisch, -0.08, "chemische Synapse (?!?)"},
        {ionenArt::Elektrisch, 0.0, "elektrische Synapse (Potential: 0.0)"},
    };
    return true;
}

void synapsengruppeAufloesen(int g, int mitSynapsen)
{
    if (g < 1 || g >= synapsengruppenAnzahl)
        return;
    Synapsengruppe& gruppe = synapsengruppen[g];
    gruppeWirdAufgeloest = 1;
    for (int id : gruppe.mitglieder)
        if (SynapseDaten* s = synapseNachId(id)) {
            s->gruppe = 0;
            if (mitSynapsen)
                synapseLoeschen(s->quelle, s, 0);
        }
    gruppeWirdAufgeloest = 0;
    gruppe = Synapsengruppe{};
    if (synapsengruppenZahl > 0)
        --synapsengruppenZahl;
}
