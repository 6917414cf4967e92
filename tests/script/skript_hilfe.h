// tests/script/skript_hilfe.h - the network of three neurons and the series script the script tests share
#pragma once
#include "script/skript.h"
#include "core/status.h"
#include "model/anzeigeeinstellungen.h"
#include "model/ergebnisdateien.h"
#include "model/layout.h"
#include "model/diagramm.h"
#include "model/netz.h"
#include "model/netzeinstellungen.h"
#include "model/neuron.h"
#include "model/simulationsparameter.h"
#include "model/synapse.h"
#include "platform/test/testplattform.h"
#include "reizserie_skript.h"
#include "testhilfe.h"
#include <filesystem>
#include <gtest/gtest.h>
#include <functional>

namespace skripttest {
namespace pt = plattform::test;

inline const std::string& beispiel = reizserieSkript;

struct SkriptFall : ::testing::Test {
    std::string ordner = testhilfe::tempOrdner("skript");
    // the script log goes to the working folder: each test its own, as tests run side by side
    std::filesystem::path vorher = std::filesystem::current_path();

    void SetUp() override
    {
        std::filesystem::current_path(ordner);
        pt::zuruecksetzen();
        netzLoeschen();
        pt::zuruecksetzen();
        simulationsparameterVoreinstellen();
        simulationsParameter.simulationsDauer = 0.2;
        simulationsParameter.schrittweite = 0.0001;
        netzvorgaben.elektrischeSynapsenEingeschraenkt = 1;
        asciiExportEinstellungen = {};
        skriptMeldungenAnzeigen = 1;
        skriptStatus = 0;
        statusTexte = {};
        arbeitsbereichKanten = {1050, 1920};
        diagrammLayoutBerechnen(&stdNeuron, &diagrammVorlage, 0);
        const char* namen[] = {"Sensor links", "Motor", "Inter"};
        for (int i = 1; i <= 3; ++i) {
            neuronNeu(i, 0)->name = namen[i - 1];
            ++neuronKette.anzahl;
        }
        SynapseDaten* s = synapseNeu(neuronNachNummer(1), neuronNachNummer(2), 0, 1e-7, 0.001, -0.05, -0.03, 0, nullptr);
        synapsenTabelleSetzen(s->id, s);
        listeSchreiben("2 5\r\n6\r\n11 15\r\n");
    }
    void TearDown() override
    {
        skriptFreigeben(skript);
        netzLoeschen();
        pt::zuruecksetzen();
        std::filesystem::current_path(vorher);
    }
    void listeSchreiben(const std::string& t) { testhilfe::schreiben(ordner + "sim liste.txt", t); }
    std::string text(std::string t = beispiel)
    {
        const size_t i = t.find("ORDNER/");
        return i == std::string::npos ? t : t.replace(i, 7, ordner);
    }
    // the series script with an AP-times table in place of the result file
    std::string reihe()
    {
        std::string t = text();
        t.replace(t.find("ERG=W  BIN="), 11, "APS=");
        t.erase(t.find(" EKU=1 EKU=3"), 12);
        return t;
    }
    // the script as the file named in the record, no dialog
    int laden(const std::string& t)
    {
        testhilfe::schreiben(ordner + "t.skr", t);
        skript.pfad = ordner + "t.skr";
        skriptStatus = skriptBit::DateiAusSkriptLaden;
        return skriptLaden(skript);
    }
};

} // namespace skripttest
