// model/einzelneuron.h - the single-neuron run of the permutation mode
//
// A full network run first records, per pool of the varied synapses' target neuron, the
// synaptic input that arrives at each step (SynapsenPool::aufzeichnung, written by the
// synapse dynamics at the step the release arrives). Later runs step that neuron alone and
// replay the recording instead of running the network.
#pragma once

struct NeuronDaten;

// Runs the neuron alone from t = 0 to the run duration with the SWIM step, its synaptic
// input replayed from the recording; curve 0 of its main diagram gets the start potential
// and one sample per step. An abort (Escape) ends it at the next pump and frees the run's
// export buffer.
void einzelneuronSimulieren(NeuronDaten& neuron);
// the start state of the neuron for that run: compartment switches, gates, g*E products,
// user channels, leak and rate terms, start potentials
void einzelneuronInitialisieren(NeuronDaten& neuron);
// The synaptic currents of the step laufZustand.schrittZaehler from the recording of each
// pool: a pool without a recording, past its end, or aimed at a compartment the neuron
// lacks adds nothing.
void einzelneuronSynapsenstromSummieren(NeuronDaten& neuron);
// the next run, network or single neuron, computes its start state again
void startzustandMerkerLoeschen();
// Appends the current values of every neuron to the shown curves of its main diagram:
// soma potential and dendrite segments 1-3 in mV, the Na, K, Ca and total currents and
// the user channels' currents in -nA.
void diagrammWerteAufzeichnen();
