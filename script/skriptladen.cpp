// script/skriptladen.cpp - reads a script file into the script record
//
// The file is read line by line; each line holds statements "KEYWORD=value", found by their
// capitals (everything else is comment). Load-time settings go into the record, every
// executable statement becomes a SkriptAnweisung. What the file sets outside the record (the
// output settings, the PSP measurement and AP marks of neurons) is set only once the whole
// file has loaded, through the script's own guard: a loaded script is an analysis, and its
// release gives those values back. An error drops the rest of the file and the load fails
// after the end checks; a stop returns at once. A failed load changes nothing: the script
// loaded before stays, so nothing half-read can run. A file that is no script (zero bytes,
// or ten unknown statements) is refused with one notice.
#include "script/lader.h"
#include "core/endemeldung.h"
#include "core/rahmen.h"
#include "core/status.h"
#include "model/anzeigeeinstellungen.h"
#include "model/ergebnisdateien.h"
#include "model/kurven.h"
#include "model/layout.h"
#include "model/netz.h"
#include "model/netzeinstellungen.h"
#include "model/permutationsfenster.h"
#include "model/neuron.h"
#include "model/simulationsparameter.h"
#include "core/schluessel.h"
#include "platform/box.h"
#include "platform/pfad.h"
#include "platform/waehler.h"
#include "texts/texte.h"
#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstring>
#include <new>


namespace skriptlader {
namespace {

// a text from the file for a message: bytes that show nothing (control bytes, those that
// Windows-1252 leaves undefined) as \xNN
std::string druckbar(const std::string& t)
{
    std::string aus;
    for (const unsigned char z : t) {
        if (z < 0x20 || z == 0x7F || z == 0x81 || z == 0x8D || z == 0x8F || z == 0x90 || z == 0x9D) {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02X", z);
            aus += hex;
        } else {
            aus += static_cast<char>(z);
        }
    }
    return aus;
}

// the line an unknown statement stands in, as its notice names it: without the blanks around
// it, tabs as blanks, and cut after so many characters that a box still shows it
std::string zeileFuerMeldung(std::string zeile)
{
    constexpr size_t hoechstens = 120;
    std::replace(zeile.begin(), zeile.end(), '\t', ' ');
    const size_t anfang = zeile.find_first_not_of(' ');
    zeile.erase(0, anfang == std::string::npos ? zeile.size() : anfang);
    zeile.erase(zeile.find_last_not_of(' ') + 1);
    if (zeile.size() > hoechstens)
        zeile = zeile.substr(0, hoechstens) + "...";
    return druckbar(zeile);
}

} // namespace

// ---- one line ------------------------------------------------------------------------------------

// false when reading ends (an error, a stop, EXI); a stop is told by the caller's flag
bool Lader::zeileLesen(char* z)
{
    // the scan below cuts the line at each value: its notices name it as it was read
    const std::string ganzeZeile = z;
    char* p = z;
    while (!exi) {
        while (*p && !grossbuchstabe(*p))
            ++p;
        if (!*p)
            return true;
        wort = p;
        while (grossbuchstabe(*p))
            ++p;
        const Anweisungscode code = anweisungscode(wort);
        gleich = std::strchr(p, '=');
        if (!gleich)
            return true;                       // no value: the statement is dropped
        wert = gleich + 1;
        const bool zitiert = *wert == '"';
        if (zitiert)
            ++wert;
        char* ende = wert;
        if (zitiert)
            while (*ende && *ende != '"' && static_cast<unsigned char>(*ende) >= 10)
                ++ende;
        else
            while (*ende && *ende != ' ' && *ende != trenner && static_cast<unsigned char>(*ende) >= 10)
                ++ende;
        const char endZeichen = *ende;
        *ende = '\0';
        // the statement's text for the messages: its capitals and five characters more
        size_t kopf = 0;
        while (grossbuchstabe(wort[kopf]))
            ++kopf;
        text.assign(wort, kopf);
        for (size_t i = 0; i < 5 && wort[kopf + i]; ++i)
            text += wort[kopf + i];

        // where scanning goes on; never past the line's end
        char* weiter = ende;
        if (endZeichen != '\0') {
            ++weiter;
            if (zitiert && endZeichen == '"' && *weiter)
                ++weiter;
        }
        const bool listenWort = code == c("AKLASSENZEITEN") || code == c("ASOLLWERTE") || code == c("AAPANZAHL") ||
                                code == c("ASFAKTOR") || code == c("AAFAKTOR");
        if (listenWort && !zitiert && endZeichen != '\0')
            *ende = endZeichen;                // a list runs to the end of its line

        bool bekannt = false;
        Folge f = einstellung(code, bekannt);
        if (!bekannt)
            f = anweisung(code, bekannt);
        if (!bekannt) {
            // the keyword and the whole line: the keyword's first characters alone read alike
            // for every line of a file that is no script
            const int art = (code >= 757 && code <= 19682) ? 1000 : 1001;
            melden(meldungFormatieren(art, druckbar(text.substr(0, kopf)), zeile, zeileFuerMeldung(ganzeZeile)));
            // a script with a few slips still loads; a file of other text would give a box a line
            if (++unbekannt >= hoechstensUnbekannt) {
                keinSkript = true;
                return false;
            }
        }
        if (f == Folge::Fehler) {
            skriptStatus = skriptBit::LadeFehler;
            return false;
        }
        if (f == Folge::Stopp) {
            gestoppt = true;
            return false;
        }
        if (f == Folge::ZeileEnde || endZeichen == '\0')
            return true;
        p = weiter;
    }
    return false;
}

} // namespace skriptlader

namespace {

using namespace skriptlader;

// multiplication that stops at a bound instead of overflowing
long long mal(long long a, long long b)
{
    constexpr long long grenze = 1LL << 40;
    return (a > 0 && b > grenze / a) ? grenze : std::min(a * b, grenze);
}

// Simulations of the whole script, walking it once: each SIM runs once per turn of the
// loops around it, each innermost loop once per turn of itself and of the loops around it.
long long simulationenZaehlen(const std::vector<SkriptAnweisung>& anweisungen)
{
    struct Offen { long long anzahl; bool innen; };
    std::vector<Offen> offen;
    long long summe = 0;
    const auto aussen = [&](size_t bis) {
        long long p = 1;
        for (size_t i = 0; i < bis; ++i)
            p = mal(p, offen[i].anzahl);
        return p;
    };
    for (const SkriptAnweisung& a : anweisungen) {
        if (a.code == c("SCHLEIFE")) {
            if (!offen.empty())
                offen.back().innen = true;
            offen.push_back({a.ganzzahl, false});
        } else if (a.code == c("WIEDERHOLEN") && !offen.empty()) {
            if (!offen.back().innen)
                summe += aussen(offen.size());
            offen.pop_back();
        } else if (a.code == c("SIM")) {
            summe += aussen(offen.size());
        }
        summe = std::min(summe, 1LL << 40);
    }
    return summe == 0 ? 1 : summe;
}

// the file to load; false after a notice or when the user cancelled the dialog
bool dateiWaehlen(Skript& s, std::string& pfad)
{
    if (skriptStatus & (skriptBit::AuswertungLaedt | skriptBit::DateiAusSkriptLaden)) {
        pfad = s.pfad;
    } else {
        plattform::DateiWahl wahl;
        const std::string& vorher = dateipfade.letzteSkriptDatei;
        if (!vorher.empty()) {
            const size_t strich = vorher.find_last_of('/');
            wahl.ordner = strich == std::string::npos ? "" : vorher.substr(0, strich);
            std::string name = strich == std::string::npos ? vorher : vorher.substr(strich + 1);
            const size_t punkt = name.find_last_of('.');
            wahl.endung = punkt == std::string::npos ? "" : name.substr(punkt + 1);
            wahl.name = name.substr(0, punkt);
        } else {
            wahl.ordner = dateipfade.dokumentVerzeichnis;
            wahl.endung = "skr";
        }
        wahl.filter = {{meldungsTexte[1002], "*.skr"}};
        wahl.titel = meldungsTexte[1003];
        if (!plattform::dateiWaehlen(fensterhandles.hauptfenster, wahl))
            return false;
        while (wahl.ordner.size() > 1 && wahl.ordner.back() == '/')
            wahl.ordner.pop_back();
        pfad = plattform::gewaehlterPfad(wahl);
    }
    if (!(skriptStatus & skriptBit::AuswertungLaedt) && !plattform::dateiExistiert(pfad)) {
        melden(meldungFormatieren(265, pfad));
        return false;
    }
    return true;
}

// the checks after the last line; false after a message, which says that nothing was loaded
bool endPruefungen(Skript& s)
{
    if (s.bereichStart > 0 || s.bereichEnde >= 1) {
        const long long laenge = static_cast<long long>(s.bereichEnde) - s.bereichStart;
        if (laenge <= 0 || laenge >= INT_MAX) {
            melden(meldungsTexte[1004]);
            return false;
        }
        s.auswahlModus = static_cast<int>(laenge) + 1;
    }
    if (!(s.dauer > 0.0)) {
        melden(meldungsTexte[1005]);
        return false;
    }
    if (s.dauer != simulationsParameter.simulationsDauer) {
        melden(meldungFormatieren(1006, s.dauer, simulationsParameter.simulationsDauer));
        return false;
    }
    if (!(s.schrittweite > 0.0)) {
        melden(meldungsTexte[1007]);
        return false;
    }
    if (s.schrittweite != simulationsParameter.schrittweite) {
        melden(meldungFormatieren(1008, s.schrittweite, simulationsParameter.schrittweite));
        return false;
    }
    if (s.elSynapsenSchalter < 0) {
        melden(meldungsTexte[1009]);
        return false;
    }
    if (s.elSynapsenSchalter != (netzvorgaben.elektrischeSynapsenEingeschraenkt ? 1 : 0)) {
        melden(meldungsTexte[1010]);
        return false;
    }
    if (!(s.auswertung & auswertungsBit::An))
        return true;
    if (!s.auswertungsNeuron) {
        melden(meldungsTexte[1011]);
        return false;
    }
    if (!(s.auswertung & auswertungsBit::Klassenzeiten)) {
        melden(meldungsTexte[1012]);
        return false;
    }
    if (s.auswertung & auswertungsBit::Frequenz)
        for (int i = 0; i < s.klassenAnzahl; ++i)
            if (s.klassen[static_cast<size_t>(i)].sollWert < 0.0) {
                melden(meldungsTexte[1013]);
                return false;
            }
    if (s.klassenAnzahl < 1) {
        melden(meldungsTexte[1014]);
        return false;
    }
    const double letzte = s.klassen[static_cast<size_t>(s.klassenAnzahl) - 1].start;
    if (letzte >= s.dauer) {
        const std::string frage = meldungFormatieren(1015, s.dauer, letzte);
        if (plattform::meldungsBox(fensterhandles.hauptfenster, frage, "SysInfo",
                                   plattform::knoepfe::JaNein | plattform::symbol::Frage) != plattform::antwort::Ja)
            return false;
        int behalten = 0;
        while (behalten < s.klassenAnzahl && s.klassen[static_cast<size_t>(behalten)].start < s.dauer)
            ++behalten;
        s.klassenAnzahl = std::max(behalten, 1);
    }
    s.klassen[static_cast<size_t>(s.klassenAnzahl) - 1].ende = s.dauer;
    if ((s.auswertung & auswertungsBit::AapAnzahl) && !(s.auswertung & auswertungsBit::AaFaktor)) {
        melden(meldungsTexte[1016]);
        return false;
    }
    if ((s.auswertung & auswertungsBit::AaFaktor) && !(s.auswertung & auswertungsBit::AapAnzahl)) {
        melden(meldungsTexte[1017]);
        return false;
    }
    if (!(s.auswertung & auswertungsBit::Sollwerte)) {
        melden(meldungsTexte[1018]);
        return false;
    }
    if (!(s.auswertung & auswertungsBit::AsFaktor)) {
        melden(meldungsTexte[1019]);
        return false;
    }
    return true;
}

void abschlussMelden(const Skript& s)
{
    const int anweisungen = static_cast<int>(s.anweisungen.size());
    int laeufe = s.gesamtSimulationen;
    if (s.auswahlModus == 1)
        laeufe = static_cast<int>(s.liste.size());
    else if (s.auswahlModus >= 2)
        laeufe = s.auswahlModus;
    if (!skriptMeldungenAnzeigen) {
        statusTeilSetzen(3, meldungFormatieren(1020, laeufe));
        return;
    }
    if (skriptStatus & skriptBit::AuswertungLaedt)
        return;
    std::string t = meldungFormatieren(1021, s.pfad, anweisungen, laeufe);
    if (s.auswahlModus == 1)
        t += meldungsTexte[1022];
    else if (s.auswahlModus >= 2)
        t += meldungFormatieren(1023, s.bereichStart, s.bereichEnde);
    else
        t += meldungsTexte[1024];
    melden(t);
}

// how a read ended: a script, a script with a fault, or a file that is no script at all
enum class Gelesen { Geladen, Fehler, KeinSkript };

// the load after the file was chosen; sep tells whether the script sets SEP, werte are the
// values it sets outside its record
Gelesen lesen(Skript& s, std::vector<char>& puffer, bool& sep, std::vector<Ladewert>& werte)
{
    Lader l(s);
    l.datei = puffer.data();
    l.trenner = asciiExportEinstellungen.trennzeichen > 0 ? static_cast<char>(asciiExportEinstellungen.trennzeichen) : ';';
    std::vector<char> z(zeilenLaenge + 1);
    ::zeileLesen(l.datei, nullptr, 0);
    bool weiter = true;
    const char* gezaehlt = l.datei;           // line ends counted up to here
    int zeilen = 1;
    while (weiter && !l.exi) {
        char* ende = ::zeileLesen(l.datei, z.data(), zeilenLaenge);
        if (!ende)
            break;
        l.zeilenEnde = ende;
        zeilen += static_cast<int>(std::count(gezaehlt, static_cast<const char*>(ende), '\n'));
        gezaehlt = ende;
        l.zeile = zeilen;
        weiter = l.zeileLesen(z.data());
        if (l.gestoppt) {
            ::zeileLesen(l.datei, nullptr, 0);
            return Gelesen::Fehler;            // a stop
        }
    }
    ::zeileLesen(l.datei, nullptr, 0);
    if (l.keinSkript) {
        melden(meldungFormatieren(1241, s.pfad.c_str(), l.unbekannt));
        return Gelesen::KeinSkript;
    }
    sep = l.sep;
    werte = std::move(l.ladewerte);
    if (skriptStatus != skriptBit::LadeFehler && l.ebene > 0) {
        melden(meldungFormatieren(875, l.ebene, l.ebene));
        skriptStatus = skriptBit::LadeFehler;
    }
    if (skriptStatus != skriptBit::LadeFehler) {
        const long long gesamt = simulationenZaehlen(s.anweisungen);
        if (gesamt > INT_MAX) {
            melden(meldungFormatieren(872, INT_MAX));
            skriptStatus = skriptBit::LadeFehler;
        }
        s.gesamtSimulationen = static_cast<int>(std::min<long long>(gesamt, INT_MAX));
    }
    if (skriptStatus == skriptBit::LadeFehler) {
        if (l.fehlerZeile > 0)
            statusTeilSetzen(3, meldungFormatieren(870, l.fehlerZeile));
        melden(meldungFormatieren(1025, s.pfad.c_str()));
        return Gelesen::Fehler;
    }
    return endPruefungen(s) ? Gelesen::Geladen : Gelesen::Fehler;
}

// What reading a file changes outside the record and outside the values it sets once it
// has loaded (the run values, the remembered path): put back when the file is refused.
struct Aussenwerte {
    std::string letzteSkriptDatei = dateipfade.letzteSkriptDatei;
    SkriptLaufwerte laufwerte = skriptLaufwerte;

    void zurueck() const
    {
        dateipfade.letzteSkriptDatei = letzteSkriptDatei;
        skriptLaufwerte = laufwerte;
    }
};

// ---- the values a script sets at its load -------------------------------------------------------

// a field a load-time value names: a whole number, a float or a double; all null when the
// neuron is not there
struct Ladefeld {
    int* ganz = nullptr;
    uint32_t* wort = nullptr;
    float* einfach = nullptr;
    double* zahl = nullptr;
};
Ladefeld ladefeld(Ladewert::Feld feld, int nummer)
{
    AsciiExportEinstellungen& aus = asciiExportEinstellungen;
    switch (feld) {
    case Ladewert::ZeitDezimalstellen: return {&aus.zeitDezimalstellen};
    case Ladewert::Dezimalstellen: return {&aus.dezimalstellen};
    case Ladewert::Dezimalzeichen: return {&aus.dezimalzeichen};
    case Ladewert::StromSkalierung: return {nullptr, nullptr, nullptr, &aus.stromSkalierung};
    case Ladewert::MaxBin: return {nullptr, &maxBinDateiGroesse};
    case Ladewert::PspMessung: return {&pspMessungAktiv};
    default: break;
    }
    NeuronDaten* n = neuronNachNummer(nummer);
    if (!n)
        return {};
    switch (feld) {
    case Ladewert::PspModus: return {&n->pspModus};
    case Ladewert::InPsp: return {&n->inPsp};
    case Ladewert::PspMaximum: return {nullptr, nullptr, &n->pspMaximum};
    case Ladewert::PspMaximumZeit: return {nullptr, nullptr, &n->pspMaximumZeit};
    case Ladewert::PspSchwelle: return {nullptr, nullptr, &n->pspSchwelle};
    case Ladewert::ApZeiten: return {&n->apZeitenAufzeichnen};
    case Ladewert::Aufzeichnung: return {&n->aufzeichnungsModus};
    default: return {};
    }
}
// Every field's value fits a double exactly, so a value read back compares equal to the one
// set, and the one kept goes back as it was.
bool feldLesen(Ladewert::Feld feld, int nummer, double& w)
{
    const Ladefeld f = ladefeld(feld, nummer);
    if (f.ganz)
        w = *f.ganz;
    else if (f.wort)
        w = *f.wort;
    else if (f.einfach)
        w = static_cast<double>(*f.einfach);
    else if (f.zahl)
        w = *f.zahl;
    else
        return false;
    return true;
}
void feldSchreiben(Ladewert::Feld feld, int nummer, double w)
{
    const Ladefeld f = ladefeld(feld, nummer);
    if (f.ganz)
        *f.ganz = static_cast<int>(w);
    else if (f.wort)
        *f.wort = static_cast<uint32_t>(w);
    else if (f.einfach)
        *f.einfach = static_cast<float>(w);
    else if (f.zahl)
        *f.zahl = w;
}

// The values set, each kept first: the give-back puts a field's value before back only where
// the field still holds the script's, as the user may have set it since.
void ladewerteSetzen(SkriptLadewerte& l)
{
    AnalyseWaechter& w = l.waechter;
    w.beginnen();
    for (size_t i = 0; i < l.werte.size(); ++i) {
        Ladewert& e = l.werte[i];
        double alt = 0.0;
        if (!feldLesen(e.feld, e.neuron, alt))
            continue;
        const Ladewert::Feld feld = e.feld;
        const int nummer = e.neuron;
        const double neu = e.wert;
        // the settings of the program go back whatever network is open; the neurons' fields
        // and the file size limit, which the network's file holds, into the network they came from
        const bool ansNetz = nummer != 0 || feld == Ladewert::MaxBin;
        e.zurueckgegeben = false;
        w.behalten({feld, nummer, 0, 0}, [&l, i, feld, nummer, neu, alt] {
            double jetzt = 0.0;
            if (feldLesen(feld, nummer, jetzt) && jetzt == neu) {
                feldSchreiben(feld, nummer, alt);
                l.werte[i].zurueckgegeben = true;
            }
        }, ansNetz);
        feldSchreiben(feld, nummer, neu);
    }
}

// one value per field, the last one read, in the order of the fields' first appearance
std::vector<Ladewert> letzteWerte(const std::vector<Ladewert>& gelesen)
{
    std::vector<Ladewert> werte;
    for (const Ladewert& g : gelesen) {
        auto w = std::find_if(werte.begin(), werte.end(),
                              [&](const Ladewert& x) { return x.feld == g.feld && x.neuron == g.neuron; });
        if (w == werte.end())
            werte.push_back(g);
        else
            w->wert = g.wert;
    }
    return werte;
}

// the run's own reload after its end: the user saw the script's notices when it was loaded
bool nachLaufLaden = false;

} // namespace

// The file is read into a record of its own and replaces the script loaded before only
// when it loads. A refused file (one with a fault, one that is no script, one that is not
// there or cannot be read) leaves that script, its path, the status and the settings the
// loader touches as they were. A cancelled choice releases the script, as the user asked
// for another.
int skriptLaden(Skript& s)
{
    const uint32_t vorher = skriptStatus;
    const auto ohneDatei = [&]() {
        skriptStatus = vorher & ~skriptBit::DateiAusSkriptLaden;
        return 0;
    };
    std::string pfad;
    // a cancelled chooser loads nothing and takes nothing away: the script loaded before
    // stays, and with it the result data the evaluation took it from
    if (!dateiWaehlen(s, pfad))
        return ohneDatei();
    std::FILE* f = plattform::dateiOeffnen(pfad, "rb");
    if (!f) {
        melden(meldungFormatieren(73, pfad));
        return ohneDatei();
    }
    std::vector<char> puffer;
    char block[4096];
    for (size_t n; (n = std::fread(block, 1, sizeof block, f)) > 0;)
        puffer.insert(puffer.end(), block, block + n);
    std::fclose(f);
    // a script is text: a file with zero bytes is something else, refused with one notice
    // instead of a box for each of its would-be keywords
    const bool binaer = std::find(puffer.begin(), puffer.end(), '\0') != puffer.end();
    puffer.resize(puffer.size() + 64, '\0');

    const Aussenwerte aussen;
    dateipfade.letzteSkriptDatei = pfad;
    const uint32_t behalten = skriptStatus & (skriptBit::AuswertungLaedt | skriptBit::AuswertungsModus);
    Skript neu;
    neu.pfad = pfad;
    skriptLaufwerte = {};
    skriptStatus = behalten;
    Gelesen gelesen = Gelesen::KeinSkript;
    bool sep = false;
    std::vector<Ladewert> ladewerte;
    if (binaer) {
        melden(meldungFormatieren(1189, pfad));
    } else {
        try {
            gelesen = lesen(neu, puffer, sep, ladewerte);
        } catch (const std::bad_alloc&) {
            skriptFreigeben(s);
            endeMelden(EndeForm::Info, meldungsTexte[1026]);
            return 0;
        }
    }
    if (gelesen != Gelesen::Geladen) {
        aussen.zurueck();
        return ohneDatei();
    }
    // the script loaded before gives back what its load set (its record goes here), before
    // this one sets its own; the run's reload sets nothing again: the run carries over what
    // the first load kept
    s = std::move(neu);
    if (!nachLaufLaden) {
        s.ladewerte = std::make_shared<SkriptLadewerte>();
        s.ladewerte->werte = letzteWerte(ladewerte);
        ladewerteSetzen(*s.ladewerte);
    }
    // every neuron's diagram afresh, as a run of the script will fill it
    for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron) {
        diagrammLayoutBerechnen(n, &n->hauptDiagramm, 0);
        kurvenVorbereiten(&n->hauptDiagramm, -1);
    }
    // the equilibrium potential is the synapse type's: the tables document SEP values no run used
    if (sep && !nachLaufLaden)
        melden(meldungFormatieren(1242, pfad));
    abschlussMelden(s);
    skriptStatus = (skriptStatus & ~skriptBit::LadeFehler) | skriptBit::Geladen;
    return 1;
}

int skriptNachLaufLaden(Skript& s)
{
    skriptStatus |= skriptBit::DateiAusSkriptLaden;
    nachLaufLaden = true;
    const int geladen = skriptLaden(s);
    nachLaufLaden = false;
    return geladen;
}

void skriptLadewerteZurueckgeben(Skript& s)
{
    if (s.ladewerte)
        s.ladewerte->waechter.zurueckgeben();
}

bool skriptLadewerteGesetzt(const Skript& s) { return s.ladewerte && !s.ladewerte->waechter.leer(); }

void skriptLadewerteWiederSetzen(Skript& s)
{
    if (!s.ladewerte || !s.ladewerte->waechter.leer())
        return;
    // only what went back: a field the user set since the load keeps the user's value
    SkriptLadewerte& l = *s.ladewerte;
    std::vector<Ladewert> alle = std::move(l.werte);
    l.werte.clear();
    for (const Ladewert& w : alle)
        if (w.zurueckgegeben)
            l.werte.push_back(w);
    ladewerteSetzen(l);
}
