// tests/app_qt/test_protokoll_qt.cpp - the protocol box of the frame on the Qt platform,
// where the box holds Unicode and the program's texts are Windows-1252
#include "app/protokoll.h"
#include "app/status.h"
#include "platform/qt/qtstart.h"
#include <QTextEdit>
#include <gtest/gtest.h>

using namespace plattform;

namespace {

QTextEdit* box()
{
    QWidget* klient = qt::clientWidget(fensterhandles.protokollfenster);
    return klient ? klient->findChild<QTextEdit*>() : nullptr;
}

} // namespace

TEST(ProtokollQt, ZeichenJenseitsVonWindows1252UeberlebenDenWechselDesFensters)
{
    qt::anwendungSicherstellen();
    klasseRegistrieren({"Velnor Probe", standardFensterProc, 0xFFFFFF});
    klasseRegistrieren({protokollKlasse, protokollFensterProc, 0xFFFFFF});
    fensterhandles.hauptfenster = fensterErzeugen("Velnor Probe", "Velnor", stil::Hauptfenster, 0, 0, 600, 400);
    protokoll = {};
    protokoll.x = protokoll.y = 50;
    protokoll.breite = protokoll.hoehe = 300;
    protokollFensterErzeugen();
    ASSERT_NE(box(), nullptr);

    // what the user typed: an arrow and a Greek letter that Windows-1252 lacks, and two it has
    const QString getippt = QString::fromUtf8("Pfeil \xe2\x86\x92 Alpha \xce\xb1 Euro \xe2\x82\xac \xc3\x84");
    box()->setPlainText(getippt);
    for (int eingebettet : {0, 1, 0}) {
        protokollEinbetten(eingebettet);
        ASSERT_NE(box(), nullptr) << eingebettet;
        EXPECT_EQ(box()->toPlainText().toStdString(), getippt.toStdString()) << eingebettet;
        EXPECT_EQ(protokoll.eigenesFenster != nullptr, eingebettet == 0);
    }
    // the saved text (for the files) is Windows-1252 as ever
    EXPECT_EQ(protokoll.gesicherterText, "Pfeil ? Alpha ? Euro \x80 \xC4");

    fensterZerstoeren(fensterhandles.hauptfenster);
    qt::geloeschteFreigeben();
    fensterhandles = {};
    protokoll = {};
}
