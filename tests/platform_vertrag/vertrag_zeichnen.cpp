// tests/platform_vertrag/vertrag_zeichnen.cpp - drawing objects, text measures, images and
// their pixels, window snapshots and BMP files
#include "platform/bmp.h"
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
    EXPECT_EQ(auswaehlen(z, rot), nullptr);                // the default was selected
    EXPECT_EQ(auswaehlen(z, blau), rot);
    EXPECT_EQ(auswaehlen(z, Stift{}), blau);
    EXPECT_EQ(auswaehlen(z, gruen), nullptr);
    EXPECT_EQ(auswaehlen(z, hohlerPinsel()), gruen);
    EXPECT_EQ(auswaehlen(z, schrift), nullptr);
    EXPECT_EQ(textFarbeSetzen(z, 0x123456), 0u);           // black
    EXPECT_EQ(hintergrundFarbeSetzen(z, 0x00FFFF), 0xFFFFFFu);   // white
    EXPECT_FALSE(hintergrundTransparent(z, true));        // opaque
    EXPECT_TRUE(hintergrundTransparent(z, true));
    EXPECT_EQ(textAusrichtungSetzen(z, textAusrichtung::Mitte), textAusrichtung::Links | textAusrichtung::Oben);

    // the surface keeps copies: drawing after the owner deleted what is selected reads
    // nothing freed (the sanitizer watches), and the handles still come back as given
    auswaehlen(z, blau);
    auswaehlen(z, gruen);
    for (Stift s : {rot, blau})
        loeschen(s);
    loeschen(gruen);
    loeschen(schrift);
    loeschen(hohlerPinsel());                              // shared: never deleted
    loeschen(Stift{});
    linie(z, 0, 2, 10, 2);
    rechteck(z, {1, 2, 30, 20});
    text(z, 3, 4, "x");
    EXPECT_EQ(auswaehlen(z, Stift{}), blau);
    EXPECT_EQ(auswaehlen(z, hohlerPinsel()), gruen);
    EXPECT_EQ(auswaehlen(z, Schrift{}), schrift);
}

TEST_F(VertragZeichnen, SchriftenNachHoeheUndFehlendemNamen)
{
    auto b = bild(10, 10);
    Zeichenflaeche& f = bildFlaeche(b.get());
    auto masse = [&](SchriftMerkmale m, const char* probe = "Wasserstand") {
        Schrift s = schriftErzeugen(m);
        auswaehlen(f, s);
        auto r = std::make_pair(schriftMasse(f), textAusmass(f, probe));
        auswaehlen(f, Schrift{});
        loeschen(s);
        return r;
    };
    SchriftMerkmale zeichen;
    zeichen.hoehe = -20;                                   // the characters 20 pixels: the cell no less
    SchriftMerkmale zelle;
    zelle.hoehe = 20;                                      // the cell 20 pixels
    const auto [sm, ausmass] = masse(zeichen);
    EXPECT_GE(sm.hoehe, 20);
    EXPECT_NEAR(masse(zelle).first.hoehe, 20, 1);
    EXPECT_EQ(sm.hoehe, sm.oberlaenge + sm.unterlaenge);
    EXPECT_EQ(ausmass.hoehe, sm.hoehe);
    EXPECT_GT(ausmass.breite, masse(zeichen, "Wasser").second.breite);
    SchriftMerkmale fremd = zeichen;
    fremd.name = "Gibt Es Nicht \xc4rger";                 // falls back to the default face
    EXPECT_GT(masse(fremd).second.breite, 0);
    EXPECT_EQ(masse(fremd).first.hoehe, sm.hoehe);
}

TEST_F(VertragBild, PixelFolgenFuellenUndKopierenInnerhalbDesAusschnitts)
{
    EXPECT_EQ(bildErzeugen(0, 10), nullptr);
    EXPECT_EQ(bildErzeugen(40000, 10), nullptr);
    EXPECT_EQ(bildErzeugen(20000, 20000), nullptr);

    auto ziel = bild(10, 10, 0x000000), quelle = bild(3, 3, 0x00FF00);
    Zeichenflaeche& z = bildFlaeche(ziel.get());
    EXPECT_TRUE(flaechenGroesse(z).rechts == 10 && flaechenGroesse(z).unten == 10);
    EXPECT_EQ(dpiX(z) + dpiY(z), 2 * 96);
    rechteckFuellen(z, {-5, -5, 2, 2}, 0xFF0000);          // reaches outside: cut at the edge
    EXPECT_EQ(bildPixel(ziel.get(), 1, 1), 0xFF0000u);
    EXPECT_EQ(bildPixel(ziel.get(), 2, 1), 0u);           // right and bottom edges exclusive
    rechteckFuellen(z, {5, 5, 20, 20}, KeineFarbe);        // no colour paints nothing
    EXPECT_EQ(bildPixel(ziel.get(), 9, 9), 0u);
    EXPECT_EQ(bildPixel(ziel.get(), -1, 0), KeineFarbe);
    EXPECT_EQ(bildPixel(ziel.get(), 10, 0), KeineFarbe);

    const Rechteck clip{0, 0, 9, 9};
    ausschnittSetzen(z, &clip);
    bildZeichnen(z, quelle.get(), 8, 8);                   // only (8, 8) lies inside the clipping
    EXPECT_EQ(bildPixel(ziel.get(), 8, 8), 0x00FF00u);
    EXPECT_EQ(bildPixel(ziel.get(), 9, 8) + bildPixel(ziel.get(), 8, 9) + bildPixel(ziel.get(), 7, 7), 0u);
    rechteckFuellen(z, {0, 0, 10, 10}, 0x0000FF);
    EXPECT_EQ(bildPixel(ziel.get(), 9, 9), 0u);
    ausschnittSetzen(z, nullptr);
    rechteckFuellen(z, {9, 9, 10, 10}, 0x0000FF);
    EXPECT_EQ(bildPixel(ziel.get(), 9, 9), 0x0000FFu);
}

TEST_F(VertragBild, FensterAbbildMaltInsBildWasDieProzedurMalt)
{
    klasseRegistrieren({"Grau", proc, 0x808080});
    reaktion = [](Fenster, uint32_t m, uintptr_t, intptr_t l) -> std::optional<intptr_t> {
        if (m == n::Zeichnen)
            rechteckFuellen(*reinterpret_cast<Zeichenflaeche*>(l), {0, 0, 10, 5}, 0x0000FF);
        return std::nullopt;
    };
    Fenster f = fensterErzeugen("Grau", "", stil::Hauptfenster | stil::VScrollLeiste, 0, 0, 300, 200);
    fenster.push_back(f);
    EXPECT_EQ(fensterAbbild(f), nullptr);                  // hidden: nothing to show
    zeigen(f, anzeige::Normal);
    scrollLeisteSetzen(f, true, 0, 100, 10, 0);            // the bar takes its width off the image
    const EigenesBild abbild(fensterAbbild(f));
    ASSERT_NE(abbild, nullptr);
    const Rechteck c = clientRechteck(f);
    EXPECT_EQ(std::make_pair(bildBreite(abbild.get()), bildHoehe(abbild.get())), std::make_pair(c.breite(), c.hoehe()));
    EXPECT_EQ(bildPixel(abbild.get(), 9, 4), 0x0000FFu);
    EXPECT_EQ(bildPixel(abbild.get(), 10, 4), 0x808080u);  // the class background first
    EXPECT_EQ(bildPixel(abbild.get(), 30, 30), 0x808080u);
}

TEST_F(VertragBild, BmpKommtUeberDasSichereSchreiben)
{
    TempOrdner ordner;
    auto b = bild(3, 2, 0xFFFFFF);
    rechteckFuellen(bildFlaeche(b.get()), {0, 1, 1, 2}, 0x0000FF);   // bottom left red
    const std::string pfad = ordner.datei("abbild.bmp");
    ASSERT_TRUE(bildAlsBmp(b.get(), pfad));
    std::vector<uint32_t> pixel;
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x)
            pixel.push_back(bildPixel(b.get(), x, y));
    EXPECT_EQ(dateiInhalt(pfad), bmp24Bytes(3, 2, pixel.data()));   // the byte layout has its own test
    EXPECT_EQ(ordner.dateien(), 1u);                       // no temporary left behind
    EXPECT_FALSE(bildAlsBmp(b.get(), ordner.datei("fehlt/abbild.bmp")));
}
