// permutation/textexport.cpp - the loaded results as a tab-separated text file, one row per
// result with the columns of dialog 256
//
// A row is built whole and written in one piece; it grows with its AP times, however many.
// The file is written beside its name and takes it only when every row is in: a failed
// export leaves an old file of the name as it was.
#include "core/status.h"
#include "permutation/ergebnisdatei.h"
#include "model/netz.h"
#include "model/synapse.h"
#include "model/zahlen.h"
#include "permutation/ergebnisintern.h"
#include "permutation/ergebnisse.h"
#include "platform/box.h"
#include "platform/pfad.h"
#include "platform/waehler.h"
#include "texts/texte.h"
#include <algorithm>
#include <cstdarg>
#include <filesystem>
#include <new>

using namespace plattform;

namespace {

std::string zeile;   // the row being built; released by a call without a file
bool zeileVerloren = false;   // a row of this export could not be written

void anhaengen(const char* format, ...)
{
    va_list a, b;
    va_start(a, format);
    va_copy(b, a);
    const int laenge = std::vsnprintf(nullptr, 0, format, a);
    va_end(a);
    if (laenge > 0) {
        const size_t alt = zeile.size();
        zeile.resize(alt + static_cast<size_t>(laenge) + 1);
        std::vsnprintf(zeile.data() + alt, static_cast<size_t>(laenge) + 1, format, b);
        zeile.resize(alt + static_cast<size_t>(laenge));
    }
    va_end(b);
}

void zahl(double x, bool automatisch, int stellen)
{
    if (automatisch)
        anhaengen("%.15g\t", x);
    else
        anhaengen("%.*f\t", stellen, x);
}

} // namespace

std::string variierteSynapseName(int i)
{
    const std::vector<VariierteSynapse>& v = permutationsDefinition.synapsen;
    if (i < 0 || static_cast<size_t>(i) >= v.size())
        return {};
    const SynapseDaten* s = variierteSynapseSuchen(v[static_cast<size_t>(i)]);
    const NeuronDaten* n = s ? neuronNachNummer(s->quellNummer) : nullptr;
    return n ? n->name : std::string();
}

namespace {

void kopfzeile()
{
    const PermutationsErgebnisZustand& z = permutationsErgebnisse;
    const uint32_t f = z.exportFlags;
    if (f & exportFlag::Nummer)
        zeile += "nummer\t";
    if (f & exportFlag::Guete)
        zeile += "g\xFCtewert\t";
    for (const auto& [flag, text] : {std::pair{exportFlag::LevelIndex, " levelindex\t"}, std::pair{exportFlag::Level, " level\t"}})
        if (f & flag)
            for (int i = 0; i < z.synapsenAnzahl; ++i) {
                const std::string name = variierteSynapseName(i);
                zeile += name.empty() ? "\t" : name + text;
            }
    if (f & exportFlag::Frequenzen)
        for (const Analyseklasse& k : z.klassen)
            anhaengen("Frequenz ab %.15g s\t;\t", static_cast<double>(k.start));
    if (f & exportFlag::Zusatz) {
        anhaengen(";\tzusaetzliche Daten (%d)", z.zusatzAnzahl);
        zeile.append(static_cast<size_t>(std::max(z.zusatzAnzahl, 0)), '\t');
        zeile += ";\t";
    }
    if (f & exportFlag::ApAnzahl)
        zeile += "anzahl APs\t";
    if (f & exportFlag::ApZeiten)
        zeile += "AP Zeiten\t";
}

void datenzeile(const PermutationsErgebnis& r)
{
    const PermutationsErgebnisZustand& z = permutationsErgebnisse;
    const uint32_t f = z.exportFlags;
    const bool automatisch = f & exportFlag::Auto;
    const int stellen = z.exportDezimalstellen < 1 ? 4 : z.exportDezimalstellen;
    if (f & exportFlag::Nummer)
        anhaengen("%d\t", r.nummer);
    if (f & exportFlag::Guete)
        zahl(r.wert, automatisch, stellen);
    const int n = std::clamp(z.synapsenAnzahl, 0, groessteSynapsenAnzahl);
    if (f & exportFlag::LevelIndex)
        for (int i = 0; i < n; ++i)
            anhaengen("%d\t", r.level[static_cast<size_t>(i)]);
    if (f & exportFlag::Level)
        for (int i = 0; i < n; ++i) {
            // a synapse or level the definition lacks: an empty cell
            const std::vector<VariierteSynapse>& v = permutationsDefinition.synapsen;
            const size_t level = r.level[static_cast<size_t>(i)];
            if (static_cast<size_t>(i) < v.size() && level < v[static_cast<size_t>(i)].level.size())
                zahl(v[static_cast<size_t>(i)].level[level], automatisch, stellen);
            else
                zeile += '\t';
        }
    if (f & exportFlag::Frequenzen)
        for (const float w : r.klassenWerte)
            zahl(w, automatisch, stellen);
    if (f & exportFlag::Zusatz) {
        zeile += ";\t";
        for (const float w : r.zusatzWerte)
            zahl(w, automatisch, stellen);
        zeile += ";\t";
    }
    if (f & exportFlag::ApAnzahl)
        anhaengen("%d\t", r.apAnzahl);
    if (f & exportFlag::ApZeiten)
        for (const float t : r.apZeiten)
            zahl(t, automatisch, stellen);
}

} // namespace

int permutationErgebnisZeileSchreiben(const PermutationsErgebnis* ergebnis, std::FILE* datei)
{
    if (!datei) {
        std::string().swap(zeile);
        return 1;
    }
    try {
        zeile.clear();
        if (ergebnis)
            datenzeile(*ergebnis);
        else
            kopfzeile();
        const char zeichen = static_cast<char>(dezimalzeichen);
        if (zeichen != '.')
            std::replace(zeile.begin(), zeile.end(), '.', zeichen);
        // the file is a text file: CR LF
        zeile += "\r\n";
    } catch (const std::bad_alloc&) {
        return 0;
    }
    if (ergebnisSchreiben(zeile.data(), zeile.size(), datei) == zeile.size())
        return 1;
    zeileVerloren = true;
    return 0;
}

void permutationTextdateiSpeichern()
{
    PermutationsErgebnisZustand& z = permutationsErgebnisse;
    // with no records loaded, as many as the user wants are read from the files
    int anzahl = 0;
    if (z.ergebnisse.empty()) {
        if (z.index.empty()) {
            hinweisBox(meldungsTexte[400]);
            return;
        }
        anzahl = ergebnisAnzahlErfragen(static_cast<int>(z.index.size()));
        if (anzahl < 1)
            return;
    }
    // the file, written beside its name
    DateiWahl wahl;
    wahl.ordner = dateipfade.programmVerzeichnis;
    wahl.endung = "txt";
    wahl.titel = meldungsTexte[197];
    wahl.filter = {{meldungsTexte[1619], "*.txt"}};
    wahl.speichern = true;
    if (!dateiWaehlen(fensterhandles.hauptfenster, wahl))
        return;
    if (wahl.endung.empty())
        wahl.endung = "txt";
    const std::string pfad = gewaehlterPfad(wahl), teil = pfad + ".teil";
    OffeneDatei datei(dateiOeffnen(teil, "wb"));
    if (!datei) {
        hinweisBox(meldungFormatieren(74, pfad));
        return;
    }
    // the header, then a row per loaded record
    modusStatus |= modusBit::TextExport | modusBit::DateiOperation;
    zeileVerloren = false;
    bool gut = permutationErgebnisZeileSchreiben(nullptr, datei.get()) == 1;
    if (gut && anzahl == 0) {
        const size_t zeilen = z.ergebnisse.size();
        for (size_t i = 0; i < zeilen && gut; ++i) {
            gut = permutationErgebnisZeileSchreiben(&z.ergebnisse[i], datei.get()) == 1;
            if ((i + 1) % 100 != 0)
                continue;
            if (!(modusStatus & modusBit::DateiOperation)) {
                modusStatus |= modusBit::DateiOperation;
                if (sysInfoBox(meldungFormatieren(200, static_cast<int>(i + 1)), knoepfe::JaNein) == antwort::Ja) {
                    statusTeilSetzen(0, meldungsTexte[1635]);
                    break;
                }
            } else {
                char prozent[32];
                std::snprintf(prozent, sizeof prozent, "\t%.0f %%", static_cast<double>(i + 1) * 100.0 / static_cast<double>(zeilen));
                statusTeilSetzen(1, prozent);
                nachrichtenVerarbeiten();
            }
        }
    } else if (gut) {
        // straight from the files; a record that does not fit its index unloads it
        gut = permutationErgebnisseLaden(0, anzahl, ladeFlag::AlsText, datei.get()) == 1;
    }
    const bool schreibFehler = zeileVerloren || std::ferror(datei.get()) != 0 || std::fclose(datei.release()) != 0;
    permutationErgebnisZeileSchreiben(nullptr, nullptr);
    modusStatus &= ~(modusBit::TextExport | modusBit::DateiOperation);
    std::error_code fehler;
    if (gut && !schreibFehler) {
        std::filesystem::rename(schreibPfadAufloesen(teil), schreibPfadAufloesen(pfad), fehler);
        if (!fehler) {
            statusTeilSetzen(0, meldungsTexte[1636]);
            return;
        }
    }
    std::filesystem::remove(schreibPfadAufloesen(teil), fehler);
    // a file that could not be read was said already, as was a record that does not fit
    if (gut || schreibFehler)
        hinweisBox(meldungFormatieren(75, pfad));
}
