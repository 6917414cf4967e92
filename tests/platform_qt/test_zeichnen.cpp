// tests/platform_qt/test_zeichnen.cpp - the pixel rules of the drawing calls, in images and
// window snapshots, and images as PNG files
#include "vertrag.h"
#include <QDir>
#include <QImage>
#include <array>
#include <climits>
#include <cstdlib>
#include <set>

using namespace vertrag;
using QtZeichnen = Vertrag;

namespace {

constexpr Farbe weiss = 0xFFFFFF, schwarz = 0x000000, rot = rgbFarbe(255, 0, 0), gruen = rgbFarbe(0, 255, 0);

std::set<std::pair<int, int>> gesetzt(Bild b, Farbe hintergrund = weiss)
{
    std::set<std::pair<int, int>> s;
    for (int y = 0; y < bildHoehe(b); ++y)
        for (int x = 0; x < bildBreite(b); ++x)
            if (bildPixel(b, x, y) != hintergrund)
                s.insert({x, y});
    return s;
}

// the smallest rectangle holding every pixel that is not the background
Rechteck umriss(Bild b, Farbe hintergrund = weiss)
{
    Rechteck r{INT32_MAX, INT32_MAX, INT32_MIN, INT32_MIN};
    for (auto [x, y] : gesetzt(b, hintergrund)) {
        r.links = std::min(r.links, x);
        r.oben = std::min(r.oben, y);
        r.rechts = std::max(r.rechts, x + 1);
        r.unten = std::max(r.unten, y + 1);
    }
    return r;
}

bool gleich(const Rechteck& a, const Rechteck& b)
{
    return a.links == b.links && a.oben == b.oben && a.rechts == b.rechts && a.unten == b.unten;
}

} // namespace

TEST_F(QtZeichnen, DuenneLinieLaesstDenEndpunktInJederRichtungAus)
{
    // Qt's own pen leaves out the far end along the axis, whichever end that is; the
    // program draws chains of lines and relies on the start being set and the end not.
    const Punkt mitte{20, 20};
    const Punkt ziele[] = {{30, 20}, {10, 20}, {20, 30}, {20, 8}, {31, 25}, {9, 14}, {24, 35}, {15, 6}};
    for (Punkt z : ziele) {
        auto b = bild(40, 40);
        Zeichenflaeche& f = bildFlaeche(b.get());
        linie(f, mitte.x, mitte.y, z.x, z.y);
        const int n = std::max(std::abs(z.x - mitte.x), std::abs(z.y - mitte.y));
        auto s = gesetzt(b.get());
        EXPECT_EQ(s.size(), static_cast<size_t>(n)) << "nach " << z.x << "," << z.y;
        EXPECT_TRUE(s.count({mitte.x, mitte.y})) << "nach " << z.x << "," << z.y;
        EXPECT_FALSE(s.count({z.x, z.y})) << "nach " << z.x << "," << z.y;
        EXPECT_EQ(bildPixel(b.get(), mitte.x, mitte.y), schwarz);
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
    EXPECT_EQ(zeile(stiftStil::Durchgehend, 0).first, voll);
    EXPECT_EQ(zeile(stiftStil::Durchgehend, 0).second, 1);
    EXPECT_EQ(zeile(stiftStil::Innen, 1).first, voll);
    EXPECT_EQ(zeile(17, 0).first, voll);                       // unknown numbers draw solid
    EXPECT_EQ(zeile(stiftStil::Unsichtbar, 0).first, std::string(200, '.'));
    const std::string strich = zeile(stiftStil::Strich, 0).first, punkt = zeile(stiftStil::Punkt, 0).first;
    for (const std::string& m : {strich, punkt}) {
        EXPECT_NE(m.find('#'), std::string::npos);
        EXPECT_NE(m.find('.'), std::string::npos);
    }
    EXPECT_NE(strich, punkt);
    EXPECT_NE(strich.find("##########"), std::string::npos);   // dashes are long, dots are not
    EXPECT_EQ(punkt.find("#####"), std::string::npos);
    auto breit = zeile(stiftStil::Strich, 3);                  // wide pens draw solid
    EXPECT_EQ(breit.first.substr(2, 196), voll.substr(2, 196));
    EXPECT_EQ(breit.second, 3);
}

TEST_F(QtZeichnen, RechteckeHabenExklusiveRechteUndUntereKante)
{
    auto b = bild(30, 20);
    Zeichenflaeche& f = bildFlaeche(b.get());
    rechteckFuellen(f, {2, 3, 8, 7}, rot);
    EXPECT_TRUE(gleich(umriss(b.get()), {2, 3, 8, 7}));
    EXPECT_EQ(gesetzt(b.get()).size(), 6u * 4u);

    // pen outline through the last pixel inside, brush within
    auto c = bild(30, 20);
    Zeichenflaeche& g = bildFlaeche(c.get());
    Pinsel p = pinselErzeugen(gruen);
    auswaehlen(g, p);
    rechteck(g, {12, 2, 20, 9});
    EXPECT_TRUE(gleich(umriss(c.get()), {12, 2, 20, 9}));
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

TEST_F(QtZeichnen, BogenLaeuftGegenDenUhrzeigerVonAnfangZuEnde)
{
    // circle around (20, 20); from the ray to the right to the ray upwards
    auto quadranten = [](Punkt anfang, Punkt ende) {
        auto b = bild(41, 41);
        bogen(bildFlaeche(b.get()), {0, 0, 41, 41}, anfang, ende);
        int q[4] = {};                     // upper right, upper left, lower left, lower right
        for (auto [x, y] : gesetzt(b.get())) {
            if (std::abs(x - 20) < 3 || std::abs(y - 20) < 3)
                continue;                  // the axes belong to both neighbours
            q[x > 20 ? (y < 20 ? 0 : 3) : (y < 20 ? 1 : 2)]++;
        }
        return std::array<bool, 4>{q[0] > 0, q[1] > 0, q[2] > 0, q[3] > 0};
    };
    EXPECT_EQ(quadranten({40, 20}, {20, 0}), (std::array<bool, 4>{true, false, false, false}));
    EXPECT_EQ(quadranten({20, 0}, {40, 20}), (std::array<bool, 4>{false, true, true, true}));
    EXPECT_EQ(quadranten({0, 20}, {40, 20}), (std::array<bool, 4>{false, false, true, true}));
    // any point on the ray counts, inside or outside the circle
    EXPECT_EQ(quadranten({25, 20}, {20, -100}), (std::array<bool, 4>{true, false, false, false}));
    EXPECT_EQ(quadranten({30, 10}, {30, 10}), (std::array<bool, 4>{true, true, true, true}));
}

TEST_F(QtZeichnen, TextSitztNachDerAusrichtungImUndeckendenKasten)
{
    SchriftMerkmale m;
    m.hoehe = -16;
    Schrift s = schriftErzeugen(m);
    const char* t = "Hallo Welt";
    for (uint32_t h : {textAusrichtung::Links, textAusrichtung::Rechts, textAusrichtung::Mitte}) {
        for (uint32_t v : {textAusrichtung::Oben, textAusrichtung::Unten, textAusrichtung::Grundlinie}) {
            auto b = bild(300, 100);
            Zeichenflaeche& f = bildFlaeche(b.get());
            auswaehlen(f, s);
            hintergrundFarbeSetzen(f, gruen);
            textFarbeSetzen(f, schwarz);
            textAusrichtungSetzen(f, h | v);
            const TextAusmass a = textAusmass(f, t);
            const SchriftMasse sm = schriftMasse(f);
            ASSERT_GT(a.breite, 40);
            ASSERT_EQ(a.hoehe, sm.hoehe);
            text(f, 150, 50, t);
            const int links = h == textAusrichtung::Links ? 150 : h == textAusrichtung::Rechts ? 150 - a.breite
                                                                                           : 150 - a.breite / 2;
            const int oben = v == textAusrichtung::Oben ? 50 : v == textAusrichtung::Unten ? 50 - a.hoehe
                                                                                        : 50 - sm.oberlaenge;
            // the opaque background is exactly the text's box
            EXPECT_TRUE(gleich(umriss(b.get()), {links, oben, links + a.breite, oben + a.hoehe}))
                << "Ausrichtung " << (h | v);
            EXPECT_NE(bildPixel(b.get(), links + a.breite / 2, oben + sm.oberlaenge / 2), weiss);
        }
    }

    // transparent: ink only, nothing of the background colour
    auto b = bild(300, 100);
    Zeichenflaeche& f = bildFlaeche(b.get());
    auswaehlen(f, s);
    hintergrundFarbeSetzen(f, gruen);
    EXPECT_FALSE(hintergrundTransparent(f, true));
    text(f, 10, 10, t);
    bool gruenDa = false, tinte = false;
    for (auto [x, y] : gesetzt(b.get())) {
        gruenDa |= bildPixel(b.get(), x, y) == gruen;
        tinte = true;
    }
    EXPECT_TRUE(tinte);
    EXPECT_FALSE(gruenDa);
    auswaehlen(f, Schrift{});
    loeschen(s);
}

TEST_F(QtZeichnen, SchriftZeichenhoeheLaesstDieZelleHoeherFettIstBreiter)
{
    auto b = bild(10, 10);
    Zeichenflaeche& f = bildFlaeche(b.get());
    auto masse = [&](int hoehe, int gewicht) {
        Schrift s = schriftErzeugen({hoehe, gewicht, false, false, 0, ""});
        auswaehlen(f, s);
        auto r = std::make_pair(schriftMasse(f).hoehe, textAusmass(f, "Wasserstand").breite);
        auswaehlen(f, Schrift{});
        loeschen(s);
        return r;
    };
    EXPECT_GT(masse(-20, 400).first, 20);                  // the characters 20 pixels: the cell is taller
    EXPECT_GT(masse(-20, 700).second, masse(-20, 400).second);
}

TEST_F(QtZeichnen, GewaehltesObjektZeichnetNachSeinemLoeschenWeiterUndDasAbbildMaltAlles)
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

    klasseRegistrieren({"Abbild", proc, rgbFarbe(0, 0, 128)});
    reaktion = [](Fenster, uint32_t m, uintptr_t, intptr_t l) -> std::optional<intptr_t> {
        if (m == n::Zeichnen) {
            auto& z = *reinterpret_cast<Zeichenflaeche*>(l);
            const Rechteck g = flaechenGroesse(z);
            linie(z, 0, g.hoehe() - 1, g.breite(), g.hoehe() - 1);
        }
        return std::nullopt;
    };
    Fenster w = fensterErzeugen("Abbild", "", stil::Hauptfenster | stil::Sichtbar, 0, 0, 120, 80);
    fenster.push_back(w);
    const EigenesBild abbild(fensterAbbild(w));
    EXPECT_EQ(bildPixel(abbild.get(), 30, clientRechteck(w).hoehe() - 1), 0u);
}

TEST_F(QtZeichnen, PngKommtUeberEineTemporaereDateiUndSoZurueckWieGezeichnet)
{
    TempOrdner ordner;
    auto b = bild(3, 2);
    rechteckFuellen(bildFlaeche(b.get()), {0, 0, 3, 2}, rgbFarbe(0, 0, 255));
    rechteckFuellen(bildFlaeche(b.get()), {0, 1, 1, 2}, rot);   // bottom left red
    std::ofstream(ordner.datei("bild.png")) << "alt";
    ASSERT_TRUE(bildAlsPng(b.get(), ordner.datei("bild.png")));
    QImage zurueck(QString::fromStdString(ordner.datei("bild.png")));
    ASSERT_EQ(zurueck.size(), QSize(3, 2));
    EXPECT_EQ(zurueck.pixel(0, 1), qRgb(255, 0, 0));
    EXPECT_EQ(zurueck.pixel(2, 0), qRgb(0, 0, 255));
    EXPECT_EQ(ordner.dateien(), 1u);                       // no temporary left behind
    EXPECT_FALSE(bildAlsPng(b.get(), ordner.datei("fehlt/bild.png")));
    EXPECT_FALSE(bildAlsBmp(nullptr, ordner.datei("x.bmp")));
    EXPECT_FALSE(bildAlsPng(nullptr, ordner.datei("x.png")));
}
