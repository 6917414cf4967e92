// tests/model/test_onoff.cpp - traces of the on/off step
#include "test_onoff_hilfe.h"
#include <cmath>

using OnOff = ModellFall;

TEST_F(OnOff, PassiverSomaFolgtDerLadekurve)
{
    NeuronDaten& x = neuron(modell::OnOff);
    x.parameter[par::Phase1G] = x.parameter[par::Phase2G] = x.parameter[par::Phase3G] = 0.0;
    const double I = 0.03e-9;
    strom(I);
    starten();
    const double g = x.parameter[par::SomaLeitwert];
    const double tau = x.parameter[par::SomaKapazitaet] / g;
    for (int i = 1; i <= 2000; ++i) {
        laufen(1, i - 1);
        const double v = x.parameter[par::SomaRuhepotential] + I / g * (1.0 - std::exp(-i * T / tau));
        ASSERT_NEAR(x.potentiale[0], v, 1e-12) << "step " << i;
    }
    EXPECT_EQ(x.apAnzahl, 0);
}

TEST_F(OnOff, StandardNeuronRuhtUndFeuertUnterStrom)
{
    NeuronDaten& x = neuron(modell::OnOff);
    starten();
    laufen(5000);
    EXPECT_NEAR(x.potentiale[0], x.parameter[par::SomaRuhepotential], 1e-6);
    // no phase before a crossing
    EXPECT_EQ(std::tuple(x.apAnzahl, x.kanalStrom[0] + x.kanalStrom[1] + x.kanalStrom[2]),
              std::tuple(0, 0.0));
    strom(0.1e-9, 0.5, 0.6);
    laufen(5000, 5000);
    EXPECT_GE(x.apAnzahl, 2);
    EXPECT_NEAR(x.potentiale[0], x.parameter[par::SomaRuhepotential], 1e-3);
}

TEST_F(OnOff, PhaseEinsFliesstImKreuzungsschrittUndZehnWeiteren)
{
    NeuronDaten& x = neuron(modell::OnOff);
    starten();
    int schritte = 0;
    for (int i = 0; i < 30; ++i) {
        x.potentiale[0] = x.parameter[par::OnOffSchwelle] + 0.005;   // held above: no restart
        laufen(1, i);
        schritte += x.kanalStrom[0] != 0.0;
    }
    EXPECT_EQ(schritte, 11);
}

TEST_F(OnOff, GemeinsamesRauschenKlingtJeNeuronAb)
{
    NeuronDaten& a = neuron(modell::OnOff);
    NeuronDaten* b = neu(2);
    ASSERT_TRUE(kompartimenteAnpassen(*b, 0));
    std::tie(b->parameter, b->modellTyp) = std::tuple(a.parameter, modell::OnOff);
    a.rauschenAn = b->rauschenAn = 1;
    starten();
    simulationsParameter.rauschenEin = 1;
    netzvorgaben.rauschHaeufigkeit = 0.0;   // no events: only the decay shows
    gemeinsamerRauschZustand = 1.0;
    laufZustand.t = 0.0;
    onOffModellBerechnen(a);
    onOffModellBerechnen(*b);
    EXPECT_NEAR(gemeinsamerRauschZustand, std::exp(-2.0 * T / netzvorgaben.rauschAbklingzeit), 1e-15);
    EXPECT_DOUBLE_EQ(b->rauschStrom, gemeinsamerRauschZustand * netzvorgaben.rauschStaerke);
}
