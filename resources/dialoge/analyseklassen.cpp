// resources/dialoge/analyseklassen.cpp - the analysis classes of the permutation mode (212)
#include "resources/vorlagen.h"

using plattform::DialogElement;
using plattform::DialogVorlage;
using A = plattform::ElementArt;

namespace {

// Three columns of five fields, one column per shown class; the row labels are 452x. The
// count label and the column titles are formats the dialog fills at every refresh.
const DialogElement analyseElemente[] = {
    {1490, A::Text, "", "", 0, 0, 0, 0, 1},
    {1489, A::Kontrollkasten, "Anzahl der APs pro Klasse Bewerten", "IDC_PMT_AP_ANZAHL=", 0, 0, 0, 1, 3},
    {1484, A::Text, "", "", 0, 0, 1, 1, 1},
    {1485, A::Text, "", "", 0, 0, 1, 2, 1},
    {1486, A::Text, "", "", 0, 0, 1, 3, 1},
    {4520, A::Text, "Startzeit (s)", "IDC_PMT_STARTZEIT_TXT=", 0, 0, 2, 0, 1},
    {1491, A::Eingabe, "", "", 0, 0, 2, 1, 1},
    {1492, A::Eingabe, "", "", 0, 0, 2, 2, 1},
    {1493, A::Eingabe, "", "", 0, 0, 2, 3, 1},
    {4521, A::Text, "erwartete AP-Frequenz (Hz)", "IDC_PMT_FREQUENZ_TXT=", 0, 0, 3, 0, 1},
    {1494, A::Eingabe, "", "", 0, 0, 3, 1, 1},
    {1495, A::Eingabe, "", "", 0, 0, 3, 2, 1},
    {1496, A::Eingabe, "", "", 0, 0, 3, 3, 1},
    {4522, A::Text, "erwartete Anzahl APs", "IDC_PMT_ANZAHL_APS_TXT=", 0, 0, 4, 0, 1},
    {1497, A::Eingabe, "", "", 0, 0, 4, 1, 1},
    {1498, A::Eingabe, "", "", 0, 0, 4, 2, 1},
    {1499, A::Eingabe, "", "", 0, 0, 4, 3, 1},
    {4523, A::Text, "Gewichtung der Anzahl", "IDC_PMT_ANZAHL_GEWICHT_TXT=", 0, 0, 5, 0, 1},
    {1500, A::Eingabe, "", "", 0, 0, 5, 1, 1},
    {1501, A::Eingabe, "", "", 0, 0, 5, 2, 1},
    {1502, A::Eingabe, "", "", 0, 0, 5, 3, 1},
    {4524, A::Text, "Gewichtung der Klasse", "IDC_PMT_KLASSEN_GEWICHT_TXT=", 0, 0, 6, 0, 1},
    {1504, A::Eingabe, "", "", 0, 0, 6, 1, 1},
    {1505, A::Eingabe, "", "", 0, 0, 6, 2, 1},
    {1506, A::Eingabe, "", "", 0, 0, 6, 3, 1},
    {1488, A::Knopf, "<<", "", 0, 0, 7, 0, 1},
    {1487, A::Knopf, ">>", "", 0, 0, 7, 1, 1},
    {1507, A::Knopf, "neu", "IDC_PMT_NEU=", 0, 0, 7, 2, 1},
    {1508, A::Knopf, "l\xF6schen", "IDC_PMT_LOESCHEN=", 0, 0, 7, 3, 1},
    {1509, A::Knopf, "Daten laden", "IDC_PMT_DATEN_LADEN=", 0, 0, 8, 0, 1},
    {1510, A::Knopf, "Daten speichern", "IDC_PMT_DATEN_SPEICHERN=", 0, 0, 8, 1, 1},
    {1503, A::Knopf, "Hilfe", "IDC_PMT_HILFE=", 0, 0, 8, 3, 1},
    {1, A::StandardKnopf, "OK", "IDOK=", 0, 0, 9, 2, 1},
    {2, A::Knopf, "Abbrechen", "IDCANCEL=", 0, 0, 9, 3, 1},
};

} // namespace

const DialogVorlage vorlageAnalyseklassen{212, "Definition der Analyse-Parameter f\xFCr Permutationsdaten",
                                          "IDD_PMT_ANALYSE=", analyseElemente};
