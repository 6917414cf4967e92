// tests/script/test_interaktivfenster.cpp - the interactive script window, its double click and dialog 313
#include "script/interaktiv.h"
#include "core/skriptwerte.h"
#include "core/status.h"
#include "platform/box.h"
#include "platform/menue.h"
#include "platform/test/testplattform.h"
#include "rahmen_attrappe.h"
#include "resources/befehle.h"
#include "texts/texte.h"
#include <gtest/gtest.h>
#include <algorithm>
#include <tuple>

namespace {
using namespace plattform;
namespace pt = plattform::test;

// what reached the stand-in main window
std::vector<std::pair<uint32_t, uintptr_t>> anHaupt;

intptr_t hauptProbe(Fenster f, uint32_t n, uintptr_t w, intptr_t l)
{
    if (n == nachricht::Befehl || n == nachricht::TasteRunter || n == nachricht::Zeichen)
        anHaupt.push_back({n, n == nachricht::Befehl ? w | static_cast<uintptr_t>(l) << 32 : w});
    return standardFensterProc(f, n, w, l);
}

struct InteraktivFenster : ::testing::Test {
    Fenster haupt = nullptr;

    void SetUp() override
    {
        pt::zuruecksetzen();
        attrappe::rahmenZuruecksetzen();
        anHaupt.clear();
        sprache = spracheDeutsch;
        skript = Skript{};
        skriptLaufwerte = {};
        skriptStatus = skriptBit::Laeuft | skriptBit::InteraktiveAusfuehrung;
        doppelklickAktiv = 0;
        zeiteinstellungen.doppelklick = 400;
        interaktivFensterPlatz = {};
        klasseRegistrieren({"haupt probe", hauptProbe});
        klasseRegistrieren({meldungsTexte[17], interaktivFensterProc});
        haupt = fensterErzeugen("haupt probe", "Velnor", stil::Hauptfenster | stil::Sichtbar, 0, 0, 600, 400);
        fensterhandles.hauptfenster = haupt;
        // three slots: level 1 of five passes at its second, level 2 of one pass, none
        skript.interaktivAnzahl = 3;
        skript.schleifen[1] = {5, 1, 0};
        skript.schleifen[2] = {1, 0, 0};
        const char* namen[] = {"ruhe", "leck", "kap"};
        for (int i = 1; i <= 3; ++i) {
            InteraktivSlot& s = skript.interaktiv[static_cast<size_t>(i)];
            s.name = namen[i - 1];
            s.ebene = i == 3 ? 0 : i;
            s.start = -0.07;
            s.wert = -0.068;
            s.schritt = 0.002;
        }
        skript.interaktivRand = 20;
        interaktivFarbenSetzen(skript);
    }
    void TearDown() override
    {
        fensterZerstoeren(fensterhandles.interaktivFenster);
        fensterhandles = {};
        skriptStatus = 0;
        skript = Skript{};
        skriptLaufwerte = {};
        doppelklickAktiv = 0;
        pt::zuruecksetzen();
    }
    // the window with a client area of 400 x 320
    Fenster fenster()
    {
        EXPECT_EQ(interaktivFensterErzeugen(), 1);
        const Fenster f = fensterhandles.interaktivFenster;
        const Rechteck r = fensterRechteck(f), c = clientRechteck(f);
        verschieben(f, r.links, r.oben, r.breite() + 400 - c.breite(), r.hoehe() + 320 - c.hoehe());
        return f;
    }
    void doppelklick(Fenster f, int x, int y)
    {
        pt::klicken(f, x, y);
        pt::klicken(f, x, y);
        nachrichtenVerarbeiten();
    }
};

} // namespace

TEST_F(InteraktivFenster, ZeichnetKopfzeilenUndJeSlotBalkenWertNameUndSchritt)
{
    skriptLaufwerte.interaktivZeilen = {"Rest:   0:00:04", "    2 -> 40%"};
    const Fenster f = fenster();
    EXPECT_EQ(titel(f), "Interaktive Skriptausfuehrung");
    ASSERT_NE(fensterMenue(f), nullptr);
    neuZeichnen(f);
    const auto& aufrufe = pt::letzteZeichnung(f);
    std::vector<std::tuple<int, int, int, int, Farbe, int>> balken;
    std::vector<std::tuple<int, int, std::string>> texte;
    for (const pt::ZeichenAufruf& a : aufrufe) {
        if (a.art == pt::ZeichenArt::Rechteck)
            balken.emplace_back(a.rechteck.links, a.rechteck.oben, a.rechteck.rechts, a.rechteck.unten, a.zustand.pinsel,
                                a.zustand.stift.breite);
        if (a.art == pt::ZeichenArt::Text) {
            texte.emplace_back(a.punkte[0].x, a.punkte[0].y, a.text);
            EXPECT_EQ(std::make_tuple(a.zustand.schrift.hoehe, a.zustand.transparent, a.zustand.ausrichtung),
                      std::make_tuple(-11, true, textAusrichtung::Mitte | textAusrichtung::Unten));
        }
    }
    // red, green, blue on a common base; the loop of one pass, and none, at the minimum
    EXPECT_EQ(balken, (std::vector<std::tuple<int, int, int, int, Farbe, int>>{
                          {20, 195, 92, 256, 0x0000FF, 2}, {164, 246, 236, 256, 0x00FF00, 2}, {308, 246, 380, 256, 0xFF0000, 2}}));
    ASSERT_EQ(texte.size(), 11u);
    EXPECT_EQ(texte[0], std::make_tuple(110, 26, std::string("Rest:   0:00:04")));
    EXPECT_EQ(texte[1], std::make_tuple(272, 26, std::string("    2 -> 40%")));
    EXPECT_EQ(texte[2], std::make_tuple(56, 275, std::string("-0.068")));
    EXPECT_EQ(texte[3], std::make_tuple(56, 294, std::string("ruhe")));
    EXPECT_EQ(texte[4], std::make_tuple(56, 314, std::string("0.002")));
    EXPECT_EQ(pt::zeichenObjekteLebend(), 0);
}

TEST_F(InteraktivFenster, DoppelklickAufEinenBalkenOeffnet313UndSpeichertNurGueltigeFelder)
{
    const Fenster f = fenster();
    // a single click opens nothing; it starts the double-click time of the main window
    pt::klicken(f, 50, 250);
    nachrichtenVerarbeiten();
    EXPECT_TRUE(pt::dialogLog().empty());
    EXPECT_EQ(std::make_pair(doppelklickAktiv, pt::zeitgeberPeriode(haupt, 6)), std::make_pair(1, 400.0));

    // the second click on the bar: the slot's values, a field without a number refused and
    // named, then stored with the decimal comma
    pt::dialogSkript(313, {[](Fenster d) {
                               EXPECT_EQ(std::make_tuple(elementText(d, 2072), elementText(d, 2074), elementText(d, 2075),
                                                         elementText(d, 2076)),
                                         std::make_tuple("ruhe", "-0.07", "0.002", "0"));
                           },
                           pt::schritt::tippen(2074, "-0,06"), pt::schritt::tippen(2075, "nan"), pt::schritt::klicken(1),
                           [](Fenster) { EXPECT_EQ(skript.interaktiv[1].start, -0.07); },
                           pt::schritt::tippen(2075, "0,001"), pt::schritt::tippen(2076, "4"), pt::schritt::klicken(1)});
    pt::boxAntworten({antwort::Ok});
    pt::klicken(f, 92, 195);            // the bar's corner counts
    nachrichtenVerarbeiten();
    ASSERT_EQ(pt::dialogLog().size(), 1u);
    EXPECT_NE(pt::boxLog().at(0).text.find("Schrittweite"), std::string::npos) << pt::boxLog().at(0).text;
    EXPECT_EQ(std::make_tuple(skript.interaktiv[1].start, skript.interaktiv[1].schritt, skript.fortsetzenBei,
                              skript.interaktivGeaendert),
              std::make_tuple(-0.06, 0.001, 4, 1));
    EXPECT_EQ(skriptStatus & (skriptBit::InteraktivGeaendert | skriptBit::Fortsetzen),
              skriptBit::InteraktivGeaendert | skriptBit::Fortsetzen);
    EXPECT_EQ(std::make_pair(doppelklickAktiv, pt::zeitgeberPeriode(haupt, 6)), std::make_pair(0, -1.0));

    // Cancel changes nothing; a continue-at of 0 leaves the continue bit as it is
    skriptStatus = skriptBit::Laeuft | skriptBit::InteraktiveAusfuehrung;
    pt::dialogSkript(313, {pt::schritt::tippen(2074, "1"), pt::schritt::klicken(2)});
    doppelklick(f, 200, 250);
    EXPECT_EQ(std::make_tuple(skript.interaktiv[2].start, skriptStatus & skriptBit::InteraktivGeaendert), std::make_tuple(-0.07, 0u));
    pt::dialogSkript(313, {pt::schritt::tippen(2076, "0"), pt::schritt::klicken(1)});
    doppelklick(f, 340, 250);
    EXPECT_EQ(std::make_tuple(skript.interaktivGeaendert, skript.fortsetzenBei, skriptStatus & skriptBit::Fortsetzen),
              std::make_tuple(3, 0, 0u));

    // between the bars, and once the interactive run is over, a double click opens nothing
    doppelklick(f, 130, 250);
    skriptStatus &= ~skriptBit::InteraktiveAusfuehrung;
    doppelklick(f, 50, 250);
    EXPECT_EQ(pt::dialogLog().size(), 3u);
}

TEST_F(InteraktivFenster, SchliessenTastenUndMenueGehenAnsHauptfenster)
{
    const Fenster f = fenster();
    pt::tasteDruecken(f, taste::F5);
    pt::tasteDruecken(f, taste::Esc, 27);
    ASSERT_TRUE(pt::menueBefehlWaehlen(f, befehlSimulationAbbrechen));
    nachrichtenVerarbeiten();
    // the close box is the main window's cancel, with its mark in l; the window stays while
    // the interactive run goes on
    senden(f, nachricht::Schliessen);
    EXPECT_TRUE(istFenster(f));
    const uintptr_t abbrechen = machWParam(befehlSimulationAbbrechen, 0) | uintptr_t{0x10001} << 32;
    EXPECT_EQ(anHaupt, (std::vector<std::pair<uint32_t, uintptr_t>>{{nachricht::TasteRunter, taste::F5},
                                                                    {nachricht::TasteRunter, taste::Esc},
                                                                    {nachricht::Zeichen, 27},
                                                                    {nachricht::Befehl, abbrechen},
                                                                    {nachricht::Befehl, abbrechen}}));
    // the place is remembered for the next window
    verschieben(f, 30, 40, 450, 390);
    skriptStatus &= ~skriptBit::InteraktiveAusfuehrung;
    senden(f, nachricht::Schliessen);
    EXPECT_FALSE(istFenster(f));
    EXPECT_EQ(fensterhandles.interaktivFenster, nullptr);
    ASSERT_EQ(interaktivFensterErzeugen(), 1);
    const Rechteck r = fensterRechteck(fensterhandles.interaktivFenster);
    EXPECT_EQ(std::make_tuple(r.links, r.oben, r.breite(), r.hoehe()), std::make_tuple(30, 40, 450, 390));
}

// the executor's end closes the window; a run that does not start must close it too, or the
// window would stay with its close box refused for good
TEST_F(InteraktivFenster, EinLaufDerNichtStartetLaesstKeinFensterZurueck)
{
    skriptStatus = skriptBit::Geladen;
    skript.gesamtSimulationen = 0;
    skript.interaktivRand = 0;
    skript.interaktiv[1].farbe = 0;
    EXPECT_EQ(skriptInteraktivStarten(&skript), 0);
    EXPECT_EQ(pt::dialogLog().size(), 0u);
    EXPECT_EQ(fensterhandles.interaktivFenster, nullptr);
    EXPECT_EQ(skriptStatus & skriptBit::InteraktiveAusfuehrung, 0u);
    // the first start after a load lays out afresh: margin and colours
    EXPECT_EQ(std::make_pair(skript.interaktivRand, skript.interaktiv[1].farbe), std::make_pair(20, 0x0000FFu));

    // a window the platform cannot make ends the program after its message
    pt::zuruecksetzen();
    fensterhandles = {};
    pt::boxAntworten({antwort::Ok});
    std::string fehler;
    pt::fehlerBehandlungSetzen([&](const std::string& t) { fehler = t; });
    EXPECT_EQ(skriptInteraktivStarten(&skript), 0);
    pt::fehlerBehandlungSetzen({});
    EXPECT_NE(fehler.find("no window class"), std::string::npos) << fehler;
    EXPECT_EQ(pt::boxLog().at(0).text, meldungsTexte[128]);
    EXPECT_EQ(attrappe::dienste.beendenAufrufe, 1);
    EXPECT_EQ(skriptStatus & skriptBit::InteraktiveAusfuehrung, 0u);
}
