// resources/dialoge/swimkanaele.cpp - the SWIM channel dialogs: standard channels (160), the
// user-defined channels (218) and the Ca and K(Ca) channels (314)
#include "resources/vorlagen.h"

using plattform::DialogElement;
using plattform::DialogVorlage;
using A = plattform::ElementArt;

namespace {

// a label and its edit in one row; the label is the edit's id + 2000, its key named after the edit
#define FELD(gruppe, zeile, spalte, text, feld)                  \
    {feld + 2000, A::Text, text, "IDC_SWK_" #feld "_TXT=", 0, gruppe, zeile, spalte, 1}, \
    {feld, A::Eingabe, "", "", 0, gruppe, zeile, spalte + 1, 1}

const DialogElement stdKanalElemente[] = {
    {1727, A::Text, "Kanal w\xE4hlen", "IDC_SWK_1727=", 0, 0, 0, 0, 1},
    {1921, A::Auswahlliste, "", "", 0, 0, 0, 1, 3},
    FELD(0, 1, 0, "Gleichgewichtspotential", 1392),
    FELD(0, 1, 2, "Leitf\xE4higkeit", 1393),
    {5001, A::Gruppe, "Alpha", "IDC_SWK_T1=", 0, 0, 2, 0, 2},
    FELD(1, 0, 0, "Formparameter f\xFCr Torvariable Alpha", 1394),
    FELD(1, 1, 0, "rate constant Alpha", 1397),
    FELD(1, 2, 0, "half maximum potential Alpha", 1398),
    FELD(1, 3, 0, "Schrittweite Alpha", 1399),
    {5002, A::Gruppe, "Beta", "IDC_SWK_T2=", 0, 0, 2, 2, 2},
    FELD(2, 0, 0, "Formparameter f\xFCr Torvariable Beta", 1402),
    FELD(2, 1, 0, "rate constant Beta", 1403),
    FELD(2, 2, 0, "half maximum potential Beta", 1404),
    FELD(2, 3, 0, "Schrittweite Beta", 1405),
    FELD(0, 3, 0, "Power f\xFCr Torvariable", 1401),
    FELD(0, 3, 2, "Anfangswert f\xFCr Torvariable", 1400),
    {1923, A::Kontrollkasten, "nur den angezeigten Kanal bei markierten Neuronen \xE4ndern", "IDC_SWK_1923=", 0, 0, 4, 0, 4},
    {1, A::StandardKnopf, "OK", "IDOK=", 0, 0, 5, 0, 1},
    {2300, A::Knopf, "OK - F2", "IDC_SWK_2300=", 0, 0, 5, 1, 1},
    {1354, A::Knopf, "\xFC" "bernehmen", "IDC_SWK_1354=", 0, 0, 5, 2, 1},
    {2, A::Knopf, "Abbrechen", "IDCANCEL=", 0, 0, 5, 3, 1},
};

// one row of the gate table: its label, then the five gates' edits (0: none)
#define TORZEILE(zeile, text, a, b, c, d, e)                          \
    {a + 2000, A::Text, text, "IDC_SWK_" #a "_TXT=", 0, 3, zeile, 0, 1},                       \
    {a, A::Eingabe, "", "", 0, 3, zeile, 1, 1}, {b, A::Eingabe, "", "", 0, 3, zeile, 2, 1}, \
    {c, A::Eingabe, "", "", 0, 3, zeile, 3, 1}, {d, A::Eingabe, "", "", 0, 3, zeile, 4, 1}, \
    {e, A::Eingabe, "", "", 0, 3, zeile, 5, 1}

const DialogElement caKanalElemente[] = {
    {5003, A::Gruppe, "Ca-Kinetik", "IDC_SWK_T3=", 0, 0, 0, 0, 2},
    FELD(1, 0, 0, "initiale Ca-Konzentration [Ca]", 2074),
    FELD(1, 1, 0, "Geschw. [Ca]-Abbau (tau)", 2076),
    FELD(1, 2, 0, "Konstante Hintergrund-[Ca]", 2078),
    FELD(1, 3, 0, "Extrazellulaere [Ca]", 2080),
    FELD(1, 4, 0, "1/(2 * faraday * zellVolumen)", 2082),
    FELD(1, 5, 0, "Absolute Temperatur (\xB0K)", 2084),
    {5004, A::Gruppe, "Kan\xE4le", "IDC_SWK_T4=", 0, 0, 0, 2, 4},
    FELD(2, 0, 0, "Leitfaehigkeit Ca-Kanal 1", 2086),
    FELD(2, 1, 0, "Leitfaehigkeit Ca-Kanal 2", 2088),
    FELD(2, 2, 0, "Leitfaehigkeit K(Ca)-Kanal", 2090),
    FELD(2, 3, 0, "Gleichgewichtspot. K(Ca)-Kanal", 2092),
    {5005, A::Text, "Initialwerte fuer Ca-Kanal 1 Tore", "IDC_SWK_T5=", 0, 2, 4, 0, 1},
    {2110, A::Eingabe, "", "", 0, 2, 4, 1, 1},
    {2111, A::Eingabe, "", "", 0, 2, 4, 2, 1},
    FELD(2, 5, 0, "Initialwert  fuer Ca-Kanal 2 Tor", 2123),
    {5006, A::Text, "Initialwerte fuer K(Ca)-Kanal  Tore", "IDC_SWK_T6=", 0, 2, 6, 0, 1},
    {2134, A::Eingabe, "", "", 0, 2, 6, 1, 1},
    {2160, A::Eingabe, "", "", 0, 2, 6, 2, 1},
    {5007, A::Gruppe, "Tore", "IDC_SWK_T7=", 0, 0, 1, 0, 6},
    {5008, A::Text, "Ca 1 Aktivierung", "IDC_SWK_T8=", 0, 3, 0, 1, 1},
    {5009, A::Text, "Ca 1 Inaktivierung", "IDC_SWK_T9=", 0, 3, 0, 2, 1},
    {5010, A::Text, "Ca 2 Aktivierung", "IDC_SWK_T10=", 0, 3, 0, 3, 1},
    {5011, A::Text, "K(Ca) Aktivierung", "IDC_SWK_T11=", 0, 3, 0, 4, 1},
    {2174, A::Kontrollkasten, "Inaktivierung", "IDC_SWK_2174=", 0, 3, 0, 5, 1},
    TORZEILE(1, "Power", 2106, 2124, 2166, 2167, 2168),
    TORZEILE(2, "Formparameter Alpha", 2094, 2117, 2127, 2137, 2147),
    TORZEILE(3, "Halbmax. Potenzial Alpha", 2096, 2118, 2128, 2138, 2148),
    TORZEILE(4, "Schrittweite Alpha", 2098, 2119, 2129, 2139, 2149),
    TORZEILE(5, "Rate Alpha", 2114, 2125, 2135, 2145, 2155),
    TORZEILE(6, "Formparameter Beta", 2100, 2120, 2130, 2140, 2150),
    TORZEILE(7, "Halbmax. Potenzial Beta", 2116, 2126, 2136, 2146, 2156),
    TORZEILE(8, "Schrittweite Beta", 2102, 2121, 2131, 2141, 2151),
    TORZEILE(9, "Rate Beta", 2104, 2122, 2132, 2142, 2152),
    {5012, A::Text, "[Ca]-Abbaugeschw. K(Ca) Aktivierung / [Ca]-const. Inaktivierung", "IDC_SWK_T12=", 0, 3, 10, 0, 4},
    {2143, A::Eingabe, "", "", 0, 3, 10, 4, 1},
    {2153, A::Eingabe, "", "", 0, 3, 10, 5, 1},
    {5013, A::Text, "[Ca]-const. fuer K(Ca) Aktivierung und Inaktivierung", "IDC_SWK_T13=", 0, 3, 11, 0, 4},
    {2144, A::Eingabe, "", "", 0, 3, 11, 4, 1},
    {2154, A::Eingabe, "", "", 0, 3, 11, 5, 1},
    {2175, A::Kontrollkasten, "Aktivierung Spannungsabhaengig", "IDC_SWK_2175=", 0, 0, 2, 0, 3},
    {2066, A::Kontrollkasten, "Stroeme in den Dendritenkurven anzeigen", "IDC_SWK_2066=", 0, 0, 2, 3, 3},
    {2068, A::Kontrollkasten, "statt Strom Oeffnungsfaktor des K(Ca)-Kanals anzeigen", "IDC_SWK_2068=", 0, 0, 3, 3, 3},
    {2067, A::Kontrollkasten, "diese Kanaele deaktivieren aber die Einstellungen beibehalten", "IDC_SWK_2067=", 0, 0, 3, 0, 3},
    {2169, A::Knopf, "Kanaldaten laden", "IDC_SWK_2169=", 0, 0, 4, 0, 1},
    {2170, A::Knopf, "Kanaldaten speichern", "IDC_SWK_2170=", 0, 0, 4, 1, 1},
    {2171, A::Knopf, "Kanal entfernen", "IDC_SWK_2171=", 0, 0, 4, 2, 1},
    {2172, A::Knopf, "Standardwerte setzen", "IDC_SWK_2172=", 0, 0, 4, 3, 1},
    {2173, A::Knopf, "Werte als Standard merken", "IDC_SWK_2173=", 0, 0, 4, 4, 1},
    {1, A::StandardKnopf, "OK", "IDOK=", 0, 0, 5, 0, 1},
    {2300, A::Knopf, "OK - F2", "IDC_SWK_2300=", 0, 0, 5, 1, 1},
    {2, A::Knopf, "Abbrechen", "IDCANCEL=", 0, 0, 5, 5, 1},
};

// a value field with the check box of the full view beside it
#define WERT(gruppe, zeile, text, feld, kasten)                   \
    {feld + 2000, A::Text, text, "IDC_SWK_" #feld "_TXT=", 0, gruppe, zeile, 0, 1},              \
    {feld, A::Eingabe, "", "", 0, gruppe, zeile, 1, 1},           \
    {kasten, A::Kontrollkasten, "", "", 0, gruppe, zeile, 2, 1}

const DialogElement benutzerKanalElemente[] = {
    {1786, A::Text, "Neuron", "IDC_SWK_1786=", 0, 0, 0, 0, 1},
    {1517, A::Auswahlliste, "", "", 0, 0, 0, 1, 2},
    {1522, A::Knopf, "mark", "IDC_SWK_1522=", 0, 0, 0, 3, 1},
    {1536, A::Knopf, "alle", "IDC_SWK_1536=", 0, 0, 0, 4, 1},
    {1785, A::Text, "Kanal", "IDC_SWK_1785=", 0, 0, 1, 0, 1},
    {1505, A::Kombi, "", "", 0, 0, 1, 1, 2},
    {1518, A::Knopf, "neu", "IDC_SWK_1518=", 0, 0, 1, 3, 1},
    {1519, A::Knopf, "l\xF6schen", "IDC_SWK_1519=", 0, 0, 1, 4, 1},
    {1537, A::Text, "Anzahl benutzerdefinierter Kan\xE4le im SWIM-Modell:  0", "IDC_SWK_1537=", 0, 0, 2, 0, 5},
    {5014, A::Gruppe, "Kanal", "IDC_SWK_T14=", 0, 0, 3, 0, 5},
    WERT(1, 0, "Gleichgewichts-Potential", 1504, 1523),
    WERT(1, 1, "Leitf\xE4higkeit", 1506, 1524),
    WERT(1, 2, "Power", 1507, 1525),
    WERT(1, 3, "Initialwert der Torvariablen", 1508, 1526),
    {5015, A::Gruppe, "alpha", "IDC_SWK_T15=", 0, 0, 4, 0, 2},
    WERT(2, 0, "Formparameter", 1509, 1527),
    {2034, A::Auswahlliste, "", "", 0, 2, 0, 3, 1},
    WERT(2, 1, "Rate-Constant", 1510, 1528),
    WERT(2, 2, "Halb-Maximum Potential", 1511, 1529),
    WERT(2, 3, "Schrittweite", 1512, 1530),
    {5016, A::Gruppe, "beta", "IDC_SWK_T16=", 0, 0, 4, 2, 3},
    WERT(3, 0, "Formparameter", 1513, 1531),
    {2035, A::Auswahlliste, "", "", 0, 3, 0, 3, 1},
    WERT(3, 1, "Rate-Constant", 1514, 1532),
    WERT(3, 2, "Halb-Maximum Potential", 1515, 1533),
    WERT(3, 3, "Schrittweite", 1516, 1534),
    {1551, A::Gruppe, "Hilfsvariable fuer Formparameter 101", "IDC_SWK_1551=", 0, 0, 5, 0, 2},
    WERT(4, 0, "alpha", 1548, 1545),
    WERT(4, 1, "beta", 1521, 1544),
    {1547, A::Gruppe, "Berechnung von A und B", "IDC_SWK_1547=", 0, 0, 5, 2, 3},
    {1539, A::Optionsfeld, "   A = alpha + beta        B = alpha", "IDC_SWK_1539=", 0, 5, 0, 0, 1},
    {1540, A::Optionsfeld, "   A = beta                    B = alpha * beta", "IDC_SWK_1540=", 0, 5, 1, 0, 1},
    {1541, A::Optionsfeld, "   A = 1 / beta               B = alpha / beta", "IDC_SWK_1541=", 0, 5, 2, 0, 1},
    {1549, A::Kontrollkasten, "aktivierender Kanal-Anteil, inaktivierender folgt", "IDC_SWK_1549=", 0, 0, 6, 0, 5},
    {1553, A::Gruppe, "Kanal durch Synapse aktivieren", "IDC_SWK_1553=", 0, 0, 7, 0, 5},
    {1556, A::Kontrollkasten, "Kanal durch Synapse aktivieren", "IDC_SWK_1556=", 0, 6, 0, 0, 1},
    {5017, A::Text, "Synapse ID", "IDC_SWK_T17=", 0, 6, 0, 1, 1},
    {1554, A::Eingabe, "", "", 0, 6, 0, 2, 1},
    {1546, A::Knopf, "diese Werte in markierten Neuronen setzen", "IDC_SWK_1546=", 0, 0, 8, 0, 2},
    {1538, A::Knopf, "gecheckte Werte in markierten Neuronen setzen", "IDC_SWK_1538=", 0, 0, 8, 2, 3},
    {1542, A::Knopf, "Kanal laden", "IDC_SWK_1542=", 0, 0, 9, 0, 1},
    {1543, A::Knopf, "Kanal speichern", "IDC_SWK_1543=", 0, 0, 9, 1, 1},
    {1552, A::Kontrollkasten, "in alle markierten neurone", "IDC_SWK_1552=", 0, 0, 9, 2, 3},
    {1550, A::Kontrollkasten, "sofort die Simulation starten", "IDC_SWK_1550=", 0, 0, 10, 0, 2},
    {1520, A::StandardKnopf, "alle \xC4nderungen speichern", "IDC_SWK_1520=", 0, 0, 11, 0, 2},
    {2, A::Knopf, "nixtun", "IDC_SWK_2=", 0, 0, 11, 4, 1},
};

#undef WERT
#undef FELD
#undef TORZEILE

} // namespace

const DialogVorlage vorlageSwimStdKanal{160, "Standard-Kan\xE4le", "IDD_SWIM_STD_KANAL=", stdKanalElemente, 1};
const DialogVorlage vorlageKanalEigenschaften{218, "Eigenschaften benutzerdefinierter SWIM-Kan\xE4le",
                                              "IDD_KANAL_EIGENSCHAFTEN=", benutzerKanalElemente, 1520};
const DialogVorlage vorlageCaKanal{314, "Eigenschaften der Ca-Kanaele und des Ca-abhaengigen Kaliumkanals",
                                   "IDD_CA_K_KANAL=", caKanalElemente, 1};
