// tests/app/test_einstellungen.cpp - the start values and the protocol window
#include "model/simulationsparameter.h"
#include "app_hilfe.h"
#include "app/einstellungen.h"
#include "app/protokoll.h"
#include "model/stromreiz.h"
#include <tuple>

using namespace apphilfe;

using Voreinstellungen = AppFall;
using ProtokollFenster = AppFall;

TEST_F(Voreinstellungen, StartwerteUeberschreibenAltenZustand)
{
    programmStatus = 0xFFFFFFFF & ~programmBit::StartUnfertig;
    anzeigeStatus = modusStatus = skriptStatus = ladeStatus = editierStatus = 0x1234;
    schnellBeenden = 1;
    restzeit.rechteck = {1, 2, 3, 4};
    protokoll.eingebettet = protokoll.sichtbar = 0;
    anzeigeboxParameter.anzeigedauer = 5;
    reizSchrittweite = 5.0;
    programmVoreinstellungen();

    EXPECT_EQ(programmStatus, programmBit::DiagrammeOeffnen);
    EXPECT_EQ(anzeigeStatus, anzeigeBit::SynapsenBeimVerschieben);
    EXPECT_EQ(modusStatus | skriptStatus | ladeStatus | editierStatus, 0u);
    EXPECT_EQ(std::tuple(schnellBeenden, protokoll.eingebettet, protokoll.sichtbar), std::tuple(0, 1, 1));
    EXPECT_EQ(anzeigeboxParameter.anzeigedauer, 2000);
    EXPECT_EQ(std::pair(restzeit.rechteck.links, restzeit.rechteck.rechts), std::pair(200, 400));
    EXPECT_DOUBLE_EQ(reizSchrittweite, 10 * simulationsParameter.schrittweite);   // follows the run's step

    // during the start its mark survives the reset
    programmStatus |= programmBit::StartUnfertig;
    programmVoreinstellungen();
    EXPECT_TRUE(programmStatus & programmBit::StartUnfertig);
}

TEST_F(ProtokollFenster, EingebettetUeberDerStatusleisteTextBleibtBeimWechselInsEigeneFensterUndZurueck)
{
    ASSERT_TRUE(starten());
    Fenster feld = fensterhandles.protokollfenster;
    ASSERT_EQ(elternFenster(feld), haupt());
    const Rechteck r = fensterRechteck(feld);
    EXPECT_EQ(r.hoehe(), 60);
    EXPECT_EQ(r.unten, fensterRechteck(fensterhandles.statusleiste).oben);
    EXPECT_EQ(r.breite(), clientRechteck(haupt()).breite());
    // a stored height of 31 to 49 passes the refresh but is laid out at the least height
    protokoll.eingebetteteHoehe = 40;
    hauptfensterAnordnen(haupt());
    EXPECT_EQ(fensterRechteck(feld).hoehe(), protokollMindesthoehe);

    const std::string text = "erste Zeile\nzweite Zeile\n";
    protokollSchreiben("erste Zeile\n");
    protokollSchreiben("zweite Zeile\n");
    befehl(befehlTextfensterEinblenden);
    ASSERT_NE(protokoll.eigenesFenster, nullptr);
    EXPECT_EQ(pt::textfeldZustand(fensterhandles.protokollfenster)->text, text);
    // its close box hides it, the text stays
    senden(protokoll.eigenesFenster, nachricht::Schliessen);
    EXPECT_EQ(protokoll.sichtbar, 0);
    EXPECT_FALSE(istSichtbar(protokoll.eigenesFenster));
    befehl(befehlTextfensterAnzeigen);
    EXPECT_TRUE(istSichtbar(protokoll.eigenesFenster));

    befehl(befehlTextfensterEinblenden);
    EXPECT_EQ(protokoll.eigenesFenster, nullptr);
    EXPECT_EQ(elternFenster(fensterhandles.protokollfenster), haupt());
    EXPECT_EQ(pt::textfeldZustand(fensterhandles.protokollfenster)->text, text);
    protokollSchreiben(nullptr);
    EXPECT_EQ(pt::textfeldZustand(fensterhandles.protokollfenster)->text, "");
    EXPECT_EQ(protokollTextSichern(nullptr), 0);
}
