// core/schluessel.cpp - the key=value readers every file reader uses
#include "core/schluessel.h"
#include "platform/box.h"
#include "texts/texte.h"
#include <algorithm>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <locale.h>
#include <vector>

namespace {

bool zeilenende(char c) { return c == '\0' || c == '\r' || c == '\n'; }
bool leer(char c) { return c == ' ' || c == '\t'; }

// bytes below 14 end a line (TAB excepted); compared unsigned, so no Windows-1252 letter counts
bool steuerzeichen(char c)
{
    const unsigned char u = static_cast<unsigned char>(c);
    return u < 14 && u != '\t';
}

char* zeilenEndeSuchen(char* p)
{
    while (!zeilenende(*p))
        ++p;
    return p;
}

// The decimal comma: a line (from p on) without a point gets its first comma turned into one.
void kommaZuPunkt(char* p, const char* ende)
{
    const size_t n = static_cast<size_t>(ende - p);
    if (std::memchr(p, '.', n) != nullptr)
        return;
    if (char* komma = static_cast<char*>(std::memchr(p, ',', n)))
        *komma = '.';
}

// Numbers are written with a point whatever the user's locale says.
locale_t cLocale()
{
    static locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(0));
    return c;
}

// The position just behind a key at a line start, or null.
const char* schluesselSuchen(const char* text, const char* schluessel)
{
    if (text == nullptr || schluessel == nullptr || *schluessel == '\0')
        return nullptr;
    const size_t n = std::strlen(schluessel);
    for (const char* p = std::strstr(text, schluessel); p != nullptr; p = std::strstr(p + 1, schluessel))
        if (p == text || static_cast<unsigned char>(p[-1]) < 14)
            return p + n;
    return nullptr;
}

// The value's start behind a key at a line start (the blanks between skipped), or null.
const char* wertSuchen(const char* text, const char* schluessel)
{
    const char* p = schluesselSuchen(text, schluessel);
    while (p != nullptr && leer(*p))
        ++p;
    return p;
}

size_t zeilenLaenge(const char* p)
{
    size_t n = 0;
    while (!zeilenende(p[n]))
        ++n;
    return n;
}

// the length of a copy once a "//" and the blanks before it are cut off
size_t ohneKommentar(const char* p, size_t n)
{
    const char* kommentar = nullptr;
    for (size_t i = 0; i + 1 < n; ++i) {
        if (p[i] == '/' && p[i + 1] == '/') {
            kommentar = p + i;
            break;
        }
    }
    if (kommentar == nullptr)
        return n;
    size_t k = static_cast<size_t>(kommentar - p);
    while (k > 0 && leer(p[k - 1]))
        --k;
    return k;
}

// ---- zeileLesen: one read position per text ---------------------------------------

// A text is known by its address and its first bytes: a file loaded into a buffer that
// an earlier, freed one occupied must not inherit that one's position or end state.
constexpr size_t kennungLaenge = 64;

struct LeseStand {
    const char* text;
    char kennung[kennungLaenge];
    size_t kennungBytes;
    size_t position;
    bool amEnde;        // the last line was given: the next call says null
};

// A few texts are read side by side at most; the oldest is forgotten first.
constexpr size_t maxLeseStaende = 16;
std::vector<LeseStand> leseStaende;

// A decimal comma turned into a point by a caller leaves the text the same text.
char kennzeichen(char c) { return c == ',' ? '.' : c; }

LeseStand neuerStand(const char* text)
{
    LeseStand s{text, {}, 0, 0, false};
    while (s.kennungBytes < kennungLaenge && text[s.kennungBytes] != '\0') {
        s.kennung[s.kennungBytes] = kennzeichen(text[s.kennungBytes]);
        ++s.kennungBytes;
    }
    return s;
}

bool gleicherText(const LeseStand& s, const char* text)
{
    for (size_t i = 0; i < s.kennungBytes; ++i)
        if (text[i] == '\0' || kennzeichen(text[i]) != s.kennung[i])
            return false;
    // a shorter text ended inside the first bytes; the new one must end there too
    return s.kennungBytes == kennungLaenge || text[s.kennungBytes] == '\0';
}

LeseStand* standSuchen(const char* text)
{
    for (LeseStand& s : leseStaende)
        if (s.text == text)
            return &s;
    return nullptr;
}

void standVergessen(const char* text)
{
    std::erase_if(leseStaende, [text](const LeseStand& s) { return s.text == text; });
}

void zuLangeZeileMelden(int max, const char* kopie)
{
    meldungFormatieren(344, max - 1, kopie);
    plattform::hinweisBox(meldungsPuffer);
}

} // namespace

char* schluesselZahlLesen(double* aus, char* text, const char* schluessel)
{
    if (text == nullptr || schluessel == nullptr || *schluessel == '\0')
        return nullptr;
    char* p = std::strstr(text, schluessel);
    if (p == nullptr)
        return nullptr;
    p += std::strlen(schluessel);
    const double wert = kommaZahlLesen(p);
    if (aus != nullptr)
        *aus = wert;
    return p;
}

const char* schluesselTextLesen(char* aus, int max, const char* text, const char* schluessel)
{
    const char* wert = wertSuchen(text, schluessel);
    if (wert == nullptr || aus == nullptr || max < 1)
        return wert;
    const size_t n = std::min(zeilenLaenge(wert), static_cast<size_t>(max - 1));
    std::memcpy(aus, wert, n);
    aus[ohneKommentar(aus, n)] = '\0';
    return wert + n;
}

const char* schluesselTextLesen(std::string& aus, int max, const char* text, const char* schluessel)
{
    const char* wert = wertSuchen(text, schluessel);
    if (wert == nullptr || max == 0)
        return wert;
    size_t n = zeilenLaenge(wert);
    if (max > 0)
        n = std::min(n, static_cast<size_t>(max - 1));
    aus.assign(wert, ohneKommentar(wert, n));
    return wert + n;
}

const char* schluesselZeileLesen(std::string& aus, int max, const char* text, const char* schluessel)
{
    const char* wert = schluesselSuchen(text, schluessel);
    if (wert == nullptr || max < 1)
        return wert;
    const size_t n = std::min(zeilenLaenge(wert), static_cast<size_t>(max - 1));
    aus.assign(wert, n);
    return wert + n;
}

char* zeileLesen(char* text, char* aus, int max)
{
    const bool kopieren = aus != nullptr && max >= 1;
    if (kopieren)
        aus[0] = '\0';
    if (text == nullptr) {
        leseStaende.clear();
        return nullptr;
    }
    if (aus == nullptr && max == 0) {
        standVergessen(text);
        return nullptr;
    }

    LeseStand* stand = standSuchen(text);
    if (stand != nullptr && !gleicherText(*stand, text)) {
        *stand = neuerStand(text);
    } else if (stand == nullptr) {
        if (leseStaende.size() >= maxLeseStaende)
            leseStaende.erase(leseStaende.begin());
        leseStaende.push_back(neuerStand(text));
        stand = &leseStaende.back();
    }
    if (stand->amEnde) {
        standVergessen(text);
        return nullptr;
    }

    char* p = text + stand->position;
    while (*p == '\r' || *p == '\n')
        ++p;
    if (*p == '\0') {
        standVergessen(text);
        return nullptr;
    }

    char* ende = p;
    while (*ende != '\0' && !steuerzeichen(*ende))
        ++ende;
    const size_t inhalt = ohneKommentar(p, static_cast<size_t>(ende - p));
    if (kopieren) {
        const size_t n = std::min(inhalt, static_cast<size_t>(max - 1));
        std::memcpy(aus, p, n);
        aus[n] = '\0';
        // the cut line is reported once; the next call goes on behind its end
        if (inhalt > n)
            zuLangeZeileMelden(max, aus);
    }

    // A control character other than a line end would stop every later call at the same
    // place: it is stepped over with the line.
    if (*ende != '\0' && *ende != '\r' && *ende != '\n')
        ++ende;
    stand->position = static_cast<size_t>(ende - text);
    stand->amEnde = *ende == '\0';
    return ende;
}

double kommaZahlLesen(char* text)
{
    if (text == nullptr)
        return 0.0;
    char* ende = zeilenEndeSuchen(text);
    kommaZuPunkt(text, ende);
    const char* p = text;
    while (p < ende && (leer(*p) || *p == '\v' || *p == '\f'))
        ++p;
    if (p == ende)
        return 0.0;     // an empty value never takes the number of the next line
    return strtod_l(p, nullptr, cLocale());
}

int kommaGanzzahlLesen(char* text)
{
    if (text == nullptr)
        return 0;
    char* ende = zeilenEndeSuchen(text);
    kommaZuPunkt(text, ende);
    const char* p = text;
    while (p < ende && (leer(*p) || *p == '\v' || *p == '\f'))
        ++p;
    bool negativ = false;
    if (p < ende && (*p == '+' || *p == '-'))
        negativ = *p++ == '-';
    long long wert = 0;
    for (; p < ende && *p >= '0' && *p <= '9'; ++p) {
        wert = wert * 10 + (*p - '0');
        if (wert > static_cast<long long>(INT_MAX) + 1)
            wert = static_cast<long long>(INT_MAX) + 1;   // atoi would overflow here
    }
    if (negativ)
        wert = -wert;
    return static_cast<int>(std::clamp<long long>(wert, INT_MIN, INT_MAX));
}
