// tests/diagrams/test_laufanzeige.cpp - the open diagram windows during and after a run of
// a network built in code
#include "diagramm_hilfe.h"
#include "model/laufhaken.h"
#include "model/laufstart.h"

namespace {

constexpr plattform::Farbe braun = plattform::rgbFarbe(128, 64, 32);

// the soma curve's last polyline in the window's last paint: its right end, or -1
int rechtesEnde(plattform::Fenster f)
{
    int x = -1;
    for (const pt::ZeichenAufruf& a : pt::letzteZeichnung(f))
        if (a.art == pt::ZeichenArt::Polylinie && a.zustand.stift.farbe == braun && !a.punkte.empty())
            x = a.punkte.back().x;
    return x;
}

int schritt = 0;
plattform::Fenster beobachtet = nullptr;
std::vector<int> enden;            // the curve's right end as the pump painted it, every 100 steps

struct Laufanzeige : DiagrammFall {
    void SetUp() override
    {
        DiagrammFall::SetUp();
        laufZustand = {};
        laufHaken = {};
        schritt = 0;
        enden.clear();
        // each step takes a millisecond of the clock, so the throttled pump comes in the run
        laufHaken.synapsen = [] {
            plattform::test::uhrVorstellen(1.0, false);
            if (++schritt % 100 == 0)
                enden.push_back(rechtesEnde(beobachtet));
        };
    }
    void TearDown() override
    {
        laufHaken = {};
        laufZustand = {};
        beobachtet = nullptr;
        DiagrammFall::TearDown();
    }
};

} // namespace

TEST_F(Laufanzeige, KurvenWachsenWaehrendDesLaufsUndStehenDanachGanz)
{
    laufzeitSetzen(1.0, 0.001);
    diagrammLayoutBerechnen(&stdNeuron, &diagrammVorlage, 0);
    // two neurons that hold their start potential (no model step)
    NeuronDaten* a = neu(1);
    NeuronDaten* b = neu(2);
    a->modellTyp = b->modellTyp = 0;
    DiagrammDaten& d = gezeigt(a);
    gezeigt(b);
    DiagrammDaten* weiteres = diagrammAnzeigen(a, nullptr);
    ASSERT_NE(weiteres, nullptr);
    weiteres->kurven[kurve::Soma].anzeigen = 1;
    beobachtet = d.fenster;
    for (NeuronDaten* n : {a, b})
        ASSERT_TRUE(laufDiagrammeVorbereiten(*n));
    ASSERT_GE(simulationAusfuehren(), 1000);

    // during the run the curve grew from the left, never past the samples written
    ASSERT_EQ(enden.size(), 10u);
    EXPECT_EQ(enden.front(), -1);                        // nothing painted before the first pump
    const int rechts = d.xRand + d.plotBreite;
    int vorher = d.xRand, gewachsen = 0;
    for (size_t i = 0; i < enden.size(); ++i) {
        const int e = enden[i];
        if (e < 0)
            continue;
        EXPECT_GE(e, vorher);
        EXPECT_LE(e, d.xRand + d.plotBreite * static_cast<int>(i + 1) / 10 + 1) << i;
        gewachsen += e > vorher;
        vorher = e;
    }
    EXPECT_GE(gewachsen, 2);
    EXPECT_LT(vorher, rechts - 1);
    // the finished flag in every diagram; the drivers' transfer paints the whole curves
    EXPECT_EQ(d.neuZeichnen, 1);
    EXPECT_EQ(weiteres->neuZeichnen, 1);
    EXPECT_EQ(b->hauptDiagramm.neuZeichnen, 1);
    for (NeuronDaten* n : {a, b})
        laufKurvenUebertragen(*n);
    EXPECT_GE(rechtesEnde(d.fenster), rechts - 1);
    EXPECT_EQ(d.neuZeichnen, 0);                         // the paint ended the new-data state
    EXPECT_FALSE(d.zustand & 0x8000);
    const float wert = d.kurven[kurve::Soma].werte[500];
    const int zeile = d.yAchseUnten[1] - static_cast<int>((wert - d.minY) * d.plotHoehe / (d.maxY - d.minY) + 0.5);
    for (const pt::ZeichenAufruf& x : pt::letzteZeichnung(d.fenster))
        if (x.art == pt::ZeichenArt::Polylinie)
            EXPECT_EQ(x.punkte.front().y, zeile);
    EXPECT_EQ(weiteres->kurven[kurve::Soma].werte[500], wert);      // the further diagram's copy
    EXPECT_GE(rechtesEnde(weiteres->fenster), rechts - 1);
}
