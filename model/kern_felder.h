// model/kern_felder.h - the run kernels' passes over lanes (model/kern_felder.cpp)
//
// Each pass takes pointers to the lanes of one kernel (n lanes each, a multiple of four) and
// the run's integration method; it has a baseline x86-64 copy, an AVX2 and an AVX-512 copy,
// of which the first call picks the widest the processor has; none uses fused multiply-adds,
// so all give the same bits.
#pragma once
#include <cstddef>

namespace kern {

// true when every one of the n values is a finite number
bool alleEndlich(const double* V, size_t n);

// The Hodgkin-Huxley step after the rate forms: the gates m, h, n moved on by their rates
// (a = alpha, b = alpha + beta), the Na and K currents from the old soma potential, the
// soma's input sum and coefficients, the soma potential moved on. v0 keeps the old soma
// potential; the return value counts the lanes that crossed their threshold upward.
struct HhLanes {
    double *V, *m, *h, *n, *v0, *iNa, *iK, *ein;
    const double *am, *bm, *ah, *bh, *an, *bn;   // the forms' values
    const double *vor;                            // synaptic, injected and noise current, in that sum
    const double *leck, *gEna, *gEk;              // hhLeckTerm, leitwertMalPotential[4], [5]
    const double *naE, *naG, *kE, *kG, *kehrC, *L;
    const double *pm, *ph, *pn, *schwelle;
    const double *V1, *kopplung;                  // the first segment and its coupling (soma only: null)
};
int hhSchritt(int methode, size_t n, double T, const HhLanes& l);

// The SWIM step after the rate forms for a neuron without K(Ca) pool, user channels, clamp,
// clipping and PSP measurement: the gates m, h, n, c moved on (a gate whose channel is off
// keeps its value and opens 0), the Na, K and Ca currents, the soma's input sum and
// coefficients (divided by the capacity, as the model's own step does), the soma moved on.
struct SwimLanes {
    double *V, *m, *h, *n, *c, *v0, *iNa, *iK, *iCa, *ionen, *ein;
    const double *am, *bm, *ah, *bh, *an, *bn, *ac, *bc;   // the forms' values
    const double *vor, *leck, *gENa, *gEK, *gECa;          // leckTerm, leitwertMalPotential[0], [1], [3]
    const double *naE, *naG, *kE, *kG, *caE, *caG, *C, *L;
    const double *pm, *ph, *pn, *pc, *naAn, *kAn, *caAn;  // powers; 1 where the channel is on
    const double *schwelle;
    const double *V1, *kopplung;
};
int swimSchritt(int methode, size_t n, double T, const SwimLanes& l);

// The Golowasch-Buchholz step after the Ca pool and the rate forms: the gates x[0..13]
// (x[7] has no channel) moved on by their rates or steady states, the nine currents (I[2] is
// the Ca concentration, set with the pool), the soma's input sum and coefficients, the soma
// moved on. f points at the 27 forms' values (abstand lanes apart).
struct GbLanes {
    double *V, *v0, *ein;
    double* x[14];
    double* I[9];
    const double *f;
    size_t abstand;
    const double *ca, *caPot, *vor, *leck;
    const double* gE[6];                       // leitwertMalPotential[6..11]
    const double *e1, *g1, *e2, *g2, *e3, *g3, *g4, *g5, *e6, *g6, *e7, *g7, *e8, *g8;
    const double *k6, *kd6, *C, *L;
    const double* p[14];                       // the gates' powers
    const double *schwelle;
    const double *V1, *kopplung;
};
int gbSchritt(int methode, size_t n, double T, const GbLanes& l);
// the Ca pool of every lane: ca moved on by dca/dt = zufluss + (I4 + I5) faktor - abbau ca
void gbCaSchritt(int methode, size_t n, double T, double* ca, const double* abbau, const double* zufluss,
                 const double* I4, const double* I5, const double* faktor);

// The passive segments c = 1 .. K-1 of every lane (compartment c of lane i at c * np + i): the
// coefficients from the old potentials (alt, the soma's in row 0, row K zero), the segment's
// synaptic and input sums added, the potential moved on. A lane takes segment c only where
// maske is not 0; em is emVon(b, T) for the exponential Euler.
struct SegmentLanes {
    double *pot, *synSumme, *ein;
    const double *alt;
    const double *sc, *reiz, *b, *em, *zwei, *maske;     // per compartment
    const double *dendKopplung, *C, *leck;              // per lane
    const double *altNr, *altAb, *altBis, *altStrom;    // the old dendrite current: its segment, window, value
    size_t K;
    double t;
};
void segmentSchritt(int methode, size_t np, double T, const SegmentLanes& l);

} // namespace kern
