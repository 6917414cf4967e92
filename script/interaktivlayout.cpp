// script/interaktivlayout.cpp - the bars of the interactive script window
//
// One geometry serves painting, the hit test of a double click and the update after each
// simulation, so what the user sees is what a click finds.
#include "script/interaktiv.h"
#include <algorithm>
#include <cmath>

namespace {

constexpr uint32_t slotFarben[] = {0x0000FF, 0x00FF00, 0xFF0000, 0x000080, 0x008000, 0x800000,
                                   0x00FFFF, 0xFFFF00, 0xFF00FF, 0x800080, 0x008080, 0x808000};

int gerundet(double x) { return static_cast<int>(std::lround(x)); }

} // namespace

void interaktivFarbenSetzen(Skript& s)
{
    for (int i = 1; i <= interaktivSlots; ++i)
        s.interaktiv[static_cast<size_t>(i)].farbe = i <= 12 ? slotFarben[i - 1] : 0;
}

void interaktivFensterLayout(Skript& s, int breite, int hoehe, int rand)
{
    const int n = std::min(s.interaktivAnzahl, interaktivSlots);
    for (InteraktivSlot& slot : s.interaktiv)
        slot.balken = {};
    if (n < 1 || breite - 2 * rand <= 0)
        return;
    const int zeile = gerundet(hoehe / 5.0);
    const int zeile2 = gerundet(zeile / 3.0 * 2.0);
    const int laengeMax = std::max(0, hoehe - zeile2 - zeile - 10);
    const int einheit = gerundet((breite - 2.0 * rand) / (2 * n - 1));
    for (int i = 1; i <= n; ++i) {
        InteraktivSlot& slot = s.interaktiv[static_cast<size_t>(i)];
        // a loop of one pass, or none, has no way to go: the bar stands at its minimum
        int laenge = 0;
        if (slot.ebene >= 1 && slot.ebene <= schleifenEbenen) {
            const Skript::Schleife& l = s.schleifen[static_cast<size_t>(slot.ebene)];
            if (l.anzahl > 1)
                laenge = gerundet(laengeMax * std::clamp(l.lauf, 0, l.anzahl - 1) / double(l.anzahl - 1));
        }
        slot.balken.links = rand + 2 * (i - 1) * einheit;
        slot.balken.rechts = slot.balken.links + einheit;
        slot.balken.unten = hoehe - zeile;
        slot.balken.oben = slot.balken.unten - (laenge + 10);
    }
}

int interaktivBalkenBei(const Skript& s, int x, int y)
{
    const int n = std::min(s.interaktivAnzahl, interaktivSlots);
    for (int i = 1; i <= n; ++i) {
        const plattform::Rechteck& r = s.interaktiv[static_cast<size_t>(i)].balken;
        if (r.breite() > 0 && x >= r.links && x <= r.rechts && y >= r.oben && y <= r.unten)
            return i;
    }
    return 0;
}
