// platform/test/waehler.cpp - file, colour and font choosers answered from scripted queues
#include "platform/test/zustand.h"
#include "platform/waehler.h"

namespace plattform {
using namespace test::intern;

// The answer stands for the user's final choice (a declining user cancels); the overwrite
// question and the refusal of paths outside Windows-1252 happen inside the real dialog, not here.
bool dateiWaehlen(Fenster, DateiWahl& wahl)
{
    if (!aufGui("dateiWaehlen"))
        return false;
    Zustand& z = zustand();
    const bool da = !z.dateiAntworten.empty();
    z.dateiWahlen.push_back({wahl, da || z.ablehnen != test::Ablehnen::Aus});
    if (!da && z.ablehnen != test::Ablehnen::Aus)
        return false;
    if (!da) {
        fehler("file chooser without a scripted answer: \"" + wahl.titel + "\"");
        return false;
    }
    test::DateiAntwort a = std::move(z.dateiAntworten.front());
    z.dateiAntworten.pop_front();
    if (a.abgebrochen)
        return false;
    wahl.ordner = std::move(a.ordner);
    wahl.name = std::move(a.name);
    wahl.endung = std::move(a.endung);
    return true;
}

Farbe farbeWaehlen(Fenster, Farbe vorgabe)
{
    if (!aufGui("farbeWaehlen"))
        return KeineFarbe;
    Zustand& z = zustand();
    const bool da = !z.farbAntworten.empty();
    z.farbWahlen.push_back({vorgabe, da || z.ablehnen != test::Ablehnen::Aus});
    if (!da && z.ablehnen != test::Ablehnen::Aus)
        return KeineFarbe;
    if (!da) {
        fehler("colour chooser without a scripted answer");
        return KeineFarbe;
    }
    Farbe f = z.farbAntworten.front();
    z.farbAntworten.pop_front();
    return f;
}

bool schriftWaehlen(Fenster, SchriftMerkmale& m, Farbe& farbe)
{
    if (!aufGui("schriftWaehlen"))
        return false;
    Zustand& z = zustand();
    const bool da = !z.schriftAntworten.empty();
    z.schriftWahlen.push_back({m, farbe, da || z.ablehnen != test::Ablehnen::Aus});
    if (!da && z.ablehnen != test::Ablehnen::Aus)
        return false;
    if (!da) {
        fehler("font chooser without a scripted answer (font \"" + m.name + "\")");
        return false;
    }
    test::SchriftAntwort a = std::move(z.schriftAntworten.front());
    z.schriftAntworten.pop_front();
    if (a.abgebrochen)
        return false;
    m = std::move(a.merkmale);
    farbe = a.farbe;
    return true;
}

namespace test {

// "a/b/netz.str" -> ordner "a/b", name "netz", endung "str"; a leading dot is part of the name
DateiAntwort dateiAntwort(const std::string& pfad)
{
    DateiAntwort a;
    const size_t schnitt = pfad.rfind('/');
    std::string datei = pfad;
    if (schnitt != std::string::npos) {
        a.ordner = pfad.substr(0, schnitt);
        datei = pfad.substr(schnitt + 1);
    }
    const size_t punkt = datei.rfind('.');
    if (punkt != std::string::npos && punkt > 0) {
        a.endung = datei.substr(punkt + 1);
        datei.resize(punkt);
    }
    a.name = datei;
    return a;
}

void dateiAntworten(std::initializer_list<DateiAntwort> antworten)
{
    auto& q = zustand().dateiAntworten;
    q.insert(q.end(), antworten.begin(), antworten.end());
}

void farbAntworten(std::initializer_list<Farbe> antworten)
{
    auto& q = zustand().farbAntworten;
    q.insert(q.end(), antworten.begin(), antworten.end());
}

void schriftAntworten(std::initializer_list<SchriftAntwort> antworten)
{
    auto& q = zustand().schriftAntworten;
    q.insert(q.end(), antworten.begin(), antworten.end());
}

size_t offeneWahlAntworten()
{
    const Zustand& z = zustand();
    return z.dateiAntworten.size() + z.farbAntworten.size() + z.schriftAntworten.size();
}

const std::vector<DateiWahlEintrag>& dateiWahlLog() { return zustand().dateiWahlen; }
const std::vector<FarbWahlEintrag>& farbWahlLog() { return zustand().farbWahlen; }
const std::vector<SchriftWahlEintrag>& schriftWahlLog() { return zustand().schriftWahlen; }

} // namespace test
} // namespace plattform
