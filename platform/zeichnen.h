// platform/zeichnen.h - the drawing surface: pens, brushes, fonts, text and shapes
//
// One painting code draws into a window (during its Zeichnen message), into an image and
// onto a printer page. Coordinates are device pixels of the surface; rectangles have
// exclusive right and bottom edges. Colours are 0x00BBGGRR numbers as the files store them.
#pragma once
#include "platform/fenster.h"
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace plattform {

using Farbe = uint32_t;
constexpr Farbe KeineFarbe = 0x1000000;
constexpr Farbe rgbFarbe(int r, int g, int b)
{
    return static_cast<Farbe>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr int rotAnteil(Farbe f) { return static_cast<int>(f & 0xFF); }
constexpr int gruenAnteil(Farbe f) { return static_cast<int>((f >> 8) & 0xFF); }
constexpr int blauAnteil(Farbe f) { return static_cast<int>((f >> 16) & 0xFF); }

// ---- drawing objects ------------------------------------------------------------
// Created by their owner and deleted by it. A surface copies what it needs when an
// object is selected, so deleting a selected object never leaves the surface dangling.
struct StiftObjekt;
using Stift = StiftObjekt*;
struct PinselObjekt;
using Pinsel = PinselObjekt*;
struct SchriftObjekt;
using Schrift = SchriftObjekt*;

namespace stiftStil {
constexpr int Durchgehend = 0, Strich = 1, Punkt = 2, StrichPunkt = 3, StrichPunktPunkt = 4,
              Unsichtbar = 5, Innen = 6;   // other numbers draw solid
}
int stiftStilNormiert(int stil);          // numbers outside 0..6 become Durchgehend
// breite 0 draws one device pixel wide, on every surface
Stift stiftErzeugen(int stil, int breite, Farbe farbe);
Pinsel pinselErzeugen(Farbe farbe);
Pinsel hohlerPinsel();                    // fills nothing; shared, never deleted

struct SchriftMerkmale {
    int hoehe = 0;            // < 0: character height in pixels, > 0: cell height, 0: default
    int gewicht = 400;        // 100..900, 700 bold
    bool kursiv = false;
    bool unterstrichen = false;
    int orientierung = 0;     // tenths of a degree; kept, but text still draws horizontally
    std::string name;         // face name, Windows-1252; "" = the default face
};
Schrift schriftErzeugen(const SchriftMerkmale& m);
const SchriftMerkmale& schriftMerkmale(Schrift s);
// the height of a font of this point size at this resolution: -round(pt * dpiY / 72)
int schriftHoeheAusPunkten(int punkte, int dpiY);

void loeschen(Stift s);                   // null is ignored
void loeschen(Pinsel p);
void loeschen(Schrift s);

// ---- the surface ----------------------------------------------------------------
struct Zeichenflaeche;        // defined by the implementation

// select an object and return the one selected before (null: the surface's default,
// a black one-pixel pen, a white brush, the default font)
Stift auswaehlen(Zeichenflaeche& z, Stift s);
Pinsel auswaehlen(Zeichenflaeche& z, Pinsel p);
Schrift auswaehlen(Zeichenflaeche& z, Schrift s);

Farbe textFarbeSetzen(Zeichenflaeche& z, Farbe f);           // returns the previous one
Farbe hintergrundFarbeSetzen(Zeichenflaeche& z, Farbe f);    // behind opaque text
bool hintergrundTransparent(Zeichenflaeche& z, bool transparent);   // default: opaque

// text alignment relative to the point given to text(): horizontal | vertical
namespace textAusrichtung {
constexpr uint32_t Links = 0x0, Rechts = 0x2, Mitte = 0x6;
constexpr uint32_t Oben = 0x0, Unten = 0x8, Grundlinie = 0x18;
}
uint32_t textAusrichtungSetzen(Zeichenflaeche& z, uint32_t ausrichtung);

void bewegenZu(Zeichenflaeche& z, int x, int y);             // the current position
void linieZu(Zeichenflaeche& z, int x, int y);               // excludes the end point
void linie(Zeichenflaeche& z, int x1, int y1, int x2, int y2);
void polylinie(Zeichenflaeche& z, std::span<const Punkt> punkte);
void polygon(Zeichenflaeche& z, std::span<const Punkt> punkte);   // filled with the brush
void rechteck(Zeichenflaeche& z, const Rechteck& r);        // pen outline, brush inside
void rechteckFuellen(Zeichenflaeche& z, const Rechteck& r, Farbe f);   // no outline
void ellipse(Zeichenflaeche& z, const Rechteck& r);
// the arc of the ellipse in r, counter-clockwise from the ray through anfang to the ray
// through ende
void bogen(Zeichenflaeche& z, const Rechteck& r, Punkt anfang, Punkt ende);
void text(Zeichenflaeche& z, int x, int y, std::string_view text);   // Windows-1252

struct TextAusmass { int breite = 0, hoehe = 0; };
TextAusmass textAusmass(Zeichenflaeche& z, std::string_view text);   // with the selected font
struct SchriftMasse { int hoehe = 0, oberlaenge = 0, unterlaenge = 0, mittlereBreite = 0; };
SchriftMasse schriftMasse(Zeichenflaeche& z);

void ausschnittSetzen(Zeichenflaeche& z, const Rechteck* r);       // null: no clipping
int dpiX(Zeichenflaeche& z);
int dpiY(Zeichenflaeche& z);
Rechteck flaechenGroesse(Zeichenflaeche& z);                        // (0, 0, width, height)

// ---- images ---------------------------------------------------------------------
struct BildObjekt;
using Bild = BildObjekt*;

Bild bildErzeugen(int breite, int hoehe, Farbe hintergrund = 0xFFFFFF);  // null when too large
void bildLoeschen(Bild b);
Zeichenflaeche& bildFlaeche(Bild b);      // draws into the image; lives as long as the image
int bildBreite(Bild b);
int bildHoehe(Bild b);
Farbe bildPixel(Bild b, int x, int y);    // KeineFarbe outside
// The client area of a window as it paints now: a Zeichnen message goes to its
// procedure with the image's surface. null for a dead or hidden window.
Bild fensterAbbild(Fenster f);
void bildZeichnen(Zeichenflaeche& z, Bild b, int x, int y);      // copies the image there

// Both write through a temporary file in the same folder; false (old file kept) on failure.
bool bildAlsPng(Bild b, const std::string& pfad);
bool bildAlsBmp(Bild b, const std::string& pfad);   // 24-bit, bottom-up, rows padded to 4 bytes

} // namespace plattform
