// model/gruppen.cpp - synapse groups
#include "model/gruppen.h"
#include "model/netz.h"
#include <algorithm>

namespace {

constexpr size_t groessteNamenslaenge = 259;

bool gruppeGueltig(int g) { return g >= 1 && g < synapsengruppenAnzahl; }

// the list of the group s names, without s; a stale number is simply dropped
void ausAlterGruppe(SynapseDaten& s)
{
    if (s.gruppe >= 0 && s.gruppe < synapsengruppenAnzahl)
        std::erase(synapsengruppen[s.gruppe].mitglieder, s.id);
    s.gruppe = 0;
}

} // namespace

int synapsengruppeFrei()
{
    for (int g = 1; g < synapsengruppenAnzahl; ++g)
        if (synapsengruppen[g].anzahl() == 0)
            return g;
    return 0;
}

bool synapsengruppeBelegen(int g, SynapseDaten& s, const std::string* name)
{
    if (!gruppeGueltig(g) || synapsengruppen[g].anzahl() > 0)
        return false;
    Synapsengruppe& gruppe = synapsengruppen[g];
    if (name)
        gruppe.name = name->substr(0, groessteNamenslaenge);
    ausAlterGruppe(s);
    gruppe.mitglieder.push_back(s.id);
    s.gruppe = g;
    ++synapsengruppenZahl;
    return true;
}

bool synapseInGruppeEintragen(int g, SynapseDaten& s)
{
    if (!gruppeGueltig(g))
        return false;
    if (s.gruppe == g)
        return true;
    ausAlterGruppe(s);
    synapsengruppen[g].mitglieder.push_back(s.id);
    s.gruppe = g;
    return true;
}

void synapseAusGruppeEntfernen(SynapseDaten& s)
{
    if (!gruppeGueltig(s.gruppe))
        return;
    auto& m = synapsengruppen[s.gruppe].mitglieder;
    const auto it = std::find(m.begin(), m.end(), s.id);
    if (it == m.end())
        return;   // not listed: the number stays as it is
    m.erase(it);
    s.gruppe = 0;
}

void synapsengruppeAufloesen(int g, int modus)
{
    if (g < 0 || g >= synapsengruppenAnzahl)
        return;
    // the list is taken out first: deleting members must not walk a list being changed
    std::vector<int> mitglieder;
    mitglieder.swap(synapsengruppen[g].mitglieder);
    const int vorher = gruppeWirdAufgeloest;
    gruppeWirdAufgeloest = 1;
    for (int id : mitglieder) {
        // a member deleted as the axo-axonic synapse of an earlier one is gone already
        SynapseDaten* s = synapseNachId(id);
        if (!s)
            continue;
        if (modus == 1)
            synapseLoeschen(s->quelle, s, 0);
        else if (s->gruppe == g)
            s->gruppe = 0;
    }
    synapsengruppen[g] = Synapsengruppe{};
    // slot 0 is the dialog's temporary list, never a counted group
    if (g > 0 && synapsengruppenZahl > 0)
        --synapsengruppenZahl;
    gruppeWirdAufgeloest = vorher;
}
