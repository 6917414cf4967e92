// tests/files/test_analysewaechter.cpp - what an analysis keeps goes back exactly, the oldest
// value wins, and nothing reaches a network that replaced the one it came from
#include "netzdatei_hilfe.h"
#include "files/analysewaechter.h"
#include "model/synapse.h"

namespace {

struct Waechter : NetzdateiFall {
    void TearDown() override
    {
        AnalyseWaechter::standAufnehmen = false;
        NetzdateiFall::TearDown();
    }
    // the guard keeps the soma's resting potential of a neuron by its number and sets it
    static void ruheSetzen(AnalyseWaechter& w, int nummer, double wert)
    {
        NeuronDaten* n = neuronNachNummer(nummer);
        const double alt = n->parameter[0];
        w.behalten({1, nummer, 0, 0}, [nummer, alt] {
            if (NeuronDaten* m = neuronNachNummer(nummer))
                m->parameter[0] = alt;
        });
        n->parameter[0] = wert;
    }
};

} // namespace

TEST_F(Waechter, GibtDenAeltestenWertGenauZurueckUndNurAnsSelbeNetz)
{
    NeuronDaten* n = neu(1);
    ASSERT_NE(n, nullptr);
    const double nutzer = 0.1 + 0.2;    // no value a sum of the later ones gives back by chance
    n->parameter[0] = nutzer;
    uint32_t schalter = 7;

    AnalyseWaechter::standAufnehmen = true;
    {
        AnalyseWaechter w;
        w.beginnen();
        ruheSetzen(w, 1, -0.05);
        ruheSetzen(w, 1, -0.03);        // the second keep of one field keeps nothing
        EXPECT_TRUE(w.haelt({1, 1, 0, 0}));
        w.behalten({2, 0, 0, 0}, [&schalter] { schalter = 7; }, false);
        schalter = 0;
        w.zurueckgeben();
        EXPECT_EQ(neuronNachNummer(1)->parameter[0], nutzer);
        EXPECT_EQ(schalter, 7u);
        EXPECT_EQ(w.vorher(), w.nachher());
        EXPECT_FALSE(w.vorher().netz.empty());
        EXPECT_FALSE(w.vorher().einstellungen.empty());
        w.zurueckgeben();               // twice is once
        EXPECT_EQ(neuronNachNummer(1)->parameter[0], nutzer);
    }

    // a network that replaced the analysed one keeps its own values; the program's switch
    // goes back whatever network is open
    AnalyseWaechter w;
    w.beginnen();
    ruheSetzen(w, 1, -0.05);
    w.behalten({2, 0, 0, 0}, [&schalter] { schalter = 7; }, false);
    schalter = 0;
    netzLoeschen();
    NeuronDaten* anderes = neu(1);
    ASSERT_NE(anderes, nullptr);
    anderes->parameter[0] = -0.07;
    EXPECT_FALSE(w.imselbenNetz());
    w.zurueckgeben();
    EXPECT_EQ(neuronNachNummer(1)->parameter[0], -0.07);
    EXPECT_EQ(schalter, 7u);
    EXPECT_TRUE(w.leer());
}
