// tests/model/test_swim_hilfe.h - a SWIM neuron set up as the run start leaves it
#pragma once
#include "test_neuron_hilfe.h"
#include "model/izhikevich.h"
#include "model/neuron.h"
#include "model/parameter.h"
#include "model/swim.h"

struct SwimFall : ModellLaufFall {
    void SetUp() override
    {
        ModellLaufFall::SetUp();
        simulationsParameter.netzwerkmodell = modell::Swim;
    }
    // a neuron of dendrite mode `modus` with the shipped default files
    NeuronDaten& neuron(int modus = 1)
    {
        neuronImModus(modus);
        standardDateien.allgemein = parameterOrdner() + "standard.gen";
        standardDateien.swim = parameterOrdner() + "swim.channel";
        EXPECT_EQ(stdParameterAllgemeinLaden(*n), 1);
        EXPECT_EQ(stdParameterModell2Laden(*n), 1);
        n->parameter[par::SegmentAnzahl] = simulationsParameter.anzahlSegmente;
        n->modellTyp = modell::Swim;
        return *n;
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
