// script/skriptfelder.cpp - the network fields that script statements set, and what they held
// before a run
#include "script/skriptfelder.h"
#include "script/ausfuehrung.h"
#include "model/kanalzeiger.h"
#include "model/netz.h"
#include "model/neuron.h"
#include "model/parameter.h"
#include "model/stromreiz.h"
#include "model/simulationsparameter.h"
#include "model/synapse.h"
#include "core/status.h"
#include "model/diagramm.h"
#include "platform/fenster.h"

namespace {

constexpr Anweisungscode c(const char* wort) { return anweisungscode(wort); }

// the kinds of kept values; the statement kinds of zielArt and a few of our own
namespace art {
constexpr uint32_t Parameter = zielArt::Neuron, Benutzerkanal = zielArt::Benutzerkanal, Reiz = zielArt::Stromreiz,
                   Synapse = zielArt::Synapse, ReizTabelle = 0x100, Ableitung = 0x200, Marken = 0x400,
                   PoolSumme = 0x800, Kurve = 0x1000, Schalter = 0x2000, Anzeige = 0x4000;
}

// the gate fields of a standard channel in the parameter vector
struct StandardKanal { int alpha, beta, potenz, start, e, g; };
bool standardKanal(int nr, StandardKanal& k)
{
    switch (nr) {
    case 1: k = {par::SwimMAlpha, par::SwimMBeta, par::SwimMPotenz, par::SwimMStart, par::SwimNaE, par::SwimNaG}; return true;
    case 8: k = {par::SwimHAlpha, par::SwimHBeta, par::SwimHPotenz, par::SwimHStart, par::SwimNaE, par::SwimNaG}; return true;
    case 2: k = {par::SwimNAlpha, par::SwimNBeta, par::SwimNPotenz, par::SwimNStart, par::SwimKE, par::SwimKG}; return true;
    case 3: k = {par::SwimCAlpha, par::SwimCBeta, par::SwimCPotenz, par::SwimCStart, par::SwimCaE, par::SwimCaG}; return true;
    default: return false;
    }
}

} // namespace

ParameterFelder neuronFelder(Anweisungscode code)
{
    switch (code) {
    case c("SRU"): return {par::SomaRuhepotential};
    case c("DRU"): return {par::DendritRuhepotential};
    case c("SKA"): return {par::SomaKapazitaet};
    case c("DKA"): return {par::DendritKapazitaet};
    case c("LLE"): return {par::SomaLeitwert, par::DendritLeitwert};
    default: return {};
    }
}

int standardKanalFeld(int kanal, Anweisungscode code)
{
    StandardKanal k{};
    if (!standardKanal(kanal, k))
        return -1;
    switch (code) {
    case c("INI"): return k.start;
    case c("POW"): return k.potenz;
    case c("RCA"): return k.alpha + tor::Rate;
    case c("HMA"): return k.alpha + tor::Halbwert;
    case c("SWA"): return k.alpha + tor::Steigung;
    case c("RCB"): return k.beta + tor::Rate;
    case c("HMB"): return k.beta + tor::Halbwert;
    case c("SWB"): return k.beta + tor::Steigung;
    case c("EPO"): return k.e;
    default: return k.g;   // LEI
    }
}

bool standardKanalBekannt(int kanal)
{
    StandardKanal k{};
    return standardKanal(kanal, k);
}

double& benutzerKanalFeld(BenutzerKanal& k, Anweisungscode code)
{
    switch (code) {
    case c("INI"): return k.torStartwert;
    case c("POW"): return k.potenz;
    case c("RCA"): return k.alpha[1];
    case c("HMA"): return k.alpha[2];
    case c("SWA"): return k.alpha[3];
    case c("RCB"): return k.beta[1];
    case c("HMB"): return k.beta[2];
    case c("SWB"): return k.beta[3];
    case c("EPO"): return k.gleichgewichtspotential;
    default: return k.leitfaehigkeit;   // LEI
    }
}

ReizFeld reizFeld(StromreizDefinition& r, Anweisungscode code)
{
    switch (code) {
    case c("RBE"): return {&r.beginn};
    case c("RAN"): return {&r.anstieg};
    case c("RAB"): return {&r.abfall};
    case c("RDA"): return {&r.dach};
    case c("REN"): return {&r.ende};
    case c("RPE"): return {&r.periode};
    case c("RAM"): return {&r.amplitude};
    case c("RPA"): return {&r.pause};
    case c("RWI"): return {nullptr, &r.anzahl};
    case c("RAL"): return {nullptr, &r.alternieren};
    case c("RAR"): return {nullptr, &r.reizart};
    case c("REI"): return {nullptr, &r.an};
    default: return {};
    }
}

double* synapsenFeld(SynapseDaten& syn, Anweisungscode code)
{
    TransmitterDynamik& t = syn.transmitter;
    switch (code) {
    case c("DEL"): return &syn.verzoegerung;
    case c("TRT"): return &syn.freisetzungsSchwelle;
    case c("TRS"): return &syn.freisetzungsSaettigung;
    case c("TSC"): return &t.e;
    case c("TKR"): return &t.potenz;
    case c("TFA"): return &t.faktor;
    case c("THA"): return &t.v0Alpha;
    case c("THB"): return &t.v0Beta;
    case c("TRA"): return &t.rateAlpha;
    case c("TRB"): return &t.rateBeta;
    case c("TSA"): return &t.schrittweiteAlpha;
    case c("TSB"): return &t.schrittweiteBeta;
    default: return nullptr;
    }
}

double* bahnungsFeld(Bahnung& b, Anweisungscode code)
{
    switch (code) {
    case c("TNF"): return &b.tau[0];
    case c("TBF"): return &b.tau[1];
    case c("TND"): return &b.tau[2];
    case c("TBD"): return &b.tau[3];
    case c("ANF"): return &b.a[0];
    case c("ABF"): return &b.a[1];
    case c("AND"): return &b.a[2];
    case c("ABD"): return &b.a[3];
    case c("BNF"): return &b.b[0];
    case c("BBF"): return &b.b[1];
    case c("BND"): return &b.b[2];
    case c("BBD"): return &b.b[3];
    default: return nullptr;
    }
}

// ---- the values before the run ----------------------------------------------------------------

void Ausgangswerte::parameter(int neuron, int feld)
{
    NeuronDaten* n = neuronNachNummer(neuron);
    if (!n || feld < 0 || feld >= static_cast<int>(n->parameter.size()))
        return;
    waechter.behalten({art::Parameter, neuron, feld, 0}, [=, alt = n->parameter[static_cast<size_t>(feld)]] {
        NeuronDaten* m = neuronNachNummer(neuron);
        if (m && static_cast<size_t>(feld) < m->parameter.size())
            m->parameter[static_cast<size_t>(feld)] = alt;
    });
}

void Ausgangswerte::benutzerKanal(int neuron, int position, Anweisungscode code)
{
    NeuronDaten* n = neuronNachNummer(neuron);
    BenutzerKanal* k = n ? benutzerKanalNummer(*n, position) : nullptr;
    if (!k)
        return;
    // a channel deleted meanwhile moves the ones behind it up: the value goes back only to
    // the channel of the name it was taken from
    waechter.behalten({art::Benutzerkanal, neuron, position, code},
                      [=, name = k->name, alt = benutzerKanalFeld(*k, code)] {
                          NeuronDaten* m = neuronNachNummer(neuron);
                          BenutzerKanal* b = m ? benutzerKanalNummer(*m, position) : nullptr;
                          if (b && b->name == name)
                              benutzerKanalFeld(*b, code) = alt;
                      });
}

void Ausgangswerte::reiz(int neuron, int reiz, Anweisungscode code)
{
    NeuronDaten* n = neuronNachNummer(neuron);
    if (!n || reiz < 1 || reiz > reizDefinitionen)
        return;
    const size_t k = static_cast<size_t>(reiz) - 1;
    const ReizFeld f = reizFeld(n->stromreize[k], code);
    if (!f.zahl && !f.ganz)
        return;
    const double zahl = f.zahl ? *f.zahl : 0.0;
    const int ganz = f.ganz ? *f.ganz : 0;
    waechter.behalten({art::Reiz, neuron, reiz, code}, [=] {
        NeuronDaten* m = neuronNachNummer(neuron);
        if (!m)
            return;
        const ReizFeld g = reizFeld(m->stromreize[k], code);
        if (g.zahl)
            *g.zahl = zahl;
        if (g.ganz)
            *g.ganz = ganz;
    });
}

void Ausgangswerte::reizTabelle(int neuron, int kompartiment)
{
    NeuronDaten* n = neuronNachNummer(neuron);
    const size_t k = static_cast<size_t>(kompartiment);
    if (!n || kompartiment < 0 || k >= n->stromTabellen.size() || waechter.haelt({art::ReizTabelle, neuron, kompartiment, 0}))
        return;
    waechter.behalten({art::ReizTabelle, neuron, kompartiment, 0}, [neuron, k, alt = n->stromTabellen[k]] {
        NeuronDaten* m = neuronNachNummer(neuron);
        if (!m || k >= m->stromTabellen.size())
            return;
        m->stromTabellen[k] = alt;
        gereizteKompartimenteZaehlen(*m);
        gereizteKompartimenteGesamtZaehlen();
    });
}

void Ausgangswerte::synapse(int id, Anweisungscode code)
{
    SynapseDaten* s = synapseNachId(id);
    if (!s)
        return;
    if (code == c("SLE")) {
        // the pool's sum goes back by itself (poolSumme): adding the difference back would
        // leave it a rounding off the sum the user had
        poolSumme(id);
        waechter.behalten({art::Synapse, id, 0, code},
                          [=, initial = s->initialLeitfaehigkeit, aktuell = s->leitfaehigkeit] {
                              if (SynapseDaten* t = synapseNachId(id)) {
                                  t->initialLeitfaehigkeit = initial;
                                  t->leitfaehigkeit = aktuell;
                              }
                          });
        return;
    }
    double* f = synapsenFeld(*s, code);
    if (!f)
        f = bahnungsFeld(s->bahnung, code);
    if (!f)
        return;
    waechter.behalten({art::Synapse, id, 0, code}, [=, alt = *f] {
        SynapseDaten* t = synapseNachId(id);
        double* g = t ? synapsenFeld(*t, code) : nullptr;
        if (t && !g)
            g = bahnungsFeld(t->bahnung, code);
        if (g)
            *g = alt;
    });
}

void Ausgangswerte::synapsenAbleitung(int id)
{
    SynapseDaten* s = synapseNachId(id);
    if (!s)
        return;
    waechter.behalten({art::Ableitung, id, 0, 0}, [id, bahnung = s->bahnung, schritte = s->verteilungsSchritte,
                                                   gewicht = s->gewichtungsfaktor] {
        if (SynapseDaten* t = synapseNachId(id)) {
            t->bahnung = bahnung;
            t->verteilungsSchritte = schritte;
            t->gewichtungsfaktor = gewicht;
        }
    });
}

void Ausgangswerte::poolSumme(int id)
{
    SynapseDaten* s = synapseNachId(id);
    if (!s || !s->pool)
        return;
    // Found again through the synapse: a rebuild may give it a pool of its own. Several
    // synapses of one pool keep the sum each; the oldest goes back last.
    waechter.behalten({art::PoolSumme, id, 0, 0}, [id, summe = s->pool->gSumme] {
        if (SynapseDaten* t = synapseNachId(id); t && t->pool)
            t->pool->gSumme = summe;
    });
}

void Ausgangswerte::neuronMarken(int neuron)
{
    NeuronDaten* n = neuronNachNummer(neuron);
    if (!n)
        return;
    waechter.behalten({art::Marken, neuron, 0, 0}, [neuron, ap = n->apZeitenAufzeichnen, ausgabe = n->exportMaske] {
        if (NeuronDaten* m = neuronNachNummer(neuron)) {
            m->apZeitenAufzeichnen = ap;
            m->exportMaske = ausgabe;
        }
    });
}

void Ausgangswerte::kurve(int neuron, int slot)
{
    NeuronDaten* n = neuronNachNummer(neuron);
    if (!n || slot < 0 || slot >= kurvenProDiagramm)
        return;
    // what the preparation of a switched-on slot fills in from the template goes back too
    const KurvenDaten& k = n->hauptDiagramm.kurven[slot];
    waechter.behalten({art::Kurve, neuron, slot, 0}, [neuron, slot, an = k.anzeigen, name = k.bezeichnung,
                                                     einheit = k.dimension, farbe = k.farbe, dicke = k.dicke] {
        NeuronDaten* m = neuronNachNummer(neuron);
        if (!m)
            return;
        DiagrammDaten& d = m->hauptDiagramm;
        KurvenDaten& z = d.kurven[slot];
        z.anzeigen = an;
        z.bezeichnung = name;
        z.dimension = einheit;
        z.farbe = farbe;
        z.dicke = dicke;
        if (d.fenster)
            plattform::ungueltigMachen(d.fenster);
    });
}

void Ausgangswerte::programmSchalter(uint32_t bits)
{
    // a switch of the program, not of the network: it goes back whatever network is open
    waechter.behalten({art::Schalter, 0, 0, bits}, [bits, alt = programmStatus & bits] {
        programmStatus = (programmStatus & ~bits) | alt;
    }, false);
}

void Ausgangswerte::skriptSchalter(uint32_t bits)
{
    waechter.behalten({art::Schalter, 1, 0, bits}, [bits, alt = skriptStatus & bits] {
        skriptStatus = (skriptStatus & ~bits) | alt;
    }, false);
}

void Ausgangswerte::anzeigeIntervall(double neu)
{
    // Both the network's file and the settings hold it: it goes back whatever network is
    // open, unless a network opened meanwhile brought its own.
    waechter.behalten({art::Anzeige, 0, 0, 0}, [neu, alt = simulationsParameter.anzeigeIntervall] {
        if (simulationsParameter.anzeigeIntervall == neu)
            simulationsParameter.anzeigeIntervall = alt;
    }, false);
}
