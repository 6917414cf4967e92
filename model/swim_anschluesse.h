// model/swim_anschluesse.h - what the SWIM step calls in parts of the engine built later
//
// Each seam is a pointer that starts at a function doing nothing (or the plain default
// named below); the subsystem that owns the behaviour points it at its own function when
// it is built. Tests put their own in and restore the default afterwards.
#pragma once

struct NeuronDaten;
struct KCaKanal;

// The Ca pool and the K(Ca) channels of one step: leaves summeGE (the channels' summed
// g*E terms) and summeG (their summed conductances) in the record. Default: both 0.
extern void (*caKanaeleBerechnen)(NeuronDaten& neuron, KCaKanal& kca);

// A counted spike of the neuron reaches the collision objects. Default: nothing.
extern void (*kollisionsSpikeZeiten)(NeuronDaten& neuron);

// Feedback objects: a threshold crossing of the neuron at time t is offered to every
// switched-on object it triggers. Default: nothing.
extern void (*rueckkopplungSpikeAnbieten)(NeuronDaten& neuron, double t);
// Feedback objects: at every step of a SWIM neuron while feedback is on, the objects
// whose switch-off time has come switch their target stimuli off. Default: nothing.
extern void (*rueckkopplungReizeAbschalten)(double t);

// The server mode's input current of the neuron in nA. Default: the neuron's serverStrom
// (0 unless the server mode set it).
extern double (*serverEingangsStrom)(const NeuronDaten& neuron);

// A script waiting for a spike of this neuron: registers it, sets the wake-up time to
// t + the statement's time and stores -1.7e308 as the statement's result. Called for
// every counted spike; the script checks whether it runs and waits for this neuron.
// Default: nothing.
extern void (*skriptSpikeWarten)(NeuronDaten& neuron, double t);

// back to the defaults above
void swimAnschluesseZuruecksetzen();
