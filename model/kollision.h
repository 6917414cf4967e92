// model/kollision.h - collision objects: what the network, the run and the SWIM step ask of
// them
#pragma once

struct NeuronDaten;
struct KollisionsObjekt;

// the list of all collision objects
extern KollisionsObjekt* kollisionsObjekte;
int kollisionsObjektAnzahl();
// objekt null: the whole list
void kollisionsObjekteLoeschen(KollisionsObjekt*& liste, KollisionsObjekt* objekt);

// the collision flags and times before the first step, the element neurons looked up
void kollisionenVorbereiten();
// once per step while collision objects are switched on
void kollisionenPruefen();
// after a finished run: the element neurons' soma stimuli cleared
void kollisionenNachLauf();
// a counted spike of the neuron reaches the collision objects
void kollisionsSpikeZeiten(NeuronDaten& neuron);
// 1 when no collision object holds the neuron as an element, so that it may be deleted;
// 0 otherwise
int neuronInKollisionsObjekt(const NeuronDaten& neuron);
