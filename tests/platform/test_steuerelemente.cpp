// tests/platform/test_steuerelemente.cpp - status bar, text box, trackbar, scroll bars,
// tooltips, cursors, beeps and key states of the scripted platform
#include "platform/box.h"
#include "test_fenster_hilfe.h"
#include <fstream>

using namespace plattform;
using namespace probe;
namespace n = plattform::nachricht;

using Statusleiste = Fall;
using Steuerelemente = Fall;
using ScrollLeisten = Fall;
using Eingabe = Fall;

namespace {
// the Groesse messages a window got, as (width, height)
std::vector<std::pair<int, int>> groessen(Fenster f)
{
    std::vector<std::pair<int, int>> aus;
    for (const auto& e : test::nachrichtenVon(f))
        if (e.nachricht == n::Groesse)
            aus.emplace_back(loWortS(e.l), hiWortS(e.l));
    return aus;
}
} // namespace

TEST_F(Statusleiste, TeileTexteStileUndEinfacherModus)
{
    Fenster f = neu();
    Fenster leiste = statusleisteErzeugen(f, 7);
    ASSERT_TRUE(istFenster(leiste));
    EXPECT_EQ(klassenName(leiste), test::statusleisteKlasse);
    EXPECT_EQ(elternFenster(leiste), f);
    const Rechteck c = clientRechteck(f);
    Rechteck r = fensterRechteck(leiste);
    EXPECT_EQ(bildschirmZuClient(f, {r.links, r.unten}).y, c.unten);   // along the bottom
    EXPECT_EQ(r.hoehe(), test::statusleisteHoehe);
    EXPECT_EQ(r.breite(), c.breite());

    const int kanten[] = {120, 300, -1};
    statusTeileSetzen(leiste, kanten);
    statusTextSetzen(leiste, 0, "\tBereit");
    statusTextSetzen(leiste, 2 | statusStil::Randlos, "t = 12 ms");
    statusTextSetzen(leiste, 2 | statusStil::Herausgehoben, "t = 13 ms");   // replaces
    EXPECT_EQ(statusText(leiste, 0), "\tBereit");   // as set, the tab too
    EXPECT_EQ(statusText(leiste, 2), "t = 13 ms");
    EXPECT_EQ(statusText(leiste, 1), "");
    const test::StatusleisteZustand* s = test::statusleisteZustand(leiste);
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->id, 7);
    EXPECT_EQ(s->kanten, (std::vector<int>{120, 300, -1}));
    EXPECT_EQ(s->teile.at(2).stil, statusStil::Herausgehoben);
    EXPECT_EQ(s->teile.at(0).stil, statusStil::Eingelassen);

    statusEinfach(leiste, true);
    statusTextSetzen(leiste, statusEinfacherTeil, "Simulation l\xE4uft");
    EXPECT_TRUE(s->einfach);
    EXPECT_EQ(statusText(leiste, statusEinfacherTeil), "Simulation l\xE4uft");
    EXPECT_EQ(statusText(leiste, 0), "\tBereit");   // the parts keep their texts meanwhile
    statusEinfach(leiste, false);
    EXPECT_FALSE(s->einfach);
}

TEST_F(Statusleiste, FolgtDemElternfensterNurAufAnpassenUndStirbtMitIhm)
{
    Fenster f = neu();
    Fenster leiste = statusleisteErzeugen(f, 1);
    verschieben(f, 0, 0, 600, 500);
    const int vorher = fensterRechteck(leiste).breite();
    EXPECT_NE(vorher, clientRechteck(f).breite());   // does not follow by itself
    statusleisteAnpassen(leiste);
    EXPECT_EQ(fensterRechteck(leiste).breite(), clientRechteck(f).breite());
    EXPECT_EQ(bildschirmZuClient(f, {0, fensterRechteck(leiste).oben}).y,
              clientRechteck(f).unten - test::statusleisteHoehe);

    zeigen(leiste, anzeige::Verbergen);
    EXPECT_FALSE(istSichtbar(leiste));
    fensterZerstoeren(f);
    EXPECT_FALSE(istFenster(leiste));
    EXPECT_EQ(test::statusleisteZustand(leiste), nullptr);
    statusTextSetzen(leiste, 0, "zu spaet");   // a late update of a dead bar is ignored
    EXPECT_EQ(statusText(leiste, 0), "");
    EXPECT_TRUE(test::ereignisLog().empty());

    fehlerSammeln();
    Fenster g = neu();
    statusTextSetzen(g, 0, "kein Statusfenster");   // a mixed-up handle
    EXPECT_EQ(fehler.size(), 1u);
    EXPECT_EQ(statusleisteErzeugen(nullptr, 1), nullptr);
}

TEST_F(Statusleiste, StatusBoxenUndPiepenInEinemLogDerReiheNach)
{
    Fenster f = neu();
    Fenster leiste = statusleisteErzeugen(f, 1);
    test::boxAntworten({antwort::Ja});
    statusTextSetzen(leiste, 1 | statusStil::Randlos, "\tDatei fehlt");
    piepen(440, 200);
    EXPECT_EQ(sysInfoBox("Trotzdem starten?", knoepfe::JaNein), antwort::Ja);
    statusTextSetzen(leiste, 0, "");

    const auto& log = test::ereignisLog();
    ASSERT_EQ(log.size(), 4u);
    EXPECT_EQ(log[0].art, test::Ereignis::Status);
    EXPECT_EQ(log[0].text, "\tDatei fehlt");
    EXPECT_EQ(log[0].a, 1);
    EXPECT_EQ(log[0].b, static_cast<int>(statusStil::Randlos));
    EXPECT_EQ(log[0].fenster, leiste);
    EXPECT_EQ(log[1].art, test::Ereignis::Piep);
    EXPECT_EQ(log[1].a, 440);
    EXPECT_EQ(log[1].b, 200);
    EXPECT_EQ(log[2].art, test::Ereignis::Box);
    EXPECT_EQ(log[2].text, "Trotzdem starten?");
    EXPECT_EQ(log[2].a, antwort::Ja);
    EXPECT_EQ(log[3].text, "");

    fehlerSammeln();
    hinweisBox("ohne Antwort");   // an unanswered box joins the log too
    EXPECT_EQ(test::ereignisLog().back().art, test::Ereignis::Box);
    EXPECT_EQ(test::ereignisLog().back().a, antwort::Ok);
}

TEST_F(Steuerelemente, TextfeldHaeltTextUndEineKopieDerSchrift)
{
    Fenster f = neu();
    Fenster feld = textfeldErzeugen(f, 12, {5, 10, 205, 110}, true);
    EXPECT_EQ(clientZuBildschirm(f, {5, 10}).x, fensterRechteck(feld).links);
    textfeldTextSetzen(feld, "Lauf 1\r\n");
    textfeldAnhaengen(feld, "Lauf 2\r\n");
    EXPECT_EQ(textfeldText(feld), "Lauf 1\nLauf 2\n");     // the box keeps "\n" line ends

    SchriftMerkmale m;
    m.name = "Courier New";
    Schrift s = schriftErzeugen(m);
    textfeldSchrift(feld, s);
    loeschen(s);
    ASSERT_NE(test::textfeldZustand(feld), nullptr);
    EXPECT_EQ(test::textfeldZustand(feld)->schrift.name, "Courier New");
    EXPECT_EQ(test::statusleisteZustand(feld), nullptr);
    fensterZerstoeren(f);
    EXPECT_EQ(textfeldText(feld), "");
}

TEST_F(Steuerelemente, SchiebereglerBereichPositionUndBenutzer)
{
    Fenster f = neu();
    Fenster regler = schiebereglerErzeugen(f, 30, {0, 0, 150, 20}, false);
    Fenster hoch = schiebereglerErzeugen(f, 31, {0, 30, 20, 150}, true);
    EXPECT_EQ(test::schiebereglerZustand(regler)->max, 100);
    schiebereglerBereich(regler, 10, 50);
    EXPECT_EQ(schiebereglerPosition(regler), 10);    // pulled into the range
    schiebereglerPositionSetzen(regler, 70);
    EXPECT_EQ(schiebereglerPosition(regler), 50);
    test::logLeeren();
    schiebereglerPositionSetzen(regler, 20);
    EXPECT_TRUE(nachrichten(f).empty());             // setting does not notify

    test::schiebereglerBenutzen(regler, scroll::DaumenZiehen, 35);
    test::schiebereglerBenutzen(hoch, scroll::SeiteRunter, 500);
    EXPECT_EQ(schiebereglerPosition(regler), 35);
    EXPECT_EQ(schiebereglerPosition(hoch), 100);
    const auto log = test::nachrichtenVon(f);
    ASSERT_EQ(log.size(), 2u);
    EXPECT_EQ(log[0].nachricht, n::HScroll);
    EXPECT_EQ(log[0].w, machWParam(scroll::DaumenZiehen, 35));
    EXPECT_EQ(log[0].l, reinterpret_cast<intptr_t>(regler));
    EXPECT_EQ(log[1].nachricht, n::VScroll);
    EXPECT_EQ(log[1].l, reinterpret_cast<intptr_t>(hoch));

    fehlerSammeln();
    freigeben(regler, false);
    test::schiebereglerBenutzen(regler, scroll::Ende, 50);   // the user cannot reach it
    EXPECT_EQ(fehler.size(), 1u);
    EXPECT_EQ(schiebereglerPosition(regler), 35);
}

TEST_F(ScrollLeisten, SichtbareLeisteVerkleinertDenClientBereich)
{
    Fenster f = neu(stil::Hauptfenster | stil::Sichtbar | stil::VScrollLeiste);
    const Rechteck vorher = clientRechteck(f);
    EXPECT_FALSE(scrollLeiste(f, true).sichtbar);   // hidden until the program sets it
    test::logLeeren();

    scrollLeisteSetzen(f, true, 0, 99, 40, 10);      // page 40 of 100: shown
    EXPECT_TRUE(scrollLeiste(f, true).sichtbar);
    EXPECT_EQ(clientRechteck(f).breite(), vorher.breite() - test::scrollLeistenBreite);
    EXPECT_EQ(clientRechteck(f).hoehe(), vorher.hoehe());
    EXPECT_EQ(groessen(f), (std::vector<std::pair<int, int>>{{vorher.breite() - 17, vorher.hoehe()}}));

    scrollLeisteSetzen(f, true, 0, 99, 50, 90);      // still shown: no Groesse
    EXPECT_EQ(groessen(f).size(), 1u);
    EXPECT_EQ(scrollLeiste(f, true).position, 50);   // the page ends at the range's end

    scrollLeisteSetzen(f, true, 0, 99, 101, 0);      // the page exceeds the range: hidden
    EXPECT_FALSE(scrollLeiste(f, true).sichtbar);
    EXPECT_EQ(clientRechteck(f).breite(), vorher.breite());
    EXPECT_EQ(groessen(f).size(), 2u);
    scrollLeisteSetzen(f, true, 0, 99, 100, 0);      // 100 units 0..99: a page of 100 shows them all
    EXPECT_FALSE(scrollLeiste(f, true).sichtbar);
    scrollLeisteSetzen(f, true, 0, 99, 99, 0);
    EXPECT_TRUE(scrollLeiste(f, true).sichtbar);

    scrollLeisteSetzen(f, false, -50, 50, 10, -80);  // horizontal: from the bottom
    EXPECT_EQ(scrollLeiste(f, false).position, -50);
    EXPECT_EQ(clientRechteck(f).hoehe(), vorher.hoehe() - test::scrollLeistenBreite);
}

TEST_F(ScrollLeisten, GroesseAusDerLeisteDarfDieLeisteNeuSetzen)
{
    // a window that fits its bar to the client size, as the diagram windows do
    bool anpassen = false;
    int groesseMeldungen = 0;
    reaktion = [&](Fenster f, uint32_t m, uintptr_t w, intptr_t l) -> intptr_t {
        if (m == n::Groesse && anpassen && ++groesseMeldungen < 10)
            scrollLeisteSetzen(f, true, 0, 999, hiWortS(l), 0);
        return standardFensterProc(f, m, w, l);
    };
    Fenster f = neu(stil::Hauptfenster | stil::Sichtbar, nullptr, 0, 0, 300, 200);
    anpassen = true;
    scrollLeisteSetzen(f, true, 0, 100, 20, 5);   // shows the bar: Groesse, and the window sets it anew
    EXPECT_EQ(groesseMeldungen, 1);
    EXPECT_LT(groesseMeldungen, 10);
    EXPECT_EQ(scrollLeiste(f, true).max, 999);   // the inner call was the last
    EXPECT_TRUE(scrollLeiste(f, true).sichtbar);
}

TEST_F(ScrollLeisten, BenutzerZiehtDenDaumenUndDasProgrammSetztDiePosition)
{
    std::vector<int> gesehen;
    reaktion = [&](Fenster f, uint32_t m, uintptr_t w, intptr_t l) -> intptr_t {
        if (m == n::VScroll) {
            gesehen.push_back(loWort(w) * 1000 + hiWort(w));
            if (loWort(w) == scroll::DaumenPosition)
                scrollLeisteSetzen(f, true, 0, 200, 20, hiWort(w));
        }
        return standardFensterProc(f, m, w, l);
    };
    Fenster f = neu();
    scrollLeisteSetzen(f, true, 0, 200, 20, 0);
    test::scrollen(f, true, scroll::DaumenZiehen, 70);
    EXPECT_EQ(scrollLeiste(f, true).daumen, 70);
    EXPECT_EQ(scrollLeiste(f, true).position, 0);     // the program has not moved it yet
    test::scrollen(f, true, scroll::DaumenZiehen, 999);
    EXPECT_EQ(scrollLeiste(f, true).daumen, 181);     // the thumb stops at the end
    test::scrollen(f, true, scroll::DaumenPosition, 80);
    test::scrollen(f, true, scroll::ScrollEnde);
    EXPECT_EQ(scrollLeiste(f, true).position, 80);
    EXPECT_EQ(scrollLeiste(f, true).daumen, 80);
    EXPECT_EQ(gesehen, (std::vector<int>{5070, 5181, 4080, 8000}));

    test::scrollen(f, true, scroll::DaumenZiehen, 10);
    test::scrollen(f, true, scroll::ScrollEnde);      // released without the program moving the bar
    EXPECT_EQ(scrollLeiste(f, true).daumen, 80);      // the thumb springs back

    fehlerSammeln();
    test::scrollen(f, false, scroll::ZeileRunter);   // the horizontal bar is hidden
    EXPECT_EQ(fehler.size(), 1u);
}

TEST_F(Eingabe, TooltipsCursorUndTasten)
{
    Fenster f = neu();
    tooltipSetzen(f, 1001, "Membranpotential");
    tooltipSetzen(f, 0, "Fenster");
    tooltipSetzen(f, 1001, "Membranpotential in mV");
    EXPECT_EQ(test::tooltip(f, 1001), "Membranpotential in mV");
    EXPECT_EQ(test::tooltipAnzahl(), 2u);
    Schrift s = schriftErzeugen({-12, 400, false, false, 0, "Tahoma"});
    tooltipStil(s, 0x000000, 0xE1FFFF);
    loeschen(s);
    EXPECT_EQ(test::tooltipStilAbfragen().schrift.name, "Tahoma");

    Cursor warten = standardCursor(cursorArt::Warten);
    EXPECT_EQ(warten, standardCursor(cursorArt::Warten));
    EXPECT_NE(warten, standardCursor(cursorArt::Pfeil));
    cursorSetzen(warten);
    fensterCursorSetzen(f, standardCursor(cursorArt::Kreuz));
    EXPECT_EQ(test::aktuellerCursor(), warten);
    EXPECT_EQ(test::fensterCursor(f), standardCursor(cursorArt::Kreuz));

    test::tastenZustandSetzen(tastenStatus::RechtsStrg, true);
    test::feststellSetzen(true);
    EXPECT_TRUE(tasteGedrueckt(tastenStatus::RechtsStrg));
    EXPECT_FALSE(tasteGedrueckt(tastenStatus::LinksStrg));
    EXPECT_FALSE(tasteGedrueckt(4));
    EXPECT_TRUE(feststelltasteAn());

    fensterZerstoeren(f);   // the records of a dead window are gone
    EXPECT_EQ(test::tooltipAnzahl(), 0u);
    EXPECT_EQ(test::fensterCursor(f), nullptr);
}

TEST_F(Eingabe, CursorDateiWirdVorDemLadenGeprueft)
{
    TempOrdner ordner;
    // one 1 x 1 image of 8 bytes right after the directory, hot spot (3, 4)
    std::string cur("\0\0\2\0\1\0" "\x20\x20\0\0\3\0\4\0" "\x08\0\0\0" "\x16\0\0\0" "ABCDEFGH", 30);
    std::ofstream(ordner.datei("Zeiger.cur"), std::ios::binary) << cur;
    cur[2] = 1;   // an icon, not a cursor
    std::ofstream(ordner.datei("symbol.ico"), std::ios::binary) << cur;

    Cursor c = cursorLaden(ordner.datei("zeiger.CUR"));   // found ignoring case, as every path
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(test::cursorDatei(c), ordner.datei("zeiger.CUR"));
    EXPECT_EQ(cursorLaden(ordner.datei("symbol.ico")), nullptr);
    EXPECT_EQ(cursorLaden(ordner.datei("fehlt.cur")), nullptr);
    EXPECT_EQ(test::cursorDatei(standardCursor(cursorArt::Pfeil)), "");
    test::zuruecksetzen();
    EXPECT_EQ(test::cursorDatei(c), ordner.datei("zeiger.CUR"));   // still valid after the reset
}

TEST_F(Eingabe, ZuruecksetzenVergisstAlles)
{
    Fenster f = neu();
    Fenster leiste = statusleisteErzeugen(f, 1);
    statusTextSetzen(leiste, 0, "x");
    piepen(1000, 50);
    tooltipSetzen(f, 0, "Tipp");
    tooltipStil(nullptr, 0, 0);
    cursorSetzen(standardCursor(cursorArt::Warten));
    test::tastenZustandSetzen(tastenStatus::LinksUmschalt, true);
    test::feststellSetzen(true);
    test::druckerSetzen({"Laser"});
    test::dateiAntworten({test::dateiAbbruch()});
    test::farbAntworten({1});
    test::schriftAntworten({test::SchriftAntwort{}});
    farbeWaehlen(nullptr, 0);
    druckAbbrechen(druckBeginnen(nullptr, {"Laser", false, "", ""}));

    test::zuruecksetzen();
    EXPECT_TRUE(test::ereignisLog().empty());
    EXPECT_EQ(test::tooltipAnzahl(), 0u);
    EXPECT_FALSE(test::tooltipStilAbfragen().gesetzt);
    EXPECT_EQ(test::aktuellerCursor(), nullptr);
    EXPECT_FALSE(tasteGedrueckt(tastenStatus::LinksUmschalt));
    EXPECT_FALSE(feststelltasteAn());
    EXPECT_EQ(druckerListe().size(), 1u);
    EXPECT_EQ(test::offeneWahlAntworten(), 0u);
    EXPECT_TRUE(test::farbWahlLog().empty());
    EXPECT_TRUE(test::druckLog().empty());
    // the built-in classes come back on demand
    ASSERT_TRUE(klasseRegistrieren({"Probe", probeProc}));
    EXPECT_NE(statusleisteErzeugen(neu(), 2), nullptr);
}
