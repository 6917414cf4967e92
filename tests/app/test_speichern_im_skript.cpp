// tests/app/test_speichern_im_skript.cpp - Ctrl+S while a script runs: the network holds the
// values the script set for the run, so no file of the user's gets them
#include "app_hilfe.h"
#include "files/einstellungsdatei.h"
#include "files/netzdatei.h"
#include "model/netzeinstellungen.h"
#include "model/parameter.h"
#include "model/simulationsparameter.h"
#include "platform/box.h"
#include "platform/steuerelemente.h"
#include "resources/befehle.h"
#include "script/ausfuehrung.h"
#include "script/skript.h"

using namespace apphilfe;

namespace {

// the resting potential of neuron 1 in three steps
const char* const skriptText = "SDAUER=0,2  SAUFLOESUNG=0,0001  SELSYNDELAY=OHNE\r\n"
                               "ENEURON=2\r\n"
                               "SCHLEIFE1=3\r\n"
                               "INT= NEU=1 SRU=-0,07 STEP=0,002 DOKUMENTIEREN=ruhe\r\n"
                               "WIEDERHOLEN1=\r\n";

std::vector<double> gesehen;
std::function<void()> imLauf;

void laufAttrappe()
{
    gesehen.push_back(neuronNachNummer(1)->parameter[par::SomaRuhepotential]);
    if (imLauf)
        imLauf();
}

class SpeichernImSkript : public AppFall {
protected:
    std::filesystem::path vorher = std::filesystem::current_path();

    void SetUp() override
    {
        AppFall::SetUp();
        ASSERT_TRUE(starten());
        std::filesystem::current_path(ordner);     // the script log goes there
        gesehen.clear();
        imLauf = nullptr;
        NeuronFall::neu(1)->parameter[par::SomaRuhepotential] = -0.065;
        NeuronFall::neu(2);
        skriptMeldungenAnzeigen = 0;
        simulationsParameter.simulationsDauer = 0.2;
        simulationsParameter.schrittweite = 0.0001;
        netzvorgaben.elektrischeSynapsenEingeschraenkt = 1;
        skriptLaufHaken = laufAttrappe;
        schreiben(ordner + "ruhe.skr", skriptText);
        skript.pfad = ordner + "ruhe.skr";
        skriptStatus |= skriptBit::DateiAusSkriptLaden;
        ASSERT_EQ(skriptLaden(skript), 1);
        dateipfade.dokumentVerzeichnis = ordner;
        dateipfade.netzName = "netz";
        dateipfade.endung = "gui";
    }
    void TearDown() override
    {
        skriptAbbauen();
        imLauf = nullptr;
        std::filesystem::current_path(vorher);
        AppFall::TearDown();
    }
};

} // namespace

// Ctrl+S and "Speichern unter" in the second run are refused with the notice that names the
// script; the network's file and the settings file stay byte for byte, and the script goes on.
TEST_F(SpeichernImSkript, StrgSWaehrendDesSkriptsSchreibtNichts)
{
    ASSERT_TRUE(guiDateiSpeichern(0, nullptr, 1));
    const std::string netz = lesen(ordner + "netz.gui"), cfg = lesen(cfgPfad);
    imLauf = [&] {
        if (gesehen.size() != 2)
            return;
        EXPECT_NE(gesehen.back(), -0.065);
        const size_t dialoge = pt::dateiWahlLog().size(), boxen = pt::boxLog().size();
        pt::boxAntworten({antwort::Ok, antwort::Ok});
        pt::tastenZustandSetzen(tastenStatus::LinksStrg, true);
        pt::tasteDruecken(haupt(), 'S');
        nachrichtenVerarbeiten();
        pt::tastenZustandSetzen(tastenStatus::LinksStrg, false);
        befehl(befehlGuiDateiSpeichernUnter);
        ASSERT_EQ(pt::boxLog().size(), boxen + 2);
        EXPECT_EQ(pt::boxLog()[boxen].text, meldungsTexte[1501]);
        EXPECT_EQ(pt::boxLog()[boxen + 1].text, meldungsTexte[1501]);
        EXPECT_EQ(pt::dateiWahlLog().size(), dialoge);
    };
    befehl(befehlSkriptStarten);
    EXPECT_EQ(gesehen.size(), 3u);
    EXPECT_EQ(lesen(ordner + "netz.gui"), netz);
    EXPECT_EQ(lesen(cfgPfad), cfg);
}
