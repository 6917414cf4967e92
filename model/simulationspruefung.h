// model/simulationspruefung.h - the check before a run and the run settings' changes that
// reach every neuron
#pragma once
#include "platform/fenster.h"
#include <cstdint>
#include <string>

struct NeuronDaten;

// round(dauer / schritt), at most INT_MAX; 0 when the step is not positive or the quotient
// is no number (no run starts with either)
int anzahlSchritteBerechnen(double dauer, double schritt);
// stores duration and step together with their step count
void laufzeitSetzen(double dauer, double schritt);

// How large a run of a duration and step would be. It cannot be run when twice its step
// count exceeds INT_MAX (the run's step counter starts at the count and counts up by one
// per step) or when the curve buffers it fills (every slot that gets a sample per step,
// 4 bytes a sample) would take more than half of the machine's physical memory. A duration
// or step that is not positive gives no step (the run check catches those); one that is no
// finite number cannot be run.
struct Laufumfang {
    double schritte = 0.0;          // duration / step, rounded
    int kurven = 0;                 // slots that get a sample per step
    long double bytes = 0.0;        // what their buffers would take (a number for any finite step count)
    double speicherGrenze = 0.0;    // half of the physical memory; 0 when unknown (not bounded)
    bool moeglich = true;
};
Laufumfang laufumfangBerechnen(double dauer, double schritt);
// true when the run can be; else a notice naming feld (the field's label, or both labels)
// with the step count and the memory it would need, and false
bool laufumfangPruefen(double dauer, double schritt, const std::string& feld);
// the labels of the duration and the step field together, as dialog 133 shows them: the
// name of a notice about values that did not come from the dialog
std::string laufzeitFelderName();

// the machine's physical memory in bytes, 0 when unknown; tests put their own source in
// (null: the machine's)
extern uint64_t (*physischerSpeicherQuelle)();
uint64_t physischerSpeicher();

// The menu's dendrite modes 1-4 with their segment counts (0, 1, 3, 6); every listed
// neuron's per-compartment arrays follow. false for other modes (nothing changes).
bool dendritenModusSetzen(int netzwerktyp);

// the network-wide threshold and each neuron's own copy of it
void spikeSchwelleSetzen(double schwelle);

// After a new duration or step: stimulus tables end at the new duration, diagrams keep
// their time range inside it and prepare their curves anew, permanent stimuli are
// rebuilt. true when some neuron has its ASCII export on.
bool neuronenAnLaufzeitAnpassen();

// the table of four types with the standard kinds and potentials, when there is none;
// false when memory runs out (the program is being shut down then)
bool synapsenTypenSicherstellen();

// 1: a run may go on, 0: it may not. Refreshes the settings, opens the settings dialog
// over eigner when duration or step is not positive or the run would be too large for the
// step counter or the memory (after its notice), and makes sure of a type table.
int simulationsParameterPruefen(plattform::Fenster eigner);
