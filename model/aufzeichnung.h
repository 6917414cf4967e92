// model/aufzeichnung.h - what a run records in every step
#pragma once
#include <cstddef>
#include <vector>

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
// While the run goes on, the slots' write positions live in the recorder:
// aufzeichnungSichern puts them back into the slots, before code outside the loop reads
// them (the live curves, the event pump) and at the run's end.
void datenAufzeichnen(double t, int start);
void aufzeichnungNeuAufbauen();
void aufzeichnungSichern();
// The neurons the loop steps one by one on their records, in the order it steps them: a
// slot whose value their step writes in the record is taken right after that step, while the
// record is at hand (aufzeichnungNachSchritt(j) after the step of neurone[j]);
// datenAufzeichnen takes it again when code outside the loop ran in between (the recorder
// was listed again).
struct NeuronDaten;
void aufzeichnungEinzelneSetzen(const std::vector<NeuronDaten*>& neurone);
void aufzeichnungNachSchritt(size_t j);

// the float a main-diagram slot records at t; false when the recorder leaves that slot
// alone (kind 2 and stored curves, slots of kinds that have no value there, channel slots
// without a bound channel)
bool kurvenWert(const NeuronDaten& n, int slot, double t, float& wert);
