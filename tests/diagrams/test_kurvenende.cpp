// tests/diagrams/test_kurvenende.cpp - a curve with fewer samples than the run has steps is
// painted up to its last sample
#include "diagramm_hilfe.h"

namespace {

using KurvenEnde = GezeigtFall;
using Art = pt::ZeichenArt;

// the painted soma line of the diagram's window
std::vector<plattform::Punkt> somaLinie(const DiagrammDaten& d)
{
    const Aufrufe linien = DiagrammFall::mit(DiagrammFall::malen(d.fenster), Art::Polylinie,
                                             d.kurven[kurve::Soma].farbe);
    return linien.size() == 1 ? linien[0].punkte : std::vector<plattform::Punkt>{};
}

} // namespace

// The no-data fill beyond the samples of a stopped run (123.4567, above this diagram's range)
// was painted as a flat line along the top edge.
TEST_F(KurvenEnde, GemalteKurveEndetBeiDerAufgezeichnetenAnzahl)
{
    d->minY = -100.0;
    d->maxY = 100.0;
    werte(*d, kurve::Soma, std::vector<float>(40, 10.0f));   // 40 of the run's 100 steps
    const KurvenDaten& k = d->kurven[kurve::Soma];
    // as the run driver, a zoom or a resize prepare the slots again
    for (int vorbereitung = 0; vorbereitung < 2; ++vorbereitung) {
        SCOPED_TRACE(vorbereitung);
        EXPECT_EQ(k.werteAnzahl, 40);
        const std::vector<plattform::Punkt> linie = somaLinie(*d);
        ASSERT_FALSE(linie.empty());
        for (const plattform::Punkt& p : linie) {
            EXPECT_EQ(p.y, zeileVon(*d, 10.0));
            EXPECT_LE(p.x, d->xRand + (40 * d->plotBreite) / 100);
        }
        EXPECT_GE(linie.back().x, d->xRand + (39 * d->plotBreite) / 100 - 1);
        d->kurven[kurve::Soma].neuBerechnen = 1;
        kurvenVorbereiten(d, -1);
    }
    // zoomed in, the samples keep their times: a window past the last one shows nothing,
    // one across it ends there
    std::tie(d->minX, d->maxX) = std::tuple(0.05, 0.1);
    diagrammLayoutBerechnen(n, d, 0);
    kurvenVorbereiten(d, -1);
    EXPECT_TRUE(somaLinie(*d).empty());
    std::tie(d->minX, d->maxX) = std::tuple(0.02, 0.06);
    diagrammLayoutBerechnen(n, d, 0);
    kurvenVorbereiten(d, -1);
    const std::vector<plattform::Punkt> linie = somaLinie(*d);
    ASSERT_FALSE(linie.empty());
    EXPECT_LE(linie.back().x, d->xRand + d->plotBreite / 2);
    EXPECT_GE(linie.back().x, d->xRand + d->plotBreite / 2 - d->plotBreite / 20 - 1);
}
