// diagrams/diagramm.h - the diagram windows
//
// The records they show and the curve points a run fills are model/diagramm.h's.
#pragma once
#include "model/diagramm.h"
#include "platform/fenster.h"
#include "platform/steuerelemente.h"
#include <string>
#include <vector>

// Gives a diagram its window, or with a null diagram a new further diagram with its window:
// lays it out, prepares its curves, copies the main diagram's samples into a new one.
// 1 on success, the diagram is then the current one; 0 on failure.
int diagrammErzeugen(NeuronDaten* neuron, DiagrammDaten* diagramm);
// Shows a diagram, creating it (null) or its window first where needed; lays it out again
// when its window is new or it shows a curve. The diagram shown, or null (it counts as
// closed then).
DiagrammDaten* diagrammAnzeigen(NeuronDaten* neuron, DiagrammDaten* diagramm);

// ---- windows ---------------------------------------------------------------------------
// The diagram whose window this is, null when none. A null window falls back, after a
// notice, to the first neuron's main diagram; with no neuron at all the result is null.
// A diagram window keeps its neuron's number (diagrammErzeugen gives it), so the lookup
// walks that neuron's diagrams only; a window whose number no longer fits (the neuron was
// renumbered) is found by a walk over all neurons and takes the right number.
DiagrammDaten* diagrammZuFenster(plattform::Fenster fenster);
// While it lives, a diagram window is being made and belongs to no record yet: its own
// messages need no walk over all neurons to find that out.
struct DiagrammFensterAufbau {
    DiagrammFensterAufbau();
    ~DiagrammFensterAufbau();
    DiagrammFensterAufbau(const DiagrammFensterAufbau&) = delete;
    DiagrammFensterAufbau& operator=(const DiagrammFensterAufbau&) = delete;
};
// Acts on the diagram windows of all neurons and arranges them afterwards: modus 1 shows
// all, 2 counts the open ones, 3 restores the stored window list, 4 shows the marked
// neurons only, 5 takes the first marked neuron, 6 closes all (and arranges nothing);
// muster 2 tiles, 5 puts each at its stored place, 6 puts mode 5's neuron back there.
void diagrammeVerwalten(int muster, int modus);
// After a network is loaded: its window list's windows at their stored places, when the
// settings ask for that ("fenster aus liste beim start automatisch oeffnen").
void geladeneFensterZeigen();
// a window's stored place and size kept whole inside the work area (arbeitsbereichKanten)
void imArbeitsbereichHalten(int& x, int& y, int& breite, int& hoehe);

// where one window of a tiling lands (work area 0, 0 - rechts, unten)
struct Kachel { int x = 0, y = 0, breite = 0, hoehe = 0; };
// The tiling of n windows: one column of full width while each row keeps the smallest
// height, otherwise rows of twice that height filled column by column. Empty for n < 1.
std::vector<Kachel> kachelnBerechnen(int n, int arbeitsbereichRechts, int arbeitsbereichUnten, int minimalHoehe);

// the window of a diagram, with its class, menu and style; null when it cannot be made
plattform::Fenster diagrammFensterErzeugen(DiagrammDaten& d);
// The creation handler, also after the scroll-bar options changed: the window's cursor, its
// horizontal bar hidden without the option, an existing window sized once to and fro so
// its layout follows.
void diagrammFensterErzeugt(plattform::Fenster f);
// the procedure of the diagram window class (class name: message text 12)
intptr_t diagrammFensterProc(plattform::Fenster f, uint32_t nachricht, uintptr_t w, intptr_t l);

// Paints the diagram of the window into its neuron's zeichenDC (the window's paint surface,
// or the page while the neuron prints). Notices found while painting wait until
// zeichenMeldungenZeigen: no box opens inside a paint.
void diagrammZeichnen(plattform::Fenster fenster);
// shows the notices that paints have put aside, each once; a fatal one ends the program
void zeichenMeldungenZeigen();

// The cursors over a diagram window: the arrow, and those of the time, magnitude and
// combined measurement. The start-up loads them; until then every window has the arrow.
struct DiagrammCursor {
    plattform::Cursor standard = nullptr, zeit = nullptr, wert = nullptr, beide = nullptr;
};
extern DiagrammCursor diagrammCursor;
// the window's cursor after the measuring state (aktuellesDiagramm.messModus) of the
// measuring window; the arrow in every other window
void diagrammCursorWaehlen(plattform::Fenster f);

// main-window timer 8: the highlighted curve of the current diagram is drawn plain again
void kurvenMarkierungBeenden();
