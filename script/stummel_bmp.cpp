// script/stummel_bmp.cpp - stands in for the snapshots of output windows until they are built
//
// A script that asks for a snapshot after each simulation gets the notice instead.
#include "script/ausfuehrung.h"
#include "platform/box.h"
#include "texts/texte.h"

void ausgabefensterBmpSpeichern(DiagrammDaten*)
{
    plattform::hinweisBox(meldungsTexte[886]);
}
