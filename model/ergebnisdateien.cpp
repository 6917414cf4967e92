// model/ergebnisdateien.cpp - result-file names, the spike-time and the PSP-amplitude file
#include "model/ergebnisdateien.h"
#include "core/status.h"
#include "model/export.h"
#include "model/laufhaken.h"
#include "model/netz.h"
#include "platform/box.h"
#include "platform/pfad.h"
#include "texts/texte.h"
#include <cstdio>
#include <filesystem>

AsciiExportEinstellungen asciiExportEinstellungen;
std::string ausgabeDateiEndung = "TXT";
int pspMessungAktiv = 0;
ErgebnisNamen ergebnisNamen;
DatPfad datPfad;

std::tm ortszeit()
{
    if (laufHaken.ortszeit)
        return laufHaken.ortszeit();
    const std::time_t jetzt = std::time(nullptr);
    std::tm zeit{};
    localtime_r(&jetzt, &zeit);
    return zeit;
}

namespace {

// the document folder without one trailing separator
std::string ordnerOhneTrenner()
{
    std::string ordner = dateipfade.dokumentVerzeichnis;
    if (!ordner.empty() && (ordner.back() == '/' || ordner.back() == '\\'))
        ordner.pop_back();
    return ordner;
}

void entfernen(const std::string& name)
{
    std::error_code fehler;
    std::filesystem::remove(plattform::schreibPfadAufloesen(name), fehler);
}

// question 338 until the name is free or the user lets the old file go
std::string freierName(const std::string& rest)
{
    for (;;) {
        std::string name = zeitgestempelterName(rest);
        if (!plattform::dateiExistiert(name))
            return name;
        const int antwort = plattform::meldungsBox(fensterhandles.hauptfenster, meldungFormatieren(338, name),
                                                   "SysInfo", plattform::knoepfe::JaNein | plattform::symbol::Frage);
        if (antwort == plattform::antwort::Ja) {
            entfernen(name);
            return name;
        }
    }
}

// a number line, CR LF; komma turns the last '.' (alle: every '.') into ','
void zeileAnhaengen(std::string& text, std::string zeile, bool komma, bool alle)
{
    if (komma) {
        if (alle) {
            for (char& c : zeile)
                if (c == '.')
                    c = ',';
        } else if (const size_t p = zeile.rfind('.'); p != std::string::npos) {
            zeile[p] = ',';
        }
    }
    text += zeile;
    text += "\r\n";
}

std::string zahl(const char* format, auto... werte)
{
    char puffer[128];
    std::snprintf(puffer, sizeof puffer, format, werte...);
    return puffer;
}

} // namespace

std::string zeitgestempelterName(const std::string& rest)
{
    const std::tm z = ortszeit();
    char stempel[32];
    std::snprintf(stempel, sizeof stempel, "%02d%02d%02d%02d%02d%02d", (z.tm_year + 1900 - 2000) % 100,
                  z.tm_mon + 1, z.tm_mday, z.tm_hour, z.tm_min, z.tm_sec);
    return ordnerOhneTrenner() + "/" + dateipfade.netzName + " " + stempel + rest;
}

void ergebnisNamenBilden()
{
    ergebnisNamen = {};
    if (programmStatus & programmBit::WerteExportieren) {
        if (exportSpaltenDa()) {
            ergebnisNamen.exportDatei = freierName(" soma potential." + ausgabeDateiEndung);
            ergebnisNamen.laufInfo = freierName(" info." + ausgabeDateiEndung);
            dateipfade.laufInfoDatei = ergebnisNamen.laufInfo;
        } else if (!(skriptStatus & skriptBit::Laeuft)) {
            // said before any name is asked for, so no old file is let go for nothing; a
            // script's runs go on without a box
            plattform::meldungsBox(fensterhandles.hauptfenster, meldungsTexte[1462], "Hinweis",
                                   plattform::knoepfe::Ok | plattform::symbol::Information);
        }
    }
    if (programmStatus & programmBit::SomaDateiSchreiben) {
        datPfad.ordner = ordnerOhneTrenner();
        datPfad.stamm = dateipfade.netzName;
        datPfad.endung = "dat";
        datPfad.pfad = datPfad.ordner + "/" + datPfad.stamm + ".dat";
        // a saved curve data file under this name is never deleted
        if (plattform::dateiExistiert(datPfad.pfad) && !kurvenDateiIst(datPfad.pfad))
            entfernen(datPfad.pfad);
    }
    ergebnisNamen.spikeZeiten = zeitgestempelterName(" spike-zeiten.txt");
    ergebnisNamen.pspAmplituden = zeitgestempelterName(" psp amplituden.txt");
}

void datPfadSetzen(const std::string& pfad)
{
    const size_t trenner = pfad.find_last_of("/\\");
    const size_t nameAb = trenner == std::string::npos ? 0 : trenner + 1;
    const size_t punkt = pfad.rfind('.');
    const bool mitEndung = punkt != std::string::npos && punkt >= nameAb;
    datPfad.ordner = trenner == std::string::npos ? "" : pfad.substr(0, trenner);
    datPfad.stamm = pfad.substr(nameAb, (mitEndung ? punkt : pfad.size()) - nameAb);
    datPfad.endung = mitEndung ? pfad.substr(punkt + 1) : "";
    datPfad.pfad = pfad;
}

void einzelLaufNamenBilden()
{
    ergebnisNamen = {};
    ergebnisNamen.spikeZeiten = zeitgestempelterName(" spike-zeiten.txt");
    ergebnisNamen.pspAmplituden = zeitgestempelterName(" psp amplituden.txt");
}

std::string spikeZeitenText()
{
    const bool komma = asciiExportEinstellungen.dezimalzeichen == ',';
    const int stellen = asciiExportEinstellungen.zeitDezimalstellen;
    std::string text;
    for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron) {
        if (!n->spikezeitenSpeichern)
            continue;
        text += n->name + "\r\n";
        const int anzahl = std::min(n->apAnzahl, static_cast<int>(n->spikeZeiten.size()));
        for (int i = 0; i < anzahl; ++i)
            zeileAnhaengen(text, zahl("%.*f", stellen, static_cast<double>(n->spikeZeiten[i])), komma, false);
        text += "\r\n";
    }
    return text;
}

std::string pspAmplitudenText()
{
    const bool komma = asciiExportEinstellungen.dezimalzeichen == ',';
    const int stellen = asciiExportEinstellungen.zeitDezimalstellen;
    std::string text;
    for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron) {
        if (!(n->pspModus & 0x10))
            continue;
        text += n->name + "\r\nzeit\tpsp-amplitude\r\n";
        const int anzahl = std::min({n->pspAnzahl, static_cast<int>(n->pspZeiten.size()),
                                     static_cast<int>(n->pspAmplituden.size())});
        for (int i = 0; i < anzahl; ++i)
            zeileAnhaengen(text,
                           zahl("%.*f\t%.5f", stellen, static_cast<double>(n->pspZeiten[i]),
                                static_cast<double>(n->pspAmplituden[i])),
                           komma, true);
        text += "\r\n";
    }
    return text;
}

bool ergebnisDateiSchreiben(const std::string& name, const std::string& inhalt)
{
    if (plattform::dateiSicherSchreiben(name, inhalt))
        return true;
    plattform::meldungsBox(fensterhandles.hauptfenster, meldungFormatieren(74, name), "Hinweis",
                           plattform::knoepfe::Ok | plattform::symbol::Information);
    return false;
}
