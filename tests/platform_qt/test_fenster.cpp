// tests/platform_qt/test_fenster.cpp - windows and messages on real Qt widgets
#include "protokoll.h"
#include "platform/qt/zeichenflaeche.h"
#include "platform/system.h"
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <thread>

using namespace plattform;
using namespace protokoll;
using Fenster_ = QtTest;

namespace {

void tasteSenden(Fenster f, QEvent::Type art, int key, Qt::KeyboardModifiers mod, const QString& text)
{
    QKeyEvent e(art, key, mod, text);
    QApplication::sendEvent(qt::clientWidget(f), &e);
}

} // namespace

TEST_F(Fenster_, ErzeugenMeldetErzeugenGroesseUndBewegenVorDerRueckkehr)
{
    Fenster f = neu(stil::Hauptfenster, 100, 120, 300, 200, nullptr, nullptr, 77);
    ASSERT_TRUE(istFenster(f));
    ASSERT_EQ(nachrichtenVon(f),
              (std::vector<uint32_t>{nachricht::Erzeugen, nachricht::Groesse, nachricht::Bewegen}));
    EXPECT_EQ(eingang[0].l, 77);
    EXPECT_EQ(eingang[1].w, groesse::Wiederhergestellt);
    EXPECT_EQ(eingang[1].l, machLParam(300, 200));        // the offscreen platform draws no frame
    EXPECT_EQ(eingang[2].l, machLParam(100, 120));
    Rechteck r = fensterRechteck(f);
    EXPECT_EQ(r.links, 100);
    EXPECT_EQ(r.unten, 320);

    titelSetzen(f, "Ma\xdf und Zahl \xe4");            // Windows-1252 in and out
    EXPECT_EQ(titel(f), "Ma\xdf und Zahl \xe4");

    Fenster k = neu(stil::Kind | stil::Sichtbar, 10, 20, 50, 40, f);
    EXPECT_EQ(elternFenster(k), f);
    EXPECT_EQ(von(k, nachricht::Groesse).back().l, machLParam(50, 40));
    EXPECT_EQ(von(k, nachricht::Bewegen).back().l, machLParam(110, 140));
    Punkt p = clientZuBildschirm(k, {1, 2});
    EXPECT_EQ(p.x, 111);
    EXPECT_EQ(p.y, 142);

    eingang.clear();
    verschieben(f, 50, 60, 400, 300);
    EXPECT_EQ(von(f, nachricht::Groesse).back().l, machLParam(400, 300));
    EXPECT_EQ(von(f, nachricht::Bewegen).back().l, machLParam(50, 60));
    verschieben(f, 50, 60, 400, 300);                  // nothing changed: nothing sent
    EXPECT_EQ(von(f, nachricht::Groesse).size(), 1u);
}

TEST_F(Fenster_, GesendetSofortGepostetErstBeimPumpenInReihenfolge)
{
    Fenster a = neu(stil::Hauptfenster, 0, 0, 100, 100);
    Fenster b = neu(stil::Hauptfenster, 0, 0, 100, 100);
    reaktion = [](Fenster, uint32_t n, uintptr_t, intptr_t) -> std::optional<intptr_t> {
        if (n == nachricht::Benutzer)
            return 42;
        return std::nullopt;
    };
    eingang.clear();
    EXPECT_EQ(senden(a, nachricht::Benutzer), 42);
    EXPECT_EQ(eingang.size(), 1u);

    EXPECT_TRUE(posten(a, nachricht::Benutzer + 1));
    EXPECT_TRUE(posten(b, nachricht::Benutzer + 2));
    EXPECT_TRUE(posten(a, nachricht::Benutzer + 3));
    EXPECT_EQ(eingang.size(), 1u);
    nachrichtenVerarbeiten();
    std::vector<std::pair<Fenster, uint32_t>> angekommen;
    for (const Eintrag& e : eingang)
        if (e.n > nachricht::Benutzer)
            angekommen.emplace_back(e.f, e.n);
    EXPECT_EQ(angekommen, (std::vector<std::pair<Fenster, uint32_t>>{{a, nachricht::Benutzer + 1},
                                                                    {b, nachricht::Benutzer + 2},
                                                                    {a, nachricht::Benutzer + 3}}));

    EXPECT_TRUE(posten(b, nachricht::Benutzer + 4));
    fensterZerstoeren(b);                                  // its queued message dies with it,
    Fenster c = neu(stil::Hauptfenster, 0, 0, 100, 100);   // even were c at b's old address
    nachrichtenVerarbeiten();
    EXPECT_TRUE(von(c, nachricht::Benutzer + 4).empty());

    EXPECT_FALSE(posten(b, nachricht::Benutzer));
    EXPECT_EQ(senden(b, nachricht::Benutzer), 0);
    EXPECT_FALSE(posten(nullptr, nachricht::Benutzer));
}

TEST_F(Fenster_, ZerstoerenAusDerEigenenProzedurIstSicher)
{
    // Each window destroys itself while a Qt handler of its widget is running; the
    // sanitizer finds any use of the widget or the record afterwards.
    reaktion = [](Fenster f, uint32_t n, uintptr_t, intptr_t) -> std::optional<intptr_t> {
        if (n == nachricht::Zeichnen || n == nachricht::TasteRunter || n == nachricht::LinksRunter)
            fensterZerstoeren(f);
        return std::nullopt;
    };
    Fenster malt = neu(stil::Hauptfenster | stil::Sichtbar, 0, 0, 100, 100);
    QPointer<QWidget> w = qt::fensterWidget(malt);
    EXPECT_TRUE(pumpenBis([&] { return !istFenster(malt); }));   // at its first paint

    Fenster tippt = neu(stil::Hauptfenster, 0, 0, 100, 100);
    Fenster kind = neu(stil::Kind | stil::Sichtbar, 0, 0, 10, 10, tippt);
    tasteSenden(tippt, QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, "a");
    EXPECT_FALSE(istFenster(kind));
    EXPECT_EQ(nachrichtenVon(tippt).back(), nachricht::Zerstoeren);
    EXPECT_TRUE(von(tippt, nachricht::Zeichen).empty());   // the key's character finds no window

    Fenster klickt = neu(stil::Hauptfenster, 0, 0, 100, 100);
    QMouseEvent druck(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(qt::clientWidget(klickt), &druck);
    EXPECT_FALSE(istFenster(klickt));

    Fenster schliesst = neu(stil::Hauptfenster | stil::Sichtbar, 0, 0, 100, 100);
    reaktion = nullptr;
    qt::fensterWidget(schliesst)->close();             // the close box: standard procedure destroys
    EXPECT_FALSE(istFenster(schliesst));
    EXPECT_EQ(nachrichtenVon(schliesst).back(), nachricht::Zerstoeren);
    reaktion = [](Fenster, uint32_t n, uintptr_t, intptr_t) {   // refused in Erzeugen
        return n == nachricht::Erzeugen ? std::optional<intptr_t>(-1) : std::nullopt;
    };
    EXPECT_EQ(neu(stil::Hauptfenster | stil::Sichtbar, 0, 0, 100, 100), nullptr);

    EXPECT_FALSE(w.isNull());                          // deletion waits for the event loop
    qt::geloeschteFreigeben();
    EXPECT_TRUE(w.isNull());
}

TEST_F(Fenster_, ZerstoerenErreichtErstDasFensterDannKinderUndBesessene)
{
    Fenster haupt = neu(stil::Hauptfenster, 0, 0, 200, 200);
    Fenster kind = neu(stil::Kind, 0, 0, 50, 50, haupt);
    Fenster werkzeug = neu(stil::Werkzeug, 0, 0, 50, 50, haupt);   // owned, no Qt child
    eingang.clear();
    fensterZerstoeren(haupt);
    ASSERT_EQ(eingang.size(), 3u);
    EXPECT_TRUE(eingang[0].f == haupt && eingang[1].f == kind && eingang[2].f == werkzeug);
    EXPECT_FALSE(istFenster(werkzeug));
}

TEST_F(Fenster_, ZeitgeberFeuertBeimPumpen)
{
    Fenster f = neu(stil::Hauptfenster, 0, 0, 100, 100);
    ASSERT_TRUE(zeitgeberSetzen(f, 7, 10));
    ASSERT_TRUE(pumpenBis([&] { return !von(f, nachricht::Zeitgeber).empty(); }));
    EXPECT_EQ(von(f, nachricht::Zeitgeber)[0].w, 7u);
    zeitgeberLoeschen(f, 7);
    eingang.clear();
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    nachrichtenVerarbeiten();
    EXPECT_TRUE(von(f, nachricht::Zeitgeber).empty());
}

TEST_F(Fenster_, BeendenKommtNachDenVorherGepostetenNachrichten)
{
    Fenster f = neu(stil::Hauptfenster, 0, 0, 100, 100);
    QTimer::singleShot(5000, [] { beendenPosten(-1); });   // a hanging loop fails instead
    posten(f, nachricht::Benutzer + 1);
    beendenPosten(3);
    posten(f, nachricht::Benutzer + 2);
    EXPECT_EQ(nachrichtenSchleife(), 3);
    EXPECT_EQ(von(f, nachricht::Benutzer + 1).size(), 1u);
    EXPECT_TRUE(von(f, nachricht::Benutzer + 2).empty());

    beendenPosten(4);
    EXPECT_FALSE(nachrichtenVerarbeiten());
    EXPECT_EQ(von(f, nachricht::Benutzer + 2).size(), 1u);
    EXPECT_FALSE(nachrichtenVerarbeitenGedrosselt());     // the request stands ...
    EXPECT_EQ(nachrichtenSchleife(), 4);                   // ... until the loop takes it
    EXPECT_TRUE(nachrichtenVerarbeiten());
}

TEST_F(Fenster_, ArbeitAusAnderemThreadLaeuftBeimPumpenImGuiThread)
{
    std::vector<bool> imGuiThread;
    bool nebenImGuiThread = true;
    std::thread neben([&] {
        nebenImGuiThread = istGuiThread();
        aufGuiThread([&] { imGuiThread.push_back(istGuiThread()); });
    });
    neben.join();
    EXPECT_FALSE(nebenImGuiThread);
    EXPECT_TRUE(imGuiThread.empty());
    nachrichtenVerarbeiten();
    EXPECT_EQ(imGuiThread, std::vector<bool>{true});
}

TEST_F(Fenster_, NeuZeichnenMaltNurDasUngueltigeSofort)
{
    Rechteck gemalt;
    bool malerDa = false;
    reaktion = [&](Fenster, uint32_t n, uintptr_t, intptr_t l) -> std::optional<intptr_t> {
        if (n == nachricht::Zeichnen) {
            auto* z = reinterpret_cast<Zeichenflaeche*>(l);
            malerDa = z->maler != nullptr;
            gemalt = z->bereich;
        }
        return std::nullopt;
    };
    Fenster f = neu(stil::Hauptfenster | stil::Sichtbar, 0, 0, 200, 100);
    ASSERT_TRUE(pumpenBis([&] { return !von(f, nachricht::Zeichnen).empty(); }));
    eingang.clear();
    Rechteck r{10, 20, 30, 40};
    ungueltigMachen(f, &r);
    EXPECT_TRUE(von(f, nachricht::Zeichnen).empty());
    neuZeichnen(f);
    ASSERT_EQ(von(f, nachricht::Zeichnen).size(), 1u);
    EXPECT_TRUE(malerDa);
    EXPECT_LE(gemalt.links, 10);
    EXPECT_GE(gemalt.rechts, 30);
    EXPECT_LT(gemalt.breite(), 200);
    neuZeichnen(f);                                        // nothing invalid any more
    EXPECT_EQ(von(f, nachricht::Zeichnen).size(), 1u);
}

TEST_F(Fenster_, EingabenWerdenZuTastenZeichenUndMausnachrichten)
{
    Fenster f = neu(stil::Hauptfenster | stil::Sichtbar, 0, 0, 200, 100);
    eingang.clear();
    tasteSenden(f, QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier, "\x1b");
    tasteSenden(f, QEvent::KeyRelease, Qt::Key_Escape, Qt::NoModifier, "\x1b");
    tasteSenden(f, QEvent::KeyPress, Qt::Key_Plus, Qt::KeypadModifier, "+");
    tasteSenden(f, QEvent::KeyPress, Qt::Key_Adiaeresis, Qt::NoModifier, QString::fromUtf8("\xc3\xa4"));
    tasteSenden(f, QEvent::KeyPress, Qt::Key_X, Qt::AltModifier, "x");
    tasteSenden(f, QEvent::KeyPress, Qt::Key_F10, Qt::NoModifier, "");
    std::vector<std::pair<uint32_t, uintptr_t>> soll = {
        {nachricht::TasteRunter, taste::Esc}, {nachricht::Zeichen, 27}, {nachricht::TasteHoch, taste::Esc},
        {nachricht::TasteRunter, taste::NumPlus}, {nachricht::Zeichen, '+'},
        {nachricht::Zeichen, 0xE4},                          // no key code of ours, but typed
        {nachricht::SystemTasteRunter, 'X'}, {nachricht::SystemTasteRunter, taste::F10}};
    std::vector<std::pair<uint32_t, uintptr_t>> ist;
    for (const Eintrag& e : eingang)
        ist.emplace_back(e.n, e.w);
    EXPECT_EQ(ist, soll);

    eingang.clear();
    QMouseEvent druck(QEvent::MouseButtonPress, QPointF(15, 25), QPointF(15, 25), Qt::RightButton,
                      Qt::RightButton, Qt::ShiftModifier);
    QApplication::sendEvent(qt::clientWidget(f), &druck);
    auto runter = von(f, nachricht::RechtsRunter);
    ASSERT_EQ(runter.size(), 1u);
    EXPECT_EQ(runter[0].w, maus::Rechts | maus::Umschalt);
    EXPECT_EQ(runter[0].l, machLParam(15, 25));
}

TEST_F(Fenster_, FokusUndMinimierenMeldenWasDasProgrammBraucht)
{
    Fenster f = neu(stil::Hauptfenster | stil::Sichtbar, 0, 0, 200, 100);
    Fenster a = neu(stil::Kind | stil::Sichtbar, 0, 0, 50, 50, f);
    Fenster b = neu(stil::Kind | stil::Sichtbar, 60, 0, 50, 50, f);
    vordergrundSetzen(f);
    ASSERT_TRUE(pumpenBis([&] { return vordergrundFenster() == f; }));
    EXPECT_EQ(von(f, nachricht::Aktivieren).back().w, 1u);
    fokusSetzen(a);
    eingang.clear();
    fokusSetzen(b);                                    // each side names the other window
    EXPECT_EQ(fokusFenster(), b);
    ASSERT_EQ(von(a, nachricht::FokusVerloren).size(), 1u);
    EXPECT_EQ(von(a, nachricht::FokusVerloren)[0].w, reinterpret_cast<uintptr_t>(b));
    ASSERT_EQ(von(b, nachricht::FokusErhalten).size(), 1u);
    EXPECT_EQ(von(b, nachricht::FokusErhalten)[0].w, reinterpret_cast<uintptr_t>(a));

    zeigen(f, anzeige::Minimiert);
    EXPECT_TRUE(istMinimiert(f));
    EXPECT_EQ(von(f, nachricht::Groesse).back().w, groesse::Minimiert);
    EXPECT_EQ(von(f, nachricht::Groesse).back().l, 0);
    zeigen(f, anzeige::Wiederherstellen);
    EXPECT_EQ(von(f, nachricht::Groesse).back().w, groesse::Wiederhergestellt);
    EXPECT_EQ(von(f, nachricht::Groesse).back().l, machLParam(200, 100));
}
