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
    // v and u so that the next step at I = 0 lands at vNeu (u = 0 keeps u's step small)
    void vorSpitze(double vNeu)
    {
        simulationsParameter.izhikevichSchrittweite = 1.0;
        n.izV = 0.0, n.izU = 140.0 - vNeu;   // v + h(0 + 0 + 140 - u)
    }
};

TEST_F(Izhikevich, VorbereitungBehaeltGesetzteWerteUndWaehltDenSchritt)
{
    EXPECT_EQ(n.izhikevichSchrittFunktion, &izhikevichSchritt);
    // a set neuron keeps its values; the flag chooses the corrected step; the pending
    // peak stays
    n.izA = 0.1, n.izVStart = -60.0, n.izUStart = -10.0;
    n.izhikevichKorrigieren = 1;
    n.izSpitzeAusstehend = 1.0;
    izhikevichVorbereiten(n);
    EXPECT_EQ(std::make_tuple(n.izA, n.izV, n.izU, n.izSpitzeAusstehend), std::make_tuple(0.1, -60.0, -10.0, 1.0));
    EXPECT_EQ(n.izhikevichSchrittFunktion, &izhikevichSchrittKorrigiert);
}

TEST_F(Izhikevich, ErsterSchrittAusDerRuhe)
{
    for (IzhikevichSchrittFunktion f : {&izhikevichSchritt, &izhikevichSchrittKorrigiert}) {
        izhikevichVorbereiten(n);
        EXPECT_DOUBLE_EQ(f(&n, 0.0), -69.4);
        EXPECT_DOUBLE_EQ(n.izV, -69.4);
        EXPECT_DOUBLE_EQ(n.izU, -19.988);
    }
}

struct GrenzFall {
    double vNeu;               // the Euler result of the step
    double erwartetV;          // what the step returns
    double uAenderung;         // added to the Euler result of u
    double ausstehend;         // pending peak afterwards
};

TEST_F(Izhikevich, EinfacherSchrittSetztAnDerSpitzeSofortZurueck)
{
    const GrenzFall faelle[] = {
        {30.0, -65.0, +8.0, 0.0},    // exactly the peak counts as reached
        {29.0, 29.0, 0.0, 0.0},
        {-120.0, -65.0, -8.0, 0.0},  // exactly -120 is reset, u lowered
        {-119.0, -119.0, 0.0, 0.0},
    };
    for (const GrenzFall& f : faelle) {
        SCOPED_TRACE(f.vNeu);
        vorSpitze(f.vNeu);
        const double uEuler = n.izU + n.izA * (0.0 - n.izU);
        EXPECT_DOUBLE_EQ(izhikevichSchritt(&n, 0.0), f.erwartetV);
        EXPECT_DOUBLE_EQ(n.izV, f.erwartetV);
        EXPECT_DOUBLE_EQ(n.izU, uEuler + f.uAenderung);
        EXPECT_EQ(n.izSpitzeAusstehend, f.ausstehend);
    }
}

TEST_F(Izhikevich, KorrigierterSchrittZeigtDieSpitzeEinenSchrittLang)
{
    const GrenzFall faelle[] = {
        {30.0, 30.0, 0.0, 1.0},      // the peak itself, u without d
        {45.0, 30.0, 0.0, 1.0},
        {-120.0, -65.0, -8.0, 0.0},
    };
    for (const GrenzFall& f : faelle) {
        SCOPED_TRACE(f.vNeu);
        n.izSpitzeAusstehend = 0.0;
        vorSpitze(f.vNeu);
        const double uEuler = n.izU + n.izA * (0.0 - n.izU);
        EXPECT_DOUBLE_EQ(izhikevichSchrittKorrigiert(&n, 0.0), f.erwartetV);
        EXPECT_DOUBLE_EQ(n.izU, uEuler + f.uAenderung);
        EXPECT_EQ(n.izSpitzeAusstehend, f.ausstehend);
    }
    // the next call starts from v = c and u + d
    const double u = n.izU = 10.0;
    n.izSpitzeAusstehend = 1.0;
    n.izUNeu = u;
    simulationsParameter.izhikevichSchrittweite = 0.1;
    const double v0 = -65.0, u0 = u + 8.0;
    const double vErwartet = v0 + 0.1 * (0.04 * v0 * v0 + 5.0 * v0 + 140.0 - u0 + 5.0);
    const double uErwartet = u0 + 0.1 * 0.02 * (0.2 * v0 - u0);
    EXPECT_DOUBLE_EQ(izhikevichSchrittKorrigiert(&n, 5.0), vErwartet);
    EXPECT_DOUBLE_EQ(n.izU, uErwartet);
    EXPECT_EQ(n.izSpitzeAusstehend, 0.0);
}

} // namespace
