// tests/model/test_neuron_hilfe.h - an empty network and frame for every neuron test
#pragma once
#include "core/rahmen.h"
#include "core/status.h"
#include "model/netz.h"
#include "model/netzeinstellungen.h"
#include "model/simulationsparameter.h"
#include "model/standarddateien.h"
#include "model/startzustand.h"
#include "model/zeitschleife.h"
#include "model/zufall.h"
#include "platform/test/testplattform.h"
#include <gtest/gtest.h>
#include <string>
#include <vector>

// every box shown so far as "title: text"
inline std::vector<std::string> gezeigteBoxen()
{
    std::vector<std::string> v;
    for (const auto& b : plattform::test::boxLog())
        v.push_back(b.titel + ": " + b.text);
    return v;
}
using BoxTexte = std::vector<std::string>;

struct NeuronFall : ::testing::Test {
    void SetUp() override { leeren(); }
    void TearDown() override { leeren(); }

    static void leeren()
    {
        plattform::test::zuruecksetzen();
        programmStatus = 0;
        editierStatus = 0;
        modusStatus = 0;
        fensterhandles = {};
        statusTexte = {};
        markierteNeurone = {};
        netzLoeschen();
        plattform::test::zuruecksetzen();   // netzLoeschen's boxes and calls are not the test's
        simulationsparameterVoreinstellen();
        stdNeuron.parameter = {};
        stdNeuron.groesse = stdNeuron.somaGroesse = stdNeuron.dendritenLaenge = stdNeuron.axonLaenge = 0;
    }

    // as the editor does it: the caller keeps the counters
    static NeuronDaten* neu(int nummer, int standardDateien = 0)
    {
        NeuronDaten* n = neuronNeu(nummer, standardDateien);
        if (n && nummer != -1) {
            ++neuronKette.anzahl;
            neuronKette.hoechsteNummer = std::max(neuronKette.hoechsteNummer, nummer);
        }
        return n;
    }
    static void weg(NeuronDaten* n)
    {
        neuronFreigeben(n);
        --neuronKette.anzahl;
    }

    static std::vector<int> nummern()
    {
        std::vector<int> v;
        for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron)
            v.push_back(n->nummer);
        return v;
    }
};

// the neuron `n` of a model test, stepped as a run steps it (the model fixtures build it)
struct ModellLaufFall : NeuronFall {
    NeuronDaten* n = nullptr;
    double T = 1e-4;

    void SetUp() override
    {
        NeuronFall::SetUp();
        laufZustand = {};
        spikeAufzeichnung = {};
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
    // the shipped model files
    static std::string parameterOrdner()
    {
        return std::string(VELNOR_TEST_DATEN) + "/../../resources/parameter/";
    }
    // a neuron 1 with the compartments of dendrite mode `modus` (1: soma only)
    NeuronDaten& neuronImModus(int modus)
    {
        simulationsParameter.netzwerktyp = modus;
        simulationsParameter.anzahlSegmente = segmenteFuerNetzwerktyp(modus);
        n = neu(1);
        EXPECT_NE(n, nullptr);
        EXPECT_TRUE(kompartimenteAnpassen(*n, simulationsParameter.anzahlSegmente));
        standardDateienVorgeben();   // before the paths: the first load would set them again
        return *n;
    }
    // a soma current (A) in [beginn, ende)
    void strom(double I, double beginn = 0.0, double ende = 1e9)
    {
        n->somaCurrent = I;
        n->somaSCStart = beginn;
        n->somaSCEnd = ende;
    }
    // what the run start does before the first step
    void starten()
    {
        ASSERT_TRUE(neuronenStartzustandSetzen());
        for (NeuronDaten* x = neuronKette.kopf; x; x = x->naechstesNeuron)
            neuronLaufVorbereiten(*x);
    }
};
