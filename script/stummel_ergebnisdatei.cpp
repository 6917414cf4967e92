// script/stummel_ergebnisdatei.cpp - stands in for the binary result file until it is built
//
// No binary result file can be made yet: a script that asks for one (BIN) does not start,
// and a run that is stopped has no file to close.
#include "script/ausfuehrung.h"
#include "platform/box.h"
#include "texts/texte.h"

int ergebnisDateiErzeugen(Skript&)
{
    plattform::hinweisBox(meldungsTexte[886]);
    return 0;
}

int ergebnisBinSpeichern(Skript&)
{
    plattform::hinweisBox(meldungsTexte[886]);
    return 0;
}

void ergebnisDateiSchliessen(Skript&) {}
