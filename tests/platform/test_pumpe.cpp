// tests/platform/test_pumpe.cpp - sending, posting, timers on the virtual clock, the loops
#include "platform/system.h"
#include "test_fenster_hilfe.h"
#include <thread>

using namespace plattform;
using namespace probe;
namespace n = plattform::nachricht;

using PumpeNachrichten = Fall;
using PumpeZeitgeber = Fall;
using PumpeSchleife = Fall;

namespace {
// the program's own messages in the log, as "window:number" (windows a, b, ...)
std::string benutzerFolge(std::initializer_list<Fenster> fenster)
{
    std::string aus;
    for (const auto& e : test::nachrichtenLog())
        for (size_t i = 0; i < fenster.size(); ++i)
            if (e.nachricht >= n::Benutzer && fenster.begin()[i] == e.fenster)
                aus += std::string(aus.empty() ? "" : " ") + char('a' + i) + std::to_string(e.nachricht - n::Benutzer);
    return aus;
}

size_t zeitgeberZahl()
{
    const auto& log = test::nachrichtenLog();
    return std::count_if(log.begin(), log.end(), [](const auto& e) { return e.nachricht == n::Zeitgeber; });
}
} // namespace

TEST_F(PumpeNachrichten, SendenSofortPostenInEinerReiheUeberAlleFenster)
{
    Fenster a = neu(), b = neu();
    reaktion = [&](Fenster f, uint32_t m, uintptr_t w, intptr_t l) -> intptr_t {
        if (f == a && m == n::Benutzer)
            return senden(b, n::Benutzer + 1) + 1;   // nested: b answers before a returns
        if (m == n::Benutzer + 1)
            return 40;
        if (m == n::Benutzer + 2)
            posten(b, n::Benutzer + 9);            // behind everything already waiting
        return standardFensterProc(f, m, w, l);
    };
    nachrichtenVerarbeiten();
    test::logLeeren();
    EXPECT_EQ(senden(a, n::Benutzer), 41);
    EXPECT_EQ(benutzerFolge({a, b}), "a0 b1");

    test::logLeeren();
    EXPECT_TRUE(posten(a, n::Benutzer + 2, 1, 2));
    posten(b, n::Benutzer + 3);
    posten(a, n::Benutzer + 4);
    EXPECT_TRUE(test::nachrichtenLog().empty());
    EXPECT_EQ(test::wartendeNachrichten(), 3u);
    EXPECT_TRUE(nachrichtenVerarbeiten());
    EXPECT_EQ(benutzerFolge({a, b}), "a2 b3 a4 b9");
    const auto& e = test::nachrichtenLog()[0];
    EXPECT_TRUE(e.gepostet && e.w == 1 && e.l == 2);
}

TEST_F(PumpeNachrichten, GepostetesVorZeichnenVorZeitgeber)
{
    Fenster f = neu();
    nachrichtenVerarbeiten();
    zeitgeberSetzen(f, 3, 5);
    test::uhrVorstellen(5, false);
    ungueltigMachen(f);
    posten(f, n::Benutzer);
    test::logLeeren();
    nachrichtenVerarbeiten();
    EXPECT_EQ(nachrichten(f), (std::vector<uint32_t>{n::Benutzer, n::Zeichnen, n::Zeitgeber}));
}

TEST_F(PumpeNachrichten, EingabeUndEndloseSelbstpost)
{
    Fenster f = neu();
    nachrichtenVerarbeiten();
    test::logLeeren();
    test::tasteDruecken(f, 'A', '\xE4');
    test::klicken(f, 30, 40, true);
    nachrichtenVerarbeiten();
    const auto& log = test::nachrichtenLog();
    ASSERT_EQ(nachrichten(), (std::vector<uint32_t>{n::TasteRunter, n::Zeichen, n::TasteHoch,
                                                    n::RechtsRunter, n::RechtsHoch}));
    EXPECT_EQ(log[0].w, uintptr_t{'A'});
    EXPECT_EQ(log[1].w, 0xE4u);   // the Windows-1252 byte, not a negative char
    EXPECT_TRUE(log[3].w == maus::Rechts && log[3].l == machLParam(30, 40));
    EXPECT_EQ(mausPosition().y, clientZuBildschirm(f, {30, 40}).y);

    fehlerSammeln();
    freigeben(f, false);
    test::klicken(f, 1, 1);   // the user cannot click a disabled window
    EXPECT_EQ(test::wartendeNachrichten(), 0u);

    reaktion = [&](Fenster g, uint32_t m, uintptr_t, intptr_t) -> intptr_t {
        return m == n::Benutzer ? posten(g, n::Benutzer) : 0;
    };
    posten(f, n::Benutzer);
    nachrichtenVerarbeiten();   // fails instead of hanging
    EXPECT_EQ(fehler.size(), 2u);
}

TEST_F(PumpeZeitgeber, PeriodischNeustartLoeschen)
{
    Fenster f = neu();
    zeitgeberSetzen(f, 1, 10);
    test::uhrVorstellen(95);
    EXPECT_EQ(zeitgeberZahl(), 9u);
    EXPECT_DOUBLE_EQ(uhrSekunden(), 0.095);

    test::logLeeren();
    zeitgeberSetzen(f, 1, 10);   // restarts at 95: due at 105, not 100
    test::uhrVorstellen(9);
    EXPECT_EQ(zeitgeberZahl(), 0u);
    test::uhrVorstellen(1);
    EXPECT_EQ(zeitgeberZahl(), 1u);

    test::logLeeren();
    test::uhrVorstellen(50, false);   // late: one message however many periods passed
    nachrichtenVerarbeiten();
    EXPECT_EQ(zeitgeberZahl(), 1u);
    zeitgeberLoeschen(f, 1);
    test::uhrVorstellen(100);
    EXPECT_EQ(zeitgeberZahl(), 1u);
}

TEST_F(PumpeZeitgeber, EinZeitgeberBeendetDasWarten)
{
    Fenster haupt = neu();
    Fenster box = neu(stil::Werkzeug | stil::Sichtbar, haupt);
    zeitgeberSetzen(haupt, 7, 1500);
    reaktion = [&](Fenster f, uint32_t m, uintptr_t w, intptr_t l) -> intptr_t {
        if (m == n::Zeitgeber && w == 7) {
            zeitgeberLoeschen(f, 7);
            posten(box, n::Schliessen);
        }
        return standardFensterProc(f, m, w, l);
    };
    EXPECT_TRUE(test::laufenBis([&] { return !istFenster(box); }, "the info box closes"));
    EXPECT_DOUBLE_EQ(uhrSekunden(), 1.5);

    fehlerSammeln();
    EXPECT_FALSE(test::laufenBis([] { return false; }, "nothing"));   // no timer left: would block
    zeitgeberSetzen(haupt, 1, 1000);
    EXPECT_FALSE(test::laufenBis([] { return false; }, "too long", 5000));
    ASSERT_EQ(fehler.size(), 2u);
    EXPECT_NE(fehler[0].find("nothing"), std::string::npos);
    EXPECT_DOUBLE_EQ(uhrSekunden(), 6.5);
}

TEST_F(PumpeZeitgeber, GedrosseltPumptErstNachZwanzigMillisekunden)
{
    Fenster f = neu();
    posten(f, n::Benutzer);
    nachrichtenVerarbeitenGedrosselt();
    test::uhrVorstellen(19.5, false);
    nachrichtenVerarbeitenGedrosselt();
    EXPECT_EQ(test::wartendeNachrichten(), 1u);
    test::uhrVorstellen(0.5, false);
    nachrichtenVerarbeitenGedrosselt();
    EXPECT_EQ(test::wartendeNachrichten(), 0u);

    test::uhrVorstellen(30, false);
    nachrichtenVerarbeiten();   // any pump counts
    posten(f, n::Benutzer);
    test::uhrVorstellen(10, false);
    nachrichtenVerarbeitenGedrosselt();
    EXPECT_EQ(test::wartendeNachrichten(), 1u);
}

TEST_F(PumpeSchleife, BeendenKommtNachDemVorherGeposteten)
{
    Fenster f = neu();
    posten(f, n::Benutzer);
    beendenPosten(3);
    posten(f, n::Benutzer + 1);
    test::logLeeren();
    EXPECT_FALSE(nachrichtenVerarbeiten());
    EXPECT_EQ(benutzerFolge({f}), "a0");
    EXPECT_FALSE(nachrichtenVerarbeitenGedrosselt());   // the request stays for the loop
    EXPECT_FALSE(test::laufenBis([] { return false; }, "ends like a modal loop, no failure"));
    EXPECT_EQ(nachrichtenSchleife(), 3);
    EXPECT_TRUE(nachrichtenVerarbeiten());
    EXPECT_EQ(benutzerFolge({f}), "a0 a1");
}

TEST_F(PumpeSchleife, DieSchleifeLaesstZeitBisZumZeitgeberVergehen)
{
    Fenster f = neu();
    int runden = 0;
    reaktion = [&](Fenster g, uint32_t m, uintptr_t w, intptr_t l) -> intptr_t {
        if (m == n::Zeitgeber && ++runden == 3)
            beendenPosten(9);
        return standardFensterProc(g, m, w, l);
    };
    zeitgeberSetzen(f, 1, 250);
    EXPECT_EQ(nachrichtenSchleife(), 9);
    EXPECT_DOUBLE_EQ(uhrSekunden(), 0.75);

    fehlerSammeln();
    zeitgeberLoeschen(f, 1);
    EXPECT_EQ(nachrichtenSchleife(), -1);
    ASSERT_EQ(fehler.size(), 1u);
    EXPECT_NE(fehler[0].find("would block"), std::string::npos);
}

TEST_F(PumpeSchleife, ArbeitAusEinemAnderenThreadLaeuftBeimVerarbeiten)
{
    std::vector<int> erledigt;
    bool fremdIstGui = true;
    std::thread fremd([&] {
        fremdIstGui = istGuiThread();
        for (int i = 0; i < 3; ++i)
            aufGuiThread([&erledigt, i] { erledigt.push_back(istGuiThread() ? i : -1); });
    });
    fremd.join();
    EXPECT_FALSE(fremdIstGui);
    EXPECT_TRUE(erledigt.empty());
    nachrichtenVerarbeiten();
    EXPECT_EQ(erledigt, (std::vector<int>{0, 1, 2}));
}
