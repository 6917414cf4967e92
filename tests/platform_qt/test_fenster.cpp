// tests/platform_qt/test_fenster.cpp - what only the Qt platform has to see to: windows that
// die inside Qt's own handlers, Qt's keys as ours, menu bars of Qt actions, boxes closed
#include "platform/qt/zeichenflaeche.h"
#include "vertrag.h"
#include <QMenuBar>
#include <QPointer>

using namespace vertrag;
using treiber::intern::tasteSenden;

using QtFenster = Vertrag;

// Each window destroys itself while a Qt handler of its widget runs; the sanitizer finds
// any use of the widget or the record afterwards.
TEST_F(QtFenster, ZerstoerenInQtsEigenenHandlernIstSicherDieWidgetsGehenSpaeter)
{
    int malen = 0;
    bool malerDa = false;
    reaktion = [&](Fenster f, uint32_t m, uintptr_t, intptr_t l) -> std::optional<intptr_t> {
        if (m == n::Zeichnen && ++malen == 2) {
            malerDa = reinterpret_cast<Zeichenflaeche*>(l)->maler != nullptr;
            fensterZerstoeren(f);
        }
        return std::nullopt;
    };
    Fenster malt = neu();
    QPointer<QWidget> w = qt::fensterWidget(malt);
    ASSERT_TRUE(treiber::warten([&] { return malen == 1; }));   // shown
    ungueltigMachen(malt);
    neuZeichnen(malt);                                     // paints at once, with a painter
    EXPECT_TRUE(malerDa && !istFenster(malt));
    reaktion = nullptr;
    Fenster schliesst = neu();
    qt::fensterWidget(schliesst)->close();                 // the close box: the standard procedure destroys
    EXPECT_FALSE(istFenster(schliesst));
    EXPECT_FALSE(w.isNull());                              // deletion waits for the event loop
    qt::geloeschteFreigeben();
    EXPECT_TRUE(w.isNull());
}

TEST_F(QtFenster, QtsTastenWerdenUnsereTastenZeichenUndSystemtasten)
{
    Fenster f = neu();
    QWidget* k = qt::clientWidget(f);
    eingang.clear();
    tasteSenden(k, Qt::Key_Escape, "\x1b");
    tasteSenden(k, Qt::Key_Plus, "+", Qt::KeypadModifier);
    tasteSenden(k, Qt::Key_Adiaeresis, QString::fromUtf8("\xc3\xa4"));
    tasteSenden(k, Qt::Key_X, "x", Qt::AltModifier);
    tasteSenden(k, Qt::Key_F10);
    std::vector<std::pair<uint32_t, uintptr_t>> ist;
    for (const Eintrag& e : eingang)
        if (e.n != n::TasteHoch && e.n != n::SystemTasteHoch)
            ist.emplace_back(e.n, e.w);
    EXPECT_EQ(ist, (std::vector<std::pair<uint32_t, uintptr_t>>{
                       {n::TasteRunter, taste::Esc}, {n::Zeichen, 27}, {n::TasteRunter, taste::NumPlus},
                       {n::Zeichen, '+'}, {n::Zeichen, 0xE4},     // no key code of ours, but typed
                       {n::SystemTasteRunter, 'X'}, {n::SystemTasteRunter, taste::F10}}));

    QMouseEvent druck(QEvent::MouseButtonPress, QPointF(15, 25), QPointF(15, 25), Qt::RightButton, Qt::RightButton,
                      Qt::ShiftModifier | Qt::ControlModifier);
    QApplication::sendEvent(k, &druck);
    EXPECT_EQ(von(f, n::RechtsRunter).at(0).w, maus::Rechts | maus::Umschalt | maus::Strg);
}

TEST_F(QtFenster, MenueleisteAusQtAktionenOhneKuerzelGebautNachDemInit)
{
    const MenueZeile tabelle[] = {
        {0, menueArt::Untermenue, 0, "&Datei"},
        {1, menueArt::Posten, 101, "&Neu\tStrg+N"},
        {1, menueArt::Grau, 102, "&Ende"},
    };
    Menue m = menueLaden(tabelle);
    reaktion = [m](Fenster, uint32_t msg, uintptr_t, intptr_t) -> std::optional<intptr_t> {
        if (msg == n::MenuePopupInit)
            abhaken(m, 101, Nach::Befehl, true);           // the program ticks its items as the menu opens
        return std::nullopt;
    };
    Fenster f = neu(stil::Hauptfenster | stil::Sichtbar, nullptr, 0, 0, 400, 300, m);
    auto* leiste = qt::fensterWidget(f)->findChild<QMenuBar*>();
    ASSERT_NE(leiste, nullptr);
    QMenu* datei = leiste->actions().at(0)->menu();
    datei->popup(QPoint(0, 0));
    ASSERT_EQ(datei->actions().size(), 2);
    QAction* neuA = datei->actions()[0];
    EXPECT_EQ(neuA->text(), "&Neu\tStrg+N");               // the key hint shows, as a hint only
    EXPECT_TRUE(neuA->isChecked() && neuA->shortcut().isEmpty());   // built after the init
    EXPECT_FALSE(datei->actions()[1]->isEnabled());
    datei->hide();
    postenUmbenennen(m, 0, Nach::Position, "&Akte");
    menueLeisteZeichnen(f);
    EXPECT_TRUE(leiste->actions()[0]->text() == "&Akte" && leiste->actions()[0]->menu() == datei);
}

// The driver answers boxes by their buttons; here the user closes them instead.
TEST_F(QtFenster, SchliessenDerBoxZaehltAlsAbbrechenNeinOderOk)
{
    std::function<void()> schliessen = [&schliessen] {    // once the box shows
        if (QWidget* box = QApplication::activeModalWidget())
            box->close();
        else
            QTimer::singleShot(5, schliessen);
    };
    for (auto [art, erwartet] : {std::pair{knoepfe::JaNeinAbbrechen | symbol::Frage, antwort::Abbrechen},
                                {knoepfe::JaNein, antwort::Nein}, {knoepfe::Ok, antwort::Ok}}) {
        QTimer::singleShot(0, schliessen);
        EXPECT_EQ(meldungsBox(nullptr, "Weiter?", "SysInfo", art), erwartet);
    }
}
