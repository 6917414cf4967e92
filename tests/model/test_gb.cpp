// tests/model/test_gb.cpp - traces of the Golowasch-Buchholz step and its Ca pool
#include "test_onoff_hilfe.h"
#include <cmath>

using GolowaschBuchholz = ModellFall;

TEST_F(GolowaschBuchholz, MischfaktorHalbBeiP173UndCaGleichAussenGibtNullpotential)
{
    NeuronDaten& x = neuron(modell::GolowaschBuchholz);
    x.parameter[par::GbCaAbbau] = 0.0;   // the pool keeps its start value
    x.parameter[par::GbCaStart] = x.parameter[par::GbCaAussen];
    starten();
    x.potentiale[0] = x.parameter[par::GbMischHalbspannung];
    laufen(1);
    EXPECT_DOUBLE_EQ(x.gbMischfaktor, 0.5);
    EXPECT_EQ(std::tuple(x.caPotential, x.kanalStrom[2]), std::tuple(0.0, x.parameter[par::GbCaAussen]));
    x.potentiale[0] = x.parameter[par::GbMischHalbspannung] - 0.1;
    laufen(1, 1);
    EXPECT_GT(x.gbMischfaktor, 0.999);
}

TEST_F(GolowaschBuchholz, OhneCaStroemeRelaxiertCaZumHintergrund)
{
    NeuronDaten& x = neuron(modell::GolowaschBuchholz);
    x.parameter[par::Gb4G] = x.parameter[par::Gb5G] = 0.0;
    x.parameter[par::GbCaStart] = 1e-3;
    starten();
    laufen(1000);
    const double hintergrund = x.parameter[par::GbCaHintergrund];
    const double ca = hintergrund + (1e-3 - hintergrund) * std::exp(-x.parameter[par::GbCaAbbau] * 1000 * T);
    EXPECT_NEAR(x.caKonzentration, ca, 1e-12);
}

TEST_F(GolowaschBuchholz, StandardNeuronRuhtUndFeuertErstUeberDerSchwelle)
{
    NeuronDaten& x = neuron(modell::GolowaschBuchholz);
    starten();
    laufen(10000);
    const double ruhe = x.potentiale[0];
    laufen(2000, 10000);
    EXPECT_NEAR(x.potentiale[0], ruhe, 1e-4);
    strom(2e-9, 1.2, 1.4);   // about 1.2 uA/cm2 on the 1.7 nF membrane: below threshold
    laufen(4000, 12000);
    EXPECT_EQ(x.apAnzahl, 0);
    strom(20e-9, 1.6, 1.8);  // about 12 uA/cm2: steady firing for the whole step
    laufen(4000, 16000);
    EXPECT_GE(x.apAnzahl, 10);
}
