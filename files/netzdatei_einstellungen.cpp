// files/netzdatei_einstellungen.cpp - the permutation and server settings of the network file
#include "core/schluessel.h"
#include "core/status.h"
#include "files/netzdatei_abschnitte.h"
#include "model/permutationsfenster.h"
#include "model/serverdaten.h"
#include <algorithm>
#include <climits>
#include <cstring>
#include <type_traits>

namespace {

constexpr const char* permutationPraefix = "permutation: ";
// the default "bar height - 5" of the largest bar height
constexpr int balkenhoeheMinusFuenf = INT_MIN;

// The display settings in file order: key (without the prefix), field, the value a text
// without the key gives (unveraendert: keeps the field), and whether the reader searches
// the key without the prefix (the x-axis key is written with the prefix twice, and the
// reader finds it inside that line).
constexpr int unveraendert = INT_MAX;
template <class B>
void anzeigeFelder(B&& b)
{
    PermutationsFensterEinstellungen& f = permutationsFenster;
    b("level bei mehreren bin-dateien checken", f.levelPruefen, unveraendert, false);
    b("leitfaehigkeits-level im diagramm anzeigen", f.levelBalkenAnzeigen, 1, false);
    b("farbe der level-balken", f.balkenFarbe, 255, false);
    b("abstand der level-balken von der y-achse", f.balkenAbstandYAchse, 50, false);
    b("hoehe der level-balken", f.balkenUnterkante, 100, false);
    b("breite der level-balken in prozent", f.balkenBreiteProzent, 30, false);
    b("maximale hoehe der level-balken", f.balkenMaximalHoehe, balkenhoeheMinusFuenf, false);
    b("hoehe des balkensockels", f.balkenSockel, 10, false);
    b("abstand des textes vom balken", f.textAbstand, 15, true);
    b("synapsenbezeichnung unter balken ausgeben", f.synapsenBezeichnungAnzeigen, 1, true);
    b("farbe der spikes", f.spikeFarbe, 32896, false);
    b("linienstaerke der aps", f.apLinienstaerke, 2, false);
    b("darzustellende zahlenangaben", f.zahlenMaske, 30, false);
    b("absolute position fuer zahlenangaben", f.zahlenPositionAbsolut, 0, false);
    b("relative position fuer zahlenangaben", f.zahlenPositionRelativ, 1, false);
    b("permutation: x-achse automatisch skalieren", f.xAchseAutomatisch, 1, true);
    DiagrammDaten& d = permutationsDiagramm;
    b("fensterbreite", d.fensterBreite, 700, false);
    b("fensterhoehe", d.fensterHoehe, 500, false);
    b("fensterposition x", d.fensterX, 100, false);
    b("fensterposition y", d.fensterY, 100, false);
    b("stromreiz darstellen", f.stromreizAnzeigen, 1, false);
    b("stromreiz farbe", f.stromreizFarbe, 0x808000, false);
    b("stromreiz hoehe", f.stromreizHoehe, 20, false);
    b("stromreiz dicke", f.stromreizDicke, 2, false);
    b("stromreiz position", f.stromreizPosition, 5, false);
    b("stromreiz klassenmarken farbe", f.klassenmarkenFarbe, 32896, false);
    b("stromreiz klassenmarken laenge", f.klassenmarkenLaenge, 20, false);
    b("stromreiz klassenmarken dicke", f.klassenmarkenDicke, 2, false);
    b("stromreiz klassenmarken textabstand", f.klassenmarkenTextabstand, 0, false);
}

// the window's own stimulus definition, in file order
template <class B>
void reizFelder(B&& b)
{
    StromreizDefinition& r = permutationsFenster.stromreiz;
    b("stromreizdefinition reizart", r.reizart);
    b("stromreizdefinition beginn", r.beginn);
    b("stromreizdefinition anstieg", r.anstieg);
    b("stromreizdefinition ende", r.ende);
    b("stromreizdefinition dach", r.dach);
    b("stromreizdefinition periode", r.periode);
    b("stromreizdefinition abfall", r.abfall);
    b("stromreizdefinition amplitude", r.amplitude);
    b("stromreizdefinition pause", r.pause);
    b("stromreizdefinition anzahl", r.anzahl);
    b("stromreizdefinition alternieren", r.alternieren);
}

std::string mitPraefix(const char* key) { return std::string(permutationPraefix) + key + "="; }

} // namespace

void permutationSpeichern(XBuffer& p)
{
    p.drucken("\n[permutationsdefinitionen start]\n");
    p.drucken("%steilsimulation durchfuehren=%d\n", permutationPraefix,
              static_cast<int>(modusStatus & modusBit::Teilsimulation));
    p.drucken("%smaximale bin-datei groesse=%u\n", permutationPraefix, maxBinDateiGroesse);
    anzeigeFelder([&](const char* key, auto& feld, int, bool) {
        p.drucken("%s%s=%d\n", permutationPraefix, key, static_cast<int>(feld));
    });
    reizFelder([&](const char* key, auto& feld) {
        if constexpr (std::is_same_v<std::decay_t<decltype(feld)>, double>)
            p.drucken("%s%s=%.15g\n", permutationPraefix, key, feld);
        else
            p.drucken("%s%s=%d\n", permutationPraefix, key, feld);
    });
    p.drucken("[permutationsdefinitionen ende]\n\n");
}

void permutationLesen(char* text, bool ohneServerblock)
{
    char* block = std::strstr(text, "[permutationsdefinitionen start]");
    if (!block)
        block = text;
    Abschnitt schnitt(block, "[permutationsdefinitionen ende]", true);
    KettenSuche kette(block);

    int teil = 0;
    if (kette.lesen(teil, mitPraefix("teilsimulation durchfuehren").c_str()) && teil > 0)
        modusStatus |= modusBit::Teilsimulation;
    else
        modusStatus &= ~modusBit::Teilsimulation;
    // a text without the size turns the level check on (the check's own key may follow)
    if (!kette.lesen(maxBinDateiGroesse, mitPraefix("maximale bin-datei groesse").c_str()))
        permutationsFenster.levelPruefen = 1;

    anzeigeFelder([&](const char* key, auto& feld, int vorgabe, bool ohnePraefix) {
        const std::string schluessel = ohnePraefix ? std::string(key) + "=" : mitPraefix(key);
        if (kette.lesen(feld, schluessel.c_str()) || vorgabe == unveraendert)
            return;
        if (vorgabe == balkenhoeheMinusFuenf)
            feld = permutationsFenster.balkenUnterkante - 5;
        else
            feld = static_cast<std::decay_t<decltype(feld)>>(vorgabe);
    });

    permutationsFensterBegrenzen();

    StromreizDefinition& r = permutationsFenster.stromreiz;
    bool pauseGelesen = false;
    int anzahlVorher = 0;
    reizFelder([&](const char* key, auto& feld) {
        if (&feld == static_cast<void*>(&r.anzahl))
            anzahlVorher = r.anzahl;
        const bool gelesen = kette.lesenOderVonVorn(feld, mitPraefix(key).c_str());
        if (&feld == static_cast<void*>(&r.pause))
            pauseGelesen = gelesen;
    });
    // Older texts stored the pause between pulses; the interval from start to start is
    // kept now. Only texts from before the server section are converted, judged by the
    // pulse count held before the file's own count was read.
    if (pauseGelesen && ohneServerblock && anzahlVorher >= 2)
        r.pause += r.reizart == 0 ? r.anstieg + r.dach + r.abfall : r.ende - r.beginn;
}

// ---- server -----------------------------------------------------------------------------------

namespace {

constexpr const char* keyEingang = "server: eingangsneuron=";
constexpr const char* keyAusgang = "server: ausgangsneuron=";
constexpr const char* keyAngezeigt = "server: 1. neuron dessen somapotential angezeigt wird=";
constexpr const char* keyStromDatei = "server: dateiname fuer strominjektion in ausgangsneuron=";

// the settings behind the three neuron keys, in file order
template <class B>
void serverFelder(B&& b)
{
    ServerDaten& s = serverDaten;
    b("server: ausgang pulsdauer fuer wandler=", s.pulsDauer);
    b("server: ausgang pulshoehe fuer wandler=", s.pulsHoehe);
    b("server: ausgang reizstrom fuer spike-erzeugung=", s.ausgangsReizstrom);
    b("server: ausgang reizdauer fuer spike-erzeugung=", s.ausgangsReizdauer);
    b("server: eingang event reizdauer fuer spike-erzeugung=", s.ereignisReizdauer);
    b("server: eingang event totzeit=", s.ereignisTotzeit);
    b("server: eingang event reizstrom fuer spike-erzeugung=", s.ereignisReizstrom);
    b("server: eingang event schwelle im ad-eingang=", s.ereignisSchwelle);
    b("server: mutrafu delay=", s.verzoegerung);
    b("server: mutrafu anfang verzoegern=", s.anfangVerzoegern);
    b("server: mutrafu in strom umrechnungsfaktor=", s.stromFaktor);
    b("server: mutrafu offline-realtime eichfaktor=", s.eichfaktor);
    b("server: mutrafu da-kalibrierung=", s.daKalibrierung);
    b("server: mutrafu da-ausgabefaktor=", s.daAusgabefaktor);
    b("server: mutrafu ausgeben=", s.eingangAusgeben);
    b("server: ausgang EPOT[SOMA] ausgeben=", s.somaPotentialAusgeben);
    b("server: strominjektion in ausgangsneuron in datei schreiben=", s.stromInDatei);
}

// a neuron number is taken only when that neuron exists; its name goes with it
bool serverNeuronNehmen(int nummer, int& feld, std::string* name)
{
    NeuronDaten* n = nummer >= 1 ? neuronNachNummer(nummer) : nullptr;
    if (!n)
        return false;
    feld = nummer;
    if (name)
        *name = n->name;
    return true;
}

} // namespace

void serverSpeichern(XBuffer& p)
{
    const ServerDaten& s = serverDaten;
    p.drucken("[Servereinstellungen] *******************************************\n");
    p.drucken("%s%d\n%s%d\n", keyEingang, s.eingangsNeuron, keyAusgang, s.ausgangsNeuron);
    if (s.angezeigtesNeuron != 0)
        p.drucken("%s%d\n", keyAngezeigt, s.angezeigtesNeuron);
    serverFelder([&](const char* key, auto& feld) {
        if constexpr (std::is_same_v<std::decay_t<decltype(feld)>, double>)
            p.drucken("%s%g\n", key, feld);
        else
            p.drucken("%s%d\n", key, static_cast<int>(feld));
    });
    p.drucken("%s%s\n", keyStromDatei, s.stromDatei.c_str());
    p.drucken("[ende Servereinstellungen] *******************************************\n\n");
}

void serverLesen(char* text)
{
    char* block = std::strstr(text, "[Servereinstellungen]");
    if (!block)
        block = text;
    Abschnitt schnitt(block, "[ende Servereinstellungen]", true);
    KettenSuche kette(block);
    ServerDaten& s = serverDaten;
    int nummer = 0;
    if (kette.lesen(nummer, keyEingang))
        serverNeuronNehmen(nummer, s.eingangsNeuron, &s.eingangsNeuronName);
    if (kette.lesen(nummer, keyAusgang))
        serverNeuronNehmen(nummer, s.ausgangsNeuron, &s.ausgangsNeuronName);
    if (kette.lesen(nummer, keyAngezeigt))
        serverNeuronNehmen(nummer, s.angezeigtesNeuron, nullptr);
    serverFelder([&](const char* key, auto& feld) {
        using T = std::decay_t<decltype(feld)>;
        if constexpr (std::is_same_v<T, int16_t>) {
            int wert = 0;
            if (kette.lesen(wert, key))
                feld = static_cast<int16_t>(std::clamp(wert, -32768, 32767));   // the 16-bit values the board takes
        } else {
            kette.lesen(feld, key);
        }
    });
    schluesselTextLesen(s.stromDatei, 260, block, keyStromDatei);
    if (s.stromDatei.empty())
        s.stromDatei = serverStromDateiVorgabe;
}
