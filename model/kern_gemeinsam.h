// model/kern_gemeinsam.h - what the run kernels share: rate forms, gates and compartments
// over all neurons of a model at once
//
// Each works on lanes: one per form, gate or compartment of every neuron, in neuron order.
// The loops over lanes have no branches the compiler cannot turn into selections (the
// kernels are compiled without trap ordering, see model/CMakeLists.txt), so they vectorise.
#pragma once
#include "model/formen.h"
#include "model/integration.h"
#include "model/kern_exp.h"
#include "model/simulationsparameter.h"
#include "model/zahlen.h"
#include <algorithm>
#include <cstddef>
#include <vector>

namespace kern {

// Lanes come in whole vectors: the arrays are padded with harmless lanes up to a multiple
// of four (the widest vector holds four doubles), so no lane is left to a scalar remainder.
constexpr size_t aufVektoren(size_t n) { return (n + 3) / 4 * 4; }

// The loops over lanes, in copies for the widest vectors the processor has (kern_felder.cpp).
// Values of rate forms: dx = X - H, e = exp(dx k), w = D + eV e, wert = mal != 0 ? z w : z / w
// with z = c0 + c1 dx; returns the number of quotients with w = 0.
int formenRechnen(size_t n, const double* X, const double* H, const double* k, const double* c0, const double* c1,
                  const double* D, const double* eV, const double* mal, double* dx, double* e, double* w,
                  double* wert);
// y = the exponential Euler step of integrationsSchritt from y with a, b, step h
void expEulerFeld(size_t n, double h, double* y, const double* a, const double* b);

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

// Rate forms on lanes. Every form of a single exponential (formExpVorzeichen != 0) is
// z / w or z * w with z = c0 + c1 (X - H), w = D +- e, e = exp(s (X - H) / S); the forms
// that do not read the voltage (27, 31, 32) are computed when they are set. A zero w of a
// quotient and every other form go through formAusExp or funktionaleFormBerechnen one by
// one, in lane order, so errors and their messages come as with the plain steps.
class FormFeld {
public:
    void groesse(size_t lanes)
    {
        lane.assign(lanes, {});
        wertL.assign(lanes, 0.0);
        pos.assign(lanes, 0);
        physAb.assign(lanes + 1, 0);
        synapsenAnzahl = 0;
        alt = true;
    }
    size_t lanes() const { return lane.size(); }
    // lane i: form number f with A, H, S, D (and E 0)
    void setzen(size_t i, int f, double A, double h, double S, double d)
    {
        Lane& l = lane[i];
        synapsenAnzahl -= l.synapse;
        const int s = formExpVorzeichen(f);
        const bool ohneSpannung = f == 27 || f == 31 || f == 32;
        l = {f, A, S, h, d, s / S, 0.0, 0.0, 1.0, 0.0, s == 0 && !ohneSpannung, ohneSpannung, formLiestSynapsenPotential(f)};
        synapsenAnzahl += l.synapse;
        alt = true;
        switch (f) {
        case 27: case 31: case 32: wertL[i] = funktionaleFormBerechnen(f, A, h, S, d, 0.0, {0.0, 0.0}); break;
        case 1: case 2: case 3: case 6: l.c0 = A; l.mal = 1.0; break;
        case 4: case 5: l.c0 = 1.0 / A; l.mal = 1.0; break;
        case 11: case 12: case 16: l.c1 = A; l.eV = -1.0; break;
        case 13: case 14: case 17: l.c1 = -A; l.eV = -1.0; break;
        case 21: case 23: l.c0 = A; break;
        case 22: case 26: l.c0 = A; l.eV = -1.0; break;
        case 24: case 25: l.c0 = 1.0; break;
        default: break;
        }
    }
    // H and D of a lane whose form takes values of the step (a concentration)
    void halbwertSetzen(size_t i, double h)
    {
        lane[i].H = h;
        if (!alt && pos[i] != keine)
            H[pos[i]] = h;
    }
    void dSetzen(size_t i, double d)
    {
        Lane& l = lane[i];
        l.D = d;
        if (l.fest)
            wertL[i] = funktionaleFormBerechnen(l.nummer, l.A, l.H, l.S, d, 0.0, {0.0, 0.0});
        else if (!alt && pos[i] != keine)
            D[pos[i]] = d;
    }
    // the voltage lanes [erste, erste + anzahl) read: V, or Vs for the forms that read the
    // synapse's
    void spannungSetzen(size_t erste, size_t anzahl, double V, double Vs)
    {
        if (alt)
            ordnen();
        for (size_t p = physAb[erste]; p < physAb[erste + anzahl]; ++p)
            X[p] = V;
        if (synapsenAnzahl)
            for (size_t i = erste; i < erste + anzahl; ++i)
                if (lane[i].synapse && pos[i] != keine)
                    X[pos[i]] = Vs;
    }
    // every lane's value from the voltages set; u for the forms computed one by one
    // (their V, Vs: one pair per neuron, `proNeuron` lanes each); a neuron the step leaves
    // out (aktiv 0) has no form computed one by one, so none of its forms stops the run
    void berechnen(const std::vector<double>& v0, const std::vector<char>& aktiv, double Vs, size_t proNeuron)
    {
        if (alt)
            ordnen();
        const int nullNenner = formenRechnen(aufVektoren(X.size()), X.data(), H.data(), k.data(), c0.data(), c1.data(),
                                             D.data(), eV.data(), mal.data(), dx.data(), e.data(), w.data(), wert.data());
        const auto einzeln = [&](size_t i) {
            const Lane& l = lane[i];
            const size_t p = pos[i];
            if (!aktiv[i / proNeuron])
                return;
            if (l.sonder)
                wertL[i] = funktionaleFormBerechnen(l.nummer, l.A, l.H, l.S, l.D, 0.0, {v0[i / proNeuron], Vs});
            else if (p != keine && l.mal == 0.0 && w[p] == 0.0)
                wert[p] = formAusExp(l.nummer, l.A, l.H, l.S, l.D, X[p], e[p]);
        };
        if (nullNenner) {
            for (size_t i = 0; i < lanes(); ++i)
                einzeln(i);
            return;
        }
        for (size_t i : sonderLanes)
            einzeln(i);
    }
    double operator[](size_t i) const { return pos[i] != keine ? wert[pos[i]] : wertL[i]; }

private:
    static constexpr size_t keine = ~size_t{0};
    struct Lane {
        int nummer = 0;
        double A = 0, S = 0, H = 0, D = 0;
        double k = 0, c0 = 0, c1 = 0, eV = 1, mal = 0;   // s / S, z's c0 and c1, the sign of e in w, 1 for a product
        bool sonder = true, fest = false, synapse = false;
    };
    // the lanes computed together are the others than the fixed and the single ones
    void ordnen()
    {
        size_t n = 0;
        sonderLanes.clear();
        for (size_t i = 0; i < lanes(); ++i) {
            physAb[i] = n;
            const bool gerechnet = !lane[i].sonder && !lane[i].fest;
            pos[i] = gerechnet ? n++ : keine;
            if (lane[i].sonder)
                sonderLanes.push_back(i);
        }
        physAb[lanes()] = n;
        for (std::vector<double>* f : {&X, &H, &k, &c0, &c1, &D, &eV, &mal, &dx, &e, &w, &wert})
            f->assign(aufVektoren(n), 0.0);
        // the padding lanes compute 0 * 1
        std::fill(D.begin(), D.end(), 1.0);
        std::fill(mal.begin(), mal.end(), 1.0);
        for (size_t i = 0; i < lanes(); ++i) {
            const size_t p = pos[i];
            if (p == keine)
                continue;
            const Lane& l = lane[i];
            H[p] = l.H;
            k[p] = l.k;
            c0[p] = l.c0;
            c1[p] = l.c1;
            D[p] = l.D;
            eV[p] = l.eV;
            mal[p] = l.mal;
        }
        alt = false;
    }
    std::vector<Lane> lane;
    std::vector<double> wertL;   // the value of a fixed or single lane
    std::vector<size_t> pos;     // a lane's place in the arrays computed together, or keine
    std::vector<size_t> physAb;  // the places before lane i
    // the lanes computed together: voltage, constants (as in Lane), work values
    std::vector<double> X, H, k, c0, c1, D, eV, mal, dx, e, w, wert;
    int synapsenAnzahl = 0;
    std::vector<size_t> sonderLanes;   // the lanes computed one by one
    bool alt = true;   // the places need ordering after a lane was set
};

// Gates, compartments (any variable of dy/dt = a - b y) on lanes, the first n stepped with
// method M (the exponential Euler steps the padding lanes after them too).
class TorFeld {
public:
    void groesse(size_t lanes)
    {
        y.assign(aufVektoren(lanes), 0.0);
        a.assign(aufVektoren(lanes), 0.0);
        b.assign(aufVektoren(lanes), 0.0);
    }
    std::vector<double> y, a, b;
    // one neuron's compartments 0..anzahl-1 onto the lanes from lane on: values, a and b
    void anhaengen(const std::vector<double>& werte, const double* a0, const double* b0, int anzahl, size_t& lane)
    {
        for (int q = 0; q < anzahl; ++q, ++lane) {
            y[lane] = werte[static_cast<size_t>(q)];
            a[lane] = a0[q];
            b[lane] = b0[q];
        }
    }
    // the stepped values of lanes von..bis-1 back into the neuron's compartments
    void zurueck(std::vector<double>& werte, size_t von, size_t bis) const
    {
        for (size_t q = von; q < bis; ++q)
            werte[q - von] = y[q];
    }
    template <int M>
    void schritt(double T, size_t n)
    {
        if constexpr (M == integration::Euler || M == integration::CrankNicolson || M == integration::RungeKutta4) {
            for (size_t i = 0; i < n; ++i)
                y[i] = integrationsSchritt(M, y[i], b[i], a[i], T);
        } else {
            expEulerFeld(aufVektoren(n), T, y.data(), a.data(), b.data());
        }
    }
};

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

} // namespace kern
