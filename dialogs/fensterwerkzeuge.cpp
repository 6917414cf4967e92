// dialogs/fensterwerkzeuge.cpp - small window and file utilities that no command reaches
#include "dialogs/fensterwerkzeuge.h"
#include "files/netzdatei.h"
#include "platform/box.h"
#include "platform/pfad.h"
#include "platform/system.h"
#include "platform/waehler.h"
#include "texts/texte.h"
#include <algorithm>
#include <cerrno>
#include <cstdio>

using namespace plattform;

namespace {

void fehlerZeigen(const std::string& text)
{
    meldungsBox(nullptr, text, meldungsTexte[1653], knoepfe::Ok | symbol::Information);
}

} // namespace

void letzterFehlerAnzeigen(Zugriff zugriff)
{
    fehlerZeigen(systemGrund(errno, zugriff));
}

// what is wrong with the window is ours to say: no system error code tells it in words
bool guiThreadInfoHolen(Fenster f)
{
    if (!istFenster(f)) {
        fehlerZeigen(meldungsTexte[1805]);
        return false;
    }
    if (!istGuiThread()) {
        fehlerZeigen(meldungsTexte[1806]);
        return false;
    }
    return true;
}

int dateinamenNummerieren(const std::string& pfad, int anzahl, int breite)
{
    // folder, stem and extension of the proposal
    DateiWahl wahl;
    const size_t schnitt = pfad.find_last_of("/\\");
    wahl.ordner = schnitt == std::string::npos ? "" : pfad.substr(0, schnitt);
    std::string name = schnitt == std::string::npos ? pfad : pfad.substr(schnitt + 1);
    const size_t punkt = name.rfind('.');
    if (punkt != std::string::npos) {
        wahl.endung = name.substr(punkt + 1);
        name.resize(punkt);
    }
    wahl.name = name;
    wahl.filter = {{meldungFormatieren(1655, wahl.endung), "*." + wahl.endung}, {meldungsTexte[1656], "*.*"}};
    wahl.titel = meldungsTexte[1654];
    if (!dateiWaehlen(nullptr, wahl))
        return 0;
    while (wahl.ordner.size() > 1 && (wahl.ordner.back() == '/' || wahl.ordner.back() == '\\'))
        wahl.ordner.pop_back();
    const std::string basis = (wahl.ordner.empty() ? "" : wahl.ordner + "/") + wahl.name;
    const std::string endung = wahl.endung.empty() ? "" : "." + wahl.endung;
    breite = std::clamp(breite, 1, 64);
    // The number is the one the stem is followed by, so digits ending the stem stay
    // part of it.
    for (int n = 0; n < anzahl; ++n) {
        const std::string alt = n == 0 ? basis + endung : basis + " " + std::to_string(n) + endung;
        if (!dateiExistiert(alt))
            continue;
        char nummer[80];
        std::snprintf(nummer, sizeof nummer, " %0*d", breite, n);
        const std::string neu = basis + nummer + endung;
        if (neu == alt)
            continue;
        if (dateiExistiert(neu)) {
            hinweisBox(meldungFormatieren(990, alt, neu));
            continue;
        }
        if (std::rename(pfadAufloesen(alt).c_str(), schreibPfadAufloesen(neu).c_str()) != 0)
            letzterFehlerAnzeigen(Zugriff::Schreiben);
    }
    return 1;
}
