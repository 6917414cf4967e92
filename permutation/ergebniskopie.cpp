// permutation/ergebniskopie.cpp - a run of indexed records copied, in index order, into a
// new result file that goes on in numbered files past the size limit
//
// Each output file is written beside its name and takes it once complete: a copy that
// fails leaves the files completed before it whole and no half file; one the user stops
// keeps every record written so far. Records keep their extra values, so they match the
// header's count.
#include "core/rahmen.h"
#include "core/status.h"
#include "permutation/bewertungintern.h"
#include "permutation/ergebnisdatei.h"
#include "permutation/ergebnisse.h"
#include "permutation/lauf.h"
#include "platform/box.h"
#include "platform/pfad.h"
#include "platform/steuerelemente.h"
#include "platform/waehler.h"
#include "texts/texte.h"
#include <algorithm>
#include <new>

using namespace plattform;

namespace {

constexpr int nummernBreite = 4;
constexpr int klassenOhneVersion = 4;

// The header of the copies: the loaded counts and classes with the levels of the loaded
// results (those of the first listed file, as a scan takes them), else the definition's
// when it has the same synapse and level counts. false when neither fits.
bool kopfFuerKopien(Dateifenster& erste, PermutationsKopf& kopf)
{
    const PermutationsErgebnisZustand& z = permutationsErgebnisse;
    kopf = PermutationsKopf{};
    kopf.marke = z.marke;
    kopf.version = z.version;
    kopf.levelAnzahl = z.levelAnzahl;
    kopf.apFlag = z.apFlag;
    kopf.klassen = z.klassen;
    kopf.klassen.resize(static_cast<size_t>(klassenAnzahlKopien));
    kopf.zusatzAnzahl = z.zusatzAnzahl;
    PermutationsKopf geladen;
    if (ergebnisKopfLesen(erste, geladen) == KopfStand::Gut && geladen.synapsenAnzahl() == z.synapsenAnzahl &&
        geladen.levelAnzahl == z.levelAnzahl) {
        kopf.level = std::move(geladen.level);
        return true;
    }
    const PermutationsDefinition& d = permutationsDefinition;
    if (static_cast<int>(d.synapsen.size()) != z.synapsenAnzahl || d.levelAnzahl != z.levelAnzahl)
        return false;
    for (const VariierteSynapse& v : d.synapsen)
        kopf.level.push_back(v.level);
    return true;
}

// "<folder>/<name> 0001.bin"
std::string kopiePfad(const std::string& ordner, const std::string& name, int d)
{
    char nummer[32];
    std::snprintf(nummer, sizeof nummer, " %0*d.bin", nummernBreite, d);
    return (ordner.empty() ? "" : ordner + "/") + name + nummer;
}

// The save dialog until the user takes a name that ends in a number above 0 as the first
// file number. false on Cancel.
bool zielWaehlen(const std::string& startPfad, std::string& ordner, std::string& name, int& d)
{
    DateiWahl wahl;
    const size_t schnitt = startPfad.find_last_of("/\\");
    wahl.ordner = schnitt == std::string::npos ? "" : startPfad.substr(0, schnitt);
    wahl.name = startPfad.substr(schnitt == std::string::npos ? 0 : schnitt + 1);
    const size_t punkt = wahl.name.rfind('.');
    if (punkt != std::string::npos)
        wahl.name.resize(punkt);
    wahl.endung = "bin";
    wahl.titel = meldungsTexte[1601];
    wahl.filter = {{meldungsTexte[1617], "*.bin"}};
    wahl.speichern = true;
    for (;;) {
        DateiWahl w = wahl;
        if (!dateiWaehlen(fensterhandles.hauptfenster, w))
            return false;
        size_t ziffern = w.name.size();
        while (ziffern > 0 && w.name[ziffern - 1] >= '0' && w.name[ziffern - 1] <= '9')
            --ziffern;
        // a number the four-digit names can count up from
        const std::string zahl = w.name.substr(ziffern);
        d = zahl.empty() || zahl.size() > 9 ? 0 : std::stoi(zahl);
        if (d < 1) {
            hinweisBox(meldungFormatieren(1277, w.name));
            continue;
        }
        if (sysInfoBox(meldungFormatieren(1276, w.name, d), knoepfe::JaNein) != antwort::Ja)
            continue;
        // the dialog asked about the name as typed; the copy writes the numbered file, which
        // must not replace an existing one unasked
        if (const std::string erste = kopiePfad(w.ordner, w.name, d);
            schreibzielExistiert(erste) && sysInfoBox(meldungFormatieren(1278, erste), knoepfe::JaNein) != antwort::Ja)
            continue;
        ordner = w.ordner;
        name = w.name;
        return true;
    }
}

// the output file opened and its header written; false (said) when either fails
bool ausgabeBeginnen(Ausgabedatei& aus, const std::string& pfad, const PermutationsKopf& kopf)
{
    if (!aus.oeffnen(pfad)) {
        hinweisBox(meldungFormatieren(74, pfad));
        return false;
    }
    if (!permutationsErgebnisKopfSchreiben(aus.handle(), kopf)) {
        aus.verwerfen();
        hinweisBox(meldungsTexte[219]);
        return false;
    }
    return true;
}

uint64_t position(const Ausgabedatei& aus)
{
    const off_t p = ::ftello(aus.handle());
    return p > 0 ? static_cast<uint64_t>(p) : 0;
}

// the result files are open only while a copy runs, whichever way it ends
struct DateienSchliessen {
    ~DateienSchliessen() { ergebnisdateienSchliessen(); }
};

} // namespace

int permutationsdateiSpeichern(const std::string& startPfad, int ersteNummer, int anzahl)
{
    PermutationsErgebnisZustand& z = permutationsErgebnisse;
    // where the copy starts and ends
    const int eintraege = static_cast<int>(z.index.size());
    int start = 0;
    if (ersteNummer >= 0) {
        const auto gefunden = std::find_if(z.index.begin(), z.index.end(),
                                           [&](const PermutationsIndexEintrag& e) { return e.nummer == ersteNummer; });
        if (gefunden == z.index.end()) {
            hinweisBox(meldungsTexte[208]);
            return 0;
        }
        start = static_cast<int>(gefunden - z.index.begin());
    }
    const int ende = anzahl < 0 ? eintraege : static_cast<int>(std::min<int64_t>(int64_t{start} + anzahl, eintraege));
    // files to copy from, and classes to locate their fields
    if (z.dateien.namen.empty()) {
        hinweisBox(meldungsTexte[83]);
        return 0;
    }
    if (klassenAnzahlKopien < 1) {
        // the class count is the index file's: a notice, the program goes on
        if (z.version >= 1) {
            hinweisBox(meldungsTexte[84]);
            return 0;
        }
        klassenAnzahlKopien = klassenOhneVersion;
    }
    // the result files, and the header every output file gets
    std::vector<Dateifenster> fenster;
    PermutationsKopf form;
    if (!ergebnisdateienOeffnen(fenster, form))
        return 0;
    const DateienSchliessen schliessen;
    PermutationsKopf kopf;
    if (!kopfFuerKopien(fenster[0], kopf)) {
        hinweisBox(meldungsTexte[80]);
        return 0;
    }
    // the name, and the first output file with its header
    std::string ordner, name;
    int d = 0;
    if (!zielWaehlen(startPfad, ordner, name, d))
        return 0;
    Ausgabedatei aus;
    if (!ausgabeBeginnen(aus, kopiePfad(ordner, name, d), kopf))
        return 0;
    // the single result is no part of a copy
    z.einzel = PermutationsErgebnis{};
    statusTeilSetzen(0, meldungsTexte[1633]);
    const DateiOperationAufStapel aufStapel;
    modusStatus |= modusBit::DateiOperation;
    cursorSetzen(standardCursor(cursorArt::Warten));
    // each record read whole and written, the stop asked about every 100
    const int klassen = klassenAnzahlKopien;
    bool gut = true;
    for (int i = start; i < ende; ++i) {
        PermutationsErgebnis r;
        try {
            if (!ergebnisSatzLesen(fenster, form, z.index[static_cast<size_t>(i)], r)) {
                gut = false;
                break;
            }
        } catch (const std::bad_alloc&) {
            hinweisBox(meldungsTexte[116]);
            gut = false;
            break;
        }
        // a full file goes on in the next number without a file
        if (position(aus) > binDateiGrenze()) {
            if (!aus.abschliessen()) {
                hinweisBox(meldungsTexte[221]);
                gut = false;
                break;
            }
            do
                ++d;
            while (d < INT32_MAX && dateiExistiert(kopiePfad(ordner, name, d)));
            if (!ausgabeBeginnen(aus, kopiePfad(ordner, name, d), kopf)) {
                gut = false;
                break;
            }
        }
        if (!aus.schreiben(ergebnisSatzKodieren(r, klassen, z.zusatzAnzahl))) {
            hinweisBox(meldungsTexte[221]);
            gut = false;
            break;
        }
        const int fertig = i - start + 1;
        if (fertig % 100 != 0)
            continue;
        if (modusStatus & modusBit::DateiOperation) {
            char prozent[32];
            std::snprintf(prozent, sizeof prozent, "\t%.0f %%", fertig * 100.0 / (ende - start));
            statusTeilSetzen(1, prozent);
            nachrichtenVerarbeiten();
            // what ran meanwhile may have unloaded the results: the copy ends with what it has
            if (!ergebnisseNochDa(fenster, ende))
                break;
        }
        if (!(modusStatus & modusBit::DateiOperation)) {
            modusStatus |= modusBit::DateiOperation;
            if (sysInfoBox(meldungFormatieren(49, fertig), knoepfe::JaNein) == antwort::Ja) {
                statusTeilSetzen(0, meldungsTexte[1630]);
                break;
            }
        }
    }
    // the last file takes its name
    statusTeilSetzen(1, "");
    cursorSetzen(standardCursor(cursorArt::Pfeil));
    modusStatus &= ~modusBit::DateiOperation;
    if (!gut)
        return 0;
    if (!aus.abschliessen()) {
        hinweisBox(meldungsTexte[221]);
        return 0;
    }
    return 1;
}
