// server/server_dateien.cpp - the io table, the stimulus list and the run's log file
#include "core/schluessel.h"
#include "core/status.h"
#include "files/textdatei.h"
#include "platform/box.h"
#include "platform/pfad.h"
#include "server/server.h"
#include "texts/texte.h"
#include <cctype>
#include <cerrno>
#include <cstring>
#include <new>

using namespace plattform;

namespace {

std::string parameterPfad(const char* name) { return dateipfade.programmVerzeichnis + "parameter/" + name; }

// The whole file with room behind it, or why not. An open failure is told with
// oeffnenText and the path, a memory shortage with speicherText; either way no text.
bool einlesen(const std::string& pfad, int oeffnenText, int speicherText, std::string& text)
{
    std::FILE* f = dateiOeffnen(pfad, "rb");
    if (!f) {
        hinweisBox(meldungFormatieren(oeffnenText, pfad));
        return false;
    }
    long laenge = 0;
    const DateiGelesen gelesen = dateiGanzLesen(f, text, laenge);
    if (gelesen == DateiGelesen::KeinSpeicher) {
        velnorInfoBox(meldungsTexte[speicherText]);
        return false;
    }
    if (gelesen == DateiGelesen::Fehler) {
        hinweisBox(meldungFormatieren(oeffnenText, pfad));
        return false;
    }
    return true;
}

// A header of text lines goes: the first digit standing at a line start begins the data.
// null: no such digit, so no data.
char* kopfUeberspringen(std::string& text)
{
    for (size_t i = 0; i < text.size(); ++i)
        if ((i == 0 || text[i - 1] == '\r' || text[i - 1] == '\n') && std::isdigit(static_cast<unsigned char>(text[i])))
            return text.data() + i;
    return nullptr;
}

// index, then whatever stands up to the next digit or '-', then the value; a value the line
// does not hold is 0
IoEintrag ioZeileLesen(char* zeile)
{
    IoEintrag e;
    e.index = kommaGanzzahlLesen(zeile);
    char* p = zeile;
    if (*p == '-' || *p == '+')
        ++p;
    while (std::isdigit(static_cast<unsigned char>(*p)) || *p == '.' || *p == ',')
        ++p;
    while (*p && !std::isdigit(static_cast<unsigned char>(*p)) && *p != '-')
        ++p;
    e.wert = *p ? kommaGanzzahlLesen(p) : 0;
    return e;
}

} // namespace

int ioTabelleLesen(ServerLaufzeit& s)
{
    // 1.-2.
    std::string text;
    if (!einlesen(parameterPfad("ioTabelle.txt"), 361, 362, text))
        return 0;
    char* anfang = kopfUeberspringen(text);
    s.ioKapazitaet = ioTabellenGroesse;
    int anzahl = 0;
    if (anfang) {
        // the first break in the indices is told; more boxes would only repeat it
        bool bruchGemeldet = false;
        zeileLesen(anfang, nullptr, 0);
        char zeile[257];
        while (zeileLesen(anfang, zeile, sizeof zeile)) {
            if (anzahl == ioTabellenGroesse) {
                hinweisBox(meldungsTexte[363]);
                break;
            }
            const IoEintrag e = ioZeileLesen(zeile);
            if (anzahl > 0 && e.index != s.ioTabelle[static_cast<size_t>(anzahl - 1)].index + 1 && !bruchGemeldet) {
                hinweisBox(meldungFormatieren(364, anzahl + 1));
                bruchGemeldet = true;
            }
            s.ioTabelle[static_cast<size_t>(anzahl++)] = e;
        }
        zeileLesen(anfang, nullptr, 0);
    }
    if (anzahl == ioTabellenGroesse)
        return 1;
    hinweisBox(meldungFormatieren(365, ioTabellenGroesse, anzahl));
    return 0;
}

int serverReizDateiLesen(ServerLaufzeit& s)
{
    // 1.-2.
    std::string text;
    if (!einlesen(parameterPfad("reizFuerServerBetrieb.txt"), 359, 360, text))
        return 0;
    // count the lines, then read them
    char* anfang = kopfUeberspringen(text);
    std::vector<double> werte;
    if (anfang) {
        char zeile[129];
        int anzahl = 0;
        zeileLesen(anfang, nullptr, 0);
        while (zeileLesen(anfang, zeile, sizeof zeile))
            ++anzahl;
        try {
            werte.reserve(static_cast<size_t>(anzahl) + 1);
        } catch (const std::bad_alloc&) {
            zeileLesen(anfang, nullptr, 0);
            velnorInfoBox(meldungsTexte[726]);
            return 0;
        }
        zeileLesen(anfang, nullptr, 0);
        while (zeileLesen(anfang, zeile, sizeof zeile))
            werte.push_back(kommaZahlLesen(zeile));
        zeileLesen(anfang, nullptr, 0);
    }
    s.reizWertAnzahl = static_cast<int>(werte.size());
    s.reizWerte = std::move(werte);
    return 1;
}

std::string serverLogName(const ServerDaten& d, const std::tm& t, int nummer)
{
    const std::string& praefix = d.stromDatei.empty() ? std::string(serverStromDateiVorgabe) : d.stromDatei;
    char zeit[64];
    std::snprintf(zeit, sizeof zeit, " %02d%02d%02d %02d%02d%02d", t.tm_year % 100, t.tm_mon + 1, t.tm_mday,
                  t.tm_hour, t.tm_min, t.tm_sec);
    // "_" sorts behind ".", so the records of one second stay in their order
    return praefix + zeit + (nummer > 1 ? "_" + std::to_string(nummer) : std::string()) + ".txt";
}

// Written as the run goes, line by line with CR LF as text files of this program have them;
// a log that cannot be made is simply not written. A run started in the same second as an
// earlier one must not wipe that one's record: the file is only ever made new ("x" fails on
// an existing name, with no gap between the look and the making), else the next number.
std::FILE* serverLogOeffnen(const ServerDaten& d, const std::tm& start)
{
    std::FILE* f = nullptr;
    for (int nummer = 1; !f && nummer <= serverLogNummern; ++nummer) {
        f = dateiOeffnen(serverLogName(d, start, nummer), "wbx");
        if (!f && errno != EEXIST)
            break;
    }
    if (f)
        std::fprintf(f, "%s\r\ndelay: %g\r\n\r\n", dateipfade.netzName.c_str(), d.verzoegerung);
    return f;
}

void serverLogZeile(std::FILE* log, double faktor)
{
    if (log)
        std::fprintf(log, "%g\r\n", faktor);
}
