// tests/diagrams/test_diagramm.cpp - numbering, titles, tiling, format copies, clearing
#include "diagramm_hilfe.h"

TEST_F(DiagrammFall, NeueDiagrammeNehmenDieKleinsteFreieNummer)
{
    NeuronDaten* n = neu(1);
    DiagrammDaten* a = diagrammAnhaengen(*n);
    DiagrammDaten* b = diagrammAnhaengen(*n);
    EXPECT_EQ(a->nummer, 1);
    EXPECT_EQ(b->nummer, 2);
    b->nummer = 3;                                   // 0, 1, 3
    EXPECT_EQ(freieDiagrammNummer(*n), 2);
    DiagrammDaten* c = diagrammAnhaengen(*n);
    EXPECT_EQ(c->nummer, 2);
    EXPECT_EQ(b->naechstes, c);                      // appended at the end
    EXPECT_EQ(freieDiagrammNummer(*n), 4);
    EXPECT_EQ(c->offen, 1);
}

TEST_F(DiagrammFall, KachelnInEinerSpalteOderSpaltenweise)
{
    EXPECT_TRUE(kachelnBerechnen(0, 1920, 801, 100).empty());
    const auto vier = kachelnBerechnen(4, 1920, 801, 100);
    ASSERT_EQ(vier.size(), 4u);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(vier[i].x, 0);
        EXPECT_EQ(vier[i].y, 200 * i);
        EXPECT_EQ(vier[i].breite, 1920);
        EXPECT_EQ(vier[i].hoehe, 200);
    }
    const auto zwoelf = kachelnBerechnen(12, 1920, 801, 100);   // 66 < 100: 4 rows of 200
    ASSERT_EQ(zwoelf.size(), 12u);
    EXPECT_EQ(zwoelf[3].y, 600);
    EXPECT_EQ(zwoelf[4].x, 640);
    EXPECT_EQ(zwoelf[4].y, 0);
    EXPECT_EQ(zwoelf[11].x, 1280);
    EXPECT_EQ(zwoelf[11].breite, 640);
    EXPECT_EQ(zwoelf[11].hoehe, 200);
    // a smallest height below 100 counts as 100
    EXPECT_EQ(kachelnBerechnen(12, 1920, 801, 10)[4].x, 640);
}

TEST_F(DiagrammFall, FormatKopieNimmtNurDieGenanntenFelder)
{
    NeuronDaten* n = neu(7);
    DiagrammDaten q, z;
    q.xRand = 11; q.minX = 0.5; q.maxX = 2.0; q.achsenFarbe = 0x123456; q.xDimension = "[ms]";
    q.rechteckFarbe = 0x111111; q.xRandRechts = 9; q.dezimalstellenX = 4; q.werteInLegende = 1;
    z.rechteckFarbe = 0x222222;
    diagrammFormatKopieren(&z, &q, n, 1);
    EXPECT_EQ(z.xRand, 11);
    EXPECT_EQ(z.maxX, 2.0);
    EXPECT_EQ(z.achsenFarbe, 0x123456u);
    EXPECT_EQ(z.xDimension, "[ms]");
    EXPECT_EQ(z.neuronId, 7);
    EXPECT_EQ(z.werteInLegende, 1);
    EXPECT_EQ(z.rechteckFarbe, 0x222222u);
    EXPECT_EQ(z.xRandRechts, 0);
    EXPECT_EQ(z.dezimalstellenX, 0);
    EXPECT_EQ(z.kurven[3].bezeichnung, "");          // teil 1 leaves the slots alone

    q.kurven[3].bezeichnung = "x";
    q.kurven[3].werteAnzahl = 50;
    q.kurven[3].punktAnzahl = 9;
    q.kurven[3].faktor = 3.0;
    q.kurven[3].hervorheben = 1;
    q.kurven[3].werte.assign(100, 1.0f);
    z.kurven[3].werte.assign(10, 2.0f);
    diagrammFormatKopieren(&z, &q, nullptr, 2);
    EXPECT_EQ(z.kurven[3].bezeichnung, "x");
    EXPECT_EQ(z.kurven[3].werteAnzahl, 50);
    EXPECT_EQ(z.kurven[3].punktAnzahl, 9);
    EXPECT_EQ(z.kurven[3].werte, std::vector<float>(10, 2.0f));   // buffers stay
    EXPECT_EQ(z.kurven[3].faktor, 0.0);
    EXPECT_EQ(z.kurven[3].hervorheben, 0);
    EXPECT_EQ(lesbareWerte(z.kurven[3]), 10);        // readers never go past the buffer
}

TEST_F(DiagrammFall, KurveEntfernenLeertDenSlotUndDieErsteKopie)
{
    NeuronDaten* a = neu(1);
    NeuronDaten* b = neu(2);
    DiagrammDaten& d = a->hauptDiagramm;
    d.kurven[4].anzeigen = 1;
    d.kurven[4].referenz = kurvenReferenz::Freisetzung;
    d.freisetzungsKurven = 1;
    d.kurven[4].werte.assign(20, 1.0f);
    d.kurven[4].werteAnzahl = 16;
    for (KurvenDaten* k : {&b->hauptDiagramm.kurven[12], &b->hauptDiagramm.kurven[13]}) {
        k->anzeigen = 1;
        k->referenz = kurvenReferenz::Kopie;
        k->externeNeuronId = 1;
        k->externeKurveId = 4;
        k->werte.assign(20, 1.0f);
    }
    aktuellesDiagramm.kurvenSlot = 4;
    DiagrammDaten kopie;
    diagrammFormatKopieren(&kopie, &d, nullptr, 2);
    kurveEntfernen(a, &kopie, &d, 4);
    EXPECT_EQ(d.kurven[4].anzeigen, 0);
    EXPECT_EQ(d.kurven[4].werteAnzahl, 0);
    EXPECT_TRUE(d.kurven[4].werte.empty());
    EXPECT_EQ(d.kurven[4].bezeichnung, "Gesamtstrom");
    EXPECT_EQ(d.kurven[4].yZoom, 1.0);
    EXPECT_EQ(d.freisetzungsKurven, 0);
    EXPECT_EQ(aktuellesDiagramm.kurvenSlot, 0);
    EXPECT_EQ(b->hauptDiagramm.kurven[12].anzeigen, 0);
    EXPECT_TRUE(b->hauptDiagramm.kurven[12].werte.empty());
    EXPECT_EQ(b->hauptDiagramm.kurven[12].bezeichnung, "Referenz 1");
    EXPECT_EQ(b->hauptDiagramm.kurven[13].anzeigen, 1);   // at most one copy goes
}

TEST_F(DiagrammFall, NeuesDiagrammTraegtNameUndNummerUndZeigtDieKurvenDesHauptdiagramms)
{
    laufSetzen(0.1, 0.001);
    NeuronDaten* n = neu(3, "Zelle");
    ASSERT_EQ(diagrammErzeugen(n, &n->hauptDiagramm), 1);
    DiagrammDaten& h = n->hauptDiagramm;
    EXPECT_EQ(plattform::titel(h.fenster), "Zelle");
    KurvenDaten& soma = h.kurven[kurve::Soma];
    ASSERT_GE(soma.werte.size(), 100u);
    for (int i = 0; i < 100; ++i)
        soma.werte[i] = static_cast<float>(i % 10);
    soma.werteAnzahl = 100;

    ASSERT_EQ(diagrammErzeugen(n, nullptr), 1);
    DiagrammDaten* d = h.naechstes;
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(aktuellesDiagramm.diagramm, d);
    EXPECT_EQ(plattform::titel(d->fenster), "Zelle 1");
    EXPECT_EQ(d->kurven[kurve::Soma].anzeigen, 1);
    EXPECT_EQ(d->kurven[kurve::Soma].werteAnzahl, 100);
    EXPECT_EQ(d->kurven[kurve::Soma].werte[7], 7.0f);
    EXPECT_GT(d->kurven[kurve::Soma].punktAnzahl, 0);
    EXPECT_EQ(d->kurven[kurve::Natrium].anzeigen, 0);  // no samples, not shown
    EXPECT_EQ(d->plotBreite, h.plotBreite);            // the template's format, the same window

    diagrammeVerwalten(5, 6);                          // closing all
    EXPECT_EQ(d->fenster, nullptr);
    EXPECT_EQ(h.offen, 0);
    EXPECT_TRUE(h.kurven[kurve::Soma].werte.empty());
    EXPECT_EQ(h.naechstes, d);                         // the records stay
}

TEST_F(DiagrammFall, ZeitgeberAchtBeendetDieMarkierung)
{
    NeuronDaten* n = neu(1);
    n->hauptDiagramm.kurven[2].hervorheben = 1;
    aktuellesDiagramm.diagramm = &n->hauptDiagramm;
    aktuellesDiagramm.kurvenSlot = 2;
    kurvenMarkierungBeenden();
    EXPECT_EQ(n->hauptDiagramm.kurven[2].hervorheben, 0);
    aktuellesDiagramm.kurvenSlot = 20;                 // out of range: nothing happens
    kurvenMarkierungBeenden();
}

TEST_F(DiagrammFall, DiagrammZuFenster)
{
    EXPECT_EQ(diagrammZuFenster(nullptr), nullptr);    // no neuron: no box, no record
    EXPECT_TRUE(plattform::test::boxLog().empty());
    NeuronDaten* n = neu(1, "Zelle");
    ASSERT_EQ(diagrammErzeugen(n, nullptr), 1);
    DiagrammDaten* d = n->hauptDiagramm.naechstes;
    EXPECT_EQ(diagrammZuFenster(d->fenster), d);
    plattform::test::boxAntworten({plattform::antwort::Ok});
    EXPECT_EQ(diagrammZuFenster(nullptr), &n->hauptDiagramm);
    EXPECT_EQ(plattform::test::boxLog().back().text, meldungFormatieren(343, std::string("Zelle")));
}
