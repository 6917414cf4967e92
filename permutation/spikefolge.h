// permutation/spikefolge.h - the reports of a neuron's spike-train rating, the phases of
// its bursts and the settings dialog 284, as the diagram windows, the main window and the
// permutation display reach them (the rating itself is the model's: model/spikefolge.h)
#pragma once
#include "platform/fenster.h"
#include <cstdint>

struct NeuronDaten;
struct DiagrammDaten;
struct SpikefolgenBewertung;

// What the neuron's last rating found, by its code, formatted into the neuron's result
// text and shown in a notice. The number of the text shown (405-409); 0 without a neuron.
int spikefolgeErgebnisMeldung(NeuronDaten* neuron);

// The bursts of the block that start within t1..t2 (either order): their count, duration,
// interval, frequency, gap, period and spikes in a notice (text 239), shown only when
// there is a burst. The number of those bursts.
int spikefolgeFrequenzMeldung(NeuronDaten* neuron, const SpikefolgenBewertung* bewertung, double t1, double t2);
// the same over the neuron's own block
int spikefolgeFrequenzMeldung(NeuronDaten* neuron, double t1, double t2);

// The phases of the other neurons' bursts to the first burst of the diagram's neuron in
// the span between its time cursors (without two cursors it asks to take the whole run).
// The text also goes into the reference neuron's result text.
void spikefolgeStatistik(DiagrammDaten* diagramm);

// A permutation result of anzahl AP times rated for the display's pseudo-neuron: three or
// fewer spikes are reported (text 234) and not rated; with the burst report switched on
// the result message follows. The code, 0 when nothing was rated (no pseudo-neuron).
int spikefolgeBewertenMeldung(NeuronDaten* pseudoNeuron, const float* zeiten, int anzahl);

// Dialog 284 as the main window's command 285 and the diagrams open it: in permutation
// mode it edits the pseudo-neuron, else the one marked neuron, else with none marked the
// neuron given, and with several marked all of them. 1 on OK.
intptr_t spikefolgenParameterDialog(plattform::Fenster eigner, NeuronDaten* neuron);
// A double click into a diagram of a neuron whose spike train is rated: between the two
// time cursors it reports the frequencies of that span, on a burst's marker box that burst.
// True when the click ended there; the diagram may be gone afterwards (a box was shown).
bool burstDoppelklick(plattform::Fenster fenster, int x, int y);
// Dialog 284 for exactly this neuron (the evaluation neuron of the permutation display and
// of the burst-shape rating), whatever is marked. 1 on OK.
intptr_t spikefolgenParameterDialogFuer(plattform::Fenster eigner, NeuronDaten* neuron);
intptr_t spikefolgenBewertungDlgProc(plattform::Fenster dlg, uint32_t nachricht, uintptr_t w, intptr_t l);
