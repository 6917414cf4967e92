// resources/dialoge/spikefolge.cpp - the settings of the spike-train rating (284)
#include "resources/vorlagen.h"

using plattform::DialogElement;
using plattform::DialogVorlage;
using A = plattform::ElementArt;

namespace {

// A row per minimum: its check box, the absolute value, the value in percent of the mean
// of all bursts. Labels are 448x.
const DialogElement spikefolgeElemente[] = {
    {4480, A::Text, "Faktor f\xFCr das Intervall zwischen Bursts", "IDC_SF_FAKTOR_TXT=", 0, 0, 0, 0, 2},
    {1843, A::Eingabe, "", "", 0, 0, 0, 2, 1},
    {4481, A::Text, "Mindestanzahl APs der ganzen Simulation", "IDC_SF_GESAMT_TXT=", 0, 0, 1, 0, 2},
    {1847, A::Eingabe, "", "", 0, 0, 1, 2, 1},
    {4482, A::Text, "absolut", "IDC_SF_ABSOLUT_TXT=", 0, 0, 2, 1, 1},
    {4483, A::Text, "in Prozent vom Mittel", "IDC_SF_RELATIV_TXT=", 0, 0, 2, 2, 1},
    {1860, A::Kontrollkasten, "Mindestanzahl APs je Burst", "IDC_SF_APS=", 0, 0, 3, 0, 1},
    {1861, A::Eingabe, "", "", 0, 0, 3, 1, 1},
    {1865, A::Eingabe, "", "", 0, 0, 3, 2, 1},
    {1853, A::Kontrollkasten, "Mindestl\xE4nge eines Bursts (s)", "IDC_SF_LAENGE=", 0, 0, 4, 0, 1},
    {1849, A::Eingabe, "", "", 0, 0, 4, 1, 1},
    {1864, A::Eingabe, "", "", 0, 0, 4, 2, 1},
    {1868, A::Kontrollkasten, "Mindestfrequenz im Burst (Hz)", "IDC_SF_FREQUENZ=", 0, 0, 5, 0, 1},
    {1869, A::Eingabe, "", "", 0, 0, 5, 1, 1},
    {1870, A::Eingabe, "", "", 0, 0, 5, 2, 1},
    {1863, A::Kontrollkasten, "Mindestwerte relativ zum Mittel aller Bursts", "IDC_SF_RELATIV=", 0, 0, 6, 0, 4},
    {1850, A::Kontrollkasten, "ein einzelner Burst ohne weitere Spikes z\xE4hlt", "IDC_SF_EINZELBURST=", 0, 0, 7, 0, 4},
    {1851, A::Kontrollkasten, "... auch wenn er mit der Simulation beginnt", "IDC_SF_AB_START=", 0, 0, 8, 0, 4},
    {1852, A::Kontrollkasten, "ein Burst z\xE4hlt auch, wenn er bis zum Simulationsende reicht", "IDC_SF_BIS_ENDE=", 0, 0,
     9, 0, 4},
    {4484, A::Text, "L\xFC" "cke einer aktiven Reaktion (s): mindestens", "IDC_SF_LUECKE_TXT=", 0, 0, 10, 0, 1},
    {1874, A::Eingabe, "", "", 0, 0, 10, 1, 1},
    {4485, A::Text, "h\xF6" "chstens", "IDC_SF_LUECKE_BIS_TXT=", 0, 0, 10, 2, 1},
    {1875, A::Eingabe, "", "", 0, 0, 10, 3, 1},
    {4486, A::Text, "Abstand des Burst-Kastens vom Ende der y-Achse (Pixel)", "IDC_SF_KASTEN_TXT=", 0, 0, 11, 0, 1},
    {1856, A::Eingabe, "", "", 0, 0, 11, 1, 1},
    {1859, A::Knopf, "Farbe des Burst-Kastens", "IDC_SF_FARBE=", 0, 0, 11, 2, 2},
    {1848, A::Knopf, "diese Werte als Standard \xFC" "bernehmen", "IDC_SF_STANDARD=", 0, 0, 12, 0, 2},
    {1, A::StandardKnopf, "OK", "IDOK=", 0, 0, 12, 2, 1},
    {2, A::Knopf, "Abbrechen", "IDCANCEL=", 0, 0, 12, 3, 1},
};

} // namespace

const DialogVorlage vorlageSpikefolge{284, "Spikefolgen-Bewertung", "IDD_SPIKEFOLGE=", spikefolgeElemente};
