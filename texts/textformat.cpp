// texts/textformat.cpp - printf formatting that checks a text against its arguments
#include "texts/textformat.h"
#include <cstdio>
#include <cstdlib>

namespace {

constexpr int groessteBreite = 1000;

enum class Laenge { Keine, hh, h, Lang, LangDouble };

// One conversion as the text wrote it, with '*' already resolved.
struct Umwandlung {
    std::string flags;
    int breite = -1;          // -1: none
    int genauigkeit = -1;     // -1: none
    Laenge laenge = Laenge::Keine;
    char typ = 0;
};

bool istFlag(char c) { return c == '-' || c == '+' || c == ' ' || c == '#' || c == '0'; }
bool istZiffer(char c) { return c >= '0' && c <= '9'; }

// Reads digits at text[i]; false for more than groessteBreite or a positional "n$".
bool zahlLesen(std::string_view text, size_t& i, int& wert)
{
    wert = 0;
    while (i < text.size() && istZiffer(text[i])) {
        wert = wert * 10 + (text[i] - '0');
        if (wert > groessteBreite)
            return false;
        ++i;
    }
    return i >= text.size() || text[i] != '$';
}

std::string mitZahl(std::string s, int zahl)
{
    if (zahl >= 0)
        s += std::to_string(zahl);
    return s;
}

// "%" flags width .precision, ready for the length and type letters
std::string kopf(const Umwandlung& u)
{
    std::string s = mitZahl("%" + u.flags, u.breite);
    if (u.genauigkeit >= 0)
        s = mitZahl(s + ".", u.genauigkeit);
    return s;
}

template <class T>
void anhaengen(std::string& aus, const std::string& format, T wert)
{
    const int n = std::snprintf(nullptr, 0, format.c_str(), wert);
    if (n <= 0)
        return;
    const size_t alt = aus.size();
    aus.resize(alt + static_cast<size_t>(n) + 1);
    std::snprintf(aus.data() + alt, static_cast<size_t>(n) + 1, format.c_str(), wert);
    aus.resize(alt + static_cast<size_t>(n));
}

long long mitVorzeichen(const FormatArgument& a, Laenge l)
{
    switch (l) {
    case Laenge::hh: return static_cast<signed char>(a.ganz);
    case Laenge::h: return static_cast<short>(a.ganz);
    case Laenge::Keine: return a.breit ? a.ganz : static_cast<int>(a.ganz);
    default: return a.ganz;
    }
}

unsigned long long ohneVorzeichen(const FormatArgument& a, Laenge l)
{
    switch (l) {
    case Laenge::hh: return static_cast<unsigned char>(a.ganz);
    case Laenge::h: return static_cast<unsigned short>(a.ganz);
    case Laenge::Keine:
        return a.breit ? static_cast<unsigned long long>(a.ganz) : static_cast<unsigned int>(a.ganz);
    default: return static_cast<unsigned long long>(a.ganz);
    }
}

// Prints one checked conversion; false when the argument is of the wrong kind.
bool ausgeben(std::string& aus, const Umwandlung& u, const FormatArgument& a)
{
    using Art = FormatArgument::Art;
    const std::string k = kopf(u);
    switch (u.typ) {
    case 'd': case 'i':
        if (a.art != Art::Ganzzahl)
            return false;
        anhaengen(aus, k + "lld", mitVorzeichen(a, u.laenge));
        return true;
    case 'o': case 'u': case 'x': case 'X':
        if (a.art != Art::Ganzzahl)
            return false;
        anhaengen(aus, k + "ll" + u.typ, ohneVorzeichen(a, u.laenge));
        return true;
    case 'c':
        if (a.art != Art::Ganzzahl || u.laenge != Laenge::Keine)
            return false;
        anhaengen(aus, k + "c", static_cast<int>(static_cast<unsigned char>(a.ganz)));
        return true;
    case 'e': case 'E': case 'f': case 'F': case 'g': case 'G': case 'a': case 'A':
        if (a.art != Art::Real || u.laenge == Laenge::LangDouble)
            return false;
        anhaengen(aus, k + u.typ, a.real);
        return true;
    case 's': {
        if (a.art != Art::Text || u.laenge != Laenge::Keine)
            return false;
        const std::string t = a.nullText ? std::string("(null)") : std::string(a.text);
        anhaengen(aus, k + "s", t.c_str());
        return true;
    }
    case 'p':
        if (a.art != Art::Zeiger || u.laenge != Laenge::Keine)
            return false;
        anhaengen(aus, k + "p", a.zeiger);
        return true;
    default:
        return false;    // %n and everything printf would not know
    }
}

// Reads the conversion that starts behind the '%' at text[i]; a '*' takes the next
// argument (which must be a whole number). False for anything the program never formats.
bool umwandlungLesen(std::string_view text, size_t& i, std::span<const FormatArgument> arg,
                     size_t& naechstes, Umwandlung& u)
{
    while (i < text.size() && istFlag(text[i]))
        u.flags += text[i++];
    auto sternLesen = [&](int& wert) {
        if (naechstes >= arg.size() || arg[naechstes].art != FormatArgument::Art::Ganzzahl)
            return false;
        const long long w = arg[naechstes++].ganz;
        if (w > groessteBreite || w < -groessteBreite)
            return false;
        wert = static_cast<int>(w);
        return true;
    };
    if (i < text.size() && text[i] == '*') {
        ++i;
        if (!sternLesen(u.breite))
            return false;
        if (u.breite < 0) {           // a negative width means left-aligned, as in printf
            u.flags += '-';
            u.breite = -u.breite;
        }
    } else if (i < text.size() && istZiffer(text[i])) {
        if (!zahlLesen(text, i, u.breite))
            return false;
    }
    if (i < text.size() && text[i] == '.') {
        ++i;
        if (i < text.size() && text[i] == '*') {
            ++i;
            if (!sternLesen(u.genauigkeit))
                return false;
            if (u.genauigkeit < 0)
                u.genauigkeit = -1;   // a negative precision counts as none
        } else if (!zahlLesen(text, i, u.genauigkeit)) {
            return false;
        }
    }
    if (i < text.size()) {
        const char c = text[i];
        const char d = i + 1 < text.size() ? text[i + 1] : '\0';
        if (c == 'h' && d == 'h') { u.laenge = Laenge::hh; i += 2; }
        else if (c == 'l' && d == 'l') { u.laenge = Laenge::Lang; i += 2; }
        else if (c == 'h') { u.laenge = Laenge::h; ++i; }
        else if (c == 'l' || c == 'j' || c == 'z' || c == 't' || c == 'q') { u.laenge = Laenge::Lang; ++i; }
        else if (c == 'L') { u.laenge = Laenge::LangDouble; ++i; }
    }
    if (i >= text.size())
        return false;
    u.typ = text[i++];
    return true;
}

} // namespace

bool formatieren(std::string& ziel, std::string_view text, std::span<const FormatArgument> argumente)
{
    std::string aus;
    aus.reserve(text.size() + 32);
    size_t naechstes = 0;
    size_t i = 0;
    while (i < text.size()) {
        if (text[i] != '%') {
            aus += text[i++];
            continue;
        }
        ++i;
        if (i < text.size() && text[i] == '%') {
            aus += '%';
            ++i;
            continue;
        }
        Umwandlung u;
        if (!umwandlungLesen(text, i, argumente, naechstes, u))
            return false;
        if (naechstes >= argumente.size() || !ausgeben(aus, u, argumente[naechstes]))
            return false;
        ++naechstes;
    }
    ziel = std::move(aus);
    return true;
}

std::string sicherFormatieren(std::string_view text, std::string_view ersatz,
                              std::span<const FormatArgument> argumente)
{
    std::string aus;
    if (formatieren(aus, text, argumente) || formatieren(aus, ersatz, argumente))
        return aus;
    return std::string(text);
}

std::string umwandlungen(std::string_view text)
{
    std::string folge;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%')
            continue;
        ++i;
        if (i < text.size() && text[i] == '%')
            continue;
        while (i < text.size() && istFlag(text[i]))
            ++i;
        auto teil = [&]() {
            if (i < text.size() && text[i] == '*') {
                folge += '*';
                ++i;
            }
            while (i < text.size() && istZiffer(text[i]))
                ++i;
        };
        teil();
        if (i < text.size() && text[i] == '.') {
            ++i;
            teil();
        }
        while (i < text.size() && (text[i] == 'h' || text[i] == 'l' || text[i] == 'L' || text[i] == 'j' ||
                                   text[i] == 'z' || text[i] == 't' || text[i] == 'q'))
            ++i;
        if (i >= text.size())
            break;
        switch (text[i]) {
        case 'd': case 'i': case 'o': case 'u': case 'x': case 'X': case 'c': folge += 'd'; break;
        case 'e': case 'E': case 'f': case 'F': case 'g': case 'G': case 'a': case 'A': folge += 'f'; break;
        case 's': folge += 's'; break;
        case 'p': folge += 'p'; break;
        default: folge += '?'; break;
        }
    }
    return folge;
}
