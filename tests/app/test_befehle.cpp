// tests/app/test_befehle.cpp - the dispatcher: run start, the lock, commands during a run,
// abort, the hand-made keys and the switches
#include "app_hilfe.h"
#include "../model/test_neuron_hilfe.h"
#include "model/simulationsparameter.h"
#include "platform/box.h"
#include "platform/menue.h"
#include <functional>

using namespace plattform;
using namespace apphilfe;
namespace pt = plattform::test;

namespace {

// A run as the engine makes it: the running bit, messages pumped from inside the run,
// the bit cleared on return.
struct Lauf {
    static inline int anzahl = 0;
    static inline std::function<void()> imLauf;
    static inline bool fensterLebtImLauf = false;
    static void ausfuehren()
    {
        ++anzahl;
        programmStatus |= programmBit::LaufAktiv;
        if (imLauf)
            imLauf();
        for (int i = 0; i < 5 && !laufZustand.abbrechen; ++i)
            nachrichtenVerarbeiten();
        fensterLebtImLauf = istFenster(fensterhandles.hauptfenster);
        programmStatus &= ~programmBit::LaufAktiv;
    }
};

class Befehle : public AppFall {
protected:
    void SetUp() override
    {
        AppFall::SetUp();
        Lauf::anzahl = 0;
        Lauf::imLauf = nullptr;
        Lauf::fensterLebtImLauf = false;
        ASSERT_TRUE(starten());
    }
    void TearDown() override
    {
        Lauf::imLauf = nullptr;
        AppFall::TearDown();
    }
};

int zaehler = 0;
bool angebotImLauf = false;

bool enthaelt(const std::string& text, const char* teil) { return text.find(teil) != std::string::npos; }

} // namespace

TEST_F(Befehle, F2StartetDenLaufUndDieSperreMeldetSich)
{
    anschluss::simulationStarten = Lauf::ausfuehren;
    pt::tasteDruecken(haupt(), taste::F2);
    nachrichtenVerarbeiten();
    EXPECT_EQ(Lauf::anzahl, 1);

    // imported data a run would overwrite: F2 and "OK - F2" are refused with the notice
    programmStatus |= programmBit::LaufGesperrt;
    pt::boxAntworten({antwort::Ok, antwort::Ok});
    pt::tasteDruecken(haupt(), taste::F2);
    nachrichtenVerarbeiten();
    simulationAusDialogStarten();
    EXPECT_EQ(Lauf::anzahl, 1);
    ASSERT_EQ(pt::boxLog().size(), 2u);
    for (const pt::BoxEintrag& b : pt::boxLog()) {
        EXPECT_EQ(b.titel, "Hinweis");
        EXPECT_EQ(b.text, "simulation is locked to prevent loss of loaded data");
    }
}

TEST_F(Befehle, OhneLaufstartEinHinweisStattEinesScheinlaufs)
{
    pt::boxAntworten({antwort::Ok});
    befehl(befehlSimulationStarten);
    ASSERT_EQ(pt::boxLog().size(), 1u);
    EXPECT_TRUE(enthaelt(pt::boxLog()[0].text, "noch nicht verf"));
    EXPECT_EQ(programmStatus & programmBit::LaufAktiv, 0u);
}

TEST_F(Befehle, NetzAenderndeBefehleWerdenImLaufAbgewiesen)
{
    anschluss::simulationStarten = Lauf::ausfuehren;
    zaehler = 0;
    anschluss::dateiOeffnen = [] { ++zaehler; };
    Lauf::imLauf = [] {
        for (int b : {befehlDateiOeffnen, befehlNeuronNeu, befehlSimulationStarten})
            posten(fensterhandles.hauptfenster, nachricht::Befehl, machWParam(b, 0));
        pt::tasteDruecken(fensterhandles.hauptfenster, taste::F2);
    };
    pt::boxAntworten({antwort::Ok, antwort::Ok});
    befehl(befehlSimulationStarten);
    EXPECT_EQ(Lauf::anzahl, 1);            // no run inside the run
    EXPECT_EQ(zaehler, 0);                 // nothing was opened under the running engine
    ASSERT_EQ(pt::boxLog().size(), 2u);
    EXPECT_TRUE(enthaelt(pt::boxLog()[1].text, "laufenden Simulation"));

    befehl(befehlDateiOeffnen);            // after the run it works
    EXPECT_EQ(zaehler, 1);
}

TEST_F(Befehle, SchliessenImLaufBrichtAbUndSchliesstNachDemLauf)
{
    anschluss::simulationStarten = Lauf::ausfuehren;
    zaehler = 0;
    anschluss::netzSpeichernAnbieten = [] {
        ++zaehler;
        angebotImLauf = laufAktiv();
    };
    Lauf::imLauf = [] { posten(fensterhandles.hauptfenster, nachricht::Schliessen); };
    pt::boxAntworten({antwort::Ja});
    befehl(befehlSimulationStarten);

    ASSERT_EQ(pt::boxLog().size(), 1u);
    EXPECT_EQ(pt::boxLog()[0].titel, "SysInfo");
    EXPECT_TRUE(Lauf::fensterLebtImLauf);
    EXPECT_EQ(laufZustand.abbrechen, 1);
    EXPECT_TRUE(istFenster(haupt()));
    EXPECT_EQ(zaehler, 0);

    pt::uhrVorstellen(200);
    EXPECT_FALSE(istFenster(fensterhandles.hauptfenster));
    EXPECT_TRUE(programmEndet());
    EXPECT_EQ(zaehler, 1);
    EXPECT_FALSE(angebotImLauf);
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
