// resources/dialoge/simulation.cpp - the run settings dialog "Simulations-Parameter"
#include "resources/vorlagen.h"

using plattform::DialogElement;
using plattform::DialogVorlage;
using A = plattform::ElementArt;
namespace s = plattform::elementStil;

namespace {

const DialogElement simulationElemente[] = {
    {1645, A::Text, "Simulationsdauer (sec)", "IDC_SIM_DAUER_TXT=", 0, 0, 0, 0, 2},
    {1213, A::Eingabe, "", "", 0, 0, 0, 2, 1},
    {1646, A::Text, "Einzelschrittl\xE4nge (sec)", "IDC_SIM_SCHRITTLAENGE_TXT=", 0, 0, 1, 0, 2},
    {1217, A::Eingabe, "", "", 0, 0, 1, 2, 1},
    {1647, A::Text, "Anzeigeintervall in Schritten", "IDC_SIM_SCHRITTE_PRO_ANZEIGE_TXT=", 0, 0, 2, 0, 2},
    {1218, A::Eingabe, "", "", 0, 0, 2, 2, 1},
    {1648, A::Text, "Spikeschwelle (nur zum APs z\xE4hlen) (V)", "IDC_SIM_SPIKESCHWELLE_TXT=", 0, 0, 3, 0, 2},
    {1219, A::Eingabe, "", "", 0, 0, 3, 2, 1},
    {1559, A::Kontrollkasten, "Fenster mit Restzeit anzeigen", "IDC_SIM_RESTZEIT_ZEIGEN=", s::Gesperrt, 0, 4, 0, 3},
    {1560, A::Kontrollkasten, "Rueckkopplungs-Objekte aktivieren", "IDC_SIM_OBJEKTE_AKTIVIEREN=", 0, 0, 5, 0, 2},
    {1919, A::Knopf, "neu", "IDC_SIM_NEU=", 0, 0, 5, 2, 1},
    {1561, A::Kontrollkasten, "Kollisions-Objekte aktivieren", "IDC_SIM_KOLLISIONS_OBJEKTE_AKTIVIEREN=", 0, 0, 6, 0, 2},
    {1920, A::Knopf, "neu", "IDC_SIM_NEU=", 0, 0, 6, 2, 1},
    {1562, A::Kontrollkasten, "Simulation diesem Prozessorkern zuweisen:", "IDC_SIM_KERN_ZUWEISEN=", 0, 0, 7, 0, 2},
    {2321, A::Auswahlliste, "", "", 0, 0, 7, 2, 1},
    {1, A::StandardKnopf, "OK", "IDOK=", 0, 0, 8, 0, 1},
    {2300, A::Knopf, "OK - F2", "IDC_OK_F2=", 0, 0, 8, 1, 1},
    {2, A::Knopf, "Abbrechen", "IDCANCEL=", 0, 0, 8, 2, 1},
};

} // namespace

const DialogVorlage vorlageSimulation{133, "Simulations-Parameter", "IDD_SIMULATION=", simulationElemente, 1};
