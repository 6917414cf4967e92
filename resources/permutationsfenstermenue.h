// resources/permutationsfenstermenue.h - the command ids and the menu of the permutation
// display window
//
// Menu 208 (German) and 306 (English). The commands reach the display window's own command
// handler; 276 and 281 are the permutation mode's switches of resources/befehle.h.
#pragma once
#include "platform/menue.h"
#include <span>

constexpr int pmtFensterBefehlDiagramm = 209;             // "Diagramm...": dialog 127 on the display
constexpr int pmtFensterBefehlSpikesUndBalken = 215;      // "Spikes und Balken...": dialog 203
constexpr int pmtFensterBefehlSpikefolgeParameter = 286;  // "Parameter für Spikefolge ...": dialog 284
constexpr int pmtFensterBefehlBeenden = 210;              // "beenden": the display closes

extern const std::span<const plattform::MenueZeile> permutationsFensterMenue208;
extern const std::span<const plattform::MenueZeile> permutationsFensterMenue306;
// 1033 gives 306, every other language 208
std::span<const plattform::MenueZeile> permutationsFensterMenueTabelle(int sprache);
