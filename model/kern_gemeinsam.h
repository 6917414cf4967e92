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
#include <cstddef>
#include <vector>

namespace kern {

// Lanes come in whole vectors: the arrays are padded with harmless lanes up to a multiple
// of four (the widest vector holds four doubles), so no lane is left to a scalar remainder.
constexpr size_t aufVektoren(size_t n) { return (n + 3) / 4 * 4; }

// The loops over lanes, in copies for the widest vectors the processor has (kern_felder.cpp).
// Values of rate forms: dx = X - H, e = exp(dx k), w = D + eV e, wert = mal != 0 ? z w : z / w
// with z = c0 + c1 dx, or c0 where fest != 0; returns the number of quotients with w = 0.
int formenRechnen(size_t n, const double* X, const double* H, const double* k, const double* c0, const double* c1,
                  const double* D, const double* eV, const double* mal, const double* fest, double* dx, double* e,
                  double* w, double* wert);
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
        konstant.assign(lanes, {});
        for (std::vector<double>* f : {&X, &H, &k, &c0, &c1, &D, &eV, &mal, &fest, &dx, &e, &w, &wert})
            f->assign(aufVektoren(lanes), 0.0);
        sonderAnzahl = static_cast<int>(lanes);   // until set, a lane goes the general way
        synapsenAnzahl = 0;
    }
    size_t lanes() const { return konstant.size(); }
    // lane i: form number f with A, H, S, D (and E 0)
    void setzen(size_t i, int f, double A, double h, double S, double d)
    {
        Konstanten& kf = konstant[i];
        const int s = formExpVorzeichen(f);
        synapsenAnzahl -= kf.synapse;
        const bool vorher = kf.sonder;
        const bool ohneSpannung = f == 27 || f == 31 || f == 32;
        kf = {f, A, S, s == 0 && !ohneSpannung, formLiestSynapsenPotential(f)};
        synapsenAnzahl += kf.synapse;
        H[i] = h;
        D[i] = d;
        k[i] = s / S;
        c0[i] = c1[i] = mal[i] = 0.0;
        eV[i] = 1.0;
        fest[i] = ohneSpannung;
        listeAlt = true;
        switch (f) {
        case 27: case 31: case 32: c0[i] = funktionaleFormBerechnen(f, A, h, S, d, 0.0, {0.0, 0.0}); break;
        case 1: case 2: case 3: case 6: c0[i] = A; mal[i] = 1.0; break;
        case 4: case 5: c0[i] = 1.0 / A; mal[i] = 1.0; break;
        case 11: case 12: case 16: c1[i] = A; eV[i] = -1.0; break;
        case 13: case 14: case 17: c1[i] = -A; eV[i] = -1.0; break;
        case 21: case 23: c0[i] = A; break;
        case 22: case 26: c0[i] = A; eV[i] = -1.0; break;
        case 24: case 25: c0[i] = 1.0; break;
        default: break;
        }
        sonderAnzahl += static_cast<int>(kf.sonder) - static_cast<int>(vorher);
    }
    // H and D of a lane whose form takes values of the step (a concentration)
    void halbwertSetzen(size_t i, double h) { H[i] = h; }
    void dSetzen(size_t i, double d)
    {
        D[i] = d;
        if (fest[i] != 0.0)
            c0[i] = funktionaleFormBerechnen(konstant[i].nummer, konstant[i].A, H[i], konstant[i].S, d, 0.0, {0.0, 0.0});
    }
    // the voltage lanes [erste, erste + anzahl) read: V, or Vs for the forms that read the
    // synapse's
    void spannungSetzen(size_t erste, size_t anzahl, double V, double Vs)
    {
        for (size_t i = erste; i < erste + anzahl; ++i)
            X[i] = V;
        if (synapsenAnzahl)
            for (size_t i = erste; i < erste + anzahl; ++i)
                if (konstant[i].synapse)
                    X[i] = Vs;
    }
    // every lane's value from the voltages set; u for the forms computed one by one
    // (their V, Vs: one pair per neuron, `proNeuron` lanes each)
    void berechnen(const std::vector<double>& v0, double Vs, size_t proNeuron)
    {
        const size_t n = lanes();
        const int nullNenner = formenRechnen(aufVektoren(n), X.data(), H.data(), k.data(), c0.data(), c1.data(), D.data(),
                                             eV.data(), mal.data(), fest.data(), dx.data(), e.data(), w.data(), wert.data());
        if (nullNenner == 0 && sonderAnzahl == 0)
            return;
        const auto einzeln = [&](size_t i) {
            const Konstanten& kf = konstant[i];
            if (kf.sonder)
                wert[i] = funktionaleFormBerechnen(kf.nummer, kf.A, H[i], kf.S, D[i], 0.0, {v0[i / proNeuron], Vs});
            else if (fest[i] == 0.0 && mal[i] == 0.0 && w[i] == 0.0)
                wert[i] = formAusExp(kf.nummer, kf.A, H[i], kf.S, D[i], X[i], e[i]);
        };
        if (nullNenner) {
            for (size_t i = 0; i < n; ++i)
                einzeln(i);
            return;
        }
        if (listeAlt) {
            sonderLanes.clear();
            for (size_t i = 0; i < n; ++i)
                if (konstant[i].sonder)
                    sonderLanes.push_back(i);
            listeAlt = false;
        }
        for (size_t i : sonderLanes)
            einzeln(i);
    }
    double operator[](size_t i) const { return wert[i]; }

private:
    struct Konstanten {
        int nummer = 0;
        double A = 0, S = 0;
        bool sonder = true, synapse = false;
    };
    std::vector<Konstanten> konstant;
    // per lane: H, s / S, z's c0 and c1, D, the sign of e in w, 1 for a product, 1 for a
    // value fixed when set
    std::vector<double> X, H, k, c0, c1, D, eV, mal, fest, dx, e, w, wert;
    int sonderAnzahl = 0, synapsenAnzahl = 0;
    std::vector<size_t> sonderLanes;   // the lanes computed one by one
    bool listeAlt = true;
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
