// tests/model/test_kern_exp.cpp - the run kernels' exponential against the library's
#include "model/kern_exp.h"
#include <gtest/gtest.h>
#include <cmath>
#include <limits>

TEST(KernExp, BleibtUeberDemGanzenBereichInnerhalbZweierLetzterStellenVonStdExp)
{
    // the rate forms' arguments (V - H) / S reach a few hundred, the gates' -b h are small;
    // both ends of the double range and the denormals are checked too
    for (double x = -745.0; x <= 709.7; x += 0.0137) {
        const double soll = std::exp(x), ist = expEigen(x);
        if (soll >= 0x1p-1022)
            ASSERT_LE(std::fabs(ist - soll), 4e-16 * soll) << x;
        else
            ASSERT_LE(std::fabs(ist - soll), 0x1p-1074 * 2) << x;
    }
    for (double x = -1e-3; x <= 1e-3; x += 1.3e-7)
        ASSERT_LE(std::fabs(expEigen(x) - std::exp(x)), 4e-16 * std::exp(x)) << x;
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(expEigen(710.0), inf);
    EXPECT_EQ(expEigen(inf), inf);
    EXPECT_EQ(expEigen(-800.0), 0.0);
    EXPECT_EQ(expEigen(-inf), 0.0);
    EXPECT_TRUE(std::isnan(expEigen(std::nan(""))));
}
