// bench/bench_dateien.cpp - large networks: saving, reading, opening and deleting them, and
// opening every neuron's diagram window.
//
// Runs the whole program on the scripted platform (no display), in a program directory of
// its own under the system's temporary folder. With VELNOR_BENCH_DATEIEN set to a folder,
// the files saved of each network built in memory are copied there, so that the files of
// two builds can be compared. The network: N SWIM neurons with the
// shipped default files, each with one soma stimulus and its default diagram, and five
// chemical synapses from each neuron to neurons drawn with a fixed seed, until the synapse
// table (4095) is full.
#include "bench_hilfe.h"
#include "core/rahmen.h"
#include "core/status.h"
#include "diagrams/diagramm.h"
#include "files/einstellungsdatei.h"
#include "files/netzdatei.h"
#include "model/anzeigeeinstellungen.h"
#include "model/netz.h"
#include "model/neuron.h"
#include "model/simulationsparameter.h"
#include "model/simulationspruefung.h"
#include "model/standarddateien.h"
#include "model/stromreiz.h"
#include "model/synapse.h"
#include "platform/test/testplattform.h"
#include "tests/stuetzen/programmstart.h"
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

const std::string parameterQuelle = VELNOR_PARAMETER_ORDNER;

using benchhilfe::abbrechen;

// The program directory: "parameter" with the shipped files, default.cfg beside it.
std::string programmOrdner()
{
    static std::string ordner;
    if (!ordner.empty())
        return ordner;
    ordner = (fs::temp_directory_path() / ("velnor-bench-dateien-" + std::to_string(getpid()))).string() + "/";
    fs::remove_all(ordner);
    fs::create_directories(ordner + "parameter");
    for (const auto& e : fs::directory_iterator(parameterQuelle)) {
        const std::string name = e.path().filename().string();
        fs::copy_file(e.path(), name == "default.cfg" ? ordner + name : ordner + "parameter/" + name);
    }
    std::atexit([] { fs::remove_all(ordner); });
    return ordner;
}

// the program up to its message loop, once
void starten()
{
    static bool gestartet = false;
    if (gestartet)
        return;
    gestartet = true;
    benchhilfe::boxenBeantworten();
    programmStatus = programmBit::DiagrammeOeffnen | programmBit::StartUnfertig;
    if (!testhilfe::programmStarten("", programmOrdner()))   // as the tests start: no board library
        abbrechen("the program did not start");
    plattform::nachrichtenVerarbeiten();
    cfgPfad = programmOrdner() + "einstellungen.cfg";
}

std::string netzPfad() { return programmOrdner() + "netz.gui"; }

// the network of N neurons, built in memory (the files are then what the writer makes of it)
void netzBauen(int anzahl)
{
    netzLoeschen();
    const std::string parameter = programmOrdner() + "parameter/";
    standardDateienVorgeben();
    standardDateien.allgemein = parameter + "standard.gen";
    standardDateien.swim = parameter + "swim.channel";
    dendritenModusSetzen(1);
    laufzeitSetzen(0.3, 1e-4);
    simulationsParameter.netzwerkmodell = modell::Swim;
    for (int i = 1; i <= anzahl; ++i) {
        NeuronDaten* n = neuronNeu(i, 0);
        if (!n)
            abbrechen("neuron " + std::to_string(i) + " was not made");
        ++neuronKette.anzahl;
        neuronKette.hoechsteNummer = i;
        if (!kompartimenteAnpassen(*n, 0) || stdParameterAllgemeinLaden(*n) != 1 || stdParameterModell2Laden(*n) != 1)
            abbrechen("the default files did not load");
        n->modellTyp = modell::Swim;
        n->name = "Zelle " + std::to_string(i);
        n->x = 40 + (i % 40) * 30;
        n->y = 40 + (i / 40) * 30;
        StromreizDefinition& r = n->stromreize[0];
        r.beginn = 0.05;
        r.dach = 0.1;
        r.amplitude = 2e-9 + i * 1e-12;
        r.anzahl = 1;
        r.an = 1;
        stromreizKurveErzeugen(*n, 0);
    }
    // five synapses per neuron to neurons drawn with a fixed seed, while ids are left
    std::mt19937 zufall(4711);
    std::uniform_int_distribution<int> ziel(1, anzahl);
    std::uniform_real_distribution<double> streuung(0.5, 2.0);
    const NeueSynapseVorgaben& v = neueSynapseVorgaben;
    for (NeuronDaten* n = neuronKette.kopf; n && synapsenZaehler < synapsenTabellenGroesse - 1; n = n->naechstesNeuron)
        for (int k = 0; k < 5 && synapsenZaehler < synapsenTabellenGroesse - 1; ++k) {
            NeuronDaten* z = neuronNachNummer(ziel(zufall));
            const int typ = k % 2;   // the sodium and the potassium type: both chemical
            SynapseDaten* s = synapseNeu(n, z, typ, v.leitfaehigkeit * streuung(zufall), v.verzoegerung * streuung(zufall),
                                         v.freisetzungsSchwelle, v.freisetzungsSaettigung, 0, nullptr);
            if (!s)
                abbrechen("a synapse was not made");
            synapsenTabelleSetzen(s->id, s);
        }
    dateipfade.dokumentVerzeichnis = programmOrdner();
    dateipfade.netzName = "netz";
    dateipfade.endung = "gui";
    dateipfade.vollerPfad = netzPfad();
}

// The network of N neurons in memory and in its file; built again only when N changes.
void netzBereitstellen(int anzahl)
{
    static int gebaut = -1;
    starten();
    if (gebaut == anzahl && neuronKette.anzahl == anzahl)
        return;
    netzBauen(anzahl);
    if (!guiDateiSpeichern(0, nullptr, 1))
        abbrechen("the network was not saved");
    gebaut = anzahl;
    // the files of the network built in memory, kept for a comparison of two builds
    if (const char* ziel = std::getenv("VELNOR_BENCH_DATEIEN")) {
        fs::create_directories(ziel);
        for (const char* endung : {".gui", ".cur"})
            fs::copy_file(programmOrdner() + "netz" + endung,
                          std::string(ziel) + "/netz-" + std::to_string(anzahl) + endung,
                          fs::copy_options::overwrite_existing);
        fs::copy_file(cfgPfad, std::string(ziel) + "/einstellungen-" + std::to_string(anzahl) + ".cfg",
                      fs::copy_options::overwrite_existing);
    }
}

// the file read into the empty network
void netzLesen()
{
    std::string name = netzPfad();
    if (guiDateiLaden(name) != 1 || neuronKette.kopf == nullptr)
        abbrechen("the network file did not read");
}

// Logs of the scripted platform grow with every message and status text: emptied outside
// the timed part.
void logsLeeren() { plattform::test::logLeeren(); }

void BM_NetzSpeichern(benchmark::State& state)
{
    const int anzahl = static_cast<int>(state.range(0));
    netzBereitstellen(anzahl);
    for (auto _ : state) {
        if (!guiDateiSpeichern(0, nullptr, 1))
            abbrechen("the network was not saved");
    }
    state.counters["bytes"] = static_cast<double>(fs::file_size(netzPfad()));
}

void BM_NetzLesen(benchmark::State& state)
{
    const int anzahl = static_cast<int>(state.range(0));
    netzBereitstellen(anzahl);
    for (auto _ : state) {
        state.PauseTiming();
        netzLoeschen();
        logsLeeren();
        state.ResumeTiming();
        netzLesen();
    }
    if (neuronKette.anzahl != anzahl)
        abbrechen("the network read back with another size");
}

// the open command on the network's own file: the offer to save the network there declined,
// the network kept aside, deleted, the file read, the settings applied and the window list
// shown
void BM_NetzOeffnen(benchmark::State& state)
{
    const int anzahl = static_cast<int>(state.range(0));
    netzBereitstellen(anzahl);
    for (auto _ : state) {
        state.PauseTiming();
        logsLeeren();
        dateipfade.vollerPfad = netzPfad();
        state.ResumeTiming();
        if (simulationOeffnen(0) != 1)
            abbrechen("the open command failed");
    }
    if (neuronKette.anzahl != anzahl)
        abbrechen("the network opened with another size");
}

void BM_NetzLoeschen(benchmark::State& state)
{
    const int anzahl = static_cast<int>(state.range(0));
    netzBereitstellen(anzahl);
    for (auto _ : state) {
        state.PauseTiming();
        if (!neuronKette.kopf)
            netzLesen();
        logsLeeren();
        state.ResumeTiming();
        netzLoeschen();
    }
    netzLesen();
}

// "show all diagrams" with the tiling, and the pending messages (the windows' paints)
// handled; closed again outside the timed part
void BM_FensterOeffnen(benchmark::State& state)
{
    const int anzahl = static_cast<int>(state.range(0));
    netzBereitstellen(anzahl);
    for (auto _ : state) {
        diagrammeVerwalten(2, 1);
        plattform::nachrichtenVerarbeiten();
        state.PauseTiming();
        diagrammeVerwalten(5, 6);
        plattform::nachrichtenVerarbeiten();
        logsLeeren();
        state.ResumeTiming();
    }
}

// n=1000 takes seconds a case under the sanitizers: not in the probe run
void groessen(benchmark::internal::Benchmark* b)
{
    b->ArgName("n")->Arg(100)->Unit(benchmark::kMillisecond);
    if (!benchhilfe::probe())
        b->Arg(1000);
}

} // namespace

BENCHMARK(BM_NetzSpeichern)->Apply(groessen);
BENCHMARK(BM_NetzLesen)->Apply(groessen);
BENCHMARK(BM_NetzOeffnen)->Apply(groessen);
// each deletion needs a read before it, outside the timed part: a fixed number of them
BENCHMARK(BM_NetzLoeschen)->ArgName("n")->Arg(100)->Unit(benchmark::kMillisecond)->Iterations(benchhilfe::probe() ? 1 : 100);
[[maybe_unused]] static const auto* loeschenTausend =
    benchhilfe::probe() ? nullptr
                        : benchmark::RegisterBenchmark("BM_NetzLoeschen", BM_NetzLoeschen)
                              ->ArgName("n")->Arg(1000)->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(BM_FensterOeffnen)->Apply(groessen);

BENCHMARK_MAIN();
