// app/netzspeichern.cpp - what the frame saves besides its commands: the backup before a
// run, the network before a command closes it, and the network and the settings when the
// program ends
#include "app/hauptfenster.h"
#include "app/netzdateien.h"
#include "app/status.h"
#include "core/rahmen.h"
#include "files/einstellungsdatei.h"
#include "files/netzdatei.h"
#include "model/export.h"
#include "model/netz.h"
#include "platform/box.h"
#include "platform/fenster.h"
#include "platform/pfad.h"
#include "script/skript.h"
#include "texts/texte.h"
#include <cstring>

namespace {

bool einstellungenBleiben = false;

enum class Ausgang { Gespeichert, NichtGespeichert, Abgelehnt, Fehlgeschlagen };

// Yes saves (under a name the save dialog asks for when nameErfragen), No goes on without;
// Cancel, a cancelled save dialog and a failed save keep everything (a notice said why).
Ausgang speichernAnbieten(const std::string& frage, uint32_t knoepfeArt, bool nameErfragen)
{
    const int antwort = plattform::sysInfoBox(frage, knoepfeArt);
    if (antwort == plattform::antwort::Nein)
        return Ausgang::NichtGespeichert;
    if (antwort != plattform::antwort::Ja)
        return Ausgang::Abgelehnt;
    return netzInDateiSpeichern(nameErfragen ? 1 : 0) ? Ausgang::Gespeichert : Ausgang::Fehlgeschlagen;
}

// The network's own file, where Yes saves it and the offers name it; empty for one without,
// and for a file that holds curve data now, which the save replaces only where the user
// names it in the dialog.
std::string angebotenePfad()
{
    const Dateipfade& d = dateipfade;
    if (!eigeneNetzdatei())
        return {};
    std::string pfad = d.vollerPfad;
    if (pfad.empty()) {
        pfad = d.dokumentVerzeichnis;
        if (!pfad.empty() && pfad.back() != '/')
            pfad += '/';
        pfad += d.netzName + (d.endung.empty() ? "" : "." + d.endung);
    }
    return kurvenDateiIst(pfad) ? std::string() : pfad;
}

// true when the file can be read and holds exactly these bytes
bool dateiHaelt(const std::string& pfad, const std::string& bytes)
{
    std::FILE* datei = plattform::dateiOeffnen(pfad, "rb");
    if (!datei)
        return false;
    std::string inhalt(bytes.size() + 1, '\0');   // one byte more: a longer file differs
    const size_t gelesen = std::fread(inhalt.data(), 1, inhalt.size(), datei);
    const bool fehler = std::ferror(datei) != 0;
    std::fclose(datei);
    return !fehler && gelesen == bytes.size() && std::memcmp(inhalt.data(), bytes.data(), gelesen) == 0;
}

// The network is its own file as it stands: the bytes a save would write are the file's.
// An offer then only teaches the user to answer without reading. A network without a file
// of its own (a result file's among them), or whose file differs or cannot be read, has
// something to save.
bool nichtsZuSpeichern()
{
    const std::string pfad = angebotenePfad();
    if (pfad.empty())
        return false;
    std::string text;
    const Nutzerwerte nutzer;
    return netzDateiText(text) && dateiHaelt(pfad, text);
}

} // namespace

Nutzerwerte::Nutzerwerte() : gegeben(skriptLadewerteGesetzt(skript))
{
    if (gegeben)
        skriptLadewerteZurueckgeben(skript);
}

Nutzerwerte::~Nutzerwerte()
{
    if (gegeben)
        skriptLadewerteWiederSetzen(skript);
}

bool netzInDateiSpeichern(int fragen)
{
    const Nutzerwerte nutzer;
    return guiDateiSpeichern(fragen, nullptr, 1);
}

// as "GU&I-Datei speichern" from the main window; the run has marked the save as a backup
void guiSicherungSpeichern()
{
    if (fensterhandles.hauptfenster)
        plattform::senden(fensterhandles.hauptfenster, plattform::nachricht::Befehl,
                          plattform::machWParam(befehlGuiDateiSpeichern, 0));
}

bool netzSpeichernAnbieten(bool abbrechbar)
{
    // A network being read is nobody's yet: neither it nor the settings its read brought
    // are offered or written, so the user's files stay as they are.
    if (programmOptionen.ohneSpeichernBeenden || netzWirdGelesen()) {
        einstellungenBleiben = false;
        return true;
    }
    // A network that differs from its file is offered under that file's name, one without
    // (built here, or read from curve data or a recording) under a name the save dialog
    // asks for. The user decides; a save writes the settings too.
    if (neuronKette.anzahl > 0 && !nichtsZuSpeichern()) {
        const std::string pfad = angebotenePfad();
        const uint32_t knoepfe = abbrechbar ? plattform::knoepfe::JaNeinAbbrechen : plattform::knoepfe::JaNein;
        const std::string frage = pfad.empty() ? meldungsTexte[803] : meldungFormatieren(801, pfad);
        switch (speichernAnbieten(frage, knoepfe, pfad.empty())) {
        case Ausgang::Abgelehnt:
        case Ausgang::Fehlgeschlagen: return false;
        case Ausgang::Gespeichert: einstellungenBleiben = false; return true;
        case Ausgang::NichtGespeichert: break;
        }
    }
    if (!einstellungenBleiben && !cfgPfad.empty()) {
        const Nutzerwerte nutzer;
        cfgDateiSpeichern(cfgPfad.c_str(), nullptr, 1);
    }
    einstellungenBleiben = false;
    return true;
}

namespace {

// The offer before the network is closed or replaced, unless it is its file as it stands.
// One without a file (never saved, read from curve data or a recording, or taken out of a
// result file whose copy is gone) is saved under a name the user gives.
Ausgang vorDemSchliessenAnbieten()
{
    if (neuronKette.anzahl <= 0 || netzWirdGelesen() || nichtsZuSpeichern())   // nothing of a network being read is offered
        return Ausgang::NichtGespeichert;
    const std::string pfad = angebotenePfad();
    const bool mitDatei = !pfad.empty() && plattform::dateiExistiert(pfad);
    const std::string frage = mitDatei ? meldungFormatieren(802, pfad) : meldungsTexte[803];
    return speichernAnbieten(frage, plattform::knoepfe::JaNeinAbbrechen, !mitDatei);
}

} // namespace

bool netzSpeichernVorDemSchliessen()
{
    const Ausgang a = vorDemSchliessenAnbieten();
    return a != Ausgang::Abgelehnt && a != Ausgang::Fehlgeschlagen;
}

Schliessen netzSchliessen(SpeichernAngebot angebot)
{
    // a run on the stack holds the network (the evaluation window calls this outside the
    // dispatcher, which refuses the command then)
    if (imLaufGesperrt(befehlDateiSchliessen)) {
        plattform::hinweisBox(meldungsTexte[881]);
        return Schliessen::Abgelehnt;
    }
    if (angebot == SpeichernAngebot::Fragen) {
        switch (vorDemSchliessenAnbieten()) {
        case Ausgang::Abgelehnt: return Schliessen::Abgelehnt;
        case Ausgang::Fehlgeschlagen: return Schliessen::Fehlgeschlagen;
        default: break;
        }
    }
    netzLoeschen();
    if (programmEndet())
        return Schliessen::Geschlossen;
    dateipfade.netzName.clear();
    dateipfade.vollerPfad.clear();
    dateipfade.ohneNetzdatei = false;
    einstellungenAktualisieren(nullptr, 1);
    if (fensterhandles.hauptfenster)
        plattform::ungueltigMachen(fensterhandles.hauptfenster);
    return Schliessen::Geschlossen;
}

void einstellungenBeimEndeBehalten(bool behalten) { einstellungenBleiben = behalten; }
