// tests/dialogs/qt/test_lage_qt.cpp - the dialogs on Qt are measured with the texts they
// show: centred where the frame centres them, and inside the work area with long texts
#include "core/status.h"
#include "dialogs/eingabe.h"
#include "dialogs/simulationsparameter.h"
#include "platform/qt/qtfenster.h"
#include "platform/qt/qtstart.h"
#include "texts/texte.h"
#include <gtest/gtest.h>
#include <QApplication>
#include <QDialog>
#include <QPushButton>
#include <QTimer>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

using namespace plattform;

namespace {

// What the user sees of an open dialog once Qt has laid it out and shown it.
struct Anblick {
    QRect rahmen;                     // the dialog's outer rectangle on the screen
    std::vector<std::pair<int, QRect>> knoepfe;   // id and screen rectangle of each button
    bool gesehen = false;
};

QWidget* offenerDialog()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (qobject_cast<QDialog*>(w) && w->isVisible())
            return w;
    return nullptr;
}

// Opens a modal dialog, looks at it once it has been shown and Qt had its say, and
// cancels it with the user's click on its button 2 (or, failing that, as the close box does).
Anblick ansehen(const std::function<void()>& oeffnen)
{
    Anblick a;
    int runden = 0;
    QTimer schauen;
    QObject::connect(&schauen, &QTimer::timeout, [&] {
        QWidget* d = offenerDialog();
        if (!d || ++runden < 3)          // a few passes, so pending layouts are done
            return;
        schauen.stop();
        a.gesehen = true;
        a.rahmen = d->frameGeometry();
        QPushButton* abbrechen = nullptr;
        for (QPushButton* k : d->findChildren<QPushButton*>()) {
            if (!k->isVisible())
                continue;
            const int id = k->property(qt::steuerIdEigenschaft).toInt();
            a.knoepfe.emplace_back(id, QRect(k->mapToGlobal(QPoint(0, 0)), k->size()));
            if (id == 2)
                abbrechen = k;
        }
        if (abbrechen)
            abbrechen->click();
        else
            static_cast<QDialog*>(d)->reject();
    });
    schauen.start(10);
    QTimer waechter;                  // a dialog that never shows must not hang the test
    waechter.setSingleShot(true);
    QObject::connect(&waechter, &QTimer::timeout, [] {
        if (QWidget* d = offenerDialog())
            static_cast<QDialog*>(d)->reject();
    });
    waechter.start(10000);
    oeffnen();
    return a;
}

QRect arbeitsRechteck()
{
    const Rechteck r = arbeitsbereich();
    return QRect(r.links, r.oben, r.breite(), r.hoehe());
}

// a sentence of about n characters, with spaces where a line may break
std::string langerText(size_t n)
{
    std::string t;
    while (t.size() < n)
        t += "Simulationsdauer in Sekunden bis zum Ende ";
    t.resize(n);
    return t;
}

class LageQt : public ::testing::Test {
protected:
    void SetUp() override
    {
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
        qt::anwendungSicherstellen();
        dialogTexte.zuruecksetzen();
        fensterhandles = {};
        eingabeParameter = {};
    }
    void TearDown() override
    {
        dialogTexte.zuruecksetzen();
        qt::geloeschteFreigeben();
    }
};

} // namespace

// A label of 170 characters in the language file must leave the dialog on the screen
// with every button where the user can reach it: a static text wraps, a check box is cut.
TEST_F(LageQt, Simulationsdialog133MitLangerBeschriftungBleibtImArbeitsbereich)
{
    for (const char* schluessel : {"IDC_SIM_DAUER_TXT=", "IDC_SIM_OBJEKTE_AKTIVIEREN="}) {
        SCOPED_TRACE(schluessel);
        dialogTexte.zuruecksetzen();
        const int slot = dialogTexte.nummerVon(schluessel);
        ASSERT_GE(slot, 0);
        dialogTexte.setzen(slot, langerText(170));
        const Anblick a = ansehen([] { simulationsParameterDialogOeffnen(nullptr); });
        ASSERT_TRUE(a.gesehen);
        const QRect bereich = arbeitsRechteck();
        EXPECT_TRUE(bereich.contains(a.rahmen)) << a.rahmen.x() << "," << a.rahmen.y() << " "
                                                << a.rahmen.width() << "x" << a.rahmen.height();
        EXPECT_EQ(a.knoepfe.size(), 5u);              // OK, OK - F2, Abbrechen, two "neu"
        for (const auto& [id, r] : a.knoepfe) {
            SCOPED_TRACE(id);
            EXPECT_TRUE(bereich.contains(r));
            EXPECT_TRUE(a.rahmen.contains(r));
        }
    }
}

// The caller's texts make the input dialog wider than its template: it is centred with
// the size it shows with.
TEST_F(LageQt, Eingabedialog146StehtMittig)
{
    eingabeParameter.titel = "Frage";
    eingabeParameter.text1 = langerText(90);
    eingabeParameter.text2 = "zweite Zeile";
    eingabeParameter.eingabeBeschriftung = "Anzeigedauer in Millisekunden:";
    eingabeParameter.eingabeText = "2000";
    const Anblick a = ansehen([] { eingabeDialogOeffnen(); });
    ASSERT_TRUE(a.gesehen);
    const QRect bereich = arbeitsRechteck();
    EXPECT_TRUE(bereich.contains(a.rahmen));
    EXPECT_NEAR(a.rahmen.center().x(), bereich.center().x(), 1);
    EXPECT_NEAR(a.rahmen.center().y(), bereich.center().y(), 1);
}
