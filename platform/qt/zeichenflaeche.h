// platform/qt/zeichenflaeche.h - the drawing surface and the drawing objects behind the handles
//
// Internal to platform/qt. A surface keeps everything selected into it by value, so the
// program may delete a selected object; the handle is kept only to give it back from
// auswaehlen. Every drawing call sets pen, brush and font on the painter itself, so one
// painter may serve a window's paint, an image and a printer page alike.
#pragma once
#include "platform/zeichnen.h"
#include <QFont>
#include <QImage>
#include <QPainter>
#include <memory>

namespace plattform {

struct StiftObjekt {
    int stil = stiftStil::Durchgehend;
    int breite = 0;
    Farbe farbe = 0;
};

struct PinselObjekt {
    Farbe farbe = 0xFFFFFF;
    bool hohl = false;
};

struct SchriftObjekt {
    SchriftMerkmale merkmale;
    QFont schrift;
};

struct Zeichenflaeche {
    QPainter* maler = nullptr;            // the open painter; an image opens its own on demand
    Rechteck bereich;                     // the part to paint (a window's invalid area)
    QPaintDevice* geraet = nullptr;       // for font metrics, also while no painter is open
    QImage* bild = nullptr;               // set on an image's surface
    std::unique_ptr<QPainter> eigenerMaler;
    int breite = 0, hoehe = 0;            // the drawable area in device pixels
    int dpiX = 96, dpiY = 96;

    Stift stift = nullptr;                // the handles selected (null: the defaults)
    Pinsel pinsel = nullptr;
    Schrift schrift = nullptr;
    StiftObjekt stiftWert;
    PinselObjekt pinselWert;
    SchriftObjekt schriftWert;

    Farbe textFarbe = 0;
    Farbe hintergrund = 0xFFFFFF;
    bool transparent = false;
    uint32_t ausrichtung = 0;
    Punkt position;
    bool mitAusschnitt = false;
    Rechteck ausschnitt;
};

namespace qt {

// Prepares a fresh surface: default objects and state, the painter (may be null for an
// image's surface, which opens one on demand), the device and its drawable size.
void flaecheEinrichten(Zeichenflaeche& z, QPainter* maler, QPaintDevice* geraet, int breite, int hoehe);
// the painter to draw with: the surface's own, or one an image's surface opens now
QPainter* malerVon(Zeichenflaeche& z);
// Ends the painter an image's surface opened, so the pixels can be read or copied; the
// next drawing call opens it again.
void eigenenMalerBeenden(Zeichenflaeche& z);
QFont schriftAusMerkmalen(const SchriftMerkmale& m);
// the QFont behind a font handle (the default font for null and deleted handles)
QFont schriftVon(Schrift s);

} // namespace qt
} // namespace plattform
