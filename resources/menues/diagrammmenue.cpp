// resources/menues/diagrammmenue.cpp - the diagram window's menu in German (120) and
// English (309)
#include "resources/diagrammmenue.h"

using plattform::MenueZeile;

namespace {

using namespace plattform::menueZeilenArt;

// Both tables list the same rows in the same order, but for the English export of the
// soma curve; keep them side by side when editing.
const MenueZeile deutsch[] = {
    {0, U, 0, "&Datei"},
    {1, P, diagrammBefehlDrucken, "&Drucken"},
    {1, P, diagrammBefehlSeiteEinrichten, "Seite &einrichten"},
    {1, U, 0, "D&rucker ausw\xE4hlen"},
    {2, G, diagrammBefehlDruckerUeberschrift, "aktuell verf\xFCgbare Drucker:"},
    {1, T, 0, ""},
    {1, P, diagrammBefehlSchliessen, "&Schliessen"},

    {0, U, 0, "&Einstellungen"},
    {1, P, diagrammBefehlLayout, "&Diagramm..."},
    {1, P, diagrammBefehlKurven, "Neuron Kurven..."},
    {1, P, diagrammBefehlVorlage, "Diagramm&vorlage..."},
    {1, P, diagrammBefehlAlleAngleichen, "alle Diagramme an&gleichen"},
    {1, P, diagrammBefehlAlleVollstaendig, "alle Diagramme &vollst\xE4ndig"},
    {1, T, 0, ""},
    {1, P, diagrammBefehlDezimalstellen, "Anzahl Dezimalstellen f\xFCr Anzeige..."},
    {1, P, diagrammBefehlWerteInLegende, "Werte in Legende anzeigen"},
    {1, P, diagrammBefehlApFrequenz, "AP-Frequenz in Legende anzeigen"},
    {1, P, diagrammBefehlScrollleiste, "horizontale Scrollbar anzeigen"},
    {1, P, diagrammBefehlScrollleisteAutomatisch, "Scrollbar nur anzeigen wenn n\xF6tig"},
    {1, T, 0, ""},
    {1, P, diagrammBefehlReferenzkurveSpeichern, "&Referenzkurve speichern"},
    {1, U, 0, "Stromreiz darstellen"},
    {2, P, diagrammBefehlStromreizSoma, "Soma"},
    {2, P, diagrammBefehlStromreizSoma + 1, "Dendrit 1"},
    {2, P, diagrammBefehlStromreizSoma + 2, "Dendrit 2"},
    {2, P, diagrammBefehlStromreizDendrit3, "Dendrit 3"},
    {1, T, 0, ""},
    {1, P, diagrammBefehlSpikeverteilungAnalysieren, "Spikeverteilung analysieren"},
    {1, P, diagrammBefehlSpikeverteilungAnzeigen, "Spikeverteilung anzeigen"},
    {1, P, diagrammBefehlSpikeverteilungParameter, "Parameter f\xFCr Spikeverteilung ..."},
    {1, P, diagrammBefehlBurstPhasen, "Phasen der Bursts ermitteln"},

    {0, U, 0, "Cursor"},
    {1, P, diagrammBefehlKontextMenuCursor, "Cursor \xFC" "ber Kontext-Menu aktivieren"},
};

const MenueZeile englisch[] = {
    {0, U, 0, "File"},
    {1, P, diagrammBefehlDrucken, "print"},
    {1, P, diagrammBefehlSeiteEinrichten, "format page"},
    {1, U, 0, "choose printer"},
    {2, G, diagrammBefehlDruckerUeberschrift, "printers available:"},
    {1, P, diagrammBefehlPotentialExport, "save potential as ASCII"},
    {1, T, 0, ""},
    {1, P, diagrammBefehlSchliessen, "close"},

    {0, U, 0, "Settings"},
    {1, P, diagrammBefehlLayout, "diagram..."},
    {1, P, diagrammBefehlKurven, "neuron graphs..."},
    {1, P, diagrammBefehlVorlage, "Diagram tamplate ..."},
    {1, P, diagrammBefehlAlleAngleichen, "equalize all diagrams"},
    {1, P, diagrammBefehlAlleVollstaendig, "show diagrams completely"},
    {1, T, 0, ""},
    {1, P, diagrammBefehlDezimalstellen, "number of decimal places ..."},
    {1, P, diagrammBefehlWerteInLegende, "display values in caption"},
    {1, P, diagrammBefehlApFrequenz, "display spike frequency"},
    {1, P, diagrammBefehlScrollleiste, "display horizontal scrollbar"},
    {1, P, diagrammBefehlScrollleisteAutomatisch, "display scrollbar only if necessary"},
    {1, T, 0, ""},
    {1, P, diagrammBefehlReferenzkurveSpeichern, "store reference graph"},
    {1, U, 0, "display elektrical stimulus"},
    {2, P, diagrammBefehlStromreizSoma, "Soma"},
    {2, P, diagrammBefehlStromreizSoma + 1, "Dendrit 1"},
    {2, P, diagrammBefehlStromreizSoma + 2, "Dendrit 2"},
    {2, P, diagrammBefehlStromreizDendrit3, "Dendrit 3"},
    {1, T, 0, ""},
    {1, P, diagrammBefehlSpikeverteilungAnalysieren, "analyze spike distribution"},
    {1, P, diagrammBefehlSpikeverteilungAnzeigen, "display spike distribution"},
    {1, P, diagrammBefehlSpikeverteilungParameter, "spike distribution parameters ..."},
    {1, P, diagrammBefehlBurstPhasen, "calculate burst phases"},

    {0, U, 0, "Cursor"},
    {1, P, diagrammBefehlKontextMenuCursor, "activate cursor by context menu"},
};

} // namespace

const std::span<const MenueZeile> diagrammMenue120{deutsch};
const std::span<const MenueZeile> diagrammMenue309{englisch};

std::span<const MenueZeile> diagrammMenueTabelle(int sprache)
{
    return sprache == 1033 ? diagrammMenue309 : diagrammMenue120;
}
