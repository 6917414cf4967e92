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
        skriptAbbauen();
        std::filesystem::current_path(vorher);
        AppFall::TearDown();
    }
};

} // namespace

// The changed slot takes effect after the running simulation: its loop starts again with its
// first pass, at the new start value; with a number to continue at, the simulations before it
// are counted, not run. The close box asked and kept the window; the end took it.
TEST_F(InteraktivesSkript, EinNeustartAusDemFensterBeginntMitDemErstenDurchlauf)
{
    const struct { const char* fortsetzen; std::vector<double> sru; } faelle[] = {
        {"0", {-0.07, -0.068, -0.06, -0.059, -0.058, -0.057, -0.056}},
        {"4", {-0.07, -0.068, -0.057, -0.056}},
    };
    for (const auto& fall : faelle) {
        gesehen.clear();
        fortsetzenBei = fall.fortsetzen;
        befehl(befehlSkriptInteraktiv);    // the end loaded the script again for the next case
        ASSERT_EQ(gesehen.size(), fall.sru.size()) << fall.fortsetzen;
        for (size_t i = 0; i < gesehen.size(); ++i)
            EXPECT_NEAR(gesehen[i], fall.sru[i], 1e-12) << fall.fortsetzen << " " << i;
        EXPECT_EQ(std::make_pair(pt::offeneDialogSkripte(), pt::offeneBoxAntworten()), std::make_pair(size_t{0}, size_t{0}));
        EXPECT_EQ(pt::boxLog().back().text, "Skriptbearbeitung abbrechen?");
        EXPECT_EQ(std::make_pair(istFenster(imLauf), fensterhandles.interaktivFenster), std::make_pair(false, Fenster{}));
        EXPECT_EQ(skriptStatus & 0xE001u, 0u);   // running, interactive, changed, continue-at: all cleared
    }
    // the end counts every simulation that ran (the reload then shows the script's total)
    const auto& log = pt::ereignisLog();
    EXPECT_TRUE(std::any_of(log.begin(), log.end(), [](const pt::Ereignis& e) {
        return e.art == pt::Ereignis::Status && e.a == 3 && e.text == "\t7 Simulationen";
    }));
}
