// diagrams/stummel_drucken.cpp - stands in for printing until it is built
//
// There is no printer list yet: a diagram window gets no printer submenu, and no thread
// searches for printers, so there is none to end. No diagram prints, so the painter never
// asks for a page; if it did, the page would be the screen's (scale 1, no frames, the
// screen font).
#include "diagrams/drucken.h"

void druckerMenueFuellen(plattform::Fenster) {}

void druckerSucheStarten(plattform::Fenster) {}

bool druckerSucheBeenden() { return true; }

bool diagrammSeiteVorbereiten(DiagrammZeichner&) { return true; }

void diagrammSeitenrahmenZeichnen(DiagrammZeichner&) {}

plattform::Schrift diagrammDruckSchrift(int) { return nullptr; }
