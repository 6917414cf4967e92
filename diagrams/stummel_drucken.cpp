// diagrams/stummel_drucken.cpp - stands in for printing until it is built
//
// There is no printer list yet: a diagram window gets no printer submenu, and no thread
// searches for printers, so there is none to end.
#include "diagrams/drucken.h"

void druckerMenueFuellen(plattform::Fenster) {}

void druckerSucheStarten(plattform::Fenster) {}

bool druckerSucheBeenden() { return true; }
