// platform/bmp.cpp - the bytes of a 24-bit BMP file
#include "platform/bmp.h"

namespace plattform {

namespace {

void le16(std::string& s, uint32_t v)
{
    s += static_cast<char>(v & 0xFF);
    s += static_cast<char>((v >> 8) & 0xFF);
}

void le32(std::string& s, uint32_t v)
{
    le16(s, v & 0xFFFF);
    le16(s, v >> 16);
}

} // namespace

std::string bmp24Bytes(int breite, int hoehe, const uint32_t* pixel)
{
    if (breite <= 0 || hoehe <= 0 || !pixel)
        return {};
    const uint64_t zeile = (static_cast<uint64_t>(breite) * 3 + 3) & ~uint64_t{3};
    const uint64_t daten = zeile * static_cast<uint64_t>(hoehe);
    constexpr uint32_t kopf = 14 + 40;
    if (daten + kopf > 0x7FFFFFFF)
        return {};

    std::string s;
    s.reserve(kopf + daten);
    // file header
    s += "BM";
    le32(s, static_cast<uint32_t>(kopf + daten));
    le32(s, 0);
    le32(s, kopf);
    // info header: positive height = bottom-up rows
    le32(s, 40);
    le32(s, static_cast<uint32_t>(breite));
    le32(s, static_cast<uint32_t>(hoehe));
    le16(s, 1);                  // planes
    le16(s, 24);                 // bits per pixel
    le32(s, 0);                  // no compression
    le32(s, static_cast<uint32_t>(daten));
    le32(s, 3780);               // 96 dpi in pixels per metre
    le32(s, 3780);
    le32(s, 0);
    le32(s, 0);

    for (int y = hoehe - 1; y >= 0; --y) {
        const uint32_t* p = pixel + static_cast<size_t>(y) * breite;
        for (int x = 0; x < breite; ++x) {
            s += static_cast<char>((p[x] >> 16) & 0xFF);    // blue
            s += static_cast<char>((p[x] >> 8) & 0xFF);     // green
            s += static_cast<char>(p[x] & 0xFF);            // red
        }
        s.append(static_cast<size_t>(zeile - static_cast<uint64_t>(breite) * 3), '\0');
    }
    return s;
}

} // namespace plattform
