// tests/diagrams/test_diagramm.cpp - numbering, windows, tiling, format copies, clearing
#include "diagramm_hilfe.h"

TEST_F(DiagrammFall, NeuesDiagrammNimmtDieKleinsteFreieNummerUndZeigtDieKurvenDesHauptdiagramms)
{
    EXPECT_EQ(diagrammZuFenster(nullptr), nullptr);    // no neuron: no record and no notice
    EXPECT_TRUE(pt::boxLog().empty());
    laufzeitSetzen(0.1, 0.001);
    NeuronDaten* n = neu(3);
    n->name = "Zelle";
    DiagrammDaten& h = gezeigt(n);
    werte(h, kurve::Soma, std::vector<float>(100, 7.0f));
    // a further diagram in the main one's format, with the curves that have samples
    DiagrammDaten* d = diagrammAnzeigen(n, nullptr);
    ASSERT_EQ(h.naechstes, d);
    EXPECT_EQ(std::make_tuple(plattform::titel(h.fenster), plattform::titel(d->fenster), d->plotBreite),
              std::make_tuple("Zelle", "Zelle 1", h.plotBreite));
    const KurvenDaten* k = d->kurven.data();
    EXPECT_EQ(std::make_tuple(diagrammZuFenster(d->fenster), k[kurve::Soma].anzeigen,
                              k[kurve::Soma].werte[99], k[kurve::Natrium].anzeigen),
              std::make_tuple(d, 1, 7.0f, 0));
    // numbers 0, 1, 3: the next is 2, at the end; a later diagram may bear the number after it
    DiagrammDaten* b = diagrammAnhaengen(*n);
    b->nummer = 3;
    DiagrammDaten* c = diagrammAnhaengen(*n);
    EXPECT_EQ(std::make_tuple(c->nummer, b->naechstes, freieDiagrammNummer(*n)), std::make_tuple(2, c, 4));
    // no window: the first neuron's main diagram, with a notice
    pt::boxAntworten({plattform::antwort::Ok});
    EXPECT_EQ(diagrammZuFenster(nullptr), &h);
    EXPECT_EQ(pt::boxLog().back().text, meldungFormatieren(343, std::string("Zelle")));
}

TEST_F(DiagrammFall, KachelnInEinerSpalteOderSpaltenweise)
{
    // a work area of 1920 x 801: four rows of 200 fit one column; twelve take three columns of
    // four rows, also where the smallest height is below 100
    const struct { int anzahl, minimal, index; Kachel soll; } faelle[] = {
        {4, 100, 3, {0, 600, 1920, 200}}, {12, 100, 4, {640, 0, 640, 200}},
        {12, 10, 11, {1280, 600, 640, 200}},
    };
    for (const auto& f : faelle) {
        const std::vector<Kachel> k = kachelnBerechnen(f.anzahl, 1920, 801, f.minimal);
        ASSERT_EQ(k.size(), static_cast<size_t>(f.anzahl));
        const Kachel& ist = k[static_cast<size_t>(f.index)];
        EXPECT_EQ(std::tie(ist.x, ist.y, ist.breite, ist.hoehe),
                  std::tie(f.soll.x, f.soll.y, f.soll.breite, f.soll.hoehe)) << f.anzahl << " " << f.index;
    }
}

TEST_F(DiagrammFall, FormatKopieOhnePufferUndKurveEntfernenLeertDenSlotUndDieErsteKopie)
{
    NeuronDaten* a = neu(1);
    NeuronDaten* b = neu(2);
    DiagrammDaten& d = a->hauptDiagramm;
    KurvenDaten& k = d.kurven[4];
    k.anzeigen = k.hervorheben = d.freisetzungsKurven = 1;
    k.referenz = kurvenReferenz::Freisetzung;
    k.werte.assign(20, 1.0f);
    KurvenDaten* kopien[] = {&b->hauptDiagramm.kurven[12], &b->hauptDiagramm.kurven[13]};
    for (KurvenDaten* x : kopien) {
        x->anzeigen = 1;
        x->referenz = kurvenReferenz::Kopie;
        x->externeNeuronId = 1;
        x->externeKurveId = 4;
    }
    aktuellesDiagramm.kurvenSlot = 4;
    // the format of the slots, not their buffers and highlight
    DiagrammDaten kopie;
    diagrammFormatKopieren(&kopie, &d, nullptr, 2);
    const KurvenDaten& q = kopie.kurven[4];
    EXPECT_EQ(std::make_tuple(q.referenz, q.werte.size(), q.hervorheben), std::make_tuple(k.referenz, 0u, 0));
    kurveEntfernen(a, &kopie, &d, 4);
    EXPECT_EQ(std::make_tuple(k.anzeigen, k.werte.empty(), k.bezeichnung, d.freisetzungsKurven,
                              aktuellesDiagramm.kurvenSlot),
              std::make_tuple(0, true, "Gesamtstrom", 0, 0));
    // at most one copy goes
    EXPECT_EQ(std::make_tuple(kopien[0]->anzeigen, kopien[0]->bezeichnung, kopien[1]->anzeigen),
              std::make_tuple(0, "Referenz 1", 1));
}

TEST_F(DiagrammFall, VerwaltenZeigtKacheltStelltDieListeWiederHerNurMarkierteUndSchliesst)
{
    laufzeitSetzen(0.1, 0.001);
    arbeitsbereichKanten = {801, 1920};
    NeuronDaten* n[3] = {neu(1), neu(2), neu(3)};
    DiagrammDaten* h[3] = {&n[0]->hauptDiagramm, &n[1]->hauptDiagramm, &n[2]->hauptDiagramm};
    // all shown, one column of three rows
    diagrammeVerwalten(2, 1);
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(plattform::istSichtbar(h[i]->fenster));
        EXPECT_EQ(lage(h[i]->fenster), std::make_tuple(0, 266 * i, 1920, 266));
    }
    // an empty stored list closes nothing; a list: neuron 2's diagram 1 is made for it, neuron 3
    // stays closed
    diagrammeVerwalten(5, 3);
    ASSERT_NE(h[2]->fenster, nullptr);
    fensterliste[0] = {1, 0, 10, 20, 400, 300};
    fensterliste[1] = {2, 1, 50, 60, 500, 350};
    fensterliste[2] = {9, 0, 0, 0, 300, 300};            // a neuron that is gone
    diagrammeVerwalten(5, 3);
    EXPECT_EQ(lage(h[0]->fenster), std::make_tuple(10, 20, 400, 300));
    ASSERT_NE(h[1]->naechstes, nullptr);
    EXPECT_EQ(h[1]->naechstes->nummer, 1);
    EXPECT_EQ(lage(h[1]->naechstes->fenster), std::make_tuple(50, 60, 500, 350));
    EXPECT_EQ(std::make_tuple(h[2]->fenster, fensterliste[2].neuronId), std::make_tuple(nullptr, 0));
    // the marked neuron only: the others closed, or with the option minimised once
    neuronMarkieren(n[2], 1);
    diagrammeVerwalten(2, 4);
    EXPECT_EQ(h[0]->fenster, nullptr);
    EXPECT_EQ(lage(h[2]->fenster), std::make_tuple(0, 0, 1920, 800));
    diagrammeVerwalten(2, 1);
    diagrammOptionen.strgMNurMinimieren = -1;
    diagrammeVerwalten(2, 4);
    EXPECT_EQ(std::make_tuple(plattform::istMinimiert(h[0]->fenster), plattform::istMinimiert(h[2]->fenster),
                              diagrammOptionen.strgMNurMinimieren),
              std::make_tuple(true, false, 0));
    // the first marked neuron back to its stored place
    h[2]->fensterX = 70;
    h[2]->fensterY = 80;
    h[2]->breite = 600;
    h[2]->fensterHoehe = 400;
    diagrammeVerwalten(6, 5);
    EXPECT_EQ(lage(h[2]->fenster), std::make_tuple(70, 80, 600, 400));
    // all closed, the records kept
    diagrammeVerwalten(5, 6);
    for (DiagrammDaten* x : h)
        EXPECT_EQ(x->fenster, nullptr);
    EXPECT_NE(h[1]->naechstes, nullptr);
    fensterliste = {};
}

// Showing the stored window list or only the marked neurons closes the windows first; the
// samples stay, so every window shown again draws its curve. Closing all frees them.
TEST_F(DiagrammFall, ListeUndMarkierteZeigenBehaltenDieWerteAllesSchliessenGibtSieFrei)
{
    laufzeitSetzen(0.1, 0.001);
    NeuronDaten* n[2] = {neu(1), neu(2)};
    for (int i = 0; i < 2; ++i)
        werte(gezeigt(n[i]), kurve::Soma, std::vector<float>(100, -60.0f - 5.0f * i));
    const auto gezeichnet = [&](int i) {
        const KurvenDaten& k = n[i]->hauptDiagramm.kurven[kurve::Soma];
        return std::make_tuple(lesbareWerte(k), lesbareWerte(k) > 0 ? k.werte[99] : 0.0f,
                               n[i]->hauptDiagramm.fenster != nullptr && k.punktAnzahl > 0);
    };
    fensterliste[0] = {1, 0, 10, 20, 400, 300};
    diagrammeVerwalten(5, 3);
    EXPECT_EQ(gezeichnet(0), std::make_tuple(100, -60.0f, true));
    EXPECT_EQ(gezeichnet(1), std::make_tuple(100, -65.0f, false));   // closed, not lost
    neuronMarkieren(n[1], 1);
    diagrammeVerwalten(2, 4);
    EXPECT_EQ(gezeichnet(1), std::make_tuple(100, -65.0f, true));
    EXPECT_EQ(n[0]->hauptDiagramm.fenster, nullptr);
    diagrammeVerwalten(5, 6);
    for (NeuronDaten* x : n)
        EXPECT_TRUE(x->hauptDiagramm.kurven[kurve::Soma].werte.empty());
    fensterliste = {};
}
