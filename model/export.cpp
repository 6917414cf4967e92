// model/export.cpp - export buffer, export file, soma-potential file, export settings keys
#include "model/export.h"
#include "core/endemeldung.h"
#include "core/rahmen.h"
#include "core/status.h"
#include "core/schluessel.h"
#include "model/ergebnisdateien.h"
#include "model/laufhaken.h"
#include "model/netz.h"
#include "model/simulationsparameter.h"
#include "platform/box.h"
#include "platform/pfad.h"
#include "texts/texte.h"
#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <new>

namespace {

struct ExportZustand {
    bool da = false;
    std::string puffer;                 // the text not yet written; its capacity never shrinks in a run
    size_t kapazitaet = 0;
    int zeilenSchaetzung = -1;          // length of the first value line + 128
    size_t zeilenBeginn = 0;
    bool ersteZelleDerZeile = false;
    std::string datei;                  // the export name
    std::string teilDatei;              // where the flushes of the run go
    bool teilBegonnen = false;
    int zeitStellen = 3;                // decimals of the time column in this run
};
ExportZustand ex;

// the separator the export writes; 0 is what the settings refresh turns into ';'
char trenner()
{
    const int t = asciiExportEinstellungen.trennzeichen;
    return t == 0 ? ';' : static_cast<char>(t);
}

// printf into the buffer; a cell longer than the local room takes the slow path
template <class... A>
void anhaengen(const char* format, A... werte)
{
    char zelle[256];
    const int laenge = std::snprintf(zelle, sizeof zelle, format, werte...);
    if (laenge < 0)
        return;
    if (static_cast<size_t>(laenge) < sizeof zelle) {
        ex.puffer.append(zelle, static_cast<size_t>(laenge));
        return;
    }
    std::string lang(static_cast<size_t>(laenge) + 1, '\0');
    std::snprintf(lang.data(), lang.size(), format, werte...);
    lang.pop_back();
    ex.puffer += lang;
}

// text 74 (cannot open) or 821 (export stopped, the written part kept) with the name
void hinweis(int text, const std::string& name)
{
    plattform::meldungsBox(fensterhandles.hauptfenster, meldungFormatieren(text, name), "Hinweis",
                           plattform::knoepfe::Ok | plattform::symbol::Information);
}

void entfernen(const std::string& pfad)
{
    std::error_code fehler;
    std::filesystem::remove(plattform::schreibPfadAufloesen(pfad), fehler);
}

void freigeben()
{
    std::string().swap(ex.puffer);
    ex.da = false;
}

// the part file under the export's name; when that fails the part file stays where it is
// and no later run removes it
bool teilUmbenennen()
{
    std::error_code fehler;
    std::filesystem::rename(plattform::schreibPfadAufloesen(ex.teilDatei), plattform::schreibPfadAufloesen(ex.datei),
                            fehler);
    ex.teilBegonnen = false;
    return !fehler;
}

// the buffer appended to the part file and emptied. false when the file cannot be opened
// or written: export stops for the run, what the part file holds is kept under the
// export's name (text 821), or, when nothing was written yet, text 74
bool pufferAusschreiben()
{
    // the decimal sign
    const char zeichen = static_cast<char>(asciiExportEinstellungen.dezimalzeichen);
    if (zeichen != '.')
        for (char& c : ex.puffer)
            if (c == '.')
                c = zeichen;
    // appended in binary mode
    std::FILE* f = laufHaken.exportDateiOeffnen ? laufHaken.exportDateiOeffnen(ex.teilDatei, "ab")
                                                : plattform::dateiOeffnen(ex.teilDatei, "ab");
    bool gut = f != nullptr;
    if (f) {
        ex.teilBegonnen = true;
        gut = std::fwrite(ex.puffer.data(), 1, ex.puffer.size(), f) == ex.puffer.size();
        gut = (std::fclose(f) == 0) && gut;
    }
    if (!gut) {
        if (!ex.teilBegonnen)
            hinweis(74, ex.datei);
        else if (teilUmbenennen())
            hinweis(821, ex.datei);
        else
            hinweis(821, ex.teilDatei);
        freigeben();
        return false;
    }
    // back to the start, the capacity kept
    ex.puffer.clear();
    return true;
}

// the column name of one mask bit, kind-32 slots named by their value
const char* spaltenName(const NeuronDaten& n, int bit)
{
    const auto spezial = [&](int slot) { return n.hauptDiagramm.kurven[slot].referenz == kurvenReferenz::Spezial; };
    switch (bit) {
    case 0x1: return "Soma";
    case 0x2: return spezial(5) ? "Ca1-Strom [nA]" : "Dend1";
    case 0x4: return spezial(6) ? "Ca2-Strom [nA]" : "Dend2";
    case 0x8: return spezial(7) ? "K(Ca)-Strom [nA]" : "Dend3";
    case 0x10: return "Na";
    case 0x20: return "K";
    case 0x40: return "Ca";
    case 0x80: return spezial(4) ? "Ca-Konz [nMol]" : "gesamt";
    default: return "";
    }
}

double potential(const NeuronDaten& n, size_t i) { return i < n.potentiale.size() ? n.potentiale[i] : 0.0; }

// the value of one mask bit below 0x100
double spaltenWert(const NeuronDaten& n, int bit)
{
    const double skalierung = asciiExportEinstellungen.stromSkalierung;
    const auto& k = n.hauptDiagramm.kurven;
    const auto spezial = [&](int slot) { return k[slot].referenz == kurvenReferenz::Spezial; };
    switch (bit) {
    case 0x1: return potential(n, 0);
    case 0x2: return spezial(5) ? n.kanalStrom[4] * k[5].faktor : potential(n, 1);
    case 0x4: return spezial(6) ? n.kanalStrom[5] * k[6].faktor : potential(n, 2);
    case 0x8: return spezial(7) ? n.kanalStrom[6] * k[7].faktor : potential(n, 3);
    case 0x10: return n.kanalStrom[0] * skalierung;
    case 0x20: return n.kanalStrom[1] * skalierung;
    case 0x40: return n.kanalStrom[2] * skalierung;
    case 0x80: return spezial(4) ? n.caKonzentration * 1e9 : n.ionenStromSumme * skalierung;
    default: return 0.0;
    }
}

// bit 30 only marks a neuron chosen while the export dialog is open
int wirksameMaske(const NeuronDaten& n) { return n.exportMaske & 0x1FF; }

// The decimals of the time column: those of the settings, and at least as many as the step
// needs to be written exactly, so that no two lines share a time. A step that no decimal
// holds exactly (a third of a millisecond) gets one decimal more than its first digit.
int zeitStellenFuerSchritt(int gegeben, double schritt)
{
    if (!(schritt > 0.0) || !std::isfinite(schritt))
        return gegeben;
    int noetig = 0;
    for (double x = schritt; noetig <= 15; ++noetig, x *= 10.0)
        if (x >= 1.0 - 1e-9 && std::fabs(x - std::round(x)) <= 1e-6)
            break;
    if (noetig > 15)
        noetig = static_cast<int>(std::ceil(-std::log10(schritt))) + 1;
    return std::max(gegeben, noetig);
}

void zahlAnhaengenLE(std::string& aus, uint64_t bits, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        aus.push_back(static_cast<char>((bits >> (8 * i)) & 0xFF));
}

// "<folder>/<stem> skript yymmdd hhmmss <n>.txt" with the smallest free n
std::string nummerierterName()
{
    const std::tm z = ortszeit();
    char stamm[64];
    std::snprintf(stamm, sizeof stamm, " skript %02d%02d%02d %02d%02d%02d", (z.tm_year + 1900 - 2000) % 100,
                  z.tm_mon + 1, z.tm_mday, z.tm_hour, z.tm_min, z.tm_sec);
    std::string ordner = dateipfade.dokumentVerzeichnis;
    if (!ordner.empty() && (ordner.back() == '/' || ordner.back() == '\\'))
        ordner.pop_back();
    for (int nummer = 1;; ++nummer) {
        std::string name = ordner + "/" + dateipfade.netzName + stamm + " " + std::to_string(nummer) + ".txt";
        if (!plattform::dateiExistiert(name))
            return name;
    }
}

} // namespace

void exportEinstellungenLesen(char* text)
{
    AsciiExportEinstellungen& e = asciiExportEinstellungen;
    const auto ganz = [&](int& ziel, const char* schluessel) {
        double wert = 0.0;
        if (schluesselZahlLesen(&wert, text, schluessel) && std::isfinite(wert) && std::fabs(wert) < 2e9)
            ziel = static_cast<int>(std::lround(wert));
    };
    ganz(e.trennzeichen, exportSchluessel::Trennzeichen);
    ganz(e.dezimalstellen, exportSchluessel::Dezimalstellen);
    ganz(e.zeitDezimalstellen, exportSchluessel::ZeitDezimalstellen);
    // a count from the file is a printf precision: bounded as the dialog bounds it
    e.dezimalstellen = std::clamp(e.dezimalstellen, 0, groessteExportDezimalstellen);
    e.zeitDezimalstellen = std::clamp(e.zeitDezimalstellen, 0, groessteExportDezimalstellen);
    ganz(e.dezimalzeichen, exportSchluessel::Dezimalzeichen);
    ganz(e.intervall, exportSchluessel::Intervall);
    double skalierung = 0.0;
    if (schluesselZahlLesen(&skalierung, text, exportSchluessel::StromSkalierung))
        e.stromSkalierung = skalierung;
}

std::string exportKopfZellen(const NeuronDaten& n)
{
    std::string kopf;
    const int maske = wirksameMaske(n);
    const auto zelle = [&](const std::string& spalte) {
        kopf += trenner();
        kopf += '"' + n.name + ' ' + spalte + '"';
    };
    for (int bit = 0x1; bit <= 0x80; bit <<= 1)
        if (maske & bit)
            zelle(spaltenName(n, bit));
    if (maske & 0x100)
        for (const BenutzerKanal& k : n.benutzerKanaele)
            if (k.exportieren)
                zelle(k.name);
    return kopf;
}

bool exportSpaltenDa()
{
    for (const NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron)
        if (n->exportMaske != 0 && !exportKopfZellen(*n).empty())
            return true;
    return false;
}

bool exportPufferDa() { return ex.da; }

void exportPufferAnlegen()
{
    freigeben();
    // a file of times alone says nothing: without a column there is no file
    if (!exportSpaltenDa())
        return;
    // numbered files of a script
    if (skriptStatus & skriptBit::AsciiWerte)
        ergebnisNamen.exportDatei = nummerierterName();
    if (ergebnisNamen.exportDatei.empty())
        return;
    ex.datei = ergebnisNamen.exportDatei;
    ex.teilDatei = ex.datei + ".teil";
    ex.teilBegonnen = false;
    entfernen(ex.teilDatei);
    // the header line: the time column, then the neurons' cells
    std::string kopf = meldungFormatieren(567);
    for (const NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron)
        if (n->exportMaske != 0)
            kopf += exportKopfZellen(*n);
    // the buffer
    const size_t groesse = laufHaken.exportPufferGroesse ? laufHaken.exportPufferGroesse : exportPufferGroesse;
    try {
        ex.puffer.reserve(std::max(groesse, kopf.size() + 1));
    } catch (const std::bad_alloc&) {
        endeMelden(EndeForm::Hinweis, meldungFormatieren(118, static_cast<int>(groesse)));
        return;
    }
    // (the changed-parameter line of numbered script files is not written yet)
    ex.puffer = kopf;
    ex.kapazitaet = ex.puffer.capacity();
    ex.zeilenSchaetzung = -1;
    ex.da = true;
}

void exportPufferFreigeben()
{
    freigeben();
    if (ex.teilBegonnen)
        entfernen(ex.teilDatei);
    ex.teilBegonnen = false;
}

void exportLaufBeginnen()
{
    if (!ex.da)
        return;
    ex.kapazitaet = ex.puffer.capacity();
    ex.zeilenSchaetzung = -1;
    ex.zeitStellen = zeitStellenFuerSchritt(asciiExportEinstellungen.zeitDezimalstellen,
                                            simulationsParameter.schrittweite);
    if (asciiExportEinstellungen.intervall > 0)
        anhaengen("%c%cIntervall = %d", '\r', '\n', asciiExportEinstellungen.intervall + 1);
}

void exportZeileBeginnen(double t)
{
    ex.zeilenBeginn = ex.puffer.size();
    anhaengen("%c%c%.*lf", '\r', '\n', ex.zeitStellen, t);
}

void exportNeuronZellen(const NeuronDaten& n)
{
    if (!ex.da)
        return;
    const int stellen = asciiExportEinstellungen.dezimalstellen;
    const char sep = trenner();
    const int maske = wirksameMaske(n);
    // the cells in bit order; a mask of exactly 0x1 is the soma potential alone
    for (int bit = 0x1; bit <= 0x80; bit <<= 1)
        if (maske & bit)
            anhaengen("%c%.*lf", sep, stellen, spaltenWert(n, bit));
    if (maske & 0x100)
        for (const BenutzerKanal& k : n.benutzerKanaele)
            if (k.exportieren)
                anhaengen("%c%.*lf", sep, stellen, k.strom * asciiExportEinstellungen.stromSkalierung);
    // the estimate from the first line written
    if (ex.zeilenSchaetzung < 0)
        ex.zeilenSchaetzung = static_cast<int>(ex.puffer.size() - ex.zeilenBeginn) + 128;
    // written out when the next line might not fit
    if (ex.puffer.size() + static_cast<size_t>(ex.zeilenSchaetzung) >= ex.kapazitaet)
        pufferAusschreiben();
}

void exportSchreiben()
{
    if (!ex.da)
        return;
    if (pufferAusschreiben() && ex.teilBegonnen && !teilUmbenennen())
        hinweis(821, ex.teilDatei);
    exportPufferFreigeben();
}

bool kurvenDateiIst(const std::string& pfad)
{
    std::FILE* f = plattform::dateiOeffnen(pfad, "rb");
    if (!f)
        return false;
    char kopf[10] = {};
    const bool ganz = std::fread(kopf, 1, sizeof kopf, f) == sizeof kopf;
    std::fclose(f);
    return ganz && std::memcmp(kopf, "[datFile]\0", sizeof kopf) == 0;
}

bool somaDateiVerlangt() { return programmStatus & programmBit::SomaDateiSchreiben; }

void somaDateiSchreiben()
{
    const std::string& name = datPfad.pfad;
    if (name.empty())
        return;
    // a curve data file under this name is never replaced
    if (kurvenDateiIst(name)) {
        plattform::hinweisBox(name + "\r\n" + meldungsTexte[1741]);
        return;
    }
    // duration and step
    std::string bytes;
    zahlAnhaengenLE(bytes, std::bit_cast<uint64_t>(simulationsParameter.simulationsDauer), 8);
    zahlAnhaengenLE(bytes, std::bit_cast<uint64_t>(simulationsParameter.schrittweite), 8);
    // the recorded soma curves (an unrecorded slot has no samples after the run)
    for (const NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron) {
        const KurvenDaten& k = n->hauptDiagramm.kurven[kurve::Soma];
        const int anzahl = lesbareWerte(k);
        for (int i = 0; i < anzahl; ++i)
            zahlAnhaengenLE(bytes, std::bit_cast<uint32_t>(k.werte[static_cast<size_t>(i)]), 4);
    }
    // never over the old file first
    if (!plattform::dateiSicherSchreiben(name, bytes))
        hinweis(74, name);
}
