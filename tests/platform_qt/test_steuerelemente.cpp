// tests/platform_qt/test_steuerelemente.cpp - scroll bars, status bar, trackbar, text box,
// tooltips, cursors and key states on real Qt widgets
#include "protokoll.h"
#include "platform/steuerelemente.h"
#include <QApplication>
#include <QKeyEvent>
#include <QScrollBar>
#include <QSlider>
#include <QTemporaryDir>
#include <QTextEdit>
#include <fstream>

using namespace plattform;
using namespace protokoll;
using Steuerelemente = QtTest;

namespace {

template <class T>
T* inhalt(Fenster f)
{
    return qt::clientWidget(f)->findChild<T*>();
}

std::vector<std::pair<int, int>> scrollMeldungen(Fenster f, uint32_t n)
{
    std::vector<std::pair<int, int>> r;
    for (const Eintrag& e : von(f, n))
        r.emplace_back(loWort(e.w), hiWort(e.w));
    return r;
}

void tasteSchicken(QWidget* w, QEvent::Type art, int key, quint32 symbol, Qt::KeyboardModifiers mod = {},
           const QString& text = {})
{
    QKeyEvent e(art, key, mod, 0, symbol, 0, text);
    QApplication::sendEvent(w, &e);
}

// a 32 x 32 cursor file with one 32-bit image and its hotspot at (hx, hy)
std::string cursorDatei(int hx, int hy)
{
    std::string b;
    auto w16 = [&](int v) { b += static_cast<char>(v & 0xFF); b += static_cast<char>((v >> 8) & 0xFF); };
    auto w32 = [&](uint32_t v) { w16(static_cast<int>(v & 0xFFFF)); w16(static_cast<int>(v >> 16)); };
    const uint32_t bildBytes = 40 + 32 * 32 * 4 + 32 * 4;
    w16(0), w16(2), w16(1);                                        // reserved, cursor, one image
    b += '\x20', b += '\x20', b += '\0', b += '\0', w16(hx), w16(hy), w32(bildBytes), w32(22);
    w32(40), w32(32), w32(64), w16(1), w16(32), w32(0), w32(0), w32(0), w32(0), w32(0), w32(0);
    for (int i = 0; i < 32 * 32; ++i)
        w32(i % 3 ? 0xFF000000u : 0xFFFFFFFFu);                     // opaque black and white
    b.append(32 * 4, '\0');                                        // the mask: all shown
    return b;
}

} // namespace

TEST_F(Steuerelemente, ScrollLeisteVerschwindetWennDieSeiteDenBereichUebersteigt)
{
    Fenster f = neu(stil::Hauptfenster | stil::Sichtbar | stil::VScrollLeiste, 0, 0, 300, 200);
    EXPECT_FALSE(scrollLeiste(f, true).sichtbar);
    EXPECT_EQ(clientRechteck(f).breite(), 300);
    eingang.clear();
    scrollLeisteSetzen(f, true, 0, 100, 10, 95);
    ScrollZustand s = scrollLeiste(f, true);
    EXPECT_TRUE(s.sichtbar);
    EXPECT_EQ(s.position, 91);                 // the page has to end inside the range
    const int schmal = clientRechteck(f).breite();
    EXPECT_LT(schmal, 300);
    ASSERT_FALSE(von(f, nachricht::Groesse).empty());
    EXPECT_EQ(von(f, nachricht::Groesse).back().l, machLParam(schmal, 200));

    eingang.clear();
    scrollLeisteSetzen(f, true, 0, 100, 101, 0);   // page > max - min: nothing to scroll
    EXPECT_FALSE(scrollLeiste(f, true).sichtbar);
    EXPECT_EQ(clientRechteck(f).breite(), 300);
    ASSERT_EQ(von(f, nachricht::Groesse).size(), 1u);
    EXPECT_EQ(von(f, nachricht::Groesse).back().l, machLParam(300, 200));
    scrollLeisteSetzen(f, true, 0, 100, 100, 0);   // page == max - min still scrolls a pixel
    EXPECT_TRUE(scrollLeiste(f, true).sichtbar);

    scrollLeisteSetzen(f, false, 0, 50, 0, 7);     // a bar the style did not ask for appears too
    EXPECT_TRUE(scrollLeiste(f, false).sichtbar);
    EXPECT_LT(clientRechteck(f).hoehe(), 200);
}

TEST_F(Steuerelemente, ScrollLeisteMeldetUndBewegtSichNichtSelbst)
{
    Fenster f = neu(stil::Hauptfenster | stil::Sichtbar | stil::VScrollLeiste, 0, 0, 300, 200);
    scrollLeisteSetzen(f, true, 0, 100, 10, 50);
    auto* l = inhalt<QScrollBar>(f);
    ASSERT_NE(l, nullptr);
    eingang.clear();
    l->triggerAction(QAbstractSlider::SliderSingleStepAdd);   // a click on the lower arrow
    l->triggerAction(QAbstractSlider::SliderPageStepSub);
    EXPECT_EQ(scrollMeldungen(f, nachricht::VScroll),
              (std::vector<std::pair<int, int>>{{scroll::ZeileRunter, 50}, {scroll::SeiteHoch, 50}}));
    EXPECT_EQ(scrollLeiste(f, true).position, 50);
    EXPECT_EQ(l->value(), 50);

    // the program answers by setting the bar, from inside the message
    reaktion = [](Fenster g, uint32_t n, uintptr_t w, intptr_t) -> std::optional<intptr_t> {
        if (n == nachricht::VScroll && loWort(w) == scroll::ZeileRunter)
            scrollLeisteSetzen(g, true, 0, 100, 10, scrollLeiste(g, true).position + 1);
        return std::nullopt;
    };
    l->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(l->value(), 51);
    reaktion = nullptr;

    // dragging the thumb: it follows the mouse, and goes back when let go unanswered
    eingang.clear();
    l->setSliderDown(true);
    l->setSliderPosition(70);
    EXPECT_EQ(scrollLeiste(f, true).daumen, 70);
    EXPECT_EQ(scrollLeiste(f, true).position, 51);
    l->setSliderDown(false);
    EXPECT_EQ(scrollMeldungen(f, nachricht::VScroll),
              (std::vector<std::pair<int, int>>{{scroll::DaumenZiehen, 70}, {scroll::DaumenPosition, 70},
                                                {scroll::ScrollEnde, 0}}));
    EXPECT_EQ(l->value(), 51);
    EXPECT_EQ(scrollLeiste(f, true).daumen, 51);
}

TEST_F(Steuerelemente, StatusleisteTeileTexteUndEinfacherModus)
{
    Fenster f = neu(stil::Hauptfenster | stil::Sichtbar, 0, 0, 400, 300);
    Fenster s = statusleisteErzeugen(f, 77);
    ASSERT_TRUE(istFenster(s));
    EXPECT_EQ(elternFenster(s), f);
    // along the bottom of the client area, its whole width
    auto clientUnten = [&] { return clientZuBildschirm(f, {0, clientRechteck(f).unten}).y; };
    Rechteck r = fensterRechteck(s);
    EXPECT_EQ(r.unten, clientUnten());
    EXPECT_EQ(r.breite(), clientRechteck(f).breite());
    EXPECT_GT(r.hoehe(), 10);

    const int kanten[] = {100, 250, -1};
    statusTeileSetzen(s, kanten);
    statusTextSetzen(s, 0, "Bereit");
    statusTextSetzen(s, 2 | statusStil::Herausgehoben, "\tNeuron 12");
    statusTextSetzen(s, statusEinfacherTeil, "L\xe4uft ...");
    EXPECT_EQ(statusText(s, 2), "\tNeuron 12");   // as set; the tab is not shown
    EXPECT_EQ(statusText(s, statusEinfacherTeil), "L\xe4uft ...");
    for (bool einfach : {false, true}) {           // paints parts and the raised one, then the simple text
        statusEinfach(s, einfach);
        Bild b = fensterAbbild(s);
        ASSERT_NE(b, nullptr);
        bildLoeschen(b);
    }
    EXPECT_EQ(statusText(s, 0), "Bereit");         // simple mode keeps the parts' texts

    verschieben(f, 0, 0, 500, 350);
    statusleisteAnpassen(s);
    r = fensterRechteck(s);
    EXPECT_EQ(r.breite(), clientRechteck(f).breite());
    EXPECT_EQ(r.unten, clientUnten());
    zeigen(s, anzeige::Verbergen);
    EXPECT_FALSE(istSichtbar(s));

    fensterZerstoeren(f);                          // it goes with its parent
    EXPECT_FALSE(istFenster(s));
    EXPECT_EQ(statusText(s, 0), "");
}

TEST_F(Steuerelemente, SchiebereglerMeldetBenutzerNichtProgramm)
{
    Fenster f = neu(stil::Hauptfenster | stil::Sichtbar, 0, 0, 300, 200);
    Fenster regler = schiebereglerErzeugen(f, 5, {10, 10, 210, 40}, false);
    ASSERT_TRUE(istFenster(regler));
    EXPECT_EQ(klassenName(regler), "Schieberegler");
    schiebereglerBereich(regler, 0, 10);
    eingang.clear();
    schiebereglerPositionSetzen(regler, 4);
    EXPECT_EQ(schiebereglerPosition(regler), 4);
    EXPECT_TRUE(von(f, nachricht::HScroll).empty());

    int gelesen = -1;
    reaktion = [&](Fenster, uint32_t n, uintptr_t, intptr_t) -> std::optional<intptr_t> {
        if (n == nachricht::HScroll && gelesen < 0)
            gelesen = schiebereglerPosition(regler);
        return std::nullopt;
    };
    auto* s = inhalt<QSlider>(regler);
    ASSERT_NE(s, nullptr);
    tasteSchicken(s, QEvent::KeyPress, Qt::Key_Right, 0);
    tasteSchicken(s, QEvent::KeyRelease, Qt::Key_Right, 0);
    auto m = von(f, nachricht::HScroll);
    ASSERT_EQ(m.size(), 2u);
    EXPECT_EQ(loWort(m[0].w), scroll::ZeileRunter);
    EXPECT_EQ(hiWort(m[0].w), 5);
    EXPECT_EQ(m[0].l, reinterpret_cast<intptr_t>(regler));
    EXPECT_EQ(loWort(m[1].w), scroll::ScrollEnde);
    EXPECT_EQ(gelesen, 5);                         // moved before the parent hears of it
    EXPECT_EQ(schiebereglerPosition(regler), 5);

    Fenster senkrecht = schiebereglerErzeugen(f, 6, {250, 10, 280, 190}, true);
    tasteSchicken(inhalt<QSlider>(senkrecht), QEvent::KeyPress, Qt::Key_Down, 0);   // down increases
    ASSERT_FALSE(von(f, nachricht::VScroll).empty());
    EXPECT_EQ(loWort(von(f, nachricht::VScroll)[0].w), scroll::ZeileRunter);
    EXPECT_EQ(schiebereglerPosition(senkrecht), 1);
}

TEST_F(Steuerelemente, TextfeldHaengtAnUndZeigtDasEnde)
{
    Fenster f = neu(stil::Hauptfenster | stil::Sichtbar, 0, 0, 300, 200);
    Fenster t = textfeldErzeugen(f, 9, {0, 0, 300, 80}, true);
    ASSERT_TRUE(istFenster(t));
    auto* e = inhalt<QTextEdit>(t);
    ASSERT_NE(e, nullptr);
    EXPECT_TRUE(e->isReadOnly());
    textfeldTextSetzen(t, "Protokoll\r\n");
    for (int i = 0; i < 50; ++i)
        textfeldAnhaengen(t, "Zeile mit \xfc\r\n");
    const std::string text = textfeldText(t);
    EXPECT_EQ(text.substr(0, 22), "Protokoll\nZeile mit \xfc\n");
    EXPECT_EQ(text.size(), 10u + 50u * 12u);
    QScrollBar* l = e->verticalScrollBar();
    EXPECT_GT(l->maximum(), 0);
    EXPECT_EQ(l->value(), l->maximum());

    SchriftMerkmale m;
    m.hoehe = -30;
    Schrift s = schriftErzeugen(m);
    textfeldSchrift(t, s);
    loeschen(s);                                   // the box keeps its own copy
    EXPECT_EQ(e->font().pixelSize(), 30);

    verschieben(t, 0, 0, 200, 60);                 // the box follows its window
    EXPECT_EQ(e->size(), QSize(200, 60));
}

TEST_F(Steuerelemente, CursorAusDateiMitHotspotUndKaputteDateien)
{
    QTemporaryDir ordner;
    const std::string pfad = ordner.path().toStdString() + "/ziel.cur";
    const std::string gut = cursorDatei(5, 9);
    std::ofstream(pfad, std::ios::binary) << gut;
    Cursor c = cursorLaden(pfad);
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(cursorLaden(pfad), c);               // loaded once
    Fenster f = neu(stil::Hauptfenster | stil::Sichtbar, 0, 0, 100, 100);
    fensterCursorSetzen(f, c);
    EXPECT_EQ(qt::clientWidget(f)->cursor().hotSpot(), QPoint(5, 9));
    fensterCursorSetzen(f, standardCursor(cursorArt::Kreuz));
    EXPECT_EQ(qt::clientWidget(f)->cursor().shape(), Qt::CrossCursor);

    // the header check has its own tests; here: the image itself broken, Qt must not crash
    std::string kaputt = gut;
    for (size_t i = 40; i < 140; ++i)
        kaputt[i] = static_cast<char>(i * 37);
    std::ofstream(ordner.path().toStdString() + "/kaputt.cur", std::ios::binary) << kaputt;
    cursorLaden(ordner.path().toStdString() + "/kaputt.cur");
    EXPECT_EQ(cursorLaden(ordner.path().toStdString() + "/fehlt.cur"), nullptr);

    cursorSetzen(standardCursor(cursorArt::Warten));
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    cursorSetzen(nullptr);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(Steuerelemente, LinkeUndRechteUmschaltUndStrgTastenWerdenUnterschieden)
{
    Fenster f = neu(stil::Hauptfenster | stil::Sichtbar, 0, 0, 100, 100);
    QWidget* w = qt::clientWidget(f);
    tasteSchicken(w, QEvent::KeyPress, Qt::Key_Shift, 0xffe2, Qt::ShiftModifier);
    EXPECT_TRUE(tasteGedrueckt(tastenStatus::RechtsUmschalt));
    EXPECT_FALSE(tasteGedrueckt(tastenStatus::LinksUmschalt));
    tasteSchicken(w, QEvent::KeyPress, Qt::Key_Control, 0xffe3, Qt::ShiftModifier | Qt::ControlModifier);
    EXPECT_TRUE(tasteGedrueckt(tastenStatus::LinksStrg));
    EXPECT_FALSE(tasteGedrueckt(tastenStatus::RechtsStrg));
    tasteSchicken(w, QEvent::KeyRelease, Qt::Key_Shift, 0xffe2, Qt::ControlModifier);
    EXPECT_FALSE(tasteGedrueckt(tastenStatus::RechtsUmschalt));
    // a key with no Ctrl held shows the release we missed
    tasteSchicken(w, QEvent::KeyPress, Qt::Key_A, 'a', Qt::NoModifier, "a");
    EXPECT_FALSE(tasteGedrueckt(tastenStatus::LinksStrg));

    const bool vorher = feststelltasteAn();
    tasteSchicken(w, QEvent::KeyPress, Qt::Key_CapsLock, 0xffe5);
    tasteSchicken(w, QEvent::KeyRelease, Qt::Key_CapsLock, 0xffe5);
    EXPECT_NE(feststelltasteAn(), vorher);
    tasteSchicken(w, QEvent::KeyPress, Qt::Key_B, 'B', Qt::NoModifier, "B");   // capitals without Shift
    EXPECT_TRUE(feststelltasteAn());
    tasteSchicken(w, QEvent::KeyPress, Qt::Key_B, 'b', Qt::NoModifier, "b");
    EXPECT_FALSE(feststelltasteAn());
}
