// tests/diagrams/diagramm_hilfe.h - an empty network with the diagram template laid out
#pragma once
#include "../model/test_neuron_hilfe.h"
#include "app/einstellungen.h"
#include "diagrams/diagramm.h"
#include "model/kurven.h"
#include "model/layout.h"
#include "model/simulationspruefung.h"
#include "platform/box.h"
#include "texts/texte.h"
#include <string_view>

namespace pt = plattform::test;

struct DiagrammFall : NeuronFall {
    void SetUp() override
    {
        NeuronFall::SetUp();
        aktuellesDiagramm = {};
        plattform::klasseRegistrieren({meldungsTexte[12], plattform::standardFensterProc});
        arbeitsbereichKanten = {1050, 1920};
        linienArten = {0, 1, 2};
        stdNeuron.hauptDiagramm = DiagrammDaten{};
        for (const Voreinstellung& v : voreinstellungsSchritte())
            if (std::string_view("Diagrammvorlage") == v.name)
                v.ausfuehren();
    }
};
