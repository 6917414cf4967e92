// tests/texts/texte_hilfe.h - the shipped language files and folders of our own
#pragma once
#include "../stuetzen/testhilfe.h"
#include "platform/test/testplattform.h"
#include "texts/texte.h"
#include <gtest/gtest.h>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace texthilfe {

using testhilfe::lesen;
using testhilfe::schreiben;

// the source tree (VELNOR_TEST_DATEN is its tests/data, which need not exist)
inline std::string quellbaum()
{
    std::string pfad = VELNOR_TEST_DATEN;
    pfad.resize(pfad.size() - std::string_view("tests/data").size());
    return pfad;
}

// resources/parameter of the source tree, with the six files as they ship
inline std::string ausgelieferteDateien() { return quellbaum() + "resources/parameter/"; }

class TexteFall : public ::testing::Test {
protected:
    std::vector<std::string> ordner;   // the folders the test wrote language files into

    void SetUp() override
    {
        plattform::test::zuruecksetzen();
        parameterOrdner.pfad = ausgelieferteDateien();
    }
    void TearDown() override
    {
        parameterOrdner.pfad = ausgelieferteDateien();
        sprachTexteLaden(spracheDeutsch);
        for (const std::string& o : ordner)
            std::filesystem::remove_all(o);
    }
    // a folder with the German message file as shipped and the given files beside it
    std::string ordnerMit(std::initializer_list<std::pair<const char*, std::string>> dateien)
    {
        const std::string o = ordner.emplace_back(testhilfe::tempOrdner("velnor-texte"));
        schreiben(o + "meldung texte de.txt", lesen(ausgelieferteDateien() + "meldung texte de.txt"));
        for (const auto& [name, inhalt] : dateien)
            schreiben(o + name, inhalt);
        return o;
    }
};

} // namespace texthilfe
