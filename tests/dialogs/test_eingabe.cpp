// tests/dialogs/test_eingabe.cpp - the generic input dialog, the timed info box, the splash
#include "dialogs/eingabe.h"
#include "ersatz_hauptfenster.h"

using namespace plattform;
using Eingabe = ersatz::Fall;
using Anzeigebox = ersatz::Fall;
namespace sch = plattform::test::schritt;

TEST_F(Eingabe, KastenOhneEingabefeldDannOkUndAbbrechenWoDerBenutzerIhnLiess)
{
    eingabeParameter = {.titel = "Frage", .eingabeText = "bleibt", .text1 = "erster Text",
                        .text2 = "zweiter Text", .eingabeBeschriftung = "", .kastenText = "nicht mehr fragen",
                        .kastenZustand = 0, .flags = eingabeFlag::Kontrollkasten | eingabeFlag::KeineEingabe};
    test::dialogSkript(146, {[](Fenster d) {
        EXPECT_EQ(titel(d) + "|" + elementText(d, 1252) + "|" + elementText(d, 1254) + "|" +
                      elementText(d, 1802), "Frage|erster Text|zweiter Text|nicht mehr fragen");
        EXPECT_FALSE(elementIstSichtbar(d, 1251) || elementIstSichtbar(d, 1253));
        EXPECT_TRUE(elementIstSichtbar(d, 1802));
        const Rechteck r = fensterRechteck(d);
        verschieben(d, 300, 200, r.breite(), r.hoehe());   // the user drags it
    }, sch::klicken(1802), sch::klicken(1)});
    EXPECT_EQ(eingabeDialogOeffnen(), 1);
    EXPECT_EQ(eingabeParameter.eingabeText, "bleibt");
    EXPECT_EQ(eingabeParameter.kastenZustand, 1);
    // nothing stale reaches the next caller
    EXPECT_EQ(eingabeParameter.flags, 0);
    EXPECT_EQ(eingabeParameter.text1 + eingabeParameter.text2, "");

    eingabeParameter.eingabeText = "2000";
    test::dialogSkript(146, {[](Fenster d) {
        EXPECT_FALSE(elementIstSichtbar(d, 1802));
        EXPECT_EQ(elementText(d, 1251), "2000");
        const Rechteck r = fensterRechteck(d);
        EXPECT_EQ(std::pair(r.links, r.oben), std::pair(300, 200));   // no creeping by the frame
    }, sch::tippen(1251, "500"), sch::klicken(2)});
    EXPECT_EQ(eingabeDialogOeffnen(), 2);
    EXPECT_EQ(eingabeParameter.eingabeText, "2000");

    test::dialogSkript(146, {sch::tippen(1251, std::string(600, 'x')), sch::klicken(1)});
    EXPECT_EQ(eingabeDialogOeffnen(), 1);
    EXPECT_EQ(eingabeParameter.eingabeText, std::string(511, 'x'));   // the field's size
}

TEST_F(Anzeigebox, StehtJedesMalMittigUndDasStartbildZeigtDieVersion)
{
    test::arbeitsbereichSetzen({0, 0, 1200, 900});
    for (int dauer : {2000, 0}) {             // 0: it closes at the first timer message
        anzeigeboxParameter.anzeigedauer = dauer;
        Rechteck r{};
        test::dialogSkript(174, {[&](Fenster d) {
            r = fensterRechteck(d);
            EXPECT_EQ(titel(d) + "|" + elementText(d, 1424), "Hinweis|Datei geladen");
            verschieben(d, 10, 10, r.breite(), r.hoehe());     // wherever it was moved to
        }});
        anzeigeboxOeffnen("Hinweis", "Datei geladen");
        EXPECT_NEAR(r.links, 600 - r.breite() / 2, 1) << dauer;
        EXPECT_EQ(anzeigeboxParameter.fenster, nullptr);
    }

    test::dialogSkript(318, {[](Fenster d) {
        EXPECT_EQ(elementText(d, 2228), "Version   6.20");
        EXPECT_FALSE(elementIstSichtbar(d, 2299));
    }});
    startbildZeigen();
}
