// tests/core/test_fehler.cpp
#include "core/fehler.h"
#include "platform/box.h"
#include "platform/test/testplattform.h"

#include <gtest/gtest.h>

namespace pt = plattform::test;

TEST(Fehler, JederCodeDerTabelleHatEinenTextAndereSindUnbekannt)
{
    // the loaders' texts are compared word for word in test_standarddateien; here the table's
    // 29 numbers (a slip in one would leave it unknown), the codes around them and one Windows-1252 text
    const int codes[] = {1,   76,  100, 101, 104, 105, 106, 107, 108, 109, 110, 113, 114, 115, 116,
                         118, 119, 120, 121, 122, 123, 124, 125, 126, 127, 128, 130, 131, 132};
    const std::string unbekannt = "Unknown error has been encountered in error handler\n";
    for (int c : codes)
        EXPECT_NE(fehlerText(c), unbekannt) << c;
    for (int code : {0, 2, 75, 102, 117, 129, 133, 200, -1})
        EXPECT_EQ(fehlerText(code), unbekannt) << code;
    EXPECT_STREQ(fehlerText(119), "Es k\xF6nnen nicht genug synaptische Typen allokiert werden\n"
                                  "Nicht gen\xFCgend Speicherplatz vorhanden");
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
    EXPECT_EQ(pt::boxLog()[1].text, fehlerText(2));
}
