// script/anweisungsbericht.cpp - the report lines of the script walk
//
// Each applied statement leaves one line in the message buffer that says what it did;
// with statement logging on the walk writes it to the log and offers it in its question
// box. Families of statements share one message whose "||" fields are their wordings.
#include "script/anweisungsbericht.h"
#include "model/kanalzeiger.h"
#include "model/netz.h"
#include "model/neuron.h"
#include "model/synapse.h"
#include "texts/texte.h"
#include <array>
#include <string>

namespace {

constexpr Anweisungscode c(const char* wort) { return anweisungscode(wort); }

// field feld (from 1) of message nummer formatted with the arguments into meldungsPuffer;
// a field that does not fit them gives way to the built-in German one
template <class... A>
std::string feldFormatieren(int nummer, int feld, const A&... a)
{
    const std::string text = textFeldHolen(meldungsTexte[nummer], feld);
    const std::string ersatz = textFeldHolen(meldungsTexte.eingebauterText(nummer), feld);
    const std::array<FormatArgument, sizeof...(A) + 1> argumente{FormatArgument(a)..., FormatArgument(0)};
    return sicherFormatieren(text, ersatz, std::span(argumente.data(), sizeof...(A)));
}

// the place of a code in a list of codes, from 1; 0 when it is not there
template <size_t N>
int feldVon(Anweisungscode code, const std::array<const char*, N>& woerter)
{
    for (size_t k = 0; k < N; ++k)
        if (code == c(woerter[k]))
            return static_cast<int>(k) + 1;
    return 0;
}

// on screen an unnamed neuron goes by its number, in the log by its stored name
std::string neuronName(int nummer, bool anzeige)
{
    const NeuronDaten* n = neuronNachNummer(nummer);
    if (!n)
        return {};
    return anzeige ? neuronAnzeigename(*n) : n->name;
}

constexpr std::array<const char*, 5> neuronWoerter = {"SRU", "DRU", "SKA", "DKA", "LLE"};
constexpr std::array<const char*, 8> reizWoerter = {"RBE", "RAN", "RAB", "RDA", "REN", "RPE", "RAM", "RPA"};
constexpr std::array<const char*, 10> kanalWoerter = {"INI", "POW", "RCA", "HMA", "SWA",
                                                      "RCB", "HMB", "SWB", "EPO", "LEI"};
constexpr std::array<const char*, 14> synapsenWoerter = {"DEL", "SEP", "SLE", "TRT", "TRS", "TSC", "TKR",
                                                         "TFA", "THA", "THB", "TRA", "TRB", "TSA", "TSB"};
constexpr std::array<const char*, 12> bahnungsWoerter = {"TNF", "TBF", "TND", "TBD", "ANF", "ABF",
                                                         "AND", "ABD", "BNF", "BBF", "BND", "BBD"};

// "stromreiz in neuron X, kompartiment c " and the value
void reizBericht(const SkriptAnweisung& a, bool anzeige)
{
    std::string wert;
    if (const int f = feldVon(a.code, reizWoerter))
        wert = feldFormatieren(1445, f, a.wert);
    else if (a.code == c("RWI"))
        wert = feldFormatieren(1445, 9, a.ganzzahl);
    else if (a.code == c("RAL"))
        wert = feldFormatieren(1445, a.ganzzahl == 1 ? 10 : 11);
    else if (a.code == c("RAR"))
        wert = feldFormatieren(1445, a.ganzzahl == 0 ? 12 : 13);
    else
        wert = feldFormatieren(1445, a.ganzzahl == 1 ? 14 : 15);   // REI
    meldungFormatieren(1444, neuronName(a.neuronNummer, anzeige), a.ziel, wert);
}

// "synapse id von X auf Y " and the value
void synapsenBericht(const SkriptAnweisung& a, bool anzeige)
{
    std::string wert;
    if (const int f = feldVon(a.code, synapsenWoerter))
        wert = feldFormatieren(1449, f, a.wert);
    else if (const int g = feldVon(a.code, bahnungsWoerter))
        wert = feldFormatieren(1450, g, a.wert);
    const SynapseDaten* syn = synapseNachId(a.ziel);
    meldungFormatieren(1448, a.ziel, syn ? neuronName(syn->quellNummer, anzeige) : std::string(),
                       syn ? neuronName(syn->zielNummer, anzeige) : std::string(), wert);
}

void kanalBericht(const SkriptAnweisung& a, int standardKanal, bool anzeige)
{
    const int f = feldVon(a.code, kanalWoerter);
    NeuronDaten* n = neuronNachNummer(a.neuronNummer);
    const std::string name = neuronName(a.neuronNummer, anzeige);
    if (a.zielArt == zielArt::Benutzerkanal) {
        const BenutzerKanal* k = n ? benutzerKanalNummer(*n, a.ziel) : nullptr;
        meldungsPuffer = feldFormatieren(1447, f, name, k ? k->name : std::string(), a.wert);
    } else {
        meldungsPuffer = feldFormatieren(1446, f, name, standardKanal, a.wert);
    }
}

} // namespace

void anweisungsBerichtBilden(const Skript& s, const SkriptAnweisung& a, int standardKanal, bool anzeige)
{
    const Anweisungscode code = a.code;
    if (code == c("SCHLEIFE")) {
        const int ebene = a.schleifenEbene;
        const Skript::Schleife sch =
            ebene >= 1 && ebene <= schleifenEbenen ? s.schleifen[static_cast<size_t>(ebene)] : Skript::Schleife{};
        meldungFormatieren(1190, ebene, sch.lauf + 1, sch.anzahl);
    } else if (code == c("WIEDERHOLEN") || code == c("SIM")) {
        meldungsPuffer.clear();
    } else if (code == c("BAH") || code == c("DEP") || code == c("FAZ")) {
        // no report of their own: the buffer keeps the one before
    } else if (code == c("NUM") || code == c("FMI")) {
        meldungFormatieren(code == c("NUM") ? 1191 : 1192, a.ganzzahl);
    } else if (code == c("NEU")) {
        meldungFormatieren(1193, a.neuronNummer, neuronName(a.neuronNummer, anzeige));
    } else if (code == c("SYN")) {
        const SynapseDaten* syn = synapseNachId(a.ziel);
        meldungFormatieren(1194, a.ziel, syn ? neuronName(syn->quellNummer, anzeige) : std::string(),
                           syn ? neuronName(syn->zielNummer, anzeige) : std::string());
    } else if (code == c("RZI")) {
        meldungFormatieren(1195, neuronName(a.neuronNummer, anzeige), a.ziel);
    } else if (code == c("KAN")) {
        const int feld = a.ziel == 1 ? 1 : a.ziel == 8 ? 2 : a.ziel == 2 ? 3 : 4;
        meldungsPuffer = feldFormatieren(1196, feld, neuronName(a.neuronNummer, anzeige));
    } else if (code == c("BKA")) {
        NeuronDaten* n = neuronNachNummer(a.neuronNummer);
        const BenutzerKanal* k = n ? benutzerKanalNummer(*n, a.ziel) : nullptr;
        meldungFormatieren(1197, a.neuronNummer, neuronName(a.neuronNummer, anzeige), a.ziel,
                           k ? k->name : std::string());
    } else if (code == c("RUP")) {
        const std::string segment = textFeldHolen(meldungsTexte[979], a.ziel);
        meldungFormatieren(1198, neuronName(a.neuronNummer, anzeige), segment);
    } else if (code == c("SUP") || code == c("BUP")) {
        const SynapseDaten* syn = synapseNachId(a.ziel);
        meldungFormatieren(1199, a.ziel, syn ? neuronName(syn->quellNummer, anzeige) : neuronName(a.neuronNummer, anzeige));
    } else if (const int f = feldVon(code, neuronWoerter)) {
        meldungsPuffer = feldFormatieren(1443, f, neuronName(a.neuronNummer, anzeige), a.wert);
    } else if (feldVon(code, kanalWoerter)) {
        kanalBericht(a, standardKanal, anzeige);
    } else if (a.zielArt == zielArt::Stromreiz) {
        reizBericht(a, anzeige);
    } else if (feldVon(code, synapsenWoerter) || feldVon(code, bahnungsWoerter)) {
        synapsenBericht(a, anzeige);
    } else {
        unbekannteAnweisungBerichtBilden(code);
    }
}

void bahnungsTauBerichtBilden() { meldungsPuffer = meldungsTexte[1440]; }

void unbekannteAnweisungBerichtBilden(Anweisungscode code)
{
    // the codes three capitals can give
    const bool gueltig = code >= anweisungscode("AAA") && code <= anweisungscode("ZZZ");
    meldungFormatieren(gueltig ? 1441 : 1442, static_cast<long long>(code));
}
