// tests/model/test_izhikevich.cpp - the two Izhikevich steps and their run preparation
#include "model/izhikevich.h"
#include "model/neuron.h"
#include "model/simulationsparameter.h"
#include <gtest/gtest.h>
#include <tuple>

namespace {

struct Izhikevich : ::testing::Test {
    NeuronDaten n;
    void SetUp() override
    {
        simulationsParameter.izhikevichSchrittweite = 0.1;
        n.izhikevichAktiv = 1;
        izhikevichVorbereiten(n);   // a = 0: the default set
    }
    void TearDown() override { simulationsParameter = Simulationsparameter{}; }
};

TEST_F(Izhikevich, ErsterSchrittAusDerRuheVorbereitungBehaeltGesetzteWerte)
{
    EXPECT_EQ(n.izhikevichSchrittFunktion, &izhikevichSchritt);
    for (IzhikevichSchrittFunktion f : {&izhikevichSchritt, &izhikevichSchrittKorrigiert}) {
        izhikevichVorbereiten(n);
        EXPECT_DOUBLE_EQ(f(&n, 0.0), -69.4);
        EXPECT_DOUBLE_EQ(n.izV, -69.4);
        EXPECT_DOUBLE_EQ(n.izU, -19.988);
    }
    // a set neuron keeps its values; the flag chooses the corrected step; the pending peak stays
    std::tie(n.izA, n.izVStart, n.izUStart, n.izhikevichKorrigieren, n.izSpitzeAusstehend) =
        std::make_tuple(0.1, -60.0, -10.0, 1, 1.0);
    izhikevichVorbereiten(n);
    EXPECT_EQ(std::make_tuple(n.izA, n.izV, n.izU, n.izSpitzeAusstehend, n.izhikevichSchrittFunktion),
              std::make_tuple(0.1, -60.0, -10.0, 1.0, &izhikevichSchrittKorrigiert));
}

TEST_F(Izhikevich, DerEinfacheSchrittSetztAnDerSpitzeZurueckDerKorrigierteZeigtSieEinenSchrittLang)
{
    const struct {
        IzhikevichSchrittFunktion schritt;
        double vNeu;               // the Euler result of the step
        double erwartetV;          // what the step returns
        double uAenderung;         // added to the Euler result of u
        double ausstehend;         // pending peak afterwards
    } faelle[] = {
        {&izhikevichSchritt, 30.0, -65.0, +8.0, 0.0},    // exactly the peak counts as reached
        {&izhikevichSchritt, 29.0, 29.0, 0.0, 0.0},
        {&izhikevichSchritt, -120.0, -65.0, -8.0, 0.0},  // exactly -120 is reset, u lowered
        {&izhikevichSchritt, -119.0, -119.0, 0.0, 0.0},
        {&izhikevichSchrittKorrigiert, 30.0, 30.0, 0.0, 1.0},      // the peak itself, u without d
        {&izhikevichSchrittKorrigiert, 45.0, 30.0, 0.0, 1.0},
        {&izhikevichSchrittKorrigiert, -120.0, -65.0, -8.0, 0.0},
    };
    simulationsParameter.izhikevichSchrittweite = 1.0;
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.vNeu);
        n.izSpitzeAusstehend = 0.0;
        n.izV = 0.0, n.izU = 140.0 - f.vNeu;   // v + h(0 + 0 + 140 - u); u = 0 keeps u's step small
        const double uEuler = n.izU + n.izA * (0.0 - n.izU);
        EXPECT_DOUBLE_EQ(f.schritt(&n, 0.0), f.erwartetV);
        EXPECT_DOUBLE_EQ(n.izU, uEuler + f.uAenderung);
        EXPECT_EQ(std::make_tuple(n.izV, n.izSpitzeAusstehend), std::make_tuple(f.erwartetV, f.ausstehend));
    }
    // the corrected step's next call starts from v = c and u + d
    const double u = n.izU = n.izUNeu = 10.0;
    n.izSpitzeAusstehend = 1.0;
    simulationsParameter.izhikevichSchrittweite = 0.1;
    const double v0 = -65.0, u0 = u + 8.0;
    const double vErwartet = v0 + 0.1 * (0.04 * v0 * v0 + 5.0 * v0 + 140.0 - u0 + 5.0);
    const double uErwartet = u0 + 0.1 * 0.02 * (0.2 * v0 - u0);
    EXPECT_DOUBLE_EQ(izhikevichSchrittKorrigiert(&n, 5.0), vErwartet);
    EXPECT_DOUBLE_EQ(n.izU, uErwartet);
    EXPECT_EQ(n.izSpitzeAusstehend, 0.0);
}

} // namespace
