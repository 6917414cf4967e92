// tests/server/test_server_schritt.cpp - the server thread's network step against the engine's
#include "../app/app_hilfe.h"
#include "../model/test_synapse_hilfe.h"
#include "model/startzustand.h"
#include "model/swim.h"
#include "model/synaptisch.h"
#include "model/zeitschleife.h"
#include "server/server.h"
#include <cmath>

using namespace apphilfe;
using Karte = plattform::SimulierteMesskarte;

namespace {

constexpr int natrium = 0, elektrisch = 3;

struct ServerSchritt : NeuronFall {
    Karte karte;
    std::string ordner = testhilfe::tempOrdner("velnor-serverschritt");
    NeuronDaten* n[3] = {};

    // three SWIM neurons of dendrite mode 3: 1 -> 2 chemical, 2 <-> 3 electrical; 1 is driven
    void SetUp() override
    {
        NeuronFall::SetUp();
        daqFunktionen = &karte;
        serverLauf.modus = serverModus::MitKarte;
        laufbaresNetz(3, ordner);
        simulationsParameter.netzwerktyp = 3;
        simulationsParameter.anzahlSegmente = segmenteFuerNetzwerktyp(3);
        for (int i = 0; i < 3; ++i) {
            n[i] = neuronNachNummer(i + 1);
            ASSERT_TRUE(kompartimenteAnpassen(*n[i], simulationsParameter.anzahlSegmente));
        }
        ASSERT_NE(SynapsenFall::verbinde(n[0], n[1], natrium, 2e-8, 0.002), nullptr);
        ASSERT_NE(SynapsenFall::verbinde(n[1], n[2], elektrisch, 1e-8, 0.001), nullptr);
        n[0]->somaCurrent = 2e-9;
        n[0]->somaSCEnd = 1.0;
    }
    void TearDown() override
    {
        daqFunktionen = &keineMesskarte();
        serverDaten = {};
        serverLaufZuruecksetzen();
        NeuronFall::TearDown();
        std::filesystem::remove_all(ordner);
    }
    void laufVorbereiten()
    {
        ASSERT_TRUE(neuronenStartzustandSetzen());
        for (NeuronDaten* k : n) {
            neuronLaufVorbereiten(*k);
            ASSERT_TRUE(synapsenLaufVorbereiten(*k));
        }
        synapsenWarteschlangenAnlegen();
    }
    // the soma potentials of every step, by the engine's loop or the server's step
    std::vector<double> lauf(bool server, int schritte)
    {
        std::vector<double> v;
        laufVorbereiten();
        if (server) {   // where the editor left them
            aktuellesNeuron = n[1];
            laufZustand.aktuelleSynapse = n[0]->ausgangsSynapsen;
        }
        for (int i = 0; i < schritte; ++i) {
            laufZustand.t = i * simulationsParameter.schrittweite;
            if (server) {
                serverNetzSchritt(serverDaten, serverLauf);
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
    const std::vector<double> engine = lauf(false, 2000);
    const int spikes = n[0]->apAnzahl + n[1]->apAnzahl;
    ASSERT_GT(spikes, 0);   // the comparison covers spikes and synaptic transmission
    const std::vector<double> server = lauf(true, 2000);
    EXPECT_EQ(aktuellesNeuron, n[1]);
    EXPECT_EQ(laufZustand.aktuelleSynapse, n[0]->ausgangsSynapsen);
    ASSERT_EQ(server.size(), engine.size());
    for (size_t i = 0; i < server.size(); ++i)
        ASSERT_NEAR(server[i], engine[i], 1e-12) << "step " << i / 3 << " neuron " << i % 3 + 1;
}

// The output neuron's difference: the stimulus value in its soma, its spike as a pulse on
// channel 0, its soma potential on channel 1; the other neurons are stepped alike.
TEST_F(ServerSchritt, OutputNeuronTakesTheStimulusAndSendsPulseAndPotential)
{
    n[0]->somaCurrent = 0.0;
    serverDaten.pulsHoehe = 900;
    serverDaten.pulsDauer = 0.005;
    serverDaten.somaPotentialAusgeben = 1;
    serverLauf.ausgangsNeuron = n[0];
    serverLauf.reizWert = 2e-9;
    serverLauf.echtzeit = 2.0;
    laufVorbereiten();
    int schritt = 0;
    for (; schritt < 2000 && n[0]->apAnzahl == 0; ++schritt) {
        laufZustand.t = schritt * simulationsParameter.schrittweite;
        karte.log.clear();
        serverNetzSchritt(serverDaten, serverLauf);
    }
    ASSERT_EQ(n[0]->apAnzahl, 1);
    const std::vector<std::string> erwartet = {"AO_Write(1, 0, 900)",
                                               "AO_Write(1, 1, " + std::to_string(somaPotentialDaWert(n[0]->potentiale[0])) + ")"};
    EXPECT_EQ(karte.log, erwartet);
    EXPECT_EQ(serverLauf.pulsAktiv, 1);
    EXPECT_DOUBLE_EQ(serverLauf.pulsEnde, 2.005);
}

} // namespace
