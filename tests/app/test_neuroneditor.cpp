// tests/app/test_neuroneditor.cpp - creating, finding and deleting neurons in the editor
#include "app_hilfe.h"
#include "app/netzbild.h"
#include "app/neuroneditor.h"
#include "model/diagramm.h"
#include "model/geometrie.h"
#include "model/serverdaten.h"
#include "model/synapse.h"
#include "platform/box.h"
#include "resources/befehle.h"
#include <cmath>

using namespace apphilfe;

namespace {

class NeuronEditor : public AppFall {
protected:
    void SetUp() override
    {
        AppFall::SetUp();
        ASSERT_TRUE(starten());
        nachrichtenVerarbeiten();
    }
    void TearDown() override
    {
        zoomFaktor = 1.0;
        serverDaten = {};
        AppFall::TearDown();
    }
    // neurons 1..anzahl in a row, 100 apart
    void reihe(int anzahl)
    {
        for (int i = 1; i <= anzahl; ++i) {
            NeuronDaten* n = NeuronFall::neu(i);
            ASSERT_NE(n, nullptr);
            n->x = 100 * i;
            n->y = 100;
            einstellungenAktualisieren(n, 0);
        }
    }
    SynapseDaten* synapse(int von, int nach)
    {
        SynapseDaten* s = synapseNeu(neuronSuchen(von), neuronSuchen(nach), 0, 1e-6, 0.003, -0.04, 0.05, 0, nullptr);
        synapsenTabelleSetzen(s->id, s);
        return s;
    }
};

TEST_F(NeuronEditor, EinNeuesNeuronStehtMitDerSomamitteAmKlickpunkt)
{
    int nummer = 0;
    for (double zoom : {1.0, 2.0, 0.5}) {
        SCOPED_TRACE(zoom);
        zoomFaktor = zoom;
        letzterKlickpunkt = {300, 200};
        NeuronDaten* n = neuronErzeugen(0);
        ASSERT_NE(n, nullptr);
        EXPECT_EQ(n->nummer, ++nummer);
        EXPECT_EQ(neuronKette.anzahl, nummer);
        const Rechteck r = somaRechteck(*n);
        EXPECT_NEAR((r.links + r.rechts) / 2.0, 300, 1.0 + zoom);
        EXPECT_NEAR((r.oben + r.unten) / 2.0, 200, 1.0 + zoom);
        EXPECT_EQ(objektAnPunktSuchen({300, 200}), n);
    }
    EXPECT_TRUE(pt::boxLog().empty()) << pt::boxLog().front().text;
}

TEST_F(NeuronEditor, NeuronErzeugenVergibtKeineNummerUeber1023)
{
    reihe(1);
    ASSERT_NE(NeuronFall::neu(1023), nullptr);
    // after 1023 the lowest free number
    NeuronDaten* n = neuronErzeugen(0);
    ASSERT_NE(n, nullptr);
    EXPECT_EQ(n->nummer, 2);
    // every number taken: refused with a notice
    for (int i = 3; i < 1023; ++i)
        ASSERT_NE(NeuronFall::neu(i), nullptr);
    pt::boxAntworten({plattform::antwort::Ok});
    EXPECT_EQ(neuronErzeugen(0), nullptr);
    EXPECT_EQ(neuronKette.anzahl, 1023);
    ASSERT_EQ(pt::boxLog().size(), 1u);
    EXPECT_EQ(pt::boxLog().back().text, meldungsTexte[860]);
}

TEST_F(NeuronEditor, EinGeloeschtesNeuronHinterlaesstKeinenVerweisAufSich)
{
    reihe(3);
    SynapseDaten* hin = synapse(1, 2);
    SynapseDaten* weiter = synapse(2, 3);
    aktuelleSynapse = hin;
    gewaehlteSynapse = weiter;
    letztesZielNeuron = 2;
    serverDaten.eingangsNeuron = serverDaten.angezeigtesNeuron = 2;
    serverDaten.eingangsNeuronName = "zwei";
    serverDaten.ausgangsNeuron = 3;
    aktuellesDiagramm.diagramm = &neuronSuchen(2)->hauptDiagramm;

    EXPECT_EQ(neuronLoeschen(neuronSuchen(2), 0), 1);
    EXPECT_EQ(NeuronFall::nummern(), (std::vector{1, 3}));
    EXPECT_EQ(neuronKette.anzahl, 2);
    EXPECT_EQ(std::tuple(aktuelleSynapse, gewaehlteSynapse, letztesZielNeuron, aktuellesDiagramm.diagramm),
              std::tuple(nullptr, nullptr, 0, nullptr));
    EXPECT_EQ(std::tuple(serverDaten.eingangsNeuron, serverDaten.eingangsNeuronName, serverDaten.angezeigtesNeuron),
              std::tuple(0, std::string(), 0));
    // what points at another neuron stays
    EXPECT_EQ(serverDaten.ausgangsNeuron, 3);
}

TEST_F(NeuronEditor, DerLoeschbefehlNimmtAlleMarkiertenNeurone)
{
    reihe(3);
    EXPECT_FALSE(befehlVerfuegbar(befehlNeuroneLoeschen));
    neuronMarkieren(neuronSuchen(1), 1);
    neuronMarkieren(neuronSuchen(3), 1);
    EXPECT_TRUE(befehlVerfuegbar(befehlNeuroneLoeschen));
    befehl(befehlNeuroneLoeschen);
    EXPECT_EQ(NeuronFall::nummern(), (std::vector{2}));
    EXPECT_EQ(markierteNeurone.anzahl(), 0);
    EXPECT_EQ(neuronLoeschen(nullptr, 0), 0);
}

TEST_F(NeuronEditor, DerTrefferIstDasObersteSomaUnterDemPunkt)
{
    reihe(2);
    NeuronDaten* a = neuronSuchen(1);
    NeuronDaten* b = neuronSuchen(2);
    const int d = zeichenGroesseVon(*a, zeichenGroesse::Soma);
    b->x = a->x + d / 2;          // overlaps the right half of the first
    struct Fall { Punkt p; double zoom; NeuronDaten* treffer; };
    for (const Fall& f : {Fall{{101, 101}, 1.0, a}, Fall{{100 + d - 1, 101}, 1.0, b}, Fall{{99, 101}, 1.0, nullptr},
                          Fall{{101, 100 + d}, 1.0, nullptr}, Fall{{201, 201}, 2.0, a}, Fall{{101, 101}, 2.0, nullptr}}) {
        SCOPED_TRACE(std::to_string(f.p.x) + "," + std::to_string(f.p.y) + " zoom " + std::to_string(f.zoom));
        zoomFaktor = f.zoom;
        EXPECT_EQ(objektAnPunktSuchen(f.p), f.treffer);
    }
}

TEST_F(NeuronEditor, EinNameIstFreiWennKeinAndererIhnTraegt)
{
    reihe(2);
    neuronSuchen(1)->name = "A";
    neuronSuchen(2)->name = "B";
    struct Fall { const char* name; int neuron, frei; };
    for (const Fall& f : {Fall{"A", 1, 1}, Fall{"B", 1, 0}, Fall{"C", 1, 1}, Fall{"A", 0, 0}, Fall{"C", 0, 1}}) {
        SCOPED_TRACE(std::string(f.name) + " " + std::to_string(f.neuron));
        EXPECT_EQ(neuronNameFrei(f.name, f.neuron ? neuronSuchen(f.neuron) : nullptr), f.frei);
    }
}

} // namespace
