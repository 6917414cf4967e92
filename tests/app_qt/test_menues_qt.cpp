// tests/app_qt/test_menues_qt.cpp - the menus of the modes on the Qt platform: each builds
// in both languages, and the main window's bar swaps to the permutation mode's and back
#include "app/status.h"
#include "platform/qt/qtstart.h"
#include "texts/texte.h"
#include <gtest/gtest.h>

using namespace plattform;

TEST(MenuesQt, ModusmenuesEntstehenUndDieLeisteWechselt)
{
    qt::anwendungSicherstellen();
    for (int s : {spracheDeutsch, spracheEnglisch}) {
        sprache = s;
        for (Modusmenue art : {Modusmenue::Permutation, Modusmenue::Definition, Modusmenue::Fortschritt,
                               Modusmenue::Interaktiv, Modusmenue::Auswertung}) {
            Menue m = modusMenueLaden(art);
            ASSERT_NE(m, nullptr) << s << " " << static_cast<int>(art);
            EXPECT_GT(postenAnzahl(m), 0);
            menueZerstoeren(m);
        }
    }
    sprache = spracheDeutsch;

    klasseRegistrieren({"Velnor Probe", standardFensterProc, 0xFFFFFF});
    fensterhandles.hauptmenue = menueLaden(hauptmenue101);
    fensterhandles.hauptfenster = fensterErzeugen("Velnor Probe", "Velnor", stil::Hauptfenster, 0, 0, 600, 400,
                                                  nullptr, fensterhandles.hauptmenue);
    ASSERT_TRUE(permutationsMenueZeigen());
    Menue leiste = fensterMenue(fensterhandles.hauptfenster);
    EXPECT_EQ(leiste, fensterhandles.permutationsMenue);
    EXPECT_EQ(postenText(leiste, befehlPmtZeigeGuete, Nach::Befehl), "G\xFCtefaktor");   // two levels down
    EXPECT_EQ(menuePunktHaken(fensterhandles.hauptfenster, befehlPmtZeigeGuete, 0), 8);
    simulationsMenueZeigen();
    EXPECT_EQ(fensterMenue(fensterhandles.hauptfenster), fensterhandles.hauptmenue);
    EXPECT_EQ(fensterhandles.permutationsMenue, nullptr);

    fensterZerstoeren(fensterhandles.hauptfenster);
    qt::geloeschteFreigeben();
    fensterhandles = {};
}
