// tests/lauf/test_einzelneuron.cpp - the single-neuron run replays what the recording run delivered
#include "lauf_hilfe.h"
#include "../model/test_synapse_hilfe.h"
#include "model/einzelneuron.h"
#include "model/synaptisch.h"

using Einzelneuron = LaufFall;

// Dendrite mode 3: a fires; b, a SWIM neuron of three segments, gets one chemical pool on
// segment 1 with a delay of 20 steps, recorded at the step each release arrives (it was
// recorded near 2k + delay).
TEST_F(Einzelneuron, WiedergabeDerAufzeichnungErgibtDieSomakurveDesAufzeichnungslaufs)
{
    laufzeitSetzen(0.1, 1e-4);
    const size_t schritte = static_cast<size_t>(simulationsParameter.anzahlSchritte);
    NeuronDaten& a = neuron(3);
    strom(1e-9);
    NeuronDaten* b = neu(2);
    ASSERT_TRUE(kompartimenteAnpassen(*b, 3));
    std::tie(b->parameter, b->modellTyp) = std::pair(a.parameter, modell::Swim);
    SynapseDaten* s = SynapsenFall::verbinde(&a, b, 0, 2e-8, 0.002, 1);
    ASSERT_NE(s, nullptr);
    s->pool->aufzeichnung.assign(schritte + 64, 0.0);
    b->hauptDiagramm.fenster = testhilfe::fensterAttrappe;
    b->hauptDiagramm.kurven[kurve::Soma].anzeigen = 1;
    const std::vector<float>& werte = b->hauptDiagramm.kurven[0].werte;

    teilsimulationsModus = 1;
    ASSERT_TRUE(laufDiagrammeVorbereiten(*b));
    ASSERT_GE(simulationAusfuehren(), static_cast<int>(schritte));
    EXPECT_EQ(teilsimulationsModus, 2);
    const std::vector<float> netzKurve(werte.begin(), werte.begin() + static_cast<long>(schritte));
    // a fired, and the releases moved b's soma by more than 1 mV
    EXPECT_GT(a.apAnzahl, 2);
    EXPECT_GT(*std::max_element(netzKurve.begin(), netzKurve.end()), netzKurve[0] + 1.0f);

    // b alone from its start state, the network out of it; its curve holds the start potential first
    startzustandMerkerLoeschen();
    ASSERT_TRUE(laufDiagrammeVorbereiten(*b));
    a.potentiale[0] = 0.0;
    einzelneuronSimulieren(*b);
    teilsimulationsModus = 0;
    EXPECT_EQ(b->hauptDiagramm.kurven[0].werteAnzahl, static_cast<int>(schritte));
    EXPECT_EQ(werte[0], static_cast<float>(b->parameter[par::SomaStartpotential] * 1000.0));
    EXPECT_TRUE(std::equal(netzKurve.begin(), netzKurve.end(), werte.begin() + 1));
    EXPECT_TRUE(programmStatus & programmBit::WiederherstellenAuslassen);
}

// Start potentials and the switches (factor, last segment, the legacy pulse's own segment,
// copy): three segments at most, also in dendrite mode 4. (It walked segments 1-3 of any neuron.)
TEST_F(Einzelneuron, StartzustandBegrenztDieSegmenteAufDieDesNeurons)
{
    const struct { int segmente, ort; std::array<int, 4> schalter; } faelle[] = {
        {3, 2, {1, 3, 2, 1}}, {3, 0, {1, 3, 1, 1}}, {3, -4, {1, 3, 1, 1}},
        {6, 5, {1, 3, 3, 1}}, {1, 3, {1, 1, 1, 1}}, {0, 2, {0, 0, 0, 1}},
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
        for (size_t c = 0; c < x.potentiale.size(); ++c)
            EXPECT_EQ(x.potentiale[c], x.parameter[c ? par::DendritStartpotential : par::SomaStartpotential]);
    }
}

// b with three segments at -0.07 V; type 0 reverses at 0.05 V, type 3 is electrical
TEST_F(Einzelneuron, PoolOhneAufzeichnungOderMitBereichJenseitsDesNeuronsGibtNichts)
{
    const struct { const char* was; int typ, bereich, puffer, schritt; double chemisch, elektrisch; }
        faelle[] = {
        {"chemical on segment 2", 0, 2, 10, 4, (0.05 + 0.07) * 0.5 * 1e-8, 0.0},
        {"electrical on the soma", 3, 0, 10, 4, 0.0, 0.5},
        {"no recording", 0, 2, 0, 4, 0.0, 0.0},
        {"past the recording", 0, 2, 10, 10, 0.0, 0.0},
        {"area 5 of a neuron with 3 segments", 0, 5, 10, 4, 0.0, 0.0},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.was);
        neuesNetz();
        NeuronDaten* z = neu(2);
        ASSERT_TRUE(kompartimenteAnpassen(*z, 3));
        std::fill(z->potentiale.begin(), z->potentiale.end(), -0.07);
        SynapseDaten* s = SynapsenFall::verbinde(neu(1), z, f.typ, 1e-8, 0.001, 0);
        ASSERT_TRUE(s && s->pool);
        s->pool->zielBereich = f.bereich;   // as a damaged file could leave it
        s->pool->aufzeichnung.assign(static_cast<size_t>(f.puffer), 0.5);
        z->synStromChemisch.assign(4, 9.0);
        z->synStromElektrisch.assign(4, 9.0);
        laufZustand.schrittZaehler = f.schritt;
        einzelneuronSynapsenstromSummieren(*z);
        for (size_t c = 0; c < 4; ++c) {
            const bool ziel = static_cast<int>(c) == std::clamp(f.bereich, 0, 3);
            EXPECT_NEAR(z->synStromChemisch[c], ziel ? f.chemisch : 0.0, 1e-20) << c;
            EXPECT_EQ(z->synStromElektrisch[c], ziel ? f.elektrisch : 0.0) << c;
        }
    }
}
