// tests/platform/test_cursor_datei.cpp - the .cur header check, on good and broken bytes
#include "platform/cursor_datei.h"
#include <gtest/gtest.h>
#include <cstdint>
#include <string>

using namespace plattform;

namespace {

// writes v little-endian into the bytes at o
void le(std::string& s, size_t o, int bytes, uint32_t v)
{
    for (int i = 0; i < bytes; ++i)
        s[o + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
}

// a cursor file with two directory entries; the first image (32 x 32, hot spot 15, 16)
// follows the directory, the second after it
std::string gueltig()
{
    std::string s(6 + 2 * 16 + 40 + 20, '\0');
    le(s, 2, 2, 2); le(s, 4, 2, 2);                        // a cursor, two images
    s[6] = s[7] = 32; le(s, 10, 2, 15); le(s, 12, 2, 16);  // the first: 32 x 32, hot spot (15, 16)
    le(s, 14, 4, 40); le(s, 18, 4, 38);                    // its size and offset
    le(s, 30, 4, 20); le(s, 34, 4, 78);                    // the second: 256 x 256 (bytes 22, 23 stay 0)
    return s;
}

} // namespace

TEST(CursorDatei, GueltigerKopfGibtDasErsteBildKaputteWerdenAbgelehnt)
{
    CursorKopf k;
    ASSERT_TRUE(cursorKopfLesen(gueltig(), k));
    EXPECT_EQ(std::make_tuple(k.bilder, k.breite, k.hoehe, k.hotspotX, k.hotspotY, k.groesse, k.versatz),
              std::make_tuple(2, 32, 32, 15, 16, 40u, 38u));
    std::string gross = gueltig();
    gross[6] = 0;      // a 0 in the file stands for 256
    EXPECT_TRUE(cursorKopfLesen(gross, k) && k.breite == 256);

    struct Fall { const char* was; size_t o; int breite; uint32_t wert; };
    const Fall faelle[] = {
        {"reserved word not 0", 0, 2, 1},
        {"an icon (type 1)", 2, 2, 1},
        {"no entries", 4, 2, 0},
        {"more entries than the file holds", 4, 2, 5},
        {"empty first image", 14, 4, 0},
        {"first image inside the directory", 18, 4, 37},
        {"first image past the end", 18, 4, 80},
        {"first image longer than the file", 14, 4, 61},   // 38 + 61 > 98
        {"offset and size wrap around 32 bits", 14, 4, 0xFFFFFFF0u},
    };
    for (const Fall& f : faelle) {
        std::string s = gueltig();
        le(s, f.o, f.breite, f.wert);
        EXPECT_FALSE(cursorKopfLesen(s, k)) << f.was;
    }
    EXPECT_FALSE(cursorKopfLesen("", k) || cursorKopfLesen(std::string("\0\0\2\0\1", 5), k));
    // only the first image is checked: the second may point anywhere
    std::string s = gueltig();
    le(s, 34, 4, 0xFFFFFF00u);
    EXPECT_TRUE(cursorKopfLesen(s, k));
}

// Every truncation and, from a fixed seed, thousands of byte flips: nothing reads outside
// the bytes (the sanitizers watch), and whatever is accepted lies inside them.
TEST(CursorDatei, VerstuemmelteDateienStuerzenNieAb)
{
    const std::string ganz = gueltig();
    for (size_t n = 0; n < ganz.size(); ++n) {
        // the copy has exactly n bytes, so a read past them is caught
        const std::string kurz = ganz.substr(0, n);
        CursorKopf k;
        EXPECT_EQ(cursorKopfLesen(kurz, k), n >= 78) << n;   // the first image ends at byte 78
    }

    uint32_t zufall = 20240611u;   // a fixed seed
    auto naechste = [&zufall] {
        zufall = zufall * 1664525u + 1013904223u;
        return zufall >> 8;
    };
    int angenommen = 0;
    for (int i = 0; i < 20000; ++i) {
        std::string s = ganz;
        const int flips = 1 + static_cast<int>(naechste() % 4);
        for (int j = 0; j < flips; ++j) {
            const size_t o = naechste() % 38;   // inside the header and directory
            s[o] = static_cast<char>(naechste() & 0xFF);
        }
        s.resize(naechste() % (s.size() + 1));
        CursorKopf k;
        if (!cursorKopfLesen(s, k))
            continue;
        ++angenommen;
        EXPECT_TRUE(k.bilder >= 1 && k.groesse > 0 && k.breite >= 1 && k.breite <= 256) << i;
        EXPECT_TRUE(k.versatz >= 6u + 16u * static_cast<uint32_t>(k.bilder)) << i;
        EXPECT_LE(uint64_t{k.versatz} + k.groesse, s.size()) << i;
    }
    EXPECT_GT(angenommen, 0);   // the loop also went down the accepting path
}
