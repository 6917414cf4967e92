// tests/app/test_lauf_programm.cpp - a run started the way a user starts it
#include "app_hilfe.h"
#include "../model/test_neuron_hilfe.h"
#include "app/anschluesse.h"
#include "model/netz.h"
#include "model/parameter.h"
#include "model/simulationspruefung.h"
#include "model/standarddateien.h"
#include "platform/box.h"

namespace pt = plattform::test;
using namespace apphilfe;

namespace {
// 40039's default, taken before any test resets the frame's seams
void (*const startStandard)() = anschluss::simulationStarten;
}

// the whole program: F2 in the main window runs a few SWIM neurons to the end
struct LaufImProgramm : apphilfe::AppFall {};

TEST_F(LaufImProgramm, F2RechnetEinigeSwimNeuroneBisZumEnde)
{
    ASSERT_NE(startStandard, nullptr);
    ASSERT_TRUE(starten());
    anschluss::simulationStarten = startStandard;
    const std::string ordner = std::string(VELNOR_TEST_DATEN) + "/../../resources/parameter/";
    standardDateienVorgeben();
    standardDateien.allgemein = ordner + "standard.gen";
    standardDateien.swim = ordner + "swim.channel";
    simulationsParameter.netzwerktyp = 1;
    simulationsParameter.anzahlSegmente = 0;
    for (int i = 1; i <= 3; ++i) {
        NeuronDaten* n = NeuronFall::neu(i);
        ASSERT_NE(n, nullptr);
        ASSERT_TRUE(kompartimenteAnpassen(*n, 0));
        ASSERT_EQ(stdParameterAllgemeinLaden(*n), 1);
        ASSERT_EQ(stdParameterModell2Laden(*n), 1);
        n->modellTyp = modell::Swim;
    }
    laufzeitSetzen(0.02, 1e-4);
    dateipfade.dokumentVerzeichnis = this->ordner;
    dateipfade.netzName = "netz";
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
    netzLoeschen();
    standardDateienVorgeben();
}
