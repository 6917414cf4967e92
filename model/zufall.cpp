// model/zufall.cpp - generator, uniform, Gaussian and Poisson numbers
#include "model/zufall.h"
#include "model/simulationsparameter.h"

#include <cmath>


namespace {

uint32_t zustand = 1;          // as an unseeded C runtime starts
double gaussVorrat = 0.0;      // the kept second value of a pair
bool gaussVorratGueltig = false;

// An infinite radius (a uniform draw of exactly 0) is meant to give the bound on that
// side; only a zero factor against it would turn into NaN and slip past both bounds.
double produkt(double a, double b)
{
    if (a == 0.0 || b == 0.0)
        return 0.0;
    return a * b;
}

} // namespace

void zufallStarten(uint32_t saat)
{
    zustand = saat;
}

int zufallRoh()
{
    zustand = zustand * 214013u + 2531011u;
    return static_cast<int>((zustand >> 16) & 0x7FFF);
}

void gaussVorratLoeschen()
{
    gaussVorrat = 0.0;
    gaussVorratGueltig = false;
}

double zufallszahl()
{
    return zufallRoh() / static_cast<double>(zufallMaximum);
}

double zufallszahlBereich(double a, double b)
{
    return (b - a) * zufallszahl() + a;
}

double zufallszahlGauss(double mittel, double sd, double min, double max)
{
    double wert;
    if (gaussVorratGueltig) {
        gaussVorratGueltig = false;
        wert = produkt(sd, gaussVorrat);
    } else {
        const double u1 = zufallszahl();
        const double u2 = zufallszahl();
        const double rho = std::sqrt(-2.0 * std::log(u1));
        const double theta = 6.28318530717958 * u2;
        gaussVorrat = produkt(std::cos(theta), rho);
        gaussVorratGueltig = true;
        wert = produkt(sd, produkt(rho, std::sin(theta)));
    }
    wert += mittel;
    if (min > wert)
        return min;
    if (wert > max)
        return max;
    return wert;
}

double zufallszahlPoisson(double rate, double dt)
{
    double p = zufallszahlBereich(0.0, 1.0);
    const double grenze = std::exp(-rate * dt);
    double k = 0.0;
    while (p > grenze) {
        p *= zufallszahlBereich(0.0, 1.0);
        k += 1.0;
    }
    if (simulationsParameter.rauschenNurExzitatorisch)
        return k;
    return zufallszahlBereich(0.0, 1.0) < 0.5 ? -k : k;
}
