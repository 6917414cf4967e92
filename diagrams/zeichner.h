// diagrams/zeichner.h - the state of one paint of a diagram, shared by the painter's steps
// (frame, axes, grid and curves; the read-outs after them) and the page set-up of printing
#pragma once
#include "model/diagramm.h"
#include "platform/zeichnen.h"
#include <functional>
#include <string>

struct DiagrammZeichner {
    plattform::Fenster fenster;
    DiagrammDaten& d;
    NeuronDaten& neuron;
    plattform::Zeichenflaeche& z;
    bool drucken = false;
    // the page: pixel (x, y) of the diagram lands at (x * skalaX + versatzX, y * skalaY + versatzY)
    double skalaX = 1.0, skalaY = 1.0;
    int versatzX = 0, versatzY = 0;
    int druckOben = 0, druckHoehe = 0;   // printed curves keep to these page rows (a height of 0: no limit)
    int zeitDezimalen = 0;               // places of the time read-outs
    plattform::SchriftMasse masse;       // of the font selected last
    uint32_t ausrichtung = 0;            // the text alignment found before the axes
    plattform::Stift alterStift = nullptr;   // selected when the paint began
    plattform::Pinsel alterPinsel = nullptr;

    DiagrammZeichner(plattform::Fenster f, DiagrammDaten& diagramm, NeuronDaten& n, plattform::Zeichenflaeche& flaeche)
        : fenster(f), d(diagramm), neuron(n), z(flaeche) {}

    // a coordinate or width of the diagram on the surface (as they stand on the screen)
    int x(double wert) const { return pixelWert(drucken ? wert * skalaX + versatzX : wert); }
    int y(double wert) const { return pixelWert(drucken ? wert * skalaY + versatzY : wert); }
    int breite(double wert) const { return pixelWert(drucken ? wert * skalaY : wert, 0); }
    // the axis font at this point size (the printer's on the page), selected, its metrics read
    void schriftWaehlen(int punkte);
    void linie(double x1, double y1, double x2, double y2);
    // text at the diagram point, raised by half the font height
    void beschriften(double xWert, double yWert, const std::string& text);
};

// A notice or fatal message found inside a paint, shown after it (zeichenMeldungenZeigen),
// and what follows the notice there (a dialog, say). The same text waiting twice is shown
// once, with the first follow-up it came with.
void zeichenMeldungMerken(const std::string& text, bool fatal = false, std::function<void()> danach = {});
bool zeichenMeldungenWarten();

// the read-outs that follow the curves: time and value cursors, legend, second y-axes and
// event markers (the steps before the painter closes)
void diagrammAblesungenZeichnen(DiagrammZeichner& zeichner);
