// tests/diagrams/diagramm_hilfe.h - an empty network with the diagram template laid out
#pragma once
#include "app/beenden.h"
#include "app/einstellungen.h"
#include "app/status.h"
#include "diagrams/diagramm.h"
#include "model/kurven.h"
#include "model/layout.h"
#include "model/netz.h"
#include "model/netzeinstellungen.h"
#include "model/simulationsparameter.h"
#include "platform/box.h"
#include "platform/test/testplattform.h"
#include "texts/texte.h"
#include <gtest/gtest.h>
#include <string_view>

struct DiagrammFall : ::testing::Test {
    void SetUp() override
    {
        leeren();
        plattform::klasseRegistrieren({meldungsTexte[12], plattform::standardFensterProc});
        arbeitsbereichKanten = {1050, 1920};
        linienArten = {0, 1, 2};
        stdNeuron.hauptDiagramm = DiagrammDaten{};
        schritt("Diagrammvorlage");
    }
    void TearDown() override { leeren(); }

    static void leeren()
    {
        plattform::test::zuruecksetzen();
        programmStatus = modusStatus = 0;
        markierteNeurone = {};
        aktuellesDiagramm = {};
        netzLoeschen();
        plattform::test::zuruecksetzen();
        simulationsparameterVoreinstellen();
    }
    static void schritt(std::string_view name)
    {
        for (const Voreinstellung& v : voreinstellungsSchritte())
            if (name == v.name)
                v.ausfuehren();
    }
    static NeuronDaten* neu(int nummer, const char* name = "N")
    {
        NeuronDaten* n = neuronNeu(nummer, 0);
        if (n) {
            ++neuronKette.anzahl;
            n->name = name;
        }
        return n;
    }
    static void laufSetzen(double dauer, double dt)
    {
        simulationsParameter.simulationsDauer = dauer;
        simulationsParameter.schrittweite = dt;
        simulationsParameter.anzahlSchritte = static_cast<int>(dauer / dt + 0.5);
    }
};
