// platform/test/scrollleiste.cpp - window scroll bars and the user working them
#include "platform/test/zustand.h"
#include <algorithm>

namespace plattform {
using namespace test::intern;

namespace {

// the highest position at which the page still ends inside the range
int hoechstePosition(const ScrollZustand& s)
{
    return std::max(s.min, s.max - std::max(s.seite - 1, 0));
}

} // namespace

void scrollLeisteSetzen(Fenster f, bool vertikal, int min, int max, int seite, int position)
{
    if (!aufGui("scrollLeisteSetzen"))
        return;
    FensterObjekt* o = lebend(f);
    if (!o)
        return;
    ScrollZustand& s = o->scrollLeisten[vertikal ? 1 : 0];
    s.min = min;
    s.max = max;
    s.seite = std::max(seite, 0);
    s.position = std::clamp(position, min, hoechstePosition(s));
    s.daumen = s.position;   // setting the bar ends a drag's own thumb position
    // last, as the Groesse it may bring can lead the window to set the bar again
    scrollSichtbarkeitSetzen(*o, vertikal, !(int64_t{s.seite} > int64_t{max} - min));
}

ScrollZustand scrollLeiste(Fenster f, bool vertikal)
{
    FensterObjekt* o = lebend(f);
    return o ? o->scrollLeisten[vertikal ? 1 : 0] : ScrollZustand{};
}

namespace test {

void scrollen(Fenster f, bool vertikal, int code, int position)
{
    if (!eingabeMoeglich(f, "scrollen"))
        return;
    ScrollZustand& s = lebend(f)->scrollLeisten[vertikal ? 1 : 0];
    if (!s.sichtbar) {
        fehler(std::string("scrollen: the ") + (vertikal ? "vertical" : "horizontal") +
               " scroll bar is hidden (the user could not reach it)");
        return;
    }
    int p = position;
    if (code == scroll::DaumenZiehen || code == scroll::DaumenPosition)
        p = std::clamp(position, s.min, hoechstePosition(s));
    if (code == scroll::DaumenZiehen)
        s.daumen = p;
    senden(f, vertikal ? nachricht::VScroll : nachricht::HScroll, machWParam(code, p), 0);
    // once the drag is over, the thumb shows the position the program has set
    if (FensterObjekt* o = lebend(f); o && code != scroll::DaumenZiehen) {
        ScrollZustand& nach = o->scrollLeisten[vertikal ? 1 : 0];
        nach.daumen = nach.position;
    }
}

} // namespace test
} // namespace plattform
