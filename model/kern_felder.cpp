// model/kern_felder.cpp - the run kernels' loops over lanes
//
// Three copies of each loop: the baseline for every x86-64 machine, one for AVX2 and one for
// AVX-512 (eight lanes a vector); the first call picks the widest the processor has. None
// uses fused multiply-adds (the engine is built with -ffp-contract=off, and the AVX-512
// instruction set has them), so all give the same bits.
#include "model/kern_felder.h"
#include "model/kern_gemeinsam.h"
#include <cstdint>

#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__)
#define VELNOR_KOPIEN 1
#define KOPIE_AVX2 __attribute__((target("avx2")))
#define KOPIE_AVX512 __attribute__((target("avx512f,avx512dq,avx512vl,prefer-vector-width=512")))
#else
#define VELNOR_KOPIEN 0
#define KOPIE_AVX2
#define KOPIE_AVX512
#endif

namespace kern {
namespace {

// ---- twelve lanes side by side -----------------------------------------------------------
// A vector of eight lanes and one of four, every operation on the one and then on the other.
// A vector's step is a long chain of dependent operations (each gate through an exponential
// and a division, then the soma through another); twelve lanes as a loop's vector of eight
// and its last vector of four run the two chains one after the other, side by side they
// overlap. The operations are those of one double on each lane, so the bits are the same.
typedef double D8 __attribute__((vector_size(64)));
typedef double D4 __attribute__((vector_size(32)));
typedef uint64_t B8 __attribute__((vector_size(64)));
typedef uint64_t B4 __attribute__((vector_size(32)));
typedef int64_t W8 __attribute__((vector_size(64)));   // a comparison: all bits or none
typedef int64_t W4 __attribute__((vector_size(32)));

struct Zw {
    D8 acht;
    D4 vier;
    Zw() = default;
    Zw(const D8& a, const D4& v) : acht(a), vier(v) {}
    Zw(double c) : acht{c, c, c, c, c, c, c, c}, vier{c, c, c, c} {}
};
struct ZwBits {
    B8 acht;
    B4 vier;
};
struct ZwWahr {
    W8 acht;
    W4 vier;
};
#define ZW_ART(T, op, U)                                                                                          \
    [[gnu::always_inline]] inline T operator op(const T& x, const U& y) { return {x.acht op y.acht, x.vier op y.vier}; }
ZW_ART(Zw, +, Zw)
ZW_ART(Zw, -, Zw)
ZW_ART(Zw, *, Zw)
ZW_ART(Zw, /, Zw)
ZW_ART(ZwBits, -, ZwBits)
#undef ZW_ART
#define ZW_VERGLEICH(op)                                                                                          \
    [[gnu::always_inline]] inline ZwWahr operator op(const Zw& x, const Zw& y) { return {x.acht op y.acht, x.vier op y.vier}; }
ZW_VERGLEICH(<)
ZW_VERGLEICH(>)
ZW_VERGLEICH(==)
#undef ZW_VERGLEICH
[[gnu::always_inline]] inline Zw operator-(const Zw& x) { return {-x.acht, -x.vier}; }
[[gnu::always_inline]] inline ZwBits operator+(const ZwBits& x, uint64_t y) { return {x.acht + y, x.vier + y}; }
[[gnu::always_inline]] inline ZwBits operator-(const ZwBits& x, uint64_t y) { return {x.acht - y, x.vier - y}; }
[[gnu::always_inline]] inline ZwBits operator&(const ZwBits& x, uint64_t y) { return {x.acht & y, x.vier & y}; }
[[gnu::always_inline]] inline ZwBits operator>>(const ZwBits& x, int y) { return {x.acht >> y, x.vier >> y}; }
[[gnu::always_inline]] inline ZwBits operator<<(const ZwBits& x, int y) { return {x.acht << y, x.vier << y}; }
// what expEigenT and schrittLanes ask of their value type
[[gnu::always_inline]] inline Zw wahl(const ZwWahr& c, const Zw& x, const Zw& y)
{
    return {c.acht ? x.acht : y.acht, c.vier ? x.vier : y.vier};
}
template <class A, class B>
[[gnu::always_inline]] inline Zw wahlJe(const ZwWahr& c, A&& a, B&& b)
{
    return wahl(c, a(), b());
}
[[gnu::always_inline]] inline ZwBits bits(const Zw& x) { return {(B8)x.acht, (B4)x.vier}; }
[[gnu::always_inline]] inline Zw zahl(const ZwBits& u) { return {(D8)u.acht, (D4)u.vier}; }
[[gnu::always_inline]] inline Zw betrag(const Zw& x) { return zahl(bits(x) & ~(uint64_t{1} << 63)); }
// the lanes lane by lane or twelve at a time
template <class D>
[[gnu::always_inline]] inline D lade(const double* p, size_t i);
template <>
[[gnu::always_inline]] inline double lade<double>(const double* p, size_t i)
{
    return p[i];
}
template <>
[[gnu::always_inline]] inline Zw lade<Zw>(const double* p, size_t i)
{
    Zw z;
    __builtin_memcpy(&z.acht, p + i, sizeof z.acht);
    __builtin_memcpy(&z.vier, p + i + 8, sizeof z.vier);
    return z;
}
[[gnu::always_inline]] inline void lege(double* p, size_t i, double x) { p[i] = x; }
[[gnu::always_inline]] inline void lege(double* p, size_t i, const Zw& x)
{
    __builtin_memcpy(p + i, &x.acht, sizeof x.acht);
    __builtin_memcpy(p + i + 8, &x.vier, sizeof x.vier);
}
// the lanes where a potential v0 below its threshold s went to v above it
[[gnu::always_inline]] inline int64_t kreuzt(double v0, double v, double s) { return v0 < s && v > s; }
[[gnu::always_inline]] inline int64_t kreuzt(const Zw& v0, const Zw& v, const Zw& s)
{
    // v where v0 < s, else s; then ones where that lies above s, added as vectors (two
    // comparisons joined, or a sum lane by lane, the compiler takes apart into scalar ones)
    const Zw w = wahl(v0 < s, v, s);
    const D8 eins8 = {1, 1, 1, 1, 1, 1, 1, 1}, null8 = {};
    const D4 eins4 = {1, 1, 1, 1}, null4 = {};
    const D8 c8 = w.acht > s.acht ? eins8 : null8;
    const D4 c4 = w.vier > s.vier ? eins4 : null4;
    const D4 q = __builtin_shufflevector(c8, c8, 0, 1, 2, 3) + __builtin_shufflevector(c8, c8, 4, 5, 6, 7) + c4;
    return static_cast<int64_t>((q[0] + q[1]) + (q[2] + q[3]));
}

[[gnu::always_inline]] inline int formenRechnenT(const uint32_t* slots, size_t anzahl, size_t n, size_t abstand,
                                                  size_t feldAbstand, const double* __restrict V,
                                                  const double* __restrict feld, double* __restrict wert)
{
    // (the arrays are distinct: saying so spares the compiler its overlap checks)
    // (counts as whole numbers of the doubles' width: a sum of doubles would have to keep its
    // order and could not be split over the lanes)
    int64_t nullNenner = 0;
    for (size_t s = 0; s < anzahl; ++s) {
        const size_t g = slots[s];
        const double* __restrict H = feld + 0 * feldAbstand + g * abstand;
        const double* __restrict k = feld + 1 * feldAbstand + g * abstand;
        const double* __restrict c = feld + 2 * feldAbstand + g * abstand;
        const double* __restrict D = feld + 3 * feldAbstand + g * abstand;
        const double* __restrict art = feld + 4 * feldAbstand + g * abstand;
        double* __restrict w = wert + g * abstand;
        for (size_t i = 0; i < n; ++i) {
            const double dx = V[i] - H[i];
            const double e = expEigen(dx * k[i]);
            const double z = art[i] == formArt::LinearMinus ? c[i] * dx : c[i];
            const double nenner = D[i] + (art[i] >= formArt::QuotientMinus ? -e : e);
            const double quotient = z / nenner, produkt = z * nenner;
            w[i] = art[i] == formArt::Produkt ? produkt : quotient;
            nullNenner += art[i] != formArt::Produkt && nenner == 0.0;
        }
    }
    return static_cast<int>(nullNenner);
}

template <int M, bool dendriten>
[[gnu::always_inline]] inline int hhSchrittT(size_t n, double T, const HhLanes& l, bool zwoelf = false)
{
    double* __restrict V = l.V;
    double* __restrict m = l.m;
    double* __restrict h = l.h;
    double* __restrict nn = l.n;
    double* __restrict v0 = l.v0;
    double* __restrict iNa = l.iNa;
    double* __restrict iK = l.iK;
    double* __restrict ein = l.ein;
    const double* __restrict am = l.am;
    const double* __restrict bm = l.bm;
    const double* __restrict ah = l.ah;
    const double* __restrict bh = l.bh;
    const double* __restrict an = l.an;
    const double* __restrict bn = l.bn;
    const double* __restrict vor = l.vor;
    const double* __restrict leck = l.leck;
    const double* __restrict gEna = l.gEna;
    const double* __restrict gEk = l.gEk;
    const double* __restrict naE = l.naE;
    const double* __restrict naG = l.naG;
    const double* __restrict kE = l.kE;
    const double* __restrict kG = l.kG;
    const double* __restrict kehrC = l.kehrC;
    const double* __restrict L = l.L;
    const double* __restrict pm = l.pm;
    const double* __restrict ph = l.ph;
    const double* __restrict pn = l.pn;
    const double* __restrict schwelle = l.schwelle;
    const double* __restrict V1 = l.V1;
    const double* __restrict kopplung = l.kopplung;
    // lane i (D a double) or the twelve from i (D twelve side by side); the crossings
    const auto lane = [&]<class D>(size_t i) __attribute__((always_inline)) {
        const auto x = [i](const double* p) __attribute__((always_inline)) { return lade<D>(p, i); };
        const D V0 = x(V);
        // the gates: a = alpha, b = alpha + beta
        const D m1 = schrittLanes<M>(x(m), x(am), x(am) + x(bm), T);
        const D h1 = schrittLanes<M>(x(h), x(ah), x(ah) + x(bh), T);
        const D n1 = schrittLanes<M>(x(nn), x(an), x(an) + x(bn), T);
        const D gNa = hochAuswahl(m1, x(pm)) * hochAuswahl(h1, x(ph));
        const D gK = hochAuswahl(n1, x(pn));
        // the currents from the potential of the step's start
        lege(iNa, i, (x(naE) - V0) * gNa * x(naG));
        lege(iK, i, (x(kE) - V0) * gK * x(kG));
        D e = x(vor) + x(leck) + x(gEna) * gNa + x(gEk) * gK;
        if constexpr (dendriten)
            e = e + x(V1) * x(kopplung);
        const D kanalLeitwert = x(naG) * gNa + x(kG) * gK;
        const D b = (kanalLeitwert + x(L)) * x(kehrC);
        const D a = e * x(kehrC);
        const D V2 = schrittLanes<M>(V0, a, b, T);
        lege(m, i, m1);
        lege(h, i, h1);
        lege(nn, i, n1);
        lege(ein, i, e);
        lege(v0, i, V0);
        lege(V, i, V2);
        return kreuzt(V0, V2, x(schwelle));
    };
    int64_t spikes = 0;
    size_t bis = n;
    if (zwoelf) {
        // the last twelve side by side, the lanes before them (a multiple of eight) in the loop
        bis = n - 12;
        spikes = lane.template operator()<Zw>(bis);
    }
    // (the lanes are distinct arrays: restrict on copies of the struct's pointers does not
    // tell the compiler so)
#pragma GCC ivdep
    for (size_t i = 0; i < bis; ++i)
        spikes += lane.template operator()<double>(i);
    return static_cast<int>(spikes);
}


template <int M, bool dendriten>
[[gnu::always_inline]] inline int swimSchrittT(size_t n, double T, const SwimLanes& l)
{
    double* __restrict V = l.V;
    double* __restrict m = l.m;
    double* __restrict h = l.h;
    double* __restrict nn = l.n;
    double* __restrict c = l.c;
    double* __restrict v0 = l.v0;
    double* __restrict iNa = l.iNa;
    double* __restrict iK = l.iK;
    double* __restrict iCa = l.iCa;
    double* __restrict ionen = l.ionen;
    double* __restrict ein = l.ein;
    int64_t spikes = 0;
#pragma GCC ivdep
    for (size_t i = 0; i < n; ++i) {
        const double V0 = V[i];
        const double m1 = schritt<M>(m[i], l.am[i], l.am[i] + l.bm[i], T);
        const double h1 = schritt<M>(h[i], l.ah[i], l.ah[i] + l.bh[i], T);
        const double n1 = schritt<M>(nn[i], l.an[i], l.an[i] + l.bn[i], T);
        const double c1 = schritt<M>(c[i], l.ac[i], l.ac[i] + l.bc[i], T);
        // the open fractions; a channel switched off is not open
        const double gNa = waehle(l.naAn[i] != 0.0, hochAuswahl(m1, l.pm[i]) * hochAuswahl(h1, l.ph[i]), 0.0);
        const double gK = waehle(l.kAn[i] != 0.0, hochAuswahl(n1, l.pn[i]), 0.0);
        const double gCa = waehle(l.caAn[i] != 0.0, hochAuswahl(c1, l.pc[i]), 0.0);
        // the channel currents; a channel switched off carries none
        const double INa = waehle(l.naAn[i] != 0.0, (l.naE[i] - V0) * gNa * l.naG[i], 0.0);
        const double IK = waehle(l.kAn[i] != 0.0, (l.kE[i] - V0) * gK * l.kG[i], 0.0);
        const double ICa = waehle(l.caAn[i] != 0.0, (l.caE[i] - V0) * gCa * l.caG[i], 0.0);
        double e = l.vor[i] + l.leck[i] + l.gENa[i] * gNa + l.gEK[i] * gK + l.gECa[i] * gCa;
        if constexpr (dendriten)
            e += l.V1[i] * l.kopplung[i];
        const double kanalLeitwert = l.naG[i] * gNa + l.kG[i] * gK + l.caG[i] * gCa;
        const double b = (kanalLeitwert + l.L[i]) / l.C[i];
        const double a = e / l.C[i];
        const double V2 = schritt<M>(V0, a, b, T);
        spikes += V0 < l.schwelle[i] && V2 > l.schwelle[i];
        m[i] = m1;
        h[i] = h1;
        nn[i] = n1;
        c[i] = c1;
        iNa[i] = INa;
        iK[i] = IK;
        iCa[i] = ICa;
        ionen[i] = INa + IK + ICa;
        ein[i] = e;
        v0[i] = V0;
        V[i] = V2;
    }
    return static_cast<int>(spikes);
}


template <int M, bool dendriten>
[[gnu::always_inline]] inline int gbSchrittT(size_t n, double T, const GbLanes& l)
{
    int64_t spikes = 0;
    const size_t A = l.abstand;
#pragma GCC ivdep
    for (size_t i = 0; i < n; ++i) {
        const double V0 = l.V[i];
        const auto f = [&](size_t lane) __attribute__((always_inline)) { return l.f[lane * A + i]; };
        double x[14];
        // by rates: a = alpha, b = alpha + beta
        x[0] = schritt<M>(l.x[0][i], f(0), f(0) + f(1), T);
        x[1] = schritt<M>(l.x[1][i], f(2), f(2) + f(3), T);
        // by steady state f1 and time constant f2
        x[2] = schritt<M>(l.x[2][i], f(4) / f(5), 1.0 / f(5), T);
        // dx/dt = f2 (f1 - x)
        const auto ruheUndRate = [&](size_t j, size_t lane) __attribute__((always_inline)) {
            return schritt<M>(l.x[j][i], f(lane + 1) * f(lane), f(lane + 1), T);
        };
        x[6] = ruheUndRate(6, 6);
        x[8] = ruheUndRate(8, 8);
        x[9] = ruheUndRate(9, 10);
        x[3] = ruheUndRate(3, 12);
        x[4] = ruheUndRate(4, 14);
        x[5] = ruheUndRate(5, 16);
        const double ca = l.ca[i];
        x[10] = schritt<M>(l.x[10][i], l.k6[i] * f(18) * f(19) * ca / (l.kd6[i] + ca), l.k6[i], T);
        x[11] = ruheUndRate(11, 20);
        x[12] = ruheUndRate(12, 22);
        x[13] = ruheUndRate(13, 24);
        const auto pot = [&](size_t j) __attribute__((always_inline)) { return hochAuswahl(x[j], l.p[j][i]); };
        const double caPot = l.caPot[i];
        const double G1 = pot(0) * pot(1);
        const double G2 = pot(2);
        const double G4 = pot(6) * pot(8);
        const double G5 = pot(9);
        const double misch = f(26);
        const double G3 = pot(3) * (pot(4) * misch + (1.0 - misch) * pot(5));
        const double G6 = pot(10) * pot(11);
        const double G7 = pot(12);
        const double G8 = pot(13);
        l.I[0][i] = (l.e1[i] - V0) * G1 * l.g1[i];
        l.I[1][i] = (l.e2[i] - V0) * G2 * l.g2[i];
        l.I[4][i] = (caPot - V0) * G4 * l.g4[i];
        l.I[5][i] = (caPot - V0) * G5 * l.g5[i];
        l.I[3][i] = (l.e3[i] - V0) * G3 * l.g3[i];
        l.I[6][i] = (l.e6[i] - V0) * G6 * l.g6[i];
        l.I[7][i] = (l.e7[i] - V0) * G7 * l.g7[i];
        l.I[8][i] = (l.e8[i] - V0) * G8 * l.g8[i];
        double e = l.vor[i] + l.leck[i] + l.gE[0][i] * G1 + l.gE[1][i] * G2 + caPot * l.g4[i] * G4
                   + caPot * l.g5[i] * G5 + l.gE[2][i] * G3 + l.gE[3][i] * G6 + l.gE[4][i] * G7 + l.gE[5][i] * G8;
        if constexpr (dendriten)
            e += l.V1[i] * l.kopplung[i];
        const double b = (l.g1[i] * G1 + l.L[i] + l.g2[i] * G2 + l.g4[i] * G4 + l.g5[i] * G5 + l.g3[i] * G3
                          + l.g6[i] * G6 + l.g7[i] * G7 + l.g8[i] * G8)
                         / l.C[i];
        const double V2 = schritt<M>(V0, e / l.C[i], b, T);
        spikes += V0 < l.schwelle[i] && V2 > l.schwelle[i];
        for (size_t j = 0; j < 14; ++j)
            if (j != 7)
                l.x[j][i] = x[j];
        l.ein[i] = e;
        l.v0[i] = V0;
        l.V[i] = V2;
    }
    return static_cast<int>(spikes);
}

template <int M>
[[gnu::always_inline]] inline void gbCaSchrittT(size_t n, double T, double* __restrict ca,
                                                const double* __restrict abbau, const double* __restrict zufluss,
                                                const double* __restrict I4, const double* __restrict I5,
                                                const double* __restrict faktor)
{
    for (size_t i = 0; i < n; ++i)
        ca[i] = schritt<M>(ca[i], zufluss[i] + (I4[i] + I5[i]) * faktor[i], abbau[i], T);
}

template <int M>
[[gnu::always_inline]] inline void segmentSchrittT(size_t np, double T, const SegmentLanes& l)
{
    // the same operations in the same order as segmentKoeffizienten and schritt on one neuron
    for (size_t c = 1; c < l.K; ++c) {
        const size_t o = c * np;
        double* __restrict pot = l.pot + o;
        double* __restrict syn = l.synSumme;
        double* __restrict ein = l.ein;
        const double* __restrict vorher = l.alt + o - np;
        const double* __restrict nachher = l.alt + o + np;
        const double* __restrict sc = l.sc + o;
        const double* __restrict reiz = l.reiz + o;
        const double* __restrict b = l.b + o;
        const double* __restrict em = l.em + o;
        const double* __restrict zwei = l.zwei + o;
        const double* __restrict maske = l.maske + o;
        const double* __restrict altNr = l.altNr;
        const double* __restrict altAb = l.altAb;
        const double* __restrict altBis = l.altBis;
        const double* __restrict altStrom = l.altStrom;
        const double* __restrict leck = l.leck;
        const double* __restrict kopplung = l.dendKopplung;
        const double* __restrict C = l.C;
        const double nr = static_cast<double>(c), t = l.t;
        // (the struct's pointers copied: stores through the lanes could otherwise change them)
#pragma GCC ivdep
        for (size_t i = 0; i < np; ++i) {
            const bool an = maske[i] != 0.0;
            const double nachbarn = waehle(zwei[i] != 0.0, vorher[i] + nachher[i], vorher[i]);
            const bool imFenster = (altNr[i] == nr) & (altAb[i] <= t) & (t < altBis[i]);
            const double alt = waehle(imFenster, altStrom[i], 0.0);
            const double ic = alt + reiz[i] + leck[i] + nachbarn * kopplung[i] + sc[i];
            const double a = ic / C[i];
            double neu;
            if constexpr (M == integration::ExponentiellerEuler)
                neu = schrittMitEm(pot[i], a, b[i], T, em[i]);
            else
                neu = schritt<M>(pot[i], a, b[i], T);
            syn[i] = waehle(an, syn[i] + sc[i], syn[i]);
            ein[i] = waehle(an, ein[i] + ic, ein[i]);
            pot[i] = waehle(an, neu, pot[i]);
        }
    }
}


struct Endlich_ {
    [[gnu::always_inline]] static int lauf(const double* V, size_t n)
    {
        int64_t nicht = 0;
        for (size_t i = 0; i < n; ++i)
            nicht += !(std::fabs(V[i]) <= 1.7976931348623157e308);   // (NaN too)
        return nicht == 0;
    }
};

// the loops as classes, for the copies
struct Formen_ {
    [[gnu::always_inline]] static int lauf(const uint32_t* s, size_t a, size_t n, size_t ab, size_t fa,
                                           const double* V, const double* f, double* w)
    {
        return formenRechnenT(s, a, n, ab, fa, V, f, w);
    }
};
struct Vielfach_ {
    // (lane by lane: in these copies the loop's stores have the width of the forms' loads)
    [[gnu::always_inline]] static int lauf(const double* __restrict V, size_t n, size_t mal, double* __restrict ziel)
    {
        for (size_t s = 0; s < mal; ++s)
            for (size_t i = 0; i < n; ++i)
                ziel[s * n + i] = V[i];
        return 0;
    }
    // Vectors of eight stored where the forms' loop loads them, so that each load takes its
    // vector from one store still in flight; for n = 8 k + 4 one in two copies of V begins
    // inside a vector, whose halves then come from V's end and its start.
    [[gnu::always_inline]] static int lauf512(const double* __restrict V, size_t n, size_t mal,
                                              double* __restrict ziel)
    {
        const size_t alle = n * mal;
        size_t j = 0, o = 0;
        for (; j + 8 <= alle; j += 8) {
            D8 x;
            if (o + 8 <= n) {
                __builtin_memcpy(&x, V + o, sizeof x);
            } else {
                D4 ende, anfang;
                __builtin_memcpy(&ende, V + o, sizeof ende);
                __builtin_memcpy(&anfang, V, sizeof anfang);
                x = __builtin_shufflevector(ende, anfang, 0, 1, 2, 3, 4, 5, 6, 7);
            }
            __builtin_memcpy(ziel + j, &x, sizeof x);
            for (o += 8; o >= n; o -= n) {
            }
        }
        if (j < alle)
            __builtin_memcpy(ziel + j, V + o, 4 * sizeof(double));
        return 0;
    }
};
template <int M, bool d>
struct Hh_ {
    [[gnu::always_inline]] static int lauf(size_t n, double T, const HhLanes* l) { return hhSchrittT<M, d>(n, T, *l); }
    // vectors of eight: a last vector of four beside the one of eight before it
    [[gnu::always_inline]] static int lauf512(size_t n, double T, const HhLanes* l)
    {
        return hhSchrittT<M, d>(n, T, *l, n % 8 == 4 && n >= 12);
    }
};
template <int M, bool d>
struct Swim_ {
    [[gnu::always_inline]] static int lauf(size_t n, double T, const SwimLanes* l)
    {
        return swimSchrittT<M, d>(n, T, *l);
    }
};
template <int M, bool d>
struct Gb_ {
    [[gnu::always_inline]] static int lauf(size_t n, double T, const GbLanes* l) { return gbSchrittT<M, d>(n, T, *l); }
};
template <int M>
struct Segmente_ {
    [[gnu::always_inline]] static int lauf(size_t np, double T, const SegmentLanes* l)
    {
        segmentSchrittT<M>(np, T, *l);
        return 0;
    }
};
template <int M>
struct Ca_ {
    [[gnu::always_inline]] static int lauf(size_t n, double T, double* ca, const double* abbau, const double* zufluss,
                                           const double* I4, const double* I5, const double* faktor)
    {
        gbCaSchrittT<M>(n, T, ca, abbau, zufluss, I4, I5, faktor);
        return 0;
    }
};

enum class Breite { Basis, Avx2, Avx512 };
Breite breite()
{
#if VELNOR_KOPIEN
    static const Breite b = __builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512dq")
                                    && __builtin_cpu_supports("avx512vl")
                                ? Breite::Avx512
                            : __builtin_cpu_supports("avx2") ? Breite::Avx2
                                                             : Breite::Basis;
    return b;
#else
    return Breite::Basis;
#endif
}

template <class K, class... A>
int kopie0(A... a)
{
    return K::lauf(a...);
}
template <class K, class... A>
KOPIE_AVX2 int kopie2(A... a)
{
    return K::lauf(a...);
}
template <class K, class... A>
KOPIE_AVX512 int kopie512(A... a)
{
    if constexpr (requires { K::lauf512(a...); })
        return K::lauf512(a...);
    else
        return K::lauf(a...);
}
template <class K, class... A>
int gewaehlt(A... a)
{
    switch (breite()) {
    case Breite::Avx512: return kopie512<K>(a...);
    case Breite::Avx2: return kopie2<K>(a...);
    default: return kopie0<K>(a...);
    }
}

// the copy for the run's method and the network's kind (with or without dendrites)
template <template <int, bool> class K, class... A>
int nachMethode(int methode, bool d, A... a)
{
    using namespace integration;
    switch (methode) {
    case Euler: return d ? gewaehlt<K<Euler, true>>(a...) : gewaehlt<K<Euler, false>>(a...);
    case CrankNicolson: return d ? gewaehlt<K<CrankNicolson, true>>(a...) : gewaehlt<K<CrankNicolson, false>>(a...);
    case RungeKutta4: return d ? gewaehlt<K<RungeKutta4, true>>(a...) : gewaehlt<K<RungeKutta4, false>>(a...);
    default:
        return d ? gewaehlt<K<ExponentiellerEuler, true>>(a...) : gewaehlt<K<ExponentiellerEuler, false>>(a...);
    }
}

} // namespace

int formenRechnen(const uint32_t* slots, size_t anzahl, size_t n, size_t abstand, size_t feldAbstand, const double* V,
                  const double* feld, double* wert)
{
    return gewaehlt<Formen_>(slots, anzahl, n, abstand, feldAbstand, V, feld, wert);
}

void vervielfachen(const double* V, size_t n, size_t mal, double* ziel) { gewaehlt<Vielfach_>(V, n, mal, ziel); }

bool alleEndlich(const double* V, size_t n) { return gewaehlt<Endlich_>(V, n) != 0; }

int hhSchritt(int methode, size_t n, double T, const HhLanes& l)
{
    return nachMethode<Hh_>(methode, l.V1 != nullptr, n, T, &l);
}

int swimSchritt(int methode, size_t n, double T, const SwimLanes& l)
{
    return nachMethode<Swim_>(methode, l.V1 != nullptr, n, T, &l);
}

int gbSchritt(int methode, size_t n, double T, const GbLanes& l)
{
    return nachMethode<Gb_>(methode, l.V1 != nullptr, n, T, &l);
}

void gbCaSchritt(int methode, size_t n, double T, double* ca, const double* abbau, const double* zufluss,
                 const double* I4, const double* I5, const double* faktor)
{
    using namespace integration;
    switch (methode) {
    case Euler: gewaehlt<Ca_<Euler>>(n, T, ca, abbau, zufluss, I4, I5, faktor); break;
    case CrankNicolson: gewaehlt<Ca_<CrankNicolson>>(n, T, ca, abbau, zufluss, I4, I5, faktor); break;
    case RungeKutta4: gewaehlt<Ca_<RungeKutta4>>(n, T, ca, abbau, zufluss, I4, I5, faktor); break;
    default: gewaehlt<Ca_<ExponentiellerEuler>>(n, T, ca, abbau, zufluss, I4, I5, faktor); break;
    }
}

void segmentSchritt(int methode, size_t np, double T, const SegmentLanes& l)
{
    using namespace integration;
    switch (methode) {
    case Euler: gewaehlt<Segmente_<Euler>>(np, T, &l); break;
    case CrankNicolson: gewaehlt<Segmente_<CrankNicolson>>(np, T, &l); break;
    case RungeKutta4: gewaehlt<Segmente_<RungeKutta4>>(np, T, &l); break;
    default: gewaehlt<Segmente_<ExponentiellerEuler>>(np, T, &l); break;
    }
}

} // namespace kern
