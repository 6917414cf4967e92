// model/einzelneuron.cpp - the single-neuron run: one neuron stepped alone, its synaptic
// input replayed from what the recording run delivered
#include "model/einzelneuron.h"
#include "core/status.h"
#include "model/export.h"
#include "model/netz.h"
#include "model/simulationsparameter.h"
#include "model/simulationspruefung.h"
#include "model/swim.h"
#include "model/synapse.h"
#include "model/zufall.h"
#include "platform/fenster.h"
#include <algorithm>
#include <ctime>

namespace {

// the loop asks for pending events only every this many steps (Escape ends the run there)
constexpr int pumpIntervall = 256;

double potentialVon(const NeuronDaten& n, size_t c) { return c < n.potentiale.size() ? n.potentiale[c] : 0.0; }

// curve 0 takes the soma potential in mV at its write cursor, while it is shown and has room
void somaAufzeichnen(NeuronDaten& n)
{
    KurvenDaten& k = n.hauptDiagramm.kurven[kurve::Soma];
    if (k.anzeigen && k.schreibPosition < k.werte.size())
        k.werte[k.schreibPosition++] = static_cast<float>(potentialVon(n, 0) * 1000.0);
}

double typPotential(int typ)
{
    return typ >= 0 && typ < static_cast<int>(synapsenTypen.size()) ? synapsenTypen[typ].potential : 0.0;
}

} // namespace

void einzelneuronInitialisieren(NeuronDaten& n)
{
    const ParameterVektor& P = n.parameter;
    auto& k = n.kompartimentSchalter;
    const int segmente = std::max(kompartimentAnzahl(n) - 1, 0);
    // counters and the legacy dendrite current at the soma
    n.apAnzahl = 0;
    n.dendStromAmSoma = n.dendStartAmSoma = n.dendEndeAmSoma = 0.0;
    // dendrites on, up to segment 3 as far as the neuron has segments; the legacy pulse
    // goes into a segment the neuron has
    const int letztes = std::min(3, segmente);
    k = {1, letztes, std::clamp(n.dendSCLocation, std::min(1, letztes), letztes), 1};
    // the SWIM gates and their products
    auto& tor = n.torVariable;
    tor[0] = P[par::SwimMStart];
    tor[1] = P[par::SwimHStart];
    tor[2] = P[par::SwimNStart];
    tor[6] = P[par::SwimCStart];
    n.kanalStrom[4] = tor[0] / 1e9;
    n.kanalStrom[5] = tor[1] / 1e9;
    n.kanalStrom[6] = tor[2] / 1e9;
    n.kanalStrom[3] = tor[6] / 1e9;
    auto& gE = n.leitwertMalPotential;
    gE[0] = P[par::SwimNaE] * P[par::SwimNaG];
    gE[1] = P[par::SwimKE] * P[par::SwimKG];
    gE[3] = P[par::SwimCaE] * P[par::SwimCaG];
    // the user channels that conduct
    for (BenutzerKanal& kanal : n.benutzerKanaele)
        if (kanal.leitfaehigkeit != 0.0) {
            kanal.torWert = kanal.torStartwert;
            kanal.eMalG = kanal.gleichgewichtspotential * kanal.leitfaehigkeit;
        }
    // no dendrite factor or no segment: soma only; leak and rate terms
    if (k[0] == 0 || k[1] == 0)
        k[0] = k[1] = 0;
    const double faktor = k[0];
    n.leckTerm = P[par::SomaRuhepotential] * P[par::SomaLeitwert];
    n.somaLeitwert = faktor * P[par::DendritSomaKopplung] + P[par::SomaLeitwert];
    n.dendLeckTerm = P[par::DendritRuhepotential] * P[par::DendritLeitwert];
    n.somaRate = P[par::SomaLeitwert] / P[par::SomaKapazitaet];
    n.somaRateMitDendrit = (faktor * P[par::SomaDendritKopplung] + P[par::SomaLeitwert]) / P[par::SomaKapazitaet];
    // start potentials
    if (n.potentiale.empty())
        return;
    n.potentiale[0] = P[par::SomaStartpotential];
    std::fill(n.potentiale.begin() + 1, n.potentiale.end(), P[par::DendritStartpotential]);
}

void einzelneuronSynapsenstromSummieren(NeuronDaten& n)
{
    const long k = laufZustand.schrittZaehler;
    std::fill(n.synStromChemisch.begin(), n.synStromChemisch.end(), 0.0);
    std::fill(n.synStromElektrisch.begin(), n.synStromElektrisch.end(), 0.0);
    const int kompartimente = std::min({kompartimentAnzahl(n), static_cast<int>(n.synStromChemisch.size()),
                                        static_cast<int>(n.synStromElektrisch.size())});
    for (const SynapsenPool* p = n.eingangsPools; p; p = p->naechsterPool) {
        // the target area is the compartment here; one the neuron lacks gets nothing
        const int c = p->zielBereich;
        if (c < 0 || c >= kompartimente)
            continue;
        // a pool the recording run left without a record delivers nothing
        if (k < 0 || k >= static_cast<long>(p->aufzeichnung.size()))
            continue;
        const double eingang = p->aufzeichnung[static_cast<size_t>(k)];
        const int ion = synapsenTypIon(p->typ);
        if (ion >= ionenArt::Natrium && ion <= ionenArt::Chemisch)
            n.synStromChemisch[c] += (typPotential(p->typ) - n.potentiale[c]) * (eingang * p->gSumme);
        else if (ion == ionenArt::Elektrisch)
            n.synStromElektrisch[c] += eingang;
    }
}

void startzustandMerkerLoeschen() { laufZustand.eingerichtet = 0; }

void einzelneuronSimulieren(NeuronDaten& n)
{
    const Simulationsparameter& sp = simulationsParameter;
    double& t = laufZustand.t;
    t = 0.0;
    laufZustand.abbrechen = 0;
    // the start state, once per set-up
    if (!laufZustand.eingerichtet || laufZustand.nachLauf) {
        einzelneuronInitialisieren(n);
        laufZustand.eingerichtet = 1;
    }
    // the tables from their start
    aktuellesNeuron = &n;
    for (StromTabelle& tabelle : n.stromTabellen)
        tabelle.aktuellerIndex = 0;
    // the start potential first
    KurvenDaten& soma = n.hauptDiagramm.kurven[kurve::Soma];
    soma.schreibPosition = 0;
    somaAufzeichnen(n);
    zufallStarten(static_cast<uint32_t>(std::time(nullptr)));
    laufZustand.schrittZaehler = 0;
    // the loop; pending events only now and then, so Escape can end it
    while (t < sp.simulationsDauer && !laufZustand.abbrechen) {
        aktuellesNeuron = &n;
        einzelneuronSynapsenstromSummieren(n);
        swimModellBerechnen(n);
        somaAufzeichnen(n);
        t += sp.schrittweite;
        if ((++laufZustand.schrittZaehler % pumpIntervall) == 0 && !plattform::nachrichtenVerarbeitenGedrosselt())
            laufZustand.abbrechen = 1;
    }
    // a finished run does not restore the main window
    plattform::nachrichtenVerarbeitenGedrosselt();
    programmStatus |= programmBit::WiederherstellenAuslassen;
    if (laufZustand.abbrechen) {
        exportPufferFreigeben();
        return;
    }
    t = std::min(t, sp.simulationsDauer);
    if (!soma.werte.empty()) {
        const int schritte = anzahlSchritteBerechnen(sp.simulationsDauer, sp.schrittweite);
        soma.werteAnzahl = std::clamp(schritte, 0, static_cast<int>(soma.werte.size()));
        soma.schreibPosition = 0;
    }
}

void diagrammWerteAufzeichnen()
{
    for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron) {
        for (int slot = 0; slot < kurve::Referenz1; ++slot) {
            KurvenDaten& k = n->hauptDiagramm.kurven[slot];
            if (!k.anzeigen || k.schreibPosition >= k.werte.size())
                continue;
            double wert = 0.0;
            if (slot == kurve::Soma)
                wert = potentialVon(*n, 0) * 1000.0;
            else if (slot <= kurve::Gesamtstrom)
                wert = n->kanalStrom[static_cast<size_t>(slot - 1)] * -1e9;
            else if (slot < kurve::Kanal1)
                wert = potentialVon(*n, static_cast<size_t>(slot - kurve::Dendrit1 + 1)) * 1000.0;
            else if (const BenutzerKanal* kanal = n->kurvenKanaele[static_cast<size_t>(slot - kurve::Kanal1)])
                wert = kanal->strom * -1e9;
            else
                continue;
            k.werte[k.schreibPosition++] = static_cast<float>(wert);
        }
    }
}
