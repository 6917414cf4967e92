// model/permutationsfenster.h - the permutation settings a network file keeps
//
// The display settings of the permutation window with their defaults (a network file
// without the keys gives these), the result-file size limit and the layout template of
// the permutation display.
#pragma once
#include "model/diagramm.h"
#include "model/stromreiz.h"
#include "model/zeichengrenzen.h"
#include <array>
#include <cstdint>

struct PermutationsFensterEinstellungen {
    int levelBalkenAnzeigen = 1;
    plattform::Farbe balkenFarbe = 0x0000FF;
    int balkenAbstandYAchse = 50;
    int balkenUnterkante = 100;          // "hoehe der level-balken": row of the bars' lower edge
    int balkenBreiteProzent = 30;
    int balkenMaximalHoehe = 95;         // missing in a file: bar bottom edge - 5
    int balkenSockel = 10;
    int textAbstand = 15;
    int synapsenBezeichnungAnzeigen = 1;
    plattform::Farbe spikeFarbe = 0x008080;
    int apLinienstaerke = 2;
    int zahlenMaske = 30;                // 1 number, 2 AP count, 4 quality, 8 frequencies, 16 position, 32 on the stimulus curve
    int zahlenPositionAbsolut = 0;       // 0 above the APs, 1 below
    int zahlenPositionRelativ = 1;       // 0 top, 1 middle, 2 bottom
    int xAchseAutomatisch = 1;
    int stromreizAnzeigen = 1;
    plattform::Farbe stromreizFarbe = 0x808000;
    int stromreizHoehe = 20;             // % of the window height
    int stromreizDicke = 2;
    int stromreizPosition = 5;
    plattform::Farbe klassenmarkenFarbe = 0x008080;
    int klassenmarkenLaenge = 20;
    int klassenmarkenDicke = 2;
    int klassenmarkenTextabstand = 0;
    StromreizDefinition stromreiz;       // the window's own stimulus definition
    int levelPruefen = 1;                // levels must agree across several result files
};
extern PermutationsFensterEinstellungen permutationsFenster;

// The whole-number display values that reach the painter's pixel sums, with their range:
// dialog 203 refuses a typed value outside it, the file reader clamps a stored one into it.
struct PermutationsFensterGrenze {
    int PermutationsFensterEinstellungen::*feld;
    int von, bis;
};
using PFE = PermutationsFensterEinstellungen;
inline constexpr std::array<PermutationsFensterGrenze, 13> permutationsFensterGrenzen{{
    {&PFE::balkenAbstandYAchse, -groessteZeichenGroesse, groessteZeichenGroesse},
    {&PFE::balkenUnterkante, -groessteZeichenGroesse, groessteZeichenGroesse},
    {&PFE::balkenBreiteProzent, 0, 1000},
    {&PFE::balkenMaximalHoehe, -groessteZeichenGroesse, groessteZeichenGroesse},
    {&PFE::balkenSockel, -groessteZeichenGroesse, groessteZeichenGroesse},
    {&PFE::textAbstand, -groessteZeichenGroesse, groessteZeichenGroesse},
    {&PFE::apLinienstaerke, 0, groessteLinienDicke},
    {&PFE::stromreizHoehe, -1000, 1000},
    {&PFE::stromreizDicke, 0, groessteLinienDicke},
    {&PFE::stromreizPosition, -groessteZeichenGroesse, groessteZeichenGroesse},
    {&PFE::klassenmarkenLaenge, -groessteZeichenGroesse, groessteZeichenGroesse},
    {&PFE::klassenmarkenDicke, 0, groessteLinienDicke},
    {&PFE::klassenmarkenTextabstand, -groessteZeichenGroesse, groessteZeichenGroesse},
}};
// the range of one of those fields; {INT_MIN, INT_MAX} for any other
std::pair<int, int> permutationsFensterGrenze(int PermutationsFensterEinstellungen::*feld);
// The values a file gave, clamped: the fields above into their ranges, the display's window
// size and place (permutationsDiagramm) into the range of a neuron's place.
void permutationsFensterBegrenzen();

// bytes after which a result file goes on in a new numbered file; 0: 0x7fefffff
extern uint32_t maxBinDateiGroesse;
// the memory the permutation mode may take: free memory at the last load less 2 MiB
extern int64_t permutationsSpeichergrenze;

// the layout template of the permutation display; its window size and place are kept in
// fensterBreite, fensterHoehe, fensterX and fensterY (700, 500 at 100, 100)
extern DiagrammDaten permutationsDiagramm;
