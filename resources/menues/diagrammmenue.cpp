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
    {1, G, diagrammBefehlDrucken, "&Drucken"},
    {1, G, diagrammBefehlSeiteEinrichten, "Seite &einrichten"},
    {1, U, 0, "D&rucker ausw\xE4hlen"},
    {2, G, diagrammBefehlDruckerUeberschrift, "aktuell verf\xFCgbare Drucker:"},
    {1, T, 0, ""},
    {1, P, diagrammBefehlSchliessen, "&Schliessen"},

    {0, U, 0, "&Einstellungen"},
    {1, P, diagrammBefehlLayout, "&Diagramm..."},
    {1, P, diagrammBefehlKurven, "Neuron Kurven..."},
    {1, P, diagrammBefehlVorlage, "Diagramm&vorlage..."},
    {1, G, diagrammBefehlAlleAngleichen, "alle Diagramme an&gleichen"},
    {1, G, diagrammBefehlAlleVollstaendig, "alle Diagramme &vollst\xE4ndig"},
    {1, T, 0, ""},
    {1, G, diagrammBefehlDezimalstellen, "Anzahl Dezimalstellen f\xFCr Anzeige..."},
    {1, G, diagrammBefehlWerteInLegende, "Werte in Legende anzeigen"},
    {1, G, diagrammBefehlApFrequenz, "AP-Frequenz in Legende anzeigen"},
    {1, G, diagrammBefehlScrollleiste, "horizontale Scrollbar anzeigen"},
    {1, G, diagrammBefehlScrollleisteAutomatisch, "Scrollbar nur anzeigen wenn n\xF6tig"},
    {1, T, 0, ""},
    {1, P, diagrammBefehlReferenzkurveSpeichern, "&Referenzkurve speichern"},
    {1, U, 0, "Stromreiz darstellen"},
    {2, G, diagrammBefehlStromreizSoma, "Soma"},
    {2, G, diagrammBefehlStromreizSoma + 1, "Dendrit 1"},
    {2, G, diagrammBefehlStromreizSoma + 2, "Dendrit 2"},
    {2, G, diagrammBefehlStromreizDendrit3, "Dendrit 3"},
    {1, T, 0, ""},
    {1, G, diagrammBefehlSpikeverteilungAnalysieren, "Spikeverteilung analysieren"},
    {1, G, diagrammBefehlSpikeverteilungAnzeigen, "Spikeverteilung anzeigen"},
    {1, G, diagrammBefehlSpikeverteilungParameter, "Parameter f\xFCr Spikeverteilung ..."},
    {1, G, diagrammBefehlBurstPhasen, "Phasen der Bursts ermitteln"},

    {0, U, 0, "Cursor"},
    {1, G, diagrammBefehlKontextMenuCursor, "Cursor \xFC" "ber Kontext-Menu aktivieren"},
};

const MenueZeile englisch[] = {
    {0, U, 0, "File"},
    {1, G, diagrammBefehlDrucken, "print"},
    {1, G, diagrammBefehlSeiteEinrichten, "format page"},
    {1, U, 0, "choose printer"},
    {2, G, diagrammBefehlDruckerUeberschrift, "printers available:"},
    {1, G, diagrammBefehlPotentialExport, "save potential as ASCII"},
    {1, T, 0, ""},
    {1, P, diagrammBefehlSchliessen, "close"},

    {0, U, 0, "Settings"},
    {1, P, diagrammBefehlLayout, "diagram..."},
    {1, P, diagrammBefehlKurven, "neuron graphs..."},
    {1, P, diagrammBefehlVorlage, "Diagram tamplate ..."},
    {1, G, diagrammBefehlAlleAngleichen, "equalize all diagrams"},
    {1, G, diagrammBefehlAlleVollstaendig, "show diagrams completely"},
    {1, T, 0, ""},
    {1, G, diagrammBefehlDezimalstellen, "number of decimal places ..."},
    {1, G, diagrammBefehlWerteInLegende, "display values in caption"},
    {1, G, diagrammBefehlApFrequenz, "display spike frequency"},
    {1, G, diagrammBefehlScrollleiste, "display horizontal scrollbar"},
    {1, G, diagrammBefehlScrollleisteAutomatisch, "display scrollbar only if necessary"},
    {1, T, 0, ""},
    {1, P, diagrammBefehlReferenzkurveSpeichern, "store reference graph"},
    {1, U, 0, "display elektrical stimulus"},
    {2, G, diagrammBefehlStromreizSoma, "Soma"},
    {2, G, diagrammBefehlStromreizSoma + 1, "Dendrit 1"},
    {2, G, diagrammBefehlStromreizSoma + 2, "Dendrit 2"},
    {2, G, diagrammBefehlStromreizDendrit3, "Dendrit 3"},
    {1, T, 0, ""},
    {1, G, diagrammBefehlSpikeverteilungAnalysieren, "analyze spike distribution"},
    {1, G, diagrammBefehlSpikeverteilungAnzeigen, "display spike distribution"},
    {1, G, diagrammBefehlSpikeverteilungParameter, "spike distribution parameters ..."},
    {1, G, diagrammBefehlBurstPhasen, "calculate burst phases"},

    {0, U, 0, "Cursor"},
    {1, G, diagrammBefehlKontextMenuCursor, "activate cursor by context menu"},
};

} // namespace

const std::span<const MenueZeile> diagrammMenue120{deutsch};
const std::span<const MenueZeile> diagrammMenue309{englisch};

std::span<const MenueZeile> diagrammMenueTabelle(int sprache)
{
    return sprache == 1033 ? diagrammMenue309 : diagrammMenue120;
}
