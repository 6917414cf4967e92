// model/nahtstellen.cpp - what clearing the network calls in parts that come later
//
// Each body moves to its own part when that part brings its records; until then nothing
// creates such objects, so there is nothing to delete.
#include "model/netz.h"

RueckkopplungsObjekt* rueckkopplungsObjekte = nullptr;
KollisionsObjekt* kollisionsObjekte = nullptr;

void rueckkopplungsObjektLoeschen(RueckkopplungsObjekt*& liste, RueckkopplungsObjekt* objekt)
{
    if (!objekt)
        liste = nullptr;
}

void kollisionsObjekteLoeschen(KollisionsObjekt*& liste, KollisionsObjekt* objekt)
{
    if (!objekt)
        liste = nullptr;
}

void undoListeLoeschen() {}
