// app/neuroneditor.cpp - creating, finding and deleting neurons in the editor
#include "app/neuroneditor.h"
#include "app/netzbild.h"
#include "app/status.h"
#include "core/rahmen.h"
#include "core/status.h"
#include "model/geometrie.h"
#include "model/kollision.h"
#include "model/netz.h"
#include "model/rueckkopplung.h"
#include "model/simulationspruefung.h"
#include "platform/box.h"
#include "resources/befehle.h"
#include "texts/texte.h"
#include <algorithm>
#include <cmath>
#include <vector>

using namespace plattform;

namespace {

void hinweis(const std::string& text)
{
    meldungsBox(fensterhandles.hauptfenster, text, "Hinweis", knoepfe::Ok | symbol::Information);
}

// the number after the highest so far; once that passes the table, the lowest free one
int freieNeuronNummer()
{
    const int naechste = neuronKette.hoechsteNummer + 1;
    if (neuronNummerGueltig(naechste) && !neuronNachNummer(naechste))
        return naechste;
    for (int i = 1; i < neuronTabellenGroesse; ++i)
        if (!neuronNachNummer(i))
            return i;
    return 0;
}

// a drawn length back in the network's own units
int ungezoomt(int wert)
{
    const double zoom = zoomFaktor > 0.0 ? zoomFaktor : 1.0;
    return static_cast<int>(std::lround(wert / zoom));
}

void neuZeichnenLassen()
{
    if (fensterhandles.hauptfenster)
        ungueltigMachen(fensterhandles.hauptfenster);
}

} // namespace

NeuronDaten* neuronErzeugen(int modus)
{
    const int nummer = freieNeuronNummer();
    if (!neuronNummerGueltig(nummer)) {
        hinweis(meldungFormatieren(860));
        return nullptr;
    }
    NeuronDaten* n = neuronNeu(nummer, 1);
    if (!n)
        return nullptr;
    ++neuronKette.anzahl;
    neuronKette.hoechsteNummer = std::max(neuronKette.hoechsteNummer, nummer);
    const int halb = zeichenGroesseVon(*n, zeichenGroesse::Soma) / 2;
    n->x = std::max(0, ungezoomt(letzterKlickpunkt.x) - halb);
    n->y = std::max(0, ungezoomt(letzterKlickpunkt.y) - halb);
    einstellungenAktualisieren(n, 0);
    if (modus != 2)
        simulationsParameterPruefen(fensterhandles.hauptfenster);
    neuZeichnenLassen();
    return n;
}

int neuronLoeschen(NeuronDaten* neuron, int)
{
    std::vector<NeuronDaten*> weg;
    if (neuron)
        weg.push_back(neuron);
    else
        weg.assign(markierteNeurone.liste.begin(), markierteNeurone.liste.end());
    // all or none: a refusal must not leave half of the marked neurons deleted
    for (const NeuronDaten* n : weg)
        if (!rueckkopplungNeuronFrei(*n) || !neuronInKollisionsObjekt(*n)) {
            hinweis(meldungFormatieren(485));
            return 0;
        }
    for (NeuronDaten* n : weg) {
        neuronFreigeben(n);
        --neuronKette.anzahl;
    }
    if (!weg.empty()) {
        einstellungenAktualisieren(nullptr, 0);
        neuZeichnenLassen();
    }
    return static_cast<int>(weg.size());
}

NeuronDaten* objektAnPunktSuchen(Punkt p)
{
    // the last one in the chain is drawn on top
    NeuronDaten* treffer = nullptr;
    for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron) {
        const Rechteck r = somaRechteck(*n);
        if (p.x >= r.links && p.x < r.rechts && p.y >= r.oben && p.y < r.unten)
            treffer = n;
    }
    return treffer;
}

int neuronNameFrei(const std::string& name, const NeuronDaten* neuron)
{
    if (neuron && neuron->name == name)
        return 1;
    for (const NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron)
        if (n != neuron && n->name == name)
            return 0;
    return 1;
}

void neuronMenueZeigen(Menue m)
{
    postenAnhaengen(m, 0, befehlServerAnzeigeNeuron, meldungsTexte[648]);
    postenAnhaengen(m, 0, befehlServerEingangsNeuron, meldungsTexte[300]);
    postenAnhaengen(m, 0, befehlServerAusgangsNeuron, meldungsTexte[299]);
}
