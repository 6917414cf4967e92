// permutation/definitionsdatei.cpp - the definition file (*.pmt) and the analysis file
// (*.anl): one key=value line per item, written and read in the same order
//
// A key counts only at the start of a line, so a neuron's name holding key text brings
// nothing in, and "synapse 1 id=" is never found in "synapse 11 id=". Numbers are read with
// a decimal point or comma; one that is no finite number or lies outside its range counts
// as missing. The reader fills a new definition and table and replaces the current ones only
// when the whole file was taken: a refused or cancelled read changes nothing.
#include "permutation/definition.h"
#include "core/status.h"
#include "dialogs/eingabe.h"
#include "files/textdatei.h"
#include "model/netz.h"
#include "model/simulationsparameter.h"
#include "model/simulationspruefung.h"
#include "platform/box.h"
#include "platform/pfad.h"
#include "platform/waehler.h"
#include "texts/texte.h"
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <optional>
#include <string_view>
#include <unordered_map>

using namespace plattform;

namespace {

constexpr const char* kopfSchluessel = "definition der synaptischen leitfaehigkeiten zur flexiblen permutation=";
constexpr const char* izhikevichSchluessel = "schrittweite fuer izhikevich typen (ms)=";
constexpr const char* zusatzSchluessel = "zusatzdaten anzahl=";
constexpr int groessteZusatzAnzahl = 1 << 20;

// ---- writing ---------------------------------------------------------------------------------

void zeile(std::string& aus, const char* format, ...) __attribute__((format(printf, 2, 3)));
void zeile(std::string& aus, const char* format, ...)
{
    va_list a;
    va_start(a, format);
    va_list b;
    va_copy(b, a);
    const int n = std::vsnprintf(nullptr, 0, format, a);
    va_end(a);
    if (n > 0) {
        const size_t alt = aus.size();
        aus.resize(alt + static_cast<size_t>(n) + 1);
        std::vsnprintf(aus.data() + alt, static_cast<size_t>(n) + 1, format, b);
        aus.resize(alt + static_cast<size_t>(n));
    }
    va_end(b);
    aus += '\n';
}

// "%.15g" where it gives the value back exactly, else the digits that do
std::string genau(double x)
{
    char puffer[40];
    std::snprintf(puffer, sizeof puffer, "%.15g", x);
    if (std::strtod(puffer, nullptr) != x)
        std::snprintf(puffer, sizeof puffer, "%.17g", x);
    return puffer;
}

std::string definitionsText(int modus)
{
    const PermutationsDefinition& d = permutationsDefinition;
    std::string t;
    if (modus != 1) {
        const NeuronDaten* n = auswerteNeuron();
        zeile(t, "%s", kopfSchluessel);
        zeile(t, "auswert-neuron Id=%d", d.auswerteNeuron);
        zeile(t, "auswert-neuron name=%s", n ? n->name.c_str() : "");
        zeile(t, "anzahl postsynaptischer neurone=%d", d.postsynaptischeAnzahl);
        zeile(t, "anzahl praesynaptischer neurone=%d", static_cast<int>(d.synapsen.size()));
        zeile(t, "anzahl variierter uebertragungsstaerken=%d", d.levelAnzahl);
        for (size_t i = 0; i < d.synapsen.size(); ++i) {
            const VariierteSynapse& v = d.synapsen[i];
            const SynapseDaten* s = variierteSynapseSuchen(v);
            const NeuronDaten* quelle = s ? neuronNachNummer(s->quellNummer) : nullptr;
            zeile(t, "synapse %d id=%d (von %s)", static_cast<int>(i), v.id, quelle ? quelle->name.c_str() : "");
            for (int j = 0; j < d.levelAnzahl; ++j) {
                const double wert = static_cast<size_t>(j) < v.level.size() ? v.level[static_cast<size_t>(j)] : 0.0;
                zeile(t, "synapse %d leitfaehigkeitslevel %d=%s", static_cast<int>(i), j, genau(wert).c_str());
            }
        }
    }
    zeile(t, "anzahl der analyseklassen=%d", static_cast<int>(analyseKlassen.size()));
    zeile(t, "bei analsyse ap-anzahl beruecksichtigen=%d", d.apAnzahlBeruecksichtigen);
    for (size_t k = 0; k < analyseKlassen.size(); ++k) {
        const Analyseklasse& a = analyseKlassen[k];
        const int i = static_cast<int>(k);
        zeile(t, "analyseklasse %d startzeit=%f", i, static_cast<double>(a.start));
        zeile(t, "analyseklasse %d erwartete ap-frequenz=%f", i, static_cast<double>(a.sollFrequenz));
        zeile(t, "analyseklasse %d erwartete anzahl aps=%d", i, a.sollApAnzahl);
        zeile(t, "analyseklasse %d gewichtung der anzahl=%f", i, static_cast<double>(a.anzahlGewicht));
        zeile(t, "analyseklasse %d gewichtung der klasse=%f", i, static_cast<double>(a.gewicht));
    }
    if (d.zusatzAnzahl > 0) {
        const Zusatzdaten& z = d.zusatz;
        zeile(t, "%s%s", izhikevichSchluessel, genau(simulationsParameter.schrittweite * 1000.0).c_str());
        zeile(t, "%s%d", zusatzSchluessel, d.zusatzAnzahl);
        for (size_t p = 0; p < z.bereiche.size(); ++p) {
            const Parameterbereich& b = z.bereiche[p];
            zeile(t, "zusatzdaten parameter %s: von=%s", zusatzParameterNamen[p], genau(b.von).c_str());
            zeile(t, "zusatzdaten parameter %s: schritt=%s", zusatzParameterNamen[p], genau(b.schritt).c_str());
            zeile(t, "zusatzdaten parameter %s: anzahl=%d", zusatzParameterNamen[p], b.anzahl);
        }
        zeile(t, "zusatzdaten reizserien: anzahl (max. 16)=%d", z.serienAnzahl);
        zeile(t, "zusatzdaten reizserien: reizserie start=%s", genau(z.serienStart).c_str());
        zeile(t, "zusatzdaten reizserien: reizburst dauer=%s", genau(z.burstDauer).c_str());
        zeile(t, "zusatzdaten reizserien: reizburst pause=%s", genau(z.burstPause).c_str());
        for (int i = 1; i <= z.serienAnzahl && i <= groessteReizserienAnzahl; ++i)
            zeile(t, "zusatzdaten reizserien: isi %d=%s", i, genau(z.isi[static_cast<size_t>(i - 1)]).c_str());
    }
    return t;
}

// ---- reading ---------------------------------------------------------------------------------

// The lines of a file by their key, the text up to and with the first '='; the first line
// of a key counts.
class Schluesselzeilen {
public:
    explicit Schluesselzeilen(const std::string& text)
    {
        size_t anfang = 0;
        while (anfang < text.size()) {
            size_t ende = text.find('\n', anfang);
            if (ende == std::string::npos)
                ende = text.size();
            std::string_view z(text.data() + anfang, ende - anfang);
            while (!z.empty() && z.back() == '\r')
                z.remove_suffix(1);
            if (const size_t gleich = z.find('='); gleich != std::string_view::npos)
                zeilen.emplace(std::string(z.substr(0, gleich + 1)), std::string(z.substr(gleich + 1)));
            anfang = ende + 1;
        }
    }

    const std::string* text(const std::string& schluessel) const
    {
        const auto it = zeilen.find(schluessel);
        return it == zeilen.end() ? nullptr : &it->second;
    }

    // a finite number at the start of the value (decimal point or comma); none otherwise
    std::optional<double> zahl(const std::string& schluessel) const
    {
        const std::string* t = text(schluessel);
        if (!t)
            return std::nullopt;
        std::string w = *t;
        if (w.find('.') == std::string::npos)
            if (const size_t komma = w.find(','); komma != std::string::npos)
                w[komma] = '.';
        const char* anfang = w.c_str();
        char* ende = nullptr;
        const double x = std::strtod(anfang, &ende);
        if (ende == anfang || !std::isfinite(x))
            return std::nullopt;
        return x;
    }

    // as zahl, for a field kept in single precision: a value beyond its range would be
    // infinite there and spoil every rating, so it counts as missing too
    std::optional<float> zahlF32(const std::string& schluessel) const
    {
        const std::optional<double> x = zahl(schluessel);
        if (!x || std::fabs(*x) > static_cast<double>(std::numeric_limits<float>::max()))
            return std::nullopt;
        return static_cast<float>(*x);
    }

    // a whole number within von..bis, taken to the nearest (or truncated)
    std::optional<int> ganzzahl(const std::string& schluessel, int von, int bis, bool abschneiden = false) const
    {
        const std::optional<double> x = zahl(schluessel);
        if (!x)
            return std::nullopt;
        const double g = abschneiden ? std::trunc(*x) : std::nearbyint(*x);
        if (g < von || g > bis)
            return std::nullopt;
        return static_cast<int>(g);
    }

private:
    std::unordered_map<std::string, std::string> zeilen;
};

std::string format(const char* f, int i)
{
    char puffer[160];
    std::snprintf(puffer, sizeof puffer, f, i);
    return puffer;
}
std::string format(const char* f, int i, int j)
{
    char puffer[160];
    std::snprintf(puffer, sizeof puffer, f, i, j);
    return puffer;
}

// a file that cannot be taken is said in a notice; the program and its network go on
int verweigert(const std::string& text)
{
    hinweisBox(text);
    return 0;
}

struct Gelesen {
    PermutationsDefinition definition;
    Klassentabelle klassen;
    double izhikevichMs = 0.0;        // with e > 0: the step the read settled on
    bool schrittAusDatei = false;     // ... and the run's step follows it
};

// Steps 7 of the read: the AP-count flag and the classes (both file kinds). 0 on failure.
int klassenLesen(const Schluesselzeilen& z, const std::string& pfad, Gelesen& g)
{
    g.definition.apAnzahlBeruecksichtigen = z.ganzzahl("bei analsyse ap-anzahl beruecksichtigen=", INT_MIN, INT_MAX).value_or(0);
    const std::optional<int> c = z.ganzzahl("anzahl der analyseklassen=", INT_MIN, groessteKlassenAnzahl);
    if (!c || *c < 1) {
        g.klassen = standardKlassen();
        g.definition.apAnzahlBeruecksichtigen = 0;
        return 6;
    }
    g.klassen.clear();
    for (int k = 0; k < *c; ++k) {
        Analyseklasse a;
        const std::optional<float> start = z.zahlF32(format("analyseklasse %d startzeit=", k));
        if (!start)
            return verweigert(meldungFormatieren(98, k, pfad));
        const std::optional<float> frequenz = z.zahlF32(format("analyseklasse %d erwartete ap-frequenz=", k));
        if (!frequenz)
            return verweigert(meldungFormatieren(1252, k, pfad));
        const std::optional<int> anzahl = z.ganzzahl(format("analyseklasse %d erwartete anzahl aps=", k), INT_MIN, INT_MAX);
        if (!anzahl)
            return verweigert(meldungFormatieren(1253, k, pfad));
        a.start = *start;
        a.sollFrequenz = *frequenz;
        a.sollApAnzahl = *anzahl;
        a.anzahlGewicht = z.zahlF32(format("analyseklasse %d gewichtung der anzahl=", k)).value_or(0.0f);
        a.gewicht = z.zahlF32(format("analyseklasse %d gewichtung der klasse=", k)).value_or(1.0f);
        g.klassen.push_back(a);
    }
    klassenEndenSetzen(g.klassen);
    return *c;
}

// The middle of a definition file: the evaluation neuron, the counts and the varied
// synapses. false when the read ends (said in a message where the file is at fault).
bool definitionLesen(const Schluesselzeilen& z, const std::string& pfad, Gelesen& g)
{
    PermutationsDefinition& d = g.definition;
    if (!z.text(kopfSchluessel))
        return false;                             // no definition file: nothing to say
    const std::optional<int> id = z.ganzzahl("auswert-neuron Id=", 1, neuronTabellenGroesse - 1);
    if (!id)
        return verweigert(meldungFormatieren(92, pfad));
    const NeuronDaten* n = neuronNachNummer(*id);
    if (!n)
        return verweigert(meldungFormatieren(93, pfad));
    const std::string* name = z.text("auswert-neuron name=");
    if (!name || *name != n->name)
        return verweigert(meldungFormatieren(94, pfad, name ? *name : std::string(), n->name));
    d.auswerteNeuron = *id;
    const std::optional<int> post = z.ganzzahl("anzahl postsynaptischer neurone=", 0, neuronTabellenGroesse);
    if (!post)
        return verweigert(meldungFormatieren(95, pfad));
    const std::optional<int> anzahl = z.ganzzahl("anzahl praesynaptischer neurone=", 0, groessteSynapsenAnzahl);
    if (!anzahl)
        return verweigert(meldungFormatieren(96, pfad));
    const std::optional<int> m = z.ganzzahl("anzahl variierter uebertragungsstaerken=", 0, groessteLevelAnzahl);
    if (!m)
        return verweigert(meldungFormatieren(97, pfad));
    d.postsynaptischeAnzahl = *post;
    d.levelAnzahl = *m;
    // without levels the file must say how many extra values it has
    if (*m < 1 && !z.ganzzahl(zusatzSchluessel, 0, groessteZusatzAnzahl, true))
        return verweigert(meldungFormatieren(1251, pfad));
    const int synapsen = *m < 1 ? 0 : *anzahl;
    // the box says that the data are being read, a quarter of its usual time
    if (fensterhandles.hauptfenster) {
        const int dauer = anzeigeboxParameter.anzeigedauer;
        anzeigeboxParameter.anzeigedauer = dauer / 4;
        anzeigeboxOeffnen(meldungsTexte[71], meldungsTexte[72]);
        anzeigeboxParameter.anzeigedauer = dauer;
    }
    for (int i = 0; i < synapsen; ++i) {
        VariierteSynapse v;
        const std::optional<int> sid = z.ganzzahl(format("synapse %d id=", i), 1, synapsenTabellenGroesse - 1);
        if (!sid)
            return verweigert(meldungFormatieren(76, pfad));
        if (!synapseNachId(*sid)) {
            hinweisBox(meldungFormatieren(1250, *sid, pfad));
            return false;
        }
        v.id = *sid;
        for (int j = 0; j < *m; ++j) {
            const std::optional<double> wert = z.zahl(format("synapse %d leitfaehigkeitslevel %d=", i, j));
            if (!wert)
                return verweigert(meldungFormatieren(76, pfad));
            v.level.push_back(*wert);
        }
        d.synapsen.push_back(std::move(v));
    }
    return true;
}

// The extra-parameter block with the Izhikevich step. false when the user cancels.
bool zusatzLesen(const Schluesselzeilen& z, Gelesen& g)
{
    PermutationsDefinition& d = g.definition;
    const std::optional<int> e = z.ganzzahl(zusatzSchluessel, 0, groessteZusatzAnzahl, true);
    if (!e) {
        d.zusatzAnzahl = 0;
        return true;
    }
    d.zusatzAnzahl = *e;
    d.zusatz = Zusatzdaten{};
    const double schrittMs = simulationsParameter.schrittweite * 1000.0;
    g.izhikevichMs = schrittMs;
    const std::optional<double> datei = z.zahl(izhikevichSchluessel);
    if (datei && *datei > 0.0 && *datei != schrittMs) {
        const double schritt = simulationsParameter.schrittweite;
        const int antwort = meldungsBox(fensterhandles.hauptfenster,
                                        meldungFormatieren(332, schritt, *datei / 1000.0, schritt, *datei / 1000.0),
                                        "SysInfo", knoepfe::JaNeinAbbrechen | symbol::Frage);
        if (antwort == antwort::Abbrechen)
            return false;
        if (antwort == antwort::Ja) {
            g.izhikevichMs = *datei;
            g.schrittAusDatei = true;
        }
    }
    Zusatzdaten& zd = d.zusatz;
    for (size_t p = 0; p < zd.bereiche.size(); ++p) {
        Parameterbereich& b = zd.bereiche[p];
        const std::string name = std::string("zusatzdaten parameter ") + zusatzParameterNamen[p] + ": ";
        b.von = z.zahl(name + "von=").value_or(0.0);
        b.schritt = z.zahl(name + "schritt=").value_or(0.0);
        b.anzahl = z.ganzzahl(name + "anzahl=", INT_MIN, INT_MAX, true).value_or(0);
        b.bis = b.anzahl * b.schritt + b.von;
    }
    zd.serienAnzahl = z.ganzzahl("zusatzdaten reizserien: anzahl (max. 16)=", 0, groessteReizserienAnzahl, true).value_or(0);
    zd.serienStart = z.zahl("zusatzdaten reizserien: reizserie start=").value_or(0.0);
    zd.burstDauer = z.zahl("zusatzdaten reizserien: reizburst dauer=").value_or(0.0);
    zd.burstPause = z.zahl("zusatzdaten reizserien: reizburst pause=").value_or(0.0);
    for (int i = 1; i <= zd.serienAnzahl; ++i)
        zd.isi[static_cast<size_t>(i - 1)] = z.zahl(format("zusatzdaten reizserien: isi %d=", i)).value_or(0.0);
    return true;
}

// The evaluation neuron of a taken definition: rated by every run, with the standard
// neuron's rating settings when it has none of its own.
void auswerteNeuronEinrichten(NeuronDaten& n)
{
    n.spikezeitenSpeichern = 1;
    SpikefolgenEinstellungen& e = n.spikefolge;
    const SpikefolgenEinstellungen& s = stdNeuron.spikefolge;
    if (e.burstFaktor == 0.0) {
        e.burstFaktor = s.burstFaktor;
        e.mindestSpikeAnzahl = s.mindestSpikeAnzahl;
        e.mindestLaenge = s.mindestLaenge;
        e.flags = s.flags;
        e.kastenAbstand = s.kastenAbstand;
        e.kastenFarbe = s.kastenFarbe;
    }
    if (e.kastenFarbe == 0)
        e.kastenFarbe = s.kastenFarbe;
}

std::string vorgeschlagenerName() { return dateipfade.netzName + " permutation definition"; }

} // namespace

int permutationsdefinitionSchreiben(const std::string& pfad, int modus)
{
    return sicherSchreiben(pfad, mitCrLf(definitionsText(modus)), 74) ? 1 : 0;
}

int permutationsdefinitionSpeichern(int modus)
{
    DateiWahl wahl;
    wahl.ordner = dateipfade.dokumentVerzeichnis;
    wahl.name = vorgeschlagenerName();
    wahl.speichern = true;
    if (modus == 1) {
        wahl.endung = "anl";
        wahl.filter = {{meldungsTexte[1610], "*.anl"}};
        wahl.titel = meldungsTexte[1603];
    } else {
        wahl.endung = "pmt";
        wahl.filter = {{meldungsTexte[1611], "*.pmt"}};
        wahl.titel = meldungsTexte[1602];
    }
    const std::string endung = wahl.endung;
    if (!dateiWaehlen(fensterhandles.hauptfenster, wahl))
        return 0;
    if (wahl.endung.empty())
        wahl.endung = endung;
    const std::string pfad = gewaehlterPfad(wahl);
    if (!permutationsdefinitionSchreiben(pfad, modus))
        return 0;
    if (modus != 1)
        dateipfade.permutationsDefinition = pfad;
    return 1;
}

int permutationsdefinitionAusDatei(const std::string& pfad, int modus, int* apFlagZiel, Klassentabelle* klassenZiel)
{
    std::string text;
    if (!textDateiLesen(pfad, text))
        return verweigert(meldungFormatieren(73, pfad));
    const Schluesselzeilen z(text);
    const bool definitionsDatei = modus != 1;
    Gelesen g;
    g.definition = permutationsDefinition;
    if (definitionsDatei) {
        g.definition = PermutationsDefinition{};
        if (!definitionLesen(z, pfad, g))
            return 0;
    }
    const int c = klassenLesen(z, pfad, g);
    if (c == 0)
        return 0;
    g.definition.letzteNummer = 0;
    if (definitionsDatei && !zusatzLesen(z, g))
        return 0;
    // the whole file is taken: everything goes in at once
    if (!definitionsDatei) {
        if (klassenZiel)
            *klassenZiel = std::move(g.klassen);
        if (apFlagZiel)
            *apFlagZiel = g.definition.apAnzahlBeruecksichtigen;
        permutationsDefinition.letzteNummer = 0;
        return c;
    }
    if (apFlagZiel) {
        *apFlagZiel = g.definition.apAnzahlBeruecksichtigen;
        g.definition.apAnzahlBeruecksichtigen = permutationsDefinition.apAnzahlBeruecksichtigen;
    }
    if (g.definition.zusatzAnzahl > 0) {
        if (g.schrittAusDatei)
            laufzeitSetzen(simulationsParameter.simulationsDauer, g.izhikevichMs / 1000.0);
        simulationsParameter.izhikevichSchrittweite = g.izhikevichMs;
    }
    permutationsDefinition = std::move(g.definition);
    analyseKlassen = std::move(g.klassen);
    if (NeuronDaten* n = auswerteNeuron())
        auswerteNeuronEinrichten(*n);
    dateipfade.permutationsDefinition = pfad;
    return c;
}

int permutationsdefinitionLesen(int modus, int* apFlagZiel, Klassentabelle* klassenZiel)
{
    DateiWahl wahl;
    wahl.ordner = dateipfade.dokumentVerzeichnis;
    wahl.name = vorgeschlagenerName();
    wahl.titel = meldungsTexte[1600];
    if (modus == 1) {
        wahl.endung = "anl";
        wahl.filter = {{meldungsTexte[1610], "*.anl"}};
    } else {
        wahl.endung = "pmt";
        wahl.filter = {{meldungsTexte[1612], "*.pmt"}};
    }
    const std::string endung = wahl.endung;
    std::string pfad;
    for (;;) {
        DateiWahl w = wahl;
        if (!dateiWaehlen(fensterhandles.hauptfenster, w))
            return 0;
        if (w.endung.empty() && !dateiExistiert(gewaehlterPfad(w)))
            w.endung = endung;
        pfad = gewaehlterPfad(w);
        if (dateiExistiert(pfad))
            break;
    }
    return permutationsdefinitionAusDatei(pfad, modus, apFlagZiel, klassenZiel);
}
