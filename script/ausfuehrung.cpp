// script/ausfuehrung.cpp - runs the loaded script: start, the walk over its statements, the end
//
// The walk applies each statement to the network and starts a simulation at every SIM and
// at every pass through the WIEDERHOLEN of a loop that holds no further loop (subject to
// the selection of simulation numbers). Targets are looked up when a statement is applied,
// so a neuron or synapse that went away since the load ends the walk with a message
// instead of writing into freed memory. A run is an analysis: whatever it changes (its
// statements' values, the marks and curves of its result neurons, the switches it sets) is
// kept in its guard and given back at the end, however the run ends. Then the script is
// released and loaded again, so every value it changed in its own record starts fresh for
// the next run; the reload sets none of the load's values again over the user's.
#include "script/ausfuehrung.h"
#include "script/interaktiv.h"
#include "script/anweisungsbericht.h"
#include "script/skriptfelder.h"
#include "script/lader.h"
#include "core/rahmen.h"
#include "core/skriptwerte.h"
#include "core/status.h"
#include "files/netzdatei.h"
#include "model/anzeigeeinstellungen.h"
#include "model/entgleisung.h"
#include "model/ergebnisdateien.h"
#include "model/kanalzeiger.h"
#include "model/kurven.h"
#include "model/laufstart.h"
#include "model/netz.h"
#include "model/neuron.h"
#include "model/parameter.h"
#include "model/simulationsparameter.h"
#include "model/skript.h"
#include "model/skriptzeit.h"
#include "model/stromreiz.h"
#include "model/synapse.h"
#include "model/undo.h"
#include "platform/box.h"
#include "platform/fenster.h"
#include "platform/pfad.h"
#include "platform/system.h"
#include "resources/befehle.h"
#include "texts/texte.h"
#include <algorithm>
#include <cerrno>
#include <cmath>
#include <filesystem>

void (*skriptLaufHaken)() = nullptr;

namespace {

constexpr Anweisungscode c(const char* wort) { return anweisungscode(wort); }
const char* const logName = skriptLogName;

enum class Ende { Weiter, Fertig, Abgebrochen };

// the script the run writes its EPSP rows for
Skript* laufendesSkript = nullptr;

void epspZeileSchreiben()
{
    if (!laufendesSkript)
        return;
    Skript& s = *laufendesSkript;
    s.epspAmplituden = skriptLaufwerte.epspAmplituden;
    s.epspAnzahl = skriptLaufwerte.epspIndex;
    epspDateiErzeugen(s, 1);
}

struct Lauf {
    Skript& s;
    std::FILE* log = nullptr;
    // what the statements set, as it was; given back at the end, however the run ends
    Ausgangswerte alt;
    int verfeinerungen = 0;
    // the channel chosen last, by number: a simulation between the choice and its use may
    // let the user delete the neuron or its channels
    int kanalNeuron = 0;
    int standardKanal = 0;
    int benutzerKanal = 0;              // position in the neuron's list, 0 none
    bool tauFehler = false;             // the last BUP found a tau product of 0 or less
    double startZeit = 0.0;

    explicit Lauf(Skript& skript) : s(skript) {}
    ~Lauf() { alt.zurueckgeben(); }
    Lauf(const Lauf&) = delete;
    Lauf& operator=(const Lauf&) = delete;
};

// the log's path as the notices name it: it lies in the working folder
std::string logPfad()
{
    std::error_code fehler;
    const std::filesystem::path p = std::filesystem::absolute(logName, fehler);
    return fehler ? std::string(logName) : p.string();
}

// A line of the log, on the disk at once: a log the disk did not take is closed and named
// in a notice, and the run stops at its next simulation.
void logZeile(Skript& s, std::FILE*& log, const std::string& text)
{
    if (!log)
        return;
    errno = 0;
    if (std::fputs(text.c_str(), log) >= 0 && std::fputs("\r\n", log) >= 0 && std::fflush(log) == 0)
        return;
    const int grund = errno;
    std::fclose(log);
    log = nullptr;
    skriptAusgabeFehler(s, logPfad(), grund);
}
void logZeile(Lauf& l, const std::string& text) { logZeile(l.s, l.log, text); }

std::string zeitText()
{
    char puffer[32];
    return datumFormatieren(nullptr, puffer, 5);
}

// The question box over a header line, a report or a simulation: false on Cancel. No
// switches the messages off for the rest of the run.
bool weiterFragen(const std::string& text)
{
    if (!skriptMeldungenAnzeigen)
        return true;
    const int a = plattform::meldungsBox(fensterhandles.hauptfenster, text + meldungsTexte[1115], "SysInfo",
                                         plattform::knoepfe::JaNeinAbbrechen | plattform::symbol::Frage);
    if (a == plattform::antwort::Nein)
        skriptMeldungenAnzeigen = 0;
    return a != plattform::antwort::Abbrechen;
}

// a header line: into the log and offered in the question box; false when the log failed
bool kopfzeile(Lauf& l, const std::string& text)
{
    logZeile(l, text);
    return l.log && weiterFragen(text);
}
// the same where the box names an unnamed neuron by its number and the log by its stored name
bool kopfzeile(Lauf& l, const std::string& text, const std::string& frage)
{
    logZeile(l, text);
    return l.log && weiterFragen(frage);
}

void statusLaeuft()
{
    statusTeilSetzen(0, meldungsTexte[1104]);
    statusTeilSetzen(1, "");
    plattform::nachrichtenVerarbeiten();
}

// ---- the value of a statement ---------------------------------------------------------------

// A statement in a loop takes run x step + start; an optimised one keeps its value before
// the step for a refinement to restart from.
double schleifenWert(Skript& s, SkriptAnweisung& a, bool merken)
{
    const int ebene = a.schleifenEbene;
    if (ebene > 0 && ebene <= schleifenEbenen) {
        if (merken && a.optimieren)
            a.vorigerWert = a.wert;
        a.wert = static_cast<double>(s.schleifen[static_cast<size_t>(ebene)].lauf) * a.schritt + a.startWert;
    }
    return a.wert;
}

void dokumentieren(Skript& s, const SkriptAnweisung& a)
{
    if (a.dokuIndex <= 0 || static_cast<size_t>(a.dokuIndex) >= s.dokumentiert.size())
        return;
    ParameterEintrag& e = s.dokumentiert[static_cast<size_t>(a.dokuIndex)];
    if (a.istReal)
        e.wert = a.wert;
    else
        e.ganzzahl = a.ganzzahl;
}

// a target that is gone: the walk ends with a message
Ende zielFehlt(const SkriptAnweisung& a)
{
    char wort[4] = {};
    Anweisungscode code = a.code;
    for (int i = 0; i < 3 && code > 0; ++i, code /= 27)
        wort[i] = static_cast<char>('A' - 1 + static_cast<int>(code % 27));
    plattform::hinweisBox(meldungFormatieren(1121, wort, a.neuronNummer, a.ziel));
    return Ende::Abgebrochen;
}

// A neuron the script keeps by number (result, rating, evaluation, snapshot): null after
// the message naming its number when the user deleted it since the load.
NeuronDaten* skriptNeuron(int nummer)
{
    NeuronDaten* n = neuronNachNummer(nummer);
    if (!n)
        plattform::hinweisBox(meldungFormatieren(1188, nummer));
    return n;
}

// every neuron the script keeps is still there; false after the message for the first gone
bool skriptNeuroneVorhanden(const Skript& s)
{
    for (const Ergebnisneuron& e : s.ergebnisneurone)
        if (!skriptNeuron(e.nummer))
            return false;
    for (int nummer : {s.auswertungsNeuron, s.bewertungsNeuron, s.bmpFlag ? s.bmpNeuron : 0})
        if (nummer != 0 && !skriptNeuron(nummer))
            return false;
    return true;
}

// ---- statement actions ----------------------------------------------------------------------

Ende neuronWert(Lauf& l, SkriptAnweisung& a)
{
    NeuronDaten* n = neuronNachNummer(a.neuronNummer);
    if (!n)
        return zielFehlt(a);
    const double w = schleifenWert(l.s, a, true);
    const ParameterFelder f = neuronFelder(a.code);
    for (int feld : {f.erstes, f.zweites})
        if (feld >= 0) {
            l.alt.parameter(n->nummer, feld);
            n->parameter[static_cast<size_t>(feld)] = w;
        }
    dokumentieren(l.s, a);
    return Ende::Weiter;
}

Ende reizWert(Lauf& l, SkriptAnweisung& a)
{
    NeuronDaten* n = neuronNachNummer(a.neuronNummer);
    if (!n || a.ziel < 1 || a.ziel > reizDefinitionen)
        return zielFehlt(a);
    StromreizDefinition& r = n->stromreize[static_cast<size_t>(a.ziel) - 1];
    const double w = a.istReal ? schleifenWert(l.s, a, true) : 0.0;
    l.alt.reiz(n->nummer, a.ziel, a.code);
    reizFeldSetzen(r, a.code, w, a.ganzzahl);
    dokumentieren(l.s, a);
    return Ende::Weiter;
}

Ende reizAktualisieren(Lauf& l, const SkriptAnweisung& a)
{
    NeuronDaten* n = neuronNachNummer(a.neuronNummer);
    if (!n || a.ziel < 1 || a.ziel > reizDefinitionen)
        return zielFehlt(a);
    StromreizDefinition& r = n->stromreize[static_cast<size_t>(a.ziel) - 1];
    if (!stromreizBeendet(r, l.s.dauer)) {
        plattform::hinweisBox(meldungsTexte[1107]);
        return Ende::Abgebrochen;
    }
    if (r.beginn <= 0.0) {
        l.alt.reiz(n->nummer, a.ziel, c("RBE"));
        r.beginn = reizSchrittweite;
        const std::string frage = meldungFormatieren(1108, neuronAnzeigename(*n), textFeldHolen(meldungsTexte[979], a.ziel), r.beginn);
        if (plattform::meldungsBox(fensterhandles.hauptfenster, frage, "SysInfo",
                                   plattform::knoepfe::JaNein | plattform::symbol::Frage) != plattform::antwort::Ja)
            return Ende::Abgebrochen;
    }
    l.alt.reizTabelle(n->nummer, a.ziel - 1);
    stromreizKurveErzeugen(*n, a.ziel - 1);
    return Ende::Weiter;
}

Ende kanalWaehlen(Lauf& l, const SkriptAnweisung& a)
{
    NeuronDaten* n = neuronNachNummer(a.neuronNummer);
    if (!n)
        return zielFehlt(a);
    if (a.code == c("KAN")) {
        if (!standardKanalBekannt(a.ziel)) {
            plattform::hinweisBox(meldungFormatieren(1105, neuronAnzeigename(*n), a.ziel));
            return Ende::Abgebrochen;
        }
        l.kanalNeuron = n->nummer;
        l.standardKanal = a.ziel;
        l.benutzerKanal = 0;
        return Ende::Weiter;
    }
    if (!benutzerKanalNummer(*n, a.ziel)) {
        plattform::hinweisBox(meldungFormatieren(1106, neuronAnzeigename(*n), a.ziel));
        return Ende::Abgebrochen;
    }
    l.kanalNeuron = n->nummer;
    l.benutzerKanal = a.ziel;
    return Ende::Weiter;
}

Ende kanalWert(Lauf& l, SkriptAnweisung& a)
{
    // the gate statements never keep a value to restart from
    const bool tor = a.code == c("INI") || a.code == c("POW") || a.code == c("RCA") || a.code == c("HMA") ||
                     a.code == c("SWA") || a.code == c("RCB") || a.code == c("HMB") || a.code == c("SWB");
    NeuronDaten* n = neuronNachNummer(a.neuronNummer);
    // the channel chosen last must still be the statement's own
    if (!n || n->nummer != l.kanalNeuron)
        return zielFehlt(a);
    const double w = schleifenWert(l.s, a, !tor);
    if (a.zielArt == zielArt::Benutzerkanal) {
        BenutzerKanal* k = l.benutzerKanal ? benutzerKanalNummer(*n, l.benutzerKanal) : nullptr;
        if (!k)
            return zielFehlt(a);
        l.alt.benutzerKanal(n->nummer, l.benutzerKanal, a.code);
        benutzerKanalFeld(*k, a.code) = w;
    } else {
        const int feld = standardKanalFeld(l.standardKanal, a.code);
        if (feld < 0)
            return zielFehlt(a);
        l.alt.parameter(n->nummer, feld);
        n->parameter[static_cast<size_t>(feld)] = w;
    }
    dokumentieren(l.s, a);
    return Ende::Weiter;
}

Ende synapsenWert(Lauf& l, SkriptAnweisung& a)
{
    SynapseDaten* syn = synapseNachId(a.ziel);
    if (!syn)
        return zielFehlt(a);
    if (a.code == c("BAH") || a.code == c("DEP") || a.code == c("FAZ"))
        return Ende::Weiter;
    const double w = schleifenWert(l.s, a, true);
    l.alt.synapse(syn->id, a.code);
    if (!synapsenFeldSetzen(*syn, a.code, w))
        if (double* f = bahnungsFeld(syn->bahnung, a.code))
            *f = w;
    dokumentieren(l.s, a);
    return Ende::Weiter;
}

// facilitation and depression from their rise amplitudes and levels
void bahnungAbleiten(Bahnung& b)
{
    b.b[0] = 1.0 - b.a[0];
    b.a[1] = b.b[0] - b.b[1];
    b.a[2] = b.b[3] - b.b[2];
    b.a[3] = -b.a[2];
}

Ende bahnungAktualisieren(Lauf& l, const SkriptAnweisung& a)
{
    SynapseDaten* syn = synapseNachId(a.ziel);
    if (!syn)
        return zielFehlt(a);
    l.alt.synapsenAbleitung(syn->id);
    Bahnung& b = syn->bahnung;
    b.kurvenZeit = {};
    bahnungAbleiten(b);
    // the values stay as computed; the report says that the time constants cannot work
    const bool fazilitation = b.art == bahnungsArt::Fazilitation;
    l.tauFehler = !(fazilitation ? b.tau[0] * b.tau[1] > 0.0 : b.tau[2] * b.tau[3] > 0.0);
    return Ende::Weiter;
}

// ---- loops and the simulation point -----------------------------------------------------------

// index of the SCHLEIFE of a level, or -1 when the level has not been entered
int schleifenAnweisung(const Skript& s, int ebene)
{
    if (ebene < 1 || ebene > schleifenEbenen || s.schleifen[static_cast<size_t>(ebene)].anzahl <= 0)
        return -1;
    return s.schleifen[static_cast<size_t>(ebene)].anweisung;
}

// a simulation of the walk: the counter advances before it starts, the writers only read it
Ende simulieren(Lauf& l, int i)
{
    ++l.s.aktuelleSimulation;
    ++l.s.gelaufen;
    SkriptLaufwerte& w = skriptLaufwerte;
    w.lauf = l.s.aktuelleSimulation - 1;
    w.auswahlIndex = l.s.listenIndex;
    w.fortsetzenBei = l.s.fortsetzenBei;
    return skriptSimulationStarten(l.s, i, l.log) ? Ende::Weiter : Ende::Abgebrochen;
}

// the selection of simulation numbers at a WIEDERHOLEN
Ende simulationsPunkt(Lauf& l, int i)
{
    Skript& s = l.s;
    const int naechste = s.aktuelleSimulation + 1;
    if (skriptStatus & skriptBit::Fortsetzen) {
        if (naechste < s.fortsetzenBei) {
            ++s.aktuelleSimulation;
            return Ende::Weiter;
        }
        const Ende e = simulieren(l, i);
        if (e == Ende::Weiter)
            skriptStatus &= ~skriptBit::Fortsetzen;
        return e;
    }
    if (s.auswahlModus <= 0)
        return simulieren(l, i);
    bool laufen = false, erste = false;
    if (s.auswahlModus == 1) {
        // a used-up list skips every later simulation, counting it
        laufen = s.listenIndex < static_cast<int>(s.liste.size()) &&
                 s.liste[static_cast<size_t>(s.listenIndex)] == naechste;
        if (laufen)
            erste = s.listenIndex++ == 0;
    } else {
        laufen = s.bereichStart - 1 <= s.aktuelleSimulation && s.aktuelleSimulation <= s.bereichEnde - 1;
        erste = s.aktuelleSimulation == s.bereichStart - 1;
    }
    if (!laufen) {
        ++s.aktuelleSimulation;
        return Ende::Weiter;
    }
    if (erste) {
        statusLaeuft();
        l.startZeit = skriptLaufwerte.startZeit = plattform::uhrSekunden();
        skriptLaufwerte.ersterLauf = s.aktuelleSimulation;
    }
    return simulieren(l, i);
}

// the conditional loop after a simulation at the WIEDERHOLEN of level L: true when the walk
// restarts at the SCHLEIFE of level 1 (i set there)
bool bedingteSchleife(Lauf& l, int& i, int ebene, Ende& ende)
{
    Skript& s = l.s;
    if (s.zielModus == 0 || s.optimiertAnzahl <= 0)
        return false;
    if (s.zielModus == 2) {
        plattform::hinweisBox(meldungsTexte[1111]);
        ende = Ende::Abgebrochen;
        return false;
    }
    NeuronDaten* n = skriptNeuron(s.bewertungsNeuron);
    if (!n) {
        ende = Ende::Abgebrochen;
        return false;
    }
    if (n->apAnzahl < s.zielSpikes)
        return false;
    if (s.schleifen[static_cast<size_t>(ebene)].lauf == 0) {
        plattform::hinweisBox(meldungFormatieren(1110, s.zielSpikes));
        ende = Ende::Abgebrochen;
        return false;
    }
    n->apAnzahl = 0;
    if (++l.verfeinerungen > s.bedingtRunden) {
        ende = Ende::Abgebrochen;
        return false;
    }
    const int erste = schleifenAnweisung(s, 1);
    if (erste < 0)
        return false;
    for (int k = erste; k <= i; ++k) {
        SkriptAnweisung& a = s.anweisungen[static_cast<size_t>(k)];
        if (a.optimieren) {
            a.schritt /= 10.0;
            a.startWert = a.vorigerWert;
        }
    }
    for (int e = 1; e <= ebene; ++e)
        s.schleifen[static_cast<size_t>(e)].lauf = 0;
    i = erste;
    return true;
}

Ende wiederholen(Lauf& l, int& i)
{
    Skript& s = l.s;
    const SkriptAnweisung& w = s.anweisungen[static_cast<size_t>(i)];
    const int ebene = w.schleifenEbene;
    if (ebene < 1 || ebene > schleifenEbenen)
        return Ende::Weiter;
    // simulations start at a loop that holds no further loop
    bool innen = false;
    for (int k = w.ziel + 1; k < i && !innen; ++k)
        innen = s.anweisungen[static_cast<size_t>(k)].code == c("SCHLEIFE");
    if (!innen) {
        const Ende e = simulationsPunkt(l, i);
        if (e != Ende::Weiter)
            return e;
        // a slot changed in the interactive window starts the loops afresh with their first pass
        if ((skriptStatus & skriptBit::InteraktiveAusfuehrung) && interaktivNachSimulation(s, i))
            return Ende::Weiter;
        Ende bedingt = Ende::Weiter;
        if (bedingteSchleife(l, i, ebene, bedingt))
            return Ende::Weiter;   // the first pass of the restart has run 0
        if (bedingt != Ende::Weiter)
            return bedingt;
    }
    Skript::Schleife& sch = s.schleifen[static_cast<size_t>(ebene)];
    if (++sch.lauf < sch.anzahl) {
        i = sch.anweisung;
        return Ende::Weiter;
    }
    sch.lauf = 0;
    return Ende::Weiter;
}

Ende aktionAusfuehren(Lauf& l, int& i)
{
    Skript& s = l.s;
    SkriptAnweisung& a = s.anweisungen[static_cast<size_t>(i)];
    switch (a.code) {
    case c("SCHLEIFE"):
        if (a.schleifenEbene >= 1 && a.schleifenEbene <= schleifenEbenen)
            s.schleifen[static_cast<size_t>(a.schleifenEbene)] = {a.ganzzahl, 0, i};
        return Ende::Weiter;
    case c("WIEDERHOLEN"): return wiederholen(l, i);
    case c("SIM"): return simulieren(l, i);
    case c("NUM"): case c("FMI"): case c("NEU"): case c("SYN"): case c("RZI"):
        return Ende::Weiter;
    case c("KAN"): case c("BKA"): return kanalWaehlen(l, a);
    case c("RUP"): return reizAktualisieren(l, a);
    case c("SUP"):
        l.alt.synapsenAbleitung(a.ziel);
        l.alt.poolSumme(a.ziel);
        return synapseNachIdSuchen(s, a.ziel) ? Ende::Weiter : Ende::Abgebrochen;
    case c("BUP"): return bahnungAktualisieren(l, a);
    case c("SRU"): case c("DRU"): case c("SKA"): case c("DKA"): case c("LLE"): return neuronWert(l, a);
    case c("RBE"): case c("RAN"): case c("RAB"): case c("RDA"): case c("REN"): case c("RPE"): case c("RAM"):
    case c("RPA"): case c("RWI"): case c("RAL"): case c("RAR"): case c("REI"):
        return reizWert(l, a);
    case c("INI"): case c("POW"): case c("RCA"): case c("HMA"): case c("SWA"): case c("RCB"): case c("HMB"):
    case c("SWB"): case c("EPO"): case c("LEI"):
        return kanalWert(l, a);
    case c("DEL"): case c("SEP"): case c("SLE"): case c("TRT"): case c("TRS"): case c("TSC"): case c("TKR"):
    case c("TFA"): case c("THA"): case c("THB"): case c("TRA"): case c("TRB"): case c("TSA"): case c("TSB"):
    case c("TNF"): case c("TBF"): case c("TND"): case c("TBD"): case c("ANF"): case c("ABF"): case c("AND"):
    case c("ABD"): case c("BNF"): case c("BBF"): case c("BND"): case c("BBD"): case c("BAH"): case c("DEP"):
    case c("FAZ"):
        return synapsenWert(l, a);
    default:
        // no action of its own: the report names the code and the walk goes on
        return Ende::Weiter;
    }
}

// The statement's action, then its report: with statement logging on it goes to the log
// and into the question box, whose Cancel ends the walk.
Ende anweisungAusfuehren(Lauf& l, int& i)
{
    const size_t k = static_cast<size_t>(i);
    l.tauFehler = false;
    const Ende e = aktionAusfuehren(l, i);
    if (e != Ende::Weiter)
        return e;
    if (l.tauFehler)
        bahnungsTauBerichtBilden();
    else
        anweisungsBerichtBilden(l.s, l.s.anweisungen[k], l.standardKanal);
    if (!l.s.anweisungenProtokollieren || meldungsPuffer.empty())
        return Ende::Weiter;
    const std::string bericht = meldungsPuffer;
    logZeile(l, bericht);
    // the box names an unnamed neuron by its number; the buffer keeps the log's wording
    if (!l.tauFehler)
        anweisungsBerichtBilden(l.s, l.s.anweisungen[k], l.standardKanal, true);
    const std::string frage = meldungsPuffer;
    meldungsPuffer = bericht;
    return weiterFragen(frage) ? Ende::Weiter : Ende::Abgebrochen;
}

// ---- start ------------------------------------------------------------------------------------

bool ergebnisneuroneVorbereiten(Lauf& l)
{
    Skript& s = l.s;
    if (!(s.auswertung & auswertungsBit::Ergebnisneuron)) {
        if (markierteNeurone.anzahl() == 0) {
            plattform::hinweisBox(meldungsTexte[1099]);
            return false;
        }
        if (plattform::meldungsBox(fensterhandles.hauptfenster, meldungFormatieren(1097, markierteNeurone.anzahl()),
                                   "SysInfo", plattform::knoepfe::JaNein | plattform::symbol::Frage) !=
            plattform::antwort::Ja)
            return false;
        s.ergebnisneurone.clear();
        for (NeuronDaten* n : markierteNeurone.liste) {
            Ergebnisneuron e;
            e.nummer = n->nummer;
            e.kurvenAnzahl = 1;
            e.kurven[0] = 1;
            if (s.ergebnisArt == ergebnisArt::ApZeiten) {
                l.alt.neuronMarken(n->nummer);
                n->apZeitenAufzeichnen |= 1;
                e.kurven = {};
            }
            s.ergebnisneurone.push_back(e);
            logZeile(l, meldungFormatieren(1098, n->name));
        }
    } else if (s.ergebnisArt == ergebnisArt::ApZeiten && !s.ergebnisneurone.empty()) {
        Ergebnisneuron& e = s.ergebnisneurone.front();
        NeuronDaten* n = skriptNeuron(e.nummer);
        if (!n)
            return false;
        l.alt.neuronMarken(n->nummer);
        n->apZeitenAufzeichnen |= 1;
        e.kurvenAnzahl = 1;
        e.kurven = {};
    } else if (s.ergebnisArt == ergebnisArt::Werte) {
        for (Ergebnisneuron& e : s.ergebnisneurone) {
            if (e.kurvenAnzahl == 0) {
                e.kurven[0] = 1;
                e.kurvenAnzahl = 1;
            }
            NeuronDaten* n = skriptNeuron(e.nummer);
            if (!n)
                return false;
            if (!n->hauptDiagramm.fenster)
                rahmen::diagrammFensterOeffnen(n);
            logZeile(l, meldungFormatieren(1100, e.kurvenAnzahl, n->name));
            DiagrammDaten& d = n->hauptDiagramm;
            for (size_t k = 0; k < e.kurven.size() && k < d.kurven.size(); ++k) {
                if (!e.kurven[k] || d.kurven[k].anzeigen)
                    continue;
                l.alt.kurve(n->nummer, static_cast<int>(k));
                d.kurven[k].anzeigen = 1;
                kurvenVorbereiten(&d, static_cast<int>(k));
                logZeile(l, meldungFormatieren(1101, d.kurven[k].bezeichnung, static_cast<int>(k) + 1, n->name));
            }
        }
    }
    return true;
}

// the ASCII value export of the result neurons' curves 1..8
bool werteExportVorbereiten(Lauf& l)
{
    Skript& s = l.s;
    // the user's switch serves the run's own export only: it comes back when the run ends
    l.alt.programmSchalter(programmBit::WerteExportieren);
    if (!(s.ergebnisBits & ergebnisBit::Werte)) {
        programmStatus &= ~programmBit::WerteExportieren;
        return true;
    }
    l.alt.skriptSchalter(skriptBit::AsciiWerte);
    skriptStatus |= skriptBit::AsciiWerte;
    programmStatus |= programmBit::WerteExportieren;
    static const int bits[8] = {0x1, 0x10, 0x20, 0x40, 0x80, 0x2, 0x4, 0x8};
    for (Ergebnisneuron& e : s.ergebnisneurone) {
        NeuronDaten* n = skriptNeuron(e.nummer);
        if (!n)
            return false;
        l.alt.neuronMarken(n->nummer);
        n->exportMaske = 0;
        for (size_t k = 0; k < e.kurven.size(); ++k) {
            if (!e.kurven[k])
                continue;
            if (k >= 8) {
                plattform::hinweisBox(meldungsTexte[1070]);
                return false;
            }
            n->exportMaske |= bits[k];
        }
    }
    return true;
}

// the header lines; false on Cancel in a question box
bool kopfSchreiben(Lauf& l)
{
    Skript& s = l.s;
    if (!kopfzeile(l, meldungFormatieren(1072, s.guiName)))
        return false;
    if (!skriptMeldungenAnzeigen) {
        std::string text;
        if (s.auswahlModus == 1)
            text = meldungFormatieren(1075, static_cast<int>(s.liste.size()));
        else if (s.auswahlModus >= 2)
            text = meldungFormatieren(1076, s.auswahlModus, s.bereichStart, s.bereichEnde);
        else
            text = meldungFormatieren(1074, s.gesamtSimulationen);
        rahmen::anzeigeboxZeigen(meldungsTexte[1073], text);
    }
    if (!s.pmtName.empty() && !kopfzeile(l, meldungFormatieren(1077, s.pmtName)))
        return false;
    if (!kopfzeile(l, meldungFormatieren(1078, s.dauer)) || !kopfzeile(l, meldungFormatieren(1079, s.schrittweite)))
        return false;
    std::string anzahl;
    if (s.auswahlModus == 1) {
        anzahl = meldungFormatieren(1081, static_cast<int>(s.liste.size()));
        s.listenIndex = 0;
    } else if (s.auswahlModus >= 2) {
        anzahl = meldungFormatieren(1082, s.auswahlModus, s.bereichStart, s.bereichEnde);
    } else {
        anzahl = meldungFormatieren(1080, s.gesamtSimulationen);
    }
    if (!kopfzeile(l, anzahl))
        return false;
    // the loader's switch: 1 computes electrical synapses without delay
    if (!kopfzeile(l, meldungsTexte[s.elSynapsenSchalter == 1 ? 1084 : 1083]))
        return false;
    const int art = s.ergebnisArt == ergebnisArt::Werte ? 1085 : s.ergebnisArt == ergebnisArt::Epsp ? 1087 : 1086;
    if (!kopfzeile(l, meldungsTexte[art]))
        return false;
    const bool bewertet = s.auswertung & auswertungsBit::An;
    if (!kopfzeile(l, meldungsTexte[bewertet ? 1088 : 1089]))
        return false;
    if (bewertet && s.auswertungsNeuron) {
        NeuronDaten* n = skriptNeuron(s.auswertungsNeuron);
        if (!n)
            return false;
        const std::string name = n->name, anzeige = neuronAnzeigename(*n);
        const auto neuronZeile = [&](auto... vorn) {
            const std::string text = meldungFormatieren(vorn..., name);
            return kopfzeile(l, text, meldungFormatieren(vorn..., anzeige));
        };
        const int k = s.klassenAnzahl;
        const double von = s.klassen.empty() ? 0.0 : s.klassen.front().start;
        const double bis = k > 0 ? s.klassen[static_cast<size_t>(k) - 1].start : 0.0;
        if (!neuronZeile(1090) || !neuronZeile(1091, s.auswertungsKurve) ||
            !kopfzeile(l, meldungFormatieren(1092, k, von, bis)))
            return false;
        for (int nr : {1093, 1094, 1095, 1096})
            if (!kopfzeile(l, meldungFormatieren(nr, k)))
                return false;
        // a question box may have let the user delete it
        if (!(n = skriptNeuron(s.auswertungsNeuron)))
            return false;
        l.alt.neuronMarken(n->nummer);
        n->apZeitenAufzeichnen |= 1;
    }
    return true;
}

// ---- end --------------------------------------------------------------------------------------

// the result files closed; a table the disk did not take whole is named in a notice
void dateienSchliessen(Skript& s)
{
    ergebnisDateiSchliessen(s);
    const struct { std::FILE** datei; const std::string& pfad; } tabellen[] = {{&s.apDatei, s.apPfad},
                                                                                {&s.epspDatei, s.epspPfad}};
    for (const auto& t : tabellen)
        if (*t.datei) {
            const bool gut = std::fclose(*t.datei) == 0;
            *t.datei = nullptr;
            if (!gut)
                skriptAusgabeFehler(s, t.pfad, errno);
        }
    s.fortsetzenBei = 0;
    s.apZeilen = 0;
}

int beenden(Lauf& l, bool fertig)
{
    Skript& s = l.s;
    if (fertig)
        logZeile(l, meldungFormatieren(1117, zeitText(), s.pfad));
    else
        logZeile(l, meldungsTexte[1116]);
    dateienSchliessen(s);
    skriptLaufwerte.epspZeileSchreiben = nullptr;
    skriptLaufwerte.ergebnisArt = skriptErgebnisArt = 0;
    laufendesSkript = nullptr;
    if (l.log && std::fclose(l.log) != 0)
        skriptAusgabeFehler(s, logPfad(), errno);
    l.log = nullptr;
    // The network and the settings as they were before the run, in the same step as the run
    // ends, so that nothing (a save above all) takes the run's values for the user's.
    skriptStatus &= ~(skriptBit::Laeuft | skriptBit::Fortsetzen | skriptBit::Anhalten | skriptBit::Abbrechen);
    l.alt.zurueckgeben();
    einstellungenAktualisieren(nullptr, 0);
    const bool gespeichert = s.ausgabeFehler == 0;

    const double sekunden = std::clamp(plattform::uhrSekunden() - l.startZeit, 0.0, 1e15);
    const long long sek = static_cast<long long>(sekunden), min = sek / 60, std = min / 60;
    statusTeilSetzen(0, meldungsTexte[1118]);
    statusTeilSetzen(1, meldungFormatieren(1119, std, min - 60 * std, sek - 60 * min));
    statusTeilSetzen(3, meldungFormatieren(1120, s.gelaufen));
    s.aktuelleSimulation = 0;
    netzTitelZeigen();
    if (skriptStatus & skriptBit::InteraktiveAusfuehrung) {
        skriptStatus &= ~skriptBit::InteraktiveAusfuehrung;
        plattform::fensterZerstoeren(fensterhandles.interaktivFenster);
        fensterhandles.interaktivFenster = nullptr;
    }
    // the captured output window gets the script's own title back
    if (s.bmpFlag && !s.bmpTitel.empty())
        if (NeuronDaten* n = neuronNachNummer(s.bmpNeuron); n && plattform::istFenster(n->hauptDiagramm.fenster))
            plattform::titelSetzen(n->hauptDiagramm.fenster, s.bmpTitel);
    if (fensterhandles.hauptfenster) {
        plattform::vordergrundSetzen(fensterhandles.hauptfenster);
        if (fensterhandles.statusleiste) {
            plattform::ungueltigMachen(fensterhandles.statusleiste);
            plattform::neuZeichnen(fensterhandles.statusleiste);
        }
        plattform::ungueltigMachen(fensterhandles.hauptfenster);
        plattform::neuZeichnen(fensterhandles.hauptfenster);
    }
    entgleisteLaeufeMelden();

    // The record afresh for the next run. What the load set stays as the user has it now:
    // the reload sets none of it again, and the values the load kept go on with the script
    // (or back, with a reload that fails).
    std::shared_ptr<SkriptLadewerte> ladewerte = std::move(s.ladewerte);
    skriptFreigeben(s);
    if (!skriptNachLaufLaden(s)) {
        skriptFreigeben(s);
        return 0;
    }
    s.ladewerte = std::move(ladewerte);
    return gespeichert ? 1 : 0;
}

} // namespace

bool reizFeldSetzen(StromreizDefinition& r, Anweisungscode code, double w, int ganzzahl)
{
    const ReizFeld f = reizFeld(r, code);
    if (f.zahl)
        *f.zahl = w;
    else if (f.ganz)
        // the switches take their two values only
        *f.ganz = code == c("RWI") ? ganzzahl : code == c("RAR") ? (ganzzahl == 0 ? 0 : 1) : (ganzzahl == 1 ? 1 : 0);
    return f.zahl || f.ganz;
}

bool synapsenFeldSetzen(SynapseDaten& syn, Anweisungscode code, double w)
{
    if (code == c("SEP"))
        return true;   // the equilibrium potential is the synapse type's, shared by all its synapses
    if (code == c("SLE")) {
        if (syn.pool)
            syn.pool->gSumme += w - syn.initialLeitfaehigkeit;
        syn.initialLeitfaehigkeit = syn.leitfaehigkeit = w;
        return true;
    }
    double* f = synapsenFeld(syn, code);
    if (f)
        *f = w;
    return f != nullptr;
}

void skriptAusgabeFehler(Skript& s, const std::string& pfad, int grund)
{
    ++s.ausgabeFehler;
    // before the walk the start itself stops
    if (skriptStatus & skriptBit::Laeuft)
        skriptStatus |= skriptBit::Anhalten;
    plattform::hinweisBox(meldungFormatieren(1490, pfad, systemGrund(grund ? grund : EIO)));
}

// ---- one simulation ---------------------------------------------------------------------------

int skriptSimulationStarten(Skript& s, int, std::FILE*& log)
{
    plattform::nachrichtenVerarbeiten();
    if (skriptStatus & skriptBit::Anhalten) {
        skriptStatus &= ~skriptBit::Anhalten;
        return 0;
    }
    if (s.anweisungenProtokollieren)
        logZeile(s, log, meldungFormatieren(1137, zeitText()));
    // before each simulation the question box offers the last text formed
    if (!weiterFragen(std::string(meldungsPuffer)))
        return 0;
    if (skriptLaufHaken)
        skriptLaufHaken();
    else
        simulationStarten();
    if (skriptLaufwerte.dat)
        plattform::senden(fensterhandles.hauptfenster, plattform::nachricht::Befehl,
                          static_cast<uintptr_t>(befehlDatDateiSpeichernUnter));
    // what the run writes about comes by number: a neuron deleted meanwhile ends the walk
    if (!skriptNeuroneVorhanden(s))
        return 0;
    if (s.bmpFlag)
        ausgabefensterBmpSpeichern(&neuronNachNummer(s.bmpNeuron)->hauptDiagramm);
    if (s.auswertung & auswertungsBit::An && s.auswertungsNeuron) {
        const NeuronDaten* n = neuronNachNummer(s.auswertungsNeuron);
        logZeile(s, log, meldungFormatieren(1112, n->name, n->apAnzahl));
    }
    // results not saved: the next simulation ends the walk, and the run reports the failure
    const int gemeldet = s.ausgabeFehler;
    if (s.ergebnisArt != ergebnisArt::Epsp && !ergebnisSpeichern(s)) {
        // a notice that named the file and the reason says enough
        if (s.ausgabeFehler == gemeldet)
            plattform::hinweisBox(meldungFormatieren(1113, s.gesamtSimulationen));
        s.ausgabeFehler = std::max(s.ausgabeFehler, gemeldet + 1);
        skriptStatus |= skriptBit::Anhalten;
    }
    if (skriptStatus & skriptBit::Abbrechen) {
        skriptStatus &= ~skriptBit::Abbrechen;
        ergebnisDateiSchliessen(s);
        rahmen::anzeigeboxZeigen(meldungsTexte[1073], meldungsTexte[1114]);
        return 0;
    }
    return 1;
}

int ergebnisSpeichern(Skript& s)
{
    if (!(skriptStatus & skriptBit::Laeuft)) {
        ergebnisDateiSchliessen(s);
        return 1;
    }
    if (s.ergebnisBits & ergebnisBit::ApZeiten) {
        const int r = apZeitenDateiErzeugen(s, -1);
        if (!r) {
            s.apZeilen = 0;
            if (s.apDatei)
                std::fclose(s.apDatei);
            s.apDatei = nullptr;
            return r;
        }
    }
    if (!(s.ergebnisBits & ergebnisBit::Bin))
        return 1;
    return ergebnisBinSpeichern(s);
}

// ---- synapse rebuild --------------------------------------------------------------------------

int synapseNachIdSuchen(Skript&, int id)
{
    SynapseDaten* alt = synapseNachId(id);
    if (!alt)
        for (NeuronDaten* n = neuronKette.kopf; n && !alt; n = n->naechstesNeuron)
            for (SynapseDaten* x = n->ausgangsSynapsen; x && !alt; x = x->naechsteSynapse)
                if (x->id == id) {
                    alt = x;
                    synapsenTabelleSetzen(id, x);
                }
    NeuronDaten* ziel = alt ? neuronNachNummer(alt->zielNummer) : nullptr;
    if (!alt || !alt->quelle || !ziel) {
        // gone since the load: the walk ends, the program goes on
        plattform::hinweisBox(meldungsTexte[1109]);
        return 0;
    }
    const SynapseDaten kopie = *alt;
    NeuronDaten* quelle = alt->quelle;
    // only the rebuilt record goes: the one before it in the source's list stays
    SynapseDaten* vorgaenger = alt->vorigeSynapse;
    AxoKnoten* axo = synapseLoeschen(quelle, alt, 1);
    SynapseDaten* neu = synapseNeu(quelle, ziel, kopie.synapsenTyp, kopie.initialLeitfaehigkeit, kopie.verzoegerung,
                                   kopie.freisetzungsSchwelle, kopie.freisetzungsSaettigung, kopie.zielBereich,
                                   kopie.elternSynapse);
    if (!neu) {
        plattform::hinweisBox(meldungsTexte[1109]);
        return 0;
    }
    neu->id = id;
    synapsenTabelleSetzen(id, neu);
    // the rebuilt synapse keeps its place, so the network lists its synapses as before
    if (vorgaenger)
        synapseHinterStellen(*neu, *vorgaenger);
    if (axo)
        axoSynapsenUebernehmen(*neu, axo);
    // every setting of its own the file keeps
    neu->elektrischerTyp = kopie.elektrischerTyp;
    neu->ausgeschaltet = kopie.ausgeschaltet;
    neu->ausgeschalteteLeitfaehigkeit = kopie.ausgeschalteteLeitfaehigkeit;
    neu->gruppe = kopie.gruppe;
    neu->transmitter = kopie.transmitter;
    neu->bahnung = kopie.bahnung;
    neu->psp = kopie.psp;
    neu->psp.liste = nullptr;   // the old record's release episodes went with it
    neu->verzoegerungsfaktorAn = kopie.verzoegerungsfaktorAn;
    neu->verteilungsSchritte = kopie.verteilungsSchritte;
    neu->freisetzungszeit = kopie.freisetzungszeit;
    neu->gewichtungsfaktor = kopie.gewichtungsfaktor;
    // the derived values of the run
    const double schritt = simulationsParameter.schrittweite;
    if (neu->freisetzungszeit > 0.0 && schritt > 0.0) {
        neu->verteilungsSchritte = std::max(2, static_cast<int>(std::lround(neu->freisetzungszeit / schritt)));
        if (neu->gewichtungsfaktor == 0.0)
            neu->gewichtungsfaktor = 1.0;
    }
    Bahnung& b = neu->bahnung;
    if (b.an) {
        b.faktor = 1.0;
        b.kurvenZeit = {};
        bool vorgabe = false;
        const auto setzen = [&](double& w, double v) {
            if (w == 0.0) {
                w = v;
                vorgabe = true;
            }
        };
        setzen(b.a[0], -1.0);
        setzen(b.b[1], 1.0);
        setzen(b.b[2], 1.0);
        setzen(b.b[3], 1.0);
        if (vorgabe)
            bahnungAbleiten(b);
        for (double& t : b.tau)
            if (t == 0.0)
                t = 0.05;
    }
    return 1;
}

// ---- the whole run ----------------------------------------------------------------------------

bool skriptStartAbgelehnt()
{
    if (!(skriptStatus & (skriptBit::AuswertungsModus | skriptBit::AuswertungsdatenDa)))
        return false;
    plattform::hinweisBox(meldungsTexte[1219]);
    return true;
}

int skriptAusfuehren(Skript& s, int modus)
{
    if (s.gesamtSimulationen <= 0 || skriptStartAbgelehnt())
        return 0;
    if (modus != 1 && modus != 2) {
        plattform::hinweisBox(meldungsTexte[1069]);
        return 0;
    }
    // a neuron deleted since the load: nothing starts, the script stays loaded
    if (!skriptNeuroneVorhanden(s))
        return 0;
    if (modus == 2)
        skriptMeldungenAnzeigen = 1;
    undoListeLoeschen(undoListe);
    if (s.dauer <= 0.0)
        s.dauer = simulationsParameter.simulationsDauer;
    if (s.schrittweite == 0.0)
        s.schrittweite = simulationsParameter.schrittweite;
    // the network as the title names it: a network read from curve data has no file of its
    // own, and its log and result file name the file it came from
    s.guiName = netzTitel();
    if (!s.pmtName.empty())
        s.pmtName = dateipfade.permutationsDefinition;
    s.ausgabeFehler = 0;
    // from here on whatever the run changes goes back at its end, however it ends: also when
    // it never starts (a file chooser cancelled)
    Lauf l{s};
    l.alt.beginnen();
    // the result file embeds the network as the user has it, before the run marks anything
    s.bin.netzText.clear();
    if ((s.ergebnisBits & ergebnisBit::Bin) && modus == 1 && !netzDateiText(s.bin.netzText))
        return 0;
    if ((s.ergebnisBits & ergebnisBit::ApZeiten) && !apZeitenDateiErzeugen(s, 1))
        return 0;
    if (!werteExportVorbereiten(l)) {
        dateienSchliessen(s);
        return 0;
    }
    l.log = plattform::dateiOeffnen(logName, "wb");
    if (!l.log) {
        plattform::hinweisBox(meldungFormatieren(74, logName));
        dateienSchliessen(s);
        return 0;
    }
    l.startZeit = plattform::uhrSekunden();
    logZeile(l, meldungFormatieren(1071, zeitText(), s.pfad));
    // a log the disk does not take stops the run before its first simulation
    if (!l.log || !kopfSchreiben(l) || !l.log)
        return beenden(l, false);

    const auto nichtGestartet = [&]() {
        dateienSchliessen(s);
        if (l.log)
            std::fclose(l.log);
        l.log = nullptr;
        l.alt.zurueckgeben();
        return 0;
    };
    if (s.ergebnisArt == ergebnisArt::Epsp) {
        s.epspAnzahl = 0;
        s.epspAmplituden = {};
        if (!epspDateiErzeugen(s, 0))
            return nichtGestartet();
    }
    if (!ergebnisneuroneVorbereiten(l))
        return nichtGestartet();
    if (modus == 1) {
        // a binary result file only when the script asks for one
        if ((s.ergebnisBits & ergebnisBit::Bin) && !ergebnisDateiErzeugen(s)) {
            ergebnisDateiSchliessen(s);
            return nichtGestartet();
        }
        skriptStatus |= skriptBit::Laeuft;
    }
    for (Skript::Schleife& sch : s.schleifen)
        sch.lauf = 0;
    s.geaendert.clear();
    s.aktuelleSimulation = 0;
    s.gelaufen = 0;
    if (s.auswahlModus >= 1) {
        statusTeilSetzen(0, meldungsTexte[1102]);
        statusTeilSetzen(1, meldungsTexte[1103]);
    } else {
        statusTeilSetzen(0, meldungsTexte[1104]);
    }
    plattform::nachrichtenVerarbeiten();
    // about five display refreshes per simulation, never fewer than one step apart
    const double intervall = std::max(1.0, std::round(s.dauer / (s.schrittweite > 0.0 ? s.schrittweite : 1.0) / 5.0));
    l.alt.anzeigeIntervall(intervall);
    simulationsParameter.anzeigeIntervall = intervall;
    if ((skriptStatus & skriptBit::InteraktiveAusfuehrung) && fensterhandles.interaktivFenster)
        plattform::vordergrundSetzen(fensterhandles.interaktivFenster);
    l.startZeit = plattform::uhrSekunden();
    SkriptLaufwerte& w = skriptLaufwerte;
    w.ergebnisArt = skriptErgebnisArt = s.ergebnisArt;
    w.simulationen = w.laeufe = s.gesamtSimulationen;
    w.auswahl = s.auswahlModus;
    w.auswahlAnzahl = static_cast<int>(s.liste.size());
    w.ersterLauf = w.lauf = w.zaehler = w.neuGestartet = 0;
    w.datZaehler = 0;
    w.zaehlerGrenze = 1;
    w.startZeit = l.startZeit;
    laufendesSkript = &s;
    w.epspZeileSchreiben = s.ergebnisArt == ergebnisArt::Epsp ? epspZeileSchreiben : nullptr;

    Ende ende = Ende::Fertig;
    int i = 0;
    for (; i < static_cast<int>(s.anweisungen.size()); ++i) {
        // a network closed or replaced under the run ends it: its statements would set
        // values in a network that never gets them back
        if (!(skriptStatus & skriptBit::Laeuft) || !l.alt.imselbenNetz()) {
            ende = Ende::Abgebrochen;
            break;
        }
        const Ende e = anweisungAusfuehren(l, i);
        if (e == Ende::Abgebrochen) {
            ende = e;
            break;
        }
    }
    return beenden(l, ende == Ende::Fertig);
}
