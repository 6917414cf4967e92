// permutation/fenster.h - the permutation display window: one loaded result at a time, its
// spike train over the time axis, a level bar per varied synapse, a row of numbers, the
// stimulus curve with the class marks and the burst boxes of the spike-train rating; and
// dialog 203, its settings
#pragma once
#include "platform/fenster.h"
#include "platform/zeichnen.h"
#include <array>
#include <cstdint>
#include <vector>

struct NeuronDaten;
struct DiagrammDaten;
struct PermutationsErgebnis;

// The display's state. The window's geometry, axes, fonts and pens are those of the main
// diagram of a neuron made for the display alone (the pseudo-neuron), kept by its number.
struct PermutationsAnzeige {
    int pseudoNeuron = 0;                // by number; 0 while the window is closed
    int position = 0;                    // index of the shown loaded result
    plattform::Farbe markenFarbe = 0;    // the evaluation neuron's burst box colour
    plattform::Stift markenStift = nullptr;
    plattform::Pinsel markenPinsel = nullptr;
    plattform::Stift balkenStift = nullptr;
    plattform::Pinsel balkenPinsel = nullptr;
    // the stimulus curve and the class marks (pairs of points) in window pixels
    std::vector<plattform::Punkt> reizPunkte;
    std::vector<plattform::Punkt> klassenMarken;
    int markenKlassen = 0;               // the class count the marks were laid out for
    std::array<int, 20> balkenOben{};    // top row of each level bar as last drawn
    // notices a paint found; shown once after it, and only once until the next opening
    int ausstehendeMeldung = 0;
    bool keineDatenGemeldet = false;
    bool rampenHinweisGezeigt = false;   // notice 58 shown for the current settings
};
extern PermutationsAnzeige permutationsAnzeige;

// The frame's way to make and delete the pseudo-neuron (creation mode 6 of the editor, and
// the editor's deletion); set at start. Null: the display cannot open.
extern NeuronDaten* (*pseudoNeuronErzeugen)();
extern void (*pseudoNeuronLoeschen)(NeuronDaten* neuron);

// the procedure of the display's window class (class name: message text 13)
intptr_t permutationFensterProc(plattform::Fenster f, uint32_t nachricht, uintptr_t w, intptr_t l);

// The shown result: the single result of a run when one is kept, else the loaded result at
// the shown position; null when there is neither.
const PermutationsErgebnis* gezeigtesPermutationsErgebnis();
// the number of loaded results and the shown position kept inside them
int permutationsErgebnisAnzahl();

// The main window's commands of the display: 202 (dialog 203; an open display lays itself
// out again) and 207 (the display opened on what is loaded, or on the single result).
void permutationsAnzeigeBefehl(plattform::Fenster f, int befehl);

// ---- painting -------------------------------------------------------------------------
// Paints the window into its pseudo-neuron's zeichenDC. Notices found meanwhile wait for
// the window procedure, which shows them after the paint.
void permutationFensterZeichnen(plattform::Fenster f);
// Lays the stimulus curve and the class marks out in pixels of the diagram's window.
void permutationsReizkurveBerechnen(DiagrammDaten& d);
// The time axis end rounded up to a tidy step (0.5, 1, 1.5, ... 200; above that
// round(value / 9) x 10). Marks the time axis as rounded.
double achsenSchrittRunden(double wert);

// ---- dialog 203 -----------------------------------------------------------------------------
intptr_t permutationsfensterDlgProc(plattform::Fenster dlg, uint32_t nachricht, uintptr_t w, intptr_t l);
// modal over eigner (null: the main window); 1 after OK, 2 after Cancel
intptr_t permutationsfensterDialogOeffnen(plattform::Fenster eigner);
// the bar pen and brush made anew in the bar colour
void balkenStiftNeuMachen();
