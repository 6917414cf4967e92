// model/integration.h - the one step that advances every state variable of the engine
#pragma once
#include "model/simulationsparameter.h"
#include <cmath>

// exp(x) - 1 to about 1e-14 relative: a series for small x keeps a*h when b*h is too small
// for 1 - exp(-b*h) to differ from 0; elsewhere exp, which is several times cheaper than
// the library's expm1 and costs at most 1.1e-16 / |x| relative.
inline double expMinusEins(double x)
{
    if (std::fabs(x) < 0.01)
        return x * (1.0 + x / 2.0 * (1.0 + x / 3.0 * (1.0 + x / 4.0 * (1.0 + x / 5.0 * (1.0 + x / 6.0)))));
    return std::exp(x) - 1.0;
}

// The value of y after one step of dy/dt = a - b*y; for a gate a = alpha, b = alpha + beta.
// Euler and Crank-Nicolson take the run's step width and ignore h; Runge-Kutta and the
// exponential Euler take h. Every method number other than 1, 3 and 4 is the exponential
// Euler, without a message.
inline double integrationsSchritt(int methode, double y, double b, double a, double h)
{
    const double T = simulationsParameter.schrittweite;
    switch (methode) {
    case integration::Euler:
        return y + T * (a - b * y);
    case integration::CrankNicolson:
        return ((1.0 - T * b / 2.0) * y + T * a) / (1.0 + T * b / 2.0);
    case integration::RungeKutta4: {
        const double k1 = h * (a - b * y);
        const double k2 = h * (a - b * (y + k1 / 2.0));
        const double k3 = h * (a - b * (y + k2 / 2.0));
        const double k4 = h * (a - b * (y + k3));
        return y + (k1 + 2.0 * k2 + 2.0 * k3 + k4) / 6.0;
    }
    default: {
        // without decay the variable grows linearly; a/b would divide by zero
        if (b == 0.0)
            return y + a * h;
        // y e + (a/b)(1 - e) with e = exp(-b h): one exponential for both terms
        const double em = expMinusEins(-b * h);
        return y * (1.0 + em) - (a / b) * em;
    }
    }
}
