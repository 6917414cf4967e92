// tests/app/test_lauf_programm.cpp - a run started the way a user starts it
#include "app_hilfe.h"
#include "../model/test_neuron_hilfe.h"
#include "model/netz.h"
#include "model/parameter.h"
#include "model/simulationspruefung.h"
#include "model/standarddateien.h"
#include "platform/box.h"

namespace pt = plattform::test;
using namespace apphilfe;

// the whole program: F2 in the main window runs a few SWIM neurons to the end
struct LaufImProgramm : apphilfe::AppFall {};

TEST_F(LaufImProgramm, F2RechnetEinigeSwimNeuroneBisZumEnde)
{
    ASSERT_TRUE(starten());
    laufbaresNetz(3, ordner);
    pt::tasteDruecken(haupt(), plattform::taste::F2);
    plattform::nachrichtenVerarbeiten();
    for (const auto& e : pt::ereignisLog())
        if (e.art == pt::Ereignis::Box)
            ADD_FAILURE() << e.text;
    EXPECT_TRUE(programmStatus & programmBit::LaufErgebnisDa) << statusTexte[0] << "|" << statusTexte[3] << "|" << neuronKette.anzahl;
    EXPECT_FALSE(programmStatus & programmBit::LaufAktiv);
    EXPECT_DOUBLE_EQ(laufZustand.t, 0.02);
    EXPECT_EQ(laufZustand.eingerichtet, 1);
    EXPECT_EQ(statusTexte[0], meldungFormatieren(771));
    for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron)
        EXPECT_NE(n->potentiale[0], 0.0);
}
