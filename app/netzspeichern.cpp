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

void netzSpeichernAnbieten()
{
    const bool einstellungenSchreiben = !einstellungenBleiben;
    einstellungenBleiben = false;
    if (programmOptionen.ohneSpeichernBeenden)
        return;
    // a network read from a file: the user decides; its save writes the settings too
    if (neuronKette.anzahl > 0 && !dateipfade.vollerPfad.empty() &&
        plattform::sysInfoBox(meldungFormatieren(801, dateipfade.vollerPfad), plattform::knoepfe::JaNein) ==
            plattform::antwort::Ja) {
        guiDateiSpeichern(0, nullptr, 1);
        return;
    }
    if (einstellungenSchreiben && !cfgPfad.empty())
        cfgDateiSpeichern(cfgPfad.c_str(), nullptr, 1);
}

void einstellungenBeimEndeBehalten(bool behalten) { einstellungenBleiben = behalten; }
