// files/stummel_rueckkopplungsdaten.cpp - stands in for the feedback objects' section until
// the objects are built: nothing can make one, so there is nothing to write
#include "files/objektdaten.h"
#include "platform/box.h"
#include "texts/texte.h"
#include <cstring>

void rueckkopplungsdatenSpeichern(XBuffer&) {}

// A file that holds feedback objects is read without them; the user learns that they are
// not available yet.
int rueckkopplungsdatenLaden(RueckkopplungsObjekt* objekt, char* text, int)
{
    if (!objekt && text && std::strstr(text, "[rueckkopplungsdaten start]"))
        plattform::hinweisBox(meldungsTexte[886]);
    return 0;
}

RueckkopplungsObjekt* rueckkopplungsObjektErzeugen() { return nullptr; }
