// files/stummel_diagrammeinstellungen.cpp - stands in for the diagram settings section until
// it is built: the diagrams are neither written nor read, and keep the template's format
#include "files/diagrammeinstellungen.h"

void diagrammEinstellungenSpeichern(DiagrammDaten*, std::FILE*, XBuffer&, int) {}

void diagrammEinstellungenLaden(DiagrammDaten*, char*) {}
