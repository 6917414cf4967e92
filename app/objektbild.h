// app/objektbild.h - feedback and collision objects in the network picture
#pragma once
#include "platform/zeichnen.h"

// A diamond per target of every feedback object, between trigger and target with a line
// to each, and a box per collision object with lines to its four neurons. The diamonds'
// rectangles stay in the objects for the click test.
void objekteZeichnen(plattform::Zeichenflaeche& z);
// A click on a diamond opens its feedback object's dialog, a click on a box its collision
// object's; true when the click hit one.
bool objektAnklicken(plattform::Fenster f, plattform::Punkt p);
