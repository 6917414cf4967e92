// core/fehler.cpp - the numbered error messages of the engine and the file readers
#include "core/fehler.h"
#include "platform/box.h"
#include "texts/texte.h"
#include <string>

namespace {

struct Fehlercode {
    int code;
    int meldung;   // its text in the language files
};

constexpr Fehlercode fehlerTabelle[] = {
    {1, 1700},
    {76, 1701},
    {100, 1702},
    {101, 1703},
    {104, 1704},
    {105, 1705},
    {106, 1706},
    {107, 1707},
    {108, 1708},
    {109, 1709},
    {110, 1710},
    {113, 1711},
    {114, 1712},
    {115, 1713},
    {116, 1714},
    {118, 1715},
    {119, 1716},
    {120, 1717},
    {121, 1718},
    {122, 1719},
    {123, 1720},
    {124, 1721},
    {125, 1722},
    {126, 1723},
    {127, 1724},
    {128, 1725},
    {130, 1726},
    {131, 1727},
    {132, 1728},
};

constexpr int unbekannterFehler = 1729;   // "Unknown error has been encountered in error handler\n"

} // namespace

const char* fehlerText(int code)
{
    for (const Fehlercode& f : fehlerTabelle)
        if (f.code == code)
            return meldungsTexte[f.meldung].c_str();
    return meldungsTexte[unbekannterFehler].c_str();
}

namespace {
thread_local int* fehlerZiel = nullptr;
}

void fehlerUmleiten(int* ziel) { fehlerZiel = ziel; }

void fehlerMelden(int code)
{
    if (fehlerZiel) {
        if (*fehlerZiel == 0)
            *fehlerZiel = code;
        return;
    }
    plattform::hinweisBox(std::string(fehlerText(code)));
}
