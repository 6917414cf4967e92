// tests/server/test_serverstart.cpp - what a start changes and the end gives back
#include "../app/app_hilfe.h"
#include "model/laufstart.h"
#include "model/stromreiz.h"
#include "platform/box.h"
#include "model/simulationspruefung.h"
#include "server/server.h"
#include <functional>

using namespace apphilfe;

namespace {

struct ServerStart : NeuronFall {
    std::string ordner = testhilfe::tempOrdner("velnor-serverstart");
    NeuronDaten* n[2] = {};
    plattform::SimulierteMesskarte karte;
    void SetUp() override
    {
        NeuronFall::SetUp();
        daqFunktionen = &keineMesskarte();
        serverLauf.modus = serverModus::KeineKarte;
        laufbaresNetz(2, ordner);
        n[0] = neuronNachNummer(1), n[1] = neuronNachNummer(2);
        serverLauf.eingangsNeuron = n[0], serverLauf.ausgangsNeuron = n[1];
        // a stimulus that ends, so an endless run switches it off
        StromreizDefinition& r = n[1]->stromreize[0];
        r.an = 1, r.beginn = 0.002, r.dach = 0.005, r.amplitude = 1e-9, r.pause = 0.01, r.anzahl = 1;
        ASSERT_EQ(stromreizKurveErzeugen(*n[1], 0), 1);
        ASSERT_GT(n[1]->stromTabellen[0].anzahlPunkte, 3);
    }
    void TearDown() override
    {
        daqFunktionen = &keineMesskarte();
        serverDaten = {};
        serverLaufZuruecksetzen();
        teilsimulationsModus = 0;
        NeuronFall::TearDown();
        std::filesystem::remove_all(ordner);
    }
};

TEST_F(ServerStart, RefusedStartLeavesRecordNetworkAndProgram)
{
    struct Fall { const char* name; std::function<void()> setzen; int text; } faelle[] = {
        {"part simulation", [] { teilsimulationsModus = 1; }, 1351},
        {"HH neuron", [&] { n[0]->modellTyp = modell::HodgkinHuxley; }, 1352},
        {"no output", [] { serverLauf.ausgangsNeuron = nullptr; }, 517},
        {"no input", [] { serverLauf.eingangsNeuron = nullptr; }, 517},
        {"kernel under 3 entries", [] { laufzeitSetzen(20.0, 2.0); }, 1353},
    };
    for (const Fall& f : faelle) {
        f.setzen();
        pt::boxAntworten({plattform::antwort::Ok});
        laufZustand.t = 0.5;
        const double dauer = simulationsParameter.simulationsDauer;
        const int punkte = n[1]->stromTabellen[0].anzahlPunkte;
        EXPECT_FALSE(serverStartVorbereiten(serverDaten, serverLauf)) << f.name;
        ASSERT_EQ(pt::boxLog().size(), 1u) << f.name;
        EXPECT_EQ(pt::boxLog()[0].text.substr(0, 10), meldungsTexte[f.text].substr(0, 10)) << f.name;
        EXPECT_EQ(simulationsParameter.simulationsDauer, dauer) << f.name;
        EXPECT_EQ(n[1]->stromreize[0].an, 1) << f.name;
        EXPECT_EQ(n[1]->stromTabellen[0].anzahlPunkte, punkte) << f.name;
        EXPECT_EQ(serverLauf.kern.laenge, 0) << f.name;
        EXPECT_EQ(laufZustand.t, 0.5) << f.name;
        TearDown();
        SetUp();
    }
}

// however the loop ended, the next run finds duration, step and stimuli as before
TEST_F(ServerStart, EndRestoresDurationStepAndStimuliAfterEveryEnd)
{
    struct Fall { int abbruch, modus; const char* berichtEnde; } faelle[] = {
        {0, serverModus::KeineKarte, "\n0 Tabelle-APs"},
        {1, serverModus::KeineKarte, "\n0 Tabelle-APs"},
        {1, serverModus::MitKarte, "\n0 AD-eingaenge"},
    };
    for (const auto [abbruch, modus, berichtEnde] : faelle) {
        serverLauf.modus = modus;
        daqFunktionen = &karte;
        karte.log.clear();
        const double dauer = simulationsParameter.simulationsDauer, dt = simulationsParameter.schrittweite;
        const int punkte = n[1]->stromTabellen[0].anzahlPunkte;
        ASSERT_TRUE(serverStartVorbereiten(serverDaten, serverLauf));
        EXPECT_GT(simulationsParameter.simulationsDauer, 1e300);
        EXPECT_EQ(n[1]->stromreize[0].an, 0);
        EXPECT_LE(n[1]->stromTabellen[0].anzahlPunkte, 3);
        EXPECT_EQ(serverLauf.modus, modus == serverModus::MitKarte ? modus : serverModus::OhneErfassung);
        // a clock a step ahead per reading; the fourth reading ends the run
        struct Uhr : ServerUhr {
            int abbruch, lesungen = 0;
            explicit Uhr(int a) : abbruch(a) {}
            double jetzt() override
            {
                if (++lesungen == 4 && abbruch)
                    laufZustand.abbrechen = 1;
                else if (lesungen == 4)
                    serverLauf.steuerBits |= serverBit::StoppAnforderung;
                return lesungen * 0.25;
            }
        } uhr(abbruch);
        ServerBefehle befehle;
        const double sekunden = serverBetriebThread(serverDaten, serverLauf, uhr, befehle);
        simulationsParameter.schrittweite = 1e-3;   // as the server's own step would set it
        const std::string bericht = serverEndeBearbeiten(serverLauf, sekunden);
        EXPECT_TRUE(bericht.ends_with(berichtEnde)) << bericht;
        // the board released and channel 0 at rest
        if (modus == serverModus::MitKarte) {
            EXPECT_EQ(std::vector(karte.log.end() - 4, karte.log.end()),
                      (std::vector<std::string>{"DAQ_Clear(1)", "DAQ_DB_Config(1, 0)", "Timeout_Config(1, -1)",
                                                "AO_Write(1, 0, 0)"}));
            EXPECT_FALSE(serverLauf.steuerBits & serverBit::ErfassungEingerichtet);
        }
        EXPECT_GT(serverLauf.zaehler.schritte, 0);
        EXPECT_EQ(simulationsParameter.simulationsDauer, dauer);
        EXPECT_EQ(simulationsParameter.schrittweite, dt);
        EXPECT_EQ(n[1]->stromreize[0].an, 1);
        EXPECT_EQ(n[1]->stromTabellen[0].anzahlPunkte, punkte);
        laufZustand.abbrechen = 0;
    }
}

} // namespace
