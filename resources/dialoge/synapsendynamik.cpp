// resources/dialoge/synapsendynamik.cpp - the synapse dynamics dialogs: transmitter release
// with its preview (258) and its curve choice (285), facilitation and depression (304), the
// facilitation maximum (307) and the free PSP shape (319)
#include "resources/vorlagen.h"

using plattform::DialogElement;
using plattform::DialogVorlage;
using A = plattform::ElementArt;
namespace s = plattform::elementStil;

namespace {

// Dialog 258. Group boxes in table order: 1 general, 2 rise, 3 fall, 4 calibration, 5 the
// preview (its caption shows the time of the last shown sample). Labels are 35xx.
const DialogElement transmitterElemente[] = {
    {3500, A::Gruppe, "allgemein", "IDC_TD_ALLGEMEIN=", 0, 0, 0, 0, 4},
    {2066, A::Kontrollkasten, "Dynamik der Transmitterfreisetzung aktivieren", "IDC_TD_AKTIVIEREN=", 0, 1, 0, 0, 4},
    {3501, A::Text, "Freisetzungsschwelle (> fr\xFCher)", "IDC_TD_SCHWELLE_TXT=", 0, 1, 1, 0, 3},
    {2020, A::Eingabe, "", "", 0, 1, 1, 3, 1},
    {3502, A::Text, "Kurvenkr\xFCmmung (> exponentieller)", "IDC_TD_KRUEMMUNG_TXT=", 0, 1, 2, 0, 3},
    {2022, A::Eingabe, "", "", 0, 1, 2, 3, 1},
    {2021, A::Eingabe, "", "", s::Gesperrt | s::Verborgen, 1, 3, 0, 1},
    {2023, A::Eingabe, "", "", s::Gesperrt | s::Verborgen, 1, 3, 1, 1},
    {3503, A::Gruppe, "Transmittermenge kalibrieren", "IDC_TD_KALIBRIEREN=", 0, 0, 0, 4, 4},
    {3504, A::Text, "Kalibrierungsfaktor ", "IDC_TD_FAKTOR_TXT=", 0, 2, 0, 0, 3},
    {2032, A::Eingabe, "", "", 0, 2, 0, 3, 1},
    {2282, A::Kontrollkasten, "Kalibrierung einschalten", "IDC_TD_KALIBRIERUNG_AN=", 0, 2, 1, 0, 2},
    {2280, A::Knopf, "Hilfe", "IDC_TD_HILFE=", 0, 2, 1, 2, 2},
    {2013, A::Optionsfeld, "Menge beibehalten", "IDC_TD_MENGE=", 0, 2, 2, 0, 4},
    {2014, A::Optionsfeld, "Amplitude beibehalten", "IDC_TD_AMPLITUDE=", 0, 2, 3, 0, 4},
    {3505, A::Gruppe, "Anstieg", "IDC_TD_ANSTIEG=", 0, 0, 1, 0, 4},
    {3506, A::Text, "Berechnungsart (sollte bleiben)", "IDC_TD_BERECHNUNGSART_TXT=", 0, 3, 0, 0, 3},
    {2024, A::Eingabe, "", "", 0, 3, 0, 3, 1},
    {3507, A::Text, "Anstiegs-Rate (> steiler)", "IDC_TD_ANSTIEGSRATE_TXT=", 0, 3, 1, 0, 3},
    {2025, A::Eingabe, "", "", 0, 3, 1, 3, 1},
    {3508, A::Text, "Halbmax. Potential (< fr\xFCher)", "IDC_TD_HALBMAX_ANSTIEG_TXT=", 0, 3, 2, 0, 3},
    {2026, A::Eingabe, "", "", 0, 3, 2, 3, 1},
    {3509, A::Text, "Schrittweite", "IDC_TD_SCHRITTWEITE_TXT=", 0, 3, 3, 0, 3},
    {2027, A::Eingabe, "", "", 0, 3, 3, 3, 1},
    {3510, A::Gruppe, "Abfall", "IDC_TD_ABFALL=", 0, 0, 1, 4, 4},
    {3511, A::Text, "Berechnungsart (sollte bleiben)", "IDC_TD_BERECHNUNGSART_TXT=", 0, 4, 0, 0, 3},
    {2028, A::Eingabe, "", "", 0, 4, 0, 3, 1},
    {3512, A::Text, "Abfalls-Rate (> steiler)", "IDC_TD_ABFALLSRATE_TXT=", 0, 4, 1, 0, 3},
    {2029, A::Eingabe, "", "", 0, 4, 1, 3, 1},
    {3513, A::Text, "Halbmax. Potential (< Plateau)", "IDC_TD_HALBMAX_ABFALL_TXT=", 0, 4, 2, 0, 3},
    {2030, A::Eingabe, "", "", 0, 4, 2, 3, 1},
    {3514, A::Text, "Schrittweite", "IDC_TD_SCHRITTWEITE_TXT=", 0, 4, 3, 0, 3},
    {2031, A::Eingabe, "", "", 0, 4, 3, 3, 1},
    {2008, A::Gruppe, "", "", 0, 0, 2, 0, 8},
    {2009, A::Malflaeche, "", "", 0, 5, 0, 0, 8},
    {2010, A::Text, "dehnen", "IDC_TD_DEHNEN=", 0, 0, 3, 0, 1},
    {2036, A::AufAb, "", "", 0, 0, 3, 1, 1},
    {2016, A::Kontrollkasten, "Darstellen im Diagramm des praesyn. Neurons", "IDC_TD_DIAGRAMM=", 0, 0, 3, 2, 6},
    {3515, A::Text, "falls kein pinkfarbenes Signal angezeigt wird, k\xF6nnte der Kalibrierungsfaktor zu klein sein",
     "IDC_TD_HINWEIS=", 0, 0, 4, 0, 8},
    {2004, A::Text, "Ein Tor folgt Anstieg und Abfall beim praesynaptischen Potential; seine Potenz mal dem Faktor "
                    "ist die Freisetzung.",
     "IDC_TD_ERKLAERUNG=", 0, 0, 5, 0, 8},
    {2007, A::StandardKnopf, "\xD6" "ffnungs faktor berechnen", "IDC_TD_BERECHNEN=", 0, 0, 6, 0, 2},
    {2035, A::Knopf, "OK", "IDOK=", 0, 0, 6, 2, 2},
    {2300, A::Knopf, "OK - F2", "IDC_OK_F2=", 0, 0, 6, 4, 2},
    {2, A::Knopf, "nixtun", "IDC_SI_NIXTUN=", 0, 0, 6, 6, 2},
};

const DialogElement kurveElemente[] = {
    {1279, A::Auswahlliste, "", "", 0, 0, 0, 0, 3},
    {1861, A::Kontrollkasten, "Check1", "IDC_TK_ANZEIGEN=", 0, 0, 1, 0, 3},
    {1, A::StandardKnopf, "OK", "IDOK=", 0, 0, 2, 1, 1},
    {2, A::Knopf, "Abbrechen", "IDCANCEL=", 0, 0, 2, 2, 1},
};

// Dialog 304: group boxes 1 facilitation, 2 depression, each with the columns rise and
// decay and the rows tau, A, B. The derived values are never typed.
const DialogElement bahnungElemente[] = {
    {1944, A::Kontrollkasten, "Bahnungseffekte aktivieren", "IDC_BA_AKTIVIEREN=", 0, 0, 0, 0, 6},
    {1941, A::Kontrollkasten, "Fazilitation", "IDC_BA_FAZILITATION=", 0, 0, 1, 0, 3},
    {1955, A::Kontrollkasten, "Depression", "IDC_BA_DEPRESSION=", 0, 0, 1, 3, 3},
    {3700, A::Gruppe, "Fazilitation", "IDC_BA_FAZILITATION=", 0, 0, 2, 0, 3},
    {3702, A::Text, "Zunahme", "IDC_BA_ZUNAHME=", 0, 1, 0, 1, 1},
    {3703, A::Text, "Abnahme", "IDC_BA_ABNAHME=", 0, 1, 0, 2, 1},
    {3704, A::Text, "tau", "IDC_BA_TAU_TXT=", 0, 1, 1, 0, 1},
    {1938, A::Eingabe, "", "", 0, 1, 1, 1, 1},
    {1945, A::Eingabe, "", "", 0, 1, 1, 2, 1},
    {3705, A::Text, "A", "", 0, 1, 2, 0, 1},
    {1962, A::Eingabe, "", "", 0, 1, 2, 1, 1},
    {1964, A::Eingabe, "", "", s::Gesperrt, 1, 2, 2, 1},
    {3706, A::Text, "B", "", 0, 1, 3, 0, 1},
    {1965, A::Eingabe, "", "", s::Gesperrt, 1, 3, 1, 1},
    {1967, A::Eingabe, "", "", 0, 1, 3, 2, 1},
    {3701, A::Gruppe, "Depression", "IDC_BA_DEPRESSION=", 0, 0, 2, 3, 3},
    {3707, A::Text, "Zunahme", "IDC_BA_ZUNAHME=", 0, 2, 0, 1, 1},
    {3708, A::Text, "Abnahme", "IDC_BA_ABNAHME=", 0, 2, 0, 2, 1},
    {3709, A::Text, "tau", "IDC_BA_TAU_TXT=", 0, 2, 1, 0, 1},
    {1971, A::Eingabe, "", "", 0, 2, 1, 1, 1},
    {1973, A::Eingabe, "", "", 0, 2, 1, 2, 1},
    {3710, A::Text, "A", "", 0, 2, 2, 0, 1},
    {1976, A::Eingabe, "", "", s::Gesperrt, 2, 2, 1, 1},
    {1978, A::Eingabe, "", "", s::Gesperrt, 2, 2, 2, 1},
    {3711, A::Text, "B", "", 0, 2, 3, 0, 1},
    {1979, A::Eingabe, "", "", 0, 2, 3, 1, 1},
    {1981, A::Eingabe, "", "", 0, 2, 3, 2, 1},
    {3712, A::Text, "Verwendet wird folgende Exponentialfunktion:        y = A / exp(x/tau) + B ", "IDC_BA_FORMEL=",
     0, 0, 3, 0, 6},
    {1946, A::Kontrollkasten, "Werte vor dem Rechnen checken", "IDC_BA_WERTE_CHECKEN=", 0, 0, 4, 0, 3},
    {1984, A::Knopf, "rechnen", "IDC_BA_RECHNEN=", 0, 0, 4, 3, 1},
    {1942, A::Knopf, "Standardwerte setzen", "IDC_BA_STANDARDWERTE=", 0, 0, 4, 4, 2},
    {1, A::StandardKnopf, "OK", "IDOK=", 0, 0, 5, 3, 1},
    {2300, A::Knopf, "OK - F2", "IDC_OK_F2=", 0, 0, 5, 4, 1},
    {2, A::Knopf, "Abbrechen", "IDCANCEL=", 0, 0, 5, 5, 1},
};

const DialogElement maximumElemente[] = {
    {3720, A::Text, "Maximalwert fuer Fazilitation", "IDC_FM_MAXIMALWERT_TXT=", 0, 0, 0, 0, 2},
    {2058, A::Eingabe, "", "", 0, 0, 0, 2, 1},
    {3721, A::Text, "Tau f\xFCr Abfall der Fazilitation bei steigendem AP-Abstand (s)", "IDC_FM_TAU_TXT=", 0, 0, 1, 0,
     2},
    {2060, A::Eingabe, "", "", 0, 0, 1, 2, 1},
    {1, A::StandardKnopf, "OK", "IDOK=", 0, 0, 2, 0, 1},
    {2300, A::Knopf, "OK - F2", "IDC_OK_F2=", 0, 0, 2, 1, 1},
    {2, A::Knopf, "Abbrechen", "IDCANCEL=", 0, 0, 2, 2, 1},
};

// Dialog 319: the two kinds side by side, group boxes 1 polynomial and 2 exponential; the
// kind's radios stand outside them so that one click clears the other. The formulas are
// read-only boxes: their blank lines stay visible.
const DialogElement pspElemente[] = {
    {2066, A::Kontrollkasten, "Frei definierbare postsynaptische Potentiale aktivieren", "IDC_PSP_AKTIVIEREN=", 0, 0,
     0, 0, 8},
    {2243, A::Optionsfeld, "polynomisch", "IDC_PSP_POLYNOMISCH=", 0, 0, 1, 0, 2},
    {2242, A::Optionsfeld, "exponentiell", "IDC_PSP_EXPONENTIELL=", 0, 0, 1, 4, 2},
    {3730, A::Gruppe, "polynomische PSP-Anpassung", "IDC_PSP_POLY_GRUPPE=", 0, 0, 2, 0, 4},
    {3732, A::EingabeMehrzeilig,
     "Der Anfang (=Anstieg und Gipfel des PSPs) wird mit einem Polynom berechnet (t: Zeit):\n\n"
     "f(t)=a0+a1*t+a2*t^2+a3*t^3+a4*t^4+a5*t^5",
     "IDC_PSP_POLY_FORMEL=", s::NurLesen, 1, 0, 0, 4},
    {3733, A::Text, "A0:", "", 0, 1, 1, 0, 1},
    {2231, A::Eingabe, "", "", 0, 1, 1, 1, 1},
    {3734, A::Text, "A1:", "", 0, 1, 1, 2, 1},
    {2234, A::Eingabe, "", "", 0, 1, 1, 3, 1},
    {3735, A::Text, "A2:", "", 0, 1, 2, 0, 1},
    {2236, A::Eingabe, "", "", 0, 1, 2, 1, 1},
    {3736, A::Text, "A3:", "", 0, 1, 2, 2, 1},
    {2238, A::Eingabe, "", "", 0, 1, 2, 3, 1},
    {3737, A::Text, "A4:", "", 0, 1, 3, 0, 1},
    {2239, A::Eingabe, "", "", 0, 1, 3, 1, 1},
    {3738, A::Text, "A5:", "", 0, 1, 3, 2, 1},
    {2240, A::Eingabe, "", "", 0, 1, 3, 3, 1},
    {3739, A::Text, "Gewichtung Anstieg/Gipfel:", "IDC_PSP_GEWICHT_ANSTIEG_TXT=", 0, 1, 4, 0, 3},
    {2241, A::Eingabe, "", "", 0, 1, 4, 3, 1},
    {3740, A::EingabeMehrzeilig, "Der verbleibende Verlauf (Abfall) exponentiell:\n\nf(t)=b0*e^(-t/b1)+b2",
     "IDC_PSP_ABFALL_FORMEL=", s::NurLesen, 1, 5, 0, 4},
    {3741, A::Text, "B0:", "", 0, 1, 6, 0, 1},
    {2233, A::Eingabe, "", "", 0, 1, 6, 1, 1},
    {3742, A::Text, "B1:", "", 0, 1, 6, 2, 1},
    {2235, A::Eingabe, "", "", 0, 1, 6, 3, 1},
    {3743, A::Text, "B2:", "", 0, 1, 7, 0, 1},
    {2237, A::Eingabe, "", "", 0, 1, 7, 1, 1},
    {3744, A::Text, "Gewichtung Abfall:", "IDC_PSP_GEWICHT_ABFALL_TXT=", 0, 1, 8, 0, 3},
    {2245, A::Eingabe, "", "", 0, 1, 8, 3, 1},
    {3745, A::Text, "PSP-Dauer (s):", "IDC_PSP_DAUER_TXT=", 0, 1, 9, 0, 1},
    {2250, A::Eingabe, "", "", 0, 1, 9, 1, 1},
    {3746, A::Text, "Anstieg (s):", "IDC_PSP_ANSTIEG_TXT=", 0, 1, 9, 2, 1},
    {2254, A::Eingabe, "", "", 0, 1, 9, 3, 1},
    {2244, A::Knopf, "Beispiel 1", "IDC_PSP_BEISPIEL1=", 0, 1, 10, 0, 2},
    {2255, A::Knopf, "Beispiel 2", "IDC_PSP_BEISPIEL2=", 0, 1, 10, 2, 2},
    {3731, A::Gruppe, "exponentielle PSP-Anpassung", "IDC_PSP_EXP_GRUPPE=", 0, 0, 2, 4, 4},
    {3750, A::EingabeMehrzeilig, "Anstieg (A) und Abfall (B) exponentiell:\n\nf(t)=a0*e^(-t/a1)", "IDC_PSP_EXP_FORMEL=", s::NurLesen, 2, 0,
     0, 4},
    {3751, A::Text, "A0:", "", 0, 2, 1, 0, 1},
    {2247, A::Eingabe, "", "", 0, 2, 1, 1, 1},
    {3752, A::Text, "A1:", "", 0, 2, 1, 2, 1},
    {2248, A::Eingabe, "", "", 0, 2, 1, 3, 1},
    {3753, A::Text, "B0:", "", 0, 2, 2, 0, 1},
    {2251, A::Eingabe, "", "", 0, 2, 2, 1, 1},
    {3754, A::Text, "B1:", "", 0, 2, 2, 2, 1},
    {2252, A::Eingabe, "", "", 0, 2, 2, 3, 1},
    {3755, A::Text, "PSP-Dauer (s):", "IDC_PSP_DAUER_TXT=", 0, 2, 3, 0, 1},
    {2253, A::Eingabe, "", "", 0, 2, 3, 1, 1},
    {3756, A::Text, "Anstieg (s):", "IDC_PSP_ANSTIEG_TXT=", 0, 2, 3, 2, 1},
    {2257, A::Eingabe, "", "", 0, 2, 3, 3, 1},
    {2256, A::Knopf, "Beispiel 3", "IDC_PSP_BEISPIEL3=", 0, 2, 4, 0, 2},
    {3760, A::Text, "Runden bei Zeitberechnung auf:", "IDC_PSP_RUNDEN_TXT=", 0, 0, 3, 0, 2},
    {2277, A::Eingabe, "", "", 0, 0, 3, 2, 2},
    {2278, A::Knopf, "Hilfe", "IDC_TD_HILFE=", 0, 0, 3, 6, 2},
    {1, A::StandardKnopf, "OK", "IDOK=", 0, 0, 4, 2, 2},
    {2300, A::Knopf, "OK - F2", "IDC_OK_F2=", 0, 0, 4, 4, 2},
    {2, A::Knopf, "Abbrechen", "IDCANCEL=", 0, 0, 4, 6, 2},
};

} // namespace

const DialogVorlage vorlageTransmitterdynamik{258, "Dynamik der Transmitterfreisetzung", "IDD_TRANSMITTER_DYNAMIK=",
                                              transmitterElemente, 2007};
const DialogVorlage vorlageTransmitterKurve{285, "Kurve f\xFCr Transmitterdynamik ausw\xE4hlen",
                                            "IDD_TRANSMITTER_KURVE=", kurveElemente, 1};
const DialogVorlage vorlageBahnung{304, "Eigenschaften praesynaptischer Fazilitation/Depression", "IDD_BAHNUNG=",
                                   bahnungElemente, 1};
const DialogVorlage vorlageFazilitationMaximum{307, "Faz. durch Abnahme von Maximum", "IDD_FAZ_MAXIMUM=",
                                               maximumElemente, 1};
const DialogVorlage vorlagePspForm{319, "Freie PSP-Form", "IDD_PSP_FORM=", pspElemente, 1};
