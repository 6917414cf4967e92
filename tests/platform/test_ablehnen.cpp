// tests/platform/test_ablehnen.cpp - the scripted platform's declining user: what has no
// scripted answer is declined (Cancel or No, choosers cancelled, no popup item, a modal
// dialog's Cancel) instead of failing the test; scripted answers still come first
#include "skript.h"

using namespace skript;
namespace sch = plattform::test::schritt;

using SkriptAblehnen = Fall;

TEST_F(SkriptAblehnen, BoxenWaehlerPopupUndModalerDialogWerdenAbgelehnt)
{
    fehlerSammeln();
    Fenster haupt = neu();
    test::unbeantwortetAblehnen(test::Ablehnen::Abbrechen);
    test::boxAntworten({antwort::Ja});
    EXPECT_EQ(sysInfoBox("Speichern?", knoepfe::JaNeinAbbrechen), antwort::Ja);   // scripted first
    EXPECT_EQ(sysInfoBox("Speichern?", knoepfe::JaNeinAbbrechen), antwort::Abbrechen);
    EXPECT_EQ(sysInfoBox("Weiter?", knoepfe::JaNein), antwort::Nein);
    EXPECT_EQ(velnorInfoBox("Fehler"), antwort::Abbrechen);
    EXPECT_EQ(hinweisBox("Nur zur Info"), antwort::Ok);
    test::unbeantwortetAblehnen(test::Ablehnen::Nein);
    EXPECT_EQ(sysInfoBox("Speichern?", knoepfe::JaNeinAbbrechen), antwort::Nein);
    EXPECT_EQ(velnorInfoBox("Fehler"), antwort::Abbrechen);
    EXPECT_TRUE(test::boxLog().back().beantwortet);

    DateiWahl wahl;
    wahl.name = "netz";
    EXPECT_FALSE(dateiWaehlen(haupt, wahl));
    EXPECT_EQ(wahl.name, "netz");
    EXPECT_EQ(farbeWaehlen(haupt, 0x123456), KeineFarbe);
    SchriftMerkmale m;
    Farbe f = 0;
    EXPECT_FALSE(schriftWaehlen(haupt, m, f));

    const MenueZeile tabelle[] = {{0, menueArt::Untermenue, 0, "&Datei"}, {1, menueArt::Posten, 101, "&Neu"}};
    Menue menue = menueLaden(tabelle);
    EXPECT_EQ(popupMenue(untermenue(menue, 0), haupt, {}), 0);
    menueZerstoeren(menue);

    // Cancel ends it; a script still plays as written
    EXPECT_EQ(dialogModal(kleinVorlage, haupt, dlgProc), 2);
    test::dialogSkript(9002, {sch::klicken(1)});
    EXPECT_EQ(dialogModal(kleinVorlage, haupt, dlgProc), 1);
    EXPECT_TRUE(fehler.empty()) << fehler.front();

    // a dialog that will not take its Cancel still waits for the user, and says so
    reaktion = befehleNurMelden;
    EXPECT_EQ(dialogModal(kleinVorlage, haupt, dlgProc), 2);
    ASSERT_EQ(fehler.size(), 1u);
    EXPECT_NE(fehler[0].find("dialog 9002 waits for the user"), std::string::npos);

    test::zuruecksetzen();   // the declining user goes with the rest
    fehlerSammeln();
    hinweisBox("wieder streng");
    EXPECT_EQ(fehler.size(), 2u);
}
