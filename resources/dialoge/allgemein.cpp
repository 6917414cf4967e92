// resources/dialoge/allgemein.cpp - the input dialog, the timed info box and the splash
#include "resources/vorlagen.h"

using plattform::DialogElement;
using plattform::DialogVorlage;
using A = plattform::ElementArt;
namespace s = plattform::elementStil;

namespace {

const DialogElement eingabeElemente[] = {
    {1252, A::Text, "Static", "IDC_EINGABE_TEXT1=", 0, 0, 0, 0, 3},
    {1254, A::Text, "Static", "IDC_EINGABE_TEXT2=", 0, 0, 1, 0, 3},
    {1253, A::Text, "Static", "IDC_EINGABE_BEZEICHNUNG=", 0, 0, 2, 0, 1},
    {1251, A::Eingabe, "", "", 0, 0, 2, 1, 2},
    {1802, A::Kontrollkasten, "diese Meldung nicht mehr anzeigen", "IDC_EINGABE_NICHT_MEHR_ANZEIGEN=", 0, 0, 3, 0, 3},
    {1, A::StandardKnopf, "OK", "IDOK=", 0, 0, 4, 1, 1},
    {2, A::Knopf, "Abbrechen", "IDCANCEL=", 0, 0, 4, 2, 1},
};

const DialogElement anzeigeboxElemente[] = {
    {1424, A::Text, "", "IDC_ANZEIGEBOX_TEXT=", 0, 0, 0, 0, 1},
};

const DialogElement startbildElemente[] = {
    {2227, A::Text, "Velnor", "IDC_START_NAME=", 0, 0, 0, 0, 1},
    {2228, A::Text, "Version     X.Y", "IDC_START_VERSION=", 0, 0, 1, 0, 1},
    {2299, A::Text, "!Ravlok", "IDC_START_OHNE_HOOK=", s::Verborgen, 0, 2, 0, 1},
};

} // namespace

const DialogVorlage vorlageEingabe{146, "Dialog", "IDD_EINGABE=", eingabeElemente, 1};
const DialogVorlage vorlageAnzeigebox{174, "Dialog", "IDD_ANZEIGEBOX=", anzeigeboxElemente, 0};
const DialogVorlage vorlageStartbild{318, "", "", startbildElemente, 0};
