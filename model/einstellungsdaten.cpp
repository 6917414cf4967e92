// model/einstellungsdaten.cpp - the settings records a network file keeps beside the network
#include "model/anzeigeeinstellungen.h"
#include "model/kurven.h"
#include "model/permutationsfenster.h"
#include "model/seiteneinrichtung.h"
#include "model/serverdaten.h"
#include "model/stromreiz.h"
#include "model/synapse.h"
#include <algorithm>
#include <climits>

SeitenEinrichtung seiteNetzfenster;
SeitenEinrichtung seiteDiagrammfenster;

PermutationsFensterEinstellungen permutationsFenster;
uint32_t maxBinDateiGroesse = 0;
int64_t permutationsSpeichergrenze = 0;
DiagrammDaten permutationsDiagramm = [] {
    DiagrammDaten d;
    d.fensterBreite = 700;
    d.fensterHoehe = 500;
    d.fensterX = 100;
    d.fensterY = 100;
    return d;
}();

std::pair<int, int> permutationsFensterGrenze(int PermutationsFensterEinstellungen::*feld)
{
    for (const PermutationsFensterGrenze& g : permutationsFensterGrenzen)
        if (g.feld == feld)
            return {g.von, g.bis};
    return {INT_MIN, INT_MAX};
}

void permutationsFensterBegrenzen()
{
    for (const PermutationsFensterGrenze& g : permutationsFensterGrenzen)
        permutationsFenster.*g.feld = std::clamp(permutationsFenster.*g.feld, g.von, g.bis);
    DiagrammDaten& d = permutationsDiagramm;
    d.fensterX = neuronLageBegrenzt(d.fensterX);
    d.fensterY = neuronLageBegrenzt(d.fensterY);
    d.fensterBreite = std::clamp(d.fensterBreite, 0, groessteNeuronLage);
    d.fensterHoehe = std::clamp(d.fensterHoehe, 0, groessteNeuronLage);
}

ServerDaten serverDaten;

NeueSynapseVorgaben neueSynapseVorgaben;
Synapsenfarben synapsenfarben;
Netzbildfarben netzbildfarben;
StromreizDefinition standardSomareiz;
std::array<PspForm, 3> pspBeispiele;
Wiedergabe wiedergabe;
int neuronnamenAnzeigen = 1;
int skriptMeldungenAnzeigen = 1;
// a new curve gets the template's colour of its slot
std::array<plattform::Farbe, kurvenProDiagramm> kurvenStandardfarben = [] {
    std::array<plattform::Farbe, kurvenProDiagramm> f{};
    for (int i = 0; i < kurvenProDiagramm; ++i)
        f[static_cast<size_t>(i)] = vorlagenKurvenFarbe(i);
    return f;
}();
