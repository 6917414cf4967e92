// bench/bench_plattform.cpp - costs of the platform layer that long loops pay
//
// Goals: the throttled pump, when no pump is due, costs well under 100 ns per call, so
// the run may check it every step; converting a 64 KB text costs under 1 ms; an event
// line going into the time measurement's list costs the same whether the list holds a
// hundred lines or twenty thousand.
#include "bench_hilfe.h"
#include "platform/dialog.h"
#include "platform/fenster.h"
#include "platform/pfad.h"
#include "platform/qt/qtstart.h"
#include "platform/zeichensatz.h"
#include "resources/vorlagen.h"
#include <benchmark/benchmark.h>
#include <cstdio>
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

namespace {
intptr_t stillerDialog(plattform::Fenster, uint32_t, uintptr_t, intptr_t) { return 0; }
constexpr int ereignisListe = 2303;   // the list box of dialog 328

std::string ereignisZeile(int i)
{
    char z[32];
    std::snprintf(z, sizeof z, "%.5f\r\n", i * 0.001);
    return z;
}
} // namespace

// One event line into the list box of the time measurement dialog, as the threshold
// detection adds them: inserted at the caret, with state.range(0) lines there before. The
// time per line should not grow with the lines present.
static void EreignisZeileEinfuegen(benchmark::State& state)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    plattform::qt::anwendungSicherstellen();
    plattform::Fenster dlg = plattform::dialogModeless(vorlageZeitmessung, nullptr, stillerDialog);
    std::string vorher;
    for (int i = 0; i < state.range(0); ++i)
        vorher += ereignisZeile(i);
    const std::string zeile = ereignisZeile(state.range(0));
    int n = 0;
    for (auto _ : state) {
        if (n++ % 100 == 0) {
            state.PauseTiming();
            plattform::elementTextSetzen(dlg, ereignisListe, vorher);
            state.ResumeTiming();
        }
        plattform::elementTextEinfuegen(dlg, ereignisListe, zeile);
    }
    plattform::dialogBeenden(dlg, 0);
    plattform::nachrichtenVerarbeiten();
}
BENCHMARK(EreignisZeileEinfuegen)->Arg(100)->Arg(20000)->Iterations(benchhilfe::probe() ? 1 : 1000);

// the same line by setting the whole list text again: grows with the list
static void EreignisListeNeuSetzen(benchmark::State& state)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    plattform::qt::anwendungSicherstellen();
    plattform::Fenster dlg = plattform::dialogModeless(vorlageZeitmessung, nullptr, stillerDialog);
    std::string text;
    for (int i = 0; i < state.range(0); ++i)
        text += ereignisZeile(i);
    for (auto _ : state)
        plattform::elementTextSetzen(dlg, ereignisListe, text + ereignisZeile(state.range(0)));
    plattform::dialogBeenden(dlg, 0);
    plattform::nachrichtenVerarbeiten();
}
BENCHMARK(EreignisListeNeuSetzen)->Arg(100)->Arg(20000)->Iterations(benchhilfe::probe() ? 1 : 20);

BENCHMARK_MAIN();
