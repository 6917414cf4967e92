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

TEST_F(Statusleiste, TeileTexteUndEinfacherModusFolgtDemElternfensterNurAufAnpassen)
{
    Fenster f = neu();
    Fenster leiste = statusleisteErzeugen(f, 7);
    auto untenAnliegend = [&] {
        const Rechteck r = fensterRechteck(leiste), c = clientRechteck(f);
        return bildschirmZuClient(f, {r.links, r.unten}).y == c.unten && r.breite() == c.breite();
    };
    EXPECT_TRUE(untenAnliegend());
    const int kanten[] = {120, 300, -1};
    statusTeileSetzen(leiste, kanten);
    statusTextSetzen(leiste, 0, "\tBereit");
    statusTextSetzen(leiste, 2 | statusStil::Randlos, "t = 12 ms");
    statusTextSetzen(leiste, 2 | statusStil::Herausgehoben, "t = 13 ms");   // replaces
    EXPECT_EQ(statusText(leiste, 0) + "|" + statusText(leiste, 1) + "|" + statusText(leiste, 2), "\tBereit||t = 13 ms");
    EXPECT_EQ(test::statusleisteZustand(leiste)->teile.at(2).stil, statusStil::Herausgehoben);
    statusEinfach(leiste, true);
    statusTextSetzen(leiste, statusEinfacherTeil, "Simulation l\xE4uft");
    EXPECT_EQ(statusText(leiste, statusEinfacherTeil), "Simulation l\xE4uft");
    EXPECT_EQ(statusText(leiste, 0), "\tBereit");   // the parts keep their texts meanwhile

    verschieben(f, 0, 0, 600, 500);
    EXPECT_FALSE(untenAnliegend());                   // does not follow by itself
    statusleisteAnpassen(leiste);
    EXPECT_TRUE(untenAnliegend());
    fensterZerstoeren(f);
    EXPECT_FALSE(istFenster(leiste));
    const size_t ereignisse = test::ereignisLog().size();
    statusTextSetzen(leiste, 0, "zu spaet");          // a late update of a dead bar is ignored
    EXPECT_EQ(test::ereignisLog().size(), ereignisse);

    fehlerSammeln();
    statusTextSetzen(neu(), 0, "kein Statusfenster");   // a mixed-up handle
    EXPECT_EQ(fehler.size(), 1u);
    EXPECT_EQ(statusleisteErzeugen(nullptr, 1), nullptr);
}

TEST_F(Statusleiste, StatusBoxenUndPiepenInEinemLogDerReiheNach)
{
    Fenster leiste = statusleisteErzeugen(neu(), 1);
    test::boxAntworten({antwort::Ja});
    statusTextSetzen(leiste, 1 | statusStil::Randlos, "\tDatei fehlt");
    piepen(440, 200);
    EXPECT_EQ(sysInfoBox("Trotzdem starten?", knoepfe::JaNein), antwort::Ja);
    fehlerSammeln();
    hinweisBox("ohne Antwort");   // an unanswered box joins the log too

    const auto& log = test::ereignisLog();
    ASSERT_EQ(log.size(), 4u);
    EXPECT_TRUE(log[0].art == test::Ereignis::Status && log[0].text == "\tDatei fehlt" && log[0].a == 1 &&
                log[0].b == static_cast<int>(statusStil::Randlos) && log[0].fenster == leiste);
    EXPECT_TRUE(log[1].art == test::Ereignis::Piep && log[1].a == 440 && log[1].b == 200);
    EXPECT_TRUE(log[2].art == test::Ereignis::Box && log[2].text == "Trotzdem starten?" && log[2].a == antwort::Ja);
    EXPECT_TRUE(log[3].art == test::Ereignis::Box && log[3].a == antwort::Ok);
}

TEST_F(Steuerelemente, TextfeldHaeltTextUndEineKopieDerSchrift)
{
    Fenster f = neu();
    Fenster feld = textfeldErzeugen(f, 12, {5, 10, 205, 110}, true);
    textfeldTextSetzen(feld, "Lauf 1\r\n");
    textfeldAnhaengen(feld, "Lauf 2\r\n");
    EXPECT_EQ(textfeldText(feld), "Lauf 1\nLauf 2\n");     // the box keeps "\n" line ends
    SchriftMerkmale m;
    m.name = "Courier New";
    Schrift s = schriftErzeugen(m);
    textfeldSchrift(feld, s);
    loeschen(s);
    EXPECT_EQ(test::textfeldZustand(feld)->schrift.name, "Courier New");
}

TEST_F(Steuerelemente, SchiebereglerBereichPositionUndBenutzer)
{
    Fenster f = neu();
    Fenster regler = schiebereglerErzeugen(f, 30, {0, 0, 150, 20}, false);
    Fenster hoch = schiebereglerErzeugen(f, 31, {0, 30, 20, 150}, true);
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
    ASSERT_EQ(nachrichten(f), (std::vector<uint32_t>{n::HScroll, n::VScroll}));
    EXPECT_EQ(log[0].w, machWParam(scroll::DaumenZiehen, 35));
    EXPECT_EQ(log[0].l, reinterpret_cast<intptr_t>(regler));
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
    auto groessen = [&] {
        std::vector<std::pair<int, int>> aus;
        for (const auto& e : test::nachrichtenVon(f))
            if (e.nachricht == n::Groesse)
                aus.emplace_back(loWortS(e.l), hiWortS(e.l));
        return aus;
    };
    test::logLeeren();
    scrollLeisteSetzen(f, true, 0, 99, 40, 10);      // page 40 of 100: shown
    EXPECT_TRUE(scrollLeiste(f, true).sichtbar);
    EXPECT_EQ(groessen(), (std::vector<std::pair<int, int>>{{vorher.breite() - test::scrollLeistenBreite, vorher.hoehe()}}));
    scrollLeisteSetzen(f, true, 0, 99, 50, 90);      // still shown: no Groesse
    EXPECT_EQ(groessen().size(), 1u);
    EXPECT_EQ(scrollLeiste(f, true).position, 50);   // the page ends at the range's end

    scrollLeisteSetzen(f, true, 0, 99, 101, 0);      // the page exceeds the range: hidden
    EXPECT_FALSE(scrollLeiste(f, true).sichtbar);
    EXPECT_EQ(clientRechteck(f).breite(), vorher.breite());
    EXPECT_EQ(groessen().size(), 2u);
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
    int groesseMeldungen = 0;
    Fenster f = neu(stil::Hauptfenster | stil::Sichtbar, nullptr, 0, 0, 300, 200);
    reaktion = [&](Fenster g, uint32_t m, uintptr_t w, intptr_t l) -> intptr_t {
        if (m == n::Groesse && ++groesseMeldungen < 10)
            scrollLeisteSetzen(g, true, 0, 999, hiWortS(l), 0);
        return standardFensterProc(g, m, w, l);
    };
    scrollLeisteSetzen(f, true, 0, 100, 20, 5);   // shows the bar: Groesse, and the window sets it anew
    EXPECT_EQ(groesseMeldungen, 1);
    EXPECT_EQ(scrollLeiste(f, true).max, 999);    // the inner call was the last
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
    EXPECT_EQ(gesehen, (std::vector<int>{5070, 5181, 4080, 8000}));

    test::scrollen(f, true, scroll::DaumenZiehen, 10);
    test::scrollen(f, true, scroll::ScrollEnde);      // released without the program moving the bar
    EXPECT_EQ(scrollLeiste(f, true).daumen, 80);      // the thumb springs back

    fehlerSammeln();
    test::scrollen(f, false, scroll::ZeileRunter);   // the horizontal bar is hidden
    EXPECT_EQ(fehler.size(), 1u);
}

TEST_F(Eingabe, TooltipsCursorUndTastenSterbenMitDemFenster)
{
    Fenster f = neu();
    tooltipSetzen(f, 1001, "Membranpotential");
    tooltipSetzen(f, 1001, "Membranpotential in mV");
    EXPECT_EQ(test::tooltip(f, 1001), "Membranpotential in mV");
    EXPECT_EQ(test::tooltipAnzahl(), 1u);
    Schrift s = schriftErzeugen({-12, 400, false, false, 0, "Tahoma"});
    tooltipStil(s, 0x000000, 0xE1FFFF);
    loeschen(s);
    EXPECT_EQ(test::tooltipStilAbfragen().schrift.name, "Tahoma");   // a copy

    Cursor warten = standardCursor(cursorArt::Warten);
    EXPECT_EQ(warten, standardCursor(cursorArt::Warten));
    EXPECT_NE(warten, standardCursor(cursorArt::Pfeil));
    fensterCursorSetzen(f, standardCursor(cursorArt::Kreuz));

    test::tastenZustandSetzen(tastenStatus::RechtsStrg, true);
    test::feststellSetzen(true);
    EXPECT_TRUE(tasteGedrueckt(tastenStatus::RechtsStrg));
    EXPECT_FALSE(tasteGedrueckt(tastenStatus::LinksStrg));
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
    EXPECT_EQ(cursorLaden(ordner.datei("symbol.ico")), nullptr);
    EXPECT_EQ(cursorLaden(ordner.datei("fehlt.cur")), nullptr);
    test::zuruecksetzen();
    EXPECT_EQ(test::cursorDatei(c), ordner.datei("zeiger.CUR"));   // still valid after the reset
}

