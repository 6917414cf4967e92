// model/zeitschleife.h - the time loop of a network run and the model dispatch table
//
// The run state (laufZustand: t, abort flag, set-up flag, AP count, step counter) lives in
// app/status.h; the loop here reads and writes it.
#pragma once
struct NeuronDaten;

// One step of the given neuron at laufZustand.t; a step reads no current-neuron cursor.
using ModellSchritt = void (*)(NeuronDaten& neuron);

// Indexed by NeuronDaten::modellTyp: 1 on/off, 2 SWIM, 3 HH, 4 GB. Slot 0 stays null:
// a neuron of model type 0 or outside 1..4 is carried in the run but never stepped.
// A null slot is skipped: a neuron whose model has no step yet is left alone.
// The slots start at onOffModellBerechnen, swimModellBerechnen, hodgkinHuxleyModellBerechnen
// and golowaschBuchholzModellBerechnen (the table's initialiser in model/zeitschleife.cpp:
// a self-registering object in the static library could be dropped by the linker).
constexpr int modellSchrittAnzahl = 5;
extern ModellSchritt modellSchritt[modellSchrittAnzahl];

// What every run does to each neuron after the start state and before the first step:
// stimulus-table positions to 0, the K(Ca) run values, the diagrams' write positions (a
// shown slot without samples gets its points), the spike and PSP lists freed and their
// counters cleared, the Izhikevich step kept at least the run step, and the passive mark
// (1 when the model's main conductances that the run looks at are all 0: no spike counts).
// Tests that step a neuron themselves prepare it with this too.
void neuronLaufVorbereiten(NeuronDaten& neuron);

// The time loop with its set-up and its end bookkeeping. Returns the number of passes run
// (0 when the duration gives none), or -1 when the set-up was refused (no step, no end
// bookkeeping; the set-up flag is left as it was). Results stay in the neurons, the
// diagrams' sample buffers and laufZustand.
int simulationAusfuehren();
// true after a run that stopped on a soma potential that was no finite number any more (it
// ends like an abort and keeps what it recorded); false after every other run
extern bool laufAngehalten;
