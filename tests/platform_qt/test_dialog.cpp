// tests/platform_qt/test_dialog.cpp - dialogs from templates: layout, controls, keys
#include "dialoghilfe.h"
#include "platform/qt/zeichenflaeche.h"
#include "platform/steuerelemente.h"
#include "resources/vorlagen.h"
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSlider>
#include <tuple>

using namespace plattform;
using namespace protokoll;
using Dialog = DialogTest;

namespace {

// opens, and cancels on the Befehl 2 it posts itself
intptr_t abbrechenProc(Fenster dlg, uint32_t n, uintptr_t w, intptr_t l)
{
    proc(dlg, n, w, l);
    if (n == nachricht::DialogInit)
        posten(dlg, nachricht::Befehl, machWParam(2, benachrichtigung::Geklickt));
    else if (n == nachricht::Befehl && loWort(w) == 2)
        dialogBeenden(dlg, 2);
    return n == nachricht::DialogInit;
}

} // namespace

TEST_F(Dialog, JedeVorlageOeffnetUndBrichtAb)
{
    Fenster haupt = neu(stil::Hauptfenster | stil::Sichtbar, 0, 0, 300, 200);
    ASSERT_FALSE(alleDialogVorlagen().empty());
    for (const DialogVorlage* v : alleDialogVorlagen()) {
        SCOPED_TRACE(v->nummer);
        eingang.clear();
        size_t steuerZahl = 0;
        reaktion = [&](Fenster dlg, uint32_t n, uintptr_t, intptr_t) -> std::optional<intptr_t> {
            if (n == nachricht::DialogInit) {
                EXPECT_EQ(vorlagenNummer(dlg), v->nummer);
                EXPECT_FALSE(istSichtbar(dlg));            // shows after DialogInit
                for (QWidget* w : qt::fensterWidget(dlg)->findChildren<QWidget*>())
                    steuerZahl += w->property(qt::steuerIdEigenschaft).isValid();
            }
            return std::nullopt;
        };
        EXPECT_EQ(dialogModal(*v, haupt, abbrechenProc, 5), 2);
        ASSERT_FALSE(eingang.empty());
        Fenster dlg = eingang.front().f;
        EXPECT_EQ(eingang.front().l, 5);
        EXPECT_EQ(steuerZahl, v->elemente.size());
        EXPECT_EQ(eingang.back().n, nachricht::Zerstoeren);
        EXPECT_FALSE(istFenster(dlg));
    }
}

TEST_F(Dialog, VorlageWirdGitterMitGruppenUndStilen)
{
    Fenster dlg = modeless();
    EXPECT_EQ(titel(dlg), "Pr\xfc" "fen");
    auto* box = steuer<QGroupBox>(dlg, 10);
    ASSERT_TRUE(box);
    EXPECT_EQ(steuer(dlg, 12)->parentWidget(), box);
    EXPECT_NE(steuer(dlg, 21)->parentWidget(), box);
    int zeile, spalte, hoehe, breite;
    auto* gitter = static_cast<QGridLayout*>(box->layout());
    gitter->getItemPosition(gitter->indexOf(steuer(dlg, 12)), &zeile, &spalte, &hoehe, &breite);
    EXPECT_EQ(std::make_pair(zeile, spalte), std::make_pair(0, 1));
    gitter = static_cast<QGridLayout*>(box->parentWidget()->layout());
    gitter->getItemPosition(gitter->indexOf(box), &zeile, &spalte, &hoehe, &breite);
    EXPECT_EQ(breite, 2);

    EXPECT_TRUE(steuer<QLineEdit>(dlg, 40)->isReadOnly());
    EXPECT_FALSE(elementIstFreigegeben(dlg, 40));
    EXPECT_FALSE(elementIstSichtbar(dlg, 41));
    elementZeigen(dlg, 41, anzeige::Zeigen);
    EXPECT_TRUE(elementIstSichtbar(dlg, 41));

    tooltipSetzen(dlg, 30, "Zahl \xe4");                  // tooltips find dialog controls
    EXPECT_EQ(steuer(dlg, 30)->toolTip(), QString::fromUtf8("Zahl \xc3\xa4"));
    elementTextSetzen(dlg, 999, "x");                     // unknown ids: ignored, reads empty
    EXPECT_EQ(elementText(dlg, 999), "");
    EXPECT_EQ(listeHinzufuegen(dlg, 999, "x"), -1);
}

TEST_F(Dialog, ProgrammSetztStillNutzerEingabenMelden)
{
    Fenster dlg = modeless();
    vordergrundSetzen(dlg);
    ASSERT_TRUE(pumpenBis([&] { return vordergrundFenster() == dlg; }));
    eingang.clear();

    elementTextSetzen(dlg, 30, "12");
    elementTextSetzen(dlg, 31, "a\r\nb");
    hakenSetzen(dlg, 32, 1);
    elementTextSetzen(dlg, 34, "frei");
    EXPECT_TRUE(befehle(dlg).empty());
    EXPECT_EQ(elementText(dlg, 31), "a\r\nb");
    EXPECT_EQ(elementText(dlg, 30, 1), "1");               // cut to the asked length
    EXPECT_FALSE(elementGeaendert(dlg, 30));

    elementFokussieren(dlg, 30, false);
    auto* zeile = steuer<QLineEdit>(dlg, 30);
    zeile->end(false);
    tasteDruecken(zeile, Qt::Key_3, "3");
    tasteDruecken(zeile, Qt::Key_Tab);                     // on to the multi-line edit
    tasteDruecken(steuer(dlg, 31), Qt::Key_Return, "\r");  // one change, one message
    steuer<QAbstractButton>(dlg, 32)->click();
    elementFokussieren(dlg, 34, true);
    tasteDruecken(steuer<QComboBox>(dlg, 34)->lineEdit(), Qt::Key_S, "s");
    elementFokussieren(dlg, 30, false);
    EXPECT_EQ(befehle(dlg), (std::vector<std::pair<int, int>>{
                                {30, benachrichtigung::Geaendert}, {30, benachrichtigung::FokusVerloren},
                                {31, benachrichtigung::Geaendert}, {32, benachrichtigung::Geklickt},
                                {31, benachrichtigung::FokusVerloren}, {34, benachrichtigung::KombiEditGeaendert},
                                {34, benachrichtigung::KombiFokusVerloren}}));
    EXPECT_EQ(elementText(dlg, 34), "s");                  // all marked, then typed over
    EXPECT_EQ(elementText(dlg, 30), "123");
    EXPECT_TRUE(elementGeaendert(dlg, 30));
    EXPECT_EQ(haken(dlg, 32), 0);
    elementTextSetzen(dlg, 30, "7");
    EXPECT_FALSE(elementGeaendert(dlg, 30));
}

TEST_F(Dialog, ListenSortierenMitDatenUndMeldenNurDieWahlDesNutzers)
{
    Fenster dlg = modeless();
    for (int id : {33, 35}) {
        SCOPED_TRACE(id);
        EXPECT_EQ(listeHinzufuegen(dlg, id, "b"), 0);
        EXPECT_EQ(listeHinzufuegen(dlg, id, "\xc4pfel"), 1);   // Windows-1252 sorts by its bytes
        EXPECT_EQ(listeHinzufuegen(dlg, id, "A"), 0);
        EXPECT_EQ(listeHinzufuegen(dlg, id, "a"), 1);          // after its equal
        EXPECT_EQ(listeEinfuegen(dlg, id, 0, "z"), 0);          // at the index, sorted or not
        EXPECT_EQ(listeEinfuegen(dlg, id, 9, "y"), -1);
        listeDatenSetzen(dlg, id, 2, -42);
        EXPECT_EQ(listeDaten(dlg, id, 2), -42);
        EXPECT_EQ(listeText(dlg, id, 2), "a");
        EXPECT_EQ(listeSuchen(dlg, id, "\xe4PFEL"), 4);
        EXPECT_EQ(listeSuchen(dlg, id, "ap"), -1);
        EXPECT_EQ(listeAuswahl(dlg, id), -1);                   // adding chooses nothing
        listeAuswahlSetzen(dlg, id, 3);
        EXPECT_TRUE(listeEntfernen(dlg, id, 0));
        EXPECT_EQ(listeAuswahl(dlg, id), 2);                    // the choice follows its item
        EXPECT_EQ(listeAnzahl(dlg, id), 4);
    }
    EXPECT_EQ(elementText(dlg, 33), "b");
    EXPECT_TRUE(befehle(dlg).empty());

    tasteDruecken(steuer(dlg, 33), Qt::Key_Down);
    tasteDruecken(steuer(dlg, 35), Qt::Key_Down);
    EXPECT_EQ(befehle(dlg), (std::vector<std::pair<int, int>>{
                                {33, benachrichtigung::AuswahlGeaendert}, {33, benachrichtigung::AuswahlOk},
                                {35, benachrichtigung::AuswahlGeaendert}}));
    EXPECT_EQ(listeAuswahl(dlg, 33), 3);
    EXPECT_EQ(listeAuswahl(dlg, 35), 3);
    listeLeeren(dlg, 35);
    EXPECT_EQ(listeAuswahl(dlg, 35), -1);
    EXPECT_EQ(listeDaten(dlg, 35, 0), 0);
}

TEST_F(Dialog, ReglerLeistenUndAufAbMeldenMitIhrerId)
{
    Fenster dlg = modeless();
    for (int id : {36, 37, 38}) {
        reglerBereichSetzen(dlg, id, 0, 10);
        reglerPositionSetzen(dlg, id, 5);
        EXPECT_EQ(reglerPosition(dlg, id), 5);
    }
    reglerPositionSetzen(dlg, 36, 50);                      // kept inside the range
    EXPECT_EQ(reglerPosition(dlg, 36), 10);
    reglerPositionSetzen(dlg, 36, 5);
    EXPECT_TRUE(von(dlg, nachricht::VScroll).empty() && von(dlg, nachricht::HScroll).empty());

    steuer<QSlider>(dlg, 36)->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    steuer<QScrollBar>(dlg, 37)->triggerAction(QAbstractSlider::SliderSingleStepSub);   // the upper arrow
    steuer<QScrollBar>(dlg, 38)->triggerAction(QAbstractSlider::SliderPageStepAdd);
    std::vector<std::tuple<uint32_t, int, int, intptr_t>> ist;
    for (const Eintrag& e : eingang)
        if (e.n == nachricht::VScroll || e.n == nachricht::HScroll)
            ist.emplace_back(e.n, loWort(e.w), hiWort(e.w), e.l);
    EXPECT_EQ(ist, (std::vector<std::tuple<uint32_t, int, int, intptr_t>>{
                       {nachricht::VScroll, scroll::ZeileRunter, 6, 36},
                       {nachricht::VScroll, scroll::DaumenPosition, 6, 37},
                       {nachricht::HScroll, scroll::SeiteRunter, 5, 38}}));
    EXPECT_EQ(reglerPosition(dlg, 36), 6);                  // trackbar and up-down move themselves,
    EXPECT_EQ(reglerPosition(dlg, 37), 6);
    EXPECT_EQ(reglerPosition(dlg, 38), 5);                  // a scroll bar waits for the program
    EXPECT_EQ(steuer<QScrollBar>(dlg, 38)->value(), 5);
}

TEST_F(Dialog, OptionsfelderSchliessenSichNurBeimKlickInIhrerGruppeAus)
{
    Fenster dlg = modeless();
    for (int id : {11, 12, 21})
        hakenSetzen(dlg, id, 1);                           // the program touches only that one
    EXPECT_EQ(haken(dlg, 11) + haken(dlg, 12) + haken(dlg, 21), 3);

    steuer<QRadioButton>(dlg, 22)->click();
    EXPECT_EQ(haken(dlg, 21), 0);
    EXPECT_EQ(haken(dlg, 11) + haken(dlg, 12) + haken(dlg, 22), 3);   // another group keeps both
    steuer<QRadioButton>(dlg, 11)->click();                // a checked radio stays checked
    EXPECT_EQ(haken(dlg, 11) + haken(dlg, 22), 2);
    EXPECT_EQ(haken(dlg, 12), 0);
    EXPECT_EQ(befehle(dlg), (std::vector<std::pair<int, int>>{{22, benachrichtigung::Geklickt},
                                                             {11, benachrichtigung::Geklickt}}));
}

TEST_F(Dialog, EscUndSchliessfeldSendenZweiEnterDieStandardId)
{
    const DialogElement mitFuenf[] = {{30, A::Eingabe, "", "", 0, 0, 0, 0}};
    const DialogVorlage fuenf{9002, "", "", mitFuenf, 5};
    reaktion = [](Fenster dlg, uint32_t n, uintptr_t w, intptr_t) -> std::optional<intptr_t> {
        if (n == nachricht::Befehl && loWort(w) == 1) {
            dialogBeenden(dlg, 1);
            EXPECT_TRUE(istFenster(dlg));                  // the handler runs to its end
        }
        return std::nullopt;
    };
    Fenster dlg = modeless(), ohne = modeless(vorlageAnzeigebox), mitId = modeless(fuenf);
    tasteDruecken(steuer(dlg, 30), Qt::Key_Escape);
    qt::fensterWidget(dlg)->close();
    EXPECT_TRUE(istSichtbar(dlg));                         // nothing closes by itself
    tasteDruecken(steuer(dlg, 31), Qt::Key_Return);        // a new line in the multi-line edit
    EXPECT_EQ(elementText(dlg, 31), "\r\n");
    elementFreigeben(dlg, 1, false);
    tasteDruecken(steuer(dlg, 30), Qt::Key_Return);        // its button is disabled
    EXPECT_EQ(befehle(dlg), (std::vector<std::pair<int, int>>{{2, 0}, {2, 0}, {31, benachrichtigung::Geaendert}}));

    tasteDruecken(qt::fensterWidget(ohne), Qt::Key_Return);   // no default button: OK
    tasteDruecken(steuer(mitId, 30), Qt::Key_Enter, {}, Qt::KeypadModifier);
    EXPECT_EQ(befehle(ohne), (std::vector<std::pair<int, int>>{{1, 0}}));
    EXPECT_EQ(befehle(mitId), (std::vector<std::pair<int, int>>{{5, 0}}));

    eingang.clear();
    elementFreigeben(dlg, 1, true);
    tasteDruecken(steuer(dlg, 2), Qt::Key_Return);         // a focused button is no default
    tasteDruecken(steuer<QComboBox>(dlg, 34)->lineEdit(), Qt::Key_O, "o");
    tasteDruecken(steuer(dlg, 34), Qt::Key_Return);        // and a combo adds nothing
    EXPECT_EQ(befehle(dlg), (std::vector<std::pair<int, int>>{
                                {1, 0}, {34, benachrichtigung::KombiEditGeaendert}, {1, 0}}));
    EXPECT_EQ(listeAnzahl(dlg, 34), 0);
    nachrichtenVerarbeiten();
    EXPECT_FALSE(istFenster(dlg));                          // once the handler returned
}

TEST_F(Dialog, MalflaecheMaltMitIhrerIdUndAufAnforderung)
{
    Fenster dlg = modeless();
    auto zeichnungen = [&] {
        size_t n = 0;
        for (const Eintrag& e : von(dlg, nachricht::Zeichnen)) {
            EXPECT_EQ(e.w, 39u);
            EXPECT_TRUE(reinterpret_cast<Zeichenflaeche*>(e.l)->maler);
            ++n;
        }
        return n;
    };
    ASSERT_TRUE(pumpenBis([&] { return zeichnungen() > 0; }));
    const size_t vorher = zeichnungen();
    elementUngueltigMachen(dlg, 39);
    EXPECT_TRUE(pumpenBis([&] { return zeichnungen() > vorher; }));
}

namespace {

const DialogElement textArten[] = {
    {50, A::Text, "kurz", "", 0, 0, 0, 0},
    {51, A::Eingabe, "", "", 0, 0, 0, 1},
    {52, A::Kontrollkasten, "Haken", "", 0, 0, 1, 0},
    {53, A::Optionsfeld, "Wahl", "", 0, 0, 2, 0},
    {54, A::Knopf, "neu", "", 0, 0, 2, 1},
    {1, A::StandardKnopf, "OK", "", 0, 0, 3, 0},
    {2, A::Knopf, "Abbrechen", "", 0, 0, 3, 1},
};
const DialogVorlage textArtenVorlage{9002, "Texte", "", textArten};

std::string satz(size_t n)
{
    std::string t;
    while (t.size() < n)
        t += "ein ziemlich langer Text ";
    t.resize(n);
    return t;
}

} // namespace

// However long the texts of a language are, the dialog fits in the work area: a static
// text wraps, a button's label is cut, and the program still reads every text whole.
TEST_F(Dialog, LangeTexteBrechenUmOderWerdenGekuerztUndBleibenGanzLesbar)
{
    const std::string lang = satz(400);
    Fenster dlg = nullptr;
    reaktion = [&](Fenster d, uint32_t n, uintptr_t, intptr_t) -> std::optional<intptr_t> {
        if (n == nachricht::DialogInit)
            for (int id : {50, 52, 53, 54})
                elementTextSetzen(d, id, lang);
        return std::nullopt;
    };
    dlg = modeless(textArtenVorlage);
    ASSERT_TRUE(dlg);
    ASSERT_TRUE(pumpenBis([&] { return istSichtbar(dlg); }));
    nachrichtenVerarbeiten();
    const Rechteck a = arbeitsbereich(), r = fensterRechteck(dlg);
    EXPECT_LE(r.breite(), a.breite());
    for (int id : {50, 52, 53, 54}) {
        SCOPED_TRACE(id);
        EXPECT_EQ(elementText(dlg, id), lang);
        EXPECT_LE(steuer(dlg, id)->width(), a.breite());
    }
    auto* text = steuer<QLabel>(dlg, 50);
    EXPECT_GT(text->height(), 2 * text->fontMetrics().height());   // on several lines
    EXPECT_NE(steuer<QAbstractButton>(dlg, 52)->text().toStdString(), lang);   // shown cut

    elementTextSetzen(dlg, 50, "kurz");                    // a short one keeps its one line
    elementTextSetzen(dlg, 52, "Haken");
    EXPECT_FALSE(text->wordWrap());
    EXPECT_EQ(steuer<QAbstractButton>(dlg, 52)->text(), "Haken");
}

// The procedure measures its dialog after setting the texts: the measure must be the size
// it shows with, so a dialog placed by it does not grow afterwards.
TEST_F(Dialog, DialogWirdMitSeinenTextenGemessenUndWaechstDanachNicht)
{
    Rechteck vorher{}, gemessen{};
    QSize gesetzt;
    reaktion = [&](Fenster d, uint32_t n, uintptr_t, intptr_t) -> std::optional<intptr_t> {
        if (n != nachricht::DialogInit)
            return std::nullopt;
        vorher = fensterRechteck(d);
        elementTextSetzen(d, 50, "ein Text, der breiter ist als das Wort der Vorlage");
        gemessen = fensterRechteck(d);
        verschieben(d, 20, 30, gemessen.breite(), gemessen.hoehe());
        gesetzt = qt::fensterWidget(d)->size();
        return 1;
    };
    Fenster dlg = modeless(textArtenVorlage);
    ASSERT_TRUE(dlg);
    EXPECT_GT(gemessen.breite(), vorher.breite());
    ASSERT_TRUE(pumpenBis([&] { return istSichtbar(dlg); }));
    nachrichtenVerarbeiten();
    EXPECT_EQ(qt::fensterWidget(dlg)->size(), gesetzt);   // the frame's own edges aside
}
