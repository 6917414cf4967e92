// model/spikefolge.h - the rating of a neuron's spike train: tonic, irregular or in bursts
//
// The engine rates after every run of a neuron whose rating is on; the diagrams, the
// permutation display and the burst-shape rating of permutation results call it too. The
// settings and the result block are the neuron's (model/neuron.h).
#pragma once
#include <cstdint>

struct NeuronDaten;
struct Spikefolgenregel;

// the rating flags of SpikefolgenEinstellungen
namespace spikefolgenFlag {
constexpr uint32_t EinzelBurst = 0x4;       // a single burst without further spikes counts
constexpr uint32_t MindestLaenge = 0x8;     // a burst must have the minimum length
constexpr uint32_t MindestSpikes = 0x10;    // ... and the minimum spike count
constexpr uint32_t Relativ = 0x20;          // both minima relative to the mean of all bursts
constexpr uint32_t MindestFrequenz = 0x40;  // a burst must have the minimum frequency (the search ignores it)
constexpr uint32_t AbLaufbeginn = 0x400;    // a single burst also counts when it begins with the run
constexpr uint32_t BisLaufende = 0x800;     // a (last) burst also counts when it lasts to the run's end
}

// the bits of the result code
namespace spikefolgenCode {
constexpr int Bursts = 1, Tonisch = 2, Irregulaer = 4, KeineSpikes = 8, ZuWenige = 16, EinzelBurst = 32;
constexpr int AbLaufbeginn = 0x400, BisLaufende = 0x800;
}

// A rule whose burst factor or minimum spike count is 0 was never set: 2 and 1 stand in.
void spikefolgeVorgabenSetzen(Spikefolgenregel& regel);

// Rates the train of anzahl AP times (seconds, ascending) into the neuron's result block
// and returns its code. A null list or a negative count is an empty train. The caller
// passes no more times than the list holds. 0 after a memory failure: the program then
// ends (said in a notice).
int spikefolgeBewerten(NeuronDaten& neuron, const float* zeiten, int anzahl);

// Comparators of interval entries (SpikeIntervall) in the -1, 0, 1 form: by interval and by
// spike time, ascending; values of which neither is greater (equal, or a NaN) give 0.
int intervallVergleichAuf(const void* a, const void* b);
int intervallZeitVergleichAuf(const void* a, const void* b);

// The sample SD of anzahl values from their sum and the sum of their squares; -1 with
// fewer than two values. Rounding never makes it NaN: a variance below 0 counts as 0.
double stichprobenStreuung(double summe, double quadrate, int anzahl);
