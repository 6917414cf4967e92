// platform/zeichensatz.cpp - Windows-1252 <-> UTF-8
#include "platform/zeichensatz.h"
#include <algorithm>
#include <cstdint>

namespace plattform {

namespace {

// 0x80-0x9F of Windows-1252; 0 marks the five unassigned codes, which map to the
// control characters of the same number so that every byte survives the round trip
constexpr char16_t obereSteuerzone[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

void utf8Anhaengen(std::string& aus, uint32_t c)
{
    if (c < 0x80) {
        aus += static_cast<char>(c);
    } else if (c < 0x800) {
        aus += static_cast<char>(0xC0 | (c >> 6));
        aus += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        aus += static_cast<char>(0xE0 | (c >> 12));
        aus += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        aus += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// Decodes one UTF-8 character at i; false for an invalid or overlong sequence.
bool utf8Lesen(std::string_view t, size_t& i, uint32_t& c)
{
    const auto b = static_cast<unsigned char>(t[i]);
    int folge;
    if (b < 0x80) { c = b; ++i; return true; }
    if (b >= 0xC2 && b <= 0xDF) { c = b & 0x1F; folge = 1; }
    else if (b >= 0xE0 && b <= 0xEF) { c = b & 0x0F; folge = 2; }
    else if (b >= 0xF0 && b <= 0xF4) { c = b & 0x07; folge = 3; }
    else return false;
    if (i + folge >= t.size())
        return false;
    for (int k = 1; k <= folge; ++k) {
        const auto f = static_cast<unsigned char>(t[i + k]);
        if ((f & 0xC0) != 0x80)
            return false;
        c = (c << 6) | (f & 0x3F);
    }
    if ((folge == 2 && c < 0x800) || (folge == 3 && (c < 0x10000 || c > 0x10FFFF)) ||
        (c >= 0xD800 && c <= 0xDFFF))
        return false;
    i += folge + 1;
    return true;
}

int cp1252Zeichen(uint32_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<int>(c);
    if (c >= 0x80 && c < 0xA0 && obereSteuerzone[c - 0x80] == 0)
        return static_cast<int>(c);
    for (int k = 0; k < 32; ++k)
        if (obereSteuerzone[k] != 0 && obereSteuerzone[k] == c)
            return 0x80 + k;
    return -1;
}

} // namespace

std::string nachUtf8(std::string_view cp1252)
{
    std::string aus;
    aus.reserve(cp1252.size() + cp1252.size() / 8);
    for (char z : cp1252) {
        const auto b = static_cast<unsigned char>(z);
        uint32_t c = b;
        if (b >= 0x80 && b < 0xA0)
            c = obereSteuerzone[b - 0x80] ? obereSteuerzone[b - 0x80] : b;
        utf8Anhaengen(aus, c);
    }
    return aus;
}

bool nachCp1252(std::string_view utf8, std::string& ziel)
{
    ziel.clear();
    ziel.reserve(utf8.size());
    bool vollstaendig = true;
    for (size_t i = 0; i < utf8.size();) {
        uint32_t c;
        if (!utf8Lesen(utf8, i, c)) {
            ziel += '?';
            ++i;
            vollstaendig = false;
            continue;
        }
        const int z = cp1252Zeichen(c);
        if (z < 0) {
            ziel += '?';
            vollstaendig = false;
        } else {
            ziel += static_cast<char>(z);
        }
    }
    return vollstaendig;
}

std::string nachCp1252(std::string_view utf8)
{
    std::string aus;
    nachCp1252(utf8, aus);
    return aus;
}

bool istGueltigesUtf8(std::string_view text)
{
    for (size_t i = 0; i < text.size();) {
        uint32_t c;
        if (!utf8Lesen(text, i, c))
            return false;
    }
    return true;
}

unsigned char cp1252Falten(unsigned char c)
{
    if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7))
        return static_cast<unsigned char>(c + 32);
    switch (c) {
    case 0x8A: return 0x9A;
    case 0x8C: return 0x9C;
    case 0x8E: return 0x9E;
    case 0x9F: return 0xFF;
    default: return c;
    }
}

int cp1252Vergleichen(std::string_view a, std::string_view b)
{
    const size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
        const int x = cp1252Falten(static_cast<unsigned char>(a[i]));
        const int y = cp1252Falten(static_cast<unsigned char>(b[i]));
        if (x != y)
            return x - y;
    }
    return a.size() < b.size() ? -1 : (a.size() > b.size() ? 1 : 0);
}

std::string zeilenendenLf(std::string_view text)
{
    std::string aus;
    aus.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') {
            aus += '\n';
            if (i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
        } else {
            aus += text[i];
        }
    }
    return aus;
}

bool geladenenTextAngleichen(std::string& text)
{
    bool nichtAscii = false;
    for (char z : text)
        if (static_cast<unsigned char>(z) >= 0x80) {
            nichtAscii = true;
            break;
        }
    if (!nichtAscii || !istGueltigesUtf8(text))
        return false;
    text = nachCp1252(text);
    return true;
}

} // namespace plattform
