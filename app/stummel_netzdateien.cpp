// app/stummel_netzdateien.cpp - stands in for opening and saving network files until they
// are built
#include "app/netzdateien.h"
#include "core/rahmen.h"
#include "platform/box.h"
#include "texts/texte.h"

// The open command (and F2 without a network, which asks for a file first) says that it
// cannot open anything yet.
int simulationOeffnen(int)
{
    plattform::hinweisBox(meldungsTexte[886]);
    return 0;
}

// Nothing can be saved yet: the run goes on without a backup.
void guiSicherungSpeichern() {}

// No network file can be read yet, so there is none to offer saving.
void netzSpeichernAnbieten() {}
