// tests/platform/test_menue.cpp - menu tables and edits (the shared menu tree), menu bars, popups
#include "platform/menue_modell.h"
#include "test_fenster_hilfe.h"

using namespace plattform;
using namespace probe;
namespace n = plattform::nachricht;
namespace a = plattform::menueArt;

using MenueTabelle = Fall;
using MenueLeiste = Fall;

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

TEST_F(MenueTabelle, LadenUndFindenNachBefehlUndPosition)
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

TEST_F(MenueTabelle, LoeschenUndAnhaengenWieDasDruckerUntermenue)
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

TEST_F(MenueTabelle, FehlerhafteTabellenLadenNichts)
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

TEST_F(MenueLeiste, DieLeisteNimmtPlatzUndStirbtMitDemFenster)
{
    Fenster f = neu();
    const int hoehe = clientRechteck(f).hoehe();
    Menue m = menueLaden(tabelle);
    test::logLeeren();
    menueSetzen(f, m);
    EXPECT_EQ(fensterMenue(f), m);
    EXPECT_EQ(clientRechteck(f).hoehe(), hoehe - test::menueHoehe);
    EXPECT_EQ(nachrichten(f), (std::vector<uint32_t>{n::Groesse, n::Bewegen}));

    menueSetzen(f, nullptr);   // the old bar is not destroyed ...
    EXPECT_EQ(clientRechteck(f).hoehe(), hoehe);
    Fenster g = fensterErzeugen("Probe", "", stil::Hauptfenster, 0, 0, 300, 200, nullptr, m);
    EXPECT_EQ(fensterMenue(g), m);
    fensterZerstoeren(g);      // ... but dies with a window (the sanitizer sees a leak otherwise)

    Menue zweite = menueLaden(tabelle);
    menueSetzen(f, zweite);
    menueZerstoeren(zweite);   // a destroyed bar is no longer the window's
    EXPECT_EQ(fensterMenue(f), nullptr);
}

TEST_F(MenueLeiste, PopupUndMenueleisteAntwortenWieEinBenutzer)
{
    Fenster f = neu();
    MenueFrei t;
    Menue datei = untermenue(t.m, 0);
    Menue drucker = untermenue(datei, 3);
    std::vector<std::pair<Menue, intptr_t>> inits;
    reaktion = [&](Fenster g, uint32_t msg, uintptr_t w, intptr_t l) -> intptr_t {
        if (msg == n::MenuePopupInit) {
            inits.push_back({reinterpret_cast<Menue>(w), l});
            grauSetzen(t.m, 103, Nach::Befehl, true);   // greyed as the menu opens
        }
        return standardFensterProc(g, msg, w, l);
    };
    test::popupAntworten({301, 0});
    EXPECT_EQ(popupMenue(datei, f, {5, 5}), 301);
    EXPECT_EQ(inits, (std::vector<std::pair<Menue, intptr_t>>{{datei, 0}, {drucker, 3}, {untermenue(drucker, 1), 1}}));
    EXPECT_EQ(popupMenue(datei, f, {5, 5}), 0);
    ASSERT_EQ(test::popupLog().size(), 2u);
    EXPECT_EQ(test::popupLog()[0], (std::vector<int>{101, 102, 0, 0, 103}));

    fehlerSammeln();
    EXPECT_EQ(popupMenue(datei, f, {}), 0);   // no answer scripted
    test::popupAntworten({103});
    EXPECT_EQ(popupMenue(datei, f, {}), 0);   // grey after the init
    EXPECT_EQ(fehler.size(), 2u);

    menueSetzen(f, t.m);
    test::logLeeren();
    EXPECT_TRUE(test::menueBefehlWaehlen(f, 101));
    EXPECT_FALSE(test::menueBefehlWaehlen(f, 103));
    EXPECT_EQ(fehler.size(), 3u);
    nachrichtenVerarbeiten();
    std::vector<uintptr_t> befehle;
    for (const auto& e : test::nachrichtenVon(f))
        if (e.nachricht == n::Befehl)
            befehle.push_back(e.w);
    EXPECT_EQ(befehle, (std::vector<uintptr_t>{machWParam(101, 0)}));
    menueSetzen(f, nullptr);   // t frees the menu, not the window
}

TEST_F(MenueTabelle, EinUntermenueHatGenauEinenBesitzer)
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
