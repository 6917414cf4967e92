// tests/server/test_server_vorbereitung.cpp - what the start prepares per neuron, the
// Izhikevich output neuron's stimulus and the end of the output pulse
#include "server_hilfe.h"
#include "model/izhikevich.h"
#include "model/simulationsparameter.h"
#include "platform/box.h"
#include "server/server.h"

using namespace apphilfe;

namespace {

struct ServerVorbereitung : servertest::ZweiNeuroneFall {
    ServerVorbereitung() : ZweiNeuroneFall("velnor-servervorbereitung") {}
    void SetUp() override
    {
        NeuronFall::SetUp();
        netzAufbauen(1);
        daqFunktionen = &karte;
        serverLauf.modus = serverModus::MitKarte;
    }
};

// The Izhikevich step is never shorter than the run step; a neuron without main
// conductances fires no spikes the server counts; the step counter starts at 0.
TEST_F(ServerVorbereitung, StartSetsIzhikevichStepPassiveMarkAndCounter)
{
    n[0]->izhikevichAktiv = 1;
    simulationsParameter.izhikevichSchrittweite = 0.01;   // ms, below the run step of 0.1 ms
    for (int p : {par::SwimNaG, par::SwimKG, par::SwimCaG})
        n[1]->parameter[p] = 0.0;
    n[1]->passivMarke = 0;
    laufZustand.schrittZaehler = 17;
    ASSERT_TRUE(serverStartVorbereiten(serverDaten, serverLauf));
    EXPECT_DOUBLE_EQ(simulationsParameter.izhikevichSchrittweite, 0.1);
    EXPECT_EQ(n[0]->izhikevichSchrittFunktion, &izhikevichSchritt);
    EXPECT_EQ(std::pair(n[0]->passivMarke, n[1]->passivMarke), std::pair(0, 1));
    EXPECT_EQ(laufZustand.schrittZaehler, 0);
    EXPECT_EQ(serverLauf.ausgangsNeuron, n[0]);
    serverEndeBearbeiten(serverLauf, 0.0);
    EXPECT_EQ(serverLauf.ausgangsNeuron, nullptr) << "no pointer outlives the run";
}

// an Izhikevich output neuron takes the stimulus value in nA; another neuron does not
TEST_F(ServerVorbereitung, IzhikevichOutputNeuronTakesTheStimulusValue)
{
    simulationsParameter.izhikevichSchrittweite = 1.0;   // ms
    for (NeuronDaten* k : n) {
        k->izhikevichAktiv = 1;
        izhikevichVorbereiten(*k);
    }
    serverLauf.ausgangsNeuron = n[0];
    serverLauf.reizWert = 5e-9;
    const double v = n[0]->izV, u = n[0]->izU;
    const double mitReiz = izhikevichSchritt(n[0], 5.0) / 1000.0;
    n[0]->izV = v, n[0]->izU = u;
    const double ohneReiz = izhikevichSchritt(n[0], 0.0) / 1000.0;
    ASSERT_NE(mitReiz, ohneReiz);
    for (NeuronDaten* k : n) {
        k->izV = v, k->izU = u;
        serverNeuronSchritt(*k, serverDaten, serverLauf);
    }
    EXPECT_DOUBLE_EQ(n[0]->potentiale[0], mitReiz);
    EXPECT_DOUBLE_EQ(n[1]->potentiale[0], ohneReiz);
}

// the pulse level goes back to 0 once real time reaches the pulse's end, not before
TEST_F(ServerVorbereitung, OutputPulseEndsWhenRealTimeReachesItsEnd)
{
    ASSERT_EQ(ereignisKernVorbereiten(serverDaten, serverLauf, 0.001), ereignisFehler::Keiner);
    serverLauf.pulsAktiv = 1, serverLauf.pulsDaWert = 900, serverLauf.pulsEnde = 2.005;
    serverLauf.kern.totzeitAktiv = 1, serverLauf.kern.totzeitEnde = 10.0;   // no polling
    for (const auto& [echtzeit, aktiv] : {std::pair{2.004, 1}, {2.005, 0}}) {
        serverLauf.echtzeit = echtzeit;
        karte.log.clear();
        ASSERT_TRUE(ereignisKernSchritt(serverDaten, serverLauf, nullptr));
        EXPECT_EQ(serverLauf.pulsAktiv, aktiv) << echtzeit;
        EXPECT_EQ(karte.log, aktiv ? std::vector<std::string>{} : std::vector<std::string>{"AO_Write(1, 0, 0)"});
    }
}

} // namespace
