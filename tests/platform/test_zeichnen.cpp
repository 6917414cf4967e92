// tests/platform/test_zeichnen.cpp - the recording surface, window paints and images
#include "platform/bmp.h"
#include "test_fenster_hilfe.h"
#include <fstream>
#include <iterator>

using namespace plattform;
using namespace probe;
namespace n = plattform::nachricht;
using test::ZeichenArt;

using Zeichnen = Fall;
using Bilder = Fall;

namespace {

struct BildHalter {   // the images of a test die with it
    Bild b;
    explicit BildHalter(Bild bild) : b(bild) {}
    ~BildHalter() { bildLoeschen(b); }
    Zeichenflaeche& z() { return bildFlaeche(b); }
};

// paints through fn on every Zeichnen message, the standard procedure for the rest
std::function<intptr_t(Fenster, uint32_t, uintptr_t, intptr_t)> malen(std::function<void(Zeichenflaeche&)> fn)
{
    return [fn](Fenster f, uint32_t m, uintptr_t w, intptr_t l) -> intptr_t {
        if (m != n::Zeichnen)
            return standardFensterProc(f, m, w, l);
        fn(*reinterpret_cast<Zeichenflaeche*>(l));
        return 0;
    };
}

} // namespace

TEST_F(Zeichnen, AuswaehlenGibtDasVorherigeZurueckUndNullIstDerStandard)
{
    BildHalter bild(bildErzeugen(50, 40));
    Zeichenflaeche& z = bild.z();
    Stift rot = stiftErzeugen(stiftStil::Strich, 3, rgbFarbe(255, 0, 0));
    Stift blau = stiftErzeugen(stiftStil::Punkt, 0, rgbFarbe(0, 0, 255));
    Pinsel gruen = pinselErzeugen(rgbFarbe(0, 255, 0));

    EXPECT_EQ(auswaehlen(z, rot), nullptr);     // the default was selected
    EXPECT_EQ(auswaehlen(z, blau), rot);
    EXPECT_EQ(auswaehlen(z, static_cast<Stift>(nullptr)), blau);
    EXPECT_EQ(auswaehlen(z, gruen), nullptr);
    EXPECT_EQ(auswaehlen(z, hohlerPinsel()), gruen);
    EXPECT_EQ(textFarbeSetzen(z, 0x123456), 0u);                 // black
    EXPECT_EQ(hintergrundFarbeSetzen(z, 0x00FFFF), 0xFFFFFFu);   // white
    EXPECT_FALSE(hintergrundTransparent(z, true));              // opaque
    EXPECT_EQ(textAusrichtungSetzen(z, textAusrichtung::Mitte), textAusrichtung::Links | textAusrichtung::Oben);

    rechteck(z, {1, 2, 30, 20});
    const test::ZeichenZustand& s = test::aufrufe(z).at(0).zustand;
    EXPECT_EQ(s.stift.stil, stiftStil::Durchgehend);             // null brought the default pen back
    EXPECT_EQ(s.pinsel, KeineFarbe);
    EXPECT_TRUE(s.transparent && s.hintergrundFarbe == 0x00FFFFu && s.ausrichtung == textAusrichtung::Mitte);
    loeschen(rot);
    loeschen(blau);
    loeschen(gruen);
}

// the surface keeps copies: drawing after the owner deleted the selected objects reads
// nothing freed (the sanitizer would say so) and still uses their values
TEST_F(Zeichnen, GeloeschteAusgewaehlteObjekteBleibenInKraft)
{
    const int vorher = test::zeichenObjekteLebend();
    BildHalter bild(bildErzeugen(50, 40));
    Zeichenflaeche& z = bild.z();
    Stift s = stiftErzeugen(42, -3, 0x0000FF);   // unknown style and a negative width
    Pinsel p = pinselErzeugen(0x00FF00);
    Schrift f = schriftErzeugen({12, 400, true, true, 900, "Courier"});
    EXPECT_EQ(test::zeichenObjekteLebend(), vorher + 3);
    auswaehlen(z, s);
    auswaehlen(z, p);
    auswaehlen(z, f);
    loeschen(s);
    loeschen(p);
    loeschen(f);
    loeschen(hohlerPinsel());                    // shared: never deleted
    loeschen(static_cast<Stift>(nullptr));
    EXPECT_EQ(test::zeichenObjekteLebend(), vorher);

    text(z, 3, 4, "x");
    const test::ZeichenZustand& st = test::aufrufe(z).at(0).zustand;
    EXPECT_EQ(st.stift.stil, stiftStil::Durchgehend);
    EXPECT_EQ(st.stift.breite, 0);
    EXPECT_EQ(st.stift.farbe, 0x0000FFu);
    EXPECT_EQ(st.pinsel, 0x00FF00u);
    EXPECT_TRUE(st.schrift.kursiv && st.schrift.unterstrichen && st.schrift.orientierung == 900);
    EXPECT_EQ(auswaehlen(z, hohlerPinsel()), p);   // the handle comes back, as given
}

TEST_F(Zeichnen, JederAufrufMitDemZustandDavorLinieZuVonDerAktuellenPosition)
{
    BildHalter bild(bildErzeugen(200, 100));
    Zeichenflaeche& z = bild.z();
    Stift s = stiftErzeugen(stiftStil::StrichPunkt, 2, 0x808080);
    linieZu(z, 10, 0);            // from the start position (0, 0)
    Stift alt = auswaehlen(z, s);
    bogen(z, {0, 0, 40, 20}, {40, 10}, {0, 10});
    const Rechteck clip{10, 10, 50, 50};
    ausschnittSetzen(z, &clip);
    bewegenZu(z, 5, 5);
    text(z, 7, 8, "Potential \xB5V");
    ausschnittSetzen(z, nullptr);
    linie(z, 90, 90, 95, 95);     // leaves the position alone
    linieZu(z, 20, 30);
    bildZeichnen(z, bild.b, 1, 1);   // onto itself: recorded, pixels untouched
    auswaehlen(z, alt);
    loeschen(s);

    const auto& a = test::aufrufe(z);
    ASSERT_EQ(a.size(), 6u);
    EXPECT_EQ(a[0].zustand.stift.stil, stiftStil::Durchgehend);
    EXPECT_EQ(a[0].punkte.at(0).x + a[0].punkte.at(0).y, 0);
    EXPECT_EQ(a[1].zustand.stift.stil, stiftStil::StrichPunkt);
    EXPECT_EQ(a[1].punkte.at(0).x, 40);      // the arc keeps both rays
    EXPECT_EQ(a[2].text, "Potential \xB5V");
    EXPECT_EQ(a[2].zustand.ausschnittRechteck.unten, 50);
    EXPECT_FALSE(a[3].zustand.ausschnitt);
    EXPECT_EQ(std::make_pair(a[4].punkte.at(0).x, a[4].punkte.at(1).y), std::make_pair(5, 30));
    EXPECT_EQ(a[5].bild, bild.b);
    EXPECT_EQ(a[5].rechteck.rechts, 201);
}

TEST_F(Zeichnen, FensterMaltUeberDiePumpeAufEineAufzeichnendeFlaeche)
{
    Rechteck groesse;
    reaktion = malen([&](Zeichenflaeche& z) {
        groesse = flaechenGroesse(z);
        rechteckFuellen(z, groesse, 0xFFFFFF);
        text(z, 2, 2, "Zeit");
    });
    Fenster f = neu();
    nachrichtenVerarbeiten();
    EXPECT_EQ(groesse.breite(), clientRechteck(f).breite());
    EXPECT_EQ(groesse.hoehe(), clientRechteck(f).hoehe());
    ASSERT_EQ(test::letzteZeichnung(f).size(), 2u);
    EXPECT_EQ(test::letzteZeichnung(f)[1].text, "Zeit");

    // neuZeichnen paints at once; each paint starts from a fresh surface in default state
    reaktion = malen([](Zeichenflaeche& z) {
        EXPECT_EQ(textFarbeSetzen(z, 0xFF), 0u);
        linie(z, 0, 0, 5, 5);
    });
    const Rechteck teil{10, 20, 30, 40};
    ungueltigMachen(f, &teil);
    neuZeichnen(f);
    ASSERT_EQ(test::letzteZeichnung(f).size(), 1u);
    EXPECT_EQ(test::letzteZeichnung(f)[0].art, ZeichenArt::Linie);
    EXPECT_EQ(test::letzterZeichenBereich(f).unten, 40);
}

TEST_F(Zeichnen, FensterAbbildMaltInsBildUndNichtInsFenster)
{
    ASSERT_TRUE(klasseRegistrieren({"Grau", probeProc, 0x808080}));
    reaktion = malen([](Zeichenflaeche& z) {
        rechteckFuellen(z, {0, 0, 10, 5}, 0x0000FF);
        ellipse(z, {0, 0, 20, 20});
    });
    Fenster f = fensterErzeugen("Grau", "", stil::Hauptfenster | stil::Sichtbar, 0, 0, 300, 200);
    nachrichtenVerarbeiten();
    const size_t gemalt = test::letzteZeichnung(f).size();
    test::logLeeren();

    BildHalter abbild(fensterAbbild(f));
    ASSERT_NE(abbild.b, nullptr);
    EXPECT_EQ(nachrichten(f), (std::vector<uint32_t>{n::Zeichnen}));
    EXPECT_EQ(bildBreite(abbild.b), clientRechteck(f).breite());
    EXPECT_EQ(test::aufrufe(abbild.z()).size(), 2u);
    EXPECT_EQ(test::letzteZeichnung(f).size(), gemalt);
    EXPECT_EQ(bildPixel(abbild.b, 9, 4), 0x0000FFu);     // filled
    EXPECT_EQ(bildPixel(abbild.b, 10, 4), 0x808080u);    // the class background; right edge exclusive
    zeigen(f, anzeige::Verbergen);
    EXPECT_EQ(fensterAbbild(f), nullptr);
}

TEST_F(Bilder, PixelFolgenFuellenUndKopierenInnerhalbDesAusschnitts)
{
    EXPECT_EQ(bildErzeugen(0, 10), nullptr);
    EXPECT_EQ(bildErzeugen(40000, 10), nullptr);
    EXPECT_EQ(bildErzeugen(20000, 20000), nullptr);

    BildHalter ziel(bildErzeugen(10, 10, 0x000000));
    BildHalter quelle(bildErzeugen(3, 3, 0x00FF00));
    rechteckFuellen(ziel.z(), {-5, -5, 2, 2}, 0xFF0000);   // reaches outside: cut at the edge
    EXPECT_EQ(bildPixel(ziel.b, 1, 1), 0xFF0000u);
    EXPECT_EQ(bildPixel(ziel.b, 2, 1), 0u);
    rechteckFuellen(ziel.z(), {5, 5, 20, 20}, KeineFarbe);  // no colour paints nothing
    EXPECT_EQ(bildPixel(ziel.b, 9, 9), 0u);
    EXPECT_EQ(bildPixel(ziel.b, -1, 0), KeineFarbe);

    const Rechteck clip{0, 0, 9, 9};
    ausschnittSetzen(ziel.z(), &clip);
    bildZeichnen(ziel.z(), quelle.b, 8, 8);   // only (8, 8) lies inside the clipping
    EXPECT_EQ(bildPixel(ziel.b, 8, 8), 0x00FF00u);
    EXPECT_EQ(bildPixel(ziel.b, 9, 8) + bildPixel(ziel.b, 8, 9) + bildPixel(ziel.b, 7, 7), 0u);
}

TEST_F(Bilder, BmpKommtUeberDasSichereSchreibenPngWirdNurProtokolliert)
{
    TempOrdner ordner;
    BildHalter b(bildErzeugen(3, 2, 0xFFFFFF));
    rechteckFuellen(b.z(), {0, 0, 1, 1}, 0x0000FF);   // top-left red
    const std::string pfad = ordner.datei("abbild.bmp");
    ASSERT_TRUE(bildAlsBmp(b.b, pfad));
    std::vector<uint32_t> pixel;
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x)
            pixel.push_back(bildPixel(b.b, x, y));
    std::ifstream ein(pfad, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(ein), {}), bmp24Bytes(3, 2, pixel.data()));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(ordner.pfad), {}), 1);   // no temporary left
    EXPECT_FALSE(bildAlsBmp(b.b, ordner.datei("fehlt/abbild.bmp")));

    ASSERT_TRUE(bildAlsPng(b.b, ordner.datei("abbild.png")));
    EXPECT_FALSE(std::filesystem::exists(ordner.datei("abbild.png")));
    ASSERT_EQ(test::pngLog().size(), 1u);
    EXPECT_EQ(test::pngLog()[0].pfad, ordner.datei("abbild.png"));
    EXPECT_EQ(test::pngLog()[0].aufrufe.size(), 1u);

    fehlerSammeln();
    EXPECT_FALSE(bildAlsBmp(nullptr, pfad));
    text(bildFlaeche(nullptr), 0, 0, "ins Leere");   // a failure, but nothing breaks
    EXPECT_EQ(fehler.size(), 2u);
}
