// script/ergebnisindizieren.cpp - the flows that build the evaluation's index: its file,
// the result files added to it one by one or by a pattern, and an index file opened
#include "script/auswertung.h"
#include "core/rahmen.h"
#include "core/status.h"
#include "files/speicherziele.h"
#include "platform/box.h"
#include "platform/pfad.h"
#include "platform/waehler.h"
#include "platform/zeichensatz.h"
#include "resources/befehle.h"
#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <unistd.h>

using namespace plattform;

namespace {

namespace fs = std::filesystem;

std::string ordnerVon(const std::string& pfad)
{
    const size_t strich = pfad.find_last_of("/\\");
    return strich == std::string::npos ? "" : pfad.substr(0, strich);
}

std::string nameVon(const std::string& pfad)
{
    const size_t strich = pfad.find_last_of("/\\");
    return strich == std::string::npos ? pfad : pfad.substr(strich + 1);
}

void dateiEntfernen(const std::string& pfad)
{
    std::error_code fehler;
    fs::remove(schreibPfadAufloesen(pfad), fehler);
}

// A name no other file has in the folder, "!   tmp" and six random characters with the
// extension "inx". The file is made empty under that name; "" when none could be made.
std::string tmpIndexErzeugen(const std::string& ordner)
{
    const std::string system = pfadAufloesen(ordner);
    for (int versuch = 0; versuch < 100; ++versuch) {
        std::string muster = system + "/!   tmpXXXXXX.tmp";
        const int fd = ::mkstemps(muster.data(), 4);
        if (fd < 0)
            return "";
        ::close(fd);
        const std::string ziel = muster.substr(0, muster.size() - 3) + "inx";
        // never over another index of that name
        int umbenannt = ::renameat2(AT_FDCWD, muster.c_str(), AT_FDCWD, ziel.c_str(), RENAME_NOREPLACE);
        int grund = errno;
        // a file system that cannot refuse to replace: looked at first
        if (umbenannt != 0 && (grund == EINVAL || grund == ENOSYS)) {
            std::error_code fehler;
            grund = EEXIST;
            if (!fs::exists(ziel, fehler) && !fehler) {
                umbenannt = std::rename(muster.c_str(), ziel.c_str());
                grund = errno;
            }
        }
        if (umbenannt == 0)
            return ordner + "/" + nameVon(ziel);
        ::unlink(muster.c_str());
        if (grund != EEXIST)
            return "";
    }
    return "";
}

// the header of the file named by a.ergebnisPfad, with its texts; a file the caller opened
// is read as it is, else this one is opened for the read
int ersterKopf(Auswertungsdaten& a)
{
    const bool selbst = !a.ergebnisDatei;
    if (selbst)
        a.ergebnisDatei = dateiOeffnen(a.ergebnisPfad, "rb");
    if (!a.ergebnisDatei) {
        hinweisBox(meldungFormatieren(1161, a.ergebnisPfad));
        return 0;
    }
    const int gelesen = ergebnisDateiLaden(a, 1);
    if (selbst) {
        std::fclose(a.ergebnisDatei);
        a.ergebnisDatei = nullptr;
    }
    return gelesen;
}

// The pattern flow's end after a failure: the result file it opened closed, the flag
// cleared, what it indexed closed and the network it brought gone.
int musterAbbrechen(Auswertungsdaten& a)
{
    if (a.ergebnisDatei)
        std::fclose(a.ergebnisDatei);
    a.ergebnisDatei = nullptr;
    skriptStatus &= ~skriptBit::MusterIndizierung;
    return auswertungAbbrechen(a, skriptStatus & skriptBit::AuswertungsdatenDa);
}

} // namespace

// ---- the index file -------------------------------------------------------------------------

int indexDateiAnlegen(Auswertungsdaten& a, int temporaer)
{
    const std::string ordner = auswertungsfenster.ordner.empty() ? "." : auswertungsfenster.ordner;
    // a temporary index goes first: its records are in memory
    indexDateiVerwerfen(a);
    if (a.temporaererIndex && !a.indexPfad.empty()) {
        dateiEntfernen(a.indexPfad);
        a.indexPfad.clear();
    }
    a.temporaererIndex = 0;
    if (temporaer) {
        const std::string pfad = tmpIndexErzeugen(ordner);
        if (pfad.empty())
            return 0;
        a.indexPfad = pfad;
    } else {
        using namespace auswertungsMeldung;
        DateiWahl wahl;
        wahl.ordner = ordner;
        wahl.name = auswertungsfenster.indexName;
        wahl.endung = "inx";
        wahl.filter.push_back({auswertungsText(Index, 1), "*.inx"});
        wahl.titel = auswertungsText(Index, 2);
        wahl.speichern = true;
        if (!dateiWaehlen(fensterhandles.hauptfenster, wahl))
            return -1;
        // an index written over the result file it is made of would leave nothing to point into
        std::vector<std::string> ergebnisse = a.namen;
        ergebnisse.push_back(a.ergebnisPfad);
        if (!zielGetrennt({gewaehlterPfad(wahl), 1769}, ergebnisse, 1770))
            return -1;   // said; the evaluation goes on as after a cancel
        a.indexPfad = gewaehlterPfad(wahl);
        auswertungsfenster.indexName = wahl.name;
    }
    if (ergebnisIndexSpeichern(a, temporaer))
        return 1;
    if (temporaer) {
        dateiEntfernen(a.indexPfad);
        a.indexPfad.clear();
        a.temporaererIndex = 0;
    }
    return 0;
}

int ergebnisDateiIndizieren(Auswertungsdaten& a, int temporaer)
{
    if (a.namen.empty()) {
        if (!a.kopf.ersterSatz && !ersterKopf(a)) {
            ergebnisDateienSchliessen(a);
            return 0;
        }
    } else if (!ergebnisKopfPruefen(a)) {
        return 0;
    }
    if (!a.indexDatei && indexDateiAnlegen(a, temporaer) != 1)
        return 0;
    if (!ergebnisIndexErstellen(a, temporaer))
        return 0;
    const int n = static_cast<int>(a.index.size());
    auswertungStatusSetzen(auswertungsText(auswertungsMeldung::Anzahl, 1, n, static_cast<int>(a.namen.size())));
    auswertungScrollbereichSetzen(auswertungsfenster.fenster, n, a.aktuellesErgebnis);
    return 1;
}

// ---- the network and script a result file carries -----------------------------------------

int eingebettetesNetzLaden(Auswertungsdaten& a)
{
    // the script's text stays for saving it ("Skript speichern")
    auswertungsfenster.skriptText.clear();
    if (std::FILE* f = dateiOeffnen(a.tmpSkript, "rb")) {
        char puffer[4096];
        for (size_t n; (n = std::fread(puffer, 1, sizeof puffer, f)) > 0;)
            auswertungsfenster.skriptText.append(puffer, n);
        std::fclose(f);
    }
    // the script loader starts the status word afresh: what the mode has loaded stays
    const uint32_t behalten = skriptStatus & (skriptBit::AuswertungsdatenDa | skriptBit::AuswertungsModus |
                                              skriptBit::ErgebnisseAngezeigt | skriptBit::ErgebnisKopfGeladen |
                                              skriptBit::MusterIndizierung | skriptBit::SkriptBehalten);
    skriptStatus |= skriptBit::AuswertungLaedt;
    const int netz = simulationOeffnen(0);
    int geladen = 0;
    if (netz && !programmEndet()) {
        skript.pfad = a.tmpSkript;
        geladen = skriptLaden(skript);
    }
    skriptStatus = (skriptStatus | behalten) & ~skriptBit::AuswertungLaedt;
    for (std::string* pfad : {&a.tmpNetz, &a.tmpSkript}) {
        if (!pfad->empty())
            dateiEntfernen(*pfad);
        pfad->clear();
    }
    // the network of a load that failed came from the copy just removed: not offered for saving
    if (netz && !geladen && !programmEndet())
        netzSchliessen(SpeichernAngebot::Ohne);
    if (!netz || !geladen)
        return 0;
    skriptStatus |= skriptBit::AuswertungsdatenDa;
    return 1;
}

// ---- an index file opened -------------------------------------------------------------------

int indexDateiOeffnen(Auswertungsdaten& a)
{
    using namespace auswertungsMeldung;
    DateiWahl wahl;
    for (const std::string& ordner : {ordnerVon(a.indexPfad), ordnerVon(a.ergebnisPfad), auswertungsfenster.ordner,
                                      dateipfade.ergebnisVerzeichnis, dateipfade.programmVerzeichnis})
        if (wahl.ordner.empty())
            wahl.ordner = ordner;
    wahl.endung = "inx";
    wahl.titel = auswertungsText(Index, 3);
    wahl.filter.push_back({auswertungsText(Index, 4), "*.inx"});
    if (!dateiWaehlen(fensterhandles.hauptfenster, wahl))
        return 0;
    const std::string pfad = gewaehlterPfad(wahl);
    if (!dateiExistiert(pfad)) {
        hinweisBox(meldungFormatieren(1183, pfad));
        return 0;
    }
    auswertungsfenster.ordner = wahl.ordner;
    auswertungsfenster.indexName = wahl.name;
    a.indexPfad = pfad;
    if (std::FILE* f = dateiOeffnen(pfad, "rb")) {
        std::fclose(f);
    } else {
        hinweisBox(auswertungsText(Index, 5, pfad));
        return 0;
    }
    if (!ergebnisIndexLaden(a)) {
        ergebnisDateienSchliessen(a);
        return 0;
    }
    // the first file's header again, now with the texts it carries
    a.ergebnisPfad = a.namen.front();
    a.ergebnisDatei = dateiOeffnen(a.ergebnisPfad, "rb");
    if (!a.ergebnisDatei) {
        hinweisBox(meldungsTexte[226]);
        ergebnisDateienSchliessen(a);
        return 0;
    }
    const int gelesen = ersterKopf(a);
    std::fclose(a.ergebnisDatei);
    a.ergebnisDatei = nullptr;
    a.aktuellesErgebnis = 0;
    skriptStatus |= skriptBit::ErgebnisseAngezeigt;
    if (!gelesen || !eingebettetesNetzLaden(a)) {
        ergebnisDateienSchliessen(a);
        return 0;
    }
    if (!ergebnisDateiSuchen(a) || !ergebnisseDarstellen(a))
        return auswertungAbbrechen(a, true);
    auswertungScrollbereichSetzen(auswertungsfenster.fenster, static_cast<int>(a.index.size()), 0);
    auswertungStatusSetzen(
        auswertungsText(Anzahl, 1, static_cast<int>(a.index.size()), static_cast<int>(a.namen.size())));
    skriptStatus |= skriptBit::ErgebnisseAngezeigt | skriptBit::ErgebnisKopfGeladen | skriptBit::AuswertungsdatenDa;
    return 1;
}

// ---- many result files at once --------------------------------------------------------------

int binDateienIndizieren(Auswertungsdaten& a)
{
    using namespace auswertungsMeldung;
    // the file the series starts with
    DateiWahl wahl;
    wahl.ordner = auswertungsfenster.ordner.empty() ? dateipfade.dokumentVerzeichnis : auswertungsfenster.ordner;
    wahl.endung = "bin";
    wahl.titel = auswertungsText(Muster, 1);
    wahl.filter.push_back({auswertungsText(Muster, 2), "*.bin"});
    if (!dateiWaehlen(fensterhandles.hauptfenster, wahl))
        return 0;
    a.ergebnisPfad = gewaehlterPfad(wahl);

    // the pattern
    std::string eingabe = wahl.name + "*." + wahl.endung;
    if (!rahmen::eingabeErfragen(meldungsTexte[183], meldungFormatieren(184, wahl.ordner), meldungsTexte[185],
                                 meldungsTexte[186], eingabe) ||
        eingabe.empty())
        return 0;
    const std::string muster = wahl.ordner + "/" + eingabe;

    // a number at the end of the chosen name starts a numbered series; the rest names the index
    size_t ziffern = 0;
    while (ziffern < wahl.name.size() && ziffern < 9 &&
           std::isdigit(static_cast<unsigned char>(wahl.name[wahl.name.size() - 1 - ziffern])))
        ++ziffern;
    const std::string stamm = wahl.name.substr(0, wahl.name.size() - ziffern);
    const int start = ziffern ? std::atoi(wahl.name.c_str() + stamm.size()) : 0;
    const int breite = static_cast<int>(ziffern);
    auswertungsfenster.indexName = stamm;
    const std::string suchOrdner = ordnerVon(muster);
    const std::string musterName = nameVon(muster);
    const size_t punkt = musterName.rfind('.');
    const std::string endung = punkt == std::string::npos ? "" : musterName.substr(punkt + 1);
    auswertungsfenster.suchOrdner = suchOrdner;
    auswertungsfenster.ordner = wahl.ordner;
    if (breite && musterName.find_first_of("?*") != std::string::npos) {
        hinweisBox(auswertungsText(Muster, 3, breite, start));
        return 0;
    }

    // from an empty index on
    if (!a.namen.empty() || !a.index.empty() || a.indexDatei || (skriptStatus & skriptBit::ErgebnisKopfGeladen))
        ergebnisDateienSchliessen(a);
    a.kopf = ErgebnisKopf{};
    a.indexPfad = wahl.ordner + "/" + stamm + ".inx";
    skriptStatus |= skriptBit::MusterIndizierung;

    // the first file brings the network and the script the results belong to
    const auto hinzufuegen = [&a](const std::string& pfad) {
        a.ergebnisPfad = pfad;
        const bool erste = a.namen.empty();
        if (ergebnisDateiIndizieren(a, 1) != 1) {
            hinweisBox(auswertungsText(Muster, 5, pfad));
            return false;
        }
        if (a.ergebnisDatei)
            std::fclose(a.ergebnisDatei);
        a.ergebnisDatei = nullptr;
        return !erste || eingebettetesNetzLaden(a);
    };
    if (!breite) {
        // the matching files in the order of their names
        std::vector<std::string> namen;
        std::error_code fehler;
        fs::directory_iterator eintrag(pfadAufloesen(suchOrdner), fehler);
        if (fehler) {
            hinweisBox(auswertungsText(Muster, 4, fehler.message(), muster));
            return musterAbbrechen(a);
        }
        for (; eintrag != fs::directory_iterator(); eintrag.increment(fehler)) {
            std::string name;
            std::error_code ordnerFehler;   // an entry that cannot be looked at is no folder
            if (!eintrag->is_directory(ordnerFehler) && nachCp1252(eintrag->path().filename().string(), name) &&
                plattform::namePasst(musterName, name))
                namen.push_back(name);
        }
        if (fehler) {
            hinweisBox(auswertungsText(Muster, 7, fehler.message()));
            return musterAbbrechen(a);
        }
        std::sort(namen.begin(), namen.end());
        int gezaehlt = 0;
        for (const std::string& name : namen) {
            if (a.namen.size() >= indexDateienMax) {
                hinweisBox(auswertungsText(Muster, 6));
                break;
            }
            ++gezaehlt;
            if (!hinzufuegen(suchOrdner + "/" + name))
                return musterAbbrechen(a);
        }
        hinweisBox(auswertungsText(Muster, 8, gezaehlt, muster));
    } else {
        // the numbered files from the chosen one on, up to the first missing number
        for (int nummer = start;; ++nummer) {
            char zahl[32];
            std::snprintf(zahl, sizeof zahl, "%0*d", breite, nummer);
            const std::string pfad = suchOrdner + "/" + stamm + zahl + (endung.empty() ? "" : "." + endung);
            if (!dateiExistiert(pfad))
                break;
            if (a.namen.size() >= indexDateienMax) {
                hinweisBox(auswertungsText(Muster, 9, indexDateienMax));
                break;
            }
            a.ergebnisDatei = dateiOeffnen(pfad, "rb");
            if (!a.ergebnisDatei) {
                hinweisBox(meldungFormatieren(1161, pfad));
                return musterAbbrechen(a);
            }
            if (!hinzufuegen(pfad))
                return musterAbbrechen(a);
        }
    }
    skriptStatus &= ~skriptBit::MusterIndizierung;
    if (a.index.empty())
        return 1;
    skriptStatus |= skriptBit::AuswertungsdatenDa;
    // a save dialog cancelled keeps what was indexed: it is only not saved
    if (meldungsBox(fensterhandles.hauptfenster, auswertungsText(Index, 6), "SysInfo", knoepfe::JaNein | symbol::Frage) ==
        antwort::Ja) {
        const int angelegt = indexDateiAnlegen(a, 0);
        if (angelegt == 0)
            return musterAbbrechen(a);
        if (angelegt == 1)
            indexDateiListeAktualisieren(a);
    }
    ergebnisDateiSuchen(a);
    skriptStatus |= skriptBit::ErgebnisseAngezeigt;
    ergebnisseDarstellen(a);
    return 1;
}
