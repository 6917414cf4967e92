// tests/server/test_serverstart.cpp - what a start changes and the end gives back
#include "server_hilfe.h"
#include "model/laufstart.h"
#include "model/simulationspruefung.h"
#include "model/stromreiz.h"
#include "platform/box.h"
#include "server/server.h"
#include <algorithm>
#include <filesystem>
#include <functional>

using namespace apphilfe;

namespace {

// two SWIM neurons, the second with a stimulus that ends (an endless run switches it off)
struct ServerStart : servertest::ZweiNeuroneFall {
    ServerStart() : ZweiNeuroneFall("velnor-serverstart") {}
    void SetUp() override
    {
        NeuronFall::SetUp();
        netzAufbauen(2);
        StromreizDefinition& r = n[1]->stromreize[0];
        r.an = 1, r.beginn = 0.002, r.dach = 0.005, r.amplitude = 1e-9, r.pause = 0.01, r.anzahl = 1;
        ASSERT_EQ(stromreizKurveErzeugen(*n[1], 0), 1);
        daqFunktionen = &karte;
        spikeAufzeichnung.aufzeichnen = 1;
        programmStatus |= programmBit::WerteExportieren;
    }
    void TearDown() override
    {
        spikeAufzeichnung.aufzeichnen = 0;
        programmStatus &= ~programmBit::WerteExportieren;
        ZweiNeuroneFall::TearDown();
    }
    // duration, stimulus switch and table points, the user's switches of spike recording
    // and export (their menu marks): what an endless run changes
    std::tuple<double, int, int, int, bool> netz() const
    {
        return {simulationsParameter.simulationsDauer, n[1]->stromreize[0].an, n[1]->stromTabellen[0].anzahlPunkte,
                spikeAufzeichnung.aufzeichnen, (programmStatus & programmBit::WerteExportieren) != 0};
    }
};

TEST_F(ServerStart, RefusedStartLeavesRecordNetworkAndProgram)
{
    const std::pair<std::function<void()>, int> faelle[] = {
        {[] { teilsimulationsModus = 1; }, 1351},
        {[&] { n[0]->modellTyp = modell::HodgkinHuxley; }, 1352},
        {[] { serverDaten.ausgangsNeuron = 0; }, 517},
        {[] { serverDaten.eingangsNeuronName = "anders"; }, 517},   // the number names another neuron
        {[] { laufzeitSetzen(20.0, 2.0); }, 1353},   // a kernel under three entries
    };
    for (const auto& [setzen, text] : faelle) {
        setzen();
        pt::boxAntworten({plattform::antwort::Ok});
        const auto vorher = netz();
        EXPECT_FALSE(serverStartVorbereiten(serverDaten, serverLauf)) << text;
        EXPECT_EQ(pt::boxLog().at(0).text.substr(0, 10), meldungsTexte[text].substr(0, 10));
        EXPECT_EQ(netz(), vorher) << text;
        EXPECT_EQ(serverLauf.kern.laenge, 0) << text;
        TearDown();
        SetUp();
    }
}

// however the loop ended, the next run finds duration, step, stimuli and switches as before
TEST_F(ServerStart, EndRestoresDurationStepAndStimuliAfterEveryEnd)
{
    struct Uhr : ServerUhr {   // a step ahead per reading; the fourth ends the run
        int abbruch = 0, n = 0;
        double jetzt() override
        {
            if (++n == 4 && abbruch == 1)
                laufZustand.abbrechen = 1;
            else if (n == 4 && abbruch == 0)
                serverLauf.steuerBits |= serverBit::StoppAnforderung;
            return n * 0.25;
        }
        std::time_t kalenderzeit() override { return 1700000000; }   // every run in the same second
    };
    // every run logs; a record of the same second is there already
    serverDaten.stromInDatei = 1;
    serverDaten.stromDatei = ordner + "kern";
    std::tm start{};
    const std::time_t zeit = 1700000000;
    localtime_r(&zeit, &start);
    const std::string name = serverLogName(serverDaten, start), ohneEndung = name.substr(0, name.size() - 4);
    testhilfe::schreiben(ohneEndung + "_2.txt", "fremd");
    // 0 the stop bit, 1 the abort flag, 2 a sample at the stop level
    for (const auto& [abbruch, modus] : {std::pair{0, serverModus::KeineKarte}, {1, serverModus::KeineKarte},
                                        {1, serverModus::MitKarte}, {2, serverModus::MitKarte}}) {
        serverLauf.modus = modus;
        karte.log.clear();
        karte.abholungen.clear();
        if (abbruch == 2)
            karte.abholungen.push_back({1, -500}), zuletztAbgeholt = 0;
        const auto vorher = netz();
        const double dt = simulationsParameter.schrittweite;
        n[0]->hauptDiagramm.kurven[0].werte.assign(5, 0.0f);   // shorter than the run
        ASSERT_TRUE(serverStartVorbereiten(serverDaten, serverLauf));
        EXPECT_NE(netz(), vorher);
        Uhr uhr;
        uhr.abbruch = abbruch;
        ServerBefehle befehle;
        const double sekunden = serverBetriebThread(serverDaten, serverLauf, uhr, befehle);
        simulationsParameter.schrittweite = 1e-3;   // as the server's own step would set it
        EXPECT_TRUE(serverEndeBearbeiten(serverLauf, sekunden).ends_with(modus == serverModus::MitKarte ? "\n0 AD-eingaenge" : "\n0 Tabelle-APs"));
        EXPECT_EQ(netz(), vorher);
        EXPECT_EQ(simulationsParameter.schrittweite, dt);
        EXPECT_EQ(n[0]->hauptDiagramm.kurven[0].werteAnzahl, 5);
        if (modus == serverModus::MitKarte) {   // the board released and channel 0 at rest
            EXPECT_EQ(std::vector(karte.log.end() - 5, karte.log.end()),
                      (std::vector<std::string>{"DAQ_Clear(1)", "DAQ_DB_Config(1, 0)", "Timeout_Config(1, -1)",
                                                "AO_Write(1, 0, 0)", "AO_Write(1, 1, 0)"}));
        }
        laufZustand.abbrechen = 0;
    }
    // each run its own record, the first under the time alone, the others under free numbers
    std::vector<std::string> logs;
    for (const auto& e : std::filesystem::directory_iterator(ordner))
        if (e.path().filename().string().starts_with("kern "))
            logs.push_back(e.path().string());
    std::ranges::sort(logs);
    EXPECT_EQ(logs, (std::vector<std::string>{name, ohneEndung + "_2.txt", ohneEndung + "_3.txt",
                                              ohneEndung + "_4.txt", ohneEndung + "_5.txt"}));
    EXPECT_EQ(testhilfe::lesen(ohneEndung + "_2.txt"), "fremd");
    EXPECT_TRUE(testhilfe::lesen(name).starts_with("netz\r\ndelay: "));
}

} // namespace
