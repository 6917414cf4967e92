// tests/platform/test_dialog.cpp - dialogs of the scripted platform: building from a
// template, what reaches the procedure, controls set by the program and used by the user
#include "test_dialog_hilfe.h"

using namespace plattform;
using namespace dlgprobe;
namespace n = plattform::nachricht;

using DialogAufbau = DialogFall;
using DialogElemente = DialogFall;

TEST_F(DialogAufbau, RasterBestimmtGroesseUndPlatzGruppenZaehlenAbEins)
{
    const DialogElement tabelle[] = {
        {1, A::Text, "oben", "", 0, 0, 0, 0, 2},
        {5, A::Gruppe, "Kasten", "", 0, 0, 1, 0, 1},   // needs 216: widens column 0
        {6, A::Optionsfeld, "x", "", 0, 1, 0, 0, 1},
        {7, A::Optionsfeld, "y", "", 0, 1, 0, 1, 1},
        {8, A::Liste, "", "", 0, 0, 1, 1, 1},          // four rows high
    };
    Fenster haupt = neu();
    Fenster d = offen(neu(stil::Kind | stil::Sichtbar, haupt), {77, "Raster", "", tabelle});
    EXPECT_EQ(klassenName(d) + titel(d), std::string(test::dialogKlasse) + "Raster");
    EXPECT_EQ(vorlagenNummer(d) + vorlagenNummer(haupt), 77);
    EXPECT_EQ(elternFenster(d), haupt);   // owned by the owner's top-level window
    const Rechteck c = clientRechteck(d), r = fensterRechteck(d);
    EXPECT_EQ(c.breite(), 216 + 100 + 2 * test::dialogRand);
    EXPECT_EQ(r.links, (1920 - c.breite() - 2 * test::rahmenBreite) / 2);   // centred in the work area
    EXPECT_EQ(test::dialogElement(d, 7)->platz.links, 10 + test::gruppeRand + 100);   // inside its group box
    EXPECT_EQ(test::dialogElement(d, 5)->gruppenNummer, test::dialogElement(d, 7)->gruppe);
}

TEST_F(DialogAufbau, ProzedurSiehtNurIhreNachrichtenBewegenErstNachDemPlatzieren)
{
    Fenster haupt = neu();
    reaktion = [](Fenster, uint32_t, uintptr_t, intptr_t) -> intptr_t { return 0; };   // nothing ends it
    Fenster d = dialogModeless(probeVorlage, haupt, probeDlgProc, 42);
    EXPECT_TRUE(istFreigegeben(haupt));   // modeless: the owner stays usable
    nachrichtenVerarbeiten();
    EXPECT_EQ(probe::nachrichten(d), (std::vector<uint32_t>{n::DialogInit, n::Aktivieren, n::Zeichnen}));
    EXPECT_EQ(test::nachrichtenVon(d)[0].l, 42);
    EXPECT_EQ(test::nachrichtenVon(d)[2].w, 21u);   // the paint area, once the queue ran

    test::logLeeren();
    test::tasteDruecken(d, 'A', 'a');
    posten(d, n::Benutzer + 3);
    zeitgeberSetzen(d, 9, 10);
    test::uhrVorstellen(10);
    senden(d, n::Schliessen);   // the close box: Befehl 2, the dialog stays
    freigeben(d, false);
    freigeben(d, true);
    verschieben(d, 70, 60, 300, 200);
    EXPECT_EQ(probe::nachrichten(d), (std::vector<uint32_t>{n::Benutzer + 3, n::Zeitgeber, n::Befehl, n::Bewegen}));
    EXPECT_EQ(befehle(d), "2/0");
    EXPECT_EQ(test::nachrichtenVon(d).back().l, machLParam(78, 60 + test::rahmenBreite + test::titelHoehe));
}

TEST_F(DialogAufbau, ModelessEndetNachDemHandlerOderSofortVonAussen)
{
    Fenster haupt = neu();
    std::string waehrend;
    reaktion = [&](Fenster d, uint32_t m, uintptr_t w, intptr_t) -> intptr_t {
        if (m == n::Befehl && loWort(w) == 1) {
            dialogBeenden(d, 5);
            senden(d, n::Benutzer);               // a nested call returning ends nothing
            elementTextSetzen(d, 11, "danach");   // still alive until the handler returns
            waehrend = elementText(d, 11);
        }
        return 0;
    };
    Fenster d = offen(haupt);
    test::klicken(d, 1);
    EXPECT_EQ(waehrend, "danach");
    EXPECT_EQ(probe::nachrichten(d).back(), n::Zerstoeren);
    const test::DialogOeffnung& o = test::dialogLog().back();
    EXPECT_TRUE(!istFenster(d) && !o.modal && o.beendet && o.ergebnis == 5 && o.eigner == haupt);

    Fenster e = offen(haupt), f = offen(haupt);
    dialogBeenden(e, 2);   // from outside its handlers: at once
    EXPECT_FALSE(istFenster(e));
    fensterZerstoeren(haupt);   // dies with its owner
    EXPECT_EQ(probe::nachrichten(f).back(), n::Zerstoeren);
    reaktion = [](Fenster d, uint32_t, uintptr_t, intptr_t) -> intptr_t { return dialogBeenden(d, 0), 1; };
    EXPECT_EQ(dialogModeless(probeVorlage, nullptr, probeDlgProc), nullptr);   // ended in DialogInit
}

TEST_F(DialogElemente, ProgrammSetztStillBenutzerMeldetUndAendert)
{
    Fenster d = offen();
    test::logLeeren();
    elementTextSetzen(d, 11, "neu");
    hakenSetzen(d, 17, 1);
    listeHinzufuegen(d, 20, "x");
    listeAuswahlSetzen(d, 20, 0);
    reglerPositionSetzen(d, 22, 500);
    elementFreigeben(d, 26, true);
    elementZeigen(d, 27, anzeige::Zeigen);
    elementFokussieren(d, 11, true);
    EXPECT_EQ(befehle(d), "");
    EXPECT_EQ(reglerPosition(d, 22), 100);   // within 0..100
    EXPECT_EQ(test::dialogFokus(d), 11);

    test::tippen(d, 11, "getippt");
    EXPECT_TRUE(elementGeaendert(d, 11));
    elementTextSetzen(d, 11, "gesetzt");
    EXPECT_FALSE(elementGeaendert(d, 11));
    test::fokusVerlassen(d, 11);
    test::klicken(d, 17);
    EXPECT_EQ(haken(d, 17), 0);   // toggled off
    test::klicken(d, 26);         // enabled and shown above
    test::klicken(d, 27);
    EXPECT_EQ(befehle(d), "11/1 11/2 17/0 26/0 27/0");

    test::logLeeren();
    reglerBereichSetzen(d, 24, 10, -10);   // reversed: taken in order
    test::regler(d, 22, 30);
    test::regler(d, 24, 99);               // an up-down: vertical
    const auto log = test::nachrichtenVon(d);
    ASSERT_EQ(probe::nachrichten(d), (std::vector<uint32_t>{n::HScroll, n::VScroll}));
    EXPECT_EQ(log[0].w, machWParam(scroll::DaumenPosition, 30));
    EXPECT_EQ(log[0].l, 22);
    EXPECT_EQ(log[1].w, machWParam(scroll::DaumenPosition, 10));
}

TEST_F(DialogElemente, OptionsfelderSchliessenSichNurBeimKlickenAus)
{
    Fenster d = offen();
    hakenSetzen(d, 13, 1);
    hakenSetzen(d, 14, 1);   // the program's set touches only that control
    test::klicken(d, 15);    // the dialog's own radios: group box 1 stays
    EXPECT_EQ(haken(d, 13) + haken(d, 14) + haken(d, 15), 3);
    test::klicken(d, 16);
    test::klicken(d, 14);
    std::string haken1316;
    for (int id : {13, 14, 15, 16})
        haken1316 += std::to_string(haken(d, id));
    EXPECT_EQ(haken1316, "0101");
    EXPECT_EQ(befehle(d), "15/0 16/0 14/0");
}

TEST_F(DialogElemente, ListenSortiertSuchenDatenUndAuswahl)
{
    Fenster d = offen();
    for (const char* t : {"Z", "b", "A", "a", "\xC4pfel", "C"})
        listeHinzufuegen(d, 20, t);
    std::string folge;
    for (int i = 0; i < listeAnzahl(d, 20); ++i)
        folge += listeText(d, 20, i) + ",";
    EXPECT_EQ(folge, "A,a,b,C,Z,\xC4pfel,");   // case aside; equal ones after each other
    EXPECT_EQ(listeSuchen(d, 20, "a"), 0);
    EXPECT_EQ(listeSuchen(d, 20, "\xE4PFEL"), 5);
    EXPECT_EQ(listeSuchen(d, 20, "Ap"), -1);   // exact only
    listeDatenSetzen(d, 20, 2, 1234);
    EXPECT_EQ(listeDaten(d, 20, 2), 1234);
    EXPECT_EQ(listeDaten(d, 20, 9), -1);

    listeAuswahlSetzen(d, 20, 2);
    listeEinfuegen(d, 20, 0, "z");   // an insert never sorts; the choice moves along
    EXPECT_EQ(listeAuswahl(d, 20), 3);
    EXPECT_TRUE(listeEntfernen(d, 20, 3));
    EXPECT_EQ(listeAuswahl(d, 20), -1);
    EXPECT_EQ(listeEinfuegen(d, 20, 9, "zu weit"), -1);

    listeHinzufuegen(d, 19, "zwei");   // unsorted: appended
    listeHinzufuegen(d, 19, "eins");
    listeAuswahlSetzen(d, 19, 1);
    elementTextSetzen(d, 19, "anders");   // a drop-down list shows its choice, takes no text
    EXPECT_EQ(elementText(d, 19), "eins");
    EXPECT_EQ(befehle(d), "");
}

TEST_F(DialogElemente, KombiNimmtGetipptesNichtAufWaehlenMeldetZweimal)
{
    Fenster d = offen();
    listeHinzufuegen(d, 18, "rot");
    listeHinzufuegen(d, 18, "blau");
    listeAuswahlSetzen(d, 18, 1);
    test::tippen(d, 18, "gelb");
    test::fokusVerlassen(d, 18);
    EXPECT_EQ(elementText(d, 18), "gelb");
    EXPECT_EQ(listeAnzahl(d, 18), 2);
    EXPECT_EQ(listeAuswahl(d, 18), 1);
    test::waehlen(d, 18, 0);
    EXPECT_EQ(elementText(d, 18), "blau");
    listeHinzufuegen(d, 20, "x");
    test::waehlen(d, 20, 0);   // a list box has no AuswahlOk
    EXPECT_EQ(befehle(d), "18/5 18/6 18/3 18/4 20/3");
    listeLeeren(d, 18);
    EXPECT_EQ(elementText(d, 18), "");
}

TEST_F(DialogElemente, UnbekannteIdsStillUnerreichbaresScheitert)
{
    Fenster d = offen();
    Fenster haupt = neu();
    elementTextSetzen(d, 99, "x");
    hakenSetzen(d, 99, 1);
    reglerPositionSetzen(d, 99, 3);
    EXPECT_EQ(elementText(d, 99) + elementText(haupt, 11), "");
    EXPECT_EQ(haken(d, 99) + listeAnzahl(d, 99) + reglerPosition(d, 99), 0);
    EXPECT_EQ(listeAuswahl(d, 99) + listeSuchen(d, 99, "") + listeHinzufuegen(d, 11, "kein Listenfeld"), -3);
    EXPECT_EQ(elementText(d, 11, 2), "al");

    fehlerSammeln();
    test::klicken(d, 99);
    test::klicken(d, 26);            // disabled
    test::klicken(d, 27);            // hidden
    test::klicken(d, 11);            // no button
    test::tippen(d, 25, "x");        // read-only
    test::waehlen(d, 20, 0);         // no such item
    test::dialogTaste(d, 'A');
    test::tippen(haupt, 11, "x");    // no dialog
    freigeben(d, false);
    test::klicken(d, 1);             // the dialog itself is disabled
    EXPECT_EQ(fehler.size(), 9u);
    EXPECT_EQ(befehle(d), "");
}

TEST_F(DialogElemente, MalflaecheZeichnetErstWennDieSchlangeLaeuft)
{
    Rechteck groesse;
    reaktion = [&](Fenster, uint32_t m, uintptr_t w, intptr_t l) -> intptr_t {
        if (m == n::Zeichnen && w == 21) {
            linie(*reinterpret_cast<Zeichenflaeche*>(l), 0, 0, 5, 5);
            groesse = flaechenGroesse(*reinterpret_cast<Zeichenflaeche*>(l));
        }
        return 0;
    };
    Fenster d = offen();
    const test::DialogElementZustand* m = test::dialogElement(d, 21);
    EXPECT_EQ(m->zeichnung.size(), 1u);   // painted when shown
    EXPECT_EQ(groesse.breite(), m->platz.breite());
    EXPECT_EQ(groesse.hoehe(), test::hoheZeilen * test::dialogZeile);
    elementUngueltigMachen(d, 21);
    EXPECT_EQ(m->zeichnungen, 1);
    nachrichtenVerarbeiten();
    elementZeigen(d, 21, anzeige::Verbergen);   // hidden: no paint
    elementUngueltigMachen(d, 21);
    nachrichtenVerarbeiten();
    EXPECT_EQ(m->zeichnungen, 2);
}
