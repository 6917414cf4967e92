// tests/dialogs/test_rahmen.cpp - placement, the remembered position and the shared helpers
#include "dialogs/rahmen.h"
#include "resources/befehle.h"
#include "ersatz_hauptfenster.h"
#include "platform/menue_modell.h"
#include "resources/vorlagen.h"
#include "texts/texte.h"
#include <cmath>
#include <string>
#include <vector>

using namespace plattform;
using Rahmen = ersatz::Fall;
namespace sch = plattform::test::schritt;

TEST_F(Rahmen, ErsteOeffnungMittigDannDortWoDerBenutzerIhnLiess)
{
    const Rechteck a = arbeitsbereich();
    Rechteck erst{}, zweit{};
    eingabeParameter.flags = eingabeFlag::KeineEingabe;
    test::dialogSkript(146, {[&](Fenster d) {
        erst = fensterRechteck(d);
        verschieben(d, 300, 200, erst.breite(), erst.hoehe());   // the user drags it
    }, sch::klicken(1)});
    ASSERT_EQ(eingabeDialogOeffnen(), 1);
    EXPECT_NEAR(erst.links, a.rechts / 2 - erst.breite() / 2, 1);
    EXPECT_NEAR(erst.oben, a.unten / 2 - erst.hoehe() / 2, 1);

    eingabeParameter.flags = eingabeFlag::KeineEingabe;
    test::dialogSkript(146, {[&](Fenster d) { zweit = fensterRechteck(d); }, sch::klicken(2)});
    ASSERT_EQ(eingabeDialogOeffnen(), 2);
    EXPECT_EQ(zweit.links, 300);              // no creeping by the frame
    EXPECT_EQ(zweit.oben, 200);
}

TEST_F(Rahmen, EineAchseAusserhalbWirdAlleinZentriert)
{
    test::arbeitsbereichSetzen({0, 0, 1000, 800});
    DialogRahmen r;
    r.x = 990;          // does not fit at the right
    r.y = 120;
    Fenster d = dialogModeless(vorlageEingabe, fensterhandles.hauptfenster, eingabeDlgProc);
    ASSERT_TRUE(d);
    dialogPlatzieren(d, r);
    EXPECT_EQ(r.x, static_cast<int>(std::lround(500 - r.breite / 2.0)));
    EXPECT_EQ(r.y, 120);
    r.x = 0;            // 0 counts as outside too
    dialogPlatzieren(d, r);
    EXPECT_EQ(r.x, static_cast<int>(std::lround(500 - r.breite / 2.0)));
}

namespace {

// a dialog that follows the frame and notes which of its parts ran
std::vector<std::string> teileGelaufen;
DialogRahmen notierRahmen;

void einmalig(Fenster) { teileGelaufen.push_back("einmalig"); }
// the texts of a language widen the dialog, and its values heighten it, as on a real screen
void texte(Fenster d)
{
    teileGelaufen.push_back("texte");
    const Rechteck r = fensterRechteck(d);
    verschieben(d, r.links, r.oben, 900, r.hoehe());
}
void fuellen(Fenster d)
{
    teileGelaufen.push_back("fuellen");
    const Rechteck r = fensterRechteck(d);
    verschieben(d, r.links, r.oben, r.breite(), 400);
}

intptr_t notierDlgProc(Fenster dlg, uint32_t n, uintptr_t, intptr_t)
{
    if (n == nachricht::Bewegen)
        dialogPositionMerken(dlg, notierRahmen);
    if (n != nachricht::DialogInit)
        return 0;
    dialogInitialisieren(dlg, notierRahmen, {einmalig, texte, fuellen});
    return 1;
}

} // namespace

TEST_F(Rahmen, OeffnungMisstErstNachTextenUndWertenNachfuellenLaesstDieLage)
{
    test::arbeitsbereichSetzen({0, 0, 1000, 800});
    teileGelaufen.clear();
    notierRahmen = {};
    Fenster d = dialogModeless(vorlageEingabe, fensterhandles.hauptfenster, notierDlgProc);
    ASSERT_TRUE(d);
    EXPECT_EQ(teileGelaufen, (std::vector<std::string>{"einmalig", "texte", "fuellen"}));
    const Rechteck r = fensterRechteck(d);    // centred with the size it shows with
    EXPECT_EQ(r.links, 50);
    EXPECT_EQ(r.oben, 200);
    EXPECT_EQ(r.breite(), 900);
    EXPECT_EQ(r.hoehe(), 400);
    EXPECT_EQ(notierRahmen.frisch, 0);

    verschieben(d, 30, 40, 900, 400);         // the user drags it
    teileGelaufen.clear();
    senden(d, nachricht::DialogInit, 0, 0);   // a refill
    EXPECT_EQ(teileGelaufen, (std::vector<std::string>{"fuellen"}));
    EXPECT_EQ(fensterRechteck(d).links, 30);
    EXPECT_EQ(fensterRechteck(d).oben, 40);
}

TEST_F(Rahmen, OkF2StartetDenLaufImAufruf)
{
    simulationAusDialogStarten();             // a direct call: the run happens inside it
    ASSERT_EQ(ersatz::befehle.size(), 1u);
    EXPECT_EQ(ersatz::befehle[0], befehlSimulationStarten);
}

namespace {
const MenueZeile hauptmenue[] = {
    {0, menueArt::Untermenue, 0, "&Datei"},
    {1, menueArt::Posten, 10, "Neu"},
    {1, menueArt::Posten, 11, "Drucker A"},
    {0, menueArt::Untermenue, 0, "&Drucken"},
    {1, menueArt::Posten, 20, "Seite"},
    {1, menueArt::Posten | menueArt::Abgehakt | menueArt::Grau, 21, "Drucker B"},
};
}

TEST_F(Rahmen, MenuePunkteSuchenUndTexteSetzen)
{
    fensterhandles.hauptmenue = menueLaden(hauptmenue);
    Menue m = fensterhandles.hauptmenue;
    EXPECT_EQ(menuePunktSuchen(untermenue(m, 1), "Drucker B"), 1);
    EXPECT_EQ(menuePunktSuchen(nullptr, "Drucker B"), 1);       // found in the second submenu
    EXPECT_EQ(menuePunktSuchen(nullptr, "Drucker A"), 1);
    EXPECT_EQ(menuePunktSuchen(nullptr, "drucker a"), -1);      // exact
    EXPECT_EQ(menuePunktSuchen(nullptr, "fehlt"), -1);

    std::string text;
    ASSERT_TRUE(menueTextSetzen(m, 21, text, 1));
    EXPECT_EQ(text, "Drucker B");
    EXPECT_TRUE(istAbgehakt(m, 21, Nach::Befehl));              // reading changes nothing
    text = "Drucker C";
    ASSERT_TRUE(menueTextSetzen(m, 21, text, 0));
    EXPECT_EQ(postenText(m, 21, Nach::Befehl), "Drucker C");
    EXPECT_FALSE(istAbgehakt(m, 21, Nach::Befehl));             // a set text clears the marks
    EXPECT_FALSE(istGrau(m, 21, Nach::Befehl));
    EXPECT_EQ(meldungsPuffer, "Drucker B");
    EXPECT_TRUE(menueTextSetzen(untermenue(m, 0), -1, text, 1)); // by position
    EXPECT_EQ(text, "Drucker A");
    EXPECT_FALSE(menueTextSetzen(m, 99, text, 1));
    menueZerstoeren(m);
}
