// model/kern_felder.cpp - the run kernels' loops over lanes
//
// The baseline copy runs on every x86-64 machine; where the processor has AVX2 the loader
// picks the wider one. Neither uses fused multiply-adds, so both give the same bits.
#include "model/kern_gemeinsam.h"

// Under ThreadSanitizer the loader would call the instrumented chooser before the
// sanitizer's runtime is up: that build keeps the baseline copy only.
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__) && !defined(__SANITIZE_THREAD__)
#define VELNOR_VEKTORKOPIEN __attribute__((target_clones("avx2", "default")))
#else
#define VELNOR_VEKTORKOPIEN
#endif

namespace kern {

VELNOR_VEKTORKOPIEN
int formenRechnen(size_t n, const double* __restrict X, const double* __restrict H, const double* __restrict k,
                  const double* __restrict c0, const double* __restrict c1, const double* __restrict D,
                  const double* __restrict eV, const double* __restrict mal, double* __restrict dx,
                  double* __restrict e, double* __restrict w, double* __restrict wert)
{
    // (the arrays are distinct: saying so spares the compiler its overlap checks)

    double nullNenner = 0.0;   // a count in a double keeps all lanes of one width
    for (size_t i = 0; i < n; ++i) {
        dx[i] = X[i] - H[i];
        e[i] = expEigen(dx[i] * k[i]);
        const double z = c0[i] + c1[i] * dx[i];
        w[i] = D[i] + eV[i] * e[i];
        const double quotient = z / w[i], produkt = z * w[i];
        wert[i] = mal[i] == 0.0 ? quotient : produkt;
        nullNenner += mal[i] == 0.0 && w[i] == 0.0 ? 1.0 : 0.0;
    }
    return static_cast<int>(nullNenner);
}

VELNOR_VEKTORKOPIEN
void expEulerFeld(size_t n, double h, double* __restrict y, const double* __restrict a, const double* __restrict b)
{
    for (size_t i = 0; i < n; ++i) {
        // without decay the variable grows linearly; a/b would divide by zero
        const double x = -b[i] * h;
        const double e = expEigen(x);
        // expMinusEins's series with its divisions as products (a unit in the last
        // place at most), which a vector waits for far less
        const double reihe = x * (1.0 + x * 0.5 * (1.0 + x * (1.0 / 3) * (1.0 + x * 0.25 * (1.0 + x * 0.2 * (1.0 + x * (1.0 / 6))))));
        const double em = std::fabs(x) < 0.01 ? reihe : e - 1.0;
        const double mitZerfall = y[i] * (1.0 + em) - (a[i] / b[i]) * em;
        y[i] = b[i] == 0.0 ? y[i] + a[i] * h : mitZerfall;
    }
}

} // namespace kern
