// tests/model/test_hh.cpp - traces of the Hodgkin-Huxley default neuron
#include "test_onoff_hilfe.h"
#include <cmath>

using HodgkinHuxley = ModellFall;

TEST_F(HodgkinHuxley, RuhtEineSekundeNaheMinus65mV)
{
    NeuronDaten& x = neuron(modell::HodgkinHuxley);
    starten();
    laufen(10000);
    EXPECT_NEAR(x.potentiale[0], -0.065, 0.001);
    EXPECT_EQ(x.apAnzahl, 0);
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
