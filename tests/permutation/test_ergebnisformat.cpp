// tests/permutation/test_ergebnisformat.cpp - the bytes of the result and index files
#include "permutation/ergebnisformat.h"
#include <gtest/gtest.h>
#include <bit>
#include <cstring>
#include <random>

namespace {

int32_t i32An(const std::string& b, size_t o)
{
    uint32_t w = 0;
    for (size_t i = 0; i < 4; ++i)
        w |= static_cast<uint32_t>(static_cast<uint8_t>(b.at(o + i))) << (8 * i);
    return static_cast<int32_t>(w);
}
float f32An(const std::string& b, size_t o) { return std::bit_cast<float>(i32An(b, o)); }
double f64An(const std::string& b, size_t o)
{
    const uint64_t lo = static_cast<uint32_t>(i32An(b, o)), hi = static_cast<uint32_t>(i32An(b, o + 4));
    return std::bit_cast<double>(lo | (hi << 32));
}

// n = 3 synapses of m = 2 levels, the six default classes, no extra values
PermutationsKopf kopfDreiMalZwei()
{
    PermutationsKopf k;
    k.levelAnzahl = 2;
    k.level = {{1e-9, 2e-9}, {3e-9, 4e-9}, {0.5, -0.25}};
    k.apFlag = 1;
    k.klassen = standardKlassen();
    k.klassen[2].isiSumme = 0.5f;   // scratch of an earlier rating: not stored
    k.klassen[2].intervalle = 3;
    return k;
}

PermutationsErgebnis ergebnisSechs()
{
    PermutationsErgebnis e;
    e.nummer = 6;
    e.wert = 869.0f;
    e.apZeiten = {0.5625f, 0.578125f, 0.59375f};
    e.apAnzahl = 3;
    e.klassenWerte = {0.0f, 0.0f, 64.0f, 0.0f, 0.0f, 0.0f};
    e.level[1] = 1;
    e.level[2] = 1;
    return e;
}

} // namespace

// The header-only file of n = 3, m = 2, c = 6 is 2365 bytes, the first record at 2361; a
// record of three APs is 72 bytes, number 6 has the level bytes 0, 1, 1.
TEST(Ergebnisformat, KopfUndSatzByteGenau)
{
    const std::string kopf = ergebnisKopfKodieren(kopfDreiMalZwei());
    ASSERT_EQ(kopf.size(), 2365u);
    EXPECT_EQ(kopf.substr(0, 21), "Permutations-Ergebnis");
    EXPECT_EQ(std::tuple(i32An(kopf, 21), i32An(kopf, 25), i32An(kopf, 29), i32An(kopf, 33), i32An(kopf, 37),
                         i32An(kopf, 41)),
              std::tuple(-1, 1, 3, 2, 6, 2361));
    EXPECT_EQ(std::tuple(f64An(kopf, 45), f64An(kopf, 45 + 8 * 3), f64An(kopf, 45 + 8 * 5)),
              std::tuple(1e-9, 4e-9, -0.25));
    EXPECT_EQ(i32An(kopf, 93), 1);                     // the AP-count flag
    const size_t klasse2 = 97 + 2 * 36;
    EXPECT_EQ(std::tuple(f32An(kopf, klasse2), f32An(kopf, klasse2 + 4), f32An(kopf, klasse2 + 8),
                         f32An(kopf, klasse2 + 12), i32An(kopf, klasse2 + 20), f32An(kopf, klasse2 + 32)),
              std::tuple(0.51f, 0.71f, 1.0f, 0.0f, 0, 90.0f));
    EXPECT_EQ(i32An(kopf, 313), 0);                    // e
    EXPECT_EQ(kopf.find_first_not_of('\0', 317), std::string::npos);

    const std::string satz = ergebnisSatzKodieren(ergebnisSechs(), 6, 0);
    ASSERT_EQ(satz.size(), 72u);
    EXPECT_EQ(std::tuple(i32An(satz, 0), f32An(satz, 4), i32An(satz, 8), f32An(satz, 12 + 8)),
              std::tuple(6, 869.0f, 3, 64.0f));
    EXPECT_EQ(satz.substr(36, 4), std::string("\0\1\1\0", 4));
    EXPECT_EQ(std::tuple(f32An(satz, 56), f32An(satz, 64), i32An(satz, 68)), std::tuple(0.5625f, 0.59375f, -1));
}

// What the encoders write, the decoders give back; a file of two records reads record by record.
TEST(Ergebnisformat, RundreiseVonKopfUndSaetzen)
{
    PermutationsKopf k = kopfDreiMalZwei();
    k.zusatzAnzahl = 2;
    std::string datei = ergebnisKopfKodieren(k);
    datei.resize(2361);
    PermutationsErgebnis a = ergebnisSechs();
    a.zusatzWerte = {7.0f, 8.0f};
    PermutationsErgebnis b;
    b.nummer = 7;
    b.level = {1, 1, 1};
    datei += ergebnisSatzKodieren(a, 6, 2) + ergebnisSatzKodieren(b, 6, 2);
    PermutationsKopf g;
    ASSERT_TRUE(ergebnisKopfDekodieren(datei, g));
    EXPECT_EQ(std::tuple(g.marke, g.version, g.synapsenAnzahl(), g.levelAnzahl, g.ersterSatz, g.apFlag, g.zusatzAnzahl),
              std::tuple(-1, 1, 3, 2, 2361, 1, 2));
    EXPECT_EQ(g.level, k.level);
    ASSERT_EQ(g.klassen.size(), 6u);
    EXPECT_EQ(std::tuple(g.klassen[2].start, g.klassen[2].isiSumme, g.klassen[2].intervalle), std::tuple(0.51f, 0.0f, 0));
    PermutationsErgebnis x, y;
    uint64_t ende = 0;
    ASSERT_TRUE(ergebnisSatzDekodieren(datei, 2361, g, x, &ende));
    EXPECT_EQ(ende, 2361u + 80u);
    ASSERT_TRUE(ergebnisSatzDekodieren(datei, ende, g, y, &ende));
    EXPECT_EQ(ende, datei.size());
    EXPECT_EQ(std::tuple(x.nummer, x.wert, x.apZeiten, x.klassenWerte, x.zusatzWerte, x.level),
              std::tuple(a.nummer, a.wert, a.apZeiten, a.klassenWerte, a.zusatzWerte, a.level));
    EXPECT_EQ(std::tuple(y.nummer, y.apAnzahl, y.level[2]), std::tuple(7, 0, 1));
    // a level byte of 2 with two levels is no level
    datei[ende - 4 - 20 - 4 * 2 + 1] = 2;
    EXPECT_FALSE(ergebnisSatzDekodieren(datei, 2361 + 80, g, y));
}

// Two result files and five entries: the entry area at 66 + 2 x 260 + 8200 = 8786, the file
// 8860 bytes; an entry marked as duplicate is not written and N counts what is there. From
// 228 classes on the entries follow the classes.
TEST(Ergebnisformat, IndexByteGenauUndRundreise)
{
    IndexKopf k;
    k.synapsenAnzahl = 3;
    k.levelAnzahl = 2;
    k.pfade = {"/daten/netz 1.bin", "/daten/netz 1 1.bin"};
    k.apFlag = 1;
    k.klassen = standardKlassen();
    std::vector<PermutationsIndexEintrag> e = {{4, 2361, 0, 12.5f}, {-1, 2433, 0, 1.0f}, {5, 2433, 0, 3.0f},
                                               {6, 2361, 1, 0.25f}, {2, 2505, 0, 7.0f}, {7, 2433, 1, 9.0f}};
    const std::string d = indexKodieren(k, e);
    ASSERT_EQ(d.size(), 8860u);
    EXPECT_EQ(d.substr(0, 42), "indexdatei zu permutations-ergebnisdateien");
    EXPECT_EQ(std::tuple(i32An(d, 42), i32An(d, 46), i32An(d, 50), i32An(d, 54), i32An(d, 58), i32An(d, 62),
                         i32An(d, 66), i32An(d, 70)),
              std::tuple(-1, 2, 5, 2, 3, 2, 8786, 6));
    EXPECT_EQ(d.substr(74, 18), std::string("/daten/netz 1.bin\0", 18));
    EXPECT_EQ(d.substr(74, 260).find_first_not_of('\0', 17), std::string::npos);
    EXPECT_EQ(i32An(d, 74 + 520), 1);
    EXPECT_EQ(f32An(d, 78 + 520 + 36 + 4), 0.51f);
    EXPECT_EQ(d.substr(78 + 520 + 216, 8786 - (78 + 520 + 216)).find_first_not_of('\0'), std::string::npos);
    EXPECT_EQ(std::tuple(i32An(d, 8786), i32An(d, 8790), f32An(d, 8794), i32An(d, 8798), d[8802], d[8803]),
              std::tuple(-1, 4, 12.5f, 2361, '\0', '\0'));
    EXPECT_EQ(std::tuple(i32An(d, 8790 + 2 * 14), static_cast<int>(d[8790 + 2 * 14 + 12])), std::tuple(6, 1));

    IndexKopf g;
    std::vector<PermutationsIndexEintrag> ge;
    ASSERT_TRUE(indexKopfDekodieren(d, g));
    ASSERT_TRUE(indexEintraegeDekodieren(d, g, ge));
    EXPECT_EQ(std::tuple(g.anzahl, g.pfade, g.eintragsBereich, g.apFlag, g.klassen.size()),
              std::tuple(5, k.pfade, 8786, 1, size_t{6}));
    ASSERT_EQ(ge.size(), 5u);
    EXPECT_EQ(std::tuple(ge[3].nummer, ge[3].wert, ge[3].satzOffset, ge[3].dateiNummer), std::tuple(2, 7.0f, 2505, 0));

    // version 1 entries are 13 bytes
    IndexKopf alt = k;
    alt.version = 1;
    const std::string d1 = indexKodieren(alt, e);
    EXPECT_EQ(d1.size(), 8786u + 4 + 5 * 13);
    ASSERT_TRUE(indexKopfDekodieren(d1, g));
    ASSERT_TRUE(indexEintraegeDekodieren(d1, g, ge));
    EXPECT_EQ(ge[4].dateiNummer, 1);

    k.klassen.resize(228);
    EXPECT_EQ(indexKodieren(k, e).size(), 78 + 520 + 228 * 36 + 4 + 5 * 14u);
    k.pfade[1] = std::string(260, 'x');
    EXPECT_TRUE(indexKodieren(k, e).empty());
}

// Cut, flipped and enlarged files: the decoders refuse them or give values that fit the
// bytes there are, and never read past the end (the sanitizer watches).
TEST(Ergebnisformat, BeschaedigteDateienWerdenGeprueft)
{
    std::string ergebnis = ergebnisKopfKodieren(kopfDreiMalZwei());
    ergebnis.resize(2361);
    for (int i = 0; i < 3; ++i)
        ergebnis += ergebnisSatzKodieren(ergebnisSechs(), 6, 0);
    IndexKopf ik;
    ik.pfade = {"a.bin", "b.bin", "c.bin"};
    ik.synapsenAnzahl = 3;
    ik.levelAnzahl = 2;
    ik.klassen = standardKlassen();
    const std::string index = indexKodieren(ik, {{1, 2361, 0, 1.0f}, {2, 2433, 2, 2.0f}, {3, 2505, 1, 3.0f}});
    std::mt19937 zufall(52);
    const int32_t gross[] = {-1, INT32_MAX, INT32_MIN, 1 << 30, 21, 1025, 65536};
    int genommen = 0;
    for (int runde = 0; runde < 2000; ++runde) {
        std::string b = runde % 2 ? ergebnis : index;
        const size_t stelle = zufall() % b.size();
        switch (runde / 2 % 4) {
        case 0: b.resize(stelle); break;
        case 1: b[stelle] = static_cast<char>(zufall()); break;
        case 2: {
            const int32_t w = gross[zufall() % std::size(gross)];
            const size_t o = (zufall() % std::min<size_t>(b.size() / 4, 30)) * 4 + (runde % 3 == 0 ? 1 : 0);
            if (o + 4 <= b.size())
                std::memcpy(b.data() + o, &w, 4);
            break;
        }
        case 3: b.insert(stelle, std::string(zufall() % 64, '\xFF')); break;
        }
        if (runde % 2) {
            PermutationsKopf k;
            if (!ergebnisKopfDekodieren(b, k))
                continue;
            ++genommen;
            EXPECT_LE(ergebnisKopfLaenge(k.level.size(), static_cast<uint64_t>(k.levelAnzahl), k.klassen.size()), b.size());
            uint64_t o = static_cast<uint64_t>(k.ersterSatz);
            PermutationsErgebnis e;
            for (int n = 0; n < 5 && ergebnisSatzDekodieren(b, o, k, e, &o); ++n) {
                EXPECT_LE(o, b.size());
                EXPECT_EQ(e.apZeiten.size(), static_cast<size_t>(e.apAnzahl));
            }
        } else {
            IndexKopf k;
            std::vector<PermutationsIndexEintrag> e;
            if (!indexKopfDekodieren(b, k) || !indexEintraegeDekodieren(b, k, e))
                continue;
            ++genommen;
            EXPECT_LE(k.pfade.size(), 1024u);
            for (const std::string& p : k.pfade)
                EXPECT_LT(p.size(), 260u);
            for (const PermutationsIndexEintrag& x : e)
                EXPECT_LT(x.dateiNummer, k.pfade.size());
        }
    }
    EXPECT_GT(genommen, 100);
}
