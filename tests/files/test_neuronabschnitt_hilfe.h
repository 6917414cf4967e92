// tests/files/test_neuronabschnitt_hilfe.h - an empty network, and neuron blocks as texts
#pragma once
#include "../model/test_neuron_hilfe.h"
#include "files/neuronabschnitt.h"
#include "files/xbuffer.h"
#include <string>
#include <vector>

struct NeuronabschnittFall : NeuronFall {
    void SetUp() override
    {
        NeuronFall::SetUp();
        altePausenUmrechnen = false;
    }
    void TearDown() override
    {
        altePausenUmrechnen = false;
        NeuronFall::TearDown();
    }

    // the neuron's block as the network writer prints it, under nummer (-1: its own)
    static std::string block(NeuronDaten* n, int nummer = -1)
    {
        XBuffer puffer;
        guiNeuronSpeichern(n, nummer, nullptr, puffer, 0);
        return puffer.text();
    }
    // a writable, zero-ended copy for the readers
    static std::vector<char> lesbar(const std::string& text)
    {
        std::vector<char> v(text.begin(), text.end());
        v.push_back('\0');
        return v;
    }
    // reads the block into the neuron as the network reader does: neuron lines, physiology
    static void laden(NeuronDaten* n, const std::string& text)
    {
        std::vector<char> t = lesbar(text);
        guiNeuronLaden(n, t.data());
        physParameterLaden(n, t.data());
    }
    static int zaehlen(const std::string& text, const std::string& teil)
    {
        int k = 0;
        for (size_t p = text.find(teil); p != std::string::npos; p = text.find(teil, p + 1))
            ++k;
        return k;
    }
};
