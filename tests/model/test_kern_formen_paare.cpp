// tests/model/test_kern_formen_paare.cpp - the rate forms of a kernel of few neurons two at a
// time against one at a time: the same bits for every kind of form, and the neurons that
// have to be computed one by one
#include "core/status.h"
#include "model/kern_gemeinsam.h"
#include <gtest/gtest.h>
#include <cmath>
#include <cstring>
#include <vector>

namespace {

struct Lane {
    int form;
    double A, H, S, D;
};

// the lanes of neuron i as its kernel's angaben would give them
std::vector<std::vector<Lane>> lanen;
kern::FormAngaben angaben(const void*, size_t g, size_t i)
{
    const Lane& l = lanen[i][g];
    return {l.form, l.A, l.H, l.S, l.D};
}

bool gleicheBits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

// the six slots of every neuron, two at a time and one by one, at potentials from -100 to
// +60 mV
void vergleichen(kern::Formen& f, size_t neurone, const char* name)
{
    for (double V = -0.1; V <= 0.06; V += 0.000737)
        for (size_t i = 0; i < neurone; ++i) {
            double paarweise[6];
            f.einzelwerte<3>(i, V, 0.0, paarweise);
            for (size_t g = 0; g < 6; ++g) {
                const double einzeln = f.einzelwert(g, i, V, 0.0);
                ASSERT_TRUE(gleicheBits(paarweise[g], einzeln) || (std::isnan(paarweise[g]) && std::isnan(einzeln)))
                    << name << " neuron " << i << " slot " << g << " at " << V << ": " << paarweise[g] << " against "
                    << einzeln;
            }
        }
}

TEST(KernFormenPaare, ZweiAufEinmalGebenDieBitsDerEinzelnen)
{
    laufZustand = {};
    // products, quotients with + and -, the linear ones, fixed lanes beside them, and an
    // odd pair (a fixed lane beside one of an exponential); three neurons, as a kernel of
    // few neurons has them
    lanen = {
        {{12, 1e5, -0.040, 0.010, 1.0}, {1, 4000, -0.065, 0.018, 0.0}, {2, 70, -0.065, 0.020, 0.0},
         {21, 1000, -0.035, 0.010, 1.0}, {13, 1e4, -0.055, 0.010, 1.0}, {5, 8.0, -0.065, 0.080, 0.0}},
        {{22, 50, -0.030, 0.007, 2.0}, {32, 3.5, 0.0, 1.0, 0.0}, {24, 1.0, -0.050, 0.004, 1.0},
         {27, 6.0, 0.0, 1.0, 3.0}, {11, 2e4, -0.045, 0.012, 1.0}, {31, 1.0, 0.0, 1.0, 4.0}},
        {{3, 200, -0.060, 0.015, 0.5}, {4, 0.05, -0.062, 0.011, 0.0}, {6, 9.0, -0.070, 0.030, 0.2},
         {14, 300, -0.058, 0.009, 1.0}, {23, 40, -0.052, 0.006, 0.0}, {26, 15, -0.049, 0.008, 3.0}},
    };
    kern::Formen f;
    f.groesse(6, lanen.size());
    f.angabenVon(angaben, nullptr);
    for (size_t i = 0; i < lanen.size(); ++i)
        for (size_t g = 0; g < 6; ++g) {
            const Lane& l = lanen[i][g];
            f.setzen(g, i, l.form, l.A, l.H, l.S, l.D);
        }
    vergleichen(f, lanen.size(), "gemischt");
    // a concentration that moves H and D, and a fixed lane's new value
    f.halbwertSetzen(0, 2, -0.061);
    f.dSetzen(5, 2, 2.5);
    f.festSetzen(3, 1, 7.25);
    lanen[2][0].H = -0.061;
    lanen[2][5].D = 2.5;
    vergleichen(f, lanen.size(), "nachgestellt");
    EXPECT_EQ(f.einzelwert(3, 1, -0.07, 0.0), 7.25);
    EXPECT_EQ(laufZustand.abbrechen, 0);
}

TEST(KernFormenPaare, EinNeuronMitSonderformNullnennerOderGrossemArgumentEinzeln)
{
    laufZustand = {};
    // neuron 0: a form computed one by one (15) beside ordinary ones; neuron 1: a quotient
    // whose denominator is 0 at V = H (1 - e^0, the linear form's limit); neuron 2: a slope so
    // small that the exponential's argument leaves the table's range
    lanen = {
        {{15, 1.0, 0.05, 0.01, 1.0}, {1, 4000, -0.065, 0.018, 0.0}, {2, 70, -0.065, 0.020, 0.0},
         {21, 1000, -0.035, 0.010, 1.0}, {13, 1e4, -0.055, 0.010, 1.0}, {5, 8.0, -0.065, 0.080, 0.0}},
        {{12, 1e5, -0.040, 0.010, 1.0}, {1, 4000, -0.065, 0.018, 0.0}, {2, 70, -0.065, 0.020, 0.0},
         {21, 1000, -0.035, 0.010, 1.0}, {13, 1e4, -0.055, 0.010, 1.0}, {5, 8.0, -0.065, 0.080, 0.0}},
        {{1, 4000, -0.065, 1e-5, 0.0}, {1, 4000, -0.065, 0.018, 0.0}, {2, 70, -0.065, 0.020, 0.0},
         {21, 1000, -0.035, 1e-5, 1.0}, {13, 1e4, -0.055, 0.010, 1.0}, {5, 8.0, -0.065, 0.080, 0.0}},
    };
    kern::Formen f;
    f.groesse(6, lanen.size());
    f.angabenVon(angaben, nullptr);
    for (size_t i = 0; i < lanen.size(); ++i)
        for (size_t g = 0; g < 6; ++g) {
            const Lane& l = lanen[i][g];
            f.setzen(g, i, l.form, l.A, l.H, l.S, l.D);
        }
    vergleichen(f, lanen.size(), "einzeln");
    // exactly at the linear form's H: its limit, as the form itself gives it
    double w[6];
    f.einzelwerte<3>(1, -0.040, 0.0, w);
    EXPECT_EQ(w[0], funktionaleFormBerechnen(12, 1e5, -0.040, 0.010, 1.0, 0.0, {-0.040, 0.0}));
    EXPECT_TRUE(std::isfinite(w[0]));
    // the form that left the range: what the library's exponential gives
    f.einzelwerte<3>(2, 0.0, 0.0, w);
    EXPECT_EQ(w[0], funktionaleFormBerechnen(1, 4000, -0.065, 1e-5, 0.0, 0.0, {0.0, 0.0}));
    EXPECT_EQ(laufZustand.abbrechen, 0);
}

// the forms of neurons on lanes: f.wert after one step's berechnen at the potentials V
std::vector<double> aufLanen(size_t neurone, const std::vector<double>& V)
{
    kern::Formen f;
    f.groesse(6, neurone);
    f.angabenVon(angaben, nullptr);
    for (size_t i = 0; i < neurone; ++i)
        for (size_t g = 0; g < 6; ++g) {
            const Lane& l = lanen[i % lanen.size()][g];
            f.setzen(g, i, l.form, l.A, l.H, l.S, l.D);
        }
    std::vector<double> pot(f.lanes(), 0.0);
    for (size_t i = 0; i < neurone; ++i)
        pot[i] = V[i % V.size()];
    const std::vector<char> aktiv(f.lanes(), 1);
    f.berechnen(pot.data(), 0.0, aktiv.data());
    std::vector<double> w;
    for (size_t i = 0; i < neurone; ++i)
        for (size_t g = 0; g < 6; ++g)
            w.push_back(f.wert(g, i));
    return w;
}

TEST(KernFormenPaare, WenigeLanenInEinerSchleifeWieVieleJeSlot)
{
    laufZustand = {};
    // ten neurons (the slots in one loop) against forty (a loop per slot): the same bits for
    // the first ten, with every slot computed, with a slot of fixed lanes only in the middle
    // (no run of slots), and with the first and last slots fixed (a run from the second)
    const std::vector<Lane> alle = {{12, 1e5, -0.040, 0.010, 1.0}, {1, 4000, -0.065, 0.018, 0.0},
                                    {2, 70, -0.065, 0.020, 0.0},   {21, 1000, -0.035, 0.010, 1.0},
                                    {13, 1e4, -0.055, 0.010, 1.0}, {5, 8.0, -0.065, 0.080, 0.0}};
    const Lane fest{27, 6.0, 0.0, 1.0, 3.0};
    const std::vector<double> V = {-0.071, -0.065, -0.052, -0.040, -0.0213, 0.0, 0.018, 0.044, -0.0893, -0.0331};
    for (int fall = 0; fall < 3; ++fall) {
        std::vector<Lane> slots = alle;
        if (fall == 1)
            slots[2] = fest;
        if (fall == 2)
            slots[0] = slots[5] = fest;
        // the second neuron's lanes shifted, so that a wrong lane or slot shows
        std::vector<Lane> anders = slots;
        for (Lane& l : anders)
            l.H += 0.003;
        lanen = {slots, anders};
        const std::vector<double> wenige = aufLanen(10, V), viele = aufLanen(40, V);
        for (size_t j = 0; j < wenige.size(); ++j)
            ASSERT_TRUE(gleicheBits(wenige[j], viele[j]))
                << "case " << fall << " neuron " << j / 6 << " slot " << j % 6 << ": " << wenige[j] << " against "
                << viele[j];
        // and what the lane gives one by one
        const double soll = funktionaleFormBerechnen(1, 4000, -0.062, 0.018, 0.0, 0.0, {V[3], 0.0});
        EXPECT_NEAR(wenige[6 * 3 + 1], soll, 1e-12 * std::fabs(soll));
    }
    EXPECT_EQ(laufZustand.abbrechen, 0);
}

} // namespace
