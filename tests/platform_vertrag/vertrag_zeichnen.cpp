// tests/platform_vertrag/vertrag_zeichnen.cpp - drawing objects, text measures, images and
// their pixels
#include "vertrag.h"

using namespace vertrag;

using VertragZeichnen = Vertrag;
using VertragBild = Vertrag;

TEST_F(VertragZeichnen, AuswaehlenGibtDasVorherigeZurueckUndNullIstDerStandard)
{
    auto b = bild(50, 40);
    Zeichenflaeche& z = bildFlaeche(b.get());
    Stift rot = stiftErzeugen(stiftStil::Strich, 3, rgbFarbe(255, 0, 0));
    Stift blau = stiftErzeugen(42, -3, rgbFarbe(0, 0, 255));   // an unknown style and a negative width
    Pinsel gruen = pinselErzeugen(rgbFarbe(0, 255, 0));
    Schrift schrift = schriftErzeugen({12, 400, true, true, 900, "Courier"});
    EXPECT_TRUE(!auswaehlen(z, rot) && auswaehlen(z, blau) == rot && auswaehlen(z, Stift{}) == blau);
    EXPECT_TRUE(auswaehlen(z, gruen) == nullptr && auswaehlen(z, hohlerPinsel()) == gruen);
    EXPECT_EQ(auswaehlen(z, schrift), nullptr);
    EXPECT_EQ(textFarbeSetzen(z, 0x123456), 0u);           // black
    EXPECT_FALSE(hintergrundTransparent(z, true));        // opaque
    EXPECT_TRUE(hintergrundTransparent(z, true));

    // the surface keeps copies: drawing after the owner deleted what is selected reads
    // nothing freed (the sanitizer watches), and the handles still come back as given
    auswaehlen(z, blau);
    auswaehlen(z, gruen);
    loeschen(rot);
    loeschen(blau);
    loeschen(gruen);
    loeschen(schrift);
    loeschen(hohlerPinsel());                              // shared: never deleted
    loeschen(Stift{});
    rechteck(z, {1, 2, 30, 20});
    text(z, 3, 4, "x");
    EXPECT_TRUE(auswaehlen(z, Stift{}) == blau && auswaehlen(z, hohlerPinsel()) == gruen);
    EXPECT_EQ(auswaehlen(z, Schrift{}), schrift);
}

TEST_F(VertragZeichnen, SchriftenNachHoeheUndFehlendemNamen)
{
    auto b = bild(10, 10);
    Zeichenflaeche& f = bildFlaeche(b.get());
    auto masse = [&](SchriftMerkmale m) {
        Schrift s = schriftErzeugen(m);
        auswaehlen(f, s);
        const SchriftMasse r = schriftMasse(f);
        EXPECT_GT(textAusmass(f, "Wasserstand").breite, textAusmass(f, "Wasser").breite);
        auswaehlen(f, Schrift{});
        loeschen(s);
        return r;
    };
    const SchriftMerkmale zeichen{-20, 400, false, false, 0, ""};   // characters 20 pixels: the cell no less
    const SchriftMasse sm = masse(zeichen);
    EXPECT_TRUE(sm.hoehe >= 20 && sm.hoehe == sm.oberlaenge + sm.unterlaenge);
    EXPECT_NEAR(masse({20, 400, false, false, 0, ""}).hoehe, 20, 1);   // the cell 20 pixels
    SchriftMerkmale fremd = zeichen;
    fremd.name = "Gibt Es Nicht \xc4rger";                 // falls back to the default face
    EXPECT_EQ(masse(fremd).hoehe, sm.hoehe);
}

TEST_F(VertragBild, PixelFolgenFuellenUndKopierenBisZumRand)
{
    EXPECT_FALSE(bildErzeugen(0, 10) || bildErzeugen(40000, 10) || bildErzeugen(20000, 20000));

    auto ziel = bild(10, 10, 0x000000), quelle = bild(3, 3, 0x00FF00);
    Zeichenflaeche& z = bildFlaeche(ziel.get());
    EXPECT_TRUE(flaechenGroesse(z).rechts == 10 && flaechenGroesse(z).unten == 10);
    EXPECT_EQ(dpiX(z) + dpiY(z), 2 * 96);
    rechteckFuellen(z, {-5, -5, 2, 2}, 0xFF0000);          // reaches outside: cut at the edge
    EXPECT_EQ(bildPixel(ziel.get(), 1, 1), 0xFF0000u);
    EXPECT_EQ(bildPixel(ziel.get(), 2, 1) + bildPixel(ziel.get(), 1, 2), 0u);   // right, bottom exclusive
    rechteckFuellen(z, {5, 5, 20, 20}, KeineFarbe);        // no colour paints nothing
    EXPECT_EQ(std::make_tuple(bildPixel(ziel.get(), 9, 9), bildPixel(ziel.get(), -1, 0),
                              bildPixel(ziel.get(), 10, 0)),
              std::make_tuple(0u, KeineFarbe, KeineFarbe));

    bildZeichnen(z, quelle.get(), 8, 8);                   // reaches outside: cut at the edge
    EXPECT_TRUE(bildPixel(ziel.get(), 9, 9) == 0x00FF00u && bildPixel(ziel.get(), 7, 7) == 0u);
}

