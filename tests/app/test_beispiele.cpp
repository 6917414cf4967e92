// tests/app/test_beispiele.cpp - the example networks in examples/: built here, saved by the
// network writer, opened as a user opens them and run to their end
//
// After a change of what the network writer puts into a file, make them anew with
//   VELNOR_BEISPIELE_NEU=1 build-test/tests/app/test_app --gtest_filter='Beispiele.*'
#include "app_hilfe.h"
#include "files/einstellungsdatei.h"
#include "files/netzdatei.h"
#include "model/anzeigeeinstellungen.h"
#include "model/synapse.h"
#include <algorithm>
#include <cmath>
#include <set>
#include <stdexcept>

using namespace apphilfe;

namespace {

constexpr int natrium = 0, kalium = 1, elektrisch = 3;

// examples/ of the source tree (VELNOR_TEST_DATEN is its tests/data)
std::string beispielOrdner()
{
    std::string pfad = VELNOR_TEST_DATEN;
    pfad.resize(pfad.size() - std::string_view("tests/data").size());
    return pfad + "examples/";
}

// soma only, 0.1 ms steps
void netzAnlegen(double dauer)
{
    dendritenModusSetzen(1);
    laufzeitSetzen(dauer, 1e-4);
}

// a new neuron of model m with the program's standard values, named and placed, its soma
// potential shown in its diagram
NeuronDaten& zelle(int nummer, int m, const char* name, int x, int y)
{
    simulationsParameter.netzwerkmodell = m;
    NeuronDaten* n = NeuronFall::neu(nummer, 1);
    if (!n)
        throw std::runtime_error("no neuron");
    n->modellTyp = m;
    n->name = name;
    n->x = x;
    n->y = y;
    n->hauptDiagramm.kurven[kurve::Soma].anzeigen = 1;
    return *n;
}

// anzahl rectangular soma pulses of dauer (s) and amplitude (A), abstand from start to start
StromreizDefinition& reiz(NeuronDaten& n, double beginn, double dauer, double amplitude, int anzahl = 1,
                          double abstand = 0.0)
{
    StromreizDefinition& d = n.stromreize[0];
    d = {};
    d.beginn = beginn;
    d.dach = dauer;
    d.amplitude = amplitude;
    d.anzahl = anzahl;
    d.pause = abstand;
    d.an = 1;
    stromreizKurveErzeugen(n, 0);
    return d;
}

// a synapse of conductance g (S) with the new-synapse defaults for everything else
void synapse(NeuronDaten& a, NeuronDaten& b, int typ, double g)
{
    const NeueSynapseVorgaben& v = neueSynapseVorgaben;
    SynapseDaten* s = synapseNeu(&a, &b, typ, g, v.verzoegerung, v.freisetzungsSchwelle, v.freisetzungsSaettigung, 0,
                                 nullptr);
    if (!s)
        throw std::runtime_error("no synapse");
    synapsenTabelleSetzen(s->id, s);
}

// two neurons of one model, 100 ms of current from 50 ms: below and above the threshold
void schwellenpaar(int m, double schwach, double stark)
{
    netzAnlegen(0.3);
    reiz(zelle(1, m, "schwacher Reiz", 200, 250), 0.05, 0.1, schwach);
    reiz(zelle(2, m, "starker Reiz", 500, 250), 0.05, 0.1, stark);
}

struct Beispiel {
    const char* name;
    void (*bauen)();
    std::vector<int> feuernd;           // neurons that spike in a run
    std::vector<int> stumm;             // neurons that do not
    std::vector<std::pair<int, int>> spikes;   // neuron, its exact spike count
};

const Beispiel beispiele[] = {
    {"onoff", [] { schwellenpaar(modell::OnOff, 0.05e-9, 0.3e-9); }, {2}, {1}, {}},
    {"swim", [] { schwellenpaar(modell::Swim, 0.02e-9, 0.3e-9); }, {2}, {1}, {}},
    {"hodgkin-huxley", [] { schwellenpaar(modell::HodgkinHuxley, 0.02e-9, 0.1e-9); }, {2}, {1}, {}},
    {"golowasch-buchholz", [] { schwellenpaar(modell::GolowaschBuchholz, 2e-9, 20e-9); }, {2}, {1}, {}},
    // the sender excites one neuron and inhibits another; the excited one and its neighbour
    // share a gap junction, one electrical synapse each way
    {"synapsen",
     [] {
         netzAnlegen(0.3);
         NeuronDaten& sender = zelle(1, modell::Swim, "Sender", 150, 250);
         NeuronDaten& erregt = zelle(2, modell::Swim, "erregt", 400, 150);
         NeuronDaten& gehemmt = zelle(3, modell::Swim, "gehemmt", 400, 400);
         NeuronDaten& gekoppelt = zelle(4, modell::Swim, "gekoppelt", 650, 150);
         reiz(sender, 0.05, 0.1, 0.3e-9);
         synapse(sender, erregt, natrium, 2e-7);
         synapse(sender, gehemmt, kalium, 2e-7);
         synapse(erregt, gekoppelt, elektrisch, 5e-9);
         synapse(gekoppelt, erregt, elektrisch, 5e-9);
     },
     {1, 2, 4}, {3}, {}},
    // five pulses 50 ms apart, one spike each; and three bursts of four short pulses
    {"reizfolge",
     [] {
         netzAnlegen(0.3);
         reiz(zelle(1, modell::Swim, "Reizfolge", 200, 250), 0.02, 0.005, 0.5e-9, 5, 0.05);
         NeuronDaten& salven = zelle(2, modell::Swim, "Salven", 500, 250);
         StromreizDefinition& d = reiz(salven, 0.02, 0.003, 0.5e-9, 4, 0.01);
         d.anzahlBursts = 3;
         d.burstabstand = 0.1;
         stromreizKurveErzeugen(salven, 0);
     },
     {1, 2}, {}, {{1, 5}}},
};

class Beispiele : public AppFall {
protected:
    std::string arbeit = testhilfe::tempOrdner("velnor-beispiele");

    void TearDown() override
    {
        AppFall::TearDown();
        std::filesystem::remove_all(arbeit);
    }
    // a program that has just started, with the shipped settings: the argument as on the
    // command line
    void neuStarten(const std::string& argument = "")
    {
        programmZuruecksetzen();
        NeuronFall::leeren();
        if (!ordner.empty())
            std::filesystem::remove_all(ordner);
        ASSERT_TRUE(starten("", argument));
    }
    // the example built and saved as netzName in arbeit (with the settings beside it)
    void bauenUndSpeichern(const Beispiel& b)
    {
        neuStarten();
        verschieben(haupt(), 40, 30, 900, 650);   // where the user put the window
        b.bauen();
        cfgPfad = arbeit + "einstellungen.cfg";
        dateipfade.dokumentVerzeichnis = arbeit;
        dateipfade.netzName = b.name;
        dateipfade.endung = "gui";
        dateipfade.vollerPfad.clear();
        ASSERT_TRUE(guiDateiSpeichern(0, nullptr, 1));
    }
};

std::set<std::string> ausgelieferteBeispiele()
{
    std::set<std::string> namen;
    for (const auto& e : std::filesystem::directory_iterator(beispielOrdner()))
        if (e.path().extension() == ".gui")
            namen.insert(e.path().stem().string());
    return namen;
}

} // namespace

// The shipped files are what the writer makes of the networks built here, and nothing else
// lies in examples/ as a network.
TEST_F(Beispiele, AusgelieferteSindWasDerSchreiberAusIhnenMacht)
{
    const bool neu = std::getenv("VELNOR_BEISPIELE_NEU") != nullptr;
    std::set<std::string> namen;
    for (const Beispiel& b : beispiele) {
        SCOPED_TRACE(b.name);
        namen.insert(b.name);
        bauenUndSpeichern(b);
        EXPECT_TRUE(pt::boxLog().empty()) << pt::boxLog().front().text;
        const std::string gespeichert = arbeit + b.name + ".gui";
        const std::string ausgeliefert = beispielOrdner() + b.name + ".gui";
        if (neu)
            std::filesystem::copy_file(gespeichert, ausgeliefert, std::filesystem::copy_options::overwrite_existing);
        EXPECT_TRUE(lesen(gespeichert) == lesen(ausgeliefert)) << "remake with VELNOR_BEISPIELE_NEU=1";
    }
    EXPECT_EQ(ausgelieferteBeispiele(), namen);
}

// Each opens from the command line without a notice, runs to its end with finite
// potentials, and the neurons that should fire do.
TEST_F(Beispiele, OeffnenSichOhneHinweisUndLaufenBisZumEnde)
{
    for (const Beispiel& b : beispiele) {
        SCOPED_TRACE(b.name);
        // a copy: the run's result files go beside the network
        const std::string datei = arbeit + b.name + ".gui";
        ASSERT_TRUE(std::filesystem::exists(beispielOrdner() + b.name + ".gui"));
        std::filesystem::copy_file(beispielOrdner() + b.name + ".gui", datei,
                                   std::filesystem::copy_options::overwrite_existing);
        neuStarten(datei);
        nachrichtenVerarbeiten();
        ASSERT_TRUE(pt::boxLog().empty()) << pt::boxLog().front().text;
        ASSERT_EQ(dateipfade.vollerPfad, datei);
        ASSERT_GE(neuronKette.anzahl, 2);

        pt::tasteDruecken(haupt(), taste::F2);
        nachrichtenVerarbeiten();
        ASSERT_TRUE(pt::boxLog().empty()) << pt::boxLog().front().text;
        EXPECT_TRUE(programmStatus & programmBit::LaufErgebnisDa);
        EXPECT_DOUBLE_EQ(laufZustand.t, simulationsParameter.simulationsDauer);
        for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron) {
            SCOPED_TRACE(n->name);
            EXPECT_TRUE(std::ranges::all_of(n->potentiale, [](double v) { return std::isfinite(v); }));
            if (std::ranges::count(b.feuernd, n->nummer)) {
                EXPECT_GE(n->apAnzahl, 1);
            }
            if (std::ranges::count(b.stumm, n->nummer)) {
                EXPECT_EQ(n->apAnzahl, 0);
            }
        }
        for (const auto& [nummer, anzahl] : b.spikes)
            EXPECT_EQ(neuronNachNummer(nummer)->apAnzahl, anzahl) << nummer;
    }
}
