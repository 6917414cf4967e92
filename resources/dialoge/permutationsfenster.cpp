// resources/dialoge/permutationsfenster.cpp - the settings of the permutation display
// window (203): level bars, spikes, the numbers row, the stimulus curve and its class marks
#include "resources/vorlagen.h"

using plattform::DialogElement;
using plattform::DialogVorlage;
using A = plattform::ElementArt;

namespace {

// Labels are 207x-208x beside their fields 203x-206x. Bars, spikes and the numbers row on the
// left (the numbers in group 1, the two position choices in groups 2 and 3, each its own set
// of radio buttons), the stimulus curve and its marks on the right.
const DialogElement elemente[] = {
    {2031, A::Kontrollkasten, "Level der Synapsenst\xE4rke bei Permutation darstellen", "IDC_PMTF_BALKEN=", 0, 0, 0, 0, 3},
    {2070, A::Text, "Balkenfarbe", "IDC_PMTF_BALKENFARBE_TXT=", 0, 0, 1, 0, 2},
    {2032, A::Knopf, "Farbe...", "IDC_PMTF_FARBE=", 0, 0, 1, 2, 1},
    {2071, A::Text, "Abstand der Balkendarstellung von der Y-Achse (Pixel)", "IDC_PMTF_ABSTAND_TXT=", 0, 0, 2, 0, 2},
    {2033, A::Eingabe, "", "", 0, 0, 2, 2, 1},
    {2072, A::Text, "Abstand der Balkenunterkante vom oberen Fensterrand (Pixel)", "IDC_PMTF_UNTERKANTE_TXT=", 0, 0, 3, 0, 2},
    {2034, A::Eingabe, "", "", 0, 0, 3, 2, 1},
    {2073, A::Text, "Balkenbreite (in % des Abstandes)", "IDC_PMTF_BREITE_TXT=", 0, 0, 4, 0, 2},
    {2035, A::Eingabe, "", "", 0, 0, 4, 2, 1},
    {2074, A::Text, "maximale Balkenh\xF6he (Pixel)", "IDC_PMTF_MAXIMALHOEHE_TXT=", 0, 0, 5, 0, 2},
    {2036, A::Eingabe, "", "", 0, 0, 5, 2, 1},
    {2075, A::Text, "Sockelh\xF6he der Balken", "IDC_PMTF_SOCKEL_TXT=", 0, 0, 6, 0, 2},
    {2037, A::Eingabe, "", "", 0, 0, 6, 2, 1},
    {2076, A::Text, "Abstand der Synapsenbezeichnung von Balken", "IDC_PMTF_TEXTABSTAND_TXT=", 0, 0, 7, 0, 2},
    {2038, A::Eingabe, "", "", 0, 0, 7, 2, 1},
    {2039, A::Kontrollkasten, "Synapsenbezeichnung unter Balken anzeigen", "IDC_PMTF_BEZEICHNUNG=", 0, 0, 8, 0, 3},
    {2077, A::Text, "Spike-Farbe", "IDC_PMTF_SPIKEFARBE_TXT=", 0, 0, 9, 0, 2},
    {2040, A::Knopf, "Farbe...", "IDC_PMTF_FARBE=", 0, 0, 9, 2, 1},
    {2078, A::Text, "Linienstaerke der schematischen Spikes", "IDC_PMTF_SPIKEDICKE_TXT=", 0, 0, 10, 0, 2},
    {2041, A::Eingabe, "", "", 0, 0, 10, 2, 1},
    {2079, A::Gruppe, "Darzustellende Zahlenangaben", "IDC_PMTF_ZAHLEN_TXT=", 0, 0, 11, 0, 3},
    {2042, A::Kontrollkasten, "Nummer", "IDC_PMTF_NUMMER=", 0, 1, 0, 0, 1},
    {2043, A::Kontrollkasten, "AP-Anzahl", "IDC_PMTF_AP_ANZAHL=", 0, 1, 0, 1, 1},
    {2044, A::Kontrollkasten, "G\xFCtefaktor", "IDC_PMTF_GUETE=", 0, 1, 0, 2, 1},
    {2045, A::Kontrollkasten, "Frequenzen", "IDC_PMTF_FREQUENZEN=", 0, 1, 1, 0, 1},
    {2046, A::Kontrollkasten, "Position", "IDC_PMTF_POSITION=", 0, 1, 1, 1, 1},
    {2080, A::Gruppe, "", "", 0, 0, 12, 0, 3},
    {2047, A::Optionsfeld, "oberhalb der APs", "IDC_PMTF_OBERHALB=", 0, 2, 0, 0, 2},
    {2048, A::Optionsfeld, "unterhalb", "IDC_PMTF_UNTERHALB=", 0, 2, 0, 2, 1},
    {2081, A::Gruppe, "", "", 0, 0, 13, 0, 3},
    {2049, A::Optionsfeld, "oben", "IDC_PMTF_OBEN=", 0, 3, 0, 0, 1},
    {2050, A::Optionsfeld, "mitte", "IDC_PMTF_MITTE=", 0, 3, 0, 1, 1},
    {2051, A::Optionsfeld, "unten", "IDC_PMTF_UNTEN=", 0, 3, 0, 2, 1},
    {2052, A::Kontrollkasten, "X-Achse automatisch skalieren", "IDC_PMTF_X_AUTOMATISCH=", 0, 0, 0, 3, 3},
    {2053, A::Kontrollkasten, "Stromreiz darstellen", "IDC_PMTF_STROMREIZ=", 0, 0, 1, 3, 3},
    {2082, A::Text, "Stromreiz dieses Neurons im Auswertefenster darstellen", "IDC_PMTF_NEURON_TXT=", 0, 0, 2, 3, 3},
    {2054, A::Auswahlliste, "", "", 0, 0, 3, 3, 3},
    {2083, A::Text, "Farbe f\xFCr Stromreizkurve", "IDC_PMTF_REIZFARBE_TXT=", 0, 0, 4, 3, 2},
    {2055, A::Knopf, "Farbe...", "IDC_PMTF_FARBE=", 0, 0, 4, 5, 1},
    {2084, A::Text, "maximalh\xF6he der Stromreizkurve in %-Fensterh\xF6he", "IDC_PMTF_REIZHOEHE_TXT=", 0, 0, 5, 3, 2},
    {2056, A::Eingabe, "", "", 0, 0, 5, 5, 1},
    {2085, A::Text, "Stromreizkurve Dicke (Pixel)", "IDC_PMTF_REIZDICKE_TXT=", 0, 0, 6, 3, 2},
    {2057, A::Eingabe, "", "", 0, 0, 6, 5, 1},
    {2086, A::Text, "Position Stromreiz-Grundlinie (Pixel)", "IDC_PMTF_GRUNDLINIE_TXT=", 0, 0, 7, 3, 2},
    {2058, A::Eingabe, "", "", 0, 0, 7, 5, 1},
    {2087, A::Text, "Farbe f\xFCr Klassenmarken", "IDC_PMTF_MARKENFARBE_TXT=", 0, 0, 8, 3, 2},
    {2059, A::Knopf, "Farbe...", "IDC_PMTF_FARBE=", 0, 0, 8, 5, 1},
    {2088, A::Text, "L\xE4nge der Klassenmarkierungen und Dicke (Pixel)", "IDC_PMTF_MARKEN_TXT=", 0, 0, 9, 3, 1},
    {2060, A::Eingabe, "", "", 0, 0, 9, 4, 1},
    {2061, A::Eingabe, "", "", 0, 0, 9, 5, 1},
    {2062, A::Kontrollkasten, "Frequenzen auf Stromreizkurve darstellen", "IDC_PMTF_FREQUENZEN_KURVE=", 0, 0, 10, 3, 1},
    {2089, A::Text, "Abstand (Pixel)", "IDC_PMTF_FREQUENZABSTAND_TXT=", 0, 0, 10, 4, 1},
    {2063, A::Eingabe, "", "", 0, 0, 10, 5, 1},
    {1, A::StandardKnopf, "OK", "IDOK=", 0, 0, 13, 4, 1},
    {2, A::Knopf, "Abbrechen", "IDCANCEL=", 0, 0, 13, 5, 1},
};

} // namespace

const DialogVorlage vorlagePermutationsfenster{203, "Einstellungen f\xFCr Permutationsfenster", "IDD_PMT_FENSTER=", elemente};
