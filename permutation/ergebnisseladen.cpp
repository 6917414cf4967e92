// permutation/ergebnisseladen.cpp - the records of indexed results loaded from their result
// files, and unloading everything
#include "permutation/ergebnisse.h"

void permutationDatenFreigeben()
{
    // the display draws from what is freed here: it goes first
    permutationFensterSchliessen();
    permutationsErgebnisseEntladen();
}
