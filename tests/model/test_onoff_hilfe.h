// tests/model/test_onoff_hilfe.h - an on/off, HH or GB neuron as the run start leaves it
#pragma once
#include "test_neuron_hilfe.h"
#include "model/gb.h"
#include "model/hh.h"
#include "model/kca.h"
#include "model/neuron.h"
#include "model/onoff.h"
#include "model/parameter.h"

struct ModellFall : ModellLaufFall {
    // a neuron of model `m` in a dendrite mode (1: soma only): built-in common values, the
    // shipped model file
    NeuronDaten& neuron(int m, int dendritenModus = 1)
    {
        simulationsParameter.netzwerkmodell = m;
        neuronImModus(dendritenModus);
        EXPECT_TRUE(eingebauteGemeinsameWerte(m, simulationsParameter.anzahlSegmente, n->parameter));
        standardDateien.onOff = parameterOrdner() + "onoff.channel";
        standardDateien.hh = parameterOrdner() + "hh.channel";
        standardDateien.gb = parameterOrdner() + "gb.channel";
        const int geladen = m == modell::OnOff ? stdParameterModell1Laden(*n)
                            : m == modell::HodgkinHuxley ? stdParameterModell3Laden(*n)
                                                        : stdParameterModell4Laden(*n);
        EXPECT_EQ(geladen, 1);
        n->modellTyp = m;
        return *n;
    }
    void laufen(int schritte, int ab = 0)
    {
        auto schritt = n->modellTyp == modell::OnOff ? onOffModellBerechnen
                       : n->modellTyp == modell::HodgkinHuxley ? hodgkinHuxleyModellBerechnen
                                                               : golowaschBuchholzModellBerechnen;
        for (int i = ab; i < ab + schritte; ++i) {
            laufZustand.t = i * T;
            schritt(*n);
        }
    }
};
