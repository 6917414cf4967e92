// resources/dialoge/drucken.cpp - the page set-up of printed pages: "Seite einrichten"
#include "resources/vorlagen.h"

using plattform::DialogElement;
using plattform::DialogVorlage;
using A = plattform::ElementArt;

namespace {

// Dialog 153. Group boxes in table order: 1 margins, 2 frame, 3 header, 4 footer, 5 paper
// orientation, 6 the diagram pages' own switch. Each radio group sits in its own box.
const DialogElement seiteElemente[] = {
    {3301, A::Gruppe, "R\xE4nder (in mm)", "IDC_SEITE_RAENDER=", 0, 0, 0, 0, 2},
    {3302, A::Text, "oben:", "IDC_SEITE_OBEN_TXT=", 0, 1, 0, 0, 1},
    {1360, A::Eingabe, "", "", 0, 1, 0, 1, 1},
    {3303, A::Text, "unten:", "IDC_SEITE_UNTEN_TXT=", 0, 1, 1, 0, 1},
    {1361, A::Eingabe, "", "", 0, 1, 1, 1, 1},
    {3304, A::Text, "links:", "IDC_SEITE_LINKS_TXT=", 0, 1, 2, 0, 1},
    {1362, A::Eingabe, "", "", 0, 1, 2, 1, 1},
    {3305, A::Text, "rechts:", "IDC_SEITE_RECHTS_TXT=", 0, 1, 3, 0, 1},
    {1363, A::Eingabe, "", "", 0, 1, 3, 1, 1},
    {3306, A::Gruppe, "Umrandung", "IDC_SEITE_UMRANDUNG=", 0, 0, 0, 2, 2},
    {1364, A::Kontrollkasten, "Umrandung zeichnen", "IDC_SEITE_UMRANDUNG_ZEICHNEN=", 0, 2, 0, 0, 2},
    {3307, A::Text, "Strichdicke:", "IDC_SEITE_STRICHDICKE_TXT=", 0, 2, 1, 0, 1},
    {1365, A::Eingabe, "", "", 0, 2, 1, 1, 1},
    {3308, A::Text, "Linienart (0, 1 oder 2):", "IDC_SEITE_LINIENART_TXT=", 0, 2, 2, 0, 1},
    {1366, A::Eingabe, "", "", 0, 2, 2, 1, 1},
    {3309, A::Text, "Farbe:", "IDC_SEITE_FARBE_TXT=", 0, 2, 3, 0, 1},
    {1367, A::Knopf, "...", "", 0, 2, 3, 1, 1},
    {3310, A::Gruppe, "Kopfzeile", "IDC_SEITE_KOPFZEILE=", 0, 0, 1, 0, 2},
    {1374, A::Kontrollkasten, "Kopfzeile drucken", "IDC_SEITE_KOPFZEILE_DRUCKEN=", 0, 3, 0, 0, 3},
    {3311, A::Text, "Abstand zum Rand (mm):", "IDC_SEITE_ABSTAND_TXT=", 0, 3, 1, 0, 1},
    {1368, A::Eingabe, "", "", 0, 3, 1, 1, 1},
    {3312, A::Text, "Schriftart:", "IDC_SEITE_SCHRIFTART_TXT=", 0, 3, 2, 0, 1},
    {1375, A::Knopf, "...", "", 0, 3, 2, 1, 1},
    {1369, A::Optionsfeld, "links", "IDC_SEITE_LINKS=", 0, 3, 3, 0, 1},
    {1370, A::Optionsfeld, "zentriert", "IDC_SEITE_ZENTRIERT=", 0, 3, 3, 1, 1},
    {1371, A::Optionsfeld, "rechts", "IDC_SEITE_RECHTS=", 0, 3, 3, 2, 1},
    {3313, A::Text, "Text:", "IDC_SEITE_TEXT_TXT=", 0, 3, 4, 0, 1},
    {1372, A::Eingabe, "", "", 0, 3, 4, 1, 1},
    {1373, A::Knopf, "?", "", 0, 3, 4, 2, 1},
    {3314, A::Gruppe, "Fu\xDFzeile", "IDC_SEITE_FUSSZEILE=", 0, 0, 1, 2, 2},
    {1382, A::Kontrollkasten, "Fu\xDFzeile drucken", "IDC_SEITE_FUSSZEILE_DRUCKEN=", 0, 4, 0, 0, 3},
    {3315, A::Text, "Abstand zum Rand (mm):", "IDC_SEITE_ABSTAND_TXT=", 0, 4, 1, 0, 1},
    {1376, A::Eingabe, "", "", 0, 4, 1, 1, 1},
    {3316, A::Text, "Schriftart:", "IDC_SEITE_SCHRIFTART_TXT=", 0, 4, 2, 0, 1},
    {1383, A::Knopf, "...", "", 0, 4, 2, 1, 1},
    {1377, A::Optionsfeld, "links", "IDC_SEITE_LINKS=", 0, 4, 3, 0, 1},
    {1378, A::Optionsfeld, "zentriert", "IDC_SEITE_ZENTRIERT=", 0, 4, 3, 1, 1},
    {1379, A::Optionsfeld, "rechts", "IDC_SEITE_RECHTS=", 0, 4, 3, 2, 1},
    {3317, A::Text, "Text:", "IDC_SEITE_TEXT_TXT=", 0, 4, 4, 0, 1},
    {1380, A::Eingabe, "", "", 0, 4, 4, 1, 1},
    {1381, A::Knopf, "?", "", 0, 4, 4, 2, 1},
    {3318, A::Gruppe, "Papierformat", "IDC_SEITE_PAPIERFORMAT=", 0, 0, 2, 0, 2},
    {1384, A::Optionsfeld, "Hochformat", "IDC_SEITE_HOCHFORMAT=", 0, 5, 0, 0, 1},
    {1385, A::Optionsfeld, "Querformat", "IDC_SEITE_QUERFORMAT=", 0, 5, 0, 1, 1},
    {1386, A::Gruppe, "Diagrammausdruck", "IDC_SEITE_DIAGRAMMAUSDRUCK=", 0, 0, 2, 2, 2},
    {1387, A::Kontrollkasten, "Seite maximal ausnutzen", "IDC_SEITE_MAXIMAL=", 0, 6, 0, 0, 2},
    {1388, A::Kontrollkasten, "Rahmen zeichnen", "IDC_SEITE_RAHMEN=", 0, 0, 3, 2, 2},
    {1, A::StandardKnopf, "OK", "IDOK=", 0, 0, 4, 0, 1},
    {2, A::Knopf, "Abbrechen", "IDCANCEL=", 0, 0, 4, 1, 1},
};

} // namespace

const DialogVorlage vorlageSeiteEinrichten{153, "Seite einrichten", "IDD_SEITE_EINRICHTEN=", seiteElemente, 1};
