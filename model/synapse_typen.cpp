// model/synapse_typen.cpp - the standard synapse types and the network's type table
#include "model/netz.h"
#include "platform/box.h"
#include "texts/texte.h"
#include <algorithm>
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

bool (*synapsenTypSpeicherVerweigert)() = nullptr;

bool synapsenTypTabelleAusStandard(std::vector<SynapsenTyp>& tabelle)
{
    if (synapsenTypSpeicherVerweigert && synapsenTypSpeicherVerweigert())
        return false;
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

namespace {

// The index of the entry named like eintrag in tabelle, or -1. A type that a synapse still
// uses stays (message 309); the synapses refer to the network's table, whatever table is
// being edited.
int loeschbarerEintrag(const SynapsenTyp* eintrag, const std::vector<SynapsenTyp>& tabelle)
{
    if (!eintrag)
        return -1;
    int weg = -1;
    for (int i = 0; i < static_cast<int>(tabelle.size()); ++i)
        if (tabelle[i].bezeichnung == eintrag->bezeichnung) {
            weg = i;
            break;
        }
    if (weg < 0)
        return -1;
    for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron)
        for (SynapseDaten* s = n->ausgangsSynapsen; s; s = s->naechsteSynapse) {
            if (s->synapsenTyp < 0 || s->synapsenTyp >= static_cast<int>(synapsenTypen.size()))
                continue;
            if (synapsenTypen[s->synapsenTyp].bezeichnung != eintrag->bezeichnung)
                continue;
            const NeuronDaten* ziel = neuronSuchen(s->zielNummer);
            plattform::hinweisBox(meldungFormatieren(309, eintrag->bezeichnung.c_str(), eintrag->potential,
                                                     neuronAnzeigename(*n), ziel ? neuronAnzeigename(*ziel) : std::string()));
            return -1;
        }
    return weg;
}

// Synapses and pools carry the same type index: both follow the table together, or the
// engine reads ion and potential of another type and new synapses miss their pool.
void typIndizesUmstellen(auto&& neuerIndex)
{
    for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron) {
        for (SynapseDaten* s = n->ausgangsSynapsen; s; s = s->naechsteSynapse)
            s->synapsenTyp = neuerIndex(s->synapsenTyp);
        for (SynapsenPool* p = n->eingangsPools; p; p = p->naechsterPool)
            p->typ = neuerIndex(p->typ);
    }
}

} // namespace

bool synapsenTypLoeschen(const SynapsenTyp* eintrag, std::vector<SynapsenTyp>& tabelle)
{
    const int weg = loeschbarerEintrag(eintrag, tabelle);
    if (weg < 0)
        return false;
    tabelle.erase(tabelle.begin() + weg);
    // only the network's own table is what synapses and pools refer to
    if (&tabelle != &synapsenTypen)
        return true;
    typIndizesUmstellen([weg](int typ) { return typ > weg ? typ - 1 : typ; });
    synapsenTypAnzahl = static_cast<int>(synapsenTypen.size());
    return true;
}

bool synapsenTypArbeitskopieNehmen(SynapsenTypArbeitskopie& kopie)
{
    try {
        kopie.tabelle = synapsenTypen;
        kopie.herkunft.resize(synapsenTypen.size());
    } catch (const std::bad_alloc&) {
        return false;
    }
    for (size_t i = 0; i < kopie.herkunft.size(); ++i)
        kopie.herkunft[i] = static_cast<int>(i);
    return true;
}

bool synapsenTypLoeschen(const SynapsenTyp* eintrag, SynapsenTypArbeitskopie& kopie)
{
    const int weg = loeschbarerEintrag(eintrag, kopie.tabelle);
    if (weg < 0)
        return false;
    kopie.tabelle.erase(kopie.tabelle.begin() + weg);
    if (weg < static_cast<int>(kopie.herkunft.size()))
        kopie.herkunft.erase(kopie.herkunft.begin() + weg);
    return true;
}

bool synapsenTypenUebernehmen(const SynapsenTypArbeitskopie& kopie)
{
    const int alteAnzahl = static_cast<int>(synapsenTypen.size());
    std::vector<SynapsenTyp> neu;
    std::vector<int> neuerIndex;
    try {
        neu = kopie.tabelle;
        neuerIndex.assign(static_cast<size_t>(alteAnzahl), -1);
    } catch (const std::bad_alloc&) {
        return false;
    }
    // entries past the known origins were added in the dialog
    const int bekannt = static_cast<int>(std::min(kopie.herkunft.size(), kopie.tabelle.size()));
    for (int i = 0; i < bekannt; ++i)
        if (const int alt = kopie.herkunft[i]; alt >= 0 && alt < alteAnzahl)
            neuerIndex[alt] = i;
    synapsenTypen.swap(neu);
    synapsenTypAnzahl = static_cast<int>(synapsenTypen.size());
    // an index no entry of the copy came from stays (no synapse uses a deleted type)
    typIndizesUmstellen([&](int typ) {
        return typ >= 0 && typ < alteAnzahl && neuerIndex[typ] >= 0 ? neuerIndex[typ] : typ;
    });
    return true;
}
