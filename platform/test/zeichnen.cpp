// platform/test/zeichnen.cpp - drawing objects and the recording surface
#include "platform/test/zeichenflaeche.h"
#include "platform/test/zustand.h"
#include <algorithm>
#include <cmath>
#include <utility>

namespace plattform {
using namespace test::intern;

namespace {

int lebendeObjekte = 0;

const SchriftMerkmale& standardSchrift()
{
    static const SchriftMerkmale s;
    return s;
}

// a font's pixel height and the metrics that follow from it (see testplattform.h)
int pixelHoehe(const SchriftMerkmale& m)
{
    if (m.hoehe == 0)
        return 16;
    return m.hoehe < 0 ? -m.hoehe : m.hoehe;
}

int mittlereBreite(int hoehe) { return static_cast<int>(std::lround(hoehe * 0.5)); }

void aufzeichnen(Zeichenflaeche& z, test::ZeichenAufruf a)
{
    a.zustand = z.zustand;
    if (z.skala != 1.0 || z.versatzX != 0 || z.versatzY != 0) {
        const auto x = [&](int v) { return static_cast<int>(std::lround(v * z.skala)) + z.versatzX; };
        const auto y = [&](int v) { return static_cast<int>(std::lround(v * z.skala)) + z.versatzY; };
        for (Punkt& p : a.punkte)
            p = {x(p.x), y(p.y)};
        if (a.art != test::ZeichenArt::Text && a.art != test::ZeichenArt::Linie && a.art != test::ZeichenArt::Polylinie &&
            a.art != test::ZeichenArt::Polygon)
            a.rechteck = {x(a.rechteck.links), y(a.rechteck.oben), x(a.rechteck.rechts), y(a.rechteck.unten)};
        a.zustand.stift.breite = static_cast<int>(std::lround(a.zustand.stift.breite * z.skala));
        a.zustand.schrift.hoehe = static_cast<int>(std::lround(a.zustand.schrift.hoehe * z.skala));
    }
    z.aufrufe.push_back(std::move(a));
}

test::ZeichenAufruf mitPunkten(test::ZeichenArt art, std::span<const Punkt> punkte)
{
    test::ZeichenAufruf a{art, {punkte.begin(), punkte.end()}, {}, KeineFarbe, {}, nullptr, {}};
    return a;
}

test::ZeichenAufruf mitRechteck(test::ZeichenArt art, const Rechteck& r)
{
    return {art, {}, r, KeineFarbe, {}, nullptr, {}};
}

} // namespace

namespace test::intern {

Zeichenflaeche& ersatzFlaeche()
{
    static Zeichenflaeche z;
    z = {};   // nobody reads it; keep it from growing
    return z;
}

void pixelFuellen(BildObjekt& b, const ZeichenZustand& z, Rechteck r, Farbe f)
{
    if (f == KeineFarbe)
        return;
    r = {std::max(r.links, 0), std::max(r.oben, 0), std::min(r.rechts, b.breite), std::min(r.unten, b.hoehe)};
    if (z.ausschnitt) {
        const Rechteck& a = z.ausschnittRechteck;
        r = {std::max(r.links, a.links), std::max(r.oben, a.oben), std::min(r.rechts, a.rechts),
             std::min(r.unten, a.unten)};
    }
    for (int y = r.oben; y < r.unten; ++y)
        for (int x = r.links; x < r.rechts; ++x)
            b.pixel[static_cast<size_t>(y) * b.breite + x] = f & 0xFFFFFF;
}

} // namespace test::intern

// ---- objects -----------------------------------------------------------------------

Stift stiftErzeugen(int stil, int breite, Farbe farbe)
{
    ++lebendeObjekte;
    return new StiftObjekt{{stiftStilNormiert(stil), std::max(0, breite), farbe}};
}

Pinsel pinselErzeugen(Farbe farbe)
{
    ++lebendeObjekte;
    return new PinselObjekt{farbe};
}

Pinsel hohlerPinsel()
{
    static PinselObjekt hohl{KeineFarbe};
    return &hohl;
}

Schrift schriftErzeugen(const SchriftMerkmale& m)
{
    ++lebendeObjekte;
    return new SchriftObjekt{m};
}

const SchriftMerkmale& schriftMerkmale(Schrift s) { return s ? s->merkmale : standardSchrift(); }

void loeschen(Stift s)
{
    if (s) {
        --lebendeObjekte;
        delete s;
    }
}

void loeschen(Pinsel p)
{
    if (p && p != hohlerPinsel()) {
        --lebendeObjekte;
        delete p;
    }
}

void loeschen(Schrift s)
{
    if (s) {
        --lebendeObjekte;
        delete s;
    }
}

// ---- state -------------------------------------------------------------------------

Stift auswaehlen(Zeichenflaeche& z, Stift s)
{
    z.zustand.stift = s ? s->werte : test::StiftWerte{};
    return std::exchange(z.stift, s);
}

Pinsel auswaehlen(Zeichenflaeche& z, Pinsel p)
{
    z.zustand.pinsel = p ? p->farbe : 0xFFFFFF;
    return std::exchange(z.pinsel, p);
}

Schrift auswaehlen(Zeichenflaeche& z, Schrift s)
{
    z.zustand.schrift = schriftMerkmale(s);
    return std::exchange(z.schrift, s);
}

Farbe textFarbeSetzen(Zeichenflaeche& z, Farbe f) { return std::exchange(z.zustand.textFarbe, f); }

Farbe hintergrundFarbeSetzen(Zeichenflaeche& z, Farbe f)
{
    return std::exchange(z.zustand.hintergrundFarbe, f);
}

bool hintergrundTransparent(Zeichenflaeche& z, bool transparent)
{
    return std::exchange(z.zustand.transparent, transparent);
}

uint32_t textAusrichtungSetzen(Zeichenflaeche& z, uint32_t ausrichtung)
{
    return std::exchange(z.zustand.ausrichtung, ausrichtung);
}

void ausschnittSetzen(Zeichenflaeche& z, const Rechteck* r)
{
    z.zustand.ausschnitt = r != nullptr;
    z.zustand.ausschnittRechteck = r ? *r : Rechteck{};
}

// ---- shapes and text -----------------------------------------------------------------

void bewegenZu(Zeichenflaeche& z, int x, int y) { z.position = {x, y}; }

void linieZu(Zeichenflaeche& z, int x, int y)
{
    const Punkt p[] = {z.position, {x, y}};
    aufzeichnen(z, mitPunkten(test::ZeichenArt::Linie, p));
    z.position = {x, y};
}

// leaves the current position alone, as the program expects of a single line
void linie(Zeichenflaeche& z, int x1, int y1, int x2, int y2)
{
    const Punkt p[] = {{x1, y1}, {x2, y2}};
    aufzeichnen(z, mitPunkten(test::ZeichenArt::Linie, p));
}

void polylinie(Zeichenflaeche& z, std::span<const Punkt> punkte)
{
    aufzeichnen(z, mitPunkten(test::ZeichenArt::Polylinie, punkte));
}

void polygon(Zeichenflaeche& z, std::span<const Punkt> punkte)
{
    aufzeichnen(z, mitPunkten(test::ZeichenArt::Polygon, punkte));
}

void rechteck(Zeichenflaeche& z, const Rechteck& r) { aufzeichnen(z, mitRechteck(test::ZeichenArt::Rechteck, r)); }

void rechteckFuellen(Zeichenflaeche& z, const Rechteck& r, Farbe f)
{
    test::ZeichenAufruf a = mitRechteck(test::ZeichenArt::RechteckFuellen, r);
    a.farbe = f;
    aufzeichnen(z, std::move(a));
    if (z.bild)
        pixelFuellen(*z.bild, z.zustand, r, f);
}

void ellipse(Zeichenflaeche& z, const Rechteck& r) { aufzeichnen(z, mitRechteck(test::ZeichenArt::Ellipse, r)); }

void bogen(Zeichenflaeche& z, const Rechteck& r, Punkt anfang, Punkt ende)
{
    test::ZeichenAufruf a = mitRechteck(test::ZeichenArt::Bogen, r);
    a.punkte = {anfang, ende};
    aufzeichnen(z, std::move(a));
}

void text(Zeichenflaeche& z, int x, int y, std::string_view text)
{
    const Punkt p[] = {{x, y}};
    test::ZeichenAufruf a = mitPunkten(test::ZeichenArt::Text, p);
    a.text = text;
    aufzeichnen(z, std::move(a));
}

TextAusmass textAusmass(Zeichenflaeche& z, std::string_view text)
{
    const int h = pixelHoehe(z.zustand.schrift);
    return {static_cast<int>(text.size()) * mittlereBreite(h), h};
}

SchriftMasse schriftMasse(Zeichenflaeche& z)
{
    const int h = pixelHoehe(z.zustand.schrift);
    const int ober = static_cast<int>(std::lround(h * 0.8));
    return {h, ober, h - ober, mittlereBreite(h)};
}

int dpiX(Zeichenflaeche& z) { return z.dpi; }
int dpiY(Zeichenflaeche& z) { return z.dpi; }
Rechteck flaechenGroesse(Zeichenflaeche& z) { return {0, 0, z.breite, z.hoehe}; }

namespace test {

const std::vector<ZeichenAufruf>& aufrufe(Zeichenflaeche& z) { return z.aufrufe; }

void aufrufeLeeren(Zeichenflaeche& z) { z.aufrufe.clear(); }

int zeichenObjekteLebend() { return lebendeObjekte; }

} // namespace test
} // namespace plattform
