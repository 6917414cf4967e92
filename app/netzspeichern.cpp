// app/netzspeichern.cpp - what the frame saves besides its commands: the backup before a
// run, the network before a command closes it, and the network and the settings when the
// program ends
#include "app/netzdateien.h"
#include "app/status.h"
#include "core/rahmen.h"
#include "files/einstellungsdatei.h"
#include "files/netzdatei.h"
#include "model/netz.h"
#include "platform/box.h"
#include "platform/fenster.h"
#include "platform/pfad.h"
#include "texts/texte.h"

namespace {

bool einstellungenBleiben = false;

enum class Angebot { Gespeichert, NichtGespeichert, Abgebrochen };

// Yes saves (under a name the save dialog asks for when nameErfragen), No goes on without;
// Cancel, a cancelled save dialog and a failed save keep everything (a notice said why).
Angebot speichernAnbieten(const std::string& frage, uint32_t knoepfeArt, bool nameErfragen)
{
    const int antwort = plattform::sysInfoBox(frage, knoepfeArt);
    if (antwort == plattform::antwort::Nein)
        return Angebot::NichtGespeichert;
    if (antwort != plattform::antwort::Ja)
        return Angebot::Abgebrochen;
    return guiDateiSpeichern(nameErfragen ? 1 : 0, nullptr, 1) ? Angebot::Gespeichert : Angebot::Abgebrochen;
}

} // namespace

// as "GU&I-Datei speichern" from the main window; the run has marked the save as a backup
void guiSicherungSpeichern()
{
    if (fensterhandles.hauptfenster)
        plattform::senden(fensterhandles.hauptfenster, plattform::nachricht::Befehl,
                          plattform::machWParam(befehlGuiDateiSpeichern, 0));
}

bool netzSpeichernAnbieten(bool abbrechbar)
{
    if (programmOptionen.ohneSpeichernBeenden) {
        einstellungenBleiben = false;
        return true;
    }
    // a network read from a file: the user decides; its save writes the settings too
    if (neuronKette.anzahl > 0 && !dateipfade.vollerPfad.empty()) {
        const uint32_t knoepfe = abbrechbar ? plattform::knoepfe::JaNeinAbbrechen : plattform::knoepfe::JaNein;
        switch (speichernAnbieten(meldungFormatieren(801, dateipfade.vollerPfad), knoepfe, false)) {
        case Angebot::Abgebrochen: return false;
        case Angebot::Gespeichert: einstellungenBleiben = false; return true;
        case Angebot::NichtGespeichert: break;
        }
    }
    if (!einstellungenBleiben && !cfgPfad.empty())
        cfgDateiSpeichern(cfgPfad.c_str(), nullptr, 1);
    einstellungenBleiben = false;
    return true;
}

bool netzSpeichernVorDemSchliessen()
{
    if (neuronKette.anzahl <= 0)
        return true;
    // Nothing tells an edited network from the one read, so any network is offered. One
    // without a file (never saved, or taken out of a result file whose copy is gone) is
    // saved under a name the user gives, even where the settings left a name.
    const bool mitDatei = !dateipfade.vollerPfad.empty() && plattform::dateiExistiert(dateipfade.vollerPfad);
    const std::string frage = mitDatei ? meldungFormatieren(802, dateipfade.vollerPfad) : meldungsTexte[803];
    return speichernAnbieten(frage, plattform::knoepfe::JaNeinAbbrechen, !mitDatei || dateipfade.netzName.empty()) !=
           Angebot::Abgebrochen;
}

void einstellungenBeimEndeBehalten(bool behalten) { einstellungenBleiben = behalten; }
