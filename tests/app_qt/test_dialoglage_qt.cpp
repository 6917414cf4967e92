// tests/app_qt/test_dialoglage_qt.cpp - a dialog on Qt keeps its place: the frame's outer
// corner is what the dialog stores when it moves and what it is put back to
#include "dialogs/rahmen.h"
#include "platform/qt/qtfenster.h"
#include "platform/qt/qtstart.h"
#include "resources/vorlagen.h"
#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QWidget>
#include <chrono>
#include <thread>
#include <utility>
#include <vector>

using namespace plattform;

namespace {

DialogRahmen lage;

intptr_t lageProc(Fenster dlg, uint32_t n, uintptr_t, intptr_t)
{
    if (n == nachricht::Bewegen)
        dialogPositionMerken(dlg, lage);
    else if (n == nachricht::DialogInit)
        dialogInitialisieren(dlg, lage, {});
    return n == nachricht::DialogInit ? 1 : 0;
}

// a few passes of the event loop: what the frame reports after showing or moving arrives
void warten()
{
    for (int i = 0; i < 10; ++i) {
        QCoreApplication::processEvents();
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
}

} // namespace

// The user drags the dialog once and then opens it again and again: it comes back where he
// left it every time, not a title bar's height further each time.
TEST(DialogLageQt, WiederGeoeffnetStehtErDortWoDerBenutzerIhnHinschob)
{
    qt::anwendungSicherstellen();
    lage = {};
    std::vector<std::pair<int, int>> ecken;
    for (int oeffnung = 0; oeffnung < 4; ++oeffnung) {
        Fenster d = dialogModeless(vorlageNeuronName, nullptr, lageProc);
        ASSERT_TRUE(d);
        warten();
        if (oeffnung == 0) {
            qt::fensterWidget(d)->move(150, 120);   // the frame's corner, as a window manager drags it
            warten();
        }
        const Rechteck r = fensterRechteck(d);
        ecken.emplace_back(r.links, r.oben);
        EXPECT_EQ(std::pair(lage.x, lage.y), ecken.back());
        fensterZerstoeren(d);
        lage.frisch = 1;
        qt::geloeschteFreigeben();
    }
    EXPECT_EQ(ecken, (std::vector<std::pair<int, int>>(4, {150, 120})));
}
