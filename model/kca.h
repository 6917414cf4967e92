// model/kca.h - the Ca pool and K(Ca) channels of a SWIM neuron
#pragma once
struct NeuronDaten;
struct KCaKanal;
// One step of the neuron's Ca pool, its two Ca channels and its K(Ca) channel, described
// by its K(Ca) record; leaves the openings, summeGE and summeG in the record. The SWIM
// step reaches it through the seam caKanaeleBerechnen.
void kcaKanaeleBerechnen(NeuronDaten& neuron, KCaKanal& kca);
