// resources/auswertungsmenue.h - the command ids and the menu of the evaluation window
//
// Menu 301 (German) and 311 (English). The commands reach the evaluation window's own
// command handler, not the main window's.
#pragma once
#include "platform/menue.h"
#include <span>

constexpr int auswertungBefehlDateiOeffnen = 40195;      // "Ergebnisdatei Öffnen"
constexpr int auswertungBefehlWeitereDateien = 40209;    // "weitere Ergebnisdateien öfnnen": add a result file
constexpr int auswertungBefehlMehrereDateien = 40211;    // "mehrere Ergebnisdateien öffnen": index by pattern
constexpr int auswertungBefehlDateiSchliessen = 40193;   // "Ergebnisdatei schliessen"
constexpr int auswertungBefehlIndexOeffnen = 40215;      // "Index-Datei öffnen"
constexpr int auswertungBefehlIndexSpeichern = 40206;    // "Index-Datei speichern"
constexpr int auswertungBefehlEinstellungenSpeichern = 40213; // "Einstellungen speichern": the window's place
constexpr int auswertungBefehlSkriptSpeichern = 40217;   // "Skript speichern": the embedded script
constexpr int auswertungBefehlModusBeenden = 40197;      // "Auswertemodus beenden"
constexpr int auswertungBefehlDarstellen = 40191;        // "Ergebnisse darstellen": the current result

extern const std::span<const plattform::MenueZeile> auswertungsMenue301;
extern const std::span<const plattform::MenueZeile> auswertungsMenue311;
