// tests/server/test_server_schritt.cpp - the server's network step against the engine's
#include "../app/app_hilfe.h"
#include "../model/test_synapse_hilfe.h"
#include "model/startzustand.h"
#include "model/swim.h"
#include "model/synaptisch.h"
#include "model/zeitschleife.h"
#include "server/server.h"

using namespace apphilfe;

namespace {

// three SWIM neurons of dendrite mode 3: 1 -> 2 chemical, 2 <-> 3 electrical
struct ServerSchritt : NeuronFall {
    plattform::SimulierteMesskarte karte;
    std::string ordner = testhilfe::tempOrdner("velnor-serverschritt");
    NeuronDaten* n[3] = {};
    int spikeGrenze = 1000;   // the run ends after this many spikes of neuron 1
    void SetUp() override
    {
        NeuronFall::SetUp();
        daqFunktionen = &karte;
        serverLauf.modus = serverModus::MitKarte;
        laufbaresNetz(3, ordner);
        simulationsParameter.netzwerktyp = 3;
        simulationsParameter.anzahlSegmente = segmenteFuerNetzwerktyp(3);
        for (int i = 0; i < 3; ++i)
            ASSERT_TRUE(kompartimenteAnpassen(*(n[i] = neuronNachNummer(i + 1)), simulationsParameter.anzahlSegmente));
        SynapsenFall::verbinde(n[0], n[1], 0, 2e-8, 0.002);
        SynapsenFall::verbinde(n[1], n[2], 3, 1e-8, 0.001);
    }
    void TearDown() override
    {
        daqFunktionen = &keineMesskarte();
        serverLaufZuruecksetzen();
        NeuronFall::TearDown();
        std::filesystem::remove_all(ordner);
    }
    // the soma potentials of every step by the engine's loop or the server's step
    std::vector<double> lauf(bool server)
    {
        std::vector<double> v;
        EXPECT_TRUE(neuronenStartzustandSetzen());
        for (NeuronDaten* k : n) {
            neuronLaufVorbereiten(*k);
            EXPECT_TRUE(synapsenLaufVorbereiten(*k));
        }
        synapsenWarteschlangenAnlegen();
        aktuellesNeuron = n[1];   // where the editor left them
        laufZustand.aktuelleSynapse = n[0]->ausgangsSynapsen;
        for (int i = 0; i < 2000 && n[0]->apAnzahl < spikeGrenze; ++i) {
            laufZustand.t = i * simulationsParameter.schrittweite;
            if (server) {
                serverNetzSchritt(serverDaten, serverLauf);
                EXPECT_EQ(aktuellesNeuron, n[1]);
                EXPECT_EQ(laufZustand.aktuelleSynapse, n[0]->ausgangsSynapsen);
            } else {
                synaptischeStroemeBerechnen();
                for (NeuronDaten* k : n)
                    swimModellBerechnen(*k);
                synapsenBerechnen();
            }
            for (NeuronDaten* k : n)
                v.push_back(k->potentiale[0]);
        }
        return v;
    }
};

TEST_F(ServerSchritt, MatchesTheEngineAndLeavesItsCursors)
{
    n[0]->somaCurrent = 2e-9;
    n[0]->somaSCEnd = 1.0;
    const std::vector<double> engine = lauf(false);
    ASSERT_GT(n[1]->apAnzahl, 0);   // the comparison covers spikes and both synapses
    const std::vector<double> server = lauf(true);
    for (size_t i = 0; i < server.size(); ++i)
        ASSERT_NEAR(server[i], engine[i], 1e-12) << "step " << i / 3 << " neuron " << i % 3 + 1;
}

// the output neuron: the stimulus value in its soma, its spike a pulse, its potential out
TEST_F(ServerSchritt, OutputNeuronTakesTheStimulusAndSendsPulseAndPotential)
{
    serverDaten = {.pulsDauer = 0.005, .pulsHoehe = 900, .somaPotentialAusgeben = 1};
    serverLauf.ausgangsNeuron = n[0];
    serverLauf.reizWert = 2e-9;
    serverLauf.echtzeit = 2.0;
    spikeGrenze = 1;
    lauf(true);
    const std::vector<std::string> erwartet = {
        "AO_Write(1, 0, 900)", "AO_Write(1, 1, " + std::to_string(somaPotentialDaWert(n[0]->potentiale[0])) + ")"};
    ASSERT_EQ(n[0]->apAnzahl, 1);
    EXPECT_EQ(std::vector(karte.log.end() - 2, karte.log.end()), erwartet);
    EXPECT_DOUBLE_EQ(serverLauf.pulsEnde, 2.005);
}

} // namespace
