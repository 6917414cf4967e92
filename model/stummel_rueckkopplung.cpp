// model/stummel_rueckkopplung.cpp - stands in for the feedback objects until they are built
//
// Nothing can create a feedback object yet, so the list stays empty: every function has
// nothing to do, and a run finds no object to prepare, offer a spike to or switch off.
#include "model/rueckkopplung.h"

RueckkopplungsObjekt* rueckkopplungsObjekte = nullptr;

int rueckkopplungsObjektAnzahl() { return 0; }

void rueckkopplungsObjektLoeschen(RueckkopplungsObjekt*& liste, RueckkopplungsObjekt* objekt)
{
    if (!objekt)
        liste = nullptr;
}

void rueckkopplungsObjekteGraphikVorgeben() {}

void rueckkopplungVorLauf() {}

void rueckkopplungNachLauf() {}

void rueckkopplungSpikeAnbieten(NeuronDaten&, double) {}

void rueckkopplungReizeAbschalten(double) {}

int rueckkopplungNeuronFrei(const NeuronDaten&) { return 1; }
