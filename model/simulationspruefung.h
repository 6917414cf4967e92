// model/simulationspruefung.h - the check before a run and the run settings' changes that
// reach every neuron
#pragma once
#include "platform/fenster.h"

struct NeuronDaten;

// round(dauer / schritt); 0 when the step is not positive (no run starts with it)
int anzahlSchritteBerechnen(double dauer, double schritt);
// stores duration and step together with their step count
void laufzeitSetzen(double dauer, double schritt);

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
// over eigner when duration or step is not positive, and makes sure of a type table.
int simulationsParameterPruefen(plattform::Fenster eigner);
