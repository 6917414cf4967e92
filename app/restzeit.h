// app/restzeit.h - the remaining-time window of runs and permutation series
#pragma once
#include "platform/fenster.h"
#include "platform/menue.h"
#include "platform/zeichnen.h"
#include <cstdint>
#include <string>

intptr_t restzeitFensterProc(plattform::Fenster f, uint32_t nachricht, uintptr_t w, intptr_t l);
void restzeitZeichnen(plattform::Fenster f, plattform::Zeichenflaeche& z);

// Creates and shows the window at the stored rectangle (a run: "Restzeit-Anzeige" without
// a menu; a series: "Permutations-Anzeige" with its menu) and sets the progress to 0.
// When it cannot be made: the message fehlerText, the program ends and null comes back.
plattform::Fenster restzeitFensterErzeugen(const std::string& titel, plattform::Menue menue, int fehlerText);
