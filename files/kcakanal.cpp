// files/kcakanal.cpp - the K(Ca) channel lines "neuron %d K(Ca)-kanal ..." of a neuron block
//
// The initial [Ca] comes first: a text without it holds no channel. The five gates are
// numbered 1 to 5 in the record's order: Ca channel 1 activation and inactivation, Ca
// channel 2 activation, K(Ca) activation and inactivation ("gate 1 power=" ...).
#include "files/kcakanal.h"
#include "files/lesen.h"
#include "files/textdatei.h"
#include "files/neuronabschnitt.h"
#include "files/neuronzeilen.h"
#include "model/neuron.h"
#include "platform/box.h"
#include "platform/pfad.h"
#include "platform/zeichensatz.h"
#include "texts/texte.h"
#include <string>

namespace {

constexpr const char* kcaVorsilbe = "K(Ca)-kanal ";
constexpr const char* anfangSchluessel = "initiale [Ca]=";

struct KCaZahl {
    const char* schluessel;
    double KCaKanal::*feld;
};
constexpr KCaZahl kanalZahlen[] = {
    {"[Ca]-abbau=", &KCaKanal::caAbbau},
    {"[Ca]-hintergrund=", &KCaKanal::caHintergrund},
    {"[Ca]-extrazellulaer=", &KCaKanal::caAussen},
    {"konstante mit zellvolumen=", &KCaKanal::zellvolumenKonstante},
    {"absolute temperatur=", &KCaKanal::temperatur},
    {"leitfaehigkeit Ca-kanal 1=", &KCaKanal::gCa1},
    {"leitfaehigkeit Ca-kanal 2=", &KCaKanal::gCa2},
    {"leitfaehigkeit K(Ca)-kanal=", &KCaKanal::gKCa},
    {"eq. potenzial K(Ca)-kanal=", &KCaKanal::eKCa},
    {"C_initial=", &KCaKanal::cStart},
    {"D_initial=", &KCaKanal::dStart},
    {"E_initial=", &KCaKanal::eStart},
    {"P_initial=", &KCaKanal::pStart},
    {"Q_initial=", &KCaKanal::qStart},
};

struct TorZahl {
    const char* schluessel;   // "%d" the gate, 1-5
    double KCaTor::*feld;
};
constexpr TorZahl torZahlen[] = {
    {"gate %d power=", &KCaTor::potenz},
    {"gate %d form alpha=", &KCaTor::formAlpha},
    {"gate %d rateConstantAlpha=", &KCaTor::rateAlpha},
    {"gate %d v0Alpha=", &KCaTor::v0Alpha},
    {"gate %d schrittWeiteAlpha=", &KCaTor::schrittAlpha},
    {"gate %d formBeta=", &KCaTor::formBeta},
    {"gate %d rateConstantBeta=", &KCaTor::rateBeta},
    {"gate %d v0Beta=", &KCaTor::v0Beta},
    {"gate %d schrittWeiteBeta=", &KCaTor::schrittBeta},
    {"gate %d hilfsParamAlpha=", &KCaTor::hilfsParamAlpha},
    {"gate %d hilfsParamBeta=", &KCaTor::hilfsParamBeta},
};

struct KCaSchalter {
    const char* schluessel;
    int KCaKanal::*feld;
};
constexpr KCaSchalter schalter[] = {
    {"stroeme anzeigen=", &KCaKanal::stroemeAnzeigen},
    {"mit inaktivierung=", &KCaKanal::mitInaktivierung},
    {"spannungsabhaengig=", &KCaKanal::spannungsabhaengig},
    {"oeffnungsfaktor anzeigen=", &KCaKanal::oeffnungAnzeigen},
};

std::string schluessel(int nummer, const char* text, int tor = 0)
{
    return neuronblockSchluessel(nummer, (std::string(kcaVorsilbe) + text).c_str(), tor);
}

// the texts of the notice name at most this many keys
constexpr int gezeigteFehler = 7;
constexpr int textFehler = 960, textErsteFehler = 961, textKeinKanal = 984;

} // namespace

void kCaKanalSpeichern(const KCaKanal& kca, int nummer, std::FILE* datei, XBuffer& puffer, int flush)
{
    const size_t ab = puffer.laenge();
    textZeiger = &puffer;
    auto zeile = [&](const std::string& s, double wert) { puffer.drucken("%s%.15g\n", s.c_str(), wert); };
    zeile(schluessel(nummer, anfangSchluessel), kca.caStart);
    for (const KCaZahl& z : kanalZahlen)
        zeile(schluessel(nummer, z.schluessel), kca.*z.feld);
    for (int t = 0; t < static_cast<int>(kca.tore.size()); ++t)
        for (const TorZahl& z : torZahlen)
            zeile(schluessel(nummer, z.schluessel, t + 1), kca.tore[t].*z.feld);
    for (const KCaSchalter& z : schalter)
        puffer.drucken("%s%d\n", schluessel(nummer, z.schluessel).c_str(), kca.*z.feld);
    xbufferAbgeben(puffer, ab, datei, flush);
}

int kCaKanalLaden(NeuronDaten* neuron, KCaKanal& kca, char* position)
{
    if (!neuron || !position)
        return 0;
    const int nummer = neuron->nummer;
    // without the initial [Ca] there is no channel here
    KCaKanal neu = kca;
    if (!zahlLesen(neu.caStart, position, schluessel(nummer, anfangSchluessel).c_str()))
        return 0;
    // every further key must be there: a channel is taken whole or not at all
    std::string liste;
    int fehler = 0;
    auto fehlt = [&](const std::string& s) {
        if (++fehler <= gezeigteFehler)
            liste += s.substr(0, s.size() - 1) + "\n";   // the key without its '='
    };
    for (const KCaZahl& z : kanalZahlen) {
        const std::string s = schluessel(nummer, z.schluessel);
        if (!zahlLesen(neu.*z.feld, position, s.c_str()))
            fehlt(s);
    }
    for (int t = 0; t < static_cast<int>(neu.tore.size()); ++t)
        for (const TorZahl& z : torZahlen) {
            const std::string s = schluessel(nummer, z.schluessel, t + 1);
            if (!zahlLesen(neu.tore[t].*z.feld, position, s.c_str()))
                fehlt(s);
        }
    for (const KCaSchalter& z : schalter) {
        const std::string s = schluessel(nummer, z.schluessel);
        if (!zahlLesen(neu.*z.feld, position, s.c_str()))
            fehlt(s);
    }
    if (fehler > 0) {
        plattform::hinweisBox(fehler > gezeigteFehler ? meldungFormatieren(textErsteFehler, fehler, liste)
                                                       : meldungFormatieren(textFehler, fehler, liste));
        return 0;
    }
    kca = neu;
    return 1;
}

bool kcaDateiSpeichern(const std::string& pfad, const KCaKanal& kca, int nummer)
{
    XBuffer puffer;
    kCaKanalSpeichern(kca, nummer, nullptr, puffer, 0);
    if (plattform::dateiSicherSchreiben(pfad, mitCrLf(puffer.text())))
        return true;
    plattform::hinweisBox(meldungFormatieren(74, pfad));
    return false;
}

int kcaDateiLaden(const std::string& pfad, NeuronDaten& neuron, KCaKanal& kca)
{
    // a file edited elsewhere: its byte order mark, UTF-8 and CR LF become the program's text
    std::string text;
    if (!textDateiLesen(pfad, text)) {
        plattform::hinweisBox(meldungFormatieren(73, pfad));
        return 0;
    }
    // a file saved from a neuron of another number holds nothing for this one: say so
    double erster = 0.0;
    if (!zahlLesen(erster, text.data(), schluessel(neuron.nummer, anfangSchluessel).c_str())) {
        plattform::hinweisBox(meldungFormatieren(textKeinKanal, pfad, neuron.nummer));
        return 0;
    }
    return kCaKanalLaden(&neuron, kca, text.data());
}
