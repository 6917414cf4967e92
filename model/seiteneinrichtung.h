// model/seiteneinrichtung.h - the page setup of printed pages
//
// Two records: one for the network window, one shared by all diagram windows. Here are the
// fields the page dialog edits and the network file keeps; the printer's page metrics are
// worked out from them when a page is printed.
#pragma once
#include "core/schrift.h"
#include "platform/zeichnen.h"
#include <string>

namespace seitenAusrichtung { constexpr int Hochformat = 3, Querformat = 4; }

struct SeitenEinrichtung {
    int ausrichtung = seitenAusrichtung::Hochformat;
    double randOben = 0.0, randUnten = 0.0, randLinks = 0.0, randRechts = 0.0;   // mm
    double seitenZoom = 0.0;             // kept with the record; nothing reads it
    int umrandung = 0;                   // page frame on ("rahmen zeichnen")
    double umrandungDickeMm = 0.0;
    int umrandungArt = 0;                // pen style 0, 1 or 2
    plattform::Farbe umrandungFarbe = 0;
    int kopfzeile = 0;
    int kopfAusrichtung = 0;             // 0 left, 1 right, 2 centred
    double kopfAbstandMm = 0.0;
    FontDaten kopfSchrift;
    std::string kopfText;                // up to 1023 bytes
    int fusszeile = 0;
    int fussAusrichtung = 0;
    double fussAbstandMm = 0.0;
    FontDaten fussSchrift;
    std::string fussText;
    int seiteMaximalAusnutzen = 0;
    int rahmenZeichnen = 0;              // a hairline round the printable area ("aeusseren rahmen zeichnen")

    // Read from the open print job at each print, in its device units; no file keeps them.
    // The page's origin is the printable area's top-left: the margins are less its offset.
    int randObenGeraet = 0, randUntenGeraet = 0, randLinksGeraet = 0, randRechtsGeraet = 0;
    double papierBreiteMm = 210.0, papierHoeheMm = 297.0;   // the sheet as it lies (landscape: 297 x 210)
    int physBreite = 0, physHoehe = 0;   // the sheet
    int druckBreite = 0, druckHoehe = 0; // between the margins
    int umrandungDicke = 0, kopfAbstand = 0, fussAbstand = 0;
    int horzRes = 0, vertRes = 0;        // the printable area
    int physOffsetX = 0, physOffsetY = 0;
    FontDaten diagrammSchrift;           // the diagram painter's font for the printer
    // the picture's part that is printed, and the logical size mapped onto druckBreite x druckHoehe
    int druckLinks = 0, druckOben = 0, druckRechts = 0, druckUnten = 0;
    int ausdehnungX = 0, ausdehnungY = 0;
};

extern SeitenEinrichtung seiteNetzfenster;
extern SeitenEinrichtung seiteDiagrammfenster;

// The sheet (A4) in mm as it lies in the record's orientation: 210 x 297, landscape 297 x 210.
double seitenBreiteMm(const SeitenEinrichtung& s);
double seitenHoeheMm(const SeitenEinrichtung& s);
// No length of a page in mm (frame width, header and footer distance) reaches beyond this:
// the sheet's longer side.
constexpr double groessteSeitenLaengeMm = 297.0;
// True when the margins leave room on the sheet: each is a number not below 0, left + right
// stays below the sheet's width and top + bottom below its height.
bool seitenRaenderGueltig(const SeitenEinrichtung& s);
// A record as a file gives it, made printable: margins that leave no room are clamped (see
// seitenRaenderGueltig), and the other lengths in mm into 0..groessteSeitenLaengeMm.
void seitenRaenderBegrenzen(SeitenEinrichtung& s);
