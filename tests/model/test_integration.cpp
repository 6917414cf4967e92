// tests/model/test_integration.cpp
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

TEST_F(Integration, EinSchrittJeMethodeBeiYEinsBZweiADreiUnbekannteRechnenExponentiell)
{
    const struct { int methode; double erwartet; } faelle[] = {
        {integration::Euler, 1.0001},
        {integration::CrankNicolson, 1.000099990001},
        {integration::ExponentiellerEuler, 1.0000999900006666},
        {integration::RungeKutta4, 1.0000999900006666},
        {7, 1.0000999900006666}, {0, 1.0000999900006666}, {5, 1.0000999900006666},
        {-1, 1.0000999900006666}, {1000, 1.0000999900006666},
    };
    for (const auto& f : faelle)
        EXPECT_NEAR(integrationsSchritt(f.methode, 1.0, 2.0, 3.0, 1e-4), f.erwartet, 1e-15) << f.methode;
}

TEST_F(Integration, EulerUndCrankNicolsonNehmenDenLaufschrittDieAnderenH)
{
    for (int methode : {integration::Euler, integration::CrankNicolson})
        EXPECT_EQ(integrationsSchritt(methode, 1.0, 2.0, 3.0, 0.5),
                  integrationsSchritt(methode, 1.0, 2.0, 3.0, 1e-4)) << methode;

    simulationsParameter.schrittweite = 0.5;
    EXPECT_NEAR(integrationsSchritt(integration::ExponentiellerEuler, 1.0, 2.0, 3.0, 1e-4),
                1.0000999900006666, 1e-15);
    EXPECT_NEAR(integrationsSchritt(integration::RungeKutta4, 1.0, 2.0, 3.0, 1e-4), 1.0000999900006666,
                1e-15);
}

TEST_F(Integration, OhneAbbauWaechstJedeMethodeLinear)
{
    // the exponential Euler would divide a by b = 0; its limit is y + a*h
    const double h = 2e-3;
    EXPECT_DOUBLE_EQ(integrationsSchritt(integration::Euler, 1.0, 0.0, 3.0, h), 1.0 + 1e-4 * 3.0);
    EXPECT_DOUBLE_EQ(integrationsSchritt(integration::CrankNicolson, 1.0, 0.0, 3.0, h), 1.0 + 1e-4 * 3.0);
    EXPECT_DOUBLE_EQ(integrationsSchritt(integration::RungeKutta4, 1.0, 0.0, 3.0, h), 1.0 + h * 3.0);
    EXPECT_DOUBLE_EQ(integrationsSchritt(integration::ExponentiellerEuler, 1.0, 0.0, 3.0, h), 1.0 + h * 3.0);
    EXPECT_DOUBLE_EQ(integrationsSchritt(integration::ExponentiellerEuler, 1.0, -0.0, 3.0, h), 1.0 + h * 3.0);
    // ... and a decay too small to show in 1 - exp(-b*h) still lets the variable grow
    EXPECT_DOUBLE_EQ(integrationsSchritt(integration::ExponentiellerEuler, 1.0, 1e-20, 3.0, h), 1.0 + h * 3.0);
}

TEST_F(Integration, ExponentiellerEulerTrifftDieExakteLoesungUeberAlleZerfallsraten)
{
    // y(h) = a/b + (y - a/b) exp(-b h), against long double; the series and the
    // exponential meet at b*h = 0.01
    for (double bh : {1e-12, 1e-6, 0.0099999, 0.0100001, 0.5, 3.0, 40.0, 800.0}) {
        const double h = 1e-4, b = bh / h, a = 0.3 * b, y = 0.9;
        const long double e = std::exp(-static_cast<long double>(bh));
        const double genau = static_cast<double>(a / static_cast<long double>(b) * (1 - e) + y * e);
        EXPECT_NEAR(integrationsSchritt(integration::ExponentiellerEuler, y, b, a, h), genau, 1e-15) << bh;
        // a steady state far below the start is reached exactly, not lost in y's rounding
        if (bh > 700) {
            EXPECT_EQ(integrationsSchritt(integration::ExponentiellerEuler, 1.0, b, 1e-20 * b, h), 1e-20);
        }
    }
}
