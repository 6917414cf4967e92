// model/stummel_reizkurve.cpp - stands in for the stimulus reference curve until it is built
//
// Nothing fills a stimulus curve yet: the slot keeps its no-data mark, so the painter has
// nothing to draw for it, and no notice is due.
#include "model/reizkurve.h"

void stromreizReferenzkurveAnzeigen(plattform::Fenster, int, int, std::string*) {}
