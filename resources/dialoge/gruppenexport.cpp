// resources/dialoge/gruppenexport.cpp - editing a synapse group (306), the spike-time
// choice (275) and the ASCII export settings (169)
#include "resources/vorlagen.h"

using plattform::DialogElement;
using plattform::DialogVorlage;
using A = plattform::ElementArt;
namespace s = plattform::elementStil;

namespace {

// Dialog 306: a row per parameter, its edit in column 3 and its apply check in column 4.
// Labels are 43xx.
const DialogElement gruppeElemente[] = {
    {4300, A::Text, "Synapsenliste", "IDC_SG_LISTE_TXT=", 0, 0, 0, 0, 1},
    {2040, A::Auswahlliste, "", "", 0, 0, 0, 1, 4},
    {4301, A::Text, "Leitf\xE4higkeit (S)", "IDC_SG_LEITFAEHIGKEIT_TXT=", 0, 0, 1, 0, 3},
    {2041, A::Eingabe, "", "", 0, 0, 1, 3, 1},
    {2057, A::Kontrollkasten, "\xE4ndern", "IDC_SG_AENDERN=", 0, 0, 1, 4, 1},
    {4302, A::Text, "Schwelle f\xFCr Transmitterfreisetzung (V)", "IDC_SG_SCHWELLE_TXT=", 0, 0, 2, 0, 3},
    {2043, A::Eingabe, "", "", 0, 0, 2, 3, 1},
    {2059, A::Kontrollkasten, "\xE4ndern", "IDC_SG_AENDERN=", 0, 0, 2, 4, 1},
    {4303, A::Text, "S\xE4ttigung der Transmitterfreisetzung (V)", "IDC_SG_SAETTIGUNG_TXT=", 0, 0, 3, 0, 3},
    {2044, A::Eingabe, "", "", 0, 0, 3, 3, 1},
    {2060, A::Kontrollkasten, "\xE4ndern", "IDC_SG_AENDERN=", 0, 0, 3, 4, 1},
    {2049, A::Kontrollkasten,
     "Dynamik der Transmitterfreisetzung\n\nTransmitterfreisetzung in s\ndanach fester, exp. Abfall "
     "(tau=0,025)\nGewichtungsfaktor:",
     "IDC_SG_DEHNUNG=", 0, 0, 4, 0, 3},
    {2071, A::Kontrollkasten, "\xE4ndern", "IDC_SG_AENDERN=", 0, 0, 4, 4, 1},
    {2050, A::Eingabe, "", "", 0, 0, 5, 3, 1},
    {2061, A::Kontrollkasten, "\xE4ndern", "IDC_SG_AENDERN=", 0, 0, 5, 4, 1},
    {2051, A::Eingabe, "", "", 0, 0, 6, 3, 1},
    {2062, A::Kontrollkasten, "\xE4ndern", "IDC_SG_AENDERN=", 0, 0, 6, 4, 1},
    {2052, A::Kontrollkasten, "dynamische Transmitterfreisetzung", "IDC_SG_TRANSMITTER=", 0, 0, 7, 0, 3},
    {2069, A::Knopf, "...", "", 0, 0, 7, 3, 1},
    {2063, A::Kontrollkasten, "\xE4ndern", "IDC_SG_AENDERN=", 0, 0, 7, 4, 1},
    {2055, A::Kontrollkasten, "praesynaptische fazilitation/depression", "IDC_SG_BAHNUNG=", 0, 0, 8, 0, 3},
    {2054, A::Knopf, "...", "", 0, 0, 8, 3, 1},
    {2064, A::Kontrollkasten, "\xE4ndern", "IDC_SG_AENDERN=", 0, 0, 8, 4, 1},
    {2068, A::Text, "Ge\xE4ndert werden nur die angekreuzten Parameter.", "IDC_SG_WARNUNG=", 0, 0, 9, 0, 5},
    {2053, A::Knopf, "alle", "IDC_SG_ALLE=", 0, 0, 10, 0, 1},
    {2070, A::Knopf, "keine", "IDC_SG_KEINE=", 0, 0, 10, 1, 1},
    {2066, A::Knopf, "gecheckte NUR bei der angezeigten Synapse aendern", "IDC_SG_NUR_ANGEZEIGTE=", 0, 0, 10, 2, 3},
    {2056, A::Knopf, "alle loeschen", "IDC_SG_ALLE_LOESCHEN=", 0, 0, 11, 0, 1},
    {1, A::StandardKnopf, "OK", "IDOK=", 0, 0, 11, 2, 1},
    {2300, A::Knopf, "OK - F2", "IDC_OK_F2=", 0, 0, 11, 3, 1},
    {2, A::Knopf, "Abbrechen", "IDCANCEL=", 0, 0, 11, 4, 1},
};

const DialogElement spikeZeitenElemente[] = {
    {1842, A::Text, "Spike-Zeiten markierter Neurone (*) speichern", "IDC_SZ_ERKLAERUNG=", 0, 0, 0, 0, 4},
    {1839, A::Auswahlliste, "", "", 0, 0, 1, 0, 4},
    {1840, A::Knopf, "Speichern an", "IDC_SZ_AN=", 0, 0, 2, 0, 1},
    {1841, A::Knopf, "Speichern aus", "IDC_SZ_AUS=", 0, 0, 2, 1, 1},
    {2066, A::Kontrollkasten, "Spikefolge bewerten", "IDC_SZ_BEWERTEN=", s::Gesperrt, 0, 2, 2, 2},
    {2224, A::Text, "Anzahl Dezimalstellen (empfohlen):", "IDC_SPIKEZEITEN_SPEICHERN_ANZDEZI_TXT=", 0, 0, 3, 0, 3},
    {2223, A::Eingabe, "", "", 0, 0, 3, 3, 1},
    {4330, A::Text, "Dezimalzeichen", "IDC_SZ_DEZIMALZEICHEN_TXT=", 0, 0, 4, 0, 3},
    {2225, A::Eingabe, "", "", 0, 0, 4, 3, 1},
    {1, A::StandardKnopf, "OK", "IDOK=", 0, 0, 5, 2, 1},
    {2, A::Knopf, "Abbrechen", "IDCANCEL=", 0, 0, 5, 3, 1},
};

// Dialog 169: group boxes 1 neurons, 2 parameters, 3 current unit, 4 saving interval.
const DialogElement asciiExportElemente[] = {
    {4340, A::Gruppe, "Neurone f\xFCr Export", "IDC_AE_NEURONE=", 0, 0, 0, 0, 4},
    {1400, A::Auswahlliste, "", "", 0, 1, 0, 0, 4},
    {1406, A::Knopf, "mark.", "IDC_AE_MARK=", 0, 1, 1, 0, 1},
    {1410, A::Knopf, "demark.", "IDC_AE_DEMARK=", 0, 1, 1, 1, 1},
    {1407, A::Knopf, "alle", "IDC_AE_ALLE=", 0, 1, 1, 2, 1},
    {1408, A::Knopf, "keine", "IDC_AE_KEINE=", 0, 1, 1, 3, 1},
    {4341, A::Gruppe, "auszugebende Parameter ", "IDC_AE_PARAMETER=", 0, 0, 1, 0, 4},
    {1402, A::Auswahlliste, "", "", 0, 2, 0, 0, 4},
    {1409, A::Knopf, "f\xFCr angezeigtes Neuron ausgeben", "IDC_AE_AUSGEBEN=", 0, 2, 1, 0, 2},
    {1411, A::Knopf, "f\xFCr dieses Neuron nicht ausgeben", "IDC_AE_NICHT_AUSGEBEN=", 0, 2, 1, 2, 2},
    {1412, A::Knopf, "f\xFCr markierte (*) ausgeben", "IDC_AE_MARKIERTE_AUSGEBEN=", 0, 2, 2, 0, 2},
    {1413, A::Knopf, "f\xFCr markierte nicht ausgeben", "IDC_AE_MARKIERTE_NICHT=", 0, 2, 2, 2, 2},
    {4342, A::Text, "Dezimalzeichen", "IDC_AE_DEZIMALZEICHEN_TXT=", 0, 0, 2, 0, 1},
    {1401, A::Eingabe, "", "", 0, 0, 2, 1, 1},
    {4343, A::Text, "Anzahl von Dezimalstellen", "IDC_AE_DEZIMALSTELLEN_TXT=", 0, 0, 2, 2, 1},
    {1404, A::Eingabe, "", "", 0, 0, 2, 3, 1},
    {4344, A::Text, "Spalten-Trennzeichen (t f\xFCr TAB)", "IDC_AE_TRENNZEICHEN_TXT=", 0, 0, 3, 0, 1},
    {1405, A::Eingabe, "", "", 0, 0, 3, 1, 1},
    {4345, A::Text, "Dezimalstellen f\xFCr Zeitangabe", "IDC_AE_ZEITDEZIMALSTELLEN_TXT=", 0, 0, 3, 2, 1},
    {1414, A::Eingabe, "", "", 0, 0, 3, 3, 1},
    {4346, A::Gruppe, "Stromdimension in:", "IDC_AE_STROMDIMENSION=", 0, 0, 4, 0, 2},
    {1415, A::Optionsfeld, "nA", "", 0, 3, 0, 0, 1},
    {1416, A::Optionsfeld, "uA", "", 0, 3, 0, 1, 1},
    {1417, A::Optionsfeld, "mA", "", 0, 3, 0, 2, 1},
    {4347, A::Gruppe, "", "", 0, 0, 4, 2, 2},
    {2229, A::Optionsfeld, "Werte fortlaufend abspeichern", "IDC_AE_FORTLAUFEND=", 0, 4, 0, 0, 2},
    {2230, A::Optionsfeld, "Speicherintervall", "IDC_AE_INTERVALL=", 0, 4, 1, 0, 1},
    {2231, A::Eingabe, "", "", 0, 4, 1, 1, 1},
    {1, A::StandardKnopf, "OK", "IDOK=", 0, 0, 5, 2, 1},
    {2, A::Knopf, "Abbrechen", "IDCANCEL=", 0, 0, 5, 3, 1},
};

} // namespace

const DialogVorlage vorlageSynapsengruppe{306, "Synapsengruppe bearbeiten", "IDD_SYNAPSENGRUPPE=", gruppeElemente};
const DialogVorlage vorlageSpikeZeiten{275, "Spike-Zeiten speichern", "IDD_SPIKEZEITEN=", spikeZeitenElemente};
const DialogVorlage vorlageAsciiExport{169, "Einstellungen f\xFCr ASCII-Export", "IDD_ASCII_EXPORT=",
                                       asciiExportElemente};
