// files/bild.cpp - BMP pictures with their palette
#include "files/bild.h"

#include "platform/pfad.h"
#include "platform/zeichnen.h"

#include <climits>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <vector>

// Reads uncompressed BMP files (1, 4, 8, 24 and 32 bits per pixel): the pictures the
// neuron marks use. Every size and offset is checked against the file's length.
namespace {

uint32_t wort32(const std::vector<unsigned char>& d, size_t i)
{
    return d[i] | (d[i + 1] << 8) | (d[i + 2] << 16) | (static_cast<uint32_t>(d[i + 3]) << 24);
}
unsigned wort16(const std::vector<unsigned char>& d, size_t i) { return d[i] | (d[i + 1] << 8); }

constexpr int groessteKante = 16384;

bool dateiBytes(const std::string& pfad, std::vector<unsigned char>& d)
{
    std::FILE* f = plattform::dateiOeffnen(pfad, "rb");
    if (!f)
        return false;
    unsigned char puffer[4096];
    size_t n;
    while ((n = std::fread(puffer, 1, sizeof puffer, f)) > 0 && d.size() < (size_t(256) << 20))
        d.insert(d.end(), puffer, puffer + n);
    std::fclose(f);
    return true;
}

} // namespace

int bitmapMitPaletteLaden(const std::string& pfad, plattform::Bild* bild, Palette** palette)
{
    *bild = nullptr;
    *palette = nullptr;
    std::vector<unsigned char> d;
    if (!dateiBytes(pfad, d) || d.size() < 54 || d[0] != 'B' || d[1] != 'M')
        return 0;
    const uint32_t datenAnfang = wort32(d, 10);
    const uint32_t kopfGroesse = wort32(d, 14);
    const int32_t breite = static_cast<int32_t>(wort32(d, 18));
    const int32_t hoeheRoh = static_cast<int32_t>(wort32(d, 22));
    const unsigned ebenen = wort16(d, 26), bits = wort16(d, 28);
    const uint32_t kompression = wort32(d, 30);
    uint32_t farbAnzahl = wort32(d, 46);
    if (kopfGroesse < 40 || kopfGroesse > d.size() - 14 || ebenen != 1 || kompression != 0)
        return 0;
    if (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32)
        return 0;
    const bool vonOben = hoeheRoh < 0;
    const int64_t hoehe = vonOben ? -static_cast<int64_t>(hoeheRoh) : hoeheRoh;
    if (breite <= 0 || breite > groessteKante || hoehe <= 0 || hoehe > groessteKante)
        return 0;
    const size_t zeile = ((static_cast<size_t>(breite) * bits + 31) / 32) * 4;
    if (datenAnfang > d.size() || zeile * static_cast<size_t>(hoehe) > d.size() - datenAnfang)
        return 0;

    auto p = std::make_unique<Palette>();
    if (bits * ebenen > 8) {
        p->halbton = true;
    } else {
        const uint32_t hoechstens = 1u << bits;
        if (farbAnzahl == 0 || farbAnzahl > hoechstens)
            farbAnzahl = hoechstens;
        const size_t tabelle = 14 + kopfGroesse;
        if (tabelle + size_t(farbAnzahl) * 4 > datenAnfang)
            return 0;
        for (uint32_t i = 0; i < farbAnzahl; ++i) {
            p->eintraege[i].blau = d[tabelle + i * 4];
            p->eintraege[i].gruen = d[tabelle + i * 4 + 1];
            p->eintraege[i].rot = d[tabelle + i * 4 + 2];
        }
    }

    plattform::Bild b = plattform::bildErzeugen(breite, static_cast<int>(hoehe));
    if (!b)
        return 0;
    plattform::Zeichenflaeche& z = plattform::bildFlaeche(b);
    auto farbeBei = [&](const unsigned char* z0, int x) -> plattform::Farbe {
        if (bits >= 24) {
            const unsigned char* q = z0 + static_cast<size_t>(x) * (bits / 8);
            return plattform::rgbFarbe(q[2], q[1], q[0]);
        }
        const size_t bit = static_cast<size_t>(x) * bits;
        const unsigned index = (z0[bit / 8] >> (8 - bits - bit % 8)) & ((1u << bits) - 1);
        const PalettenEintrag& e = p->eintraege[index];
        return plattform::rgbFarbe(e.rot, e.gruen, e.blau);
    };
    for (int y = 0; y < hoehe; ++y) {
        const size_t quellZeile = vonOben ? y : hoehe - 1 - y;
        const unsigned char* z0 = d.data() + datenAnfang + quellZeile * zeile;
        // runs of one colour, so a plain picture costs a few calls
        int x = 0;
        while (x < breite) {
            const plattform::Farbe f = farbeBei(z0, x);
            int ende = x + 1;
            while (ende < breite && farbeBei(z0, ende) == f)
                ++ende;
            plattform::rechteckFuellen(z, {x, y, ende, y + 1}, f);
            x = ende;
        }
    }
    *bild = b;
    *palette = p.release();
    return 1;
}



