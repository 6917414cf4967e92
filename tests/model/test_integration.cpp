// tests/model/test_integration.cpp - one step of each integration method
#include "model/integration.h"
#include "model/simulationsparameter.h"
#include <cmath>
#include <gtest/gtest.h>

namespace {

struct Integration : ::testing::Test {
    Simulationsparameter gesichert = simulationsParameter;
    void SetUp() override { simulationsParameter.schrittweite = 1e-4; }
    void TearDown() override { simulationsParameter = gesichert; }
};

} // namespace

TEST_F(Integration, EinSchrittJeMethodeUnbekannteRechnenExponentiell)
{
    // y 1, b 2, a 3; Euler and Crank-Nicolson take the run's step, the others h
    constexpr double exponentiell = 1.0000999900006666;
    const struct { int methode; double erwartet; } faelle[] = {
        {integration::Euler, 1.0001}, {integration::CrankNicolson, 1.000099990001},
        {integration::ExponentiellerEuler, exponentiell}, {integration::RungeKutta4, exponentiell},
        {0, exponentiell}, {5, exponentiell}, {-1, exponentiell}};
    for (const auto& f : faelle) {
        simulationsParameter.schrittweite = 1e-4;
        EXPECT_NEAR(integrationsSchritt(f.methode, 1.0, 2.0, 3.0, 1e-4), f.erwartet, 1e-15) << f.methode;
        const bool laufschritt = f.methode == integration::Euler || f.methode == integration::CrankNicolson;
        simulationsParameter.schrittweite = laufschritt ? 1e-4 : 0.5;
        const double h = laufschritt ? 0.5 : 1e-4;
        EXPECT_NEAR(integrationsSchritt(f.methode, 1.0, 2.0, 3.0, h), f.erwartet, 1e-15) << f.methode;
    }
}

TEST_F(Integration, ExponentiellerEulerTrifftDieExakteLoesungAuchOhneAbbau)
{
    // y(h) = a/b + (y - a/b) exp(-b h), against long double; the series and the
    // exponential meet at b*h = 0.01
    for (double bh : {1e-12, 1e-6, 0.0099999, 0.0100001, 0.5, 3.0, 40.0, 800.0}) {
        const double h = 1e-4, b = bh / h, a = 0.3 * b, y = 0.9;
        const long double e = std::exp(-static_cast<long double>(bh));
        const double genau = static_cast<double>(a / static_cast<long double>(b) * (1 - e) + y * e);
        EXPECT_NEAR(integrationsSchritt(integration::ExponentiellerEuler, y, b, a, h), genau, 1e-15) << bh;
    }
    // a steady state far below the start is reached exactly, not lost in y's rounding
    EXPECT_EQ(integrationsSchritt(integration::ExponentiellerEuler, 1.0, 8e6, 8e-14, 1e-4), 1e-20);
    // the exponential Euler would divide a by b = 0; its limit is y + a*h, also for a decay
    // too small to show in 1 - exp(-b*h)
    const double h = 2e-3;
    for (const auto& [methode, b, erwartet] : {std::tuple{integration::Euler, 0.0, 1.0 + 1e-4 * 3.0},
                                               {integration::CrankNicolson, 0.0, 1.0 + 1e-4 * 3.0},
                                               {integration::RungeKutta4, 0.0, 1.0 + h * 3.0},
                                               {integration::ExponentiellerEuler, 0.0, 1.0 + h * 3.0},
                                               {integration::ExponentiellerEuler, -0.0, 1.0 + h * 3.0},
                                               {integration::ExponentiellerEuler, 1e-20, 1.0 + h * 3.0}})
        EXPECT_DOUBLE_EQ(integrationsSchritt(methode, 1.0, b, 3.0, h), erwartet) << methode << " " << b;
}
