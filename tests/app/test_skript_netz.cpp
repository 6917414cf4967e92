// tests/app/test_skript_netz.cpp - a script is an analysis: the user's network after a run is
// the network before it, in memory and in the user's files, however the run ends
#include "app_hilfe.h"
#include "files/netzdatei.h"
#include "model/laufstart.h"
#include "model/stromreiz.h"
#include "model/laufhaken.h"
#include "model/netzeinstellungen.h"
#include "model/synapse.h"
#include "platform/box.h"
#include "resources/befehle.h"
#include "script/ausfuehrung.h"
#include "script/skript.h"
#include <cstring>

using namespace apphilfe;

namespace {

// A loop of three simulations over a synapse's conductance and delay (rebuilt each pass), a
// resting potential, a stimulus (updated), a standard channel and a user channel.
const char* const skriptText = "SDAUER=0,02  SAUFLOESUNG=0,0001  SELSYNDELAY=OHNE\r\n"
                               "ENEURON=2 BIN=\r\n"
                               "SCHLEIFE1=3\r\n"
                               "  SYN=1 SLE=2e-9 STEP=1e-9 DEL=0,002 TNF=0,03 BUP= SUP=\r\n"
                               "  NEU=1 SRU=-0,06 STEP=0,002\r\n"
                               "  RZI=S RBE=0,002 RDA=0,005 RAM=1e-9 STEP=0,5e-9 REI=1 RUP=\r\n"
                               "  KAN=K LEI=2e-6 STEP=1e-6\r\n"
                               "  NEU=2 BKA=1 EPO=-0,08 STEP=0,01 LEI=1e-8\r\n"
                               "WIEDERHOLEN1=\r\n";

struct SkriptNetz : AppFall {
    std::filesystem::path vorher = std::filesystem::current_path();
    std::string netzPfad;

    void SetUp() override
    {
        AppFall::SetUp();
        ASSERT_TRUE(starten());
        // the script log goes to the working folder
        std::filesystem::current_path(ordner);
        laufbaresNetz(2, ordner);
        netzvorgaben.elektrischeSynapsenEingeschraenkt = 1;
        skriptMeldungenAnzeigen = 0;
        // synapse 1 has a setting of its own that its rebuild must keep, and a sibling listed
        // before it, whose place the rebuild must keep too
        for (int i = 0; i < 2; ++i) {
            SynapseDaten* s = synapseNeu(neuronNachNummer(1), neuronNachNummer(2), 0, 1e-9, 0.001, -0.05, -0.03, 0, nullptr);
            ASSERT_NE(s, nullptr);
            synapsenTabelleSetzen(s->id, s);
        }
        synapseNachId(1)->elektrischerTyp = 2;
        BenutzerKanal k;
        k.name = "ih";
        k.gleichgewichtspotential = -0.04;
        k.leitfaehigkeit = 1e-9;
        k.potenz = 1;
        neuronNachNummer(2)->benutzerKanaele.push_back(k);
        dateipfade.endung = "gui";
        netzPfad = ordner + "netz.gui";
        ASSERT_TRUE(guiDateiSpeichern(0, nullptr, 1));
        ASSERT_EQ(dateipfade.vollerPfad, netzPfad);
        schreiben(ordner + "t.skr", skriptText);
        laufHaken.ortszeit = [] { return testhilfe::zeitstempel(9); };
    }
    void TearDown() override
    {
        skriptAbbauen();
        laufHaken = {};
        std::filesystem::current_path(vorher);
        AppFall::TearDown();
    }

    // the script loaded through its menu command
    void laden(const std::string& pfad)
    {
        pt::dateiAntworten({pt::dateiAntwort(pfad)});
        befehl(befehlSkriptLaden);
        nachrichtenVerarbeiten();
    }
    // Shift+F2 with the result file the dialog is given
    void laufen(const std::string& bin)
    {
        pt::dateiAntworten({pt::dateiAntwort(bin)});
        befehl(befehlSkriptStarten);
        nachrichtenVerarbeiten();
    }
    // what the user has of the network: its text in memory and its current tables
    static std::string netz()
    {
        XBuffer puffer;
        EXPECT_TRUE(guiDateiSpeichern(0, &puffer, 0));
        std::string t = puffer.text();
        char zahl[40];
        for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron)
            for (const StromTabelle& tab : n->stromTabellen) {
                t += "\n[tabelle " + std::to_string(n->nummer) + "] " + std::to_string(tab.anzahlPunkte) + tab.herkunft;
                for (int i = 0; i < tab.anzahlPunkte && i < static_cast<int>(tab.stromwerte.size()); ++i) {
                    std::snprintf(zahl, sizeof zahl, " %.17g/%.17g", tab.startzeiten[static_cast<size_t>(i)],
                                  tab.stromwerte[static_cast<size_t>(i)]);
                    t += zahl;
                }
            }
        return t;
    }
    static std::vector<std::string> dateien(const std::vector<std::string>& pfade)
    {
        std::vector<std::string> inhalt;
        for (const std::string& p : pfade)
            inhalt.push_back(std::filesystem::exists(p) ? lesen(p) : "(none)");
        return inhalt;
    }
};

// the network text a result file embeds: the text block the header's field 664 places
std::string eingebettetesNetz(const std::string& bin)
{
    uint32_t offset = 0, laenge = 0;
    if (bin.size() < 672)
        return {};
    std::memcpy(&offset, bin.data() + 664, 4);
    std::memcpy(&laenge, bin.data() + 668, 4);
    if (uint64_t{offset} + 4 + laenge > bin.size())
        return {};
    return bin.substr(offset + 4, laenge);
}

} // namespace

// The run varies a synapse, a resting potential, a stimulus and two channels and keeps the
// network's values only while it runs: afterwards the network text and the current tables
// are those before it. Its result file embeds the network as a save would write it, while
// the user's network file, its current file and the settings file stay as they were, so an
// unsaved change reaches the network file only when the user saves.
TEST_F(SkriptNetz, EinLaufGibtDasNetzZurueckUndSchreibtKeineDateiDesNutzers)
{
    // a run from the main window first: what any run sets (the diagrams' time axis) is set
    befehl(befehlSimulationStarten);
    nachrichtenVerarbeiten();
    // an unsaved change: the user's files do not have it
    neuronNachNummer(1)->parameter[par::SomaKapazitaet] *= 1.5;
    const std::vector<std::string> nutzerDateien = {netzPfad, ordner + "netz.cur", ordner + "default.cfg"};
    const auto dateienVorher = dateien(nutzerDateien);
    ASSERT_NE(dateienVorher[1], "(none)");
    laden(ordner + "t.skr");
    ASSERT_TRUE(skriptStatus & skriptBit::Geladen);
    const std::string vorher = netz();

    // what the runs saw: the script's values
    static std::vector<double> gesehen;
    static std::vector<int> reizPunkte;
    gesehen.clear();
    reizPunkte.clear();
    skriptLaufHaken = [] {
        gesehen.push_back(synapseNachId(1)->initialLeitfaehigkeit);
        gesehen.push_back(neuronNachNummer(1)->parameter[par::SomaRuhepotential]);
        reizPunkte.push_back(neuronNachNummer(1)->stromTabellen[0].anzahlPunkte);
        simulationStarten();
    };
    laufen(ordner + "erg.bin");
    const std::vector<double> erwartet = {2e-9, -0.06, 3e-9, -0.058, 4e-9, -0.056};
    ASSERT_EQ(gesehen.size(), erwartet.size());
    for (size_t i = 0; i < erwartet.size(); ++i)
        EXPECT_NEAR(gesehen[i], erwartet[i], 1e-15) << i;
    EXPECT_EQ(reizPunkte, (std::vector<int>{4, 4, 4}));   // the stimulus the update built
    EXPECT_EQ(skript.gesamtSimulationen, 3);
    EXPECT_FALSE(skriptStatus & skriptBit::Laeuft);

    EXPECT_EQ(netz(), vorher);
    EXPECT_EQ(dateien(nutzerDateien), dateienVorher);
    EXPECT_FALSE(std::filesystem::exists(ordner + "default.cfg.bkp"));

    // the save the user makes now writes what the result file embeds
    const std::string eingebettet = eingebettetesNetz(lesen(ordner + "erg.bin"));
    ASSERT_FALSE(eingebettet.empty());
    befehl(befehlGuiDateiSpeichern);
    nachrichtenVerarbeiten();
    EXPECT_TRUE(lesen(netzPfad) == eingebettet) << lesen(netzPfad).size() << " against " << eingebettet.size();
    EXPECT_NE(lesen(netzPfad), dateienVorher[0]);
}

// However the run ends - cancelled by the user, stopped by a statement that cannot go on, or
// stopped because the program closes - the network has its values back once the run has
// returned.
TEST_F(SkriptNetz, JedesEndeGibtDieWerteZurueck)
{
    static int laeufe;
    static void (*imZweiten)();
    std::string text = skriptText;
    // the stimulus's begin passes the run's end in the second pass: its update stops the walk
    const std::string rbe = "RBE=0,002";
    text.replace(text.find(rbe), rbe.size(), "RBE=0,002 STEP=0,015");
    schreiben(ordner + "spaet.skr", text);
    const struct { const char* name; const char* skript; void (*tun)(); int laeufe; BoxTexte boxen; } enden[] = {
        {"cancel", "t.skr",
         [] {
             pt::boxAntworten({antwort::Ja});
             senden(fensterhandles.hauptfenster, nachricht::Befehl, machWParam(befehlSimulationAbbrechen, 0));
         },
         2, {"SysInfo: " + std::string(meldungsTexte[882])}},
        {"failed", "spaet.skr", [] {}, 1, {"Hinweis: " + std::string(meldungsTexte[1107])}},
        {"closing", "t.skr",
         [] {
             pt::boxAntworten({antwort::Ja, antwort::Abbrechen});   // stop the run; keep the program at the offer
             senden(fensterhandles.hauptfenster, nachricht::Schliessen, 0, 0);
         },
         2, {"SysInfo: " + std::string(meldungsTexte[887]), "SysInfo: " + meldungFormatieren(801, netzPfad)}},
    };
    for (const auto& e : enden) {
        laden(ordner + e.skript);
        ASSERT_TRUE(skriptStatus & skriptBit::Geladen) << e.name;
        const std::string vorher = netz();
        const size_t boxenVorher = pt::boxLog().size();
        if (e.laeufe == 1)
            pt::boxAntworten({antwort::Ok});
        laeufe = 0;
        imZweiten = e.tun;
        skriptLaufHaken = [] {
            if (++laeufe == 2)
                imZweiten();
        };
        laufen(ordner + std::string(e.name) + ".bin");
        pt::uhrVorstellen(200);                 // what waited for the run's return comes now
        nachrichtenVerarbeiten();
        EXPECT_EQ(laeufe, e.laeufe) << e.name;
        const BoxTexte alle = gezeigteBoxen();
        EXPECT_EQ(BoxTexte(alle.begin() + static_cast<long>(boxenVorher), alle.end()), e.boxen) << e.name;
        EXPECT_FALSE(skriptStatus & skriptBit::Laeuft) << e.name;
        EXPECT_EQ(netz(), vorher) << e.name;
        // the program took the end back itself: it is not closing
        EXPECT_FALSE(programmEndet()) << e.name;
        EXPECT_FALSE(programmStatus & programmBit::ProgrammSchliesst) << e.name;
    }
    // and the next run, which takes back the stop the last one was asked for, goes through
    // all its passes
    laden(ordner + "t.skr");
    laeufe = 0;
    skriptLaufHaken = [] { ++laeufe; };
    laufen(ordner + "danach.bin");
    EXPECT_EQ(laeufe, 3);
}

// A network read from curve data has no file of its own: the script's log named it with an
// empty name. It names it as the title does, by the file it came from.
TEST_F(SkriptNetz, EinNetzAusKurvendatenHeisstImLogWieImTitel)
{
    befehl(befehlSimulationStarten);
    nachrichtenVerarbeiten();
    const std::string kurven = ordner + "kurven.dat";
    pt::dateiAntworten({pt::dateiAntwort(kurven)});
    befehl(befehlDatDateiSpeichernUnter);
    pt::dateiAntworten({pt::dateiAntwort(kurven)});
    pt::boxAntworten({antwort::Nein});   // the run changed the network: no save of it
    befehl(befehlDateiOeffnen);
    nachrichtenVerarbeiten();
    ASSERT_EQ(pt::boxLog().size(), 1u) << pt::boxLog().back().text;
    ASSERT_TRUE(dateipfade.ohneNetzdatei);
    const std::string titel = plattform::titel(fensterhandles.hauptfenster);
    EXPECT_NE(titel.find("kurven.dat"), std::string::npos) << titel;
    laden(ordner + "t.skr");
    ASSERT_TRUE(skriptStatus & skriptBit::Geladen);
    skriptLaufHaken = [] {};
    laufen(ordner + "erg.bin");
    const std::string log = lesen(ordner + "!   skript.log");
    EXPECT_NE(log.find(meldungFormatieren(1072, titel) + "\r\n"), std::string::npos) << log;
}
