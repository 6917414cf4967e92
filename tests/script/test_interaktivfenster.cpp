// tests/script/test_interaktivfenster.cpp - the interactive script window, its double click and dialog 313
#include "script/interaktiv.h"
#include "core/skriptwerte.h"
#include "core/status.h"
#include "model/skript.h"
#include "platform/box.h"
#include "platform/menue.h"
#include "platform/test/testplattform.h"
#include "rahmen_attrappe.h"
#include "resources/befehle.h"
#include "texts/texte.h"
#include <gtest/gtest.h>
#include <tuple>

namespace {
using namespace plattform;
namespace pt = plattform::test;

// what reached the stand-in main window: message, w (Befehl: with l in the high half)
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
        klasseRegistrieren({"haupt probe", hauptProbe});
        klasseRegistrieren({meldungsTexte[17], interaktivFensterProc});
        haupt = fensterhandles.hauptfenster = fensterErzeugen("haupt probe", "", stil::Sichtbar, 0, 0, 600, 400);
        // three slots: a loop of five passes at its second, a loop of one pass, none
        skript.interaktivAnzahl = 3;
        skript.schleifen[1] = {5, 1, 0};
        skript.schleifen[2] = {1, 0, 0};
        for (int i = 1; i <= 3; ++i)
            skript.interaktiv[static_cast<size_t>(i)] = {i == 1 ? "ruhe" : "x", -0.07, 0.002, -0.068, i % 3};
        skript.interaktivRand = 20;
        interaktivFarbenSetzen(skript);
    }
    void TearDown() override
    {
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
    neuZeichnen(f);
    std::vector<std::tuple<int, int, int, int, Farbe, int>> balken;
    std::vector<std::tuple<int, int, std::string, int>> texte;
    for (const pt::ZeichenAufruf& a : pt::letzteZeichnung(f)) {
        const Rechteck& r = a.rechteck;
        if (a.art == pt::ZeichenArt::Rechteck)
            balken.emplace_back(r.links, r.oben, r.rechts, r.unten, a.zustand.pinsel, a.zustand.stift.breite);
        if (a.art == pt::ZeichenArt::Text && texte.size() < 5)
            texte.emplace_back(a.punkte[0].x, a.punkte[0].y, a.text, a.zustand.schrift.hoehe);
    }
    // red, green, blue on a common base; the loop of one pass, and none, at the minimum
    EXPECT_EQ(balken, (decltype(balken){{20, 195, 92, 256, 0x0000FF, 2}, {164, 246, 236, 256, 0x00FF00, 2},
                                        {308, 246, 380, 256, 0xFF0000, 2}}));
    EXPECT_EQ(texte, (decltype(texte){{110, 26, "Rest:   0:00:04", -11}, {272, 26, "    2 -> 40%", -11},
                                      {56, 275, "-0.068", -11}, {56, 294, "ruhe", -11}, {56, 314, "0.002", -11}}));
    EXPECT_EQ(pt::zeichenObjekteLebend(), 0);
}

TEST_F(InteraktivFenster, DoppelklickAufEinenBalkenOeffnet313UndSpeichertNurGueltigeFelder)
{
    const Fenster f = fenster();
    // a single click opens nothing: it starts the double-click time of the main window
    pt::klicken(f, 50, 250);
    nachrichtenVerarbeiten();
    EXPECT_EQ(std::make_tuple(pt::dialogLog().size(), doppelklickAktiv, pt::zeitgeberPeriode(haupt, 6)),
              std::make_tuple(size_t{0}, 1, 400.0));
    // the second, on the bar's corner: a field without a number is refused and named, then
    // everything is stored, the decimal comma read
    pt::dialogSkript(313, {[](Fenster d) { EXPECT_EQ(elementText(d, 2072) + elementText(d, 2074), "ruhe-0.07"); },
                           pt::schritt::tippen(2074, "-0,06"), pt::schritt::tippen(2075, "nan"), pt::schritt::klicken(1),
                           [](Fenster) { EXPECT_EQ(skript.interaktiv[1].start, -0.07); },
                           pt::schritt::tippen(2075, "0,001"), pt::schritt::tippen(2076, "4"), pt::schritt::klicken(1)});
    pt::boxAntworten({antwort::Ok});
    pt::klicken(f, 92, 195);
    nachrichtenVerarbeiten();
    EXPECT_NE(pt::boxLog().at(0).text.find("Schrittweite"), std::string::npos) << pt::boxLog().at(0).text;
    EXPECT_EQ(std::make_tuple(skript.interaktiv[1].start, skript.interaktiv[1].schritt, skript.fortsetzenBei,
                              skript.interaktivGeaendert, skriptStatus & 0xC000u),
              std::make_tuple(-0.06, 0.001, 4, 1, skriptBit::InteraktivGeaendert | skriptBit::Fortsetzen));
    // Cancel changes nothing; a continue-at of 0 leaves the continue bit as it is
    skriptStatus = skriptBit::Laeuft | skriptBit::InteraktiveAusfuehrung;
    pt::dialogSkript(313, {pt::schritt::tippen(2074, "1"), pt::schritt::klicken(2)});
    pt::dialogSkript(313, {pt::schritt::tippen(2076, "0"), pt::schritt::klicken(1)});
    doppelklick(f, 200, 250);
    EXPECT_EQ(std::make_tuple(skript.interaktiv[2].start, skriptStatus & 0xC000u), std::make_tuple(-0.07, 0u));
    doppelklick(f, 340, 250);
    EXPECT_EQ(std::make_tuple(skript.interaktivGeaendert, skript.fortsetzenBei, skriptStatus & skriptBit::Fortsetzen),
              std::make_tuple(3, 0, 0u));
    // between the bars, and once the interactive run is over, nothing opens
    doppelklick(f, 130, 250);
    skriptStatus &= ~skriptBit::InteraktiveAusfuehrung;
    doppelklick(f, 50, 250);
    EXPECT_EQ(pt::dialogLog().size(), 3u);
}

TEST_F(InteraktivFenster, SchliessenTastenUndMenueGehenAnsHauptfenster)
{
    const Fenster f = fenster();
    pt::tasteDruecken(f, taste::Esc, 27);
    ASSERT_TRUE(pt::menueBefehlWaehlen(f, befehlSimulationAbbrechen));
    nachrichtenVerarbeiten();
    // the close box is the main window's cancel; the window stays while the run goes on
    senden(f, nachricht::Schliessen);
    EXPECT_TRUE(istFenster(f));
    const uintptr_t abbrechen = machWParam(befehlSimulationAbbrechen, 0) | uintptr_t{0x10001} << 32;
    EXPECT_EQ(anHaupt, (decltype(anHaupt){{nachricht::TasteRunter, taste::Esc}, {nachricht::Zeichen, 27},
                                          {nachricht::Befehl, abbrechen}, {nachricht::Befehl, abbrechen}}));
    // its place is remembered for the next window
    verschieben(f, 30, 40, 450, 390);
    skriptStatus &= ~skriptBit::InteraktiveAusfuehrung;
    senden(f, nachricht::Schliessen);
    EXPECT_EQ(std::make_pair(istFenster(f), fensterhandles.interaktivFenster), std::make_pair(false, Fenster{}));
    ASSERT_EQ(interaktivFensterErzeugen(), 1);
    const Rechteck r = fensterRechteck(fensterhandles.interaktivFenster);
    EXPECT_EQ(std::make_tuple(r.links, r.oben, r.breite(), r.hoehe()), std::make_tuple(30, 40, 450, 390));
}

// the executor's end closes the window; a run that does not start must close it too, or the
// window would stay with its close box refused for good
TEST_F(InteraktivFenster, EinLaufDerNichtStartetLaesstKeinFensterZurueck)
{
    skriptStatus = skriptBit::Geladen;
    skript.interaktivRand = 0;
    skript.interaktiv[1].farbe = 0;
    EXPECT_EQ(skriptInteraktivStarten(&skript), 0);   // a script without simulations
    EXPECT_EQ(std::make_pair(fensterhandles.interaktivFenster, skriptStatus), std::make_pair(Fenster{}, skriptBit::Geladen));
    // the first start after a load lays out afresh
    EXPECT_EQ(std::make_pair(skript.interaktivRand, skript.interaktiv[1].farbe), std::make_pair(20, 0x0000FFu));

    // a window the platform cannot make ends the program after its message
    pt::zuruecksetzen();
    fensterhandles = {};
    pt::boxAntworten({antwort::Ok});
    pt::fehlerBehandlungSetzen([](const std::string&) {});
    EXPECT_EQ(skriptInteraktivStarten(&skript), 0);
    pt::fehlerBehandlungSetzen({});
    EXPECT_EQ(std::make_tuple(pt::boxLog().at(0).text, attrappe::dienste.beendenAufrufe, skriptStatus),
              std::make_tuple(meldungsTexte[128], 1, skriptBit::Geladen));
}

// the end of each run copies its progress texts, without their tabs, into the window's header
TEST_F(InteraktivFenster, KopfzeilenKommenAusDenFortschrittstextenDesLaufs)
{
    for (const uint32_t interaktiv : {0u, skriptBit::InteraktiveAusfuehrung}) {
        skriptStatus = skriptBit::Laeuft | interaktiv;
        skriptLaufwerte = {};
        skriptLaufwerte.lauf = 1;
        skriptLaufwerte.laeufe = 5;
        skriptLaufEnde();
        EXPECT_EQ(skriptLaufwerte.interaktivZeilen[1], interaktiv ? "    2 -> 40%" : "");
        EXPECT_EQ("\t" + skriptLaufwerte.interaktivZeilen[0], interaktiv ? statusTexte[1] : "\t");
    }
}
