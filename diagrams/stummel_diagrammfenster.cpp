// diagrams/stummel_diagrammfenster.cpp - stands in for the diagram window until it is built
#include "diagrams/diagramm.h"
#include "platform/fenster.h"
#include "texts/texte.h"

using namespace plattform;

// Without the diagram window's own class, menu and style a plain window of the diagram
// class stands in, so that a diagram still gets its geometry and its curves their points.
Fenster diagrammFensterErzeugen(DiagrammDaten&)
{
    return fensterErzeugen(meldungsTexte[12], meldungFormatieren(694), stil::Hauptfenster,
                           StandardPosition, StandardPosition, StandardPosition, StandardPosition);
}
