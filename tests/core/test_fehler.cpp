// tests/core/test_fehler.cpp
#include "core/fehler.h"
#include "platform/box.h"
#include "platform/test/testplattform.h"

#include <gtest/gtest.h>

namespace pt = plattform::test;

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
