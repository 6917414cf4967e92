// tests/model/test_standarddateien.cpp
#include "model/standarddateien.h"
#include "model/netz.h"
#include "model/parameter.h"
#include "platform/box.h"
#include "platform/pfad.h"
#include "platform/test/testplattform.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include <unistd.h>

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

TEST_F(StandarddateienTest, FehlerhafteDateienWerdenGemeldetUndBehaltenDasBisDahinGelesene)
{
    struct Probe {
        int index;
        double wert;
    };
    struct Fall {
        const char* datei;
        std::string StandardDateien::*pfad;
        int (*laden)(NeuronDaten&);
        std::vector<std::string> boxen;
        std::vector<Probe> proben;   // values read before the failure stay, nothing behind them
    };
    const Fall faelle[] = {
        {"hh_34.channel", &StandardDateien::hh, stdParameterModell3Laden, {text123, text125},
         {{24, 0.1}, {57, 0.34}, {58, 0.0}}},
        {"standard_kurz.gen", &StandardDateien::allgemein, stdParameterAllgemeinLaden, {text123, text125},
         {{2, 3e-11}, {3, 0.0}}},
        // all twelve values set, but more follow
        {"onoff_mehr.channel", &StandardDateien::onOff, stdParameterModell1Laden, {text120},
         {{12, 1.5}, {23, 12.5}, {24, 0.0}}},
        {"komma.channel", &StandardDateien::swim, stdParameterModell2Laden, {text124, text125},
         {{59, 1.0}, {60, 0.0}}},
        {"gibt_es_nicht.channel", &StandardDateien::gb, stdParameterModell4Laden, {text115}, {{106, 0.0}}},
    };
    for (const Fall& f : faelle) {
        pt::zuruecksetzen();
        neuron->parameter = ParameterVektor{};
        standardDateien.*f.pfad = daten + f.datei;
        antworten(static_cast<int>(f.boxen.size()));
        EXPECT_EQ(f.laden(*neuron), 0) << f.datei;
        EXPECT_EQ(boxTexte(), f.boxen) << f.datei;
        for (const Probe& p : f.proben)
            EXPECT_DOUBLE_EQ(neuron->parameter[p.index], p.wert) << f.datei << ", P" << p.index;
    }
}

TEST_F(StandarddateienTest, VollstaendigeDateiDarfMitBlankenUndStrgZEnden)
{
    // all twelve values, then what an editor may leave behind them; only a further
    // token makes the file longer than its group
    std::string zahlen;
    for (int i = 1; i <= 12; ++i)
        zahlen += std::to_string(i) + ".25" + (i < 12 ? "\r\n" : "");
    struct Fall {
        const char* was;
        std::string ende;
        int ergebnis;
    };
    const Fall faelle[] = {
        {"line end", "\r\n", 1},
        {"blank behind the number", " ", 1},
        {"line of blanks", "\r\n  \r\n", 1},
        {"blanks without a line end", "\n   ", 1},
        {"Ctrl-Z right behind the number", "\x1A", 1},
        {"Ctrl-Z on a line of its own", "\r\n\x1A", 1},
        {"blanks, line ends and Ctrl-Z", " \t\r\n \x1A\r\n", 1},
        {"one value more", "\r\n13.25\r\n", 0},
        {"a value behind the Ctrl-Z", "\r\n\x1A" "13.25", 0},
        {"text behind the values", "\r\nx ", 0},
    };
    const std::string pfad = (std::filesystem::temp_directory_path()
                              / ("velnor_onoff_" + std::to_string(::getpid()) + ".channel")).string();
    standardDateien.onOff = pfad;
    for (const Fall& f : faelle) {
        ASSERT_TRUE(plattform::dateiSicherSchreiben(pfad, zahlen + f.ende));
        pt::zuruecksetzen();
        antworten(1);
        neuron->parameter = ParameterVektor{};
        neuron->parameter[11] = neuron->parameter[24] = 42.0;   // the neighbours of the group
        EXPECT_EQ(stdParameterModell1Laden(*neuron), f.ergebnis) << f.was;
        EXPECT_EQ(boxTexte(), f.ergebnis ? std::vector<std::string>{} : std::vector<std::string>{text120}) << f.was;
        for (int i = 0; i < 12; ++i)
            EXPECT_EQ(neuron->parameter[12 + i], i + 1.25) << f.was << ", value " << i;
        EXPECT_EQ(neuron->parameter[11] + neuron->parameter[24], 84.0) << f.was;
    }
    std::filesystem::remove(pfad);
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
