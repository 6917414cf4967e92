// app/beenden.h - the end of the program
#pragma once
#include <span>
#include <string>

// The orderly shutdown: frees what the program holds, in this order, destroys the main
// window and asks the message loop to end. Callable from anywhere, also from another
// thread (it runs on the GUI thread then) and while a run is on the stack (the run is
// stopped and the shutdown follows once it has returned). Callers return at once; a
// second call does nothing. While the start-up is unfinished it only ends the start.
void programmBeenden();
// true from the first step of the shutdown on: nothing may use the freed records then
bool programmEndet();

// one step of the shutdown; later parts of the program fill the empty slots
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

// the main window's destruction: on a regular close the offer to save comes first,
// while everything still exists, then the shutdown
void hauptfensterZerstoert();

// back to the state before the start (tests start the program more than once)
void beendenZuruecksetzen();
