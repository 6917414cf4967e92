// tests/platform_vertrag/vertrag_fenster.cpp - windows, messages, the pump and timers
#include "vertrag.h"
#include <thread>

using namespace vertrag;

using VertragFenster = Vertrag;
using VertragPumpe = Vertrag;

namespace {

// the program's own messages of these windows, as "window:number" (windows a, b, ...)
std::string benutzerFolge(std::initializer_list<Fenster> fenster)
{
    std::string aus;
    for (const Eintrag& e : eingang)
        for (size_t i = 0; i < fenster.size(); ++i)
            if (e.n >= n::Benutzer && fenster.begin()[i] == e.f)
                aus += std::string(aus.empty() ? "" : " ") + char('a' + i) + std::to_string(e.n - n::Benutzer);
    return aus;
}

} // namespace

TEST_F(VertragFenster, ErzeugenMeldetErzeugenGroesseUndBewegenVorDerRueckkehr)
{
    Fenster f = neu(stil::Hauptfenster, nullptr, 100, 120, 300, 200, nullptr, 77);
    ASSERT_EQ(nachrichten(f), (std::vector<uint32_t>{n::Erzeugen, n::Groesse, n::Bewegen}));
    const Rechteck c = clientRechteck(f), r = fensterRechteck(f);
    const Punkt o = clientZuBildschirm(f, {0, 0});
    EXPECT_EQ(std::make_tuple(eingang[0].l, eingang[1].w, eingang[1].l, eingang[2].l),
              std::make_tuple(77, groesse::Wiederhergestellt, machLParam(c.breite(), c.hoehe()),
                              machLParam(o.x, o.y)));
    EXPECT_EQ(std::make_pair(r.links, r.unten), std::make_pair(100, 320));   // the outer rectangle as given
    EXPECT_FALSE(istSichtbar(f));
    titelSetzen(f, "Ma\xdf und Zahl \xe4");                 // Windows-1252 in and out
    EXPECT_EQ(titel(f), "Ma\xdf und Zahl \xe4");

    Fenster k = neu(stil::Kind | stil::Sichtbar, f, 10, 20, 50, 40);
    EXPECT_EQ(std::make_tuple(elternFenster(k), von(k, n::Groesse).back().l, von(k, n::Bewegen).back().l),
              std::make_tuple(f, machLParam(50, 40), machLParam(o.x + 10, o.y + 20)));

    eingang.clear();
    verschieben(f, 100, 120, 300, 200);                    // nothing changed: nothing sent
    verschieben(f, 200, 120, 300, 200);
    verschieben(f, 200, 120, 400, 200);
    ASSERT_EQ(nachrichten(f), (std::vector<uint32_t>{n::Bewegen, n::Groesse}));
    EXPECT_EQ(std::make_pair(eingang[0].l, eingang[1].l),
              std::make_pair(machLParam(o.x + 100, o.y), machLParam(c.breite() + 100, c.hoehe())));
}

TEST_F(VertragFenster, ZerstoerenErreichtErstDasFensterDannKinderUndBesessene)
{
    Fenster haupt = neu();
    Fenster kind = neu(stil::Kind | stil::Sichtbar, haupt, 5, 5, 50, 50);
    Fenster besessen = neu(stil::Werkzeug | stil::Sichtbar, haupt);
    Fenster fremd = neu();
    bool kindLebtNoch = false;
    reaktion = [&](Fenster f, uint32_t m, uintptr_t, intptr_t) -> std::optional<intptr_t> {
        if (m == n::Zerstoeren && f == haupt)
            kindLebtNoch = istFenster(kind);
        return std::nullopt;
    };
    zeitgeberSetzen(kind, 1, 10);
    posten(besessen, n::Benutzer);
    posten(fremd, n::Benutzer);
    fensterZerstoeren(haupt);
    EXPECT_EQ(mit(n::Zerstoeren), (std::vector<Fenster>{haupt, kind, besessen}));
    EXPECT_TRUE(kindLebtNoch);
    for (Fenster f : {haupt, kind, besessen})
        EXPECT_FALSE(istFenster(f) || senden(f, n::Benutzer) || posten(f, n::Benutzer));
    EXPECT_FALSE(posten(nullptr, n::Benutzer));
    Fenster danach = neu();                                // even at a dead one's address
    treiber::zeitVergehen(30);                             // timers and queued messages died with them
    EXPECT_TRUE(benutzerFolge({fremd, besessen, danach}) == "a0" && von(kind, n::Zeitgeber).empty());
    fensterZerstoeren(haupt);                              // dead handles are ignored,
    fensterZerstoeren(reinterpret_cast<Fenster>(&danach)); // and so is garbage
}

TEST_F(VertragFenster, ZerstoerenAusDerEigenenProzedurIstSicher)
{
    reaktion = [&](Fenster g, uint32_t m, uintptr_t, intptr_t) -> std::optional<intptr_t> {
        if (m == n::Benutzer) {
            senden(g, n::SystemBefehl, systembefehl::Schliessen);   // -> Schliessen -> destroyed
            EXPECT_EQ(senden(g, n::Benutzer + 1), 0);
            return 5;
        }
        if (m == n::TasteRunter || m == n::LinksRunter)
            fensterZerstoeren(g);
        return std::nullopt;
    };
    Fenster f = neu();
    posten(f, n::Benutzer + 2);
    EXPECT_EQ(senden(f, n::Benutzer), 5);
    nachrichtenVerarbeiten();                              // its posted message died with it
    EXPECT_EQ(nachrichten(f, {n::Benutzer, n::Benutzer + 1, n::Benutzer + 2, n::SystemBefehl, n::Schliessen, n::Zerstoeren}),
              (std::vector<uint32_t>{n::Benutzer, n::SystemBefehl, n::Schliessen, n::Zerstoeren}));

    Fenster tippt = neu();
    Fenster kind = neu(stil::Kind | stil::Sichtbar, tippt, 0, 0, 10, 10);
    treiber::taste(tippt, 'A', 'a');
    Fenster klickt = neu();
    treiber::klick(klickt, 5, 5);
    nachrichtenVerarbeiten();
    EXPECT_FALSE(istFenster(tippt) || istFenster(kind) || istFenster(klickt));
    EXPECT_TRUE(von(tippt, n::Zeichen).empty() && von(klickt, n::LinksHoch).empty());   // they find no window
}

TEST_F(VertragFenster, EingabenWerdenZuTastenZeichenUndMausnachrichten)
{
    Fenster f = neu();
    nachrichtenVerarbeiten();
    eingang.clear();
    treiber::taste(f, 'A', '\xE4');
    treiber::klick(f, 30, 40, true);
    nachrichtenVerarbeiten();
    std::vector<std::pair<uint32_t, uintptr_t>> ist;
    for (const Eintrag& e : eingang)
        if (e.f == f && e.n != n::MausBewegung && e.n >= n::TasteRunter && e.n <= n::RechtsHoch)
            ist.emplace_back(e.n, e.w);
    EXPECT_EQ(ist, (std::vector<std::pair<uint32_t, uintptr_t>>{
                       {n::TasteRunter, 'A'}, {n::Zeichen, 0xE4},  // the Windows-1252 byte, not a negative char
                       {n::TasteHoch, 'A'}, {n::RechtsRunter, maus::Rechts}, {n::RechtsHoch, 0}}));
    EXPECT_EQ(von(f, n::RechtsRunter).at(0).l, machLParam(30, 40));
}

TEST_F(VertragFenster, AktivierungFokusFreigabeUndMinimieren)
{
    Fenster f = neu(stil::Hauptfenster | stil::Sichtbar, nullptr, 0, 0, 200, 100);
    Fenster kind = neu(stil::Kind | stil::Sichtbar, f, 0, 0, 50, 50);
    const Rechteck c = clientRechteck(f);
    vordergrundSetzen(f);
    ASSERT_TRUE(treiber::warten([&] { return vordergrundFenster() == f; }));
    fokusSetzen(kind);
    EXPECT_TRUE(treiber::warten([&] { return fokusFenster() == kind; }));
    freigeben(f, false);
    EXPECT_FALSE(istFreigegeben(f));

    zeigen(f, anzeige::Minimiert);
    EXPECT_TRUE(istMinimiert(f));
    EXPECT_EQ(std::make_pair(von(f, n::Groesse).back().w, von(f, n::Groesse).back().l),
              std::make_pair(uintptr_t{groesse::Minimiert}, intptr_t{0}));
    zeigen(f, anzeige::Wiederherstellen);
    EXPECT_FALSE(istMinimiert(f));
    EXPECT_EQ(std::make_pair(von(f, n::Groesse).back().w, von(f, n::Groesse).back().l),
              std::make_pair(uintptr_t{groesse::Wiederhergestellt}, machLParam(c.breite(), c.hoehe())));
}

TEST_F(VertragFenster, VerborgeneMalenNichtNeuZeichnenMaltNurDasUngueltigeSofort)
{
    Fenster f = neu(stil::Hauptfenster);
    ungueltigMachen(f);
    nachrichtenVerarbeiten();
    EXPECT_TRUE(von(f, n::Zeichnen).empty());              // hidden: the paint waits
    zeigen(f, anzeige::Zeigen);
    ASSERT_TRUE(treiber::warten([&] { return !von(f, n::Zeichnen).empty(); }));
    nachrichtenVerarbeiten();

    eingang.clear();
    ungueltigMachen(f);
    ungueltigMachen(f);
    nachrichtenVerarbeiten();
    EXPECT_EQ(von(f, n::Zeichnen).size(), 1u);             // once, however often it was invalidated
    ungueltigMachen(f);
    EXPECT_EQ(von(f, n::Zeichnen).size(), 1u);
    neuZeichnen(f);                                        // at once, not through the queue
    EXPECT_EQ(von(f, n::Zeichnen).size(), 2u);
    neuZeichnen(f);                                        // nothing left to paint
    nachrichtenVerarbeiten();
    EXPECT_EQ(von(f, n::Zeichnen).size(), 2u);
}

TEST_F(VertragPumpe, SendenSofortPostenInEinerReiheUeberAlleFenster)
{
    Fenster a = neu(), b = neu();
    reaktion = [&](Fenster f, uint32_t m, uintptr_t, intptr_t) -> std::optional<intptr_t> {
        if (f == a && m == n::Benutzer)
            return senden(b, n::Benutzer + 1) + 1;         // nested: b answers before a returns
        if (m == n::Benutzer + 1)
            return 40;
        if (m == n::Benutzer + 2)
            posten(b, n::Benutzer + 9);                    // behind everything already waiting
        return std::nullopt;
    };
    nachrichtenVerarbeiten();
    EXPECT_EQ(senden(a, n::Benutzer), 41);
    EXPECT_EQ(benutzerFolge({a, b}), "a0 b1");

    eingang.clear();
    EXPECT_TRUE(posten(a, n::Benutzer + 2, 1, 2));
    posten(b, n::Benutzer + 3);
    posten(a, n::Benutzer + 4);
    EXPECT_EQ(benutzerFolge({a, b}), "");
    EXPECT_TRUE(nachrichtenVerarbeiten());
    EXPECT_EQ(benutzerFolge({a, b}), "a2 b3 a4 b9");
    EXPECT_EQ(std::make_pair(von(a, n::Benutzer + 2).at(0).w, von(a, n::Benutzer + 2).at(0).l),
              std::make_pair(uintptr_t{1}, intptr_t{2}));
}

TEST_F(VertragPumpe, BeendenKommtNachDemVorherGeposteten)
{
    Fenster f = neu();
    posten(f, n::Benutzer);
    beendenPosten(3);
    posten(f, n::Benutzer + 1);
    EXPECT_EQ(nachrichtenSchleife(), 3);
    EXPECT_EQ(benutzerFolge({f}), "a0");

    beendenPosten(4);
    EXPECT_FALSE(nachrichtenVerarbeiten());
    EXPECT_EQ(benutzerFolge({f}), "a0 a1");
    EXPECT_FALSE(nachrichtenVerarbeitenGedrosselt());     // the request stands ...
    EXPECT_EQ(nachrichtenSchleife(), 4);                   // ... until the loop takes it
    EXPECT_TRUE(nachrichtenVerarbeiten());
}

TEST_F(VertragPumpe, ZeitgeberFeuertBeimPumpenUndSchweigtGeloescht)
{
    Fenster f = neu();
    ASSERT_TRUE(zeitgeberSetzen(f, 7, 10));
    ASSERT_TRUE(treiber::warten([&] { return !von(f, n::Zeitgeber).empty(); }));
    EXPECT_EQ(von(f, n::Zeitgeber)[0].w, 7u);
    zeitgeberLoeschen(f, 7);
    eingang.clear();
    treiber::zeitVergehen(30);
    EXPECT_TRUE(von(f, n::Zeitgeber).empty());
}

TEST_F(VertragPumpe, ArbeitAusEinemAnderenThreadLaeuftBeimVerarbeiten)
{
    std::vector<int> erledigt;
    std::thread([&] {
        erledigt.push_back(istGuiThread());                // 0: not the GUI thread
        for (int i = 1; i < 3; ++i)
            aufGuiThread([&erledigt, i] { erledigt.push_back(istGuiThread() ? i : -1); });
    }).join();
    EXPECT_EQ(erledigt, std::vector<int>{0});
    nachrichtenVerarbeiten();
    EXPECT_EQ(erledigt, (std::vector<int>{0, 1, 2}));
}
