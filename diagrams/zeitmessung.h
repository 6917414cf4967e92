// diagrams/zeitmessung.h - time measurement: the event list of one diagram, its dialog and
// its files, the threshold detection of events and the smoothing of the soma curve
//
// The list itself is model/diagramm.h's `zeitmessung`; the painter marks its events.
#pragma once
#include "model/diagramm.h"
#include "platform/fenster.h"
#include <cstdint>
#include <string>

// control ids of the time measurement dialog
namespace zeitmessungId {
constexpr int Liste = 2303, Anzahl = 2304, Linien = 2297, Zeit = 2298, Nummer = 2299,
              Alternieren = 2309, BereichAusZweien = 2313, Komma = 2300, Speichern = 2307,
              Laden = 2308, AllesLoeschen = 2306, Aktualisieren = 2310, Schwelle = 2311,
              Fenster = 2312, Stop = 2314, Hilfe = 2315, Verbergen = 1, Abbrechen = 2,
              VerbergenBefehl = 1025;
}
// control ids of the threshold dialog
namespace schwelleId {
constexpr int Steigend = 2315, Fallend = 2316, Schwelle = 2319, Totzeit = 2321, Start = 2323,
              Ende = 2324, Glaetten = 2297, Ausschliessen = 2298, RateText = 2326, Rate = 2327,
              Holen = 3, Setzen = 6, JetztGlaetten = 4, GlaettenHilfe = 5, Hilfe = 7;
}

// The measured diagram while it and its window live, else null: nothing is measured in a
// diagram whose window went.
DiagrammDaten* lebendesMessDiagramm();

// Appends one event time (s). A negative zeit takes the time under the mouse in the
// measured diagram's plot (nothing while the plot has no width). Nothing without a living
// measured diagram.
void ereignisZeitHinzufuegen(double zeit);
// Replaces every event by the times listed in text: a line is what follows blanks and
// control characters up to the next control character, read with a ',' as the decimal
// point. Returns 1.
int ereignisTextEinlesen(const std::string& text);
// Gives every other diagram with a window the time window of quelle.
void diagrammZeitachseAngleichen(DiagrammDaten* quelle);

// The old list goes without a question (through the dialog's "Clear all" where it is open).
void ereignisListeStillLeeren();

// Diagram command "time measurement" (51093): switches measuring on or off in the window's diagram
// and opens the time measurement dialog when it goes on.
constexpr int diagrammBefehlZeitmessung = 51093;
void zeitmessungUmschalten(plattform::Fenster diagrammFenster);
// the procedure of the modeless time measurement dialog
intptr_t zeitmessungDlgProc(plattform::Fenster dlg, uint32_t nachricht, uintptr_t w, intptr_t l);

// The threshold crossings of the measured diagram's soma curve (or of its smoothed copy)
// become the event list; the old list goes without a question.
void ereignisseErkennen(DiagrammDaten* diagramm);
// Slot 12 becomes the moving mean of slot 0 over diagrammOptionen.glaettungsrate samples.
// Returns 1.
int kurveGlaetten(DiagrammDaten* diagramm);
// the procedure of the threshold dialog, modal over the time measurement dialog
intptr_t ereignisSchwelleDlgProc(plattform::Fenster dlg, uint32_t nachricht, uintptr_t w, intptr_t l);
