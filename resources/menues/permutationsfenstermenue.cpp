// resources/menues/permutationsfenstermenue.cpp - the menu of the permutation display
// window, German (208) and English (306)
#include "resources/befehle.h"
#include "resources/permutationsfenstermenue.h"

using plattform::MenueZeile;

namespace {

using namespace plattform::menueZeilenArt;

// Both tables list the same rows in the same order; keep them side by side.
const MenueZeile deutsch[] = {
    {0, U, 0, "&Darstellung"},
    {1, P, pmtFensterBefehlDiagramm, "Diagramm..."},
    {1, P, pmtFensterBefehlSpikesUndBalken, "Spikes und Balken..."},
    {1, T, 0, ""},
    {1, P, pmtFensterBefehlBeenden, "beenden"},
    {0, U, 0, "&Spikefolge"},
    {1, P, befehlPmtSpikefolgeBewerten, "Spikefolge bewerten\tStrg+B"},
    {1, P, pmtFensterBefehlSpikefolgeParameter, "Parameter f\xFCr Spikefolge ..."},
    {1, P, befehlPmtBurstdaten, "Burstdaten anzeigen\tStrg+Umschalt+B"},
};
const MenueZeile englisch[] = {
    {0, U, 0, "&Display"},
    {1, P, pmtFensterBefehlDiagramm, "diagram..."},
    {1, P, pmtFensterBefehlSpikesUndBalken, "spikes and bars..."},
    {1, T, 0, ""},
    {1, P, pmtFensterBefehlBeenden, "close"},
    {0, U, 0, "&Spike train"},
    {1, P, befehlPmtSpikefolgeBewerten, "rate spike train\tCtrl+B"},
    {1, P, pmtFensterBefehlSpikefolgeParameter, "spike train parameters ..."},
    {1, P, befehlPmtBurstdaten, "show burst data\tCtrl+Shift+B"},
};

} // namespace

const std::span<const MenueZeile> permutationsFensterMenue208{deutsch};
const std::span<const MenueZeile> permutationsFensterMenue306{englisch};

std::span<const MenueZeile> permutationsFensterMenueTabelle(int sprache)
{
    return sprache == 1033 ? permutationsFensterMenue306 : permutationsFensterMenue208;
}
