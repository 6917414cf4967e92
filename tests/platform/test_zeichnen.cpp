// tests/platform/test_zeichnen.cpp - the scripted platform's recording surface: every call
// with the state it drew with, the last paint of each window, the PNG requests
#include "skript.h"

using namespace skript;
using test::ZeichenArt;

using SkriptZeichnen = Fall;

namespace {

// paints through fn on every Zeichnen message
std::function<std::optional<intptr_t>(Fenster, uint32_t, uintptr_t, intptr_t)> malen(std::function<void(Zeichenflaeche&)> fn)
{
    return [fn](Fenster, uint32_t m, uintptr_t, intptr_t l) -> std::optional<intptr_t> {
        if (m == n::Zeichnen)
            fn(*reinterpret_cast<Zeichenflaeche*>(l));
        return std::nullopt;
    };
}

} // namespace

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
    hintergrundFarbeSetzen(z, 0x00FFFF);
    textAusrichtungSetzen(z, textAusrichtung::Mitte);
    loeschen(s);
    loeschen(p);
    loeschen(f);
    EXPECT_EQ(test::zeichenObjekteLebend(), vorher);
    bogen(z, {0, 0, 40, 20}, {40, 10}, {0, 10});
    const Rechteck clip{10, 10, 50, 50};
    ausschnittSetzen(z, &clip);
    bewegenZu(z, 5, 5);
    text(z, 7, 8, "Potential \xB5V");
    ausschnittSetzen(z, nullptr);
    auswaehlen(z, Stift{});
    auswaehlen(z, hohlerPinsel());
    linie(z, 90, 90, 95, 95);                              // leaves the position alone
    linieZu(z, 20, 30);
    bildZeichnen(z, bild.get(), 1, 1);                     // onto itself: recorded, pixels untouched

    const auto& a = test::aufrufe(z);
    ASSERT_EQ(a.size(), 6u);
    EXPECT_EQ(a[0].zustand.stift.stil, stiftStil::Durchgehend);
    EXPECT_EQ(a[0].punkte.at(0).x + a[0].punkte.at(0).y, 0);
    const test::ZeichenZustand& st = a[1].zustand;
    EXPECT_TRUE(st.stift.stil == stiftStil::Durchgehend && st.stift.breite == 0 && st.stift.farbe == 0x0000FFu);
    EXPECT_EQ(st.pinsel, 0x00FF00u);
    EXPECT_TRUE(st.schrift.kursiv && st.schrift.unterstrichen && st.schrift.orientierung == 900);
    EXPECT_TRUE(st.transparent && st.hintergrundFarbe == 0x00FFFFu && st.ausrichtung == textAusrichtung::Mitte);
    EXPECT_EQ(a[1].punkte.at(0).x, 40);                    // the arc keeps both rays
    EXPECT_EQ(a[2].text, "Potential \xB5V");
    EXPECT_EQ(a[2].zustand.ausschnittRechteck.unten, 50);
    EXPECT_FALSE(a[3].zustand.ausschnitt);
    EXPECT_EQ(a[3].zustand.stift.farbe, 0u);               // null brought the defaults back ...
    EXPECT_EQ(a[3].zustand.pinsel, KeineFarbe);            // ... and the hollow brush fills nothing
    EXPECT_EQ(std::make_pair(a[4].punkte.at(0).x, a[4].punkte.at(1).y), std::make_pair(5, 30));
    EXPECT_EQ(a[5].bild, bild.get());
    EXPECT_EQ(a[5].rechteck.rechts, 201);
}

TEST_F(SkriptZeichnen, FensterMaltAufEineFrischeAufzeichnendeFlaecheDasAbbildNicht)
{
    reaktion = malen([](Zeichenflaeche& z) {
        EXPECT_EQ(textFarbeSetzen(z, 0xFF), 0u);           // each paint starts in the default state
        rechteckFuellen(z, flaechenGroesse(z), 0xFFFFFF);
        text(z, 2, 2, "Zeit");
    });
    Fenster f = neu();
    nachrichtenVerarbeiten();
    ASSERT_EQ(test::letzteZeichnung(f).size(), 2u);
    EXPECT_EQ(test::letzteZeichnung(f)[1].text, "Zeit");
    EXPECT_EQ(test::letzteZeichnung(f)[0].rechteck.unten, clientRechteck(f).hoehe());
    const Rechteck teil{10, 20, 30, 40};
    ungueltigMachen(f, &teil);
    neuZeichnen(f);
    EXPECT_EQ(test::letzterZeichenBereich(f).unten, 40);

    const EigenesBild abbild(fensterAbbild(f));            // its calls go to the image
    EXPECT_EQ(test::aufrufe(bildFlaeche(abbild.get())).size(), 2u);
    EXPECT_EQ(test::letzteZeichnung(f).size(), 2u);

    TempOrdner ordner;
    ASSERT_TRUE(bildAlsPng(abbild.get(), ordner.datei("abbild.png")));
    EXPECT_EQ(ordner.dateien(), 0u);                       // only the request is recorded
    ASSERT_EQ(test::pngLog().size(), 1u);
    EXPECT_EQ(test::pngLog()[0].pfad, ordner.datei("abbild.png"));
    EXPECT_EQ(test::pngLog()[0].aufrufe.size(), 2u);
    fehlerSammeln();
    EXPECT_FALSE(bildAlsBmp(nullptr, ordner.datei("x.bmp")));
    text(bildFlaeche(nullptr), 0, 0, "ins Leere");         // a failure, but nothing breaks
    EXPECT_EQ(fehler.size(), 2u);
}
