// permutation/lauf.h - the permutation series: one simulation per combination of levels,
// each rated and stored as a record of the result file
#pragma once
#include "model/laufstart.h"
#include "platform/fenster.h"
#include <cstdint>

// Runs the series from the number start on; anzahl > 0 computes at most that many. In free
// order (modusStatus FreieReihenfolge) the one number is computed into the single result,
// without a file. 1 when the series ran to its end or was stopped, 0 when it was refused
// or a write failed (said in a notice; the files keep every whole record).
int permutationAusfuehren(int start, int anzahl);

// The conductances that free permutations replaced by their levels back as the user had
// them, where the synapses still hold the levels and only into the network they came from;
// nothing is held afterwards.
void freieLevelZurueckgeben();
// the same without giving anything back: the program's state is reset
void freieLevelVerwerfen();

// what the permutation mode's guards keep, by kind (AnalyseSchluessel::art)
namespace permutationsFeld {
constexpr uint32_t Leitfaehigkeiten = 1;   // the varied synapses of one run
constexpr uint32_t FreieLevel = 2;         // the user's conductances behind the free levels
constexpr uint32_t NeuronSchalter = 3;     // a neuron's export mask and spike-time switch, by number
constexpr uint32_t ProgrammSchalter = 4;   // the value export and the soma file's pair
constexpr uint32_t Kurve = 5;              // a diagram's slot, by neuron, diagram and slot number
constexpr uint32_t DiagrammFenster = 6;    // a diagram's window shown, by neuron and diagram number
}

// the commands of the series (40174, 191, 193, 200, 236, 40177, 252)
void serienBefehl(plattform::Fenster f, int befehl);

// The number of permutations of the current definition, m^n; at most 2^31 (which is already
// too many to run).
int64_t permutationsAnzahl();
// the size after which a result file goes on in the next numbered file: maxBinDateiGroesse,
// where 0 or anything past 0x7fefffff stands for 0x7fefffff
uint32_t binDateiGrenze();

// What runs one simulation; null is simulationStarten. Tests put a stand-in here.
extern Laufausgang (*permutationsLaufHaken)();
// the wait of a paused series between two passes over the waiting events (300 ms)
extern void (*serienPauseWarten)();
