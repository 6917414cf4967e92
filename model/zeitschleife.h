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

// The time loop with its set-up and its end bookkeeping. Returns the number of passes run
// (0 when the duration gives none), or -1 when the set-up was refused (no step, no end
// bookkeeping; the set-up flag is left as it was). Results stay in the neurons, the
// diagrams' sample buffers and laufZustand.
int simulationAusfuehren();
