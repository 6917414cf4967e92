// resources/dialoge/strom.cpp - the stimulus dialogs: "Strominjektion erstellen", "Strom-Reiz"
// and "Stromreiz Kennzeichnung"
#include "resources/vorlagen.h"

using plattform::DialogElement;
using plattform::DialogVorlage;
using A = plattform::ElementArt;

namespace {

// Dialog 150. Columns 1-4 are soma and dendrite segments 1-3; the labels of the rows are
// statics of their own (30xx) so the simple display can hide them with their rows. Group
// boxes in table order: 1 the switching group, 2-5 the shape radios of the four columns
// (each column's pair clears only itself), 6 the standard soma stimulus.
const DialogElement strominjektionElemente[] = {
    {1302, A::Text, "Neuronenliste (%d ausgew\xE4hlt)", "IDC_SI_NEURONLISTE_TXT=", 0, 0, 0, 0, 1},
    {1281, A::Auswahlliste, "", "", 0, 0, 0, 1, 2},
    {1307, A::Knopf, "select", "IDC_SI_MARK=", 0, 0, 0, 3, 1},
    {1308, A::Knopf, "ALLE", "IDC_SI_ALLE=", 0, 0, 0, 4, 1},
    {1306, A::Kontrollkasten, "Reizdefinitionen dieses Neurons f\xFCr alle ausgew\xE4hlten Neurone \xFC" "bernehmen.",
     "IDC_SI_UEBERNEHMEN=", 0, 0, 1, 0, 3},
    {3020, A::Gruppe, "Reize bei markierten Neuronen schalten", "IDC_SI_SCHALTEN=", 0, 0, 1, 3, 3},
    {1314, A::Kontrollkasten, "schalten", "IDC_SI_SCHALTEN_MODUS=", 0, 1, 0, 0, 1},
    {1313, A::Optionsfeld, "an", "IDC_SI_SCHALTEN_AN=", 0, 1, 0, 1, 1},
    {1311, A::Optionsfeld, "aus", "IDC_SI_SCHALTEN_AUS=", 0, 1, 0, 2, 1},
    // the column heads
    {3002, A::Text, "Soma", "IDC_SI_SOMA_TXT=", 0, 0, 2, 1, 1},
    {3003, A::Text, "Dendrit 1", "IDC_SI_DENDRIT1_TXT=", 0, 0, 2, 2, 1},
    {3004, A::Text, "Dendrit 2", "IDC_SI_DENDRIT2_TXT=", 0, 0, 2, 3, 1},
    {3005, A::Text, "Dendrit 3", "IDC_SI_DENDRIT3_TXT=", 0, 0, 2, 4, 1},
    // stimuli from files
    {3006, A::Text, "Strominjektionen aus Datei", "IDC_SI_AUS_DATEI=", 0, 0, 3, 0, 1},
    {1351, A::Kontrollkasten, "", "", 0, 0, 3, 1, 1},
    {1354, A::Kontrollkasten, "", "", 0, 0, 3, 2, 1},
    {1355, A::Kontrollkasten, "", "", 0, 0, 3, 3, 1},
    {1356, A::Kontrollkasten, "", "", 0, 0, 3, 4, 1},
    {2071, A::Knopf, "-", "", 0, 0, 4, 1, 1},
    {2072, A::Knopf, "-", "", 0, 0, 4, 2, 1},
    {2073, A::Knopf, "-", "", 0, 0, 4, 3, 1},
    {2074, A::Knopf, "-", "", 0, 0, 4, 4, 1},
    // on and permanent
    {3007, A::Text, "Reiz einschalten / Dauerreiz", "IDC_SI_EINSCHALTEN_TXT=", 0, 0, 5, 0, 1},
    {1340, A::Kontrollkasten, "", "", 0, 0, 5, 1, 1},
    {1341, A::Kontrollkasten, "", "", 0, 0, 5, 2, 1},
    {1342, A::Kontrollkasten, "", "", 0, 0, 5, 3, 1},
    {1343, A::Kontrollkasten, "", "", 0, 0, 5, 4, 1},
    {1352, A::Kontrollkasten, "Dauerreiz", "IDC_SI_DAUERREIZ=", 0, 0, 5, 5, 1},
    // the shape
    {3008, A::Text, "Rechteck, Rampe / Sinus", "IDC_SI_FORM_TXT=", 0, 0, 6, 0, 1},
    {3031, A::Gruppe, "", "", 0, 0, 6, 1, 1},
    {1331, A::Optionsfeld, "Rechteck", "IDC_SI_RECHTECK=", 0, 2, 0, 0, 1},
    {1344, A::Optionsfeld, "Sinus", "IDC_SI_SINUS=", 0, 2, 1, 0, 1},
    {3032, A::Gruppe, "", "", 0, 0, 6, 2, 1},
    {1345, A::Optionsfeld, "Rechteck", "IDC_SI_RECHTECK=", 0, 3, 0, 0, 1},
    {1346, A::Optionsfeld, "Sinus", "IDC_SI_SINUS=", 0, 3, 1, 0, 1},
    {3033, A::Gruppe, "", "", 0, 0, 6, 3, 1},
    {1347, A::Optionsfeld, "Rechteck", "IDC_SI_RECHTECK=", 0, 4, 0, 0, 1},
    {1348, A::Optionsfeld, "Sinus", "IDC_SI_SINUS=", 0, 4, 1, 0, 1},
    {3034, A::Gruppe, "", "", 0, 0, 6, 4, 1},
    {1349, A::Optionsfeld, "Rechteck", "IDC_SI_RECHTECK=", 0, 5, 0, 0, 1},
    {1350, A::Optionsfeld, "Sinus", "IDC_SI_SINUS=", 0, 5, 1, 0, 1},
    // the numbers of the four columns
    {3009, A::Text, "Beginn (s)", "IDC_SI_BEGINN_TXT=", 0, 0, 7, 0, 1},
    {1286, A::Eingabe, "", "", 0, 0, 7, 1, 1},
    {1287, A::Eingabe, "", "", 0, 0, 7, 2, 1},
    {1315, A::Eingabe, "", "", 0, 0, 7, 3, 1},
    {1323, A::Eingabe, "", "", 0, 0, 7, 4, 1},
    {3010, A::Text, "Rampe: Anstieg, Sinus: Ende (s)", "IDC_SI_ZEILE2_TXT=", 0, 0, 8, 0, 1},
    {1282, A::Eingabe, "", "", 0, 0, 8, 1, 1},
    {1288, A::Eingabe, "", "", 0, 0, 8, 2, 1},
    {1316, A::Eingabe, "", "", 0, 0, 8, 3, 1},
    {1324, A::Eingabe, "", "", 0, 0, 8, 4, 1},
    {3011, A::Text, "Rampe: Dach, Sinus: Periode (s)", "IDC_SI_ZEILE3_TXT=", 0, 0, 9, 0, 1},
    {1283, A::Eingabe, "", "", 0, 0, 9, 1, 1},
    {1289, A::Eingabe, "", "", 0, 0, 9, 2, 1},
    {1317, A::Eingabe, "", "", 0, 0, 9, 3, 1},
    {1325, A::Eingabe, "", "", 0, 0, 9, 4, 1},
    {3012, A::Text, "Rampe: Abfall, Sinus: Offset (s)", "IDC_SI_ZEILE4_TXT=", 0, 0, 10, 0, 1},
    {1284, A::Eingabe, "", "", 0, 0, 10, 1, 1},
    {1290, A::Eingabe, "", "", 0, 0, 10, 2, 1},
    {1318, A::Eingabe, "", "", 0, 0, 10, 3, 1},
    {1326, A::Eingabe, "", "", 0, 0, 10, 4, 1},
    {3013, A::Text, "Amplitude (A)", "IDC_SI_AMPLITUDE_TXT=", 0, 0, 11, 0, 1},
    {1285, A::Eingabe, "", "", 0, 0, 11, 1, 1},
    {1294, A::Eingabe, "", "", 0, 0, 11, 2, 1},
    {1319, A::Eingabe, "", "", 0, 0, 11, 3, 1},
    {1327, A::Eingabe, "", "", 0, 0, 11, 4, 1},
    {3014, A::Text, "Anzahl Reize", "IDC_SI_ANZAHL_TXT=", 0, 0, 12, 0, 1},
    {1291, A::Eingabe, "", "", 0, 0, 12, 1, 1},
    {1295, A::Eingabe, "", "", 0, 0, 12, 2, 1},
    {1320, A::Eingabe, "", "", 0, 0, 12, 3, 1},
    {1328, A::Eingabe, "", "", 0, 0, 12, 4, 1},
    {3015, A::Text, "Reizabstand (s)", "IDC_SI_ABSTAND_TXT=", 0, 0, 13, 0, 1},
    {1292, A::Eingabe, "", "", 0, 0, 13, 1, 1},
    {1296, A::Eingabe, "", "", 0, 0, 13, 2, 1},
    {1321, A::Eingabe, "", "", 0, 0, 13, 3, 1},
    {1329, A::Eingabe, "", "", 0, 0, 13, 4, 1},
    // the soma's bursts and single pulse, the dendrites' alternation
    {3016, A::Text, "Anzahl Bursts", "IDC_SI_BURSTS_TXT=", 0, 0, 14, 0, 1},
    {1293, A::Eingabe, "", "", 0, 0, 14, 1, 1},
    {2290, A::Knopf, "?", "", 0, 0, 14, 4, 1},
    {3019, A::Text, "Burstabstand (s)", "IDC_SI_BURSTABSTAND_TXT=", 0, 0, 14, 2, 1},
    {1297, A::Eingabe, "", "", 0, 0, 14, 3, 1},
    {3021, A::Text, "Einzelreiz Beginn (s)", "IDC_SI_EINZELREIZ_TXT=", 0, 0, 15, 0, 1},
    {1298, A::Eingabe, "", "", 0, 0, 15, 1, 1},
    {2291, A::Knopf, "?", "", 0, 0, 15, 2, 1},
    {3022, A::Text, "(    bei jedem Reiz die polaritaet wechseln    )", "IDC_SI_ALTERNIEREN_TXT=", 0, 0, 16, 0, 2},
    {1312, A::Kontrollkasten, "", "", 0, 0, 16, 2, 1},
    {1322, A::Kontrollkasten, "", "", 0, 0, 16, 3, 1},
    {1330, A::Kontrollkasten, "", "", 0, 0, 16, 4, 1},
    // the neuron's label and the step of all stimuli
    {3017, A::Text, "Bezeichnung:", "IDC_SI_BEZEICHNUNG_TXT=", 0, 0, 17, 0, 1},
    {1305, A::Eingabe, "", "", 0, 0, 17, 1, 4},
    {3018, A::Text, "Schrittweite f\xFCr alle Reize in allen Neuronen (s):", "IDC_SI_SCHRITTWEITE_TXT=", 0, 0, 18, 0, 3},
    {1304, A::Eingabe, "", "", 0, 0, 18, 3, 1},
    {2283, A::Knopf, "?", "", 0, 0, 18, 4, 1},
    {1690, A::Gruppe, "Standard Somareiz", "IDC_SI_STANDARD_SOMAREIZ=", 0, 0, 19, 0, 2},
    {1332, A::Knopf, "einf\xFCgen", "IDC_SI_EINFUEGEN=", 0, 6, 0, 0, 1},
    {1338, A::Knopf, "merken", "IDC_SI_MERKEN=", 0, 6, 0, 1, 1},
    {2066, A::Kontrollkasten, "Einfache Darstellung", "IDC_SI_EINFACH=", 0, 0, 0, 5, 1},
    {1, A::StandardKnopf, "OK", "IDOK=", 0, 0, 19, 2, 1},
    {2300, A::Knopf, "OK - F2", "IDC_OK_F2=", 0, 0, 19, 3, 1},
    {2, A::Knopf, "nixtun", "IDC_SI_NIXTUN=", 0, 0, 19, 4, 1},
};

const DialogElement stromreizElemente[] = {
    {3101, A::Text, "Soma-Stromreiz (s)", "IDC_SR_SOMA_START_TXT=", 0, 0, 0, 0, 1},
    {1209, A::Eingabe, "", "", 0, 0, 0, 1, 1},
    {3102, A::Text, "Ende", "IDC_SR_ENDE_TXT=", 0, 0, 0, 2, 1},
    {1212, A::Eingabe, "", "", 0, 0, 0, 3, 1},
    {3103, A::Text, "Intensitaet (A)", "IDC_SR_INTENSITAET_TXT=", 0, 0, 1, 0, 1},
    {1216, A::Eingabe, "", "", 0, 0, 1, 1, 1},
    {1225, A::Knopf, "beispiel", "IDC_SR_BEISPIEL=", 0, 0, 1, 3, 1},
    {3104, A::Text, "Dendriten-Stromreiz Start (s)", "IDC_SR_DEND_START_TXT=", 0, 0, 2, 0, 1},
    {1219, A::Eingabe, "", "", 0, 0, 2, 1, 1},
    {3105, A::Text, "Ende", "IDC_SR_ENDE_TXT=", 0, 0, 2, 2, 1},
    {1221, A::Eingabe, "", "", 0, 0, 2, 3, 1},
    {3106, A::Text, "Intensitaet (A)", "IDC_SR_INTENSITAET_TXT=", 0, 0, 3, 0, 1},
    {1222, A::Eingabe, "", "", 0, 0, 3, 1, 1},
    {1226, A::Knopf, "beispiel", "IDC_SR_BEISPIEL=", 0, 0, 3, 3, 1},
    {3107, A::Gruppe, "Segment", "IDC_SR_SEGMENT=", 0, 0, 4, 0, 4},
    {1220, A::Optionsfeld, "1", "", 0, 1, 0, 0, 1},
    {1223, A::Optionsfeld, "2", "", 0, 1, 0, 1, 1},
    {1224, A::Optionsfeld, "3", "", 0, 1, 0, 2, 1},
    {1227, A::Knopf, "woist Rampe ... Sinus?????", "IDC_SR_WOIST=", 0, 0, 5, 0, 2},
    {1, A::StandardKnopf, "OK", "IDOK=", 0, 0, 6, 2, 1},
    {2, A::Knopf, "Abbrechen", "IDCANCEL=", 0, 0, 6, 3, 1},
};

const DialogElement blitzElemente[] = {
    {3201, A::Text, "Blitz L\xE4nge", "IDC_BLITZ_LAENGE_TXT=", 0, 0, 0, 0, 1},
    {1354, A::Eingabe, "", "", 0, 0, 0, 1, 1},
    {3202, A::Text, "Blitz Dicke", "IDC_BLITZ_DICKE_TXT=", 0, 0, 1, 0, 1},
    {1355, A::Eingabe, "", "", 0, 0, 1, 1, 1},
    {3203, A::Gruppe, "Position", "IDC_BLITZ_POSITION=", 0, 0, 2, 0, 2},
    {1356, A::Optionsfeld, "unten", "IDC_BLITZ_UNTEN=", 0, 1, 0, 0, 1},
    {1357, A::Optionsfeld, "oben", "IDC_BLITZ_OBEN=", 0, 1, 0, 1, 1},
    {3204, A::Text, "Blitz Farbe", "IDC_BLITZ_FARBE_TXT=", 0, 0, 3, 0, 1},
    {1358, A::Knopf, "Farbe", "IDC_BLITZ_FARBE=", 0, 0, 3, 1, 1},
    {1, A::StandardKnopf, "OK", "IDOK=", 0, 0, 4, 0, 1},
    {2, A::Knopf, "Abbrechen", "IDCANCEL=", 0, 0, 4, 1, 1},
};

} // namespace

const DialogVorlage vorlageStrominjektion{150, "Strominjektion erstellen", "IDD_STROMINJEKTION=",
                                          strominjektionElemente, 1};
const DialogVorlage vorlageStromreiz{132, "Strom-Reiz", "IDD_STROMREIZ=", stromreizElemente, 1};
const DialogVorlage vorlageNeuronBlitz{152, "Stromreiz Kennzeichnung", "IDD_NEURON_BLITZ=", blitzElemente, 1};
