// resources/dialoge/neuron.cpp - the neuron parameter dialogs: physiology (117), morphology
// (138), noise (149), voltage clamp (229) and potential limits (315)
#include "resources/vorlagen.h"

using plattform::DialogElement;
using plattform::DialogVorlage;
using A = plattform::ElementArt;
namespace s = plattform::elementStil;

namespace {

// a label, its edit and the check box of the full view in one row of a group
#define ZEILE(gruppe, zeile, text, schluessel, feld, kasten)     \
    {feld + 2000, A::Text, text, schluessel, 0, gruppe, zeile, 0, 2}, \
    {feld, A::Eingabe, "", "", 0, gruppe, zeile, 2, 1},           \
    {kasten, A::Kontrollkasten, "", "", 0, gruppe, zeile, 3, 1}

const DialogElement physiologieElemente[] = {
    {3201, A::Gruppe, "Aktive Eigenschaften Soma", "IDC_PHYS_AKTIV_GRUPPE=", 0, 0, 0, 0, 4},
    ZEILE(1, 0, "Natrium-Gleichgewichtspotenzial (V)", "IDC_PHYS_NA_E_TXT=", 1082, 1257),
    ZEILE(1, 1, "Natrium Leitf\xE4higkeit (S)", "IDC_PHYS_NA_G_TXT=", 1087, 1258),
    ZEILE(1, 2, "Kalium Gleichgewichtspotenzial (V)", "IDC_PHYS_K_E_TXT=", 1091, 1260),
    ZEILE(1, 3, "Kalium Leitf\xE4higkeit (S)", "IDC_PHYS_K_G_TXT=", 1095, 1262),
    ZEILE(1, 4, "Calcium  Gleichgewichtspotenzial (V)", "IDC_PHYS_CA_E_TXT=", 1099, 1264),
    ZEILE(1, 5, "Calcium  Leitf\xE4higkeit (S)", "IDC_PHYS_CA_G_TXT=", 1114, 1266),
    {1253, A::Optionsfeld, "Spiker", "IDC_PHYS_SPIKER=", 0, 1, 6, 0, 1},
    {1255, A::Optionsfeld, "Nichtspiker", "IDC_PHYS_NICHTSPIKER=", 0, 1, 6, 1, 1},
    {1268, A::Kontrollkasten, "", "", 0, 1, 6, 3, 1},
    {1811, A::Kontrollkasten, "Ca-Gleichgewichtspotential berechnen", "IDC_PHYS_CA_BERECHNEN=", s::Verborgen | s::Gesperrt, 1, 7, 0, 2},
    {1267, A::Kontrollkasten, "", "", s::Verborgen | s::Gesperrt, 1, 7, 3, 1},
    {3202, A::Gruppe, "Soma Parameter", "IDC_PHYS_SOMA_GRUPPE=", 0, 0, 1, 0, 4},
    ZEILE(2, 0, "Leitf\xE4higkeit (Membranleckstrom) (S)", "IDC_PHYS_SOMA_LECK_TXT=", 1104, 1270),
    ZEILE(2, 1, "Ruhepotential (V)", "IDC_PHYS_SOMA_RUHE_TXT=", 1107, 1272),
    ZEILE(2, 2, "Anfangspotential (V)", "IDC_PHYS_SOMA_START_TXT=", 1108, 1273),
    ZEILE(2, 3, "Kapazit\xE4t (F)", "IDC_PHYS_SOMA_KAPAZITAET_TXT=", 1109, 1274),
    ZEILE(2, 4, "Leitf\xE4higkeit zum Dendriten (S)", "IDC_PHYS_SOMA_KOPPLUNG_TXT=", 1111, 1276),
    {3203, A::Gruppe, "Dendrit Parameter", "IDC_PHYS_DENDRIT_GRUPPE=", 0, 0, 2, 0, 4},
    ZEILE(3, 0, "Leitf\xE4higkeit (Membranleckstrom) (S)", "IDC_PHYS_DEND_LECK_TXT=", 1117, 1277),
    ZEILE(3, 1, "Ruhepotential (V)", "IDC_PHYS_DEND_RUHE_TXT=", 1120, 1278),
    ZEILE(3, 2, "Anfangspotential (V)", "IDC_PHYS_DEND_START_TXT=", 1121, 1279),
    ZEILE(3, 3, "Kapazit\xE4t (F)", "IDC_PHYS_DEND_KAPAZITAET_TXT=", 1123, 1280),
    ZEILE(3, 4, "Leitf\xE4higkeit zum Soma (S)", "IDC_PHYS_DEND_KOPPLUNG_TXT=", 1126, 1282),
    {3, A::Knopf, "Standardwerte", "IDC_PHYS_STANDARDWERTE=", 0, 0, 3, 0, 1},
    {2225, A::Knopf, "Ruhe./Anfangs. und Soma/Dendrit synchronisieren", "IDC_PHYS_SYNCHRONISIEREN=", 0, 0, 3, 1, 3},
    {5, A::Knopf, "gechekte bei MARKIERTEN \xE4ndern", "IDC_PHYS_MARKIERTE_AENDERN=", 0, 0, 4, 0, 2},
    {4, A::Knopf, "gechekte bei ALLEN \xE4ndern", "IDC_PHYS_ALLE_AENDERN=", 0, 0, 4, 2, 2},
    {1, A::StandardKnopf, "OK", "IDOK=", 0, 0, 5, 0, 1},
    {2300, A::Knopf, "OK - F2", "IDC_OK_F2=", 0, 0, 5, 1, 1},
    {2, A::Knopf, "nixtun", "IDC_PHYS_NIXTUN=", 0, 0, 5, 3, 1},
};

const DialogElement morphologieElemente[] = {
    {3201, A::Gruppe, "alle Angaben in Pixel", "IDC_MORPH_GRUPPE=", 0, 0, 0, 0, 3},
    ZEILE(1, 0, "Soma-Durchmesser", "IDC_MORPH_SOMA_TXT=", 1083, 1259),
    ZEILE(1, 1, "Dendrit-L\xE4nge", "IDC_MORPH_DENDRIT_LAENGE_TXT=", 1088, 1261),
    ZEILE(1, 2, "Dendrit-Dicke", "IDC_MORPH_DENDRIT_DICKE_TXT=", 1092, 1263),
    ZEILE(1, 3, "Axon-L\xE4nge", "IDC_MORPH_AXON_TXT=", 1096, 1265),
    ZEILE(1, 4, "SynapsenGr\xF6\xDF" "e", "IDC_MORPH_SYNAPSE_TXT=", 1100, 1267),
    ZEILE(1, 5, "Reizblitz-L\xE4nge", "IDC_MORPH_BLITZ_TXT=", 1097, 1266),
    ZEILE(1, 6, "Radius f\xFCr rekurrierende Synapsen", "IDC_MORPH_REKURRENT_TXT=", 1103, 1269),
    ZEILE(1, 7, "Liniendicke fuer Dendritensegment", "IDC_MORPH_LINIE_TXT=", 1104, 1270),
    {1271, A::Knopf, "gecheckte bei allen \xE4ndern", "IDC_MORPH_ALLE_AENDERN=", 0, 0, 1, 0, 1},
    {1273, A::Knopf, "als Standard \xFC" "bernehmen", "IDC_MORPH_ALS_STANDARD=", 0, 0, 1, 1, 1},
    {1275, A::Knopf, "Standardwerte eintragen", "IDC_MORPH_STANDARDWERTE=", 0, 0, 1, 2, 1},
    {1, A::StandardKnopf, "OK", "IDOK=", 0, 0, 2, 0, 1},
    {2, A::Knopf, "Abbrechen", "IDCANCEL=", 0, 0, 2, 2, 1},
};

const DialogElement rauschenElemente[] = {
    {3000, A::Text, "Rauschen besteht aus einzelnen Pulsen, die zum Membranpotential addiert werden; "
                    "Intensit\xE4t, H\xE4ufigkeit und Abklingzeit schwanken zuf\xE4llig.",
     "IDC_RAUSCHEN_ERKLAERUNG=", 0, 0, 0, 0, 4},
    {1276, A::Kontrollkasten, "&Rauschen aktivieren", "IDC_RAUSCHEN_AKTIVIEREN=", 0, 0, 1, 0, 2},
    {1285, A::Kontrollkasten, "&nur exzitatorisches Rauschen", "IDC_RAUSCHEN_EXZITATORISCH=", 0, 0, 1, 2, 2},
    {3001, A::Text, "Neurone mit aktiviertem Rauschen sind durch * markiert", "IDC_RAUSCHEN_LISTE_TXT=", 0, 0, 2, 0, 2},
    {1275, A::Auswahlliste, "", "", 0, 0, 2, 2, 2},
    {3002, A::Text, "Neuron", "IDC_RAUSCHEN_NEURON_TXT=", 0, 0, 3, 2, 1},
    {3003, A::Text, "Standard", "IDC_RAUSCHEN_STANDARD_TXT=", 0, 0, 3, 3, 1},
    {3004, A::Text, "&Intensit\xE4t (A)", "IDC_RAUSCHEN_INTENSITAET_TXT=", 0, 0, 4, 0, 2},
    {1271, A::Eingabe, "", "", 0, 0, 4, 2, 1},
    {1279, A::Eingabe, "", "", 0, 0, 4, 3, 1},
    {3005, A::Text, "&H\xE4ufigkeit (dimensionslos)", "IDC_RAUSCHEN_HAEUFIGKEIT_TXT=", 0, 0, 5, 0, 2},
    {1272, A::Eingabe, "", "", 0, 0, 5, 2, 1},
    {1283, A::Eingabe, "", "", 0, 0, 5, 3, 1},
    {3006, A::Text, "Ab&klingzeit (s)", "IDC_RAUSCHEN_ABKLINGZEIT_TXT=", 0, 0, 6, 0, 2},
    {1274, A::Eingabe, "", "", 0, 0, 6, 2, 1},
    {1284, A::Eingabe, "", "", 0, 0, 6, 3, 1},
    {1280, A::Knopf, "(de)aktivieren", "IDC_RAUSCHEN_SCHALTEN=", 0, 0, 7, 0, 1},
    {1273, A::Knopf, "&alle an", "IDC_RAUSCHEN_ALLE_AN=", 0, 0, 7, 1, 1},
    {1278, A::Knopf, "alle a&us", "IDC_RAUSCHEN_ALLE_AUS=", 0, 0, 7, 2, 1},
    {1287, A::Knopf, "&Werte f\xFCr dieses Neuron speichern", "IDC_RAUSCHEN_NEURON_SPEICHERN=", 0, 0, 8, 0, 2},
    {1288, A::Knopf, "Werte f\xFCr aktivierte Neurone speichern", "IDC_RAUSCHEN_AKTIVIERTE_SPEICHERN=", 0, 0, 8, 2, 2},
    {1281, A::Knopf, "&Standardwerte f\xFCr dieses Neuron \xFC" "bernehmen",
     "IDC_RAUSCHEN_STANDARD_NEURON=", 0, 0, 9, 0, 2},
    {1282, A::Knopf, "&Standardwerte f\xFCr aktivierte  Neurone &\xFC" "bernehmen",
     "IDC_RAUSCHEN_STANDARD_AKTIVIERTE=", 0, 0, 9, 2, 2},
    {1, A::StandardKnopf, "OK", "IDOK=", 0, 0, 10, 0, 1},
    {2300, A::Knopf, "OK - F2", "IDC_OK_F2=", 0, 0, 10, 1, 1},
    {2, A::Knopf, "Abbrechen", "IDCANCEL=", 0, 0, 10, 3, 1},
};

const DialogElement voltageClampElemente[] = {
    {1559, A::Kontrollkasten, "Voltage-Clamp f\xFCr neuron X", "IDC_VOLTAGE_CLAMP_AKTIVIEREN=", 0, 0, 0, 0, 3},
    {3201, A::Gruppe, "Klemm-Spannungen", "IDC_VC_SPANNUNGEN_GRUPPE=", 0, 0, 1, 0, 3},
    {3007, A::Text, "Anfangsspannung (V)", "IDC_VC_ANFANG_TXT=", 0, 1, 0, 0, 1},
    {1560, A::Eingabe, "", "", 0, 1, 0, 1, 1},
    {1565, A::Kontrollkasten, "alle gleich", "IDC_VC_ALLE_GLEICH=", 0, 1, 0, 2, 1},
    {3008, A::Text, "Pulsspannung (V)", "IDC_VC_PULS_TXT=", 0, 1, 1, 0, 1},
    {1561, A::Eingabe, "", "", 0, 1, 1, 1, 1},
    {3009, A::Text, "Endspannung (V)", "IDC_VC_ENDE_TXT=", 0, 1, 2, 0, 1},
    {1562, A::Eingabe, "", "", 0, 1, 2, 1, 1},
    {3202, A::Gruppe, "Zeiten f\xFCr \xC4nderungen der Klemm-Spannung", "IDC_VC_ZEITEN_GRUPPE=", 0, 0, 2, 0, 3},
    {3010, A::Text, "Beginn des Pulses (s)", "IDC_VC_BEGINN_TXT=", 0, 2, 0, 0, 1},
    {1563, A::Eingabe, "", "", 0, 2, 0, 1, 1},
    {3011, A::Text, "Ende des Pulses (s)", "IDC_VC_PULSENDE_TXT=", 0, 2, 1, 0, 1},
    {1564, A::Eingabe, "", "", 0, 2, 1, 1, 1},
    {1, A::StandardKnopf, "OK", "IDOK=", 0, 0, 3, 0, 1},
    {2300, A::Knopf, "OK - F2", "IDC_OK_F2=", 0, 0, 3, 1, 1},
    {2, A::Knopf, "Abbrechen", "IDCANCEL=", 0, 0, 3, 2, 1},
};

// One compartment's column pair under its name: its switch, then the upper and the lower
// limit, each a box and its field, and "Auto". The row labels stand left of the same grid
// rows, so each sits beside its fields.
#define KOMPARTIMENT(spalte, nameId, name, schluessel, an, obenKasten, oben, untenKasten, unten, auto_) \
    {nameId, A::Text, name, schluessel, 0, 0, 2, spalte, 2},                                            \
    {an, A::Kontrollkasten, "aktivieren", "IDC_PB_AN=", 0, 0, 3, spalte, 2},                            \
    {obenKasten, A::Kontrollkasten, "", "", 0, 0, 4, spalte, 1},                                        \
    {oben, A::Eingabe, "", "", 0, 0, 4, spalte + 1, 1},                                                 \
    {untenKasten, A::Kontrollkasten, "", "", 0, 0, 5, spalte, 1},                                       \
    {unten, A::Eingabe, "", "", 0, 0, 5, spalte + 1, 1},                                                \
    {auto_, A::Kontrollkasten, "Auto", "IDC_PB_AUTO=", s::Gesperrt, 0, 6, spalte, 2}

const DialogElement begrenzungElemente[] = {
    {3150, A::Text, "Bei stark gereizten Segmenten und langen Zeitschritten k\xF6nnen Schwingungen "
                  "entstehen; die Begrenzung h\xE4lt das Potential zwischen den Grenzen.", "IDC_PB_HINWEIS_TXT=", 0, 0, 0, 0, 9},
    {2066, A::Kontrollkasten, "Potentialbegrenzung fuer markierte Neuron aktivieren", "IDC_PB_MARKIERTE=", 0, 0, 1, 0, 9},
    {3151, A::Text, "obere Grenze (Volt)", "IDC_PB_OBEN_TXT=", 0, 0, 4, 0, 1},
    {3152, A::Text, "untere Grenze (Volt)", "IDC_PB_UNTEN_TXT=", 0, 0, 5, 0, 1},
    {3153, A::Text, "Grenze autom. setzen", "IDC_PB_AUTO_TXT=", 0, 0, 6, 0, 1},
    KOMPARTIMENT(1, 3154, "Soma", "IDC_PB_SOMA=", 2067, 2068, 2176, 2072, 2177, 2076),
    KOMPARTIMENT(3, 3155, "Dendrit 1", "IDC_PB_DENDRIT1=", 2069, 2073, 2181, 2074, 2182, 2077),
    KOMPARTIMENT(5, 3156, "Dendrit 2", "IDC_PB_DENDRIT2=", 2070, 2075, 2183, 2080, 2184, 2078),
    KOMPARTIMENT(7, 3157, "Dendrit 3", "IDC_PB_DENDRIT3=", 2071, 2081, 2185, 2082, 2186, 2079),
    {3158, A::Text, "Bogendicke", "IDC_PB_BOGENDICKE_TXT=", 0, 0, 7, 0, 1},
    {2192, A::Eingabe, "", "", 0, 0, 7, 1, 2},
    {3159, A::Text, "Bogenabstand", "IDC_PB_BOGENABSTAND_TXT=", 0, 0, 7, 3, 2},
    {2194, A::Eingabe, "", "", 0, 0, 7, 5, 2},
    {3160, A::Text, "Bogenfarbe", "IDC_PB_BOGENFARBE_TXT=", 0, 0, 8, 0, 1},
    {2195, A::Knopf, "Farbe", "IDC_PB_FARBE=", 0, 0, 8, 1, 2},
    {2084, A::Kontrollkasten, "Alle Neurone mit Begrenzung graphisch kennzeichnen", "IDC_PB_KENNZEICHNEN=", 0, 0, 9, 0, 9},
    {1, A::StandardKnopf, "OK", "IDOK=", 0, 0, 10, 0, 1},
    {2300, A::Knopf, "OK-F2", "IDC_OK_F2=", 0, 0, 10, 1, 2},
    {2, A::Knopf, "Abbrechen", "IDCANCEL=", 0, 0, 10, 7, 2},
};

#undef ZEILE
#undef KOMPARTIMENT

} // namespace

const DialogVorlage vorlagePhysiologie{117, "Physiologische Neuron-Eigenschaften", "IDD_PHYSIOLOGIE=", physiologieElemente, 1};
const DialogVorlage vorlageMorphologie{138, "Morphologische Parameter", "IDD_MORPHOLOGIE=", morphologieElemente, 1};
const DialogVorlage vorlageRauschen{149, "Rauschen", "IDD_RAUSCHEN=", rauschenElemente, 1};
const DialogVorlage vorlageVoltageClamp{229, "Voltage-Clamp Einstellungen", "IDD_VOLTAGE_CLAMP=", voltageClampElemente,
                                       1};
const DialogVorlage vorlagePotentialbegrenzung{315, "Potentialbegrenzung", "IDD_POTENTIALBEGRENZUNG=", begrenzungElemente, 1};
