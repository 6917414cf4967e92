// model/aufzeichnung.cpp - datenAufzeichnen: the curve samples and the export cells of a step
#include "model/aufzeichnung.h"
#include "model/ergebnisdateien.h"
#include "model/export.h"
#include "model/netz.h"
#include "model/simulationsparameter.h"
#include "model/simulationspruefung.h"
#include <cmath>

namespace {

size_t probenGrenze = 0;        // samples a slot takes in this run: the step count
int intervallZaehler = 0;       // steps since the last export line
size_t schrittIndex = 0;        // steps recorded in this run
bool somaFuerDatei = false;     // the soma-potential file is asked for: slot 0 of every neuron

constexpr int letzterKanalSlot = kurve::Kanal1 + 3;   // slot 11: 12 and up are reference curves

double potential(const NeuronDaten& n, size_t i) { return i < n.potentiale.size() ? n.potentiale[i] : 0.0; }

// slot 7 with a linked synapse: its conductance in S; false when the slot shows dendrite 3
bool verknuepfteLeitfaehigkeit(const NeuronDaten& n, double t, double& g)
{
    if (!n.ausgangsSynapsen || n.oeffnungSynapseId <= 0)
        return false;
    const SynapseDaten* s = synapseNachId(n.oeffnungSynapseId);
    if (!s)
        return false;
    g = 0.0;
    const int laenge = s->schlangenLaenge;
    if (s->pool) {
        // the place after the ring position
        const std::vector<double>& ring = s->pool->ring;
        int i = s->pool->ringPosition + 1;
        if (laenge > 0 && i >= laenge)
            i -= laenge;
        if (i >= 0 && static_cast<size_t>(i) < ring.size())
            g = ring[static_cast<size_t>(i)];
        return true;
    }
    // axo-axonic: its own delay buffer once the delay has passed; a delay of 0 has no buffer
    const double d = s->verzoegerung;
    const double T = simulationsParameter.schrittweite;
    if (d <= 0.0 || T <= 0.0 || t < d)
        return true;
    const double k = std::trunc(t / d);
    long i = std::lround((t - k * d) / T) + 2;
    if (laenge > 0)
        i %= laenge;
    if (i >= 0 && static_cast<size_t>(i) < s->axoSchlange.size())
        g = s->axoSchlange[static_cast<size_t>(i)];
    return true;
}

// slots 8 to 11: the bound channel's value; a value pointer of the slot selects what it shows
const double* kanalWertZeiger(const NeuronDaten& n, int slot)
{
    const size_t i = static_cast<size_t>(slot - kurve::Kanal1);
    return i < n.aufgezeichneteWerte.size() ? n.aufgezeichneteWerte[i] : nullptr;
}

bool kanalSlotAufgezeichnet(const NeuronDaten& n, int slot)
{
    const KurvenDaten& k = n.hauptDiagramm.kurven[slot];
    return k.anzeigen && k.referenz != kurvenReferenz::Kopie && n.kurvenKanaele[slot - kurve::Kanal1];
}

// slot 0 of a neuron the window path leaves out, for the soma-potential file
void somaAufzeichnen(NeuronDaten& n)
{
    KurvenDaten& k = n.hauptDiagramm.kurven[kurve::Soma];
    if (k.schreibPosition < probenGrenze && k.schreibPosition < k.werte.size())
        k.werte[k.schreibPosition++] = static_cast<float>(potential(n, 0) * 1000.0);
}

void kurvenAufzeichnen(NeuronDaten& n, double t)
{
    for (int slot = 0; slot <= letzterKanalSlot; ++slot) {
        KurvenDaten& k = n.hauptDiagramm.kurven[slot];
        if (!k.anzeigen || k.schreibPosition >= probenGrenze || k.schreibPosition >= k.werte.size())
            continue;
        float wert = 0.0f;
        if (kurvenWert(n, slot, t, wert))
            k.werte[k.schreibPosition++] = wert;
    }
}

} // namespace

bool kurvenWert(const NeuronDaten& n, int slot, double t, float& wert)
{
    if (slot < 0 || slot > letzterKanalSlot)
        return false;
    const KurvenDaten& k = n.hauptDiagramm.kurven[slot];
    double w = 0.0;
    if (slot >= kurve::Kanal1) {
        // user channels
        if (!kanalSlotAufgezeichnet(n, slot))
            return false;
        const double* zeiger = kanalWertZeiger(n, slot);
        w = zeiger ? *zeiger : n.kurvenKanaele[slot - kurve::Kanal1]->strom * -1e9;
    } else if (k.referenz == kurvenReferenz::Eigen) {
        double g = 0.0;
        switch (slot) {
        case 0: w = potential(n, 0) * 1000.0; break;
        case 1: case 2: case 3: case 4: w = n.kanalStrom[static_cast<size_t>(slot - 1)] * -1e9; break;
        case 7: w = verknuepfteLeitfaehigkeit(n, t, g) ? g * 1e9 : potential(n, 3) * 1000.0; break;
        default: w = potential(n, static_cast<size_t>(slot - 4)) * 1000.0; break;
        }
    } else if (k.referenz == kurvenReferenz::Freisetzung) {
        if (slot == 0)
            return false;
        const SynapseDaten* s = synapseNachId(k.synapseId);
        w = s ? s->transmitter.freisetzung : 0.0;
    } else if (k.referenz == kurvenReferenz::Spezial) {
        if (slot < 4)
            return false;
        w = slot == 4 ? n.caKonzentration : n.kanalStrom[static_cast<size_t>(slot - 1)] * k.faktor;
    } else {
        return false;
    }
    wert = static_cast<float>(w);
    return true;
}

void datenAufzeichnen(double t, int start)
{
    if (start) {
        // the user-channel values of the channel slots start at 0
        for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron) {
            if (n->benutzerKanaele.empty())
                continue;
            for (int slot = kurve::Kanal1; slot <= letzterKanalSlot; ++slot) {
                if (!kanalSlotAufgezeichnet(*n, slot))
                    continue;
                BenutzerKanal* kanal = n->kurvenKanaele[slot - kurve::Kanal1];
                if (kanalWertZeiger(*n, slot) == &kanal->oeffnung)
                    kanal->oeffnung = 0.0;
                else
                    kanal->strom = 0.0;
            }
        }
        // the limits of the run and the export's start
        const int schritte = anzahlSchritteBerechnen(simulationsParameter.simulationsDauer, simulationsParameter.schrittweite);
        probenGrenze = schritte > 0 ? static_cast<size_t>(schritte) : 0;
        intervallZaehler = asciiExportEinstellungen.intervall;   // the first step is written
        schrittIndex = 0;
        somaFuerDatei = somaDateiVerlangt();
        exportLaufBeginnen();
        return;
    }
    // an export line every interval + 1 steps
    // (the loop's extra pass at the end of the run, past the step count, exports nothing either)
    bool exportieren = false;
    if (exportPufferDa() && schrittIndex++ < probenGrenze) {
        const int intervall = asciiExportEinstellungen.intervall;
        if (intervall <= 0 || intervallZaehler >= intervall) {
            exportieren = true;
            intervallZaehler = 0;
        } else {
            ++intervallZaehler;
        }
    }
    // every neuron in chain order
    bool zeileBegonnen = false;
    for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron) {
        const bool mitFenster = n->hauptDiagramm.fenster;
        if (mitFenster)
            kurvenAufzeichnen(*n, t);
        if (somaFuerDatei && !(mitFenster && n->hauptDiagramm.kurven[kurve::Soma].anzeigen))
            somaAufzeichnen(*n);
        if (n->exportMaske == 0 || !exportieren || !exportPufferDa())
            continue;
        if (!zeileBegonnen) {
            exportZeileBeginnen(t);
            zeileBegonnen = true;
        }
        exportNeuronZellen(*n);
    }
}
