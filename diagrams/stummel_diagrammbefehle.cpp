// diagrams/stummel_diagrammbefehle.cpp - stands in for the commands of the diagram windows
// until they are built
//
// The menu greys every command but "Schliessen", which only asks the window to close as its
// close box does, the time measurement, and the layout and curve dialogs; the menu set-up has
// no check marks or printers to show yet.
#include "diagrams/diagrammdialoge.h"
#include "diagrams/fensterhandler.h"
#include "diagrams/zeitmessung.h"
#include "resources/diagrammmenue.h"

intptr_t diagrammBefehl(plattform::Fenster f, int befehl, intptr_t, int)
{
    switch (befehl) {
    case diagrammBefehlSchliessen:
        plattform::senden(f, plattform::nachricht::SystemBefehl, plattform::systembefehl::Schliessen);
        break;
    case diagrammBefehlZeitmessung: zeitmessungUmschalten(f); break;
    // the layout and curve dialogs
    case diagrammBefehlLayout: diagrammLayoutBefehl(f); break;
    case diagrammBefehlVorlage: diagrammVorlageBefehl(f); break;
    case diagrammBefehlKurven: diagrammKurvenBefehl(f); break;
    case diagrammBefehlReferenzkurveSpeichern: diagrammReferenzkurveBefehl(f); break;
    }
    return 0;
}

void diagrammMenuInitialisieren(plattform::Fenster, plattform::Menue, int, int) {}
