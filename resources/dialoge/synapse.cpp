// resources/dialoge/synapse.cpp - the synapse dialogs: new, edit and delete share 135; the
// synapse types are 134
#include "resources/vorlagen.h"

using plattform::DialogElement;
using plattform::DialogVorlage;
using A = plattform::ElementArt;
namespace s = plattform::elementStil;

namespace {

// groups in table order: 1 kind, 2 contact site, 3 type management. The two frames of the
// physiological values (large and small view) are bare boxes: the fields beside them stay
// where they are whichever frame the view shows.
const DialogElement synapseElemente[] = {
    {1654, A::Text, "Synapse von", "IDC_SYN_VON_TXT=", 0, 0, 0, 0, 1},
    {1262, A::Kombi, "", "", s::Sortiert, 0, 0, 1, 2},
    {1655, A::Text, "auf", "IDC_SYN_AUF_TXT=", 0, 0, 0, 3, 1},
    {1263, A::Kombi, "", "", s::Sortiert, 0, 0, 4, 2},
    {1567, A::Gruppe, "Art der Synapse", "IDC_SYN_ART_GRUPPE=", 0, 0, 1, 0, 3},
    {1251, A::Optionsfeld, "Natrium", "IDC_SYN_NATRIUM=", 0, 1, 0, 0, 1},
    {1247, A::Optionsfeld, "Kalium", "IDC_SYN_KALIUM=", 0, 1, 0, 1, 1},
    {1248, A::Optionsfeld, "Chlorid", "IDC_SYN_CHLORID=", 0, 1, 1, 0, 1},
    {1249, A::Optionsfeld, "elektrisch", "IDC_SYN_ELEKTRISCH=", 0, 1, 1, 1, 1},
    {1920, A::Optionsfeld, "normal", "IDC_SYN_EL_NORMAL=", s::Verborgen, 1, 2, 0, 1},
    {1921, A::Optionsfeld, "hyper.", "IDC_SYN_EL_HYPER=", s::Verborgen, 1, 2, 1, 1},
    {1922, A::Optionsfeld, "dep.", "IDC_SYN_EL_DEP=", s::Verborgen, 1, 2, 2, 1},
    {1566, A::Gruppe, "Kontaktort", "IDC_SYN_KONTAKTORT_GRUPPE=", 0, 0, 1, 3, 3},
    {1238, A::Optionsfeld, "Soma", "IDC_SYN_SOMA=", 0, 2, 0, 0, 1},
    {1239, A::Optionsfeld, "Dendrit 1", "IDC_SYN_DENDRIT1=", 0, 2, 0, 1, 1},
    {1240, A::Optionsfeld, "Dendrit 2", "IDC_SYN_DENDRIT2=", 0, 2, 1, 0, 1},
    {1241, A::Optionsfeld, "Dendrit 3", "IDC_SYN_DENDRIT3=", 0, 2, 1, 1, 1},
    {1663, A::Gruppe, "Verwaltung der Synapsentypen", "IDC_SYN_TYPEN_GRUPPE=", 0, 0, 2, 0, 6},
    {1259, A::Kombi, "", "", s::Sortiert, 3, 0, 0, 3},
    {1662, A::Text, "Gleichgewichtspotential (V)", "IDC_SYN_POTENTIAL_TXT=", 0, 3, 0, 3, 2},
    {1260, A::Eingabe, "", "", 0, 3, 0, 5, 1},
    {1265, A::Knopf, "neuer Typ", "IDC_SYN_NEUER_TYP=", 0, 3, 1, 0, 1},
    {1261, A::Knopf, "Typ l\xF6schen", "IDC_SYN_TYP_LOESCHEN=", 0, 3, 1, 1, 1},
    {1267, A::Knopf, "Typ zuweisen", "IDC_SYN_TYP_ZUWEISEN=", 0, 3, 1, 2, 1},
    {1661, A::Gruppe, "Physiologische Eigenschaften", "IDC_SYN_PHYSIOLOGIE_GRUPPE=", 0, 0, 3, 0, 6},
    {1656, A::Text, "\xDC" "bertragungsdauer (s)", "IDC_SYN_DAUER_TXT=", 0, 0, 4, 0, 3},
    {1236, A::Eingabe, "", "", 0, 0, 4, 3, 1},
    {1657, A::Text, "Leitf\xE4higkeit (S)", "IDC_SYN_LEITFAEHIGKEIT_TXT=", 0, 0, 5, 0, 3},
    {1242, A::Eingabe, "", "", 0, 0, 5, 3, 1},
    {1833, A::Kontrollkasten, "aus", "IDC_SYN_AUS=", s::Verborgen, 0, 5, 4, 1},
    {1659, A::Text, "Schwelle f\xFCr Transmitterfreisetzung (V)", "IDC_SYN_SCHWELLE_TXT=", 0, 0, 6, 0, 3},
    {1244, A::Eingabe, "", "", 0, 0, 6, 3, 1},
    {1660, A::Text, "S\xE4ttigung der Transmitterfreisetzung (V)", "IDC_SYN_SAETTIGUNG_TXT=", 0, 0, 7, 0, 3},
    {1246, A::Eingabe, "", "", 0, 0, 7, 3, 1},
    {1828, A::Kontrollkasten, "dynamische Transmitterfreisetzung", "IDC_SYN_DYNAMIK=", s::Verborgen, 0, 8, 0, 3},
    {1827, A::Knopf, "...", "", s::Verborgen, 0, 8, 3, 1},
    {1830, A::Kontrollkasten, "praesynaptische fazilitation/depression", "IDC_SYN_BAHNUNG=", s::Verborgen, 0, 9, 0, 3},
    {1829, A::Knopf, "...", "", s::Verborgen, 0, 9, 3, 1},
    {1832, A::Kontrollkasten, "Typ 2", "IDC_SYN_BAHNUNG_TYP2=", s::Verborgen, 0, 9, 4, 1},
    {1835, A::Kontrollkasten, "frei definierbare postsyn. Potentiale", "IDC_SYN_PSP=", s::Verborgen, 0, 10, 0, 3},
    {1834, A::Knopf, "...", "", s::Verborgen, 0, 10, 3, 1},
    {1861, A::Kontrollkasten, "Transmitterfreisetzung dehnen (s)\ndanach fester, exp. Abfall (tau=0,025)\nGewichtungsfaktor:",
     "IDC_SYN_DEHNEN=", s::Verborgen, 0, 11, 0, 3},
    {1518, A::Eingabe, "", "", s::Verborgen, 0, 11, 3, 1},
    {1519, A::Eingabe, "", "", s::Verborgen, 0, 11, 4, 1},
    {1831, A::Kontrollkasten, "Oeffnungsfaktor darstellen (in Kurve Dendrit 3) ", "IDC_SYN_OEFFNUNGSFAKTOR=",
     s::Verborgen, 0, 12, 0, 4},
    {1664, A::Gruppe, "Physiologische Eigenschaften", "IDC_SYN_PHYSIOLOGIE_GRUPPE=", s::Verborgen, 0, 13, 0, 6},
    {2196, A::Text, "ID = ", "", s::Verborgen, 0, 14, 0, 1},
    {1836, A::Kontrollkasten, "Einfache Darstellung", "IDC_SYN_EINFACH=", 0, 0, 14, 1, 2},
    {1266, A::Knopf, "", "", s::Verborgen, 0, 14, 4, 2},
    {1, A::StandardKnopf, "OK", "IDOK=", 0, 0, 15, 0, 1},
    {2300, A::Knopf, "OK - F2", "IDC_OK_F2=", 0, 0, 15, 1, 1},
    {2, A::Knopf, "Abbrechen", "IDCANCEL=", 0, 0, 15, 5, 1},
};

// a kind's row: label, list, potential, count and its buttons "löschen", "neu", "edit"
#define TYPZEILE(zeile, label, text, schluessel, liste, potential, anzahl, loeschen, neu, edit) \
    {label, A::Text, text, schluessel, 0, 0, zeile, 0, 2},                                       \
    {liste, A::Kombi, "", "", s::Sortiert, 0, zeile, 2, 2},                                     \
    {potential, A::Eingabe, "", "", 0, 0, zeile, 4, 1},                                         \
    {anzahl, A::Text, "", "", 0, 0, zeile, 5, 1},                                               \
    {loeschen, A::Knopf, "l\xF6schen", "IDC_TYPEN_LOESCHEN=", 0, 0, zeile, 6, 1},              \
    {neu, A::Knopf, "neu", "IDC_TYPEN_NEU=", 0, 0, zeile, 7, 1},                                \
    {edit, A::Knopf, "edit", "IDC_TYPEN_EDIT=", 0, 0, zeile, 8, 1}

const DialogElement typenElemente[] = {
    {1653, A::Text, "Synapsenart", "IDC_TYPEN_ART_TXT=", 0, 0, 0, 0, 2},
    {1648, A::Text, "Potential (V)", "IDC_TYPEN_POTENTIAL_TXT=", 0, 0, 0, 4, 1},
    {1234, A::Text, "Anzahl Typen", "IDC_TYPEN_ANZAHL_TXT=", 0, 0, 0, 5, 1},
    TYPZEILE(1, 1649, "excitatorische Synapse (Natrium)", "IDC_TYPEN_NATRIUM_TXT=", 1246, 1224, 1236, 1250, 1254, 1258),
    TYPZEILE(2, 1650, "inhibitorische Synapse (Kalium)", "IDC_TYPEN_KALIUM_TXT=", 1247, 1225, 1238, 1251, 1255, 1259),
    TYPZEILE(3, 1651, "chemische Synapse", "IDC_TYPEN_CHEMISCH_TXT=", 1248, 1226, 1239, 1252, 1256, 1260),
    {1652, A::Text, "elektrische Synapse", "IDC_TYPEN_ELEKTRISCH_TXT=", 0, 0, 4, 0, 2},
    {1249, A::Kombi, "", "", s::Sortiert | s::Gesperrt, 0, 4, 2, 2},
    {1227, A::Eingabe, "", "", s::Gesperrt, 0, 4, 4, 1},
    {1240, A::Text, "", "", 0, 0, 4, 5, 1},
    {1803, A::Kontrollkasten, "einschr\xE4nken", "IDC_TYPEN_EINSCHRAENKEN=", 0, 0, 5, 0, 2},
    {1, A::StandardKnopf, "\xC4nderungen \xFC" "bernehmen", "IDC_TYPEN_OK=", 0, 0, 6, 0, 2},
    {2, A::Knopf, "\xC4nderungen verwerfen", "IDC_TYPEN_ABBRECHEN=", 0, 0, 6, 6, 3},
};
#undef TYPZEILE

} // namespace

const DialogVorlage vorlageSynapse{135, "Neue Synapse einf\xFCgen", "IDD_SYNAPSE_NEU1=", synapseElemente};
const DialogVorlage vorlageSynapsentypen{134, "Synapsentypen", "IDD_SYNAPSENTYPEN=", typenElemente};
