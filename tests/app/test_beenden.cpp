// tests/app/test_beenden.cpp - the shutdown: its order, once only, from anywhere, and the
// offer to save before anything is freed
#include "app_hilfe.h"
#include "platform/dialog.h"
#include "platform/system.h"
#include <thread>
#include <vector>

using namespace plattform;
using namespace apphilfe;
namespace pt = plattform::test;

namespace {

std::vector<std::string> protokollierteSchritte;
bool fensterBeimSpeichern = false;

// Probes in every slot that later parts fill; each notes its name and whether the main
// window still stood then.
template <size_t I>
void probe()
{
    protokollierteSchritte.push_back(std::string(beendenSchritte()[I].name) +
                                     (istFenster(fensterhandles.hauptfenster) ? "" : " ohne Fenster"));
}

template <size_t... I>
void probenEinsetzen(std::index_sequence<I...>)
{
    ((beendenSchritte()[I].ausfuehren = beendenSchritte()[I].ausfuehren ? beendenSchritte()[I].ausfuehren : probe<I>),
     ...);
}

class Beenden : public AppFall {
protected:
    void SetUp() override
    {
        AppFall::SetUp();
        protokollierteSchritte.clear();
        ASSERT_TRUE(starten());
        probenEinsetzen(std::make_index_sequence<12>());
    }
};

} // namespace

TEST_F(Beenden, SchritteInDerReihenfolgeUndNurEinmal)
{
    ASSERT_EQ(beendenSchritte().size(), 12u);
    NeuronDaten markiert;
    neuronMarkieren(&markiert, 1);
    aufzeichnungEintragen(spikeAufzeichnung, nullptr, 0.5);
    tastaturHookSetzen(haupt());

    programmBeenden();
    programmBeenden();
    EXPECT_EQ(protokollierteSchritte,
              (std::vector<std::string>{"Undo-Liste", "Rueckkopplungs- und Kollisionsobjekte", "Neurone",
                                        "Board-Ausgaenge", "Threads", "Skriptergebnisse", "Permutationsmodus"}));
    EXPECT_EQ(markierteNeurone.anzahl(), 0);
    EXPECT_TRUE(spikeAufzeichnung.ereignisse.empty());
    EXPECT_EQ(tastaturHookDialog(), nullptr);
    EXPECT_EQ(fensterhandles.hauptfenster, nullptr);
    EXPECT_EQ(fensterhandles.protokollfenster, nullptr);
    EXPECT_EQ(nachrichtenSchleife(), 0);
}

TEST_F(Beenden, SchliessenBietetSpeichernAnBevorEtwasFreigegebenIst)
{
    anschluss::netzSpeichernAnbieten = [] {
        fensterBeimSpeichern = istFenster(fensterhandles.protokollfenster);
        protokollierteSchritte.push_back("Speichern");
    };
    ASSERT_TRUE(pt::menueBefehlWaehlen(haupt(), befehlProgrammBeenden));
    nachrichtenVerarbeiten();
    ASSERT_FALSE(protokollierteSchritte.empty());
    EXPECT_EQ(protokollierteSchritte.front(), "Speichern");
    EXPECT_EQ(protokollierteSchritte.size(), 8u);
    EXPECT_TRUE(fensterBeimSpeichern);
    EXPECT_TRUE(programmEndet());
}

TEST_F(Beenden, NachEinerFatalenMeldungKeinAngebotZuSpeichern)
{
    anschluss::netzSpeichernAnbieten = [] { protokollierteSchritte.push_back("Speichern"); };
    programmBeenden();
    EXPECT_EQ(protokollierteSchritte.front(), "Undo-Liste");
    EXPECT_EQ(std::count(protokollierteSchritte.begin(), protokollierteSchritte.end(), "Speichern"), 0);
    // after the shutdown no command reaches freed records
    befehl(befehlAnzeigedauerInfobox);
    EXPECT_EQ(pt::dialogLog().size(), 1u);
}

TEST_F(Beenden, ImLaufErstWennDerLaufZurueckIst)
{
    programmStatus |= programmBit::LaufAktiv;
    programmBeenden();
    EXPECT_TRUE(protokollierteSchritte.empty());
    EXPECT_EQ(laufZustand.abbrechen, 1);
    EXPECT_TRUE(programmStatus & programmBit::ProgrammSchliesst);
    pt::uhrVorstellen(500);                     // the run's pump: nothing yet
    EXPECT_TRUE(protokollierteSchritte.empty());

    programmStatus &= ~programmBit::LaufAktiv;
    pt::uhrVorstellen(200);
    EXPECT_EQ(protokollierteSchritte.size(), 7u);
    EXPECT_FALSE(istFenster(fensterhandles.hauptfenster));
}

TEST_F(Beenden, AusEinemAnderenThreadAufDemGuiThread)
{
    std::thread t([] { programmBeenden(); });
    t.join();
    EXPECT_TRUE(protokollierteSchritte.empty());
    EXPECT_TRUE(istFenster(haupt()));
    EXPECT_EQ(nachrichtenSchleife(), 0);
    EXPECT_EQ(protokollierteSchritte.size(), 7u);
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
