// tests/platform_qt/test_menue.cpp - menu bars, popup menus and message boxes on Qt
#include "protokoll.h"
#include "platform/box.h"
#include "platform/menue.h"
#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QTimer>
#include <array>

using namespace plattform;
using namespace protokoll;
using Menue_ = QtTest;

namespace {

const std::array<MenueZeile, 7> tabelle = {{
    {0, menueArt::Untermenue, 0, "&Datei"},
    {1, menueArt::Posten, 101, "&Neu\tStrg+N"},
    {1, menueArt::Trenner, 0, ""},
    {1, menueArt::Grau, 102, "&Ende"},
    {0, menueArt::Untermenue, 0, "&Ansicht"},
    {1, menueArt::Posten, 201, "&Gr\xf6\xdf" "e"},
    {0, menueArt::Posten, 301, "&Hilfe"},
}};

QAction* aktion(QWidget* w, const QString& text)
{
    for (QAction* a : w->actions())
        if (a->text() == text)
            return a;
    return nullptr;
}

// answers the popup or box that is about to run its own event loop; should the answer
// go wrong, whatever is still open closes after three seconds, so no test hangs
void spaeter(std::function<void()> was)
{
    QTimer::singleShot(0, std::move(was));
    QTimer::singleShot(3000, [] {
        if (QWidget* p = QApplication::activePopupWidget())
            p->close();
        if (QWidget* m = QApplication::activeModalWidget())
            m->close();
    });
}

void tasteAn(QWidget* w, int key)
{
    QKeyEvent runter(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(w, &runter);
}

} // namespace

TEST_F(Menue_, LeisteAusTabelleMeldetPopupInitUndPostetBefehle)
{
    Menue m = menueLaden(tabelle);
    ASSERT_NE(m, nullptr);
    // the program ticks its items when a submenu opens
    reaktion = [m](Fenster, uint32_t n, uintptr_t, intptr_t) -> std::optional<intptr_t> {
        if (n == nachricht::MenuePopupInit)
            abhaken(m, 101, Nach::Befehl, true);
        return std::nullopt;
    };
    Fenster f = neu(stil::Hauptfenster | stil::Sichtbar, 0, 0, 400, 300, nullptr, m);
    auto* leiste = qt::fensterWidget(f)->findChild<QMenuBar*>();
    ASSERT_NE(leiste, nullptr);
    ASSERT_EQ(leiste->actions().size(), 3);
    EXPECT_LT(clientRechteck(f).hoehe(), 300);                   // the bar takes its part
    EXPECT_EQ(von(f, nachricht::Groesse).back().l, machLParam(400, clientRechteck(f).hoehe()));

    QMenu* datei = leiste->actions()[0]->menu();
    ASSERT_NE(datei, nullptr);
    eingang.clear();
    datei->popup(QPoint(0, 0));
    auto init = von(f, nachricht::MenuePopupInit);
    ASSERT_EQ(init.size(), 1u);
    EXPECT_TRUE(init[0].w == reinterpret_cast<uintptr_t>(untermenue(m, 0)) && init[0].l == 0);
    QAction* neuA = aktion(datei, "&Neu\tStrg+N");
    ASSERT_NE(neuA, nullptr);
    EXPECT_TRUE(neuA->isChecked());                              // built after the init
    EXPECT_TRUE(neuA->shortcut().isEmpty());
    EXPECT_FALSE(aktion(datei, "&Ende")->isEnabled());
    datei->hide();

    QMenu* ansicht = leiste->actions()[1]->menu();
    ansicht->popup(QPoint(0, 0));
    EXPECT_EQ(von(f, nachricht::MenuePopupInit).back().l, 1);
    EXPECT_NE(aktion(ansicht, QString::fromUtf8("&Gr\xc3\xb6\xc3\x9f" "e")), nullptr);
    ansicht->hide();

    eingang.clear();
    neuA->trigger();
    leiste->actions()[2]->trigger();
    EXPECT_TRUE(von(f, nachricht::Befehl).empty());              // posted, not sent
    nachrichtenVerarbeiten();
    auto befehle = von(f, nachricht::Befehl);
    ASSERT_EQ(befehle.size(), 2u);
    EXPECT_TRUE(befehle[0].w == machWParam(101, 0) && befehle[0].l == 0 && befehle[1].w == machWParam(301, 0));

    postenUmbenennen(m, 0, Nach::Position, "&Akte");
    menueLeisteZeichnen(f);
    EXPECT_EQ(leiste->actions()[0]->text(), "&Akte");
    EXPECT_EQ(leiste->actions()[0]->menu(), datei);
}

TEST_F(Menue_, PopupLiefertDenBefehlOhneBefehlsnachricht)
{
    Menue m = menueLaden(tabelle);
    Fenster f = neu(stil::Hauptfenster | stil::Sichtbar, 0, 0, 400, 300, nullptr, m);
    spaeter([] {
        QWidget* p = QApplication::activePopupWidget();
        ASSERT_NE(p, nullptr);
        tasteAn(p, Qt::Key_Down);
        tasteAn(p, Qt::Key_Return);
    });
    eingang.clear();
    EXPECT_EQ(popupMenue(untermenue(m, 0), f, {20, 20}), 101);
    EXPECT_EQ(von(f, nachricht::MenuePopupInit).size(), 1u);
    nachrichtenVerarbeiten();
    EXPECT_TRUE(von(f, nachricht::Befehl).empty());

    spaeter([] { QApplication::activePopupWidget()->close(); });
    EXPECT_EQ(popupMenue(untermenue(m, 0), f, {20, 20}), 0);
}

TEST_F(Menue_, BoxHatDeutscheKnoepfeUndSchliessenZaehltAlsAbbrechenOderNein)
{
    QStringList beschriftungen;
    auto schliessen = [&beschriftungen] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        beschriftungen.clear();
        for (QAbstractButton* k : box->buttons())
            beschriftungen << k->text();
        box->close();
    };
    spaeter(schliessen);
    EXPECT_EQ(meldungsBox(nullptr, "Speichern?", "SysInfo", knoepfe::JaNeinAbbrechen | symbol::Frage),
              antwort::Abbrechen);
    beschriftungen.sort();
    EXPECT_EQ(beschriftungen, (QStringList{"Abbrechen", "Ja", "Nein"}));

    spaeter(schliessen);
    EXPECT_EQ(meldungsBox(nullptr, "Weiter?", "SysInfo", knoepfe::JaNein), antwort::Nein);
    spaeter(schliessen);
    EXPECT_EQ(hinweisBox("Fertig."), antwort::Ok);

    Fenster f = neu(stil::Hauptfenster | stil::Sichtbar, 0, 0, 100, 100);
    spaeter([] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        for (QAbstractButton* k : box->buttons())
            if (k->text() == "Ja")
                k->click();
    });
    EXPECT_EQ(meldungsBox(f, "Gr\xf6\xdf" "e?", "SysInfo", knoepfe::JaNein), antwort::Ja);
}
