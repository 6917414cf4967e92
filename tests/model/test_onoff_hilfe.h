// tests/model/test_onoff_hilfe.h - an on/off, HH or GB neuron as the run start leaves it
#pragma once
#include "test_neuron_hilfe.h"
#include "model/gb.h"
#include "model/hh.h"
#include "model/kca.h"
#include "model/netz.h"
#include "model/neuron.h"
#include "model/onoff.h"
#include "model/parameter.h"
#include "model/standarddateien.h"
#include "model/startzustand.h"
#include "model/zeitschleife.h"
#include "model/zufall.h"
#include <string>

struct ModellFall : NeuronFall {
    NeuronDaten* n = nullptr;
    double T = 1e-4;

    void SetUp() override
    {
        NeuronFall::SetUp();
        laufZustand = {};
        simulationsParameter.schrittweite = T;
        simulationsParameter.integrationsmethode = integration::ExponentiellerEuler;
        simulationsParameter.rauschenEin = 0;
        zufallStarten(1);
    }
    void TearDown() override
    {
        laufZustand = {};
        standardDateienVorgeben();
        NeuronFall::TearDown();
    }

    // a neuron of model `m` in a dendrite mode (1: soma only): built-in common values, the
    // shipped model file
    NeuronDaten& neuron(int m, int dendritenModus = 1)
    {
        const std::string ordner = std::string(VELNOR_TEST_DATEN) + "/../../resources/parameter/";
        const int segmente = segmenteFuerNetzwerktyp(dendritenModus);
        simulationsParameter.netzwerktyp = dendritenModus;
        simulationsParameter.anzahlSegmente = segmente;
        simulationsParameter.netzwerkmodell = m;
        n = neu(1);
        EXPECT_NE(n, nullptr);
        EXPECT_TRUE(kompartimenteAnpassen(*n, segmente));
        EXPECT_TRUE(eingebauteGemeinsameWerte(m, segmente, n->parameter));
        standardDateienVorgeben();
        standardDateien.onOff = ordner + "onoff.channel";
        standardDateien.hh = ordner + "hh.channel";
        standardDateien.gb = ordner + "gb.channel";
        const int geladen = m == modell::OnOff ? stdParameterModell1Laden(*n)
                            : m == modell::HodgkinHuxley ? stdParameterModell3Laden(*n)
                                                        : stdParameterModell4Laden(*n);
        EXPECT_EQ(geladen, 1);
        n->modellTyp = m;
        return *n;
    }
    // what the run start does before the first step
    void starten()
    {
        ASSERT_TRUE(neuronenStartzustandSetzen());
        for (NeuronDaten* x = neuronKette.kopf; x; x = x->naechstesNeuron)
            neuronLaufVorbereiten(*x);
    }
    // a soma current (A) in [beginn, ende)
    void strom(double I, double beginn = 0.0, double ende = 1e9)
    {
        n->somaCurrent = I;
        n->somaSCStart = beginn;
        n->somaSCEnd = ende;
    }
    void laufen(int schritte, int ab = 0)
    {
        void (*schritt)(NeuronDaten&) = n->modellTyp == modell::OnOff ? onOffModellBerechnen
                                        : n->modellTyp == modell::HodgkinHuxley ? hodgkinHuxleyModellBerechnen
                                                                                : golowaschBuchholzModellBerechnen;
        for (int i = ab; i < ab + schritte; ++i) {
            laufZustand.t = i * T;
            schritt(*n);
        }
    }
};
