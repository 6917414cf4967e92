// tests/lauf/lauf_hilfe.h - a SWIM network whose runs write their result files into a fresh
// folder, stamped with times the test chooses
#pragma once
#include "../model/test_swim_hilfe.h"
#include "../stuetzen/testhilfe.h"
#include "model/ergebnisdateien.h"
#include "model/laufhaken.h"
#include "model/laufstart.h"
#include "model/simulationspruefung.h"
#include "platform/box.h"
#include "texts/texte.h"
#include <algorithm>
#include <filesystem>
#include <vector>

namespace pt = plattform::test;

struct LaufFall : SwimFall {
    // the times the result names take, one per call, the last one again and again
    inline static std::vector<std::tm> zeiten;
    inline static size_t zeitIndex = 0;
    std::string ordner;

    void SetUp() override
    {
        SwimFall::SetUp();
        laufHaken = {};
        zeitenSetzen({1});
        laufHaken.ortszeit = [] { return zeiten[std::min(zeitIndex++, zeiten.size() - 1)]; };
        ordner = testhilfe::tempOrdner("velnor-lauf");
        dateipfade.dokumentVerzeichnis = ordner;
        dateipfade.netzName = "netz";
        asciiExportEinstellungen = {};
        pspMessungAktiv = 0;
        netzvorgaben.elektrischeSynapsenEingeschraenkt = 1;
        laufEinstellungen.xlpspToleranz = 0.0;
    }
    void TearDown() override
    {
        laufHaken = {};
        netzvorgaben = {};
        std::filesystem::remove_all(ordner);
        SwimFall::TearDown();
    }
    void neuesNetz()
    {
        TearDown();
        SetUp();
    }
    // the seconds of the stamps 5 March 2024, 07:08:ss
    static void zeitenSetzen(const std::vector<int>& sekunden)
    {
        zeiten.clear();
        for (int s : sekunden)
            zeiten.push_back(testhilfe::zeitstempel(s));
        zeitIndex = 0;
    }
    std::vector<std::string> dateien() const
    {
        std::vector<std::string> namen;
        for (const auto& e : std::filesystem::directory_iterator(ordner))
            namen.push_back(e.path().filename().string());
        std::sort(namen.begin(), namen.end());
        return namen;
    }
};
