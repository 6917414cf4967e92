// model/seiteneinrichtung.cpp - which margins leave room on the sheet
#include "model/seiteneinrichtung.h"
#include <algorithm>
#include <cmath>

namespace {

constexpr double a4Breite = 210.0, a4Hoehe = 297.0;

bool quer(const SeitenEinrichtung& s) { return s.ausrichtung == seitenAusrichtung::Querformat; }

bool randGueltig(double rand) { return std::isfinite(rand) && rand >= 0.0; }

bool paarGueltig(double a, double b, double seite) { return randGueltig(a) && randGueltig(b) && a + b < seite; }

// Two margins of one axis that leave no room keep their proportion and leave half the
// sheet; a margin that is no number or negative counts as 0.
void paarBegrenzen(double& a, double& b, double seite)
{
    if (paarGueltig(a, b, seite))
        return;
    a = randGueltig(a) ? std::min(a, seite) : 0.0;
    b = randGueltig(b) ? std::min(b, seite) : 0.0;
    const double summe = a + b;
    if (summe < seite)
        return;
    a *= seite / 2.0 / summe;
    b *= seite / 2.0 / summe;
}

void laengeBegrenzen(double& mm)
{
    mm = std::isfinite(mm) ? std::clamp(mm, 0.0, groessteSeitenLaengeMm) : 0.0;
}

} // namespace

double seitenBreiteMm(const SeitenEinrichtung& s) { return quer(s) ? a4Hoehe : a4Breite; }
double seitenHoeheMm(const SeitenEinrichtung& s) { return quer(s) ? a4Breite : a4Hoehe; }

bool seitenRaenderGueltig(const SeitenEinrichtung& s)
{
    return paarGueltig(s.randLinks, s.randRechts, seitenBreiteMm(s)) && paarGueltig(s.randOben, s.randUnten, seitenHoeheMm(s));
}

void seitenRaenderBegrenzen(SeitenEinrichtung& s)
{
    paarBegrenzen(s.randLinks, s.randRechts, seitenBreiteMm(s));
    paarBegrenzen(s.randOben, s.randUnten, seitenHoeheMm(s));
    laengeBegrenzen(s.umrandungDickeMm);
    laengeBegrenzen(s.kopfAbstandMm);
    laengeBegrenzen(s.fussAbstandMm);
}
