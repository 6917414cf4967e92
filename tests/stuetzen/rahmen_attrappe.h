// tests/stuetzen/rahmen_attrappe.h - the frame's services for tests that run without the frame
//
// The engine, the file readers and the dialogs ask the frame for a few things
// (core/rahmen.h). Their tests link these stand-ins, which do the least the callers rely
// on and count what was asked; every test starts with them reset.
#pragma once
#include "platform/fenster.h"
#include <string>
#include <vector>

namespace attrappe {

struct Rahmen {
    bool endet = false;                 // programmBeenden came while no run was on the stack
    int beendenAufrufe = 0;
    int angeboteneEnden = 0;            // programmBeendenMitAngebot: here the end without offers
    int netzGeschlossen = 0;            // netzSchliessen, without its offer
    int aktualisierungen = 0;
    int laufDialoge = 0;
    int restzeitFenster = 0;
    int protokollGeleert = 0;
    int netzlosStatus = 0;
    int oeffnen = 0;                    // the open command: it loads nothing
    int sicherungen = 0;
    int druckerSuchen = 0;
    std::vector<int> diagrammFenster;       // the neurons (numbers) whose diagram window was asked for
    std::vector<std::string> anzeigeboxen;   // the timed info boxes: title, a '|', text
    // the run settings dialog: a test may answer it by changing the settings
    void (*laufDialog)(plattform::Fenster eigner) = nullptr;
};
extern Rahmen dienste;

inline void rahmenZuruecksetzen() { dienste = {}; }

} // namespace attrappe
