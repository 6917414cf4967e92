// model/permutation.cpp - the run state of a permutation series as the engine and the
// diagram painter read it
#include "model/permutation.h"
#include "core/status.h"
#include "model/netz.h"
#include "model/permutationsfenster.h"
#include <algorithm>

PermutationsLaufstand permutationsLaufstand;
Permutationsmodus permutationsmodus;

const NeuronSchalterSicherung* beiseiteGelegteSchalter(int nummer)
{
    if (!(modusStatus & modusBit::Permutationsmodus))
        return nullptr;
    for (const NeuronSchalterSicherung& s : permutationsmodus.schalter)
        if (s.nummer == nummer)
            return &s;
    return nullptr;
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
