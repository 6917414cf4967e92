// tests/app/test_hilfen.cpp - the spike recording grows past its first block
#include "app_hilfe.h"

TEST(Aufzeichnung, WaechstUeberDenErstenBlockUndLoeschenBehaeltDenSchalter)
{
    SpikeAufzeichnung a;
    a.aufzeichnen = 1;
    for (int i = 1; i <= 1001; ++i)
        aufzeichnungEintragen(a, nullptr, 0.001 * i);
    EXPECT_EQ(a.letzterIndex, 1001);
    EXPECT_DOUBLE_EQ(a.ereignisse[1000].zeit, 1.001);
    aufzeichnungLoeschen(a);
    EXPECT_TRUE(a.ereignisse.empty());
    EXPECT_EQ(a.letzterIndex, 0);
    EXPECT_EQ(a.aufzeichnen, 1);
}
