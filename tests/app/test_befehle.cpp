// tests/app/test_befehle.cpp - the dispatcher: run start, the lock, commands during a run,
// abort, the hand-made keys and the switches
#include "app_hilfe.h"
#include "../model/test_neuron_hilfe.h"
#include "model/simulationsparameter.h"
#include "platform/box.h"
#include "platform/menue.h"

using namespace plattform;
using namespace apphilfe;
namespace pt = plattform::test;

namespace {

class Befehle : public AppFall {
protected:
    void SetUp() override
    {
        AppFall::SetUp();
        ASSERT_TRUE(starten());
    }
    // Starts a run of a one-neuron network with the command, after whatever the test
    // posted: the run's first pump delivers it while the run goes.
    void laufMitWartendenNachrichten()
    {
        laufbaresNetz(1, ordner);
        pt::uhrVorstellen(50, false);       // the pump is due at the run's first step
        befehl(befehlSimulationStarten);
    }
};

bool enthaelt(const std::string& text, const char* teil) { return text.find(teil) != std::string::npos; }

} // namespace

TEST_F(Befehle, F2StartetDenLaufUndDieSperreMeldetSich)
{
    laufbaresNetz(1, ordner);
    pt::tasteDruecken(haupt(), taste::F2);
    nachrichtenVerarbeiten();
    EXPECT_TRUE(programmStatus & programmBit::LaufErgebnisDa);

    // imported data a run would overwrite: F2 and "OK - F2" are refused with the notice
    programmStatus &= ~programmBit::LaufErgebnisDa;
    programmStatus |= programmBit::LaufGesperrt;
    pt::boxAntworten({antwort::Ok, antwort::Ok});
    pt::tasteDruecken(haupt(), taste::F2);
    nachrichtenVerarbeiten();
    simulationAusDialogStarten();
    EXPECT_FALSE(programmStatus & programmBit::LaufErgebnisDa);
    ASSERT_EQ(pt::boxLog().size(), 2u);
    for (const pt::BoxEintrag& b : pt::boxLog()) {
        EXPECT_EQ(b.titel, "Hinweis");
        EXPECT_EQ(b.text, "simulation is locked to prevent loss of loaded data");
    }
}

TEST_F(Befehle, OhneNetzEinHinweisStattEinesLaufs)
{
    pt::boxAntworten({antwort::Ok});
    befehl(befehlSimulationStarten);
    ASSERT_EQ(pt::boxLog().size(), 1u);
    EXPECT_TRUE(enthaelt(pt::boxLog()[0].text, "noch nicht verf"));   // no file can be opened yet
    EXPECT_FALSE(programmStatus & (programmBit::LaufAktiv | programmBit::LaufErgebnisDa));
}

TEST_F(Befehle, NetzAenderndeBefehleWerdenImLaufAbgewiesen)
{
    for (int b : {befehlDateiOeffnen, befehlNeuronNeu, befehlSimulationStarten})
        posten(haupt(), nachricht::Befehl, machWParam(b, 0));
    pt::tasteDruecken(haupt(), taste::F2);
    pt::boxAntworten({antwort::Ok, antwort::Ok});
    laufMitWartendenNachrichten();
    EXPECT_TRUE(programmStatus & programmBit::LaufErgebnisDa);
    // the step counter starts at the step count and counts the passes of one run (one more
    // than the steps): a run inside the run would have started it afresh
    EXPECT_EQ(laufZustand.schrittZaehler, 200 + 201);
    EXPECT_EQ(neuronKette.anzahl, 1);
    ASSERT_EQ(pt::boxLog().size(), 2u);     // nothing was opened under the running engine
    for (const pt::BoxEintrag& b : pt::boxLog())
        EXPECT_TRUE(enthaelt(b.text, "laufenden Simulation")) << b.text;

    pt::boxAntworten({antwort::Ok});
    befehl(befehlDateiOeffnen);             // after the run the open command answers again
    ASSERT_EQ(pt::boxLog().size(), 3u);
    EXPECT_TRUE(enthaelt(pt::boxLog()[2].text, "noch nicht verf"));
}

TEST_F(Befehle, SchliessenImLaufBrichtAbUndSchliesstNachDemLauf)
{
    posten(haupt(), nachricht::Schliessen);
    pt::boxAntworten({antwort::Ja});
    laufMitWartendenNachrichten();

    ASSERT_EQ(pt::boxLog().size(), 1u);
    EXPECT_EQ(pt::boxLog()[0].titel, "SysInfo");
    EXPECT_LT(laufZustand.t, 0.02);         // stopped after its first step
    EXPECT_TRUE(istFenster(haupt()));       // the window outlived the run
    EXPECT_FALSE(programmEndet());

    pt::uhrVorstellen(200);
    EXPECT_FALSE(istFenster(fensterhandles.hauptfenster));
    EXPECT_TRUE(programmEndet());
}

TEST_F(Befehle, SchliessenImLaufAbgelehntLaeuftWeiter)
{
    programmStatus |= programmBit::LaufAktiv;
    pt::boxAntworten({antwort::Nein});
    senden(haupt(), nachricht::Schliessen);
    programmStatus &= ~programmBit::LaufAktiv;
    pt::uhrVorstellen(500);
    EXPECT_TRUE(istFenster(haupt()));
    EXPECT_EQ(laufZustand.abbrechen, 0);
    EXPECT_EQ(aufgeschobeneBefehle(), 0u);
}

TEST_F(Befehle, EscUnd40040SetzenDasAbbruchFlag)
{
    pt::tasteDruecken(haupt(), taste::Esc, 27);
    nachrichtenVerarbeiten();
    EXPECT_EQ(laufZustand.abbrechen, 1);
    laufZustand.abbrechen = 0;
    ASSERT_TRUE(pt::menueBefehlWaehlen(haupt(), befehlSimulationAbbrechen));
    nachrichtenVerarbeiten();
    EXPECT_EQ(laufZustand.abbrechen, 1);
    EXPECT_TRUE(pt::boxLog().empty());
}

TEST_F(Befehle, EscImSkriptFragtEinmalUndBrichtDasSkriptAb)
{
    skriptStatus = skriptBit::Laeuft | skriptBit::InteraktiveAusfuehrung;
    klasseRegistrieren({"Probe", standardFensterProc});
    fensterhandles.interaktivFenster = fensterErzeugen("Probe", "", stil::Hauptfenster, 0, 0, 50, 50);

    pt::boxAntworten({antwort::Nein});
    pt::tasteDruecken(haupt(), taste::Esc, 27);
    nachrichtenVerarbeiten();
    EXPECT_EQ(laufZustand.abbrechen, 0);
    EXPECT_EQ(skriptStatus & skriptBit::Abbrechen, 0u);

    Fenster interaktiv = fensterhandles.interaktivFenster;
    pt::boxAntworten({antwort::Ja});
    pt::tasteDruecken(haupt(), taste::Esc, 27);
    nachrichtenVerarbeiten();
    EXPECT_EQ(pt::boxLog().back().text, "Skriptbearbeitung abbrechen?");
    EXPECT_EQ(laufZustand.abbrechen, 1);
    EXPECT_EQ(skriptStatus, skriptBit::Laeuft | skriptBit::Abbrechen);
    EXPECT_FALSE(istFenster(interaktiv));

    // cancelled once: a further Esc aborts without asking again
    pt::tasteDruecken(haupt(), taste::Esc, 27);
    nachrichtenVerarbeiten();
    EXPECT_EQ(pt::boxLog().size(), 2u);
}

TEST_F(Befehle, F12UndStrgF5OeffnenDenLetztenDialogAberKeinenAltenKontextpunkt)
{
    letzterDialog = befehlAnzeigedauerInfobox;
    pt::dialogSkript(146, {pt::schritt::klicken(2)});
    pt::dialogSkript(146, {pt::schritt::klicken(2)});
    pt::tasteDruecken(haupt(), taste::F12);
    nachrichtenVerarbeiten();
    pt::tastenZustandSetzen(tastenStatus::LinksStrg, true);
    pt::tasteDruecken(haupt(), taste::F5);
    nachrichtenVerarbeiten();
    pt::tastenZustandSetzen(tastenStatus::LinksStrg, false);
    EXPECT_EQ(pt::dialogLog().size(), 3u);     // the splash and the two reopenings

    // a synapse of a context menu long gone must not be edited or deleted by a replay
    letzterDialog = befehlSynapseLoeschenErste + 1;
    pt::tasteDruecken(haupt(), taste::F12);
    nachrichtenVerarbeiten();
    EXPECT_EQ(pt::dialogLog().size(), 3u);
    for (const pt::LogEintrag& e : pt::nachrichtenVon(haupt())) {
        if (e.nachricht == nachricht::Befehl) {
            EXPECT_NE(loWort(e.w), befehlSynapseLoeschenErste + 1);
        }
    }
}

TEST_F(Befehle, AnzeigedauerDerInfoboxAusDemEingabedialog)
{
    pt::dialogSkript(146, {pt::schritt::tippen(1251, "3500"), pt::schritt::klicken(1)});
    befehl(befehlAnzeigedauerInfobox);
    EXPECT_EQ(anzeigeboxParameter.anzeigedauer, 3500);
    pt::dialogSkript(146, {pt::schritt::tippen(1251, "-20"), pt::schritt::klicken(1)});
    befehl(befehlAnzeigedauerInfobox);
    EXPECT_EQ(anzeigeboxParameter.anzeigedauer, 0);
    pt::dialogSkript(146, {pt::schritt::tippen(1251, "99"), pt::schritt::klicken(2)});
    befehl(befehlAnzeigedauerInfobox);
    EXPECT_EQ(anzeigeboxParameter.anzeigedauer, 0);
    EXPECT_EQ(letzterDialog, befehlAnzeigedauerInfobox);
}

TEST_F(Befehle, DendritBefehleSetzenModusUndKompartimente)
{
    NeuronDaten* n = NeuronFall::neu(1);
    ASSERT_TRUE(n);
    for (int befehl = befehlKeinDendrit; befehl <= befehlDendritNSegmente; ++befehl)
        EXPECT_TRUE(befehlVerfuegbar(befehl));
    EXPECT_TRUE(befehlVerfuegbar(befehlSimulationseinstellungen));
    const int segmente[] = {0, 1, 3, 6};
    for (int i = 0; i < 4; ++i) {
        hauptfensterBefehl(nullptr, befehlKeinDendrit + i);
        EXPECT_EQ(simulationsParameter.netzwerktyp, i + 1);
        EXPECT_EQ(simulationsParameter.anzahlSegmente, segmente[i]);
        EXPECT_EQ(n->potentiale.size(), static_cast<size_t>(segmente[i] + 1));
        EXPECT_EQ(n->stromTabellen.size(), static_cast<size_t>(segmente[i] + 1));
    }
}
