// tests/platform/test_menue.cpp - menu tables and their edits: the menu tree both platforms share
#include "platform/menue.h"
#include <gtest/gtest.h>
#include <string>

using namespace plattform;
namespace a = plattform::menueArt;

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

TEST(MenueTabelle, LadenUndFindenNachBefehlUndPosition)
{
    Menue m = menueLaden(tabelle);                         // no window owns it
    ASSERT_EQ(postenAnzahl(m), 3);
    Menue datei = untermenue(m, 0);
    Menue drucker = untermenue(datei, 3);
    ASSERT_EQ(postenAnzahl(datei), 5);
    EXPECT_TRUE(postenBefehl(datei, 1) == 102 && postenBefehl(datei, 3) == 0);   // 3: a submenu
    EXPECT_EQ(postenText(m, 102, Nach::Befehl), "\xD6&ffnen...\tStrg+O");
    EXPECT_TRUE(istGrau(m, 102, Nach::Befehl) && istAbgehakt(untermenue(m, 1), 0, Nach::Position));

    EXPECT_TRUE(abhaken(m, 301, Nach::Befehl, true) && istAbgehakt(m, 301, Nach::Befehl));   // at depth 3
    EXPECT_TRUE(grauSetzen(m, 1, Nach::Position, true));   // a whole menu of the bar, not its items
    EXPECT_FALSE(istGrau(m, 401, Nach::Befehl));
    EXPECT_TRUE(postenUmbenennen(m, 201, Nach::Befehl, "Drucker 1"));
    EXPECT_EQ(postenText(drucker, 0, Nach::Position), "Drucker 1");
    EXPECT_FALSE(abhaken(m, 0, Nach::Befehl, true));   // separators and submenus have no command
    // appended as the neuron entries of a context menu
    EXPECT_TRUE(postenAnhaengen(drucker, a::Posten, 3, "Neuron 3"));
    EXPECT_EQ(std::make_tuple(postenAnzahl(drucker), postenBefehl(drucker, 2), postenText(m, 3, Nach::Befehl)),
              std::make_tuple(3, 3, "Neuron 3"));
    menueZerstoeren(m);
}

TEST(MenueTabelle, FehlerhafteTabellenLadenNichts)
{
    EXPECT_EQ(menueLaden({}), nullptr);
    const MenueZeile zuTief[] = {{1, a::Posten, 1, "x"}};
    const MenueZeile ohneUntermenue[] = {{0, a::Posten, 1, "x"}, {1, a::Posten, 2, "y"}};
    const MenueZeile zweiStufen[] = {{0, a::Untermenue, 0, "x"}, {2, a::Posten, 2, "y"}};
    const MenueZeile negativ[] = {{0, a::Posten, 1, "x"}, {-1, a::Posten, 2, "y"}};
    EXPECT_EQ(std::make_tuple(menueLaden(zuTief), menueLaden(ohneUntermenue), menueLaden(zweiStufen),
                              menueLaden(negativ)),
              std::make_tuple(nullptr, nullptr, nullptr, nullptr));
}
