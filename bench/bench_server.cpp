// bench/bench_server.cpp - does the server keep real time? One 10 s run of 100 SWIM
// neurons in a chain of chemical synapses at 0.1 ms, on its own thread and the real clock,
// with the simulated board in mode 1 delivering an event every 0.5 s (the probe run: 1 s).
//
// Reports steps per second (10000 is real time), the steps that needed no wait (late), the
// largest lag of simulated behind real time and the wait spins per step.
#include "bench_hilfe.h"
#include "model/netz.h"
#include "model/netzeinstellungen.h"
#include "model/neuron.h"
#include "model/parameter.h"
#include "model/simulationsparameter.h"
#include "model/standarddateien.h"
#include "model/synapse.h"
#include "platform/messkarte.h"
#include "platform/test/testplattform.h"
#include "server/server.h"
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdlib>
#include <string>
#include <thread>

namespace {

const std::string ordner = VELNOR_PARAMETER_ORDNER;

// The board counts its calls; its input shows a sample over the threshold once every
// half second of real time and 0 otherwise, at a count that changes with every poll.
class HalbsekundenKarte : public plattform::SimulierteMesskarte {
public:
    HalbsekundenKarte() { nurZaehlen = true; }
    int16_t DAQ_Start(int16_t g, int16_t k, int16_t v, int16_t* p, uint32_t n, int16_t zb, uint16_t iv) override
    {
        puffer_ = p;
        laenge_ = n;
        beginn_ = std::chrono::steady_clock::now();
        return SimulierteMesskarte::DAQ_Start(g, k, v, p, n, zb, iv);
    }
    int16_t DAQ_Check(int16_t, int16_t* gestoppt, uint32_t* abgeholt) override
    {
        ++zaehler[DaqCheck];
        *gestoppt = 0;
        zaehlung_ = zaehlung_ % laenge_ + 1;
        const double t = std::chrono::duration<double>(std::chrono::steady_clock::now() - beginn_).count();
        const int halbe = static_cast<int>(t * 2.0);
        puffer_[zaehlung_ - 1] = halbe > gemeldet_ ? 3000 : 0;
        gemeldet_ = std::max(gemeldet_, halbe);
        *abgeholt = zaehlung_;
        return 0;
    }

private:
    int16_t* puffer_ = nullptr;
    uint32_t laenge_ = 1, zaehlung_ = 0;
    int gemeldet_ = 0;
    std::chrono::steady_clock::time_point beginn_;
};

void netzBauen(int anzahl)
{
    plattform::test::zuruecksetzen();
    benchhilfe::boxenBeantworten();
    simulationsparameterVoreinstellen();
    Simulationsparameter& sp = simulationsParameter;
    sp.netzwerkmodell = modell::Swim;
    sp.netzwerktyp = 1;
    sp.anzahlSegmente = 0;
    sp.schrittweite = 1e-4;
    sp.simulationsDauer = 1.0;
    standardDateienVorgeben();
    standardDateien.allgemein = ordner + "standard.gen";
    standardDateien.swim = ordner + "swim.channel";
    std::vector<NeuronDaten*> netz;
    for (int i = 1; i <= anzahl; ++i) {
        NeuronDaten* n = neuronNeu(i, 0);
        if (!n || !kompartimenteAnpassen(*n, 0) || stdParameterAllgemeinLaden(*n) != 1 ||
            stdParameterModell2Laden(*n) != 1)
            std::abort();
        ++neuronKette.anzahl;
        neuronKette.hoechsteNummer = i;
        n->modellTyp = modell::Swim;
        netz.push_back(n);
    }
    for (int i = 0; i + 1 < anzahl; ++i) {
        SynapseDaten* s = synapseNeu(netz[i], netz[i + 1], 0, 1e-9, 0.001, -0.05, -0.03, 0, nullptr);
        if (!s || !synapsenTabelleSetzen(s->id, s))
            std::abort();
    }
    serverDaten.eingangsNeuron = 1, serverDaten.eingangsNeuronName = netz.front()->name;
    serverDaten.ausgangsNeuron = anzahl, serverDaten.ausgangsNeuronName = netz.back()->name;
}

void BM_ServerEchtzeit(benchmark::State& state)
{
    netzBauen(100);
    HalbsekundenKarte karte;
    messkarteBinden(karte);
    ServerBerichtZahlen zahlen;
    const auto dauer = std::chrono::seconds(benchhilfe::probe() ? 1 : 10);
    for (auto _ : state) {
        serverEinstellungenInit(serverLauf);
        if (serverLauf.modus != serverModus::MitKarte || !serverStartVorbereiten(serverDaten, serverLauf))
            benchhilfe::abbrechen("the server did not start in mode 1");
        ServerBefehle befehle;
        double sekunden = 0.0;
        std::thread faden([&] { sekunden = serverBetriebThread(serverDaten, serverLauf, serverSystemUhr(), befehle); });
        std::this_thread::sleep_for(dauer);
        befehle.senden({ServerBefehl::Stopp, 0.0, 0});
        faden.join();
        zahlen = serverBerichtZahlen(serverLauf.zaehler, sekunden);
        const ServerZaehler& z = serverLauf.zaehler;
        state.counters["schritte/s"] = zahlen.schritteProSekunde;
        state.counters["verspaetet"] = static_cast<double>(z.verspaetet);
        state.counters["groessterRueckstand_s"] = z.groessterRueckstand;
        state.counters["runden/schritt"] = static_cast<double>(zahlen.rundenProSchritt);
        state.counters["ereignisse"] = serverLauf.ereignisAnzahl;
        serverEndeBearbeiten(serverLauf, sekunden);
    }
    daqFunktionen = &plattform::keineMesskarte();
    netzLoeschen();
}

BENCHMARK(BM_ServerEchtzeit)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
