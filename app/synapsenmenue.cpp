// app/synapsenmenue.cpp - finding synapses by their marker squares, and their context menu
#include "app/synapsenmenue.h"
#include "app/status.h"
#include "core/status.h"
#include "dialogs/synapsengruppen.h"
#include "model/anzeigeeinstellungen.h"
#include "model/netz.h"
#include "model/synapse.h"
#include "model/undo.h"
#include "platform/box.h"
#include "resources/befehle.h"
#include "texts/texte.h"
#include <algorithm>
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
    return n ? neuronAnzeigename(*n) : std::to_string(nummer);
}

// Two synapses of one type on one segment would share one pool, and an axo-axonic synapse
// acts on the pool: only one of them may carry axo-axonic synapses.
bool axoSegmentBelegt(const SynapseDaten& eltern)
{
    const NeuronDaten* ziel = neuronSuchen(eltern.zielNummer);
    for (const SynapsenPool* p = ziel ? ziel->eingangsPools : nullptr; p; p = p->naechsterPool) {
        if (p->zielBereich != eltern.zielBereich)
            continue;
        for (const SenderKnoten* k = p->sender; k; k = k->naechste)
            if (k->synapse && k->synapse != &eltern && k->synapse->axoAnzahl > 0 &&
                k->synapse->synapsenTyp == eltern.synapsenTyp)
                return true;
    }
    return false;
}

// the id the new-synapse dialog would give: the highest given + 1 where that is free, else
// the first free one; 0 when the table is full
int freieSynapsenId()
{
    const int naechste = hoechsteSynapsenId + 1;
    if (naechste >= 1 && naechste < synapsenTabellenGroesse && !synapseNachId(naechste))
        return naechste;
    for (int id = 1; id < synapsenTabellenGroesse; ++id)
        if (!synapseNachId(id))
            return id;
    return 0;
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
    if ((programmStatus & programmBit::AxoAxonisch) && markierteNeurone.anzahl() == 1) {
        // an axo-axonic synapse carries none of its own
        const size_t axoAnzahl = std::min(liste.size(), static_cast<size_t>(befehlAxoSynapseLetzte - befehlAxoSynapseErste + 1));
        const std::string quelle = neuronAnzeigename(*markierteNeurone.erstes());
        bool angehaengt = false;
        for (size_t i = 0; i < axoAnzahl; ++i)
            if (liste[i]->axoIndex < 1) {
                postenAnhaengen(m, menueArt::Posten, befehlAxoSynapseErste + static_cast<int>(i),
                                meldungFormatieren(1403, quelle, liste[i]->id));
                angehaengt = true;
            }
        if (angehaengt)
            postenAnhaengen(m, menueArt::Trenner, 0, "");
    }
    aktuelleSynapse = liste.front();
    synapsengruppenKontextPosten(m);
    return true;
}

SynapseDaten* axoSynapseErzeugen(NeuronDaten& quelle, SynapseDaten& eltern)
{
    if (eltern.axoIndex >= 1)
        return nullptr;
    if (axoSegmentBelegt(eltern)) {
        hinweisBox(meldungsTexte[464]);
        return nullptr;
    }
    const int id = freieSynapsenId();
    const NeueSynapseVorgaben& v = neueSynapseVorgaben;
    // a failed one has said why, and nothing of it is left
    SynapseDaten* s = synapseNeu(&quelle, neuronSuchen(eltern.zielNummer), eltern.synapsenTyp, v.leitfaehigkeit,
                                 v.verzoegerung, v.freisetzungsSchwelle, v.freisetzungsSaettigung, kontaktort::Axo,
                                 &eltern);
    if (!s)
        return nullptr;
    if (id)
        s->id = id;
    synapsenTabelleSetzen(s->id, s);
    hoechsteSynapsenId = std::max(hoechsteSynapsenId, s->id);
    aktuelleSynapse = s;
    undoSchrittSpeichern(undoListe);
    return s;
}
