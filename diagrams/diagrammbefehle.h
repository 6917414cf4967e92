// diagrams/diagrammbefehle.h - what the command handler of the diagram windows offers the
// mouse and the keys: the fit of a curve, the export of the soma curve, the context menus
#pragma once
#include "model/diagramm.h"
#include "platform/fenster.h"
#include <string>

// Pixels and the diagram's axes. A plot without width or height, or an empty range, gives
// NaN for a time or value and a column or row far off the plot.
double zeitAnSpalte(const DiagrammDaten& d, int x);   // kept inside minX..maxX
double wertAnZeile(const DiagrammDaten& d, int y);    // kept inside minY..maxY
int spalteVonZeit(const DiagrammDaten& d, double t);
int zeileVonWert(const DiagrammDaten& d, double v);

// Fitting curve s: 51055 + s for slots 0-15, 41100 + s for slots 16-19 (51071-51074 are
// no fits).
constexpr int diagrammBefehlKurveOptimieren = 51055;
constexpr int diagrammBefehlKurveOptimierenHoch = 41100;
int kurveOptimierenBefehl(int slot);

// The value range of the diagram fitted to the slot's samples in its time window, with a
// twentieth of the span on each side; the slot's zoom becomes 1. Nothing when no sample
// is visited or the slot has no points.
void kurveOptimieren(DiagrammDaten* diagramm, int slot);

// Writes slot 0 of the diagram into the file, one "time<TAB>value" row per sample but
// the last. False only when a write failed (a notice named the file then).
bool potentialExportieren(const DiagrammDaten& d, const std::string& pfad);

// the curve menu for the slot (-1: every shown slot) and the diagram menu (0; -1 empty),
// tracked at the mouse; the chosen command goes to the window
void kurvenKontextMenu(plattform::Fenster f, int slot);
void diagrammKontextMenu(plattform::Fenster f, int art);
