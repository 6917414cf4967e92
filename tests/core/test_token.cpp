// tests/core/test_token.cpp - the token reader and the numbered errors it reports, also on damaged files
#include "core/fehler.h"
#include "core/rahmen.h"
#include "core/token.h"
#include "platform/box.h"
#include "platform/fenster.h"
#include "platform/test/testplattform.h"
#include "../texts/texte_hilfe.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace pt = plattform::test;

namespace {

const std::string keineZahl = "In der Datei gibt es einen Eintrag der keine Zahl darstellt";

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
    void TearDown() override { tokenFensterGrenze = size_t(1) << 30; }
};

} // namespace

TEST_F(TokenTest, TokensBisZumEndeOderZumErstenFehler)
{
    const std::string ende = "Dateiende wurde vorzeitig erreicht";
    const struct {
        const char* was;
        const char* inhalt;
        size_t groesse;                     // the caller's buffer, exactly: ASan watches its end
        std::vector<std::string> tokens;
        std::string box;
    } faelle[] = {
        // the number check removes the blanks of a token; a last token without a line end counts
        {"separators, blanks", "1.5\r\n\r\n\n-2 .5e-3\n\t+7\r\n8", 64, {"1.5", "-2.5e-3", "+7", "8"}, ende},
        {"a decimal comma", "1\n0,5\n2\n", 64, {"1"}, keineZahl},
        {"a word", "1\nabc\n", 64, {"1"}, keineZahl},
        {"byte 255 is no end mark", "1\n\xFF\n", 64, {"1"}, keineZahl},
        {"a line of blanks", "1\n  \n2\n", 64, {"1"}, keineZahl},
        {"nine digits in 8 bytes", "1\n123456789\n", 8, {"1"}, keineZahl},
        {"eight digits: no room for the zero", "12345678\n1\n", 8, {}, keineZahl},
        {"seven digits and the zero fit exactly", "1234567\n", 8, {"1234567"}, ende},
        // what an editor leaves behind the last value is not read
        {"blank lines and Ctrl-Z at the end", "1\r\n2\r\n  \r\n\x1A", 64, {"1", "2"}, ende},
        {"blank, Ctrl-Zs and a line end", "1\r\n2 \x1A\x1A\n", 64, {"1", "2"}, ende},
        {"a Ctrl-Z inside the values", "1\n\x1A\n2\n", 64, {"1"}, keineZahl},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.was);
        pt::zuruecksetzen();
        pt::boxAntworten({plattform::antwort::Ok});
        std::FILE* datei = dateiMit(f.inhalt);
        std::vector<std::string> tokens;
        std::vector<char> aus(f.groesse);
        tokenNeueDatei();
        while (dateiTokenLesen(datei, aus.data(), aus.size()) == 1)
            tokens.emplace_back(aus.data());
        std::fclose(datei);
        EXPECT_EQ(tokens, f.tokens);
        ASSERT_EQ(pt::boxLog().size(), 1u);
        EXPECT_EQ(std::make_tuple(pt::boxLog()[0].text, pt::boxLog()[0].titel, pt::boxLog()[0].art),
                  std::make_tuple(f.box, "Hinweis", plattform::knoepfe::Ok | plattform::symbol::Information));
    }
}

TEST_F(TokenTest, NachEinemZuLangenTokenGehtEsAnDessenEndeWeiter)
{
    std::FILE* f = dateiMit("123456789\n1234567\n");
    std::vector<char> aus(8);
    tokenNeueDatei();
    pt::boxAntworten({plattform::antwort::Ok});
    EXPECT_EQ(dateiTokenLesen(f, aus.data(), aus.size()), 0);
    EXPECT_EQ(dateiTokenLesen(f, aus.data(), aus.size()), 1);
    EXPECT_STREQ(aus.data(), "1234567");
    std::fclose(f);
}

TEST_F(TokenTest, GrosseDateiNachEinerKleinenUndDatenstromOhneLaengeBisZumLetztenToken)
{
    // a small first file must not make the window too small for a later, longer one; a pipe
    // tells no length: its window has a fixed size and is refilled. The rest an editor
    // leaves behind the last value comes in the last of several fills.
    std::string werte;
    for (int i = 1; i <= 30000; ++i)
        werte += std::to_string(i) + ".25\r\n";
    char aus[16];
    std::FILE* klein = dateiMit("1\n");
    tokenNeueDatei();
    ASSERT_EQ(dateiTokenLesen(klein, aus), 1);
    std::fclose(klein);
    std::FILE* datei = dateiMit(werte + " \x1A\r\n");
    std::FILE* strom = popen("seq -f '%g.25' 1 30000; printf ' \\032\\r\\n'", "r");
    ASSERT_NE(strom, nullptr);
    for (std::FILE* f : {datei, strom}) {
        tokenNeueDatei();
        for (int i = 1; i <= 30000; ++i) {
            ASSERT_EQ(dateiTokenLesen(f, aus), 1) << i;
            ASSERT_EQ(std::string(aus), std::to_string(i) + ".25");
            ASSERT_EQ(tokenDateiendeErreicht(), i == 30000) << i;
        }
    }
    std::fclose(datei);
    pclose(strom);
}

TEST(Fehler, EineNummerOhneTextGibtDenUnbekanntenFehlerUndJederTextSprichtDieSpracheDerSitzung)
{
    EXPECT_STREQ(fehlerText(2), "Unknown error has been encountered in error handler\n");
    parameterOrdner.pfad = texthilfe::ausgelieferteDateien();
    ASSERT_EQ(sprachTexteLaden(spracheEnglisch), "");
    EXPECT_STREQ(fehlerText(115), "The file cannot be opened");
    ASSERT_EQ(sprachTexteLaden(spracheDeutsch), "");
    EXPECT_STREQ(fehlerText(115), "Datei kann nicht ge\xF6" "ffnet werden");
}

// A file larger than the window may grow is refused in a notice: it is the file's size, not
// the machine, so no answer ends the program; the next file reads again.
TEST_F(TokenTest, ZuGrosseDateiIstEinHinweisUndEndetNichts)
{
    tokenFensterGrenze = 8;
    std::FILE* f = dateiMit("1.0\n2.0\n3.0\n");
    char aus[16];
    pt::boxAntworten({plattform::antwort::Ok, plattform::antwort::Ok});
    tokenNeueDatei("parameter/standard.gen");
    EXPECT_EQ(dateiTokenLesen(f, aus), 0);
    ASSERT_EQ(pt::boxLog().size(), 2u);
    EXPECT_EQ(std::make_tuple(pt::boxLog()[0].titel, pt::boxLog()[0].text, pt::boxLog()[1].text),
              std::make_tuple("Hinweis",
                              "Kein Speicher (12 Bytes) zum Lesen der Datei\nparameter/standard.gen",
                              "Ein Dateipuffer kann nicht erzeugt werden\nDatei wurde nicht geladen"));
    EXPECT_EQ(pt::boxLog()[0].art, plattform::knoepfe::Ok | plattform::symbol::Information);
    EXPECT_TRUE(plattform::nachrichtenVerarbeiten());   // reading just fails
    EXPECT_FALSE(programmEndet());

    tokenFensterGrenze = size_t(1) << 30;
    tokenNeueDatei();
    EXPECT_EQ(dateiTokenLesen(f, aus), 1);
    EXPECT_STREQ(aus, "1.0");
    std::fclose(f);
}

// malformed files never make the reader read or write outside its bytes (the sanitizers watch)
TEST(TokenMutation, VeraenderteDateienBleibenInIhrenGrenzen)
{
    pt::zuruecksetzen();
    pt::fehlerBehandlungSetzen([](const std::string&) {});   // the reader's boxes go unanswered
    std::string vorlage;
    for (int i = 0; i < 40; ++i)
        vorlage += std::to_string(i * 0.37 - 3.0) + (i % 3 ? "\r\n" : "\n");
    const char stoerer[] = {'\0', '\r', '\n', ' ', ',', 'e', '-', '.', '\x7F', '\xFF', '9'};
    uint32_t z = 7;
    const auto zufall = [&z] {
        z = z * 1103515245u + 12345u;
        return z >> 8;
    };
    for (int runde = 0; runde < 400; ++runde) {
        std::string d = vorlage;
        switch (runde % 5) {
        case 0: d.resize(zufall() % (d.size() + 1)); break;
        case 1:
            for (int k = 0; k < 4; ++k)
                d[zufall() % d.size()] = stoerer[zufall() % sizeof stoerer];
            break;
        case 2: d.insert(zufall() % d.size(), std::string(1 + zufall() % 200, '7')); break;
        case 3: d.erase(std::remove_if(d.begin(), d.end(), [](char c) { return c == '\n'; }), d.end()); break;
        case 4: d = std::string(zufall() % 50, '\n'); break;
        }
        std::FILE* f = dateiMit(d);
        // a heap buffer of exactly the size passed: ASan reports every byte beyond it
        const size_t groesse = 1 + zufall() % 24;
        std::vector<char> aus(groesse);
        tokenNeueDatei();
        int gelesen = 0;
        while (dateiTokenLesen(f, aus.data(), aus.size()) == 1) {
            ASSERT_LT(std::strlen(aus.data()), groesse);
            ASSERT_LE(++gelesen, static_cast<int>(d.size()));
        }
        std::fclose(f);
    }
    pt::fehlerBehandlungSetzen({});
}
