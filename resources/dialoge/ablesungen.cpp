// resources/dialoge/ablesungen.cpp - the diagram read-out dialogs: "zusätzliche Y-Achse
// formatieren" (305), "Anzahl Dezimalstellen für Anzeige" (317), "Dimensionen an den Achsen
// formatieren" (173) and "Lengende Formatieren" (171)
#include "resources/vorlagen.h"

using plattform::DialogElement;
using plattform::DialogVorlage;
using A = plattform::ElementArt;

namespace {

// The labels of edits are statics of their own (33xx). A label ending in '%' keeps its
// template text in every language: the language files cannot hold it as a plain text.
const DialogElement yAchse2Elemente[] = {
    {3301, A::Text, "max:", "IDC_Y2_MAX_TXT=", 0, 0, 0, 0, 1},
    {1217, A::Eingabe, "", "", 0, 0, 0, 1, 1},
    {1272, A::Knopf, "Null auf X-Achse", "IDC_Y2_NULL_AUF_X=", 0, 0, 0, 2, 1},
    {3302, A::Text, "min:", "IDC_Y2_MIN_TXT=", 0, 0, 1, 0, 1},
    {1214, A::Eingabe, "", "", 0, 0, 1, 1, 1},
    {1273, A::Knopf, "fest", "IDC_Y2_FEST=", 0, 0, 1, 2, 1},
    {1271, A::Knopf, "skalieren", "IDC_Y2_SKALIEREN=", 0, 0, 2, 2, 1},
    {3303, A::Text, "Achsendicke", "IDC_Y2_ACHSENDICKE_TXT=", 0, 0, 3, 0, 2},
    {1227, A::Eingabe, "", "", 0, 0, 3, 2, 1},
    {3304, A::Text, "Rechter Rand groesser (Pixel)", "IDC_Y2_RAND_TXT=", 0, 0, 4, 0, 2},
    {1215, A::Eingabe, "", "", 0, 0, 4, 2, 1},
    {3305, A::Text, "Position auf der X-Achse (in %)", "IDC_Y2_POSITION_TXT=", 0, 0, 5, 0, 2},
    {1213, A::Eingabe, "", "", 0, 0, 5, 2, 1},
    {2227, A::Optionsfeld, "Anzahl von Teilstrichen (Ticks)", "IDC_Y2_ANZAHL_TICKS=", 0, 0, 6, 0, 2},
    {1219, A::Eingabe, "", "", 0, 0, 6, 2, 1},
    {2228, A::Optionsfeld, "Abstand zwischen Ticks", "IDC_Y2_TICKABSTAND=", 0, 0, 7, 0, 2},
    {1220, A::Eingabe, "", "", 0, 0, 7, 2, 1},
    {2035, A::Kontrollkasten, "Anzahl Dezimalstellen", "IDC_Y2_DEZIMALSTELLEN=", 0, 0, 8, 0, 2},
    {1221, A::Eingabe, "", "", 0, 0, 8, 2, 1},
    {3306, A::Text, "Tick L\xE4nge", "IDC_Y2_TICKLAENGE_TXT=", 0, 0, 9, 0, 2},
    {1226, A::Eingabe, "", "", 0, 0, 9, 2, 1},
    {3307, A::Text, "Tick Position (0 = links)", "IDC_Y2_TICKPOSITION_TXT=", 0, 0, 10, 0, 2},
    {1222, A::Eingabe, "", "", 0, 0, 10, 2, 1},
    {3308, A::Text, "Abstand der Beschriftung", "IDC_Y2_BESCHRIFTUNG_TXT=", 0, 0, 11, 0, 2},
    {1223, A::Eingabe, "", "", 0, 0, 11, 2, 1},
    {2036, A::Kontrollkasten, "      Dimension anzeigen", "IDC_Y2_DIMENSION=", 0, 0, 12, 0, 3},
    {3309, A::Text, "Abstand", "IDC_Y2_DIMENSION_ABSTAND_TXT=", 0, 0, 13, 0, 2},
    {1224, A::Eingabe, "", "", 0, 0, 13, 2, 1},
    {3310, A::Text, "Position in % (oben = 100)", "IDC_Y2_DIMENSION_POSITION_TXT=", 0, 0, 14, 0, 2},
    {1225, A::Eingabe, "", "", 0, 0, 14, 2, 1},
    {1, A::StandardKnopf, "OK", "IDOK=", 0, 0, 15, 0, 1},
    {2, A::Knopf, "Abbrechen", "IDCANCEL=", 0, 0, 15, 2, 1},
};

const DialogElement dezimalstellenElemente[] = {
    {3311, A::Text, "Fuer Beschriftung der X-Achse", "IDC_DZ_X_TXT=", 0, 0, 0, 0, 1},
    {2228, A::Eingabe, "", "", 0, 0, 0, 1, 1},
    {2297, A::Kontrollkasten, " fest", "IDC_DZ_FEST=", 0, 0, 0, 2, 1},
    {3312, A::Text, "Fuer Zeitanzeige an vert. Cursor", "IDC_DZ_ZEIT_TXT=", 0, 0, 1, 0, 1},
    {2222, A::Eingabe, "", "", 0, 0, 1, 1, 1},
    {3313, A::Text, "Fuer Wertanzeige an horiz. Cursor", "IDC_DZ_WERT_TXT=", 0, 0, 2, 0, 1},
    {2224, A::Eingabe, "", "", 0, 0, 2, 1, 1},
    {3314, A::Text, "Fuer Wertanzeige in Legende", "IDC_DZ_LEGENDE_TXT=", 0, 0, 3, 0, 1},
    {2226, A::Eingabe, "", "", 0, 0, 3, 1, 1},
    {2298, A::Kontrollkasten, "fuer alle Diagramme uebernehmen", "IDC_DZ_ALLE=", 0, 0, 4, 0, 3},
    {1, A::StandardKnopf, "OK", "IDOK=", 0, 0, 5, 0, 1},
    {2, A::Knopf, "Abbrechen", "IDCANCEL=", 0, 0, 5, 2, 1},
};

const DialogElement achsenFormatElemente[] = {
    {3321, A::Text, "Bezeichnung der X-Achse", "IDC_DIM_X_TXT=", 0, 0, 0, 0, 1},
    {1403, A::Eingabe, "", "", 0, 0, 0, 1, 1},
    {3322, A::Text, "Abstand von der X-Achse (Pixel)", "IDC_DIM_X_ABSTAND_TXT=", 0, 0, 1, 0, 1},
    {1397, A::Eingabe, "", "", 0, 0, 1, 1, 1},
    {3323, A::Text, "Position entlang der X-Achse (Pixel)", "IDC_DIM_X_POSITION_TXT=", 0, 0, 2, 0, 1},
    {1398, A::Eingabe, "", "", 0, 0, 2, 1, 1},
    {2296, A::Kontrollkasten, "links", "IDC_DIM_LINKS=", 0, 0, 2, 2, 1},
    {3324, A::Text, "Bezeichnung der Y-Achse", "IDC_DIM_Y_TXT=", 0, 0, 3, 0, 1},
    {1404, A::Eingabe, "", "", 0, 0, 3, 1, 1},
    {3325, A::Text, "Abstand von der Y-Achse (Pixel)", "IDC_DIM_Y_ABSTAND_TXT=", 0, 0, 4, 0, 1},
    {1399, A::Eingabe, "", "", 0, 0, 4, 1, 1},
    {3326, A::Text, "Position entlang der Y-Achse (Pixel)", "IDC_DIM_Y_POSITION_TXT=", 0, 0, 5, 0, 1},
    {1400, A::Eingabe, "", "", 0, 0, 5, 1, 1},
    {3327, A::Text, "Schriftgr\xF6\xDF" "e", "IDC_DIM_SCHRIFTGROESSE_TXT=", 0, 0, 6, 0, 1},
    {1401, A::Eingabe, "", "", 0, 0, 6, 1, 1},
    {1, A::StandardKnopf, "OK", "IDOK=", 0, 0, 7, 0, 1},
    {2, A::Knopf, "Abbrechen", "IDCANCEL=", 0, 0, 7, 2, 1},
};

const DialogElement legendeFormatElemente[] = {
    {3331, A::Text, "X-Abstand von der linken oberen Ecke (Pixel)", "IDC_LEG_X_TXT=", 0, 0, 0, 0, 1},
    {1420, A::Eingabe, "", "", 0, 0, 0, 1, 1},
    {3332, A::Text, "Y-Abstand von der linken oberen Ecke (Pixel)", "IDC_LEG_Y_TXT=", 0, 0, 1, 0, 1},
    {1421, A::Eingabe, "", "", 0, 0, 1, 1, 1},
    {3333, A::Text, "Schriftgr\xF6\xDF" "e (0: keine Legende)", "IDC_LEG_SCHRIFTGROESSE_TXT=", 0, 0, 2, 0, 1},
    {1422, A::Eingabe, "", "", 0, 0, 2, 1, 1},
    {1423, A::Optionsfeld, "Legende linksb\xFCndig", "IDC_LEG_LINKSBUENDIG=", 0, 0, 3, 0, 1},
    {1424, A::Optionsfeld, "Legende zentriert", "IDC_LEG_ZENTRIERT=", 0, 0, 3, 1, 1},
    {1, A::StandardKnopf, "OK", "IDOK=", 0, 0, 4, 0, 1},
    {2, A::Knopf, "Abbrechen", "IDCANCEL=", 0, 0, 4, 1, 1},
};

} // namespace

const DialogVorlage vorlageYAchse2{305, "zus\xE4tzliche Y-Achse formatieren", "IDD_ZWEITE_Y_ACHSE=", yAchse2Elemente,
                                   1};
const DialogVorlage vorlageDezimalstellen{317, "Anzahl Dezimalstellen f\xFCr Anzeige", "IDD_DEZIMALSTELLEN=", dezimalstellenElemente, 1};
const DialogVorlage vorlageAchsenFormat{173, "Dimensionen an den Achsen formatieren", "IDD_DIAGRAMM_DIMENSIONEN=",
                                        achsenFormatElemente, 1};
const DialogVorlage vorlageLegendeFormat{171, "Lengende Formatieren", "IDD_DIAGRAMM_LEGENDE=", legendeFormatElemente,
                                         1};
