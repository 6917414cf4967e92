// tests/server/test_serverbetrieb.cpp - the server run from command 290 to its end, on its
// own thread and the real clock, driven through the server window as a user would
#include "../app/app_hilfe.h"
#include "server_warten.h"
#include "../stuetzen/menuemarken.h"
#include "core/fehler.h"
#include "diagrams/drucken.h"
#include "model/stromreiz.h"
#include "platform/box.h"
#include "resources/befehle.h"
#include "server/serverbetrieb.h"
#include <algorithm>
#include <chrono>
#include <cmath>
#include <thread>

using namespace apphilfe;
using servertest::warten;

namespace {

bool echtzeitGewaehrt(std::string*) { return true; }
bool echtzeitVerweigert(std::string* grund)
{
    *grund = "test";
    return false;
}

struct ServerBetrieb : AppFall {
    plattform::SimulierteMesskarte karte;
    NeuronDaten* n[2] = {};
    void SetUp() override
    {
        AppFall::SetUp();
        ASSERT_TRUE(starten());
        laufbaresNetz(2, ordner);
        n[0] = neuronNachNummer(1), n[1] = neuronNachNummer(2);
        StromreizDefinition& r = n[1]->stromreize[0];
        r.an = 1, r.beginn = 0.002, r.dach = 0.005, r.amplitude = 1e-9, r.pause = 0.01, r.anzahl = 1;
        ASSERT_EQ(stromreizKurveErzeugen(*n[1], 0), 1);
        karte.nurZaehlen = false;
        daqFunktionen = &karte;
        serverLauf.karteVorhanden = 0;
        serverStartHaken = {nullptr, echtzeitGewaehrt, false};
    }
    void TearDown() override
    {
        servertest::serverLaufAufraeumen();
        daqFunktionen = &keineMesskarte();
        AppFall::TearDown();
    }
    bool status0(const std::string& text)
    {
        return warten([&] { return statusTexte[0] == text; });
    }
    // a receipt for everything the loop took before: the posted keys go to the window
    // first, so the commands they send queue ahead of the one the receipt answers (the
    // stop does not wait for the queue: a key handled after the receipt may be lost)
    bool quittiert()
    {
        nachrichtenVerarbeiten();
        if (pt::wartendeNachrichten() != 0)
            return false;
        const uint32_t vorher = serverLauf.anzeige.quittung.load();
        serverBefehlSenden({ServerBefehl::SpurSchritteSetzen, 0.0, serverLauf.anzeige.spurSchritte.load()});
        return warten([&] { return serverLauf.anzeige.quittung.load() != vorher; });
    }
    Fenster fenster() const { return serverFenster.fenster; }
    void taste(int t, char zeichen = 0) { pt::tasteDruecken(fenster(), t, zeichen); }
    // Esc in the server window; the report box is answered
    bool anhalten()
    {
        pt::boxAntworten({antwort::Ok});
        taste(taste::Esc, 27);
        return warten([] { return !serverThreadLaeuft(); });
    }
    std::tuple<double, int, int, double> netz() const
    {
        return {simulationsParameter.simulationsDauer, n[1]->stromreize[0].an, n[1]->stromTabellen[0].anzahlPunkte,
                simulationsParameter.schrittweite};
    }
};

// Start, the keys as commands with the texts of the values the loop applied, the stop by
// Esc with its report and everything the start changed given back.
TEST_F(ServerBetrieb, StartKeysAndStopThroughTheServerWindow)
{
    const auto vorher = netz();
    serverLauf.faktor = 0.08;
    befehl(befehlServerStarten);
    ASSERT_TRUE(serverThreadLaeuft());
    EXPECT_TRUE(serverLaufAktiv && laufAktiv());
    EXPECT_EQ(klassenName(fenster()), meldungsTexte[16]);
    EXPECT_EQ(titel(fenster()), "Server laeuft mit netz");
    EXPECT_EQ(serverDaten.eingangsNeuron, 1) << "no input neuron: the first";
    EXPECT_EQ(statusTexte[0], meldungsTexte[1359]);

    serverBefehlSenden({ServerBefehl::SpurSchritteSetzen, 0.0, 25});
    for (const char* text : {"\tanzSteps = 15", "\tanzSteps = 5", "\tanzSteps = 1"}) {
        taste(taste::Hoch);
        ASSERT_TRUE(status0(text)) << text;
    }
    pt::tastenZustandSetzen(tastenStatus::LinksUmschalt, true);
    taste(taste::Runter);
    EXPECT_TRUE(status0("\tanzSteps = 100"));
    pt::tastenZustandSetzen(tastenStatus::LinksUmschalt, false);
    taste(taste::Minus);
    EXPECT_TRUE(status0("\tFaktor: 0.01"));
    serverBefehlSenden({ServerBefehl::FaktorAendern, 0.07, 0});
    pt::tastenZustandSetzen(tastenStatus::LinksStrg, true);
    taste(taste::Minus);
    EXPECT_TRUE(status0("\tFaktor: 0.07"));
    pt::tastenZustandSetzen(tastenStatus::LinksStrg, false);
    taste('A');
    EXPECT_TRUE(status0("\tkurve aus"));

    // a network edit is refused while the thread runs
    const int neurone = neuronKette.anzahl;
    pt::boxAntworten({antwort::Ok});
    befehl(befehlNeuronNeu);
    EXPECT_EQ(neuronKette.anzahl, neurone);
    EXPECT_EQ(pt::boxLog().back().text, meldungsTexte[881]);

    // the test current in mode 3: Shift with CapsLock on; it stays until Shift is released
    pt::feststellSetzen(true);
    posten(fenster(), nachricht::TasteRunter, taste::Umschalt);
    ASSERT_TRUE(quittiert());
    // 290 while stopping: the stop request again, no second thread
    pt::boxAntworten({antwort::Ok});
    serverBeenden();
    befehl(befehlServerStarten);
    ASSERT_TRUE(warten([] { return !serverThreadLaeuft(); }));
    EXPECT_DOUBLE_EQ(serverLauf.reizWert, serverTestStrom);
    EXPECT_EQ(std::ranges::count_if(pt::boxLog(), [](const pt::BoxEintrag& b) {
                  return b.text.find("simulations-schritte") != std::string::npos;
              }),
              1)
        << "the report, once";
    EXPECT_FALSE(istFenster(serverFenster.fenster));
    EXPECT_FALSE(laufAktiv());
    EXPECT_EQ(netz(), vorher);

    // again: releasing Shift takes the test current back
    befehl(befehlServerStarten);
    ASSERT_TRUE(serverThreadLaeuft());
    posten(fenster(), nachricht::TasteRunter, taste::Umschalt);
    posten(fenster(), nachricht::TasteHoch, taste::Umschalt);
    ASSERT_TRUE(quittiert());
    ASSERT_TRUE(anhalten());
    EXPECT_EQ(serverLauf.reizWert, 0.0);
    EXPECT_EQ(pt::boxLog().back().titel, "Hinweis");
}

// the close box and the main window's Esc stop the run; the window waits for its end
TEST_F(ServerBetrieb, CloseBoxAndMainEscStopWithoutDestroyingTheWindowUnderTheThread)
{
    for (const bool schliessfeld : {true, false}) {
        befehl(befehlServerStarten);
        ASSERT_TRUE(serverThreadLaeuft());
        const Fenster f = fenster();
        if (schliessfeld)
            senden(f, nachricht::Schliessen);
        else
            escTasteBearbeiten(haupt(), 27);
        EXPECT_TRUE(istFenster(f)) << schliessfeld;
        EXPECT_EQ(laufZustand.abbrechen, 0) << "the thread's flag is left to the thread";
        pt::boxAntworten({antwort::Ok});
        ASSERT_TRUE(warten([] { return !serverThreadLaeuft(); }));
        EXPECT_FALSE(istFenster(f));
    }
}

// The end of the program while the server runs: stopped, joined and ended before the
// network goes, the board released and both outputs at rest.
TEST_F(ServerBetrieb, ExitWhileRunningStopsJoinsAndReleasesTheBoard)
{
    serverLauf.karteVorhanden = 1;
    befehl(befehlServerStarten);
    ASSERT_TRUE(serverThreadLaeuft());
    ASSERT_EQ(serverLauf.modus, serverModus::MitKarte);
    ASSERT_TRUE(quittiert());
    programmBeenden();
    EXPECT_FALSE(serverThreadLaeuft());
    EXPECT_EQ(std::vector(karte.log.end() - 5, karte.log.end()),
              (std::vector<std::string>{"DAQ_Clear(1)", "DAQ_DB_Config(1, 0)", "Timeout_Config(1, -1)",
                                        "AO_Write(1, 0, 0)", "AO_Write(1, 1, 0)"}));
    EXPECT_TRUE(programmEndet());
}

// The main window destroyed while the server runs: the thread, which holds the network,
// stops before the network is offered for saving.
TEST_F(ServerBetrieb, DestroyedMainWindowStopsTheThreadBeforeTheOffer)
{
    befehl(befehlServerStarten);
    ASSERT_TRUE(serverThreadLaeuft());
    ASSERT_TRUE(quittiert());
    std::vector<bool> laeuftBeimAngebot;
    pt::boxRegelSetzen([&](const std::string&, const std::string&, uint32_t) {
        laeuftBeimAngebot.push_back(serverThreadLaeuft());
        return antwort::Nein;
    });
    fensterZerstoeren(haupt());
    EXPECT_EQ(laeuftBeimAngebot, std::vector{false});
    EXPECT_TRUE(programmEndet());
}

// real time refused: notice 522 and the run goes on; no thread: 477, the preparation undone
TEST_F(ServerBetrieb, RefusedPriorityRunsOnAndAFailedThreadUndoesTheStart)
{
    serverStartHaken.echtzeit = echtzeitVerweigert;
    pt::boxAntworten({antwort::Ok});
    befehl(befehlServerStarten);
    ASSERT_TRUE(serverThreadLaeuft());
    ASSERT_TRUE(warten([] { return !pt::boxLog().empty(); }));
    EXPECT_EQ(pt::boxLog().back().text, meldungsTexte[522]);
    EXPECT_TRUE(serverThreadLaeuft());
    ASSERT_TRUE(anhalten());

    serverLauf.karteVorhanden = 1;
    serverStartHaken.threadScheitert = true;
    const auto vorher = netz();
    karte.log.clear();
    pt::boxAntworten({antwort::Ok});
    befehl(befehlServerStarten);
    EXPECT_FALSE(serverThreadLaeuft());
    EXPECT_FALSE(laufAktiv());
    EXPECT_EQ(pt::boxLog().back().text, meldungsTexte[477]);
    EXPECT_EQ(netz(), vorher);
    EXPECT_EQ(karte.log.back(), "Timeout_Config(1, -1)") << "the board released";
    EXPECT_FALSE(serverLauf.steuerBits.load() & serverBit::ErfassungEingerichtet);
}

// Opening shows the neuron's ratio without changing it; the slider and Cancel apply
// through the loop; K with right Shift applies the third preset.
TEST_F(ServerBetrieb, PotassiumDialogAndKKeyApplyThroughTheLoop)
{
    n[0]->kaliumVerhaeltnis = 20.0;
    befehl(befehlServerStarten);
    ASSERT_TRUE(serverThreadLaeuft());
    taste('G');
    nachrichtenVerarbeiten();
    Fenster dlg = pt::offenerDialog(320);
    ASSERT_NE(dlg, nullptr);
    EXPECT_EQ(reglerPosition(dlg, 2292), 2000);
    EXPECT_EQ(elementText(dlg, 2293), "K-Konzentration Innen : Au\xDF" "en  =  20.00 : 1   (KGP = -75.460 mV)");
    pt::regler(dlg, 2292, 1000);
    ASSERT_TRUE(warten([] { return serverLauf.anzeige.kPotential.load() == kaliumGleichgewicht(10.0); }));
    EXPECT_NEAR(serverLauf.anzeige.kPotential.load(), -0.058, 1e-15);
    pt::klicken(dlg, 2);
    EXPECT_EQ(pt::offenerDialog(320), nullptr);
    ASSERT_TRUE(warten([] { return serverLauf.anzeige.kPotential.load() == kaliumGleichgewicht(20.0); }));
    EXPECT_NEAR(kaliumGleichgewicht(20.0), -0.07546, 1e-5);

    pt::tastenZustandSetzen(tastenStatus::RechtsUmschalt, true);
    taste('K');
    nachrichtenVerarbeiten();
    pt::tastenZustandSetzen(tastenStatus::RechtsUmschalt, false);
    ASSERT_TRUE(warten([] { return serverLauf.anzeige.kPotential.load() == -0.059; }));
    ASSERT_TRUE(anhalten());
    const ParameterVektor& P = n[0]->parameter;
    EXPECT_EQ(P[par::SwimKE], -0.059);
    EXPECT_DOUBLE_EQ(P[par::SomaRuhepotential], -0.039);
    EXPECT_DOUBLE_EQ(P[par::DendritRuhepotential], -0.039);
}

// A form error of the engine on the thread shows no box there: the loop ends, and the GUI
// thread shows the error before the report.
TEST_F(ServerBetrieb, RateFormErrorOnTheThreadReachesTheGuiAndEndsTheRun)
{
    n[1]->parameter[par::SwimMAlpha] = 999;   // no such form
    pt::boxAntworten({antwort::Ok, antwort::Ok});
    befehl(befehlServerStarten);
    ASSERT_TRUE(warten([] { return !serverThreadLaeuft(); }));
    ASSERT_EQ(pt::boxLog().size(), 2u);
    EXPECT_EQ(pt::boxLog()[0].text, fehlerText(130));
    EXPECT_NE(pt::boxLog()[1].text.find("simulations-schritte"), std::string::npos);
}

// Two seconds on the real clock with a segment per step: the status texts once a second,
// the columns painted with the one ahead of the sweep blank, U clears them.
TEST_F(ServerBetrieb, TwoSecondsShowStatusTextsAndTheSweepingTrace)
{
    befehl(befehlServerStarten);
    ASSERT_TRUE(serverThreadLaeuft());
    serverBefehlSenden({ServerBefehl::SpurSchritteSetzen, 0.0, 1});
    ASSERT_TRUE(warten([] { return serverLauf.anzeige.echtzeit.load() >= 2.0 && statusTexte[2] == "\t  2.0 s"; }));
    EXPECT_EQ(statusTexte[1], "\tkein Wandler");
    EXPECT_EQ(statusTexte[0], "\tFaktor: 1.00");
    taste(taste::Plus);
    EXPECT_TRUE(status0("\tFaktor: 1.10"));
    neuZeichnen(fenster());
    ungueltigMachen(fenster());
    nachrichtenVerarbeiten();
    int linien = 0;
    for (const pt::ZeichenAufruf& a : pt::letzteZeichnung(fenster()))
        if (a.art == pt::ZeichenArt::Linie) {
            ++linien;
            EXPECT_NE(a.punkte.at(0).x, serverFenster.spalte);
            EXPECT_EQ(a.punkte.at(0).x, a.punkte.at(1).x);
            EXPECT_EQ(a.zustand.stift.farbe, 0xC80000u);
        }
    EXPECT_GT(linien, 100);
    taste('U');
    nachrichtenVerarbeiten();
    EXPECT_TRUE(std::ranges::none_of(serverFenster.spalten, [](const SpurSpalte& c) { return c.gesetzt; }));
    ASSERT_TRUE(anhalten());
}

// What the main window shows: its title, status texts, menu marks (each item's command,
// tick and grey), place, and the picture of a paint of the whole client area.
struct Hauptbild {
    std::string titel;
    std::array<std::string, statusTeile> status;
    std::vector<std::tuple<int, bool, bool>> marken;
    std::tuple<int, int, int, int, bool> platz;   // the rectangle, maximised
    std::vector<std::string> bild;
};

Hauptbild hauptbild(Fenster f)
{
    const Rechteck r = fensterRechteck(f);
    Hauptbild h{titel(f), statusTexte, {}, {r.links, r.oben, r.rechts, r.unten, istMaximiert(f)}, {}};
    menueStandSetzen(fensterhandles.hauptmenue);   // as the menus set their marks when they open
    markenSammeln(fensterhandles.hauptmenue, h.marken);
    nachrichtenVerarbeiten();                       // the paint due now
    const Rechteck c = clientRechteck(f), b = pt::letzterZeichenBereich(f);
    if (b.links <= c.links && b.oben <= c.oben && b.rechts >= c.rechts && b.unten >= c.unten)
        for (const pt::ZeichenAufruf& a : pt::letzteZeichnung(f)) {
            std::string zeile = std::to_string(static_cast<int>(a.art)) + " " + std::to_string(a.zustand.stift.farbe);
            for (const Punkt& p : a.punkte)
                zeile += " " + std::to_string(p.x) + "," + std::to_string(p.y);
            h.bild.push_back(zeile);
        }
    return h;
}

// After the end the main window is as before the start, with the spike recording and the
// export switched on, however the run was stopped: Esc typed where the main window's
// keyboard was (its protocol box), or 290 with the main window maximised. In between the
// potassium dialog closed over the main window, which painted its neurons without the
// stimuli the run switched off.
TEST_F(ServerBetrieb, EndShowsTheMainWindowAsBeforeTheStart)
{
    druckerSucheAbwarten();   // the printer list of the start is in the menu
    const Fenster box = fensterhandles.protokollfenster;
    ASSERT_EQ(elternFenster(box), haupt());
    spikeAufzeichnung.aufzeichnen = 1;
    programmStatus |= programmBit::WerteExportieren;
    for (int teil = 0; teil < statusTeile; ++teil)
        statusTeilSetzen(teil, "\tvorher " + std::to_string(teil));
    for (const bool maximiert : {false, true}) {
        if (maximiert)
            zeigen(haupt(), anzeige::Maximiert);
        ungueltigMachen(haupt());
        const Hauptbild vorher = hauptbild(haupt());
        ASSERT_FALSE(vorher.bild.empty());
        befehl(befehlServerStarten);
        ASSERT_TRUE(serverThreadLaeuft());
        taste('G');
        nachrichtenVerarbeiten();
        pt::klicken(pt::offenerDialog(320), 2);
        ungueltigMachen(haupt());
        EXPECT_NE(hauptbild(haupt()).bild, vorher.bild) << "the stimuli are off during the run";
        pt::boxAntworten({antwort::Ok});
        if (maximiert)
            befehl(befehlServerStarten);
        else
            pt::tasteDruecken(box, taste::Esc, 27);
        ASSERT_TRUE(warten([] { return !serverThreadLaeuft(); })) << maximiert;
        EXPECT_EQ(pt::boxLog().back().titel, "Hinweis");
        const Hauptbild nachher = hauptbild(haupt());
        EXPECT_EQ(nachher.titel, vorher.titel);
        EXPECT_EQ(nachher.status, vorher.status);
        EXPECT_EQ(nachher.marken, vorher.marken);
        EXPECT_EQ(nachher.platz, vorher.platz);
        EXPECT_EQ(nachher.bild, vorher.bild) << "a paint of the whole client area, with the stimuli";
    }
    spikeAufzeichnung.aufzeichnen = 0;
}

TEST(ServerKalium, ApplyStepSetsPotentialsAndTheirProducts)
{
    NeuronDaten n;
    n.parameter[par::SwimKG] = 2e-6, n.parameter[par::SomaLeitwert] = 3e-9, n.parameter[par::DendritLeitwert] = 4e-9;
    kaliumPotentialAnwenden(n, kaliumGleichgewicht(10.0));
    EXPECT_DOUBLE_EQ(n.parameter[par::SwimKE], -0.058);
    EXPECT_DOUBLE_EQ(n.parameter[par::SomaRuhepotential], -0.038);
    EXPECT_DOUBLE_EQ(n.parameter[par::DendritRuhepotential], -0.038);
    EXPECT_DOUBLE_EQ(n.leitwertMalPotential[1], -0.058 * 2e-6);
    EXPECT_DOUBLE_EQ(n.leckTerm, -0.038 * 3e-9);
    EXPECT_DOUBLE_EQ(n.dendLeckTerm, -0.038 * 4e-9);
    for (const auto& [verhaeltnis, mv] : {std::pair{35.0, -89.556}, {6.0, -45.133}})
        EXPECT_NEAR(kaliumGleichgewicht(verhaeltnis) * 1000.0, mv, 5e-4);
}

TEST(ServerSpur, SegmentRowsFollowTheClientHeightAndStayBounded)
{
    const SpurGeometrie g = spurGeometrie(600, 400);
    EXPECT_EQ(spurZeilen(g, -0.07, 0.02), std::pair(349, 252));
    const auto [y1, y2] = spurZeilen(g, std::nan(""), 1e300);
    EXPECT_EQ(y1, g.grundlinie + 1);
    EXPECT_GT(y2, -20000);
}

} // namespace
