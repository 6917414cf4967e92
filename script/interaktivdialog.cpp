// script/interaktivdialog.cpp - "Interaktive Skriptbearbeitung" (313): a slot's start, step and
// the simulation number to continue at
//
// The dialog only stores into the slot and the script record; the executor takes the change
// after the running simulation.
#include "script/interaktiv.h"
#include "core/status.h"
#include "dialogs/rahmen.h"
#include "resources/vorlagen.h"
#include "texts/texte.h"
#include <algorithm>
#include <climits>
#include <cstdio>

using namespace plattform;

namespace {

DialogRahmen rahmen;
int offenerSlot = 0;

// the slot of the opening; 0 when the number names none
int slotNummer(intptr_t l)
{
    return l >= 1 && l <= std::min(skript.interaktivAnzahl, interaktivSlots) ? static_cast<int>(l) : 0;
}

void texte(Fenster dlg) { vorlagenTexteSetzen(dlg, vorlageInteraktiv); }

std::string zahlText(double x)
{
    char puffer[40];
    std::snprintf(puffer, sizeof puffer, "%.15g", x);
    return puffer;
}

void fuellen(Fenster dlg)
{
    const InteraktivSlot& slot = skript.interaktiv[static_cast<size_t>(offenerSlot)];
    elementTextSetzen(dlg, interaktivId::Name, slot.name);
    elementTextSetzen(dlg, interaktivId::Start, zahlText(slot.start));
    elementTextSetzen(dlg, interaktivId::Schritt, zahlText(slot.schritt));
    elementTextSetzen(dlg, interaktivId::Fortsetzen, std::to_string(skript.fortsetzenBei));
}

// all three fields first: a refused one stores nothing
void speichern(Fenster dlg)
{
    double start = 0.0, schritt = 0.0;
    int fortsetzen = 0;
    if (!dialogZahlFeldLesen(dlg, interaktivId::Start, start) ||
        !dialogZahlFeldLesen(dlg, interaktivId::Schritt, schritt) ||
        !dialogGanzzahlLesen(dlg, interaktivId::Fortsetzen, INT_MIN, INT_MAX, fortsetzen))
        return;
    InteraktivSlot& slot = skript.interaktiv[static_cast<size_t>(offenerSlot)];
    slot.start = start;
    slot.schritt = schritt;
    skript.fortsetzenBei = fortsetzen;
    if (fortsetzen > 0)
        skriptStatus |= skriptBit::Fortsetzen;
    dialogSchliessen(dlg, rahmen, 1, false);
}

} // namespace

intptr_t interaktivDlgProc(Fenster dlg, uint32_t n, uintptr_t w, intptr_t l)
{
    switch (n) {
    case nachricht::Bewegen:
        dialogPositionMerken(dlg, rahmen);
        return 0;
    case nachricht::DialogInit:
        if (rahmen.frisch || l != 0)
            offenerSlot = slotNummer(l);
        // a slot that is gone (the run ended meanwhile) has nothing to change
        if (offenerSlot == 0) {
            dialogSchliessen(dlg, rahmen, 2, false);
            return 1;
        }
        dialogInitialisieren(dlg, rahmen, {nullptr, texte, fuellen});
        return 1;
    case nachricht::Befehl:
        if (loWort(w) == 1)
            speichern(dlg);
        else if (loWort(w) == 2)
            dialogSchliessen(dlg, rahmen, 2, false);
        return 0;
    case nachricht::Zerstoeren:
        rahmen.frisch = 1;
        return 0;
    }
    return 0;
}
