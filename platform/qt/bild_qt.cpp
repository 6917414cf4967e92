// platform/qt/bild_qt.cpp - off-screen images, snapshots of windows, PNG and BMP files
//
// An image keeps its surface for its whole life. The surface opens a painter on the first
// drawing call and keeps it open; whatever reads the pixels ends it first, so the pixels
// read are the ones drawn.
#include "platform/bmp.h"
#include "platform/pfad.h"
#include "platform/qt/qtfenster.h"
#include "platform/qt/zeichenflaeche.h"
#include <QBuffer>
#include <cmath>
#include <memory>
#include <vector>

namespace plattform {

struct BildObjekt {
    QImage bild;
    Zeichenflaeche flaeche;
};

namespace {

// 32767 a side and 256 M pixels (1 GB) at most: what a diagram can sensibly need
constexpr int groessteSeite = 32767;
constexpr int64_t groesstePixelzahl = int64_t{1} << 28;
constexpr int bildDpi = 96;

QImage& gelesen(Bild b)
{
    qt::eigenenMalerBeenden(b->flaeche);
    return b->bild;
}

Farbe ausQRgb(QRgb p) { return rgbFarbe(qRed(p), qGreen(p), qBlue(p)); }

} // namespace

Bild bildErzeugen(int breite, int hoehe, Farbe hintergrund)
{
    if (breite < 1 || hoehe < 1 || breite > groessteSeite || hoehe > groessteSeite ||
        int64_t{breite} * hoehe > groesstePixelzahl)
        return nullptr;
    auto b = std::make_unique<BildObjekt>();
    b->bild = QImage(breite, hoehe, QImage::Format_RGB32);
    if (b->bild.isNull())                  // no memory for it
        return nullptr;
    b->bild.setDotsPerMeterX(static_cast<int>(std::lround(bildDpi / 0.0254)));
    b->bild.setDotsPerMeterY(static_cast<int>(std::lround(bildDpi / 0.0254)));
    b->bild.fill(qt::farbe(hintergrund == KeineFarbe ? 0xFFFFFF : hintergrund));
    qt::flaecheEinrichten(b->flaeche, nullptr, &b->bild, breite, hoehe);
    b->flaeche.bild = &b->bild;
    return b.release();
}

void bildLoeschen(Bild b)
{
    if (!b)
        return;
    qt::eigenenMalerBeenden(b->flaeche);
    delete b;
}

Zeichenflaeche& bildFlaeche(Bild b) { return b->flaeche; }
int bildBreite(Bild b) { return b ? b->bild.width() : 0; }
int bildHoehe(Bild b) { return b ? b->bild.height() : 0; }

Farbe bildPixel(Bild b, int x, int y)
{
    if (!b || x < 0 || y < 0 || x >= b->bild.width() || y >= b->bild.height())
        return KeineFarbe;
    return ausQRgb(gelesen(b).pixel(x, y));
}

Bild fensterAbbild(Fenster f)
{
    if (!istFenster(f) || !istSichtbar(f))
        return nullptr;
    const QSize g = qt::klientGroesse(f);
    Bild b = bildErzeugen(std::max(1, g.width()), std::max(1, g.height()),
                          f->hintergrund == KeineFarbe ? 0xFFFFFF : f->hintergrund);
    if (!b)
        return nullptr;
    // the surface as a paint message brings it: the whole client area is to be painted
    b->flaeche.bereich = {0, 0, g.width(), g.height()};
    senden(f, nachricht::Zeichnen, 0, reinterpret_cast<intptr_t>(&b->flaeche));
    qt::eigenenMalerBeenden(b->flaeche);
    return b;
}

void bildZeichnen(Zeichenflaeche& z, Bild b, int x, int y)
{
    if (!b || &z == &b->flaeche)           // an image onto itself: nothing to do
        return;
    const QImage& quelle = gelesen(b);
    if (QPainter* m = qt::malerVon(z))
        m->drawImage(x, y, quelle);
}

bool bildAlsPng(Bild b, const std::string& pfad)
{
    if (!b)
        return false;
    QByteArray bytes;
    QBuffer puffer(&bytes);
    puffer.open(QIODevice::WriteOnly);
    if (!gelesen(b).save(&puffer, "PNG"))
        return false;
    return dateiSicherSchreiben(pfad, std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
}

bool bildAlsBmp(Bild b, const std::string& pfad)
{
    if (!b)
        return false;
    const QImage& q = gelesen(b);
    std::vector<uint32_t> pixel;
    pixel.reserve(static_cast<size_t>(q.width()) * static_cast<size_t>(q.height()));
    for (int y = 0; y < q.height(); ++y) {
        const auto* zeile = reinterpret_cast<const QRgb*>(q.constScanLine(y));
        for (int x = 0; x < q.width(); ++x)
            pixel.push_back(ausQRgb(zeile[x]));
    }
    const std::string bytes = bmp24Bytes(q.width(), q.height(), pixel.data());
    return !bytes.empty() && dateiSicherSchreiben(pfad, bytes);
}

} // namespace plattform
