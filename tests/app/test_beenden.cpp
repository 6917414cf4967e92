// tests/app/test_beenden.cpp - the shutdown: its order, once only, from anywhere
#include "app_hilfe.h"
#include "../model/test_neuron_hilfe.h"
#include "platform/dialog.h"
#include "platform/system.h"
#include <thread>
#include <vector>

using namespace plattform;
using namespace apphilfe;
namespace pt = plattform::test;

namespace {

// what a step saw when it began
struct Gesehen {
    std::string name;
    int neurone = 0;
    bool fenster = false;
};
std::vector<Gesehen> gesehen;

int neuroneZaehlen()
{
    int n = 0;
    for (NeuronDaten* x = neuronKette.kopf; x; x = x->naechstesNeuron)
        ++n;
    return n;
}

// A probe before every step notes what it saw, then the step runs as the program has it.
template <size_t I>
void probe()
{
    gesehen.push_back({beendenSchritte()[I].name, neuroneZaehlen(), istFenster(fensterhandles.hauptfenster)});
    beendenOriginal()[I]();
}

template <size_t... I>
void probenEinsetzen(std::index_sequence<I...>)
{
    ((beendenSchritte()[I].ausfuehren = probe<I>), ...);
}

const Gesehen& schritt(const std::string& name)
{
    static const Gesehen keiner{"fehlt"};
    for (const Gesehen& g : gesehen)
        if (g.name == name)
            return g;
    ADD_FAILURE() << name << " did not run";
    return keiner;
}

class Beenden : public AppFall {
protected:
    void SetUp() override
    {
        AppFall::SetUp();
        gesehen.clear();
        ASSERT_TRUE(starten());
        ASSERT_EQ(beendenSchritte().size(), 12u);
        probenEinsetzen(std::make_index_sequence<12>());
    }
};

} // namespace

TEST_F(Beenden, SchritteInDerReihenfolgeUndNurEinmal)   // the neurons were never freed
{
    NeuronDaten* markiert = NeuronFall::neu(1);
    ASSERT_NE(NeuronFall::neu(2), nullptr);
    neuronMarkieren(markiert, 1);
    aufzeichnungEintragen(spikeAufzeichnung, nullptr, 0.5);
    tastaturHookSetzen(haupt());

    programmBeenden();
    programmBeenden();
    ASSERT_EQ(gesehen.size(), beendenSchritte().size());
    for (size_t i = 0; i < gesehen.size(); ++i)
        EXPECT_EQ(gesehen[i].name, beendenSchritte()[i].name) << i;
    // the network goes after the objects that name its neurons, the window after the records
    EXPECT_EQ(schritt("Neurone").neurone, 2);
    EXPECT_EQ(schritt("Markierungen und Spike-Aufzeichnung").neurone, 0);
    EXPECT_TRUE(schritt("Permutationsmodus").fenster);
    EXPECT_FALSE(schritt("Nachrichtenschleife").fenster);
    EXPECT_EQ(neuronKette.kopf, nullptr);
    EXPECT_EQ(neuronKette.anzahl, 0);
    EXPECT_EQ(neuronNachNummer(1), nullptr);
    EXPECT_EQ(markierteNeurone.anzahl(), 0);
    EXPECT_TRUE(spikeAufzeichnung.ereignisse.empty());
    EXPECT_EQ(tastaturHookDialog(), nullptr);
    EXPECT_EQ(fensterhandles.hauptfenster, nullptr);
    EXPECT_EQ(fensterhandles.protokollfenster, nullptr);
    EXPECT_EQ(nachrichtenSchleife(), 0);
}

TEST_F(Beenden, SchliessenUeberDasMenueBeendetDasProgramm)
{
    ASSERT_TRUE(pt::menueBefehlWaehlen(haupt(), befehlProgrammBeenden));
    nachrichtenVerarbeiten();
    EXPECT_EQ(gesehen.size(), beendenSchritte().size());
    EXPECT_TRUE(programmEndet());
    EXPECT_FALSE(istFenster(fensterhandles.hauptfenster));
}

TEST_F(Beenden, NachDemEndeErreichtKeinBefehlDieFreigegebenenDaten)
{
    programmBeenden();
    befehl(befehlAnzeigedauerInfobox);
    EXPECT_EQ(pt::dialogLog().size(), 1u);     // the splash only
}

TEST_F(Beenden, ImLaufErstWennDerLaufZurueckIst)
{
    programmStatus |= programmBit::LaufAktiv;
    programmBeenden();
    EXPECT_TRUE(gesehen.empty());
    EXPECT_EQ(laufZustand.abbrechen, 1);
    EXPECT_TRUE(programmStatus & programmBit::ProgrammSchliesst);
    pt::uhrVorstellen(500);                     // the run's pump: nothing yet
    EXPECT_TRUE(gesehen.empty());

    programmStatus &= ~programmBit::LaufAktiv;
    pt::uhrVorstellen(200);
    EXPECT_EQ(gesehen.size(), beendenSchritte().size());
    EXPECT_FALSE(istFenster(fensterhandles.hauptfenster));
}

TEST_F(Beenden, AusEinemAnderenThreadAufDemGuiThread)
{
    std::thread t([] { programmBeenden(); });
    t.join();
    EXPECT_TRUE(gesehen.empty());
    EXPECT_TRUE(istFenster(haupt()));
    EXPECT_EQ(nachrichtenSchleife(), 0);
    EXPECT_EQ(gesehen.size(), beendenSchritte().size());
}

TEST_F(Beenden, AufraeumenEntferntLaufinfoUndTemporaereDateien)
{
    const std::string info = ordner + "lauf.info", temp = ordner + "temp.dat";
    schreiben(info, "x");
    schreiben(temp, "x");
    dateipfade.laufInfoDatei = info;
    temporaereDateiAnmelden(temp);
    programmEndeAufraeumen(0);
    EXPECT_FALSE(std::filesystem::exists(info));
    EXPECT_FALSE(std::filesystem::exists(temp));
}
