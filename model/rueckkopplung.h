// model/rueckkopplung.h - feedback objects: what the network, the run and the SWIM step ask
// of them
#pragma once

struct NeuronDaten;
struct RueckkopplungsObjekt;

// the list of all feedback objects
extern RueckkopplungsObjekt* rueckkopplungsObjekte;
int rueckkopplungsObjektAnzahl();
// objekt null: the whole list
void rueckkopplungsObjektLoeschen(RueckkopplungsObjekt*& liste, RueckkopplungsObjekt* objekt);

// every object of the list gets the default graphic values it lacks (its diamond, its lines)
void rueckkopplungsObjekteGraphikVorgeben();

// before a run: the target neurons' soma stimuli cleared and the objects' run values
// reset; after a run: the stimuli cleared again. Called only while rueckkopplungAktiv is on.
void rueckkopplungVorLauf();
void rueckkopplungNachLauf();
// a threshold crossing of the neuron at time t, offered to every switched-on object it
// triggers
void rueckkopplungSpikeAnbieten(NeuronDaten& neuron, double t);
// at every step of a SWIM neuron while feedback is on: the objects whose switch-off time
// has come switch their target stimuli off
void rueckkopplungReizeAbschalten(double t);
// 1 when no feedback object uses the neuron, so that it may be deleted; 0 otherwise
int rueckkopplungNeuronFrei(const NeuronDaten& neuron);
