// diagrams/stummel_ablesungen.cpp - stands in for the read-outs of the diagram painter
// until they are built
//
// No time or value cursor can be placed yet and no events measured; the legend and the
// second y-axes are not drawn.
#include "diagrams/zeichner.h"

void diagrammAblesungenZeichnen(DiagrammZeichner&) {}
