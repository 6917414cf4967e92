// model/stummel_skript.cpp - stands in for the script language until it is built
//
// No script can be loaded yet, so no run is a script run and no script waits for a
// spike: every function has nothing to do, and there is no kind of results.
#include "model/skript.h"

int skriptErgebnisArt = 0;

void skriptEpspZuruecksetzen() {}

void skriptSchritt(double) {}

void skriptLaufEnde() {}

void skriptSpikeWarten(NeuronDaten&, double) {}
