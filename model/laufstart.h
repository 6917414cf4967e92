// model/laufstart.h - the start of a run and the run driver
#pragma once
struct NeuronDaten;

// how a run ended: it ran to its end, it was aborted (Escape, the program closing), or it
// never ran (no network, the settings check or the loop's set-up refused)
enum class Laufausgang { Beendet, Abgebrochen, Verweigert };
// Frames a run in the status words and the status bar, checks the run settings and calls
// simulationslaufSteuern. Returns when the run has ended; afterwards programmStatus holds
// LaufErgebnisDa and ErgebnisDa (unless the settings check or the loop's set-up refused)
// and the abort flag is 0.
Laufausgang simulationStarten();
// Everything around the time loop: feedback objects, backup, remaining-time window,
// synapse and Izhikevich preparation, sample buffers, result names, the run, the
// spike-time and PSP files, the curves into the diagrams. 0 when the program is being
// shut down on a fatal failure, -1 when the synapse preparation or the time loop refused
// its set-up (no step, no result files), else 1.
int simulationslaufSteuern();

// the backup option word: 0x1 "Backup vor Simulation speichern", 0x2 while it is written
namespace sicherungBit { constexpr int An = 0x1, WirdGeschrieben = 0x2; }
extern int sicherungsOptionen;

// the permutation mode's kind of run: 0 full network run; 1 the run records the synaptic
// input (the time loop then sets 2); 2 or more: the single-neuron run of the neuron
// teilsimulationsNeuron() names
extern int teilsimulationsModus;

// The diagrams of a neuron before a run: time windows inside the duration, zoom 1.0 for 0,
// unused slots without samples, used slots with room for every step (own curves start with
// the no-data mark), write positions at the start. While the soma-potential file is asked
// for, slot 0 has room for every step whether it is used or not: the file holds every
// neuron's soma potential. false when memory runs out (text 701,
// the program is shut down).
bool laufDiagrammeVorbereiten(NeuronDaten& neuron);
// After a run: the spike-train rating and, in every further diagram, a copy of the main
// diagram's samples of each used slot (taken before the slot is prepared, so its points
// show this run); every slot prepared anew; windows redrawn. Only for a neuron whose main
// diagram has a window.
void laufKurvenUebertragen(NeuronDaten& neuron);
