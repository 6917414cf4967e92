// tests/dialogs/test_eingabe.cpp - the generic input dialog, the timed info box, the splash
#include "dialogs/eingabe.h"
#include "ersatz_hauptfenster.h"
#include "platform/system.h"

using namespace plattform;
using Eingabe = ersatz::Fall;
using Anzeigebox = ersatz::Fall;
namespace sch = plattform::test::schritt;

TEST_F(Eingabe, MeldungMitKontrollkastenOhneEingabefeld)
{
    eingabeParameter.titel = "Frage";
    eingabeParameter.text1 = "erster Text";
    eingabeParameter.text2 = "zweiter Text";
    eingabeParameter.eingabeText = "bleibt";
    eingabeParameter.kastenText = "nicht mehr fragen";
    eingabeParameter.flags = eingabeFlag::Kontrollkasten | eingabeFlag::KeineEingabe;
    test::dialogSkript(146, {[](Fenster d) {
        EXPECT_EQ(titel(d), "Frage");
        EXPECT_EQ(elementText(d, 1252), "erster Text");
        EXPECT_EQ(elementText(d, 1254), "zweiter Text");
        EXPECT_FALSE(elementIstSichtbar(d, 1251));
        EXPECT_FALSE(elementIstSichtbar(d, 1253));
        EXPECT_TRUE(elementIstSichtbar(d, 1802));
        EXPECT_EQ(elementText(d, 1802), "nicht mehr fragen");
        EXPECT_EQ(haken(d, 1802), 0);
    }, sch::klicken(1802), sch::klicken(1)});
    EXPECT_EQ(eingabeDialogOeffnen(), 1);
    EXPECT_EQ(eingabeParameter.eingabeText, "bleibt");
    EXPECT_EQ(eingabeParameter.kastenZustand, 1);
    // nothing stale reaches the next caller
    EXPECT_EQ(eingabeParameter.flags, 0);
    EXPECT_TRUE(eingabeParameter.text1.empty());
    EXPECT_TRUE(eingabeParameter.text2.empty());
}

TEST_F(Eingabe, OkGibtDasGetippteZurueckAbbrechenNicht)
{
    eingabeParameter.eingabeText = "2000";
    test::dialogSkript(146, {[](Fenster d) {
        EXPECT_FALSE(elementIstSichtbar(d, 1802));
        EXPECT_EQ(elementText(d, 1251), "2000");
    }, sch::tippen(1251, "500"), sch::klicken(2)});
    EXPECT_EQ(eingabeDialogOeffnen(), 2);
    EXPECT_EQ(eingabeParameter.eingabeText, "2000");

    test::dialogSkript(146, {sch::tippen(1251, std::string(600, 'x')), sch::klicken(1)});
    EXPECT_EQ(eingabeDialogOeffnen(), 1);
    EXPECT_EQ(eingabeParameter.eingabeText, std::string(511, 'x'));   // the field's size
}

TEST_F(Anzeigebox, SchliesstSichAufDenZeitgeberUndStehtJedesMalMittig)
{
    test::arbeitsbereichSetzen({0, 0, 1200, 900});
    anzeigeboxParameter.anzeigedauer = 2000;
    Rechteck r{};
    test::dialogSkript(174, {[&](Fenster d) {
        r = fensterRechteck(d);
        EXPECT_EQ(elementText(d, 1424), "Datei geladen");
        EXPECT_EQ(titel(d), "Hinweis");
        verschieben(d, 10, 10, r.breite(), r.hoehe());     // wherever it was moved to
    }});
    const double vorher = uhrSekunden();
    anzeigeboxOeffnen("Hinweis", "Datei geladen");
    EXPECT_NEAR(uhrSekunden() - vorher, 2.0, 0.01);        // the main window's timer 7 closed it
    EXPECT_EQ(anzeigeboxParameter.fenster, nullptr);
    EXPECT_NEAR(r.links, 600 - r.breite() / 2, 1);

    test::dialogSkript(174, {[&](Fenster d) { r = fensterRechteck(d); }});
    anzeigeboxParameter.anzeigedauer = 0;                  // closes at the first timer message
    anzeigeboxOeffnen("Hinweis", "wieder");
    EXPECT_NEAR(r.links, 600 - r.breite() / 2, 1);
    EXPECT_EQ(anzeigeboxParameter.fenster, nullptr);
}

TEST_F(Anzeigebox, StartbildZeigtDieVersionUndGehtNachEinerSekunde)
{
    test::dialogSkript(318, {[](Fenster d) {
        EXPECT_EQ(elementText(d, 2228), "Version   6.20");
        EXPECT_FALSE(elementIstSichtbar(d, 2299));
    }});
    const double vorher = uhrSekunden();
    startbildZeigen();
    EXPECT_NEAR(uhrSekunden() - vorher, 1.0, 0.01);
}

TEST_F(Anzeigebox, OhneWartenSchliesstSieDieNachricht)
{
    Fenster box = anzeigeboxOhneWartenOeffnen("Import", "lese...");
    ASSERT_TRUE(istFenster(box));
    EXPECT_EQ(anzeigeboxParameter.fenster, box);
    senden(box, anzeigeboxSchliessen);
    nachrichtenVerarbeiten();
    EXPECT_FALSE(istFenster(box));                         // the box does not linger
    EXPECT_EQ(anzeigeboxParameter.fenster, nullptr);
    senden(box, anzeigeboxSchliessen);                     // a late timer: no effect
}
