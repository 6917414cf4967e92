// tests/files/test_bild.cpp - BMP pictures with their palette
#include "files/bild.h"
#include "platform/bmp.h"
#include "platform/pfad.h"
#include "platform/test/testplattform.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace {
std::string bmpMitTabelle(int breite, int hoehe, int bits, const std::vector<uint32_t>& tabelle,
                          const std::vector<unsigned char>& pixelZeilen)
{
    std::string d(54, '\0');
    auto w32 = [&](size_t i, uint32_t v) { for (int k = 0; k < 4; ++k) d[i + k] = char((v >> (8 * k)) & 0xFF); };
    d[0] = 'B';
    d[1] = 'M';
    w32(10, 54 + static_cast<uint32_t>(tabelle.size()) * 4);
    w32(14, 40);
    w32(18, breite);
    w32(22, hoehe);
    d[26] = 1;
    d[28] = char(bits);
    w32(46, static_cast<uint32_t>(tabelle.size()));
    for (uint32_t t : tabelle)   // B, G, R, 0
        for (int k = 0; k < 4; ++k)
            d.push_back(char(k == 3 ? 0 : (t >> (8 * k)) & 0xFF));
    d.append(pixelZeilen.begin(), pixelZeilen.end());
    w32(2, static_cast<uint32_t>(d.size()));
    return d;
}
std::string schreiben(const std::string& name, const std::string& bytes)
{
    const auto pfad = (std::filesystem::temp_directory_path() / name).string();
    EXPECT_TRUE(plattform::dateiSicherSchreiben(pfad, bytes));
    return pfad;
}
} // namespace

TEST(Bild, BitmapMitPaletteAchtBit)
{
    // 2 x 2, 8 bits, a table of 3 colours; rows bottom-up, padded to 4 bytes
    const std::vector<uint32_t> tabelle{0x0000FF /*B=FF: blue*/, 0x00FF00, 0xFF0000};
    const std::vector<unsigned char> pixel{0, 1, 0, 0, /* bottom */ 2, 2, 0, 0 /* top */};
    const auto pfad = schreiben("velnor_test_pal.bmp", bmpMitTabelle(2, 2, 8, tabelle, pixel));
    plattform::Bild bild = nullptr;
    Palette* palette = nullptr;
    ASSERT_EQ(bitmapMitPaletteLaden(pfad, &bild, &palette), 1);
    ASSERT_NE(bild, nullptr);
    ASSERT_NE(palette, nullptr);
    EXPECT_FALSE(palette->halbton);
    EXPECT_EQ(palette->eintraege[0].blau, 0xFF);
    EXPECT_EQ(palette->eintraege[2].rot, 0xFF);
    EXPECT_EQ(palette->eintraege[3].rot + palette->eintraege[255].gruen, 0);   // past the table: black
    EXPECT_EQ(plattform::bildPixel(bild, 0, 0), plattform::rgbFarbe(0xFF, 0, 0));
    EXPECT_EQ(plattform::bildPixel(bild, 0, 1), plattform::rgbFarbe(0, 0, 0xFF));
    EXPECT_EQ(plattform::bildPixel(bild, 1, 1), plattform::rgbFarbe(0, 0xFF, 0));
    plattform::bildLoeschen(bild);
    delete palette;
    std::filesystem::remove(pfad);
}

TEST(Bild, BitmapVierundzwanzigBitMitHalbtonpalette)
{
    const uint32_t pixel[] = {0x123456, 0xABCDEF, 0x000000, 0xFFFFFF, 0x0000FF, 0x00FF00};
    const auto pfad = schreiben("velnor_test_24.bmp", plattform::bmp24Bytes(3, 2, pixel));
    plattform::Bild bild = nullptr;
    Palette* palette = nullptr;
    ASSERT_EQ(bitmapMitPaletteLaden(pfad, &bild, &palette), 1);
    EXPECT_TRUE(palette->halbton);
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(plattform::bildPixel(bild, i % 3, i / 3), pixel[i]) << i;
    plattform::bildLoeschen(bild);
    delete palette;
    std::filesystem::remove(pfad);
}

TEST(Bild, BitmapUnlesbarGibtNullUndKeineAusgaben)
{
    plattform::Bild bild = reinterpret_cast<plattform::Bild>(1);
    Palette* palette = reinterpret_cast<Palette*>(1);
    EXPECT_EQ(bitmapMitPaletteLaden("/nonexistent/velnor.bmp", &bild, &palette), 0);
    EXPECT_EQ(bild, nullptr);
    EXPECT_EQ(palette, nullptr);

    // every truncation and a few byte flips of a valid file: refused or loaded, never overrun
    const std::vector<uint32_t> tabelle{0x000000, 0xFFFFFF};
    std::string gut = bmpMitTabelle(9, 3, 1, tabelle, std::vector<unsigned char>(12, 0xA5));
    for (size_t laenge = 0; laenge <= gut.size(); ++laenge) {
        std::string d = gut.substr(0, laenge);
        for (size_t flip : {size_t(10), size_t(18), size_t(22), size_t(28), size_t(46)})
            for (int art = 0; art < 2; ++art) {
                if (art == 1 && flip < d.size())
                    d[flip] = char(d[flip] ^ 0x80);
                const auto pfad = schreiben("velnor_test_kaputt.bmp", d);
                if (bitmapMitPaletteLaden(pfad, &bild, &palette) == 1) {
                    plattform::bildLoeschen(bild);
                    delete palette;
                } else {
                    EXPECT_EQ(bild, nullptr);
                    EXPECT_EQ(palette, nullptr);
                }
            }
    }
    std::filesystem::remove((std::filesystem::temp_directory_path() / "velnor_test_kaputt.bmp").string());
}
