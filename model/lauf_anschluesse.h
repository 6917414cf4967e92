// model/lauf_anschluesse.h - what the run start and the time loop call in parts of the
// engine and the program built later
//
// Each seam is a pointer that starts at a function doing nothing (or the plain default
// named below); the subsystem that owns the behaviour points it at its own function when
// it is built. Tests put their own in and restore the defaults with
// laufAnschluesseZuruecksetzen().
#pragma once
#include <string>
struct NeuronDaten;
struct KurvenDaten;

// ---- synaptic transmission ----------------------------------------------------------------
// Run preparation of the outgoing synapses of the neuron (synapse table, transmitter delay
// pool, facilitation and xlPSP run values). false: the run is refused (a notice said why)
// and the run driver returns at once. Default: synapsenLaufVorbereiten (model/synaptisch.h).
extern bool (*laufSynapsenVorbereiten)(NeuronDaten& neuron);
// the queues of the pools, once per set-up. Default: synapsenRingeAnlegen.
extern void (*synapsenWarteschlangenAnlegen)();
// the synaptic currents of one step, before the model steps. Default:
// synaptischeStroemeRechnen.
extern void (*synaptischeStroemeBerechnen)();
// the synapse dynamics of one step, after the collisions. Default: synapsenDynamikRechnen.
extern void (*synapsenBerechnen)();
// a kind-16 curve slot whose source synapse has a transmitter delay: its samples become
// the synapse's conductance course of the run. Default: freisetzungsKurveAusRing.
extern void (*freisetzungsKurveFuellen)(KurvenDaten& kurve, int schritte);
// true when the network has an axo-axonic synapse. Default: axoZaehler > 0.
extern bool (*axoAxonischeSynapseDa)();

// ---- recording and result files -----------------------------------------------------------
// (t, 1) once before the loop, (t, 0) after every step with t before the increment.
// Writes at most the step count of samples into a slot. Default: datenAufzeichnenStandard
// (model/aufzeichnung.h).
extern void (*datenAufzeichnen)(double t, int start);
// the text export of the recorded values: build its buffer with the header, free it,
// write it (the buffer freed). Defaults: the ...Standard functions of model/export.h.
extern void (*exportPufferAnlegen)();
extern void (*exportPufferFreigeben)();
extern void (*exportSchreiben)();
// the binary soma-potential file under ergebnisNamen.somaDatei. Default:
// somaDateiSchreibenStandard (model/export.h).
extern void (*somaDateiSchreiben)();

// ---- collision and feedback objects ----------------------------------------------------------
// the collision flags and times before the first step, the element neurons looked up.
extern void (*kollisionenVorbereiten)();
// once per step while collision objects are switched on. Default: nothing.
extern void (*kollisionenPruefen)();
// after a finished run: the element neurons' soma stimuli cleared. Default: nothing.
extern void (*kollisionenNachLauf)();
// before a run: the target neurons' soma stimuli cleared and the objects' run values
// reset; after a run: the stimuli cleared again. Called only while rueckkopplungAktiv is
// on. Default: nothing.
extern void (*rueckkopplungVorLauf)();
extern void (*rueckkopplungNachLauf)();

// ---- the program frame ----------------------------------------------------------------------
// the open command (with 1: the open dialog); 1 when a network was loaded. Default: 0.
extern int (*simulationOeffnen)(int fragen);
// 40078 with the backup bit 0x2 set: the settings and network files under ".bkp" names.
// Null (the default) while saving does not exist: no backup is written.
extern void (*guiSicherungSpeichern)();

// ---- permutation mode and spike-train rating --------------------------------------------------
// 0 full network run; 1 the run records the synaptic input (the time loop then sets 2);
// 2 or more: the single-neuron run of the neuron teilsimulationsNeuron() names.
extern int teilsimulationsModus;
// the neuron of the first entry of the permutation list. Default: null (no single run).
extern NeuronDaten* (*teilsimulationsNeuron)();
// the single-neuron run. Null (the default) while it does not exist: nothing runs.
extern void (*einzelneuronSimulieren)(NeuronDaten& neuron);
// the rating of a neuron's spike train after a run. Default: nothing.
extern void (*spikefolgeBewerten)(NeuronDaten& neuron, const float* zeiten, int anzahl);

// ---- scripts --------------------------------------------------------------------------------
// before a script run: the EPSP measurement reset when the script's result kind is 16.
extern void (*skriptEpspZuruecksetzen)();
// after every step of a script run: progress text and the EPSP running maximum.
extern void (*skriptSchritt)(double t);
// after a finished script run: the open EPSP measurement closed, the script's progress
// display and its EPSP file line. Default: nothing.
extern void (*skriptLaufEnde)();

// every seam back to its default
void laufAnschluesseZuruecksetzen();
