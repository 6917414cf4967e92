// model/aufzeichnung.h - what a run records in every step
#pragma once

// start 1 (t 0, before the first step): the user-channel values of the channel slots set to
// 0, the sample limit and the export interval taken, the "Intervall" line.
// start 0 (after the synapse dynamics, t before the increment): one float per slot in use
// of every main diagram that has a window, at most the run's step count per slot (while
// the soma-potential file is asked for, slot 0 of every neuron, window or not); one
// export line every interval + 1 steps (within the step count) with the cells of every
// neuron with an export mask.
// The slots are read where the run keeps their values (model/kern.h); start 1 lists them,
// and aufzeichnungNeuAufbauen lists them again after the records or the kernels' lanes may
// have changed (a pass of the event pump). An export line is written from the records.
void datenAufzeichnen(double t, int start);
void aufzeichnungNeuAufbauen();

// the float a main-diagram slot records at t; false when the recorder leaves that slot
// alone (kind 2 and stored curves, slots of kinds that have no value there, channel slots
// without a bound channel)
struct NeuronDaten;
bool kurvenWert(const NeuronDaten& n, int slot, double t, float& wert);
