// resources/menues/modusmenues.cpp - the menus of the permutation mode (176/308, the
// definition's 238/307 and the progress window's 234/303), of the interactive script
// window (313/312) and of the evaluation window (301/311)
#include "resources/auswertungsmenue.h"
#include "resources/befehle.h"
#include "resources/menues.h"

using plattform::MenueZeile;

namespace {

using namespace plattform::menueZeilenArt;

// Both tables of a pair list the same rows in the same order; keep them side by side.

const MenueZeile permutationDeutsch[] = {
    {0, U, 0, "&Datei"},
    {1, P, befehlPmtDefinitionLaden, "Definition laden"},
    {1, P, befehlPmtDefinitionSpeichern, "Definition speichern"},
    {1, T, 0, ""},
    {1, P, befehlPmtErgebnisseLaden, "Ergebnisse laden"},
    {1, P, befehlPmtErgebnisseUnsortiertLaden, "Ergebnisse unsortiert laden (schnell)"},
    {1, P, befehlPmtErgebnisAnzahl, "Anzahl von Ergebnissen \xE4ndern ..."},
    {1, P, befehlPmtErgebnisdateienSchliessen, "Ergebnisdatei(en) schliessen"},
    {1, T, 0, ""},
    {1, P, befehlPmtIndexPartiellLesen, "Indexdatei partiell lesen"},
    {1, P, befehlPmtIndexSpeichernUnter, "Indexdatei speichern unter"},
    {1, P, befehlPmtIndexPartiellSpeichern, "Indexdatei partiell speichern"},
    {1, P, befehlPmtIndexAusBinDateien, "Indexdatei aus Bin-Dateien erstellen"},
    {1, P, befehlPmtNeueBinDatei, "aus index neue BIN-Datei erstellen"},
    {1, T, 0, ""},
    {1, P, befehlPmtModusBeenden, "Permutationsmodus beenden"},

    {0, U, 0, "&Permutation"},
    {1, P, befehlPmtDefinieren, "permutation synaptischer \xDC" "bertragungsst\xE4rken"},
    {1, P, befehlPmtAnalyseKriterien, "Analyse-Kriterien definieren ..."},
    {1, T, 0, ""},
    {1, P, befehlPmtStarten, "starten"},
    {1, P, befehlPmtErneutStarten, "erneut starten"},
    {1, P, befehlPmtPartiell, "partiell durchf\xFChren"},
    {1, P, befehlPmtFreieReihenfolge, "freie Reihenfolge"},
    {1, P, befehlPmtAnhalten, "anhalten"},
    {1, P, befehlPmtAbbrechen, "abbrechen"},

    {0, U, 0, "&Einstellungen"},
    {1, P, befehlPmtTeilsimulation, "Permutation als Teilsimulation rechnen"},
    {1, P, befehlPmtFensterNachFreier, "Permutationsfenster nach freier Permutation darstellen"},
    {1, P, befehlPmtLevelPruefen, "Synapsenst\xE4rken  von Bin-Dateien m\xFCssen gleich sein"},
    {1, P, befehlPmtErgebnisGroesse, "Gr\xF6\xDF" "e der Ergebnisdatei (*.bin) festlegen ..."},
    {1, T, 0, ""},
    {1, P, befehlPmtFensterEinstellungen, "Balken-Darstellung der Synapsenst\xE4rken ..."},
    {1, P, befehlPmtLevelBalken, "Level der Synapsenst\xE4rke darstellen"},
    {1, U, 0, "&Zahlenangaben"},
    {2, P, befehlPmtZeigeNummer, "Nummer"},
    {2, P, befehlPmtZeigeApAnzahl, "AP-Anzahl"},
    {2, P, befehlPmtZeigeGuete, "G\xFCtefaktor"},
    {2, P, befehlPmtZeigeFrequenzen, "Frequenzen"},
    {2, P, befehlPmtZeigePosition, "Position"},

    {0, U, 0, "&Auswertung"},
    {1, P, befehlPmtErgebnisseDarstellen, "Permutationsergebnisse darstellen"},
    {1, T, 0, ""},
    {1, P, befehlPmtSortGuete, "Index nach G\xFCte sortieren"},
    {1, P, befehlPmtSortNummer, "Index nach Nummer Sortieren"},
    {1, P, befehlPmtSortGueteAbsteigend, "Index nach absteigender G\xFCte sortieren"},
    {1, P, befehlPmtDublettenSuchen, "Dubletten suchen"},
    {1, T, 0, ""},
    {1, P, befehlPmtNeuBewerten, "Ergebnis neu Bewerten ..."},
    {1, P, befehlPmtBurstBewertung, "Ergebnisse nach Bursts bewerten"},
    {1, P, befehlPmtLevelHaeufigkeit, "H\xE4ufigkeit der Synapsenst\xE4rken ausgeben..."},
    {1, P, befehlPmtAusgabe, "Ausgabeparameter w\xE4hlen und ausgeben..."},
};

const MenueZeile permutationEnglisch[] = {
    {0, U, 0, "&File"},
    {1, P, befehlPmtDefinitionLaden, "load definition"},
    {1, P, befehlPmtDefinitionSpeichern, "save definition"},
    {1, T, 0, ""},
    {1, P, befehlPmtErgebnisseLaden, "load results"},
    {1, P, befehlPmtErgebnisseUnsortiertLaden, "load results unsorted (fast)"},
    {1, P, befehlPmtErgebnisAnzahl, "change number of results ..."},
    {1, P, befehlPmtErgebnisdateienSchliessen, "close result file(s)"},
    {1, T, 0, ""},
    {1, P, befehlPmtIndexPartiellLesen, "read index file partially"},
    {1, P, befehlPmtIndexSpeichernUnter, "save index file as"},
    {1, P, befehlPmtIndexPartiellSpeichern, "save index file partially"},
    {1, P, befehlPmtIndexAusBinDateien, "make index file from bin files"},
    {1, P, befehlPmtNeueBinDatei, "make new bin file from index"},
    {1, T, 0, ""},
    {1, P, befehlPmtModusBeenden, "cloase brute force mode"},

    {0, U, 0, "&brute force"},
    {1, P, befehlPmtDefinieren, "permutation of synaptic strengths"},
    {1, P, befehlPmtAnalyseKriterien, "define analysis criteria ..."},
    {1, T, 0, ""},
    {1, P, befehlPmtStarten, "start"},
    {1, P, befehlPmtErneutStarten, "restart"},
    {1, P, befehlPmtPartiell, "run partially"},
    {1, P, befehlPmtFreieReihenfolge, "free order"},
    {1, P, befehlPmtAnhalten, "stop"},
    {1, P, befehlPmtAbbrechen, "cancel"},

    {0, U, 0, "&Settings"},
    {1, P, befehlPmtTeilsimulation, "compute permutation as part simulation"},
    {1, P, befehlPmtFensterNachFreier, "show permutation window after free permutation"},
    {1, P, befehlPmtLevelPruefen, "synaptic strengths of bin files must agree"},
    {1, P, befehlPmtErgebnisGroesse, "size of the result file (*.bin) ..."},
    {1, T, 0, ""},
    {1, P, befehlPmtFensterEinstellungen, "bars of the synaptic strengths ..."},
    {1, P, befehlPmtLevelBalken, "show levels of synaptic strength"},
    {1, U, 0, "&numbers"},
    {2, P, befehlPmtZeigeNummer, "number"},
    {2, P, befehlPmtZeigeApAnzahl, "AP count"},
    {2, P, befehlPmtZeigeGuete, "quality"},
    {2, P, befehlPmtZeigeFrequenzen, "frequencies"},
    {2, P, befehlPmtZeigePosition, "position"},

    {0, U, 0, "&Analysis"},
    {1, P, befehlPmtErgebnisseDarstellen, "display permutation results"},
    {1, T, 0, ""},
    {1, P, befehlPmtSortGuete, "sort index by quality"},
    {1, P, befehlPmtSortNummer, "sort index by number"},
    {1, P, befehlPmtSortGueteAbsteigend, "sort index by descending quality"},
    {1, P, befehlPmtDublettenSuchen, "search duplicates"},
    {1, T, 0, ""},
    {1, P, befehlPmtNeuBewerten, "rate results again ..."},
    {1, P, befehlPmtBurstBewertung, "rate results by bursts"},
    {1, P, befehlPmtLevelHaeufigkeit, "frequency of synaptic strengths ..."},
    {1, P, befehlPmtAusgabe, "choose and write output parameters..."},
};

const MenueZeile definitionDeutsch[] = {
    {0, U, 0, "Erstellen"},
    {1, P, befehlPmtDefinitionAbbrechen, "abbrechen"},
};
const MenueZeile definitionEnglisch[] = {
    {0, U, 0, "create"},
    {1, P, befehlPmtDefinitionAbbrechen, "cancel"},
};

// the progress window renames its item "fortsetzen" while the series is paused
const MenueZeile fortschrittDeutsch[] = {
    {0, U, 0, "Permutation"},
    {1, P, befehlPmtAnhaltenFortschritt, "anhalten"},
};
const MenueZeile fortschrittEnglisch[] = {
    {0, U, 0, "brute force"},
    {1, P, befehlPmtAnhaltenFortschritt, "stop"},
};

// Esc, the window's close box and this item cancel the script through the main window,
// which asks first.
const MenueZeile interaktivDeutsch[] = {
    {0, U, 0, "&Skript"},
    {1, P, befehlSimulationAbbrechen, "Skriptbearbeitung &abbrechen\tESC"},
};
const MenueZeile interaktivEnglisch[] = {
    {0, U, 0, "&Script"},
    {1, P, befehlSimulationAbbrechen, "&cancel script\tESC"},
};

// grey until the evaluation window handles them
const MenueZeile auswertungDeutsch[] = {
    {0, U, 0, "&Datei"},
    {1, G, auswertungBefehlDateiOeffnen, "Ergebnisdatei \xD6" "ffnen"},
    {1, G, auswertungBefehlWeitereDateien, "weitere Ergebnisdateien \xF6" "fnnen"},
    {1, G, auswertungBefehlMehrereDateien, "mehrere Ergebnisdateien \xF6" "ffnen"},
    {1, G, auswertungBefehlDateiSchliessen, "Ergebnisdatei schliessen"},
    {1, T, 0, ""},
    {1, G, auswertungBefehlIndexOeffnen, "Index-Datei \xF6" "ffnen"},
    {1, G, auswertungBefehlIndexSpeichern, "Index-Datei speichern"},
    {1, T, 0, ""},
    {1, G, auswertungBefehlEinstellungenSpeichern, "Einstellungen speichern"},
    {1, G, auswertungBefehlSkriptSpeichern, "Skript speichern"},
    {1, T, 0, ""},
    {1, G, auswertungBefehlModusBeenden, "Auswertemodus beenden"},
    {0, U, 0, "&Ergebnisse"},
    {1, G, auswertungBefehlDarstellen, "Ergebnisse darstellen"},
};
const MenueZeile auswertungEnglisch[] = {
    {0, U, 0, "&File"},
    {1, G, auswertungBefehlDateiOeffnen, "open result file"},
    {1, G, auswertungBefehlWeitereDateien, "open additional result files"},
    {1, G, auswertungBefehlMehrereDateien, "open different result files"},
    {1, G, auswertungBefehlDateiSchliessen, "close result file(s)"},
    {1, T, 0, ""},
    {1, G, auswertungBefehlIndexOeffnen, "open index file"},
    {1, G, auswertungBefehlIndexSpeichern, "save index file"},
    {1, T, 0, ""},
    {1, G, auswertungBefehlEinstellungenSpeichern, "save settings"},
    {1, G, auswertungBefehlSkriptSpeichern, "save skript"},
    {1, T, 0, ""},
    {1, G, auswertungBefehlModusBeenden, "close analyze mode"},
    {0, U, 0, "&Results"},
    {1, G, auswertungBefehlDarstellen, "display results"},
};

} // namespace

const std::span<const MenueZeile> permutationsMenue176{permutationDeutsch};
const std::span<const MenueZeile> permutationsMenue308{permutationEnglisch};
const std::span<const MenueZeile> definitionsMenue238{definitionDeutsch};
const std::span<const MenueZeile> definitionsMenue307{definitionEnglisch};
const std::span<const MenueZeile> fortschrittsMenue234{fortschrittDeutsch};
const std::span<const MenueZeile> fortschrittsMenue303{fortschrittEnglisch};
const std::span<const MenueZeile> interaktivMenue313{interaktivDeutsch};
const std::span<const MenueZeile> interaktivMenue312{interaktivEnglisch};
const std::span<const MenueZeile> auswertungsMenue301{auswertungDeutsch};
const std::span<const MenueZeile> auswertungsMenue311{auswertungEnglisch};

std::span<const MenueZeile> modusmenueTabelle(Modusmenue art, int sprache)
{
    if (sprache != 1031 && sprache != 1033)
        return {};
    const bool deutsch = sprache == 1031;
    switch (art) {
    case Modusmenue::Permutation: return deutsch ? permutationsMenue176 : permutationsMenue308;
    case Modusmenue::Definition: return deutsch ? definitionsMenue238 : definitionsMenue307;
    case Modusmenue::Fortschritt: return deutsch ? fortschrittsMenue234 : fortschrittsMenue303;
    case Modusmenue::Interaktiv: return deutsch ? interaktivMenue313 : interaktivMenue312;
    case Modusmenue::Auswertung: return deutsch ? auswertungsMenue301 : auswertungsMenue311;
    }
    return {};
}
