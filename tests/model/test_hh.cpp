// tests/model/test_hh.cpp - traces of the Hodgkin-Huxley default neuron
#include "test_onoff_hilfe.h"
#include <cmath>

using HodgkinHuxley = ModellFall;

TEST_F(HodgkinHuxley, RuhtEineSekundeNaheMinus65mV)
{
    NeuronDaten& x = neuron(modell::HodgkinHuxley);
    starten();
    laufen(20);
    EXPECT_NEAR(x.potentiale[0], -0.065, 1e-4);   // the start gates are the resting ones: no transient
    laufen(9980, 20);
    EXPECT_NEAR(x.potentiale[0], -0.065, 0.001);
    EXPECT_EQ(x.apAnzahl, 0);
}

// the step takes its neuron as an argument: the editor's cursor, wherever it stands, changes nothing
TEST_F(HodgkinHuxley, SchrittRechnetMitSeinemNeuronWoAuchDerCursorSteht)
{
    NeuronDaten& x = neuron(modell::HodgkinHuxley);
    NeuronDaten* zwilling = neu(2);
    NeuronDaten* anderes = neu(3);
    for (NeuronDaten* k : {zwilling, anderes}) {
        ASSERT_TRUE(kompartimenteAnpassen(*k, simulationsParameter.anzahlSegmente));
        k->parameter = x.parameter;
        k->modellTyp = modell::HodgkinHuxley;
    }
    anderes->parameter[par::SomaStartpotential] = 0.02;   // its gates would open x's
    starten();
    for (int i = 0; i < 50; ++i) {
        laufZustand.t = i * T;
        aktuellesNeuron = anderes;
        hodgkinHuxleyModellBerechnen(x);
        aktuellesNeuron = nullptr;
        hodgkinHuxleyModellBerechnen(*zwilling);
    }
    EXPECT_NE(x.torVariable[0], x.parameter[par::HhMStart]);   // the step did run
    EXPECT_EQ(x.potentiale[0], zwilling->potentiale[0]);
    EXPECT_EQ(x.torVariable, zwilling->torVariable);
}

TEST_F(HodgkinHuxley, KurzerPulsErstUeberDerSchwelleEinSpike)
{
    for (double I : {0.05e-9, 0.1e-9}) {
        NeuronFall::leeren();
        NeuronDaten& x = neuron(modell::HodgkinHuxley);
        strom(I, 0.05, 0.051 - T / 2);   // ten steps of 0.1 ms
        starten();
        laufen(2000);
        EXPECT_EQ(x.apAnzahl, I > 0.06e-9 ? 1 : 0) << I;
    }
}

TEST_F(HodgkinHuxley, DauerstromFeuertStetigNurUeberDerSchwelle)
{
    for (double I : {0.02e-9, 0.1e-9}) {
        NeuronFall::leeren();
        NeuronDaten& x = neuron(modell::HodgkinHuxley);
        strom(I);
        starten();
        laufen(2000);                         // onset: one spike at most
        const int anfang = x.apAnzahl;
        laufen(8000, 2000);
        if (I > 0.05e-9)
            EXPECT_GE(x.apAnzahl - anfang, 40) << "steady firing";
        else
            EXPECT_EQ(x.apAnzahl, 0);
    }
}

TEST_F(HodgkinHuxley, RuhepotentialP1WirktNicht)
{
    NeuronDaten& x = neuron(modell::HodgkinHuxley);
    starten();
    laufen(100);
    const double v = x.potentiale[0];
    NeuronFall::leeren();
    NeuronDaten& y = neuron(modell::HodgkinHuxley);
    y.parameter[par::SomaRuhepotential] = 0.02;
    starten();
    laufen(100);
    EXPECT_EQ(y.potentiale[0], v);
}

namespace {

// An HH neuron with the default dendrite of three segments, settled for 0.5 s under a
// constant current into the soma and one into segment 1; its potentials at the end.
struct HodgkinHuxleyDendrit : ModellFall {
    std::vector<double> lauf(double somaStrom, double dendritStrom, double kopplung = 4e-8,
                             double dendritRuhe = -0.065)
    {
        NeuronFall::leeren();
        NeuronDaten& x = neuron(modell::HodgkinHuxley, 3);
        x.parameter[par::SomaDendritKopplung] = kopplung;
        x.parameter[par::DendritSomaKopplung] = kopplung;
        x.parameter[par::DendritRuhepotential] = dendritRuhe;
        strom(somaStrom);
        x.dendCurrent = dendritStrom;
        x.dendSCLocation = 1;
        x.dendSCStart = 0.0;
        x.dendSCEnd = 1e9;
        starten();
        laufen(5000);
        return x.potentiale;
    }
    // the change a current makes against the same neuron without it, per compartment
    static std::vector<double> aenderung(const std::vector<double>& mit, const std::vector<double>& ohne)
    {
        std::vector<double> d(mit.size());
        for (size_t c = 0; c < mit.size(); ++c)
            d[c] = mit[c] - ohne[c];
        return d;
    }
};

constexpr double pA = 1e-12;

} // namespace

TEST_F(HodgkinHuxleyDendrit, StromInSegmentEinsHebtDasSomaUndDieFernerenSegmenteWenigerAn)
{
    const std::vector<double> ruhe = lauf(0.0, 0.0);
    ASSERT_EQ(ruhe.size(), 4u);
    const std::vector<double> d = aenderung(lauf(0.0, 2 * pA), ruhe);
    // depolarised everywhere, most where the current enters, less with every coupling step
    EXPECT_GT(d[3], 0.0);
    EXPECT_GT(d[2], d[3]);
    EXPECT_GT(d[1], d[2]);
    EXPECT_GT(d[1], d[0]);
    EXPECT_GT(d[0], 0.2 * d[1]);   // a soma one strong coupling away follows closely
    // a small current acts linearly: the opposite current moves every compartment back
    const std::vector<double> m = aenderung(lauf(0.0, -2 * pA), ruhe);
    for (size_t c = 0; c < d.size(); ++c)
        EXPECT_NEAR(m[c], -d[c], 0.02 * d[c]) << c;
    // the coupling passes current both ways alike: soma to segment 1 as segment 1 to soma
    const std::vector<double> s = aenderung(lauf(2 * pA, 0.0), ruhe);
    EXPECT_NEAR(s[1], d[0], 0.01 * d[0]);
    EXPECT_GT(s[0], s[1]);
}

TEST_F(HodgkinHuxleyDendrit, DasSomaFolgtDemSegmentJeStaerkerDieKopplung)
{
    // the share of segment 1's change that reaches the soma: none without coupling, nearly
    // all with a coupling far above the leak conductances
    std::vector<double> anteile;
    for (double kopplung : {0.0, 4e-9, 4e-8, 4e-7}) {
        const std::vector<double> d = aenderung(lauf(0.0, 2 * pA, kopplung), lauf(0.0, 0.0, kopplung));
        ASSERT_GT(d[1], 0.0) << kopplung;
        anteile.push_back(d[0] / d[1]);
    }
    EXPECT_EQ(anteile[0], 0.0);
    EXPECT_GT(anteile[1], 0.05);
    EXPECT_GT(anteile[2], anteile[1]);
    EXPECT_GT(anteile[3], anteile[2]);
    EXPECT_GT(anteile[3], 0.9);
    EXPECT_LE(anteile[3], 1.0);
}

TEST_F(HodgkinHuxleyDendrit, DendritMitTieferemRuhepotentialZiehtDasSomaHinab)
{
    NeuronFall::leeren();
    neuron(modell::HodgkinHuxley);
    starten();
    laufen(5000);
    const double allein = n->potentiale[0];
    // the dendrite's leak pulls towards -75 mV: the soma settles between, the far end lowest
    const std::vector<double> v = lauf(0.0, 0.0, 4e-8, -0.075);
    EXPECT_LT(v[0], allein - 0.001);
    EXPECT_GT(v[3], -0.075);
    EXPECT_LT(v[3], v[2]);
    EXPECT_LT(v[2], v[1]);
    EXPECT_LT(v[1], v[0]);
    EXPECT_EQ(n->apAnzahl, 0);
}
