// script/ergebnistabellen.cpp - the AP-times and EPSP tables of a script run
//
// Tab-separated text for a spreadsheet, one row block per simulation. Both are created at
// the start of a run under a time-stamped name; a name already taken (a table started in
// the same second) gets a number, so a table never replaces another. Each block reaches
// the disk when it is written: a table the disk does not take is closed, named in a
// notice, and the run stops.
#include "script/ausfuehrung.h"
#include "core/status.h"
#include "model/ergebnisdateien.h"
#include "model/netz.h"
#include "model/neuron.h"
#include "model/skriptzeit.h"
#include "platform/box.h"
#include "platform/pfad.h"
#include "texts/texte.h"
#include <algorithm>
#include <cerrno>
#include <cstdio>

namespace {

// the documented values of the simulation, each followed by a tab
std::string dokumentierteWerte(const Skript& s)
{
    std::string t;
    for (size_t k = 1; k < s.dokumentiert.size(); ++k) {
        const ParameterEintrag& e = s.dokumentiert[k];
        t += e.istReal ? tabellenZahl("%.15g", e.wert) : std::to_string(e.ganzzahl);
        t += '\t';
    }
    return t;
}

std::string dokumentierteNamen(const Skript& s)
{
    std::string t;
    for (size_t k = 1; k < s.dokumentiert.size(); ++k) {
        t += s.dokumentiert[k].bezeichnung.data();
        t += '\t';
    }
    return t;
}

// creates the table "<dir>/<network> <art> <yymmdd hhmmss>.txt" and writes its first lines;
// null after the message when it cannot be opened
std::FILE* tabelleAnlegen(const char* art, std::string& pfad, std::string& stempel)
{
    std::string ordner = dateipfade.ergebnisVerzeichnis.empty() ? dateipfade.dokumentVerzeichnis
                                                                : dateipfade.ergebnisVerzeichnis;
    if (ordner.size() > 1 && ordner.back() == '/')
        ordner.pop_back();
    char puffer[32];
    stempel = datumFormatieren(nullptr, puffer, 10);
    const std::string stamm = ordner + "/" + dateipfade.netzName + " " + art + " " + stempel;
    pfad = stamm + ".txt";
    for (int n = 2; plattform::dateiExistiert(pfad); ++n)
        pfad = stamm + " " + std::to_string(n) + ".txt";
    std::FILE* f = plattform::dateiOeffnen(pfad, "wb");
    if (!f)
        plattform::hinweisBox(meldungFormatieren(74, pfad));
    return f;
}

// The text into the open table, on the disk at once. A failed write closes the table and
// tells its path and the reason; 0 then.
int schreiben(Skript& s, std::FILE*& f, const std::string& pfad, const std::string& t)
{
    if (!f)
        return 0;
    errno = 0;
    if (std::fwrite(t.data(), 1, t.size(), f) == t.size() && std::fflush(f) == 0)
        return 1;
    const int grund = errno;
    std::fclose(f);
    f = nullptr;
    skriptAusgabeFehler(s, pfad, grund);
    return 0;
}

} // namespace

int apZeitenDateiErzeugen(Skript& s, int modus)
{
    if (modus == 1) {
        std::string stempel;
        if (s.apDatei)
            std::fclose(s.apDatei);
        s.apDatei = tabelleAnlegen("skript", s.apPfad, stempel);
        if (!s.apDatei)
            return 0;
        s.apZeilen = 0;
        std::string t = meldungFormatieren(1122, dateipfade.vollerPfad, s.pfad);
        t += meldungFormatieren(1123, stempel);
        t += meldungsTexte[1124];
        t += meldungsTexte[1125];
        t += meldungsTexte[1126];
        t += meldungsTexte[1127] + dokumentierteNamen(s) + meldungsTexte[1128];
        return schreiben(s, s.apDatei, s.apPfad, t);
    }
    if (!s.apDatei)
        return 0;
    ++s.apZeilen;
    const std::string vorspann = tabelleDezimal(std::to_string(s.apZeilen) + "\t" + dokumentierteWerte(s));
    std::string t;
    const auto werte = [&](const std::vector<float>& v, int anzahl) {
        for (int k = 0; k < anzahl && k < static_cast<int>(v.size()); ++k)
            t += tabelleDezimal(tabellenZahl("%g", v[static_cast<size_t>(k)])) + "\t";
    };
    for (const Ergebnisneuron& e : s.ergebnisneurone) {
        const NeuronDaten* n = neuronNachNummer(e.nummer);
        if (n && (n->pspModus & 0x10)) {
            t += vorspann + n->name + "\t" + std::to_string(n->pspAnzahl) + "\t" + meldungsTexte[1129] + "\t";
            werte(n->pspZeiten, n->pspAnzahl);
            t += "\n" + vorspann + n->name + "\t" + std::to_string(n->pspAnzahl) + "\t" + meldungsTexte[1130] + "\t";
            werte(n->pspAmplituden, n->pspAnzahl);
        } else if (n && (n->apZeitenAufzeichnen & 1)) {
            t += vorspann + n->name + "\t" + std::to_string(n->apAnzahl) + "\t" + meldungsTexte[1131] + "\t";
            werte(n->spikeZeiten, n->apAnzahl);
        }
        t += "\n";
    }
    return schreiben(s, s.apDatei, s.apPfad, t);
}

int epspDateiErzeugen(Skript& s, int modus)
{
    if (modus == 0) {
        std::string stempel;
        if (s.epspDatei)
            std::fclose(s.epspDatei);
        s.epspDatei = tabelleAnlegen("EPSPs", s.epspPfad, stempel);
        if (!s.epspDatei)
            return 0;
        std::string t = meldungFormatieren(1122, dateipfade.vollerPfad, s.pfad);
        t += meldungFormatieren(1123, stempel);
        t += s.auswahlModus <= 0 ? meldungFormatieren(1132, s.gesamtSimulationen)
                                 : meldungFormatieren(1133, s.auswahlModus, s.bereichStart, s.bereichEnde);
        t += meldungsTexte[1134];
        t += meldungsTexte[1125];
        t += meldungsTexte[1135] + dokumentierteNamen(s) + meldungsTexte[1136];
        return schreiben(s, s.epspDatei, s.epspPfad, t);
    }
    if (!s.epspDatei)
        return 0;
    const int anzahl = std::clamp(s.epspAnzahl, 0, static_cast<int>(s.epspAmplituden.size()));
    std::string t = std::to_string(s.aktuelleSimulation) + "\t" + dokumentierteWerte(s) + std::to_string(anzahl) + "\t";
    for (int k = 0; k < anzahl; ++k)
        t += tabellenZahl("%.4f", s.epspAmplituden[static_cast<size_t>(k)]) + "\t";
    t += "\n";
    return schreiben(s, s.epspDatei, s.epspPfad, tabelleDezimal(t));
}

std::string tabellenZahl(const char* f, double w)
{
    char puffer[64];
    std::snprintf(puffer, sizeof puffer, f, w);
    return puffer;
}

std::string tabelleDezimal(std::string t)
{
    const char zeichen = static_cast<char>(asciiExportEinstellungen.dezimalzeichen);
    if (zeichen != '.' && zeichen != '\0')
        std::replace(t.begin(), t.end(), '.', zeichen);
    return t;
}
