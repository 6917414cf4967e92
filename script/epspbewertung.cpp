// script/epspbewertung.cpp - rating an EPSP table of a script run
//
// Each simulation's EPSP amplitudes are normalised to its second-to-last EPSP (the one of
// a settled train) and compared with a fixed norm series; the sum of squared deviations is
// its quality factor. The table is read once and parsed in place.
#include "script/epspbewertung.h"
#include "script/ausfuehrung.h"
#include "core/status.h"
#include "files/textdatei.h"
#include "model/ergebnisdateien.h"
#include "core/rahmen.h"
#include "core/schluessel.h"
#include "platform/box.h"
#include "platform/fenster.h"
#include "platform/pfad.h"
#include "platform/waehler.h"
#include "texts/texte.h"
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <vector>

namespace {

constexpr double ruhePotential = -0.075;      // V, the baseline of every amplitude
constexpr double besteAnfang = 1.7e308;
constexpr double fortschrittBasis = 390625.0;
constexpr int normAnzahl = 26;

struct Norm { double gewicht, wert; };
constexpr Norm normen[normAnzahl] = {
    {1, 0.42}, {1, 0.67}, {1, 0.77}, {1, 0.81}, {1, 0.85}, {1, 0.89}, {1, 0.91},
    {1, 0.93}, {1, 0.94}, {1, 0.95}, {1, 0.96}, {1, 0.97}, {1, 0.98}, {1, 0.98},
    {1, 0.98}, {1, 0.99}, {1, 0.99}, {1, 0.99}, {1, 0.99}, {1, 1.0}, {1, 1.0},
    {1, 1.0}, {1, 1.0}, {1, 1.0}, {1, 1.0}, {1, 1.28},
};

// the field at p up to its tab or line end
std::string feld(const char* p)
{
    const char* e = p;
    while (*e && *e != '\t' && *e != '\n' && *e != '\r')
        ++e;
    return {p, e};
}

// a real number with a decimal point or comma; false for no number or a non-finite one
bool zahlLesen(const char* p, double& wert)
{
    std::string f = feld(p);
    char* ende = nullptr;
    std::string punkt = f;
    std::replace(punkt.begin(), punkt.end(), ',', '.');
    std::strtod(punkt.c_str(), &ende);
    if (ende == punkt.c_str())
        return false;
    wert = kommaZahlLesen(f.data());
    return std::isfinite(wert);
}

bool ganzzahlLesen(const char* p, long& wert)
{
    const std::string f = feld(p);
    char* ende = nullptr;
    wert = std::strtol(f.c_str(), &ende, 10);
    return ende != f.c_str();
}

// the fields left on the line after the one at p
int felderDanach(const char* p)
{
    int anzahl = 0;
    for (int ende = 0; (p = naechstesFeldSuchen(p, ende)) && !ende;)
        ++anzahl;
    return anzahl;
}

struct Ausgabe {
    std::string lang, kurz, langPfad, kurzPfad;
};

// false when the file exists and the user keeps it
bool ausgabeAnlegen(const std::string& pfad)
{
    return !plattform::schreibzielExistiert(pfad) ||
           plattform::sysInfoBox(meldungFormatieren(1414, pfad), plattform::knoepfe::JaNein) == plattform::antwort::Ja;
}

void ausgabeSchreiben(const Ausgabe& a)
{
    sicherSchreiben(a.langPfad, mitCrLf(a.lang), 1415);
    sicherSchreiben(a.kurzPfad, mitCrLf(a.kurz), 1415);
}

// the short table sorted by quality; an existing file only with the user's yes
void sortiertSchreiben(std::vector<BewertungsZeile>& zeilen, const std::string& pfad)
{
    std::stable_sort(zeilen.begin(), zeilen.end(), [](const BewertungsZeile& a, const BewertungsZeile& b) {
        return guetefaktorVergleichen(a, b) < 0;
    });
    if (!ausgabeAnlegen(pfad))
        return;
    statusTeilSetzen(1, meldungsTexte[1423]);
    std::string t = meldungsTexte[1428];
    for (const BewertungsZeile& z : zeilen) {
        std::string zeile = std::to_string(z.simulation) + "\t" + tabellenZahl("%g", z.guete) + "\t";
        for (float p : z.parameter)
            zeile += tabellenZahl("%g", p) + "\t";
        t += tabelleDezimal(zeile) + "\n";
    }
    plattform::SchreibFehler art{};
    while (!plattform::dateiSicherSchreiben(pfad, t, nullptr, &art)) {
        if (art == plattform::SchreibFehler::Oeffnen ||
            plattform::sysInfoBox(meldungFormatieren(1422, pfad), plattform::knoepfe::JaNein) != plattform::antwort::Ja) {
            if (art == plattform::SchreibFehler::Oeffnen)
                plattform::hinweisBox(meldungFormatieren(1415, pfad));
            statusTeilSetzen(1, "");
            return;
        }
    }
    statusTeilSetzen(1, "");
    plattform::hinweisBox(meldungsTexte[1424]);
}

// the table's path from the open dialog, or "" when there is none to read
std::string tabelleWaehlen()
{
    plattform::DateiWahl wahl;
    wahl.ordner = dateipfade.programmVerzeichnis;
    while (wahl.ordner.size() > 1 && wahl.ordner.back() == '/')
        wahl.ordner.pop_back();
    wahl.endung = "txt";
    wahl.titel = meldungsTexte[1410];
    wahl.filter.push_back({meldungsTexte[1411], "*.txt"});
    if (!plattform::dateiWaehlen(fensterhandles.hauptfenster, wahl))
        return {};
    const std::string pfad = wahl.ordner + "/" + wahl.name + (wahl.endung.empty() ? "" : "." + wahl.endung);
    if (!plattform::dateiExistiert(pfad)) {
        plattform::hinweisBox(meldungFormatieren(1183, pfad));
        return {};
    }
    return pfad;
}

} // namespace

const char* naechstesFeldSuchen(const char* pos, int& zeilenEnde)
{
    zeilenEnde = 0;
    while (*pos && *pos != '\t' && *pos != '\n')
        ++pos;
    if (!*pos)
        return nullptr;
    if (*pos == '\n') {
        zeilenEnde = 1;
        return pos[1] ? pos + 1 : nullptr;
    }
    for (++pos; *pos && static_cast<unsigned char>(*pos) <= ' '; ++pos)
        if (*pos == '\n')
            zeilenEnde = 1;
    return *pos ? pos : nullptr;
}

int guetefaktorVergleichen(const BewertungsZeile& a, const BewertungsZeile& b)
{
    return a.guete < b.guete ? -1 : (b.guete < a.guete ? 1 : 0);
}

void textErgebnisAuswerten()
{
    // the table, read whole
    const std::string pfad = tabelleWaehlen();
    if (pfad.empty())
        return;
    programmStatus &= ~programmBit::AbbruchAnforderung;   // a request left from before stops nothing
    std::string text;
    if (!textDateiLesen(pfad, text)) {
        plattform::hinweisBox(meldungsTexte[1412]);
        return;
    }
    // the long and the short table beside it, "<stem> Ergebnis.<ext>"
    const size_t strich = pfad.rfind('/');
    const size_t punkt = pfad.rfind('.');
    const bool mitEndung = punkt != std::string::npos && punkt > strich;
    const std::string stamm = pfad.substr(0, mitEndung ? punkt : pfad.size());
    const std::string endung = mitEndung ? pfad.substr(punkt + 1) : "";
    Ausgabe aus{meldungsTexte[1426], meldungsTexte[1427], stamm + " Ergebnis." + endung,
                stamm + " Ergebnis kurz." + endung};
    if (!ausgabeAnlegen(aus.langPfad) || !ausgabeAnlegen(aus.kurzPfad))
        return;
    if (!sicherSchreiben(aus.langPfad, mitCrLf(aus.lang), 1415) ||
        !sicherSchreiben(aus.kurzPfad, mitCrLf(aus.kurz), 1415))
        return;
    // the data lines follow the column header
    const size_t kopf = text.find("Simulations#");
    if (kopf == std::string::npos) {
        plattform::hinweisBox(meldungFormatieren(1416, pfad));
        return;
    }
    const size_t kopfEnde = text.find('\n', kopf);
    const char* p = kopfEnde == std::string::npos ? nullptr : text.c_str() + kopfEnde + 1;
    double beste = besteAnfang;
    int besteSimulation = 0, letzte = 0;
    std::vector<BewertungsZeile> zeilen;
    std::vector<double> amplituden, normiert;
    const auto fehler = [&](int nummer, long long s) {
        plattform::hinweisBox(meldungFormatieren(nummer, s));
        ausgabeSchreiben(aus);
    };
    // one line per simulation
    while (p && *p) {
        while (*p && static_cast<unsigned char>(*p) <= ' ')
            ++p;
        if (!*p)
            break;
        long nummer = 0;
        if (!ganzzahlLesen(p, nummer) || nummer != letzte + 1)
            return fehler(1417, static_cast<long long>(nummer));   // the number as it stands in the file
        const int s = letzte = static_cast<int>(nummer);
        BewertungsZeile z;
        z.simulation = s;
        double parameter[8];
        int ende = 0;
        for (double& w : parameter) {
            p = naechstesFeldSuchen(p, ende);
            if (!p || ende || !zahlLesen(p, w))
                return fehler(1418, s);
        }
        long n = 0;
        p = naechstesFeldSuchen(p, ende);
        if (!p || ende || !ganzzahlLesen(p, n) || n < 0 || n > felderDanach(p))
            return fehler(1419, s);
        amplituden.assign(static_cast<size_t>(n), 0.0);
        for (double& a : amplituden) {
            p = naechstesFeldSuchen(p, ende);
            if (!zahlLesen(p, a))
                return fehler(1420, s);
        }
        // normalised to the second-to-last amplitude; without one the line cannot be rated
        const double bezug = n >= 2 ? amplituden[static_cast<size_t>(n - 2)] - ruhePotential : 0.0;
        std::string lang = std::to_string(s) + "\t", kurz;
        for (int k = 0; k < 8; ++k) {
            z.parameter[k] = static_cast<float>(parameter[k]);
            lang += tabellenZahl("%g", parameter[k]) + "\t";
        }
        kurz = lang;
        if (bezug == 0.0) {
            z.guete = std::numeric_limits<double>::infinity();
            lang += meldungsTexte[1431];
        } else {
            normiert.clear();
            std::string teile;
            for (int i = 0; i < n; ++i) {
                const double x = (amplituden[static_cast<size_t>(i)] - ruhePotential) / bezug;
                const double g = i < normAnzahl ? std::pow((x - normen[i].wert) * normen[i].gewicht, 2) : 0.0;
                z.guete += g;
                lang += tabellenZahl("%.4f", x) + "\t";
                teile += tabellenZahl("%g", g) + "\t";
            }
            lang += meldungsTexte[1431] + teile;
        }
        lang += meldungFormatieren(1429, z.guete);
        kurz += std::to_string(n) + "\t" + tabellenZahl("%g", z.guete) + "\n";
        aus.lang += tabelleDezimal(lang);
        aus.kurz += tabelleDezimal(kurz);
        if (z.guete < beste) {
            beste = z.guete;
            besteSimulation = s;
        }
        zeilen.push_back(z);
        if (s % 100 == 0) {
            statusTeilSetzen(2, meldungFormatieren(1425, s * 100.0 / fortschrittBasis));
            plattform::nachrichtenVerarbeiten();
            if (programmStatus & programmBit::AbbruchAnforderung)
                break;
        }
        p = naechstesFeldSuchen(p, ende);
    }
    // the closing line
    const std::string schluss = tabelleDezimal(meldungFormatieren(1430, beste, besteSimulation));
    aus.lang += schluss;
    aus.kurz += schluss;
    ausgabeSchreiben(aus);
    // sorted by quality when the user wants it
    if (plattform::sysInfoBox(meldungFormatieren(1421, letzte), plattform::knoepfe::JaNein) == plattform::antwort::Ja)
        sortiertSchreiben(zeilen, stamm + " Ergebnis kurz guete sortiert." + endung);
}
