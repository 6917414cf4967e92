// diagrams/stummel_diagrammmaus.cpp - stands in for the mouse of the diagram windows until
// it is built
//
// Left clicks and drags change nothing yet: no cursor can be placed by mouse, no curve
// highlighted, no label dragged.
#include "diagrams/fensterhandler.h"

void diagrammMausBewegung(plattform::Fenster, int, int, uintptr_t) {}

void diagrammLinksKlick(plattform::Fenster, int, int, int, uintptr_t) {}

void diagrammLinksLoslassen(plattform::Fenster, int, int, uintptr_t) {}
