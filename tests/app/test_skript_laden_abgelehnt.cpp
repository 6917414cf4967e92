// tests/app/test_skript_laden_abgelehnt.cpp - "Skript laden" with a file that does not load: the
// script loaded before stays, with its path, its commands and the remembered script path
#include "app_hilfe.h"
#include "files/einstellungsdatei.h"
#include "platform/box.h"
#include "resources/befehle.h"
#include "script/skript.h"

using namespace apphilfe;

namespace {

struct SkriptLadenAbgelehnt : AppFall {
    void SetUp() override
    {
        AppFall::SetUp();
        ASSERT_TRUE(starten());
        laufbaresNetz(1, ordner);
        skriptMeldungenAnzeigen = 0;
    }
    void TearDown() override
    {
        skriptFreigeben(skript);
        skriptStatus = 0;
        AppFall::TearDown();
    }
    void laden(const std::string& pfad)
    {
        pt::dateiAntworten({pt::dateiAntwort(pfad)});
        befehl(befehlSkriptLaden);
        nachrichtenVerarbeiten();
    }
    // what the user has of the loaded script
    static auto geladen()
    {
        return std::tuple(skriptStatus, skript.pfad, skript.anweisungen.size(), skript.gesamtSimulationen,
                          dateipfade.letzteSkriptDatei, befehlVerfuegbar(befehlSkriptStarten),
                          befehlVerfuegbar(befehlSkriptTesten));
    }
};

} // namespace

// A letter, scripts whose run settings differ from the network's, a script with a faulty
// statement, a file with zero bytes and a file that is not there: each is refused with its
// notice, which says that nothing was loaded where the file was read, and the script loaded
// before can still be started and tested.
TEST_F(SkriptLadenAbgelehnt, DasGeladeneSkriptBleibt)
{
    const std::string gut = ordner + "gut.skr";
    schreiben(gut, "SDAUER=0.02 SAUFLOESUNG=0.0001 SELSYNDELAY=O\r\nNEU=1 SRU=-0,07 SIM=\r\n");
    laden(gut);
    ASSERT_TRUE(skriptStatus & skriptBit::Geladen);
    const auto vorher = geladen();
    ASSERT_EQ(std::get<2>(vorher), 3u);
    ASSERT_EQ(std::get<4>(vorher), gut);
    ASSERT_TRUE(std::get<5>(vorher));
    const std::string cfg = lesen(ordner + "default.cfg");

    schreiben(ordner + "nul.skr", std::string("SDAUER=0.02\0", 12));
    const struct { const char* name; std::string inhalt; std::string meldung; } faelle[] = {
        {"brief.txt", "Liebe Grete,\r\nwir kommen am Sonntag.\r\nGruss\r\n", meldungsTexte[1005]},
        {"dauer.skr", "SDAUER=0.03 SAUFLOESUNG=0.0001 SELSYNDELAY=O\r\nNEU=1 SIM=\r\n",
         "die simulationsdauer ist im skript (0.03 s) anders als in der gui (0.02 s). es wurde nichts geladen."},
        {"schritt.skr", "SDAUER=0.02 SAUFLOESUNG=0.00005 SELSYNDELAY=O\r\nNEU=1 SIM=\r\n",
         "die laenge eines simulationsschrittes ist im skript (5e-05 s) anders als in der gui (0.0001 s). "
         "es wurde nichts geladen."},
        {"elsyn.skr", "SDAUER=0.02 SAUFLOESUNG=0.0001 SELSYNDELAY=M\r\nNEU=1 SIM=\r\n",
         "elektrische synapsen werden im skript anders berechnet als in der gui. es wurde nichts geladen."},
        {"fehler.skr", "SDAUER=0.02 SAUFLOESUNG=0.0001 SELSYNDELAY=O\r\nSRU=-0,07\r\n", ""},
        {"nul.skr", "", meldungFormatieren(1189, ordner + "nul.skr")},
        {"fehlt.skr", "", meldungFormatieren(265, ordner + "fehlt.skr")},
    };
    for (const auto& f : faelle) {
        if (!f.inhalt.empty())
            schreiben(ordner + f.name, f.inhalt);
        const size_t boxen = pt::boxLog().size();
        pt::boxAntworten({antwort::Ok, antwort::Ok, antwort::Ok});
        laden(ordner + f.name);
        ASSERT_GT(pt::boxLog().size(), boxen) << f.name;
        if (!f.meldung.empty())
            EXPECT_EQ(pt::boxLog()[boxen].text, f.meldung) << f.name;
        EXPECT_EQ(geladen(), vorher) << f.name;
        EXPECT_EQ(lesen(ordner + "default.cfg"), cfg) << f.name;
    }
}

// Each unknown statement's notice names its line as it stands, so the ten of a file that is
// no script can be told apart; a long line is cut, and the file loads nothing.
TEST_F(SkriptLadenAbgelehnt, UnbekannteAnweisungenNennenIhreGanzeZeile)
{
    std::string text, lang = "Messung am Sonntag: Wert=";
    lang.append(200, 'x');
    for (const char* tag : {"Montag", "Dienstag", "Mittwoch", "Donnerstag", "Freitag", "Samstag", "Sonntag",
                            "Montag danach", "Dienstag danach"})
        text += std::string("\tMessung am ") + tag + ": Wert=gut  \r\n";
    schreiben(ordner + "messungen.txt", text + "\r\n" + lang + "\r\n");
    for (int i = 0; i < 11; ++i)
        pt::boxAntworten({antwort::Ok});
    laden(ordner + "messungen.txt");
    ASSERT_EQ(pt::boxLog().size(), 11u);
    EXPECT_EQ(pt::boxLog()[0].text, "unm\xF6gliche anweisung M in zeile 1:\nMessung am Montag: Wert=gut");
    EXPECT_EQ(pt::boxLog()[8].text, "unm\xF6gliche anweisung M in zeile 9:\nMessung am Dienstag danach: Wert=gut");
    EXPECT_EQ(pt::boxLog()[9].text, "unm\xF6gliche anweisung M in zeile 11:\n" + lang.substr(0, 120) + "...");
    EXPECT_EQ(pt::boxLog()[10].text, meldungFormatieren(1241, ordner + "messungen.txt", 10));
    EXPECT_FALSE(skriptStatus & skriptBit::Geladen);
}
