// tests/platform/test_dialog.cpp - what only the scripted platform promises of dialogs: its
// grid in fixed pixels, the messages a procedure sees, the log of openings, the scripts of
// modal dialogs and the failures of what a user could not do
#include "skript.h"

using namespace skript;
namespace sch = plattform::test::schritt;

using SkriptDialog = Fall;

TEST_F(SkriptDialog, RasterBestimmtDieGroesseDerDialogSitztMittigBeimHauptfenster)
{
    const DialogElement tabelle[] = {
        {1, A::Text, "oben", "", 0, 0, 0, 0, 2},
        {5, A::Gruppe, "Kasten", "", 0, 0, 1, 0, 1},    // needs 216: widens column 0
        {6, A::Optionsfeld, "x", "", 0, 1, 0, 0, 1},
        {7, A::Optionsfeld, "y", "", 0, 1, 0, 1, 1},
        {8, A::Malflaeche, "", "", 0, 0, 1, 1, 1},      // four rows high
    };
    Fenster haupt = neu();
    Fenster d = modeless({77, "Raster", "", tabelle}, neu(stil::Kind | stil::Sichtbar, haupt));
    EXPECT_EQ(elternFenster(d), haupt);                    // owned by the owner's top-level window
    const Rechteck c = clientRechteck(d), r = fensterRechteck(d);
    EXPECT_EQ(c.breite(), 216 + 100 + 2 * test::dialogRand);
    EXPECT_EQ(r.links, (1920 - c.breite() - 2 * test::rahmenBreite) / 2);   // centred in the work area
}

TEST_F(SkriptDialog, ProzedurSiehtNurIhreNachrichtenTastenWirkenWieDialogtasten)
{
    reaktion = [](Fenster, uint32_t, uintptr_t, intptr_t) { return std::optional<intptr_t>(0); };   // nothing ends it
    Fenster d = modeless();
    EXPECT_EQ(nachrichten(d), (std::vector<uint32_t>{n::DialogInit, n::Aktivieren, n::Zeichnen}));
    eingang.clear();
    test::tasteDruecken(d, 'A', 'a');
    test::tasteDruecken(d, taste::Esc);                    // keys through the queue act as dialogTaste
    posten(d, n::Benutzer + 3);
    zeitgeberSetzen(d, 9, 10);
    test::uhrVorstellen(10);
    senden(d, n::Schliessen);                              // the close box: Befehl 2, the dialog stays
    freigeben(d, false);
    freigeben(d, true);
    verschieben(d, 70, 60, 300, 200);
    EXPECT_EQ(nachrichten(d), (std::vector<uint32_t>{n::Befehl, n::Benutzer + 3, n::Zeitgeber, n::Befehl, n::Bewegen}));
    EXPECT_EQ(befehle(d), "2/0 2/0");
    EXPECT_EQ(eingang.back().l, machLParam(70 + test::rahmenBreite, 60 + test::rahmenBreite + test::titelHoehe));
    dialogBeenden(d, 2);                                   // from outside its handlers: at once
    const test::DialogOeffnung& o = test::dialogLog().back();
    EXPECT_TRUE(!o.modal && o.beendet && o.ergebnis == 2 && o.dialog == d && !istFenster(d));
}

TEST_F(SkriptDialog, WasDerBenutzerNichtKannScheitertUndTutNichts)
{
    Fenster d = modeless();
    elementFreigeben(d, 40, true);                         // read-only still
    fehlerSammeln();
    test::klicken(d, 99);
    test::klicken(d, 42);                                  // disabled
    test::klicken(d, 41);                                  // hidden
    test::klicken(d, 30);                                  // no button
    test::tippen(d, 40, "x");                              // read-only
    test::waehlen(d, 35, 0);                               // no such item
    test::dialogTaste(d, 'A');
    test::tippen(neu(), 30, "x");                          // no dialog
    freigeben(d, false);
    test::klicken(d, 1);                                   // the dialog itself is disabled
    EXPECT_TRUE(fehler.size() == 9 && befehle(d).empty()) << fehler.size();
}

TEST_F(SkriptDialog, ModalSperrtDenEignerSkripteProVorlageDasLogHaeltFest)
{
    Fenster haupt = neu();
    std::vector<intptr_t> innen;
    reaktion = [&](Fenster d, uint32_t m, uintptr_t w, intptr_t) -> std::optional<intptr_t> {
        if (m == n::Befehl && vorlagenNummer(d) == 9001 && loWort(w) == 1) {
            innen.push_back(dialogModal(kleinVorlage, d, dlgProc));
            dialogBeenden(d, 8);
            return 0;
        }
        return std::nullopt;
    };
    auto gesperrt = [&](Fenster d) {   // the owner, and an inner dialog's owner
        EXPECT_FALSE(istFreigegeben(haupt) || istFreigegeben(elternFenster(d)));
    };
    test::dialogSkript(9001, {sch::tippen(30, "5"), gesperrt, sch::taste(taste::Eingabe)});
    test::dialogSkript(9002, {gesperrt, sch::schliessenKlicken()});
    EXPECT_EQ(dialogModal(alleArtenVorlage, haupt, dlgProc, 42), 8);
    EXPECT_EQ(innen, std::vector<intptr_t>{2});
    EXPECT_TRUE(istFreigegeben(haupt) && vordergrundFenster() == haupt);
    const auto& log = test::dialogLog();
    ASSERT_EQ(log.size(), 2u);
    EXPECT_TRUE(log[0].vorlage == 9001 && log[0].eigner == haupt && log[0].parameter == 42 && log[0].modal &&
                log[0].geskriptet && log[0].beendet && log[0].ergebnis == 8 && !istFenster(log[0].dialog) &&
                log[1].eigner == log[0].dialog);
}

TEST_F(SkriptDialog, OhneSkriptUndZeitgeberScheitertEsOhneZuBlockieren)
{
    fehlerSammeln();
    Fenster haupt = neu();
    EXPECT_EQ(dialogModal(kleinVorlage, haupt, dlgProc), 2);
    ASSERT_EQ(fehler.size(), 1u);
    EXPECT_NE(fehler[0].find("dialog 9002 waits for the user"), std::string::npos);
    EXPECT_TRUE(istFreigegeben(haupt) && !test::offenerDialog(9002));

    test::dialogSkript(9002, {sch::klicken(1), sch::klicken(2)});   // one step too many
    EXPECT_EQ(dialogModal(kleinVorlage, haupt, dlgProc), 1);
    ASSERT_EQ(fehler.size(), 2u);
    EXPECT_NE(fehler[1].find("1 script step(s) left"), std::string::npos);

    // while a modal dialog is open its owner takes no keys at all, F2 neither
    test::dialogSkript(9002, {[&](Fenster) { test::tasteDruecken(haupt, taste::F2); }, sch::klicken(2)});
    dialogModal(kleinVorlage, haupt, dlgProc);
    EXPECT_EQ(fehler.size(), 3u);
    EXPECT_TRUE(von(haupt, n::TasteRunter).empty());
}
