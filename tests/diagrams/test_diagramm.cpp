// tests/diagrams/test_diagramm.cpp - numbering, windows, tiling, format copies, clearing
#include "diagramm_hilfe.h"
#include <tuple>

TEST_F(DiagrammFall, NeuesDiagrammNimmtDieKleinsteFreieNummerUndZeigtDieKurvenDesHauptdiagramms)
{
    EXPECT_EQ(diagrammZuFenster(nullptr), nullptr);    // no neuron: no record and no notice
    EXPECT_TRUE(pt::boxLog().empty());
    laufzeitSetzen(0.1, 0.001);
    NeuronDaten* n = neu(3);
    n->name = "Zelle";
    DiagrammDaten& h = n->hauptDiagramm;
    ASSERT_EQ(diagrammErzeugen(n, &h), 1);
    EXPECT_EQ(plattform::titel(h.fenster), "Zelle");
    KurvenDaten& soma = h.kurven[kurve::Soma];
    ASSERT_GE(soma.werte.size(), 100u);
    for (int i = 0; i < 100; ++i)
        soma.werte[i] = static_cast<float>(i % 10);
    soma.werteAnzahl = 100;

    ASSERT_EQ(diagrammErzeugen(n, nullptr), 1);
    DiagrammDaten* d = h.naechstes;
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(std::make_tuple(diagrammZuFenster(d->fenster), plattform::titel(d->fenster),
                              d->kurven[kurve::Soma].anzeigen, d->kurven[kurve::Soma].werte[7]),
              std::make_tuple(d, "Zelle 1", 1, 7.0f));
    EXPECT_EQ(d->kurven[kurve::Natrium].anzeigen, 0);  // no samples, not shown
    EXPECT_EQ(d->plotBreite, h.plotBreite);            // the template's format, the same window
    // numbers 0, 1, 3: the next is 2, at the end; a later diagram may bear the number after it
    DiagrammDaten* b = diagrammAnhaengen(*n);
    b->nummer = 3;
    DiagrammDaten* c = diagrammAnhaengen(*n);
    EXPECT_EQ(std::make_tuple(c->nummer, b->naechstes, freieDiagrammNummer(*n)),
              std::make_tuple(2, c, 4));
    // no window: the first neuron's main diagram, with a notice
    pt::boxAntworten({plattform::antwort::Ok});
    EXPECT_EQ(diagrammZuFenster(nullptr), &h);
    EXPECT_EQ(pt::boxLog().back().text, meldungFormatieren(343, std::string("Zelle")));

    diagrammeVerwalten(5, 6);                          // closing all keeps the records
    EXPECT_EQ(d->fenster, nullptr);
    EXPECT_EQ(h.offen, 0);
    EXPECT_TRUE(h.kurven[kurve::Soma].werte.empty());
    EXPECT_EQ(h.naechstes, d);
}

TEST_F(DiagrammFall, KachelnInEinerSpalteOderSpaltenweise)
{
    // a work area of 1920 x 801: four rows of 200 fit one column; twelve take three columns of
    // four rows, also where the smallest height is below 100
    const struct { int anzahl, minimal, index; Kachel soll; } faelle[] = {
        {4, 100, 3, {0, 600, 1920, 200}}, {12, 100, 4, {640, 0, 640, 200}},
        {12, 10, 11, {1280, 600, 640, 200}},
    };
    EXPECT_TRUE(kachelnBerechnen(0, 1920, 801, 100).empty());
    for (const auto& f : faelle) {
        const std::vector<Kachel> k = kachelnBerechnen(f.anzahl, 1920, 801, f.minimal);
        ASSERT_EQ(k.size(), static_cast<size_t>(f.anzahl));
        const Kachel& ist = k[static_cast<size_t>(f.index)];
        EXPECT_EQ(std::tie(ist.x, ist.y, ist.breite, ist.hoehe),
                  std::tie(f.soll.x, f.soll.y, f.soll.breite, f.soll.hoehe)) << f.anzahl << " " << f.index;
    }
}

TEST_F(DiagrammFall, FormatKopieNimmtNurDieGenanntenFelder)
{
    DiagrammDaten q, z;
    q.xRand = 11;
    q.xRandRechts = 9;                               // no part of the format
    q.kurven[3].bezeichnung = "x";
    diagrammFormatKopieren(&z, &q, neu(7), 1);
    EXPECT_EQ(std::make_tuple(z.xRand, z.neuronId, z.xRandRechts),
              std::make_tuple(11, 7, 0));
    EXPECT_EQ(z.kurven[3].bezeichnung, "");          // part 1 leaves the slots alone
    // part 2: the slots' format, not their buffers and highlight
    q.kurven[3].werteAnzahl = 50;
    q.kurven[3].hervorheben = 1;
    q.kurven[3].werte.assign(100, 1.0f);
    z.kurven[3].werte.assign(10, 2.0f);
    diagrammFormatKopieren(&z, &q, nullptr, 2);
    EXPECT_EQ(std::make_tuple(z.kurven[3].bezeichnung, z.kurven[3].werte, z.kurven[3].hervorheben),
              std::make_tuple("x", std::vector<float>(10, 2.0f), 0));
    EXPECT_EQ(lesbareWerte(z.kurven[3]), 10);        // the count is 50: readers never go past the buffer
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
    EXPECT_TRUE(d.kurven[4].werte.empty());
    EXPECT_EQ(std::make_tuple(d.kurven[4].bezeichnung, d.freisetzungsKurven, aktuellesDiagramm.kurvenSlot,
                              b->hauptDiagramm.kurven[12].anzeigen, b->hauptDiagramm.kurven[12].bezeichnung),
              std::make_tuple("Gesamtstrom", 0, 0, 0, "Referenz 1"));
    EXPECT_EQ(b->hauptDiagramm.kurven[13].anzeigen, 1);   // at most one copy goes
}

TEST_F(DiagrammFall, VerwaltenZeigtKacheltStelltDieListeWiederHerNurMarkierteUndSchliesst)
{
    laufzeitSetzen(0.1, 0.001);
    arbeitsbereichKanten = {801, 1920};
    NeuronDaten* n[3] = {neu(1), neu(2), neu(3)};
    auto rechteck = [](const DiagrammDaten& d) {
        const plattform::Rechteck r = plattform::fensterRechteck(d.fenster);
        return std::make_tuple(r.links, r.oben, r.breite(), r.hoehe());
    };
    // all shown, one column of three rows
    diagrammeVerwalten(2, 1);
    for (int i = 0; i < 3; ++i) {
        ASSERT_NE(n[i]->hauptDiagramm.fenster, nullptr);
        EXPECT_TRUE(plattform::istSichtbar(n[i]->hauptDiagramm.fenster));
        EXPECT_EQ(rechteck(n[i]->hauptDiagramm), std::make_tuple(0, 266 * i, 1920, 266));
    }
    // an empty list restores nothing and closes nothing
    diagrammeVerwalten(5, 3);
    EXPECT_NE(n[2]->hauptDiagramm.fenster, nullptr);
    // the stored list: neuron 2's diagram 1 is made for it; neuron 3 stays closed
    fensterliste[0] = {1, 0, 10, 20, 400, 300};
    fensterliste[1] = {2, 1, 50, 60, 500, 350};
    fensterliste[2] = {9, 0, 0, 0, 300, 300};            // a neuron that is gone
    diagrammeVerwalten(5, 3);
    EXPECT_EQ(rechteck(n[0]->hauptDiagramm), std::make_tuple(10, 20, 400, 300));
    ASSERT_NE(n[1]->hauptDiagramm.naechstes, nullptr);
    EXPECT_EQ(n[1]->hauptDiagramm.naechstes->nummer, 1);
    EXPECT_EQ(rechteck(*n[1]->hauptDiagramm.naechstes), std::make_tuple(50, 60, 500, 350));
    EXPECT_EQ(n[2]->hauptDiagramm.fenster, nullptr);
    EXPECT_EQ(fensterliste[2].neuronId, 0);
    // the marked neuron only: the others closed, or with the option minimised once
    neuronMarkieren(n[2], 1);
    diagrammeVerwalten(2, 4);
    EXPECT_EQ(n[0]->hauptDiagramm.fenster, nullptr);
    EXPECT_EQ(rechteck(n[2]->hauptDiagramm), std::make_tuple(0, 0, 1920, 800));
    diagrammeVerwalten(2, 1);
    diagrammOptionen.strgMNurMinimieren = -1;
    diagrammeVerwalten(2, 4);
    EXPECT_TRUE(plattform::istMinimiert(n[0]->hauptDiagramm.fenster));
    EXPECT_FALSE(plattform::istMinimiert(n[2]->hauptDiagramm.fenster));
    EXPECT_EQ(diagrammOptionen.strgMNurMinimieren, 0);
    // the first marked neuron back to its stored place
    n[2]->hauptDiagramm.fensterX = 70;
    n[2]->hauptDiagramm.fensterY = 80;
    n[2]->hauptDiagramm.breite = 600;
    n[2]->hauptDiagramm.fensterHoehe = 400;
    diagrammeVerwalten(6, 5);
    EXPECT_EQ(rechteck(n[2]->hauptDiagramm), std::make_tuple(70, 80, 600, 400));
    // all closed, the records kept
    diagrammeVerwalten(5, 6);
    for (NeuronDaten* x : n)
        EXPECT_EQ(x->hauptDiagramm.fenster, nullptr);
    EXPECT_NE(n[1]->hauptDiagramm.naechstes, nullptr);
    fensterliste = {};
}
