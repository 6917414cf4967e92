// files/benutzerkanaele.cpp - the user-defined SWIM channels of a neuron, nineteen lines
// "neuron <nummer> user-SWIM-kanal <k> key=value" per channel
//
// The same lines fill a neuron's physiology block and a channel file (*.knl, number 0).
// An activating channel always needs its deactivating one behind it: the reader puts an
// empty channel in where a text lacks it, so the engine never pairs the wrong channels.
#include "files/benutzerkanaele.h"
#include "core/endemeldung.h"
#include "files/textdatei.h"
#include "core/rahmen.h"
#include "core/status.h"
#include "files/lesen.h"
#include "files/neuronzeilen.h"
#include "platform/box.h"
#include "platform/pfad.h"
#include "platform/zeichensatz.h"
#include "texts/texte.h"
#include <array>
#include <new>

namespace {

constexpr const char* kanalVorsilbe = "user-SWIM-kanal %d ";
constexpr int textFehlenderWert = 950;
constexpr int textInaktivierungFehlt = 418, textKeinSpeicher = 419, textLeererKanal = 420;
constexpr int textLetzterOhneInaktivierung = 421, textOhneModus = 422;
constexpr int nameRaum = 260;   // names of up to 259 bytes

// lines 1-12: the numbers whose absence is asked about (all but the first)
constexpr std::array<const char*, 12> zahlNamen = {
    "gleichgewichtspotential", "leitfaehigkeit", "power",     "torvariable initialwert",
    "form alpha",              "rate alpha",     "V0 alpha",  "schrittweite alpha",
    "form beta",               "rate beta",      "V0 beta",   "schrittweite beta",
};
template <class Kanal>
auto zahlFelder(Kanal& k)
{
    return std::array{&k.gleichgewichtspotential, &k.leitfaehigkeit, &k.potenz, &k.torStartwert,
                      &k.alpha[0], &k.alpha[1], &k.alpha[2], &k.alpha[3],
                      &k.beta[0],  &k.beta[1],  &k.beta[2],  &k.beta[3]};
}
constexpr const char* modusName = "berechnungsmodus fuer A und B";
constexpr const char* paarName = "aktivierungs definition, deaktivierung folgt";
constexpr const char* bezeichnungName = "bezeichnung";
constexpr const char* hilfAlphaName = "hilfsparameter alpha";
constexpr const char* hilfBetaName = "hilfsparameter beta";
constexpr const char* synapseAnName = "strom ueber synapse aktivieren";
constexpr const char* synapseIdName = "strom aktivieren ueber synapse ID";

// "user-SWIM-kanal %d <name>=": the search puts the neuron prefix before it and the
// channel index in
std::string kanalSchluessel(const char* name)
{
    return std::string(kanalVorsilbe) + name + "=";
}
std::string vollerSchluessel(int nummer, int k, const char* name)
{
    return neuronblockSchluessel(nummer, kanalSchluessel(name).c_str(), k);
}

void kanaeleDrucken(XBuffer& p, int nummer, std::list<BenutzerKanal>::const_iterator von,
                    std::list<BenutzerKanal>::const_iterator bis, int hoechstens)
{
    int k = 0;
    for (auto it = von; it != bis && (hoechstens == -1 || k < hoechstens); ++it, ++k) {
        const BenutzerKanal& c = *it;
        auto zeile = [&](const char* name) { return vollerSchluessel(nummer, k, name); };
        const auto felder = zahlFelder(c);
        for (size_t i = 0; i < felder.size(); ++i)
            p.drucken("%s%.15g\n", zeile(zahlNamen[i]).c_str(), *felder[i]);
        p.drucken("%s%d\n", zeile(modusName).c_str(), c.berechnungsmodus);
        p.drucken("%s%d\n", zeile(paarName).c_str(), c.aktivierungMitDeaktivierung);
        p.drucken("%s%s\n", zeile(bezeichnungName).c_str(), c.name.c_str());
        p.drucken("%s%.15g\n", zeile(hilfAlphaName).c_str(), c.hilfsparameterAlpha);
        p.drucken("%s%.15g\n", zeile(hilfBetaName).c_str(), c.hilfsparameterBeta);
        p.drucken("%s%d\n", zeile(synapseAnName).c_str(), c.stromUeberSynapse);
        p.drucken("%s%d\n", zeile(synapseIdName).c_str(), c.synapseId);
    }
}

// the question about a missing value: false when the user cancels
bool weiterTrotzFehlendemWert(const std::string& text)
{
    return plattform::meldungsBox(fensterhandles.hauptfenster, text, "SysInfo",
                                  plattform::knoepfe::OkAbbrechen | plattform::symbol::Frage) !=
           plattform::antwort::Abbrechen;
}

BenutzerKanal leererKanal()
{
    BenutzerKanal k;
    k.name = meldungsTexte[textLeererKanal];
    return k;
}

constexpr int abgebrochen = -1;

// Reads into the list; r is the record being filled and stays valid for the caller, who
// drops what lies behind it.
int kanaeleLesen(std::list<BenutzerKanal>& kanaele, std::list<BenutzerKanal>::iterator& r, int nummer, char* text)
{
    // channel 0 starts the list; the position behind its first key is the base
    double wert = 0.0;
    char* basis = zahlLesen(wert, text, vollerSchluessel(nummer, 0, zahlNamen[0]).c_str());
    if (!basis)
        return 0;
    if (kanaele.empty())
        kanaele.emplace_back();
    r = kanaele.begin();
    r->gleichgewichtspotential = wert;
    NeuronblockSuche su(basis, nummer);
    int anzahl = 1;
    bool ausstehend = false;   // an activating channel waits for its deactivating one
    for (int k = 0;; ++k) {
        auto schluessel = [](const char* name) { return kanalSchluessel(name); };
        // the numbers: a missing one is asked about
        const auto felder = zahlFelder(*r);
        for (size_t i = 1; i < felder.size(); ++i)
            if (!su.zahl(*felder[i], schluessel(zahlNamen[i]).c_str(), k) &&
                !weiterTrotzFehlendemWert(meldungFormatieren(textFehlenderWert, zahlNamen[i])))
                return abgebrochen;
        // the mode
        if (!su.zahl(r->berechnungsmodus, schluessel(modusName).c_str(), k) &&
            !weiterTrotzFehlendemWert(meldungFormatieren(textOhneModus)))
            return abgebrochen;
        // the pairing: two activating channels in a row get an empty one between them
        int paar = 0;
        if (!su.zahl(paar, schluessel(paarName).c_str(), k)) {
            r->aktivierungMitDeaktivierung = 0;
            su.zeiger = text;
        } else {
            r->aktivierungMitDeaktivierung = paar;
            if (paar != 1) {
                ausstehend = false;
            } else if (!ausstehend) {
                ausstehend = true;
            } else {
                plattform::hinweisBox(meldungFormatieren(textInaktivierungFehlt));
                kanaele.insert(r, leererKanal());
                ++anzahl;
            }
        }
        // name and the values that may be missing
        if (!su.text(r->name, nameRaum, schluessel(bezeichnungName).c_str(), k))
            r->name = "swim-kanal " + std::to_string(k);
        if (!su.zahl(r->hilfsparameterAlpha, schluessel(hilfAlphaName).c_str(), k))
            r->hilfsparameterAlpha = 0.0;
        if (!su.zahl(r->hilfsparameterBeta, schluessel(hilfBetaName).c_str(), k))
            r->hilfsparameterBeta = 0.0;
        if (!su.zahl(r->stromUeberSynapse, schluessel(synapseAnName).c_str(), k))
            r->stromUeberSynapse = 0;
        if (!su.zahl(r->synapseId, schluessel(synapseIdName).c_str(), k))
            r->synapseId = 0;
        // the next channel, into a zeroed record behind this one
        su.zeiger = basis;
        char* hinter = zahlLesen(wert, su.zeiger, vollerSchluessel(nummer, k + 1, zahlNamen[0]).c_str());
        if (!hinter)
            break;
        su.zeiger = hinter;
        auto naechster = std::next(r);
        if (naechster == kanaele.end())
            naechster = kanaele.emplace(naechster);
        else
            *naechster = BenutzerKanal{};
        r = naechster;
        r->gleichgewichtspotential = wert;
        ++anzahl;
    }
    // the last channel must not wait for a deactivating one
    if (ausstehend) {
        plattform::hinweisBox(meldungFormatieren(textLetzterOhneInaktivierung));
        r = kanaele.insert(std::next(r), leererKanal());
        ++anzahl;
    }
    return anzahl;
}

} // namespace

void userSwimKanalSpeichern(const std::list<BenutzerKanal>& kanaele, int nummer, std::FILE* datei,
                            int hoechstens, XBuffer& puffer, int flush)
{
    const size_t ab = puffer.laenge();
    textZeiger = &puffer;
    kanaeleDrucken(puffer, nummer, kanaele.begin(), kanaele.end(), hoechstens);
    xbufferAbgeben(puffer, ab, datei, flush);
}

int userSwimKanalLaden(std::list<BenutzerKanal>& kanaele, int nummer, char* text)
{
    if (!text)
        return 0;
    auto r = kanaele.end();
    int ergebnis = 0;
    try {
        ergebnis = kanaeleLesen(kanaele, r, nummer, text);
    } catch (const std::bad_alloc&) {
        endeMelden(EndeForm::Hinweis, meldungFormatieren(textKeinSpeicher));
        ergebnis = 0;
    }
    // the list holds what was read; channels of an earlier text behind it go
    if (r != kanaele.end())
        kanaele.erase(std::next(r), kanaele.end());
    return ergebnis;
}

bool knlDateiSpeichern(const std::string& pfad, std::list<BenutzerKanal>::const_iterator von,
                       std::list<BenutzerKanal>::const_iterator bis, int hoechstens)
{
    XBuffer puffer;
    kanaeleDrucken(puffer, 0, von, bis, hoechstens);
    if (plattform::dateiSicherSchreiben(pfad, mitCrLf(puffer.text())))
        return true;
    plattform::hinweisBox(meldungFormatieren(74, pfad));
    return false;
}

int knlDateiLaden(const std::string& pfad, std::list<BenutzerKanal>& kanaele)
{
    // a file edited elsewhere: its byte order mark, UTF-8 and CR LF become the program's text
    std::string text;
    if (!textDateiLesen(pfad, text)) {
        plattform::hinweisBox(meldungFormatieren(73, pfad));
        return 0;
    }
    return userSwimKanalLaden(kanaele, 0, text.data());
}
