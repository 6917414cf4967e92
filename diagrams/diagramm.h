// diagrams/diagramm.h - the diagram windows
//
// The records they show and the curve points a run fills are model/diagramm.h's.
#pragma once
#include "model/diagramm.h"
#include "platform/fenster.h"
#include <string>
#include <vector>

// Gives a diagram its window, or with a null diagram a new further diagram with its window:
// lays it out, prepares its curves, copies the main diagram's samples into a new one.
// 1 on success, the diagram is then the current one; 0 on failure.
int diagrammErzeugen(NeuronDaten* neuron, DiagrammDaten* diagramm);

// ---- windows ---------------------------------------------------------------------------
// The diagram whose window this is, null when none. A null window falls back, after a
// notice, to the first neuron's main diagram; with no neuron at all the result is null.
DiagrammDaten* diagrammZuFenster(plattform::Fenster fenster);
// Arranges, closes or restores the diagram windows; (5, 6) closes all of them when the
// network goes. Until the diagram windows exist only closing is done here.
void diagrammeVerwalten(int muster, int modus);

// where one window of a tiling lands (work area 0, 0 - rechts, unten)
struct Kachel { int x = 0, y = 0, breite = 0, hoehe = 0; };
// The tiling of n windows: one column of full width while each row keeps the smallest
// height, otherwise rows of twice that height filled column by column. Empty for n < 1.
std::vector<Kachel> kachelnBerechnen(int n, int arbeitsbereichRechts, int arbeitsbereichUnten, int minimalHoehe);

// the window of a diagram, with its class, menu and style
plattform::Fenster diagrammFensterErzeugen(DiagrammDaten& d);

// main-window timer 8: the highlighted curve of the current diagram is drawn plain again
void kurvenMarkierungBeenden();
