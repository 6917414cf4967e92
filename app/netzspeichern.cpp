// app/netzspeichern.cpp - what the frame saves besides its commands: the backup before a
// run, and the network and the settings when the program ends
#include "app/netzdateien.h"
#include "app/status.h"
#include "core/rahmen.h"
#include "files/einstellungsdatei.h"
#include "files/netzdatei.h"
#include "model/netz.h"
#include "platform/box.h"
#include "platform/fenster.h"
#include "texts/texte.h"

namespace {
bool einstellungenBleiben = false;
}

// as "GU&I-Datei speichern" from the main window; the run has marked the save as a backup
void guiSicherungSpeichern()
{
    if (fensterhandles.hauptfenster)
        plattform::senden(fensterhandles.hauptfenster, plattform::nachricht::Befehl,
                          plattform::machWParam(befehlGuiDateiSpeichern, 0));
}

bool netzSpeichernAnbieten()
{
    if (programmOptionen.ohneSpeichernBeenden) {
        einstellungenBleiben = false;
        return true;
    }
    // a network read from a file: the user decides; its save writes the settings too, and
    // a save that fails keeps the program and the network (the notice said why)
    if (neuronKette.anzahl > 0 && !dateipfade.vollerPfad.empty() &&
        plattform::sysInfoBox(meldungFormatieren(801, dateipfade.vollerPfad), plattform::knoepfe::JaNein) ==
            plattform::antwort::Ja) {
        if (!guiDateiSpeichern(0, nullptr, 1))
            return false;
        einstellungenBleiben = false;
        return true;
    }
    if (!einstellungenBleiben && !cfgPfad.empty())
        cfgDateiSpeichern(cfgPfad.c_str(), nullptr, 1);
    einstellungenBleiben = false;
    return true;
}

void einstellungenBeimEndeBehalten(bool behalten) { einstellungenBleiben = behalten; }
