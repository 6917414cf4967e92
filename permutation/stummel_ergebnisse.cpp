// permutation/stummel_ergebnisse.cpp - stands in for the loading of results and for the
// display window until they are built
//
// Nothing can load results or open the display yet, so there is nothing to release or to
// close.
#include "permutation/ergebnisse.h"

void permutationDatenFreigeben() {}

void permutationFensterSchliessen() {}
