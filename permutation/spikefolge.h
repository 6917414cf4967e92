// permutation/spikefolge.h - the rating of a neuron's spike train, its bursts and its
// parameter dialog, as the diagram windows reach them
#pragma once
#include "platform/fenster.h"

struct NeuronDaten;
struct DiagrammDaten;

// Rates the spike train of the AP times given; false when nothing was rated (the caller
// then neither repaints nor reports).
bool spikefolgeBewerten(NeuronDaten* neuron, const float* apZeiten, int apAnzahl);
// shows what the last rating of the neuron found
void spikefolgeErgebnisMeldung(NeuronDaten* neuron);
// the phases of the bursts of the diagram's neuron
void spikefolgeStatistik(DiagrammDaten* diagramm);
// the parameter dialog of the rating, owned by eigner; 1 on OK
intptr_t spikefolgenParameterDialog(plattform::Fenster eigner, NeuronDaten* neuron);
