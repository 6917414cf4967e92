// tests/model/test_hh.cpp - traces of the Hodgkin-Huxley default neuron
#include "test_onoff_hilfe.h"
#include <climits>

using HodgkinHuxley = ModellFall;

TEST_F(HodgkinHuxley, RuhtEineSekundeNaheMinus65mVWelchesRuhepotentialP1AuchAngibt)
{
    NeuronDaten& x = neuron(modell::HodgkinHuxley);
    x.parameter[par::SomaRuhepotential] = 0.02;   // the HH leak has a reversal of its own
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
        std::tie(k->parameter, k->modellTyp) = std::tuple(x.parameter, modell::HodgkinHuxley);
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
    EXPECT_EQ(std::tie(x.potentiale[0], x.torVariable),
              std::tie(zwilling->potentiale[0], zwilling->torVariable));
}

TEST_F(HodgkinHuxley, PulsUndDauerstromFeuernErstUeberDerSchwelle)
{
    const struct { double I, ende; int mindestens, hoechstens; } faelle[] = {
        {0.05e-9, 0.051 - 1e-4 / 2, 0, 0},   // ten steps of 0.1 ms from 50 ms
        {0.1e-9, 0.051 - 1e-4 / 2, 1, 1},
        {0.02e-9, 1e9, 0, 0},
        {0.1e-9, 1e9, 40, INT_MAX},          // steady firing
    };
    for (const auto& f : faelle) {
        NeuronFall::leeren();
        NeuronDaten& x = neuron(modell::HodgkinHuxley);
        strom(f.I, 0.05, f.ende);
        starten();
        laufen(10000);
        EXPECT_TRUE(x.apAnzahl >= f.mindestens && x.apAnzahl <= f.hoechstens) << f.I << " until " << f.ende;
    }
}

TEST_F(HodgkinHuxley, StromInSegmentEinsHebtDasSomaUndDieFernerenSegmenteWenigerAn)
{
    // the default dendrite of three segments, strongly coupled, settled for 0.5 s under a current
    // into the soma and one into segment 1: the potentials, less those without the currents
    auto lauf = [&](double somaStrom, double dendritStrom) {
        NeuronFall::leeren();
        NeuronDaten& x = neuron(modell::HodgkinHuxley, 3);
        x.parameter[par::SomaDendritKopplung] = x.parameter[par::DendritSomaKopplung] = 4e-8;
        strom(somaStrom);
        std::tie(x.dendCurrent, x.dendSCLocation, x.dendSCStart, x.dendSCEnd) =
            std::tuple(dendritStrom, 1, 0.0, 1e9);
        starten();
        laufen(5000);
        EXPECT_EQ(x.apAnzahl, 0);
        return x.potentiale;
    };
    const std::vector<double> ruhe = lauf(0.0, 0.0);
    ASSERT_EQ(ruhe.size(), 4u);
    auto aenderung = [&](double somaStrom, double dendritStrom) {
        std::vector<double> d = lauf(somaStrom, dendritStrom);
        for (size_t c = 0; c < d.size(); ++c)
            d[c] -= ruhe[c];
        return d;
    };
    constexpr double pA = 1e-12;
    const std::vector<double> d = aenderung(0.0, 2 * pA);
    // depolarised everywhere, most where the current enters, less with every coupling step; a
    // soma one strong coupling away follows closely
    EXPECT_TRUE(d[3] > 0.0 && d[2] > d[3] && d[1] > d[2] && d[1] > d[0] && d[0] > 0.2 * d[1])
        << d[0] << " " << d[1] << " " << d[2] << " " << d[3];
    // a small current acts linearly: the opposite current moves every compartment back
    const std::vector<double> m = aenderung(0.0, -2 * pA);
    for (size_t c = 0; c < d.size(); ++c)
        EXPECT_NEAR(m[c], -d[c], 0.02 * d[c]) << c;
    // the coupling passes current both ways alike: soma to segment 1 as segment 1 to soma
    const std::vector<double> s = aenderung(2 * pA, 0.0);
    EXPECT_NEAR(s[1], d[0], 0.01 * d[0]);
    EXPECT_GT(s[0], s[1]);
}
