// permutation/ergebnisscan.cpp - result files scanned record by record into the index
//
// A scan reads only each record's number, quality and AP count and checks its end marker;
// a record whose marker is missing is offered to the user: search the next marker, end the
// file there, or give up the load. Files of another permutation are left out, never mixed
// into the index.
#include "core/rahmen.h"
#include "core/endemeldung.h"
#include "core/status.h"
#include "model/permutationsfenster.h"
#include "permutation/ergebnisdatei.h"
#include "permutation/ergebnisleser.h"
#include "permutation/ergebnisintern.h"
#include "permutation/ergebnisse.h"
#include "platform/box.h"
#include "platform/pfad.h"
#include "platform/system.h"
#include "platform/waehler.h"
#include "platform/zeichensatz.h"
#include "texts/texte.h"
#include <cmath>
#include <cstdio>
#include <new>

using namespace plattform;

int64_t (*freierSpeicherHaken)() = verfuegbarerSpeicher;
bool permutationsZeitachseGerundet = false;
std::string permutationsIndexPfad;

namespace {

constexpr size_t kapazitaetsSchritt = 10000;
constexpr int resyncWorte = 1000;
// the entries the running index has room for; across the files of a pattern
size_t indexKapazitaet = 0;

PermutationsErgebnisZustand& zustand() { return permutationsErgebnisse; }

void prozentZeigen(uint64_t stand, uint64_t laenge)
{
    const uint64_t prozent = laenge ? stand * 100 / laenge : 100;
    char text[32];
    std::snprintf(text, sizeof text, "\t%d %% ", static_cast<int>(prozent));
    statusTeilSetzen(1, text);
}

bool levelGleich(const PermutationsKopf& kopf)
{
    const PermutationsErgebnisZustand& z = zustand();
    for (size_t i = 0; i < kopf.level.size(); ++i)
        for (size_t j = 0; j < kopf.level[i].size(); ++j) {
            const double a = kopf.level[i][j], b = z.level[i][j];
            if (a != b && !(std::isnan(a) && std::isnan(b)))
                return false;
        }
    return true;
}

// the memory of a pattern's index runs short: begin the next index file
bool speicherKnapp()
{
    const int64_t frei = freierSpeicherHaken ? freierSpeicherHaken() : -1;
    // an unknown budget (no network file read yet) bounds nothing
    const int64_t bedarf = static_cast<int64_t>(zustand().index.size()) * 16 + 9000;
    return (frei >= 0 && frei < 10000) || (permutationsSpeichergrenze > 0 && bedarf >= permutationsSpeichergrenze);
}

// The running index of a pattern is saved and a new one begun with the file being scanned
// as its file 0; the index path moves on to the next free number.
bool neuesIndexBeginnen(const std::string& aktuell)
{
    PermutationsErgebnisZustand& z = zustand();
    if (!z.index.empty()) {
        if (permutationIndexSpeichern(permutationsIndexPfad.c_str(), -1) == 0)
            return false;
        permutationsIndexPfad = naechsterIndexPfad(permutationsIndexPfad);
    }
    z.index.clear();
    z.dateien.namen.clear();
    z.dateien.handles.clear();
    if (!aktuell.empty()) {
        z.dateien.namen.push_back(aktuell);
        z.dateien.handles.emplace_back();
    }
    return true;
}

bool platzFuerEintrag(int modus, const std::string& pfad, uint16_t& dateiNummer)
{
    PermutationsErgebnisZustand& z = zustand();
    if (z.index.size() < indexKapazitaet)
        return true;
    if (modus == ladeModus::Muster && !z.index.empty() && speicherKnapp()) {
        if (!neuesIndexBeginnen(pfad))
            return false;
        dateiNummer = 0;
        return true;
    }
    indexKapazitaet = z.index.size() + kapazitaetsSchritt;
    try {
        z.index.reserve(indexKapazitaet + 1);
    } catch (const std::bad_alloc&) {
        endeMelden(EndeForm::Info, meldungFormatieren(112, static_cast<long long>((indexKapazitaet + 1) * sizeof(PermutationsIndexEintrag))));
        return false;
    }
    return true;
}

// The header's counts become the loaded ones (the first file of a load) or are compared
// with them. Ausgelassen when the file belongs to another permutation.
ScanStand kopfUebernehmen(const PermutationsKopf& kopf)
{
    PermutationsErgebnisZustand& z = zustand();
    const int n = kopf.synapsenAnzahl(), m = kopf.levelAnzahl, c = static_cast<int>(kopf.klassen.size());
    if (!z.dateien.namen.empty()) {
        if (c != static_cast<int>(z.klassen.size()) || n != z.synapsenAnzahl || m != z.levelAnzahl) {
            hinweisBox(meldungsTexte[80]);
            return ScanStand::Ausgelassen;
        }
        if (permutationsFenster.levelPruefen && !levelGleich(kopf)) {
            hinweisBox(meldungsTexte[82]);
            return ScanStand::Ausgelassen;
        }
        // each record carries e extra values: a file with another e cannot share the index
        if (kopf.zusatzAnzahl != z.zusatzAnzahl) {
            hinweisBox(meldungsTexte[215]);
            return ScanStand::Ausgelassen;
        }
        return ScanStand::Fertig;
    }
    if (c > 0 && std::llabs(static_cast<long long>(kopf.klassen[0].sollApAnzahl)) >= 1000001) {
        hinweisBox(meldungsTexte[214]);
        return ScanStand::Kaputt;
    }
    z.synapsenAnzahl = n;
    z.levelAnzahl = m;
    z.klassenAnzahlErsteDatei = c;
    z.level = {};
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < m; ++j)
            z.level[static_cast<size_t>(i)][static_cast<size_t>(j)] = kopf.level[static_cast<size_t>(i)][static_cast<size_t>(j)];
    z.klassen = kopf.klassen;
    z.apFlag = kopf.apFlag;
    z.zusatzAnzahl = kopf.zusatzAnzahl;
    klassenAnzahlKopien = c;
    modusStatus |= modusBit::KlassenAusErgebnis;
    return ScanStand::Fertig;
}

// The next -1 word from ab on, within 1000 words; false when there is none before them or
// the file ends.
bool markeSuchen(Dateifenster& f, uint64_t ab, uint64_t& gefunden)
{
    for (int i = 0; i < resyncWorte; ++i) {
        Byteleser l(f.bereich(ab + 4 * static_cast<uint64_t>(i), 4));
        const int32_t wort = l.i32();
        if (!l.gut())
            return false;
        if (wort == dateiMarke) {
            gefunden = ab + 4 * static_cast<uint64_t>(i);
            return true;
        }
    }
    return false;
}

} // namespace

ScanStand ergebnisdateiScannen(const std::string& pfad, int modus, bool& gestoppt)
{
    PermutationsErgebnisZustand& z = zustand();
    gestoppt = false;
    // open
    OffeneDatei datei(dateiOeffnen(pfad, "rb"));
    if (!datei) {
        hinweisBox(meldungFormatieren(73, pfad));
        return ScanStand::Kaputt;
    }
    Dateifenster f(datei.get());
    statusTeilSetzen(0, meldungsTexte[1629]);
    prozentZeigen(0, f.laenge());
    const DateiOperationAufStapel aufStapel;
    modusStatus |= modusBit::DateiOperation;
    // the header
    PermutationsKopf kopf;
    const KopfStand stand = ergebnisKopfLesen(f, kopf);
    if (stand != KopfStand::Gut) {
        hinweisBox(meldungsTexte[stand == KopfStand::FremderTyp ? 78 : 214]);
        return ScanStand::Kaputt;
    }
    z.marke = kopf.marke;
    z.version = kopf.version;
    // the counts, the levels and the classes; the file joins the list
    const ScanStand uebernommen = kopfUebernehmen(kopf);
    if (uebernommen != ScanStand::Fertig)
        return uebernommen;
    // a pattern of more files than an index lists goes on in the next index file
    if (z.dateien.namen.size() >= static_cast<size_t>(groessteDateiAnzahl)) {
        if (modus != ladeModus::Muster) {
            hinweisBox(meldungsTexte[201]);
            return ScanStand::Ausgelassen;
        }
        if (!neuesIndexBeginnen(""))
            return ScanStand::Abbruch;
    }
    uint16_t dateiNummer = static_cast<uint16_t>(z.dateien.namen.size());
    z.dateien.namen.push_back(pfad);
    z.dateien.handles.emplace_back();

    // the records
    const uint64_t ce = kopf.klassen.size() + static_cast<uint64_t>(kopf.zusatzAnzahl);
    uint64_t pos = static_cast<uint64_t>(kopf.ersterSatz);
    int gelesen = 0;
    for (;;) {
        // a. room for the entry
        if (!platzFuerEintrag(modus, pfad, dateiNummer))
            return ScanStand::Abbruch;
        // b. number, quality and AP count; the end of the file here ends it normally
        Byteleser l(f.bereich(pos, 12));
        const uint32_t nummer = l.u32();
        const float wert = l.f32();
        const int32_t k = l.i32();
        if (!l.gut())
            break;
        // an entry holds a 32-bit offset: what lies beyond cannot be indexed
        if (pos > static_cast<uint64_t>(INT32_MAX)) {
            hinweisBox(meldungFormatieren(1274, pfad, static_cast<int>(z.index.size())));
            break;
        }
        // c. the end marker; a record that reaches past the end is the file's cut-off last one
        uint64_t marke = 0;
        bool kaputt = k < 0;
        if (!kaputt) {
            marke = pos + 32 + 4 * (ce + static_cast<uint64_t>(k));
            if (marke + 4 > f.laenge())
                break;
            Byteleser m(f.bereich(marke, 4));
            kaputt = m.i32() != dateiMarke || !m.gut();
        }
        uint64_t naechster = marke + 4;
        if (kaputt) {
            const int anzahl = static_cast<int>(z.index.size());
            hinweisBox(meldungFormatieren(44, anzahl));
            const int antwort = sysInfoBox(meldungsTexte[99], knoepfe::JaNeinAbbrechen);
            if (antwort == antwort::Nein)
                break;
            if (antwort != antwort::Ja)
                return ScanStand::Abbruch;
            // the search goes forward only, from where the marker was expected
            uint64_t gefunden = 0;
            if (!markeSuchen(f, k < 0 ? pos + 12 : marke, gefunden)) {
                hinweisBox(meldungFormatieren(100, pfad, anzahl));
                return ScanStand::Abbruch;
            }
            naechster = gefunden + 4;
        }
        z.index.push_back({static_cast<int32_t>(nummer), static_cast<int32_t>(pos), dateiNummer, wert});
        pos = naechster;
        // d. progress and the stop command, every 1000 entries
        if (++gelesen % 1000 == 0) {
            nachrichtenVerarbeiten();
            if (!(modusStatus & modusBit::DateiOperation)) {
                statusTeilSetzen(0, meldungsTexte[1630]);
                gestoppt = true;
                break;
            }
            prozentZeigen(pos, f.laenge());
        } else {
            nachrichtenVerarbeitenGedrosselt();
        }
    }
    if (modus == ladeModus::Muster)
        z.laufenderZaehler = static_cast<int>(z.index.size());
    return ScanStand::Fertig;
}

std::string naechsterIndexPfad(const std::string& pfad)
{
    const size_t schnitt = pfad.find_last_of("/\\");
    const std::string ordner = schnitt == std::string::npos ? "" : pfad.substr(0, schnitt + 1);
    std::string name = pfad.substr(ordner.size());
    const size_t punkt = name.rfind('.');
    const std::string endung = punkt == std::string::npos ? "" : name.substr(punkt);
    name.resize(name.size() - endung.size());
    size_t ziffern = name.size();
    while (ziffern > 0 && name[ziffern - 1] >= '0' && name[ziffern - 1] <= '9')
        --ziffern;
    long long d = 0;
    for (size_t i = ziffern; i < name.size() && d < 100000000; ++i)
        d = d * 10 + (name[i] - '0');
    name.resize(ziffern);
    for (;;) {
        char zahl[32];
        std::snprintf(zahl, sizeof zahl, "%04lld", ++d);
        const std::string neu = ordner + name + zahl + endung;
        if (!dateiExistiert(neu))
            return neu;
    }
}

void indexKapazitaetVergessen() { indexKapazitaet = 0; }

namespace {

// The open dialog of the loads: the first file may be an index, later ones are result files.
bool ergebnisDateiWaehlen(int modus, bool erste, std::string& pfad)
{
    DateiWahl wahl;
    wahl.ordner = dateipfade.dokumentVerzeichnis;
    wahl.endung = modus == ladeModus::NurIndex ? "inx" : "bin";
    wahl.titel = meldungsTexte[1600];
    if (!erste)
        wahl.filter = {{meldungsTexte[1614], "*.bin"}};
    else if (modus == ladeModus::NurIndex)
        wahl.filter = {{meldungsTexte[1615], "*.inx"}};
    else
        wahl.filter = {{meldungsTexte[1616], "*.bin;*.inx"}};
    for (;;) {
        DateiWahl w = wahl;
        if (!dateiWaehlen(fensterhandles.hauptfenster, w))
            return false;
        pfad = gewaehlterPfad(w);
        if (dateiExistiert(pfad))
            return true;
    }
}

bool istIndexDatei(const std::string& pfad)
{
    const size_t punkt = pfad.rfind('.');
    return punkt != std::string::npos && pfad.find_first_of("/\\", punkt) == std::string::npos &&
           cp1252Vergleichen(pfad.substr(punkt + 1), "INX") == 0;
}

// where an index of these results would go: "<folder>/<name> d.inx", the first d free
void indexPfadWaehlen(const std::string& ergebnisPfad)
{
    const size_t schnitt = ergebnisPfad.find_last_of("/\\");
    const std::string ordner = schnitt == std::string::npos ? "." : ergebnisPfad.substr(0, schnitt);
    std::string name = ergebnisPfad.substr(schnitt == std::string::npos ? 0 : schnitt + 1);
    const size_t punkt = name.rfind('.');
    if (punkt != std::string::npos)
        name.resize(punkt);
    dateipfade.ergebnisVerzeichnis = ordner;
    for (int d = 1;; ++d) {
        permutationsIndexPfad = ordner + "/" + name + " " + std::to_string(d) + ".inx";
        if (!dateiExistiert(permutationsIndexPfad))
            return;
    }
}

// Result files one after another, as long as the user wants more. The entry count, or 0
// when a file failed or the user gave the load up.
int ergebnisdateienLaden(std::string pfad, int modus)
{
    PermutationsErgebnisZustand& z = zustand();
    indexPfadWaehlen(pfad);
    indexKapazitaet = 0;
    for (;;) {
        bool gestoppt = false;
        const ScanStand stand = ergebnisdateiScannen(pfad, modus, gestoppt);
        if (stand == ScanStand::Kaputt || stand == ScanStand::Abbruch) {
            permutationDatenFreigeben();
            modusStatus &= ~modusBit::DateiOperation;
            return 0;
        }
        // the end of a file
        if (gestoppt) {
            statusTeilSetzen(0, meldungsTexte[1631]);
        } else {
            statusTeilSetzen(0, meldungsTexte[1632]);
            statusTeilSetzen(1, meldungFormatieren(1645, static_cast<int>(z.dateien.namen.size())));
        }
        if (z.dateien.namen.size() >= static_cast<size_t>(groessteDateiAnzahl)) {
            hinweisBox(meldungsTexte[201]);
            break;
        }
        if (sysInfoBox(meldungFormatieren(46, static_cast<int>(z.index.size())), knoepfe::JaNein) != antwort::Ja)
            break;
        if (!ergebnisDateiWaehlen(modus, false, pfad)) {
            const int dateien = static_cast<int>(z.dateien.namen.size());
            if (sysInfoBox(meldungFormatieren(43, dateien), knoepfe::JaNein) == antwort::Ja)
                break;
            modusStatus &= ~modusBit::DateiOperation;
            return 0;
        }
    }
    modusStatus &= ~modusBit::DateiOperation;
    permutationsZeitachseGerundet = false;
    return static_cast<int>(z.index.size());
}

} // namespace

int permutationsdateiLesen(const char* pfad, int modus)
{
    if (modus == ladeModus::Muster) {
        if (!pfad)
            return 0;
        bool gestoppt = false;
        const ScanStand stand = ergebnisdateiScannen(pfad, modus, gestoppt);
        if (stand == ScanStand::Abbruch) {
            permutationDatenFreigeben();
            return 0;
        }
        return zustand().laufenderZaehler;
    }
    std::string gewaehlt;
    if (!ergebnisDateiWaehlen(modus, true, gewaehlt))
        return 0;
    if (zustand().index.empty() && zustand().dateien.namen.empty() && istIndexDatei(gewaehlt))
        return indexDateienLesen(gewaehlt, modus);
    return ergebnisdateienLaden(gewaehlt, modus);
}
