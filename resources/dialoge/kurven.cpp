// resources/dialoge/kurven.cpp - recorded curves, neuron name, channel choice and
// Izhikevich types
#include "resources/vorlagen.h"

using plattform::DialogElement;
using plattform::DialogVorlage;
using A = plattform::ElementArt;
namespace s = plattform::elementStil;

namespace {

// Slots 0-7 with their colour bars on the left, 8-15 with theirs on the right, the last
// four reference curves below them. The bars are paint areas 3270 + slot.
const DialogElement kurvenElemente[] = {
    {1270, A::Kontrollkasten, "Somapotential", "IDC_KURVEN_DARSTELLEN0=", 0, 0, 0, 0, 2},
    {3270, A::Malflaeche, "", "", s::Balken, 0, 0, 2, 1},
    {1271, A::Kontrollkasten, "Natriumstrom", "IDC_KURVEN_DARSTELLEN1=", 0, 0, 1, 0, 2},
    {3271, A::Malflaeche, "", "", s::Balken, 0, 1, 2, 1},
    {1272, A::Kontrollkasten, "Kaliumstrom", "IDC_KURVEN_DARSTELLEN2=", 0, 0, 2, 0, 2},
    {3272, A::Malflaeche, "", "", s::Balken, 0, 2, 2, 1},
    {1273, A::Kontrollkasten, "Calziumstrom", "IDC_KURVEN_DARSTELLEN3=", 0, 0, 3, 0, 2},
    {3273, A::Malflaeche, "", "", s::Balken, 0, 3, 2, 1},
    {1274, A::Kontrollkasten, "Gesamtstrom", "IDC_KURVEN_DARSTELLEN4=", 0, 0, 4, 0, 2},
    {3274, A::Malflaeche, "", "", s::Balken, 0, 4, 2, 1},
    {1275, A::Kontrollkasten, "Dendritenpotential Segment 1", "IDC_KURVEN_DARSTELLEN5=", 0, 0, 5, 0, 2},
    {3275, A::Malflaeche, "", "", s::Balken, 0, 5, 2, 1},
    {1276, A::Kontrollkasten, "Dendritenpotential Segment 2", "IDC_KURVEN_DARSTELLEN6=", 0, 0, 6, 0, 2},
    {3276, A::Malflaeche, "", "", s::Balken, 0, 6, 2, 1},
    {1277, A::Kontrollkasten, "Dendritenpotential Segment 3", "IDC_KURVEN_DARSTELLEN7=", 0, 0, 7, 0, 2},
    {3277, A::Malflaeche, "", "", s::Balken, 0, 7, 2, 1},
    {1278, A::Kontrollkasten, "Strom Kanal 1", "IDC_KURVEN_DARSTELLEN8=", 0, 0, 0, 3, 2},
    {3278, A::Malflaeche, "", "", s::Balken, 0, 0, 5, 1},
    {1279, A::Kontrollkasten, "Strom Kanal 2", "IDC_KURVEN_DARSTELLEN9=", 0, 0, 1, 3, 2},
    {3279, A::Malflaeche, "", "", s::Balken, 0, 1, 5, 1},
    {1280, A::Kontrollkasten, "Strom Kanal 3", "IDC_KURVEN_DARSTELLEN10=", 0, 0, 2, 3, 2},
    {3280, A::Malflaeche, "", "", s::Balken, 0, 2, 5, 1},
    {1281, A::Kontrollkasten, "Strom Kanal 4", "IDC_KURVEN_DARSTELLEN11=", 0, 0, 3, 3, 2},
    {3281, A::Malflaeche, "", "", s::Balken, 0, 3, 5, 1},
    {1282, A::Kontrollkasten, "Referenz 1", "IDC_KURVEN_DARSTELLEN12=", 0, 0, 4, 3, 2},
    {3282, A::Malflaeche, "", "", s::Balken, 0, 4, 5, 1},
    {1283, A::Kontrollkasten, "Referenz 2", "IDC_KURVEN_DARSTELLEN13=", 0, 0, 5, 3, 2},
    {3283, A::Malflaeche, "", "", s::Balken, 0, 5, 5, 1},
    {1284, A::Kontrollkasten, "Referenz 3", "IDC_KURVEN_DARSTELLEN14=", 0, 0, 6, 3, 2},
    {3284, A::Malflaeche, "", "", s::Balken, 0, 6, 5, 1},
    {1285, A::Kontrollkasten, "Referenz 4", "IDC_KURVEN_DARSTELLEN15=", 0, 0, 7, 3, 2},
    {3285, A::Malflaeche, "", "", s::Balken, 0, 7, 5, 1},
    {1286, A::Kontrollkasten, "Referenz 5", "IDC_KURVEN_DARSTELLEN16=", 0, 0, 8, 3, 2},
    {1287, A::Kontrollkasten, "Referenz 6", "IDC_KURVEN_DARSTELLEN17=", 0, 0, 9, 3, 2},
    {1288, A::Kontrollkasten, "Referenz 7", "IDC_KURVEN_DARSTELLEN18=", 0, 0, 10, 3, 2},
    {1289, A::Kontrollkasten, "Referenz 8", "IDC_KURVEN_DARSTELLEN19=", 0, 0, 11, 3, 2},
    {3290, A::Text, "wenn sie hier auf OK druecken, wird eine Simulation gestartet", "IDC_KURVEN_STARTET_SIMULATION=", 0, 0, 12, 0, 6},
    {1, A::StandardKnopf, "OK", "IDOK=", 0, 0, 13, 0, 1},
    {2, A::Knopf, "Abbrechen", "IDCANCEL=", 0, 0, 13, 1, 1},
};

const DialogElement nameElemente[] = {
    {1591, A::Text, "Name des Neurons eingeben:", "IDC_NEURON_NAME_TXT=", 0, 0, 0, 0, 3},
    {1084, A::Eingabe, "", "", 0, 0, 1, 0, 3},
    {1, A::StandardKnopf, "OK", "IDOK=", 0, 0, 2, 0, 1},
    {2, A::Knopf, "Abbrechen", "IDCANCEL=", 0, 0, 2, 2, 1},
};

const DialogElement kanalWahlElemente[] = {
    {1801, A::Text, "Kanal zur Darstellung in Ausgabefenster aus den aktuell in diesem Neuron enthaltenen "
                    "benutzerdefinierten Kan\xE4len ausw\xE4hlen", "IDC_KANAL_AUSWAHL_TXT=", 0, 0, 0, 0, 4},
    {1800, A::Auswahlliste, "", "", 0, 0, 1, 0, 4},
    {2298, A::Optionsfeld, "Strom darstellen", "IDC_KANAL_AUSWAHL_STROM=", 0, 0, 2, 0, 4},
    {2299, A::Optionsfeld, "\xD6" "ffnungsfaktor des Tores darstellen", "IDC_KANAL_AUSWAHL_OEFFNUNG=", 0, 0, 3, 0, 4},
    {1, A::StandardKnopf, "OK", "IDOK=", 0, 0, 4, 0, 1},
    {2, A::Knopf, "Abbrechen", "IDCANCEL=", 0, 0, 4, 3, 1},
};

const DialogElement izhikevichElemente[] = {
    {3301, A::Text, "Einige Parameter der schnellen Izhikevich-Rechnung k\xF6nnen hier angegeben werden; "
                    "einige Antworttypen sind vordefiniert.", "IDC_IZH_ERKLAERUNG=", 0, 0, 0, 0, 4},
    {3302, A::Text, "Bezeichnung:", "IDC_IZH_BEZEICHNUNG_TXT=", 0, 0, 1, 0, 1},
    {1931, A::Eingabe, "", "", 0, 0, 1, 1, 3},
    {3303, A::Text, "A", "IDC_IZH_A_TXT=", 0, 0, 2, 0, 1},
    {1924, A::Eingabe, "", "", 0, 0, 2, 1, 1},
    {3304, A::Text, "B", "IDC_IZH_B_TXT=", 0, 0, 2, 2, 1},
    {1925, A::Eingabe, "", "", 0, 0, 2, 3, 1},
    {3305, A::Text, "C   (Referenzpotential [mV])", "IDC_IZH_C_TXT=", 0, 0, 3, 0, 1},
    {1926, A::Eingabe, "", "", 0, 0, 3, 1, 1},
    {3306, A::Text, "D", "IDC_IZH_D_TXT=", 0, 0, 3, 2, 1},
    {1927, A::Eingabe, "", "", 0, 0, 3, 3, 1},
    {3307, A::Text, "Tau  (Simulationschrittweite [ms])", "IDC_IZH_TAU_TXT=", 0, 0, 4, 0, 1},
    {1928, A::Eingabe, "", "", s::Gesperrt, 0, 4, 1, 1},
    {3308, A::Text, "Natrium Gleichgewichtspotenzial", "IDC_IZH_NAE_TXT=", 0, 0, 4, 2, 1},
    {1929, A::Eingabe, "", "", 0, 0, 4, 3, 1},
    {3309, A::Text, "V initial [mV])", "IDC_IZH_V_TXT=", 0, 0, 5, 0, 1},
    {1935, A::Eingabe, "", "", 0, 0, 5, 1, 1},
    {3310, A::Text, "U initial [mV])", "IDC_IZH_U_TXT=", 0, 0, 5, 2, 1},
    {1936, A::Eingabe, "", "", 0, 0, 5, 3, 1},
    {2066, A::Kontrollkasten, "H\xF6he der Spikes korrigieren (alle gleiche Amplitude)", "IDC_IZH_KORRIGIEREN=", 0, 0, 6, 0, 4},
    {3311, A::Gruppe, "Vordefinierte und eigene Antworttypen (s. Izhikevich 2003, 2004)", "IDC_IZH_TYPEN_GRUPPE=", 0, 0, 7, 0, 4},
    {1930, A::Auswahlliste, "", "", 0, 1, 0, 0, 4},
    {1932, A::Knopf, "neu", "IDC_IZH_NEU=", 0, 1, 1, 0, 1},
    {1933, A::Knopf, "\xE4ndern", "IDC_IZH_AENDERN=", 0, 1, 1, 1, 1},
    {1934, A::Knopf, "l\xF6schen", "IDC_IZH_LOESCHEN=", 0, 1, 1, 2, 1},
    {1937, A::Knopf, "urspruengliche Werte wiederherstellen", "IDC_IZH_WIEDERHERSTELLEN=", 0, 0, 8, 0, 2},
    {1, A::StandardKnopf, "OK", "IDOK=", 0, 0, 9, 0, 1},
    {2300, A::Knopf, "OK - F2", "IDC_OK_F2=", 0, 0, 9, 1, 1},
    {2, A::Knopf, "Abbrechen", "IDCANCEL=", 0, 0, 9, 3, 1},
};

} // namespace

const DialogVorlage vorlageKurvenDarstellen{147, "Darzustellende Kurven", "IDD_KURVEN_DARSTELLEN=", kurvenElemente, 1};
const DialogVorlage vorlageNeuronName{126, "Neuron Namen \xE4ndern", "IDD_NEURON_NAME=", nameElemente, 1};
const DialogVorlage vorlageKanalAuswahl{251, "Kanal zu neuron ausw\xE4hlen", "IDD_KANAL_AUSWAHL=", kanalWahlElemente, 1};
const DialogVorlage vorlageIzhikevich{303, "Parameter fuer schnellen Simulationstyp", "IDD_IZHIKEVICH=", izhikevichElemente, 1};
