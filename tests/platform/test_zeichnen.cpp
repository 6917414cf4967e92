// tests/platform/test_zeichnen.cpp - the scripted platform's recording surface: every call
// with the state it drew with, and the last paint of each window
#include "skript.h"

using namespace skript;

using SkriptZeichnen = Fall;

TEST_F(SkriptZeichnen, JederAufrufTraegtDenZustandDavorGeloeschteObjekteBleibenInKraft)
{
    const int vorher = test::zeichenObjekteLebend();
    auto bild = vertrag::bild(200, 100);
    Zeichenflaeche& z = bildFlaeche(bild.get());
    Stift s = stiftErzeugen(42, -3, 0x0000FF);             // unknown style and a negative width
    Pinsel p = pinselErzeugen(0x00FF00);
    Schrift f = schriftErzeugen({12, 400, true, true, 900, "Courier"});
    EXPECT_EQ(test::zeichenObjekteLebend(), vorher + 3);
    linieZu(z, 10, 0);                                     // from the start position (0, 0)
    auswaehlen(z, s);
    auswaehlen(z, p);
    auswaehlen(z, f);
    hintergrundTransparent(z, true);
    textAusrichtungSetzen(z, textAusrichtung::Mitte);
    loeschen(s);
    loeschen(p);
    loeschen(f);
    EXPECT_EQ(test::zeichenObjekteLebend(), vorher);
    text(z, 7, 8, "Potential \xB5V");
    auswaehlen(z, Stift{});
    auswaehlen(z, hohlerPinsel());
    rechteck(z, {1, 2, 3, 4});
    bildZeichnen(z, bild.get(), 1, 1);                     // onto itself: recorded, pixels untouched

    const auto& a = test::aufrufe(z);
    ASSERT_EQ(a.size(), 4u);
    EXPECT_EQ(a[0].punkte.at(0).x + a[0].punkte.at(0).y, 0);
    const test::ZeichenZustand& st = a[1].zustand;
    EXPECT_TRUE(st.stift.stil == stiftStil::Durchgehend && st.stift.breite == 0 && st.stift.farbe == 0x0000FFu);
    EXPECT_TRUE(st.pinsel == 0x00FF00u && st.transparent && st.ausrichtung == textAusrichtung::Mitte);
    EXPECT_TRUE(st.schrift.kursiv && st.schrift.unterstrichen && st.schrift.orientierung == 900);
    EXPECT_EQ(a[1].text, "Potential \xB5V");
    // null brought the default pen back, and the hollow brush fills nothing
    EXPECT_EQ(std::make_tuple(a[2].zustand.stift.farbe, a[2].zustand.pinsel, a[2].rechteck.unten, a[3].bild),
              std::make_tuple(0u, KeineFarbe, 4, bild.get()));
}

TEST_F(SkriptZeichnen, FensterMaltAufEineFrischeAufzeichnendeFlaecheDasAbbildNicht)
{
    reaktion = [](Fenster, uint32_t m, uintptr_t, intptr_t l) -> std::optional<intptr_t> {
        if (m == n::Zeichnen) {
            Zeichenflaeche& z = *reinterpret_cast<Zeichenflaeche*>(l);
            EXPECT_EQ(textFarbeSetzen(z, 0xFF), 0u);       // each paint starts in the default state
            text(z, 2, 2, "Zeit");
        }
        return std::nullopt;
    };
    Fenster f = neu();
    nachrichtenVerarbeiten();
    EXPECT_EQ(test::letzteZeichnung(f).at(0).text, "Zeit");
    const EigenesBild abbild(fensterAbbild(f));            // its calls go to the image
    EXPECT_TRUE(test::aufrufe(bildFlaeche(abbild.get())).size() == 1 && test::letzteZeichnung(f).size() == 1);

    fehlerSammeln();
    EXPECT_FALSE(bildAlsBmp(nullptr, "/tmp/velnor-nie.bmp"));
    text(bildFlaeche(nullptr), 0, 0, "ins Leere");         // a failure, but nothing breaks
    EXPECT_EQ(fehler.size(), 2u);
}
