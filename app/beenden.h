// app/beenden.h - the end of the program
#pragma once
#include "core/rahmen.h"
#include <span>
#include <string>

// programmBeenden and programmEndet (core/rahmen.h): the shutdown runs the steps below in
// their order, on the GUI thread; while the start-up is unfinished it only ends the start.

// one step of the shutdown, in the order the table in app/beenden.cpp gives
struct BeendenSchritt {
    const char* name;
    void (*ausfuehren)();
};
std::span<BeendenSchritt> beendenSchritte();

// mode 0: removes the run-information file (when its name is longer than 3 characters)
// and closes and removes the temporary files
void programmEndeAufraeumen(int modus);
// a file to remove at the end of the program
void temporaereDateiAnmelden(const std::string& pfad);

// The regular close asks before the main window goes: the offer to save an unsaved
// permutation definition, then the network and the settings, once. false when the user
// cancelled or a chosen save failed: the window and the program stay.
bool speichernVorDemEndeAnbieten();
// the main window's destruction: the shutdown, after the offer to save when the close has
// not made it yet
void hauptfensterZerstoert();

// back to the state before the start (tests start the program more than once)
void beendenZuruecksetzen();

// (the board's outputs and the server thread the shutdown stops: server/serverbetrieb.h)
