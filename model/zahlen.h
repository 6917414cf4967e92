// model/zahlen.h - whole powers, number checks, the formatter with the user's decimal sign
#pragma once
#include "platform/zeichnen.h"

#include <climits>
#include <string>

// x to the power n; a negative n gives 1 / x^-n. Inline: every gate of every step uses it.
inline double potenz(double x, int n)
{
    if (n < 0) {
        // -INT_MIN does not exist: take one factor out first
        if (n == INT_MIN)
            return 1.0 / (potenz(x, INT_MAX) * x);
        return 1.0 / potenz(x, -n);
    }
    double ergebnis = 1.0;
    for (; n > 0; n >>= 1) {
        if (n & 1)
            ergebnis *= x;
        x *= x;
    }
    return ergebnis;
}

// 1 when the text is a number with optional exponent ("1.5e+3", "-.5", "2.5E-3"), else 0.
// Removes the blanks from the text in place first.
int zahlPruefen(char* text);
// the same without exponent letters
int zahlPruefenKurz(char* text);

// The decimal sign of exported numbers: the export settings' own field
// (asciiExportEinstellungen.dezimalzeichen), so both always agree.
extern int& dezimalzeichen;

// x with "%e", the first '.' replaced by dezimalzeichen. One static buffer: the next call
// overwrites it.
char* zahlMitDezimalzeichen(double x);

// ---- pictures with their palette ---------------------------------------------------
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
