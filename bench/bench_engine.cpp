// bench/bench_engine.cpp - cost of the time loop: nanoseconds per neuron-step per model and
// dendrite mode, and the fixed cost per time step, with recording on and off.
//
// Runs on the scripted platform (no display). Every benchmark builds its network once and
// then calls simulationAusfuehren() repeatedly; each call repeats the run's set-up (start
// state, synapse rings) and its end bookkeeping, which the long runs amortise. The counter
// B/neuron is the most heap the network holds during a run, per neuron.
#include "app/einstellungen.h"
#include "bench_hilfe.h"
#include "app/status.h"
#include "model/diagramm.h"
#include "model/laufhaken.h"
#include "model/netz.h"
#include "model/netzeinstellungen.h"
#include "model/neuron.h"
#include "model/parameter.h"
#include "model/simulationsparameter.h"
#include "model/standarddateien.h"
#include "model/stromreiz.h"
#include "model/synapse.h"
#include "model/synaptisch.h"
#include "model/zeitschleife.h"
#include "platform/test/testplattform.h"
#include <benchmark/benchmark.h>
#include <malloc.h>
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

namespace {

const std::string ordner = VELNOR_PARAMETER_ORDNER;

// stands in for a diagram window: the recorder only asks whether there is one
int fensterAttrappe;
plattform::Fenster diagrammFenster() { return reinterpret_cast<plattform::Fenster>(&fensterAttrappe); }

void netzLeeren()
{
    plattform::test::zuruecksetzen();
    programmStatus = 0;
    editierStatus = 0;
    modusStatus = 0;
    fensterhandles = {};
    statusTexte = {};
    markierteNeurone = {};
    netzLoeschen();
    plattform::test::zuruecksetzen();
    benchhilfe::boxenBeantworten();
    simulationsparameterVoreinstellen();
    laufZustand = {};
    stdNeuron.parameter = {};
    stdNeuron.zeichenGroessen = {};
}

// the run settings: model m in dendrite mode `modus`, exponential Euler at 0.1 ms, no noise
void laufEinstellen(int m, int modus, int schritte)
{
    Simulationsparameter& sp = simulationsParameter;
    sp.netzwerkmodell = m;
    sp.netzwerktyp = modus;
    sp.anzahlSegmente = segmenteFuerNetzwerktyp(modus);
    sp.schrittweite = 1e-4;
    sp.integrationsmethode = integration::ExponentiellerEuler;
    sp.rauschenEin = 0;
    sp.rueckkopplungAktiv = 0;
    sp.kollisionAktiv = 0;
    sp.simulationsDauer = (schritte + 0.5) * sp.schrittweite;
    // a series run: no progress texts and no result export, the loop itself is measured
    modusStatus = modusBit::SerieLaeuft;
    standardDateienVorgeben();
    standardDateien.allgemein = ordner + "standard.gen";
    standardDateien.onOff = ordner + "onoff.channel";
    standardDateien.swim = ordner + "swim.channel";
    standardDateien.hh = ordner + "hh.channel";
    standardDateien.gb = ordner + "gb.channel";
}

// a default neuron of model m as the tests build it; recording: the soma potential and the
// first channel current into buffers of the run's length
NeuronDaten* neuronAnlegen(int nummer, int m, bool aufzeichnen, int schritte)
{
    const int segmente = simulationsParameter.anzahlSegmente;
    NeuronDaten* n = neuronNeu(nummer, 0);
    if (!n)
        std::abort();
    ++neuronKette.anzahl;
    neuronKette.hoechsteNummer = std::max(neuronKette.hoechsteNummer, nummer);
    if (!kompartimenteAnpassen(*n, segmente))
        std::abort();
    int geladen = 0;
    switch (m) {
    case modell::Swim:
        geladen = stdParameterAllgemeinLaden(*n) == 1 ? stdParameterModell2Laden(*n) : 0;
        break;
    case modell::OnOff:
        geladen = eingebauteGemeinsameWerte(m, segmente, n->parameter) ? stdParameterModell1Laden(*n) : 0;
        break;
    case modell::HodgkinHuxley:
        geladen = eingebauteGemeinsameWerte(m, segmente, n->parameter) ? stdParameterModell3Laden(*n) : 0;
        break;
    default:
        geladen = eingebauteGemeinsameWerte(m, segmente, n->parameter) ? stdParameterModell4Laden(*n) : 0;
        break;
    }
    if (geladen != 1)
        std::abort();
    n->parameter[par::SegmentAnzahl] = segmente;
    n->modellTyp = m;
    if (aufzeichnen) {
        n->hauptDiagramm.fenster = diagrammFenster();
        for (int slot : {0, 1}) {
            KurvenDaten& k = n->hauptDiagramm.kurven[slot];
            k.anzeigen = 1;
            k.werte.assign(static_cast<size_t>(schritte) + 1, 0.0f);
        }
    }
    return n;
}

// bytes the heap holds now (small blocks and the large ones it maps)
double heapBytes()
{
    const struct mallinfo2 m = mallinfo2();
    return static_cast<double>(m.uordblks + m.hblkhd);
}

// the most the heap held during a run: sampled in every step by the stand-in for the synapse
// dynamics (which the uncoupled networks do not need, the coupled ones call)
double hoechsterHeap = 0.0;
void heapMessen()
{
    synapsenBerechnen();
    hoechsterHeap = std::max(hoechsterHeap, heapBytes());
}

// the neuron-steps of a benchmark: about 2e5 per run, never fewer than 100 steps (the probe
// run: 2000, at least 10)
int schritteFuer(int neurone)
{
    if (benchhilfe::probe())
        return std::max(10, 2000 / std::max(1, neurone));
    return std::max(100, 200000 / std::max(1, neurone));
}

// a soma stimulus table from the definition d (built for the run's length)
void somareizSetzen(NeuronDaten& n, const StromreizDefinition& d)
{
    n.stromreize[0] = d;
    if (stromreizKurveErzeugen(n, 0) != 1)
        std::abort();
}

// a constant soma stimulus from the run's start, too weak to make the default neurons fire:
// what the step pays for reading a stimulus, not for spikes
StromreizDefinition dauerreiz()
{
    StromreizDefinition d;
    d.an = 1;
    d.dauerreiz = 1;
    d.anzahl = 1;
    d.amplitude = 0.02e-9;
    return d;
}

// Calls simulationAusfuehren() while the benchmark runs, then once more with the heap
// sampled in every step, and sets the counters.
// With VELNOR_PRUEFSUMME set, a checksum of what the last run left in every neuron (potentials,
// gates, currents, spike count, samples), as the case's label: builds that step alike show the
// same, so a change to the engine can show that it keeps every bit.
void pruefsummeZeigen(benchmark::State& state, const std::vector<NeuronDaten*>& netz)
{
    if (!std::getenv("VELNOR_PRUEFSUMME"))
        return;
    uint64_t h = 1469598103934665603ull;
    const auto dazu = [&h](const void* p, size_t bytes) {
        for (size_t i = 0; i < bytes; ++i)
            h = (h ^ static_cast<const unsigned char*>(p)[i]) * 1099511628211ull;
    };
    for (const NeuronDaten* n : netz) {
        dazu(n->potentiale.data(), n->potentiale.size() * sizeof(double));
        dazu(n->torVariable.data(), sizeof n->torVariable);
        dazu(n->kanalStrom.data(), sizeof n->kanalStrom);
        dazu(n->synStromChemisch.data(), n->synStromChemisch.size() * sizeof(double));
        dazu(&n->apAnzahl, sizeof n->apAnzahl);
        for (const KurvenDaten& k : n->hauptDiagramm.kurven)
            dazu(k.werte.data(), std::min(k.schreibPosition, k.werte.size()) * sizeof(float));
    }
    char text[24];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(h));
    state.SetLabel(text);
}

void messen(benchmark::State& state, const std::vector<NeuronDaten*>& netz, double heapVorher)
{
    const int neurone = static_cast<int>(netz.size());
    int64_t durchlaeufe = 0;
    for (auto _ : state) {
        laufZustand.eingerichtet = 0;
        const int r = simulationAusfuehren();
        if (r <= 0)
            benchhilfe::abbrechen("a run was refused");
        durchlaeufe += r;
        benchmark::ClobberMemory();
    }
    pruefsummeZeigen(state, netz);
    // What the network holds during a run: the records with their arrays, tables and
    // diagrams, the kernels' lanes, the samples when recording. One more run, with the heap
    // sampled in every step.
    hoechsterHeap = 0.0;
    laufHaken.synapsen = heapMessen;
    laufZustand.eingerichtet = 0;
    simulationAusfuehren();
    laufHaken = {};
    const double heapNachher = hoechsterHeap;
    int aps = 0;
    for (NeuronDaten* n : netz)
        aps += n->apAnzahl;
    const double je = static_cast<double>(durchlaeufe) / static_cast<double>(std::max<int64_t>(1, state.iterations()));
    if (neurone > 0) {
        // seconds per neuron-step, printed with an SI prefix: "38n" is 38 ns
        state.counters["s/neuronschritt"] = benchmark::Counter(je * neurone, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
        state.counters["APs"] = aps;
        state.counters["B/neuron"] = (heapNachher - heapVorher) / neurone;
    }
    state.counters["s/schritt"] = benchmark::Counter(je, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
    netzLeeren();
}

// a chemical synapse from a to b (release between -50 and -30 mV) in the table
void verbinden(NeuronDaten* a, NeuronDaten* b, int typ, double g, double verzoegerung)
{
    SynapseDaten* s = synapseNeu(a, b, typ, g, verzoegerung, -0.05, -0.03, 0, nullptr);
    if (!s || !synapsenTabelleSetzen(s->id, s))
        std::abort();
}
void synapsenVorbereiten(const std::vector<NeuronDaten*>& netz)
{
    for (NeuronDaten* n : netz)
        if (!synapsenLaufVorbereiten(*n))
            std::abort();
}

void laufen(benchmark::State& state, int neurone, bool mitSynapsen, bool mitReiz = false)
{
    const int m = static_cast<int>(state.range(0));
    const int modus = static_cast<int>(state.range(1));
    const bool aufzeichnen = state.range(2) != 0;
    const int schritte = schritteFuer(neurone);
    netzLeeren();
    laufEinstellen(m, modus, schritte);
    const double heapVorher = heapBytes();
    std::vector<NeuronDaten*> netz;
    for (int i = 1; i <= neurone; ++i)
        netz.push_back(neuronAnlegen(i, m, aufzeichnen, schritte));
    if (mitReiz) {
        reizSchrittweiteVoreinstellen();
        for (NeuronDaten* n : netz)
            somareizSetzen(*n, dauerreiz());
        gereizteKompartimenteGesamtZaehlen();
    }
    if (mitSynapsen) {
        // every neuron excites the next and the seventh after it (chemical, 1 ms delay)
        for (int i = 0; i < neurone; ++i)
            for (int d : {1, 7})
                verbinden(netz[i], netz[(i + d) % neurone], 0, 1e-9, 0.001);
        synapsenVorbereiten(netz);
    }
    messen(state, netz, heapVorher);
}

// One second of a network as users build one: 100 SWIM neurons in dendrite mode 3, five
// chemical synapses from each to neurons drawn with a fixed seed (four excitatory, one
// inhibitory; conductance and delay spread by a seeded factor 0.5-2), a train of soma pulses
// into ten of them, the soma potential and the first channel current of every neuron
// recorded. Counted per time step.
void BM_NetzEineSekunde(benchmark::State& state)
{
    const int neurone = 100;
    const int schritte = benchhilfe::probe() ? 1000 : 10000;   // the probe: the first pulses
    netzLeeren();
    laufEinstellen(modell::Swim, 3, schritte);
    const double heapVorher = heapBytes();
    std::vector<NeuronDaten*> netz;
    for (int i = 1; i <= neurone; ++i)
        netz.push_back(neuronAnlegen(i, modell::Swim, true, schritte));
    reizSchrittweiteVoreinstellen();
    for (int i = 0; i < neurone; i += neurone / 10) {
        StromreizDefinition d;
        d.an = 1;
        d.beginn = 0.05 + 0.002 * i;
        d.dach = 0.1;
        d.pause = 0.25;
        d.anzahl = 4;
        d.amplitude = 2e-9 + i * 1e-11;
        somareizSetzen(*netz[static_cast<size_t>(i)], d);
    }
    gereizteKompartimenteGesamtZaehlen();
    std::mt19937 zufall(4711);
    std::uniform_int_distribution<int> ziel(0, neurone - 1);
    std::uniform_real_distribution<double> streuung(0.5, 2.0);
    for (NeuronDaten* n : netz)
        for (int k = 0; k < 5; ++k) {
            const int typ = k < 4 ? 0 : 1;
            const double g = 5e-9 * streuung(zufall), verzoegerung = 0.002 * streuung(zufall);
            verbinden(n, netz[static_cast<size_t>(ziel(zufall))], typ, g, verzoegerung);
        }
    synapsenVorbereiten(netz);
    messen(state, netz, heapVorher);
}

void BM_Ungekoppelt(benchmark::State& state) { laufen(state, static_cast<int>(state.range(3)), false); }
void BM_Gekoppelt(benchmark::State& state) { laufen(state, static_cast<int>(state.range(3)), true); }
void BM_LeeresNetz(benchmark::State& state) { laufen(state, 0, false); }
// the uncoupled neurons, each with a constant soma stimulus
void BM_Gereizt(benchmark::State& state) { laufen(state, static_cast<int>(state.range(3)), false, true); }

// arguments: model (1 on/off, 2 SWIM, 3 HH, 4 GB), dendrite mode (1 or 3), recording (0/1), neurons
void ungekoppeltArgumente(benchmark::internal::Benchmark* b)
{
    b->ArgNames({"modell", "modus", "aufz", "n"});
    for (int m : {1, 2, 3, 4})
        for (int modus : {1, 3})
            for (int aufz : {0, 1})
                for (int n : {1, 10, 100, 1000})
                    b->Args({m, modus, aufz, n});
}
void gekoppeltArgumente(benchmark::internal::Benchmark* b)
{
    b->ArgNames({"modell", "modus", "aufz", "n"});
    for (int m : {1, 2, 3, 4})
        for (int modus : {1, 3})
            for (int aufz : {0, 1})
                b->Args({m, modus, aufz, 100});
}
void gereiztArgumente(benchmark::internal::Benchmark* b)
{
    b->ArgNames({"modell", "modus", "aufz", "n"});
    for (int m : {2, 3})
        for (int modus : {1, 3})
            b->Args({m, modus, 0, 100});
}
void leerArgumente(benchmark::internal::Benchmark* b)
{
    b->ArgNames({"modell", "modus", "aufz"});
    for (int modus : {1, 3})
        b->Args({3, modus, 0});
}

BENCHMARK(BM_LeeresNetz)->Apply(leerArgumente)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Ungekoppelt)->Apply(ungekoppeltArgumente)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Gekoppelt)->Apply(gekoppeltArgumente)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Gereizt)->Apply(gereiztArgumente)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_NetzEineSekunde)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
