// tests/diagrams/test_kurven.cpp - curve preparation, point reduction, buffer capacity and
// the layout
#include "diagramm_hilfe.h"
#include <limits>

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

using Layout = GezeigtFall;

} // namespace

TEST_F(DiagrammFall, VorbereitenLegtPufferNurMitFensterAnKopiertKurvenUndVergroessertDiePuffer)
{
    laufzeitSetzen(0.1, 0.001);
    NeuronDaten* n = neu(1);
    DiagrammDaten& d = n->hauptDiagramm;
    KurvenDaten& k = d.kurven[3];
    k.anzeigen = 1;
    k.farbe = plattform::KeineFarbe;
    diagrammLayoutBerechnen(n, &d, 0);
    kurvenVorbereiten(&d, -1);
    EXPECT_EQ(std::make_tuple(k.werte.empty(), k.bezeichnung), std::make_tuple(true, "Calciumstrom"));
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
    // in a window: buffers, but no points without data; the template's colour
    EXPECT_EQ(std::make_tuple(k.werte.size(), k.werte[0], k.punktAnzahl, k.farbe, k.stift != nullptr),
              std::make_tuple(100u + werteReserve, keineDaten, 0, diagrammVorlage.kurven[3].farbe, true));
    EXPECT_EQ(std::make_tuple(kopie.werte[79], kopie.werte[80], kopie.punktAnzahl > 0),
              std::make_tuple(3.0f, keineDaten, true));
    // the room of a longer run is there before the engine writes; a shorter run keeps it
    for (double dauer : {1.0, 0.5}) {
        laufzeitSetzen(dauer, 0.001);
        kurvenVorbereiten(&d, -1);
        EXPECT_EQ(k.werte.size(), 1000u + werteReserve);
    }
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
    // the column of 10..90 from the left: the minimum came first
    EXPECT_EQ(std::make_tuple(punkt(0).x, punkt(2 * (spalten - 1)).x, punkt(2).y, punkt(3).y),
              std::make_tuple(30, 30 + spalten - 1, 130 - 10, 130 - 90));
    zeichnen(100, 0.01, std::vector<float>(10, 50.0f)); // 10 samples: columns 10 pixels apart, points level
    EXPECT_EQ(std::make_tuple(k.punktAnzahl, punkt(2).x - punkt(0).x, punkt(1).y),
              std::make_tuple(19, 10, punkt(0).y));
    // no area: no points; the buffers only grow
    const size_t platz = k.punkte.size();
    zeichnen(0, 0.01);
    EXPECT_EQ(std::make_tuple(k.punktAnzahl, k.punkte.size()), std::make_tuple(0, platz));
    k.werteAnzahl = 100000;                             // more than the buffer holds
    zeichnen(50, 0.01);
    EXPECT_GT(k.punktAnzahl, 0);                        // read only what is there (ASan watches)
    zeichnen(2000, 0.01);                               // a wider window regrows the points
    EXPECT_GE(k.punkte.size(), 2u * 2000);
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
    // a sample that is no number ends the line: nothing of it is drawn
    zeichnen(4, 0.004, std::vector<float>(4, std::numeric_limits<float>::quiet_NaN()));
    EXPECT_EQ(k.punktAnzahl, 0);
}

TEST_F(Layout, PlotflaecheZeitfensterTicksAchsenkreuzungEineKurveSchriftenUndStifte)
{
    laufzeitSetzen(2.0, 0.001);
    d->breite = 300;                                   // the layout keeps the size
    d->hoehe = 200;
    d->maxX = d->xUrsprung = -1.0;                     // the whole run
    d->minY = -100.0;
    d->maxY = 50.0;
    d->yUrsprung = 200.0;
    for (KurvenDaten& k : d->kurven)
        k.anzeigen = 0;
    standardSchrift.punkte = 10;
    diagrammLayoutBerechnen(n, d, 0);
    // margins of 30, the origins in the range, something always shown, a font of its own
    EXPECT_EQ(std::make_tuple(d->plotBreite, d->plotHoehe, d->xAchseRechts[0], d->yAchseOben[1],
                              d->yAchseUnten[1], d->maxX, d->xUrsprung, d->yUrsprung, d->kurven[0].anzeigen),
              std::make_tuple(240, 140, 270, 30, 170, 2.0, 0.0, 0.0, 1));
    ASSERT_NE(d->achsenSchrift.schrift, nullptr);
    EXPECT_NE(d->achsenSchrift.schrift, standardSchrift.schrift);
    // no more than 30 ticks; old pens go before new ones come
    const int lebend = pt::zeichenObjekteLebend();
    d->maxX = 1.0;
    const std::pair<double, double> ticks[] = {{0.01, 0.1}, {0.05, 0.05}};
    for (const auto& [intervall, wirksam] : ticks) {
        d->xTickIntervallWirksam = intervall;
        diagrammLayoutBerechnen(n, d, 0);
        EXPECT_DOUBLE_EQ(d->xTickIntervallWirksam, wirksam);
        EXPECT_DOUBLE_EQ(d->xPixelProTick, 240 * wirksam);
    }
    EXPECT_EQ(pt::zeichenObjekteLebend(), lebend);
    // at least one pixel high
    d->hoehe = 40;
    diagrammLayoutBerechnen(n, d, 0);
    EXPECT_EQ(std::make_tuple(d->hoehe, d->plotHoehe), std::make_tuple(61, 1));
    diagrammGdiFreigeben(*d);
    EXPECT_EQ(std::make_tuple(d->achsenSchrift.schrift, d->stifte[zeichenMittel::Gitter]),
              std::make_tuple(nullptr, nullptr));
}

TEST_F(Layout, OhneLaufdauerUndMitUnbrauchbaremTickIntervallEinHinweisStattDesEndes)
{
    // no run length: the template's time window; no usable tick interval: a fifth of the range
    simulationsParameter.simulationsDauer = 0.0;
    d->maxX = -1.0;
    diagrammVorlage.xTickIntervallWirksam = d->xTickIntervallWirksam = -1.0;
    pt::boxAntworten({plattform::antwort::Ok, plattform::antwort::Ok});
    diagrammLayoutBerechnen(n, d, 0);
    ASSERT_EQ(pt::boxLog().size(), 2u);
    EXPECT_EQ(pt::boxLog()[0].text, meldungFormatieren(435));
    EXPECT_EQ(pt::boxLog()[1].text, meldungFormatieren(436));
    EXPECT_FALSE(programmEndet());
    EXPECT_EQ(d->maxX, diagrammVorlage.maxX);
    EXPECT_DOUBLE_EQ(d->xTickIntervallWirksam, (d->maxX - d->minX) / 5.0);
}

TEST_F(Layout, ScrollleisteMitAutomatik)
{
    laufzeitSetzen(1.0, 0.001);
    diagrammOptionen.scrollleisteAnzeigen = diagrammOptionen.scrollleisteAutomatisch = 1;
    d->minX = 0.25;
    d->maxX = 0.5;
    diagrammLayoutBerechnen(n, d, 0);
    const plattform::ScrollZustand z = plattform::scrollLeiste(d->fenster, false);
    EXPECT_EQ(std::make_tuple(z.max, z.seite, d->ersterSichtbarerSchritt),
              std::make_tuple(999, 251, 250));
    EXPECT_EQ(scrollWerteBerechnen(*d, 1.0, 0.001, 0).seite, 250);
}
