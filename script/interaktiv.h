// script/interaktiv.h - the interactive script window: its bars, painting, dialog 313 and the run
//
// While an interactive run goes, one bar per INT slot grows with the slot's loop. A double
// click on a bar lets the user give the slot a new start value and step, and a simulation
// number to continue at; the executor takes the change after the running simulation and
// starts the loops afresh.
#pragma once
#include "script/skript.h"
#include "platform/dialog.h"
#include "platform/fenster.h"
#include "platform/zeichnen.h"

// the default colours of the slots (red, green, blue, ...; slots past the twelfth black)
void interaktivFarbenSetzen(Skript& s);
// Lays out one bar per slot (at most the window's 19) in a client area of breite x hoehe
// with this margin: equal widths with a bar's width between them, standing on a common
// base, as tall as the slot's loop has gone. A client too narrow for its margins gets none.
void interaktivFensterLayout(Skript& s, int breite, int hoehe, int rand);
// the slot (1..) whose bar holds the point, edges included; 0 for none
int interaktivBalkenBei(const Skript& s, int x, int y);

// Alt+F2 (40264): the script runs with the window beside it. The window's layout and the
// slot colours are set at the first start after a load. 1 when the window was made and the
// script ran; 0 when the window could not be made (the program then ends) or the run did
// not start (the window is gone again).
int skriptInteraktivStarten(Skript* s);
// The window at its remembered place with its menu; 0 after message 128, the program ending.
int interaktivFensterErzeugen();
intptr_t interaktivFensterProc(plattform::Fenster f, uint32_t nachricht, uintptr_t w, intptr_t l);
// the header lines and one bar per slot with its value, name and step
void interaktivFensterZeichnen(plattform::Fenster f, plattform::Zeichenflaeche& z);
// A click in the window: the first starts the double-click time (the main window's timer
// 6); the second, on a bar, opens dialog 313 for that slot.
void interaktivParameterAendern(plattform::Fenster f, int, int x, int y);
namespace interaktivId { constexpr int Name = 2072, Start = 2074, Schritt = 2075, Fortsetzen = 2076; }
// Dialog 313 for the slot in its opening parameter: its start value, step and a
// simulation number to continue at. 1 on OK (values stored), 2 on Cancel.
intptr_t interaktivDlgProc(plattform::Fenster dlg, uint32_t nachricht, uintptr_t w, intptr_t l);
// the main window's cancel command (40040), which asks first
void simulationAbbrechenSenden();

// After the simulation at the WIEDERHOLEN at index i: every slot takes its statement's value;
// the statement of the slot the user changed takes the slot's start and step, and then the
// loops begin again with their first pass (i at the outer loop's SCHLEIFE, the simulation
// counter at 0) and true comes back. The window shows the state unless the run is skipping
// to a simulation number.
bool interaktivNachSimulation(Skript& s, int& i);

// the window's remembered outer rectangle (screen); empty until a window was placed
extern plattform::Rechteck interaktivFensterPlatz;
