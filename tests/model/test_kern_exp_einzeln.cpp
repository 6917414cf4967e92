// tests/model/test_kern_exp_einzeln.cpp - the single neurons' exponential against the
// library's: its error over the whole range, the arguments it leaves to the library, and x
// scaled by the caller from x's own factors
#include "model/kern_exp.h"
#include <gtest/gtest.h>
#include <cmath>
#include <limits>
#include <random>

namespace {

// relative error bound: two units in the last place
constexpr double grenze = 4.5e-16;

TEST(KernExpEinzeln, BleibtUeberDemGanzenBereichInnerhalbZweierLetzterStellenVonStdExp)
{
    // the forms' arguments reach a few hundred, the gates' and the soma's are small; the
    // table's every entry is met by the fine steps near 0
    for (double x = -699.99; x <= 699.99; x += 0.00713) {
        const double soll = std::exp(x);
        ASSERT_LE(std::fabs(expEinzeln(x) - soll), grenze * soll) << x;
    }
    for (double x = -0.4; x <= 0.4; x += 3.1e-6) {
        const double soll = std::exp(x);
        ASSERT_LE(std::fabs(expEinzeln(x) - soll), grenze * soll) << x;
    }
    std::mt19937_64 zufall(7);
    std::uniform_real_distribution<double> gleich(-700.0, 700.0);
    for (int i = 0; i < 200000; ++i) {
        const double x = gleich(zufall);
        ASSERT_LE(std::fabs(expEinzeln(x) - std::exp(x)), grenze * std::exp(x)) << x;
    }
    EXPECT_EQ(expEinzeln(0.0), 1.0);
    EXPECT_EQ(expEinzeln(-0.0), 1.0);
}

TEST(KernExpEinzeln, RaenderUnendlichUndNanWieStdExp)
{
    const double inf = std::numeric_limits<double>::infinity();
    // beyond +-700 the library's exp answers: overflow, the denormals, underflow to 0
    for (double x : {700.0, 709.5, 709.79, 710.0, 800.0, -700.0, -708.5, -720.0, -745.0, -746.0, -1000.0, inf, -inf})
        EXPECT_EQ(expEinzeln(x), std::exp(x)) << x;
    EXPECT_TRUE(std::isnan(expEinzeln(std::nan(""))));
    // the largest and the smallest arguments on the table's path still give normal numbers
    EXPECT_LE(std::fabs(expEinzeln(699.99) - std::exp(699.99)), grenze * std::exp(699.99));
    EXPECT_LE(std::fabs(expEinzeln(-699.99) - std::exp(-699.99)), grenze * std::exp(-699.99));
}

TEST(KernExpEinzeln, SkaliertesArgumentAusDenFaktorenGibtDasselbe)
{
    // a rate form's (V - H) k with ks = k expSkala, a gate's -b T with b (T -expSkala):
    // the scaled argument differs from x expSkala by a few roundings, the result stays
    // within the bound; an infinite scale falls back to the library with x itself
    std::mt19937_64 zufall(11);
    std::uniform_real_distribution<double> spannung(-0.1, 0.06), steigung(-300.0, 300.0), rate(0.0, 2e4);
    for (int i = 0; i < 100000; ++i) {
        const double dx = spannung(zufall) + 0.04, k = steigung(zufall);
        const double x = dx * k;
        ASSERT_LE(std::fabs(expEinzeln(x, dx * (k * expSkala)) - std::exp(x)), grenze * std::exp(x)) << dx << " " << k;
        const double b = rate(zufall), T = 1e-4;
        const double y = -b * T;
        ASSERT_LE(std::fabs(expEinzeln(y, b * (T * -expSkala)) - std::exp(y)), grenze * std::exp(y)) << b;
    }
    EXPECT_EQ(expEinzeln(-3.0, -std::numeric_limits<double>::infinity()), std::exp(-3.0));
}

} // namespace
