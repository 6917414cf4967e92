// tests/diagrams/test_diagrammmaus.cpp - the mouse over a diagram window: the measuring
// cursors of both kinds under both cursor options, double clicks and what they find,
// dragged labels and axes, the highlight of a curve, the arrow of the first move
#include "hauptfenster_hilfe.h"
#include "diagrams/diagrammbefehle.h"
#include "model/spikefolge.h"
#include "resources/diagrammmenue.h"

namespace {

namespace ts = plattform::tastenStatus;
using plattform::Fenster;

struct MausFall : MitHauptfensterFall {
    void bewegen(int x, int y, uintptr_t tasten = 0) { diagrammMausBewegung(d->fenster, x, y, tasten); }
    void loslassen(int x, int y, uintptr_t tasten = 0) { diagrammLinksLoslassen(d->fenster, x, y, tasten); }
    // the layout dialog opened by a double click, and the field it focused
    int layoutFokus(int x, int y, uintptr_t tasten = 0)
    {
        int fokus = -1;
        pt::dialogSkript(127, {pt::DialogSchritt([&](Fenster dlg) { fokus = pt::dialogFokus(dlg); }),
                               pt::schritt::klicken(2)});
        doppelklick(x, y, tasten);
        return fokus;
    }
    size_t geoeffnet(int vorlage) const
    {
        const auto& log = pt::dialogLog();
        return static_cast<size_t>(std::count_if(log.begin(), log.end(), [&](auto& o) { return o.vorlage == vorlage; }));
    }
    // slot s with a flat line at value v over the whole window
    void linie(int s, float v)
    {
        werte(*d, s, std::vector<float>(100, v));
    }
};

using Zustaende = std::vector<std::tuple<int, int, uint32_t>>;   // state, second moving, shown bits

TEST_F(MausFall, WertcursorLebenMitRechtemUmschaltklickGreifenUndLeeremKlick)
{
    const int x = 400, y1 = zeile(-20.0), y2 = zeile(-60.0);
    Zustaende z;
    auto merken = [&] { z.emplace_back(d->hCursorZustand, d->zweiterHCursor, d->zustand & 0xF0000u); };
    pt::tastenZustandSetzen(ts::RechtsUmschalt, true);
    einzelklick(d->xAchseLinks[0] - 5, y1);   // outside the axes: nothing
    merken();
    einzelklick(x, y1);
    merken();
    pt::tastenZustandSetzen(ts::RechtsUmschalt, false);
    einzelklick(x, y1);
    merken();
    bewegen(x, y2);
    EXPECT_NEAR(d->hCursor2, -60.0, 0.5);
    EXPECT_NEAR(d->hCursorAbstand, 40.0, 0.5);
    loslassen(x, y2);
    merken();
    einzelklick(x, y2 + 2);   // on the second cursor, away from the labels: grabbed again
    merken();
    bewegen(x, zeile(-70.0));
    loslassen(x, zeile(-70.0));
    merken();
    EXPECT_NEAR(d->hCursor2, -70.0, 0.5);
    EXPECT_NEAR(d->hCursor1, -20.0, 0.5);
    einzelklick(x, zeile(30.0));   // grabs nothing: the cursors go on button up
    loslassen(x, zeile(30.0));
    merken();
    EXPECT_EQ(z, (Zustaende{{0, 0, 0u}, {1, 0, 0x40000u}, {2, 1, 0xC0000u}, {3, 1, 0xC0000u}, {2, 1, 0xC0000u},
                            {3, 1, 0xC0000u}, {0, 0, 0u}}));
}

TEST_F(MausFall, KeineArtBeginntWaehrendDerErsteCursorDerAnderenSteht)
{
    pt::tastenZustandSetzen(ts::LinksUmschalt, true);
    einzelklick(300, 300);
    pt::tastenZustandSetzen(ts::LinksUmschalt, false);
    pt::tastenZustandSetzen(ts::RechtsUmschalt, true);
    einzelklick(400, 300);   // the time cursors' second click; no value cursor starts
    EXPECT_EQ(std::make_pair(d->vCursorZustand, d->hCursorZustand), std::make_pair(2, 0));
    loslassen(400, 300);
    einzelklick(600, 300);   // state 3, nothing grabbed
    loslassen(600, 300);
    EXPECT_EQ(d->vCursorZustand, 0);
    einzelklick(500, 300);   // now the value cursors may start, and the time cursors may not
    pt::tastenZustandSetzen(ts::RechtsUmschalt, false);
    pt::tastenZustandSetzen(ts::LinksUmschalt, true);
    einzelklick(500, 200);
    EXPECT_EQ(std::make_tuple(d->vCursorZustand, d->hCursorZustand, d->zustand & 0x30000u), std::make_tuple(0, 2, 0u));
}

TEST_F(MausFall, ZweiterZeitcursorFolgtGegriffenUndStrgLoslassenZoomtAufsteigend)
{
    pt::tastenZustandSetzen(ts::LinksUmschalt, true);
    einzelklick(spalte(0.06), 300);
    pt::tastenZustandSetzen(ts::LinksUmschalt, false);
    einzelklick(spalte(0.06), 300);
    bewegen(spalte(0.02), 300, plattform::maus::Links);   // far from both cursors: not grabbed yet
    EXPECT_NEAR(d->vCursor2, 0.06, 1e-3);
    bewegen(spalte(0.06) + 2, 300, plattform::maus::Links);
    bewegen(spalte(0.02), 300, plattform::maus::Links);
    EXPECT_EQ(d->vCursorGegriffen, 1);
    EXPECT_NEAR(d->vCursorAbstand, 0.04, 1e-3);
    loslassen(spalte(0.02), 300, plattform::maus::Strg);
    EXPECT_NEAR(d->minX, 0.02, 1e-3);
    EXPECT_NEAR(d->maxX, 0.06, 1e-3);
    EXPECT_EQ(std::make_tuple(d->vCursorZustand, d->zweiterVCursor, d->vCursor2, d->zustand & 0xF0000u),
              std::make_tuple(0, 0, 0.0, 0u));
}

TEST_F(MausFall, MitMenuecursorFuehrenKlicksNichtsEinUndVersetzenImZustandFuenfDasPaar)
{
    diagrammOptionen.kontextMenuCursor = 1;
    pt::tastenZustandSetzen(ts::LinksUmschalt, true);
    einzelklick(spalte(0.05), 300);
    pt::tastenZustandSetzen(ts::LinksUmschalt, false);
    EXPECT_EQ(d->vCursorZustand, 0);   // the option places cursors through the menu only
    // a state 1 left from before the option turned on counts as placed through the menu
    d->hCursorZustand = 1;
    einzelklick(400, 300);
    EXPECT_EQ(d->hCursorZustand, 4);
    d->hCursorZustand = 0;
    letzterKlickpunkt = {spalte(0.02), 300};
    diagrammBefehl(d->fenster, 51089, 0, 0);
    EXPECT_EQ(d->vCursorZustand, 4);
    bewegen(spalte(0.02) + 1, 300, plattform::maus::Links);   // near the first with the button: it moves
    bewegen(spalte(0.03), 300, plattform::maus::Links);
    EXPECT_NEAR(d->vCursor1, 0.03, 1e-3);
    loslassen(spalte(0.03), 300);
    letzterKlickpunkt = {spalte(0.07), 300};
    diagrammBefehl(d->fenster, 51089, 0, 0);
    EXPECT_EQ(std::make_tuple(d->vCursorZustand, d->zweiterVCursor), std::make_tuple(5, 1));
    // a click on the first cursor makes the second the first and puts the second at the click
    einzelklick(spalte(0.03) + 1, 300);
    loslassen(spalte(0.03) + 1, 300);
    EXPECT_NEAR(d->vCursor1, 0.07, 1e-3);
    EXPECT_NEAR(d->vCursor2, 0.031, 1e-3);
    EXPECT_EQ(d->vCursorZustand, 5);   // button up keeps them with the option on
}

TEST_F(MausFall, DerSchalterRaeumtPlatzierteZeitcursorVorDemUmschalten)
{
    pt::tastenZustandSetzen(ts::LinksUmschalt, true);
    einzelklick(300, 300);
    pt::tastenZustandSetzen(ts::LinksUmschalt, false);
    einzelklick(400, 300);
    loslassen(400, 300);
    ASSERT_EQ(d->vCursorZustand, 3);
    diagrammBefehl(d->fenster, diagrammBefehlKontextMenuCursor, 0, 0);
    EXPECT_EQ(std::make_tuple(d->vCursorZustand, d->vCursor2, d->zustand & 0x30000u, diagrammOptionen.kontextMenuCursor),
              std::make_tuple(0, 0.0, 0u, 1));
}

TEST_F(MausFall, ZweiKlickeInDerZeitSindEinDoppelklickSpaetereZweiEinzelne)
{
    pt::dialogSkript(127, {pt::schritt::klicken(2)});
    diagrammLinksKlick(d->fenster, 0, 400, 300, 0);
    EXPECT_EQ(pt::zeitgeberPeriode(fensterhandles.hauptfenster, 6), 300.0);
    pt::uhrVorstellen(299);
    diagrammLinksKlick(d->fenster, 0, 400, 300, 0);
    EXPECT_EQ(geoeffnet(127), 1u);
    pt::uhrVorstellen(400);
    diagrammLinksKlick(d->fenster, 0, 400, 300, 0);
    pt::uhrVorstellen(301);
    EXPECT_EQ(doppelklickAktiv, 0);
    diagrammLinksKlick(d->fenster, 0, 400, 300, 0);
    EXPECT_EQ(doppelklickAktiv, 1);
    EXPECT_EQ(geoeffnet(127), 1u);
}

TEST_F(MausFall, JedesAchsenfeldOeffnetDasLayoutAufSeinemFeld)
{
    const int ax = d->yAchseX, xy = d->xAchseY, rechts = d->xAchseRechts[0], oben = d->yAchseOben[1],
              unten = d->yAchseUnten[1], halb = d->plotBreite / 2;
    const struct { int x, y, fokus; } faelle[] = {
        {ax + 15, xy + 5, 1134},                 // where the axes cross
        {ax + 30, xy - 8, 1140},                 // left half of the time axis
        {rechts - 60, xy + 8, 1142},             // right half
        {rechts - halb, xy, 1140},               // the halves meet: the left one comes first
        {rechts - 20, xy, 1136},                 // its last 50 pixels: the tick interval
        {ax - 5, xy + 15, 1133},                 // the crossing on the value axis
        {ax, oben + 20, 1138},                   // top of the value axis: the tick interval
        {ax + 5, oben + 100, 1145},              // upper part: value to
        {ax - 5, unten - 100, 1144},             // lower part: value from
        {ax, unten - 10, 1138},                  // bottom 50 pixels: the tick interval
        {5, 300, 1101},                          // the side margin
        {400, plattform::clientRechteck(d->fenster).unten - 4, 1105},   // top and bottom margin
    };
    for (const auto& f : faelle)
        EXPECT_EQ(layoutFokus(f.x, f.y), f.fokus) << f.x << "," << f.y;
}

TEST_F(MausFall, DieLinieEinerReferenzkurveBeendetDieKurvensuche)
{
    linie(0, -80.0f);
    linie(1, 20.0f);
    const int x = 300, y = zeile(20.0) + 2;
    d->kurven[0].referenz = kurvenReferenz::Gespeichert;
    layoutFokus(x, y);   // nothing found: the plot itself, the layout dialog
    EXPECT_EQ(std::make_pair(geoeffnet(127), d->kurven[1].hervorheben), std::make_pair(size_t{1}, 0));
    d->kurven[0].referenz = kurvenReferenz::Eigen;
    d->kurven[1].punktAnzahl = 1 << 20;   // more than its buffer holds: only the buffer is read
    pt::dialogSkript(128, {pt::schritt::klicken(2)});
    doppelklick(x, y);
    EXPECT_EQ(geoeffnet(128), 1u);
    EXPECT_EQ(diagrammBefehle().back(), diagrammBefehlKurven);
}

TEST_F(MausFall, EineGetroffeneKurveLeuchtetBisZeitgeberAchtUndStrgPasstSieAn)
{
    linie(1, 20.0f);
    d->kurven[1].werte[80] = 25.0f;
    linie(17, -40.0f);
    d->kurven[17].werte[50] = -30.0f;
    const double minY = d->minY;
    diagrammLinksKlick(d->fenster, 0, 300, zeile(20.0), 0);
    diagrammLinksKlick(d->fenster, 0, 300, zeile(20.0), plattform::maus::Strg);
    EXPECT_EQ(d->kurven[1].hervorheben, 1);
    EXPECT_EQ(std::make_pair(aktuellesDiagramm.diagramm, aktuellesDiagramm.kurvenSlot), std::make_pair(d, 1));
    EXPECT_EQ(pt::zeitgeberPeriode(fensterhandles.hauptfenster, 8), 500.0);
    EXPECT_EQ(diagrammBefehle().back(), kurveOptimierenBefehl(1));
    EXPECT_NEAR(d->minY, 20.0 - 0.25, 1e-6);   // the samples of the window, a twentieth beyond
    EXPECT_NEAR(d->maxY, 25.0 + 0.25, 1e-6);
    pt::uhrVorstellen(501);
    EXPECT_EQ(d->kurven[1].hervorheben, 0);
    d->minY = minY, d->maxY = 50.0;
    diagrammLayoutBerechnen(n, d, 0);
    kurvenVorbereiten(d, -1);
    diagrammLinksKlick(d->fenster, 0, 300, zeile(-40.0), 0);
    diagrammLinksKlick(d->fenster, 0, 300, zeile(-40.0), plattform::maus::Strg);
    EXPECT_EQ(diagrammBefehle().back(), 41117);   // slot 17 has an id of its own
    EXPECT_NEAR(d->maxY, -30.0 + 0.5, 1e-6);
}

TEST_F(MausFall, EtikettenUndZweiteAchseZiehenSpeichernIhreLage)
{
    pt::tastenZustandSetzen(ts::RechtsUmschalt, true);
    einzelklick(400, zeile(-20.0));
    pt::tastenZustandSetzen(ts::RechtsUmschalt, false);
    einzelklick(400, zeile(-20.0));
    bewegen(400, zeile(-60.0));
    loslassen(400, zeile(-60.0));
    ASSERT_EQ(d->hCursorZustand, 3);
    // the first label sits verschiebungX right of the value axis, on either cursor's row
    const int etikett = d->yAchseUnten[0] + d->verschiebungX;
    einzelklick(etikett + 10, zeile(-20.0));
    EXPECT_TRUE(anzeigeStatus & 0x40);
    bewegen(300, zeile(-20.0));
    EXPECT_EQ(d->verschiebungX, 300 - d->xAchseLinks[0]);
    loslassen(310, zeile(-20.0));
    EXPECT_EQ(std::make_pair(d->verschiebungX, anzeigeStatus & 0x40u), std::make_pair(310 - d->xAchseLinks[0], 0u));
    // the second sits verschiebungY left of the time axis' end, halfway between the rows
    einzelklick(d->xAchseRechts[0] - d->verschiebungY - 10, zeile(-40.0) + 10);
    EXPECT_TRUE(anzeigeStatus & 0x80);
    loslassen(600, zeile(-40.0));
    EXPECT_EQ(std::make_pair(d->verschiebungY, anzeigeStatus & 0x80u), std::make_pair(d->xAchseRechts[0] - 600, 0u));
    EXPECT_EQ(d->hCursorZustand, 3);
    // a second y-axis by its hit rectangle
    KurvenDaten& k = d->kurven[2];
    k.eigeneYAchse = 1, k.trefferRechteck = {400, 100, 420, 200};
    einzelklick(420, 200);   // its edges count
    EXPECT_EQ(std::make_pair(k.ziehen, aktuellesDiagramm.kurvenSlot), std::make_pair(1, 2));
    const int x75 = d->xAchseRechts[0] - d->plotBreite / 4;
    bewegen(x75, 150);
    EXPECT_NEAR(k.xPos, 75.0, 1e-9);
    loslassen(x75, 150);
    EXPECT_EQ(k.ziehen, 0);
    bewegen(200, 150);
    EXPECT_NEAR(k.xPos, 75.0, 1e-9);
}

TEST_F(MausFall, RechtsklickMerktDenPunktUndWaehltDasMenueNachDemOrt)
{
    d->kurven[3].anzeigen = 1, d->kurven[3].bezeichnung = "K";
    d->kurven[3].legendeRechteck = {600, 40, 700, 52};
    pt::popupAntworten({0, 0, 0});
    diagrammRechtsKlick(d->fenster, 0, 700, 52, 0);
    EXPECT_EQ(pt::popupLog().back(), (std::vector<int>{51054, kurveOptimierenBefehl(3)}));
    EXPECT_EQ(std::make_pair(letzterKlickpunkt.x, letzterKlickpunkt.y), std::make_pair(700, 52));
    d->kurven[3].legendeRechteck = {};   // a legend not drawn holds no point, not even its corner
    diagrammRechtsKlick(d->fenster, 0, 0, 0, 0);
    EXPECT_EQ(pt::popupLog().back().front(), 51086);
    n->druckAktiv = 1;   // while it prints: only the point is kept
    diagrammRechtsKlick(d->fenster, 0, 400, 300, 0);
    EXPECT_EQ(pt::popupLog().size(), 2u);
    EXPECT_EQ(letzterKlickpunkt.x, 400);
    n->druckAktiv = 0;
}

TEST_F(MausFall, DerErsteMausschrittLaedtUndSetztDenPfeilEinmal)
{
    const DiagrammCursor vorher = diagrammCursor;
    diagrammCursor = {};
    diagrammPfeilGesetzt = false;
    plattform::fensterCursorSetzen(d->fenster, nullptr);
    bewegen(400, 300);
    EXPECT_EQ(diagrammCursor.standard, plattform::standardCursor(plattform::cursorArt::Pfeil));
    EXPECT_EQ(pt::fensterCursor(d->fenster), diagrammCursor.standard);
    plattform::fensterCursorSetzen(d->fenster, plattform::standardCursor(plattform::cursorArt::Kreuz));
    bewegen(410, 300);
    EXPECT_EQ(pt::fensterCursor(d->fenster), plattform::standardCursor(plattform::cursorArt::Kreuz));
    diagrammCursor = vorher;
}

TEST_F(MausFall, DerDoppelklickAufDenKastenEinesBurstsZeigtIhnDanebenGehtErWeiter)
{
    n->spikefolge.an = 1;
    n->name = "A";
    SpikefolgenBewertung& b = n->spikefolgenBewertung;
    b.code = spikefolgenCode::Bursts;
    BurstDaten burst;
    burst.dauer = 0.046875;
    burst.intervallAnzahl = 3;
    burst.mittleresIsi = 0.015625;
    burst.luecke = 0.453125;
    burst.kasten = {390, 290, 410, 310};
    b.bursts = {burst};
    pt::boxAntworten({1});
    doppelklick(400, 300);
    ASSERT_EQ(pt::boxLog().size(), 1u);
    EXPECT_EQ(pt::boxLog()[0].text, "Burst 1 von \"A\":\nDauer: 0.0469 s\nSpikes: 4\nFrequenz: 64.00 Hz\n"
                                    "mittleres ISI: 0.0156 s (SD 0.0000)\nAbstand zum n\xE4" "chsten Burst: 0.4531 s "
                                    "(Periode 0.5000 s)");
    EXPECT_EQ(geoeffnet(127), 0u);
    // a box the painter has not drawn takes no click: on to the plot's layout dialog
    b.bursts[0].kasten = {};
    layoutFokus(400, 300);
    EXPECT_EQ(geoeffnet(127), 1u);
    EXPECT_EQ(pt::boxLog().size(), 1u);
}

} // namespace
