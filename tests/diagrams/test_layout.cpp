// tests/diagrams/test_layout.cpp - the template's defaults and the layout of a diagram
#include "diagramm_hilfe.h"

namespace {
// a diagram of a neuron whose main diagram is sized, so the layout keeps the given size
DiagrammDaten& diagrammMit(NeuronDaten* n, int breite, int hoehe)
{
    DiagrammDaten& d = n->hauptDiagramm;
    d.neuronId = n->nummer;
    d.breite = breite;
    d.hoehe = hoehe;
    return d;
}
}

TEST_F(DiagrammFall, PlotflaecheAusFensterUndRaendern)
{
    NeuronDaten* n = neu(1);
    DiagrammDaten& d = diagrammMit(n, 300, 200);
    d.xRand = d.yRand = 30;
    diagrammLayoutBerechnen(n, &d, 0);
    EXPECT_EQ(d.plotBreite, 240);
    EXPECT_EQ(d.plotHoehe, 140);
    EXPECT_EQ(d.xAchseRechts[0], 270);
    EXPECT_EQ(d.yAchseOben[1], 30);
    EXPECT_EQ(d.yAchseUnten[1], 170);

    d.hoehe = 40;
    diagrammLayoutBerechnen(n, &d, 0);
    EXPECT_EQ(d.hoehe, 61);
    EXPECT_EQ(d.plotHoehe, 1);
}

TEST_F(DiagrammFall, ZeitfensterTicksUndAchsenkreuzung)
{
    laufSetzen(2.0, 0.001);
    NeuronDaten* n = neu(1);
    DiagrammDaten& d = diagrammMit(n, 300, 200);
    d.minX = 0.0;
    d.maxX = -1.0;
    d.xUrsprung = -1.0;
    d.minY = -100.0;
    d.maxY = 50.0;
    d.yUrsprung = 200.0;
    diagrammLayoutBerechnen(n, &d, 0);
    EXPECT_EQ(d.maxX, 2.0);
    EXPECT_EQ(d.xUrsprung, 0.0);
    EXPECT_EQ(d.yUrsprung, 0.0);

    d.maxX = 1.0;
    d.xTickIntervallWirksam = 0.01;                    // 100 ticks
    diagrammLayoutBerechnen(n, &d, 0);
    EXPECT_DOUBLE_EQ(d.xTickIntervallWirksam, 0.1);
    d.xTickIntervallWirksam = 0.05;                    // 20 ticks
    diagrammLayoutBerechnen(n, &d, 0);
    EXPECT_DOUBLE_EQ(d.xTickIntervallWirksam, 0.05);
    EXPECT_DOUBLE_EQ(d.xPixelProTick, 240 * 0.05);
}

TEST_F(DiagrammFall, OhneLaufdauerDasZeitfensterDerVorlage)
{
    NeuronDaten* n = neu(1);
    DiagrammDaten& d = diagrammMit(n, 300, 200);
    simulationsParameter.simulationsDauer = 0.0;
    d.maxX = -1.0;
    plattform::test::boxAntworten({plattform::antwort::Ok});
    diagrammLayoutBerechnen(n, &d, 0);
    ASSERT_FALSE(plattform::test::boxLog().empty());
    EXPECT_EQ(plattform::test::boxLog()[0].text, meldungFormatieren(435));
    EXPECT_EQ(d.maxX, diagrammVorlage.maxX);
}

TEST_F(DiagrammFall, UnbrauchbaresTickIntervallBeendetNichtMehr)
{
    NeuronDaten* n = neu(1);
    DiagrammDaten& d = diagrammMit(n, 300, 200);
    diagrammVorlage.xTickIntervallWirksam = -1.0;
    d.xTickIntervallWirksam = -1.0;
    plattform::test::boxAntworten({plattform::antwort::Ok});
    diagrammLayoutBerechnen(n, &d, 0);
    EXPECT_EQ(plattform::test::boxLog().at(0).text, meldungFormatieren(436));
    EXPECT_FALSE(programmEndet());
    EXPECT_DOUBLE_EQ(d.xTickIntervallWirksam, (d.maxX - d.minX) / 5.0);
    EXPECT_GT(d.xPixelProTick, 0.0);
}

TEST_F(DiagrammFall, LayoutZeigtImmerEineKurveUndMachtSchriftenUndStifte)
{
    NeuronDaten* n = neu(1);
    DiagrammDaten& d = diagrammMit(n, 300, 200);
    for (KurvenDaten& k : d.kurven)
        k.anzeigen = 0;
    standardSchrift.punkte = 10;
    diagrammLayoutBerechnen(n, &d, 0);
    EXPECT_EQ(d.kurven[0].anzeigen, 1);
    ASSERT_NE(d.achsenSchrift.schrift, nullptr);
    EXPECT_NE(d.achsenSchrift.schrift, standardSchrift.schrift);
    EXPECT_NE(d.stifte[zeichenMittel::Gitter], nullptr);
    const int lebend = plattform::test::zeichenObjekteLebend();
    diagrammLayoutBerechnen(n, &d, 0);                 // old pens go before new ones come
    EXPECT_EQ(plattform::test::zeichenObjekteLebend(), lebend);
    diagrammGdiFreigeben(d);
    EXPECT_EQ(d.achsenSchrift.schrift, nullptr);
    EXPECT_EQ(d.stifte[zeichenMittel::Gitter], nullptr);
}

TEST_F(DiagrammFall, ScrollleisteMitAutomatik)
{
    laufSetzen(1.0, 0.001);
    NeuronDaten* n = neu(1);
    ASSERT_EQ(diagrammErzeugen(n, &n->hauptDiagramm), 1);
    DiagrammDaten& d = n->hauptDiagramm;
    d.minX = 0.0;
    d.maxX = 1.0;
    const ScrollWerte w = scrollWerteBerechnen(d, 1.0, 0.001, 1);
    EXPECT_EQ(w.maximum, 999);
    EXPECT_EQ(w.seite, 1001);
    EXPECT_EQ(scrollWerteBerechnen(d, 1.0, 0.001, 0).seite, 1000);

    diagrammOptionen.scrollleisteAnzeigen = 1;
    diagrammOptionen.scrollleisteAutomatisch = 1;
    d.minX = 0.25;
    d.maxX = 0.5;
    diagrammLayoutBerechnen(n, &d, 0);
    const plattform::ScrollZustand z = plattform::scrollLeiste(d.fenster, false);
    EXPECT_EQ(z.max, 999);
    EXPECT_EQ(z.seite, 251);
    EXPECT_EQ(d.ersterSichtbarerSchritt, 250);
}
