// model/skriptzeit.cpp
#include "model/skriptzeit.h"
#include "model/ergebnisdateien.h"
#include <cstdio>

char* datumFormatieren(const std::tm* zeit, char* puffer, int layout)
{
    const std::tm z = zeit ? *zeit : ortszeit();
    // two digits of every field, whatever the clock says
    const auto zwei = [](int w) { return ((w % 100) + 100) % 100; };
    const int jahr = zwei(z.tm_year + 1900 - 2000), monat = zwei(z.tm_mon + 1), tag = zwei(z.tm_mday);
    const int stunde = zwei(z.tm_hour), minute = zwei(z.tm_min), sekunde = zwei(z.tm_sec);
    switch (layout) {
    case 0: case 1: case 5:
        std::snprintf(puffer, 20, "%02d.%02d.%02d %02d:%02d:%02d", tag, monat, jahr, stunde, minute, sekunde);
        break;
    case 7: std::snprintf(puffer, 20, "%02d%02d%02d", jahr, monat, tag); break;
    case 9: std::snprintf(puffer, 20, "%02d%02d%02d", stunde, minute, sekunde); break;
    case 10: std::snprintf(puffer, 20, "%02d%02d%02d %02d%02d%02d", jahr, monat, tag, stunde, minute, sekunde); break;
    case 11: std::snprintf(puffer, 20, "%02d.%02d.%02d", tag, monat, jahr); break;
    case 16: std::snprintf(puffer, 20, "%02d:%02d:%02d", stunde, minute, sekunde); break;
    default: break;
    }
    return puffer;
}
