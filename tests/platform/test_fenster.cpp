// tests/platform/test_fenster.cpp - what only the scripted platform promises of windows and
// its pump: the order of activation, the log, the virtual clock
#include "skript.h"

using namespace skript;

using SkriptFenster = Fall;
using SkriptPumpe = Fall;

TEST_F(SkriptFenster, AktivierungFolgtDemFokusDemVerbergenUndDemZerstoeren)
{
    Fenster a = neu(), b = neu();
    EXPECT_EQ(vordergrundFenster(), b);                    // shown at once, and active
    fokusSetzen(neu(stil::Kind | stil::Sichtbar, a, 0, 0, 10, 10));   // a child activates its top window
    EXPECT_EQ(vordergrundFenster(), a);
    fokusSetzen(b);
    zeigen(b, anzeige::Verbergen);                         // the window active before comes back
    EXPECT_EQ(vordergrundFenster(), a);
    fensterZerstoeren(a);
    EXPECT_EQ(vordergrundFenster(), nullptr);
}

TEST_F(SkriptFenster, ImZerstoerenIstDasFensterTotUnbekannteKlassenScheitern)
{
    Fenster haupt = neu();
    reaktion = [&](Fenster f, uint32_t m, uintptr_t, intptr_t) -> std::optional<intptr_t> {
        if (m == n::Zerstoeren && f == haupt) {
            EXPECT_FALSE(istFenster(f) || posten(f, n::Benutzer));
        }
        return std::nullopt;
    };
    fensterZerstoeren(haupt);
    fehlerSammeln();
    EXPECT_EQ(fensterErzeugen("Gibtsnicht", "", 0, 0, 0, 10, 10), nullptr);   // an unknown class fails the test
    EXPECT_EQ(fehler.size(), 1u);
}

TEST_F(SkriptPumpe, GepostetesVorZeichnenVorZeitgeber)
{
    Fenster f = neu();
    nachrichtenVerarbeiten();
    zeitgeberSetzen(f, 3, 5);
    test::uhrVorstellen(5, false);
    ungueltigMachen(f);
    posten(f, n::Benutzer);
    eingang.clear();
    nachrichtenVerarbeiten();
    EXPECT_EQ(nachrichten(f), (std::vector<uint32_t>{n::Benutzer, n::Zeichnen, n::Zeitgeber}));
}

TEST_F(SkriptPumpe, DerBenutzerErreichtNurWasErKannEndlosesPostenScheitert)
{
    Fenster f = neu();
    test::klicken(f, 30, 40);
    EXPECT_EQ(mausPosition().y, clientZuBildschirm(f, {30, 40}).y);
    nachrichtenVerarbeiten();
    fehlerSammeln();
    freigeben(f, false);
    test::klicken(f, 1, 1);                                // the user cannot click a disabled window
    EXPECT_EQ(test::wartendeNachrichten(), 0u);
    reaktion = [&](Fenster g, uint32_t m, uintptr_t, intptr_t) {
        return m == n::Benutzer ? std::optional<intptr_t>(posten(g, n::Benutzer)) : std::nullopt;
    };
    posten(f, n::Benutzer);
    nachrichtenVerarbeiten();                              // fails instead of hanging
    EXPECT_EQ(fehler.size(), 2u);
}

TEST_F(SkriptPumpe, ZeitgeberAufDerVirtuellenUhrPeriodischNeugestartetVerspaetet)
{
    Fenster f = neu();
    zeitgeberSetzen(f, 1, 10);
    test::uhrVorstellen(95);
    EXPECT_EQ(mit(n::Zeitgeber).size(), 9u);
    EXPECT_DOUBLE_EQ(uhrSekunden(), 0.095);

    eingang.clear();
    zeitgeberSetzen(f, 1, 10);                             // restarts at 95: due at 105, not 100
    test::uhrVorstellen(9);
    EXPECT_EQ(mit(n::Zeitgeber).size(), 0u);
    test::uhrVorstellen(1);
    EXPECT_EQ(mit(n::Zeitgeber).size(), 1u);

    eingang.clear();
    test::uhrVorstellen(50, false);                        // late: one message however many periods passed
    nachrichtenVerarbeiten();
    EXPECT_EQ(mit(n::Zeitgeber).size(), 1u);
    zeitgeberLoeschen(f, 1);
    test::uhrVorstellen(100);
    EXPECT_EQ(mit(n::Zeitgeber).size(), 1u);
}

TEST_F(SkriptPumpe, GedrosseltPumptErstNachZwanzigMillisekunden)
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
    nachrichtenVerarbeiten();                              // any pump counts
    posten(f, n::Benutzer);
    test::uhrVorstellen(10, false);
    nachrichtenVerarbeitenGedrosselt();
    EXPECT_EQ(test::wartendeNachrichten(), 1u);
}

// Waiting and the program's loop jump the clock to the next timer; with none left they
// would block, and fail instead.
TEST_F(SkriptPumpe, WartenUndSchleifeSpringenZumZeitgeberOhneIhnScheitertEs)
{
    Fenster haupt = neu();
    Fenster box = neu(stil::Werkzeug | stil::Sichtbar, haupt);
    int runden = 0;
    reaktion = [&](Fenster f, uint32_t m, uintptr_t w, intptr_t) -> std::optional<intptr_t> {
        if (m == n::Zeitgeber && w == 7) {
            zeitgeberLoeschen(f, 7);
            posten(box, n::Schliessen);
        }
        if (m == n::Zeitgeber && w == 1 && ++runden == 3)
            beendenPosten(9);
        return std::nullopt;
    };
    zeitgeberSetzen(haupt, 7, 1500);
    EXPECT_TRUE(test::laufenBis([&] { return !istFenster(box); }, "the info box closes"));
    EXPECT_DOUBLE_EQ(uhrSekunden(), 1.5);
    zeitgeberSetzen(haupt, 1, 250);
    EXPECT_EQ(nachrichtenSchleife(), 9);
    EXPECT_DOUBLE_EQ(uhrSekunden(), 2.25);
    beendenPosten(3);
    EXPECT_FALSE(test::laufenBis([] { return false; }, "ends like a modal loop, no failure"));
    EXPECT_EQ(nachrichtenSchleife(), 3);

    fehlerSammeln();
    EXPECT_FALSE(test::laufenBis([] { return false; }, "too long", 5000));
    EXPECT_DOUBLE_EQ(uhrSekunden(), 7.25);
    zeitgeberLoeschen(haupt, 1);
    EXPECT_FALSE(test::laufenBis([] { return false; }, "nothing"));
    EXPECT_EQ(nachrichtenSchleife(), -1);
    ASSERT_EQ(fehler.size(), 3u);
    EXPECT_NE(fehler[1].find("nothing"), std::string::npos);
    EXPECT_NE(fehler[2].find("would block"), std::string::npos);
}
