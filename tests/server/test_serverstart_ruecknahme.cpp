// tests/server/test_serverstart_ruecknahme.cpp - a start refused after the kernel or the board was set up
#include "../app/app_hilfe.h"
#include "model/laufstart.h"
#include "model/stromreiz.h"
#include "platform/box.h"
#include "server/server.h"
#include <algorithm>
#include <functional>

using namespace apphilfe;

namespace {

struct ServerRuecknahme : NeuronFall {
    std::string ordner = testhilfe::tempOrdner("velnor-serverruecknahme");
    plattform::SimulierteMesskarte karte;
    void SetUp() override
    {
        NeuronFall::SetUp();
        laufbaresNetz(2, ordner);
        serverDaten.eingangsNeuron = 1, serverDaten.eingangsNeuronName = neuronNachNummer(1)->name;
        serverDaten.ausgangsNeuron = 2, serverDaten.ausgangsNeuronName = neuronNachNummer(2)->name;
        serverLauf.modus = serverModus::MitKarte;
        daqFunktionen = &karte;
    }
    void TearDown() override
    {
        daqFunktionen = &keineMesskarte();
        serverDaten = {};
        serverLaufZuruecksetzen();
        NeuronFall::TearDown();
        std::filesystem::remove_all(ordner);
    }
    // the record's start values and the kernel a start sets up
    static std::tuple<double, double, int, double, size_t, double> kernUndRecord()
    {
        return {serverDaten.verzoegerung, serverDaten.stromFaktor, serverLauf.kern.laenge, serverLauf.faktor,
                serverLauf.kern.schlange.size(), serverLauf.kern.verstaerkung};
    }
};

// Declined after a board warning, or refused by the engine after the board was set up: the
// board is released (DAQ_Clear after DAQ_Start, set-up bit clear) and record and kernel are
// as before.
TEST_F(ServerRuecknahme, VerweigerterStartGibtKernUndKarteZurueck)
{
    const std::pair<std::function<void()>, const char*> faelle[] = {
        {[&] {
             karte.status["DAQ_Start"] = {1};   // a warning; the user says No
             pt::boxAntworten({plattform::antwort::Nein});
         },
         "Warnung"},
        {[] {
             // a user channel switched on by synapse 0: the start state refuses
             BenutzerKanal k;
             k.leitfaehigkeit = 1e-9;
             k.stromUeberSynapse = 1;
             neuronNachNummer(1)->benutzerKanaele.push_back(k);
             laufZustand.eingerichtet = 0;
             pt::boxAntworten({plattform::antwort::Ok});
         },
         "Startzustand"},
    };
    for (const auto& [vorbereiten, name] : faelle) {
        vorbereiten();
        const auto vorher = kernUndRecord();
        const double dauer = simulationsParameter.simulationsDauer;
        EXPECT_FALSE(serverStartVorbereiten(serverDaten, serverLauf)) << name;
        EXPECT_EQ(kernUndRecord(), vorher) << name;
        EXPECT_EQ(simulationsParameter.simulationsDauer, dauer) << name;
        EXPECT_EQ(serverLauf.modus, serverModus::MitKarte) << name;
        EXPECT_FALSE(serverLauf.steuerBits.load() & serverBit::ErfassungEingerichtet) << name;
        const auto isStart = [](const std::string& z) { return z.starts_with("DAQ_Start("); };
        const auto gestartet = std::find_if(karte.log.begin(), karte.log.end(), isStart);
        ASSERT_NE(gestartet, karte.log.end()) << name;
        EXPECT_NE(std::find(gestartet, karte.log.end(), "DAQ_Clear(1)"), karte.log.end()) << name;
        TearDown();
        SetUp();
    }
}

} // namespace
