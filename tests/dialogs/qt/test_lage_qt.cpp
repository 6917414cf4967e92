// tests/dialogs/qt/test_lage_qt.cpp - the dialogs on Qt are measured with the texts they
// show: centred where the frame centres them, and inside the work area with long texts
#include "core/status.h"
#include "dialogs/eingabe.h"
#include "dialogs/simulationsparameter.h"
#include "dialogs/strominjektion.h"
#include "model/netz.h"
#include "platform/qt/qtstart.h"
#include "texts/texte.h"
#include <gtest/gtest.h>
#include <QApplication>
#include <QDialog>
#include <QPushButton>
#include <QTimer>
#include <functional>
#include <string>
#include <vector>

using namespace plattform;

namespace {

// What the user sees of an open dialog once Qt has laid it out and shown it.
struct Anblick {
    QRect bereich;                // the work area
    QRect rahmen;                 // the dialog's outer rectangle on the screen
    std::vector<QRect> knoepfe;   // the screen rectangle of each visible button
};

// Opens a modal dialog, looks at it once it has been shown and Qt had a few passes to lay
// it out, and closes it as the close box does.
Anblick ansehen(const std::function<void()>& oeffnen)
{
    Anblick a;
    int runden = 0;
    QTimer schauen;
    QObject::connect(&schauen, &QTimer::timeout, [&] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            auto* d = qobject_cast<QDialog*>(w);
            if (!d || !d->isVisible() || ++runden < 3)
                continue;
            a.rahmen = d->frameGeometry();
            for (QPushButton* k : d->findChildren<QPushButton*>())
                if (k->isVisible())
                    a.knoepfe.emplace_back(k->mapToGlobal(QPoint(0, 0)), k->size());
            d->reject();
        }
    });
    schauen.start(10);
    oeffnen();
    const Rechteck r = arbeitsbereich();
    a.bereich = QRect(r.links, r.oben, r.breite(), r.hoehe());
    return a;
}

// 42 characters with spaces where a line may break
const std::string satz = "Simulationsdauer in Sekunden bis zum Ende ";

class LageQt : public ::testing::Test {
protected:
    void SetUp() override { qt::anwendungSicherstellen(); }
    void TearDown() override
    {
        dialogTexte.zuruecksetzen();
        qt::geloeschteFreigeben();
    }
};

} // namespace

// A label of 168 characters in the language file must leave the dialog on the screen
// with every button where the user can reach it: a static text wraps, a check box is cut.
TEST_F(LageQt, Simulationsdialog133MitLangerBeschriftungBleibtImArbeitsbereich)
{
    for (const char* schluessel : {"IDC_SIM_DAUER_TXT=", "IDC_SIM_OBJEKTE_AKTIVIEREN="}) {
        SCOPED_TRACE(schluessel);
        dialogTexte.zuruecksetzen();
        ASSERT_GE(dialogTexte.nummerVon(schluessel), 0);
        dialogTexte.setzen(dialogTexte.nummerVon(schluessel), satz + satz + satz + satz);
        const Anblick a = ansehen([] { simulationsParameterDialogOeffnen(nullptr); });
        EXPECT_TRUE(a.bereich.contains(a.rahmen)) << a.rahmen.width() << "x" << a.rahmen.height();
        EXPECT_EQ(a.knoepfe.size(), 5u);              // OK, OK - F2, Abbrechen, two "neu"
        for (const QRect& r : a.knoepfe)
            EXPECT_TRUE(a.bereich.contains(r) && a.rahmen.contains(r)) << r.x() << "," << r.y();
    }
}

// The caller's texts make the input dialog wider than its template: it is centred with
// the size it shows with.
TEST_F(LageQt, Eingabedialog146StehtMittig)
{
    eingabeParameter.titel = "Frage";
    eingabeParameter.text1 = satz + satz;
    eingabeParameter.text2 = "zweite Zeile";
    eingabeParameter.eingabeBeschriftung = "Anzeigedauer in Millisekunden:";
    eingabeParameter.eingabeText = "2000";
    const Anblick a = ansehen([] { eingabeDialogOeffnen(); });
    EXPECT_TRUE(a.bereich.contains(a.rahmen));
    EXPECT_NEAR(a.rahmen.center().x(), a.bereich.center().x(), 1);
    EXPECT_NEAR(a.rahmen.center().y(), a.bereich.center().y(), 1);
}

// The current-injection dialog has two dozen rows: in both displays it stays inside the
// work area with its three closing buttons on the screen.
TEST_F(LageQt, Strominjektionsdialog150InBeidenDarstellungenImArbeitsbereich)
{
    netzLoeschen();
    NeuronDaten* n = neuronNeu(1, 0);
    ASSERT_TRUE(n);
    ++neuronKette.anzahl;
    for (const int anzeige : {5, 0}) {
        SCOPED_TRACE(anzeige);
        dialogEinstellungen.strominjektionAnzeige = anzeige;
        const Anblick a = ansehen([] { strominjektionDialogOeffnen(nullptr); });
        EXPECT_TRUE(a.bereich.contains(a.rahmen)) << a.rahmen.width() << "x" << a.rahmen.height();
        EXPECT_GE(a.knoepfe.size(), 3u);
        for (const QRect& r : a.knoepfe)
            EXPECT_TRUE(a.bereich.contains(r)) << r.x() << "," << r.y();
    }
    dialogEinstellungen = {};
    netzLoeschen();
}
