// core/schrift.h - a font as the settings keep it and the painters use it
//
// Shared by the program frame (its standard font) and the diagram records (axis and
// legend fonts), so neither has to include the other.
#pragma once
#include "platform/zeichnen.h"
#include <string>

struct FontDaten {
    plattform::SchriftMerkmale merkmale;  // what the font is created from
    plattform::Farbe farbe = 0;
    plattform::Schrift schrift = nullptr;
    int punkte = 0;
    int gewicht = 400;
    int fett = 0;
    int kursiv = 0;
    int unterstrichen = 0;
    int orientierung = 0;                 // tenths of a degree, as the page settings store it
    std::string name;
};
