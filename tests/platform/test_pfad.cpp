// tests/platform/test_pfad.cpp
#include "platform/pfad.h"
#include "platform/zeichensatz.h"
#include <gtest/gtest.h>
#include <cstdlib>
#include <filesystem>
#include <fstream>

using namespace plattform;
namespace fs = std::filesystem;

class Pfad : public ::testing::Test {
protected:
    void SetUp() override
    {
        char muster[] = "/tmp/velnor-pfad-XXXXXX";
        ASSERT_NE(::mkdtemp(muster), nullptr);
        wurzel = muster;
        fs::create_directories(wurzel / "Parameter" / "Unter");
        std::ofstream(wurzel / "Parameter" / "Unter" / "Standard.GEN") << "1\n";
        std::ofstream(wurzel / "Parameter" / "gr\xC3\xB6\xC3\x9F" "e.txt") << "x";
    }
    void TearDown() override { fs::remove_all(wurzel); }
    std::string basis() const { return wurzel.string() + "/"; }
    fs::path wurzel;
};

TEST_F(Pfad, KomponentenWerdenOhneGrossKleinschreibungGefunden)
{
    EXPECT_EQ(pfadAufloesen(basis() + "parameter/unter/standard.gen"),
              basis() + "Parameter/Unter/Standard.GEN");
    std::FILE* f = dateiOeffnen(basis() + "PARAMETER/UNTER/standard.gen", "rb");
    ASSERT_NE(f, nullptr);
    std::fclose(f);
    EXPECT_TRUE(dateiExistiert(basis() + "parameter/Unter/STANDARD.gen"));
    EXPECT_FALSE(dateiExistiert(basis() + "parameter/Unter"));     // a folder is no file
}

TEST_F(Pfad, ExakterNameGehtVor)
{
    std::ofstream(wurzel / "Parameter" / "Unter" / "standard.gen") << "2\n";
    EXPECT_EQ(pfadAufloesen(basis() + "Parameter/Unter/standard.gen"),
              basis() + "Parameter/Unter/standard.gen");
}

TEST_F(Pfad, UmlauteWerdenAlsCp1252VerglichenUndAlsUtf8Geoeffnet)
{
    // the program's text says "GR\xD6SSE" (Windows-1252), the disk holds UTF-8 "größe"
    EXPECT_EQ(pfadAufloesen(basis() + "parameter/GR\xD6\xDF" "E.TXT"),
              basis() + "Parameter/gr\xC3\xB6\xC3\x9F" "e.txt");
}

TEST_F(Pfad, NeueDateiBehaeltIhrenNamenHinterDemGefundenenOrdner)
{
    const std::string neu = pfadAufloesen(basis() + "PARAMETER/neu/datei.cfg");
    EXPECT_EQ(neu, basis() + "Parameter/neu/datei.cfg");
    std::FILE* f = dateiOeffnen(basis() + "parameter/Neu.cfg", "wb");
    ASSERT_NE(f, nullptr);
    std::fclose(f);
    EXPECT_TRUE(fs::exists(wurzel / "Parameter" / "Neu.cfg"));
}

TEST_F(Pfad, GespeicherteWindowsPfadeWerdenAbgebildet)
{
    const std::string windows = "C:" + basis() + "parameter\\unter\\standard.gen";
    std::string mitRueckstrichen = windows;
    for (size_t i = 2; i < mitRueckstrichen.size(); ++i)
        if (mitRueckstrichen[i] == '/')
            mitRueckstrichen[i] = '\\';
    EXPECT_EQ(pfadAufloesen(mitRueckstrichen), basis() + "Parameter/Unter/Standard.GEN");
}

TEST(Programmverzeichnis, IstDerOrdnerDesLaufendenProgramms)
{
    const std::string& v = programmVerzeichnis();
    ASSERT_FALSE(v.empty());
    EXPECT_EQ(v.back(), '/');
    EXPECT_TRUE(fs::exists(fs::path(nachUtf8(v)) / "test_platform"));
}
