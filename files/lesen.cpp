// files/lesen.cpp
#include "files/lesen.h"
#include "core/schluessel.h"
#include <climits>
#include <cmath>
#include <cstring>
#include <string_view>

namespace {

// the number behind a key found: finite, and for whole numbers within their type
bool wertNehmen(double& ziel, double wert)
{
    if (!std::isfinite(wert))
        return false;
    ziel = wert;
    return true;
}
bool wertNehmen(int& ziel, double wert)
{
    const double gerundet = std::round(wert);
    if (!std::isfinite(wert) || gerundet < static_cast<double>(INT_MIN) || gerundet > static_cast<double>(INT_MAX))
        return false;
    ziel = static_cast<int>(gerundet);
    return true;
}
bool wertNehmen(uint32_t& ziel, double wert)
{
    const double gerundet = std::round(wert);
    if (!std::isfinite(wert) || gerundet < 0.0 || gerundet > 4294967295.0)
        return false;
    ziel = static_cast<uint32_t>(gerundet);
    return true;
}

template <class T>
char* suchenUndNehmen(T& ziel, char* text, const char* schluessel)
{
    if (!text)
        return nullptr;
    double wert = 0.0;
    char* hinter = schluesselZahlLesen(&wert, text, schluessel);
    return hinter && wertNehmen(ziel, wert) ? hinter : nullptr;
}

template <class T>
char* nehmen(T& ziel, char* stelle, size_t schluesselLaenge)
{
    if (!stelle)
        return nullptr;
    char* hinter = stelle + schluesselLaenge;
    return wertNehmen(ziel, kommaZahlLesen(hinter)) ? hinter : nullptr;
}

} // namespace

char* zahlLesen(double& ziel, char* text, const char* schluessel) { return suchenUndNehmen(ziel, text, schluessel); }
char* zahlLesen(int& ziel, char* text, const char* schluessel) { return suchenUndNehmen(ziel, text, schluessel); }
char* zahlLesen(uint32_t& ziel, char* text, const char* schluessel) { return suchenUndNehmen(ziel, text, schluessel); }
char* zahlAnStelle(double& ziel, char* stelle, size_t n) { return nehmen(ziel, stelle, n); }
char* zahlAnStelle(int& ziel, char* stelle, size_t n) { return nehmen(ziel, stelle, n); }
char* zahlAnStelle(uint32_t& ziel, char* stelle, size_t n) { return nehmen(ziel, stelle, n); }

char* textSuchen(char* von, const char* was)
{
    if (!von || !was)
        return nullptr;
    const std::string_view w(was);
    if (w.empty())
        return von;
    size_t ab = 0;   // the places before it are tried
    for (size_t stueck = 4096;; stueck *= 2) {
        const size_t n = strnlen(von, stueck);
        const size_t i = std::string_view(von, n).find(w, ab);
        if (i != std::string_view::npos)
            return von + i;
        if (n < stueck)
            return nullptr;            // the text ended
        ab = n >= w.size() ? n - w.size() + 1 : 0;
    }
}

Abschnitt::Abschnitt(char* von, const char* endMarke, bool dahinter)
{
    if (!von || !endMarke)
        return;
    char* p = textSuchen(von, endMarke);
    if (!p)
        return;
    stelle = dahinter ? p + std::strlen(endMarke) : p;
    gespeichert = *stelle;
    *stelle = '\0';
}

Abschnitt::~Abschnitt()
{
    if (stelle)
        *stelle = gespeichert;
}
