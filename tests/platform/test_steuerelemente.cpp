// tests/platform/test_steuerelemente.cpp - the scripted platform's records of its controls:
// status bars and one log of status texts, boxes and beeps, text boxes
#include "skript.h"

using namespace skript;

using SkriptSteuerelemente = Fall;

TEST_F(SkriptSteuerelemente, StatusBoxenUndPiepenInEinemLogDerReiheNach)
{
    Fenster f = neu();
    Fenster leiste = statusleisteErzeugen(f, 1);
    test::boxAntworten({antwort::Ja});
    statusTextSetzen(leiste, 1 | statusStil::Randlos, "\tDatei fehlt");
    piepen(440, 200);
    EXPECT_EQ(sysInfoBox("Trotzdem starten?", knoepfe::JaNein), antwort::Ja);
    fehlerSammeln();
    hinweisBox("ohne Antwort");                            // an unanswered box joins the log too
    const auto& log = test::ereignisLog();
    ASSERT_EQ(log.size(), 4u);
    EXPECT_TRUE(log[0].art == test::Ereignis::Status && log[0].text == "\tDatei fehlt" && log[0].a == 1 &&
                log[0].b == static_cast<int>(statusStil::Randlos) && log[0].fenster == leiste);
    EXPECT_EQ(test::statusleisteZustand(leiste)->teile.at(1).stil, statusStil::Randlos);
    EXPECT_TRUE(log[1].art == test::Ereignis::Piep && log[1].a == 440 && log[1].b == 200);
    EXPECT_TRUE(log[2].art == test::Ereignis::Box && log[2].text == "Trotzdem starten?" && log[2].a == antwort::Ja);
    EXPECT_TRUE(log[3].art == test::Ereignis::Box && log[3].a == antwort::Ok);

    statusTextSetzen(neu(), 0, "kein Statusfenster");      // a mixed-up handle fails
    EXPECT_EQ(fehler.size(), 2u);
    fensterZerstoeren(f);
    statusTextSetzen(leiste, 0, "zu sp\xE4t");             // a dead bar: silently, and no entry
    EXPECT_TRUE(fehler.size() == 2 && test::ereignisLog().size() == 4);
}

TEST_F(SkriptSteuerelemente, TextfeldSchriftImProtokollBenutzerScrolltNurWoEineLeisteIst)
{
    Fenster f = neu();
    Fenster feld = textfeldErzeugen(f, 12, {5, 10, 205, 110}, true);
    Schrift s = schriftErzeugen({0, 400, false, false, 0, "Courier New"});
    textfeldSchrift(feld, s);
    loeschen(s);
    EXPECT_EQ(test::textfeldZustand(feld)->schrift.name, "Courier New");
    scrollLeisteSetzen(f, true, 0, 99, 40, 10);
    fehlerSammeln();
    test::scrollen(f, false, scroll::ZeileRunter);         // the horizontal bar is hidden
    EXPECT_EQ(fehler.size(), 1u);
}
