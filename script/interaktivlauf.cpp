// script/interaktivlauf.cpp - the interactive run: its start and what follows each simulation
//
// A slot the user changed takes effect after the simulation that was running: its statement
// gets the new start and step and the loops begin again with their first pass, so the
// series runs anew from the changed value (skipping to the continue-at number, if given).
#include "script/interaktiv.h"
#include "script/ausfuehrung.h"
#include "core/skriptwerte.h"
#include "core/status.h"
#include "platform/fenster.h"
#include <algorithm>

namespace {

constexpr int erstesRand = 20;

// the SCHLEIFE the walk restarts at: the outermost level that is open; -1 when none is
int aeussereSchleife(const Skript& s)
{
    for (int e = 1; e <= schleifenEbenen; ++e)
        if (s.schleifen[static_cast<size_t>(e)].anzahl > 0)
            return s.schleifen[static_cast<size_t>(e)].anweisung;
    return -1;
}

int innersteEbene(const Skript& s)
{
    for (int e = schleifenEbenen; e >= 1; --e)
        if (s.schleifen[static_cast<size_t>(e)].anzahl > 0)
            return e;
    return 0;
}

void fensterSchliessen()
{
    skriptStatus &= ~skriptBit::InteraktiveAusfuehrung;
    if (fensterhandles.interaktivFenster)
        plattform::fensterZerstoeren(fensterhandles.interaktivFenster);
    fensterhandles.interaktivFenster = nullptr;
}

} // namespace

int skriptInteraktivStarten(Skript* s)
{
    if (!s || skriptStartAbgelehnt())
        return 0;
    // the first start after a load lays out afresh
    if (s->interaktivRand == 0) {
        s->interaktivRand = erstesRand;
        interaktivFarbenSetzen(*s);
    }
    for (InteraktivSlot& slot : s->interaktiv)
        slot.wert = slot.start;
    s->interaktivGeaendert = 0;
    skriptLaufwerte.interaktivZeilen = {};
    if (!interaktivFensterErzeugen())
        return 0;
    skriptStatus |= skriptBit::InteraktiveAusfuehrung;
    const int gelaufen = skriptAusfuehren(*s, 1);
    // a run that never started did not reach the end that closes the window
    fensterSchliessen();
    return gelaufen;
}

bool interaktivNachSimulation(Skript& s, int& i)
{
    const int wiederholen = i;
    int erste = -1;
    for (int k = 0; k < wiederholen && erste < 0; ++k)
        if (s.anweisungen[static_cast<size_t>(k)].code == anweisungscode("SCHLEIFE"))
            erste = k;
    bool neu = false;
    for (int k = std::max(erste, 0); erste >= 0 && k < wiederholen; ++k) {
        SkriptAnweisung& a = s.anweisungen[static_cast<size_t>(k)];
        const int nr = a.interaktivSlot;
        if (nr < 1 || nr > interaktivSlots)
            continue;
        InteraktivSlot& slot = s.interaktiv[static_cast<size_t>(nr)];
        slot.wert = a.wert;
        if (!(skriptStatus & skriptBit::InteraktivGeaendert) || nr != s.interaktivGeaendert)
            continue;
        skriptStatus &= ~skriptBit::InteraktivGeaendert;
        a.startWert = slot.start;
        a.schritt = slot.schritt;
        const int ziel = aeussereSchleife(s);
        if (ziel < 0)
            continue;
        for (int e = 1; e <= innersteEbene(s); ++e)
            s.schleifen[static_cast<size_t>(e)].lauf = 0;
        s.aktuelleSimulation = 0;
        i = ziel;
        neu = true;
    }
    // while skipping to a simulation number the window keeps what it shows
    const plattform::Fenster f = fensterhandles.interaktivFenster;
    if (!(skriptStatus & skriptBit::Fortsetzen) && plattform::istFenster(f)) {
        plattform::ungueltigMachen(f);
        plattform::neuZeichnen(f);
    }
    return neu;
}
