// tests/dialogs/ersatz_hauptfenster.h - a small main window for the dialog tests: it owns
// the timers that close the info box and the splash and notes the commands it gets
#pragma once
#include "core/status.h"
#include "dialogs/eingabe.h"
#include "platform/test/testplattform.h"
#include <gtest/gtest.h>
#include <vector>

namespace ersatz {

inline std::vector<int> befehle;

inline intptr_t hauptProc(plattform::Fenster f, uint32_t n, uintptr_t w, intptr_t l)
{
    using namespace plattform;
    if (n == nachricht::Zeitgeber && (w == zeitgeberAnzeigebox || w == zeitgeberStartbild)) {
        zeitgeberLoeschen(f, w);
        if (anzeigeboxParameter.fenster)
            senden(anzeigeboxParameter.fenster, anzeigeboxSchliessen);
    }
    if (n == nachricht::Befehl)
        befehle.push_back(loWort(w));
    return standardFensterProc(f, n, w, l);
}

class Fall : public ::testing::Test {
protected:
    void SetUp() override
    {
        plattform::test::zuruecksetzen();
        befehle.clear();
        plattform::klasseRegistrieren({"Ersatz", hauptProc});
        fensterhandles.hauptfenster = plattform::fensterErzeugen(
            "Ersatz", "Velnor", plattform::stil::Hauptfenster | plattform::stil::Sichtbar, 0, 0, 800, 600);
        eingabeParameter = {};
        anzeigeboxParameter = {};
    }
    void TearDown() override
    {
        fensterhandles = {};
        plattform::test::zuruecksetzen();
    }
};

} // namespace ersatz
