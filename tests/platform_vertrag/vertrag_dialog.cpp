// tests/platform_vertrag/vertrag_dialog.cpp - dialogs: opening and ending, their controls
// set by the program and used by the user, keys, modal loops and the F2 filter
#include "vertrag.h"

using namespace vertrag;

using VertragDialog = Vertrag;
using VertragDialogModal = Vertrag;

TEST_F(VertragDialog, ModelessOeffnetMitParameterUndEndetNachSeinemHandler)
{
    Fenster haupt = neu();
    Fenster d = modeless(alleArtenVorlage, haupt, 42);
    EXPECT_TRUE(istFreigegeben(haupt));                    // modeless: the owner stays usable
    EXPECT_EQ(std::make_tuple(von(d, n::DialogInit).at(0).l, titel(d), elternFenster(d)),
              std::make_tuple(42, "Pr\xfc" "fen", haupt));

    std::string waehrend;
    reaktion = [&](Fenster dlg, uint32_t m, uintptr_t w, intptr_t) -> std::optional<intptr_t> {
        if (m != n::Befehl || loWort(w) != 1)
            return std::nullopt;
        dialogBeenden(dlg, 5);
        senden(dlg, n::Benutzer);                          // a nested call returning ends nothing
        elementTextSetzen(dlg, 30, "danach");              // alive until the handler returns
        waehrend = elementText(dlg, 30);
        return 0;
    };
    treiber::klicken(d, 1);
    EXPECT_EQ(waehrend, "danach");
    nachrichtenVerarbeiten();
    EXPECT_EQ(nachrichten(d).back(), n::Zerstoeren);

    Fenster g = modeless(kleinVorlage, haupt);
    fensterZerstoeren(haupt);                              // dies with its owner
    EXPECT_EQ(nachrichten(g).back(), n::Zerstoeren);
}

TEST_F(VertragDialog, ProgrammSetztStillNutzerEingabenMelden)
{
    Fenster d = modeless();
    elementTextSetzen(d, 30, "12");
    hakenSetzen(d, 32, 1);
    elementFreigeben(d, 42, true);
    elementZeigen(d, 41, anzeige::Zeigen);
    elementFokussieren(d, 30, true);
    EXPECT_EQ(befehle(d), "");
    EXPECT_EQ(elementText(d, 30, 1), "1");                 // cut to the asked length

    treiber::tippen(d, 30, "123");
    EXPECT_EQ(elementText(d, 30), "123");
    treiber::fokusVerlassen(d, 30);
    treiber::klicken(d, 32);
    treiber::klicken(d, 42);                               // enabled and shown by the program above
    treiber::klicken(d, 41);
    EXPECT_EQ(befehle(d) + " | " + std::to_string(haken(d, 32)), "30/1 30/2 32/0 42/0 41/0 | 0");

    elementTextSetzen(d, 999, "x");                        // unknown ids are ignored and read empty
    hakenSetzen(d, 999, 1);
    EXPECT_EQ(elementText(d, 999) + elementText(neu(), 30), "");
    EXPECT_EQ(haken(d, 999) + listeAnzahl(d, 999), 0);
    EXPECT_EQ(listeAuswahl(d, 999) + listeHinzufuegen(d, 30, "kein Listenfeld"), -2);
}

TEST_F(VertragDialog, AuswahllisteSortiertHaeltDatenUndMeldetNurDieWahlDesNutzers)
{
    Fenster d = modeless();
    EXPECT_EQ(listeHinzufuegen(d, 33, "b"), 0);
    EXPECT_EQ(listeHinzufuegen(d, 33, "\xc4pfel"), 1);     // Windows-1252 sorts by its bytes, case aside
    EXPECT_EQ(listeHinzufuegen(d, 33, "A"), 0);
    EXPECT_EQ(listeHinzufuegen(d, 33, "a"), 1);            // after its equal
    listeDatenSetzen(d, 33, 1, -42);                       // and adding chooses nothing
    EXPECT_EQ(std::make_pair(listeDaten(d, 33, 1), listeAuswahl(d, 33)), std::make_pair(intptr_t{-42}, -1));
    listeAuswahlSetzen(d, 33, 1);
    EXPECT_EQ(elementText(d, 33), "a");                    // a drop-down list shows its choice ...
    elementTextSetzen(d, 33, "anders");                    // ... and takes no other text
    EXPECT_EQ(elementText(d, 33), "a");
    EXPECT_EQ(befehle(d), "");
    treiber::waehlen(d, 33, 3);
    EXPECT_EQ(std::make_tuple(befehle(d), elementText(d, 33), listeAuswahl(d, 33)),
              std::make_tuple("33/3 33/4", "\xc4pfel", 3));
    listeLeeren(d, 33);
    EXPECT_EQ(listeAuswahl(d, 33) + listeAnzahl(d, 33), -1);
}

TEST_F(VertragDialog, EntfernenDesGewaehltenEintragsLaesstDieListeOhneWahl)
{
    Fenster d = modeless();
    for (int id : {33, 34, 35}) {
        SCOPED_TRACE(id);
        for (const char* t : {"a", "b", "c"})
            listeHinzufuegen(d, id, t);
        listeAuswahlSetzen(d, id, 1);
        EXPECT_TRUE(listeEntfernen(d, id, 1));
        EXPECT_EQ(listeAuswahl(d, id), -1);                 // no neighbour is chosen by itself
    }
    EXPECT_EQ(befehle(d), "");
}

TEST_F(VertragDialog, EingabeSendetDieStandardIdEscUndSchliessfeldZweiUndSchliessenNichts)
{
    reaktion = befehleNurMelden;
    Fenster k = modeless(kleinVorlage);                    // no default button: Enter means OK
    treiber::dialogTaste(k, taste::Eingabe);
    treiber::dialogTaste(k, taste::Esc);
    treiber::schliessenKlicken(k);
    nachrichtenVerarbeiten();
    EXPECT_TRUE(befehle(k) == "1/0 2/0 2/0" && istFenster(k) && istSichtbar(k)) << befehle(k);

    Fenster p = modeless();                                // its StandardKnopf
    treiber::dialogTaste(p, taste::Eingabe);
    elementFreigeben(p, 1, false);
    treiber::dialogTaste(p, taste::Eingabe);               // a disabled default button: nothing
    const DialogVorlage mitId{9003, "", "", alleArten, 32};
    Fenster q = modeless(mitId);                           // the template's id comes first
    treiber::dialogTaste(q, taste::Eingabe);
    EXPECT_EQ(befehle(p) + " | " + befehle(q), "1/0 | 32/0");
}

TEST_F(VertragDialog, BewegenErstNachDerErstenPlatzierungGroesseNie)
{
    Fenster d = modeless();
    EXPECT_TRUE(von(d, n::Bewegen).empty());
    const Rechteck r = fensterRechteck(d);
    verschieben(d, 50, 60, r.breite(), r.hoehe());
    EXPECT_EQ(fensterRechteck(d).links, 50);
    nachrichtenVerarbeiten();
    const Punkt p = clientZuBildschirm(d, {0, 0});
    EXPECT_EQ(von(d, n::Bewegen).at(0).l, machLParam(p.x, p.y));
    EXPECT_EQ(nachrichten(d, {n::Bewegen, n::Groesse}).size(), 1u);
}

TEST_F(VertragDialogModal, SchritteSpielenDasLetzteBeendenZaehltCodeDanachLaeuft)
{
    Fenster haupt = neu();
    std::vector<std::string> folge;
    reaktion = [&](Fenster d, uint32_t m, uintptr_t w, intptr_t) -> std::optional<intptr_t> {
        if (!vorlagenNummer(d))
            return std::nullopt;
        if (m == n::Befehl && loWort(w) == 1) {
            dialogBeenden(d, 7);
            dialogBeenden(d, 8);                           // the last call counts
            folge.push_back(istFenster(d) ? "danach offen" : "danach zu");
            return 0;
        }
        if (m == n::Zerstoeren)
            folge.push_back("zerstoert");
        return std::nullopt;
    };
    treiber::modal(9001, {[](Fenster d) { treiber::tippen(d, 30, "5"); },
                          [](Fenster d) { treiber::klicken(d, 32); },
                          [](Fenster d) {
                              EXPECT_EQ(elementText(d, 30) + std::to_string(haken(d, 32)), "51");
                              treiber::dialogTaste(d, taste::Eingabe);
                          }});
    EXPECT_EQ(dialogModal(alleArtenVorlage, haupt, dlgProc, 42), 8);
    const Fenster d = mit(n::DialogInit).at(0);
    EXPECT_EQ(std::make_tuple(von(d, n::DialogInit)[0].l, istFenster(d), befehle(d)),
              std::make_tuple(42, false, "30/1 32/0 1/0"));
    EXPECT_TRUE(istFenster(haupt) && istFreigegeben(haupt));
    EXPECT_EQ(folge, (std::vector<std::string>{"danach offen", "zerstoert"}));
}

TEST_F(VertragDialogModal, BeendeterDialogBekommtNichtsGepostetesMehr)
{
    Fenster haupt = neu();
    reaktion = [&](Fenster d, uint32_t m, uintptr_t w, intptr_t) -> std::optional<intptr_t> {
        if (!vorlagenNummer(d) || m != n::Befehl || loWort(w) != 1)
            return std::nullopt;
        dialogBeenden(d, 1);
        posten(d, n::Benutzer);
        return 0;
    };
    treiber::modal(9002, {[](Fenster d) { treiber::klicken(d, 1); }});
    EXPECT_EQ(dialogModal(kleinVorlage, haupt, dlgProc), 1);
    Fenster e = modeless(kleinVorlage, haupt);
    posten(e, n::Benutzer);
    dialogBeenden(e, 2);                                   // from outside its handlers
    nachrichtenVerarbeiten();
    EXPECT_TRUE(mit(n::Benutzer).empty()) << "reached an ended dialog";
    EXPECT_FALSE(istFenster(e));
}

TEST_F(VertragDialogModal, VerschachtelteDialogeKehrenErstNachIhremHandlerZurueck)
{
    Fenster haupt = neu();
    std::vector<intptr_t> innen;
    reaktion = [&](Fenster d, uint32_t m, uintptr_t w, intptr_t) -> std::optional<intptr_t> {
        if (m != n::Befehl || vorlagenNummer(d) != 9001 || loWort(w) != 1)
            return std::nullopt;
        innen.push_back(dialogModal(kleinVorlage, d, dlgProc));   // a handler opens others
        innen.push_back(dialogModal(kleinVorlage, d, dlgProc));
        dialogBeenden(d, 100);
        return 0;
    };
    treiber::modal(9001, {[](Fenster d) { treiber::klicken(d, 1); }});
    treiber::modal(9002, {[](Fenster d) { treiber::klicken(d, 1); }});
    treiber::modal(9002, {[](Fenster d) { treiber::schliessenKlicken(d); }});
    EXPECT_EQ(dialogModal(alleArtenVorlage, haupt, dlgProc), 100);
    EXPECT_EQ(innen, (std::vector<intptr_t>{1, 2}));
    const std::vector<Fenster> geoeffnet = mit(n::DialogInit);   // the inner ones die first, the outer last
    ASSERT_EQ(geoeffnet.size(), 3u);
    EXPECT_EQ(mit(n::Zerstoeren), (std::vector<Fenster>{geoeffnet[1], geoeffnet[2], geoeffnet[0]}));
}

TEST_F(VertragDialogModal, ZeitgeberDesEignersBeendetDenDialog)
{
    Fenster haupt = neu();
    reaktion = [&](Fenster f, uint32_t m, uintptr_t w, intptr_t) -> std::optional<intptr_t> {
        if (m == n::Zeitgeber && f == haupt && w == 5) {
            zeitgeberLoeschen(f, 5);
            dialogBeenden(mit(n::DialogInit).at(0), 3);
        }
        return std::nullopt;
    };
    zeitgeberSetzen(haupt, 5, 20);
    EXPECT_EQ(dialogModal(kleinVorlage, haupt, dlgProc), 3);   // nobody clicks: the timer ends it
    EXPECT_FALSE(istFenster(mit(n::DialogInit).at(0)));
}

// The program registers its modal dialog as it opens: F2 in it, its OK (F2) button
// disabled, and at its blocked owner, posts that button's command to it.
TEST_F(VertragDialogModal, F2ErreichtDenAngemeldetenDialogAuchMitGesperrtemKnopf)
{
    const DialogElement mitF2[] = {
        {30, A::Eingabe, "", "", 0, 0, 0, 0},
        {befehlOkF2, A::Knopf, "OK (F2)", "", es::Gesperrt, 0, 1, 0},
    };
    const DialogVorlage f2Vorlage{9004, "", "", mitF2};
    Fenster haupt = neu();
    reaktion = [](Fenster d, uint32_t m, uintptr_t w, intptr_t) -> std::optional<intptr_t> {
        if (m == n::DialogInit && vorlagenNummer(d))
            tastaturHookSetzen(d);
        if (m == n::Befehl && loWort(w) == befehlOkF2 && befehle(d) == "2300/0 2300/0")
            dialogBeenden(d, befehlOkF2);
        return befehleNurMelden(d, m, w, 0);
    };
    treiber::modal(9004, {[](Fenster d) { treiber::dialogTaste(d, taste::F2); },
                          [&](Fenster) { treiber::taste(haupt, taste::F2); }});
    EXPECT_EQ(dialogModal(f2Vorlage, haupt, dlgProc), befehlOkF2);
    EXPECT_EQ(tastaturHookDialog(), nullptr);              // ended with its dialog
    EXPECT_TRUE(von(haupt, n::TasteRunter).empty());
}
