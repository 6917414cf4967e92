// tests/platform_qt/test_dialog.cpp - what only the Qt platform has to see to in dialogs:
// every template built into grids of widgets, texts of any length, the measure the procedure
// takes, Qt's own keys and focus, moves by the system, F2 while a modal dialog runs
#include "resources/vorlagen.h"
#include "vertrag.h"
#include <QLabel>

using namespace vertrag;
using treiber::intern::steuer;
using treiber::intern::tasteSenden;

using QtDialog = Vertrag;

const DialogElement textArten[] = {
    {50, A::Text, "kurz", "", 0, 0, 0, 0},
    {51, A::Eingabe, "", "", 0, 0, 0, 1},
    {52, A::Kontrollkasten, "Haken", "", 0, 0, 1, 0},
    {53, A::Optionsfeld, "Wahl", "", 0, 0, 2, 0},
    {54, A::Knopf, "neu", "", 0, 0, 2, 1},
    {1, A::StandardKnopf, "OK", "", 0, 0, 3, 0},
};
const DialogVorlage textArtenVorlage{9005, "Texte", "", textArten};

TEST_F(QtDialog, JedeVorlageBautIhreSteuerelementeOeffnetUndBrichtAb)
{
    Fenster haupt = neu();
    ASSERT_FALSE(alleDialogVorlagen().empty());
    for (const DialogVorlage* v : alleDialogVorlagen()) {
        SCOPED_TRACE(v->nummer);
        eingang.clear();
        size_t steuerZahl = 0;
        reaktion = [&](Fenster dlg, uint32_t m, uintptr_t, intptr_t) -> std::optional<intptr_t> {
            if (m == n::DialogInit) {
                EXPECT_FALSE(istSichtbar(dlg));            // shows after DialogInit
                for (QWidget* w : qt::fensterWidget(dlg)->findChildren<QWidget*>())
                    steuerZahl += w->property(qt::steuerIdEigenschaft).isValid();
                posten(dlg, n::Befehl, machWParam(2, bn::Geklickt));
            }
            return std::nullopt;
        };
        EXPECT_EQ(dialogModal(*v, haupt, dlgProc, 5), 2);
        EXPECT_EQ(std::make_tuple(eingang.at(0).l, steuerZahl, eingang.back().n),
                  std::make_tuple(5, v->elemente.size(), n::Zerstoeren));
    }
    EXPECT_EQ(dialogModal(kleinVorlage, reinterpret_cast<Fenster>(&haupt), dlgProc), -1);   // no window as owner
}

TEST_F(QtDialog, TabEnterUndFokusGehenQtsWegNurDieStandardIdIstEnter)
{
    const DialogVorlage fuenf{9006, "", "", kleinElemente, 30};
    reaktion = befehleNurMelden;
    Fenster d = modeless(), mitId = modeless(fuenf);
    vordergrundSetzen(d);
    ASSERT_TRUE(treiber::warten([&] { return vordergrundFenster() == d; }));
    elementFokussieren(d, 30, false);
    qobject_cast<QLineEdit*>(steuer(d, 30))->end(false);
    eingang.clear();
    tasteSenden(steuer(d, 30), Qt::Key_3, "3");
    tasteSenden(steuer(d, 30), Qt::Key_Return);            // Enter in an edit: the dialog's default
    tasteSenden(steuer(d, 30), Qt::Key_Tab);               // on to the next control
    tasteSenden(steuer(d, 2), Qt::Key_Return);             // a focused button is no default either
    EXPECT_EQ(befehle(d) + " | " + elementText(d, 30), "30/1 1/0 30/2 1/0 | alt3");
    tasteSenden(steuer(mitId, 30), Qt::Key_Enter, {}, Qt::KeypadModifier);
    EXPECT_EQ(befehle(mitId), "30/0");
    tooltipSetzen(d, 30, "Zahl \xe4");                     // tooltips find dialog controls
    EXPECT_EQ(steuer(d, 30)->toolTip(), QString::fromUtf8("Zahl \xc3\xa4"));
}

// However long the texts of a language are, the dialog fits in the work area: a static
// text wraps, a button's label is cut, and the program still reads every text whole.
TEST_F(QtDialog, LangeTexteBrechenUmOderWerdenGekuerztUndBleibenGanzLesbar)
{
    std::string lang(400, 'x');
    for (size_t i = 4; i < lang.size(); i += 9)
        lang[i] = ' ';                                     // words of eight letters
    reaktion = [&](Fenster d, uint32_t m, uintptr_t, intptr_t) -> std::optional<intptr_t> {
        if (m == n::DialogInit)
            for (int id : {50, 52, 53, 54})
                elementTextSetzen(d, id, lang);
        return std::nullopt;
    };
    Fenster d = modeless(textArtenVorlage);
    ASSERT_TRUE(treiber::warten([&] { return istSichtbar(d); }));
    nachrichtenVerarbeiten();
    const Rechteck a = arbeitsbereich();
    EXPECT_LE(fensterRechteck(d).breite(), a.breite());
    for (int id : {50, 52, 53, 54})
        EXPECT_TRUE(elementText(d, id) == lang && steuer(d, id)->width() <= a.breite()) << id;
    auto* text = qobject_cast<QLabel*>(steuer(d, 50));
    auto* haken = qobject_cast<QAbstractButton*>(steuer(d, 52));
    EXPECT_GT(text->height(), 2 * text->fontMetrics().height());   // on several lines
    EXPECT_NE(haken->text().toStdString(), lang);          // shown cut
    elementTextSetzen(d, 50, "kurz");                      // a short one keeps its one line
    elementTextSetzen(d, 52, "Haken");
    EXPECT_TRUE(!text->wordWrap() && haken->text() == "Haken");
}

// The procedure measures its dialog after setting the texts: the measure must be the size
// it shows with, so a dialog placed by it does not grow afterwards.
TEST_F(QtDialog, DialogWirdMitSeinenTextenGemessenUndWaechstDanachNicht)
{
    Rechteck vorher{}, gemessen{};
    QSize gesetzt;
    reaktion = [&](Fenster d, uint32_t m, uintptr_t, intptr_t) -> std::optional<intptr_t> {
        if (m != n::DialogInit)
            return std::nullopt;
        vorher = fensterRechteck(d);
        elementTextSetzen(d, 50, "ein Text, der breiter ist als das Wort der Vorlage");
        gemessen = fensterRechteck(d);
        verschieben(d, 20, 30, gemessen.breite(), gemessen.hoehe());
        gesetzt = qt::fensterWidget(d)->size();
        return 1;
    };
    Fenster d = modeless(textArtenVorlage);
    EXPECT_GT(gemessen.breite(), vorher.breite());
    ASSERT_TRUE(treiber::warten([&] { return istSichtbar(d); }));
    nachrichtenVerarbeiten();
    EXPECT_EQ(qt::fensterWidget(d)->size(), gesetzt);      // the frame's own edges aside
}

TEST_F(QtDialog, SystemBewegtErstNachDerErstenPlatzierungF2ImModalenNirgendwohin)
{
    Fenster d = modeless();
    QWidget* w = qt::fensterWidget(d);
    w->move(30, 40);                                       // the system placing it
    nachrichtenVerarbeiten();
    EXPECT_TRUE(von(d, n::Bewegen).empty());
    const Rechteck r = fensterRechteck(d);
    verschieben(d, 50, 60, r.breite(), r.hoehe());
    w->move(70, 80);
    EXPECT_TRUE(treiber::warten([&] { return fensterRechteck(d).links == 70; }));
    const Punkt p = clientZuBildschirm(d, {0, 0});
    EXPECT_EQ(von(d, n::Bewegen).back().l, machLParam(p.x, p.y));

    // a modal dialog open and none registered: F2 reaches no window
    Fenster haupt = neu();
    treiber::modal(9002, {[&](Fenster k) {
                       treiber::taste(haupt, taste::F2);
                       dialogBeenden(k, 1);
                   }});
    EXPECT_EQ(dialogModal(kleinVorlage, haupt, dlgProc), 1);
    EXPECT_TRUE(von(haupt, n::TasteRunter).empty());
}
