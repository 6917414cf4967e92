// tests/texts/texte_hilfe.h - the shipped language files and folders of our own
#pragma once
#include "platform/test/testplattform.h"
#include "texts/texte.h"
#include <gtest/gtest.h>
#include <cstdlib>
#include <filesystem>
#include <vector>
#include <fstream>
#include <map>
#include <string>

namespace texthilfe {

// the source tree (VELNOR_TEST_DATEN is its tests/data, which need not exist)
inline std::string quellbaum()
{
    std::string pfad = VELNOR_TEST_DATEN;
    pfad.resize(pfad.size() - std::string_view("tests/data").size());
    return pfad;
}

// resources/parameter of the source tree, with the six files as they ship
inline std::string ausgelieferteDateien() { return quellbaum() + "resources/parameter/"; }

// the folders the tests made, removed when the test program ends
struct TempOrdnerListe {
    std::vector<std::string> ordner;
    ~TempOrdnerListe()
    {
        std::error_code egal;
        for (const std::string& o : ordner)
            std::filesystem::remove_all(o, egal);
    }
};
inline TempOrdnerListe& tempOrdnerListe()
{
    static TempOrdnerListe liste;
    return liste;
}

// a fresh folder for language files written by a test
inline std::string neuerOrdner()
{
    std::string vorlage = std::filesystem::temp_directory_path().string() + "/velnor-texte-XXXXXX";
    const char* ordner = mkdtemp(vorlage.data());
    EXPECT_NE(ordner, nullptr);
    if (ordner)
        tempOrdnerListe().ordner.push_back(vorlage);
    return vorlage + "/";
}

// bytes as they stand (Windows-1252), CR LF as the shipped files have them
inline void schreiben(const std::string& pfad, const std::string& inhalt)
{
    std::ofstream(pfad, std::ios::binary) << inhalt;
}

inline std::string lesen(const std::string& pfad)
{
    std::ifstream f(pfad, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), {});
}

// KEY=text lines of a file, as they stand (escapes not undone)
inline std::map<std::string, std::string> zeilen(const std::string& pfad)
{
    std::map<std::string, std::string> werte;
    std::ifstream f(pfad, std::ios::binary);
    std::string z;
    while (std::getline(f, z)) {
        if (!z.empty() && z.back() == '\r')
            z.pop_back();
        const size_t gleich = z.find('=');
        if (z.starts_with("//") || gleich == std::string::npos)
            continue;
        werte.emplace(z.substr(0, gleich + 1), z.substr(gleich + 1));
    }
    return werte;
}

class TexteFall : public ::testing::Test {
protected:
    void SetUp() override
    {
        plattform::test::zuruecksetzen();
        parameterOrdner.pfad = ausgelieferteDateien();
    }
    void TearDown() override
    {
        parameterOrdner.pfad = ausgelieferteDateien();
        sprachTexteLaden(spracheDeutsch);
    }
};

} // namespace texthilfe
