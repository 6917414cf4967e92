// resources/dialoge/wavimport.cpp - the settings of the WAV import (322)
#include "resources/vorlagen.h"

using plattform::DialogElement;
using plattform::DialogVorlage;
using A = plattform::ElementArt;

namespace {

const DialogElement wavImportElemente[] = {
    {3340, A::Text, "maximum value for data calibration (mV)", "IDC_WAV_KALIBRIERUNG_TXT=", 0, 0, 0, 0, 1},
    {2301, A::Eingabe, "", "", 0, 0, 0, 1, 1},
    {2298, A::Kontrollkasten, "   optimize wav data diagramm after import", "IDC_WAV_OPTIMIEREN=", 0, 0, 1, 0, 2},
    {2303, A::Text,
     "WAV-data will be normalized to the range from the positive value you specify to the negativ with the same "
     "absolute value. to display raw data specify 0.",
     "IDC_WAV_HINWEIS_TXT=", 0, 0, 2, 0, 2},
    {1, A::StandardKnopf, "OK", "IDOK=", 0, 0, 3, 0, 1},
    {2, A::Knopf, "Cancel", "IDCANCEL=", 0, 0, 3, 1, 1},
};

} // namespace

const DialogVorlage vorlageWavImport{322, "WAV-import features", "IDD_WAV_IMPORT=", wavImportElemente, 1};
