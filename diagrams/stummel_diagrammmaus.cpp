// diagrams/stummel_diagrammmaus.cpp - stands in for the mouse of the diagram windows until
// it is built
//
// Clicks, drags and the scroll bar change nothing yet: no cursor can be placed, no curve
// highlighted, no time window scrolled.
#include "diagrams/fensterhandler.h"

void diagrammMausBewegung(plattform::Fenster, int, int, uintptr_t) {}

void diagrammLinksKlick(plattform::Fenster, int, int, int, uintptr_t) {}

void diagrammLinksLoslassen(plattform::Fenster, int, int, uintptr_t) {}

void diagrammRechtsKlick(plattform::Fenster, int, int, int, uintptr_t) {}

void diagrammHorizontalScrollen(plattform::Fenster, intptr_t, int, int) {}
