// files/lesen.cpp
#include "files/lesen.h"
#include "core/schluessel.h"
#include <climits>
#include <cmath>
#include <cstring>

char* zahlLesen(double& ziel, char* text, const char* schluessel)
{
    if (!text)
        return nullptr;
    double wert = 0.0;
    char* hinter = schluesselZahlLesen(&wert, text, schluessel);
    if (!hinter || !std::isfinite(wert))
        return nullptr;
    ziel = wert;
    return hinter;
}

char* zahlLesen(int& ziel, char* text, const char* schluessel)
{
    double wert = 0.0;
    char* hinter = zahlLesen(wert, text, schluessel);
    if (!hinter)
        return nullptr;
    const double gerundet = std::round(wert);
    if (gerundet < static_cast<double>(INT_MIN) || gerundet > static_cast<double>(INT_MAX))
        return nullptr;
    ziel = static_cast<int>(gerundet);
    return hinter;
}

char* zahlLesen(uint32_t& ziel, char* text, const char* schluessel)
{
    double wert = 0.0;
    char* hinter = zahlLesen(wert, text, schluessel);
    if (!hinter)
        return nullptr;
    const double gerundet = std::round(wert);
    if (gerundet < 0.0 || gerundet > 4294967295.0)
        return nullptr;
    ziel = static_cast<uint32_t>(gerundet);
    return hinter;
}

Abschnitt::Abschnitt(char* von, const char* endMarke, bool dahinter)
{
    if (!von || !endMarke)
        return;
    char* p = std::strstr(von, endMarke);
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
