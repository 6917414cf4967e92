// tests/platform_qt/test_zeichnen.cpp - the pixel rules of the drawing calls in images, and
// images as PNG files
#include "vertrag.h"
#include <QImage>
#include <climits>
#include <cstdlib>
#include <set>

using namespace vertrag;
using QtZeichnen = Vertrag;

namespace {

constexpr Farbe weiss = 0xFFFFFF, schwarz = 0x000000, rot = rgbFarbe(255, 0, 0), gruen = rgbFarbe(0, 255, 0);

std::set<std::pair<int, int>> gesetzt(Bild b)
{
    std::set<std::pair<int, int>> s;
    for (int y = 0; y < bildHoehe(b); ++y)
        for (int x = 0; x < bildBreite(b); ++x)
            if (bildPixel(b, x, y) != weiss)
                s.insert({x, y});
    return s;
}

std::string kanten(int l, int o, int r, int u)
{
    return std::to_string(l) + "," + std::to_string(o) + "," + std::to_string(r) + "," + std::to_string(u);
}

// the smallest rectangle holding every pixel that is not white
std::string umriss(Bild b)
{
    int l = INT_MAX, o = INT_MAX, r = INT_MIN, u = INT_MIN;
    for (auto [x, y] : gesetzt(b)) {
        l = std::min(l, x), o = std::min(o, y);
        r = std::max(r, x + 1), u = std::max(u, y + 1);
    }
    return kanten(l, o, r, u);
}

} // namespace

TEST_F(QtZeichnen, DuenneLinieLaesstDenEndpunktInJederRichtungAus)
{
    // Qt's own pen leaves out the far end along the axis, whichever end that is; the
    // program draws chains of lines and relies on the start being set and the end not.
    const Punkt ziele[] = {{30, 20}, {10, 20}, {20, 30}, {20, 8}, {31, 25}, {9, 14}, {24, 35}, {15, 6}};
    for (Punkt z : ziele) {
        SCOPED_TRACE(std::to_string(z.x) + "," + std::to_string(z.y));
        auto b = bild(40, 40);
        linie(bildFlaeche(b.get()), 20, 20, z.x, z.y);
        const auto s = gesetzt(b.get());
        EXPECT_EQ(s.size(), static_cast<size_t>(std::max(std::abs(z.x - 20), std::abs(z.y - 20))));
        EXPECT_EQ(bildPixel(b.get(), 20, 20), schwarz);
        EXPECT_FALSE(s.count({z.x, z.y}));
    }

    // a chain through bewegenZu/linieZu and a polyline set the corner once, the last point never
    auto b = bild(40, 40);
    Zeichenflaeche& f = bildFlaeche(b.get());
    bewegenZu(f, 5, 5);
    linieZu(f, 15, 5);
    linieZu(f, 15, 12);
    const Punkt weg[] = {{5, 20}, {15, 20}, {15, 27}};
    polylinie(f, weg);
    for (int y : {5, 20}) {
        EXPECT_EQ(bildPixel(b.get(), 15, y), schwarz);
        EXPECT_EQ(bildPixel(b.get(), 15, y + 6), schwarz);
        EXPECT_EQ(bildPixel(b.get(), 15, y + 7), weiss);
    }
}

TEST_F(QtZeichnen, StiftstileUndBreiten)
{
    // the row a pen draws along y = 4 ('#' red), and how many pixels thick it is
    auto zeile = [](int stil, int breite) {
        auto b = bild(200, 9);
        Zeichenflaeche& f = bildFlaeche(b.get());
        Stift s = stiftErzeugen(stil, breite, rot);
        auswaehlen(f, s);
        linie(f, 0, 4, 200, 4);
        std::string muster;
        for (int x = 0; x < 200; ++x)
            muster += bildPixel(b.get(), x, 4) == rot ? '#' : '.';
        int dick = 0;
        for (int y = 0; y < 9; ++y)
            dick += bildPixel(b.get(), 100, y) == rot;
        auswaehlen(f, Stift{});
        loeschen(s);
        return std::make_pair(muster, dick);
    };
    const std::string voll(200, '#');
    EXPECT_EQ(zeile(stiftStil::Durchgehend, 0), std::make_pair(voll, 1));
    EXPECT_EQ(zeile(stiftStil::Innen, 1).first, voll);
    EXPECT_EQ(zeile(17, 0).first, voll);                       // unknown numbers draw solid
    EXPECT_EQ(zeile(stiftStil::Unsichtbar, 0).first, std::string(200, '.'));
    const std::string strich = zeile(stiftStil::Strich, 0).first, punkt = zeile(stiftStil::Punkt, 0).first;
    EXPECT_NE(strich.find("##########"), std::string::npos);   // dashes are long, dots are not
    EXPECT_NE(strich.find('.'), std::string::npos);
    EXPECT_NE(punkt.find('#'), std::string::npos);
    EXPECT_EQ(punkt.find("#####"), std::string::npos);
    const auto breit = zeile(stiftStil::Strich, 3);            // wide pens draw solid
    EXPECT_EQ(breit.first.substr(2, 196), voll.substr(2, 196));
    EXPECT_EQ(breit.second, 3);
}

TEST_F(QtZeichnen, RechteckeHabenExklusiveRechteUndUntereKante)
{
    auto b = bild(30, 20);
    rechteckFuellen(bildFlaeche(b.get()), {2, 3, 8, 7}, rot);
    EXPECT_EQ(umriss(b.get()), kanten(2, 3, 8, 7));
    EXPECT_EQ(gesetzt(b.get()).size(), 6u * 4u);

    // pen outline through the last pixel inside, brush within
    auto c = bild(30, 20);
    Zeichenflaeche& g = bildFlaeche(c.get());
    Pinsel p = pinselErzeugen(gruen);
    auswaehlen(g, p);
    rechteck(g, {12, 2, 20, 9});
    EXPECT_EQ(umriss(c.get()), kanten(12, 2, 20, 9));
    EXPECT_EQ(bildPixel(c.get(), 19, 8), schwarz);
    EXPECT_EQ(bildPixel(c.get(), 12, 5), schwarz);
    EXPECT_EQ(bildPixel(c.get(), 15, 5), gruen);

    // the hollow brush leaves the inside alone; without a pen the brush alone is a pixel smaller
    auswaehlen(g, hohlerPinsel());
    rechteckFuellen(g, {0, 10, 30, 20}, rot);
    rechteck(g, {2, 11, 10, 19});
    EXPECT_EQ(bildPixel(c.get(), 5, 15), rot);
    EXPECT_EQ(bildPixel(c.get(), 2, 15), schwarz);
    Stift ohne = stiftErzeugen(stiftStil::Unsichtbar, 0, 0);
    auswaehlen(g, ohne);
    auswaehlen(g, p);
    rechteck(g, {20, 11, 26, 17});
    EXPECT_EQ(bildPixel(c.get(), 20, 11), gruen);
    EXPECT_EQ(bildPixel(c.get(), 24, 15), gruen);
    EXPECT_EQ(bildPixel(c.get(), 25, 15), rot);
    EXPECT_EQ(bildPixel(c.get(), 24, 16), rot);
    auswaehlen(g, Stift{});
    auswaehlen(g, Pinsel{});
    loeschen(ohne);
    loeschen(p);
}

TEST_F(QtZeichnen, TextSitztNachDerAusrichtungImUndeckendenKasten)
{
    SchriftMerkmale m;
    m.hoehe = -16;
    Schrift s = schriftErzeugen(m);
    const char* t = "Hallo Welt";
    for (uint32_t h : {textAusrichtung::Links, textAusrichtung::Rechts, textAusrichtung::Mitte}) {
        for (uint32_t v : {textAusrichtung::Oben, textAusrichtung::Unten, textAusrichtung::Grundlinie}) {
            SCOPED_TRACE(h | v);
            auto b = bild(300, 100);
            Zeichenflaeche& f = bildFlaeche(b.get());
            auswaehlen(f, s);
            hintergrundFarbeSetzen(f, gruen);
            textAusrichtungSetzen(f, h | v);
            const TextAusmass a = textAusmass(f, t);
            const SchriftMasse sm = schriftMasse(f);
            ASSERT_GT(a.breite, 40);
            text(f, 150, 50, t);
            const int links = h == textAusrichtung::Links ? 150 : h == textAusrichtung::Rechts ? 150 - a.breite
                                                                                           : 150 - a.breite / 2;
            const int oben = v == textAusrichtung::Oben ? 50 : v == textAusrichtung::Unten ? 50 - a.hoehe
                                                                                        : 50 - sm.oberlaenge;
            // the opaque background is exactly the text's box
            EXPECT_EQ(umriss(b.get()), kanten(links, oben, links + a.breite, oben + a.hoehe));
            EXPECT_NE(bildPixel(b.get(), links + a.breite / 2, oben + sm.oberlaenge / 2), weiss);
        }
    }

    // transparent: ink only, nothing of the background colour
    auto b = bild(300, 100);
    Zeichenflaeche& f = bildFlaeche(b.get());
    auswaehlen(f, s);
    hintergrundFarbeSetzen(f, gruen);
    hintergrundTransparent(f, true);
    text(f, 10, 10, t);
    const auto tinte = gesetzt(b.get());
    EXPECT_FALSE(tinte.empty());
    for (auto [x, y] : tinte)
        ASSERT_NE(bildPixel(b.get(), x, y), gruen);
    auswaehlen(f, Schrift{});
    loeschen(s);
}

TEST_F(QtZeichnen, GewaehlterStiftZeichnetNachSeinemLoeschenWeiter)
{
    auto b = bild(20, 10);
    Zeichenflaeche& f = bildFlaeche(b.get());
    Stift r = stiftErzeugen(stiftStil::Durchgehend, 0, rot);
    auswaehlen(f, r);
    loeschen(r);                                           // the program deletes it while selected
    linie(f, 0, 2, 10, 2);
    EXPECT_EQ(bildPixel(b.get(), 3, 2), rot);              // the surface kept its copy
    auswaehlen(f, r);                                      // a deleted handle selects the default
    linie(f, 0, 5, 10, 5);
    EXPECT_EQ(bildPixel(b.get(), 3, 5), schwarz);
}

TEST_F(QtZeichnen, PngKommtUeberEineTemporaereDateiUndSoZurueckWieGezeichnet)
{
    TempOrdner ordner;
    auto b = bild(3, 2, rgbFarbe(0, 0, 255));
    rechteckFuellen(bildFlaeche(b.get()), {0, 1, 1, 2}, rot);   // bottom left red
    std::ofstream(ordner.datei("bild.png")) << "alt";
    ASSERT_TRUE(bildAlsPng(b.get(), ordner.datei("bild.png")));
    QImage zurueck(QString::fromStdString(ordner.datei("bild.png")));
    ASSERT_EQ(zurueck.size(), QSize(3, 2));
    EXPECT_EQ(zurueck.pixel(0, 1), qRgb(255, 0, 0));
    EXPECT_EQ(zurueck.pixel(2, 0), qRgb(0, 0, 255));
    EXPECT_EQ(ordner.dateien(), 1u);                       // no temporary left behind
    EXPECT_FALSE(bildAlsPng(b.get(), ordner.datei("fehlt/bild.png")));
    EXPECT_FALSE(bildAlsPng(nullptr, ordner.datei("x.png")));
    EXPECT_FALSE(bildAlsBmp(nullptr, ordner.datei("x.bmp")));
}
