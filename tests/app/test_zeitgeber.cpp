// tests/app/test_zeitgeber.cpp - the main window's timers and the remaining-time window
#include "app_hilfe.h"
#include "app/restzeit.h"
#include "platform/box.h"
#include "platform/menue.h"
#include "platform/system.h"
#include <tuple>

using namespace apphilfe;

namespace {

using Restzeit = AppFall;

class Zeitgeber : public AppFall {
protected:
    void SetUp() override
    {
        AppFall::SetUp();
        ASSERT_TRUE(starten());
    }
};

// left, top, width and height of a window
std::tuple<int, int, int, int> lage(Fenster f)
{
    const Rechteck r = fensterRechteck(f);
    return {r.links, r.oben, r.breite(), r.hoehe()};
}

} // namespace

TEST_F(Zeitgeber, InfoboxSchliesstNachIhrerAnzeigedauer)
{
    anzeigeboxParameter.anzeigedauer = 2500;
    const double start = uhrSekunden();
    anzeigeboxOeffnen("Titel", "Text");
    EXPECT_DOUBLE_EQ(uhrSekunden() - start, 2.5);
    EXPECT_EQ(anzeigeboxParameter.fenster, nullptr);
    EXPECT_TRUE(pt::dialogLog().back().beendet);
    EXPECT_EQ(pt::zeitgeberPeriode(haupt(), zeitgeber::Infobox), -1.0);   // killed, fires once
}

TEST_F(Zeitgeber, DoppelklickEndetMitSeinemZeitgeber)
{
    doppelklickAktiv = 1;
    zeitgeberSetzen(haupt(), zeitgeber::Doppelklick, zeiteinstellungen.doppelklick);
    pt::uhrVorstellen(zeiteinstellungen.doppelklick - 1);
    EXPECT_EQ(doppelklickAktiv, 1);
    pt::uhrVorstellen(1);
    EXPECT_EQ(doppelklickAktiv, 0);
    EXPECT_EQ(pt::zeitgeberPeriode(haupt(), zeitgeber::Doppelklick), -1.0);
    EXPECT_TRUE(pt::boxLog().empty());
}

TEST_F(Zeitgeber, EingeblendeterStatustextWeichtDenGespeicherten)
{
    statusTeilSetzen(2, "\tSimulation beendet");
    statusEinblenden(2, "\tdrucken beendet");
    EXPECT_EQ(statusText(fensterhandles.statusleiste, 2), "\tdrucken beendet");
    pt::uhrVorstellen(statuszeilenAnzeigedauer);
    EXPECT_EQ(statusText(fensterhandles.statusleiste, 2), "\tSimulation beendet");
    EXPECT_EQ(statusTexte[2], "\tSimulation beendet");
}

TEST_F(Restzeit, ErscheintAmGespeichertenRechteckOhneZuWachsen)
{
    ASSERT_TRUE(starten());
    for (int lauf = 0; lauf < 3; ++lauf) {
        Fenster f = restzeitFensterErzeugen("Restzeit-Anzeige", nullptr, 483);
        ASSERT_NE(f, nullptr);
        EXPECT_EQ(restzeit.fenster, f);
        EXPECT_TRUE(istSichtbar(f));
        EXPECT_EQ(lage(f), std::tuple(200, 200, 200, 100)) << "run " << lauf;
        fensterZerstoeren(f);
        EXPECT_EQ(restzeit.fenster, nullptr);
    }
    // where the user left it, there it comes back
    Fenster f = restzeitFensterErzeugen("Restzeit-Anzeige", nullptr, 483);
    verschieben(f, 700, 40, 320, 140);
    fensterZerstoeren(f);
    EXPECT_EQ(lage(restzeitFensterErzeugen("Restzeit-Anzeige", nullptr, 483)), std::tuple(700, 40, 320, 140));
}

TEST_F(Restzeit, Befehl235HaeltAnBisErErneutKommt)
{
    ASSERT_TRUE(starten());
    const MenueZeile zeilen[] = {{0, menueArt::Untermenue, 0, "Permutation"},
                                 {1, menueArt::Posten, befehlPmtAnhaltenFortschritt, "anhalten"}};
    Fenster f = restzeitFensterErzeugen("Permutations-Anzeige", menueLaden(zeilen), 127);
    ASSERT_NE(f, nullptr);

    // A probe window looks while the pause holds, then the user chooses 235 again.
    static Fenster restzeitFenster;
    static uint32_t gesehen;
    static std::string text;
    restzeitFenster = f;
    gesehen = 0;
    klasseRegistrieren({"Probe", [](Fenster p, uint32_t n, uintptr_t w, intptr_t l) -> intptr_t {
        if (n != nachricht::Benutzer)
            return standardFensterProc(p, n, w, l);
        gesehen = modusStatus;
        text = postenText(fensterMenue(restzeitFenster), befehlPmtAnhaltenFortschritt, Nach::Befehl);
        posten(restzeitFenster, nachricht::Befehl, machWParam(befehlPmtAnhaltenFortschritt, 0));
        return 0;
    }});
    Fenster probe = fensterErzeugen("Probe", "", stil::Hauptfenster, 0, 0, 10, 10);
    posten(probe, nachricht::Benutzer);
    senden(f, nachricht::Befehl, machWParam(befehlPmtAnhaltenFortschritt, 0));

    EXPECT_EQ(gesehen & modusBit::Pause, modusBit::Pause);      // it waited inside the command
    EXPECT_EQ(text, "fortsetzen");
    EXPECT_EQ(modusStatus & modusBit::Pause, 0u);
    EXPECT_EQ(postenText(fensterMenue(f), befehlPmtAnhaltenFortschritt, Nach::Befehl), "anhalten");
    EXPECT_EQ(programmStatus & programmBit::AbbruchAnforderung, 0u);   // the pause is no abort
}
