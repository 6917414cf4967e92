// texts/dialogtabelle.cpp - the dialog texts by slot: key and German wording
//
// Slots the code reads by number: 0 (Cancel), 130-137 (dialog 133), 294 and 295
// (dialog 150), 485, 493 and 494 (dialog 218), 628 (dialog 275).
#include "texts/eingebaut.h"

namespace {

constexpr TextEintrag dialogTabelle[] = {
    {0, "IDCANCEL=", "Abbrechen"},
    {1, "IDOK=", "OK"},
    {2, "IDD_EINGABE=", "Eingabe"},
    {3, "IDC_EINGABE_TEXT1=", ""},
    {4, "IDC_EINGABE_TEXT2=", ""},
    {5, "IDC_EINGABE_BEZEICHNUNG=", "Eingabe:"},
    {6, "IDC_EINGABE_NICHT_MEHR_ANZEIGEN=", "diese Meldung nicht mehr anzeigen"},
    {7, "IDD_ANZEIGEBOX=", "Hinweis"},
    {8, "IDC_ANZEIGEBOX_TEXT=", ""},
    {9, "IDD_STROMINJEKTION=", "Strominjektion erstellen"},
    {10, "IDD_STROMREIZ=", "Strom-Reiz"},
    {11, "IDD_NEURON_BLITZ=", "Stromreiz Kennzeichnung"},
    {12, "IDD_BAHNUNG=", "Fazilitation und Depression"},
    {13, "IDD_CA_K_KANAL=", "Eigenschaften der Ca-Kanaele und des Ca-abhaengigen Kaliumkanals"},
    {14, "IDD_DIAGRAMM=", "Einstellungen zum Diagramm-Layout"},
    {15, "IDD_EXTERNE_KURVE=", "Kurve eines anderen Neurons ausw\xE4hlen"},
    {16, "IDD_KANAL_EIGENSCHAFTEN=", "Eigenschaften benutzerdefinierter SWIM-Kan\xE4le"},
    {17, "IDD_NEURON_KURVEN=", "Im Diagramm darzustellende Parameter"},
    {18, "IDD_SEITE_EINRICHTEN=", "Seite einrichten"},
    {19, "IDD_SWIM_STD_KANAL=", "Standard-Kan\xE4le des SWIM-Modells"},
    {20, "IDD_SYNAPSENTYPEN=", "Synapsentypen"},
    {21, "IDD_SYNAPSE_NEU1=", "Neue Synapse einf\xFCgen"},
    {22, "IDD_SYNAPSE_NEU3=", "Synapse l\xF6schen"},
    {23, "IDD_TRANSMITTER_DYNAMIK=", "Dynamik der Transmitterfreisetzung"},
    {24, "IDD_ZWEITE_Y_ACHSE=", "zus\xE4tzliche Y-Achse formatieren"},
    {25, "IDC_D_GECHECKTE_WERTE_AENDERN=", "gecheckte Werte \xFC" "berall \xE4ndern||gecheckte Werte in Vorlage und allen Diagrammen \xE4ndern"},
    {26, "IDC_D_UEBERSCHRIFT1=", "Werte mit H\xE4kchen im kleinen K\xE4stchen werden \xFC" "bernommen,"},
    {27, "IDC_D_UEBERSCHRIFT2=", "ohne H\xE4kchen gilt alles nur f\xFCr dieses Diagramm."},
    {28, "IDC_KURVE_KURVE_IN_ALLEN_DIAGRAMMEN=", "diese Kurve in allen Diagrammen"},
    {29, "IDC_KURVE_ALLE_IN_ALLEN_DIAGRAMMEN=", "alle Kurven in allen Diagrammen"},
    {30, "IDC_VOLTAGE_CLAMP_AKTIVIEREN=", "Voltage-Clamp f\xFCr Neuron %s"},
    {31, "IDC_KURVEN_DARSTELLEN8=", "Kanalstrom 1"},
    {32, "IDC_KURVEN_DARSTELLEN9=", "Kanalstrom 2"},
    {33, "IDC_KURVEN_DARSTELLEN10=", "Kanalstrom 3"},
    {34, "IDC_KURVEN_DARSTELLEN11=", "Kanalstrom 4"},
    {35, "IDC_SYN_SYNAPSE_LOESCHEN=", "Synapse l\xF6schen||jetzt l\xF6schen"},
    {130, "IDD_SIMULATION=", "Simulations-Parameter"},
    {131, "IDC_SIM_DAUER_TXT=", "Simulationsdauer (sec)"},
    {132, "IDC_SIM_SCHRITTLAENGE_TXT=", "Einzelschrittl\xE4nge (sec)"},
    {133, "IDC_SIM_SCHRITTE_PRO_ANZEIGE_TXT=", "Anzeigeintervall in Schritten"},
    {134, "IDC_SIM_RESTZEIT_ZEIGEN=", "Fenster mit Restzeit anzeigen"},
    {135, "IDC_SIM_SPIKESCHWELLE_TXT=", "Spikeschwelle (nur zum APs z\xE4hlen) (V)"},
    {136, "IDC_SIM_OBJEKTE_AKTIVIEREN=", "Rueckkopplungs-Objekte aktivieren"},
    {137, "IDC_SIM_KOLLISIONS_OBJEKTE_AKTIVIEREN=", "Kollisions-Objekte aktivieren"},
    {294, "IDC_SI_NEURONLISTE_TXT=", "Neuronenliste (%d ausgew\xE4hlt)"},
    {295, "IDC_SI_TITEL=", "Strominjektion erstellen f\xFCr %s"},
    {485, "IDC_KPROPS_ANZAHL_KANAELE=", "Anzahl benutzerdefinierter Kan\xE4le im SWIM-Modell:  %d"},
    {493, "IDC_KANAL_AKTIVIERENDER_TEIL=", "aktivierender Kanal-Anteil, inaktivierender folgt"},
    {494, "IDC_KANAL_INAKTIVIERENDER_TEIL=", "inaktivierender Anteil zu \"%s\""},
    {628, "IDC_SPIKEZEITEN_SPEICHERN_ANZDEZI_TXT=", "Anzahl Dezimalstellen (empfohlen: %d):"},
};

} // namespace

constinit const std::span<const TextEintrag> eingebauteDialogTexte{dialogTabelle};
