// bench/bench_plattform.cpp - costs of the platform layer that long loops pay
//
// Goals: the throttled pump, when no pump is due, costs well under 100 ns per call, so
// the run may check it every step; converting a 64 KB text costs under 1 ms.
#include "platform/fenster.h"
#include "platform/pfad.h"
#include "platform/qt/qtstart.h"
#include "platform/zeichensatz.h"
#include <benchmark/benchmark.h>
#include <cstdlib>

static void GedrosseltePumpeNichtFaellig(benchmark::State& state)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    plattform::qt::anwendungSicherstellen();
    plattform::nachrichtenVerarbeiten();      // the next 20 ms need no pump
    for (auto _ : state)
        benchmark::DoNotOptimize(plattform::nachrichtenVerarbeitenGedrosselt());
}
BENCHMARK(GedrosseltePumpeNichtFaellig)->MinTime(0.01);

static void Cp1252NachUtf8(benchmark::State& state)
{
    std::string text;
    for (int i = 0; text.size() < 65536; ++i)
        text += "rauschen h\xE4ufigkeit=0.5\r\n";
    for (auto _ : state)
        benchmark::DoNotOptimize(plattform::nachUtf8(text));
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(text.size()));
}
BENCHMARK(Cp1252NachUtf8);

static void PfadOhneGrossschreibungAufloesen(benchmark::State& state)
{
    const std::string pfad = plattform::programmVerzeichnis() + "PARAMETER/nicht da.txt";
    for (auto _ : state)
        benchmark::DoNotOptimize(plattform::pfadAufloesen(pfad));
}
BENCHMARK(PfadOhneGrossschreibungAufloesen);

BENCHMARK_MAIN();
