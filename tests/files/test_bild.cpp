// tests/files/test_bild.cpp - BMP pictures with their palette
#include "files/bild.h"
#include "platform/bmp.h"
#include "platform/pfad.h"
#include <unistd.h>
#include "platform/test/testplattform.h"
#include <gtest/gtest.h>
#include <filesystem>
#include <string>

namespace {

// 54 bytes of header (size, offset of the pixels, 40-byte info, width, height, 1 plane, bits,
// colours in the table), the table (B, G, R, 0 each), the rows bottom-up padded to 4 bytes:
// 2 x 2 at 8 bits with blue, green, red; and 9 x 3 at 1 bit with black and white
const std::string achtBit(
    "BM\x4A\0\0\0\0\0\0\0B\0\0\0(\0\0\0\x02\0\0\0\x02\0\0\0\x01\0\x08\0\0\0\0\0\0\0\0\0\0\0\0"
    "\0\0\0\0\0\x03\0\0\0\0\0\0\0\xFF\0\0\0\0\xFF\0\0\0\0\xFF\0\0\x01\0\0\x02\x02\0\0", 74);
const std::string einBit(
    "BM\x4A\0\0\0\0\0\0\0>\0\0\0(\0\0\0\x09\0\0\0\x03\0\0\0\x01\0\x01\0\0\0\0\0\0\0\0\0\0\0\0"
    "\0\0\0\0\0\x02\0\0\0\0\0\0\0\0\0\0\0\xFF\xFF\xFF\0\xA5\xA5\xA5\xA5\xA5\xA5\xA5\xA5\xA5"
    "\xA5\xA5\xA5", 74);

// Loads the bytes as a file: 1 with the picture and its palette, or 0 with both null
int laden(const std::string& bytes, plattform::Bild& bild, Palette*& palette)
{
    // a name of this process's own: the tests run side by side
    const std::string name = "velnor_test_bild_" + std::to_string(getpid()) + ".bmp";
    const auto pfad = (std::filesystem::temp_directory_path() / name).string();
    EXPECT_TRUE(plattform::dateiSicherSchreiben(pfad, bytes));
    const int ergebnis = bitmapMitPaletteLaden(pfad, &bild, &palette);
    std::filesystem::remove(pfad);
    if (ergebnis != 1) {
        EXPECT_TRUE(bild == nullptr && palette == nullptr);
    }
    return ergebnis;
}

} // namespace

TEST(Bild, BitmapMitPaletteUndVierundzwanzigBitMitHalbtonpalette)
{
    plattform::Bild bild = nullptr;
    Palette* palette = nullptr;
    ASSERT_EQ(laden(achtBit, bild, palette), 1);
    EXPECT_FALSE(palette->halbton);
    EXPECT_EQ(std::tie(palette->eintraege[0].blau, palette->eintraege[2].rot), std::tuple(0xFF, 0xFF));
    EXPECT_EQ(palette->eintraege[3].rot + palette->eintraege[255].gruen, 0);   // past the table: black
    EXPECT_EQ(plattform::bildPixel(bild, 0, 0), plattform::rgbFarbe(0xFF, 0, 0));
    EXPECT_EQ(plattform::bildPixel(bild, 0, 1), plattform::rgbFarbe(0, 0, 0xFF));
    EXPECT_EQ(plattform::bildPixel(bild, 1, 1), plattform::rgbFarbe(0, 0xFF, 0));
    plattform::bildLoeschen(bild);
    delete palette;

    const uint32_t farben[] = {0x123456, 0xABCDEF, 0x000000, 0xFFFFFF, 0x0000FF, 0x00FF00};
    ASSERT_EQ(laden(plattform::bmp24Bytes(3, 2, farben), bild, palette), 1);
    EXPECT_TRUE(palette->halbton);
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(plattform::bildPixel(bild, i % 3, i / 3), farben[i]) << i;
    plattform::bildLoeschen(bild);
    delete palette;
}

TEST(Bild, BitmapUnlesbarGibtNullUndKeineAusgaben)
{
    plattform::Bild bild = reinterpret_cast<plattform::Bild>(1);
    Palette* palette = reinterpret_cast<Palette*>(1);
    EXPECT_EQ(bitmapMitPaletteLaden("/nonexistent/velnor.bmp", &bild, &palette), 0);
    EXPECT_TRUE(bild == nullptr && palette == nullptr);
    // every truncation and a few byte flips of a valid file: refused or loaded, never overrun
    for (size_t laenge = 0; laenge <= einBit.size(); ++laenge) {
        std::string d = einBit.substr(0, laenge);
        for (size_t stelle : {0, 10, 18, 22, 28, 46}) {
            if (stelle > 0 && stelle < d.size())
                d[stelle] = static_cast<char>(d[stelle] ^ 0x80);
            if (laden(d, bild, palette) == 1) {
                plattform::bildLoeschen(bild);
                delete palette;
            }
        }
    }
}
