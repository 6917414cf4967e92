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

// Groups in use are the groups with members: an emptied group is free for the next
// creation, and counting it as well as its reuse would make the number drift.
void gruppenZaehlen()
{
    int zahl = 0;
    for (int g = 1; g < synapsengruppenAnzahl; ++g)
        if (synapsengruppen[g].anzahl() > 0)
            ++zahl;
    synapsengruppenZahl = zahl;
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
    gruppenZaehlen();
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
    gruppenZaehlen();
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
    gruppenZaehlen();
}

void synapsengruppeAufloesen(int g, int modus)
{
    if (g < 0 || g >= synapsengruppenAnzahl)
        return;
    // the list is taken out first: deleting members must not walk a list being changed
    std::vector<int> mitglieder;
    mitglieder.swap(synapsengruppen[g].mitglieder);
    // the flag names this group only: a member's axo-axonic synapse that belongs to
    // another group still leaves that group when it is deleted with its parent
    const int vorher = gruppeWirdAufgeloest;
    if (g > 0)
        gruppeWirdAufgeloest = g;
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
    gruppenZaehlen();
    gruppeWirdAufgeloest = vorher;
}
