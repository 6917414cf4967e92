// tests/platform_qt/test_zeichnen.cpp - the pixel rules of the drawing calls the program
// makes, in images
#include "vertrag.h"
#include <climits>

using namespace vertrag;
using QtZeichnen = Vertrag;

namespace {

constexpr Farbe weiss = 0xFFFFFF, schwarz = 0x000000, rot = rgbFarbe(255, 0, 0), gruen = rgbFarbe(0, 255, 0);

// the smallest rectangle holding every pixel that is not white, as "left,top,right,bottom"
std::string umriss(Bild b)
{
    int l = INT_MAX, o = INT_MAX, r = INT_MIN, u = INT_MIN;
    for (int y = 0; y < bildHoehe(b); ++y)
        for (int x = 0; x < bildBreite(b); ++x)
            if (bildPixel(b, x, y) != weiss)
                l = std::min(l, x), o = std::min(o, y), r = std::max(r, x + 1), u = std::max(u, y + 1);
    return std::to_string(l) + "," + std::to_string(o) + "," + std::to_string(r) + "," + std::to_string(u);
}

} // namespace

TEST_F(QtZeichnen, TextSitztObenLinksImUndeckendenKastenTransparentNurDieTinte)
{
    Schrift s = schriftErzeugen({.hoehe = -16, .name = ""});
    for (bool transparent : {false, true}) {
        SCOPED_TRACE(transparent);
        auto b = bild(300, 100);
        Zeichenflaeche& f = bildFlaeche(b.get());
        auswaehlen(f, s);
        hintergrundFarbeSetzen(f, gruen);
        hintergrundTransparent(f, transparent);
        const TextAusmass a = textAusmass(f, "Hallo Welt");
        ASSERT_GT(a.breite, 40);
        text(f, 150, 50, "Hallo Welt");
        int gruenePixel = 0, tinte = 0;
        for (int y = 0; y < 100; ++y)
            for (int x = 0; x < 300; ++x) {
                gruenePixel += bildPixel(b.get(), x, y) == gruen;
                tinte += bildPixel(b.get(), x, y) != gruen && bildPixel(b.get(), x, y) != weiss;
            }
        EXPECT_GT(tinte, 20);
        // no green where transparent; else the opaque background is exactly the text's box
        const std::string ecke = std::to_string(150 + a.breite) + "," + std::to_string(50 + a.hoehe);
        EXPECT_TRUE(transparent ? gruenePixel == 0 : umriss(b.get()) == "150,50," + ecke) << umriss(b.get());
    }
    loeschen(s);
}

TEST_F(QtZeichnen, GewaehlterStiftZeichnetNachSeinemLoeschenWeiter)
{
    auto b = bild(20, 10);
    Zeichenflaeche& f = bildFlaeche(b.get());
    Stift r = stiftErzeugen(stiftStil::Durchgehend, 0, rot);
    auswaehlen(f, r);
    loeschen(r);                                           // the program deletes it while selected
    rechteck(f, {0, 0, 10, 5});
    EXPECT_EQ(bildPixel(b.get(), 3, 0), rot);              // the surface kept its copy
    auswaehlen(f, r);                                      // a deleted handle selects the default
    rechteck(f, {0, 5, 10, 10});
    EXPECT_EQ(bildPixel(b.get(), 3, 5), schwarz);
}
