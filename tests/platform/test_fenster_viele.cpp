// tests/platform/test_fenster_viele.cpp - the scripted platform's bookkeeping of many
// windows: paints in the order the windows were made, children found through their parent,
// the activation history and a window's cursor kept with the window
#include "skript.h"

using namespace skript;

using SkriptVieleFenster = Fall;

// Made, invalidated in reverse and painted by the pump: always in the order of making,
// hidden ones left for later, a child painted with its parent once the parent shows again.
TEST_F(SkriptVieleFenster, GemaltWirdInDerReihenfolgeDesErzeugensVerborgeneErstWennSieErscheinen)
{
    std::vector<Fenster> reihe;
    for (int i = 0; i < 6; ++i)
        reihe.push_back(neu());
    Fenster kind = neu(stil::Kind | stil::Sichtbar, reihe[1], 0, 0, 10, 10);
    Fenster enkel = neu(stil::Kind | stil::Sichtbar, kind, 0, 0, 5, 5);
    nachrichtenVerarbeiten();
    zeigen(reihe[1], anzeige::Verbergen);
    zeigen(reihe[4], anzeige::Verbergen);
    for (auto it = reihe.rbegin(); it != reihe.rend(); ++it)
        ungueltigMachen(*it);
    eingang.clear();
    nachrichtenVerarbeiten();
    EXPECT_EQ(mit(n::Zeichnen), (std::vector<Fenster>{reihe[0], reihe[2], reihe[3], reihe[5]}));

    // shown again: the window, its child and the child's child, and the hidden one still waits
    eingang.clear();
    zeigen(reihe[1], anzeige::Zeigen);
    nachrichtenVerarbeiten();
    EXPECT_EQ(mit(n::Zeichnen), (std::vector<Fenster>{reihe[1], kind, enkel}));
    // a dead window is painted no more, though it was invalid when it died
    ungueltigMachen(reihe[3]);
    ungueltigMachen(reihe[2]);
    fensterZerstoeren(reihe[2]);
    eingang.clear();
    nachrichtenVerarbeiten();
    EXPECT_EQ(mit(n::Zeichnen), (std::vector<Fenster>{reihe[3]}));
}

// The children and owned windows of a window go with it, however many windows live beside
// them; the activation falls back to the window active before, past dead ones.
TEST_F(SkriptVieleFenster, KinderUndBesesseneGehenMitDerVordergrundFaelltZurueck)
{
    Fenster a = neu(), b = neu(), c = neu();
    Fenster besessen = neu(stil::Hauptfenster | stil::Sichtbar, a);
    Fenster kind = neu(stil::Kind | stil::Sichtbar, besessen, 0, 0, 10, 10);
    std::vector<Fenster> andere;
    for (int i = 0; i < 20; ++i)
        andere.push_back(neu());
    fokusSetzen(b);
    fokusSetzen(a);
    fokusSetzen(c);
    fensterZerstoeren(a);
    EXPECT_FALSE(istFenster(besessen) || istFenster(kind));
    EXPECT_TRUE(istFenster(b) && istFenster(c) && istFenster(andere.back()));
    EXPECT_EQ(vordergrundFenster(), c);
    fensterZerstoeren(c);
    EXPECT_EQ(vordergrundFenster(), b);
}

TEST_F(SkriptVieleFenster, DerCursorBleibtBeimFensterUndGehtMitIhm)
{
    Fenster a = neu(), b = neu();
    const Cursor c = standardCursor(cursorArt::Kreuz);
    fensterCursorSetzen(a, c);
    EXPECT_EQ(std::make_pair(test::fensterCursor(a), test::fensterCursor(b)), std::make_pair(c, Cursor{}));
    fensterZerstoeren(a);
    EXPECT_EQ(test::fensterCursor(a), nullptr);
}
