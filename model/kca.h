// model/kca.h - the Ca pool and K(Ca) channels of a SWIM neuron
#pragma once
struct NeuronDaten;
struct KCaKanal;
// One step of the neuron's Ca pool, its two Ca channels and its K(Ca) channel, described
// by its K(Ca) record; leaves the openings, summeGE and summeG in the record.
void caKanaeleBerechnen(NeuronDaten& neuron, KCaKanal& kca);
// The run values of a neuron whose K(Ca) mode is on, from its K(Ca) record, before the
// first step of every run: g*E of the K(Ca) channel, the pool at its initial value, the
// gates at theirs, the Nernst potential and the Ca-pool currents at 0 (so that the first
// step's pool is not fed by the currents of the previous run).
void kcaLaufwerteSetzen(NeuronDaten& neuron);
