// tests/diagrams/test_layout.cpp - the layout of a diagram
#include "diagramm_hilfe.h"

namespace {

// the main diagram of a neuron, sized 300 x 200: the layout keeps that size
struct Layout : DiagrammFall {
    NeuronDaten* n = nullptr;
    DiagrammDaten* d = nullptr;
    void SetUp() override
    {
        DiagrammFall::SetUp();
        n = neu(1);
        d = &n->hauptDiagramm;
        d->neuronId = 1;
        d->breite = 300;
        d->hoehe = 200;
    }
};

} // namespace

TEST_F(Layout, PlotflaecheZeitfensterTicksAchsenkreuzungEineKurveSchriftenUndStifte)
{
    laufzeitSetzen(2.0, 0.001);
    d->maxX = -1.0;                                    // the whole run
    d->xUrsprung = -1.0;
    d->minY = -100.0;
    d->maxY = 50.0;
    d->yUrsprung = 200.0;
    for (KurvenDaten& k : d->kurven)
        k.anzeigen = 0;
    standardSchrift.punkte = 10;
    diagrammLayoutBerechnen(n, d, 0);
    EXPECT_EQ(d->plotBreite, 240);                     // margins of 30
    EXPECT_EQ(std::make_tuple(d->plotHoehe, d->xAchseRechts[0], d->yAchseOben[1], d->yAchseUnten[1], d->maxX,
                              d->xUrsprung, d->yUrsprung),
              std::make_tuple(140, 270, 30, 170, 2.0, 0.0, 0.0));
    EXPECT_EQ(d->kurven[0].anzeigen, 1);               // something is always shown
    ASSERT_NE(d->achsenSchrift.schrift, nullptr);
    EXPECT_NE(d->achsenSchrift.schrift, standardSchrift.schrift);
    EXPECT_NE(d->stifte[zeichenMittel::Gitter], nullptr);
    const int lebend = pt::zeichenObjekteLebend();
    // no more than 30 ticks
    d->maxX = 1.0;
    d->xTickIntervallWirksam = 0.01;
    diagrammLayoutBerechnen(n, d, 0);
    EXPECT_DOUBLE_EQ(d->xTickIntervallWirksam, 0.1);
    EXPECT_EQ(pt::zeichenObjekteLebend(), lebend);     // old pens go before new ones come
    d->xTickIntervallWirksam = 0.05;
    diagrammLayoutBerechnen(n, d, 0);
    EXPECT_DOUBLE_EQ(d->xTickIntervallWirksam, 0.05);
    EXPECT_DOUBLE_EQ(d->xPixelProTick, 240 * 0.05);
    // at least one pixel high
    d->hoehe = 40;
    diagrammLayoutBerechnen(n, d, 0);
    EXPECT_EQ(d->hoehe, 61);
    EXPECT_EQ(d->plotHoehe, 1);
    diagrammGdiFreigeben(*d);
    EXPECT_EQ(d->achsenSchrift.schrift, nullptr);
    EXPECT_EQ(d->stifte[zeichenMittel::Gitter], nullptr);
}

TEST_F(Layout, OhneLaufdauerUndMitUnbrauchbaremTickIntervallEinHinweisStattDesEndes)
{
    // no run length: the template's time window; no usable tick interval: a fifth of the range
    simulationsParameter.simulationsDauer = 0.0;
    d->maxX = -1.0;
    diagrammVorlage.xTickIntervallWirksam = -1.0;
    d->xTickIntervallWirksam = -1.0;
    pt::boxAntworten({plattform::antwort::Ok, plattform::antwort::Ok});
    diagrammLayoutBerechnen(n, d, 0);
    ASSERT_EQ(pt::boxLog().size(), 2u);
    EXPECT_EQ(pt::boxLog()[0].text, meldungFormatieren(435));
    EXPECT_EQ(pt::boxLog()[1].text, meldungFormatieren(436));
    EXPECT_FALSE(programmEndet());
    EXPECT_EQ(d->maxX, diagrammVorlage.maxX);
    EXPECT_DOUBLE_EQ(d->xTickIntervallWirksam, (d->maxX - d->minX) / 5.0);
    EXPECT_GT(d->xPixelProTick, 0.0);
}

TEST_F(Layout, ScrollleisteMitAutomatik)
{
    laufzeitSetzen(1.0, 0.001);
    ASSERT_EQ(diagrammErzeugen(n, d), 1);
    diagrammOptionen.scrollleisteAnzeigen = 1;
    diagrammOptionen.scrollleisteAutomatisch = 1;
    d->minX = 0.25;
    d->maxX = 0.5;
    diagrammLayoutBerechnen(n, d, 0);
    const plattform::ScrollZustand z = plattform::scrollLeiste(d->fenster, false);
    EXPECT_EQ(std::make_tuple(z.max, z.seite, d->ersterSichtbarerSchritt,
                              scrollWerteBerechnen(*d, 1.0, 0.001, 0).seite),
              std::make_tuple(999, 251, 250, 250));
}
