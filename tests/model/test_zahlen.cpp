// tests/model/test_zahlen.cpp
#include "model/zahlen.h"
#include "platform/test/testplattform.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstring>
#include <string>
#include <vector>

namespace {
int pruefen(const char* text)
{
    std::vector<char> kopie(text, text + std::strlen(text) + 1);
    return zahlPruefen(kopie.data());
}
int pruefenKurz(const char* text)
{
    std::vector<char> kopie(text, text + std::strlen(text) + 1);
    return zahlPruefenKurz(kopie.data());
}
} // namespace

TEST(Zahlen, PotenzGanzeUndNegativeExponenten)
{
    EXPECT_EQ(potenz(3.7, 0), 1.0);
    EXPECT_EQ(potenz(-2.0, 3), -8.0);
    EXPECT_DOUBLE_EQ(potenz(1.5, 7), std::pow(1.5, 7));
    // negative exponents end (the old version recursed forever) and give 1 / x^-n
    EXPECT_EQ(potenz(2.0, -1), 0.5);
    EXPECT_EQ(potenz(2.0, -10), 1.0 / 1024.0);
    EXPECT_EQ(potenz(-2.0, -3), -0.125);
    EXPECT_EQ(potenz(1.0, INT_MIN), 1.0);
    EXPECT_EQ(potenz(2.0, INT_MIN), 0.0);
    EXPECT_TRUE(std::isinf(potenz(0.0, -2)));
}

TEST(Zahlen, ZahlPruefenNimmtZahlenMitExponent)
{
    for (const char* t : {"1.5e+3", "1.5e3", "1.5e3.2", "-.5", "2.5E-3", "0", "+7", "3.", "-0.07", "1e-9", " 4 2 "})
        EXPECT_EQ(pruefen(t), 1) << t;
    for (const char* t : {"1e2e3", "+", "3-", "1e", ".", "", "0,5", "1..5", "1.5x", "--1", "1e+", "e5", ".e5", "-E3", "\xFF"})
        EXPECT_EQ(pruefen(t), 0) << t;
}

TEST(Zahlen, ZahlPruefenEntferntBlankeAnOrt)
{
    char text[] = " -1 .5e 3 ";
    ASSERT_EQ(zahlPruefen(text), 1);
    EXPECT_STREQ(text, "-1.5e3");
}

TEST(Zahlen, ZahlPruefenKurzOhneExponent)
{
    for (const char* t : {"1.5", "-.5", "+3", "7."})
        EXPECT_EQ(pruefenKurz(t), 1) << t;
    for (const char* t : {"1e3", "2.5E-3", "3-", "+", ".", "1.2.3", "", "0,5"})
        EXPECT_EQ(pruefenKurz(t), 0) << t;
}

TEST(Zahlen, DezimalzeichenErsetztDenErstenPunkt)
{
    const char alt = dezimalzeichen;
    dezimalzeichen = '.';
    EXPECT_STREQ(zahlMitDezimalzeichen(1.5), "1.500000e+00");
    dezimalzeichen = ',';
    EXPECT_STREQ(zahlMitDezimalzeichen(-0.00025), "-2,500000e-04");
    char* puffer = zahlMitDezimalzeichen(1e300);
    EXPECT_STREQ(puffer, "1,000000e+300");
    EXPECT_EQ(zahlMitDezimalzeichen(2.0), puffer);   // one buffer, overwritten
    EXPECT_STREQ(puffer, "2,000000e+00");
    dezimalzeichen = alt;
}

// ---- pictures ---------------------------------------------------------------------
