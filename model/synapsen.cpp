// model/synapsen.cpp - creating and deleting synapses with their pools and axo-axonic lists
#include "core/fehler.h"
#include "core/endemeldung.h"
#include "model/geometrie.h"
#include "model/netz.h"
#include "model/simulationsparameter.h"
#include "core/rahmen.h"
#include "core/status.h"
#include "platform/box.h"
#include "texts/texte.h"
#include <cmath>
#include <new>

namespace {

// a longer ring is a broken delay, not a network: refused like a failed allocation
constexpr double groessteRingSchritte = 1 << 24;

int ersteFreieId()
{
    for (int id = 1; id < synapsenTabellenGroesse; ++id)
        if (!synapseNachId(id))
            return id;
    return 0;
}

void ausQuellListe(NeuronDaten* quelle, SynapseDaten* s)
{
    if (s->vorigeSynapse)
        s->vorigeSynapse->naechsteSynapse = s->naechsteSynapse;
    else if (quelle && quelle->ausgangsSynapsen == s)
        quelle->ausgangsSynapsen = s->naechsteSynapse;
    if (s->naechsteSynapse)
        s->naechsteSynapse->vorigeSynapse = s->vorigeSynapse;
    s->vorigeSynapse = s->naechsteSynapse = nullptr;
}

// a failed creation leaves nothing behind: the record goes, the counters are as before
SynapseDaten* zurueckrollen(NeuronDaten* quelle, SynapseDaten* s, int fehler)
{
    if (s->elternSynapse && s->axoIndex >= 1) {
        --axoZaehler;
        --s->elternSynapse->axoAnzahl;
    }
    ausQuellListe(quelle, s);
    --synapsenZaehler;
    delete s;
    if (fehler)
        fehlerMelden(fehler);
    return nullptr;
}

// Joins the first pool of ziel with the same type and area, or makes one. Nothing is
// changed unless everything could be allocated; the error number otherwise.
int inPoolEintragen(NeuronDaten& ziel, SynapseDaten& s)
{
    const bool elektrisch = synapsenTypIon(s.synapsenTyp) == ionenArt::Elektrisch;
    SynapsenPool* p = ziel.eingangsPools;
    while (p && !(p->typ == s.synapsenTyp && p->zielBereich == s.zielBereich))
        p = p->naechsterPool;
    const bool neu = !p || p->geschlossen >= 1;

    const double maxVerzoegerung = neu ? s.verzoegerung : std::max(p->maxVerzoegerung, s.verzoegerung);
    const int schritte = elektrisch ? 2 : ringSchritte(maxVerzoegerung);
    if (schritte < 0)
        return 104;
    if (neu) {
        p = new (std::nothrow) SynapsenPool;
        if (!p)
            return 110;
    }
    try {
        p->ring.resize(static_cast<size_t>(schritte) + 1);
    } catch (const std::bad_alloc&) {
        if (neu)
            delete p;
        return 104;
    }
    auto* knoten = new (std::nothrow) SenderKnoten{nullptr, p->sender, &s};
    if (!knoten) {
        if (neu)
            delete p;
        return 109;
    }

    if (neu) {
        p->typ = s.synapsenTyp;
        p->zielBereich = s.zielBereich;
        p->ziel = &ziel;
        p->naechsterPool = ziel.eingangsPools;
        if (ziel.eingangsPools)
            ziel.eingangsPools->vorigerPool = p;
        ziel.eingangsPools = p;
    }
    p->gSumme += s.initialLeitfaehigkeit;
    p->maxVerzoegerung = maxVerzoegerung;
    if (p->sender)
        p->sender->vorige = knoten;
    p->sender = knoten;
    ++p->senderAnzahl;   // the run start counts again; kept right in between
    s.schlangenLaenge = schritte;
    s.pool = p;
    s.senderKnoten = knoten;
    return 0;
}

int anElternHaengen(SynapseDaten& s, SynapseDaten& eltern)
{
    const int schritte = ringSchritte(s.verzoegerung);
    if (schritte < 0)
        return 104;
    auto* knoten = new (std::nothrow) AxoKnoten;
    if (!knoten)
        return 109;
    try {
        knoten->ring.resize(static_cast<size_t>(schritte) + 1);
    } catch (const std::bad_alloc&) {
        delete knoten;
        return 104;
    }
    knoten->synapse = &s;
    knoten->naechste = eltern.axoKnoten;
    if (eltern.axoKnoten)
        eltern.axoKnoten->vorige = knoten;
    eltern.axoKnoten = knoten;
    s.schlangenLaenge = schritte;
    s.axoKnoten = knoten;
    s.elternId = eltern.id;
    return 0;
}

void ausPoolNehmen(SynapseDaten& s)
{
    SynapsenPool* p = s.pool;
    if (!p)
        return;
    p->gSumme -= s.initialLeitfaehigkeit;
    if (SenderKnoten* k = s.senderKnoten) {
        if (k->vorige)
            k->vorige->naechste = k->naechste;
        else if (p->sender == k)
            p->sender = k->naechste;
        if (k->naechste)
            k->naechste->vorige = k->vorige;
        delete k;
        if (p->senderAnzahl > 0)
            --p->senderAnzahl;
    }
    s.senderKnoten = nullptr;
    if (p->sender)
        return;
    // the last sender takes the pool along, out of the list that holds it (the
    // synapse's target number may have changed meanwhile)
    if (p->ziel) {
        poolEntfernen(*p->ziel, p);
    } else {
        if (p->vorigerPool)
            p->vorigerPool->naechsterPool = p->naechsterPool;
        if (p->naechsterPool)
            p->naechsterPool->vorigerPool = p->vorigerPool;
        delete p;
    }
    s.pool = nullptr;
}

void vonElternLoesen(SynapseDaten& s)
{
    SynapseDaten* eltern = s.elternSynapse;
    if (AxoKnoten* k = s.axoKnoten) {
        if (k->vorige)
            k->vorige->naechste = k->naechste;
        else if (eltern && eltern->axoKnoten == k)
            eltern->axoKnoten = k->naechste;
        if (k->naechste)
            k->naechste->vorige = k->vorige;
        delete k;
    }
    s.axoKnoten = nullptr;
    std::vector<double>().swap(s.axoSchlange);
    if (axoZaehler > 0)
        --axoZaehler;
    if (synapsenZaehler > 0)
        --synapsenZaehler;
    if (eltern && eltern->axoAnzahl > 0)
        --eltern->axoAnzahl;
}

void ausGruppeNehmen(SynapseDaten& s)
{
    if (s.gruppe < 1 || s.gruppe >= synapsengruppenAnzahl || s.gruppe == gruppeWirdAufgeloest)
        return;
    const int g = s.gruppe;
    synapseAusGruppeEntfernen(s);
    if (synapsengruppen[g].anzahl() == 0)
        synapsengruppeAufloesen(g, 0);
}

// nothing may point at a freed record
void verweiseLoeschen(const SynapseDaten* s)
{
    if (aktuelleSynapse == s)
        aktuelleSynapse = nullptr;
    if (gewaehlteSynapse == s)
        gewaehlteSynapse = nullptr;
    if (laufZustand.aktuelleSynapse == s)
        laufZustand.aktuelleSynapse = nullptr;
    if (netzWirdAbgebaut)
        return;   // the neurons' links went before
    for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron) {
        for (BenutzerKanal& k : n->benutzerKanaele)
            if (k.synapse == s)
                k.synapse = nullptr;
        for (SynapsenPool* p = n->eingangsPools; p; p = p->naechsterPool)
            if (p->verzoegerungsSynapse == s)
                p->verzoegerungsSynapse = nullptr;
    }
}

void freigeben(SynapseDaten* s)
{
    while (XLPSP* e = s->psp.liste) {
        s->psp.liste = e->naechstes;
        delete e;
    }
    verweiseLoeschen(s);
    delete s;
}

} // namespace

int ringSchritte(double verzoegerung)
{
    const double schritt = simulationsParameter.schrittweite;
    if (!(schritt > 0.0))
        return 1;
    const double n = std::round(verzoegerung / schritt);
    if (std::isnan(n) || n < 1.0)
        return 1;   // below half a step: one slot, or the ring would wrap onto itself
    if (n > groessteRingSchritte)
        return -1;
    return static_cast<int>(n);
}

SynapseDaten* synapseNeu(NeuronDaten* quelle, NeuronDaten* ziel, int synapticType, double initialConductance,
                         double deliveryTime, double transmitterReleaseThreshold, double transmitterSatiate,
                         int targetArea, SynapseDaten* eltern)
{
    // an axo-axonic synapse cannot carry further ones: its list node is its own
    if (!quelle || (!ziel && !eltern) || (eltern && eltern->axoIndex >= 1))
        return nullptr;

    // the record
    auto* s = new (std::nothrow) SynapseDaten;
    if (!s) {
        fehlerMelden(108);
        return nullptr;
    }

    // the id: counter + 1, else the first free slot
    ++synapsenZaehler;
    int id = synapsenZaehler;
    if (id >= synapsenTabellenGroesse || synapseNachId(id))
        id = ersteFreieId();
    if (id == 0) {
        plattform::hinweisBox(meldungFormatieren(398));
        --synapsenZaehler;
        delete s;
        return nullptr;
    }
    s->id = id;

    // at the head of the source's list
    s->naechsteSynapse = quelle->ausgangsSynapsen;
    if (quelle->ausgangsSynapsen)
        quelle->ausgangsSynapsen->vorigeSynapse = s;
    quelle->ausgangsSynapsen = s;

    // the values
    s->initialLeitfaehigkeit = s->leitfaehigkeit = s->axoLeitfaehigkeitStart = initialConductance;
    s->verzoegerung = deliveryTime;
    s->freisetzungsSchwelle = transmitterReleaseThreshold;
    s->freisetzungsSaettigung = transmitterSatiate;
    s->synapsenTyp = synapticType;
    s->zielBereich = targetArea;
    s->quelle = quelle;
    s->quellNummer = quelle->nummer;
    s->zielNummer = ziel ? ziel->nummer : eltern->zielNummer;
    s->elternSynapse = eltern;

    // an axo-axonic synapse counts on its parent and keeps its own delay buffer
    if (eltern) {
        const int schritte = ringSchritte(deliveryTime);
        if (schritte < 0)
            return zurueckrollen(quelle, s, 104);
        ++axoZaehler;
        s->axoIndex = ++eltern->axoAnzahl;
        try {
            s->axoSchlange.assign(static_cast<size_t>(schritte) + 10, 0.0);
        } catch (const std::bad_alloc&) {
            endeMelden(EndeForm::Hinweis, meldungFormatieren(399));
            return zurueckrollen(quelle, s, 0);
        }
    }

    // where the editor draws it
    synapseGeometrie(*s, 1);

    // 7./8. into a pool of the target, or onto the parent
    const int fehler = eltern ? anElternHaengen(*s, *eltern) : inPoolEintragen(*ziel, *s);
    if (fehler)
        return zurueckrollen(quelle, s, fehler);
    return s;
}

void synapseHinterStellen(SynapseDaten& s, SynapseDaten& vorgaenger)
{
    if (&s == &vorgaenger || vorgaenger.naechsteSynapse == &s || !s.quelle || s.quelle != vorgaenger.quelle)
        return;
    ausQuellListe(s.quelle, &s);
    s.vorigeSynapse = &vorgaenger;
    s.naechsteSynapse = vorgaenger.naechsteSynapse;
    if (vorgaenger.naechsteSynapse)
        vorgaenger.naechsteSynapse->vorigeSynapse = &s;
    vorgaenger.naechsteSynapse = &s;
}

void axoKnotenHinterStellen(SynapseDaten& s, SynapseDaten& vorgaenger)
{
    AxoKnoten* k = s.axoKnoten;
    AxoKnoten* v = vorgaenger.axoKnoten;
    SynapseDaten* eltern = s.elternSynapse;
    if (!k || !v || k == v || v->naechste == k || !eltern || eltern != vorgaenger.elternSynapse ||
        s.axoIndex < 1 || vorgaenger.axoIndex < 1)
        return;
    // out of the parent's list ...
    if (k->vorige)
        k->vorige->naechste = k->naechste;
    else if (eltern->axoKnoten == k)
        eltern->axoKnoten = k->naechste;
    if (k->naechste)
        k->naechste->vorige = k->vorige;
    // ... and in again behind the other one
    k->vorige = v;
    k->naechste = v->naechste;
    if (v->naechste)
        v->naechste->vorige = k;
    v->naechste = k;
}

void poolEntfernen(NeuronDaten& ziel, SynapsenPool* p)
{
    if (!p)
        return;
    if (p->vorigerPool)
        p->vorigerPool->naechsterPool = p->naechsterPool;
    else if (ziel.eingangsPools == p)
        ziel.eingangsPools = p->naechsterPool;
    if (p->naechsterPool)
        p->naechsterPool->vorigerPool = p->vorigerPool;
    while (SenderKnoten* k = p->sender) {
        p->sender = k->naechste;
        if (k->synapse && k->synapse->senderKnoten == k) {
            k->synapse->senderKnoten = nullptr;
            k->synapse->pool = nullptr;
        }
        delete k;
    }
    delete p;
}

AxoKnoten* synapseLoeschen(NeuronDaten* quelle, SynapseDaten* s, int nurAushaengen)
{
    if (!s)
        return nullptr;
    if (!quelle)
        quelle = s->quelle;

    // the table slot, when it is this record's
    if (synapseNachId(s->id) == s)
        synapsenTabelleSetzen(s->id, nullptr);

    AxoKnoten* behalten = nullptr;
    if (s->axoIndex < 1) {
        // the pool, the counter, then group and axo-axonic synapses
        ausPoolNehmen(*s);
        if (synapsenZaehler > 0)
            --synapsenZaehler;
        if (!nurAushaengen) {
            ausGruppeNehmen(*s);
            for (AxoKnoten* k = s->axoKnoten; k;) {
                AxoKnoten* weiter = k->naechste;
                if (SynapseDaten* axo = k->synapse)
                    synapseLoeschen(axo->quelle, axo, 0);
                k = weiter;
            }
        } else {
            // kept for the re-created parent; until it takes them they have none, so
            // nothing reaches the freed record through them
            behalten = s->axoKnoten;
            s->axoKnoten = nullptr;
            for (AxoKnoten* k = behalten; k; k = k->naechste)
                if (k->synapse)
                    k->synapse->elternSynapse = nullptr;
        }
    } else {
        // off the parent's list; it leaves its own group as any synapse does
        if (!nurAushaengen)
            ausGruppeNehmen(*s);
        vonElternLoesen(*s);
    }

    // out of the source's list
    ausQuellListe(quelle, s);
    if (nurAushaengen) {
        freigeben(s);
        return behalten;
    }

    // a pool that stays loses what the run prepared for it
    if (SynapsenPool* p = s->pool) {
        p->geschlossen = 0;
        p->verzoegerungsSynapse = nullptr;
        std::vector<double>().swap(p->hilfspuffer);
    }
    // the curves that showed it, unless they go with the network
    if (quelle && !netzWirdAbgebaut)
        synapsenKurveZuruecksetzen(*quelle, s->id);
    freigeben(s);
    return nullptr;
}

void synapsenMitNetzFreigeben(NeuronDaten& neuron)
{
    if (!netzWirdAbgebaut)
        return;
    // Each outgoing synapse with the nodes it was made with: its place in the target's
    // pool, or an axo-axonic one's place on its parent; then its pulses. They lie together
    // in memory as the synapse was made, in the order of the list.
    for (SynapseDaten* s = neuron.ausgangsSynapsen; s;) {
        SynapseDaten* weiter = s->naechsteSynapse;
        if (synapseNachId(s->id) == s)
            synapsenTabelleSetzen(s->id, nullptr);
        delete s->senderKnoten;
        if (s->axoIndex >= 1)
            delete s->axoKnoten;
        freigeben(s);
        s = weiter;
    }
    neuron.ausgangsSynapsen = nullptr;
    // the pools; their sender nodes are their synapses' and go with them
    for (SynapsenPool* p = neuron.eingangsPools; p;) {
        SynapsenPool* weiter = p->naechsterPool;
        delete p;
        p = weiter;
    }
    neuron.eingangsPools = nullptr;
}

void axoSynapsenUebernehmen(SynapseDaten& eltern, AxoKnoten* liste)
{
    if (!liste || eltern.axoIndex >= 1)
        return;
    // behind those the parent may already carry
    AxoKnoten* ende = eltern.axoKnoten;
    while (ende && ende->naechste)
        ende = ende->naechste;
    if (ende) {
        ende->naechste = liste;
        liste->vorige = ende;
    } else {
        eltern.axoKnoten = liste;
        liste->vorige = nullptr;
    }
    eltern.axoAnzahl = 0;
    for (AxoKnoten* k = eltern.axoKnoten; k; k = k->naechste) {
        ++eltern.axoAnzahl;
        if (SynapseDaten* axo = k->synapse) {
            axo->elternSynapse = &eltern;
            axo->elternId = eltern.id;
        }
    }
}

void synapsenKurveZuruecksetzen(NeuronDaten& quelle, int id)
{
    if (id < 1)
        return;
    for (DiagrammDaten* d = &quelle.hauptDiagramm; d; d = d->naechstes) {
        for (int slot = 0; slot < kurvenProDiagramm; ++slot) {
            KurvenDaten& k = d->kurven[slot];
            if (k.synapseId != id)
                continue;
            const KurvenDaten& vorlage = stdNeuron.hauptDiagramm.kurven[slot];
            if ((k.referenz & kurvenReferenz::Freisetzung) && d->freisetzungsKurven > 0)
                --d->freisetzungsKurven;
            k.bezeichnung = vorlage.bezeichnung;
            k.dimension = vorlage.dimension;
            k.anzeigen = 0;
            k.hervorheben = 0;
            k.yOffset = 0.0;
            k.yZoom = 1.0;
            k.referenz = kurvenReferenz::Eigen;
            k.synapseId = k.externeKurveId = k.externeNeuronId = 0;
            std::vector<float>().swap(k.werte);
            std::vector<int32_t>().swap(k.punkte);
            k.werteAnzahl = k.punktAnzahl = 0;
            k.schreibPosition = 0;
            break;
        }
    }
}
