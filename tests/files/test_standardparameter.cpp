// tests/files/test_standardparameter.cpp - the standard types and standard parameters of the
// settings text, their repairs, and the definition files that refill a model group
#include "netzdatei_hilfe.h"
#include "core/fehler.h"
#include "files/standardparameter.h"
#include "model/parameter.h"
#include "model/standarddateien.h"
#include <cmath>
#include <fstream>
#include <iterator>
#include <numeric>

namespace {

constexpr int Ok = plattform::antwort::Ok;
const std::array<SynapsenTyp, 4> eigeneTypen{
    {{2, -0.085, "hemmend f\xFCr alle"}, {1, 0.055, "erregend"},
     {4, 0.0, "elektrisch"}, {3, -0.075, "chemisch"}}};
// positive values, printed exactly
const ParameterVektor geschrieben = [] { ParameterVektor p; std::iota(p.begin(), p.end(), 1.0); return p; }();
const std::string anzahl = "anzahl std synapsentypen=";
// the common group's file, then the model groups' files in the order of definitionsDateiPfade
const std::pair<std::string, ParameterBereich> dateien[] = {
    {"standard.gen", bereich::Gemeinsam}, {"onoff.channel", bereich::OnOff},
    {"hh.channel", bereich::HodgkinHuxley}, {"swim.channel", bereich::Swim},
    {"gb.channel", bereich::GolowaschBuchholz}};

std::string hinweis(int n, const auto&... a) { return "Hinweis: " + meldungFormatieren(n, a...); }
std::string datei(int k) { return VELNOR_TEST_DATEN "/../../resources/parameter/" + dateien[k].first; }
std::string typ(int i, const char* f) { return "std synapsentyp " + std::to_string(i) + ": " + f + "="; }

// The two blocks of the written values, with lines of another value or gone (nullptr). A line
// is named by its key or the key's end: " 13=" for parameter 13.
using Zeilen = std::vector<std::pair<std::string, const char*>>;
std::string bloecke(const Zeilen& zeilen = {})
{
    stdNeuron.parameter = geschrieben;
    stdSynapsenTypen = eigeneTypen;
    XBuffer b;
    stdParameterSpeichern(&stdNeuron, nullptr, b);
    std::string t = b.text();
    for (const auto& [schluessel, wert] : zeilen) {
        const size_t s = t.find(schluessel), a = t.rfind('\n', s) + 1, w = s + schluessel.size();
        EXPECT_NE(s, std::string::npos) << schluessel;
        if (s != std::string::npos)
            wert ? t.replace(w, t.find('\n', w) - w, wert) : t.erase(a, t.find('\n', w) + 1 - a);
    }
    return t;
}

struct Standardparameter : NetzdateiFall {
    void SetUp() override
    {
        NetzdateiFall::SetUp();
        attrappe::rahmenZuruecksetzen();
        for (int k = 0; k < 4; ++k)
            definitionsDateiPfade[k] = datei(k + 1);
        standardDateienVorgeben();   // before the path: the first load would set the paths again
        standardDateien.allgemein = datei(0);
    }
    void TearDown() override
    {
        stdSynapsenTypen = eingebauteSynapsenTypen();
        definitionsDateiPfade = {};
        standardDateienVorgeben();
        NetzdateiFall::TearDown();
    }
    // text read into the standard neuron, the types built in before; the boxes it showed
    static BoxTexte lesen(std::string text, int typAnzahl = 4)
    {
        pt::zuruecksetzen();
        pt::boxAntworten({Ok, Ok, Ok, Ok, Ok, Ok, Ok, Ok, Ok, Ok});
        stdNeuron.parameter = {};
        stdSynapsenTypen = eingebauteSynapsenTypen();
        synapsenTypAnzahl = typAnzahl;
        stdSynapsenTypenLaden(&stdNeuron, text.data());
        return gezeigteBoxen();
    }
};

} // namespace

TEST_F(Standardparameter, BloeckeKommenZurueckUnvollstaendigeWerdenRepariert)
{
    synapsenTypAnzahl = 9;   // a network's count: the block has the four standard types all the same
    EXPECT_TRUE(bloecke().starts_with("\nsynapsentypen-parameter\n" + anzahl + "4\n" + typ(0, "ion") + "2"));
    const struct {
        const char* was;
        Zeilen zeilen;     // {"", nullptr}: an empty text
        BoxTexte boxen;
        size_t eigene = 4; // how many of the types at the front are the text's; the rest built in
        int ausDatei = 0;  // bit k: the range of dateien[k] refilled from it
        std::vector<std::pair<int, double>> proben = {};
        int vorher = 4;    // synapsenTypAnzahl before the read
    } faelle[] = {
        {"all there, a network's count 9 before", {}, {}, 4, 0, {}, 9},
        {"ion outside 1-4", {{typ(2, "ion"), "7"}}, {hinweis(429, 1)}, 0},
        {"potential missing", {{typ(1, "potential"), nullptr}}, {hinweis(429, 1)}, 0},
        {"count 0", {{anzahl, "0"}}, {hinweis(429, 0)}, 0},
        {"no count keeps the present one", {{anzahl, nullptr}}, {}, 2, 0, {}, 2},
        {"no count: a network's count 9 reads the four there are", {{anzahl, nullptr}}, {}, 4, 0, {}, 9},
        {"a common one missing, one not finite", {{" 3=", nullptr}, {" 7=", "nan"}}, {hinweis(425, 2)}, 4, 1},
        {"each model group's check value not positive, two HH keys missing",
         {{" 12=", "0"}, {" 30=", nullptr}, {" 58=", nullptr}, {" 59=", "-1"}, {" 117=", "0"}},
         {hinweis(427, 0), hinweis(432, datei(1)), hinweis(428, 2), hinweis(432, datei(2)), hinweis(430, 0),
          hinweis(432, datei(3)), hinweis(431, 0), hinweis(432, datei(4))},
         4, 0b11110},
        {"divisors of 0 or less are forced; GB 106 is 0: the GB check is 117; a decimal comma",
         {{" 13=", "0"}, {" 16=", "-1"}, {" 25=", "0"}, {" 27=", "0"}, {" 60=", "0"}, {" 82=", "0"},
          {" 94=", "0"}, {" 116=", "0"}, {" 136=", "0"}, {" 106=", "0"}, {" 2=", "0,5"}},
         {}, 4, 0,
         {{13, 1e-6}, {16, 1e-7}, {25, 1e-6}, {27, 1e-7}, {60, 1e-6}, {82, 1e-7}, {94, 5e-9}, {116, 1e-6},
          {136, 1e-7}, {106, 0.0}, {2, 0.5}}},
        {"an empty text", {{"", nullptr}},
         {hinweis(429, 3), hinweis(425, 12), hinweis(427, 12), hinweis(432, datei(1)), hinweis(428, 35),
          hinweis(432, datei(2)), hinweis(430, 47), hinweis(432, datei(3)), hinweis(431, 133),
          hinweis(432, datei(4))},
         0, 0b11111},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.was);
        const bool leer = !f.zeilen.empty() && f.zeilen[0].first.empty();
        EXPECT_EQ(lesen(leer ? "" : bloecke(f.zeilen), f.vorher), f.boxen);
        EXPECT_EQ(synapsenTypAnzahl, 4);
        for (size_t i = 0; i < 4; ++i) {
            const SynapsenTyp& e = i < f.eigene ? eigeneTypen[i] : eingebauteSynapsenTypen()[i];
            for (const SynapsenTyp* t : {&stdSynapsenTypen[i], &synapsenTypen[i]})
                EXPECT_EQ(std::tie(t->ion, t->potential, t->bezeichnung),
                          std::tie(e.ion, e.potential, e.bezeichnung)) << i;
        }
        ParameterVektor werte = geschrieben;
        for (int k = 0; k < 5; ++k) {
            std::ifstream ein(datei(k));
            if (f.ausDatei & 1 << k)
                std::copy(std::istream_iterator<double>(ein), {}, werte.begin() + dateien[k].second.erster);
        }
        for (const auto& [i, wert] : f.proben)
            werte[static_cast<size_t>(i)] = wert;
        EXPECT_EQ(stdNeuron.parameter, werte);
        EXPECT_FALSE(attrappe::dienste.endet);
    }
    // no file for the common group: the program ends
    standardDateien.allgemein = pfad("fehlt.gen");
    EXPECT_EQ(lesen(bloecke({{" 0=", nullptr}})),
              (BoxTexte{hinweis(425, 1), std::string("Hinweis: ") + fehlerText(115),
                        "Velnor info: " + meldungFormatieren(426)}));
    EXPECT_TRUE(attrappe::dienste.endet);
}

TEST_F(Standardparameter, DefinitionsdateiFuelltDieGruppeZeileFuerZeile)
{
    const std::string pfad = definitionsDateiPfade[0] = this->pfad("onoff.channel");
    const std::string elf = "// on/off\r\n0.05 // phase 1\r\n\r\n1e-7\r\n   \r\n0,001\r\n-0.09\t// 2\r\n"
                            "2e-7\r\n0.001\r\n0.002\r\n-0.08\r\n1e-8\r\n\r\n0.003\r\n0.01\r\n";
    const double zwoelf[] = {0.05, 1e-7, 0.001, -0.09, 2e-7, 0.001, 0.002, -0.08, 1e-8, 0.003, 0.01, -0.05};
    // the file ("-": none), the result, the box behind text 432, how many of the twelve values it set
    const std::tuple<std::string, int, std::string, size_t> faelle[] = {
        {elf + "-0.05\r\n99\r\n", 1, "", 12},       // comments, blank lines, a comma, CR LF, lines behind
        {elf, 0, hinweis(290, pfad), 11},           // eleven lines
        {elf + "nan", 1, "", 11},                   // a number not finite keeps its parameter
        {"-", 0, std::string("Hinweis: ") + fehlerText(115), 0},
    };
    for (const auto& [inhalt, ergebnis, box, gelesen] : faelle) {
        SCOPED_TRACE(inhalt);
        std::filesystem::remove(pfad);
        if (inhalt != "-")
            testhilfe::schreiben(pfad, inhalt);
        stdNeuron.parameter = geschrieben;
        pt::zuruecksetzen();
        pt::boxAntworten({Ok, Ok});
        EXPECT_EQ(definitionsDateiLesen(&stdNeuron, 12, 12), ergebnis);
        const std::string gelesenVon = hinweis(432, pfad);
        EXPECT_EQ(gezeigteBoxen(), (box.empty() ? BoxTexte{gelesenVon} : BoxTexte{gelesenVon, box}));
        ParameterVektor erwartet = geschrieben;
        std::copy_n(zwoelf, gelesen, erwartet.begin() + 12);
        EXPECT_EQ(stdNeuron.parameter, erwartet);
    }
    // a group the files do not have, a run past the parameters
    pt::zuruecksetzen();
    EXPECT_EQ(definitionsDateiLesen(&stdNeuron, 13, 11) + definitionsDateiLesen(&stdNeuron, 106, 134), 0);
    EXPECT_EQ(gezeigteBoxen(), BoxTexte{});
}

TEST_F(Standardparameter, VerformteTexteUndDateienBleibenImRahmen)
{
    const std::string grund = bloecke(), inhalt = testhilfe::lesen(definitionsDateiPfade[0]);
    definitionsDateiPfade[0] = pfad("onoff.channel");
    Verformer verformen{20240611};
    pt::fehlerBehandlungSetzen([](const std::string&) {});   // boxes left unanswered
    for (int runde = 0; runde < 150; ++runde) {
        SCOPED_TRACE(runde);
        testhilfe::schreiben(definitionsDateiPfade[0], verformen(inhalt));
        std::string text = verformen(grund);
        stdSynapsenTypenLaden(&stdNeuron, text.data());
        ASSERT_EQ(synapsenTypen.size(), 4u);
        for (const SynapsenTyp& t : stdSynapsenTypen)
            ASSERT_TRUE(t.ion >= 1 && t.ion <= 4 && std::isfinite(t.potential) && !t.bezeichnung.empty() &&
                        t.bezeichnung.size() <= 127);
        for (double p : stdNeuron.parameter)
            ASSERT_TRUE(std::isfinite(p));
        ASSERT_LE(definitionsDateiLesen(&stdNeuron, 12, 12), 1);
    }
}
