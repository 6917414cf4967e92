// files/stummel_kollisionsdaten.cpp - stands in for the collision objects' section until the
// objects are built: nothing can make one, so there is nothing to write
#include "files/objektdaten.h"
#include "platform/box.h"
#include "texts/texte.h"
#include <cstring>

void kollisionsdatenSpeichern(XBuffer&) {}

// A file that holds collision objects is read without them; the user learns that they are
// not available yet.
int kollisionsdatenLaden(KollisionsObjekt* objekt, char* text, int)
{
    if (!objekt && text && std::strstr(text, "[kollisionsdaten start]"))
        plattform::hinweisBox(meldungsTexte[886]);
    return 0;
}

KollisionsObjekt* kollisionsObjektNeu() { return nullptr; }
