// resources/dialoge/interaktiv.cpp - "Interaktive Skriptbearbeitung" (313): the slot a double
// click chose in the interactive script window, its start value, its step and the simulation
// number to continue at
#include "resources/vorlagen.h"

using plattform::DialogElement;
using plattform::DialogVorlage;
using A = plattform::ElementArt;

namespace {

const DialogElement interaktivElemente[] = {
    {2073, A::Text, "Parameter", "IDC_INTERAKTIV_NAME_TXT=", 0, 0, 0, 0, 1},
    {2072, A::Text, "", "", 0, 0, 0, 1, 2},
    {2077, A::Text, "Startwert", "IDC_INTERAKTIV_START_TXT=", 0, 0, 1, 0, 1},
    {2074, A::Eingabe, "", "", 0, 0, 1, 1, 2},
    {2078, A::Text, "Schrittweite", "IDC_INTERAKTIV_SCHRITT_TXT=", 0, 0, 2, 0, 1},
    {2075, A::Eingabe, "", "", 0, 0, 2, 1, 2},
    {2079, A::Text, "weiter bei Simulation", "IDC_INTERAKTIV_FORTSETZEN_TXT=", 0, 0, 3, 0, 1},
    {2076, A::Eingabe, "", "", 0, 0, 3, 1, 2},
    {1, A::StandardKnopf, "OK", "IDOK=", 0, 0, 4, 1, 1},
    {2, A::Knopf, "Abbrechen", "IDCANCEL=", 0, 0, 4, 2, 1},
};

} // namespace

const DialogVorlage vorlageInteraktiv{313, "Interaktive Skriptbearbeitung", "IDD_INTERAKTIV=", interaktivElemente, 1};
