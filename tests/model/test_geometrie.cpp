// tests/model/test_geometrie.cpp - where the editor draws synapses
#include "test_synapse_hilfe.h"

namespace {

// a stored point of a synapse: the start, end or marker of one dendrite mode's variant
struct Punkt {
    char art;   // 's', 'e', 'm'
    int modus, x, y;
};

struct Geometrie : SynapsenFall {
    // soma 20, dendrite 60 long and 4 thick, axon 10, synapse 6, loop radius 15
    static NeuronDaten* platziert(int nummer, int x, int y)
    {
        NeuronDaten* n = neu(nummer);
        std::tie(n->x, n->y) = std::tuple(x, y);
        n->zeichenGroessen = {1, 60, 4, 20, 10, 6, 15, 5};
        return n;
    }
    static void gleich(const SynapseDaten& s, std::initializer_list<Punkt> erwartet)
    {
        for (const Punkt& p : erwartet) {
            const int i = geometrieIndex(p.modus);
            const auto& x = p.art == 's' ? s.startPunktX : p.art == 'e' ? s.endPunktX : s.markerPunktX;
            const auto& y = p.art == 's' ? s.startPunktY : p.art == 'e' ? s.endPunktY : s.markerPunktY;
            EXPECT_EQ(std::make_pair(x[i], y[i]), std::make_pair(p.x, p.y)) << p.art << ", mode " << p.modus;
        }
    }
    static void gleich(plattform::Punkt p, int x, int y)
    {
        EXPECT_EQ(std::make_pair(p.x, p.y), std::make_pair(x, y));
    }
};

} // namespace

TEST_F(Geometrie, SchraegeVerbindungRuecktUmDieRadienZurueckAxoAxonischeZieltAufDenMarker)
{
    // centres (10, 10) and (310, 410): a 3-4-5 line; onto the soma every variant is the same
    NeuronDaten* a = platziert(1, 0, 0);
    NeuronDaten* b = platziert(2, 300, 400);
    SynapseDaten* s = verbinde(a, b);
    gleich(*s, {{'s', 1, 16, 18}, {'e', 1, 304, 402}, {'m', 1, 302, 400}, {'e', 4, 304, 402}});
    // the current mode's variant is the line; the default mode is 3
    gleich(s->linienStart, 16, 18);
    gleich(s->linienEnde, 304, 402);
    // from (10, 410) straight to the parent's marker (302, 400), stopping a synapse size short
    SynapseDaten* axo = verbinde(platziert(3, 0, 400), b, 0, 0.4, 0.001, kontaktort::Axo, s);
    gleich(*axo, {{'e', 1, 299, 400}, {'m', 1, 296, 400}});
}

TEST_F(Geometrie, DendritenpunktJeModus)
{
    NeuronDaten* a = platziert(1, 100, 100);
    NeuronDaten* b = platziert(2, 100, 300);
    b->segmentAnzahl = 3;
    simulationsParameter.netzwerktyp = 2;
    // mode 1: the soma; mode 2: half the dendrite below the box, back by its thickness; mode 3,
    // segment 2: the middle of the second third; mode 4 with three segments: the middle of segment 2
    SynapseDaten* s = verbinde(a, b, 0, 1e-7, 0.001, 2);
    gleich(*s, {{'s', 1, 110, 120}, {'e', 1, 110, 300}, {'m', 1, 110, 297}, {'e', 2, 110, 346},
                {'m', 2, 110, 343}, {'e', 3, 110, 346}, {'e', 4, 110, 346}});
    gleich(s->linienEnde, 110, 346);
    // segment 3: the dendrite's half in mode 2, the middle of the last third or segment otherwise
    SynapseDaten* t = verbinde(a, b, 0, 1e-7, 0.001, 3);
    gleich(*t, {{'e', 2, 110, 346}, {'e', 3, 110, 366}, {'e', 4, 110, 366}});
    // mode 4 without segments stays on the soma
    b->segmentAnzahl = 0;
    synapsenLinieBerechnen(*t);
    gleich(*t, {{'e', 4, 110, 300}, {'m', 4, 110, 297}});
}

TEST_F(Geometrie, SchleifeAufDasEigeneNeuron)
{
    NeuronDaten* a = platziert(1, 100, 100);
    // gamma = 2 (asin(10/30) + asin(3/30)), m = (cos, sin)(pi/2 - gamma) * 30 sin(gamma/2)
    SynapseDaten* s = verbinde(a, a);
    gleich(*s, {{'m', 1, 119, 118}, {'m', 3, 119, 102}, {'s', 2, 110, 110}, {'e', 4, 110, 110}});
    gleich(s->linienEnde, 0, 0);   // a loop stores no line
    // onto segment 1, measured from the soma's lower edge
    SynapseDaten* t = verbinde(a, a, 0, 1e-7, 0.001, 1);
    gleich(*t, {{'m', 1, 119, 118}, {'m', 2, 107, 150}, {'e', 2, 110, 150}});
}

TEST_F(Geometrie, NullAbstandUndNullRadiusBleibenEndlich)
{
    // sizes 0 everywhere: no loop radius, and every point on the centre
    NeuronDaten* a = neu(1);
    NeuronDaten* b = neu(2);
    a->x = a->y = 50;
    b->x = 200;
    SynapseDaten* s = verbinde(a, a);
    for (int m = 1; m <= 4; ++m)
        gleich(*s, {{'m', m, 50, 50}, {'e', m, 50, 50}});
    // an axo-axonic synapse whose parent's marker is its own centre
    SynapseDaten* eltern = verbinde(a, b);
    eltern->markerPunktX.fill(50);
    eltern->markerPunktY.fill(50);
    gleich(*verbinde(a, b, 0, 0.4, 0.001, kontaktort::Axo, eltern), {{'s', 2, 50, 50}, {'m', 2, 50, 50}});
}

