// app/synapsenmenue.cpp - finding synapses by their marker squares, and their context menu
#include "app/synapsenmenue.h"
#include "app/status.h"
#include "core/status.h"
#include "dialogs/synapsengruppen.h"
#include "model/netz.h"
#include "model/synapse.h"
#include "resources/befehle.h"
#include "texts/texte.h"
#include <string>

using namespace plattform;

namespace {

bool enthaelt(const Rechteck& r, Punkt p)
{
    return p.x >= r.links && p.x < r.rechts && p.y >= r.oben && p.y < r.unten;
}

std::string neuronName(int nummer)
{
    const NeuronDaten* n = neuronSuchen(nummer);
    return n ? n->name : std::to_string(nummer);
}

// "von A auf B" of an entry; an axo-axonic synapse ends on its parent synapse
std::string postenText(int text, const SynapseDaten& s)
{
    const std::string ziel = s.axoIndex >= 1 ? meldungFormatieren(1402, s.elternId) : neuronName(s.zielNummer);
    return meldungFormatieren(text, s.id, neuronName(s.quellNummer), ziel);
}

} // namespace

std::vector<SynapseDaten*> synapsenAnPunkt(Punkt p)
{
    std::vector<SynapseDaten*> liste;
    for (int id = 1; id < synapsenTabellenGroesse; ++id)
        if (SynapseDaten* s = synapseNachId(id); s && enthaelt(s->markerRechteck, p))
            liste.push_back(s);
    return liste;
}

std::vector<SynapseDaten*> synapsenUnterCursor()
{
    return synapsenAnPunkt(letzterKlickpunkt);
}

std::vector<SynapseDaten*> synapsenUnterMauszeiger()
{
    const Fenster f = fensterhandles.hauptfenster;
    return f ? synapsenAnPunkt(bildschirmZuClient(f, mausPosition())) : std::vector<SynapseDaten*>{};
}

bool synapsenKontextMenueFuellen(Menue m, const std::vector<SynapseDaten*>& liste)
{
    if (liste.empty())
        return false;
    // the menu's ids leave room for so many synapses on one spot
    const size_t anzahl = std::min(liste.size(), static_cast<size_t>(befehlSynapseLoeschenErste - befehlSynapseBearbeitenErste));
    for (size_t i = 0; i < anzahl; ++i)
        postenAnhaengen(m, menueArt::Posten, befehlSynapseBearbeitenErste + static_cast<int>(i), postenText(1400, *liste[i]));
    postenAnhaengen(m, menueArt::Trenner, 0, "");
    for (size_t i = 0; i < anzahl; ++i)
        postenAnhaengen(m, menueArt::Posten, befehlSynapseLoeschenErste + static_cast<int>(i), postenText(1401, *liste[i]));
    postenAnhaengen(m, menueArt::Trenner, 0, "");
    aktuelleSynapse = liste.front();
    synapsengruppenKontextPosten(m);
    return true;
}
