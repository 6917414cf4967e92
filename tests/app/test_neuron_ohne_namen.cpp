// tests/app/test_neuron_ohne_namen.cpp - a neuron without a name goes by "Neuron N" in every
// window, dialog and question, while the network file keeps its name empty
#include "app_hilfe.h"
#include "core/rahmen.h"
#include "diagrams/drucken.h"
#include "diagrams/fensterhandler.h"
#include "dialogs/synapsendialoge.h"
#include "files/netzdatei.h"
#include "model/synapse.h"
#include "platform/box.h"
#include "resources/befehle.h"
#include "resources/diagrammmenue.h"

using namespace apphilfe;

namespace {

// neuron 3 has no name, neuron 5 is "Ziel"; a synapse from 3 onto 5
struct OhneNamen : AppFall {
    NeuronDaten *ohne = nullptr, *ziel = nullptr;
    SynapseDaten* s = nullptr;
    void SetUp() override
    {
        AppFall::SetUp();
        ASSERT_TRUE(starten());
        nachrichtenVerarbeiten();
        ohne = NeuronFall::neu(3);
        ziel = NeuronFall::neu(5);
        ASSERT_TRUE(ohne && ziel);
        ohne->name.clear();
        ziel->name = "Ziel";
        for (NeuronDaten* n : {ohne, ziel}) {
            n->x = 60 * n->nummer;
            n->y = 100;
            einstellungenAktualisieren(n, 0);
        }
        s = synapseNeu(ohne, ziel, 0, 1e-6, 0.003, -0.04, 0.05, 0, nullptr);
        ASSERT_NE(s, nullptr);
        synapsenTabelleSetzen(s->id, s);
    }
    static std::string letzteBox() { return pt::boxLog().empty() ? std::string() : pt::boxLog().back().text; }
};

} // namespace

TEST_F(OhneNamen, FensterDialogeUndFragenNennenEsNeuronN)
{
    ASSERT_EQ(neuronAnzeigename(*ohne), "Neuron 3");
    EXPECT_EQ(neuronAnzeigename(*ziel), "Ziel");

    // its diagram window, and a second one with its number behind
    rahmen::diagrammFensterOeffnen(ohne);
    nachrichtenVerarbeiten();
    ASSERT_NE(ohne->hauptDiagramm.fenster, nullptr);
    EXPECT_EQ(titel(ohne->hauptDiagramm.fenster), "Neuron 3");
    DiagrammDaten zweites;
    zweites.nummer = 2;
    EXPECT_EQ(diagrammTitel(*ohne, zweites), "Neuron 3 2");

    // the edit-synapse dialog: its title and both neuron fields
    gewaehlteSynapse = s;
    pt::dialogSkript(135, {[](Fenster dlg) {
        EXPECT_EQ(titel(dlg).rfind("Synapse von Neuron 3 auf Ziel (", 0), 0u) << titel(dlg);
        EXPECT_EQ(elementText(dlg, 1262), "Neuron 3");
        EXPECT_EQ(elementText(dlg, 1263), "Ziel");
    }, pt::schritt::klicken(2)});
    synapseBearbeitenDialogOeffnen(haupt());

    // the physiology dialog of the one marked neuron
    neuronMarkieren(nullptr, 0);
    neuronMarkieren(ohne, 1);
    pt::dialogSkript(117, {[](Fenster dlg) { EXPECT_EQ(titel(dlg), "Physiologische Parameter von Neuron 3"); },
                           pt::schritt::klicken(2)});
    befehl(befehlPhysiologie);

    // the print question of its diagram, answered No
    druckAuftrag.druckerName = "Drucker";
    pt::boxAntworten({antwort::Nein});
    diagrammBefehl(ohne->hauptDiagramm.fenster, diagrammBefehlDrucken, 0, 0);
    EXPECT_EQ(letzteBox(), "Diagramm zu Neuron\nNeuron 3\nauf Drucker\nDrucker\ndrucken?");
    EXPECT_TRUE(pt::druckLog().empty());
    druckAuftrag = {};

    EXPECT_EQ(pt::offeneDialogSkripte(), 0u);
    EXPECT_EQ(ohne->name, "");
}

// English texts name it "neuron N"; the network file keeps the empty name and a reload reads
// it back empty, never as a number or as "Neuron N"
TEST_F(OhneNamen, DieNetzdateiBehaeltDenLeerenNamen)
{
    rahmen::diagrammFensterOeffnen(ohne);
    nachrichtenVerarbeiten();
    dateipfade.dokumentVerzeichnis = ordner;
    dateipfade.netzName = "ohne";
    dateipfade.endung = "gui";
    ASSERT_TRUE(guiDateiSpeichern(0, nullptr, 1));
    const std::string datei = lesen(ordner + "ohne.gui");
    EXPECT_NE(datei.find("\nneuron 3 name=\r\n"), std::string::npos);
    EXPECT_NE(datei.find("\nneuron 5 name=Ziel\r\n"), std::string::npos);
    EXPECT_EQ(datei.find("Neuron 3"), std::string::npos);
    EXPECT_EQ(ohne->name, "");

    netzLoeschen();
    std::string pfad = ordner + "ohne.gui";
    ASSERT_GT(guiDateiLaden(pfad), 0);
    const NeuronDaten* wieder = neuronNachNummer(3);
    ASSERT_NE(wieder, nullptr);
    EXPECT_EQ(wieder->name, "");
    EXPECT_EQ(neuronAnzeigename(*wieder), "Neuron 3");

    parameterOrdner.pfad = ausgelieferteTexte();
    sprachTexteLaden(spracheEnglisch);
    EXPECT_EQ(neuronAnzeigename(*wieder), "neuron 3");
}
