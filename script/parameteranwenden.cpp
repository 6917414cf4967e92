// script/parameteranwenden.cpp - the parameters a script changed before a stored simulation,
// written back into the live network when that simulation is read
//
// The entries come from a file: every target is looked up and checked before it is
// written, and one that is not there stops the walk as an unknown statement does.
#include "script/auswertung.h"
#include "script/ausfuehrung.h"
#include "model/kanalzeiger.h"
#include "model/netz.h"
#include "model/stromreiz.h"
#include "platform/box.h"

namespace {

constexpr Anweisungscode c(const char* wort) { return anweisungscode(wort); }

// the three letters of a statement code, for the messages
std::string buchstaben(Anweisungscode code)
{
    std::string t;
    for (int i = 0; i < 3; ++i, code /= 27)
        if (code % 27)
            t += static_cast<char>('@' + code % 27);
    return t;
}

bool angehalten(int feld)
{
    plattform::hinweisBox(auswertungsText(auswertungsMeldung::Parameter, feld));
    return false;
}

// a target that is not there: the walk stops, naming the entry
bool zielFehlt(const ParameterEintrag& e)
{
    plattform::hinweisBox(auswertungsText(auswertungsMeldung::ParameterZiel, 2, buchstaben(e.code),
                                          static_cast<int>(e.objektArt), e.neuronNummer, e.objektNummer));
    return false;
}

// ---- synapses ---------------------------------------------------------------------------------

// the codes after which the synapse is built again from its settings
bool verlangtNeubau(Anweisungscode code)
{
    return code == c("DEL") || code == c("SEP") || code == c("SLE") || code == c("TRT") || code == c("TRS");
}

bool synapseSetzen(Auswertungsdaten& a, const ParameterEintrag& e, bool& neuBauen)
{
    const int id = e.objektNummer;
    SynapseDaten* s = id > 0 && id < synapsenTabellenGroesse ? synapseNachId(id) : nullptr;
    if (!s)
        return zielFehlt(e);
    if (!synapsenFeldSetzen(*s, e.code, e.wert))
        return angehalten(1);
    // once one entry changed what the synapse is built from, every later one rebuilds it
    neuBauen = neuBauen || verlangtNeubau(e.code);
    return !neuBauen || synapseNachIdSuchen(a.skript, id);
}

// ---- neurons ----------------------------------------------------------------------------------

NeuronDaten* neuronDesEintrags(const ParameterEintrag& e) { return neuronNachNummer(e.neuronNummer); }

bool neuronSetzen(const ParameterEintrag& e)
{
    NeuronDaten* n = neuronDesEintrags(e);
    if (!n)
        return zielFehlt(e);
    auto& p = n->parameter;
    switch (e.code) {
    case c("SRU"): p[par::SomaRuhepotential] = e.wert; break;
    case c("DRU"): p[par::DendritRuhepotential] = e.wert; break;
    case c("SKA"): p[par::SomaKapazitaet] = e.wert; break;
    case c("DKA"): p[par::DendritKapazitaet] = e.wert; break;
    case c("LLE"): p[par::SomaLeitwert] = p[par::DendritLeitwert] = e.wert; break;
    default: return angehalten(2);
    }
    return true;
}

// A standard channel's value is a model parameter: the channel's base plus the code's
// offset. The h gate (channel 8) shares the sodium channel's potential and conductance.
struct KanalBasis { int kanal, basis; };
constexpr KanalBasis kanalBasen[] = {{1, 59}, {2, 81}, {3, 93}, {8, 69}};
struct CodeVersatz { Anweisungscode code; int versatz; };
constexpr CodeVersatz codeVersaetze[] = {{c("EPO"), 0}, {c("LEI"), 1}, {c("RCA"), 3}, {c("HMA"), 4}, {c("SWA"), 5},
                                         {c("RCB"), 7}, {c("HMB"), 8}, {c("SWB"), 9}, {c("POW"), 10}, {c("INI"), 11}};
constexpr int natriumBasis = 59;

bool standardKanalSetzen(const ParameterEintrag& e)
{
    NeuronDaten* n = neuronDesEintrags(e);
    if (!n)
        return zielFehlt(e);
    int basis = -1, versatz = -1;
    for (const KanalBasis& k : kanalBasen)
        if (k.kanal == e.objektNummer)
            basis = k.basis;
    if (basis < 0)
        return angehalten(3);
    for (const CodeVersatz& v : codeVersaetze)
        if (v.code == e.code)
            versatz = v.versatz;
    if (versatz < 0)
        return angehalten(4);
    if (e.objektNummer == 8 && (e.code == c("EPO") || e.code == c("LEI")))
        basis = natriumBasis;
    const size_t index = static_cast<size_t>(basis + versatz);
    if (index >= n->parameter.size())
        return zielFehlt(e);
    n->parameter[index] = e.wert;
    return true;
}

// a user channel's problems are reported and the walk goes on
bool benutzerKanalSetzen(const ParameterEintrag& e)
{
    NeuronDaten* n = neuronDesEintrags(e);
    if (!n)
        return zielFehlt(e);
    const int nummer = e.objektNummer <= 1 ? 1 : e.objektNummer;
    BenutzerKanal* k = benutzerKanalNummer(*n, nummer);
    if (!k) {
        plattform::hinweisBox(auswertungsText(auswertungsMeldung::ParameterZiel, 1, neuronAnzeigename(*n), nummer));
        return true;
    }
    const double w = e.wert;
    switch (e.code) {
    case c("EPO"): k->gleichgewichtspotential = w; break;
    case c("LEI"): k->leitfaehigkeit = w; break;
    case c("POW"): k->potenz = w; break;
    case c("INI"): k->torStartwert = w; break;
    case c("RCA"): k->alpha[1] = w; break;
    case c("HMA"): k->alpha[2] = w; break;
    case c("SWA"): k->alpha[3] = w; break;
    case c("RCB"): k->beta[1] = w; break;
    case c("HMB"): k->beta[2] = w; break;
    case c("SWB"): k->beta[3] = w; break;
    default: plattform::hinweisBox(auswertungsText(auswertungsMeldung::Parameter, 5)); break;
    }
    return true;
}

// the switches take their integer as the script's statements set them
bool reizSetzen(const ParameterEintrag& e)
{
    NeuronDaten* n = neuronDesEintrags(e);
    if (!n || e.objektNummer < 1 || e.objektNummer > reizDefinitionen)
        return zielFehlt(e);
    StromreizDefinition& r = n->stromreize[static_cast<size_t>(e.objektNummer) - 1];
    if (!reizFeldSetzen(r, e.code, e.wert, e.ganzzahl))
        return angehalten(6);
    stromreizKurveErzeugen(*n, e.objektNummer - 1);
    return true;
}

} // namespace

int parameterAnweisungAnwenden(Auswertungsdaten& a)
{
    bool synapsenNeuBauen = false;
    for (size_t i = 1; i < a.skript.geaendert.size(); ++i) {
        const ParameterEintrag e = a.skript.geaendert[i];
        bool weiter = true;
        switch (e.objektArt) {
        case zielArt::Synapse: weiter = synapseSetzen(a, e, synapsenNeuBauen); break;
        case zielArt::Neuron: weiter = neuronSetzen(e); break;
        case zielArt::Standardkanal: weiter = standardKanalSetzen(e); break;
        case zielArt::Benutzerkanal: weiter = benutzerKanalSetzen(e); break;
        case zielArt::Stromreiz: weiter = reizSetzen(e); break;
        default: break;   // kinds that name no parameter
        }
        if (!weiter)
            return 0;
    }
    return 1;
}
