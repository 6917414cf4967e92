// platform/qt/zeichnen_qt.cpp - pens, brushes, fonts and the drawing calls on a QPainter
//
// Shapes are drawn without anti-aliasing and with the pixel rules the program was written
// for: right and bottom edges are exclusive, and a one-pixel line leaves out its end point,
// so that a chain of lines sets every pixel once.
#include "platform/qt/qtfenster.h"
#include "platform/qt/zeichenflaeche.h"
#include <QFontMetrics>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <numbers>
#include <unordered_set>
#include <utility>
#include <vector>

namespace plattform {

namespace {

// handles made here and not yet deleted: a surface never follows a dead one
std::unordered_set<const void*> lebendeObjekte;

bool lebt(const void* o) { return o && lebendeObjekte.count(o); }

constexpr int standardPunkte = 10;        // the default font, in points of the device

const SchriftObjekt& standardSchrift()
{
    // never torn down: a QFont must not outlive the application
    static const SchriftObjekt* s = new SchriftObjekt{SchriftMerkmale{}, qt::schriftAusMerkmalen(SchriftMerkmale{})};
    return *s;
}

QPen qtStift(const StiftObjekt& s)
{
    const int stil = stiftStilNormiert(s.stil);
    if (stil == stiftStil::Unsichtbar)
        return QPen(Qt::NoPen);
    QPen p(qt::farbe(s.farbe));
    if (s.breite > 1) {
        // wide pens draw solid whatever their style, with round ends: the diagrams were
        // laid out for that
        p.setWidth(s.breite);
        p.setCapStyle(Qt::RoundCap);
        p.setJoinStyle(Qt::RoundJoin);
        return p;
    }
    p.setWidth(s.breite == 1 ? 1 : 0);
    p.setCosmetic(true);                   // one device pixel, on a printer too
    p.setCapStyle(Qt::SquareCap);          // both ends drawn; linieZu shortens the line itself
    switch (stil) {
    case stiftStil::Strich: p.setDashPattern({18, 6}); break;
    case stiftStil::Punkt: p.setDashPattern({3, 3}); break;
    case stiftStil::StrichPunkt: p.setDashPattern({9, 6, 3, 6}); break;
    case stiftStil::StrichPunktPunkt: p.setDashPattern({9, 3, 3, 3, 3, 3}); break;
    }
    return p;
}

bool duennerStift(const Zeichenflaeche& z) { return z.stiftWert.breite <= 1; }

QBrush qtPinsel(const PinselObjekt& p) { return p.hohl ? QBrush(Qt::NoBrush) : QBrush(qt::farbe(p.farbe)); }

void malerEinstellen(QPainter& m, const Zeichenflaeche& z)
{
    m.setRenderHint(QPainter::Antialiasing, false);
    m.setRenderHint(QPainter::TextAntialiasing, true);
    m.setBackgroundMode(Qt::TransparentMode);   // opaque text fills its box itself
    if (z.mitAusschnitt)
        m.setClipRect(QRect(z.ausschnitt.links, z.ausschnitt.oben, z.ausschnitt.breite(), z.ausschnitt.hoehe()));
    else
        m.setClipping(false);
}


// pen and brush of the surface on its painter; null when there is none to draw with
QPainter* mitStiftUndPinsel(Zeichenflaeche& z)
{
    QPainter* m = qt::malerVon(z);
    if (m) {
        m->setPen(qtStift(z.stiftWert));
        m->setBrush(qtPinsel(z.pinselWert));
    }
    return m;
}

// The point where a one-pixel line from a to b has to stop for b itself to stay blank:
// one pixel step back along the longer axis, on the same line.
QPointF ohneEndpunkt(Punkt a, Punkt b)
{
    const int n = std::max(std::abs(b.x - a.x), std::abs(b.y - a.y));
    if (n <= 1)
        return QPointF(a.x, a.y);
    return QPointF(b.x - (b.x - a.x) / static_cast<double>(n), b.y - (b.y - a.y) / static_cast<double>(n));
}

QFontMetrics schriftMass(const Zeichenflaeche& z)
{
    return z.geraet ? QFontMetrics(z.schriftWert.schrift, z.geraet) : QFontMetrics(z.schriftWert.schrift);
}

Rechteck geordnet(const Rechteck& r)
{
    return {std::min(r.links, r.rechts), std::min(r.oben, r.unten), std::max(r.links, r.rechts),
            std::max(r.oben, r.unten)};
}

// The figure of a rectangle or ellipse: from the left/top edge to the last pixel inside.
// A wide pen of the inside style keeps all of its width within.
QRectF figur(const Zeichenflaeche& z, const Rechteck& r)
{
    QRectF f(r.links, r.oben, r.breite() - 1, r.hoehe() - 1);
    if (z.stiftWert.stil == stiftStil::Innen && z.stiftWert.breite > 1) {
        const double h = z.stiftWert.breite / 2.0;
        f.adjust(h, h, -h, -h);
    }
    return f;
}

// the parameter angle (degrees, counter-clockwise on the screen) of the ellipse point
// on the ray from the centre of f through p
double winkel(const QRectF& f, Punkt p)
{
    const double a = std::max(f.width() / 2.0, 0.5), b = std::max(f.height() / 2.0, 0.5);
    const QPointF m = f.center();
    return std::atan2(-(p.y - m.y()) / b, (p.x - m.x()) / a) * 180.0 / std::numbers::pi;
}

} // namespace

namespace qt {

QFont schriftAusMerkmalen(const SchriftMerkmale& m)
{
    QFont f;
    QStringList familien;
    if (!m.name.empty())
        familien << text(m.name);
    familien << QStringLiteral("DejaVu Sans");   // where the named face is missing
    f.setFamilies(familien);
    if (m.hoehe < 0) {
        f.setPixelSize(-m.hoehe);
    } else if (m.hoehe > 0) {
        // a cell height: scale the character height by the face's own proportion
        f.setPixelSize(100);
        QFontMetricsF mass(f);
        const double zelle = mass.ascent() + mass.descent();
        f.setPixelSize(std::max(1, static_cast<int>(std::lround(m.hoehe * 100.0 / std::max(1.0, zelle)))));
    } else {
        f.setPointSize(standardPunkte);
    }
    const int gewicht = m.gewicht <= 0 ? 400 : std::clamp(m.gewicht, 1, 1000);
    f.setWeight(static_cast<QFont::Weight>(gewicht));
    f.setItalic(m.kursiv);
    f.setUnderline(m.unterstrichen);
    f.setKerning(false);                   // widths add up character by character
    return f;
}

// the painter to draw with; an image's surface opens its own
QPainter* malerVon(Zeichenflaeche& z)
{
    if (z.maler)
        return z.maler;
    if (!z.bild)
        return nullptr;
    auto m = std::make_unique<QPainter>();
    if (!m->begin(z.bild))
        return nullptr;
    malerEinstellen(*m, z);
    z.eigenerMaler = std::move(m);
    z.maler = z.eigenerMaler.get();
    return z.maler;
}

void flaecheEinrichten(Zeichenflaeche& z, QPainter* m, QPaintDevice* geraet, int breite, int hoehe)
{
    z.maler = m;
    z.geraet = geraet;
    z.breite = breite;
    z.hoehe = hoehe;
    z.dpiX = geraet ? geraet->logicalDpiX() : 96;
    z.dpiY = geraet ? geraet->logicalDpiY() : 96;
    z.bereich = {0, 0, breite, hoehe};
    z.stift = nullptr;
    z.pinsel = nullptr;
    z.schrift = nullptr;
    z.stiftWert = {};
    z.pinselWert = {};
    z.schriftWert = standardSchrift();
    z.textFarbe = 0;
    z.hintergrund = 0xFFFFFF;
    z.transparent = false;
    z.ausrichtung = 0;
    z.position = {};
    z.mitAusschnitt = false;
    if (m)
        malerEinstellen(*m, z);
}

void eigenenMalerBeenden(Zeichenflaeche& z)
{
    if (!z.eigenerMaler)
        return;
    z.eigenerMaler->end();
    z.eigenerMaler.reset();
    z.maler = nullptr;
}

QFont schriftVon(Schrift s) { return lebt(s) ? s->schrift : standardSchrift().schrift; }

} // namespace qt

// ---- objects ------------------------------------------------------------------------

Stift stiftErzeugen(int stil, int breite, Farbe farbe)
{
    Stift s = new StiftObjekt{stil, std::max(0, breite), farbe & 0xFFFFFF};
    lebendeObjekte.insert(s);
    return s;
}

Pinsel pinselErzeugen(Farbe farbe)
{
    Pinsel p = new PinselObjekt{farbe & 0xFFFFFF, false};
    lebendeObjekte.insert(p);
    return p;
}

Pinsel hohlerPinsel()
{
    static PinselObjekt hohl{0, true};
    lebendeObjekte.insert(&hohl);
    return &hohl;
}

Schrift schriftErzeugen(const SchriftMerkmale& m)
{
    Schrift s = new SchriftObjekt{m, qt::schriftAusMerkmalen(m)};
    lebendeObjekte.insert(s);
    return s;
}

const SchriftMerkmale& schriftMerkmale(Schrift s) { return lebt(s) ? s->merkmale : standardSchrift().merkmale; }

void loeschen(Stift s)
{
    if (lebendeObjekte.erase(s))
        delete s;
}

void loeschen(Pinsel p)
{
    if (p != hohlerPinsel() && lebendeObjekte.erase(p))
        delete p;
}

void loeschen(Schrift s)
{
    if (lebendeObjekte.erase(s))
        delete s;
}

// ---- the surface's state -------------------------------------------------------------

Stift auswaehlen(Zeichenflaeche& z, Stift s)
{
    Stift vorher = z.stift;
    z.stift = lebt(s) ? s : nullptr;
    z.stiftWert = z.stift ? *z.stift : StiftObjekt{};
    return vorher;
}

Pinsel auswaehlen(Zeichenflaeche& z, Pinsel p)
{
    Pinsel vorher = z.pinsel;
    z.pinsel = lebt(p) ? p : nullptr;
    z.pinselWert = z.pinsel ? *z.pinsel : PinselObjekt{};
    return vorher;
}

Schrift auswaehlen(Zeichenflaeche& z, Schrift s)
{
    Schrift vorher = z.schrift;
    z.schrift = lebt(s) ? s : nullptr;
    z.schriftWert = z.schrift ? *z.schrift : standardSchrift();
    return vorher;
}

Farbe textFarbeSetzen(Zeichenflaeche& z, Farbe f) { return std::exchange(z.textFarbe, f & 0xFFFFFF); }
Farbe hintergrundFarbeSetzen(Zeichenflaeche& z, Farbe f) { return std::exchange(z.hintergrund, f & 0xFFFFFF); }
bool hintergrundTransparent(Zeichenflaeche& z, bool transparent) { return std::exchange(z.transparent, transparent); }
uint32_t textAusrichtungSetzen(Zeichenflaeche& z, uint32_t a) { return std::exchange(z.ausrichtung, a); }

void ausschnittSetzen(Zeichenflaeche& z, const Rechteck* r)
{
    z.mitAusschnitt = r != nullptr;
    if (r)
        z.ausschnitt = geordnet(*r);
    if (z.maler)
        malerEinstellen(*z.maler, z);
}

int dpiX(Zeichenflaeche& z) { return z.dpiX; }
int dpiY(Zeichenflaeche& z) { return z.dpiY; }
Rechteck flaechenGroesse(Zeichenflaeche& z) { return {0, 0, z.breite, z.hoehe}; }

// ---- lines and shapes ------------------------------------------------------------------

void bewegenZu(Zeichenflaeche& z, int x, int y) { z.position = {x, y}; }

void linieZu(Zeichenflaeche& z, int x, int y)
{
    const Punkt a = z.position, b{x, y};
    z.position = b;
    if (a.x == b.x && a.y == b.y)
        return;
    QPainter* m = mitStiftUndPinsel(z);
    if (!m || m->pen().style() == Qt::NoPen)
        return;
    if (duennerStift(z))
        m->drawLine(QPointF(a.x, a.y), ohneEndpunkt(a, b));
    else
        m->drawLine(a.x, a.y, b.x, b.y);
}

void linie(Zeichenflaeche& z, int x1, int y1, int x2, int y2)
{
    bewegenZu(z, x1, y1);
    linieZu(z, x2, y2);
}

void polylinie(Zeichenflaeche& z, std::span<const Punkt> punkte)
{
    // a closing run of repeated points draws nothing: each of them is an end point
    size_t n = punkte.size();
    while (n >= 2 && punkte[n - 1].x == punkte[n - 2].x && punkte[n - 1].y == punkte[n - 2].y)
        --n;
    if (n < 2)
        return;
    QPainter* m = mitStiftUndPinsel(z);
    if (!m || m->pen().style() == Qt::NoPen)
        return;
    std::vector<QPointF> q;
    q.reserve(n);
    for (size_t i = 0; i < n; ++i)
        q.emplace_back(punkte[i].x, punkte[i].y);
    if (duennerStift(z))
        q.back() = ohneEndpunkt(punkte[n - 2], punkte[n - 1]);
    m->drawPolyline(q.data(), static_cast<int>(q.size()));
}

void polygon(Zeichenflaeche& z, std::span<const Punkt> punkte)
{
    if (punkte.size() < 2)
        return;
    QPainter* m = mitStiftUndPinsel(z);
    if (!m)
        return;
    std::vector<QPoint> q;
    q.reserve(punkte.size());
    for (const Punkt& p : punkte)
        q.emplace_back(p.x, p.y);
    m->drawPolygon(q.data(), static_cast<int>(q.size()), Qt::OddEvenFill);
}

void rechteck(Zeichenflaeche& z, const Rechteck& roh)
{
    const Rechteck r = geordnet(roh);
    if (r.breite() < 1 || r.hoehe() < 1)
        return;
    QPainter* m = mitStiftUndPinsel(z);
    if (!m)
        return;
    // The outline runs through the last pixel inside; without a pen the brush alone
    // leaves that pixel row and column blank.
    m->drawRect(figur(z, r));
}

void rechteckFuellen(Zeichenflaeche& z, const Rechteck& roh, Farbe f)
{
    const Rechteck r = geordnet(roh);
    if (f == KeineFarbe || r.breite() < 1 || r.hoehe() < 1)
        return;
    if (QPainter* m = qt::malerVon(z))
        m->fillRect(QRect(r.links, r.oben, r.breite(), r.hoehe()), qt::farbe(f));
}

void ellipse(Zeichenflaeche& z, const Rechteck& roh)
{
    const Rechteck r = geordnet(roh);
    if (r.breite() < 1 || r.hoehe() < 1)
        return;
    if (QPainter* m = mitStiftUndPinsel(z))
        m->drawEllipse(figur(z, r));
}

void bogen(Zeichenflaeche& z, const Rechteck& roh, Punkt anfang, Punkt ende)
{
    const Rechteck r = geordnet(roh);
    if (r.breite() < 1 || r.hoehe() < 1)
        return;
    QPainter* m = mitStiftUndPinsel(z);
    if (!m || m->pen().style() == Qt::NoPen)
        return;
    const QRectF f = figur(z, r);
    const double von = winkel(f, anfang);
    double bis = winkel(f, ende) - von;
    while (bis <= 0.0)                     // counter-clockwise; the same ray twice: all round
        bis += 360.0;
    QPainterPath weg;
    weg.arcMoveTo(f, von);
    weg.arcTo(f, von, bis);
    m->setBrush(Qt::NoBrush);
    m->drawPath(weg);
}

// ---- text ------------------------------------------------------------------------------

void text(Zeichenflaeche& z, int x, int y, std::string_view t)
{
    QPainter* m = qt::malerVon(z);
    if (!m)
        return;
    const QString s = qt::text(std::string(t));
    const QFontMetrics mass = schriftMass(z);
    const int breite = mass.horizontalAdvance(s), hoehe = mass.height();
    int links = x, oben = y;
    const uint32_t h = z.ausrichtung & textAusrichtung::Mitte, v = z.ausrichtung & textAusrichtung::Grundlinie;
    if (h == textAusrichtung::Mitte)
        links = x - breite / 2;
    else if (h == textAusrichtung::Rechts)
        links = x - breite;
    if (v == textAusrichtung::Grundlinie)
        oben = y - mass.ascent();
    else if (v == textAusrichtung::Unten)
        oben = y - hoehe;
    if (!z.transparent)
        m->fillRect(QRect(links, oben, breite, hoehe), qt::farbe(z.hintergrund));
    m->setFont(z.schriftWert.schrift);
    m->setPen(qt::farbe(z.textFarbe));
    m->drawText(QPoint(links, oben + mass.ascent()), s);
}

TextAusmass textAusmass(Zeichenflaeche& z, std::string_view t)
{
    const QFontMetrics mass = schriftMass(z);
    return {mass.horizontalAdvance(qt::text(std::string(t))), mass.height()};
}

SchriftMasse schriftMasse(Zeichenflaeche& z)
{
    const QFontMetrics mass = schriftMass(z);
    return {mass.height(), mass.ascent(), mass.descent(), mass.averageCharWidth()};
}

} // namespace plattform
