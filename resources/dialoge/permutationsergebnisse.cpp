// resources/dialoge/permutationsergebnisse.cpp - the dialogs of the loaded permutation
// results: the columns of the text export (256) and an index too large for memory (257)
#include "resources/vorlagen.h"

using plattform::DialogElement;
using plattform::DialogVorlage;
using A = plattform::ElementArt;

namespace {

const DialogElement exportElemente[] = {
    {2561, A::Kontrollkasten, "Nummer", "IDC_PMT_EXPORT_NUMMER=", 0, 0, 0, 0, 2},
    {2562, A::Kontrollkasten, "G\xFCte", "IDC_PMT_EXPORT_GUETE=", 0, 0, 1, 0, 2},
    {2565, A::Kontrollkasten, "Auto", "IDC_PMT_EXPORT_AUTO=", 0, 0, 1, 2, 1},
    {2563, A::Kontrollkasten, "\xDC" "bertragungsst\xE4rke", "IDC_PMT_EXPORT_LEVEL=", 0, 0, 2, 0, 2},
    {2564, A::Kontrollkasten, "\xDC" "bertragungsst\xE4rke als Index", "IDC_PMT_EXPORT_LEVELINDEX=", 0, 0, 3, 0, 3},
    {2566, A::Kontrollkasten, "Frequenzen", "IDC_PMT_EXPORT_FREQUENZEN=", 0, 0, 4, 0, 2},
    {2567, A::Kontrollkasten, "AP-Anzahl", "IDC_PMT_EXPORT_AP_ANZAHL=", 0, 0, 5, 0, 2},
    {2568, A::Kontrollkasten, "AP-Zeiten", "IDC_PMT_EXPORT_AP_ZEITEN=", 0, 0, 6, 0, 2},
    {2569, A::Kontrollkasten, "Zusaetzliche Daten", "IDC_PMT_EXPORT_ZUSATZ=", 0, 0, 7, 0, 2},
    {2570, A::Text, "Anzahl Dezimalstellen", "IDC_PMT_EXPORT_DEZIMALSTELLEN_TXT=", 0, 0, 8, 0, 2},
    {2571, A::Eingabe, "", "", 0, 0, 8, 2, 1},
    {2572, A::Text, "Dezimaltrennzeichen", "IDC_PMT_EXPORT_TRENNZEICHEN_TXT=", 0, 0, 9, 0, 2},
    {2573, A::Eingabe, "", "", 0, 0, 9, 2, 1},
    {1, A::StandardKnopf, "OK", "IDOK=", 0, 0, 10, 1, 1},
    {2, A::Knopf, "Abbrechen", "IDCANCEL=", 0, 0, 10, 2, 1},
};

const DialogElement speicherElemente[] = {
    {2574, A::Text, "permutations-datens\xE4tze in der datei:", "IDC_PMT_INX_ANZAHL_TXT=", 0, 0, 0, 0, 2},
    {2575, A::Text, "", "", 0, 0, 0, 2, 1},
    {2576, A::Text, "ladbare permutations-datens\xE4tze:", "IDC_PMT_INX_LADBAR_TXT=", 0, 0, 1, 0, 2},
    {2577, A::Text, "", "", 0, 0, 1, 2, 1},
    {2578, A::Text, "von permutations-datensatz", "IDC_PMT_INX_VON_TXT=", 0, 0, 2, 0, 2},
    {2579, A::Eingabe, "", "", 0, 0, 2, 2, 1},
    {2580, A::Text, "bis", "IDC_PMT_INX_BIS_TXT=", 0, 0, 3, 0, 2},
    {2581, A::Eingabe, "", "", 0, 0, 3, 2, 1},
    {2582, A::StandardKnopf, "partiell laden", "IDC_PMT_INX_PARTIELL=", 0, 0, 4, 0, 1},
    {2583, A::Knopf, "trotzdem laden", "IDC_PMT_INX_TROTZDEM=", 0, 0, 4, 1, 1},
    {2584, A::Knopf, "1. h\xE4lfte", "IDC_PMT_INX_ERSTE_HAELFTE=", 0, 0, 5, 0, 1},
    {2585, A::Knopf, "2. h\xE4lfte", "IDC_PMT_INX_ZWEITE_HAELFTE=", 0, 0, 5, 1, 1},
    {2, A::Knopf, "Abbrechen", "IDCANCEL=", 0, 0, 5, 2, 1},
};

} // namespace

const DialogVorlage vorlageExportParameter{256, "Auszugebende Parameter", "IDD_PMT_EXPORT=", exportElemente};
const DialogVorlage vorlageIndexSpeicherMangel{257, "zuwenig speicher zum laden einer Indexdatei", "IDD_PMT_INX_SPEICHER=",
                                               speicherElemente};
