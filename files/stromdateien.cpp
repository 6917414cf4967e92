// files/stromdateien.cpp - the current file beside a network file (*.cur) and the stimulus
// definition files (*.str)
//
// Both hold current tables as text, one point a line: the time in seconds and the current
// in amperes, separated by blanks, a tab or ';'. The current file keeps every stimulated
// table of a network under keys in the style of the network file; a stimulus file holds
// stimuli by name, written by hand or by other programs. docs/dateiformate.md shows both.
#include "files/stromdateien.h"
#include "core/endemeldung.h"
#include "core/rahmen.h"
#include "core/status.h"
#include "files/reizdefinitionen.h"
#include "files/textdatei.h"
#include "model/netz.h"
#include "model/simulationsparameter.h"
#include "model/stromreiz.h"
#include "platform/box.h"
#include "platform/waehler.h"
#include "texts/texte.h"
#include <algorithm>
#include <charconv>
#include <cmath>
#include <new>
#include <string_view>
#include <utility>
#include <vector>

namespace {

constexpr std::string_view stromKennung = "3000";
constexpr std::string_view reizKennung = "Reizdefinitionsdatei";
constexpr std::string_view reizNameSchluessel = "Reizname=";
constexpr std::string_view dateiEnde = "[Dateiende]";
constexpr std::string_view anzahlSchluessel = "anzahl stromtabellen=";
constexpr std::string_view herkunftSchluessel = "herkunft=";
constexpr std::string_view punkteSchluessel = "anzahl punkte=";
// the definition menu's commands 55001 to 55499 leave room for this many stimuli
constexpr int groessteReizAnzahl = 499;
constexpr size_t groessteNamenLaenge = 259;

// ---- lines and numbers ----------------------------------------------------------------------

std::string_view ohneRand(std::string_view s)
{
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
        s.remove_suffix(1);
    return s;
}

// the lines of a text with their numbers from 1, without blanks around them
class Zeilen {
public:
    explicit Zeilen(std::string_view text) : text(text) {}
    bool naechste(std::string_view& zeile)
    {
        if (stelle > text.size())
            return false;
        size_t ende = text.find('\n', stelle);
        if (ende == std::string_view::npos)
            ende = text.size();
        zeile = ohneRand(text.substr(stelle, ende - stelle));
        stelle = ende + 1;
        ++nummer;
        return true;
    }
    // the next line that holds something other than a "//" comment
    bool naechsteMitInhalt(std::string_view& zeile)
    {
        while (naechste(zeile))
            if (!zeile.empty() && !zeile.starts_with("//"))
                return true;
        return false;
    }
    int nummer = 0;

private:
    std::string_view text;
    size_t stelle = 0;
};

bool ganzzahlAus(std::string_view wort, int& aus)
{
    wort = ohneRand(wort);
    const auto [p, ec] = std::from_chars(wort.data(), wort.data() + wort.size(), aus);
    return ec == std::errc() && p == wort.data() + wort.size() && !wort.empty();
}

// a decimal point, or a comma in a number that has no point
bool zahlAus(std::string_view wort, double& aus)
{
    std::string z(wort);
    if (z.find('.') == std::string::npos)
        if (const size_t komma = z.find(','); komma != std::string::npos)
            z[komma] = '.';
    const char* a = z.data();
    const char* e = a + z.size();
    if (a != e && *a == '+')
        ++a;
    const auto [p, ec] = std::from_chars(a, e, aus);
    return a != e && ec == std::errc() && p == e && std::isfinite(aus);
}

bool trenner(char c) { return c == ' ' || c == '\t' || c == ';'; }

// "time current", a "//" comment behind it allowed; the time not negative
bool punktLesen(std::string_view zeile, double& zeit, double& strom)
{
    if (const size_t k = zeile.find("//"); k != std::string_view::npos)
        zeile = zeile.substr(0, k);
    std::string_view teile[2];
    int n = 0;
    for (size_t i = 0; i < zeile.size();) {
        if (trenner(zeile[i])) {
            ++i;
            continue;
        }
        const size_t anfang = i;
        while (i < zeile.size() && !trenner(zeile[i]))
            ++i;
        if (n == 2)
            return false;
        teile[n++] = zeile.substr(anfang, i - anfang);
    }
    return n == 2 && zahlAus(teile[0], zeit) && zahlAus(teile[1], strom) && zeit >= 0.0;
}

// the file name with its extension replaced (or added)
std::string endungErsetzen(const std::string& name, const char* endung)
{
    const size_t ordner = name.find_last_of("/\\");
    const size_t punkt = name.rfind('.');
    const bool hatEndung = punkt != std::string::npos && (ordner == std::string::npos || punkt > ordner);
    return (hatEndung ? name.substr(0, punkt) : name) + "." + endung;
}

// ---- the current file ---------------------------------------------------------------------

struct GeleseneTabelle {
    int neuron = 0;
    int segment = 0;
    int zeile = 0;                       // of its first line, for the message
    std::string herkunft;
    std::vector<double> zeiten, stroeme;
};

// "neuron %d stromtabelle segment %d " and the rest of the line behind it
bool tabellenZeile(std::string_view zeile, int& neuron, int& segment, std::string_view& rest)
{
    constexpr std::string_view vorn = "neuron ", mitte = " stromtabelle segment ";
    if (!zeile.starts_with(vorn))
        return false;
    zeile.remove_prefix(vorn.size());
    const size_t a = zeile.find(mitte);
    if (a == std::string_view::npos || !ganzzahlAus(zeile.substr(0, a), neuron))
        return false;
    zeile.remove_prefix(a + mitte.size());
    const size_t b = zeile.find(' ');
    if (b == std::string_view::npos || !ganzzahlAus(zeile.substr(0, b), segment))
        return false;
    rest = zeile.substr(b + 1);
    return true;
}

// The tables of a current file. false with the number of the line that breaks the format:
// a table of a neuron number or compartment no network can have, one named twice, a count
// that does not fit, a point that is no point, a missing end.
bool stromTextLesen(std::string_view text, std::vector<GeleseneTabelle>& tabellen, int& fehlerZeile)
{
    Zeilen z(text);
    std::string_view zeile;
    if (!z.naechsteMitInhalt(zeile) || zeile != stromKennung) {
        fehlerZeile = z.nummer;
        return false;
    }
    int anzahl = -1;
    // each compartment of each neuron once
    std::vector<bool> gesehen(static_cast<size_t>(neuronTabellenGroesse * (groessteSegmentAnzahl + 1)), false);
    auto fehler = [&] {
        fehlerZeile = z.nummer;
        return false;
    };
    while (z.naechsteMitInhalt(zeile)) {
        if (zeile == dateiEnde)
            return anzahl == static_cast<int>(tabellen.size()) || fehler();
        if (zeile.starts_with(anzahlSchluessel)) {
            if (anzahl >= 0 || !ganzzahlAus(zeile.substr(anzahlSchluessel.size()), anzahl) || anzahl < 0)
                return fehler();
            continue;
        }
        // a table: its origin, its point count, its points
        GeleseneTabelle t;
        std::string_view rest;
        t.zeile = z.nummer;
        if (!tabellenZeile(zeile, t.neuron, t.segment, rest) || !rest.starts_with(herkunftSchluessel) ||
            !neuronNummerGueltig(t.neuron) || t.segment < 0 || t.segment > groessteSegmentAnzahl)
            return fehler();
        t.herkunft = ohneRand(rest.substr(herkunftSchluessel.size()));
        const size_t stelle = static_cast<size_t>(t.neuron * (groessteSegmentAnzahl + 1) + t.segment);
        if (gesehen[stelle])
            return fehler();
        gesehen[stelle] = true;
        int neuron = 0, segment = 0, punkte = 0;
        if (!z.naechsteMitInhalt(zeile) || !tabellenZeile(zeile, neuron, segment, rest) || neuron != t.neuron ||
            segment != t.segment || !rest.starts_with(punkteSchluessel) ||
            !ganzzahlAus(rest.substr(punkteSchluessel.size()), punkte) || punkte < 2)
            return fehler();
        for (int i = 0; i < punkte; ++i) {
            double zeit = 0.0, strom = 0.0;
            if (!z.naechsteMitInhalt(zeile) || !punktLesen(zeile, zeit, strom))
                return fehler();
            t.zeiten.push_back(zeit);
            t.stroeme.push_back(strom);
        }
        tabellen.push_back(std::move(t));
    }
    return fehler();
}

std::string stromDateiText()
{
    std::string text(stromKennung);
    text += '\n';
    std::string tabellen;
    int anzahl = 0;
    for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron)
        for (size_t s = 0; s < n->stromTabellen.size(); ++s) {
            const StromTabelle& t = n->stromTabellen[s];
            const size_t punkte = static_cast<size_t>(std::max(t.anzahlPunkte, 0));
            if (punkte <= 3 || punkte > t.startzeiten.size() || punkte > t.stromwerte.size())
                continue;   // not stimulated
            const std::string vorsatz = "neuron " + std::to_string(n->nummer) + " stromtabelle segment " +
                                        std::to_string(s) + " ";
            // a label must not break the line
            std::string herkunft = t.herkunft;
            for (char& c : herkunft)
                if (c == '\n' || c == '\r')
                    c = ' ';
            tabellen += vorsatz + std::string(herkunftSchluessel) + herkunft + "\n";
            tabellen += vorsatz + std::string(punkteSchluessel) + std::to_string(punkte) + "\n";
            for (size_t i = 0; i < punkte; ++i)
                tabellen += zahlText(t.startzeiten[i]) + " " + zahlText(t.stromwerte[i]) + "\n";
            ++anzahl;
        }
    text += std::string(anzahlSchluessel) + std::to_string(anzahl) + "\n";
    return text + tabellen + std::string(dateiEnde) + "\n";
}

// ---- the stimulus files -------------------------------------------------------------------

struct Reiz {
    std::string name;
    int zeile = 0;                                          // of its "Reizname=" line
    std::vector<std::pair<int, std::string_view>> punkte;   // line number and line
};

// The stimuli of a stimulus file, their points unchecked yet. false (said in a notice)
// when the file cannot be read, is no stimulus file or holds too many stimuli.
bool reizdateiLesen(const std::string& pfad, std::string& text, std::vector<Reiz>& reize)
{
    if (!textDateiLesen(pfad, text)) {
        plattform::hinweisBox(meldungFormatieren(73, pfad));
        return false;
    }
    Zeilen z(text);
    std::string_view zeile;
    bool gueltig = z.naechsteMitInhalt(zeile) && zeile == reizKennung;
    while (gueltig && z.naechsteMitInhalt(zeile) && zeile != dateiEnde) {
        if (zeile.starts_with(reizNameSchluessel)) {
            if (static_cast<int>(reize.size()) == groessteReizAnzahl) {
                plattform::hinweisBox(meldungFormatieren(912, pfad, groessteReizAnzahl));
                return false;
            }
            const std::string_view name = ohneRand(zeile.substr(reizNameSchluessel.size()));
            reize.push_back({std::string(name.substr(0, groessteNamenLaenge)), z.nummer, {}});
        } else if (reize.empty()) {
            gueltig = false;   // points of no stimulus
        } else {
            reize.back().punkte.emplace_back(z.nummer, zeile);
        }
    }
    if (!gueltig || reize.empty()) {
        plattform::hinweisBox(meldungFormatieren(910, pfad));
        return false;
    }
    return true;
}

// The stimulus's points become the compartment's table: (0, 0) first and the run's end
// (E, 0) last, as every table has them; points at or after E would never be played. The
// current of a point holds until the next one. false (said in a notice) for a stimulus
// without points or with a line that is no point or goes back in time.
bool reizTabelleSetzen(NeuronDaten& n, int kompartiment, const Reiz& r, const std::string& pfad)
{
    const double ende = simulationsParameter.simulationsDauer;
    StromTabelle t;
    t.startzeiten.push_back(0.0);
    t.stromwerte.push_back(0.0);
    double vorige = 0.0;
    for (const auto& [zeile, inhalt] : r.punkte) {
        double zeit = 0.0, strom = 0.0;
        if (!punktLesen(inhalt, zeit, strom) || zeit < vorige) {
            plattform::hinweisBox(meldungFormatieren(913, r.name, pfad, zeile));
            return false;
        }
        vorige = zeit;
        if (zeit < ende) {
            t.startzeiten.push_back(zeit);
            t.stromwerte.push_back(strom);
        }
    }
    if (r.punkte.empty()) {
        plattform::hinweisBox(meldungFormatieren(913, r.name, pfad, r.zeile));
        return false;
    }
    t.startzeiten.push_back(ende);
    t.stromwerte.push_back(0.0);
    t.anzahlPunkte = static_cast<int>(t.startzeiten.size());
    t.herkunft = r.name;
    n.stromTabellen[static_cast<size_t>(kompartiment)] = std::move(t);
    gereizteKompartimenteZaehlen(n);
    return true;
}

// The named stimulus of the file into the compartment's table.
int reizLaden(NeuronDaten& n, int kompartiment, const std::string& name, const std::string& pfad)
{
    std::string text;
    std::vector<Reiz> reize;
    if (!reizdateiLesen(pfad, text, reize))
        return 0;
    const std::string gesucht = name.substr(0, groessteNamenLaenge);
    for (const Reiz& r : reize)
        if (r.name == gesucht)
            return reizTabelleSetzen(n, kompartiment, r, pfad) ? 1 : 0;
    plattform::hinweisBox(meldungFormatieren(911, name, pfad));
    return 0;
}

// The user picks a stimulus file and one stimulus in it; the definition then names both.
int reizWaehlen(NeuronDaten& n, int kompartiment)
{
    plattform::DateiWahl wahl;
    wahl.ordner = dateipfade.dokumentVerzeichnis;
    wahl.endung = "str";
    wahl.titel = textFeldHolen(meldungsTexte[915], 1);
    wahl.filter.push_back({textFeldHolen(meldungsTexte[915], 2), "*.str"});
    if (!plattform::dateiWaehlen(fensterhandles.hauptfenster, wahl))
        return 0;
    std::string pfad = wahl.ordner.empty() ? wahl.name : wahl.ordner + "/" + wahl.name;
    if (!wahl.endung.empty())
        pfad += "." + wahl.endung;

    std::string text;
    std::vector<Reiz> reize;
    if (!reizdateiLesen(pfad, text, reize))
        return 0;
    std::vector<std::string> namen;
    for (const Reiz& r : reize)
        namen.push_back(r.name);
    const int gewaehlt = reizdefinitionenMenueZeigen(fensterhandles.hauptfenster, namen);
    if (gewaehlt < 0 || gewaehlt >= static_cast<int>(reize.size()))
        return 0;
    const Reiz& r = reize[static_cast<size_t>(gewaehlt)];
    if (!reizTabelleSetzen(n, kompartiment, r, pfad))
        return 0;
    StromreizDefinition& d = n.stromreize[static_cast<size_t>(kompartiment)];
    d.reizName = r.name;
    d.reizDatei = pfad;
    d.ausDatei = 1;
    return 1;
}

} // namespace

// ---- the interface ---------------------------------------------------------------------------

int stromDateiLaden(int, int)
{
    // a file that cannot be opened is the caller's to report
    std::string text;
    if (stromDateiPfad.empty() || !textDateiLesen(stromDateiPfad, text))
        return 0;
    std::vector<GeleseneTabelle> tabellen;
    int fehlerZeile = 0;
    bool gut = false;
    try {
        gut = stromTextLesen(text, tabellen, fehlerZeile);
    } catch (const std::bad_alloc&) {
        fehlerZeile = 0;
    }
    // every table must find its compartment, or nothing is taken
    for (size_t i = 0; gut && i < tabellen.size(); ++i) {
        const NeuronDaten* n = neuronNachNummer(tabellen[i].neuron);
        if (!n || tabellen[i].segment >= static_cast<int>(n->stromTabellen.size())) {
            fehlerZeile = tabellen[i].zeile;
            gut = false;
        }
    }
    if (!gut) {
        plattform::hinweisBox(meldungFormatieren(914, stromDateiPfad, fehlerZeile));
        return 0;
    }
    stromreizeZuruecksetzen(nullptr);
    const double ende = simulationsParameter.simulationsDauer;
    for (GeleseneTabelle& g : tabellen) {
        StromTabelle& t = neuronNachNummer(g.neuron)->stromTabellen[static_cast<size_t>(g.segment)];
        t.startzeiten = std::move(g.zeiten);
        t.stromwerte = std::move(g.stroeme);
        t.anzahlPunkte = static_cast<int>(t.startzeiten.size());
        t.aktuellerIndex = 0;
        t.herkunft = std::move(g.herkunft);
        // the table ends with the run, as after a change of the run length
        t.startzeiten.back() = ende;
    }
    gereizteKompartimenteGesamtZaehlen();
    return 1;
}

void stromDateiSpeichern(int modus)
{
    if (modus != 1 || dateipfade.vollerPfad.empty())
        return;
    const std::string pfad = endungErsetzen(dateipfade.vollerPfad, "cur");
    if (textDateiSpeichern(pfad, stromDateiText()))
        stromDateiPfad = pfad;
}

int reizDefinitionsDateiLaden(NeuronDaten* neuron, int kompartiment, const std::string& reizName,
                              const std::string& pfad, int modus)
{
    if (!neuron || kompartiment < 0 || kompartiment >= reizDefinitionen ||
        kompartiment >= static_cast<int>(neuron->stromTabellen.size()))
        return 0;
    try {
        return modus == 0 ? reizWaehlen(*neuron, kompartiment) : reizLaden(*neuron, kompartiment, reizName, pfad);
    } catch (const std::bad_alloc&) {
        endeMelden(EndeForm::Hinweis, meldungFormatieren(285, neuronAnzeigename(*neuron)));
        return 0;
    }
}
