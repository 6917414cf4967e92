// diagrams/stummel_kurvendialog.cpp - stands in for the curve dialog until it is built
//
// A new stimulus curve keeps the format its slot has; the user learns why no dialog came.
#include "diagrams/reizkurve.h"
#include "platform/box.h"
#include "texts/texte.h"

int kurvenDialogOeffnen(plattform::Fenster, int)
{
    plattform::hinweisBox(meldungsTexte[886]);
    return -1;
}
