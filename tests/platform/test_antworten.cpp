// tests/platform/test_antworten.cpp - the scripted platform's queues of answers and its logs:
// boxes, popups and the menu bar, the choosers. What has no answer fails the test with its
// text and returns at once.
#include "skript.h"

using namespace skript;

using SkriptAntworten = Fall;

const MenueZeile tabelle[] = {
    {0, menueArt::Untermenue, 0, "&Datei"},
    {1, menueArt::Posten, 101, "&Neu"},
    {1, menueArt::Posten, 103, "&Beenden"},
    {1, menueArt::Untermenue, 0, "&Drucker"},
    {2, menueArt::Untermenue, 0, "Weitere"},
    {3, menueArt::Posten, 301, "Tief"},
};

TEST_F(SkriptAntworten, BoxenNehmenIhreAntwortenDerReiheNachOhneAntwortScheitertDerTest)
{
    test::boxAntworten({antwort::Ok, antwort::Ja});
    test::boxAntworten({antwort::Abbrechen});              // appended
    hinweisBox("Datei gespeichert");
    sysInfoBox("\xC4nderungen speichern?", knoepfe::JaNeinAbbrechen);
    EXPECT_EQ(velnorInfoBox("Fehler"), antwort::Abbrechen);
    EXPECT_EQ(test::offeneBoxAntworten(), 0u);
    ASSERT_EQ(test::boxLog().size(), 3u);
    EXPECT_EQ(test::boxLog()[1].titel + "|" + test::boxLog()[1].text, "SysInfo|\xC4nderungen speichern?");

    fehlerSammeln();                                       // closed as the user's close box would
    EXPECT_EQ(sysInfoBox("Wirklich?", knoepfe::JaNeinAbbrechen), antwort::Abbrechen);
    EXPECT_EQ(sysInfoBox("Wirklich?", knoepfe::JaNein), antwort::Nein);
    EXPECT_EQ(hinweisBox("Nur zur Info"), antwort::Ok);
    test::boxAntworten({antwort::Ja});                     // an OK box has no Yes
    EXPECT_EQ(hinweisBox("Hallo"), antwort::Ok);
    ASSERT_EQ(fehler.size(), 4u);
    EXPECT_NE(fehler[2].find("Nur zur Info"), std::string::npos);
    EXPECT_TRUE(test::boxLog()[1].beantwortet && !test::boxLog()[3].beantwortet);
}

// the benchmarks' rule answers what no queued answer waits for; its 0 and a button the box
// does not have fail as before
TEST_F(SkriptAntworten, BoxRegelAntwortetNachDerWarteschlange)
{
    std::vector<std::string> gefragt;
    test::boxRegelSetzen([&](const std::string& titel, const std::string& text, uint32_t art) {
        gefragt.push_back(titel + "|" + text);
        return (art & 0xF) == knoepfe::JaNeinAbbrechen ? antwort::Nein : (art & 0xF) == knoepfe::Ok ? 0 : antwort::Ja;
    });
    test::boxAntworten({antwort::Abbrechen});
    EXPECT_EQ(sysInfoBox("Speichern?", knoepfe::JaNeinAbbrechen), antwort::Abbrechen);   // the queue first
    EXPECT_EQ(sysInfoBox("Speichern?", knoepfe::JaNeinAbbrechen), antwort::Nein);
    EXPECT_TRUE(gefragt == std::vector<std::string>{"SysInfo|Speichern?"});
    EXPECT_TRUE(test::boxLog().back().beantwortet);

    fehlerSammeln();
    EXPECT_EQ(hinweisBox("Nur zur Info"), antwort::Ok);                       // the rule has none
    EXPECT_EQ(sysInfoBox("Abbrechen?", knoepfe::OkAbbrechen), antwort::Abbrechen);   // no Yes there
    ASSERT_EQ(fehler.size(), 2u);
    EXPECT_NE(fehler[0].find("Nur zur Info"), std::string::npos);

    test::zuruecksetzen();                                  // takes the rule away
    fehlerSammeln();
    sysInfoBox("Speichern?", knoepfe::JaNeinAbbrechen);
    EXPECT_EQ(fehler.size(), 3u);
    EXPECT_EQ(gefragt.size(), 3u);
}

TEST_F(SkriptAntworten, PopupUndMenueleisteOeffnenJedesUntermenueUndScheiternAnGrauem)
{
    Menue m = menueLaden(tabelle);
    Fenster f = neu(stil::Hauptfenster | stil::Sichtbar, nullptr, 0, 0, 400, 300, m);
    Menue datei = untermenue(m, 0), drucker = untermenue(datei, 2);
    std::vector<std::pair<Menue, intptr_t>> inits;
    reaktion = [&](Fenster, uint32_t msg, uintptr_t w, intptr_t l) -> std::optional<intptr_t> {
        if (msg == n::MenuePopupInit) {
            inits.emplace_back(reinterpret_cast<Menue>(w), l);
            grauSetzen(m, 103, Nach::Befehl, true);        // greyed as the menu opens
        }
        return std::nullopt;
    };
    test::popupAntworten({301});
    EXPECT_EQ(popupMenue(datei, f, {5, 5}), 301);
    EXPECT_EQ(inits, (std::vector<std::pair<Menue, intptr_t>>{{datei, 0}, {drucker, 2}, {untermenue(drucker, 0), 0}}));

    fehlerSammeln();
    EXPECT_EQ(popupMenue(datei, f, {}), 0);                // no answer scripted
    test::popupAntworten({103});
    EXPECT_EQ(popupMenue(datei, f, {}), 0);                // grey after the init
    EXPECT_FALSE(test::menueBefehlWaehlen(f, 103));
    EXPECT_EQ(fehler.size(), 3u);
    nachrichtenVerarbeiten();
    EXPECT_EQ(befehle(f), "");
}

TEST_F(SkriptAntworten, WaehlerProtokollierenDieFrageUndZerlegenDieAntwort)
{
    test::dateiAntworten({test::dateiAntwort("/daten/netze/Kreis.STR"), test::dateiAbbruch()});
    DateiWahl w{.ordner = "/daten", .name = "neu", .endung = "str",
                .filter = {{"Netze (*.str)", "*.str"}, {"Alle Dateien (*.*)", "*.*"}},
                .titel = "Netz speichern", .speichern = true};
    ASSERT_TRUE(dateiWaehlen(nullptr, w));
    EXPECT_EQ(w.ordner + "|" + w.name + "|" + w.endung, "/daten/netze|Kreis|STR");
    w.speichern = false;
    EXPECT_FALSE(dateiWaehlen(nullptr, w));
    const auto& log = test::dateiWahlLog();
    ASSERT_EQ(log.size(), 2u);
    EXPECT_EQ(log[0].gefragt.ordner + "|" + log[0].gefragt.name, "/daten|neu");   // what was asked, not the answer
    EXPECT_TRUE(log[0].gefragt.speichern && !log[1].gefragt.speichern && log[1].beantwortet);
    const test::DateiAntwort punkt = test::dateiAntwort("a.b/.profil");   // dots that start no extension
    EXPECT_EQ(punkt.ordner + "|" + punkt.name + "|" + punkt.endung, "a.b|.profil|");

    fehlerSammeln();
    test::farbAntworten({0x111111});
    w.titel = "Kanaldatei laden";
    EXPECT_FALSE(dateiWaehlen(nullptr, w));
    SchriftMerkmale m;
    Farbe f = 0;
    EXPECT_FALSE(schriftWaehlen(nullptr, m, f));
    EXPECT_FALSE(test::dateiWahlLog().back().beantwortet);
    EXPECT_EQ(farbeWaehlen(nullptr, 0), 0x111111u);        // the colour answer waited for its own chooser
    EXPECT_EQ(farbeWaehlen(nullptr, 0), KeineFarbe);
    ASSERT_EQ(fehler.size(), 3u);
    EXPECT_NE(fehler[0].find("Kanaldatei laden"), std::string::npos);
    EXPECT_NE(fehler[1].find("font"), std::string::npos);
}
