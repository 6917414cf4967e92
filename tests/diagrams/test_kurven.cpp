// tests/diagrams/test_kurven.cpp - curve preparation, point reduction and buffer capacity
#include "diagramm_hilfe.h"

namespace {

// a plot of W x 100 pixels from x 30, rows 30 (top) to 130 (bottom), values 0..100
void plotSetzen(DiagrammDaten& d, int W, double maxX)
{
    d.plotBreite = W;
    d.plotHoehe = 100;
    d.xRand = 30;
    d.yAchseUnten = {30, 130};
    d.yAchseOben = {30, 30};
    d.minX = 0.0;
    d.maxX = maxX;
    d.minY = 0.0;
    d.maxY = 100.0;
}

KurvenDaten& slotMit(DiagrammDaten& d, std::vector<float> werte, int breite)
{
    KurvenDaten& k = d.kurven[0];
    k.werteAnzahl = static_cast<int>(werte.size());
    k.werte = std::move(werte);
    k.yZoom = 1.0;
    punktPufferBereitstellen(k, breite);
    return k;
}

plattform::Punkt punkt(const KurvenDaten& k, int i) { return {k.punkte[2 * i], k.punkte[2 * i + 1]}; }

} // namespace

TEST_F(DiagrammFall, VorbereitenLegtPufferNurMitFensterAn)
{
    laufSetzen(0.1, 0.001);
    NeuronDaten* n = neu(1);
    DiagrammDaten& d = n->hauptDiagramm;
    d.kurven[3].anzeigen = d.kurven[14].anzeigen = 1;
    d.neuronId = 1;
    d.breite = 300;
    d.hoehe = 200;
    diagrammLayoutBerechnen(n, &d, 0);
    kurvenVorbereiten(&d, -1);
    EXPECT_TRUE(d.kurven[3].werte.empty());
    EXPECT_EQ(d.kurven[3].dimension, "nA ");
    EXPECT_EQ(d.kurven[14].dimension, "");
    EXPECT_EQ(d.kurven[3].bezeichnung, "Calciumstrom");

    d.kurven[3].farbe = plattform::KeineFarbe;
    ASSERT_EQ(diagrammErzeugen(n, &d), 1);
    const KurvenDaten& k = d.kurven[3];
    EXPECT_EQ(k.werte.size(), 100u + werteReserve);
    EXPECT_EQ(k.werte[0], keineDaten);
    EXPECT_EQ(k.werteAnzahl, 100);
    EXPECT_FALSE(k.punkte.empty());
    EXPECT_EQ(k.punktAnzahl, 0);                        // no data: buffers but no points
    EXPECT_EQ(k.farbe, diagrammVorlage.kurven[3].farbe);
    EXPECT_NE(k.stift, nullptr);
}

TEST_F(DiagrammFall, ZweiPunkteJeSpalte)
{
    laufSetzen(1.0, 0.001);                            // 1000 samples over 100 pixels
    DiagrammDaten d;
    plotSetzen(d, 100, 1.0);
    std::vector<float> w(1000);
    for (int i = 0; i < 1000; ++i)
        w[i] = static_cast<float>(i % 10) * 10.0f;
    KurvenDaten& k = slotMit(d, w, 100);
    kurvePunkteBerechnen(&d, 0);
    ASSERT_GT(k.punktAnzahl, 150);
    EXPECT_EQ(k.punktAnzahl % 2, 1);
    const int spalten = (k.punktAnzahl + 1) / 2;
    EXPECT_LE(spalten, 101);
    EXPECT_EQ(punkt(k, 0).x, 30);
    EXPECT_EQ(punkt(k, 2 * (spalten - 1)).x, 30 + spalten - 1);
    // the column of 10..90: the minimum came first
    EXPECT_EQ(punkt(k, 2).y, 130 - 10);
    EXPECT_EQ(punkt(k, 3).y, 130 - 90);

    laufSetzen(0.01, 0.001);                           // 10 samples: columns 10 pixels apart
    d.maxX = 0.01;
    k.werte.assign(10 + werteReserve, 50.0f);
    k.werteAnzahl = 10;
    kurvePunkteBerechnen(&d, 0);
    EXPECT_EQ(k.punktAnzahl, 19);
    EXPECT_EQ(punkt(k, 2).x - punkt(k, 0).x, 10);
    EXPECT_EQ(punkt(k, 0).y, punkt(k, 1).y);           // one sample: both points level
}

TEST_F(DiagrammFall, WerteAusserhalbLiegenAufDemRand)
{
    laufSetzen(0.004, 0.001);
    DiagrammDaten d;
    plotSetzen(d, 4, 0.004);
    KurvenDaten& k = slotMit(d, {1000.0f, -1000.0f, 50.0f, 50.0f}, 4);
    kurvePunkteBerechnen(&d, 0);
    ASSERT_GE(k.punktAnzahl, 1);
    EXPECT_EQ(punkt(k, 0).y, 30);
    EXPECT_EQ(punkt(k, 2).y, 130);

    // the offset and the zoom move the line, the second axis its scale
    k.yOffset = 10.0;
    k.werte = {50.0f, 50.0f, 50.0f, 50.0f};
    kurvePunkteBerechnen(&d, 0);
    EXPECT_EQ(punkt(k, 0).y, 70);
    k.yOffset = 0.0;
    k.eigeneYAchse = 1;
    k.minY = 0.0;
    k.maxY = 200.0;
    kurvePunkteBerechnen(&d, 0);
    EXPECT_EQ(punkt(k, 0).y, 105);
    k.maxY = 0.0;                                      // no span: the diagram's range
    kurvePunkteBerechnen(&d, 0);
    EXPECT_EQ(punkt(k, 0).y, 80);
}

TEST_F(DiagrammFall, KeinePunkteOhneFlaecheOderOhneLesbareWerte)
{
    laufSetzen(0.1, 0.001);
    DiagrammDaten d;
    plotSetzen(d, 0, 0.1);
    KurvenDaten& k = slotMit(d, std::vector<float>(100, 1.0f), 50);
    const size_t platz = k.punkte.size();
    k.punktAnzahl = 7;
    kurvePunkteBerechnen(&d, 0);
    EXPECT_EQ(k.punktAnzahl, 0);
    EXPECT_EQ(k.punkte.size(), platz);                 // the buffer keeps its capacity

    plotSetzen(d, 50, 0.1);
    k.werteAnzahl = 100000;                            // more than the buffer holds
    kurvePunkteBerechnen(&d, 0);
    EXPECT_GT(k.punktAnzahl, 0);                       // read only what is there (ASan watches)

    plotSetzen(d, 2000, 0.1);                          // a wider window regrows the points
    kurvePunkteBerechnen(&d, 0);
    EXPECT_GE(k.punkte.size(), 2u * 2000);
    const size_t breit = k.punkte.size();
    plotSetzen(d, 50, 0.1);
    kurvePunkteBerechnen(&d, 0);
    EXPECT_EQ(k.punkte.size(), breit);
}

TEST_F(DiagrammFall, WertepufferWaechstNurMitDerSchrittzahl)
{
    KurvenDaten k;
    ASSERT_TRUE(wertePufferBereitstellen(k, 100));
    k.werte[0] = 5.0f;
    ASSERT_TRUE(wertePufferBereitstellen(k, 50));      // smaller run: the buffer stays
    EXPECT_EQ(k.werte.size(), 100u + werteReserve);
    EXPECT_EQ(k.werte[0], 5.0f);
    ASSERT_TRUE(wertePufferBereitstellen(k, 500));     // larger run: new, with the no-data mark
    EXPECT_EQ(k.werte.size(), 500u + werteReserve);
    EXPECT_EQ(k.werte[0], keineDaten);
    EXPECT_EQ(k.werte[499], keineDaten);

    // a prepared slot of a longer run gets the room before the engine writes
    laufSetzen(0.1, 0.001);
    NeuronDaten* n = neu(1);
    ASSERT_EQ(diagrammErzeugen(n, &n->hauptDiagramm), 1);
    KurvenDaten& soma = n->hauptDiagramm.kurven[kurve::Soma];
    ASSERT_EQ(soma.werte.size(), 100u + werteReserve);
    laufSetzen(1.0, 0.001);
    kurvenVorbereiten(&n->hauptDiagramm, -1);
    EXPECT_EQ(soma.werte.size(), 1000u + werteReserve);
    EXPECT_EQ(soma.werteAnzahl, 1000);
}

TEST_F(DiagrammFall, KopierteKurveNimmtDieWerteDerQuelle)
{
    laufSetzen(0.1, 0.001);
    NeuronDaten* q = neu(1);
    NeuronDaten* z = neu(2);
    KurvenDaten& quelle = q->hauptDiagramm.kurven[kurve::Soma];
    quelle.werte.assign(80, 3.0f);                     // shorter than its count says
    quelle.werteAnzahl = 100;
    ASSERT_EQ(diagrammErzeugen(z, &z->hauptDiagramm), 1);
    KurvenDaten& k = z->hauptDiagramm.kurven[12];
    k.anzeigen = 1;
    k.referenz = kurvenReferenz::Kopie;
    k.externeNeuronId = 1;
    k.externeKurveId = kurve::Soma;
    k.werteAnzahl = 100;
    kurvenVorbereiten(&z->hauptDiagramm, 12);
    EXPECT_EQ(k.werte[79], 3.0f);
    EXPECT_EQ(k.werte[80], keineDaten);
    EXPECT_GT(k.punktAnzahl, 0);
}

TEST_F(DiagrammFall, LinienformatInAlleDiagramme)
{
    NeuronDaten* a = neu(1);
    NeuronDaten* b = neu(2);
    DiagrammDaten* weiteres = diagrammAnhaengen(*b);
    for (DiagrammDaten* d : {&a->hauptDiagramm, &b->hauptDiagramm, weiteres})
        d->plotBreite = 100;                           // laid out: no notice
    DiagrammDaten quelle;
    quelle.kurven[2].farbe = 0x00FF00;
    quelle.kurven[2].dicke = 3;
    quelle.kurven[2].yOffset = 4.0;
    kurveAktualisieren(nullptr, &quelle, 2, -1);
    for (DiagrammDaten* d : {&a->hauptDiagramm, &b->hauptDiagramm, weiteres})
        for (const KurvenDaten& k : d->kurven) {
            EXPECT_EQ(k.farbe, 0x00FF00u);
            EXPECT_EQ(k.dicke, 3);
            EXPECT_EQ(k.yOffset, 4.0);
        }
    kurveAktualisieren(a, &quelle, 2, 5);
    EXPECT_EQ(a->hauptDiagramm.kurven[5].neuBerechnen, 1);
}
