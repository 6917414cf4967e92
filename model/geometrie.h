// model/geometrie.h - where the editor draws a synapse
//
// Whole editor pixels, y growing downwards. Each synapse keeps a straight connection for
// every dendrite mode (source soma to target soma, dendrite point or parent synapse) and
// the line of the current drawing, from the end of the source's axon to a point beside
// the target, with a small square marker. The painter only draws what is stored here.
#pragma once
#include "model/zufall.h"

struct NeuronDaten;
struct SynapseDaten;

// the neuron's drawing sizes (zeichenGroessen); 0 or less means the standard neuron's
namespace zeichenGroesse {
constexpr int SegmentLinie = 0, DendritLaenge = 1, DendritDicke = 2, Soma = 3, Axon = 4,
              Synapse = 5, Schleife = 6, Reizblitz = 7;
}
int zeichenGroesseVon(const NeuronDaten& n, int welche);
// the dendrite mode of the run settings, 1..4 (3 when unset)
int dendritenModus();

// the generator of the random line ends; the engine's sequence stays untouched
extern Zufallsgenerator geometrieZufall;

// voll: the connection variants first; then the line of the current mode
void synapseGeometrie(SynapseDaten& s, int voll);
// the four connection variants; always 4
int synapsenLinieBerechnen(SynapseDaten& s);
// linienStart and linienEnde from the variant of the current dendrite mode
void synapsenEndpunktSetzen(SynapseDaten& s);
// the drawn line: from the end of the axon to the target, by dendrite mode
void synapsenLinieSetzen(SynapseDaten& s);
// line end on the target soma
void synapsenBogenZufall(SynapseDaten& s);
// line end beside dendrite segment bereich of the target
void synapsenBogenZuPunkt(SynapseDaten& s, int bereich);
