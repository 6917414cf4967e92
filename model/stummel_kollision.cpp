// model/stummel_kollision.cpp - stands in for the collision objects until they are built
//
// Nothing can create a collision object yet, so the list stays empty: every function has
// nothing to do, and a run finds no object to prepare, check or hand a spike to.
#include "model/kollision.h"

KollisionsObjekt* kollisionsObjekte = nullptr;

int kollisionsObjektAnzahl() { return 0; }

void kollisionsObjekteLoeschen(KollisionsObjekt*& liste, KollisionsObjekt* objekt)
{
    if (!objekt)
        liste = nullptr;
}

void kollisionenVorbereiten() {}

void kollisionenPruefen() {}

void kollisionenNachLauf() {}

void kollisionsSpikeZeiten(NeuronDaten&) {}

int neuronInKollisionsObjekt(const NeuronDaten&) { return 1; }
