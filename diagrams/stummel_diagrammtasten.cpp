// diagrams/stummel_diagrammtasten.cpp - stands in for the keys of the diagram windows
// until they are built
//
// A key in a diagram window does nothing yet; the main window's keys work in the main window.
#include "diagrams/fensterhandler.h"

void diagrammTaste(plattform::Fenster, int, int) {}

void diagrammZeichenTaste(plattform::Fenster, unsigned char, int) {}
