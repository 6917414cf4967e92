// model/geometrie.h - where the editor draws a synapse
//
// Whole editor pixels, y growing downwards. Each synapse keeps a straight connection for
// every dendrite mode (source soma to target soma, dendrite point or parent synapse) with
// a marker point before its end; the line drawn is the connection of the current dendrite
// mode. Neuron x, y is the top-left of the soma box, so every connection runs between the
// drawn circles. The painter only draws what is stored here.
#pragma once

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

// voll: the connection variants first; then the line of the current mode
void synapseGeometrie(SynapseDaten& s, int voll);
// the four connection variants; always 4
int synapsenLinieBerechnen(SynapseDaten& s);
// linienStart and linienEnde from the variant of the current dendrite mode
void synapsenEndpunktSetzen(SynapseDaten& s);
