// platform/qt/zeichenflaeche.h - the drawing surface a paint message carries
//
// For now it is the painter of the window being painted and the area to paint; the
// drawing functions of the program will be built on it.
#pragma once
#include "platform/fenster.h"

class QPainter;

namespace plattform {

struct Zeichenflaeche {
    QPainter* maler = nullptr;   // valid during the Zeichnen message only
    Rechteck bereich;            // the invalid part of the client area
};

} // namespace plattform
