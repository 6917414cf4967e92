// tests/platform/test_fenster.cpp - window records of the scripted platform
#include "test_fenster_hilfe.h"

using namespace plattform;
using namespace probe;
namespace n = plattform::nachricht;

using FensterLeben = Fall;
using FensterLage = Fall;

namespace {
constexpr int oben = test::rahmenBreite + test::titelHoehe;   // title bar and top border
}

TEST_F(FensterLeben, ErzeugenMeldetErzeugenGroesseBewegenVorDerRueckkehr)
{
    Fenster f = fensterErzeugen("Probe", "", stil::Hauptfenster, 100, 50, 400, 300, nullptr, nullptr, 42);
    ASSERT_TRUE(istFenster(f));
    const auto& log = test::nachrichtenLog();
    ASSERT_EQ(nachrichten(), (std::vector<uint32_t>{n::Erzeugen, n::Groesse, n::Bewegen}));
    EXPECT_EQ(log[0].l, 42);
    EXPECT_EQ(log[1].l, machLParam(400 - 2 * test::rahmenBreite, 300 - test::rahmenBreite - oben));
    EXPECT_EQ(log[2].l, machLParam(108, 50 + oben));
    EXPECT_FALSE(istSichtbar(f));

    Fenster g = neu();   // visible at once, and the active window
    EXPECT_TRUE(istSichtbar(g));
    EXPECT_EQ(vordergrundFenster(), g);
    EXPECT_EQ(nachrichten(g), (std::vector<uint32_t>{n::Erzeugen, n::Groesse, n::Bewegen, n::Aktivieren}));
}

TEST_F(FensterLeben, ErzeugenKannVerweigertWerden)
{
    Fenster gesehen = nullptr;
    reaktion = [&](Fenster f, uint32_t m, uintptr_t, intptr_t) -> intptr_t {
        gesehen = f;
        return m == n::Erzeugen ? -1 : 0;
    };
    EXPECT_EQ(neu(), nullptr);
    EXPECT_EQ(nachrichten(), (std::vector<uint32_t>{n::Erzeugen, n::Zerstoeren}));
    EXPECT_FALSE(istFenster(gesehen));

    fehlerSammeln();
    EXPECT_EQ(fensterErzeugen("Gibtsnicht", "", 0, 0, 0, 10, 10), nullptr);
    EXPECT_EQ(fehler.size(), 1u);
    EXPECT_FALSE(klasseRegistrieren({"Probe", probeProc}));
    EXPECT_EQ(neu(stil::Kind), nullptr);   // a child needs a parent
}

TEST_F(FensterLeben, ZerstoerenNimmtKinderBesitzteTimerUndNachrichtenMit)
{
    Fenster haupt = neu();
    Fenster kind = neu(stil::Kind | stil::Sichtbar, haupt, 5, 5, 50, 50);
    Fenster besessen = neu(stil::Werkzeug | stil::Sichtbar, haupt);
    Fenster fremd = neu();
    fensterDatenSetzen(haupt, 77);
    intptr_t datenImZerstoeren = 0;
    reaktion = [&](Fenster f, uint32_t m, uintptr_t w, intptr_t l) -> intptr_t {
        if (m == n::Zerstoeren && f == haupt) {
            datenImZerstoeren = fensterDaten(f);   // where a procedure frees what hangs on it
            EXPECT_FALSE(istFenster(f));
            EXPECT_FALSE(posten(f, n::Benutzer));
            EXPECT_TRUE(istFenster(kind));      // children go after their parent
        }
        return standardFensterProc(f, m, w, l);
    };
    zeitgeberSetzen(kind, 1, 10);
    zeitgeberSetzen(fremd, 1, 10);
    posten(besessen, n::Benutzer);
    posten(fremd, n::Benutzer);
    test::logLeeren();

    fensterZerstoeren(haupt);
    std::vector<Fenster> reihe;
    for (const auto& e : test::nachrichtenLog())
        if (e.nachricht == n::Zerstoeren)
            reihe.push_back(e.fenster);
    EXPECT_EQ(reihe, (std::vector<Fenster>{haupt, kind, besessen}));
    EXPECT_EQ(datenImZerstoeren, 77);
    for (Fenster f : {haupt, kind, besessen}) {
        EXPECT_FALSE(istFenster(f));
        EXPECT_EQ(senden(f, n::Benutzer), 0);
        EXPECT_EQ(test::zeitgeberPeriode(f, 1), -1);
    }
    EXPECT_EQ(test::wartendeNachrichten(), 1u);   // only fremd's
    EXPECT_EQ(test::zeitgeberPeriode(fremd, 1), 10);
    EXPECT_EQ(vordergrundFenster(), fremd);
    fensterZerstoeren(haupt);                                 // dead handles are ignored,
    fensterZerstoeren(reinterpret_cast<Fenster>(&reihe));     // and so is garbage
}

TEST_F(FensterLeben, SchliessenAusDerEigenenProzedurIstSicher)
{
    Fenster f = neu();
    reaktion = [&](Fenster g, uint32_t m, uintptr_t w, intptr_t l) -> intptr_t {
        if (m == n::Benutzer) {
            senden(g, n::SystemBefehl, systembefehl::Schliessen);   // -> Schliessen -> destroyed
            EXPECT_EQ(senden(g, n::Benutzer + 1), 0);
            return 5;
        }
        return standardFensterProc(g, m, w, l);
    };
    posten(f, n::Benutzer + 2);
    EXPECT_EQ(senden(f, n::Benutzer), 5);
    EXPECT_EQ(nachrichten(f, {n::Erzeugen, n::Groesse, n::Bewegen, n::Aktivieren}),
              (std::vector<uint32_t>{n::Benutzer, n::SystemBefehl, n::Schliessen, n::Zerstoeren}));
    EXPECT_EQ(test::wartendeNachrichten(), 0u);   // its posted message died with it
}

TEST_F(FensterLage, SystemBefehleUndVerschieben)
{
    Fenster f = neu();
    const Rechteck a = arbeitsbereich();
    test::logLeeren();
    senden(f, n::SystemBefehl, systembefehl::Maximieren);
    EXPECT_TRUE(istMaximiert(f));
    auto log = test::nachrichtenVon(f);
    ASSERT_EQ(nachrichten(f), (std::vector<uint32_t>{n::SystemBefehl, n::Groesse, n::Bewegen}));
    EXPECT_EQ(log[1].w, groesse::Maximiert);
    EXPECT_EQ(log[1].l, machLParam(a.breite() - 2 * test::rahmenBreite, a.hoehe() - test::rahmenBreite - oben));

    senden(f, n::SystemBefehl, systembefehl::Minimieren);
    EXPECT_EQ(test::nachrichtenLog().back().w, groesse::Minimiert);
    senden(f, n::SystemBefehl, systembefehl::Wiederherstellen);   // back to maximised
    EXPECT_TRUE(istMaximiert(f));
    senden(f, n::SystemBefehl, systembefehl::Wiederherstellen);   // and to the normal place
    EXPECT_EQ(fensterRechteck(f).links, 100);

    test::logLeeren();
    verschieben(f, 100, 50, 400, 300);   // unchanged: silent
    verschieben(f, 200, 50, 400, 300);
    verschieben(f, 200, 50, 500, 300);
    EXPECT_EQ(nachrichten(), (std::vector<uint32_t>{n::Bewegen, n::Groesse}));
    EXPECT_EQ(test::nachrichtenLog()[0].l, machLParam(208, 50 + oben));
}

TEST_F(FensterLage, VordergrundFokusUndFreigabe)
{
    Fenster a = neu(), b = neu();
    Fenster kind = neu(stil::Kind | stil::Sichtbar, a, 0, 0, 10, 10);
    EXPECT_EQ(vordergrundFenster(), b);
    test::logLeeren();
    fokusSetzen(kind);   // activates a first
    const auto& log = test::nachrichtenLog();
    ASSERT_EQ(log.size(), 3u);
    EXPECT_TRUE(log[0].fenster == b && log[0].w == 0);
    EXPECT_TRUE(log[1].fenster == a && log[1].w == 1);
    EXPECT_EQ(log[2].nachricht, n::FokusErhalten);

    test::logLeeren();
    fokusSetzen(b);
    ASSERT_EQ(log.size(), 4u);
    EXPECT_EQ(log[2].w, reinterpret_cast<uintptr_t>(b));      // FokusVerloren: who takes it
    EXPECT_EQ(log[3].w, reinterpret_cast<uintptr_t>(kind));   // FokusErhalten: who had it

    zeigen(b, anzeige::Verbergen);   // the window active before comes back
    EXPECT_EQ(vordergrundFenster(), a);
    fensterZerstoeren(a);
    EXPECT_EQ(vordergrundFenster(), nullptr);

    test::logLeeren();
    freigeben(b, false);
    freigeben(b, false);
    freigeben(b, true);
    EXPECT_EQ(nachrichten(), (std::vector<uint32_t>{n::Freigeben, n::Freigeben}));
}

TEST_F(FensterLage, UngueltigeFensterZeichnenEinmalUndNurSichtbar)
{
    Fenster f = neu(stil::Hauptfenster);
    ungueltigMachen(f);
    nachrichtenVerarbeiten();
    EXPECT_EQ(nachrichten(f).size(), 3u);   // hidden: the paint waits

    zeigen(f, anzeige::Zeigen);
    ungueltigMachen(f);
    test::logLeeren();
    nachrichtenVerarbeiten();
    nachrichtenVerarbeiten();
    EXPECT_EQ(nachrichten(f), (std::vector<uint32_t>{n::Zeichnen}));

    test::logLeeren();
    Rechteck r{10, 10, 20, 20};
    ungueltigMachen(f, &r);
    neuZeichnen(f);   // at once, not through the queue
    neuZeichnen(f);   // nothing left to paint
    nachrichtenVerarbeiten();
    ASSERT_EQ(nachrichten(f), (std::vector<uint32_t>{n::Zeichnen}));
    EXPECT_FALSE(test::nachrichtenLog()[0].gepostet);
}
