// tests/core/test_schluessel.cpp - the key=value readers, also on damaged texts
#include "core/schluessel.h"
#include "platform/test/testplattform.h"
#include <gtest/gtest.h>
#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

using namespace plattform;

namespace {

struct Schluessel : ::testing::Test {
    void SetUp() override
    {
        test::zuruecksetzen();
        zeileLesen(nullptr, nullptr, 0);
    }
};

} // namespace

TEST_F(Schluessel, KommaZahlNimmtNurDasErsteKommaDerZeileUndGanzzahlBleibtImIntBereich)
{
    const struct { const char* text; double zahl; int ganz; const char* danach; } faelle[] = {
        {"3,5 und 7,25\nb=1,5", 3.5, 3, "3.5 und 7,25\nb=1,5"},   // only the first comma, only this line
        {"1,5.25", 1.0, 1, "1,5.25"},                              // the line has a point
        {"  -2,7", -2.7, -2, "  -2.7"},
        {"99999999999", 99999999999.0, INT_MAX, "99999999999"},    // atoi would overflow
        {"-99999999999", -99999999999.0, INT_MIN, "-99999999999"},
        {"x1", 0.0, 0, "x1"},
        {"\n5", 0.0, 0, "\n5"},                                    // an empty value never takes the next line
        {" 1e-3", 0.001, 1, " 1e-3"},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.text);
        std::string a = f.text, b = f.text;
        EXPECT_DOUBLE_EQ(kommaZahlLesen(a.data()), f.zahl);
        EXPECT_EQ(a, f.danach);
        EXPECT_EQ(kommaGanzzahlLesen(b.data()), f.ganz);
        EXPECT_EQ(b, f.danach);
    }
    EXPECT_EQ(kommaZahlLesen(nullptr), 0.0);
}

TEST_F(Schluessel, ZahlFindetDenSchluesselUeberallAuchInEinemLaengerenOderImKommentar)
{
    std::string t = "// alte dauer=9\nsimulations dauer=2,5\n";
    double wert = -1.0;
    EXPECT_EQ(schluesselZahlLesen(&wert, t.data(), "dauer="), t.data() + std::strlen("// alte dauer="));
    EXPECT_EQ(wert, 9.0);                                    // the first occurrence wins
    schluesselZahlLesen(&wert, t.data(), "simulations dauer=");
    EXPECT_DOUBLE_EQ(wert, 2.5);
    EXPECT_NE(t.find("dauer=2.5"), std::string::npos);      // the comma was fixed in place

    wert = 42.0;                                             // a missing key leaves the value
    EXPECT_EQ(schluesselZahlLesen(&wert, t.data(), "b="), nullptr);
    EXPECT_EQ(schluesselZahlLesen(&wert, t.data(), ""), nullptr);
    EXPECT_EQ(wert, 42.0);
}

TEST_F(Schluessel, TextNurAmZeilenanfangOhneKommentarUndHoechstensMaxMinusEinsBytes)
{
    const struct { const char *was, *text; int max; const char *aus, *rest; } faelle[] = {
        {"the text start is a line start", "name=erster\nvorname=x\n", 64, "erster", "\nvorname=x\n"},
        {"not inside a longer key", "vorname=x\r\nname=zweiter\r\n", 64, "zweiter", "\r\n"},
        // 0xE4 is negative as a signed char: it must not count as a control character
        {"an umlaut before the key", "\xE4name=falsch\nname=richtig", 64, "richtig", ""},
        {"a comment with its blanks", "name= \t C:\\a b  \t// Kommentar\nx=1", 64, "C:\\a b", "\nx=1"},
        {"max 4 takes three bytes", "name=abcdef", 4, "abc", "def"},
        {"max 0: the value's position", "name=  abc", 0, "alt", "abc"},
        {"a fixed buffer never takes the whole rest", "name=abc", -1, "alt", "abc"},
        {"no key at a line start", "xname=1", 64, "alt", nullptr},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.was);
        // exactly max bytes: ASan watches their end
        std::vector<char> aus(static_cast<size_t>(std::max(f.max, 4)));
        std::strcpy(aus.data(), "alt");
        EXPECT_STREQ(schluesselTextLesen(aus.data(), f.max, f.text, "name="), f.rest);
        EXPECT_STREQ(aus.data(), f.aus);
        std::string wachsend = "alt";
        schluesselTextLesen(wachsend, std::max(f.max, 0), f.text, "name=");
        EXPECT_EQ(wachsend, f.aus);
    }
    // a growing output with max -1 takes the whole rest of the line
    const std::string lang(5000, 'x');
    std::string aus;
    EXPECT_NE(schluesselTextLesen(aus, -1, ("k=" + lang + " // weg\nk2=y").c_str(), "k="), nullptr);
    EXPECT_EQ(aus, lang);
}

TEST_F(Schluessel, ZeilenOhneLeereKommentarUndSteuerzeichenGekuerztDannEinmalNullDannVonVorn)
{
    std::string t = "\r\n\r\nerste\tzeile  // weg\r\n\n zweite\x01rest\n1234567890abc\nnur // \nb";
    char aus[12];
    test::boxAntworten({1});
    std::string folge;
    char* p = nullptr;
    while (char* q = zeileLesen(t.data(), aus, sizeof aus)) {
        folge += std::string(aus) + "|";
        p = q;
    }
    // TAB stays; a control character is stepped over, the rest of a cut line too; a line of
    // exactly max - 1 bytes once the comment is gone is no long line
    EXPECT_EQ(folge, "erste\tzeile| zweite|rest|1234567890a|nur|b|");
    EXPECT_EQ(p, t.data() + t.size());            // the last line gives the end, the next call null
    EXPECT_STREQ(aus, "");
    ASSERT_EQ(test::boxLog().size(), 1u);         // text 344, once
    EXPECT_EQ(test::boxLog()[0].text,
              "Eine Zeile ist l\xE4nger als 11 Zeichen und wurde gek\xFCrzt:\n1234567890a");
    ASSERT_NE(zeileLesen(t.data(), aus, sizeof aus), nullptr);
    EXPECT_STREQ(aus, "erste\tzeile");
}

TEST_F(Schluessel, JederTextBehaeltSeinenStandAuchWennEinAndererZuEndeGelesenWurde)
{
    // a reader that stops right after the last line never asks for the null
    std::string a = "a1\na2", b = "b1\nb2", folge;
    const auto lies = [&folge](std::string& t) {
        char aus[8];
        folge += zeileLesen(t.data(), aus, sizeof aus) ? aus : "-";
        folge += ' ';
    };
    for (std::string* t : {&a, &a, &b, &a, &a, &b})
        lies(*t);
    zeileLesen(b.data(), nullptr, 0);             // b alone starts anew
    for (std::string* t : {&b, &a})
        lies(*t);
    zeileLesen(nullptr, nullptr, 0);              // every text starts anew
    lies(a);
    EXPECT_EQ(folge, "a1 a2 b1 - a1 b2 b1 a2 a1 ");
}

TEST_F(Schluessel, EinNeuerTextImSelbenPufferBeginntVorn)
{
    char puffer[32] = "alte datei\nletzte";
    char aus[16];
    zeileLesen(puffer, aus, sizeof aus);
    zeileLesen(puffer, aus, sizeof aus);
    std::strcpy(puffer, "neue datei\nzeile 2");   // the next file landed in the same buffer
    ASSERT_NE(zeileLesen(puffer, aus, sizeof aus), nullptr);
    EXPECT_STREQ(aus, "neue datei");

    // a decimal comma fixed by the caller leaves it the same text
    char zahlen[16] = "1,5\n2,5";
    zeileLesen(zahlen, aus, sizeof aus);
    zahlen[1] = '.';
    ASSERT_NE(zeileLesen(zahlen, aus, sizeof aus), nullptr);
    EXPECT_STREQ(aus, "2,5");
}

// seeded truncations, byte flips and huge numbers; the sanitizers watch every read
TEST(SchluesselMutation, BeschaedigteTexteLesenNieUeberDasEnde)
{
    const std::string original = "[programmdefinitionen]\r\nsimulationsdauer=1,5\r\n"
                                 "schrittweite=0.0001 // in s\r\nname=Neuron \xE4\xF6\xFC 1\r\n\r\n"
                                 "liste=1,2,3,4\ngrosse zahl=1e400\nganz=123456789012345\n"
                                 "\tzeile mit tab\x0B und steuerzeichen\nende=ja";
    const char* const schluessel[] = {"simulationsdauer=", "schrittweite=", "name=", "liste=",
                                      "grosse zahl=", "ganz=", "ende=", "fehlt="};
    uint32_t s = 12345;
    auto zufall = [&s] {
        s = s * 214013u + 2531011u;
        return (s >> 16) & 0x7FFF;
    };
    test::zuruecksetzen();
    test::fehlerBehandlungSetzen([](const std::string&) {});   // long lines may raise boxes
    for (int runde = 0; runde < 400; ++runde) {
        std::string t = original;
        switch (zufall() % 3) {
        case 0: t.resize(zufall() % (t.size() + 1)); break;
        case 1:
            for (int k = 0; k < 8 && !t.empty(); ++k)
                t[zufall() % t.size()] = static_cast<char>(zufall() & 0xFF);
            break;
        default: t.insert(zufall() % (t.size() + 1), std::string(zufall() % 300, '9')); break;
        }
        std::vector<char> text(t.begin(), t.end());
        text.push_back('\0');
        for (const char* k : schluessel) {
            double d = 0.0;
            schluesselZahlLesen(&d, text.data(), k);
            char aus[16];
            schluesselTextLesen(aus, sizeof aus, text.data(), k);
            std::string lang;
            schluesselTextLesen(lang, -1, text.data(), k);
        }
        kommaGanzzahlLesen(text.data());
        char zeile[12];
        for (int n = 0; n < 100 && zeileLesen(text.data(), zeile, sizeof zeile) != nullptr; ++n) {
            kommaZahlLesen(zeile);
            kommaGanzzahlLesen(zeile);
        }
        zeileLesen(nullptr, nullptr, 0);
    }
    test::fehlerBehandlungSetzen({});
}
