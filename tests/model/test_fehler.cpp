// tests/model/test_fehler.cpp
#include "model/fehler.h"
#include "platform/box.h"
#include "platform/test/testplattform.h"

#include <gtest/gtest.h>

namespace pt = plattform::test;

TEST(Fehler, TexteDerTabelleUndUnbekannteNummern)
{
    EXPECT_STREQ(fehlerText(1), "Datei existiert nicht");
    EXPECT_STREQ(fehlerText(115), "Datei kann nicht ge\xF6" "ffnet werden");
    EXPECT_STREQ(fehlerText(119), "Es k\xF6nnen nicht genug synaptische Typen allokiert werden\n"
                                  "Nicht gen\xFCgend Speicherplatz vorhanden");
    EXPECT_STREQ(fehlerText(125), "Die Kanaldatei kann nicht korrekt gelesen werden: Neuronenzustand ist undefiniert !");
    EXPECT_STREQ(fehlerText(132), "kaputte dateigroesse des simulationsfiles\n");
    const char* unbekannt = "Unknown error has been encountered in error handler\n";
    for (int code : {0, 2, 75, 102, 117, 129, 133, 200, -1})
        EXPECT_STREQ(fehlerText(code), unbekannt) << code;
}

TEST(Fehler, JederCodeDerTabelleHatEinenEigenenText)
{
    // the 29 numbers of the table; a slip in one number would leave it unknown
    const int codes[] = {1,   76,  100, 101, 104, 105, 106, 107, 108, 109, 110, 113, 114, 115, 116,
                         118, 119, 120, 121, 122, 123, 124, 125, 126, 127, 128, 130, 131, 132};
    const std::string unbekannt = fehlerText(2);
    for (int c : codes)
        EXPECT_NE(fehlerText(c), unbekannt) << c;
}

TEST(Fehler, MeldenZeigtEinenHinweis)
{
    pt::zuruecksetzen();
    pt::boxAntworten({plattform::antwort::Ok, plattform::antwort::Ok});
    fehlerMelden(123);
    fehlerMelden(200);
    ASSERT_EQ(pt::boxLog().size(), 2u);
    EXPECT_EQ(pt::boxLog()[0].titel, "Hinweis");
    EXPECT_EQ(pt::boxLog()[0].text, "Dateiende wurde vorzeitig erreicht");
    EXPECT_EQ(pt::boxLog()[0].art, plattform::knoepfe::Ok | plattform::symbol::Information);
    EXPECT_EQ(pt::boxLog()[1].text, "Unknown error has been encountered in error handler\n");
}
