// resources/dialoge/objekte.cpp - the dialogs of the feedback and collision objects:
// "Einstellungen für Rueckkopplungsobjekt", "Graphische Objekt-Eigenschaften" and
// "Einstellungen fuer Kollisions-Objekte"
#include "resources/vorlagen.h"

using plattform::DialogElement;
using plattform::DialogVorlage;
using A = plattform::ElementArt;

namespace {

// Dialog 299. Group boxes in table order: 1 how the train follows the cycle period (its
// radios clear only each other), 2 the pulses, 3 the trigger's burst criteria, 4 the
// neurons. Labels are statics of their own (33xx).
const DialogElement rueckkopplungElemente[] = {
    {1862, A::Kontrollkasten, "aktivieren", "IDC_RK_AKTIVIEREN=", 0, 0, 0, 0, 1},
    {3301, A::Text, "Name:", "IDC_RK_NAME_TXT=", 0, 0, 0, 1, 1},
    {1895, A::Eingabe, "", "", 0, 0, 0, 2, 3},
    {3302, A::Gruppe, "Latenz, Frequenz und Dauer des Reizzuges", "IDC_RK_ZUSAMMENHANG=", 0, 0, 1, 0, 5},
    {2067, A::Optionsfeld, "kein Zusammenhang, feste Werte", "IDC_RK_FESTE_WERTE=", 0, 1, 0, 0, 1},
    {2068, A::Optionsfeld, "linear anpassen", "IDC_RK_LINEAR=", 0, 1, 0, 1, 1},
    {2069, A::Optionsfeld, "Tabellenwerte", "IDC_RK_TABELLE=", 0, 1, 0, 2, 1},
    {3303, A::Text, "Steigung", "IDC_RK_STEIGUNG_TXT=", 0, 1, 1, 1, 1},
    {3304, A::Text, "Achsenabschnitt / fester Wert", "IDC_RK_ACHSENABSCHNITT_TXT=", 0, 1, 1, 2, 1},
    {3305, A::Text, "Latenz (s):", "IDC_RK_LATENZ_TXT=", 0, 1, 2, 0, 1},
    {1875, A::Eingabe, "", "", 0, 1, 2, 1, 1},
    {1878, A::Eingabe, "", "", 0, 1, 2, 2, 1},
    {3306, A::Text, "Frequenz (Hz):", "IDC_RK_FREQUENZ_TXT=", 0, 1, 3, 0, 1},
    {1880, A::Eingabe, "", "", 0, 1, 3, 1, 1},
    {1882, A::Eingabe, "", "", 0, 1, 3, 2, 1},
    {3307, A::Text, "Burst Duration (s):", "IDC_RK_DAUER_TXT=", 0, 1, 4, 0, 1},
    {1884, A::Eingabe, "", "", 0, 1, 4, 1, 1},
    {1886, A::Eingabe, "", "", 0, 1, 4, 2, 1},
    {2070, A::Kontrollkasten, "Zielaktivierung bei n\xE4" "chstem Burstbeginn", "IDC_RK_ZIELAKTIVIERUNG=", 0, 1, 5, 0,
     3},
    {3308, A::Gruppe, "Stromreize in den Zielneuronen", "IDC_RK_REIZE=", 0, 0, 2, 0, 5},
    {3309, A::Text, "Stromreiz-Dauer (s) / Amplitude (A)", "IDC_RK_REIZ_TXT=", 0, 2, 0, 0, 1},
    {1890, A::Eingabe, "", "", 0, 2, 0, 1, 1},
    {1892, A::Eingabe, "", "", 0, 2, 0, 2, 1},
    {2066, A::Kontrollkasten, "keine Reizueberlappungen im Zielneuron zulassen", "IDC_RK_UEBERLAPPUNG=", 0, 2, 1, 0,
     3},
    {3310, A::Gruppe, "Trigger", "IDC_RK_TRIGGER=", 0, 0, 3, 0, 5},
    {3311, A::Text, "Trigger-Burst Mindest-AP-Anzahl / -Frequenz (Hz):", "IDC_RK_AP_ANZAHL_TXT=", 0, 3, 0, 0, 1},
    {1899, A::Eingabe, "", "", 0, 3, 0, 1, 1},
    {1903, A::Eingabe, "", "", 0, 3, 0, 2, 1},
    {3312, A::Text, "Mindest-Burst+IBI-Dauer / Inter-Burst-Pause (s)", "IDC_RK_BURSTDAUER_TXT=", 0, 3, 1, 0, 1},
    {1894, A::Eingabe, "", "", 0, 3, 1, 1, 1},
    {1905, A::Eingabe, "", "", 0, 3, 1, 2, 1},
    {3313, A::Text, "Max. Inter-Spike-Intervall / Start-ISI (s)", "IDC_RK_ISI_TXT=", 0, 3, 2, 0, 1},
    {1902, A::Eingabe, "", "", 0, 3, 2, 1, 1},
    {1906, A::Eingabe, "", "", 0, 3, 2, 2, 1},
    {3314, A::Text, "Delay nach Ausschalt-Spike / Max-Dauer (s):", "IDC_RK_AUSSCHALTEN_TXT=", 0, 3, 3, 0, 1},
    {1900, A::Eingabe, "", "", 0, 3, 3, 1, 1},
    {1907, A::Eingabe, "", "", 0, 3, 3, 2, 1},
    {3315, A::Gruppe, "Neurone", "IDC_RK_NEURONE=", 0, 0, 4, 0, 5},
    {3316, A::Text, "Triggerneuron ", "IDC_RK_TRIGGERNEURON_TXT=", 0, 4, 0, 0, 1},
    {3317, A::Text, "Zielneurone", "IDC_RK_ZIELNEURONE_TXT=", 0, 4, 0, 1, 2},
    {1918, A::Kontrollkasten, "Ausschaltneuron", "IDC_RK_AUSSCHALTNEURON=", 0, 4, 0, 3, 2},
    {1910, A::Liste, "", "", 0, 4, 1, 0, 1},
    {1911, A::Liste, "", "", 0, 4, 1, 1, 2},
    {1915, A::Liste, "", "", 0, 4, 1, 3, 2},
    {1914, A::Knopf, "waehlen", "IDC_RK_WAEHLEN=", 0, 4, 2, 0, 1},
    {1912, A::Knopf, "mark", "IDC_RK_ZIEL_MARK=", 0, 4, 2, 1, 1},
    {1913, A::Knopf, "unmark", "IDC_RK_ZIEL_UNMARK=", 0, 4, 2, 2, 1},
    {1916, A::Knopf, "mark", "IDC_RK_AUS_MARK=", 0, 4, 2, 3, 1},
    {1917, A::Knopf, "unmark", "IDC_RK_AUS_UNMARK=", 0, 4, 2, 4, 1},
    {1909, A::Knopf, "Graphik", "IDC_RK_GRAPHIK=", 0, 0, 5, 0, 1},
    {1919, A::Knopf, "Hilfe", "IDC_RK_HILFE=", 0, 0, 5, 1, 1},
    {1920, A::Knopf, "Objekt l\xF6schen", "IDC_RK_LOESCHEN=", 0, 0, 5, 2, 1},
    {1, A::StandardKnopf, "OK", "IDOK=", 0, 0, 6, 2, 1},
    {2300, A::Knopf, "OK-F2", "IDC_OK_F2=", 0, 0, 6, 3, 1},
    {2, A::Knopf, "Abbrechen", "IDCANCEL=", 0, 0, 6, 4, 1},
};

// Dialog 300: the five numbers, then a colour button beside each colour's label.
const DialogElement graphikElemente[] = {
    {3321, A::Text, "Objektbreite", "IDC_OG_BREITE_TXT=", 0, 0, 0, 0, 1},
    {1902, A::Eingabe, "", "", 0, 0, 0, 1, 1},
    {3322, A::Text, "Objekth\xF6he", "IDC_OG_HOEHE_TXT=", 0, 0, 1, 0, 1},
    {1904, A::Eingabe, "", "", 0, 0, 1, 1, 1},
    {3323, A::Text, "Zeilenabstand-Divisor", "IDC_OG_DIVISOR_TXT=", 0, 0, 2, 0, 1},
    {1906, A::Eingabe, "", "", 0, 0, 2, 1, 1},
    {3324, A::Text, "Liniendicke", "IDC_OG_LINIE_TXT=", 0, 0, 3, 0, 1},
    {1898, A::Eingabe, "", "", 0, 0, 3, 1, 1},
    {3325, A::Text, "Randdicke", "IDC_OG_RAND_TXT=", 0, 0, 4, 0, 1},
    {1900, A::Eingabe, "", "", 0, 0, 4, 1, 1},
    {3326, A::Text, "Objektfarbe", "IDC_OG_OBJEKTFARBE_TXT=", 0, 0, 5, 0, 1},
    {1908, A::Knopf, "Farbe", "IDC_OG_FARBE=", 0, 0, 5, 1, 1},
    {3327, A::Text, "Randfarbe", "IDC_OG_RANDFARBE_TXT=", 0, 0, 6, 0, 1},
    {1910, A::Knopf, "Farbe", "IDC_OG_FARBE=", 0, 0, 6, 1, 1},
    {3328, A::Text, "Linienfarbe", "IDC_OG_LINIENFARBE_TXT=", 0, 0, 7, 0, 1},
    {1912, A::Knopf, "Farbe", "IDC_OG_FARBE=", 0, 0, 7, 1, 1},
    {1, A::StandardKnopf, "OK", "IDOK=", 0, 0, 8, 0, 1},
    {2, A::Knopf, "Abbrechen", "IDCANCEL=", 0, 0, 8, 1, 1},
};

// Dialog 316: the explanation on top, the four elements, the run times and the pulse.
const DialogElement kollisionElemente[] = {
    {2197, A::Text,
     "Ein Kollisions-Objekt bildet ein Axon aus vier Neuronen ab: zwei Axon-Elemente und zu jedem sein "
     "Soma-Element. Ein Spike, der an einem Axon-Element startet, l\xE4uft \xFC" "ber das Axon; hat das andere "
     "Axon-Element vorher einen Spike in Gegenrichtung gestartet, kollidieren beide und gehen verloren. Ein "
     "ankommender Spike reizt das ferne Soma-Element mit einem Strompuls.",
     "IDC_KO_ERKLAERUNG=", 0, 0, 0, 0, 4},
    {2066, A::Kontrollkasten, "dieses Kollisions-Objekt aktivieren", "IDC_KO_AKTIVIEREN=", 0, 0, 1, 0, 2},
    {2067, A::Kontrollkasten, "Kollisionen akustisch anzeigen", "IDC_KO_AKUSTISCH=", 0, 0, 1, 2, 2},
    {3331, A::Text, "Eindeutige Objektbezeichnung", "IDC_KO_NAME_TXT=", 0, 0, 2, 0, 1},
    {2210, A::Eingabe, "", "", 0, 0, 2, 1, 3},
    {3332, A::Text, "Neuron fuer Axon-Element 1", "IDC_KO_AXON1_TXT=", 0, 0, 3, 0, 1},
    {2203, A::Auswahlliste, "", "", 0, 0, 3, 1, 1},
    {3333, A::Text, "Neuron fuer Axon-Element 2", "IDC_KO_AXON2_TXT=", 0, 0, 3, 2, 1},
    {2204, A::Auswahlliste, "", "", 0, 0, 3, 3, 1},
    {3334, A::Text, "Neuron fuer Soma-Element 1", "IDC_KO_SOMA1_TXT=", 0, 0, 4, 0, 1},
    {2206, A::Auswahlliste, "", "", 0, 0, 4, 1, 1},
    {3335, A::Text, "Neuron fuer Soma-Element 2", "IDC_KO_SOMA2_TXT=", 0, 0, 4, 2, 1},
    {2208, A::Auswahlliste, "", "", 0, 0, 4, 3, 1},
    {3336, A::Text, "Laufzeit ueber das Axon (sec)", "IDC_KO_LAUFZEIT_TXT=", 0, 0, 5, 0, 1},
    {2199, A::Eingabe, "", "", 0, 0, 5, 1, 1},
    {3337, A::Text, "Laufzeit Soma-Axon-Element (sec)", "IDC_KO_SOMA_AXON_TXT=", 0, 0, 5, 2, 1},
    {2217, A::Eingabe, "", "", 0, 0, 5, 3, 1},
    {3338, A::Text, "Soma-Reizdauer (sec)", "IDC_KO_REIZDAUER_TXT=", 0, 0, 6, 0, 1},
    {2213, A::Eingabe, "", "", 0, 0, 6, 1, 1},
    {3339, A::Text, "Soma-Reizamplitude (A)", "IDC_KO_REIZAMPLITUDE_TXT=", 0, 0, 6, 2, 1},
    {2215, A::Eingabe, "", "", 0, 0, 6, 3, 1},
    {2209, A::Knopf, "Graphik", "IDC_RK_GRAPHIK=", 0, 0, 7, 0, 1},
    {2212, A::Knopf, "Objekt\nloeschen", "IDC_KO_LOESCHEN=", 0, 0, 7, 1, 1},
    {1, A::StandardKnopf, "OK", "IDOK=", 0, 0, 8, 1, 1},
    {2300, A::Knopf, "OK - F2", "IDC_OK_F2=", 0, 0, 8, 2, 1},
    {2, A::Knopf, "Abbrechen", "IDCANCEL=", 0, 0, 8, 3, 1},
};

} // namespace

const DialogVorlage vorlageRueckkopplung{299, "Einstellungen f\xFCr Rueckkopplungsobjekt", "IDD_RUECKKOPPLUNG=",
                                         rueckkopplungElemente, 1};
const DialogVorlage vorlageObjektGraphik{300, "Graphische Objekt-Eigenschaften", "IDD_OBJEKT_GRAPHIK=",
                                         graphikElemente, 1};
const DialogVorlage vorlageKollision{316, "Einstellungen fuer Kollisions-Objekte", "IDD_KOLLISION=",
                                     kollisionElemente, 1};
