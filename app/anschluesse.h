// app/anschluesse.h - where the later parts of the program plug into the frame
//
// Each pointer stays null until the part that does the work exists. The frame then leaves
// the step out or refuses the command with a notice; it never pretends to do the work.
#pragma once
#include "platform/fenster.h"

namespace anschluss {

// the run start of the network model (40039); returns when the run has ended
extern void (*simulationStarten)();
// the first read of the settings file at start-up (cfgDateiLaden(0)); it also sets
// programmBit::ZuletztGeladeneOeffnen when the remembered network is to be opened
extern void (*einstellungenLaden)();
// the open command: with dateipfade.startModus it opens dateipfade.startDatei (or the
// remembered network), otherwise it asks for a file
extern void (*dateiOeffnen)();
// offered when the main window is destroyed by a regular close, before anything is freed
extern void (*netzSpeichernAnbieten)();
// timer 8: the end of a curve highlight (clears hervorheben of the current slot)
extern void (*kurvenMarkierungBeenden)();
// timer 11: ends the printer-list thread that overran; false when it could not be ended.
// It must not kill the thread in the middle of its writes (the menu and the list).
extern bool (*druckerSucheBeenden)();

} // namespace anschluss

// a notice that the function is not there yet (the part that does it is missing)
void nochNichtVerfuegbar();
