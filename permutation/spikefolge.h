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
// A double click into a diagram of a neuron whose spike train is rated: between the two
// time cursors it reports the frequencies of that span, on a burst's marker box that burst.
// True when the click ended there; the diagram may be gone afterwards (a box was shown).
bool burstDoppelklick(plattform::Fenster fenster, int x, int y);
