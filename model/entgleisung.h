// model/entgleisung.h - the notice for runs whose values ran away
#pragma once
struct NeuronDaten;

// A run stopped because the soma potential of n was no finite number any more from seit
// on. A run of its own (a single permutation in free order too) says so at once (820). In
// a permutation series or a script no box stands between two runs, where Esc could not get
// past it: the runs are counted and the first kept, and entgleisteLaeufeMelden says it
// once when the series or the script is over.
void laufEntgleist(const NeuronDaten& n, double seit);
// The one notice of the series or the script just over when runs of it ran away (none
// while the program ends); the count starts afresh.
void entgleisteLaeufeMelden();
