// tests/platform/test_menue.cpp - menu tables and their edits: the menu tree both platforms share
#include "platform/menue.h"
#include <gtest/gtest.h>
#include <string>

using namespace plattform;
namespace a = plattform::menueArt;

namespace {
const MenueZeile tabelle[] = {
    {0, a::Untermenue, 0, "&Datei"},
    {1, a::Posten, 101, "&Neu"},
    {1, a::Posten | a::Grau, 102, "\xD6&ffnen...\tStrg+O"},
    {1, a::Trenner, 0, nullptr},
    {1, a::Untermenue, 0, "&Drucker"},
    {2, a::Posten, 201, "PDF"},
    {2, a::Untermenue, 0, "Weitere"},
    {3, a::Posten, 301, "Tief"},
    {1, a::Posten, 103, "&Beenden"},
    {0, a::Untermenue, 0, "&Hilfe"},
    {1, a::Posten | a::Abgehakt, 401, "Info"},
    {0, a::Posten, 500, "Direkt"},
};

struct MenueFrei {   // a loaded menu that no window owns
    Menue m = menueLaden(tabelle);
    ~MenueFrei() { menueZerstoeren(m); }
};
} // namespace

TEST(MenueTabelle, LadenUndFindenNachBefehlUndPosition)
{
    MenueFrei t;
    Menue m = t.m;
    ASSERT_EQ(postenAnzahl(m), 3);
    Menue datei = untermenue(m, 0);
    Menue drucker = untermenue(datei, 3);
    ASSERT_EQ(postenAnzahl(datei), 5);
    EXPECT_EQ(postenBefehl(datei, 1), 102);
    EXPECT_EQ(postenBefehl(datei, 3), 0);    // submenu
    EXPECT_EQ(postenText(m, 102, Nach::Befehl), "\xD6&ffnen...\tStrg+O");
    EXPECT_TRUE(istGrau(m, 102, Nach::Befehl));
    EXPECT_TRUE(istAbgehakt(untermenue(m, 1), 0, Nach::Position));
    EXPECT_EQ(menueMitBefehl(m, 301), untermenue(drucker, 1));   // at depth 3
    EXPECT_EQ(menueMitBefehl(m, 500), m);
    EXPECT_EQ(untermenuePosition(datei, drucker), 3);
    EXPECT_EQ(untermenuePosition(m, drucker), -1);   // only direct submenus

    EXPECT_TRUE(abhaken(m, 301, Nach::Befehl, true) && istAbgehakt(m, 301, Nach::Befehl));
    EXPECT_TRUE(grauSetzen(m, 1, Nach::Position, true));   // a whole menu of the bar, not its items
    EXPECT_FALSE(istGrau(m, 401, Nach::Befehl));
    EXPECT_TRUE(postenUmbenennen(m, 201, Nach::Befehl, "Drucker 1"));
    EXPECT_EQ(postenText(drucker, 0, Nach::Position), "Drucker 1");
    EXPECT_FALSE(abhaken(m, 0, Nach::Befehl, true));   // separators and submenus have no command
}

TEST(MenueTabelle, LoeschenUndAnhaengenWieDasDruckerUntermenue)
{
    MenueFrei t;
    Menue drucker = untermenue(untermenue(t.m, 0), 3);
    EXPECT_TRUE(postenLoeschen(drucker, 1, Nach::Position));   // takes its submenu along
    EXPECT_EQ(menueMitBefehl(t.m, 301), nullptr);
    EXPECT_TRUE(postenLoeschen(t.m, 201, Nach::Befehl));
    EXPECT_EQ(postenAnzahl(drucker), 0);
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(postenAnhaengen(drucker, a::Posten, 210 + i, "Drucker " + std::to_string(i)));
    EXPECT_TRUE(postenEinfuegen(drucker, 0, a::Trenner, 77, ""));
    EXPECT_EQ(postenBefehl(drucker, 0), 0);   // a separator keeps no command
    EXPECT_EQ(postenBefehl(drucker, 3), 212);
    EXPECT_FALSE(postenEinfuegen(drucker, 9, a::Posten, 1, ""));

    Menue extra = menueErzeugen();
    postenAnhaengen(extra, a::Posten, 600, "Neu");
    EXPECT_TRUE(untermenueAnhaengen(t.m, extra, "&Extra"));
    EXPECT_EQ(menueMitBefehl(t.m, 600), extra);
    EXPECT_EQ(untermenuePosition(t.m, extra), 3);
}

TEST(MenueTabelle, FehlerhafteTabellenLadenNichts)
{
    EXPECT_EQ(menueLaden({}), nullptr);
    const MenueZeile zuTief[] = {{1, a::Posten, 1, "x"}};
    const MenueZeile ohneUntermenue[] = {{0, a::Posten, 1, "x"}, {1, a::Posten, 2, "y"}};
    const MenueZeile zweiStufen[] = {{0, a::Untermenue, 0, "x"}, {2, a::Posten, 2, "y"}};
    const MenueZeile negativ[] = {{0, a::Posten, 1, "x"}, {-1, a::Posten, 2, "y"}};
    EXPECT_EQ(menueLaden(zuTief), nullptr);
    EXPECT_EQ(menueLaden(ohneUntermenue), nullptr);
    EXPECT_EQ(menueLaden(zweiStufen), nullptr);
    EXPECT_EQ(menueLaden(negativ), nullptr);
}

TEST(MenueTabelle, EinUntermenueHatGenauEinenBesitzer)
{
    MenueFrei t;
    Menue datei = untermenue(t.m, 0);
    Menue drucker = untermenue(datei, 3);
    Menue fremd = menueErzeugen();
    EXPECT_FALSE(untermenueAnhaengen(fremd, drucker, "x"));   // owned by "Datei" already
    EXPECT_FALSE(untermenueAnhaengen(drucker, datei, "x"));   // would hold itself
    EXPECT_FALSE(untermenueAnhaengen(datei, datei, "x"));
    ASSERT_TRUE(untermenueAnhaengen(drucker, fremd, "Fremd"));
    EXPECT_EQ(untermenuePosition(drucker, fremd), 2);

    // destroying a submenu takes it out of its owner, which must not free it again
    menueZerstoeren(drucker);
    EXPECT_EQ(postenAnzahl(datei), 4);
    EXPECT_EQ(menueMitBefehl(t.m, 301), nullptr);
}
