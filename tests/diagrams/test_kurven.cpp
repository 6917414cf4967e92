// tests/diagrams/test_kurven.cpp - curve preparation, point reduction and buffer capacity
#include "diagramm_hilfe.h"
#include <limits>
#include <tuple>

namespace {

// slot 0 of a plot W x 100 pixels from x 30, rows 30 (top) to 130 (bottom), values 0..100,
// over a run of `dauer` s in steps of 1 ms
struct Punkte : DiagrammFall {
    DiagrammDaten d;
    KurvenDaten& k = d.kurven[0];
    void zeichnen(int W, double dauer, std::vector<float> werte = {})
    {
        laufzeitSetzen(dauer, 0.001);
        d.plotBreite = W;
        d.plotHoehe = 100;
        d.xRand = 30;
        d.yAchseUnten = {30, 130};
        d.yAchseOben = {30, 30};
        d.maxX = dauer;
        d.maxY = 100.0;
        if (!werte.empty()) {
            k.werteAnzahl = static_cast<int>(werte.size());
            k.werte = std::move(werte);
        }
        if (k.punkte.empty())
            punktPufferBereitstellen(k, W);
        kurvePunkteBerechnen(&d, 0);
    }
    plattform::Punkt punkt(int i) const { return {k.punkte[2 * i], k.punkte[2 * i + 1]}; }
};

} // namespace

TEST_F(DiagrammFall, VorbereitenLegtPufferNurMitFensterAnKopiertKurvenUndVergroessertDiePuffer)
{
    laufzeitSetzen(0.1, 0.001);
    NeuronDaten* n = neu(1);
    DiagrammDaten& d = n->hauptDiagramm;
    const KurvenDaten& k = d.kurven[3];
    d.kurven[3].anzeigen = 1;
    d.kurven[3].farbe = plattform::KeineFarbe;
    diagrammLayoutBerechnen(n, &d, 0);
    kurvenVorbereiten(&d, -1);
    EXPECT_TRUE(k.werte.empty());
    EXPECT_EQ(k.bezeichnung, "Calciumstrom");
    // slot 12 copies the soma curve, whose buffer is shorter than its count says
    d.kurven[kurve::Soma].werte.assign(80, 3.0f);
    d.kurven[kurve::Soma].werteAnzahl = 100;
    KurvenDaten& kopie = d.kurven[12];
    kopie.anzeigen = 1;
    kopie.referenz = kurvenReferenz::Kopie;
    kopie.externeNeuronId = 1;
    kopie.externeKurveId = kurve::Soma;
    kopie.werteAnzahl = 100;

    ASSERT_EQ(diagrammErzeugen(n, &d), 1);
    EXPECT_EQ(k.werte.size(), 100u + werteReserve);
    EXPECT_EQ(k.werte[0], keineDaten);
    EXPECT_EQ(k.punktAnzahl, 0);                        // no data: buffers but no points
    EXPECT_EQ(k.farbe, diagrammVorlage.kurven[3].farbe);
    EXPECT_NE(k.stift, nullptr);
    EXPECT_EQ(kopie.werte[79], 3.0f);
    EXPECT_EQ(kopie.werte[80], keineDaten);
    EXPECT_GT(kopie.punktAnzahl, 0);
    // the room of a longer run is there before the engine writes; a shorter run keeps it
    laufzeitSetzen(1.0, 0.001);
    kurvenVorbereiten(&d, -1);
    EXPECT_EQ(k.werte.size(), 1000u + werteReserve);
    EXPECT_EQ(k.werteAnzahl, 1000);
    laufzeitSetzen(0.5, 0.001);
    kurvenVorbereiten(&d, -1);
    EXPECT_EQ(k.werte.size(), 1000u + werteReserve);
}

TEST_F(Punkte, ZweiPunkteJeSpalteNurAusLesbarenWertenUndNurMitFlaeche)
{
    std::vector<float> w(1000);                         // 1000 samples over 100 pixels
    for (int i = 0; i < 1000; ++i)
        w[i] = static_cast<float>(i % 10) * 10.0f;
    zeichnen(100, 1.0, w);
    ASSERT_GT(k.punktAnzahl, 150);
    EXPECT_EQ(k.punktAnzahl % 2, 1);                    // the last column's second point is not drawn
    const int spalten = (k.punktAnzahl + 1) / 2;
    EXPECT_EQ(punkt(0).x, 30);
    EXPECT_EQ(punkt(2 * (spalten - 1)).x, 30 + spalten - 1);
    EXPECT_EQ(punkt(2).y, 130 - 10);                    // the column of 10..90: the minimum came first
    EXPECT_EQ(punkt(3).y, 130 - 90);

    zeichnen(100, 0.01, std::vector<float>(10, 50.0f)); // 10 samples: columns 10 pixels apart
    EXPECT_EQ(k.punktAnzahl, 19);
    EXPECT_EQ(punkt(2).x - punkt(0).x, 10);
    EXPECT_EQ(punkt(0).y, punkt(1).y);                  // one sample: both points level
    // no area: no points; the buffers only grow
    const size_t platz = k.punkte.size();
    zeichnen(0, 0.01);
    EXPECT_EQ(k.punktAnzahl, 0);
    EXPECT_EQ(k.punkte.size(), platz);
    k.werteAnzahl = 100000;                             // more than the buffer holds
    zeichnen(50, 0.01);
    EXPECT_GT(k.punktAnzahl, 0);                        // read only what is there (ASan watches)
    zeichnen(2000, 0.01);                               // a wider window regrows the points
    EXPECT_GE(k.punkte.size(), 2u * 2000);
    const size_t breit = k.punkte.size();
    zeichnen(50, 0.01);
    EXPECT_EQ(k.punkte.size(), breit);
}

TEST_F(Punkte, ZeileNachVersatzZoomUndZweiterAchseAmRandBegrenzt)
{
    const struct { const char* was; float wert; double versatz, zoom, maxY; int zweite, y; } faelle[] = {
        {"above the range: the top", 1000.0f, 0.0, 1.0, 0.0, 0, 30},
        {"below the range: the bottom", -1000.0f, 0.0, 1.0, 0.0, 0, 130},
        {"an offset", 50.0f, 10.0, 1.0, 0.0, 0, 70},
        {"a zoom", 25.0f, 0.0, 2.0, 0.0, 0, 80},
        {"a second axis of 0..200", 50.0f, 0.0, 1.0, 200.0, 1, 105},
        {"a second axis without a span: the diagram's", 50.0f, 0.0, 1.0, 0.0, 1, 80},
        {"not a number: the bottom", std::numeric_limits<float>::quiet_NaN(), 0.0, 1.0, 0.0, 0, 130},
        {"an offset beyond any screen: the top", 50.0f, 1e300, 1.0, 0.0, 0, 30},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.was);
        k.yOffset = f.versatz;
        k.yZoom = f.zoom;
        k.eigeneYAchse = f.zweite;
        k.maxY = f.maxY;
        zeichnen(4, 0.004, std::vector<float>(4, f.wert));
        ASSERT_GT(k.punktAnzahl, 0);
        EXPECT_EQ(punkt(0).y, f.y);
    }
}

TEST_F(DiagrammFall, LinienformatInAlleDiagramme)
{
    NeuronDaten* a = neu(1);
    NeuronDaten* b = neu(2);
    DiagrammDaten* weiteres = diagrammAnhaengen(*b);
    for (DiagrammDaten* d : {&a->hauptDiagramm, &b->hauptDiagramm, weiteres})
        d->plotBreite = 100;                            // laid out: no notice
    DiagrammDaten quelle;
    quelle.kurven[2].farbe = 0x00FF00;
    quelle.kurven[2].yOffset = 4.0;
    kurveAktualisieren(nullptr, &quelle, 2, -1);
    for (DiagrammDaten* d : {&a->hauptDiagramm, &b->hauptDiagramm, weiteres})
        for (const KurvenDaten& k : d->kurven)
            EXPECT_EQ(std::tie(k.farbe, k.yOffset), std::make_tuple(0x00FF00u, 4.0));
    kurveAktualisieren(a, &quelle, 2, 5);
    EXPECT_EQ(a->hauptDiagramm.kurven[5].neuBerechnen, 1);
}
