// permutation/musterindex.cpp - every result file of a folder that matches a pattern indexed
// into numbered index files
//
// The files are taken in the byte order of their names, so the same folder always gives
// the same index. When memory runs short the index so far is saved and the next number
// begun; together the index files hold every record once.
#include "core/rahmen.h"
#include "core/status.h"
#include "dialogs/eingabe.h"
#include "files/netzdatei.h"
#include "permutation/ergebnisdatei.h"
#include "permutation/ergebnisintern.h"
#include "permutation/ergebnisse.h"
#include "platform/box.h"
#include "platform/pfad.h"
#include "platform/waehler.h"
#include "texts/texte.h"
#include <cerrno>

using namespace plattform;

namespace {

size_t endZiffern(const std::string& name)
{
    size_t n = 0;
    while (n < name.size() && name[name.size() - 1 - n] >= '0' && name[name.size() - 1 - n] <= '9')
        ++n;
    return n;
}

// the folder and the pattern of the files
bool musterWaehlen(const std::string& startPfad, std::string& ordner, std::string& stamm, std::string& muster)
{
    DateiWahl wahl;
    const size_t schnitt = startPfad.find_last_of("/\\");
    wahl.ordner = schnitt == std::string::npos ? dateipfade.dokumentVerzeichnis : startPfad.substr(0, schnitt);
    wahl.endung = "bin";
    wahl.titel = meldungsTexte[1607];
    wahl.filter = {{meldungsTexte[1620], "*.bin"}};
    if (!dateiWaehlen(fensterhandles.hauptfenster, wahl))
        return false;
    ordner = wahl.ordner;
    stamm = wahl.name;
    eingabeParameter.titel = meldungsTexte[138];
    eingabeParameter.text1 = meldungsTexte[139];
    eingabeParameter.text2 = meldungsTexte[140];
    eingabeParameter.eingabeBeschriftung = meldungsTexte[141];
    eingabeParameter.eingabeText = wahl.name + "*." + wahl.endung;
    eingabeParameter.flags = 0;
    if (eingabeDialogOeffnen() != 1)
        return false;
    muster = eingabeParameter.eingabeText;
    return !muster.empty();
}

// the first index file's name: one that ends in a number, so the next ones count on
bool indexNameWaehlen(const std::string& ordner, std::string stamm)
{
    stamm.resize(stamm.size() - endZiffern(stamm));
    while (!stamm.empty() && stamm.back() == ' ')
        stamm.pop_back();
    for (;;) {
        DateiWahl wahl;
        wahl.ordner = ordner;
        wahl.name = stamm + " 0000";
        wahl.endung = "inx";
        wahl.titel = meldungsTexte[1605];
        wahl.filter = {{meldungsTexte[1613], "*.inx"}};
        wahl.speichern = true;
        if (!dateiWaehlen(fensterhandles.hauptfenster, wahl))
            return false;
        const size_t ziffern = endZiffern(wahl.name);
        if (ziffern >= 2) {
            const int zahl = std::atoi(wahl.name.c_str() + wahl.name.size() - std::min<size_t>(ziffern, 9));
            sysInfoBox(meldungFormatieren(228, wahl.name, zahl), knoepfe::JaNein);
        } else if (ziffern == 1 && wahl.name.back() != '0') {
            continue;
        }
        if (wahl.endung.empty())
            wahl.endung = "inx";
        permutationsIndexPfad = gewaehlterPfad(wahl);
        return true;
    }
}

} // namespace

int indexAusDatendateienErstellen(const std::string& startPfad)
{
    PermutationsErgebnisZustand& z = permutationsErgebnisse;
    std::string ordner, stamm, muster;
    if (!musterWaehlen(startPfad, ordner, stamm, muster) || !indexNameWaehlen(ordner, stamm))
        return 0;
    // the walk, from an empty index on
    std::vector<std::string> namen;
    std::string fehler;
    if (!dateienAuflisten(ordner, muster, namen, &fehler)) {
        hinweisBox(meldungFormatieren(231, fehler));
        return 0;
    }
    if (namen.empty()) {
        hinweisBox(meldungFormatieren(229, systemGrund(ENOENT, Zugriff::Lesen), ordner + "/" + muster));
        return 0;
    }
    permutationDatenFreigeben();
    indexKapazitaetVergessen();
    modusStatus |= modusBit::DateiOperation;
    int dateien = 0;
    bool gestoppt = false;
    for (const std::string& name : namen) {
        const ScanStand stand = ergebnisdateiScannen(ordner + "/" + name, ladeModus::Muster, gestoppt);
        if (stand == ScanStand::Abbruch) {
            permutationDatenFreigeben();
            modusStatus &= ~modusBit::DateiOperation;
            return 0;
        }
        dateien += stand == ScanStand::Fertig ? 1 : 0;
        if (gestoppt || !(modusStatus & modusBit::DateiOperation)) {
            gestoppt = true;
            break;
        }
    }
    modusStatus &= ~modusBit::DateiOperation;
    // the last index file; a stop keeps what was indexed unsaved
    if (!gestoppt) {
        if (!z.index.empty() && permutationIndexSpeichern(permutationsIndexPfad.c_str(), -1) == 0)
            return 0;
        hinweisBox(meldungFormatieren(230, dateien, ordner + "/" + muster));
    }
    z.laufenderZaehler = static_cast<int>(z.index.size());
    statusTeilSetzen(0, meldungsTexte[1639]);
    return gestoppt ? 0 : 1;
}
