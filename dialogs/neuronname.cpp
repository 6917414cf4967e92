// dialogs/neuronname.cpp - the neuron name dialog "Neuron Namen ändern" (126)
#include "dialogs/neuronname.h"
#include "dialogs/rahmen.h"
#include "model/netz.h"
#include "model/undo.h"
#include "platform/box.h"
#include "resources/vorlagen.h"
#include "texts/texte.h"
#include <algorithm>

using namespace plattform;

namespace {

constexpr int idName = 1084;
constexpr size_t nameLaenge = 99;

DialogRahmen rahmen;
NeuronDaten* neuron = nullptr;

// free when it is the neuron's own name or no other neuron bears it
bool nameFrei(const std::string& name, const NeuronDaten* eigenes)
{
    for (const NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron)
        if (n != eigenes && n->name == name)
            return false;
    return true;
}

void texteSetzen(Fenster dlg) { vorlagenTexteSetzen(dlg, vorlageNeuronName); }

void fuellen(Fenster dlg)
{
    elementTextSetzen(dlg, idName, neuron->name);
    dialogElementFokussieren(dlg, idName, 1);
}

// every diagram window of the neuron shows the new name, a further one with its number
void titelSetzen(NeuronDaten& n)
{
    for (DiagrammDaten* d = &n.hauptDiagramm; d; d = d->naechstes) {
        if (!d->fenster)
            continue;
        d->titel = diagrammTitel(n, *d);
        plattform::titelSetzen(d->fenster, d->titel);
    }
    if (n.hauptDiagramm.fenster)
        ungueltigMachen(n.hauptDiagramm.fenster);
}

void speichern(Fenster dlg)
{
    std::string name;
    if (!dialogNameLesen(dlg, idName, nameLaenge, name) || name.empty())
        return;
    if (!nameFrei(name, neuron)) {
        meldungsBox(dlg, meldungFormatieren(316, name), "Hinweis", knoepfe::Ok | symbol::Information);
        return;
    }
    neuron->name = name;
    dialogSchliessen(dlg, rahmen, 0, false);
    titelSetzen(*neuron);
    if (fensterhandles.hauptfenster)
        ungueltigMachen(fensterhandles.hauptfenster);
    undoSchrittSpeichern(undoListe);
}

} // namespace

bool dialogNameLesen(Fenster dlg, int id, size_t hoechstens, std::string& name)
{
    std::string text = elementText(dlg, id);
    text.erase(0, std::min(text.find_first_not_of(" \t"), text.size()));
    int fehler = 0;
    if (text.find("//") != std::string::npos)
        fehler = 988;
    else if (text.size() > hoechstens)
        fehler = 989;
    if (fehler) {
        hinweisBox(fehler == 988 ? meldungFormatieren(988, text) : meldungFormatieren(989, text, static_cast<int>(hoechstens)));
        dialogElementFokussieren(dlg, id, 1);
        return false;
    }
    name = text;
    return true;
}

intptr_t neuronNameDlgProc(Fenster dlg, uint32_t n, uintptr_t w, intptr_t)
{
    switch (n) {
    case nachricht::Bewegen:
        dialogPositionMerken(dlg, rahmen);
        return 0;

    case nachricht::DialogInit:
        if (rahmen.frisch) {
            undoFensterlisteSpeichern(undoListe);
            editierStatus &= ~editierBit::MarkierteZiehen;
            neuron = markierteNeurone.erstes();
            if (!neuron) {
                dialogSchliessen(dlg, rahmen, 0, false);
                return 1;
            }
        }
        dialogInitialisieren(dlg, rahmen, {nullptr, texteSetzen, fuellen});
        return 1;

    case nachricht::Befehl:
        switch (loWort(w)) {
        case 1: speichern(dlg); return 1;
        case 2: dialogSchliessen(dlg, rahmen, 0, false); return 1;
        }
        return 0;
    }
    return 0;
}

intptr_t neuronNameDialogOeffnen(Fenster eigner)
{
    return dialogModal(vorlageNeuronName, eigner ? eigner : fensterhandles.hauptfenster, neuronNameDlgProc);
}
