// tests/model/test_swim_hilfe.h - a SWIM neuron set up as the run start leaves it
#pragma once
#include "test_neuron_hilfe.h"
#include "model/izhikevich.h"
#include "model/netz.h"
#include "model/neuron.h"
#include "model/parameter.h"
#include "model/standarddateien.h"
#include "model/startzustand.h"
#include "model/swim.h"
#include "model/zeitschleife.h"
#include "model/zufall.h"
#include <string>

struct SwimFall : NeuronFall {
    NeuronDaten* n = nullptr;
    double T = 1e-4;

    void SetUp() override
    {
        NeuronFall::SetUp();
        laufZustand = {};
        spikeAufzeichnung = {};
        simulationsParameter.netzwerkmodell = modell::Swim;
        simulationsParameter.schrittweite = T;
        simulationsParameter.integrationsmethode = integration::ExponentiellerEuler;
        simulationsParameter.rauschenEin = 0;
        simulationsParameter.rueckkopplungAktiv = 0;
        simulationsParameter.kollisionAktiv = 0;
        zufallStarten(1);
    }
    void TearDown() override
    {
        laufZustand = {};
        spikeAufzeichnung = {};
        standardDateienVorgeben();
        NeuronFall::TearDown();
    }

    // a neuron of dendrite mode `modus` with the shipped default files
    NeuronDaten& neuron(int modus = 1)
    {
        const std::string ordner = std::string(VELNOR_TEST_DATEN) + "/../../resources/parameter/";
        simulationsParameter.netzwerktyp = modus;
        simulationsParameter.anzahlSegmente = segmenteFuerNetzwerktyp(modus);
        n = neu(1);
        EXPECT_NE(n, nullptr);
        EXPECT_TRUE(kompartimenteAnpassen(*n, simulationsParameter.anzahlSegmente));
        standardDateienVorgeben();   // before the paths: the first load would set them again
        standardDateien.allgemein = ordner + "standard.gen";
        standardDateien.swim = ordner + "swim.channel";
        EXPECT_EQ(stdParameterAllgemeinLaden(*n), 1);
        EXPECT_EQ(stdParameterModell2Laden(*n), 1);
        n->parameter[par::SegmentAnzahl] = simulationsParameter.anzahlSegmente;
        n->modellTyp = modell::Swim;
        return *n;
    }
    // what the run start does before the first step
    void starten()
    {
        ASSERT_TRUE(neuronenStartzustandSetzen());
        for (NeuronDaten* x = neuronKette.kopf; x; x = x->naechstesNeuron)
            neuronLaufVorbereiten(*x);
    }
    // steps from `ab` (step index) on; laufZustand.t is the step's time
    void laufen(int schritte, int ab = 0)
    {
        for (int i = ab; i < ab + schritte; ++i) {
            laufZustand.t = i * T;
            swimModellBerechnen(*n);
        }
    }
};
