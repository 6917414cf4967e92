// files/protokolldatei.cpp - the protocol text and the protocol window's keys
#include "files/protokolldatei.h"
#include "core/schluessel.h"
#include "core/status.h"
#include "files/lesen.h"
#include "platform/steuerelemente.h"
#include <algorithm>
#include <cstddef>
#include <cstring>

namespace {

constexpr const char* markeStart = "[ProtokollTextStart]";
constexpr const char* markeEnde = "\n[ProtokollTextEnde]";

constexpr const char* keyFontgroesse = "fontgroesse f\xFCr protokollfenster=";
constexpr const char* keyFontname = "fontname f\xFCr protokollfenster=";
constexpr const char* keyWichtung = "font-wichtung f\xFCr protokollfenster=";
constexpr const char* keyKursiv = "font kursiv f\xFCr protokollfenster=";
constexpr const char* keyUnterstrichen = "font unterstrichen f\xFCr protokollfenster=";

// the window's keys in file order
template <class B>
void fensterFelder(B&& b)
{
    Protokoll& p = protokoll;
    b("protokollfenster xl=", p.x);
    b("protokollfenster yl=", p.y);
    b("protokollfenster breite=", p.breite);
    b("protokollfenster hoehe=", p.hoehe);
    b("protokollfenster einblenden=", p.eingebettet);
    b("protokollfenster hoehe des einblendfensters=", p.eingebetteteHoehe);
    b("protokollfenster anzeigen=", p.sichtbar);
}

} // namespace

void protokollFensterSchluesselSpeichern(XBuffer& puffer)
{
    // a shown protocol keeps the height it has now
    const plattform::Fenster feld = fensterhandles.protokollfenster;
    const int einblendHoehe = protokoll.sichtbar && feld ? plattform::fensterRechteck(feld).hoehe()
                                                         : protokoll.eingebetteteHoehe;
    fensterFelder([&](const char* key, int& wert) {
        puffer.drucken("%s%d\n", key, &wert == &protokoll.eingebetteteHoehe ? einblendHoehe : wert);
    });
}

void protokollSpeichern(const char* text, XBuffer& datei)
{
    std::string inhalt;
    if (text)
        inhalt = text;
    else if (fensterhandles.protokollfenster)
        inhalt = plattform::textfeldText(fensterhandles.protokollfenster);
    else
        inhalt = protokoll.gesicherterText;
    datei.drucken("\n%s\n", markeStart);
    datei.anhaengen(inhalt);
    datei.drucken("%s\n", markeEnde);
    const FontDaten& s = protokoll.schrift;
    datei.drucken("%s%d\n%s%s\n%s%d\n%s%d\n%s%d\n", keyFontgroesse, s.punkte, keyFontname, s.name.c_str(), keyWichtung,
                  s.gewicht, keyKursiv, s.kursiv, keyUnterstrichen, s.unterstrichen);
    protokollFensterSchluesselSpeichern(datei);
}

char* protokollBlockSuchen(char* text)
{
    if (!text)
        return nullptr;
    // only at a line start: a neuron name or a key's value may hold the marker too
    for (char* p = std::strstr(text, markeStart); p; p = std::strstr(p + 1, markeStart))
        if (p == text || p[-1] == '\n' || p[-1] == '\r')
            return p;
    return nullptr;
}

void protokollEinstellungenLesen(plattform::Fenster edit, char* text)
{
    if (!text)
        return;
    char* schluessel = text;
    if (char* start = protokollBlockSuchen(text)) {
        char* inhalt = start + std::strlen(markeStart);
        if (*inhalt == '\r')
            ++inhalt;
        if (*inhalt == '\n')
            ++inhalt;
        // the last end mark: the protocol may quote the mark itself
        char* ende = nullptr;
        for (char* p = std::strstr(inhalt - 1, markeEnde); p;
             p = std::strstr(p + 1, markeEnde))
            ende = p;
        if (ende) {
            protokoll.gesicherterText.assign(inhalt, static_cast<size_t>(std::max(ende - inhalt, std::ptrdiff_t{0})));
            if (edit)
                plattform::textfeldTextSetzen(edit, protokoll.gesicherterText);
            schluessel = ende + std::strlen(markeEnde);
        }
    }
    fensterFelder([&](const char* key, int& wert) { zahlLesen(wert, schluessel, key); });
    FontDaten& s = protokoll.schrift;
    zahlLesen(s.punkte, schluessel, keyFontgroesse);
    schluesselTextLesen(s.name, 256, schluessel, keyFontname);
    zahlLesen(s.gewicht, schluessel, keyWichtung);
    zahlLesen(s.kursiv, schluessel, keyKursiv);
    zahlLesen(s.unterstrichen, schluessel, keyUnterstrichen);
}
