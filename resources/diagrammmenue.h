// resources/diagrammmenue.h - the command ids and menus of the diagram windows
//
// Menu 120 (German) and 309 (English). The commands reach diagrammBefehl of the window;
// the printer submenu keeps its first item (diagrammBefehlDruckerUeberschrift) and takes
// one item per printer with the main menu's ids (50000 + i).
#pragma once
#include "platform/menue.h"
#include <span>

// ---- menu bar ---------------------------------------------------------------------------
constexpr int diagrammBefehlDrucken = 40169;            // "&Drucken"
constexpr int diagrammBefehlSeiteEinrichten = 40170;    // "Seite &einrichten": dialog 153
constexpr int diagrammBefehlSchliessen = 40063;         // "&Schliessen": the system command close
constexpr int diagrammBefehlPotentialExport = 40335;    // English menu only: "potential.txt"
constexpr int diagrammBefehlLayout = 40073;             // "&Diagramm...": dialog 127
constexpr int diagrammBefehlKurven = 40074;             // "Neuron Kurven...": dialog 128
constexpr int diagrammBefehlSpikeverteilungAnalysieren = 274;
constexpr int diagrammBefehlSpikeverteilungAnzeigen = 279;
constexpr int diagrammBefehlSpikeverteilungParameter = 286;   // dialog 284
constexpr int diagrammBefehlBurstPhasen = 278;
constexpr int diagrammBefehlReferenzkurveSpeichern = 40083;
constexpr int diagrammBefehlStromreizSoma = 186;        // 186-189: compartments 0-3
constexpr int diagrammBefehlStromreizDendrit3 = 189;
constexpr int diagrammBefehlVorlage = 40072;            // "Diagramm&vorlage...": dialog 127 on the template
constexpr int diagrammBefehlAlleAngleichen = 40165;
constexpr int diagrammBefehlAlleVollstaendig = 40166;
constexpr int diagrammBefehlDezimalstellen = 40288;     // dialog 317
constexpr int diagrammBefehlWerteInLegende = 233;       // switch
constexpr int diagrammBefehlApFrequenz = 40241;         // switch
constexpr int diagrammBefehlScrollleiste = 40324;       // switch "horizontale Scrollbar anzeigen"
constexpr int diagrammBefehlScrollleisteAutomatisch = 40326;   // switch "... nur anzeigen wenn nötig"
constexpr int diagrammBefehlKontextMenuCursor = 298;    // switch "Cursor über Kontext-Menu aktivieren"
constexpr int diagrammBefehlDruckerUeberschrift = 40172;   // fixed head of the printer submenu; does nothing

// The stimulus and spike-distribution items are greyed or enabled as the popup opens.
extern const std::span<const plattform::MenueZeile> diagrammMenue120;
extern const std::span<const plattform::MenueZeile> diagrammMenue309;

// 1033 gives 309, every other language 120
std::span<const plattform::MenueZeile> diagrammMenueTabelle(int sprache);
