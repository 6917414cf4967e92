// tests/core/test_token.cpp
#include "platform/fenster.h"
#include "core/rahmen.h"
#include "core/token.h"
#include "platform/box.h"
#include "platform/test/testplattform.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace pt = plattform::test;

namespace {

// an unnamed temporary file holding bytes, positioned at its start
std::FILE* dateiMit(const std::string& bytes)
{
    std::FILE* f = std::tmpfile();
    EXPECT_NE(f, nullptr);
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::rewind(f);
    return f;
}

struct TokenTest : ::testing::Test {
    void SetUp() override { pt::zuruecksetzen(); }
    void TearDown() override
    {
        tokenFensterGrenze = size_t(1) << 30;
    }
    // all tokens until the reader refuses; the last entry of boxen tells why
    std::vector<std::string> alleTokens(std::FILE* f, size_t puffer = 64)
    {
        std::vector<std::string> tokens;
        std::vector<char> aus(puffer);
        tokenNeueDatei();
        while (dateiTokenLesen(f, aus.data(), aus.size()) == 1)
            tokens.emplace_back(aus.data());
        return tokens;
    }
};

std::string letzteBox()
{
    return pt::boxLog().empty() ? std::string() : pt::boxLog().back().text;
}

} // namespace

TEST_F(TokenTest, TrennerLeereZeilenUndBlanke)
{
    std::FILE* f = dateiMit("1.5\r\n\r\n\n-2 .5e-3\n\t+7\r\n8");
    pt::boxAntworten({plattform::antwort::Ok});
    // the blanks of a token are removed by the number check; a last token without a
    // line end counts, the read after it finds the end
    EXPECT_EQ(alleTokens(f), (std::vector<std::string>{"1.5", "-2.5e-3", "+7", "8"}));
    EXPECT_EQ(letzteBox(), "Dateiende wurde vorzeitig erreicht");
    EXPECT_TRUE(tokenDateiendeErreicht());
    std::fclose(f);
}

TEST_F(TokenTest, KeineZahlUndKommaGebenFehler124)
{
    // a line of blanks is a token too, and no number
    for (const char* inhalt : {"1\n0,5\n2\n", "1\nabc\n", "1\n\xFF\n", "1\n  \n2\n"}) {
        pt::zuruecksetzen();
        pt::boxAntworten({plattform::antwort::Ok});
        std::FILE* f = dateiMit(inhalt);
        EXPECT_EQ(alleTokens(f).size(), 1u) << inhalt;
        EXPECT_EQ(letzteBox(), "In der Datei gibt es einen Eintrag der keine Zahl darstellt");
        std::fclose(f);
    }
}

TEST_F(TokenTest, ZuLangesTokenGibt124OhneUeberlauf)
{
    std::FILE* f = dateiMit("123456789\n12345678\n1234567\n");
    char bereich[24];
    std::memset(bereich, 'W', sizeof bereich);
    char* aus = bereich + 8;   // 8 bytes for the token, guards on both sides
    tokenNeueDatei();
    pt::boxAntworten({plattform::antwort::Ok});
    EXPECT_EQ(dateiTokenLesen(f, aus, 8), 0);
    EXPECT_EQ(letzteBox(), "In der Datei gibt es einen Eintrag der keine Zahl darstellt");
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(bereich[i], 'W');
        EXPECT_EQ(bereich[16 + i], 'W');
    }
    // seven digits and the zero fit exactly
    std::rewind(f);
    tokenNeueDatei();
    pt::boxAntworten({plattform::antwort::Ok, plattform::antwort::Ok});
    EXPECT_EQ(dateiTokenLesen(f, aus, 8), 0);   // 9 digits
    EXPECT_EQ(dateiTokenLesen(f, aus, 8), 0);   // 8 digits: no room for the zero
    EXPECT_EQ(dateiTokenLesen(f, aus, 8), 1);
    EXPECT_STREQ(aus, "1234567");
    EXPECT_EQ(bereich[16], 'W');
    std::fclose(f);
}

TEST_F(TokenTest, JedeDateiBekommtIhrEigenesFenster)
{
    // a small first file must not make the window too small for a later, longer one
    std::FILE* klein = dateiMit("1\n");
    pt::boxAntworten({plattform::antwort::Ok});
    EXPECT_EQ(alleTokens(klein).size(), 1u);
    std::string gross;
    for (int i = 0; i < 2000; ++i)
        gross += std::to_string(i) + ".25\r\n";
    std::FILE* f = dateiMit(gross);
    tokenNeueDatei();
    char aus[32];
    for (int i = 0; i < 2000; ++i) {
        ASSERT_EQ(dateiTokenLesen(f, aus), 1) << i;
        ASSERT_EQ(std::string(aus), std::to_string(i) + ".25");
    }
    EXPECT_TRUE(tokenDateiendeErreicht());
    std::fclose(klein);
    std::fclose(f);
}

TEST_F(TokenTest, DateiendeErreichtNurOhneWeitereTokens)
{
    std::FILE* f = dateiMit("1\n2\n3\n");
    char aus[16];
    tokenNeueDatei();
    ASSERT_EQ(dateiTokenLesen(f, aus), 1);
    ASSERT_EQ(dateiTokenLesen(f, aus), 1);
    EXPECT_FALSE(tokenDateiendeErreicht());   // "3" follows
    ASSERT_EQ(dateiTokenLesen(f, aus), 1);
    EXPECT_TRUE(tokenDateiendeErreicht());
    std::fclose(f);
}

TEST_F(TokenTest, NachschubAusEinemDatenstromOhneLaenge)
{
    // a pipe tells no length: the window has a fixed size and is refilled
    std::FILE* f = popen("seq 1 30000", "r");
    ASSERT_NE(f, nullptr);
    tokenNeueDatei();
    char aus[16];
    for (int i = 1; i <= 30000; ++i) {
        ASSERT_EQ(dateiTokenLesen(f, aus), 1) << i;
        ASSERT_EQ(std::string(aus), std::to_string(i));
    }
    EXPECT_TRUE(tokenDateiendeErreicht());
    pclose(f);
}

TEST_F(TokenTest, KeinSpeicherFuerDasFenster)
{
    tokenFensterGrenze = 8;
    std::FILE* f = dateiMit("1.0\n2.0\n3.0\n");
    char aus[16];
    pt::boxAntworten({plattform::antwort::Ok, plattform::antwort::Ok});
    tokenNeueDatei("parameter/standard.gen");
    EXPECT_EQ(dateiTokenLesen(f, aus), 0);
    ASSERT_EQ(pt::boxLog().size(), 2u);
    EXPECT_EQ(pt::boxLog()[0].titel, "Velnor info");
    EXPECT_EQ(pt::boxLog()[0].text, "Kein Speicher (12 Bytes) zum Lesen der Datei\nparameter/standard.gen");
    EXPECT_EQ(pt::boxLog()[1].text, "Ein Dateipuffer kann nicht erzeugt werden\nDatei wurde nicht geladen");
    EXPECT_TRUE(plattform::nachrichtenVerarbeiten());   // OK: reading just fails

    pt::boxAntworten({plattform::antwort::Abbrechen, plattform::antwort::Ok});
    tokenNeueDatei();
    EXPECT_EQ(dateiTokenLesen(f, aus), 0);
    EXPECT_TRUE(programmEndet());                       // Cancel ends the program
    std::fclose(f);
}

TEST_F(TokenTest, BlankeUndStrgZAmDateiendeWerdenNichtGelesen)
{
    // what an editor leaves behind the last value, from a file and from a pipe (the last
    // of several fills); a Ctrl-Z inside the values stays a bad entry
    for (const char* rest : {"\x1A", " ", "\r\n  \r\n\x1A", " \x1A\x1A\n"}) {
        std::string inhalt = "1\r\n2";
        inhalt += rest;
        std::FILE* f = dateiMit(inhalt);
        pt::zuruecksetzen();
        pt::boxAntworten({plattform::antwort::Ok});
        EXPECT_EQ(alleTokens(f), (std::vector<std::string>{"1", "2"})) << inhalt;
        EXPECT_EQ(letzteBox(), "Dateiende wurde vorzeitig erreicht");
        EXPECT_TRUE(tokenDateiendeErreicht());
        std::fclose(f);
    }
    std::FILE* p = popen("seq 1 30000; printf ' \\032\\r\\n'", "r");
    ASSERT_NE(p, nullptr);
    tokenNeueDatei();
    char aus[16];
    for (int i = 1; i <= 30000; ++i)
        ASSERT_EQ(dateiTokenLesen(p, aus), 1) << i;
    EXPECT_STREQ(aus, "30000");
    EXPECT_TRUE(tokenDateiendeErreicht());
    pclose(p);

    std::FILE* f = dateiMit("1\n\x1A\n2\n");
    pt::zuruecksetzen();
    pt::boxAntworten({plattform::antwort::Ok});
    EXPECT_EQ(alleTokens(f), (std::vector<std::string>{"1"}));
    EXPECT_EQ(letzteBox(), "In der Datei gibt es einen Eintrag der keine Zahl darstellt");
    std::fclose(f);
}
