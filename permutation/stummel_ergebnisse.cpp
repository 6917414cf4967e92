// permutation/stummel_ergebnisse.cpp - stands in for the display window until it is built
//
// There is no display yet: nothing to close, and a load that would open it says so.
#include "permutation/ergebnisse.h"
#include "platform/box.h"
#include "texts/texte.h"

void permutationFensterSchliessen() {}

bool permutationFensterErzeugen()
{
    plattform::hinweisBox(meldungsTexte[886]);
    return false;
}
