// model/permutation.cpp - the run state of a permutation series as the engine and the
// diagram painter read it
#include "model/permutation.h"
#include "core/status.h"
#include "model/netz.h"
#include "model/permutationsfenster.h"
#include "model/synapse.h"
#include <algorithm>

PermutationsLaufstand permutationsLaufstand;
Permutationsmodus permutationsmodus;

const NeuronSchalterSicherung* beiseiteGelegteSchalter(int nummer)
{
    if (!(modusStatus & modusBit::Permutationsmodus) || permutationsmodus.schalterNetz != netzKennung)
        return nullptr;
    for (const NeuronSchalterSicherung& s : permutationsmodus.schalter)
        if (s.nummer == nummer)
            return &s;
    return nullptr;
}

uint32_t benutzerProgrammStatus()
{
    const Permutationsmodus& m = permutationsmodus;
    if (!(modusStatus & modusBit::Permutationsmodus) || !m.programmSchalterBeiseite)
        return programmStatus;
    return (programmStatus & ~permutationsProgrammSchalter) | (m.programmSchalter & permutationsProgrammSchalter);
}

namespace {

// the synapse still holds the level, and the level is not the user's own value
bool levelGehalten(const GehalteneLeitfaehigkeit& g)
{
    const SynapseDaten* s = synapseNachId(g.id);
    if (!s || s->initialLeitfaehigkeit != g.gesetzt)
        return false;
    if (g.gesetzt != g.initial)
        return true;
    // the single-neuron runs put the level into the pool's sum alone
    return s->pool && s->pool->gSumme == g.gesetztePoolSumme && g.gesetztePoolSumme != g.poolSumme;
}

// the levels kept for this network
const std::vector<GehalteneLeitfaehigkeit>* levelDiesesNetzes()
{
    const Permutationsmodus& m = permutationsmodus;
    return m.leitfaehigkeiten.empty() || m.levelNetz != netzKennung ? nullptr : &m.leitfaehigkeiten;
}

} // namespace

bool permutationsLevelImNetz()
{
    const auto* l = levelDiesesNetzes();
    return l && std::any_of(l->begin(), l->end(), levelGehalten);
}

double benutzerLeitfaehigkeit(const SynapseDaten& synapse)
{
    if (const auto* l = levelDiesesNetzes())
        for (const GehalteneLeitfaehigkeit& g : *l)
            if (g.id == synapse.id && synapseNachId(g.id) == &synapse && synapse.initialLeitfaehigkeit == g.gesetzt)
                return g.initial;
    return synapse.initialLeitfaehigkeit;
}

int fremdeWerteImNetz()
{
    if (modusStatus & modusBit::SerieLaeuft)
        return 1500;
    if (skriptStatus & skriptBit::Laeuft)
        return 1501;
    return 0;
}

NeuronDaten* teilsimulationsNeuron() { return neuronNachNummer(permutationsLaufstand.zielNeuron); }

bool permutationsBalkenHolen(PermutationsBalken& balken)
{
    const PermutationsLaufstand& s = permutationsLaufstand;
    if (!(modusStatus & modusBit::SerieLaeuft) || !permutationsFenster.levelBalkenAnzeigen || s.synapsenAnzahl < 1)
        return false;
    balken.anzahl = std::min<int>(s.synapsenAnzahl, static_cast<int>(s.balkenOben.size()));
    balken.einzug = permutationsFenster.balkenAbstandYAchse;
    balken.breiteProzent = permutationsFenster.balkenBreiteProzent;
    balken.oben.assign(s.balkenOben.begin(), s.balkenOben.begin() + balken.anzahl);
    balken.unten = permutationsFenster.balkenUnterkante;
    balken.stift = s.stift;
    balken.pinsel = s.pinsel;
    return true;
}
