// tests/model/test_kca.cpp - the K(Ca) record's Ca pool and channels in a SWIM step
#include "test_swim_hilfe.h"
#include "model/kca.h"
#include <cmath>

using KCa = SwimFall;

TEST_F(KCa, SwimNeuronMitKCaRecordRelaxiertUndOeffnet)
{
    NeuronDaten& x = neuron(1);
    x.kca = std::make_unique<KCaKanal>();
    KCaKanal& k = *x.kca;
    k.caAbbau = 50.0; k.caHintergrund = 5e-5; k.caAussen = 13.0; k.temperatur = 283.0;
    k.caStart = 1e-3; k.gKCa = 1e-9; k.eKCa = -0.08; k.qStart = 0.5;
    k.tore[3].potenz = 1; k.tore[3].rateBeta = 0.01; k.tore[3].hilfsParamBeta = 1e-3;
    k.tore[4].potenz = 1;
    for (int g = 0; g < 3; ++g)   // Ca channels closed: steady state 0 at rate 1/s
        k.tore[g] = {1, 32, 0.0, 0.0, 0.0, 32, 1.0, 0.0, 0.0, 0.0, 0.0};
    x.kcaModus = 1;
    starten();
    laufen(100);
    // no Ca conductance: the pool relaxes to the background at the removal rate
    const double ca = 5e-5 + (1e-3 - 5e-5) * std::exp(-50.0 * 100 * T);
    EXPECT_NEAR(x.caKonzentration, ca, 1e-12);
    EXPECT_NEAR(x.caPotential, 4.308507882e-05 * 283.0 * std::log(13.0 / ca), 1e-12);
    EXPECT_EQ(x.torVariable[11], 1.0);                 // without inactivation it stays 1
    EXPECT_GT(k.oeffnungKCa, 0.0);
    EXPECT_DOUBLE_EQ(k.summeG, k.gKCa * k.oeffnungKCa);
    EXPECT_DOUBLE_EQ(k.summeGE, x.leitwertMalPotential[9] * k.oeffnungKCa);
    EXPECT_DOUBLE_EQ(x.kanalStrom[6], x.leitwertMalPotential[9] * k.oeffnungKCa);
}
