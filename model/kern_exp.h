// model/kern_exp.h - an exponential of our own for the run kernels
//
// The library's exp is a call that no loop can vectorise; it took about 40 % of a
// Hodgkin-Huxley step. expEigen is inline and branch-free, so the compiler can compute
// several arguments at once (the kernels' loops over lanes, model/kern_felder.cpp).
//
// Error bound: for results in the normal range (-708.39 <= x <= 709.78) the relative error
// against the library's exp is below 4e-16, two units in the last place (reduction to
// r = x - n ln2 with |r| <= 0.347 in two parts, a degree-13 Taylor polynomial whose
// remainder is below 5e-18, a few roundings; the largest difference over the whole range
// is 2.2e-16). Smaller results come out as denormals within one unit of the last place, or
// 0; larger ones as infinity; NaN gives NaN. tests/model/test_kern_exp.cpp checks this.
#pragma once
#include <bit>
#include <cmath>
#include <cstdint>

// The operations expEigen does differently on one value and on a vector of them: a vector
// type (model/kern_felder.cpp) brings its own, found beside it.
namespace kernExp {
[[gnu::always_inline]] inline double wahl(bool c, double a, double b) { return c ? a : b; }
[[gnu::always_inline]] inline uint64_t bits(double x) { return std::bit_cast<uint64_t>(x); }
[[gnu::always_inline]] inline double zahl(uint64_t u) { return std::bit_cast<double>(u); }
[[gnu::always_inline]] inline double betrag(double x) { return std::fabs(x); }
// c ? a() : b(): of one value only the one taken is computed (a vector computes both)
template <class A, class B>
[[gnu::always_inline]] inline double wahlJe(bool c, A&& a, B&& b)
{
    return c ? a() : b();
}
} // namespace kernExp

// Internal linkage and always inlined: every file gets its own copy, compiled with that
// file's options (kern_exp.cpp vectorises it), never one shared out-of-line copy. D is a
// double or a vector of them, lane by lane the same operations.
template <class D>
[[gnu::always_inline]] static inline D expEigenT(const D& x)
{
    using namespace kernExp;
    constexpr double log2e = 1.4426950408889634;
    // ln 2 in two parts: the high part has enough trailing zero bits that n * ln2hoch is exact
    constexpr double ln2hoch = 6.93147180369123816490e-01;
    constexpr double ln2tief = 1.90821492927058770002e-10;
    constexpr double runden = 0x1.8p52;   // adding it rounds to a whole number in the low bits
    D xc = wahl(x < -746.0, D(-746.0), x);   // NaN passes both tests unchanged
    xc = wahl(xc > 710.0, D(710.0), xc);
    const D kv = xc * log2e + runden;
    const D k = kv - runden;
    const D r = (xc - k * ln2hoch) - k * ln2tief;
    // The Taylor polynomial by pairs (Estrin), a short chain of dependent operations, so that
    // a single call does not wait for thirteen multiply-adds in a row:
    // 1 + r + r^2 (a + r^4 (b + r^4 c)), a, b, c the coefficients 2-5, 6-9 and 10-13; the 1
    // comes last, so only its addition rounds near 1.
    const D r2 = r * r, r4 = r2 * r2;
    const D a = (1.0 / 2 + r * (1.0 / 6)) + r2 * (1.0 / 24 + r * (1.0 / 120));
    const D b = (1.0 / 720 + r * (1.0 / 5040)) + r2 * (1.0 / 40320 + r * (1.0 / 362880));
    const D c = (1.0 / 3628800 + r * (1.0 / 39916800)) + r2 * (1.0 / 479001600 + r * (1.0 / 6227020800));
    const D p = 1.0 + (r + r2 * (a + r4 * (b + r4 * c)));
    // 2^n in two factors, each a normal number, so results down to the denormals round once;
    // u = n + 2048 keeps the shifts on unsigned numbers
    const auto u = bits(kv) - std::bit_cast<uint64_t>(runden) + 2048;
    const auto u1 = u >> 1;
    const D s1 = zahl((u1 - 1) << 52);
    const D s2 = zahl((u - u1 - 1) << 52);
    return p * s1 * s2;
}
[[gnu::always_inline]] static inline double expEigen(double x) { return expEigenT(x); }

// ---- one value at a time -------------------------------------------------------------------
// A single neuron's step waits for its exponentials one after the other (the rate forms, the
// gates moved on by them, the soma moved on by the gates), so there the exponential's latency
// counts, not its throughput. expEinzeln takes 2^(j/2048) from a table, so a polynomial of
// degree 3 is enough, and adds its terms so that they wait for little: s + s r first, the
// smaller terms beside it. The caller may pass x * expSkala computed from x's own factors,
// so that the reduction need not wait for the product x itself. Being inline it keeps the
// step's values in registers, where a call of the library's exp has to save them all. (A
// step reads a few entries of the table, the same from step to step while the potentials
// change little.)
//
// Error bound: for |x| < 700 the relative error against the library's exp is below 4.5e-16,
// two units in the last place (the table's entries are rounded once from long double;
// |r| <= ln2/4096 after a reduction in two parts, which leaves a remainder of the polynomial
// below 4e-17; three roundings); all other arguments, NaN included, go to the library's exp.
// tests/model/test_kern_exp_einzeln.cpp checks this.
namespace kernExp {
constexpr int tabellenBits = 11;
struct Tabelle {
    double zweiHoch[1 << tabellenBits];   // 2^(j/2048)
    Tabelle();
};
extern const Tabelle tabelle;
// ln 2 / 2048 in two parts: the high part's 21 trailing zero bits keep k * lnHoch exact for
// |k| < 2^21 (|x| < 700 gives |k| < 2068248)
constexpr double lnHoch = 0x1.62e42ff000000p-12;
constexpr double lnTief = -0x1.718432a1b0e26p-46;
constexpr double runden = 0x1.8p52;   // adding it rounds to a whole number in the low bits
constexpr uint64_t tabellenMaske = (uint64_t{1} << tabellenBits) - 1;
} // namespace kernExp

constexpr double expSkala = 2048.0 * 1.4426950408889634;   // 2048 / ln 2

// xs is x * expSkala up to a few roundings
[[gnu::always_inline]] static inline double expEinzeln(double x, double xs)
{
    using namespace kernExp;
    if (!(std::fabs(xs) < 700.0 * expSkala)) [[unlikely]]
        return std::exp(x);
    const double kv = xs + runden;
    const double k = kv - runden;
    const double r = (x - k * lnHoch) - k * lnTief;
    // the low bits of kv hold k: its last eleven pick 2^(j/2048), the rest add to the exponent
    const uint64_t ki = std::bit_cast<uint64_t>(kv);
    const double t = tabelle.zweiHoch[ki & tabellenMaske];
    const double s = std::bit_cast<double>(std::bit_cast<uint64_t>(t) + ((ki >> tabellenBits) << 52));
    // s e^r = s + s r + s r^2 (1/2 + r/6)
    const double sr = s * r;
    const double q = 0.5 + r * (1.0 / 6);
    return (s + sr) + (sr * r) * q;
}
[[gnu::always_inline]] static inline double expEinzeln(double x) { return expEinzeln(x, x * expSkala); }
