// tests/lauf/test_einzelneuron.cpp - the single-neuron run replays what the recording run delivered
#include "lauf_hilfe.h"
#include "../model/test_synapse_hilfe.h"
#include "model/einzelneuron.h"
#include "model/laufstart.h"
#include "model/synaptisch.h"
#include <algorithm>
#include <vector>

namespace {

using testhilfe::fensterAttrappe;

struct Einzelneuron : LaufFall {
    NeuronDaten* a = nullptr;   // the sender, driven to fire
    NeuronDaten* b = nullptr;   // the neuron run alone later

    // dendrite mode 3: a fires; b, a SWIM neuron of three segments, gets one chemical pool
    // on segment 1 with a delay of 20 steps
    SynapsenPool& netz()
    {
        a = &neuron(3);
        strom(1e-9);
        b = neu(2);
        EXPECT_TRUE(kompartimenteAnpassen(*b, 3));
        b->parameter = a->parameter;
        b->modellTyp = modell::Swim;
        SynapseDaten* s = SynapsenFall::verbinde(a, b, 0, 2e-8, 0.002, 1);
        EXPECT_NE(s, nullptr);
        b->hauptDiagramm.fenster = fensterAttrappe;
        b->hauptDiagramm.kurven[kurve::Soma].anzeigen = 1;
        return *s->pool;
    }
};

} // namespace

TEST_F(Einzelneuron, WiedergabeDerAufzeichnungErgibtDieSomakurveDesAufzeichnungslaufs)   // it was recorded near 2k + delay
{
    laufzeitSetzen(0.1, 1e-4);
    const int schritte = simulationsParameter.anzahlSchritte;
    SynapsenPool& pool = netz();
    pool.aufzeichnung.assign(static_cast<size_t>(schritte + 64), 0.0);

    // the recording run of the whole network
    teilsimulationsModus = 1;
    ASSERT_TRUE(laufDiagrammeVorbereiten(*b));
    ASSERT_GE(simulationAusfuehren(), schritte);
    EXPECT_EQ(teilsimulationsModus, 2);
    const std::vector<float> netzKurve(b->hauptDiagramm.kurven[0].werte.begin(),
                                       b->hauptDiagramm.kurven[0].werte.begin() + schritte);
    EXPECT_GT(a->apAnzahl, 2);
    EXPECT_GT(*std::max_element(netzKurve.begin(), netzKurve.end()),
              netzKurve[0] + 1.0f);   // the releases moved b's soma by more than 1 mV

    // b alone, from its start state again; its curve holds the start potential first
    startzustandMerkerLoeschen();
    ASSERT_TRUE(laufDiagrammeVorbereiten(*b));
    a->potentiale[0] = 0.0;            // the network stays out of it
    einzelneuronSimulieren(*b);
    teilsimulationsModus = 0;
    const KurvenDaten& k = b->hauptDiagramm.kurven[0];
    EXPECT_EQ(k.werteAnzahl, schritte);
    EXPECT_EQ(k.werte[0], static_cast<float>(b->parameter[par::SomaStartpotential] * 1000.0));
    for (int i = 0; i < schritte; ++i)
        ASSERT_EQ(k.werte[static_cast<size_t>(i) + 1], netzKurve[static_cast<size_t>(i)]) << i;
    EXPECT_TRUE(programmStatus & programmBit::WiederherstellenAuslassen);
}

TEST_F(Einzelneuron, StartzustandBegrenztDieSegmenteAufDieDesNeurons)   // it walked segments 1-3 of any neuron
{
    const struct { int segmente, ort; std::array<int, 4> schalter; } faelle[] = {
        {3, 2, {1, 3, 2, 1}},
        {3, 0, {1, 3, 1, 1}},       // the legacy pulse has a segment of its own
        {3, -4, {1, 3, 1, 1}},
        {6, 5, {1, 3, 3, 1}},       // dendrite mode 4: still three segments at most
        {1, 3, {1, 1, 1, 1}},
        {0, 2, {0, 0, 0, 1}},       // soma only
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.segmente * 10 + f.ort);
        neuesNetz();
        NeuronDaten& x = neuron(1);
        ASSERT_TRUE(kompartimenteAnpassen(x, f.segmente));
        x.dendSCLocation = f.ort;
        x.potentiale.assign(x.potentiale.size(), 1.0);
        einzelneuronInitialisieren(x);
        EXPECT_EQ(x.kompartimentSchalter, f.schalter);
        EXPECT_EQ(x.potentiale[0], x.parameter[par::SomaStartpotential]);
        for (size_t c = 1; c < x.potentiale.size(); ++c)
            EXPECT_EQ(x.potentiale[c], x.parameter[par::DendritStartpotential]) << c;
    }
}

TEST_F(Einzelneuron, PoolOhneAufzeichnungOderMitBereichJenseitsDesNeuronsGibtNichts)
{
    // b with three segments at -0.07 V; type 0 reverses at 0.05 V, type 3 is electrical
    const struct { const char* was; int typ, bereich, puffer, schritt; double chemisch, elektrisch; } faelle[] = {
        {"chemical on segment 2", 0, 2, 10, 4, (0.05 + 0.07) * 0.5 * 1e-8, 0.0},
        {"electrical on the soma", 3, 0, 10, 4, 0.0, 0.5},
        {"no recording", 0, 2, 0, 4, 0.0, 0.0},
        {"past the recording", 0, 2, 10, 10, 0.0, 0.0},
        {"area 5 of a neuron with 3 segments", 0, 5, 10, 4, 0.0, 0.0},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.was);
        neuesNetz();
        NeuronDaten* q = neu(1);
        NeuronDaten* z = neu(2);
        ASSERT_TRUE(kompartimenteAnpassen(*z, 3));
        std::fill(z->potentiale.begin(), z->potentiale.end(), -0.07);
        SynapseDaten* s = SynapsenFall::verbinde(q, z, f.typ, 1e-8, 0.001, 0);
        ASSERT_TRUE(s && s->pool);
        s->pool->zielBereich = f.bereich;   // as a damaged file could leave it
        s->pool->aufzeichnung.assign(static_cast<size_t>(f.puffer), 0.5);
        z->synStromChemisch.assign(4, 9.0);
        z->synStromElektrisch.assign(4, 9.0);
        laufZustand.schrittZaehler = f.schritt;
        einzelneuronSynapsenstromSummieren(*z);
        const size_t c = static_cast<size_t>(std::clamp(f.bereich, 0, 3));
        EXPECT_NEAR(z->synStromChemisch[c], f.chemisch, 1e-20);
        EXPECT_EQ(z->synStromElektrisch[c], f.elektrisch);
        double summe = 0.0;
        for (size_t i = 0; i < 4; ++i)
            summe += i == c ? 0.0 : z->synStromChemisch[i] + z->synStromElektrisch[i];
        EXPECT_EQ(summe, 0.0);
    }
}
