// tests/diagrams/test_fenster_zuordnung.cpp - a diagram window finds its diagram: through
// its neuron's number, after a renumbering, and not while it is still being made
#include "diagramm_hilfe.h"

// The lookup walks the neuron the window names; a window whose neuron was renumbered or
// that was given to a diagram by other means is found all the same, and a window nobody
// owns belongs to no diagram.
TEST_F(DiagrammFall, FensterFindetSeinDiagrammAuchNachNeuerNummer)
{
    NeuronDaten* a = neu(1);
    NeuronDaten* b = neu(2);
    DiagrammDaten& haupt = gezeigt(b);
    ASSERT_EQ(diagrammErzeugen(b, nullptr), 1);
    DiagrammDaten* weiteres = b->hauptDiagramm.naechstes;
    ASSERT_TRUE(weiteres && weiteres->fenster);
    EXPECT_EQ(diagrammZuFenster(haupt.fenster), &haupt);
    EXPECT_EQ(diagrammZuFenster(weiteres->fenster), weiteres);
    EXPECT_EQ(diagrammZuFenster(gezeigt(a).fenster), &a->hauptDiagramm);

    // neuron 2 becomes neuron 7
    neuronTabelleSetzen(2, nullptr);
    b->nummer = 7;
    neuronTabelleSetzen(7, b);
    EXPECT_EQ(diagrammZuFenster(weiteres->fenster), weiteres);
    EXPECT_EQ(diagrammZuFenster(haupt.fenster), &haupt);
    EXPECT_EQ(plattform::fensterDaten(haupt.fenster), 7);

    // another neuron takes number 2: the window does not become its
    NeuronDaten* c = neu(2);
    plattform::fensterDatenSetzen(haupt.fenster, 2);
    EXPECT_EQ(diagrammZuFenster(haupt.fenster), &haupt);
    EXPECT_EQ(c->hauptDiagramm.fenster, nullptr);

    // a window made outside diagrammErzeugen, and one that belongs to nobody
    plattform::Fenster fremd = plattform::fensterErzeugen(meldungsTexte[12], "x", 0, 0, 0, 100, 100, nullptr, nullptr);
    EXPECT_EQ(diagrammZuFenster(fremd), nullptr);
    c->hauptDiagramm.fenster = fremd;
    EXPECT_EQ(diagrammZuFenster(fremd), &c->hauptDiagramm);
    c->hauptDiagramm.fenster = nullptr;
    plattform::fensterZerstoeren(fremd);
}
