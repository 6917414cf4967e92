// tests/script/test_interaktivlayout.cpp - the bars of the interactive script window
#include "script/interaktiv.h"
#include <gtest/gtest.h>
#include <tuple>

TEST(InteraktivLayout, BalkenStehenAufGemeinsamerBasisUndWachsenMitDerSchleife)
{
    Skript s;
    s.interaktivAnzahl = 3;
    s.schleifen[1] = {5, 1, 0};
    s.schleifen[2] = {1, 0, 0};
    s.interaktiv[1].ebene = 1, s.interaktiv[2].ebene = 2, s.interaktiv[3].ebene = 0;
    interaktivFarbenSetzen(s);
    interaktivFensterLayout(s, 400, 320, 20);
    struct Balken { int links, oben, rechts, unten; uint32_t farbe; };
    const Balken erwartet[] = {{20, 195, 92, 256, 0x0000FF}, {164, 246, 236, 256, 0x00FF00}, {308, 246, 380, 256, 0xFF0000}};
    for (int i = 1; i <= 3; ++i) {
        const InteraktivSlot& b = s.interaktiv[static_cast<size_t>(i)];
        const Balken& e = erwartet[i - 1];
        EXPECT_EQ(std::make_tuple(b.balken.links, b.balken.oben, b.balken.rechts, b.balken.unten, b.farbe),
                  std::make_tuple(e.links, e.oben, e.rechts, e.unten, e.farbe)) << i;
    }
    // the hit test takes the painted bar, edges included
    EXPECT_EQ(std::make_tuple(interaktivBalkenBei(s, 92, 195), interaktivBalkenBei(s, 93, 250), interaktivBalkenBei(s, 164, 256)),
              std::make_tuple(1, 0, 2));
    interaktivFensterLayout(s, 39, 320, 20);           // narrower than its margins: no bars
    EXPECT_EQ(interaktivBalkenBei(s, 20, 250), 0);
    s.interaktivAnzahl = 25;                           // past the window's 19 slots: nothing breaks
    interaktivFensterLayout(s, 400, 320, 20);
    EXPECT_GT(s.interaktiv[19].balken.breite(), 0);
}
