// app/stummel_auswertung.cpp - stands in for the evaluation mode of script results until
// it is built
//
// No result file can be opened yet, so the shutdown finds none to close.
#include "app/beenden.h"

void ergebnisDateienSchliessen() {}
