// tests/model/test_zufall.cpp - the 15-bit generator and the draws built on it
#include "model/zufall.h"
#include "model/simulationsparameter.h"
#include <gtest/gtest.h>
#include <cmath>

namespace {

struct ZufallTest : ::testing::Test {
    void SetUp() override
    {
        zufallStarten(1);
        simulationsParameter.rauschenNurExzitatorisch = 0;
    }
    void TearDown() override { SetUp(); }
};

} // namespace

TEST_F(ZufallTest, GeneratorMitSaatEinsBereichUndPoissonZiehungen)
{
    for (int erwartet : {41, 18467, 6334, 26500, 19169, 15724})
        EXPECT_EQ(zufallRoh(), erwartet);
    zufallStarten(1);
    EXPECT_DOUBLE_EQ(zufallszahl(), 41.0 / 32767.0);
    EXPECT_DOUBLE_EQ(zufallszahlBereich(2.0, 4.0), 2.0 * 18467.0 / 32767.0 + 2.0);
    zufallStarten(2708534849u);   // the seed whose first value is 0: a uniform draw of exactly 0
    EXPECT_EQ(zufallszahl(), 0.0);

    // rate * dt = 0: L = 1, no loop; the sign draw still comes
    zufallStarten(1);
    EXPECT_EQ(zufallszahlPoisson(0.0, 1e-4), 0.0);
    EXPECT_EQ(zufallRoh(), 6334);        // two draws used
    // seed 1, rate * dt = 0.1: p = 0.00125 < L, k = 0
    zufallStarten(1);
    EXPECT_EQ(zufallszahlPoisson(1000.0, 1e-4), 0.0);

    zufallStarten(12345);
    double summe = 0.0, betrag = 0.0;
    int negativ = 0;
    const int n = 20000;
    for (int i = 0; i < n; ++i) {
        const double k = zufallszahlPoisson(2000.0, 1e-3);
        EXPECT_EQ(k, std::floor(k));
        summe += k;
        betrag += std::fabs(k);
        negativ += k < 0.0;
    }
    EXPECT_NEAR(betrag / n, 2.0, 0.1);
    EXPECT_NEAR(summe / n, 0.0, 0.15);
    EXPECT_GT(negativ, n / 4);

    // excitatory only: no sign draw, nothing negative
    simulationsParameter.rauschenNurExzitatorisch = 1;
    zufallStarten(1);
    zufallszahlPoisson(0.0, 0.0);
    EXPECT_EQ(zufallRoh(), 18467);
    for (int i = 0; i < 1000; ++i)
        EXPECT_GE(zufallszahlPoisson(2000.0, 1e-3), 0.0);
}

