// files/xbuffer.cpp
#include "files/xbuffer.h"
#include <charconv>
#include <cmath>
#include <cstdarg>
#include <cstdint>
#include <cstring>
#include <cwchar>
#include <string_view>

XBuffer* textZeiger = nullptr;

namespace {

// One conversion of a printf format: "%" flags width .precision length conversion.
struct Angabe {
    std::string_view text;        // the whole conversion, "%" included
    bool schlicht = true;         // no flags and no width: the fast forms may take it
    bool breiteStern = false, genauigkeitStern = false;
    int genauigkeit = -1;         // -1: none given
    char laenge = 0;              // 'H' hh, 'h', 'l', 'q' ll, 'L', 'z', 'j', 't'
    char art = 0;
};

// The conversion at p (just behind the '%'); p then stands behind it. art 0: the format
// ended inside it.
Angabe angabeLesen(const char*& p, const char* prozent)
{
    Angabe a;
    while (*p == '-' || *p == '+' || *p == ' ' || *p == '#' || *p == '0') {
        a.schlicht = false;
        ++p;
    }
    if (*p == '*') {
        a.breiteStern = true;
        a.schlicht = false;
        ++p;
    } else {
        while (*p >= '0' && *p <= '9') {
            a.schlicht = false;
            ++p;
        }
    }
    if (*p == '.') {
        ++p;
        if (*p == '*') {
            a.genauigkeitStern = true;
            ++p;
        } else {
            long g = 0;
            while (*p >= '0' && *p <= '9') {
                if (g < 100000)
                    g = g * 10 + (*p - '0');
                ++p;
            }
            a.genauigkeit = static_cast<int>(g);
        }
    }
    if (*p == 'h') {
        ++p;
        a.laenge = *p == 'h' ? (++p, 'H') : 'h';
    } else if (*p == 'l') {
        ++p;
        a.laenge = *p == 'l' ? (++p, 'q') : 'l';
    } else if (*p == 'L' || *p == 'z' || *p == 'j' || *p == 't') {
        a.laenge = *p++;
    }
    a.art = *p;
    if (*p)
        ++p;
    a.text = std::string_view(prozent, static_cast<size_t>(p - prozent));
    return a;
}

// Where formatted text goes: the buffer's text, with a CR put before each LF that has none
// when the buffer asks for file line ends.
struct Ausgabe {
    std::string& s;
    bool crLf;

    void zeilenende()
    {
        if (crLf && (s.empty() || s.back() != '\r'))
            s += '\r';
        s += '\n';
    }
    // text that may hold line ends
    void text(const char* p, size_t n)
    {
        if (!crLf) {
            s.append(p, n);
            return;
        }
        for (const char* ende = p + n; p < ende;) {
            const char* lf = static_cast<const char*>(std::memchr(p, '\n', static_cast<size_t>(ende - p)));
            if (!lf) {
                s.append(p, static_cast<size_t>(ende - p));
                return;
            }
            s.append(p, static_cast<size_t>(lf - p));
            zeilenende();
            p = lf + 1;
        }
    }
    void text(std::string_view t) { text(t.data(), t.size()); }
    // numbers hold no line end
    void zahl(const char* p, const char* ende) { s.append(p, static_cast<size_t>(ende - p)); }
};

// what printf makes of one conversion with its arguments
template <class... T>
void roh(Ausgabe& aus, const Angabe& a, T... werte)
{
    const std::string muster(a.text);
    char kurz[256];
    const int n = std::snprintf(kurz, sizeof kurz, muster.c_str(), werte...);
    if (n < 0)
        return;
    if (static_cast<size_t>(n) < sizeof kurz) {
        aus.text(kurz, static_cast<size_t>(n));
        return;
    }
    std::string lang(static_cast<size_t>(n) + 1, '\0');
    std::snprintf(lang.data(), lang.size(), muster.c_str(), werte...);
    aus.text(lang.data(), static_cast<size_t>(n));
}

// the same with the numbers its stars took
template <class T>
void mitPrintf(Ausgabe& aus, const Angabe& a, int breite, int genauigkeit, T wert)
{
    if (a.breiteStern && a.genauigkeitStern)
        roh(aus, a, breite, genauigkeit, wert);
    else if (a.breiteStern)
        roh(aus, a, breite, wert);
    else if (a.genauigkeitStern)
        roh(aus, a, genauigkeit, wert);
    else
        roh(aus, a, wert);
}

template <class T>
void ganzeZahl(Ausgabe& aus, T wert)
{
    char z[24];
    const auto [ende, fehler] = std::to_chars(z, z + sizeof z, wert);
    aus.zahl(z, ende);
}

// "%g", "%f" and "%e" with their precision as std::to_chars gives them: the same text as
// printf in the "C" locale, without its cost. Not finite, or digits beyond the buffer: printf.
void kommaZahl(Ausgabe& aus, const Angabe& a, double wert)
{
    const int genauigkeit = a.genauigkeit < 0 ? 6 : a.genauigkeit;
    if (std::isfinite(wert) && genauigkeit <= 100) {
        const std::chars_format form = a.art == 'f'   ? std::chars_format::fixed
                                       : a.art == 'e' ? std::chars_format::scientific
                                                      : std::chars_format::general;
        char z[512];
        const auto [ende, fehler] = std::to_chars(z, z + sizeof z, wert, form, genauigkeit);
        if (fehler == std::errc()) {
            aus.zahl(z, ende);
            return;
        }
    }
    roh(aus, a, wert);
}

// Appends the formatted text in one pass: the plain conversions the writers use ("%d",
// "%u", "%s", "%c", "%.15g", "%f", "%lf" ...) directly, every other one (flags, widths,
// stars, "%x", "%p" ...) through printf.
void formatieren(Ausgabe& aus, const char* format, va_list argumente)
{
    const size_t anfang = aus.s.size();
    const char* p = format;
    for (;;) {
        // the text up to the next conversion or line end
        const char* q = p;
        while (*q && *q != '%' && *q != '\n')
            ++q;
        aus.s.append(p, static_cast<size_t>(q - p));
        if (*q == '\0')
            return;
        if (*q == '\n') {
            aus.zeilenende();
            p = q + 1;
            continue;
        }
        const char* prozent = q;
        p = prozent + 1;
        if (*p == '%') {
            aus.s += '%';
            ++p;
            continue;
        }
        const Angabe a = angabeLesen(p, prozent);
        if (a.art == 0) {
            aus.text(std::string_view(prozent));   // the format ends inside its conversion
            return;
        }
        // the stars take their numbers first, as in printf
        const int breite = a.breiteStern ? va_arg(argumente, int) : 0;
        const int genauigkeit = a.genauigkeitStern ? va_arg(argumente, int) : a.genauigkeit;
        const bool schnell = a.schlicht && !a.breiteStern && !a.genauigkeitStern;
        const auto ganz = [&](auto wert) {
            if (schnell && a.genauigkeit < 0 && a.art != 'x' && a.art != 'X' && a.art != 'o')
                ganzeZahl(aus, wert);
            else
                mitPrintf(aus, a, breite, genauigkeit, wert);
        };
        switch (a.art) {
        case 'd':
        case 'i':
            switch (a.laenge) {
            case 'l': ganz(va_arg(argumente, long)); break;
            case 'q': ganz(va_arg(argumente, long long)); break;
            case 'z': ganz(va_arg(argumente, ptrdiff_t)); break;
            case 'j': ganz(va_arg(argumente, intmax_t)); break;
            case 't': ganz(va_arg(argumente, ptrdiff_t)); break;
            case 'h': ganz(static_cast<short>(va_arg(argumente, int))); break;
            case 'H': ganz(static_cast<signed char>(va_arg(argumente, int))); break;
            default: ganz(va_arg(argumente, int)); break;
            }
            break;
        case 'u':
        case 'x':
        case 'X':
        case 'o':
            switch (a.laenge) {
            case 'l': ganz(va_arg(argumente, unsigned long)); break;
            case 'q': ganz(va_arg(argumente, unsigned long long)); break;
            case 'z': ganz(va_arg(argumente, size_t)); break;
            case 'j': ganz(va_arg(argumente, uintmax_t)); break;
            case 't': ganz(va_arg(argumente, size_t)); break;
            case 'h': ganz(static_cast<unsigned short>(va_arg(argumente, unsigned))); break;
            case 'H': ganz(static_cast<unsigned char>(va_arg(argumente, unsigned))); break;
            default: ganz(va_arg(argumente, unsigned)); break;
            }
            break;
        case 'c':
            if (a.laenge == 'l') {
                mitPrintf(aus, a, breite, genauigkeit, va_arg(argumente, wint_t));
            } else if (const int c = va_arg(argumente, int); schnell) {
                const char z = static_cast<char>(c);
                aus.text(&z, 1);
            } else {
                mitPrintf(aus, a, breite, genauigkeit, c);
            }
            break;
        case 's':
            if (a.laenge == 'l') {
                mitPrintf(aus, a, breite, genauigkeit, va_arg(argumente, const wchar_t*));
            } else if (const char* t = va_arg(argumente, const char*); schnell && t && a.genauigkeit < 0) {
                aus.text(t, std::strlen(t));
            } else {
                mitPrintf(aus, a, breite, genauigkeit, t);
            }
            break;
        case 'f':
        case 'F':
        case 'e':
        case 'E':
        case 'g':
        case 'G':
        case 'a':
        case 'A':
            if (a.laenge == 'L') {
                mitPrintf(aus, a, breite, genauigkeit, va_arg(argumente, long double));
            } else if (const double x = va_arg(argumente, double);
                       schnell && (a.art == 'f' || a.art == 'e' || a.art == 'g')) {
                kommaZahl(aus, a, x);
            } else {
                mitPrintf(aus, a, breite, genauigkeit, x);
            }
            break;
        case 'p': mitPrintf(aus, a, breite, genauigkeit, va_arg(argumente, void*)); break;
        case 'n':
            if (int* zaehler = va_arg(argumente, int*))
                *zaehler = static_cast<int>(aus.s.size() - anfang);
            break;
        default:
            aus.text(a.text);           // no conversion printf knows: its text as it stands
            break;
        }
    }
}

} // namespace

void XBuffer::drucken(const char* format, ...)
{
    Ausgabe aus{inhalt, crLf};
    va_list argumente;
    va_start(argumente, format);
    formatieren(aus, format, argumente);
    va_end(argumente);
}

void XBuffer::anhaengen(std::string_view text)
{
    Ausgabe{inhalt, crLf}.text(text);
}

void XBuffer::ganzAnhaengen(long long wert)
{
    Ausgabe aus{inhalt, crLf};
    ganzeZahl(aus, wert);
}

void XBuffer::zahlAnhaengen(double wert)
{
    static constexpr Angabe g15{"%.15g", true, false, false, 15, 0, 'g'};
    Ausgabe aus{inhalt, crLf};
    kommaZahl(aus, g15, wert);
}

void XBuffer::sechsStellenAnhaengen(double wert)
{
    static constexpr Angabe f{"%f", true, false, false, -1, 0, 'f'};
    Ausgabe aus{inhalt, crLf};
    kommaZahl(aus, f, wert);
}

void XBuffer::zeilenende()
{
    Ausgabe{inhalt, crLf}.zeilenende();
}

void XBuffer::kuerzen(size_t ab)
{
    if (ab < inhalt.size())
        inhalt.resize(ab);
}

bool XBuffer::schreiben(std::FILE* datei, size_t ab) const
{
    if (!datei)
        return false;
    if (ab >= inhalt.size())
        return true;
    const size_t n = inhalt.size() - ab;
    return std::fwrite(inhalt.data() + ab, 1, n, datei) == n;
}

bool xbufferAbgeben(XBuffer& puffer, size_t ab, std::FILE* datei, int flush)
{
    if (!flush)
        return true;
    const bool gut = puffer.schreiben(datei, ab);
    puffer.kuerzen(ab);
    return gut;
}
