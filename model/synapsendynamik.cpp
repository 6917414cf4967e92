// model/synapsendynamik.cpp - the synapse dynamics of a step: the source potential becomes a
// conductance written into the delay ring of the synapse's pool
#include "model/synaptisch.h"
#include "core/endemeldung.h"
#include "core/rahmen.h"
#include "core/status.h"
#include "model/formen.h"
#include "model/integration.h"
#include "model/kern.h"
#include "model/laufstart.h"
#include "model/modell_gemeinsam.h"
#include "model/netz.h"
#include "model/zahlen.h"
#include "platform/box.h"
#include "texts/texte.h"
#include <algorithm>
#include <cmath>

double freisetzungsAnteil(double v, double schwelle, double bereich)
{
    if (bereich == 0.0)                     // threshold = saturation: a step, not 0/0
        return v > schwelle ? 1.0 : 0.0;
    return std::clamp((v - schwelle) / bereich, 0.0, 1.0);
}

namespace {

constexpr int anfaz = 0, abfaz = 1, andepr = 2, abdepr = 3;

double kurveY(const Bahnung& b, int i) { return b.a[i] * std::exp(-b.kurvenZeit[i] / b.tau[i]) + b.b[i]; }

// x of the curve A e^(-x/Tau) + B at F; 0 where the logarithm is undefined
double kurveInvertieren(const Bahnung& b, int i, double F)
{
    if (F == 1.0 || F == b.b[i])
        return 0.0;
    const double q = b.a[i] / (F - b.b[i]);
    if (!(q > 0.0) || !std::isfinite(q))
        return 0.0;
    return b.tau[i] * std::log(q);
}

int schrittNummer()
{
    const double T = simulationsParameter.schrittweite;
    return T > 0.0 ? static_cast<int>(std::lround(laufZustand.t / T)) : 0;
}

void aufzeichnungAddieren(SynapsenPool& p, long i, double wert)
{
    if (i >= 0 && i < static_cast<long>(p.aufzeichnung.size()))
        p.aufzeichnung[i] += wert;
}

// 5b: the episode list; r becomes the sum of the shapes
double xlpspAktualisieren(PspForm& f, double r, double t)
{
    // - 2.
    XLPSP* letztes = f.liste;
    while (letztes && letztes->naechstes)
        letztes = letztes->naechstes;
    if (r > 1e-30) {
        if (f.letzteFreisetzung <= 1e-30 || !letztes) {
            XLPSP* neu = new (std::nothrow) XLPSP;
            if (!neu) {
                endeMelden(EndeForm::Hinweis, meldungsTexte[1744]);
                return 0.0;
            }
            neu->startzeit = t;
            if (letztes)
                letztes->naechstes = neu;
            else
                f.liste = neu;
            letztes = neu;
        }
        if (!letztes->abgeschlossen)
            letztes->wert = std::max(letztes->wert, r);
    } else if (letztes) {
        letztes->abgeschlossen = 1;
    }
    // an episode still open stays, however long the release lasts: the next step of
    // the release goes on with it
    if (f.liste && f.liste->abgeschlossen) {
        const double dauer = f.art == pspArt::Exponentiell ? f.dauerExp : f.dauerPolynom;
        if (t - f.liste->startzeit >= dauer) {
            XLPSP* alt = f.liste;
            f.liste = alt->naechstes;
            delete alt;
        }
    }
    f.summe = 0.0;
    const double toleranz = laufEinstellungen.xlpspToleranz;
    for (XLPSP* e = f.liste; e; e = e->naechstes) {
        const double a = t - e->startzeit;
        if (f.art == pspArt::Exponentiell) {
            if (a - f.dauerExp * f.anfangExp <= toleranz)
                f.summe += std::exp(-a / f.expTauAnstieg) * f.expAAnstieg * e->wert;
            else
                f.summe += std::exp(-a / f.expTauAbfall) * f.expAAbfall * e->wert;
        } else if (a < f.anfangPolynom) {
            const auto& k = f.polynom;
            const double poly = k[0] + a * (k[1] + a * (k[2] + a * (k[3] + a * (k[4] + a * k[5]))));
            f.summe += poly * e->wert * k[6];
        } else {
            const auto& k = f.polynomAbfall;
            f.summe += (k[0] * std::exp(-a / k[1]) + k[2]) * e->wert * k[3];
        }
    }
    // kept for the release display
    f.letzteFreisetzung = r;
    return f.summe;
}

} // namespace

// 5c - 5e: the transmitter gate; every form (16 and 17 too) at the source's soma potential v
double transmitterFreisetzung(TransmitterDynamik& d, double v)
{
    const double T = simulationsParameter.schrittweite;
    const FormSpannungen u{v, v};
    const double alpha = funktionaleFormBerechnen(ganzeZahl(d.formAlpha), d.rateAlpha, d.v0Alpha,
                                                  d.schrittweiteAlpha, 1.0, 0.0, u);
    const double beta = funktionaleFormBerechnen(ganzeZahl(d.formBeta), d.rateBeta, d.v0Beta,
                                                 d.schrittweiteBeta, 1.0, 0.0, u);
    const int m = simulationsParameter.integrationsmethode;
    switch (d.abBerechnung) {
    case 1: d.gatterWert = integrationsSchritt(m, d.gatterWert, alpha + beta, alpha, T); break;
    case 2: d.gatterWert = integrationsSchritt(m, d.gatterWert, beta, beta * alpha, T); break;
    case 3:
        if (beta != 0.0)
            d.gatterWert = integrationsSchritt(m, d.gatterWert, 1.0 / beta, alpha / beta, T);
        break;
    default: break;
    }
    d.freisetzung = potenz(d.gatterWert, ganzeZahl(d.potenz));
    const double r = std::clamp(d.freisetzung * d.faktor, 0.0, 1.0);
    d.freisetzung = r;
    return r;
}

namespace {

// facilitation and depression; the factor F
void bahnungRechnen(Bahnung& b, double r, double t, double T)
{
    double& F = b.faktor;
    const double vorher = b.letzteFreisetzung;
    if (b.maximalwertAn) {
        if (r > 0.0 && vorher == 0.0) {
            if (b.letzterFreisetzungsBeginn > 0.0) {
                const double abfall = b.tauAb != 0.0 ? std::exp(-(t - b.letzterFreisetzungsBeginn) / b.tauAb) : 0.0;
                b.summe = b.summe * abfall + (b.maximalwert - 1.0) * abfall;
                F = b.summe + 1.0;
            }
            b.letzterFreisetzungsBeginn = t;
        } else if (r <= 0.0 && vorher > 0.0) {
            F = 1.0;
        }
    } else {
        const bool fazilitation = b.art == bahnungsArt::Fazilitation;
        const int an = fazilitation ? anfaz : andepr;
        const int ab = fazilitation ? abfaz : abdepr;
        if (r > 0.0 && vorher == 0.0) {
            b.kurvenZeit[an] = kurveInvertieren(b, an, F);
        } else if (r > 0.0) {
            b.kurvenZeit[an] += T;
            F = kurveY(b, an);
        } else if (vorher > 0.0) {
            b.kurvenZeit[ab] = kurveInvertieren(b, ab, F);
        } else if (fazilitation ? F > 1.0 : F < 1.0) {
            b.kurvenZeit[ab] += T;
            F = kurveY(b, ab);
            if (fazilitation ? F - 1.0 <= 0.0001 : 1.0 - F <= 0.0001)
                F = 1.0;
        }
    }
    b.letzteFreisetzung = r;
}

// the write position, kept inside the ring
int schreibPosition(const SynapsenPool& p, const SynapseDaten& s)
{
    const int L = std::max(1, p.ringLaenge);
    int pos = p.ringPosition + s.schlangenLaenge;
    while (pos >= L)
        pos -= L;
    return std::max(0, pos);
}

void ringSchreiben(SynapsenPool& p, const SynapseDaten& s, int pos, double v)
{
    std::vector<double>& ring = p.ring;
    const int groesse = static_cast<int>(ring.size());
    const int k = s.verteilungsSchritte;
    if (s.verzoegerungsfaktorAn && k >= 1 && pos < p.ringLaenge - p.ringLaenge / k) {
        if (v <= 0.0)
            return;
        // the spread: the failed test of the first loop counts as well
        int j = 0;
        double w = k;
        int slot = pos;
        while (j++ < k / 2 && w > 0.0) {
            if (slot < groesse)             // never past the ring end
                ring[slot] += v / w * s.gewichtungsfaktor;
            w -= 1.0;
            ++slot;
        }
        while (j++ < k) {
            w += 1.0;
            if (slot < groesse)
                ring[slot] += v / w * s.gewichtungsfaktor;
            ++slot;
        }
        return;
    }
    // Most steps release nothing. Adding 0 changes no slot (the rings hold no -0), and not
    // touching the slot spares a cache miss: the lanes of a step push the rings out.
    if (pos < groesse && v != 0.0)
        ring[pos] += v;
}

void axoSynapse(SynapseDaten& s)
{
    AxoKnoten* a = s.axoKnoten;
    if (!axoAxonischAn() || !a || a->ring.empty()) {
        s.abgabe = 0.0;
        return;
    }
    // a. the release fraction
    double r = s.transmitter.an ? transmitterFreisetzung(s.transmitter, s.quellPotential)
                                : freisetzungsAnteil(s.quellPotential, s.freisetzungsSchwelle, s.freisetzungsBereich);
    // b.
    s.axoLeitfaehigkeit = s.axoLeitfaehigkeitStart;
    r *= s.axoLeitfaehigkeit;
    // c. the current position
    const int L = std::max(1, s.schlangenLaenge);
    int p = a->ringPosition + L;
    while (p >= L)
        p -= L;
    if (p < static_cast<int>(a->ring.size()))
        a->ring[p] = r;
    s.abgabe = r;
    if (p < static_cast<int>(s.axoSchlange.size()))
        s.axoSchlange[p] = r;
}

void elektrischeSynapse(SynapseDaten& s, SynapsenPool& P)
{
    const int eingeschraenkt = netzvorgaben.elektrischeSynapsenEingeschraenkt;
    const int p = eingeschraenkt ? 0 : schreibPosition(P, s);
    const double g = s.leitfaehigkeit;
    s.abgabe = g;
    NeuronDaten* T = neuronNachNummer(s.zielNummer);
    if (!T || T->potentiale.empty())
        return;                             // a missing target is skipped
    const int letztes = kompartimentAnzahl(*T) - 1;
    const double Vs = s.quellPotential;
    const double Vt = laufPotential(*T, std::clamp(s.zielBereich, 0, letztes));
    bool leitet = false;
    switch (s.elektrischerTyp) {
    case 0: leitet = true; break;
    case 1: leitet = Vt > Vs; break;
    case 2: leitet = Vs > Vt; break;
    default: break;
    }
    if (leitet) {
        if (eingeschraenkt) {
            if (P.ring.size() >= 2) {
                P.ring[0] += Vs * g;
                P.ring[1] += Vt * g;
            }
        } else {
            if (p < static_cast<int>(P.ring.size()))
                P.ring[p] += Vs * g;
            if (p == 0)
                P.elektrischerAbzugGesetzt = 1;
            if (P.elektrischerAbzugGesetzt)
                P.elektrischerAbzug += laufPotential(*T, std::clamp(P.zielBereich, 0, letztes)) * g;
        }
    }
    if (teilsimulationsModus == 1 && !P.aufzeichnung.empty()) {
        const long i = schrittNummer();
        aufzeichnungAddieren(P, i, Vs);
        aufzeichnungAddieren(P, i + P.aufzeichnungsVersatz, Vt);
    }
}

void chemischeSynapse(SynapseDaten& s, SynapsenPool& P)
{
    const double t = laufZustand.t;
    const double T = simulationsParameter.schrittweite;
    double r = freisetzungsAnteil(s.quellPotential, s.freisetzungsSchwelle, s.freisetzungsBereich);
    const double schwellenAnteil = r;
    if (s.psp.an)
        r = xlpspAktualisieren(s.psp, schwellenAnteil, t);
    // 5c - 5e.
    if (s.transmitter.an)
        r = transmitterFreisetzung(s.transmitter, s.quellPotential);
    // the conductance, facilitated when asked
    double g = s.leitfaehigkeit;
    if (s.bahnung.an) {
        bahnungRechnen(s.bahnung, r, t, T);
        g = s.leitfaehigkeit * s.bahnung.faktor;
    }
    // what the release display and the channel activation show
    if (s.freisetzungAnzeigen)
        s.freisetzungAnzeige = r;
    if (s.kanalAktivierung)
        s.kanalFreisetzung = r;
    const double v = r * g;
    // into the ring at the delay's position
    const int p = schreibPosition(P, s);
    s.abgabe = v;
    ringSchreiben(P, s, p, v);
    // the permutation mode's input record, at the step the ring delivers this release
    // (a pool kept for the whole run delivers after the synapse's own delay)
    if (teilsimulationsModus == 1 && !P.aufzeichnung.empty()) {
        const int ankunft = P.geschlossen > 0 ? std::max(1, ringSchritte(s.verzoegerung)) : s.schlangenLaenge;
        aufzeichnungAddieren(P, static_cast<long>(schrittNummer()) + ankunft, schwellenAnteil);
    }
}

} // namespace

namespace {

// the dynamics of the neuron's outgoing synapses; mitCursor: the synapse cursor follows
void quellSynapsenBerechnen(NeuronDaten& n, bool mitCursor)
{
    // the source's soma potential drives the release; no synapse's step changes it
    const double quelle = laufPotential(n, 0);
    for (SynapseDaten* s = n.ausgangsSynapsen; s; s = s->naechsteSynapse) {
        if (mitCursor)
            laufZustand.aktuelleSynapse = s;
        // a switched-off synapse transmits nothing
        if (s->ausgeschaltet)
            continue;
        s->quellPotential = quelle;
        synapsenPotential = s->quellPotential;
        // an axo-axonic synapse acts on its parent
        if (s->axoIndex >= 1) {
            axoSynapse(*s);
            continue;
        }
        // only a synapse with a delay ring transmits
        if (!s->pool || s->pool->ring.empty())
            continue;
        const int ion = synapsenTypIon(s->pool->typ);
        if (ion < 1)
            s->abgabe = 0.0;
        else if (ion <= 3)
            chemischeSynapse(*s, *s->pool);
        else if (ion == ionenArt::Elektrisch)
            elektrischeSynapse(*s, *s->pool);
    }
}

} // namespace

void synapsenBerechnen()
{
    for (aktuellesNeuron = neuronKette.kopf; aktuellesNeuron; aktuellesNeuron = aktuellesNeuron->naechstesNeuron)
        quellSynapsenBerechnen(*aktuellesNeuron, true);
    laufZustand.aktuelleSynapse = nullptr;
}

namespace {

// A chemical synapse whose step needs nothing but its threshold, conductance and ring: no
// gate, facilitation, free PSP, display, spread or input record. What its step reads is
// copied here, so the pass does not walk the records, which the lanes of a step push out
// of the caches.
// Its release and source potential, which only its own step and code after the run read,
// go into the record when the records are brought up to date: the release follows from the
// source potential of the last step.
struct EinfacheSynapse {
    SynapseDaten* s;
    SynapsenPool* pool;
    double schwelle, bereich, leitfaehigkeit;
    int schlange;
    bool stummUnterSchwelle;   // a potential at or below the threshold releases 0 exactly
};

// per source neuron of the list the arrays were built for: its range of einfache, or -1
// when one of its synapses takes the full step; where its soma potential lives during the
// run, and its value at the last step
struct QuellBereich {
    int anfang, ende;
    const double* potential;
    double quelle;
};

std::vector<EinfacheSynapse> einfache;
std::vector<QuellBereich> bereiche;
const std::vector<NeuronDaten*>* felderFuer = nullptr;
bool felderGeschritten = false;   // the pass has stepped with the arrays since they were built

bool istEinfach(const SynapseDaten& s)
{
    if (s.ausgeschaltet || s.axoIndex >= 1 || !s.pool || s.pool->ring.empty())
        return false;
    const int ion = synapsenTypIon(s.pool->typ);
    if (ion < 1 || ion > 3)
        return false;
    if (s.psp.an || s.transmitter.an || s.bahnung.an || s.freisetzungAnzeigen || s.kanalAktivierung)
        return false;
    return !(s.verzoegerungsfaktorAn && s.verteilungsSchritte >= 1);
}

} // namespace

void synapsenFelderZurueckschreiben()
{
    if (!felderGeschritten)
        return;
    for (const QuellBereich& b : bereiche)
        for (int j = b.anfang < 0 ? b.ende : b.anfang; j < b.ende; ++j) {
            const EinfacheSynapse& e = einfache[static_cast<size_t>(j)];
            e.s->quellPotential = b.quelle;
            e.s->abgabe = freisetzungsAnteil(b.quelle, e.schwelle, e.bereich) * e.leitfaehigkeit;
        }
    felderGeschritten = false;
}

void synapsenFelderBilden(const std::vector<NeuronDaten*>& quellen)
{
    synapsenFelderZurueckschreiben();
    einfache.clear();
    bereiche.clear();
    felderFuer = nullptr;
    // the input record of a partial run goes the full way
    if (teilsimulationsModus == 1)
        return;
    for (NeuronDaten* n : quellen) {
        const size_t anfang = einfache.size();
        bool alle = true;
        for (SynapseDaten* s = n->ausgangsSynapsen; s && alle; s = s->naechsteSynapse) {
            alle = istEinfach(*s);
            if (alle)
                einfache.push_back({s, s->pool, s->freisetzungsSchwelle, s->freisetzungsBereich, s->leitfaehigkeit,
                                    s->schlangenLaenge,
                                    s->freisetzungsBereich > 0.0 && std::isfinite(s->leitfaehigkeit)});
        }
        if (!alle)
            einfache.resize(anfang);
        bereiche.push_back({alle ? static_cast<int>(anfang) : -1, static_cast<int>(einfache.size()),
                            laufQuelle(*n, laufGroesse::Potential, 0).wert, 0.0});
    }
    felderFuer = quellen.empty() ? nullptr : &quellen;
}

void synapsenBerechnen(const std::vector<NeuronDaten*>& quellen)
{
    if (felderFuer != &quellen || bereiche.size() != quellen.size()) {
        for (NeuronDaten* n : quellen) {
            aktuellesNeuron = n;
            quellSynapsenBerechnen(*n, true);
        }
        aktuellesNeuron = nullptr;
        laufZustand.aktuelleSynapse = nullptr;
        return;
    }
    felderGeschritten = true;
    for (size_t i = 0; i < quellen.size(); ++i) {
        NeuronDaten* n = quellen[i];
        aktuellesNeuron = n;
        QuellBereich& b = bereiche[i];
        if (b.anfang < 0) {
            quellSynapsenBerechnen(*n, true);
            continue;
        }
        // the same arithmetic as chemischeSynapse for such a synapse, in list order
        const double quelle = *b.potential;
        b.quelle = quelle;
        for (int j = b.anfang; j < b.ende; ++j) {
            const EinfacheSynapse& e = einfache[static_cast<size_t>(j)];
            // at or below its threshold (not NaN) the fraction is 0 and the release 0 (a
            // finite conductance): nothing goes into the ring
            if (e.stummUnterSchwelle && quelle <= e.schwelle)
                continue;
            const double v = freisetzungsAnteil(quelle, e.schwelle, e.bereich) * e.leitfaehigkeit;
            SynapsenPool& p = *e.pool;
            const int L = std::max(1, p.ringLaenge);
            int pos = p.ringPosition + e.schlange;
            while (pos >= L)
                pos -= L;
            pos = std::max(0, pos);
            if (pos < static_cast<int>(p.ring.size()) && v != 0.0)
                p.ring[static_cast<size_t>(pos)] += v;
        }
        if (b.ende > b.anfang)
            synapsenPotential = quelle;
    }
    // where the walk through the whole chain leaves the cursors
    aktuellesNeuron = nullptr;
    laufZustand.aktuelleSynapse = nullptr;
}

void synapsenBerechnenOhneCursor()
{
    for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron)
        quellSynapsenBerechnen(*n, false);
}
