// model/aufzeichnung.cpp - datenAufzeichnen: the curve samples and the export cells of a step
#include "model/aufzeichnung.h"
#include "model/ergebnisdateien.h"
#include "model/export.h"
#include "model/kern.h"
#include "model/netz.h"
#include "model/simulationsparameter.h"
#include "model/simulationspruefung.h"
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace {

size_t probenGrenze = 0;        // samples a slot takes in this run: the step count
int intervallZaehler = 0;       // steps since the last export line
size_t schrittIndex = 0;        // steps recorded in this run
bool somaFuerDatei = false;     // the soma-potential file is asked for: slot 0 of every neuron

constexpr int letzterKanalSlot = kurve::Kanal1 + 3;   // slot 11: 12 and up are reference curves

// during a run the potentials the step writes live where the run kernel keeps them
double potential(const NeuronDaten& n, size_t i) { return laufPotential(n, static_cast<int>(i)); }

// One slot the run records in every step: its value is (*quelle * qFaktor) * faktor, or,
// without a source, what kurvenWert says (a slot that follows a synapse). Built at the run's
// start and after every pass of the event pump, for the slots in use of the main diagrams
// with a window and the soma-potential file.
struct Eintrag {
    KurvenDaten* kurve;
    const NeuronDaten* neuron;
    int slot;
    const double* quelle;
    double qFaktor, faktor;
    size_t grenze;   // samples it takes: the step count, never more than its buffer
};
// those with a source, in the form the loop takes them: the write position lives here while
// the run goes on (aufzeichnungSichern puts it back into the slot)
struct Schnell {
    float* ziel;
    size_t position, grenze;
    const double* quelle;
    double qFaktor, faktor;
    KurvenDaten* kurve;
};
std::vector<Schnell> schnelle;
std::vector<Eintrag> uebrige;
// The samples of the last steps of all of them, a row per step: a step writes its row in
// one go, and every blockSchritte steps each slot takes its part in one piece, where it
// would otherwise write one float into a buffer of its own per step.
constexpr size_t blockSchritte = 16;
constexpr size_t vorab = 8;
std::vector<float> block;
size_t blockZeilen = 0;
// Runs of entries whose sources lie side by side with the same factors (a kernel's lane of
// all its neurons): a step copies them in one vectorised pass.
struct Lauf {
    size_t erster, anzahl;
    const double* quelle;
    double qFaktor, faktor;
};
std::vector<Lauf> laeufe;
// The neurons stepped one by one on their records, and per neuron the slots that its step
// writes (fruehe[r] is entry r of the row, those of neuron j from frueheLaeufe[j] to
// frueheLaeufe[j + 1]): taken right after its step into the row of the step; fruehGenommen
// says whether they are there. (Every step reads them all: 24 bytes a slot, not a Lauf's 40.)
struct Frueh {
    const double* quelle;
    double qFaktor, faktor;
};
std::vector<NeuronDaten*> einzelne;
std::vector<Frueh> fruehe;
std::vector<size_t> frueheLaeufe;
bool fruehGenommen = false;

[[gnu::always_inline]] inline void fruehNehmen(size_t r, float* zeile)
{
    const Frueh& f = fruehe[r];
    zeile[r] = static_cast<float>(*f.quelle * f.qFaktor * f.faktor);
}

void laufNehmen(const Lauf& l, float* zeile)
{
    float* __restrict z = zeile + l.erster;
    const double* __restrict q = l.quelle;
    for (size_t j = 0; j < l.anzahl; ++j)
        z[j] = static_cast<float>(q[j] * l.qFaktor * l.faktor);
}

void blockLeeren()
{
    const size_t E = schnelle.size();
    for (size_t e = 0; e < E; ++e) {
        // (each slot's piece lies in a buffer of its own, away from the others: its place is
        // asked for a few slots ahead)
        if (e + vorab < E) {
            const Schnell& v = schnelle[e + vorab];
            __builtin_prefetch(v.ziel + v.position, 1);
            __builtin_prefetch(v.ziel + v.position + blockSchritte - 1, 1);
        }
        Schnell& s = schnelle[e];
        const size_t n = std::min(blockZeilen, s.grenze - std::min(s.grenze, s.position));
        for (size_t k = 0; k < n; ++k)
            s.ziel[s.position + k] = block[k * E + e];
        s.position += n;
    }
    blockZeilen = 0;
}
// the neurons with an export mask, in chain order
std::vector<NeuronDaten*> exportNeurone;
const double keinWert = 0.0;

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

// the entry of a slot kurvenWert records; false for a slot it leaves alone
bool eintragVon(NeuronDaten& n, int slot, Eintrag& e)
{
    KurvenDaten& k = n.hauptDiagramm.kurven[slot];
    e = {&k, &n, slot, nullptr, 1.0, 1.0, std::min(probenGrenze, k.werte.size())};
    const auto quelle = [&](int groesse, int index, double faktor) {
        const LaufQuelle q = laufQuelle(n, groesse, index);
        e.quelle = q.wert;
        e.qFaktor = q.faktor;
        e.faktor = faktor;
        return true;
    };
    if (slot >= kurve::Kanal1) {
        if (!kanalSlotAufgezeichnet(n, slot))
            return false;
        if (const double* zeiger = kanalWertZeiger(n, slot)) {
            e.quelle = zeiger;
            return true;
        }
        e.quelle = &n.kurvenKanaele[slot - kurve::Kanal1]->strom;
        e.faktor = -1e9;
        return true;
    }
    if (k.referenz == kurvenReferenz::Eigen) {
        switch (slot) {
        case 0: return quelle(laufGroesse::Potential, 0, 1000.0);
        case 1: case 2: case 3: case 4: return quelle(laufGroesse::KanalStrom, slot - 1, -1e9);
        case 7: return true;   // the linked synapse's conductance, or the third segment
        default: return quelle(laufGroesse::Potential, slot - 4, 1000.0);
        }
    }
    if (k.referenz == kurvenReferenz::Freisetzung) {
        if (slot == 0)
            return false;
        const SynapseDaten* s = synapseNachId(k.synapseId);
        e.quelle = s ? &s->transmitter.freisetzung : &keinWert;
        return true;
    }
    if (k.referenz == kurvenReferenz::Spezial) {
        if (slot < 4)
            return false;
        return slot == 4 ? quelle(laufGroesse::CaKonzentration, 0, 1.0)
                         : quelle(laufGroesse::KanalStrom, slot - 1, k.faktor);
    }
    return false;
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
        case 1: case 2: case 3: case 4: w = laufWert(n, laufGroesse::KanalStrom, slot - 1) * -1e9; break;
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
        w = slot == 4 ? laufWert(n, laufGroesse::CaKonzentration)
                      : laufWert(n, laufGroesse::KanalStrom, slot - 1) * k.faktor;
    } else {
        return false;
    }
    wert = static_cast<float>(w);
    return true;
}

namespace {

// the start of a run's recording
[[gnu::noinline]] void aufzeichnungBeginnen()
{
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
    aufzeichnungNeuAufbauen();
}

// the samples and the export line of one step
[[gnu::noinline]] void schrittAufzeichnen(double t)
{
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
    // the slots
    // (the values of neurons stepped one by one lie in their records, far apart: asked for
    // a few entries ahead, they are there when their turn comes)
    float* zeile = block.data() + blockZeilen * schnelle.size();
    for (size_t r = 0; r < laeufe.size(); ++r) {
        if (r + vorab < laeufe.size())
            __builtin_prefetch(laeufe[r + vorab].quelle);
        laufNehmen(laeufe[r], zeile);
    }
    if (!fruehGenommen)
        for (size_t r = 0; r < fruehe.size(); ++r)
            fruehNehmen(r, zeile);
    fruehGenommen = false;
    if (++blockZeilen == blockSchritte)
        blockLeeren();
    for (const Eintrag& e : uebrige) {
        KurvenDaten& k = *e.kurve;
        float wert = 0.0f;
        if (k.schreibPosition < e.grenze && kurvenWert(*e.neuron, e.slot, t, wert))
            k.werte[k.schreibPosition++] = wert;
    }
    // every neuron with an export mask in chain order, from its record
    if (!exportieren)
        return;
    bool zeileBegonnen = false;
    for (NeuronDaten* n : exportNeurone) {
        if (!exportPufferDa())
            break;
        if (!zeileBegonnen) {
            exportZeileBeginnen(t);
            zeileBegonnen = true;
        }
        laufKernZurueckschreiben(*n);
        exportNeuronZellen(*n);
    }
}

} // namespace

void datenAufzeichnen(double t, int start)
{
    if (start) {
        aufzeichnungBeginnen();
        return;
    }
    // (a run that records nothing costs no more; the work is not even set up)
    if (schnelle.empty() && uebrige.empty() && !exportPufferDa()) [[likely]]
        return;
    schrittAufzeichnen(t);
}

void aufzeichnungNeuAufbauen()
{
    blockZeilen = 0;
    fruehGenommen = false;
    schnelle.clear();
    uebrige.clear();
    exportNeurone.clear();
    fruehe.clear();
    frueheLaeufe.assign(1, 0);
    // The entries of each slot number together, in chain order: a kernel's neurons have their
    // lanes side by side, so one slot of all of them makes a run. Those of a neuron stepped
    // one by one whose values lie in its record come first, by neuron in stepping order.
    static std::vector<Schnell> nachSlot[letzterKanalSlot + 1];
    for (std::vector<Schnell>& v : nachSlot)
        v.clear();
    size_t naechsterEinzelner = 0;
    for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron) {
        // (a neuron's slots lie a line or more apart in its record, and the records far from
        // each other: the next neuron's window is asked for while this one is listed, and a
        // neuron's slots all at once before the first is read)
        if (const NeuronDaten* m = n->naechstesNeuron)
            __builtin_prefetch(&m->hauptDiagramm.fenster);
        const bool einzeln = naechsterEinzelner < einzelne.size() && einzelne[naechsterEinzelner] == n;
        const uintptr_t von = reinterpret_cast<uintptr_t>(n), bis = von + sizeof(NeuronDaten);
        const uintptr_t pVon = reinterpret_cast<uintptr_t>(n->potentiale.data());
        const uintptr_t pBis = pVon + n->potentiale.size() * sizeof(double);
        const auto eintragen = [&](const Eintrag& e) {
            const uintptr_t q = reinterpret_cast<uintptr_t>(e.quelle);
            const Schnell s{e.kurve->werte.data(), e.kurve->schreibPosition, e.grenze, e.quelle, e.qFaktor, e.faktor,
                            e.kurve};
            if (!e.quelle)
                uebrige.push_back(e);
            else if (einzeln && ((q >= von && q < bis) || (q >= pVon && q < pBis))) {
                fruehe.push_back({e.quelle, e.qFaktor, e.faktor});
                schnelle.push_back(s);
            } else {
                nachSlot[e.slot].push_back(s);
            }
        };
        const bool mitFenster = n->hauptDiagramm.fenster;
        Eintrag e;
        if (mitFenster) {
            for (int slot = 0; slot <= letzterKanalSlot; ++slot)
                __builtin_prefetch(&n->hauptDiagramm.kurven[slot].anzeigen);
            for (int slot = 0; slot <= letzterKanalSlot; ++slot)
                if (n->hauptDiagramm.kurven[slot].anzeigen && eintragVon(*n, slot, e))
                    eintragen(e);
        }
        if (somaFuerDatei && !(mitFenster && n->hauptDiagramm.kurven[kurve::Soma].anzeigen)) {
            KurvenDaten& k = n->hauptDiagramm.kurven[kurve::Soma];
            const LaufQuelle q = laufQuelle(*n, laufGroesse::Potential, 0);
            eintragen({&k, n, kurve::Soma, q.wert, q.faktor, 1000.0, std::min(probenGrenze, k.werte.size())});
        }
        if (n->exportMaske != 0)
            exportNeurone.push_back(n);
        if (einzeln) {
            frueheLaeufe.push_back(fruehe.size());
            ++naechsterEinzelner;
        }
    }
    for (const std::vector<Schnell>& v : nachSlot)
        schnelle.insert(schnelle.end(), v.begin(), v.end());
    block.resize(blockSchritte * schnelle.size());
    // the runs of the others
    laeufe.clear();
    for (size_t e = fruehe.size(); e < schnelle.size(); ++e) {
        const Schnell& s = schnelle[e];
        if (!laeufe.empty()) {
            Lauf& l = laeufe.back();
            if (s.quelle == l.quelle + l.anzahl && s.qFaktor == l.qFaktor && s.faktor == l.faktor) {
                ++l.anzahl;
                continue;
            }
        }
        laeufe.push_back({e, 1, s.quelle, s.qFaktor, s.faktor});
    }
}

void aufzeichnungEinzelneSetzen(const std::vector<NeuronDaten*>& neurone) { einzelne = neurone; }

void aufzeichnungNachSchritt(size_t j)
{
    if (j + 1 >= frueheLaeufe.size())
        return;
    float* zeile = block.data() + blockZeilen * schnelle.size();
    for (size_t r = frueheLaeufe[j]; r < frueheLaeufe[j + 1]; ++r)
        fruehNehmen(r, zeile);
    fruehGenommen = true;
}

void aufzeichnungSichern()
{
    blockLeeren();
    for (const Schnell& e : schnelle)
        e.kurve->schreibPosition = e.position;
}
