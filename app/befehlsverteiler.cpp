// app/befehlsverteiler.cpp - the main window's command dispatcher
//
// One table says which commands have code. Their menu items are enabled, all others
// grey; a command without code that still arrives (a key, another window) does nothing.
#include "app/beenden.h"
#include "app/hauptfenster.h"
#include "app/netzdateien.h"
#include "app/protokoll.h"
#include "app/sprache.h"
#include "app/start.h"
#include "dialogs/eingabe.h"
#include "dialogs/rahmen.h"
#include "dialogs/simulationsparameter.h"
#include "dialogs/strominjektion.h"
#include "dialogs/stromreiz.h"
#include "files/einstellungsdatei.h"
#include "files/netzdefinition.h"
#include "model/laufstart.h"
#include "model/simulationspruefung.h"
#include "platform/box.h"
#include "platform/fenster.h"
#include "texts/texte.h"
#include <cstdlib>

using namespace plattform;

namespace {

// ---- the handlers ---------------------------------------------------------------------

void simulationStartenBefehl(Fenster, int)
{
    if (laufAktiv())
        return;                          // one run at a time
    if (programmStatus & programmBit::LaufGesperrt) {
        hinweisBox(meldungsTexte[880]);
        return;
    }
    simulationStarten();
}

void simulationAbbrechenBefehl(Fenster, int)
{
    if (skriptStatus & skriptBit::Laeuft) {
        if (sysInfoBox(meldungsTexte[882], knoepfe::JaNein) != antwort::Ja)
            return;
        skriptStatus |= skriptBit::Abbrechen;
        skriptStatus &= ~skriptBit::InteraktiveAusfuehrung;
        fensterZerstoeren(fensterhandles.interaktivFenster);
        fensterhandles.interaktivFenster = nullptr;
    }
    laufZustand.abbrechen = 1;
}

void programmBeendenBefehl(Fenster, int) { hauptfensterSchliessen(); }

void dateiOeffnenBefehl(Fenster, int)
{
    const bool amStart = startOeffnenNehmen();
    if (!startDateiPruefen())
        return;                          // named in a notice and dropped
    // the file of the start opens without the dialog
    simulationOeffnen(amStart && startDateiUebernehmen() ? 0 : 1);
}

void programmBitUmschalten(uint32_t bits)
{
    if (programmStatus & bits)
        programmStatus &= ~bits;
    else
        programmStatus |= bits;
}

void schalterBefehl(Fenster, int befehl)
{
    switch (befehl) {
    case befehlErgebnisExportieren: programmBitUmschalten(programmBit::WerteExportieren); break;
    case befehlHauptfensterMinimieren: programmBitUmschalten(programmBit::NachLaufMinimieren); break;
    case befehlSpikesZaehlen: programmBitUmschalten(programmBit::SpikesZaehlen); break;
    case befehlSomapotentialSpeichern:
        // writing and reading the soma-potential file go together
        if (programmStatus & programmBit::SomaDateiSchreiben)
            programmStatus &= ~(programmBit::SomaDateiSchreiben | programmBit::SomaDateiLesen);
        else
            programmStatus |= programmBit::SomaDateiSchreiben | programmBit::SomaDateiLesen;
        break;
    case befehlApsAufzeichnen: spikeAufzeichnung.aufzeichnen = !spikeAufzeichnung.aufzeichnen; break;
    case befehlDialogeKomplett: dialogEinstellungen.dialogeKomplett = !dialogEinstellungen.dialogeKomplett; break;
    }
}

void anzeigedauerBefehl(Fenster, int befehl)
{
    letzterDialog = befehl;
    eingabeParameter.titel = meldungsTexte[883];
    eingabeParameter.text1 = meldungsTexte[884];
    eingabeParameter.text2.clear();
    eingabeParameter.eingabeBeschriftung = meldungsTexte[885];
    eingabeParameter.eingabeText = std::to_string(anzeigeboxParameter.anzeigedauer);
    eingabeParameter.flags = 0;
    if (eingabeDialogOeffnen() != 1)
        return;
    const int ms = std::atoi(eingabeParameter.eingabeText.c_str());
    anzeigeboxParameter.anzeigedauer = ms < 0 ? 0 : ms;
}

void protokollBefehl(Fenster, int befehl)
{
    if (befehl == befehlTextfensterAnzeigen)
        protokollAnzeigen(!protokoll.sichtbar);
    else
        protokollEinbetten(!protokoll.eingebettet);
}

void spracheBefehl(Fenster, int befehl)
{
    spracheWechseln(befehl == befehlSpracheEnglisch ? spracheEnglisch : spracheDeutsch);
}

void simulationseinstellungenBefehl(Fenster f, int befehl)
{
    letzterDialog = befehl;
    simulationsParameterDialogOeffnen(f);
}

// "Einstellungen speichern": under the settings file's path; the dialog asks while there is none
void einstellungenSpeichernBefehl(Fenster, int)
{
    cfgDateiSpeichern(cfgPfad.empty() ? nullptr : cfgPfad.c_str(), nullptr, 1);
}

void dendritBefehl(Fenster, int befehl)
{
    // 40094..40097 are the dendrite modes 1..4
    dendritenModusSetzen(befehl - befehlKeinDendrit + 1);
}

void stromreizDialogBefehl(Fenster f, int befehl)
{
    letzterDialog = befehl;
    if (befehl == befehlStrominjektion)
        strominjektionDialogOeffnen(f);
    else if (befehl == befehlStromReiz)
        stromReizDialogOeffnen(f);
    else
        stromreizKennzeichnungDialogOeffnen(f);
}

bool immer() { return true; }

struct BefehlsEintrag {
    int befehl;
    void (*behandeln)(Fenster f, int befehl);
    bool (*verfuegbar)();
};

const BefehlsEintrag befehlsTabelle[] = {
    {befehlSimulationStarten, simulationStartenBefehl, immer},
    {befehlSimulationAbbrechen, simulationAbbrechenBefehl, immer},
    {befehlProgrammBeenden, programmBeendenBefehl, immer},
    {befehlDateiOeffnen, dateiOeffnenBefehl, immer},
    {befehlErgebnisExportieren, schalterBefehl, immer},
    {befehlSomapotentialSpeichern, schalterBefehl, immer},
    {befehlHauptfensterMinimieren, schalterBefehl, immer},
    {befehlSpikesZaehlen, schalterBefehl, immer},
    {befehlApsAufzeichnen, schalterBefehl, immer},
    {befehlDialogeKomplett, schalterBefehl, immer},
    {befehlAnzeigedauerInfobox, anzeigedauerBefehl, immer},
    {befehlTextfensterAnzeigen, protokollBefehl, immer},
    {befehlTextfensterEinblenden, protokollBefehl, immer},
    {befehlSpracheDeutsch, spracheBefehl, immer},
    {befehlSpracheEnglisch, spracheBefehl, immer},
    {befehlSimulationseinstellungen, simulationseinstellungenBefehl, immer},
    {befehlEinstellungenSpeichern, einstellungenSpeichernBefehl, immer},
    {befehlKeinDendrit, dendritBefehl, immer},
    {befehlDendritEinSegment, dendritBefehl, immer},
    {befehlDendritDreiSegmente, dendritBefehl, immer},
    {befehlDendritNSegmente, dendritBefehl, immer},
    {befehlStrominjektion, stromreizDialogBefehl, immer},
    {befehlStromReiz, stromreizDialogBefehl, immer},
    {befehlStromreizKennzeichnung, stromreizDialogBefehl, immer},
    {befehlDefinitionExportieren, [](Fenster, int) { netzwerkDefinitionSpeichern(); }, immer},
    {befehlDefinitionImportieren, [](Fenster, int) { netzwerkDefinitionLesen(); }, immer},
};

const BefehlsEintrag* eintrag(int befehl)
{
    for (const BefehlsEintrag& e : befehlsTabelle)
        if (e.befehl == befehl)
            return &e;
    return nullptr;
}

bool zwischen(int befehl, int von, int bis) { return befehl >= von && befehl <= bis; }

// Commands that change or free the network, or start runs of their own: inside a run's
// pump they would pull records away from under the running engine.
bool aendertNetz(int befehl)
{
    switch (befehl) {
    case befehlDateiOeffnen: case befehlDateiSchliessen: case befehlDefinitionImportieren:
    case befehlMembranpotentialImport: case befehlEinstellungenLaden:
    case befehlNeuronNeu: case befehlNeuroneKopieren: case befehlNeuroneLoeschen:
    case befehlSynapseNeu: case befehlSynapseNeuKontext: case befehlSynapsentypen:
    case befehlKeinDendrit: case befehlDendritEinSegment: case befehlDendritDreiSegmente:
    case befehlDendritNSegmente: case befehlSimulationseinstellungen: case befehlStromreizeZuruecksetzen:
    case befehlDarzustellendeKurven: case befehlStrominjektion:
    case befehlPermutationsmodusEinschalten: case befehlPmtModusBeenden:
    case befehlPmtStarten: case befehlPmtErneutStarten: case befehlPmtPartiell: case befehlPmtFreieReihenfolge:
    case befehlSkriptLaden: case befehlSkriptSchliessen: case befehlSkriptStarten:
    case befehlSkriptNeuLadenUndStarten: case befehlSkriptInteraktiv: case befehlSkriptTesten:
    case befehlAuswertemodus: case befehlServerStarten:
        return true;
    }
    return zwischen(befehl, befehlSynapseLoeschenErste, befehlSynapseLoeschenLetzte) ||
           zwischen(befehl, befehlGruppeAufloesenErste, befehlGruppeAufloesenLetzte);
}

} // namespace

bool befehlVerfuegbar(int befehl)
{
    const BefehlsEintrag* e = eintrag(befehl);
    return e && e->verfuegbar();
}

int befehlHaken(int befehl)
{
    switch (befehl) {
    case befehlErgebnisExportieren: return (programmStatus & programmBit::WerteExportieren) ? 1 : 0;
    case befehlSomapotentialSpeichern: return (programmStatus & programmBit::SomaDateiSchreiben) ? 1 : 0;
    case befehlHauptfensterMinimieren: return (programmStatus & programmBit::NachLaufMinimieren) ? 1 : 0;
    case befehlSpikesZaehlen: return (programmStatus & programmBit::SpikesZaehlen) ? 1 : 0;
    case befehlApsAufzeichnen: return spikeAufzeichnung.aufzeichnen ? 1 : 0;
    case befehlDialogeKomplett: return dialogEinstellungen.dialogeKomplett ? 1 : 0;
    case befehlTextfensterAnzeigen: return protokoll.sichtbar ? 1 : 0;
    case befehlTextfensterEinblenden: return protokoll.eingebettet ? 1 : 0;
    case befehlSpracheDeutsch: return sprache != spracheEnglisch ? 1 : 0;
    case befehlSpracheEnglisch: return sprache == spracheEnglisch ? 1 : 0;
    }
    return -1;
}

void hauptfensterBefehl(Fenster f, int befehl)
{
    if (programmEndet())
        return;
    if (laufAktiv() && aendertNetz(befehl)) {
        hinweisBox(meldungsTexte[881]);
        return;
    }
    // verfuegbar only greys the menu item: F2, "OK - F2" and the start-up reach the
    // handlers anyway, and those refuse with a notice what is not there yet
    if (const BefehlsEintrag* e = eintrag(befehl))
        e->behandeln(f, befehl);
}
