// platform/cursor_datei.cpp - the header of a .cur file
#include "platform/cursor_datei.h"
#include "platform/pfad.h"
#include <cstdio>

namespace plattform {

namespace {

constexpr size_t kopfGroesse = 6, eintragGroesse = 16;

uint32_t le16(std::string_view b, size_t o)
{
    return static_cast<uint8_t>(b[o]) | static_cast<uint32_t>(static_cast<uint8_t>(b[o + 1])) << 8;
}

uint32_t le32(std::string_view b, size_t o) { return le16(b, o) | le16(b, o + 2) << 16; }

} // namespace

bool cursorKopfLesen(std::string_view b, CursorKopf& kopf)
{
    if (b.size() < kopfGroesse)
        return false;
    const uint32_t reserviert = le16(b, 0), typ = le16(b, 2), anzahl = le16(b, 4);
    if (reserviert != 0 || typ != 2 || anzahl < 1)
        return false;
    // the sums in 64 bits: offsets and sizes come from the file and may be anything
    const uint64_t verzeichnisEnde = kopfGroesse + uint64_t{anzahl} * eintragGroesse;
    if (verzeichnisEnde > b.size())
        return false;
    const size_t e = kopfGroesse;
    const uint32_t groesse = le32(b, e + 8), versatz = le32(b, e + 12);
    if (groesse == 0 || versatz < verzeichnisEnde || uint64_t{versatz} + groesse > b.size())
        return false;

    kopf.bilder = static_cast<int>(anzahl);
    kopf.breite = b[e] ? static_cast<uint8_t>(b[e]) : 256;
    kopf.hoehe = b[e + 1] ? static_cast<uint8_t>(b[e + 1]) : 256;
    kopf.hotspotX = static_cast<int>(le16(b, e + 4));
    kopf.hotspotY = static_cast<int>(le16(b, e + 6));
    kopf.groesse = groesse;
    kopf.versatz = versatz;
    return true;
}

bool cursorDateiLesen(const std::string& pfad, std::string& bytes, CursorKopf& kopf)
{
    constexpr size_t groessteCursorDatei = 1 << 20;    // a cursor file is a few kB
    bytes.clear();
    std::FILE* d = dateiOeffnen(pfad, "rb");
    if (!d)
        return false;
    char puffer[4096];
    size_t n;
    while ((n = std::fread(puffer, 1, sizeof puffer, d)) > 0 && bytes.size() <= groessteCursorDatei)
        bytes.append(puffer, n);
    const bool gut = !std::ferror(d) && bytes.size() <= groessteCursorDatei;
    std::fclose(d);
    return gut && cursorKopfLesen(bytes, kopf);
}

} // namespace plattform
