// tests/platform_vertrag/vertrag_steuerelemente.cpp - status bar, text box, window scroll
// bars, cursors and key states
#include "vertrag.h"

using namespace vertrag;

using VertragSteuerelemente = Vertrag;
using VertragScrollLeiste = Vertrag;

TEST_F(VertragSteuerelemente, StatusleisteTeileTexteUndEinfacherModusFolgtNurAufAnpassen)
{
    Fenster f = neu(stil::Hauptfenster | stil::Sichtbar, nullptr, 0, 0, 400, 300);
    Fenster s = statusleisteErzeugen(f, 77);
    ASSERT_EQ(elternFenster(s), f);
    auto untenAnliegend = [&] {                            // along the bottom, the whole width
        const Rechteck r = fensterRechteck(s), c = clientRechteck(f);
        return bildschirmZuClient(f, {r.links, r.unten}).y == c.unten && r.breite() == c.breite() && r.hoehe() > 10;
    };
    EXPECT_TRUE(untenAnliegend());
    const int kanten[] = {100, 250, -1};
    statusTeileSetzen(s, kanten);
    statusTextSetzen(s, 0, "\tBereit");
    statusTextSetzen(s, 2 | statusStil::Randlos, "t = 12 ms");
    statusTextSetzen(s, 2 | statusStil::Herausgehoben, "t = 13 ms");   // replaces
    EXPECT_EQ(statusText(s, 0) + "|" + statusText(s, 1) + "|" + statusText(s, 2), "\tBereit||t = 13 ms");
    statusEinfach(s, true);
    statusTextSetzen(s, statusEinfacherTeil, "Simulation l\xE4uft");
    // the parts keep their texts meanwhile
    EXPECT_EQ(statusText(s, statusEinfacherTeil) + "|" + statusText(s, 0), "Simulation l\xE4uft|\tBereit");

    verschieben(f, 0, 0, 500, 350);
    EXPECT_FALSE(untenAnliegend());                        // does not follow by itself
    statusleisteAnpassen(s);
    EXPECT_TRUE(untenAnliegend());
    fensterZerstoeren(f);                                  // it goes with its parent
    EXPECT_FALSE(istFenster(s));
    statusTextSetzen(s, 0, "zu sp\xE4t");                  // a late update of a dead bar is ignored
    EXPECT_EQ(statusText(s, 0), "");
    EXPECT_EQ(statusleisteErzeugen(nullptr, 1), nullptr);
}

TEST_F(VertragSteuerelemente, TextfeldHaeltZeilenMitLfUndEineKopieDerSchrift)
{
    Fenster t = textfeldErzeugen(neu(), 9, {0, 0, 300, 80}, true);
    textfeldTextSetzen(t, "Protokoll\r\n");
    textfeldAnhaengen(t, "Zeile mit \xfc\r\n");
    textfeldAnhaengen(t, "Ende\r");
    EXPECT_EQ(textfeldText(t), "Protokoll\nZeile mit \xfc\nEnde\n");
    Schrift s = schriftErzeugen({-30, 400, false, false, 0, "Courier New"});
    textfeldSchrift(t, s);
    loeschen(s);                                           // the box keeps its own copy
}

// Esc and F2 mean nothing to the box: they reach the window it sits in, as its shortcuts
TEST_F(VertragSteuerelemente, TastenDieDasTextfeldNichtNutztErreichenSeinElternfenster)
{
    Fenster f = neu();
    Fenster t = textfeldErzeugen(f, 9, {0, 0, 300, 80}, false);
    nachrichtenVerarbeiten();
    eingang.clear();
    treiber::tasteInTextfeld(t, taste::Esc, 27);
    treiber::tasteInTextfeld(t, taste::F2);
    nachrichtenVerarbeiten();
    std::vector<std::pair<uint32_t, uintptr_t>> ist;
    for (const Eintrag& e : eingang)
        if (e.f == f && (e.n == n::TasteRunter || e.n == n::Zeichen || e.n == n::TasteHoch))
            ist.emplace_back(e.n, e.w);
    EXPECT_EQ(ist, (std::vector<std::pair<uint32_t, uintptr_t>>{{n::TasteRunter, taste::Esc},
                                                                 {n::Zeichen, 27},
                                                                 {n::TasteHoch, taste::Esc},
                                                                 {n::TasteRunter, taste::F2},
                                                                 {n::TasteHoch, taste::F2}}));
}

TEST_F(VertragSteuerelemente, CursorAusDateiWirdGeprueftTastenLinksUndRechts)
{
    TempOrdner ordner;
    std::ofstream(ordner.datei("Zeiger.cur"), std::ios::binary) << cursorDatei(5, 9);
    std::ofstream(ordner.datei("symbol.ico"), std::ios::binary) << cursorDatei(5, 9, 1);
    Cursor c = cursorLaden(ordner.datei("zeiger.CUR"));    // found ignoring case, as every path
    ASSERT_NE(c, nullptr);
    EXPECT_FALSE(cursorLaden(ordner.datei("symbol.ico")) || cursorLaden(ordner.datei("fehlt.cur")));
    EXPECT_EQ(standardCursor(cursorArt::Warten), standardCursor(cursorArt::Warten));
    Fenster f = neu();
    fensterCursorSetzen(f, c);

    treiber::seitenTaste(f, tastenStatus::RechtsStrg, true);
    EXPECT_TRUE(tasteGedrueckt(tastenStatus::RechtsStrg) && !tasteGedrueckt(tastenStatus::LinksStrg));
    treiber::seitenTaste(f, tastenStatus::RechtsStrg, false);
    EXPECT_FALSE(tasteGedrueckt(tastenStatus::RechtsStrg));
}

TEST_F(VertragScrollLeiste, SichtbareLeisteVerkleinertDenClientBereich)
{
    Fenster f = neu(stil::Hauptfenster | stil::Sichtbar | stil::VScrollLeiste, nullptr, 0, 0, 300, 200);
    nachrichtenVerarbeiten();
    const Rechteck vorher = clientRechteck(f);
    EXPECT_FALSE(scrollLeiste(f, true).sichtbar);         // hidden until the program sets it
    eingang.clear();
    scrollLeisteSetzen(f, true, 0, 100, 10, 95);
    EXPECT_TRUE(scrollLeiste(f, true).sichtbar && scrollLeiste(f, true).position == 91);   // page ends inside
    const int schmal = clientRechteck(f).breite();
    EXPECT_LT(schmal, vorher.breite());
    ASSERT_EQ(von(f, n::Groesse).size(), 1u);
    EXPECT_EQ(von(f, n::Groesse).back().l, machLParam(schmal, vorher.hoehe()));
    scrollLeisteSetzen(f, true, 0, 100, 20, 5);            // still shown: no Groesse
    EXPECT_EQ(von(f, n::Groesse).size(), 1u);

    scrollLeisteSetzen(f, true, 0, 100, 101, 0);           // page > max - min: nothing to scroll
    EXPECT_FALSE(scrollLeiste(f, true).sichtbar);
    ASSERT_EQ(von(f, n::Groesse).size(), 2u);
    EXPECT_EQ(von(f, n::Groesse).back().l, machLParam(vorher.breite(), vorher.hoehe()));
    scrollLeisteSetzen(f, true, 0, 100, 100, 0);           // 101 units: a page of 100 still scrolls
    EXPECT_TRUE(scrollLeiste(f, true).sichtbar);
    scrollLeisteSetzen(f, false, -50, 50, 10, -80);        // a bar the style did not ask for, at the bottom
    EXPECT_TRUE(scrollLeiste(f, false).position == -50 && clientRechteck(f).hoehe() < vorher.hoehe());
}

TEST_F(VertragScrollLeiste, GroesseAusDerLeisteDarfDieLeisteNeuSetzen)
{
    // a window that fits its bar to the client size, as the diagram windows do
    Fenster f = neu(stil::Hauptfenster | stil::Sichtbar, nullptr, 0, 0, 300, 200);
    nachrichtenVerarbeiten();
    int groesseMeldungen = 0;
    reaktion = [&](Fenster g, uint32_t m, uintptr_t, intptr_t l) -> std::optional<intptr_t> {
        if (m == n::Groesse && g == f && ++groesseMeldungen < 10)
            scrollLeisteSetzen(g, true, 0, 999, hiWortS(l), 0);
        return std::nullopt;
    };
    scrollLeisteSetzen(f, true, 0, 100, 20, 5);            // shows the bar: Groesse, and the window sets it anew
    EXPECT_EQ(groesseMeldungen, 1);
    EXPECT_TRUE(scrollLeiste(f, true).sichtbar && scrollLeiste(f, true).max == 999);   // the inner one counts
}

TEST_F(VertragScrollLeiste, BenutzerZiehtDenDaumenUndDasProgrammSetztDiePosition)
{
    bool antworten = false;
    std::vector<int> gesehen;
    reaktion = [&](Fenster g, uint32_t m, uintptr_t w, intptr_t) -> std::optional<intptr_t> {
        if (m == n::VScroll)
            gesehen.push_back(loWort(w) * 1000 + hiWort(w));
        if (m == n::VScroll && loWort(w) == scroll::DaumenPosition && antworten)
            scrollLeisteSetzen(g, true, 0, 200, 20, hiWort(w));
        return std::nullopt;
    };
    Fenster f = neu();
    scrollLeisteSetzen(f, true, 0, 200, 20, 50);
    treiber::scrollZeile(f, true);                         // reported; the bar waits for the program
    treiber::daumenZiehen(f, true, 70);
    treiber::daumenLoslassen(f, true);                     // the program moves nothing: it springs back
    EXPECT_TRUE(scrollLeiste(f, true).daumen == 50 && scrollLeiste(f, true).position == 50);
    antworten = true;
    treiber::daumenZiehen(f, true, 999);                   // the thumb stops at the end
    EXPECT_TRUE(scrollLeiste(f, true).daumen == 181 && scrollLeiste(f, true).position == 50);
    treiber::daumenLoslassen(f, true);
    EXPECT_EQ(scrollLeiste(f, true).position, 181);
    EXPECT_EQ(gesehen, (std::vector<int>{1050, 5070, 4070, 8000, 5181, 4181, 8000}));
}
