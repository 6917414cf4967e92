// tests/platform/test_waehler.cpp - file, colour and font choosers from scripted answers
#include "test_fenster_hilfe.h"

using namespace plattform;
using namespace probe;

using Waehler = Fall;

TEST_F(Waehler, DateiwahlNimmtDieAntwortUndProtokolliertDieFrage)
{
    test::dateiAntworten({test::dateiAntwort("/daten/netze/Kreis.STR"), test::dateiAbbruch()});
    DateiWahl w{.ordner = "/daten", .name = "neu", .endung = "str",
                .filter = {{"Netze (*.str)", "*.str"}, {"Alle Dateien (*.*)", "*.*"}},
                .titel = "Netz speichern", .speichern = true};
    ASSERT_TRUE(dateiWaehlen(nullptr, w));
    EXPECT_EQ(w.ordner + "|" + w.name + "|" + w.endung, "/daten/netze|Kreis|STR");
    EXPECT_EQ(w.titel, "Netz speichern");   // the question's own fields stay

    DateiWahl offen = w;
    offen.speichern = false;
    EXPECT_FALSE(dateiWaehlen(nullptr, offen));
    EXPECT_EQ(offen.name, "Kreis");          // a cancel changes nothing

    const auto& log = test::dateiWahlLog();
    ASSERT_EQ(log.size(), 2u);
    EXPECT_EQ(log[0].gefragt.ordner + "|" + log[0].gefragt.name, "/daten|neu");   // what was asked, not the answer
    EXPECT_EQ(log[0].gefragt.filter.at(1).muster, "*.*");
    EXPECT_TRUE(log[0].gefragt.speichern);
    EXPECT_FALSE(log[1].gefragt.speichern);
    EXPECT_TRUE(log[1].beantwortet);
    EXPECT_EQ(test::offeneWahlAntworten(), 0u);

    auto teile = [](const std::string& p) {
        test::DateiAntwort a = test::dateiAntwort(p);
        return a.ordner + "|" + a.name + "|" + a.endung;
    };
    EXPECT_EQ(teile("a.b/c"), "a.b|c|");           // a dot in a folder is no extension
    EXPECT_EQ(teile("/home/.profil"), "/home|.profil|");
    EXPECT_EQ(teile("x/archiv.tar.gz"), "x|archiv.tar|gz");
}

// like a box without an answer: the test fails with the title, the chooser returns at once
TEST_F(Waehler, OhneAntwortScheitertDerTestUndNichtsBlockiert)
{
    fehlerSammeln();
    test::farbAntworten({0x111111});
    DateiWahl w;
    w.titel = "Kanaldatei laden";
    EXPECT_FALSE(dateiWaehlen(nullptr, w));
    SchriftMerkmale m;
    Farbe f = 0;
    EXPECT_FALSE(schriftWaehlen(nullptr, m, f));
    ASSERT_EQ(fehler.size(), 2u);
    EXPECT_NE(fehler[0].find("Kanaldatei laden"), std::string::npos);
    EXPECT_NE(fehler[1].find("font"), std::string::npos);
    EXPECT_FALSE(test::dateiWahlLog().at(0).beantwortet);
    EXPECT_EQ(test::offeneWahlAntworten(), 1u);   // the colour answer waits for its own chooser

    EXPECT_EQ(farbeWaehlen(nullptr, 0), 0x111111u);
    EXPECT_EQ(farbeWaehlen(nullptr, 0), KeineFarbe);
    EXPECT_EQ(fehler.size(), 3u);
}
