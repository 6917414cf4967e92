// platform/fenster.h - windows, window classes, messages, timers and the event pump
//
// Every window is a handle with a window procedure of its class. A procedure gets
// (window, message, w, l) and returns a result; what it does not handle it passes to
// standardFensterProc. All texts crossing this API are Windows-1252 bytes; the
// implementation converts at its own boundary.
//
// Two implementations stand behind this header: platform/qt (the program) and
// platform/test (plain records and a virtual clock for the unit tests).
#pragma once
#include <cstdint>
#include <string>

namespace plattform {

struct FensterObjekt;                 // defined by the implementation
using Fenster = FensterObjekt*;       // null means "no window"
struct MenueObjekt;
using Menue = MenueObjekt*;
struct Zeichenflaeche;                // the drawing surface of a paint message

using FensterProc = intptr_t (*)(Fenster f, uint32_t nachricht, uintptr_t w, intptr_t l);

struct Punkt { int x = 0, y = 0; };
// right and bottom are exclusive, as everywhere in the program
struct Rechteck {
    int links = 0, oben = 0, rechts = 0, unten = 0;
    int breite() const { return rechts - links; }
    int hoehe() const { return unten - oben; }
};

// ---- messages -------------------------------------------------------------
// (w, l) of each message are noted beside it. Coordinates packed into l are signed
// 16-bit halves: x = loWortS(l), y = hiWortS(l).
namespace nachricht {
constexpr uint32_t Erzeugen        = 0x01;  // l: the creation parameter of fensterErzeugen
constexpr uint32_t Zerstoeren      = 0x02;  // last message a window gets
constexpr uint32_t Bewegen         = 0x03;  // l: (x, y) of the client origin on the screen (children too)
constexpr uint32_t Groesse         = 0x05;  // w: groesse::*, l: (client width, client height); 0 when minimised
constexpr uint32_t Aktivieren      = 0x06;  // w: 1 activated, 0 deactivated (top-level windows)
constexpr uint32_t FokusErhalten   = 0x07;  // w: (uintptr_t) the window that had the focus, or 0
constexpr uint32_t FokusVerloren   = 0x08;  // w: (uintptr_t) the window taking the focus, or 0
constexpr uint32_t Freigeben       = 0x0A;  // w: 1 enabled, 0 disabled
constexpr uint32_t Zeichnen        = 0x0F;  // l: Zeichenflaeche* valid during the call
constexpr uint32_t Schliessen      = 0x10;  // close box or Alt+F4; standard: destroy
constexpr uint32_t Beenden         = 0x12;  // never reaches a procedure; ends the loop
constexpr uint32_t TasteRunter     = 0x100; // w: taste::* code, l: repeat count
constexpr uint32_t TasteHoch       = 0x101; // w: taste::* code
constexpr uint32_t Zeichen         = 0x102; // w: character (Windows-1252; Esc = 27)
constexpr uint32_t SystemTasteRunter = 0x104; // keys held with Alt, and F10
constexpr uint32_t SystemTasteHoch = 0x105;
constexpr uint32_t Befehl          = 0x111; // w: machWParam(id, notification), l: control or 0
constexpr uint32_t SystemBefehl    = 0x112; // w: systembefehl::*
constexpr uint32_t Zeitgeber       = 0x113; // w: timer id
constexpr uint32_t HScroll         = 0x114; // w: machWParam(scroll::*, position), l: bar or 0
constexpr uint32_t VScroll         = 0x115; // as HScroll
constexpr uint32_t MenuePopupInit  = 0x117; // w: (uintptr_t) Menue about to open, l: position
constexpr uint32_t MausBewegung    = 0x200; // w: maus::* flags, l: (x, y) in client coordinates
constexpr uint32_t LinksRunter     = 0x201; // a double click arrives as two down/up pairs
constexpr uint32_t LinksHoch       = 0x202;
constexpr uint32_t RechtsRunter    = 0x204;
constexpr uint32_t RechtsHoch      = 0x205;
constexpr uint32_t Benutzer        = 0x400; // Benutzer + n: the program's own messages
}
// the five messages a key brings
constexpr bool istTastenNachricht(uint32_t n)
{
    return n == nachricht::TasteRunter || n == nachricht::TasteHoch || n == nachricht::Zeichen ||
           n == nachricht::SystemTasteRunter || n == nachricht::SystemTasteHoch;
}

namespace groesse { constexpr uintptr_t Wiederhergestellt = 0, Minimiert = 1, Maximiert = 2; }
namespace systembefehl {
constexpr uintptr_t Schliessen = 1, Minimieren = 2, Maximieren = 3, Wiederherstellen = 4;
}
namespace scroll {
constexpr int ZeileHoch = 0, ZeileRunter = 1, SeiteHoch = 2, SeiteRunter = 3,
              DaumenPosition = 4, DaumenZiehen = 5, Anfang = 6, Ende = 7, ScrollEnde = 8;
}
// modifier and button state in mouse messages
namespace maus { constexpr uintptr_t Links = 0x1, Rechts = 0x2, Umschalt = 0x4, Strg = 0x8; }

// key codes of TasteRunter/TasteHoch (letters and digits are their upper-case ASCII)
namespace taste {
constexpr int Ruecktaste = 0x08, Tab = 0x09, Eingabe = 0x0D, Umschalt = 0x10, Strg = 0x11,
              Alt = 0x12, Pause = 0x13, Feststell = 0x14, Esc = 0x1B, Leer = 0x20,
              BildHoch = 0x21, BildRunter = 0x22, Ende = 0x23, Pos1 = 0x24,
              Links = 0x25, Hoch = 0x26, Rechts = 0x27, Runter = 0x28,
              Einfg = 0x2D, Entf = 0x2E,
              NumPlus = 0x6B, NumMinus = 0x6D,
              F1 = 0x70, F2 = 0x71, F3 = 0x72, F4 = 0x73, F5 = 0x74, F6 = 0x75,
              F7 = 0x76, F8 = 0x77, F9 = 0x78, F10 = 0x79, F11 = 0x7A, F12 = 0x7B,
              Plus = 0xBB, Minus = 0xBD;   // main-keyboard + and - (also = and _ keys)
}

constexpr uint16_t loWort(uintptr_t v) { return static_cast<uint16_t>(v & 0xFFFF); }
constexpr uint16_t hiWort(uintptr_t v) { return static_cast<uint16_t>((v >> 16) & 0xFFFF); }
constexpr int loWortS(intptr_t v) { return static_cast<int16_t>(v & 0xFFFF); }
constexpr int hiWortS(intptr_t v) { return static_cast<int16_t>((v >> 16) & 0xFFFF); }
constexpr uintptr_t machWParam(int lo, int hi)
{
    return (static_cast<uintptr_t>(static_cast<uint16_t>(hi)) << 16) | static_cast<uint16_t>(lo);
}
constexpr intptr_t machLParam(int lo, int hi) { return static_cast<intptr_t>(machWParam(lo, hi)); }

// ---- window classes and windows ------------------------------------------
namespace stil {
constexpr uint32_t Hauptfenster = 0x1;   // top level: title, frame, min/max boxes, sizable
constexpr uint32_t Werkzeug     = 0x2;   // top level with a small title bar, no task-bar entry
constexpr uint32_t Kind         = 0x4;   // child inside the parent's client area
constexpr uint32_t Rahmenlos    = 0x8;   // no title bar and frame
constexpr uint32_t Sichtbar     = 0x10;  // shown at once
constexpr uint32_t VScrollLeiste = 0x20; // the window has a vertical scroll bar
constexpr uint32_t HScrollLeiste = 0x40; // ... and a horizontal one
}
constexpr int StandardPosition = INT32_MIN;   // x or width: let the system choose

struct FensterKlasse {
    std::string name;                  // class name (from the message texts)
    FensterProc proc = nullptr;
    uint32_t hintergrund = 0xFFFFFF;   // 0x00BBGGRR; 0x1000000 = none (the procedure paints all)
};

bool klasseRegistrieren(const FensterKlasse& k);   // false when the name exists already

// Creates a window. x, y, breite, hoehe: outer rectangle on the screen for top-level
// windows, in the parent's client coordinates for children. The procedure gets
// Erzeugen (with parameter), then Groesse and Bewegen, all before this returns; a
// procedure that answers Erzeugen with -1 refuses: the window dies and null is returned.
// A window with stil::Sichtbar is shown before this returns, others stay hidden.
Fenster fensterErzeugen(const std::string& klasse, const std::string& titel, uint32_t stil,
                        int x, int y, int breite, int hoehe,
                        Fenster eltern = nullptr, Menue menue = nullptr, intptr_t parameter = 0);
// Zerstoeren to the window, then to its children and to the top-level windows it owns
// (created with it as eltern); their timers, queued messages and menu bars die with
// them. Null and dead handles are ignored.
void fensterZerstoeren(Fenster f);
bool istFenster(Fenster f);               // false for null and for destroyed handles
std::string klassenName(Fenster f);
Fenster elternFenster(Fenster f);

// default handling: Schliessen destroys, SystemBefehl minimises/maximises/restores/closes
intptr_t standardFensterProc(Fenster f, uint32_t nachricht, uintptr_t w, intptr_t l);

// per-window value for the program's own use (e.g. the diagram behind a window)
void fensterDatenSetzen(Fenster f, intptr_t wert);
intptr_t fensterDaten(Fenster f);

// ---- messages ------------------------------------------------------------
intptr_t senden(Fenster f, uint32_t nachricht, uintptr_t w = 0, intptr_t l = 0);  // direct call
bool posten(Fenster f, uint32_t nachricht, uintptr_t w = 0, intptr_t l = 0);      // queued; false for a dead window
void beendenPosten(int code);     // the message loop returns code once the queue reaches it
int nachrichtenSchleife();        // runs until beendenPosten; returns its code

// Processes every pending event (posted messages, input, paints, due timers) and
// returns. false once the program was asked to end; the loop still sees that request.
bool nachrichtenVerarbeiten();
// The cheap form for long loops: pumps only when ~20 ms of wall time passed since the
// last pump, else returns true at once.
bool nachrichtenVerarbeitenGedrosselt();

// ---- timers --------------------------------------------------------------
// A window has at most one timer per id; setting it again restarts it.
bool zeitgeberSetzen(Fenster f, uintptr_t id, unsigned ms);
void zeitgeberLoeschen(Fenster f, uintptr_t id);

// ---- showing, placing, painting ------------------------------------------
namespace anzeige {
constexpr int Verbergen = 0, Normal = 1, Minimiert = 2, Maximiert = 3, Zeigen = 5,
              Wiederherstellen = 9;
}
void zeigen(Fenster f, int art);
bool istSichtbar(Fenster f);
bool istMinimiert(Fenster f);
bool istMaximiert(Fenster f);
void verschieben(Fenster f, int x, int y, int breite, int hoehe);  // outer rectangle, as fensterErzeugen
void titelSetzen(Fenster f, const std::string& titel);
std::string titel(Fenster f);
void vordergrundSetzen(Fenster f);
Fenster vordergrundFenster();                // the active top-level window, or null
void freigeben(Fenster f, bool an);          // enable/disable input; sends Freigeben
bool istFreigegeben(Fenster f);
void fokusSetzen(Fenster f);
Fenster fokusFenster();

Rechteck fensterRechteck(Fenster f);         // outer rectangle in screen coordinates
Rechteck clientRechteck(Fenster f);          // (0, 0, client width, client height)
Punkt clientZuBildschirm(Fenster f, Punkt p);
Punkt bildschirmZuClient(Fenster f, Punkt p);
Rechteck arbeitsbereich();                   // the desktop without task bars

void ungueltigMachen(Fenster f, const Rechteck* r = nullptr);   // null: the whole client area
void neuZeichnen(Fenster f);                 // paints pending invalid areas now

Punkt mausPosition();                        // cursor position on the screen

} // namespace plattform
