// model/startzustand.h - the run state every neuron gets before the first step
#pragma once

// Before the first step of every run (and before the server mode's own loop): walks
// neuronKette from the head and gives every neuron the compartment switches of the
// dendrite mode, the start gates of its model, the g*E products and the derived leak and
// rate terms, the start potentials (or the voltage clamp's), and links the
// synapse-activated user channels of SWIM neurons to their synapses. Also sets
// gemeinsamerRauschZustand to 0.
//
// True when every neuron is prepared; aktuellesNeuron is then null. False when a user
// channel names synapse id 0 or an id without a synapse: its notice has been shown,
// aktuellesNeuron stays at that neuron, the neurons after it keep their previous run
// state, and the caller must run no step (the program goes on, nothing is lost).
[[nodiscard]] bool neuronenStartzustandSetzen();
