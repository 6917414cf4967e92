// permutation/definieren.cpp - the interactive definition of a permutation on the network
// window: the level count, the evaluation neuron, and per postsynaptic neuron the
// presynaptic neurons whose synapses onto it are varied, each chosen by a click
//
// The definition is built in a record of its own and replaces the current one only when
// it is finished: a Cancel anywhere leaves the earlier definition as it was. Neurons are
// kept by number between the questions, as the user may delete one while a box shows.
#include "permutation/definition.h"
#include "core/rahmen.h"
#include "core/status.h"
#include "dialogs/eingabe.h"
#include "model/netz.h"
#include "platform/box.h"
#include "platform/steuerelemente.h"
#include "texts/texte.h"
#include <chrono>
#include <thread>

using namespace plattform;

namespace {

void kurzWarten() { std::this_thread::sleep_for(std::chrono::milliseconds(20)); }

int frage(const std::string& text, uint32_t art)
{
    return meldungsBox(fensterhandles.hauptfenster, text, "SysInfo", art | symbol::Frage);
}

void markierungLoeschen()
{
    neuronMarkieren(nullptr, 0);
    if (Fenster f = fensterhandles.hauptfenster) {
        ungueltigMachen(f);
        neuZeichnen(f);
    }
}

void piep() { piepen(1000, 100); }

// the level count, 2 to 20: the input dialog names anything else and stays open. 0 on Cancel.
int levelAnzahlErfragen(int bisher)
{
    eingabeParameter.titel = meldungsTexte[187];
    eingabeParameter.text1 = meldungsTexte[188];
    eingabeParameter.text2.clear();
    eingabeParameter.eingabeBeschriftung = meldungsTexte[190];
    eingabeParameter.eingabeText = std::to_string(bisher);
    eingabeParameter.flags = eingabeFlag::Ganzzahl;
    eingabeParameter.ganzzahlVon = 2;
    eingabeParameter.ganzzahlBis = groessteLevelAnzahl;
    if (eingabeDialogOeffnen() != 1)
        return 0;
    return eingabeParameter.ganzzahl;
}

// A neuron chosen by a click on the network window: the events are passed on one pass
// at a time until a neuron is marked. 0 when command 239 ended the definition meanwhile or
// the program closes.
int neuronPerKlick()
{
    modusStatus |= modusBit::NeuronPerKlick;
    doppelklickAktiv = 0;
    while (markierteNeurone.anzahl() < 1 && (modusStatus & modusBit::InteraktiveDefinition) && !programmEndet()) {
        if (!nachrichtenVerarbeiten())
            break;
        if (markierteNeurone.anzahl() >= 1 || !(modusStatus & modusBit::InteraktiveDefinition))
            break;
        klickWartenPause();
    }
    modusStatus &= ~modusBit::NeuronPerKlick;
    if (!(modusStatus & modusBit::InteraktiveDefinition) || programmEndet())
        return 0;
    const NeuronDaten* n = markierteNeurone.erstes();
    return n ? n->nummer : 0;
}

std::string name(int nummer)
{
    const NeuronDaten* n = neuronNachNummer(nummer);
    return n ? neuronAnzeigename(*n) : std::string();
}

enum class Ausgang { Weiter, Abbruch };

// the presynaptic passes of one postsynaptic neuron
Ausgang praesynaptischeWaehlen(PermutationsDefinition& d, int post)
{
    int genommen = 0;
    for (;;) {
        markierungLoeschen();
        const int antwort = frage(meldungFormatieren(55, name(post)), knoepfe::JaNeinAbbrechen);
        if (antwort == antwort::Abbrechen)
            return Ausgang::Abbruch;
        if (antwort == antwort::Nein) {
            if (genommen > 0)
                return Ausgang::Weiter;
            hinweisBox(meldungFormatieren(397, name(post)));
            continue;
        }
        const int prae = neuronPerKlick();
        if (prae == 0)
            return Ausgang::Abbruch;
        if (frage(meldungFormatieren(56, name(post), name(prae)), knoepfe::JaNein) != antwort::Ja)
            continue;
        const NeuronDaten* quelle = neuronNachNummer(prae);
        const SynapseDaten* s = quelle ? quelle->ausgangsSynapsen : nullptr;
        while (s && s->zielNummer != post)
            s = s->naechsteSynapse;
        if (!s) {
            hinweisBox(meldungsTexte[91]);
            return Ausgang::Abbruch;
        }
        // a synapse varies once; the record holds no more than 20
        bool schonDa = false;
        for (const VariierteSynapse& v : d.synapsen)
            schonDa = schonDa || v.id == s->id;
        if (schonDa) {
            piep();
            continue;
        }
        if (static_cast<int>(d.synapsen.size()) >= groessteSynapsenAnzahl) {
            piep();
            hinweisBox(meldungFormatieren(1254, groessteSynapsenAnzahl));
            continue;
        }
        VariierteSynapse v;
        v.id = s->id;
        v.level.assign(static_cast<size_t>(d.levelAnzahl), 0.0);
        v.level[static_cast<size_t>(d.levelAnzahl / 2)] = s->initialLeitfaehigkeit;
        d.synapsen.push_back(std::move(v));
        ++genommen;
    }
}

} // namespace

void (*klickWartenPause)() = kurzWarten;

int permutationDefinieren()
{
    PermutationsDefinition d = permutationsDefinition;
    d.levelAnzahl = levelAnzahlErfragen(permutationsDefinition.levelAnzahl);
    if (d.levelAnzahl == 0)
        return 0;
    neuronMarkieren(nullptr, 0);
    d.letzteNummer = 0;
    if (frage(meldungsTexte[52], knoepfe::OkAbbrechen) == antwort::Abbrechen)
        return 0;
    d.auswerteNeuron = neuronPerKlick();
    if (d.auswerteNeuron == 0)
        return 0;
    d.postsynaptischeAnzahl = 0;
    d.synapsen.clear();
    // the postsynaptic passes
    for (;;) {
        markierungLoeschen();
        const int antwort = frage(meldungsTexte[53], knoepfe::JaNeinAbbrechen);
        if (antwort == antwort::Abbrechen)
            return 0;
        if (antwort == antwort::Nein)
            break;
        const int post = neuronPerKlick();
        if (post == 0)
            return 0;
        if (frage(meldungFormatieren(54, d.postsynaptischeAnzahl + 1, name(post)), knoepfe::JaNein) != antwort::Ja)
            continue;
        ++d.postsynaptischeAnzahl;
        if (praesynaptischeWaehlen(d, post) == Ausgang::Abbruch)
            return 0;
    }
    markierungLoeschen();
    hinweisBox(meldungsTexte[57]);
    if (fensterhandles.hauptfenster)
        ungueltigMachen(fensterhandles.hauptfenster);
    permutationsDefinition = std::move(d);
    if (NeuronDaten* n = auswerteNeuron())
        n->spikezeitenSpeichern = 1;
    modusStatus |= modusBit::DefinitionDa | modusBit::DefinitionUngespeichert;
    return 1;
}
