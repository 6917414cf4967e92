// tests/platform/test_box.cpp - message boxes answered from the script
#include "platform/box.h"
#include "test_fenster_hilfe.h"

using namespace plattform;
using namespace probe;

using BoxSkript = Fall;

TEST_F(BoxSkript, AntwortenInDerReihenfolgeUndImLog)
{
    test::boxAntworten({antwort::Ok, antwort::Ja});
    test::boxAntworten({antwort::Abbrechen});
    EXPECT_EQ(hinweisBox("Datei gespeichert"), antwort::Ok);
    EXPECT_EQ(sysInfoBox("\xC4nderungen speichern?", knoepfe::JaNeinAbbrechen), antwort::Ja);
    EXPECT_EQ(velnorInfoBox("Fehler"), antwort::Abbrechen);
    EXPECT_EQ(test::offeneBoxAntworten(), 0u);
    const auto& log = test::boxLog();
    ASSERT_EQ(log.size(), 3u);
    EXPECT_EQ(log[1].titel + "|" + log[1].text, "SysInfo|\xC4nderungen speichern?");
    EXPECT_TRUE(log[1].beantwortet);
}

TEST_F(BoxSkript, VelnorInfoZeigtDasInformationssymbolWieDerHinweis)
{
    test::boxAntworten({antwort::Ok, antwort::Ok, antwort::Nein});
    hinweisBox("a");
    velnorInfoBox("b");
    sysInfoBox("c", knoepfe::JaNein);
    const std::pair<const char*, uint32_t> formen[] = {
        {"Hinweis", knoepfe::Ok | symbol::Information},
        {"Velnor info", knoepfe::OkAbbrechen | symbol::Information},   // a fatal message, yet the information icon
        {"SysInfo", knoepfe::JaNein | symbol::Frage},
    };
    ASSERT_EQ(test::boxLog().size(), 3u);
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(test::boxLog()[i].titel, formen[i].first);
        EXPECT_EQ(test::boxLog()[i].art, formen[i].second) << formen[i].first;
    }
}

TEST_F(BoxSkript, OhneAntwortFaelltDerTestUndDieBoxSchliesstSich)
{
    fehlerSammeln();
    EXPECT_EQ(sysInfoBox("Wirklich?", knoepfe::JaNeinAbbrechen), antwort::Abbrechen);
    EXPECT_EQ(sysInfoBox("Wirklich?", knoepfe::JaNein), antwort::Nein);
    EXPECT_EQ(hinweisBox("Nur zur Info"), antwort::Ok);
    ASSERT_EQ(fehler.size(), 3u);
    EXPECT_NE(fehler[2].find("Nur zur Info"), std::string::npos);
    EXPECT_FALSE(test::boxLog()[0].beantwortet);

    test::boxAntworten({antwort::Ja});   // an OK box has no Yes
    EXPECT_EQ(hinweisBox("Hallo"), antwort::Ok);
    EXPECT_EQ(fehler.size(), 4u);
}
