// platform/test/zeichenflaeche.h - drawing objects, surfaces and images of the scripted
// platform (not for tests; they read the recordings through testplattform.h)
#pragma once
#include "platform/test/testplattform.h"
#include <vector>

namespace plattform {

struct StiftObjekt { test::StiftWerte werte; };
struct PinselObjekt { Farbe farbe = 0xFFFFFF; };      // KeineFarbe: hollow
struct SchriftObjekt { SchriftMerkmale merkmale; };

struct Zeichenflaeche {
    int breite = 0, hoehe = 0, dpi = 96;
    test::ZeichenZustand zustand;        // copies: deleting a selected object changes nothing here
    Stift stift = nullptr;               // the handles as selected, only ever handed back
    Pinsel pinsel = nullptr;
    Schrift schrift = nullptr;
    Punkt position;
    std::vector<test::ZeichenAufruf> aufrufe;
    BildObjekt* bild = nullptr;          // the image whose pixels this surface changes
    double skala = 1.0;                  // seitenAbbildungSetzen: recorded as it lands
    int versatzX = 0, versatzY = 0;
};

struct BildObjekt {
    int breite = 0, hoehe = 0;
    std::vector<Farbe> pixel;            // top row first
    Zeichenflaeche flaeche;
};

namespace test::intern {

// where calls go when the program draws on a null image or job: recorded, never read
Zeichenflaeche& ersatzFlaeche();
// the pixels of r inside the image and the clipping set to f
void pixelFuellen(BildObjekt& b, const ZeichenZustand& z, Rechteck r, Farbe f);

} // namespace test::intern
} // namespace plattform
