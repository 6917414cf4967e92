// dialogs/eingabe.h - the generic message, question and input dialog, and the timed info box
#pragma once
#include "core/status.h"
#include "platform/fenster.h"
#include <string>

// Filled by the caller before the input dialog opens; the dialog gives its results back
// here. The texts keep the sizes of their fields (511 and 127 characters).
struct EingabeParameter {
    std::string titel;              // caption; also the info box's caption
    std::string eingabeText;        // in: the field's start text; out: what was typed (OK)
    std::string text1, text2;       // the two static texts; emptied when the dialog closes
    std::string eingabeBeschriftung;
    std::string kastenText;         // label of the check box
    int kastenZustand = 0;          // in: 1 checked; out: the state at OK
    int flags = 0;                  // 0x1 show the check box, 0x2 no input field, 0x4 a whole number; 0 after closing
    int ganzzahlVon = 0, ganzzahlBis = 0;   // with 0x4: the range the number must lie in
    int ganzzahl = 0;               // with 0x4, out: the number read at OK
};
extern EingabeParameter eingabeParameter;

// Ganzzahl: OK reads the input as a whole number in ganzzahlVon..ganzzahlBis; anything else
// gets the notice naming the input and the dialog stays open
namespace eingabeFlag { constexpr int Kontrollkasten = 0x1, KeineEingabe = 0x2, Ganzzahl = 0x4; }

// AnzeigeboxParameter anzeigeboxParameter (the box's record) is in core/status.h

// the message the main window's timers 3 and 7 send to close the box
constexpr uint32_t anzeigeboxSchliessen = plattform::nachricht::Benutzer + 1;

intptr_t eingabeDlgProc(plattform::Fenster dlg, uint32_t nachricht, uintptr_t w, intptr_t l);
intptr_t anzeigeboxDlgProc(plattform::Fenster dlg, uint32_t nachricht, uintptr_t w, intptr_t l);

// Opens the input dialog over the main window with what eingabeParameter holds; 1 for
// OK, 2 for Cancel.
intptr_t eingabeDialogOeffnen();
// The timed info box over the main window: starts the main window's timer 7 with the
// display time and returns when the timer has closed the box.
void anzeigeboxOeffnen(const std::string& titel, const std::string& text);
// The same box without waiting (closed by anzeigeboxSchliessen when the work is done).
plattform::Fenster anzeigeboxOhneWartenOeffnen(const std::string& titel, const std::string& text);
// The start-up splash: timer 3 closes it after a second.
void startbildZeigen();

// the main window's timers that close the box
constexpr uintptr_t zeitgeberAnzeigebox = 7, zeitgeberStartbild = 3;
