// tests/dialogs/test_rahmen.cpp - the order of a dialog's opening, its placement and the
// remembered position
#include "dialogs/rahmen.h"
#include "ersatz_hauptfenster.h"
#include "resources/vorlagen.h"
#include <string>
#include <tuple>
#include <vector>

using namespace plattform;
using Rahmen = ersatz::Fall;

namespace {

// a dialog that follows the frame and notes which of its parts ran
std::vector<std::string> teileGelaufen;
DialogRahmen notierRahmen;

void einmalig(Fenster) { teileGelaufen.push_back("einmalig"); }
// the texts of a language widen the dialog, and its values heighten it, as on a real screen
void texte(Fenster d)
{
    teileGelaufen.push_back("texte");
    verschieben(d, fensterRechteck(d).links, fensterRechteck(d).oben, 900, fensterRechteck(d).hoehe());
}
void fuellen(Fenster d)
{
    teileGelaufen.push_back("fuellen");
    verschieben(d, fensterRechteck(d).links, fensterRechteck(d).oben, fensterRechteck(d).breite(), 400);
}

// left, top, width and height of the dialog
std::tuple<int, int, int, int> lage(Fenster d)
{
    const Rechteck r = fensterRechteck(d);
    return {r.links, r.oben, r.breite(), r.hoehe()};
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
    EXPECT_EQ(lage(d), std::tuple(50, 200, 900, 400));   // centred with the size it shows with

    verschieben(d, 30, 40, 900, 400);         // the user drags it
    teileGelaufen.clear();
    senden(d, nachricht::DialogInit, 0, 0);   // a refill: a rebuilt window needs its texts too
    EXPECT_EQ(teileGelaufen, (std::vector<std::string>{"texte", "fuellen"}));
    EXPECT_EQ(lage(d), std::tuple(30, 40, 900, 400));

    // opened again where the user left it; an axis that no longer fits (or stands at 0) is
    // centred on its own
    for (const auto& [x, y, sollX] : {std::tuple{30, 40, 30}, {150, 40, 50}, {0, 40, 50}}) {
        verschieben(d, x, y, 900, 400);
        dialogSchliessen(d, notierRahmen, 2, false);
        d = dialogModeless(vorlageEingabe, fensterhandles.hauptfenster, notierDlgProc);
        ASSERT_TRUE(d);
        EXPECT_EQ(lage(d), std::tuple(sollX, y, 900, 400));
    }
}

// A typing error must never pass as a stored 0: only an empty field reads as 0.
TEST(RahmenZahlText, NurLesbareEndlicheZahlenUndDasLeereFeldGelten)
{
    double x = -1.0;
    for (const char* keine : {"abc", "nan", "NaN", "inf", "-inf", "1e400", "-1e400", "x12", "e5", "."}) {
        x = -1.0;
        EXPECT_FALSE(dialogTextZahl(keine, x)) << keine;
        EXPECT_EQ(x, -1.0) << keine;
    }
    const std::pair<const char*, double> gelesen[] = {
        {"", 0.0}, {"   ", 0.0}, {"12", 12.0}, {" -3,5", -3.5}, {"+.5", 0.5}, {",25", 0.25}, {"1e-3", 1e-3}, {"7 mV", 7.0}};
    for (const auto& [text, wert] : gelesen) {
        EXPECT_TRUE(dialogTextZahl(text, x)) << text;
        EXPECT_DOUBLE_EQ(x, wert) << text;
    }
}
