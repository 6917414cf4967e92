// model/synaptisch.cpp - run preparation of the synapses, the delay rings of the pools and
// the synaptic currents of a step
#include "model/synaptisch.h"
#include "core/status.h"
#include "model/diagramm.h"
#include "core/fehler.h"
#include "model/kern.h"
#include "model/netz.h"
#include "model/simulationsparameter.h"
#include "platform/box.h"
#include "texts/texte.h"
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

namespace {

int gerundet(double x) { return static_cast<int>(std::lround(x)); }

double typPotential(int typ)
{
    if (typ < 0 || typ >= static_cast<int>(synapsenTypen.size()))
        return 0.0;
    return synapsenTypen[typ].potential;
}

SynapseDaten* ersterSender(const SynapsenPool& p) { return p.sender ? p.sender->synapse : nullptr; }

// ring steps of a delay; every wrap length is at least 1
int ringSchritteMindestensEins(double verzoegerung)
{
    const double T = simulationsParameter.schrittweite;
    if (T <= 0.0)
        return 1;
    return std::max(1, gerundet(verzoegerung / T));
}

bool ringGroesseSetzen(std::vector<double>& ring, size_t eintraege)
{
    try {
        ring.assign(eintraege, 0.0);
    } catch (...) {
        fehlerMelden(104);
        return false;
    }
    return true;
}

} // namespace

bool axoAxonischAn()
{
    return (programmStatus & programmBit::AxoAxonisch) || simulationsParameter.netzwerkVariante;
}

int zielKompartiment(int modus, int a, int n, int kompartimente, bool elektrisch)
{
    int c = -1;
    switch (modus) {
    case 1: c = 0; break;
    case 2: c = elektrisch ? (a != 0 ? 1 : 0) : (a < 1 ? 0 : 1); break;
    case 3: c = a < 4 ? a : 3; break;
    case 4: c = a <= n ? a : n; break;
    default: c = elektrisch ? (a <= n ? a : n) : -1; break;
    }
    if (c < 0)
        return elektrisch ? 0 : -1;
    // the target's own compartments bound every area
    return std::min(c, kompartimente - 1);
}

// ---- the synapses at the run start --------------------------------------------------------
bool synapsenLaufVorbereiten(NeuronDaten& neuron)
{
    const Simulationsparameter& sp = simulationsParameter;
    for (SynapseDaten* s = neuron.ausgangsSynapsen; s; s = s->naechsteSynapse) {
        // table, whole-run pool, gate
        if (s->zielBereich >= 0) {
            synapsenTabelleSetzen(s->id, s);
            if (s->pool) {
                if (!s->verzoegerungsfaktorAn) {
                    s->pool->geschlossen = 0;
                    s->pool->verzoegerungsSynapse = nullptr;
                } else {
                    s->pool->geschlossen = sp.schrittweite > 0.0
                        ? std::max(1, gerundet((s->verzoegerung + sp.simulationsDauer) / sp.schrittweite)) : 1;
                    s->pool->verzoegerungsSynapse = s;
                }
            }
            if (s->transmitter.an)
                s->transmitter.gatterWert = 0.0;
        }
        // no facilitation carried over from the last run
        s->bahnung.faktor = 1.0;
        // facilitation run values and defaults
        Bahnung& b = s->bahnung;
        if (b.an) {
            b.letzteFreisetzung = 0.0;
            b.summe = 0.0;
            b.letzterFreisetzungsBeginn = -1.0;
            b.zuwachs = 0.0;
            if (b.maximalwertAn && b.maximalwert == 0.0) {
                b.maximalwert = 6.0;
                b.tauAb = 0.01;
            }
            if (b.a[0] == 0.0) {
                b.a = {-1.0, 1.0, 0.8, -0.8};
                b.b = {2.0, 1.0, 0.2, 1.0};
                b.tau = {0.05, 0.05, 0.05, 0.05};
                b.kurvenZeit = {0.0, 0.0, 0.0, 0.0};
            }
        }
        // the xlPSP list
        PspForm& psp = s->psp;
        if (psp.an) {
            while (psp.liste) {
                XLPSP* weiter = psp.liste->naechstes;
                delete psp.liste;
                psp.liste = weiter;
            }
            psp.summe = 0.0;
            psp.letzteFreisetzung = 0.0;
            if (psp.art == 0) {
                // a shape that cannot be computed refuses the run; nothing else is lost
                const NeuronDaten* ziel = neuronNachNummer(s->zielNummer);
                std::string text = meldungsTexte[1745];
                text += meldungFormatieren(800, s->id, neuronAnzeigename(neuron), ziel ? neuronAnzeigename(*ziel) : std::string());
                plattform::hinweisBox(text);
                return false;
            }
        }
    }
    return true;
}

// ---- the set-up of the rings ---------------------------------------------------------------
bool synapsenEinrichtungPruefen()
{
    if (netzvorgaben.elektrischeSynapsenEingeschraenkt)
        return true;
    for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron)
        for (SynapsenPool* p = n->eingangsPools; p; p = p->naechsterPool) {
            if (synapsenTypIon(p->typ) != ionenArt::Elektrisch)
                continue;
            int mitglieder = 0;
            for (SenderKnoten* k = p->sender; k; k = k->naechste)
                ++mitglieder;
            if (mitglieder < 2)
                continue;
            plattform::sysInfoBox(meldungFormatieren(1746, neuronAnzeigename(*n)), plattform::knoepfe::Ok);
            laufZustand.eingerichtet = 0;
            return false;
        }
    return true;
}

void synapsenWarteschlangenAnlegen()
{
    const bool axo = axoAxonischAn();
    const int eingeschraenkt = netzvorgaben.elektrischeSynapsenEingeschraenkt;
    if (!synapsenEinrichtungPruefen()) {
        laufZustand.abbrechen = 1;          // no step runs on rings that were not set up
        return;
    }
    for (aktuellesNeuron = neuronKette.kopf; aktuellesNeuron; aktuellesNeuron = aktuellesNeuron->naechstesNeuron) {
        for (SynapsenPool* p = aktuellesNeuron->eingangsPools; p; p = p->naechsterPool) {
            const bool elektrisch = synapsenTypIon(p->typ) == ionenArt::Elektrisch;
            // the delay and the senders are counted afresh
            p->maxVerzoegerung = 0.0;
            p->senderAnzahl = 0;
            // the members
            for (SenderKnoten* k = p->sender; k; k = k->naechste) {
                SynapseDaten* s = k->synapse;
                if (!s)
                    continue;
                // (two or more in an unrestricted electrical pool were refused above)
                ++p->senderAnzahl;
                // each member starts at its initial conductance
                laufZustand.aktuelleSynapse = s;
                s->leitfaehigkeit = s->initialLeitfaehigkeit;
                p->maxVerzoegerung = std::max(p->maxVerzoegerung, s->verzoegerung);
                s->freisetzungsBereich = s->freisetzungsSaettigung - s->freisetzungsSchwelle;
                s->schlangenLaenge = p->geschlossen > 0 ? p->geschlossen : ringSchritteMindestensEins(s->verzoegerung);
                // the axo-axonic nodes
                if (!axo)
                    continue;
                for (AxoKnoten* a = s->axoKnoten; a; a = a->naechste) {
                    SynapseDaten* as = a->synapse;
                    if (!as)
                        continue;
                    as->freisetzungsBereich = as->freisetzungsSaettigung - as->freisetzungsSchwelle;
                    as->schlangenLaenge = ringSchritteMindestensEins(as->verzoegerung);
                    if (!ringGroesseSetzen(a->ring, as->schlangenLaenge + 1))
                        return;
                    a->ringPosition = 0;
                }
            }
            // ring length and used size
            size_t eintraege = 0;
            if (p->geschlossen > 0) {
                p->ringLaenge = p->geschlossen;
                const int k = p->verzoegerungsSynapse ? std::max(0, p->verzoegerungsSynapse->verteilungsSchritte) : 0;
                eintraege = static_cast<size_t>(p->geschlossen) + k + 1;
            } else {
                p->ringLaenge = ringSchritteMindestensEins(p->maxVerzoegerung);
                // restricted electrical pools use entries 0 and 1 only
                eintraege = elektrisch && eingeschraenkt ? 3 : static_cast<size_t>(p->ringLaenge) + 1;
            }
            p->elektrischerAbzug = 0.0;
            p->elektrischerAbzugGesetzt = 0;
            // the ring starts at its first slot
            p->ringPosition = 0;
            p->laufIndex = 0;
            // the ring sized for the longest delay
            if (!ringGroesseSetzen(p->ring, eintraege))
                return;
        }
    }
}

// ---- the synaptic currents of a step -----------------------------------------------------------
namespace {

// A. axo-axonic transmission
void axoAxonischUebertragen()
{
    if (!axoAxonischAn())
        return;
    for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron)
        for (SynapseDaten* P = n->ausgangsSynapsen; P; P = P->naechsteSynapse) {
            if (P->axoAnzahl <= 0 || !P->pool || P->pool->ring.empty())
                continue;
            SynapsenPool& pool = *P->pool;
            for (AxoKnoten* a = P->axoKnoten; a; a = a->naechste) {
                SynapseDaten* as = a->synapse;
                if (!as || a->ring.empty())
                    continue;
                // the axo-axonic synapse's own ring moves on
                const int L = std::max(1, as->schlangenLaenge);
                if (++a->ringPosition >= L)
                    a->ringPosition -= L;
                // the slot the parent pool fills next
                int naechste = pool.ringPosition + 1;
                if (naechste >= pool.ringLaenge)
                    naechste = 0;
                // half of the axo-axonic synapse's value acts on its parent
                as->axoWert = a->ring[std::min<size_t>(a->ringPosition, a->ring.size() - 1)] / 2.0;
                // never below 0
                double& g = pool.ring[naechste];
                if (g >= as->axoWert)
                    g -= as->axoWert;
                else
                    g = 0.0;
            }
        }
}

// B. the currents into one neuron: its vectors to 0, then every pool's share
void stroemeInsNeuron(NeuronDaten& n, const Simulationsparameter& sp, double t)
{
    const int kompartimente = kompartimentAnzahl(n);
    if (kompartimente < 1)
        return;
    // Izhikevich targets take everything in compartment 0
    const int modus = n.izhikevichAktiv ? 1 : sp.netzwerktyp;
    const int bis = n.izhikevichAktiv ? 1 : kompartimente;
    for (int c = 0; c < bis && c < static_cast<int>(n.synStromChemisch.size()); ++c)
        n.synStromChemisch[c] = 0.0;
    for (int c = 0; c < bis && c < static_cast<int>(n.synStromElektrisch.size()); ++c)
        n.synStromElektrisch[c] = 0.0;
    // every pool delivers what its ring holds now
    for (SynapsenPool* p = n.eingangsPools; p; p = p->naechsterPool) {
        if (p->ring.empty() || p->ringLaenge < 1)
            continue;
        std::vector<double>& g = p->ring;
        const int k = synapsenTypIon(p->typ);
        const int a = p->zielBereich;
        if (k >= 1 && k <= 3) {
            // the ring moves on
            if (++p->ringPosition >= p->ringLaenge)
                p->ringPosition -= p->ringLaenge;
            SynapseDaten* erster = ersterSender(*p);
            // a closed pool starts its run index again once its first sender's delay has passed
            if (p->geschlossen > 0 && erster && t - erster->verzoegerung <= 0.0)
                p->laufIndex = 0;
            // the current into the compartment of the contact area
            const int c = zielKompartiment(modus, a, sp.anzahlSegmente, kompartimente, false);
            if (c >= 0 && c < static_cast<int>(n.synStromChemisch.size())) {
                double wert = g[p->ringPosition];
                if (modus == 3 && p->geschlossen > 0 && a < 4) {
                    wert = p->laufIndex < static_cast<int>(g.size()) ? g[p->laufIndex] : 0.0;
                    ++p->laufIndex;
                }
                n.synStromChemisch[c] += (typPotential(p->typ) - laufPotential(n, c)) * wert;
            }
            // consumed, unless the pool keeps the whole run
            if (!(erster && erster->verzoegerungsfaktorAn))
                g[p->ringPosition] = 0.0;
        } else if (k == ionenArt::Elektrisch) {
            double wert = 0.0;
            if (netzvorgaben.elektrischeSynapsenEingeschraenkt && g.size() >= 2) {
                p->ringPosition = 0;
                wert = g[0] - g[1];
                g[0] = g[1] = 0.0;
            } else {
                if (++p->ringPosition >= p->ringLaenge)
                    p->ringPosition -= p->ringLaenge;
                wert = g[p->ringPosition] - p->elektrischerAbzug;
                g[p->ringPosition] = 0.0;
                p->elektrischerAbzug = 0.0;
            }
            const int c = zielKompartiment(modus, a, sp.anzahlSegmente, kompartimente, true);
            if (c >= 0 && c < static_cast<int>(n.synStromElektrisch.size()))
                n.synStromElektrisch[c] += wert;
        }
    }
}

} // namespace

void synaptischeStroemeBerechnen()
{
    axoAxonischUebertragen();
    const double t = laufZustand.t;
    for (aktuellesNeuron = neuronKette.kopf; aktuellesNeuron; aktuellesNeuron = aktuellesNeuron->naechstesNeuron)
        stroemeInsNeuron(*aktuellesNeuron, simulationsParameter, t);
}

void synaptischeStroemeBerechnenOhneCursor()
{
    axoAxonischUebertragen();
    const double t = laufZustand.t;
    for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron)
        stroemeInsNeuron(*n, simulationsParameter, t);
}

namespace {

// A chemical pool that delivers its ring's present slot into one compartment and consumes
// it: not kept for the whole run. Its compartment (-1: none) and reversal potential are
// copied here, so the pass reads of the pool's record only its ring.
struct EinfacherPool {
    SynapsenPool* pool;
    int kompartiment;
    double umkehr;
    const double* potential;   // the target compartment's, where it lives during the run
};

// per target neuron of the list the arrays were built for: its range of einfachePools and
// how many compartments the step clears, or anfang -1 when one of its pools takes the
// full way
struct ZielBereich {
    int anfang, ende, bis;
};

std::vector<EinfacherPool> einfachePools;
std::vector<ZielBereich> ziele;
const std::vector<NeuronDaten*>* poolFelderFuer = nullptr;

} // namespace

void synapsenPoolFelderBilden(const std::vector<NeuronDaten*>& mitPools)
{
    einfachePools.clear();
    ziele.clear();
    poolFelderFuer = nullptr;
    const Simulationsparameter& sp = simulationsParameter;
    for (NeuronDaten* n : mitPools) {
        const int kompartimente = kompartimentAnzahl(*n);
        const int modus = n->izhikevichAktiv ? 1 : sp.netzwerktyp;
        const size_t anfang = einfachePools.size();
        bool alle = kompartimente >= 1;
        for (SynapsenPool* p = n->eingangsPools; p && alle; p = p->naechsterPool) {
            const int k = synapsenTypIon(p->typ);
            const SynapseDaten* erster = ersterSender(*p);
            alle = !p->ring.empty() && p->ringLaenge >= 1 && k >= 1 && k <= 3 && p->geschlossen <= 0
                && !(erster && erster->verzoegerungsfaktorAn);
            if (!alle)
                break;
            int c = zielKompartiment(modus, p->zielBereich, sp.anzahlSegmente, kompartimente, false);
            if (c >= static_cast<int>(n->synStromChemisch.size()))
                c = -1;
            einfachePools.push_back({p, c, typPotential(p->typ), laufQuelle(*n, laufGroesse::Potential, c).wert});
        }
        if (!alle)
            einfachePools.resize(anfang);
        ziele.push_back({alle ? static_cast<int>(anfang) : -1, static_cast<int>(einfachePools.size()),
                         n->izhikevichAktiv ? 1 : kompartimente});
    }
    poolFelderFuer = mitPools.empty() ? nullptr : &mitPools;
}

void synaptischeStroemeBerechnen(const std::vector<NeuronDaten*>& mitPools)
{
    axoAxonischUebertragen();
    const double t = laufZustand.t;
    const bool felder = poolFelderFuer == &mitPools && ziele.size() == mitPools.size();
    for (size_t i = 0; i < mitPools.size(); ++i) {
        NeuronDaten& n = *mitPools[i];
        if (!felder || ziele[i].anfang < 0) {
            stroemeInsNeuron(n, simulationsParameter, t);
            continue;
        }
        // the same arithmetic as stroemeInsNeuron for such pools, in list order
        const ZielBereich z = ziele[i];
        for (int c = 0; c < z.bis && c < static_cast<int>(n.synStromChemisch.size()); ++c)
            n.synStromChemisch[c] = 0.0;
        for (int c = 0; c < z.bis && c < static_cast<int>(n.synStromElektrisch.size()); ++c)
            n.synStromElektrisch[c] = 0.0;
        for (int j = z.anfang; j < z.ende; ++j) {
            const EinfacherPool& e = einfachePools[static_cast<size_t>(j)];
            SynapsenPool& p = *e.pool;
            if (++p.ringPosition >= p.ringLaenge)
                p.ringPosition -= p.ringLaenge;
            double& g = p.ring[static_cast<size_t>(p.ringPosition)];
            if (e.kompartiment >= 0)
                n.synStromChemisch[static_cast<size_t>(e.kompartiment)] += (e.umkehr - *e.potential) * g;
            g = 0.0;
        }
    }
    aktuellesNeuron = nullptr;
}

// ---- the kind-16 curve ---------------------------------------------------------------------------
void freisetzungsKurveAusRing(KurvenDaten& kurve, int schritte)
{
    SynapseDaten* s = synapseNachId(kurve.synapseId);
    if (!s || !s->verzoegerungsfaktorAn || !s->pool)
        return;
    const std::vector<double>& ring = s->pool->ring;
    const int anzahl = std::min({schritte, static_cast<int>(kurve.werte.size()), static_cast<int>(ring.size())});
    for (int i = 0; i < anzahl; ++i)
        kurve.werte[i] = static_cast<float>(ring[i] * 1e7);
}
