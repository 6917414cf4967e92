// platform/test/pumpe.cpp - sending, the posted queue, timers on the virtual clock, waiting
//
// One unit of work at a time, in this order: work handed over by other threads, the
// oldest posted message (a quit request stops there), one paint, the earliest due timer.
// Paints and timers thus come only when no posted message is waiting.
#include "platform/system.h"
#include "platform/test/zustand.h"
#include <algorithm>
#include <cmath>

namespace plattform {
using namespace test::intern;

namespace {

// a pass that delivers this many messages without the clock moving is a procedure that
// keeps feeding itself: fail instead of hanging the test
constexpr int sturmGrenze = 100000;
constexpr double drosselMs = 20.0;
constexpr double schleifeMaxMs = 600000.0;

enum class Schritt { Nichts, Getan, Beenden };

Zeitgeber* naechsterZeitgeber()
{
    Zeitgeber* n = nullptr;
    for (Zeitgeber& t : zustand().zeitgeber)
        if (!n || t.faellig < n->faellig || (t.faellig == n->faellig && t.folge < n->folge))
            n = &t;
    return n;
}

// A late timer brings one message however many periods it missed, and is due again one
// period after it fired. It is rescheduled before the call, so a pump inside the handler
// does not fire it again.
void zeitgeberZustellen(Zeitgeber& t)
{
    t.faellig = zustand().uhr + t.periode;
    uintptr_t id = t.id;
    if (FensterObjekt* f = lebend(t.fenster))
        zustellen(f, nachricht::Zeitgeber, id, 0, true);
}

bool arbeitAusfuehren()
{
    Zustand& z = zustand();
    std::function<void()> arbeit;
    {
        std::lock_guard<std::mutex> sperre(z.arbeitMutex);
        if (z.arbeiten.empty())
            return false;
        arbeit = std::move(z.arbeiten.front());
        z.arbeiten.pop_front();
    }
    arbeit();
    return true;
}

Schritt einSchritt()
{
    Zustand& z = zustand();
    z.letztesPumpen = z.uhr;
    if (arbeitAusfuehren())
        return Schritt::Getan;
    if (!z.schlange.empty()) {
        if (!z.schlange.front().fenster)
            return Schritt::Beenden;
        Eintrag e = z.schlange.front();
        z.schlange.pop_front();
        if (FensterObjekt* f = lebend(e.fenster))
            zustellen(f, e.nachricht, e.w, e.l, true);
        return Schritt::Getan;
    }
    for (const auto& [nummer, f] : z.ungueltige)
        if (f->lage == Lebenslage::Lebt && zeigtSich(*f)) {
            zeichnenZustellen(f, true);
            return Schritt::Getan;
        }
    Zeitgeber* t = naechsterZeitgeber();
    if (t && t->faellig <= z.uhr) {
        zeitgeberZustellen(*t);
        return Schritt::Getan;
    }
    return Schritt::Nichts;
}

// processes until nothing is left or the quit request is next
Schritt abarbeiten()
{
    for (int n = 0; n < sturmGrenze; ++n)
        if (Schritt s = einSchritt(); s != Schritt::Getan)
            return s;
    fehler("message storm: " + std::to_string(sturmGrenze) +
           " messages in one pass (does a procedure keep posting to itself?)");
    return Schritt::Nichts;
}

enum class Warteende { Fertig, Beenden, Fehler };

// The modal wait: processes, and when idle jumps the clock to the next timer.
Warteende warten(const std::function<bool()>* fertig, const std::string& blockiertText,
                 const std::string& zuLangeText, double maxMs)
{
    Zustand& z = zustand();
    const double start = z.uhr;
    int schritte = 0;
    for (;;) {
        if (fertig && (*fertig)())
            return Warteende::Fertig;
        Schritt s = einSchritt();
        if (s == Schritt::Beenden)
            return Warteende::Beenden;
        if (s == Schritt::Getan) {
            if (++schritte >= sturmGrenze) {
                fehler("message storm (" + std::to_string(sturmGrenze) +
                       " messages without the clock moving) " + zuLangeText);
                return Warteende::Fehler;
            }
            continue;
        }
        Zeitgeber* t = naechsterZeitgeber();
        if (!t) {
            fehler(blockiertText);
            return Warteende::Fehler;
        }
        if (t->faellig - start > maxMs) {
            z.uhr = std::max(z.uhr, start + maxMs);
            fehler("gave up after " + std::to_string(static_cast<long long>(maxMs)) +
                   " ms of virtual time " + zuLangeText);
            return Warteende::Fehler;
        }
        z.uhr = std::max(z.uhr, t->faellig);
        schritte = 0;
    }
}

} // namespace

namespace test::intern {

bool beendenWartet()
{
    for (const Eintrag& e : zustand().schlange)
        if (!e.fenster)
            return true;
    return false;
}

void abarbeitenBis(const std::function<bool()>& fertig)
{
    for (int n = 0; n < sturmGrenze; ++n)
        if (fertig() || einSchritt() != Schritt::Getan)
            return;
    fehler("message storm: " + std::to_string(sturmGrenze) +
           " messages in one pass (does a procedure keep posting to itself?)");
}

bool eingabeMoeglich(Fenster f, const char* wer)
{
    FensterObjekt* o = lebend(f);
    std::string grund;
    if (!o)
        grund = "the window does not exist";
    else if (!istSichtbar(f))
        grund = "the window is hidden";
    else
        for (FensterObjekt* k = o; k; k = istOberstes(*k) ? nullptr : lesbar(k->eltern))
            if (!k->freigegeben)
                grund = "the window is disabled";
    if (grund.empty())
        return true;
    fehler(std::string(wer) + ": " + grund + " (the user could not reach it)");
    return false;
}

void fensterAusPumpeEntfernen(Fenster f)
{
    Zustand& z = zustand();
    std::erase_if(z.schlange, [f](const Eintrag& e) { return e.fenster == f; });
    std::erase_if(z.zeitgeber, [f](const Zeitgeber& t) { return t.fenster == f; });
}

} // namespace test::intern

intptr_t senden(Fenster f, uint32_t n, uintptr_t w, intptr_t l)
{
    if (!aufGui("senden"))
        return 0;
    FensterObjekt* o = lebend(f);
    return o ? zustellen(o, n, w, l, false) : 0;
}

bool posten(Fenster f, uint32_t n, uintptr_t w, intptr_t l)
{
    if (!aufGui("posten") || !lebend(f))
        return false;
    zustand().schlange.push_back({f, n, w, l, 0});
    return true;
}

void beendenPosten(int code)
{
    if (aufGui("beendenPosten"))
        zustand().schlange.push_back({nullptr, nachricht::Beenden, 0, 0, code});
}

// Idle without a quit request, the loop lets time pass up to the next timer; with no
// timer either it would wait forever.
int nachrichtenSchleife()
{
    if (!aufGui("nachrichtenSchleife"))
        return -1;
    Warteende e = warten(nullptr, "message loop would block: no message, no timer and no quit request",
                         "in the message loop without a quit request", schleifeMaxMs);
    if (e != Warteende::Beenden)
        return -1;
    Zustand& z = zustand();
    int code = z.schlange.front().code;
    z.schlange.pop_front();
    return code;
}

bool nachrichtenVerarbeiten()
{
    if (!aufGui("nachrichtenVerarbeiten"))
        return true;
    abarbeiten();
    return !beendenWartet();
}

bool nachrichtenVerarbeitenGedrosselt()
{
    Zustand& z = zustand();
    if (z.uhr - z.letztesPumpen < drosselMs)
        return !beendenWartet();
    return nachrichtenVerarbeiten();
}

// ms 0 would fire in every pass; it counts as 1 ms
bool zeitgeberSetzen(Fenster f, uintptr_t id, unsigned ms)
{
    if (!aufGui("zeitgeberSetzen") || !lebend(f))
        return false;
    Zustand& z = zustand();
    double periode = std::max(1u, ms);
    Zeitgeber neu{f, id, periode, z.uhr + periode, z.naechsteFolge++};
    for (Zeitgeber& t : z.zeitgeber)
        if (t.fenster == f && t.id == id) {
            t = neu;
            return true;
        }
    z.zeitgeber.push_back(neu);
    return true;
}

void zeitgeberLoeschen(Fenster f, uintptr_t id)
{
    if (aufGui("zeitgeberLoeschen"))
        std::erase_if(zustand().zeitgeber,
                      [&](const Zeitgeber& t) { return t.fenster == f && t.id == id; });
}

void aufGuiThread(std::function<void()> arbeit)
{
    if (!arbeit)
        return;
    Zustand& z = zustand();
    std::lock_guard<std::mutex> sperre(z.arbeitMutex);
    z.arbeiten.push_back(std::move(arbeit));
}

namespace test {

size_t wartendeNachrichten()
{
    const auto& s = zustand().schlange;
    return std::count_if(s.begin(), s.end(), [](const Eintrag& e) { return e.fenster != nullptr; });
}

void uhrVorstellen(double ms, bool pumpen)
{
    if (!aufGui("uhrVorstellen"))
        return;
    Zustand& z = zustand();
    const double ziel = z.uhr + (ms > 0 ? ms : 0.0);
    if (pumpen) {
        abarbeiten();
        // timers are delivered here directly, so they fire even behind a quit request
        for (Zeitgeber* t = naechsterZeitgeber(); t && t->faellig <= ziel; t = naechsterZeitgeber()) {
            z.uhr = std::max(z.uhr, t->faellig);
            zeitgeberZustellen(*t);
            abarbeiten();
        }
    }
    z.uhr = ziel;
    if (pumpen)
        abarbeiten();
}

// A quit request ends the wait as it ends a modal loop: false, but no failure.
bool laufenBis(const std::function<bool()>& fertig, const std::string& beschreibung, double maxMs)
{
    if (!aufGui("laufenBis"))
        return false;
    return warten(&fertig, "waiting would block forever (no message, no timer): " + beschreibung,
                  "waiting for: " + beschreibung, maxMs) == Warteende::Fertig;
}

double zeitgeberPeriode(Fenster f, uintptr_t id)
{
    for (const Zeitgeber& t : zustand().zeitgeber)
        if (t.fenster == f && t.id == id)
            return t.periode;
    return -1;
}

void tasteDruecken(Fenster f, int taste, char zeichen)
{
    // the key filter sees F2 before any window does
    if (taste == taste::F2 && lebend(f) && f2Abfangen())
        return;
    if (!eingabeMoeglich(f, "tasteDruecken"))
        return;
    if (taste == taste::F2 && dialogVon(f))
        return;   // no registration: F2 means nothing in a dialog
    posten(f, nachricht::TasteRunter, static_cast<uintptr_t>(taste), 1);
    if (zeichen)
        posten(f, nachricht::Zeichen, static_cast<unsigned char>(zeichen), 1);
    posten(f, nachricht::TasteHoch, static_cast<uintptr_t>(taste), 1);
}

void klicken(Fenster f, int x, int y, bool rechts)
{
    if (!eingabeMoeglich(f, "klicken"))
        return;
    zustand().maus = clientZuBildschirm(f, {x, y});
    intptr_t l = machLParam(x, y);
    posten(f, rechts ? nachricht::RechtsRunter : nachricht::LinksRunter, rechts ? maus::Rechts : maus::Links, l);
    posten(f, rechts ? nachricht::RechtsHoch : nachricht::LinksHoch, 0, l);
}

} // namespace test
} // namespace plattform
