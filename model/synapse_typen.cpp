// model/synapse_typen.cpp - the standard synapse types and the network's type table
#include "model/netz.h"
#include "platform/box.h"
#include "texts/texte.h"
#include <new>

namespace {

const std::array<SynapsenTyp, standardSynapsenTypAnzahl> eingebaut = {{
    {ionenArt::Natrium, 0.05, "excitatorische Synapse (Natrium)"},
    {ionenArt::Kalium, -0.09, "inhibitorische Synapse (Kalium)"},
    {ionenArt::Chemisch, -0.08, "chemische Synapse (?!?)"},
    {ionenArt::Elektrisch, 0.0, "elektrische Synapse (Potential: 0.0)"},
}};

} // namespace

std::array<SynapsenTyp, standardSynapsenTypAnzahl> stdSynapsenTypen = eingebaut;

const std::array<SynapsenTyp, standardSynapsenTypAnzahl>& eingebauteSynapsenTypen() { return eingebaut; }

bool synapsenTypTabelleAusStandard(std::vector<SynapsenTyp>& tabelle)
{
    try {
        tabelle.assign(stdSynapsenTypen.begin(), stdSynapsenTypen.end());
    } catch (const std::bad_alloc&) {
        return false;
    }
    return true;
}

int synapsenTypIon(int typ)
{
    if (typ < 0 || typ >= static_cast<int>(synapsenTypen.size()))
        return 0;
    return synapsenTypen[typ].ion;
}

bool synapsenTypLoeschen(const SynapsenTyp* eintrag, std::vector<SynapsenTyp>& tabelle)
{
    if (!eintrag)
        return false;
    int weg = -1;
    for (int i = 0; i < static_cast<int>(tabelle.size()); ++i)
        if (tabelle[i].bezeichnung == eintrag->bezeichnung) {
            weg = i;
            break;
        }
    if (weg < 0)
        return false;

    // 1. a type that a synapse still uses stays
    for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron)
        for (SynapseDaten* s = n->ausgangsSynapsen; s; s = s->naechsteSynapse) {
            if (s->synapsenTyp < 0 || s->synapsenTyp >= static_cast<int>(tabelle.size()))
                continue;
            if (tabelle[s->synapsenTyp].bezeichnung != eintrag->bezeichnung)
                continue;
            const NeuronDaten* ziel = neuronSuchen(s->zielNummer);
            plattform::hinweisBox(meldungFormatieren(309, eintrag->bezeichnung.c_str(), eintrag->potential,
                                                     n->name.c_str(), ziel ? ziel->name.c_str() : ""));
            return false;
        }

    // 2. out of the table; the indices above it close up
    tabelle.erase(tabelle.begin() + weg);
    for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron)
        for (SynapseDaten* s = n->ausgangsSynapsen; s; s = s->naechsteSynapse)
            if (s->synapsenTyp > weg)
                --s->synapsenTyp;
    if (&tabelle == &synapsenTypen)
        synapsenTypAnzahl = static_cast<int>(synapsenTypen.size());
    return true;
}
