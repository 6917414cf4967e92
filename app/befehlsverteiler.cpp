// app/befehlsverteiler.cpp - the main window's command dispatcher
//
// One table says which commands have code and what each needs to be chosen (a network,
// marked neurons, a run or none). Their menu items are enabled while that holds, all
// others grey, and the same condition decides whether a command that arrives another way
// (a key, a replayed dialog, another window, a posted command) is carried out: a grey
// command does nothing, or says why where a key reaches it. A command without code does
// nothing. The switches are ticked from the values they stand for.
#include "app/beenden.h"
#include "app/dateityp.h"
#include "app/hauptfenster.h"
#include "app/netzdateien.h"
#include "app/neuroneditor.h"
#include "app/protokoll.h"
#include "app/sprache.h"
#include "app/start.h"
#include "app/synapsenmenue.h"
#include "diagrams/diagramm.h"
#include "dialogs/darzustellendekurven.h"
#include "diagrams/drucken.h"
#include "dialogs/eingabe.h"
#include "dialogs/exportdialoge.h"
#include "dialogs/morphologie.h"
#include "dialogs/physiologie.h"
#include "dialogs/potentialbegrenzung.h"
#include "dialogs/rauschen.h"
#include "dialogs/voltageclamp.h"
#include "dialogs/izhikevich.h"
#include "dialogs/neuronname.h"
#include "dialogs/bahnung.h"
#include "dialogs/benutzerkanaele.h"
#include "dialogs/cakanal.h"
#include "dialogs/swimstandardkanaele.h"
#include "dialogs/eingabe.h"
#include "dialogs/pspform.h"
#include "dialogs/rahmen.h"
#include "dialogs/seiteeinrichten.h"
#include "dialogs/simulationsparameter.h"
#include "dialogs/strominjektion.h"
#include "dialogs/stromreiz.h"
#include "dialogs/synapsendialoge.h"
#include "dialogs/synapsengruppen.h"
#include "dialogs/transmitterdynamik.h"
#include "dialogs/wavimport.h"
#include "files/einstellungsdatei.h"
#include "files/fremdformat.h"
#include "files/kurvendatei.h"
#include "files/netzdatei.h"
#include "files/netzdefinition.h"
#include "model/anzeigeeinstellungen.h"
#include "model/laufstart.h"
#include "model/netz.h"
#include "model/permutationsfenster.h"
#include "model/seiteneinrichtung.h"
#include "model/simulationsparameter.h"
#include "model/simulationspruefung.h"
#include "model/stromreiz.h"
#include "permutation/ergebnisse.h"
#include "permutation/fenster.h"
#include "permutation/modus.h"
#include "permutation/spikefolge.h"
#include "platform/box.h"
#include "script/ausfuehrung.h"
#include "script/interaktiv.h"
#include "script/auswertung.h"
#include "script/skript.h"
#include "server/server.h"
#include "server/serverbetrieb.h"
#include "platform/fenster.h"
#include "platform/steuerelemente.h"
#include "texts/texte.h"
#include <algorithm>
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
    // the server thread reads the abort flag: a server run stops by its own request
    if (serverLaufAktiv) {
        serverBeenden();
        return;
    }
    laufZustand.abbrechen = 1;
}

void programmBeendenBefehl(Fenster, int) { hauptfensterSchliessen(); }

void dateiOeffnenBefehl(Fenster, int)
{
    const bool amStart = startOeffnenNehmen();
    // the settings read at the start named their file in the title: a start whose file is
    // refused shows the network it goes on with, as an open shows the one it read
    if (!startDateiPruefen()) {
        if (amStart)
            netzTitelZeigen();
        return;                          // named in a notice and dropped
    }
    // the file of the start opens without the dialog
    if (!simulationOeffnen(amStart && startDateiUebernehmen() ? 0 : 1) && amStart && !programmEndet())
        netzTitelZeigen();
    // the diagram windows the network's list opened came up over the main window; a user
    // who just started the program sees the main window first
    if (amStart && fensterhandles.hauptfenster)
        vordergrundSetzen(fensterhandles.hauptfenster);
}

// "Skript laden": the loader replaces a loaded script, except by a file that is no script
void skriptLadenBefehl(Fenster, int)
{
    skriptLaden(skript);
}

// "Skript schliessen": its result files close with it
void skriptSchliessenBefehl(Fenster, int)
{
    ergebnisDateienSchliessen(auswertungsdaten);
    skriptFreigeben(skript);
}

// "Simulation mit Skript starten" (mode 1), "Skript testen" (mode 2) and "... und zuvor Skript
// erneut laden": the last reads the script again from its own path first
void skriptAusfuehrenBefehl(Fenster, int befehl)
{
    if (!(skriptStatus & skriptBit::Geladen) || skriptStartAbgelehnt())
        return;
    if (befehl == befehlSkriptNeuLadenUndStarten) {
        skriptFreigeben(skript);
        skriptStatus |= skriptBit::DateiAusSkriptLaden;
        if (!skriptLaden(skript))
            return;
    }
    skriptAusfuehren(skript, befehl == befehlSkriptTesten ? 2 : 1);
}

// "Interaktive Skriptausfuehrung" (Alt+F2): the loaded script runs with the interactive window
void skriptInteraktivBefehl(Fenster, int)
{
    if (skriptStatus & skriptBit::Geladen)
        skriptInteraktivStarten(&skript);
}

// the bit of the permutation display's numbers mask that a switch of its menu stands for
int zahlenBit(int befehl)
{
    switch (befehl) {
    case befehlPmtZeigeNummer: return 1;
    case befehlPmtZeigeApAnzahl: return 2;
    case befehlPmtZeigeGuete: return 4;
    case befehlPmtZeigeFrequenzen: return 8;
    case befehlPmtZeigePosition: return 16;
    }
    return 0;
}

void programmBitUmschalten(uint32_t bits)
{
    if (programmStatus & bits)
        programmStatus &= ~bits;
    else
        programmStatus |= bits;
}

void modusBitUmschalten(uint32_t bit) { modusStatus ^= bit; }

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
    case befehlBackupVorSimulation: sicherungsOptionen ^= sicherungBit::An; break;
    // -1 (once, from a diagram's Shift+M) counts as on
    case befehlStrgMNurMinimieren: diagrammOptionen.strgMMinimieren = diagrammOptionen.strgMMinimieren ? 0 : 1; break;
    case befehlSkriptMeldungen: skriptMeldungenAnzeigen = !skriptMeldungenAnzeigen; break;
    // the permutation mode's
    case befehlPmtTeilsimulation: modusBitUmschalten(modusBit::Teilsimulation); break;
    case befehlPmtFensterNachFreier: modusBitUmschalten(modusBit::ErgebnisseNachFreier); break;
    case befehlPmtLevelBalken: permutationsFenster.levelBalkenAnzeigen = !permutationsFenster.levelBalkenAnzeigen; break;
    case befehlPmtLevelPruefen: permutationsFenster.levelPruefen = !permutationsFenster.levelPruefen; break;
    default:
        if (const int bit = zahlenBit(befehl))
            permutationsFenster.zahlenMaske ^= bit;
        break;
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
    // a typing error is said, not stored as 0; a negative duration means none
    double ms = 0.0;
    if (!dialogTextZahl(eingabeParameter.eingabeText, ms)) {
        hinweisBox(meldungFormatieren(952, eingabeParameter.eingabeBeschriftung));
        return;
    }
    anzeigeboxParameter.anzeigedauer = static_cast<int>(std::clamp(ms, 0.0, 3600000.0));
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
    const Nutzerwerte nutzer;
    cfgDateiSpeichern(cfgPfad.empty() ? nullptr : cfgPfad.c_str(), nullptr, 1);
}

// the save dialog names the file, which is the settings file from then on
void einstellungenSpeichernUnterBefehl(Fenster, int)
{
    const Nutzerwerte nutzer;
    cfgDateiSpeichern(nullptr, nullptr, 1);
}

// a settings file chosen in the open dialog, and everything derived from it
void einstellungenLadenBefehl(Fenster f, int)
{
    if (!cfgDateiLaden(1) || programmEndet())
        return;
    einstellungenAktualisieren(nullptr, 1);
    if (f)
        ungueltigMachen(f);
}

// "GU&I-Datei speichern": into the network's own file, which the dialog asks for while it
// has none (curve data and recordings are no such file). The backup before a run sends it
// too: without a file there is nothing to back up.
void guiSpeichernBefehl(Fenster, int)
{
    const bool ohneDatei = !eigeneNetzdatei();
    if (ohneDatei && (sicherungsOptionen & sicherungBit::WirdGeschrieben))
        return;
    netzInDateiSpeichern(ohneDatei ? 1 : 0);
}

void guiSpeichernUnterBefehl(Fenster, int) { netzInDateiSpeichern(1); }

// "Datei schliessen": the network goes, the program is as after its start; the user may
// save it first, or cancel and keep it
void dateiSchliessenBefehl(Fenster, int) { netzSchliessen(SpeichernAngebot::Fragen); }

void stromreizeZuruecksetzenBefehl(Fenster f, int)
{
    stromreizeZuruecksetzen(nullptr);
    if (f)
        ungueltigMachen(f);
}

void dendritBefehl(Fenster, int befehl)
{
    // 40094..40097 are the dendrite modes 1..4
    dendritenModusSetzen(befehl - befehlKeinDendrit + 1);
}

// ---- the diagram windows --------------------------------------------------------------

// every open diagram window with its place and size, for "aus Liste" and the network file
void fensterInListeSpeichern()
{
    fensterliste.fill(FensterlistenEintrag{});
    size_t i = 0;
    for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron)
        for (DiagrammDaten* d = &n->hauptDiagramm; d; d = d->naechstes) {
            if (!d->fenster || !d->offen || i + 1 >= fensterliste.size())
                continue;          // the last entry stays empty: it ends the list
            const Rechteck r = fensterRechteck(d->fenster);
            fensterliste[i++] = {n->nummer, d->nummer, r.links, r.oben, r.breite(), r.hoehe()};
        }
}

void fensterBefehl(Fenster, int befehl)
{
    struct Paar { int befehl, muster, modus; };
    static constexpr Paar paare[] = {
        {befehlDiagrammeAlle, 2, 1},             // show all and tile
        {befehlDiagrammeMarkierte, 2, 4},        // the marked neurons' only
        {befehlDiagrammAnLetzterPosition, 6, 5}, // the first marked at its stored place
        {befehlDiagrammeGeoeffnete, 5, 2},       // the open ones at their places
        {befehlGeoeffneteGleichgross, 2, 2},     // the open ones tiled
        {befehlDiagrammeAusListe, 5, 3},         // the stored list at its places
        {befehlAusListeGleichgross, 2, 3},       // the stored list tiled
        {befehlDiagrammeSchliessen, 5, 6},       // all closed
    };
    if (befehl == befehlFensterInListeSpeichern) {
        fensterInListeSpeichern();
        return;
    }
    for (const Paar& p : paare)
        if (p.befehl == befehl)
            diagrammeVerwalten(p.muster, p.modus);
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

// the neuron parameter dialogs
void neuronDialogBefehl(Fenster f, int befehl)
{
    letzterDialog = befehl;
    switch (befehl) {
    case befehlPhysiologie:
    case befehlPhysiologieKontext: physiologieBefehl(f, befehl); break;
    case befehlMorphologie:
    case befehlMorphologieKontext: morphologieDialogOeffnen(f); break;
    case befehlRauschen: rauschenBefehl(f); break;
    case befehlVoltageClamp: voltageClampBefehl(f); break;
    case befehlPotentialbegrenzung:
    case befehlPotentialbegrenzungKontext: potentialbegrenzungBefehl(f); break;
    }
}

// ---- the recorded curves, neuron name and Izhikevich types dialogs ---------------------

// unless cancelled, the chosen curves are recorded by a run at once
void kurvenDialogBefehl(Fenster f, int befehl)
{
    if (markierteNeurone.anzahl() == 0 || laufAktiv())
        return;
    letzterDialog = befehl;
    if (darzustellendeKurvenDialogOeffnen(f) == 2)
        return;
    einstellungenAktualisieren(nullptr, 0);
    if (f) {
        ungueltigMachen(f);
        neuZeichnen(f);
    }
    simulationAusDialogStarten();
}

void neuronNameBefehl(Fenster f, int befehl)
{
    letzterDialog = befehl;
    neuronNameDialogOeffnen(f);
    if (f) {
        ungueltigMachen(f);
        neuZeichnen(f);
    }
}

// Context items 45000 + i edit and 45500 + i delete synapse i under the cursor; F9 (40133)
// edits each of them in turn until one is cancelled.
void synapseUnterCursorBefehl(Fenster f, int befehl)
{
    const std::vector<SynapseDaten*> liste =
        befehl == befehlSynapseAendern ? synapsenUnterMauszeiger() : synapsenUnterCursor();
    if (befehl == befehlSynapseAendern) {
        synapsenSerieLaeuft = 1;
        for (SynapseDaten* s : liste) {
            gewaehlteSynapse = s;
            if (synapseBearbeitenDialogOeffnen(f) == 2)
                break;
        }
        synapsenSerieLaeuft = 0;
    } else {
        const bool loeschen = befehl >= befehlSynapseLoeschenErste;
        const size_t i = static_cast<size_t>(befehl - (loeschen ? befehlSynapseLoeschenErste : befehlSynapseBearbeitenErste));
        if (i >= liste.size())
            return;
        gewaehlteSynapse = liste[i];
        if (loeschen) {
            letzterDialog = befehl;
            aktuelleSynapse = liste[i];
            synapseLoeschenDialogOeffnen(fensterhandles.hauptfenster);
        } else {
            synapseBearbeitenDialogOeffnen(vordergrundFenster());
        }
    }
    if (f) {
        ungueltigMachen(f);
        neuZeichnen(f);
    }
}

// Context items 41080 + i: an axo-axonic synapse from the marked neuron onto synapse i under
// the cursor, then the edit dialog for it
void axoSynapseBefehl(Fenster f, int befehl)
{
    const std::vector<SynapseDaten*> liste = synapsenUnterCursor();
    const size_t i = static_cast<size_t>(befehl - befehlAxoSynapseErste);
    if (!(programmStatus & programmBit::AxoAxonisch) || markierteNeurone.anzahl() != 1 || i >= liste.size())
        return;
    if (SynapseDaten* s = axoSynapseErzeugen(*markierteNeurone.erstes(), *liste[i])) {
        gewaehlteSynapse = s;
        synapseBearbeitenDialogOeffnen(vordergrundFenster());
    }
    if (f) {
        ungueltigMachen(f);
        neuZeichnen(f);
    }
}

void izhikevichBefehl(Fenster f, int befehl)
{
    letzterDialog = befehl;
    izhikevichDialogOeffnen(f, markierteNeurone.erstes());
}

// the dynamics dialogs of the current synapse; nothing without one
void synapsenDynamikBefehl(Fenster f, int befehl)
{
    SynapseDaten* s = aktuelleSynapse;
    if (!s)
        return;
    letzterDialog = befehl;
    if (befehl == befehlTransmitterdynamik)
        transmitterdynamikDialogOeffnen(f, s);
    else if (befehl == befehlPspForm)
        pspFormDialogOeffnen(f, s);
    else
        fazilitationDepressionDialogOeffnen(f, s);
}

// ---- the synapse dialogs ----------------------------------------------------------------

void synapsenDialogBefehl(Fenster f, int befehl)
{
    switch (befehl) {
    case befehlSynapseNeu:
    case befehlSynapseNeuKontext:
        letzterDialog = befehlSynapseNeu;
        synapseNeuDialogOeffnen(vordergrundFenster());
        break;
    case befehlSynapsentypen:
        letzterDialog = befehlSynapsentypen;
        synapsenTypenDialogOeffnen(vordergrundFenster());
        break;
    }
    if (f) {
        ungueltigMachen(f);
        neuZeichnen(f);
    }
}

// ---- the SWIM channel dialogs ------------------------------------------------------------

// 219 and 40271 replace or free channel records the running engine steps through: their
// items wait for the run's end
void swimKanalBefehl(Fenster f, int befehl)
{
    letzterDialog = befehl;
    if (befehl == befehlStandardKanaele)
        swimStdKanalBefehl(f);
    else if (befehl == befehlKCaKanal)
        caKanalBefehl(f);
    else
        kanalEigenschaftenBefehl(f);
}
bool kCaKanalWaehlbar()
{
    return !laufAktiv() &&
           (markierteNeurone.anzahl() == 1 || (markierteNeurone.anzahl() == 0 && neuronKette.anzahl == 1));
}

// ---- printing ---------------------------------------------------------------------------

// the network picture on the chosen printer, else on the standard printer
void netzDruckenBefehl(Fenster f, int)
{
    if (druckAuftrag.druckerName.empty()) {
        if (::standardDrucker.empty()) {
            piepen(1000, 100);
            hinweisBox(meldungsTexte[440]);
            return;
        }
        druckerNameSetzen(druckAuftrag, ::standardDrucker.c_str());
    }
    fensterDrucken(f, seiteNetzfenster, druckAuftrag, dateipfade.netzName);
}

void seiteEinrichtenBefehl(Fenster f, int) { seiteEinrichtenOeffnen(f, seiteNetzfenster); }

// Item 50000 + i chooses the list's printer i: the name as listed, not the menu's text,
// where an '&' would be a mnemonic.
void druckerWaehlenBefehl(Fenster f, int befehl)
{
    const int i = befehl - befehlDruckerErste;
    if (i < 0 || i >= druckAuftrag.druckerAnzahl || i >= static_cast<int>(druckAuftrag.druckerListe.size()))
        return;
    druckerNameSetzen(druckAuftrag, druckAuftrag.druckerListe[static_cast<size_t>(i)].c_str());
    if (f)
        ungueltigMachen(f);
}

// ---- the server's commands ----------------------------------------------------------------

// the neuron under the last right-click, else the only marked one
void serverNeuronBefehl(Fenster, int befehl)
{
    NeuronDaten* n = objektAnPunktSuchen(letzterKlickpunkt);
    if (!n && markierteNeurone.anzahl() == 1)
        n = markierteNeurone.erstes();
    serverNeuronBefehl(befehl, n);
}

void bruteForceBefehl(Fenster, int) { hinweisBox(meldungsTexte[1240]); }

void serverStartenBefehl(Fenster f, int) { serverStartBefehl(f); }

// 40224 stops as 290 does while a server runs; 40225 repaints the server window
void serverBeendenBefehl(Fenster f, int)
{
    if (serverThreadLaeuft())
        serverStartBefehl(f);
}

void serverFensterNeuZeichnenBefehl(Fenster, int)
{
    if (serverFenster.fenster) {
        ungueltigMachen(serverFenster.fenster);
        neuZeichnen(serverFenster.fenster);
    }
}

// ---- when an item may be chosen --------------------------------------------------------

bool immer() { return true; }
bool mitNetz() { return neuronKette.anzahl > 0; }
bool mitMarkierten() { return markierteNeurone.anzahl() > 0; }
bool mitEinemMarkierten() { return markierteNeurone.anzahl() == 1; }
bool imLauf() { return laufAktiv(); }
bool ohneLauf() { return !laufAktiv(); }
bool mitSkript() { return (skriptStatus & skriptBit::Geladen) != 0; }
bool mitSpikes() { return !laufAktiv() && !spikeAufzeichnung.ereignisse.empty(); }

// ---- spike times and the ASCII export: 277 opens the spike-time choice for rating ----
void exportDialogBefehl(Fenster f, int befehl)
{
    letzterDialog = befehl;
    if (befehl == befehlExportparameter)
        asciiExportDialogOeffnen(f);
    else
        spikeZeitenDialogOeffnen(f, befehl);
}

struct BefehlsEintrag {
    int befehl;
    void (*behandeln)(Fenster f, int befehl);
    bool (*verfuegbar)();                 // the item is enabled and the command carried out
    int (*hinweis)() = nullptr;           // while not: the notice that says why, 0 for none
};

// A run steps through the records these commands replace: a key that reaches them in a run
// learns so. The result commands say what holds them back.
int imLaufHinweis() { return laufAktiv() ? 881 : 0; }
// F12 replays the stimulus dialogs after the neurons they edit may be gone: say why none opens
int ohneNeuronHinweis() { return 518; }
int ohneMarkierteHinweis() { return 519; }
int ergebnisHinweis()
{
    if (!imPermutationsmodus())
        return 0;
    if (laufAktiv())
        return 881;
    return (modusStatus & modusBit::DateiOperation) ? 1273 : 0;
}

const BefehlsEintrag befehlsTabelle[] = {
    {befehlSimulationStarten, simulationStartenBefehl, ohneLauf},
    {befehlSimulationAbbrechen, simulationAbbrechenBefehl, imLauf},
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
    {befehlStrominjektion, stromreizDialogBefehl, mitNetz, ohneNeuronHinweis},
    {befehlStromReiz, stromreizDialogBefehl, mitMarkierten, ohneMarkierteHinweis},
    {befehlStromreizKennzeichnung, stromreizDialogBefehl, mitMarkierten, ohneMarkierteHinweis},
    {befehlDarzustellendeKurven, kurvenDialogBefehl, mitMarkierten},
    {befehlNeuronName, neuronNameBefehl, mitMarkierten},
    {befehlNeuronNameKontext, neuronNameBefehl, mitMarkierten},
    {befehlIzhikevichKontext, izhikevichBefehl, mitMarkierten},
    {befehlDefinitionExportieren, [](Fenster, int) { netzwerkDefinitionSpeichern(); }, mitMarkierten},
    {befehlTransmitterdynamik, synapsenDynamikBefehl, immer},
    {befehlPspForm, synapsenDynamikBefehl, immer},
    {befehlFazilitation, synapsenDynamikBefehl, immer},
    {befehlSynapseNeu, synapsenDialogBefehl, immer},
    {befehlSynapseNeuKontext, synapsenDialogBefehl, immer},
    {befehlSynapsentypen, synapsenDialogBefehl, immer},
    {befehlSynapseAendern, synapseUnterCursorBefehl, immer},
    {befehlNeuronNeu, [](Fenster, int) { neuronErzeugen(0); }, immer},
    {befehlNeuroneKopieren, [](Fenster, int) { neuroneKopieren(); }, mitMarkierten},
    {befehlDefinitionImportieren, [](Fenster, int) { netzwerkDefinitionLesen(); }, immer},
    {befehlGuiDateiSpeichern, guiSpeichernBefehl, mitNetz},
    {befehlGuiDateiSpeichernUnter, guiSpeichernUnterBefehl, mitNetz},
    {befehlDatDateiSpeichernUnter, [](Fenster, int) { datDateiSpeichern(datHeader); }, mitNetz},
    {befehlSimDateiSpeichern, [](Fenster, int) { simDateiSpeichern(); }, mitNetz},
    {befehlSimDateiSpeichernUnter, [](Fenster, int) { simDateiSpeichern(); }, mitNetz},
    {befehlDateiSchliessen, dateiSchliessenBefehl, mitNetz},
    {befehlEinstellungenLaden, einstellungenLadenBefehl, immer},
    {befehlEinstellungenSpeichernUnter, einstellungenSpeichernUnterBefehl, immer},
    {befehlStromreizeZuruecksetzen, stromreizeZuruecksetzenBefehl, mitNetz},
    {befehlNeuroneLoeschen, [](Fenster, int) { neuronLoeschen(nullptr, 0); }, mitMarkierten},
    {befehlApsAbspielen, [](Fenster f, int) { spikeWiedergabeStarten(f); }, mitSpikes},
    {befehlDateitypRegistrieren, [](Fenster, int) { dateitypRegistrierenBefehl(); }, immer},
    {befehlBackupVorSimulation, schalterBefehl, immer},
    {befehlStrgMNurMinimieren, schalterBefehl, immer},
    {befehlSkriptMeldungen, schalterBefehl, immer},
    {befehlSkriptLaden, skriptLadenBefehl, immer},
    {befehlSkriptSchliessen, skriptSchliessenBefehl, immer},
    {befehlAuswertemodus, [](Fenster, int) { auswertungsModusStarten(auswertungsdaten); }, immer},
    {befehlSkriptStarten, skriptAusfuehrenBefehl, mitSkript},
    {befehlSkriptTesten, skriptAusfuehrenBefehl, mitSkript},
    {befehlSkriptNeuLadenUndStarten, skriptAusfuehrenBefehl, mitSkript},
    {befehlSkriptInteraktiv, skriptInteraktivBefehl, mitSkript},
    {befehlDiagrammeAlle, fensterBefehl, mitNetz},
    {befehlDiagrammeMarkierte, fensterBefehl, mitMarkierten},
    {befehlDiagrammAnLetzterPosition, fensterBefehl, mitMarkierten},
    {befehlDiagrammeGeoeffnete, fensterBefehl, mitNetz},
    {befehlGeoeffneteGleichgross, fensterBefehl, mitNetz},
    {befehlDiagrammeAusListe, fensterBefehl, mitNetz},
    {befehlAusListeGleichgross, fensterBefehl, mitNetz},
    {befehlFensterInListeSpeichern, fensterBefehl, mitNetz},
    {befehlDiagrammeSchliessen, fensterBefehl, mitNetz},
    {befehlPhysiologie, neuronDialogBefehl, mitMarkierten},
    {befehlPhysiologieKontext, neuronDialogBefehl, mitMarkierten},
    {befehlMorphologie, neuronDialogBefehl, immer},
    {befehlMorphologieKontext, neuronDialogBefehl, immer},
    {befehlRauschen, neuronDialogBefehl, immer},
    {befehlVoltageClamp, neuronDialogBefehl, mitEinemMarkierten},
    {befehlPotentialbegrenzung, neuronDialogBefehl, mitMarkierten},
    {befehlPotentialbegrenzungKontext, neuronDialogBefehl, mitMarkierten},
    // the permutation mode and its definition
    {befehlPermutationsmodusEinschalten, permutationsBefehl, ausserhalbPermutationsmodus},
    {befehlPmtModusBeenden, permutationsBefehl, imPermutationsmodus},
    {befehlPmtDefinieren, permutationsBefehl, imPermutationsmodus},
    {befehlPmtDefinitionAbbrechen, permutationsBefehl, inInteraktiverDefinition},
    {befehlPmtDefinitionLaden, permutationsBefehl, imPermutationsmodus},
    {befehlPmtDefinitionSpeichern, permutationsBefehl, mitPermutationsdefinition},
    {befehlPmtAnalyseKriterien, permutationsBefehl, imPermutationsmodus},
    {befehlPmtStarten, permutationsBefehl, mitPermutationsdefinition},
    {befehlPmtErneutStarten, permutationsBefehl, mitPermutationsdefinition},
    {befehlPmtPartiell, permutationsBefehl, mitPermutationsdefinition},
    {befehlPmtFreieReihenfolge, permutationsBefehl, mitPermutationsdefinition},
    {befehlPmtAnhalten, permutationsBefehl, inPermutationsserie},
    {befehlPmtAbbrechen, permutationsBefehl, inPermutationsserie},
    {befehlPmtErgebnisGroesse, permutationsBefehl, imPermutationsmodus},
    // the loaded results
    {befehlPmtErgebnisseLaden, ergebnisBefehl, ergebnisseLadbar, ergebnisHinweis},
    {befehlPmtErgebnisseUnsortiertLaden, ergebnisBefehl, ergebnisseLadbar, ergebnisHinweis},
    {befehlPmtIndexPartiellLesen, ergebnisBefehl, ergebnisseLadbar, ergebnisHinweis},
    {befehlPmtIndexAusBinDateien, ergebnisBefehl, ergebnisseLadbar, ergebnisHinweis},
    {befehlPmtErgebnisdateienSchliessen, ergebnisBefehl, ergebnisseLadbar, ergebnisHinweis},
    {befehlPmtIndexSpeichernUnter, ergebnisBefehl, mitErgebnisIndex, ergebnisHinweis},
    {befehlPmtIndexPartiellSpeichern, ergebnisBefehl, mitErgebnisIndex, ergebnisHinweis},
    {befehlPmtSortGuete, ergebnisBefehl, mitErgebnisIndex, ergebnisHinweis},
    {befehlPmtSortNummer, ergebnisBefehl, mitErgebnisIndex, ergebnisHinweis},
    {befehlPmtSortGueteAbsteigend, ergebnisBefehl, mitErgebnisIndex, ergebnisHinweis},
    {befehlPmtDublettenSuchen, ergebnisBefehl, mitErgebnisIndex, ergebnisHinweis},
    {befehlPmtLevelHaeufigkeit, ergebnisBefehl, mitErgebnisIndex, ergebnisHinweis},
    {befehlPmtAusgabe, ergebnisBefehl, mitErgebnisIndex, ergebnisHinweis},
    {befehlPmtErgebnisAnzahl, ergebnisBefehl, mitErgebnisIndex, ergebnisHinweis},
    {befehlPmtNeuBewerten, ergebnisBefehl, ergebnisseLadbar, ergebnisHinweis},
    {befehlPmtBurstBewertung, ergebnisBefehl, ergebnisseLadbar, ergebnisHinweis},
    {befehlPmtNeueBinDatei, ergebnisBefehl, mitErgebnisIndex, ergebnisHinweis},
    // the permutation mode's switches
    {befehlPmtTeilsimulation, schalterBefehl, immer},
    {befehlPmtFensterNachFreier, schalterBefehl, immer},
    {befehlPmtLevelBalken, schalterBefehl, immer},
    {befehlPmtLevelPruefen, schalterBefehl, immer},
    {befehlPmtZeigeNummer, schalterBefehl, immer},
    {befehlPmtZeigeApAnzahl, schalterBefehl, immer},
    {befehlPmtZeigeGuete, schalterBefehl, immer},
    {befehlPmtZeigeFrequenzen, schalterBefehl, immer},
    {befehlPmtZeigePosition, schalterBefehl, immer},
    {befehlPmtFensterEinstellungen, permutationsAnzeigeBefehl, immer},
    {befehlPmtErgebnisseDarstellen, permutationsAnzeigeBefehl, imPermutationsmodus},
    {befehlNetzwerkDrucken, netzDruckenBefehl, ohneLauf},
    {befehlSeiteEinrichten, seiteEinrichtenBefehl, immer},
    {befehlDruckerSuchen, [](Fenster f, int) { druckerSucheStarten(f); }, immer},
    // the server's
    {befehlServerStarten, serverStartenBefehl, immer},
    {befehlServerBeenden, serverBeendenBefehl, immer},
    {befehlServerFensterNeuZeichnen, serverFensterNeuZeichnenBefehl, immer},
    {befehlServerAnzeigeNeuron, serverNeuronBefehl, immer},
    {befehlServerEingangsNeuron, serverNeuronBefehl, immer},
    {befehlServerAusgangsNeuron, serverNeuronBefehl, immer},
    {befehlServerBruteForce, bruteForceBefehl, immer},
    {befehlServerBruteForceAnzahl, bruteForceBefehl, immer},
    {befehlServerNummerSetzen, bruteForceBefehl, immer},
    {befehlExportparameter, exportDialogBefehl, immer},
    {befehlSpikeZeitenKontext, exportDialogBefehl, immer},
    {befehlSpikefolgeBewerten, exportDialogBefehl, immer},
    {befehlSpikefolgeParameter, [](Fenster f, int) { spikefolgenParameterDialog(f, nullptr); }, immer},
    {befehlStandardKanaele, swimKanalBefehl, mitMarkierten},
    {befehlKCaKanal, swimKanalBefehl, kCaKanalWaehlbar, imLaufHinweis},
    {befehlBenutzerKanaele, swimKanalBefehl, [] { return mitMarkierten() && !laufAktiv(); }, imLaufHinweis},
    // the WAV import's settings
    {befehlWavImportEinstellungen, [](Fenster f, int befehl) { letzterDialog = befehl; wavImportDialogOeffnen(f); },
     immer},
};

constexpr BefehlsEintrag druckerWahl{befehlDruckerErste, druckerWaehlenBefehl, immer};
constexpr BefehlsEintrag synapseUnterCursor{befehlSynapseBearbeitenErste, synapseUnterCursorBefehl, immer};
constexpr BefehlsEintrag axoSynapse{befehlAxoSynapseErste, axoSynapseBefehl, immer};

// ---- synapse groups: the commands and id ranges of the context menu and the popups ----
void gruppenBefehl(Fenster f, int befehl)
{
    if (befehl == befehlGruppeBearbeiten || befehl == befehlAlleSynapsenBearbeiten ||
        (befehl >= befehlGruppenMitgliedErste && befehl <= befehlGruppenMitgliedLetzte))
        letzterDialog = befehlGruppeBearbeiten;
    synapsengruppenBefehl(f, befehl);
}
constexpr BefehlsEintrag gruppenEintrag{befehlGruppeNeu, gruppenBefehl, immer};

const BefehlsEintrag* eintrag(int befehl)
{
    if (befehl >= befehlDruckerErste && befehl <= befehlDruckerLetzte)
        return &druckerWahl;
    if (istGruppenBefehl(befehl))
        return &gruppenEintrag;
    if (befehl >= befehlSynapseBearbeitenErste && befehl <= befehlSynapseLoeschenLetzte)
        return &synapseUnterCursor;
    if (befehl >= befehlAxoSynapseErste && befehl <= befehlAxoSynapseLetzte)
        return &axoSynapse;
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
    case befehlSynapseNeu: case befehlSynapseNeuKontext: case befehlSynapsentypen: case befehlSynapseAendern:
    case befehlKeinDendrit: case befehlDendritEinSegment: case befehlDendritDreiSegmente:
    case befehlDendritNSegmente: case befehlSimulationseinstellungen:
    case befehlDarzustellendeKurven: case befehlStromreizeZuruecksetzen: case befehlStrominjektion:
    // windows made or closed take the curve buffers a run writes into
    case befehlDiagrammeAlle: case befehlDiagrammeMarkierte: case befehlDiagrammeAusListe:
    case befehlAusListeGleichgross: case befehlDiagrammeSchliessen:
    case befehlPermutationsmodusEinschalten: case befehlPmtModusBeenden:
    case befehlPmtStarten: case befehlPmtErneutStarten: case befehlPmtPartiell: case befehlPmtFreieReihenfolge:
    // the display makes its own neuron; a loaded definition closes it and frees its results
    case befehlPmtErgebnisseDarstellen: case befehlPmtDefinitionLaden:
    case befehlSkriptLaden: case befehlSkriptSchliessen: case befehlSkriptStarten:
    case befehlSkriptNeuLadenUndStarten: case befehlSkriptInteraktiv: case befehlSkriptTesten:
    case befehlAuswertemodus: case befehlServerStarten:
    // dialog 306 can delete a group's synapses
    case befehlGruppeBearbeiten: case befehlAlleSynapsenBearbeiten:
        return true;
    }
    // editing a synapse re-creates it, deleting frees it, an axo-axonic one joins the lists
    return zwischen(befehl, befehlSynapseBearbeitenErste, befehlSynapseLoeschenLetzte) ||
           zwischen(befehl, befehlAxoSynapseErste, befehlAxoSynapseLetzte) ||
           zwischen(befehl, befehlGruppeAufloesenErste, befehlGruppeAufloesenLetzte) ||
           zwischen(befehl, befehlGruppenMitgliedErste, befehlGruppenMitgliedLetzte);
}

} // namespace

namespace {

// While a server runs its thread owns the network: only what reads no record the thread
// writes passes, besides the server's own commands and the ways to stop or end.
bool imServerLaufErlaubt(int befehl)
{
    switch (befehl) {
    case befehlProgrammBeenden: case befehlSimulationAbbrechen:
    case befehlTextfensterAnzeigen: case befehlTextfensterEinblenden:
    case befehlSeiteEinrichten: case befehlDruckerSuchen:
        return true;
    }
    return serverBefehlImLauf(befehl) || zwischen(befehl, befehlDruckerErste, befehlDruckerLetzte);
}

} // namespace

bool imLaufGesperrt(int befehl)
{
    if (!laufAktiv())
        return false;
    if (serverLaufAktiv && !imServerLaufErlaubt(befehl))
        return true;
    return aendertNetz(befehl) && !(serverLaufAktiv && serverBefehlImLauf(befehl));
}

bool befehlVerfuegbar(int befehl)
{
    const BefehlsEintrag* e = eintrag(befehl);
    return e && e->verfuegbar() && !imLaufGesperrt(befehl);
}

int befehlHaken(int befehl)
{
    const auto an = [](bool b) { return b ? 1 : 0; };
    if (befehl >= befehlKeinDendrit && befehl <= befehlDendritNSegmente)
        return an(simulationsParameter.netzwerktyp == befehl - befehlKeinDendrit + 1);
    if (const int bit = zahlenBit(befehl))
        return an(permutationsFenster.zahlenMaske & bit);
    switch (befehl) {
    case befehlErgebnisExportieren: return an(programmStatus & programmBit::WerteExportieren);
    case befehlSomapotentialSpeichern: return an(programmStatus & programmBit::SomaDateiSchreiben);
    case befehlHauptfensterMinimieren: return an(programmStatus & programmBit::NachLaufMinimieren);
    case befehlSpikesZaehlen: return an(programmStatus & programmBit::SpikesZaehlen);
    case befehlApsAufzeichnen: return an(spikeAufzeichnung.aufzeichnen);
    case befehlDialogeKomplett: return an(dialogEinstellungen.dialogeKomplett);
    case befehlTextfensterAnzeigen: return an(protokoll.sichtbar);
    case befehlTextfensterEinblenden: return an(protokoll.eingebettet);
    case befehlSpracheDeutsch: return an(sprache != spracheEnglisch);
    case befehlSpracheEnglisch: return an(sprache == spracheEnglisch);
    case befehlBackupVorSimulation: return an(sicherungsOptionen & sicherungBit::An);
    case befehlStrgMNurMinimieren: return an(diagrammOptionen.strgMMinimieren);
    case befehlSkriptMeldungen: return an(skriptMeldungenAnzeigen);
    case befehlPmtTeilsimulation: return an(modusStatus & modusBit::Teilsimulation);
    case befehlPmtFensterNachFreier: return an(modusStatus & modusBit::ErgebnisseNachFreier);
    case befehlPmtLevelBalken: return an(permutationsFenster.levelBalkenAnzeigen);
    case befehlPmtLevelPruefen: return an(permutationsFenster.levelPruefen);
    }
    return -1;
}

void hauptfensterBefehl(Fenster f, int befehl)
{
    if (programmEndet())
        return;
    if (imLaufGesperrt(befehl)) {
        hinweisBox(meldungsTexte[881]);
        return;
    }
    // what greys the item refuses the command, from wherever it came
    const BefehlsEintrag* e = eintrag(befehl);
    if (!e)
        return;
    if (!e->verfuegbar()) {
        if (const int n = e->hinweis ? e->hinweis() : 0)
            hinweisBox(meldungsTexte[n]);
        return;
    }
    e->behandeln(f, befehl);
}
