// files/stummel_kurvendatei.cpp - stands in for the curve data file until it is built
#include "files/kurvendatei.h"
#include "platform/box.h"
#include "texts/texte.h"

DatHeader datHeader;

// The open command hands "*.dat" files here: it says that they cannot be read yet.
int datDateiLaden(DatHeader&)
{
    plattform::hinweisBox(meldungsTexte[886]);
    return 0;
}
