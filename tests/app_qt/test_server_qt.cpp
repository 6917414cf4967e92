// tests/app_qt/test_server_qt.cpp - a server run on the Qt platform, without a board, stopped
// by Esc where the main window has its keyboard; the main window afterwards as before
#include "app/beenden.h"
#include "app/start.h"
#include "app/status.h"
#include "core/status.h"
#include "qt_ende.h"
#include "../stuetzen/menuemarken.h"
#include "diagrams/drucken.h"
#include "platform/menue.h"
#include "platform/qt/qtstart.h"
#include "platform/system.h"
#include "server/serverbetrieb.h"
#include <QApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QTextEdit>
#include <QTimer>
#include <gtest/gtest.h>
#include <filesystem>
#include <string>
#include <tuple>
#include <vector>
#include <unistd.h>

using namespace plattform;
namespace fs = std::filesystem;

namespace {

fs::path quellBaum() { return fs::path(VELNOR_TEST_DATEN).parent_path().parent_path(); }

void ereignisseAbarbeiten(double sekunden)
{
    const double ende = uhrSekunden() + sekunden;
    while (uhrSekunden() < ende)
        QApplication::processEvents(QEventLoop::AllEvents, 20);
}

bool warten(const std::function<bool()>& bis)
{
    for (const double ende = uhrSekunden() + 20.0; !bis();) {
        if (uhrSekunden() > ende)
            return false;
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return true;
}

// title, status texts, menu marks as a menu opening sets them, place
auto hauptfensterStand()
{
    const Fenster f = fensterhandles.hauptfenster;
    senden(f, nachricht::MenuePopupInit, reinterpret_cast<uintptr_t>(fensterhandles.hauptmenue));
    std::vector<std::tuple<int, bool, bool>> marken;
    markenSammeln(fensterhandles.hauptmenue, marken);
    const Rechteck r = fensterRechteck(f);
    return std::tuple(titel(f), statusTexte, marken, std::tuple(r.links, r.oben, r.rechts, r.unten));
}

bool echtzeitGewaehrt(std::string*) { return true; }

struct ServerQt : ::testing::Test {
    fs::path ordner;
    std::vector<std::string> boxen;   // the texts of the boxes shown, each answered OK
    QTimer aufpasser;

    void SetUp() override
    {
        qt::anwendungSicherstellen();
        ordner = fs::temp_directory_path() / ("velnor-server-qt-" + std::to_string(getpid()));
        fs::remove_all(ordner);
        fs::create_directories(ordner / "parameter");
        for (const auto& e : fs::directory_iterator(quellBaum() / "resources" / "parameter"))
            fs::copy_file(e.path(), e.path().filename() == "default.cfg" ? ordner / "default.cfg"
                                                                          : ordner / "parameter" / e.path().filename());
        aufpasser.setInterval(50);
        QObject::connect(&aufpasser, &QTimer::timeout, [this] {
            if (auto* b = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                boxen.push_back(b->text().toStdString());
                b->accept();
            }
        });
        aufpasser.start();
        serverStartHaken.echtzeit = echtzeitGewaehrt;   // no real-time scheduling in a test
    }

    void TearDown() override
    {
        aufpasser.stop();
        qttest::programmEndenUndZuruecksetzen();
        serverStartHaken = {};
        serverFenster = {};
        fs::remove_all(ordner);
    }
};

} // namespace

// Esc where the user's keyboard is in the main window, its network picture or its protocol
// box, stops the run through the platform's key path; title, status, menu marks and place
// are those before the start.
TEST_F(ServerQt, EscImHauptfensterHaeltDenServerAnUndLaesstEsWieVorDemStart)
{
    const fs::path datei = ordner / "swim.gui";
    fs::copy_file(quellBaum() / "examples" / "swim.gui", datei);
    ASSERT_TRUE(testhilfe::programmStarten(datei.string(), ordner.string() + "/"));
    ereignisseAbarbeiten(1.5);          // the start picture goes after a second
    druckerSucheAbwarten();
    QWidget* bild = qt::clientWidget(fensterhandles.hauptfenster);
    QWidget* protokollBox = qt::clientWidget(fensterhandles.protokollfenster)->findChild<QTextEdit*>();
    ASSERT_TRUE(bild && protokollBox);
    spikeAufzeichnung.aufzeichnen = 1;   // a switch the run turns off meanwhile

    for (QWidget* ziel : {bild, protokollBox}) {
        const bool box = ziel == protokollBox;
        boxen.clear();
        const auto vorher = hauptfensterStand();
        senden(fensterhandles.hauptfenster, nachricht::Befehl, machWParam(befehlServerStarten, 0));
        ASSERT_TRUE(serverThreadLaeuft()) << box;
        const uint32_t sekunden = serverLauf.anzeige.sekunden.load();
        ASSERT_TRUE(warten([&] { return serverLauf.anzeige.sekunden.load() != sekunden; })) << "a second of the run";

        // the user comes back to the main window and presses Esc there
        vordergrundSetzen(fensterhandles.hauptfenster);
        ziel->setFocus();
        ereignisseAbarbeiten(0.1);
        for (QEvent::Type art : {QEvent::KeyPress, QEvent::KeyRelease}) {
            QKeyEvent taste(art, Qt::Key_Escape, Qt::NoModifier, QStringLiteral("\x1b"));
            QApplication::sendEvent(ziel, &taste);
        }
        ASSERT_TRUE(warten([] { return !serverThreadLaeuft(); })) << box << ": Esc did not stop the run";
        ereignisseAbarbeiten(0.2);
        ASSERT_EQ(boxen.size(), 1u) << box;
        EXPECT_NE(boxen[0].find("simulations-schritte"), std::string::npos) << boxen[0];
        EXPECT_FALSE(istFenster(serverFenster.fenster));
        const auto nachher = hauptfensterStand();
        EXPECT_EQ(std::get<0>(nachher), std::get<0>(vorher)) << box << ": title";
        EXPECT_EQ(std::get<1>(nachher), std::get<1>(vorher)) << box << ": status";
        EXPECT_EQ(std::get<2>(nachher), std::get<2>(vorher)) << box << ": menu marks";
        EXPECT_EQ(std::get<3>(nachher), std::get<3>(vorher)) << box << ": place";
    }
}
