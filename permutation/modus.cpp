// permutation/modus.cpp - the two modes of the main window and the commands of the
// permutation mode's menu that make, load and save a definition
//
// The evaluation flags and export masks the mode clears are stored with the network, the
// export and soma-file switches with the settings, so the mode keeps the user's values (the
// neurons' by number, for the network they came from) and gives them back when it is left,
// as it gives back the conductances of a free permutation: files saved in or after the mode
// hold the user's choices, not the mode's.
#include "permutation/modus.h"
#include "core/endemeldung.h"
#include "core/rahmen.h"
#include "core/status.h"
#include "files/analysewaechter.h"
#include "model/export.h"
#include "model/laufstart.h"
#include "model/netz.h"
#include "model/permutation.h"
#include "permutation/definition.h"
#include "permutation/ergebnisse.h"
#include "permutation/lauf.h"
#include "platform/box.h"
#include "platform/menue.h"
#include "resources/befehle.h"
#include "texts/texte.h"

using namespace plattform;

namespace {

int frage(int text, uint32_t knoepfeArt = knoepfe::JaNeinAbbrechen)
{
    return meldungsBox(fensterhandles.hauptfenster, meldungsTexte[text], "SysInfo", knoepfeArt | symbol::Frage);
}

// a failure of the mode's start is said in the fatal form; its Cancel ends the program
// through the regular end, with the offers to save
void fatal(const std::string& text)
{
    endeMelden(EndeForm::InfoAbbrechen, text);
}

// What entering the mode cleared, given back when it is left however: the neurons'
// switches only into the network they came from, the program's whatever network is open.
AnalyseWaechter modusWaechter;

void schalterSichern()
{
    Permutationsmodus& m = permutationsmodus;
    modusWaechter.beginnen();
    m.schalter.clear();
    m.schalterNetz = netzKennung;
    for (const NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron) {
        const NeuronSchalterSicherung s{n->nummer, n->exportMaske, n->spikezeitenSpeichern};
        m.schalter.push_back(s);
        modusWaechter.behalten({permutationsFeld::NeuronSchalter, s.nummer, 0, 0}, [s] {
            if (NeuronDaten* x = neuronNachNummer(s.nummer)) {
                x->exportMaske = s.exportMaske;
                x->spikezeitenSpeichern = s.spikezeitenSpeichern;
            }
        });
    }
    const uint32_t programm = programmStatus & permutationsProgrammSchalter;
    m.programmSchalter = programm;
    m.programmSchalterBeiseite = true;
    modusWaechter.behalten(
        {permutationsFeld::ProgrammSchalter, 0, 0, 0},
        [programm] { programmStatus = (programmStatus & ~permutationsProgrammSchalter) | programm; }, false);
}

void schalterVergessen()
{
    Permutationsmodus& m = permutationsmodus;
    m.schalter.clear();
    m.schalterNetz = 0;
    m.programmSchalterBeiseite = false;
    m.programmSchalter = 0;
}

// the neurons' switches and the program's, as the user had them before the mode
void schalterZurueckgeben()
{
    modusWaechter.zurueckgeben();
    schalterVergessen();
}

void einzelErgebnisFreigeben() { permutationsErgebnisse.einzel = PermutationsErgebnis{}; }

// What the mode leaves behind goes with it, however it is left: its single result, the free
// permutation's conductances, the user's switches, and the last series' number and time in
// the status bar, which would otherwise stand beside "Simulationsmodus" as if they were the
// simulation's.
void verlassen()
{
    einzelErgebnisFreigeben();
    freieLevelZurueckgeben();
    schalterZurueckgeben();
    statusTeilSetzen(1, "");
    statusTeilSetzen(2, "");
}

// the menu command that switches the permutation mode on
void einschaltenBefehl(Fenster f)
{
    if (modusStatus & modusBit::Permutationsmodus)
        return;
    modusStatus |= modusBit::Permutationsmodus;
    if (!permutationsmodusEinschalten()) {
        schalterZurueckgeben();
        modusStatus &= ~modusBit::Permutationsmodus;
        fatal(meldungsTexte[717]);
        return;
    }
    // without varied synapses there is nothing to run yet: a definition is asked for
    if (permutationsDefinition.synapsen.empty()) {
        if (f)
            senden(f, nachricht::Befehl, machWParam(befehlPmtDefinitionLaden, 0));
        else
            permutationsBefehl(f, befehlPmtDefinitionLaden);
    }
}

// the menu command that saves the definition
bool definitionSpeichernBefehl()
{
    if (!(modusStatus & modusBit::DefinitionDa))
        return false;
    if (!permutationsdefinitionSpeichern(0))
        return false;
    modusStatus &= ~modusBit::DefinitionUngespeichert;
    return true;
}

// 4: a running result-file operation is only told to stop
void beendenBefehl()
{
    if (modusStatus & modusBit::DateiOperation) {
        modusStatus &= ~modusBit::DateiOperation;
        return;
    }
    if (!(modusStatus & modusBit::Permutationsmodus) || !permutationsdefinitionSpeichernAnbieten())
        return;
    simulationsmodusEinschalten();
    modusStatus &= ~(modusBit::Permutationsmodus | modusBit::DefinitionUngespeichert);
}

// 540 before a definition is replaced: only Yes goes on
bool ueberschreibenErlaubt()
{
    return !(modusStatus & modusBit::DefinitionDa) || frage(540) == antwort::Ja;
}

// the menu command that opens the definition dialog
void definierenBefehl()
{
    if (!ueberschreibenErlaubt())
        return;
    Menue menue = modusMenueLaden(Modusmenue::Definition);
    if (!menue) {
        hinweisBox(meldungsTexte[718]);
        return;
    }
    hauptfensterMenueZeigen(menue);
    modusStatus |= modusBit::InteraktiveDefinition;
    permutationDefinieren();
    modusStatus &= ~modusBit::InteraktiveDefinition;
    // after a shutdown meanwhile the bar is the main menu's already
    if (!programmEndet() && !permutationsMenueZeigen())
        hauptfensterMenueZeigen(nullptr);
    menueZerstoeren(menue);
}

// the menu command that loads a definition
void ladenBefehl()
{
    if (!ueberschreibenErlaubt())
        return;
    permutationDatenFreigeben();
    if (permutationsdefinitionLesen(0, nullptr, nullptr) > 0)
        modusStatus = (modusStatus | modusBit::DefinitionDa) & ~modusBit::DefinitionUngespeichert;
}

} // namespace

namespace {

// The export and the soma file's pair (read and write go together) are off in the mode, in
// each network it holds: the user's values of a network are set aside the first time.
void schalterAusschalten()
{
    if (!modusWaechter.imselbenNetz())
        schalterSichern();
    for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron) {
        n->spikezeitenSpeichern = 0;
        n->exportMaske = 0;
    }
    if (NeuronDaten* n = auswerteNeuron())
        n->spikezeitenSpeichern = 1;
    exportPufferFreigeben();
    programmStatus &= ~permutationsProgrammSchalter;
}

} // namespace

void permutationsmodusNetzUebernehmen()
{
    if (imPermutationsmodus())
        schalterAusschalten();
}

int permutationsmodusEinschalten()
{
    schalterAusschalten();
    if (!permutationsMenueZeigen()) {
        fatal(meldungsTexte[90]);
        return 0;
    }
    statusTeilSetzen(0, "\t" + meldungsTexte[71]);
    return 1;
}

int simulationsmodusEinschalten()
{
    simulationsMenueZeigen();
    verlassen();
    teilsimulationsModus = 0;
    statusTeilSetzen(0, meldungsTexte[1625]);
    return 1;
}

void permutationsmodusVerlassen() { verlassen(); }

void permutationsmodusVerwerfen()
{
    modusWaechter.verwerfen();
    schalterVergessen();
    freieLevelVerwerfen();
}

bool permutationsdefinitionSpeichernAnbieten(bool abbrechbar)
{
    const uint32_t ungespeichert = modusBit::DefinitionDa | modusBit::DefinitionUngespeichert;
    if (!(modusStatus & modusBit::Permutationsmodus) || (modusStatus & ungespeichert) != ungespeichert)
        return true;
    const int antwort = frage(542, abbrechbar ? knoepfe::JaNeinAbbrechen : knoepfe::JaNein);
    if (antwort == antwort::Abbrechen)
        return false;
    // a save that is cancelled or fails keeps the mode with the definition unsaved
    return antwort != antwort::Ja || definitionSpeichernBefehl();
}

void permutationsBefehl(Fenster f, int befehl)
{
    switch (befehl) {
    case befehlPermutationsmodusEinschalten: einschaltenBefehl(f); break;
    case befehlPmtModusBeenden: beendenBefehl(); break;
    case befehlPmtDefinieren:
        if (imPermutationsmodus())
            definierenBefehl();
        break;
    case befehlPmtDefinitionAbbrechen: modusStatus &= ~modusBit::InteraktiveDefinition; break;
    case befehlPmtDefinitionLaden:
        if (imPermutationsmodus())
            ladenBefehl();
        break;
    case befehlPmtDefinitionSpeichern: definitionSpeichernBefehl(); break;
    case befehlPmtAnalyseKriterien: analyseParameterDialogOeffnen(); break;
    default: serienBefehl(f, befehl); break;
    }
}

bool ausserhalbPermutationsmodus() { return !(modusStatus & modusBit::Permutationsmodus); }
bool imPermutationsmodus() { return (modusStatus & modusBit::Permutationsmodus) != 0; }
bool mitPermutationsdefinition() { return imPermutationsmodus() && (modusStatus & modusBit::DefinitionDa); }
bool inInteraktiverDefinition() { return (modusStatus & modusBit::InteraktiveDefinition) != 0; }
bool inPermutationsserie() { return (modusStatus & modusBit::SerieLaeuft) != 0; }
