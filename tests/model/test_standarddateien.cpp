// tests/model/test_standarddateien.cpp
#include "model/standarddateien.h"
#include "model/netz.h"
#include "model/parameter.h"
#include "platform/box.h"
#include "platform/test/testplattform.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace pt = plattform::test;

namespace {

const std::string daten = std::string(VELNOR_TEST_DATEN) + "/standarddateien/";
const char* text115 = "Datei kann nicht ge\xF6" "ffnet werden";
const char* text120 = "Dateiende nicht gefunden";
const char* text123 = "Dateiende wurde vorzeitig erreicht";
const char* text124 = "In der Datei gibt es einen Eintrag der keine Zahl darstellt";
const char* text125 = "Die Kanaldatei kann nicht korrekt gelesen werden: Neuronenzustand ist undefiniert !";

struct StandarddateienTest : ::testing::Test {
    NeuronenKette gemerkt;
    std::unique_ptr<NeuronDaten> neuron = std::make_unique<NeuronDaten>();

    void SetUp() override
    {
        pt::zuruecksetzen();
        gemerkt = neuronKette;
        neuronKette = NeuronenKette{};   // no network: the neuron reads the file
        standardDateienVorgeben();
    }
    void TearDown() override
    {
        neuronKette = gemerkt;
        standardDateienVorgeben();
    }
    std::vector<std::string> boxTexte() const
    {
        std::vector<std::string> t;
        for (const auto& b : pt::boxLog())
            t.push_back(b.text);
        return t;
    }
    void antworten(int n)
    {
        for (int i = 0; i < n; ++i)
            pt::boxAntworten({plattform::antwort::Ok});
    }
};

} // namespace

TEST_F(StandarddateienTest, MitgelieferteStandardGenFuelltP0BisP11)
{
    standardDateien.allgemein = std::string(VELNOR_TEST_DATEN) + "/../../resources/parameter/standard.gen";
    neuron->parameter[12] = 42.0;
    ASSERT_EQ(stdParameterAllgemeinLaden(*neuron), 1);
    const double erwartet[] = {3e-9, -0.07, 3e-11, -0.07, 4e-8, 1.0, 3.0, 9.6e-9, -0.07, 3e-10, 4e-8, -0.07};
    for (int i = 0; i < 12; ++i)
        EXPECT_DOUBLE_EQ(neuron->parameter[i], erwartet[i]) << i;
    EXPECT_EQ(neuron->parameter[12], 42.0);   // nothing beyond the group
    EXPECT_TRUE(pt::boxLog().empty());
}

TEST_F(StandarddateienTest, GenauZwoelfZahlenOhneZeilenendeUndImOrdnerGesucht)
{
    standardDateien.onOff = daten + "onoff_ok.channel";
    ASSERT_EQ(stdParameterModell1Laden(*neuron), 1);
    EXPECT_EQ(neuron->parameter[par::Phase1E], 1.25);
    EXPECT_EQ(neuron->parameter[par::OnOffSchwelle], 12.25);
    // the folder's name in another case still finds the file
    standardDateien.onOff = std::string(VELNOR_TEST_DATEN) + "/STANDARDDATEIEN/ONOFF_OK.channel";
    EXPECT_EQ(stdParameterModell1Laden(*neuron), 1);
}

TEST_F(StandarddateienTest, ZuWenigeZahlen)
{
    standardDateien.hh = daten + "hh_34.channel";
    antworten(2);
    EXPECT_EQ(stdParameterModell3Laden(*neuron), 0);
    EXPECT_EQ(boxTexte(), (std::vector<std::string>{text123, text125}));
    for (int i = 0; i < 34; ++i)   // the values read so far stay
        EXPECT_DOUBLE_EQ(neuron->parameter[24 + i], std::stod("0." + std::to_string(i + 1))) << i;
    EXPECT_EQ(neuron->parameter[58], 0.0);

    pt::zuruecksetzen();
    standardDateien.allgemein = daten + "standard_kurz.gen";
    antworten(2);
    EXPECT_EQ(stdParameterAllgemeinLaden(*neuron), 0);
    EXPECT_EQ(boxTexte(), (std::vector<std::string>{text123, text125}));
    EXPECT_EQ(neuron->parameter[2], 3e-11);
}

TEST_F(StandarddateienTest, MehrZahlenAlsDieGruppe)
{
    standardDateien.onOff = daten + "onoff_mehr.channel";
    antworten(1);
    EXPECT_EQ(stdParameterModell1Laden(*neuron), 0);
    EXPECT_EQ(boxTexte(), (std::vector<std::string>{text120}));
    for (int i = 0; i < 12; ++i)
        EXPECT_EQ(neuron->parameter[12 + i], i + 1.5) << i;
}

TEST_F(StandarddateienTest, DezimalkommaWirdAbgelehnt)
{
    standardDateien.swim = daten + "komma.channel";
    antworten(2);
    EXPECT_EQ(stdParameterModell2Laden(*neuron), 0);
    EXPECT_EQ(boxTexte(), (std::vector<std::string>{text124, text125}));
    EXPECT_EQ(neuron->parameter[59], 1.0);
    EXPECT_EQ(neuron->parameter[60], 0.0);
}

TEST_F(StandarddateienTest, FehlendeDatei)
{
    standardDateien.gb = daten + "gibt_es_nicht.channel";
    antworten(1);
    EXPECT_EQ(stdParameterModell4Laden(*neuron), 0);
    EXPECT_EQ(boxTexte(), (std::vector<std::string>{text115}));
}

TEST_F(StandarddateienTest, SpaetereNeuroneKopierenVomKopf)
{
    auto kopf = std::make_unique<NeuronDaten>();
    for (int i = 0; i < anzahlParameter; ++i)
        kopf->parameter[i] = 1000.0 + i;
    neuronKette.kopf = neuronKette.ende = kopf.get();
    neuronKette.anzahl = 1;
    // the files are missing: a copy opens none
    standardDateien = StandardDateien{};
    EXPECT_EQ(stdParameterModell4Laden(*neuron), 1);
    EXPECT_EQ(stdParameterAllgemeinLaden(stdNeuron), 1);   // also the standard neuron, never in the list
    EXPECT_TRUE(pt::boxLog().empty());
    EXPECT_EQ(neuron->parameter[106], 1106.0);
    EXPECT_EQ(neuron->parameter[238], 1238.0);
    EXPECT_EQ(neuron->parameter[105], 0.0);
    EXPECT_EQ(stdNeuron.parameter[11], 1011.0);
    EXPECT_EQ(stdNeuron.parameter[12], 0.0);
    stdNeuron.parameter = ParameterVektor{};

    // the head itself reads its file
    antworten(1);
    EXPECT_EQ(stdParameterModell4Laden(*kopf), 0);
    EXPECT_EQ(boxTexte(), (std::vector<std::string>{text115}));
}
