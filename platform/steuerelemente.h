// platform/steuerelemente.h - status bar, text box, scroll bars, trackbars, tooltips,
// cursors, beeps and key states
#pragma once
#include "platform/zeichnen.h"
#include <span>
#include <string>

namespace plattform {

// ---- status bar -------------------------------------------------------------------
// A child along the bottom of its parent's client area. The parent calls
// statusleisteAnpassen from its Groesse message, as the bar does not follow by itself.
Fenster statusleisteErzeugen(Fenster eltern, int id);
void statusleisteAnpassen(Fenster leiste);
// right edges of the parts in client pixels; -1 reaches to the right end
void statusTeileSetzen(Fenster leiste, std::span<const int> rechteKanten);
namespace statusStil { constexpr uint32_t Eingelassen = 0x0, Randlos = 0x100, Herausgehoben = 0x200; }
constexpr int statusEinfacherTeil = 255;   // the one text of simple mode
// teil | statusStil bits; a leading tab in the text is kept out of the shown text as the
// bar does it (left-aligned)
void statusTextSetzen(Fenster leiste, int teilUndStil, const std::string& text);
std::string statusText(Fenster leiste, int teil);
void statusEinfach(Fenster leiste, bool einfach);

// ---- text box (the protocol window) ---------------------------------------------------
// Keys the box has no use for itself (Esc, F2, Ctrl with a letter) go on to its parent
// window, as if they were typed there; so do those that reach a trackbar.
Fenster textfeldErzeugen(Fenster eltern, int id, const Rechteck& r, bool nurLesen);
void textfeldTextSetzen(Fenster feld, const std::string& text);
void textfeldAnhaengen(Fenster feld, const std::string& text);   // at the end, scrolled to it
std::string textfeldText(Fenster feld);
// The whole text of von into nach as the boxes hold it: characters that Windows-1252
// cannot hold (typed or pasted by the user) survive, which textfeldText would lose.
void textfeldTextUebernehmen(Fenster nach, Fenster von);
void textfeldSchrift(Fenster feld, Schrift s);

// ---- window scroll bars ------------------------------------------------------------
// Range, page and position in one call. A page larger than the range hides the bar.
void scrollLeisteSetzen(Fenster f, bool vertikal, int min, int max, int seite, int position);
struct ScrollZustand { int min = 0, max = 0, seite = 0, position = 0, daumen = 0; bool sichtbar = false; };
ScrollZustand scrollLeiste(Fenster f, bool vertikal);   // daumen: the position while dragging

// ---- trackbar ------------------------------------------------------------------------
// sends HScroll (or VScroll) with l = the trackbar to its parent when the user moves it
Fenster schiebereglerErzeugen(Fenster eltern, int id, const Rechteck& r, bool vertikal);
void schiebereglerBereich(Fenster regler, int min, int max);
void schiebereglerPositionSetzen(Fenster regler, int position);   // does not notify
int schiebereglerPosition(Fenster regler);

// ---- tooltips --------------------------------------------------------------------------
// the tip of a control (a child of fenster with this id, or the window itself with id 0)
void tooltipSetzen(Fenster fenster, int id, const std::string& text);
void tooltipStil(Schrift schrift, Farbe text, Farbe hintergrund);   // for all tips

// ---- cursors ---------------------------------------------------------------------------
struct CursorObjekt;
using Cursor = CursorObjekt*;
namespace cursorArt { constexpr int Pfeil = 0, Warten = 1, Kreuz = 2; }
Cursor standardCursor(int art);
Cursor cursorLaden(const std::string& pfad);    // a .cur file; null when unreadable
void fensterCursorSetzen(Fenster f, Cursor c);  // shown while the mouse is over f
void cursorSetzen(Cursor c);                    // now, until the mouse moves to another window

// ---- sound and keys -------------------------------------------------------------------
void piepen(int frequenz, int ms);
namespace tastenStatus { constexpr int LinksUmschalt = 0, RechtsUmschalt = 1, LinksStrg = 2, RechtsStrg = 3; }
bool tasteGedrueckt(int welche);                // tastenStatus::*
bool feststelltasteAn();

} // namespace plattform
