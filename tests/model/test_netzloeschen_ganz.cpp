// tests/model/test_netzloeschen_ganz.cpp - a network taken apart whole: every record with
// what it owns goes once, in any order of links between the neurons, and the links made to
// diagram records read as null once those records have gone or have let go of them
#include "test_synapse_hilfe.h"
#include "model/gruppen.h"

using NetzGanz = SynapsenFall;

// Synapses forwards and backwards along the chain, two into one pool, an electrical one,
// axo-axonic ones on a parent and ones whose parent was deleted for re-creation, a group:
// all go with the network (the sanitizer sees a record freed twice or left behind).
TEST_F(NetzGanz, SynapsenPoolsUndKnotenGehenEinmalMitDemNetz)
{
    NeuronDaten* a = neu(1);
    NeuronDaten* b = neu(2);
    NeuronDaten* c = neu(3);
    NeuronDaten* d = neu(4);
    SynapseDaten* ab = verbinde(a, b);
    SynapseDaten* db = verbinde(d, b);             // into the same pool as ab, from behind
    SynapseDaten* ca = verbinde(c, a, 1);
    ASSERT_TRUE(ab && db && ca && verbinde(b, d, 3, 1e-9) && verbinde(d, a));
    ASSERT_TRUE(verbinde(c, b, 0, 0.4, 0.002, kontaktort::Axo, ab) && verbinde(a, b, 0, 0.3, 0.001, kontaktort::Axo, ab));
    // a parent deleted for re-creation: its axo-axonic synapse keeps its node meanwhile
    SynapseDaten* eltern = verbinde(b, c);
    ASSERT_TRUE(eltern && verbinde(d, c, 0, 0.4, 0.002, kontaktort::Axo, eltern));
    AxoKnoten* behalten = synapseLoeschen(b, eltern, 1);
    ASSERT_NE(behalten, nullptr);
    ASSERT_TRUE(synapsengruppeBelegen(2, *db, nullptr));
    ASSERT_EQ(poolAnzahl(b), 1);

    netzLoeschen();
    EXPECT_EQ(std::make_tuple(neuronKette.kopf, neuronKette.ende, neuronKette.anzahl, synapsenZaehler, axoZaehler,
                              synapsengruppen[2].anzahl()),
              std::make_tuple(nullptr, nullptr, 0, 0, 0, 0));
    for (int id = 1; id < synapsenTabellenGroesse; ++id)
        ASSERT_EQ(synapseNachId(id), nullptr) << id;
    for (int nummer : {1, 2, 3, 4})
        EXPECT_EQ(neuronNachNummer(nummer), nullptr);

    // the empty network takes new ones as before
    NeuronDaten* x = neu(1);
    NeuronDaten* y = neu(2);
    SynapseDaten* xy = verbinde(x, y);
    ASSERT_NE(xy, nullptr);
    EXPECT_EQ(std::make_tuple(xy->id, poolAnzahl(y), synapsenVon(x)), std::make_tuple(1, 1, 1));
}

// A link names one record: not a copy made of it, nor a record made after it went; a record
// that is assigned to keeps its own links, and a record that lets go is linked afresh.
TEST_F(NetzGanz, EinDiagrammVerweisNenntNurSeinenDatensatzSolangeDieserIhnNichtLoest)
{
    auto* weiteres = new DiagrammDaten;
    DiagrammDaten halter;
    halter.yAchse2Quelle = weiteres;
    EXPECT_EQ(halter.yAchse2Quelle, weiteres);
    // a copy of the holder links the same record; a copy of the record is another one
    const DiagrammDaten kopie = halter;
    DiagrammDaten kopieDesZiels = *weiteres;
    EXPECT_EQ(kopie.yAchse2Quelle, weiteres);
    EXPECT_NE(kopie.yAchse2Quelle.get(), &kopieDesZiels);
    // the record takes over another's contents, and stays the record linked
    *weiteres = kopieDesZiels;
    EXPECT_EQ(halter.yAchse2Quelle, weiteres);
    // let go, then linked again
    diagrammVerweiseLoesen(*weiteres);
    EXPECT_EQ(halter.yAchse2Quelle, nullptr);
    halter.yAchse2Quelle = weiteres;
    EXPECT_EQ(halter.yAchse2Quelle, weiteres);
    // gone: nothing reads it, nor the records made after it
    delete weiteres;
    std::vector<std::unique_ptr<DiagrammDaten>> danach;
    for (int i = 0; i < 8; ++i)
        danach.push_back(std::make_unique<DiagrammDaten>());
    EXPECT_EQ(halter.yAchse2Quelle, nullptr);
    EXPECT_EQ(kopie.yAchse2Quelle, nullptr);
}

// a neuron's diagram linked from the template goes with the network; the template's link
// to its own diagram stays
TEST_F(NetzGanz, DieVorlageVerliertNurIhreVerweiseInsNetz)
{
    NeuronDaten* a = neu(1);
    DiagrammDaten* weiteres = new DiagrammDaten;
    a->hauptDiagramm.naechstes = weiteres;
    DiagrammDaten vorlageKopie;
    vorlageKopie.yAchse2Quelle = weiteres;
    stdNeuron.hauptDiagramm.yAchse2Quelle = &a->hauptDiagramm;
    netzLoeschen();
    EXPECT_EQ(std::make_pair(vorlageKopie.yAchse2Quelle.get(), stdNeuron.hauptDiagramm.yAchse2Quelle.get()),
              std::make_pair(static_cast<DiagrammDaten*>(nullptr), static_cast<DiagrammDaten*>(nullptr)));
}
