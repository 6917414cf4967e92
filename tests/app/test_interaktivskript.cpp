// tests/app/test_interaktivskript.cpp - Alt+F2: a script run with the interactive window, a slot
// changed by double click during the run
#include "app_hilfe.h"
#include "model/anzeigeeinstellungen.h"
#include "model/netzeinstellungen.h"
#include "model/parameter.h"
#include "model/simulationsparameter.h"
#include "platform/box.h"
#include "resources/befehle.h"
#include "script/ausfuehrung.h"
#include "script/skript.h"
#include <algorithm>

using namespace apphilfe;

namespace {

const char* const skriptText = "SDAUER=0,2  SAUFLOESUNG=0,0001  SELSYNDELAY=OHNE\r\n"
                               "ENEURON=2\r\n"
                               "SCHLEIFE1=5\r\n"
                               "INT= NEU=1 SRU=-0,07 STEP=0,002 DOKUMENTIEREN=ruhe\r\n"
                               "WIEDERHOLEN1=\r\n";

// what the stand-in run saw: the resting potential of neuron 1
std::vector<double> gesehen;
std::string fortsetzenBei;
Fenster imLauf = nullptr;       // the interactive window as the runs saw it

void laufAttrappe()
{
    gesehen.push_back(neuronNachNummer(1)->parameter[par::SomaRuhepotential]);
    imLauf = fensterhandles.interaktivFenster;
    if (gesehen.size() == 2) {
        // the second run: a double click on the first bar, the new start and step
        const Rechteck b = skript.interaktiv[1].balken;
        pt::dialogSkript(313, {pt::schritt::tippen(2074, "-0,06"), pt::schritt::tippen(2075, "0,001"),
                               pt::schritt::tippen(2076, fortsetzenBei), pt::schritt::klicken(1)});
        pt::klicken(imLauf, b.links + 1, b.unten - 1);
        pt::klicken(imLauf, b.links + 1, b.unten - 1);
        nachrichtenVerarbeiten();
    } else if (gesehen.size() == 3) {
        // the close box asks; No keeps the window and the run
        pt::boxAntworten({antwort::Nein});
        senden(imLauf, nachricht::Schliessen);
    }
}

class InteraktivesSkript : public AppFall {
protected:
    std::filesystem::path vorher = std::filesystem::current_path();

    void SetUp() override
    {
        AppFall::SetUp();
        ASSERT_TRUE(starten());
        // the script log goes to the working folder
        std::filesystem::current_path(ordner);
        gesehen.clear();
        imLauf = nullptr;
        NeuronFall::neu(1);
        NeuronFall::neu(2);
        skriptMeldungenAnzeigen = 0;
        // the settings line agrees with the program's
        simulationsParameter.simulationsDauer = 0.2;
        simulationsParameter.schrittweite = 0.0001;
        netzvorgaben.elektrischeSynapsenEingeschraenkt = 1;
        skriptLaufHaken = laufAttrappe;
        schreiben(ordner + "int.skr", skriptText);
        skript.pfad = ordner + "int.skr";
        skriptStatus |= skriptBit::DateiAusSkriptLaden;
        ASSERT_EQ(skriptLaden(skript), 1);
    }
    void TearDown() override
    {
        skriptLaufHaken = nullptr;
        skriptFreigeben(skript);
        skriptStatus = 0;
        std::filesystem::current_path(vorher);
        AppFall::TearDown();
    }
    void laufen(const std::string& fortsetzen)
    {
        fortsetzenBei = fortsetzen;
        befehl(befehlSkriptInteraktiv);
        EXPECT_EQ(pt::offeneDialogSkripte(), 0u);
        EXPECT_EQ(pt::offeneBoxAntworten(), 0u);
        ASSERT_NE(imLauf, nullptr);
        // the close box asked once and kept the window; the end of the run took it
        ASSERT_EQ(pt::boxLog().size(), 1u);
        EXPECT_EQ(pt::boxLog()[0].text, "Skriptbearbeitung abbrechen?");
        EXPECT_FALSE(istFenster(imLauf));
        EXPECT_EQ(fensterhandles.interaktivFenster, nullptr);
        EXPECT_EQ(skriptStatus & (skriptBit::InteraktiveAusfuehrung | skriptBit::InteraktivGeaendert |
                                  skriptBit::Fortsetzen | skriptBit::Laeuft),
                  0u);
    }
    void erwarten(const std::vector<double>& sru)
    {
        ASSERT_EQ(gesehen.size(), sru.size());
        for (size_t i = 0; i < sru.size(); ++i)
            EXPECT_NEAR(gesehen[i], sru[i], 1e-12) << i;
    }
};

} // namespace

// the changed slot takes effect after the running simulation: its loop starts again with its
// first pass, at the new start value
TEST_F(InteraktivesSkript, EinNeustartAusDemFensterBeginntMitDemErstenDurchlauf)
{
    laufen("0");
    erwarten({-0.07, -0.068, -0.06, -0.059, -0.058, -0.057, -0.056});
    // the end counts every simulation that ran (the reload then shows the script's total)
    const auto& log = pt::ereignisLog();
    EXPECT_TRUE(std::any_of(log.begin(), log.end(), [](const pt::Ereignis& e) {
        return e.art == pt::Ereignis::Status && e.a == 3 && e.text == "\t7 Simulationen";
    }));
}

// with a number to continue at, the simulations before it are counted, not run
TEST_F(InteraktivesSkript, FortsetzenBeiUeberspringtDieSimulationenDavor)
{
    laufen("4");
    erwarten({-0.07, -0.068, -0.057, -0.056});
}
