// tests/platform_qt/test_bild.cpp - images as files, and snapshots of windows
#include "protokoll.h"
#include "platform/bmp.h"
#include "platform/steuerelemente.h"
#include "platform/zeichnen.h"
#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <fstream>

using namespace plattform;
using namespace protokoll;
using Bilder = QtTest;

TEST_F(Bilder, BmpUndPngKommenSoZurueckWieGezeichnet)
{
    QTemporaryDir ordner;
    const std::string basis = ordner.path().toStdString() + "/";
    Bild b = bildErzeugen(3, 2, rgbFarbe(0, 0, 255));
    ASSERT_NE(b, nullptr);
    rechteckFuellen(bildFlaeche(b), {0, 1, 1, 2}, rgbFarbe(255, 0, 0));    // bottom left red
    EXPECT_EQ(bildPixel(b, 0, 1), rgbFarbe(255, 0, 0));

    // the bytes come from the image's rows as Qt holds them (the byte layout has its own test)
    ASSERT_TRUE(bildAlsBmp(b, basis + "bild.bmp"));
    const uint32_t pixel[] = {bildPixel(b, 0, 0), bildPixel(b, 1, 0), bildPixel(b, 2, 0),
                              bildPixel(b, 0, 1), bildPixel(b, 1, 1), bildPixel(b, 2, 1)};
    EXPECT_EQ(dateiInhalt(basis + "bild.bmp"), bmp24Bytes(3, 2, pixel));

    // PNG over an existing file, through a temporary one that does not stay behind
    { std::ofstream(basis + "bild.png") << "alt"; }
    ASSERT_TRUE(bildAlsPng(b, basis + "bild.png"));
    QImage zurueck(QString::fromStdString(basis + "bild.png"));
    ASSERT_EQ(zurueck.size(), QSize(3, 2));
    EXPECT_EQ(zurueck.pixel(0, 1), qRgb(255, 0, 0));
    EXPECT_EQ(zurueck.pixel(2, 0), qRgb(0, 0, 255));
    EXPECT_EQ(QDir(ordner.path()).entryList(QDir::Files).size(), 2);
    EXPECT_FALSE(bildAlsPng(b, basis + "fehlt/bild.png"));
    EXPECT_FALSE(bildAlsBmp(nullptr, basis + "x.bmp"));
    bildLoeschen(b);
    EXPECT_EQ(bildErzeugen(0, 10), nullptr);
    EXPECT_EQ(bildErzeugen(30000, 30000), nullptr);
}

TEST_F(Bilder, FensterAbbildZeigtWasDieProzedurMalt)
{
    klasseRegistrieren({"Abbild", proc, rgbFarbe(0, 0, 128)});
    reaktion = [](Fenster, uint32_t n, uintptr_t, intptr_t l) -> std::optional<intptr_t> {
        if (n == nachricht::Zeichnen) {
            auto& z = *reinterpret_cast<Zeichenflaeche*>(l);
            rechteckFuellen(z, {10, 10, 20, 15}, rgbFarbe(255, 255, 0));
            const Rechteck g = flaechenGroesse(z);
            linie(z, 0, g.hoehe() - 1, g.breite(), g.hoehe() - 1);
        }
        return std::nullopt;
    };
    Fenster f = fensterErzeugen("Abbild", "", stil::Hauptfenster | stil::VScrollLeiste, 0, 0, 120, 80);
    fenster.push_back(f);
    EXPECT_EQ(fensterAbbild(f), nullptr);                 // hidden: nothing to show
    zeigen(f, anzeige::Normal);
    scrollLeisteSetzen(f, true, 0, 100, 10, 0);           // the bar takes its width off the image
    const Rechteck c = clientRechteck(f);
    Bild b = fensterAbbild(f);
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(bildBreite(b), c.breite());
    EXPECT_EQ(bildHoehe(b), c.hoehe());
    EXPECT_EQ(bildPixel(b, 12, 12), rgbFarbe(255, 255, 0));
    EXPECT_EQ(bildPixel(b, 30, 30), rgbFarbe(0, 0, 128));   // the class background first
    EXPECT_EQ(bildPixel(b, 30, c.hoehe() - 1), 0u);
    bildLoeschen(b);
}
