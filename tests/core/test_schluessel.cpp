// tests/core/test_schluessel.cpp - the key=value readers
#include "core/schluessel.h"
#include "platform/test/testplattform.h"
#include <gtest/gtest.h>
#include <climits>
#include <cstring>
#include <string>
#include <vector>

using namespace plattform;

namespace {

// a writable copy of a text, as the readers expect it
struct Text {
    std::vector<char> bytes;
    explicit Text(const std::string& s) : bytes(s.begin(), s.end()) { bytes.push_back('\0'); }
    char* p() { return bytes.data(); }
    std::string str() const { return bytes.data(); }
};

class Schluessel : public ::testing::Test {
protected:
    void SetUp() override
    {
        test::zuruecksetzen();
        zeileLesen(nullptr, nullptr, 0);
    }
};

using KommaZahl = Schluessel;
using SchluesselZahl = Schluessel;
using SchluesselText = Schluessel;
using ZeileLesen = Schluessel;

} // namespace

TEST_F(KommaZahl, KommaWirdImTextSelbstZumPunktWennDieZeileKeinenHat)
{
    Text t("3,5 und 7,25\nb=1,5");
    EXPECT_DOUBLE_EQ(kommaZahlLesen(t.p()), 3.5);
    EXPECT_EQ(t.str(), "3.5 und 7,25\nb=1,5");       // only the first comma, only this line

    Text mitPunkt("1,5.25");
    EXPECT_DOUBLE_EQ(kommaZahlLesen(mitPunkt.p()), 1.0);
    EXPECT_EQ(mitPunkt.str(), "1,5.25");
}

TEST_F(KommaZahl, GanzzahlNimmtDenGanzenTeilUndBleibtImIntBereich)
{
    Text a("3,5"), b("  -2,7"), d("99999999999"), e("-99999999999"), f("x1");
    EXPECT_EQ(kommaGanzzahlLesen(a.p()), 3);
    EXPECT_EQ(a.str(), "3.5");
    EXPECT_EQ(kommaGanzzahlLesen(b.p()), -2);
    EXPECT_EQ(kommaGanzzahlLesen(d.p()), INT_MAX);   // atoi would overflow
    EXPECT_EQ(kommaGanzzahlLesen(e.p()), INT_MIN);
    EXPECT_EQ(kommaGanzzahlLesen(f.p()), 0);
}

TEST_F(KommaZahl, KeineZahlGibtNullUndEinLeererWertNimmtNichtDieNaechsteZeile)
{
    Text leer("\n5"), wort("abc"), exponent(" 1e-3");
    EXPECT_EQ(kommaZahlLesen(leer.p()), 0.0);
    EXPECT_EQ(kommaZahlLesen(wort.p()), 0.0);
    EXPECT_DOUBLE_EQ(kommaZahlLesen(exponent.p()), 0.001);
    EXPECT_EQ(kommaZahlLesen(nullptr), 0.0);
}

TEST_F(SchluesselZahl, FindetDenSchluesselUeberallAuchInEinemLaengerenOderImKommentar)
{
    Text t("// alte dauer=9\nsimulations dauer=2,5\n");
    double wert = -1.0;
    char* hinter = schluesselZahlLesen(&wert, t.p(), "dauer=");
    EXPECT_EQ(wert, 9.0);                                    // the first occurrence wins
    EXPECT_EQ(hinter, t.p() + std::strlen("// alte dauer="));
    schluesselZahlLesen(&wert, t.p(), "simulations dauer=");
    EXPECT_DOUBLE_EQ(wert, 2.5);
    EXPECT_NE(t.str().find("dauer=2.5"), std::string::npos);  // the comma was fixed in place

    wert = 42.0;                                             // a missing key leaves the value
    EXPECT_EQ(schluesselZahlLesen(&wert, t.p(), "b="), nullptr);
    EXPECT_EQ(schluesselZahlLesen(&wert, t.p(), ""), nullptr);
    EXPECT_EQ(wert, 42.0);
}

TEST_F(SchluesselText, NurAmZeilenanfangUndDerTextanfangZaehltAlsZeilenanfang)
{
    char aus[64] = "alt";
    const char* text = "name=erster\nvorname=x\n";
    const char* hinter = schluesselTextLesen(aus, sizeof aus, text, "name=");
    EXPECT_STREQ(aus, "erster");                 // never reads before the buffer
    EXPECT_EQ(hinter, text + std::strlen("name=erster"));

    schluesselTextLesen(aus, sizeof aus, "vorname=x\r\nname=zweiter\r\n", "name=");
    EXPECT_STREQ(aus, "zweiter");
}

TEST_F(SchluesselText, EinUmlautVorDemSchluesselIstKeinZeilenanfang)
{
    char aus[64] = "";
    // 0xE4 is negative as a signed char: it must not count as a control character
    schluesselTextLesen(aus, sizeof aus, "\xE4name=falsch\nname=richtig", "name=");
    EXPECT_STREQ(aus, "richtig");
}

TEST_F(SchluesselText, LeerzeichenDavorUndKommentarMitLeerzeichenWegMaxBegrenzt)
{
    char aus[64] = "";
    schluesselTextLesen(aus, sizeof aus, "pfad= \t C:\\a b  \t// Kommentar\nx=1", "pfad=");
    EXPECT_STREQ(aus, "C:\\a b");

    char klein[4] = "";
    EXPECT_STREQ(schluesselTextLesen(klein, sizeof klein, "w=abcdef", "w="), "def");
    EXPECT_STREQ(klein, "abc");

    char unberuehrt[8] = "alt";
    EXPECT_STREQ(schluesselTextLesen(unberuehrt, 0, "w=  abc", "w="), "abc");   // max 0: the value's position
    EXPECT_STREQ(schluesselTextLesen(unberuehrt, -1, "w=abc", "w="), "abc");
    EXPECT_STREQ(unberuehrt, "alt");               // a fixed buffer never takes "the whole rest"
}

TEST_F(SchluesselText, WachsendeAusgabeNimmtDenGanzenRest)
{
    std::string aus = "alt";
    const std::string lang(5000, 'x');
    const std::string text = "k=" + lang + " // weg\nk2=y";
    EXPECT_EQ(schluesselTextLesen(aus, -1, text.c_str(), "fehlt="), nullptr);
    EXPECT_EQ(aus, "alt");
    EXPECT_NE(schluesselTextLesen(aus, -1, text.c_str(), "k="), nullptr);
    EXPECT_EQ(aus, lang);
    schluesselTextLesen(aus, 3, text.c_str(), "k=");
    EXPECT_EQ(aus, "xx");
}

TEST_F(ZeileLesen, UeberspringtLeereZeilenSchneidetAnSteuerzeichenUndKommentar)
{
    Text t("\r\n\r\nerste\tzeile  // weg\r\n\n zweite\x01rest\nnur // \n");
    char aus[64];
    char* p = zeileLesen(t.p(), aus, sizeof aus);
    ASSERT_NE(p, nullptr);
    EXPECT_STREQ(aus, "erste\tzeile");            // TAB stays
    EXPECT_EQ(*p, '\r');
    std::string folge;
    while (zeileLesen(t.p(), aus, sizeof aus))
        folge += std::string(aus) + "|";
    EXPECT_EQ(folge, " zweite|rest|nur|");        // the control character is stepped over
}

TEST_F(ZeileLesen, LetzteZeileGibtDasEndeDannEinmalNullDannVonVorn)
{
    Text t("a\nb");
    char aus[8];
    zeileLesen(t.p(), aus, sizeof aus);
    EXPECT_EQ(zeileLesen(t.p(), aus, sizeof aus), t.p() + 3);
    EXPECT_STREQ(aus, "b");
    EXPECT_EQ(zeileLesen(t.p(), aus, sizeof aus), nullptr);
    EXPECT_STREQ(aus, "");
    ASSERT_NE(zeileLesen(t.p(), aus, sizeof aus), nullptr);
    EXPECT_STREQ(aus, "a");
}

TEST_F(ZeileLesen, EinNichtZuEndeGelesenerTextStoertDenNaechstenNicht)
{
    // a reader that stops right after the last line never asks for the null
    Text a("nur eine"), b("erste\nzweite");
    char aus[16];
    ASSERT_NE(zeileLesen(a.p(), aus, sizeof aus), nullptr);
    ASSERT_NE(zeileLesen(b.p(), aus, sizeof aus), nullptr);
    EXPECT_STREQ(aus, "erste");
    // a, b, a: each text keeps its own place
    EXPECT_EQ(zeileLesen(a.p(), aus, sizeof aus), nullptr);
    ASSERT_NE(zeileLesen(b.p(), aus, sizeof aus), nullptr);
    EXPECT_STREQ(aus, "zweite");
}

TEST_F(ZeileLesen, EinNeuerTextImSelbenPufferBeginntVorn)
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

TEST_F(ZeileLesen, ZuruecksetzenAllerOderEinesTextes)
{
    Text a("1\n2"), b("x\ny");
    char aus[8];
    zeileLesen(a.p(), aus, sizeof aus);
    zeileLesen(b.p(), aus, sizeof aus);
    EXPECT_EQ(zeileLesen(a.p(), nullptr, 0), nullptr);   // a alone starts anew
    zeileLesen(a.p(), aus, sizeof aus);
    EXPECT_STREQ(aus, "1");
    zeileLesen(b.p(), aus, sizeof aus);
    EXPECT_STREQ(aus, "y");
    EXPECT_EQ(zeileLesen(nullptr, nullptr, 0), nullptr);
    zeileLesen(b.p(), aus, sizeof aus);
    EXPECT_STREQ(aus, "x");
}

TEST_F(ZeileLesen, ZuLangeZeileWirdGekuerztGemeldetUndUebersprungen)
{
    Text t("1234567890\nkurz\nabcdefg // langer Kommentar zaehlt nicht\n");
    char aus[8];
    test::boxAntworten({1});
    ASSERT_NE(zeileLesen(t.p(), aus, sizeof aus), nullptr);
    EXPECT_STREQ(aus, "1234567");
    ASSERT_EQ(test::boxLog().size(), 1u);
    EXPECT_NE(test::boxLog()[0].text.find("l\xE4nger als 7 Zeichen"), std::string::npos);   // text 344
    EXPECT_NE(test::boxLog()[0].text.find("1234567"), std::string::npos);

    ASSERT_NE(zeileLesen(t.p(), aus, sizeof aus), nullptr);
    EXPECT_STREQ(aus, "kurz");                     // the rest of the long line is gone
    ASSERT_NE(zeileLesen(t.p(), aus, sizeof aus), nullptr);
    EXPECT_STREQ(aus, "abcdefg");                  // exactly max - 1 is no long line
    EXPECT_EQ(test::boxLog().size(), 1u);
}
