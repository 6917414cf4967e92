// model/synaptisch.h - synaptic transmission of a run: run preparation of the synapses,
// the delay rings of the pools, the synaptic currents and the synapse dynamics per step
#pragma once
#include <vector>
struct NeuronDaten;
struct KurvenDaten;
struct SynapseDaten;
struct TransmitterDynamik;

// run preparation of every outgoing synapse of the neuron (table, whole-run pools, gate,
// facilitation defaults, xlPSP reset). false: the run is refused, a notice said why (an
// xlPSP without a kind).
bool synapsenLaufVorbereiten(NeuronDaten& neuron);
// true when every pool can be set up; an electrical pool with two or more members while
// electrical synapses are not restricted refuses the run: the box says why, the set-up
// flag is cleared and nothing else changes
bool synapsenEinrichtungPruefen();
// the delay rings of all pools and axo-axonic nodes, once per set-up
void synapsenWarteschlangenAnlegen();
// the synaptic currents of one step, first in the step
void synaptischeStroemeBerechnen();
// The same for a loop that knows the neurons with input pools: only these get their
// currents. The others' vectors stay as they are, which is 0 once a step of the whole
// chain has cleared them and nothing else writes them.
void synaptischeStroemeBerechnen(const std::vector<NeuronDaten*>& mitPools);
// What that pass reads of the chemical pools that consume their rings (compartment and
// reversal potential per pool), copied into arrays, like synapsenFelderBilden below.
void synapsenPoolFelderBilden(const std::vector<NeuronDaten*>& mitPools);
// the synapse dynamics of one step, after the model steps
void synapsenBerechnen();
// The same for a loop that knows the neurons with outgoing synapses (in chain order): only
// these are visited; the cursors end where the walk through the whole chain leaves them.
void synapsenBerechnen(const std::vector<NeuronDaten*>& quellen);
// What the pass above reads of the plain chemical synapses of these sources, copied into
// arrays; again whenever the records may have changed (a synapse's conductance, threshold,
// switches or pool). The pass uses them for exactly this list; an empty list lets go of them.
void synapsenFelderBilden(const std::vector<NeuronDaten*>& quellen);
// The release and source potential of the synapses in those arrays, which the pass keeps
// there, written to their records: before code outside the loop reads them (building the
// arrays anew does it first).
void synapsenFelderZurueckschreiben();
// The same two passes for a thread that shares the network with the editor: the neuron
// and synapse cursors stay where they are.
void synaptischeStroemeBerechnenOhneCursor();
void synapsenBerechnenOhneCursor();
// a kind-16 curve: the pool ring of its synapse x 1e7 as samples
void freisetzungsKurveAusRing(KurvenDaten& kurve, int schritte);
// the axo-axonic switch: option bit 0x10 or the network variant
bool axoAxonischAn();
// the release fraction between release threshold and saturation, limited to [0, 1];
// with threshold = saturation a step: 1 above the threshold, else 0
double freisetzungsAnteil(double v, double schwelle, double bereich);
// the compartment of a target area, for chemical (elektrisch false) or electrical
// currents, by dendrite mode; -1: nothing is delivered. Bounded by the compartment count.
int zielKompartiment(int modus, int bereich, int segmente, int kompartimente, bool elektrisch);
// One step of a release gate at the source potential v, as the run takes it: the gate
// follows its combination mode (modes other than 1-3, and mode 3 with a fall form of 0,
// leave it); the result is the power of the gate times the factor, limited to [0, 1].
// The dialog's preview drives it with a standard action potential.
double transmitterFreisetzung(TransmitterDynamik& d, double v);
