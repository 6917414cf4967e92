// app/start.h - the program's start
#pragma once
#include "platform/system.h"
#include <span>
#include <string>

// The counterpart of WinMain: the start up to the message loop, then the loop; returns
// the program's exit code. datei: the network file named on the command line.
int programmStart(const plattform::DateiArgument& datei);

// The start without the loop, with the program directory given (the "parameter" folder
// and default.cfg lie below it): status words and paths, the language texts, the window
// classes, the main window (whose first size message runs the initialisation) and the
// board table. false when the program ends before its loop: the message texts are
// missing, the main window cannot be made, or the initialisation ended the program.
// argumentDarstellbar false: Windows-1252 cannot hold the name of the file argument.
bool programmStarten(const std::string& dateiArgument, const std::string& programmVerzeichnis,
                     bool argumentDarstellbar = true);

// true once for the open command that the start posted (the one after it, from the
// menu, asks for a file)
bool startOeffnenNehmen();

// The open command calls this first. A file named on the command line that cannot be
// opened (missing, unreadable, or a name the program cannot store) is named in a notice
// and dropped, and the program goes on without it: false then. true otherwise.
bool startDateiPruefen();

// the one-time initialisation; the main window's first size message calls it, later calls
// do nothing
void startInitialisieren();
struct StartSchritt {
    const char* name;
    void (*ausfuehren)();
};
std::span<const StartSchritt> startSchritte();

// What tests of the start may put in place of its own steps; null is the start's own.
// Reset with `startHaken = {};`.
struct StartTestHaken {
    // in place of reading the settings file (a probe of what the start has done by then,
    // an end of the program in the middle of the start)
    void (*einstellungenLaden)() = nullptr;
    // in place of Comedi's library "libcomedi.so.0": a file of that interface to load
    const char* messkartenBibliothek = nullptr;
};
extern StartTestHaken startHaken;

// the nine window classes; their names come from the message texts
void fensterklassenRegistrieren();

// back to the state before the start (tests start the program more than once)
void startZuruecksetzen();
