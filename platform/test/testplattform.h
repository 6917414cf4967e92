// platform/test/testplattform.h - controls of the scripted platform for unit tests
//
// Windows are plain records, messages go through one queue, time is a virtual clock
// that moves only when a test (or a loop waiting for a timer) moves it. Boxes and popup
// menus take their answers from scripted queues; one without an answer fails the
// running test with its text and returns at once, so nothing ever blocks.
#pragma once
#include "platform/fenster.h"
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

namespace plattform::test {

// Back to the start state: all windows, classes, menus, timers, queues, logs and
// scripted answers are gone, the clock stands at 0, the work area is 0,0-1920,1050.
void zuruecksetzen();

// The frame of a top-level window, so tests can compute client rectangles: a border of
// rahmenBreite on all four sides, a title bar below the top border (titelHoehe, or
// werkzeugTitelHoehe for stil::Werkzeug) and a menu-bar row when one is set. Frameless
// windows (stil::Rahmenlos) have only the menu-bar row, children no frame at all.
// A maximised window fills the work area (a child: its parent's client area).
// Defaults where fensterErzeugen gets StandardPosition: top-level windows at
// (standardX, standardY) with 800 x 600, children at (0, 0) with 100 x 100.
constexpr int rahmenBreite = 8, titelHoehe = 22, werkzeugTitelHoehe = 16, menueHoehe = 20;
constexpr int standardX = 100, standardY = 80;

// ---- messages --------------------------------------------------------------
struct LogEintrag {
    Fenster fenster;
    uint32_t nachricht;
    uintptr_t w;
    intptr_t l;
    bool gepostet;        // came through the queue, or a paint or timer of the pump (else a direct call)
};
// every message that reached a window procedure, in order of arrival
const std::vector<LogEintrag>& nachrichtenLog();
std::vector<LogEintrag> nachrichtenVon(Fenster f);   // the log of one window
void logLeeren();
size_t wartendeNachrichten();                        // posted messages not yet delivered

// ---- the virtual clock -------------------------------------------------------
// Timers: 0 ms counts as 1 ms; a late timer brings one message however many periods it
// missed and is due again one period after it fired. Due timers, like paints, come only
// when no posted message waits (paints first). nachrichtenSchleife, when idle, moves the
// clock to the next timer as laufenBis does, and fails after 10 minutes of virtual time
// without a quit request. nachrichtenVerarbeitenGedrosselt pumps once the clock moved
// 20 ms since the last pass of any kind.
// Moves the clock forward by ms. On the way every timer that falls due fires in time
// order (a timer message is delivered and the queue is processed after it), unless
// pumpen is false, in which case only the time moves.
void uhrVorstellen(double ms, bool pumpen = true);

// The heart of every modal wait: processes the queue until fertig() holds. When the
// queue is empty and fertig() still does not hold, the clock jumps to the next due
// timer. When there is no timer either, the wait would block forever: the test fails
// with beschreibung and the function returns false. It also gives up (false, failure)
// once the clock moved more than maxMs.
bool laufenBis(const std::function<bool()>& fertig, const std::string& beschreibung,
               double maxMs = 600000.0);

// period in ms of the window's timer with this id, -1 when it is not set
double zeitgeberPeriode(Fenster f, uintptr_t id);

// ---- input -----------------------------------------------------------------
// Queue the messages a real key press or click would bring (down, char where the key
// has one, up; button down and up at client point x, y). Use nachrichtenVerarbeiten()
// to deliver them. A user cannot reach a dead, hidden or disabled window: that fails.
void tasteDruecken(Fenster f, int taste, char zeichen = 0);
void klicken(Fenster f, int x, int y, bool rechts = false);

// The user picks a command from the window's menu bar: each submenu on the way is
// announced (MenuePopupInit to f, w = submenu, l = its position), then Befehl is
// posted. A missing or grey item fails and returns false.
bool menueBefehlWaehlen(Fenster f, int befehl);
int menueLeisteZeichnungen(Fenster f);   // how often menueLeisteZeichnen(f) was called

// ---- boxes and popup menus -------------------------------------------------------
struct BoxEintrag {
    std::string titel, text;   // Windows-1252, as the program passed them
    uint32_t art;
    int antwort;               // what the box returned
    bool beantwortet;          // false: no scripted answer was there (the test failed)
};
void boxAntworten(std::initializer_list<int> antworten);   // appended to the queue
const std::vector<BoxEintrag>& boxLog();
size_t offeneBoxAntworten();

void popupAntworten(std::initializer_list<int> befehle);   // 0 = the user chose nothing
// the popups shown so far: the command ids of their items in order
const std::vector<std::vector<int>>& popupLog();

// ---- desktop ---------------------------------------------------------------
void arbeitsbereichSetzen(Rechteck r);
void fokusFensterSetzen(Fenster f);   // as if the user had activated that window

// How a failure is reported; by default a GoogleTest failure with the text. An empty
// function brings the default back (zuruecksetzen does too).
void fehlerBehandlungSetzen(std::function<void(const std::string&)> behandlung);

} // namespace plattform::test
