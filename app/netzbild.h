// app/netzbild.h - the network picture of the main window
//
// A neuron's stored x, y is the top-left corner of its soma box: the soma is the circle in
// (x, y) - (x + d, y + d), d its soma size; the dendrite hangs below it, the axon stands
// above it. The synapse lines come from the stored geometry and start and end on those
// circles. Every coordinate and size is multiplied by zoomFaktor when drawn.
#pragma once
#include "platform/zeichnen.h"
#include <string>

struct NeuronDaten;
struct SynapseDaten;

// the whole picture: background, synapses, then the neurons over their line ends
void netzwerkZeichnen(plattform::Zeichenflaeche& z);
// the soma of the neuron flashing in the spike playback is filled with this colour
constexpr plattform::Farbe blitzFarbeWiedergabe = 0x0000FF;
// the soma box of the neuron in drawn pixels
plattform::Rechteck somaRechteck(const NeuronDaten& n);
// the colour a synapse is drawn in, by its ion kind (axo-axonic ones apart)
plattform::Farbe synapsenFarbe(const SynapseDaten& s);
// An editor length or place in drawn pixels. Whatever the value and the zoom, the result
// lies within a million pixels either way, so painters may add a few of them in int.
int gezoomt(long long wert);
// A text of the picture at a point of the picture, with the alignment and colour set. On
// the printed page it is drawn in the printer font at its point size on paper, at the point
// the page mapping gives.
void netzText(plattform::Zeichenflaeche& z, int x, int y, const std::string& text);
