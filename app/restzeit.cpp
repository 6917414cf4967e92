// app/restzeit.cpp - the remaining-time window of runs and permutation series
#include "app/restzeit.h"
#include "core/endemeldung.h"
#include "app/beenden.h"
#include "app/status.h"
#include "model/permutation.h"
#include "platform/box.h"
#include "texts/texte.h"
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <thread>

using namespace plattform;

namespace {

// The window's rectangle lives in restzeit.rechteck as screen edges. It is placed with
// width and height taken from the edges, so a window opened again sits exactly where
// the last one was left and does not grow with every run.
void rechteckMerken(Fenster f)
{
    if (!istMinimiert(f))
        restzeit.rechteck = fensterRechteck(f);
}

void pauseText(Fenster f)
{
    const bool pause = modusStatus & modusBit::Pause;
    const char* text = sprache == spracheEnglisch ? (pause ? "continue" : "stop")
                                                  : (pause ? "fortsetzen" : "anhalten");
    if (Menue m = fensterMenue(f); m && postenUmbenennen(m, befehlPmtAnhaltenFortschritt, Nach::Befehl, text))
        menueLeisteZeichnen(f);
}

// 235 toggles the pause and waits while it holds: the series stands still on the stack
// below, the windows stay alive, and 235 (or 236) again lets it go on.
void pauseUmschalten(Fenster f)
{
    modusStatus ^= modusBit::Pause;
    pauseText(f);
    while ((modusStatus & modusBit::Pause) && istFenster(f)) {
        if (!nachrichtenVerarbeiten())
            break;                        // the program ends
        if (!(modusStatus & modusBit::Pause))
            break;
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
    }
}

} // namespace

void restzeitZeichnen(Fenster, Zeichenflaeche& z)
{
    if (restzeit.schrift.schrift)
        auswaehlen(z, restzeit.schrift.schrift);
    textFarbeSetzen(z, restzeit.textFarbe);
    hintergrundTransparent(z, true);
    const int zeile = schriftMasse(z).hoehe + 4;
    char puffer[128];
    if (modusStatus & modusBit::SerieLaeuft) {
        // the number being computed, the runs done of those planned, and the time left
        std::snprintf(puffer, sizeof puffer, "Permutation %d", restzeit.permutationsNummer);
        text(z, 10, 10, puffer);
        std::snprintf(puffer, sizeof puffer, "%d / %d", permutationsLaufstand.berechnet, restzeit.geplanteLaeufe);
        text(z, 10, 10 + zeile, puffer);
        if (permutationsLaufstand.restSekunden >= 0.0) {
            const long long s = std::llround(std::min(permutationsLaufstand.restSekunden, 1e12));
            std::snprintf(puffer, sizeof puffer, "%02lld:%02lld:%02lld", s / 3600, s / 60 % 60, s % 60);
            text(z, 10, 10 + 2 * zeile, puffer);
        }
        return;
    }
    std::snprintf(puffer, sizeof puffer, "%.0f %%", restzeit.fortschritt);
    text(z, 10, 10, puffer);
    // the run's progress line of status part 2: percent and time elapsed
    std::string fortschritt = statusTexte[2];
    if (!fortschritt.empty() && fortschritt[0] == '\t')
        fortschritt.erase(0, 1);
    text(z, 10, 10 + zeile, fortschritt);
}

intptr_t restzeitFensterProc(Fenster f, uint32_t n, uintptr_t w, intptr_t l)
{
    switch (n) {
    case nachricht::Bewegen:
    case nachricht::Groesse:
        rechteckMerken(f);
        return 0;
    case nachricht::Zeichnen:
        restzeitZeichnen(f, *reinterpret_cast<Zeichenflaeche*>(l));
        return 0;
    case nachricht::Befehl:
        if (loWort(w) == befehlPmtAnhaltenFortschritt)
            pauseUmschalten(f);
        return 0;
    case nachricht::Schliessen:
        // no window is left to go on from: a closed window ends the pause
        modusStatus &= ~modusBit::Pause;
        break;
    case nachricht::Zerstoeren:
        if (restzeit.fenster == f)
            restzeit.fenster = nullptr;
        return 0;
    }
    return standardFensterProc(f, n, w, l);
}

Fenster restzeitFensterErzeugen(const std::string& titel, Menue menue, int fehlerText)
{
    const Rechteck& r = restzeit.rechteck;
    // there is no "always on top" here: owned by the main window it stays in front of it
    Fenster f = fensterErzeugen(meldungsTexte[14], titel, stil::Hauptfenster, r.links, r.oben, r.breite(),
                                r.hoehe(), fensterhandles.hauptfenster, menue);
    if (!f) {
        endeMelden(EndeForm::Hinweis, meldungsTexte[fehlerText]);
        return nullptr;
    }
    restzeit.fenster = f;
    restzeit.fortschritt = 0.0;
    zeigen(f, anzeige::Normal);
    neuZeichnen(f);
    return f;
}
