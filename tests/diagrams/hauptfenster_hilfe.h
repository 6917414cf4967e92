// tests/diagrams/hauptfenster_hilfe.h - a shown diagram with a stand-in main window that
// logs its commands and keeps the two timers the diagram windows start (6 ends the
// double-click time, 8 a curve's highlight), as the program's main window does
#pragma once
#include "diagramm_hilfe.h"
#include "core/status.h"
#include "diagrams/fensterhandler.h"
#include <functional>

namespace hauptfenster_hilfe {

inline std::vector<int> befehle;                      // the main window's commands in order
inline std::function<void(int)> beimBefehl;           // what the main window does with one

inline intptr_t proc(plattform::Fenster f, uint32_t n, uintptr_t w, intptr_t l)
{
    if (n == plattform::nachricht::Befehl) {
        befehle.push_back(plattform::loWort(w));
        if (beimBefehl)
            beimBefehl(plattform::loWort(w));
        return 0;
    }
    if (n == plattform::nachricht::Zeitgeber) {
        plattform::zeitgeberLoeschen(f, w);
        if (w == 6)
            doppelklickAktiv = 0;
        else if (w == 8)
            kurvenMarkierungBeenden();
        return 0;
    }
    return plattform::standardFensterProc(f, n, w, l);
}

} // namespace hauptfenster_hilfe

// GezeigtFall over a run of 1 s in steps of 1 ms, the window showing 0 to 0.1 s, with the
// main window, a double-click time of 300 ms and a highlight of 500 ms
struct MitHauptfensterFall : GezeigtFall {
    void SetUp() override
    {
        GezeigtFall::SetUp();
        laufzeitSetzen(1.0, 0.001);
        d->minX = 0.0, d->maxX = 0.1;
        diagrammLayoutBerechnen(n, d, 0);
        plattform::klasseRegistrieren({"hilfsHaupt", hauptfenster_hilfe::proc});
        fensterhandles.hauptfenster = plattform::fensterErzeugen("hilfsHaupt", "", 0, 0, 0, 300, 200);
        hauptfenster_hilfe::befehle.clear();
        hauptfenster_hilfe::beimBefehl = nullptr;
        zeiteinstellungen.doppelklick = 300;
        zeiteinstellungen.kurvenMarkierung = 500;
        plattform::vordergrundSetzen(d->fenster);
    }
    void TearDown() override
    {
        hauptfenster_hilfe::beimBefehl = nullptr;
        plattform::fensterZerstoeren(fensterhandles.hauptfenster);
        fensterhandles.hauptfenster = nullptr;
        doppelklickAktiv = 0;
        zeiteinstellungen = {};
        for (int t : {0, 1, 2, 3})
            plattform::test::tastenZustandSetzen(t, false);
        GezeigtFall::TearDown();
    }
    static std::vector<int>& hauptBefehle() { return hauptfenster_hilfe::befehle; }
    // the commands the diagram window got, in order
    std::vector<int> diagrammBefehle() const
    {
        std::vector<int> v;
        for (const auto& e : plattform::test::nachrichtenVon(d->fenster))
            if (e.nachricht == plattform::nachricht::Befehl)
                v.push_back(plattform::loWort(e.w));
        return v;
    }
    // beeps of 1000 Hz for 100 ms so far
    static size_t pieptoene()
    {
        const auto& log = plattform::test::ereignisLog();
        return static_cast<size_t>(std::count_if(log.begin(), log.end(), [](const auto& e) {
            return e.art == plattform::test::Ereignis::Piep && e.a == 1000 && e.b == 100;
        }));
    }
    // a click and the double-click time run out after it
    void einzelklick(int x, int y, uintptr_t tasten = 0)
    {
        diagrammLinksKlick(d->fenster, 0, x, y, tasten);
        plattform::test::uhrVorstellen(zeiteinstellungen.doppelklick + 1);
    }
    void doppelklick(int x, int y, uintptr_t tasten = 0)
    {
        diagrammLinksKlick(d->fenster, 0, x, y, tasten);
        diagrammLinksKlick(d->fenster, 0, x, y, tasten);
        plattform::test::uhrVorstellen(zeiteinstellungen.doppelklick + 1);
    }
    // the column of a time and the row of a value in this diagram
    int spalte(double t) const { return d->xRand + static_cast<int>(std::lround((t - d->minX) * d->plotBreite / (d->maxX - d->minX))); }
    int zeile(double v) const { return zeileVon(*d, v); }
};
