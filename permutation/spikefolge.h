// permutation/spikefolge.h - the report of a neuron's spike-train rating, its bursts and
// its parameter dialog, as the diagram windows reach them (the rating itself is the model's)
#pragma once
#include "platform/fenster.h"

struct NeuronDaten;
struct DiagrammDaten;

// shows what the last rating of the neuron found
void spikefolgeErgebnisMeldung(NeuronDaten* neuron);
// the phases of the bursts of the diagram's neuron
void spikefolgeStatistik(DiagrammDaten* diagramm);
// the parameter dialog of the rating, owned by eigner; 1 on OK
intptr_t spikefolgenParameterDialog(plattform::Fenster eigner, NeuronDaten* neuron);
