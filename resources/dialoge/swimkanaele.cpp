// resources/dialoge/swimkanaele.cpp - the SWIM channel dialogs: standard channels (160) and
// the Ca and K(Ca) channels (314)
#include "resources/vorlagen.h"

using plattform::DialogElement;
using plattform::DialogVorlage;
using A = plattform::ElementArt;

namespace {

// a label and its edit in one row
#define FELD(gruppe, zeile, spalte, text, feld)                  \
    {-1, A::Text, text, "", 0, gruppe, zeile, spalte, 1}, \
    {feld, A::Eingabe, "", "", 0, gruppe, zeile, spalte + 1, 1}

const DialogElement stdKanalElemente[] = {
    {1727, A::Text, "Kanal w\xE4hlen", "", 0, 0, 0, 0, 1},
    {1921, A::Auswahlliste, "", "", 0, 0, 0, 1, 3},
    FELD(0, 1, 0, "Gleichgewichtspotential", 1392),
    FELD(0, 1, 2, "Leitf\xE4higkeit", 1393),
    {-1, A::Gruppe, "Alpha", "", 0, 0, 2, 0, 2},
    FELD(1, 0, 0, "Formparameter f\xFCr Torvariable Alpha", 1394),
    FELD(1, 1, 0, "rate constant Alpha", 1397),
    FELD(1, 2, 0, "half maximum potential Alpha", 1398),
    FELD(1, 3, 0, "Schrittweite Alpha", 1399),
    {-1, A::Gruppe, "Beta", "", 0, 0, 2, 2, 2},
    FELD(2, 0, 0, "Formparameter f\xFCr Torvariable Beta", 1402),
    FELD(2, 1, 0, "rate constant Beta", 1403),
    FELD(2, 2, 0, "half maximum potential Beta", 1404),
    FELD(2, 3, 0, "Schrittweite Beta", 1405),
    FELD(0, 3, 0, "Power f\xFCr Torvariable", 1401),
    FELD(0, 3, 2, "Anfangswert f\xFCr Torvariable", 1400),
    {1923, A::Kontrollkasten, "nur den angezeigten Kanal bei markierten Neuronen \xE4ndern", "", 0, 0, 4, 0, 4},
    {1, A::StandardKnopf, "OK", "", 0, 0, 5, 0, 1},
    {2300, A::Knopf, "OK - F2", "", 0, 0, 5, 1, 1},
    {1354, A::Knopf, "\xFC" "bernehmen", "", 0, 0, 5, 2, 1},
    {2, A::Knopf, "Abbrechen", "IDCANCEL=", 0, 0, 5, 3, 1},
};

// one row of the gate table: its label, then the five gates' edits (0: none)
#define TORZEILE(zeile, text, a, b, c, d, e)                          \
    {-1, A::Text, text, "", 0, 3, zeile, 0, 1},                       \
    {a, A::Eingabe, "", "", 0, 3, zeile, 1, 1}, {b, A::Eingabe, "", "", 0, 3, zeile, 2, 1}, \
    {c, A::Eingabe, "", "", 0, 3, zeile, 3, 1}, {d, A::Eingabe, "", "", 0, 3, zeile, 4, 1}, \
    {e, A::Eingabe, "", "", 0, 3, zeile, 5, 1}

const DialogElement caKanalElemente[] = {
    {-1, A::Gruppe, "Ca-Kinetik", "", 0, 0, 0, 0, 2},
    FELD(1, 0, 0, "initiale Ca-Konzentration [Ca]", 2074),
    FELD(1, 1, 0, "Geschw. [Ca]-Abbau (tau)", 2076),
    FELD(1, 2, 0, "Konstante Hintergrund-[Ca]", 2078),
    FELD(1, 3, 0, "Extrazellulaere [Ca]", 2080),
    FELD(1, 4, 0, "1/(2 * faraday * zellVolumen)", 2082),
    FELD(1, 5, 0, "Absolute Temperatur (\xB0K)", 2084),
    {-1, A::Gruppe, "Kan\xE4le", "", 0, 0, 0, 2, 4},
    FELD(2, 0, 0, "Leitfaehigkeit Ca-Kanal 1", 2086),
    FELD(2, 1, 0, "Leitfaehigkeit Ca-Kanal 2", 2088),
    FELD(2, 2, 0, "Leitfaehigkeit K(Ca)-Kanal", 2090),
    FELD(2, 3, 0, "Gleichgewichtspot. K(Ca)-Kanal", 2092),
    {-1, A::Text, "Initialwerte fuer Ca-Kanal 1 Tore", "", 0, 2, 4, 0, 1},
    {2110, A::Eingabe, "", "", 0, 2, 4, 1, 1},
    {2111, A::Eingabe, "", "", 0, 2, 4, 2, 1},
    FELD(2, 5, 0, "Initialwert  fuer Ca-Kanal 2 Tor", 2123),
    {-1, A::Text, "Initialwerte fuer K(Ca)-Kanal  Tore", "", 0, 2, 6, 0, 1},
    {2134, A::Eingabe, "", "", 0, 2, 6, 1, 1},
    {2160, A::Eingabe, "", "", 0, 2, 6, 2, 1},
    {-1, A::Gruppe, "Tore", "", 0, 0, 1, 0, 6},
    {-1, A::Text, "Ca 1 Aktivierung", "", 0, 3, 0, 1, 1},
    {-1, A::Text, "Ca 1 Inaktivierung", "", 0, 3, 0, 2, 1},
    {-1, A::Text, "Ca 2 Aktivierung", "", 0, 3, 0, 3, 1},
    {-1, A::Text, "K(Ca) Aktivierung", "", 0, 3, 0, 4, 1},
    {2174, A::Kontrollkasten, "Inaktivierung", "", 0, 3, 0, 5, 1},
    TORZEILE(1, "Power", 2106, 2124, 2166, 2167, 2168),
    TORZEILE(2, "Formparameter Alpha", 2094, 2117, 2127, 2137, 2147),
    TORZEILE(3, "Halbmax. Potenzial Alpha", 2096, 2118, 2128, 2138, 2148),
    TORZEILE(4, "Schrittweite Alpha", 2098, 2119, 2129, 2139, 2149),
    TORZEILE(5, "Rate Alpha", 2114, 2125, 2135, 2145, 2155),
    TORZEILE(6, "Formparameter Beta", 2100, 2120, 2130, 2140, 2150),
    TORZEILE(7, "Halbmax. Potenzial Beta", 2116, 2126, 2136, 2146, 2156),
    TORZEILE(8, "Schrittweite Beta", 2102, 2121, 2131, 2141, 2151),
    TORZEILE(9, "Rate Beta", 2104, 2122, 2132, 2142, 2152),
    {-1, A::Text, "[Ca]-Abbaugeschw. K(Ca) Aktivierung / [Ca]-const. Inaktivierung", "", 0, 3, 10, 0, 4},
    {2143, A::Eingabe, "", "", 0, 3, 10, 4, 1},
    {2153, A::Eingabe, "", "", 0, 3, 10, 5, 1},
    {-1, A::Text, "[Ca]-const. fuer K(Ca) Aktivierung und Inaktivierung", "", 0, 3, 11, 0, 4},
    {2144, A::Eingabe, "", "", 0, 3, 11, 4, 1},
    {2154, A::Eingabe, "", "", 0, 3, 11, 5, 1},
    {2175, A::Kontrollkasten, "Aktivierung Spannungsabhaengig", "", 0, 0, 2, 0, 3},
    {2066, A::Kontrollkasten, "Stroeme in den Dendritenkurven anzeigen", "", 0, 0, 2, 3, 3},
    {2068, A::Kontrollkasten, "statt Strom Oeffnungsfaktor des K(Ca)-Kanals anzeigen", "", 0, 0, 3, 3, 3},
    {2067, A::Kontrollkasten, "diese Kanaele deaktivieren aber die Einstellungen beibehalten", "", 0, 0, 3, 0, 3},
    {2169, A::Knopf, "Kanaldaten laden", "", 0, 0, 4, 0, 1},
    {2170, A::Knopf, "Kanaldaten speichern", "", 0, 0, 4, 1, 1},
    {2171, A::Knopf, "Kanal entfernen", "", 0, 0, 4, 2, 1},
    {2172, A::Knopf, "Standardwerte setzen", "", 0, 0, 4, 3, 1},
    {2173, A::Knopf, "Werte als Standard merken", "", 0, 0, 4, 4, 1},
    {1, A::StandardKnopf, "OK", "", 0, 0, 5, 0, 1},
    {2300, A::Knopf, "OK - F2", "", 0, 0, 5, 1, 1},
    {2, A::Knopf, "Abbrechen", "IDCANCEL=", 0, 0, 5, 5, 1},
};

#undef FELD
#undef TORZEILE

} // namespace

const DialogVorlage vorlageSwimStdKanal{160, "Standard-Kan\xE4le", "IDD_SWIM_STD_KANAL=", stdKanalElemente, 1};
const DialogVorlage vorlageCaKanal{314, "Eigenschaften der Ca-Kanaele und des Ca-abhaengigen Kaliumkanals",
                                   "IDD_CA_K_KANAL=", caKanalElemente, 1};
