// tests/model/test_standarddateien.cpp - the model default files, read by the token reader
#include "test_neuron_hilfe.h"
#include "core/fehler.h"
#include "model/parameter.h"
#include "platform/box.h"
#include "platform/pfad.h"
#include <filesystem>
#include <memory>
#include <unistd.h>

namespace pt = plattform::test;

namespace {

struct StandarddateienTest : ::testing::Test {
    NeuronenKette gemerkt = neuronKette;
    std::unique_ptr<NeuronDaten> neuron = std::make_unique<NeuronDaten>();

    void SetUp() override
    {
        pt::zuruecksetzen();
        neuronKette = NeuronenKette{};   // no network: the neuron reads the file
        standardDateienVorgeben();
    }
    void TearDown() override
    {
        neuronKette = gemerkt;
        standardDateienVorgeben();
    }
    // a new box log that answers each box of the codes; the boxes they are to show
    static BoxTexte fehlerErwarten(std::initializer_list<int> codes)
    {
        pt::zuruecksetzen();
        BoxTexte texte;
        for (int code : codes) {
            pt::boxAntworten({plattform::antwort::Ok});
            texte.push_back(std::string("Hinweis: ") + fehlerText(code));
        }
        return texte;
    }
};

} // namespace

TEST_F(StandarddateienTest, FehlerhafteDateienWerdenGemeldetUndBehaltenDasBisDahinGelesene)
{
    using SD = StandardDateien;
    struct Fall {
        const char* datei;
        std::string StandardDateien::*pfad;
        int (*laden)(NeuronDaten&);
        std::initializer_list<int> fehler;
        std::vector<std::pair<int, double>> proben;   // values read before the failure stay, nothing behind
    };
    const Fall faelle[] = {
        {"hh_34.channel", &SD::hh, stdParameterModell3Laden, {123, 125}, {{24, 0.1}, {57, 0.34}, {58, 0.0}}},
        {"standard_kurz.gen", &SD::allgemein, stdParameterAllgemeinLaden, {123, 125}, {{2, 3e-11}, {3, 0.0}}},
        // all twelve values set, but more follow
        {"onoff_mehr.channel", &SD::onOff, stdParameterModell1Laden, {120}, {{12, 1.5}, {23, 12.5}, {24, 0}}},
        {"komma.channel", &SD::swim, stdParameterModell2Laden, {124, 125}, {{59, 1.0}, {60, 0.0}}},
        {"gibt_es_nicht.channel", &SD::gb, stdParameterModell4Laden, {115}, {{106, 0.0}}},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.datei);
        const BoxTexte texte = fehlerErwarten(f.fehler);
        neuron->parameter = ParameterVektor{};
        standardDateien.*f.pfad = std::string(VELNOR_TEST_DATEN) + "/standarddateien/" + f.datei;
        EXPECT_EQ(f.laden(*neuron), 0);
        EXPECT_EQ(gezeigteBoxen(), texte);
        for (const auto& [index, wert] : f.proben)
            EXPECT_DOUBLE_EQ(neuron->parameter[index], wert) << "P" << index;
    }
}

TEST_F(StandarddateienTest, VollstaendigeDateiDarfMitBlankenUndStrgZEnden)
{
    // all twelve values, then what an editor may leave behind them (the token reader's own
    // tests have every kind); only a further token makes the file longer than its group
    std::string zahlen;
    for (int i = 1; i <= 12; ++i)
        zahlen += std::to_string(i) + ".25" + (i < 12 ? "\r\n" : "");
    const struct {
        const char* was;
        std::string ende;
        int ergebnis;
    } faelle[] = {
        {"Ctrl-Z right behind the number", "\x1A", 1},
        {"blanks, line ends and Ctrl-Z", " \t\r\n \x1A\r\n", 1},
        {"one value more", "\r\n13.25\r\n", 0},
        {"a value behind the Ctrl-Z", "\r\n\x1A" "13.25", 0},
        {"text behind the values", "\r\nx ", 0},
    };
    const std::string pfad = (std::filesystem::temp_directory_path()
                              / ("velnor_onoff_" + std::to_string(::getpid()) + ".channel")).string();
    standardDateien.onOff = pfad;
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.was);
        ASSERT_TRUE(plattform::dateiSicherSchreiben(pfad, zahlen + f.ende));
        const BoxTexte texte = f.ergebnis ? fehlerErwarten({}) : fehlerErwarten({120});
        neuron->parameter = ParameterVektor{};
        neuron->parameter[11] = neuron->parameter[24] = 42.0;   // the neighbours of the group
        EXPECT_EQ(stdParameterModell1Laden(*neuron), f.ergebnis);
        EXPECT_EQ(gezeigteBoxen(), texte);
        for (int i = 0; i < 12; ++i)
            EXPECT_EQ(neuron->parameter[12 + i], i + 1.25) << "value " << i;
        EXPECT_EQ(neuron->parameter[11] + neuron->parameter[24], 84.0);
    }
    std::filesystem::remove(pfad);
    // the folder's name in another case still finds the file
    standardDateien.onOff = std::string(VELNOR_TEST_DATEN) + "/STANDARDDATEIEN/ONOFF_OK.channel";
    EXPECT_EQ(stdParameterModell1Laden(*neuron), 1);
}
