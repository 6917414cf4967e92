// tests/platform/test_zeichensatz.cpp
#include "platform/zeichensatz.h"
#include <gtest/gtest.h>

using namespace plattform;

TEST(Zeichensatz, JedesByteUeberstehtDenHinUndRueckweg)
{
    std::string alle;
    for (int c = 1; c < 256; ++c)      // the five unassigned codes included
        alle += static_cast<char>(c);
    std::string zurueck;
    EXPECT_TRUE(nachCp1252(nachUtf8(alle), zurueck) && zurueck == alle);
    EXPECT_EQ(nachUtf8("h\xE4ufig \x80"), "h\xC3\xA4ufig \xE2\x82\xAC");   // euro sign from the 0x80 zone
    EXPECT_EQ(nachCp1252("\xE2\x80\x9E"), "\x84");                          // low double quote back into it
}

TEST(Zeichensatz, NichtDarstellbaresUndKaputtesUtf8WirdGemeldet)
{
    std::string unendlich, abgeschnitten;
    EXPECT_FALSE(nachCp1252("\xE2\x88\x9E", unendlich));    // infinity sign: not in Windows-1252
    EXPECT_FALSE(nachCp1252("a\xC3", abgeschnitten));       // cut sequence at the end
    EXPECT_EQ(unendlich + "|" + abgeschnitten, "?|a?");
    EXPECT_FALSE(istGueltigesUtf8("\xC0\x80") || istGueltigesUtf8("\xED\xA0\x80"));   // overlong, surrogate
    EXPECT_TRUE(istGueltigesUtf8("\xF0\x9F\x98\x80"));
}

TEST(Zeichensatz, GeladenerTextWirdNurAusEchtemUtf8UmgewandeltZeilenendenZuLf)
{
    std::string utf8 = "gr\xC3\xB6\xC3\x9F" "e=3\r\n", cp = "gr\xF6\xDF" "e=3", ascii = "dauer=1.0";
    EXPECT_TRUE(geladenenTextAngleichen(utf8));
    EXPECT_FALSE(geladenenTextAngleichen(cp) || geladenenTextAngleichen(ascii));   // our own files stay
    EXPECT_EQ(utf8 + "|" + cp, "gr\xF6\xDF" "e=3\r\n|gr\xF6\xDF" "e=3");
    EXPECT_EQ(zeilenendenLf("a\r\nb\rc\n\r\n") + "|" + zeilenendenLf("\r"), "a\nb\nc\n\n|\n");
}
