// resources/dialoge/zeitmessung.cpp - "Time measurement" (328) and "Event detection by
// threshold" (329); the English texts keep the names users of the English version know.
#include "resources/vorlagen.h"

using plattform::DialogElement;
using plattform::DialogVorlage;
using A = plattform::ElementArt;
namespace stil = plattform::elementStil;

namespace {

const DialogElement zeitmessungElemente[] = {
    {2303, A::EingabeMehrzeilig, "", "", 0, 0, 0, 0, 3},
    {2304, A::Text, "Anzahl der Werte", "IDC_ZM_ANZAHL_TXT=", 0, 0, 1, 0, 3},
    {2297, A::Kontrollkasten, "Punkte im Diagramm zeigen (Linie)", "IDC_ZM_PUNKTE=", 0, 0, 2, 0, 2},
    {2298, A::Kontrollkasten, "Zeit", "IDC_ZM_ZEIT=", 0, 0, 3, 0, 1},
    {2299, A::Kontrollkasten, "Nummer", "IDC_ZM_NUMMER=", 0, 0, 3, 1, 1},
    {2330, A::Text, "Position abwechselnd versetzen um", "IDC_ZM_ALTERNIEREN_TXT=", 0, 0, 4, 0, 2},
    {2309, A::Eingabe, "", "", 0, 0, 4, 2, 1},
    {2313, A::Kontrollkasten, "Werte als Start- / Endzeit der Ereigniserkennung nehmen", "IDC_ZM_ALS_BEREICH=", stil::Gesperrt, 0, 5, 0, 3},
    {2300, A::Kontrollkasten, "Dezimalzeichen ',' setzen   (Vorgabe = '.')", "IDC_ZM_KOMMA=", 0, 0, 6, 0, 3},
    {2307, A::Knopf, "Speichern", "IDC_ZM_SPEICHERN=", 0, 0, 7, 0, 1},
    {2308, A::Knopf, "Laden", "IDC_ZM_LADEN=", 0, 0, 7, 1, 1},
    {2306, A::Knopf, "Alle l\xF6schen", "IDC_ZM_ALLE_LOESCHEN=", 0, 0, 7, 2, 1},
    {2310, A::Knopf, "Aktualisieren", "IDC_ZM_AKTUALISIEREN=", 0, 0, 8, 0, 1},
    {2311, A::Knopf, "Schwelle", "IDC_ZM_SCHWELLE=", 0, 0, 8, 1, 1},
    {2312, A::Knopf, "Fenster", "IDC_ZM_FENSTER=", 0, 0, 8, 2, 1},
    {2314, A::Knopf, "STOPP", "IDC_ZM_STOPP=", 0, 0, 9, 0, 1},
    {2315, A::Knopf, "?", "", 0, 0, 9, 1, 1},
    {1, A::StandardKnopf, "verbergen", "IDC_ZM_VERBERGEN=", 0, 0, 9, 2, 1},
};

const DialogElement schwelleElemente[] = {
    {2315, A::Optionsfeld, "steigend", "IDC_ES_STEIGEND=", 0, 0, 0, 0, 1},
    {2316, A::Optionsfeld, "fallend", "IDC_ES_FALLEND=", 0, 0, 0, 1, 1},
    {2318, A::Text, "Schwelle (mV)", "IDC_ES_SCHWELLE_TXT=", 0, 0, 1, 0, 1},
    {2319, A::Eingabe, "", "", 0, 0, 1, 1, 1},
    {3, A::Knopf, "holen", "IDC_ES_HOLEN=", 0, 0, 1, 2, 1},
    {6, A::Knopf, "setzen", "IDC_ES_SETZEN=", 0, 0, 1, 3, 1},
    {2320, A::Text, "Totzeit nach einem Ereignis (s)", "IDC_ES_TOTZEIT_TXT=", 0, 0, 2, 0, 1},
    {2321, A::Eingabe, "", "", 0, 0, 2, 1, 1},
    {2322, A::Text, "Zeitbereich der Erkennung (Start - Ende) (s)", "IDC_ES_BEREICH_TXT=", 0, 0, 3, 0, 1},
    {2323, A::Eingabe, "", "", 0, 0, 3, 1, 1},
    {2324, A::Eingabe, "", "", 0, 0, 3, 2, 1},
    {2297, A::Kontrollkasten, "gegl\xE4ttete Daten zur Erkennung nehmen", "IDC_ES_GEGLAETTET=", 0, 0, 4, 0, 2},
    {2298, A::Kontrollkasten, "ungegl\xE4ttete Daten ausschlie\xDF" "en", "IDC_ES_OHNE_UNGEGLAETTET=", 0, 0, 4, 2, 2},
    {2326, A::Text, "Rate:", "IDC_ES_RATE_TXT=", 0, 0, 5, 0, 1},
    {2327, A::Eingabe, "", "", 0, 0, 5, 1, 1},
    {4, A::Knopf, "gl\xE4tten", "IDC_ES_GLAETTEN=", 0, 0, 5, 2, 1},
    {5, A::Knopf, "?", "", 0, 0, 5, 3, 1},
    {1, A::StandardKnopf, "OK", "IDOK=", 0, 0, 6, 0, 1},
    {2, A::Knopf, "Abbrechen", "IDCANCEL=", 0, 0, 6, 1, 1},
    {7, A::Knopf, "?", "", 0, 0, 6, 3, 1},
};

} // namespace

const DialogVorlage vorlageZeitmessung{328, "Zeitmessung", "IDD_ZEITMESSUNG=", zeitmessungElemente, 1};
const DialogVorlage vorlageEreignisSchwelle{329, "Ereigniserkennung an einer Schwelle", "IDD_EREIGNIS_SCHWELLE=", schwelleElemente, 1};
