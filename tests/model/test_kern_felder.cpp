// tests/model/test_kern_felder.cpp - the passes over lanes: the Hodgkin-Huxley step of lanes
// that end in a vector of four (taken beside the vector of eight before it where the
// processor has vectors of eight) against the same lanes in a longer run of whole vectors,
// and the voltages copied for the forms' run of slots
#include "model/kern_felder.h"
#include "model/kern_gemeinsam.h"
#include <gtest/gtest.h>
#include <cmath>
#include <cstring>
#include <limits>
#include <random>
#include <vector>

namespace {

// one kernel's lanes, as many as asked; lane j's values depend on j alone
struct HhFeld {
    std::vector<std::vector<double>> a;
    explicit HhFeld(size_t n)
        : a(30, std::vector<double>(n, 0.0))
    {
        const double nan = std::numeric_limits<double>::quiet_NaN();
        for (size_t j = 0; j < n; ++j) {
            std::mt19937_64 z(j);
            std::uniform_real_distribution<double> u(0.0, 1.0);
            const double V = -0.075 + 0.03 * u(z);
            a[0][j] = V;                                              // V
            a[1][j] = u(z), a[2][j] = u(z), a[3][j] = u(z);           // m, h, n
            for (size_t f = 8; f < 14; ++f)                           // the rates: from 0 (no
                a[f][j] = j % 7 == 3 ? 0.0 : std::pow(10.0, 5 * u(z)); // decay) to 1e5 / s
            if (j % 11 == 5)
                a[8][j] = 1e7;                                        // far beyond the clamp
            a[14][j] = 1e-10 * (u(z) - 0.3);                          // vor
            a[15][j] = 1e-12 * u(z), a[16][j] = 1e-9 * u(z), a[17][j] = -1e-9 * u(z);
            a[18][j] = 0.05, a[19][j] = 1e-6 * u(z), a[20][j] = -0.077, a[21][j] = 4e-7 * u(z);
            a[22][j] = 1.0 / (1e-10 * (1.0 + u(z)));                  // kehrC
            a[23][j] = j % 5 == 2 ? 0.0 : 1e-8 * u(z);                // L
            a[24][j] = static_cast<double>(j % 5);                    // every power
            a[25][j] = static_cast<double>((j + 2) % 5);
            a[26][j] = static_cast<double>((j + 4) % 5);
            a[27][j] = j % 4 == 1 ? nan : V + 1e-4 * (u(z) - 0.5);   // thresholds about V
            a[28][j] = V + 0.002, a[29][j] = 1e-9 * u(z);            // segment, coupling
        }
    }
    kern::HhLanes lanes(bool dendriten)
    {
        const auto p = [&](size_t k) { return a[k].data(); };
        return {p(0),  p(1),  p(2),  p(3),  p(4),  p(5),  p(6),  p(7),  p(8),  p(9),
                p(10), p(11), p(12), p(13), p(14), p(15), p(16), p(17), p(18), p(19),
                p(20), p(21), p(22), p(23), p(24), p(25), p(26), p(27),
                dendriten ? p(28) : nullptr, dendriten ? p(29) : nullptr};
    }
};

bool gleicheBits(double x, double y) { return std::memcmp(&x, &y, sizeof x) == 0; }

TEST(KernFelder, LetzteVierLanesNebenDenAchtDavorWieImLaufGanzerVektoren)
{
    // 12 and 20 lanes end in a vector of four; 16 and 24 are whole vectors of eight. Every
    // method, with and without segments, over steps in which some lanes cross their threshold
    for (int methode : {integration::Euler, integration::CrankNicolson, integration::RungeKutta4,
                        integration::ExponentiellerEuler})
        for (bool dendriten : {false, true})
            for (size_t n : {12u, 20u}) {
                HhFeld kurz(n), lang(n + 4);
                for (size_t j = n; j < n + 4; ++j)   // (the longer run's last four cross nothing)
                    lang.a[27][j] = std::numeric_limits<double>::quiet_NaN();
                int spikesKurz = 0, spikesLang = 0;
                for (int schritt = 0; schritt < 40; ++schritt) {
                    spikesKurz += kern::hhSchritt(methode, n, 1e-4, kurz.lanes(dendriten));
                    spikesLang += kern::hhSchritt(methode, n + 4, 1e-4, lang.lanes(dendriten));
                    for (size_t k = 0; k < 8; ++k)   // V, m, h, n, v0, iNa, iK, ein
                        for (size_t j = 0; j < n; ++j)
                            ASSERT_TRUE(gleicheBits(kurz.a[k][j], lang.a[k][j]))
                                << "method " << methode << (dendriten ? " segments" : "") << " n " << n
                                << " step " << schritt << " array " << k << " lane " << j << ": "
                                << kurz.a[k][j] << " against " << lang.a[k][j];
                }
                EXPECT_EQ(spikesKurz, spikesLang) << methode << " " << n;
                if (methode == integration::ExponentiellerEuler && !dendriten) {
                    EXPECT_GT(spikesKurz, 0);   // the count is covered
                }
            }
}

TEST(KernFelder, VoltagesVervielfachtFuerEinenLaufVonSlots)
{
    // four to 28 lanes, once to seven times: an odd number of copies of 8 k + 4 lanes ends in
    // four lanes
    for (size_t n = 4; n <= 28; n += 4)
        for (size_t mal = 1; mal <= 7; ++mal) {
            std::vector<double> V(n), ziel(n * mal + 8, -1.0);
            for (size_t i = 0; i < n; ++i)
                V[i] = 0.5 + static_cast<double>(i);
            kern::vervielfachen(V.data(), n, mal, ziel.data());
            for (size_t j = 0; j < n * mal; ++j)
                ASSERT_EQ(ziel[j], V[j % n]) << n << " lanes, " << mal << " times, at " << j;
            for (size_t j = n * mal; j < ziel.size(); ++j)
                ASSERT_EQ(ziel[j], -1.0) << n << " lanes, " << mal << " times: written at " << j;
        }
}

} // namespace
