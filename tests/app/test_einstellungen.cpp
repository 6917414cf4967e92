// tests/app/test_einstellungen.cpp - the start values, the refresh and the protocol window
#include "model/simulationsparameter.h"
#include "app_hilfe.h"
#include "app/einstellungen.h"
#include "app/protokoll.h"
#include "model/parameter.h"
#include "model/stromreiz.h"
#include <string_view>
#include <set>

using namespace plattform;
using namespace apphilfe;
namespace pt = plattform::test;

namespace {

using Voreinstellungen = AppFall;
using GlobaleAktualisierung = AppFall;
using ProtokollFenster = AppFall;

} // namespace

TEST_F(Voreinstellungen, StartwerteUeberschreibenAltenZustand)
{
    programmStatus = 0xFFFFFFFF & ~programmBit::StartUnfertig;
    anzeigeStatus = modusStatus = skriptStatus = ladeStatus = editierStatus = 0x1234;
    schnellBeenden = 1;
    restzeit.rechteck = {1, 2, 3, 4};
    protokoll.eingebettet = protokoll.sichtbar = 0;
    anzeigeboxParameter.anzeigedauer = 5;
    programmVoreinstellungen();

    EXPECT_EQ(programmStatus, programmBit::DiagrammeOeffnen);
    EXPECT_EQ(anzeigeStatus, anzeigeBit::SynapsenBeimVerschieben);
    EXPECT_EQ(modusStatus | skriptStatus | ladeStatus | editierStatus, 0u);
    EXPECT_EQ(schnellBeenden, 0);
    EXPECT_EQ(restzeit.rechteck.links, 200);
    EXPECT_EQ(restzeit.rechteck.rechts, 400);
    EXPECT_EQ(protokoll.eingebettet + protokoll.sichtbar, 2);
    EXPECT_EQ(anzeigeboxParameter.anzeigedauer, 2000);

    // during the start its mark survives the reset
    programmStatus |= programmBit::StartUnfertig;
    programmVoreinstellungen();
    EXPECT_TRUE(programmStatus & programmBit::StartUnfertig);
}

TEST_F(GlobaleAktualisierung, ErsetztNurUngueltigeWerte)
{
    zoomFaktor = 0.0;
    kleinsterZoom = 1.0;       // not strictly between 0 and 1
    groessterZoom = 0.005;
    statuszeilenAnzeigedauer = -1;
    zeiteinstellungen = {0, 750, 0};
    protokoll.eingebetteteHoehe = 30;
    laufEinstellungen.xlpspToleranz = 0.0;
    einstellungenAktualisieren(nullptr, 1);
    EXPECT_EQ(zoomFaktor, 1.0);
    EXPECT_EQ(kleinsterZoom, 0.01);
    EXPECT_EQ(groessterZoom, 10.0);
    EXPECT_EQ(statuszeilenAnzeigedauer, 2000);
    EXPECT_EQ(zeiteinstellungen.doppelklick, 500);
    EXPECT_EQ(zeiteinstellungen.kurvenMarkierung, 750);
    EXPECT_EQ(zeiteinstellungen.prozesszeitIntervall, 1000);
    EXPECT_EQ(protokoll.eingebetteteHoehe, 60);
    EXPECT_EQ(protokoll.breite, 500);
    EXPECT_EQ(laufEinstellungen.xlpspToleranz, 1e-10);
    EXPECT_EQ(linienArten[1], stiftStil::Strich);
    EXPECT_NE(standardSchrift.schrift, nullptr);

    zoomFaktor = 3.0;
    kleinsterZoom = 0.5;
    groessterZoom = 4.0;
    protokoll.eingebetteteHoehe = 31;
    einstellungenAktualisieren(nullptr, 0);
    EXPECT_EQ(zoomFaktor, 3.0);
    EXPECT_EQ(kleinsterZoom, 0.5);
    EXPECT_EQ(groessterZoom, 4.0);
    EXPECT_EQ(protokoll.eingebetteteHoehe, 31);
}

TEST_F(ProtokollFenster, EingebettetUeberDerStatusleisteNieNiedrigerAls50)
{
    ASSERT_TRUE(starten());
    Fenster feld = fensterhandles.protokollfenster;
    ASSERT_EQ(elternFenster(feld), haupt());
    const Rechteck c = clientRechteck(haupt());
    Rechteck r = fensterRechteck(feld);
    const Rechteck leiste = fensterRechteck(fensterhandles.statusleiste);
    EXPECT_EQ(r.hoehe(), 60);
    EXPECT_EQ(r.unten, leiste.oben);
    EXPECT_EQ(r.breite(), c.breite());

    // a stored height of 31 to 49 passes the refresh but is laid out at the least height
    protokoll.eingebetteteHoehe = 40;
    hauptfensterAnordnen(haupt());
    EXPECT_EQ(fensterRechteck(feld).hoehe(), protokollMindesthoehe);
}

TEST_F(ProtokollFenster, TextBleibtBeimWechselInsEigeneFensterUndZurueck)
{
    ASSERT_TRUE(starten());
    protokollSchreiben("erste Zeile\n");
    protokollSchreiben("zweite Zeile\n");
    befehl(befehlTextfensterEinblenden);
    ASSERT_NE(protokoll.eigenesFenster, nullptr);
    EXPECT_EQ(protokoll.eingebettet, 0);
    EXPECT_EQ(pt::textfeldZustand(fensterhandles.protokollfenster)->text, "erste Zeile\nzweite Zeile\n");

    // its close box hides it, the text stays
    senden(protokoll.eigenesFenster, nachricht::Schliessen);
    EXPECT_EQ(protokoll.sichtbar, 0);
    EXPECT_FALSE(istSichtbar(protokoll.eigenesFenster));
    befehl(befehlTextfensterAnzeigen);
    EXPECT_TRUE(istSichtbar(protokoll.eigenesFenster));

    befehl(befehlTextfensterEinblenden);
    EXPECT_EQ(protokoll.eigenesFenster, nullptr);
    EXPECT_EQ(elternFenster(fensterhandles.protokollfenster), haupt());
    EXPECT_EQ(pt::textfeldZustand(fensterhandles.protokollfenster)->text, "erste Zeile\nzweite Zeile\n");
    protokollSchreiben(nullptr);
    EXPECT_EQ(pt::textfeldZustand(fensterhandles.protokollfenster)->text, "");
    EXPECT_EQ(protokollTextSichern(nullptr), 0);
}

TEST_F(Voreinstellungen, ReizschrittweiteFolgtDerSimulationsschrittweite)
{
    const auto schritte = voreinstellungsSchritte();
    size_t i = 0;
    while (i < schritte.size() && std::string_view(schritte[i].name) != "Simulationsparameter")
        ++i;
    ASSERT_LT(i + 1, schritte.size());
    EXPECT_EQ(std::string_view(schritte[i + 1].name), "Reizschrittweite");
    simulationsParameter.schrittweite = 2e-5;
    schritte[i + 1].ausfuehren();
    EXPECT_DOUBLE_EQ(reizSchrittweite, 2e-4);
}
