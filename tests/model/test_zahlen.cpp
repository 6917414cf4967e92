// tests/model/test_zahlen.cpp - powers, the number checks of the dialogs, the decimal sign
#include "model/zahlen.h"
#include <gtest/gtest.h>
#include <climits>
#include <cmath>
#include <string>

TEST(Zahlen, PotenzGanzeUndNegativeExponenten)
{
    EXPECT_EQ(potenz(3.7, 0), 1.0);
    EXPECT_EQ(potenz(-2.0, 3), -8.0);
    EXPECT_DOUBLE_EQ(potenz(1.5, 7), std::pow(1.5, 7));
    // negative exponents end (the old version recursed forever) and give 1 / x^-n
    EXPECT_EQ(std::make_tuple(potenz(2.0, -10), potenz(-2.0, -3), potenz(1.0, INT_MIN), potenz(2.0, INT_MIN)),
              std::make_tuple(1.0 / 1024.0, -0.125, 1.0, 0.0));
    EXPECT_TRUE(std::isinf(potenz(0.0, -2)));
}

TEST(Zahlen, ZahlPruefenMitUndOhneExponentEntferntBlankeAnOrt)
{
    const struct { const char* text; int lang, kurz; } faelle[] = {
        {"1.5e+3", 1, 0}, {"1.5e3", 1, 0}, {"1.5e3.2", 1, 0}, {"2.5E-3", 1, 0}, {"1e-9", 1, 0},
        {"-.5", 1, 1}, {"0", 1, 1}, {"+7", 1, 1}, {"3.", 1, 1}, {"-0.07", 1, 1}, {" 4 2 ", 1, 1},
        {"1e2e3", 0, 0}, {"+", 0, 0}, {"3-", 0, 0}, {"1e", 0, 0}, {".", 0, 0}, {"", 0, 0}, {"0,5", 0, 0},
        {"1..5", 0, 0}, {"1.2.3", 0, 0}, {"1.5x", 0, 0}, {"--1", 0, 0}, {"1e+", 0, 0}, {"e5", 0, 0},
        {".e5", 0, 0}, {"-E3", 0, 0}, {"\xFF", 0, 0},
    };
    for (const auto& f : faelle) {
        std::string lang = f.text, kurz = f.text;
        EXPECT_EQ(zahlPruefen(lang.data()), f.lang) << f.text;
        EXPECT_EQ(zahlPruefenKurz(kurz.data()), f.kurz) << f.text;
    }
    char text[] = " -1 .5e 3 ";
    ASSERT_EQ(zahlPruefen(text), 1);
    EXPECT_STREQ(text, "-1.5e3");
}

