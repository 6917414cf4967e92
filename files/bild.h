// files/bild.h - BMP pictures with their palette
#pragma once
#include "platform/zeichnen.h"
#include <string>

struct PalettenEintrag {
    unsigned char rot = 0, gruen = 0, blau = 0, merkmale = 0;
};
struct Palette {
    bool halbton = false;               // pictures above 8 bits per pixel: the screen's halftone palette
    PalettenEintrag eintraege[256];     // entries past a short colour table stay black
};

// Loads an uncompressed BMP file (1, 4, 8, 24 or 32 bits per pixel) with its palette;
// 1 with both outputs set (the caller deletes them: bildLoeschen, delete), 0 with both
// null when the file cannot be loaded.
int bitmapMitPaletteLaden(const std::string& pfad, plattform::Bild* bild, Palette** palette);
