// platform/test/bild.cpp - images, window paints with a recording surface, snapshots, files
#include "platform/bmp.h"
#include "platform/pfad.h"
#include "platform/test/zeichenflaeche.h"
#include "platform/test/zustand.h"
#include <algorithm>

namespace plattform {
using namespace test::intern;

namespace {

// a diagram snapshot of a large screen fits easily; anything beyond is a wrong size
constexpr int bildSeiteMax = 32767;
constexpr int64_t bildPixelMax = int64_t{1} << 26;

BildObjekt* bildOderFehler(Bild b, const char* wer)
{
    if (!b)
        fehler(std::string(wer) + ": no image");
    return b;
}

} // namespace

namespace test::intern {

void zeichnenZustellen(FensterObjekt* f, bool gepostet)
{
    ungueltigSetzen(*f, false);
    Zeichenflaeche z;
    Rechteck c = clientRechteck(f);
    z.breite = c.breite();
    z.hoehe = c.hoehe();
    const Rechteck bereich = f->ungueltigBereich;
    zustellen(f, nachricht::Zeichnen, 0, reinterpret_cast<intptr_t>(&z), gepostet);
    if (lesbar(f)) {   // the procedure may have destroyed its window while painting
        f->letzteZeichnung = std::move(z.aufrufe);
        f->letzterZeichenBereich = bereich;
    }
}

} // namespace test::intern

Bild bildErzeugen(int breite, int hoehe, Farbe hintergrund)
{
    if (breite <= 0 || hoehe <= 0 || breite > bildSeiteMax || hoehe > bildSeiteMax ||
        int64_t{breite} * hoehe > bildPixelMax)
        return nullptr;
    auto* b = new BildObjekt;
    b->breite = breite;
    b->hoehe = hoehe;
    b->pixel.assign(static_cast<size_t>(breite) * hoehe, hintergrund == KeineFarbe ? 0xFFFFFF : hintergrund & 0xFFFFFF);
    b->flaeche.breite = breite;
    b->flaeche.hoehe = hoehe;
    b->flaeche.bild = b;
    return b;
}

void bildLoeschen(Bild b) { delete b; }

Zeichenflaeche& bildFlaeche(Bild b)
{
    BildObjekt* o = bildOderFehler(b, "bildFlaeche");
    return o ? o->flaeche : ersatzFlaeche();
}

int bildBreite(Bild b) { return b ? b->breite : 0; }
int bildHoehe(Bild b) { return b ? b->hoehe : 0; }

Farbe bildPixel(Bild b, int x, int y)
{
    if (!b || x < 0 || y < 0 || x >= b->breite || y >= b->hoehe)
        return KeineFarbe;
    return b->pixel[static_cast<size_t>(y) * b->breite + x];
}

// The image starts in the class's background colour, as the window would be erased.
Bild fensterAbbild(Fenster f)
{
    if (!aufGui("fensterAbbild"))
        return nullptr;
    FensterObjekt* o = lebend(f);
    if (!o || !zeigtSich(*o))
        return nullptr;
    Zustand& z = zustand();
    auto k = z.klassen.find(o->klasse);
    Farbe hintergrund = k != z.klassen.end() ? k->second.hintergrund : 0xFFFFFF;
    Rechteck c = clientRechteck(f);
    Bild b = bildErzeugen(c.breite(), c.hoehe(), hintergrund);
    if (b)
        zustellen(o, nachricht::Zeichnen, 0, reinterpret_cast<intptr_t>(&b->flaeche), false);
    return b;
}

void bildZeichnen(Zeichenflaeche& z, Bild b, int x, int y)
{
    if (!bildOderFehler(b, "bildZeichnen"))
        return;
    const Punkt p{x, y};
    test::ZeichenAufruf a{test::ZeichenArt::BildZeichnen, {p}, {x, y, x + b->breite, y + b->hoehe},
                          KeineFarbe, {}, b, z.zustand};
    z.aufrufe.push_back(std::move(a));
    if (!z.bild || z.bild == b)
        return;
    // pixel by pixel, so the clipping of the target counts as in pixelFuellen
    for (int sy = 0; sy < b->hoehe; ++sy)
        for (int sx = 0; sx < b->breite; ++sx)
            pixelFuellen(*z.bild, z.zustand, {x + sx, y + sy, x + sx + 1, y + sy + 1},
                         b->pixel[static_cast<size_t>(sy) * b->breite + sx]);
}

// Real PNG files are the Qt side's; here the request is only recorded.
bool bildAlsPng(Bild b, const std::string& pfad)
{
    if (!bildOderFehler(b, "bildAlsPng"))
        return false;
    zustand().pngs.push_back({pfad, b->breite, b->hoehe, b->flaeche.aufrufe});
    return true;
}

bool bildAlsBmp(Bild b, const std::string& pfad)
{
    if (!bildOderFehler(b, "bildAlsBmp"))
        return false;
    const std::string bytes = bmp24Bytes(b->breite, b->hoehe, b->pixel.data());
    return !bytes.empty() && dateiSicherSchreiben(pfad, bytes);
}

namespace test {

const std::vector<ZeichenAufruf>& letzteZeichnung(Fenster f)
{
    static const std::vector<ZeichenAufruf> keine;
    FensterObjekt* o = lesbar(f);
    return o ? o->letzteZeichnung : keine;
}

Rechteck letzterZeichenBereich(Fenster f)
{
    FensterObjekt* o = lesbar(f);
    return o ? o->letzterZeichenBereich : Rechteck{};
}

const std::vector<PngEintrag>& pngLog() { return zustand().pngs; }

} // namespace test
} // namespace plattform
