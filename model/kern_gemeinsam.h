// model/kern_gemeinsam.h - what the run kernels share: lanes, rate forms on lanes, the
// integration step of one lane
//
// Every value of a kernel lives in an array with one lane per neuron, in chain order,
// padded with harmless lanes to whole vectors. The loops over lanes (kern_felder.cpp) have
// no branches the compiler cannot turn into selections (the file is compiled without trap
// ordering, see model/CMakeLists.txt), so they vectorise.
#pragma once
#include "model/formen.h"
#include "model/integration.h"
#include "model/kern.h"
#include "model/kern_exp.h"
#include "model/modell_gemeinsam.h"
#include "model/simulationsparameter.h"
#include "model/zahlen.h"
#include <algorithm>
#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <vector>

namespace kern {

// Below this many neurons a kernel steps them one by one without vectors: one vector of
// mostly padding costs as much as four neurons, and a single neuron's step is a chain of
// dependent operations that expEinzeln, with its table, shortens.
constexpr size_t wenigeNeurone = 4;
// Lanes come in whole vectors of four doubles; a kernel that steps its few neurons one by
// one has no padding.
constexpr size_t aufVektoren(size_t n) { return n < wenigeNeurone ? n : (n + 3) / 4 * 4; }

// x^p as potenz computes it (the same products in the same order), inline for p >= 0
[[gnu::always_inline]] inline double hoch(double x, int p)
{
    switch (p) {
    case 0: return 1.0;
    case 1: return x;
    case 2: return x * x;
    case 3: return x * (x * x);
    case 4: { const double q = x * x; return q * q; }
    default: break;
    }
    if (p < 0)
        return potenz(x, p);
    double ergebnis = 1.0;
    for (; p > 0; p >>= 1) {
        if (p & 1)
            ergebnis *= x;
        x *= x;
    }
    return ergebnis;
}
// the powers 0..4 a lane loop selects among without branches (a neuron with another power
// takes its model's own step); p a whole number as a double
constexpr bool hochAufLanes(int p) { return p >= 0 && p <= 4; }
// c ? a : b in bits, one selection the compiler cannot join with those around it into a
// branch with many ways in (which it does not vectorise)
[[gnu::always_inline]] inline double waehle(bool c, double a, double b)
{
    const uint64_t m = 0 - static_cast<uint64_t>(c);
    return std::bit_cast<double>((std::bit_cast<uint64_t>(a) & m) | (std::bit_cast<uint64_t>(b) & ~m));
}
// (D a double or a vector of them, as for expEigenT)
template <class D>
[[gnu::always_inline]] inline D hochAuswahl(const D& x, const D& p)
{
    using kernExp::wahl;
    // one selection after the other: nested conditional expressions would join in one place
    // with five ways in, which the compiler does not vectorise
    const D x2 = x * x, x3 = x * x2, x4 = x2 * x2;
    D r = x4;
    r = wahl(p == 3.0, x3, r);
    r = wahl(p == 2.0, x2, r);
    r = wahl(p == 1.0, x, r);
    r = wahl(p == 0.0, D(1.0), r);
    return r;
}

// schritt's step (below) on lanes, D a double or a vector of them: the same operations on
// each lane; of one value only the branch taken is computed
template <int M, class D>
[[gnu::always_inline]] inline D schrittLanes(const D& y, const D& a, const D& b, double T)
{
    using namespace kernExp;
    if constexpr (M == integration::Euler) {
        return y + T * (a - b * y);
    } else if constexpr (M == integration::CrankNicolson) {
        return ((1.0 - T * b / 2.0) * y + T * a) / (1.0 + T * b / 2.0);
    } else if constexpr (M == integration::RungeKutta4) {
        const D k1 = T * (a - b * y);
        const D k2 = T * (a - b * (y + k1 / 2.0));
        const D k3 = T * (a - b * (y + k2 / 2.0));
        const D k4 = T * (a - b * (y + k3));
        return y + (k1 + 2.0 * k2 + 2.0 * k3 + k4) / 6.0;
    } else {
        // without decay the variable grows linearly; a/b would divide by zero
        const D x = -b * T;
        const auto reihe = [&]() __attribute__((always_inline)) {
            return x * (1.0 + x * 0.5 * (1.0 + x * (1.0 / 3) * (1.0 + x * 0.25 * (1.0 + x * 0.2 * (1.0 + x * (1.0 / 6))))));
        };
        const D em = wahlJe(betrag(x) < 0.01, reihe, [&]() __attribute__((always_inline)) { return expEigenT(x) - 1.0; });
        return wahlJe(
            b == 0.0, [&]() __attribute__((always_inline)) { return y + a * T; },
            [&]() __attribute__((always_inline)) { return y * (1.0 + em) - (a / b) * em; });
    }
}

// One step of dy/dt = a - b y for the method M, as integrationsSchritt computes it; the
// exponential Euler with the kernels' own exponential, or for a step of few neurons with
// expEinzeln, whose latency a single chain of dependent operations waits for less; and
// expMinusEins's series with its divisions as products (a unit in the last place at most),
// which a vector waits for far less.
template <int M, bool einzeln = false>
[[gnu::always_inline]] inline double schritt(double y, double a, double b, double T);

// the same for a step of few neurons, with xs = -b T expSkala up to a few roundings, which
// the caller may compute from b's own factors, so that the exponential need not wait for b
template <int M>
[[gnu::always_inline]] inline double schrittEinzeln(double y, double a, double b, double T, double xs)
{
    if constexpr (M != integration::ExponentiellerEuler) {
        return schritt<M>(y, a, b, T);
    } else {
        // only the branch taken is computed; y e^x rather than y (1 + (e^x - 1)), the same
        // for |x| < ln 2, so y need not wait for the subtraction
        if (b == 0.0)
            return y + a * T;
        const double x = -b * T;
        double e, em;
        if (std::fabs(x) < 0.01) {
            em = x * (1.0 + x * 0.5 * (1.0 + x * (1.0 / 3) * (1.0 + x * 0.25 * (1.0 + x * 0.2 * (1.0 + x * (1.0 / 6))))));
            e = 1.0 + em;
        } else {
            e = expEinzeln(x, xs);
            em = e - 1.0;
        }
        return y * e - (a / b) * em;
    }
}

// e^(-b T) - 1 as the exponential Euler step takes it; where b and T stay the same over a run
// it may be worked out once, with the same bits
[[gnu::always_inline]] inline double emVon(double b, double T)
{
    const double x = -b * T;
    return std::fabs(x) < 0.01
               ? x * (1.0 + x * 0.5 * (1.0 + x * (1.0 / 3) * (1.0 + x * 0.25 * (1.0 + x * 0.2 * (1.0 + x * (1.0 / 6))))))
               : expEigen(x) - 1.0;
}
// the exponential Euler step with em = emVon(b, T)
[[gnu::always_inline]] inline double schrittMitEm(double y, double a, double b, double T, double em)
{
    // without decay the variable grows linearly; a/b would divide by zero
    const double mitZerfall = y * (1.0 + em) - (a / b) * em;
    return b == 0.0 ? y + a * T : mitZerfall;
}

template <int M, bool einzeln>
[[gnu::always_inline]] inline double schritt(double y, double a, double b, double T)
{
    // (the methods without a branch as on lanes; the exponential Euler computes for one
    // value only the branch taken)
    if constexpr (M != integration::ExponentiellerEuler) {
        return schrittLanes<M>(y, a, b, T);
    } else if constexpr (einzeln) {
        return schrittEinzeln<M>(y, a, b, T, b * (T * -expSkala));
    } else {
        return schrittMitEm(y, a, b, T, emVon(b, T));
    }
}

// calls f.template operator()<M>() with the run's integration method as M
template <class F>
void mitMethode(F&& f)
{
    switch (simulationsParameter.integrationsmethode) {
    case integration::Euler: f.template operator()<integration::Euler>(); break;
    case integration::CrankNicolson: f.template operator()<integration::CrankNicolson>(); break;
    case integration::RungeKutta4: f.template operator()<integration::RungeKutta4>(); break;
    default: f.template operator()<integration::ExponentiellerEuler>(); break;
    }
}

// ---- lanes in one allocation -------------------------------------------------------------
// One quantity's lanes: a view into its kernel's block of lanes.
class Lanes {
public:
    double& operator[](size_t i) const { return p[i]; }
    double* data() const { return p; }

private:
    friend class LanenBlock;
    double* p = nullptr;
};

// All the lanes of a kernel (or of its compartments) in one allocation: a run of few
// neurons would otherwise hold mostly the allocations' own overhead, dozens of them.
class LanenBlock {
public:
    struct Eintrag {
        Lanes* lanes;
        size_t anzahl;   // lanes of this quantity
        double wert = 0.0;   // each lane's first value
    };
    void anlegen(const std::vector<Eintrag>& eintraege)
    {
        size_t summe = 0;
        for (const Eintrag& e : eintraege)
            summe += e.anzahl;
        speicher.assign(summe, 0.0);
        double* p = speicher.data();
        for (const Eintrag& e : eintraege) {
            e.lanes->p = p;
            std::fill_n(p, e.anzahl, e.wert);
            p += e.anzahl;
        }
    }

private:
    std::vector<double> speicher;
};

// ---- rate forms on lanes ----------------------------------------------------------------
// The forms of one exponential (formExpVorzeichen != 0) are z / w or z * w with
// z = c (or c (X - H) for the linear ones), w = D + e or D - e, e = exp(k (X - H)), k = s / S,
// X the neuron's soma potential. Their lanes hold H, k, c, D and the kind; a lane of another
// form holds a fixed value as c of a product with w = 1: the forms that do not read the
// voltage (27, 31, 32) get it when they are set, the others (and 16, 17, which read the
// synapse's potential) are computed one by one after the lanes, in lane order, with
// funktionaleFormBerechnen, so errors and their messages come as with the plain steps; so
// is a quotient whose w is 0 (formAusExp).
namespace formArt { constexpr double Produkt = 0, QuotientPlus = 1, QuotientMinus = 2, LinearMinus = 3; }

// The first n lanes of the slots listed from the voltages V: wert[g * abstand + i] for slot g;
// feld holds the arrays H, k, c, D, art, feldAbstand apart, each of them slot after slot
// (abstand lanes a slot). Returns the number of quotients with w = 0.
int formenRechnen(const uint32_t* slots, size_t anzahl, size_t n, size_t abstand, size_t feldAbstand,
                  const double* V, const double* feld, double* wert);
// the n voltages V mal times one after the other into ziel (n a multiple of four), for
// formenRechnen over a run of slots
void vervielfachen(const double* V, size_t n, size_t mal, double* ziel);

// a form lane as its kernel sets it from the neuron's parameters (and state)
struct FormAngaben {
    int nummer;
    double A, H, S, D;
};

class Formen {
public:
    // form slots per neuron, neurons; every lane a fixed 0
    void groesse(size_t slots, size_t neurone);
    size_t lanes() const { return np; }
    // the kernel that answers angaben(g, i): the lane's form as it sets it now, asked on the
    // rare paths only (the forms computed one by one, a quotient with w = 0)
    void angabenVon(FormAngaben (*angaben)(const void*, size_t, size_t), const void* kern)
    {
        angabenFn = angaben;
        angabenKern = kern;
    }
    // lane i of slot g: form f with A, H, S, D
    void setzen(size_t g, size_t i, int f, double A, double H, double S, double D);
    // H and D of a lane whose form takes values of the step (a concentration); the kernel's
    // angaben give the same. A lane of a form that does not read the voltage (fest) gets
    // the value its D gives with festSetzen.
    void halbwertSetzen(size_t g, size_t i, double H) { expSetzen(g, i, &Paar::H, FH, H); }
    void dSetzen(size_t g, size_t i, double D) { expSetzen(g, i, &Paar::D, FD, D); }
    bool fest(size_t g, size_t i) const { return art[g * np + i] == Lane::Fest; }
    void festSetzen(size_t g, size_t i, double wert);
    // Every lane from the voltages V; Vs for the forms that read the synapse's. A neuron
    // with aktiv[i] 0 has no form computed one by one, so none of its forms stops the run.
    // Not for a kernel of few neurons (below), which asks einzelwert.
    void berechnen(const double* V, double Vs, const char* aktiv);
    const double* wert(size_t g) const { return &werte[g * np]; }
    double wert(size_t g, size_t i) const { return werte[g * np + i]; }
    // The value of lane i of slot g at V alone, with expEinzeln: a kernel with fewer than
    // wenigeNeurone neurons, for which a vector would mostly compute padding, asks its forms
    // one by one, in lane order, so errors come as with berechnen. Its lanes are kept by
    // neuron instead, two slots side by side, so a form costs few loads.
    [[gnu::always_inline]] double einzelwert(size_t g, size_t i, double V, double Vs) const
    {
        const Paar& f = paar(g, i);
        const size_t l = g & 1;
        const uint8_t a = f.art[l];
        if (a == Lane::Exp) [[likely]] {
            const double dx = V - f.H[l];
            const double e = expEinzeln(dx * f.k[l], dx * f.ks[l]);
            const double z = f.linear[l] ? f.c[l] * dx : f.c[l];
            const double w = f.minus[l] ? f.D[l] - e : f.D[l] + e;
            if (f.produkt[l])
                return z * w;
            if (w != 0.0)
                return z / w;
        } else if (a == Lane::Fest) {
            return f.c[l];
        }
        return einzelwertSelten(g, i, V, Vs);
    }
    // The P * 2 slots of lane i (P * 2 >= slots) as einzelwert gives them: two slots at once,
    // with the same operations as einzelwert on each, so the same bits (a fixed lane is a
    // product c (0 + e^0), c exactly); a neuron with a form computed one by one, an argument
    // outside expEinzeln's range or a quotient whose w is 0 has its slots computed one by one.
    template <size_t P>
    [[gnu::always_inline]] void einzelwerte(size_t i, double V, double Vs, double* w) const
    {
        if (andereFormen[i] == 0 && paarweise<P>(i, V, w)) [[likely]]
            return;
        for (size_t g = 0; g < slots; ++g)
            w[g] = einzelwert(g, i, V, Vs);
    }

private:
    typedef double Zwei __attribute__((vector_size(16)));
    typedef uint64_t ZweiBits __attribute__((vector_size(16)));
    // two slots of a neuron of a kernel of few neurons
    struct alignas(16) Paar {
        double H[2], k[2], ks[2], c[2], D[2];          // ks = k * expSkala
        uint64_t linear[2], minus[2], produkt[2];      // the kind of form: all bits (minus: the sign bit)
        uint8_t art[2];                                // as art
    };
    Paar& paar(size_t g, size_t i) { return paare[i * paarZahl + g / 2]; }
    const Paar& paar(size_t g, size_t i) const { return paare[i * paarZahl + g / 2]; }
    template <class T>
    [[gnu::always_inline]] static T zwei(const void* p)
    {
        T v;
        __builtin_memcpy(&v, p, sizeof v);
        return v;
    }
    template <size_t P>
    [[gnu::always_inline]] bool paarweise(size_t i, double V, double* w) const
    {
        using namespace kernExp;
        constexpr uint64_t vorzeichen = uint64_t{1} << 63;
        const Paar* p = &paare[i * paarZahl];
        const Zwei v = {V, V};
        ZweiBits schlecht = {0, 0};
#pragma GCC unroll 16
        for (size_t q = 0; q < P; ++q) {
            const Paar& f = p[q];
            // expEinzeln on both lanes
            const Zwei dx = v - zwei<Zwei>(f.H);
            const Zwei x = dx * zwei<Zwei>(f.k), xs = dx * zwei<Zwei>(f.ks);
            const Zwei xsBetrag = (Zwei)((ZweiBits)xs & ~vorzeichen);
            schlecht |= ~(ZweiBits)(xsBetrag < 700.0 * expSkala);
            const Zwei kv = xs + runden;
            const Zwei k = kv - runden;
            const Zwei r = (x - k * lnHoch) - k * lnTief;
            const ZweiBits ki = (ZweiBits)kv;
            const Zwei t = {tabelle.zweiHoch[ki[0] & tabellenMaske], tabelle.zweiHoch[ki[1] & tabellenMaske]};
            const Zwei s = (Zwei)((ZweiBits)t + ((ki >> tabellenBits) << 52));
            const Zwei sr = s * r;
            const Zwei qq = 0.5 + r * (1.0 / 6);
            const Zwei e = (s + sr) + (sr * r) * qq;
            // the form
            const Zwei c = zwei<Zwei>(f.c);
            const ZweiBits linear = zwei<ZweiBits>(f.linear), produkt = zwei<ZweiBits>(f.produkt);
            const Zwei z = (Zwei)(((ZweiBits)(c * dx) & linear) | ((ZweiBits)c & ~linear));
            const Zwei nenner = zwei<Zwei>(f.D) + (Zwei)((ZweiBits)e ^ zwei<ZweiBits>(f.minus));
            const Zwei mal = z * nenner, durch = z / nenner;
            schlecht |= ~produkt & (ZweiBits)(nenner == 0.0);
            const Zwei wert = (Zwei)(((ZweiBits)mal & produkt) | ((ZweiBits)durch & ~produkt));
            w[2 * q] = wert[0];
            w[2 * q + 1] = wert[1];
        }
        return (schlecht[0] | schlecht[1]) == 0;
    }
    enum Feld { FH, FK, FC, FD, FArt, felder };
    double* feld(size_t g, Feld f) { return &block[(f * slots + g) * np]; }
    // one field of lane i of slot g, where it is kept, if the lane computes its exponential
    [[gnu::always_inline]] void expSetzen(size_t g, size_t i, double (Paar::*imPaar)[2], Feld imFeld, double wert)
    {
        if (art[g * np + i] != Lane::Exp)
            return;
        if (wenige)
            (paar(g, i).*imPaar)[g & 1] = wert;
        else
            feld(g, imFeld)[i] = wert;
    }
    const double* feld(size_t g, Feld f) const { return &block[(f * slots + g) * np]; }
    void einzeln(size_t g, size_t i, const double* V, double Vs);
    double einzelwertSelten(size_t g, size_t i, double V, double Vs) const;
    struct Lane { enum : uint8_t { Exp, Fest, Sonder }; };
    size_t slots = 0, n = 0, np = 0;
    bool wenige = false;               // n < wenigeNeurone: the lanes are in paare only
    size_t paarZahl = 0;               // pairs of slots
    std::vector<Paar> paare;           // per neuron the pairs of its slots
    std::vector<uint32_t> andereFormen;   // per neuron: its slots computed one by one (Sonder)
    std::vector<double> block;         // the arrays H, k, c, D, art, each slot after slot
    std::vector<double> vielfach;      // the voltages once per slot of a run of slots
    std::vector<double> werte;         // per slot the values of the step
    std::vector<uint8_t> art;          // per slot and lane: Lane::Exp, Fest or Sonder
    std::vector<uint32_t> sonder;      // the single lanes as i * slots + g, in lane order
    bool sonderAlt = false;
    std::vector<size_t> expLanes;      // per slot: lanes of one exponential
    std::vector<uint32_t> gerechnet;   // the slots that have some
    bool alsEinLauf = false;           // gerechnet is a run of slots computed as one loop
    bool gerechnetAlt = true;
    FormAngaben (*angabenFn)(const void*, size_t, size_t) = nullptr;
    const void* angabenKern = nullptr;
};

// ---- what every kernel keeps of its neurons ----------------------------------------------

// True when a feedback or collision object of this run may rebuild the neuron's stimulus
// tables (its targets, its soma elements): its stimulus pass must not be skipped.
bool reizZiel(const NeuronDaten& n);

// The neurons of a kernel and their compartments on lanes: the potentials (compartment c of
// lane i at pot[c * np + i]), the sums of the step, the stimulus cursors, and the passes
// every model does the same way: the stimulus, noise and synaptic input of the neurons that
// have some, and the passive segments.
class Kompartimente {
public:
    static constexpr size_t kMax = 7;   // compartments of a neuron at most

    // lanes for the neurons of model typ that have compartments
    void anlegen(const std::vector<NeuronDaten*>& neurone, int typ);
    // false when a neuron's compartments no longer fit the lanes (then anlegen again)
    bool passt() const;
    // lane i from its record: potentials, sums, cursors, what its step needs to be told
    void laden(size_t i, bool eigen);
    // the lists of the neurons the passes below visit; after every neuron was loaded
    void listenBilden();
    // lane i into its record: potentials, sums, noise current, cursors
    void schreiben(size_t i) const;
    void cursorLaden(size_t i);

    // The neurons with stimuli, noise or input pools, and those that take their model's own
    // step, in chain order (the noise draws keep it): vor[i] becomes the synaptic current plus
    // the injected ones plus the noise current; eigen(i) steps a neuron of the second kind.
    template <class Eigen>
    void vorlauf(double t, double T, Eigen&& eigen);
    // the segments of every neuron with dendrites from the old potentials (the soma's in v0),
    // their currents added to the sums, the segments moved on (with expEinzeln for a
    // kernel of few neurons, as its somas)
    template <int M, bool einzeln>
    void segmente(double t, double T)
    {
        if (!dendritListe.empty())
            segmenteRechnen<M, einzeln>(t, T);
    }

    std::vector<NeuronDaten*> nr;   // lane i -> neuron
    size_t N = 0, np = 0, K = 1;
    Lanes pot, v0, ein, synSumme, rausch, vor;
    std::vector<int> kompartimente, letztes;
    std::vector<char> aktiv;        // 0: the neuron takes its own step, nothing of its lanes counts
    Lanes kopplung;                 // the soma's coupling to its first segment, 0 without dendrites
    std::vector<size_t> eigene;     // the neurons that take their own step
    bool geschritten = false;       // a step was taken since the lanes were laid out

    // The own step of lane i on its record: its lanes are written to the record first (by
    // the kernel's schreibe), and while it runs the record is the live copy, which code it
    // calls (a feedback object's spike) must not overwrite from the lanes.
    template <class Schreibe, class Schritt>
    void eigenerSchritt(size_t i, Schreibe&& schreibe, Schritt&& schritt)
    {
        schreibe(i);
        laufend = i;
        schritt(*nr[i]);
        laufend = keiner;
    }
    bool imEigenenSchritt(size_t i) const { return laufend == i; }

private:
    static constexpr size_t keiner = ~size_t{0};
    size_t laufend = keiner;
    std::vector<int> cursor;        // kMax per neuron
    Lanes reizD;                    // per compartment: the segments' stimulus currents of the step
    // The segments on lanes, per compartment c at c * np + i: what their coefficients take
    // from the record (the same over a run: only the user changes it, between steps, after
    // which the lanes are loaded again), the synaptic currents of the step, the old potentials.
    Lanes segB, segEm, segZwei, segMaske, segSc, segAlt;
    Lanes dendKopplung, dendC, dendLeck, altNr, altAb, altBis, altStrom;   // per lane
    double emSchritt = 0.0;         // the step segEm was worked out for
    void segmentLaden(size_t i);
    void segmenteAufLanes(int methode, double t, double T);
    // A stimulus whose tables only the user changes (between steps, after which the lanes
    // are loaded again) gives the same currents from reizAb up to reizBis: the soma's in
    // reizSoma, the segments' in reizD. An empty span after loading. The noise is drawn in
    // every step all the same, in the same order.
    Lanes reizSoma, reizAb, reizBis;
    std::vector<char> reizHalten, mitRauschen;
    LanenBlock block;               // the lanes above
    std::vector<char> mitReiz, mitPool;
    std::vector<size_t> vorListe, dendritListe, segmentPoolListe;
    // the neurons with a held stimulus and nothing else before their step (no input pools,
    // no noise, not an own step), and the earliest end of their spans
    std::vector<size_t> gehalten;
    double gehaltenBis = 0.0;
    void reizLesen(size_t i, double t, double T, double syn);
    template <int M, bool einzeln>
    void segmenteRechnen(double t, double T);
};

template <class Eigen>
[[gnu::always_inline]] inline void Kompartimente::vorlauf(double t, double T, Eigen&& eigen)
{
    for (size_t i : vorListe) {
        NeuronDaten& n = *nr[i];
        if (!aktiv[i]) {
            eigen(i);
            continue;
        }
        double syn = 0.0;
        if (mitPool[i]) {
            syn = n.synStromChemisch[0] + n.synStromElektrisch[0];
            synSumme[i] = syn;
        }
        if (!mitReiz[i]) {
            vor[i] = syn + 0.0 + 0.0;
            continue;
        }
        // within the span its currents were worked out for, the stimulus is not read again
        // (the segments' currents stay in reizD)
        if (t >= reizAb[i] && t < reizBis[i]) {
            if (mitRauschen[i])
                rausch[i] = netzRauschen(T);
            vor[i] = syn + reizSoma[i] + rausch[i];
            continue;
        }
        reizLesen(i, t, T, syn);
    }
    // The neurons with nothing but a held stimulus keep the sum of the step that read it
    // (no synaptic input, no noise) until the first of their spans ends.
    if (t >= gehaltenBis) [[unlikely]] {
        gehaltenBis = std::numeric_limits<double>::infinity();
        for (size_t i : gehalten) {
            if (!(t >= reizAb[i] && t < reizBis[i]))
                reizLesen(i, t, T, 0.0);
            gehaltenBis = std::min(gehaltenBis, reizBis[i]);
        }
    }
}

[[gnu::always_inline]] inline void Kompartimente::reizLesen(size_t i, double t, double T, double syn)
{
    const NeuronDaten& n = *nr[i];
    PassivSchritt s;
    s.kompartimente = kompartimente[i];
    reizUndRauschen(n, s, t, T, &cursor[i * kMax], rausch[i]);
    vor[i] = syn + s.somaStroeme + rausch[i];
    for (int c = 1; c < s.kompartimente; ++c)
        reizD[static_cast<size_t>(c) * np + i] = s.reizStrom[static_cast<size_t>(c)];
    if (reizHalten[i]) {
        reizSoma[i] = s.somaStroeme;
        reizAb[i] = t;
        reizBis[i] = reizGleichBis(n, s.kompartimente, &cursor[i * kMax], t);
    }
}

template <int M, bool einzeln>
void Kompartimente::segmenteRechnen(double t, double T)
{
    if constexpr (!einzeln) {
        segmenteAufLanes(M, t, T);
        return;
    }
    for (size_t i : dendritListe) {
        const NeuronDaten& n = *nr[i];
        const int l = letztes[i];
        KompartimentFeld p{}, a{}, b{}, reiz{};
        p[0] = v0[i];
        for (int c = 1; c < kompartimente[i]; ++c) {
            p[static_cast<size_t>(c)] = pot[static_cast<size_t>(c) * np + i];
            reiz[static_cast<size_t>(c)] = reizD[static_cast<size_t>(c) * np + i];
        }
        segmentKoeffizienten(n, p.data(), l, kompartimente[i] - 1, reiz, a, b, t, synSumme[i], ein[i]);
        for (int c = 1; c <= l; ++c)
            pot[static_cast<size_t>(c) * np + i] = schritt<M, einzeln>(
                p[static_cast<size_t>(c)], a[static_cast<size_t>(c)], b[static_cast<size_t>(c)], T);
    }
}

} // namespace kern
