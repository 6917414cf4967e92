// diagrams/stummel_diagrammbefehle.cpp - stands in for the commands of the diagram windows
// until they are built
//
// The menu greys every command but "Schliessen", which only asks the window to close as its
// close box does, and the time measurement; the menu set-up has no check marks or printers
// to show yet.
#include "diagrams/fensterhandler.h"
#include "diagrams/zeitmessung.h"
#include "resources/diagrammmenue.h"

intptr_t diagrammBefehl(plattform::Fenster f, int befehl, intptr_t, int)
{
    if (befehl == diagrammBefehlSchliessen)
        plattform::senden(f, plattform::nachricht::SystemBefehl, plattform::systembefehl::Schliessen);
    else if (befehl == diagrammBefehlZeitmessung)
        zeitmessungUmschalten(f);
    return 0;
}

void diagrammMenuInitialisieren(plattform::Fenster, plattform::Menue, int, int) {}
