// tests/files/test_standardparameter.cpp - the standard types and standard parameters of the
// settings text, their repairs, and the definition files that refill a model group
#include "netzdatei_hilfe.h"
#include "core/fehler.h"
#include "core/schluessel.h"
#include "files/standardparameter.h"
#include "model/parameter.h"
#include "model/standarddateien.h"
#include <cmath>
#include <fstream>
#include <optional>
#include <sstream>

namespace {

constexpr int Ok = plattform::antwort::Ok;
constexpr const char* dateiNamen[] = {"onoff.channel", "hh.channel", "swim.channel", "gb.channel"};

const std::array<SynapsenTyp, 4> eigeneTypen{{{2, -0.085, "hemmend f\xFCr alle"},
                                              {1, 0.055, "erregend"},
                                              {4, 0.0, "elektrisch"},
                                              {3, -0.075, "chemisch"}}};

using TypZeilen = std::vector<std::tuple<int, double, std::string>>;
template <class C>
TypZeilen typen(const C& c)
{
    TypZeilen v;
    for (const SynapsenTyp& t : c)
        v.emplace_back(t.ion, t.potential, t.bezeichnung);
    return v;
}

std::string hinweis(int nummer, const auto&... a) { return "Hinweis: " + std::string(meldungFormatieren(nummer, a...)); }

std::string mitgelieferteDateien() { return std::string(VELNOR_TEST_DATEN) + "/../../resources/parameter/"; }

// the numbers of a file, one a line
std::vector<double> dateiWerte(const std::string& pfad)
{
    std::ifstream f(pfad);
    std::vector<double> v;
    for (double x = 0; f >> x;)
        v.push_back(x);
    return v;
}

// text without the line that begins with anfang
std::string ohneZeile(std::string text, const std::string& anfang)
{
    const size_t a = text.find("\n" + anfang);
    EXPECT_NE(a, std::string::npos) << anfang;
    if (a != std::string::npos)
        text.erase(a + 1, text.find('\n', a + 1) - a);
    return text;
}
// the line that begins with anfang gets wert as its value
std::string mitWert(std::string text, const std::string& anfang, const std::string& wert)
{
    const size_t a = text.find("\n" + anfang);
    EXPECT_NE(a, std::string::npos) << anfang;
    if (a != std::string::npos) {
        const size_t w = a + 1 + anfang.size();
        text.replace(w, text.find('\n', w) - w, wert);
    }
    return text;
}

std::string onOff(int i) { return "std parameter f\xFCr on-off-modell " + std::to_string(i) + "="; }
std::string hh(int i) { return "std parameter f\xFCr hodgkin-huxley-modell " + std::to_string(i) + "="; }
std::string swim(int i) { return "std parameter f\xFCr mod. hodgkin-huxley-modell " + std::to_string(i) + "="; }
std::string gb(int i) { return "std parameter f\xFCr golowasch-buchholz-modell " + std::to_string(i) + "="; }

struct Standardparameter : NetzdateiFall {
    ParameterVektor geschrieben{};

    void SetUp() override
    {
        NetzdateiFall::SetUp();
        attrappe::rahmenZuruecksetzen();
        zeileLesen(nullptr, nullptr, 0);
        stdSynapsenTypen = eingebauteSynapsenTypen();
        synapsenTypAnzahl = 4;
        for (size_t i = 0; i < 4; ++i)
            definitionsDateiPfade[i] = mitgelieferteDateien() + dateiNamen[i];
        standardDateienVorgeben();   // before the path: the first load would set the paths again
        standardDateien.allgemein = mitgelieferteDateien() + "standard.gen";
        // positive values that print exactly, and two of the common kind
        for (size_t i = 0; i < anzahlParameter; ++i)
            stdNeuron.parameter[i] = static_cast<double>(i + 1) * 0.125;
        stdNeuron.parameter[0] = 3e-9;
        stdNeuron.parameter[1] = -0.07;
        geschrieben = stdNeuron.parameter;
    }
    void TearDown() override
    {
        stdSynapsenTypen = eingebauteSynapsenTypen();
        definitionsDateiPfade = {};
        standardDateienVorgeben();
        zeileLesen(nullptr, nullptr, 0);
        NetzdateiFall::TearDown();
    }

    // the two blocks as the settings file gets them
    static std::string bloecke()
    {
        XBuffer b;
        stdParameterSpeichern(&stdNeuron, nullptr, b);
        return b.text();
    }
    // text read into the standard neuron; the boxes it showed
    static BoxTexte lesen(const std::string& text)
    {
        pt::zuruecksetzen();
        pt::boxAntworten({Ok, Ok, Ok, Ok, Ok, Ok, Ok, Ok, Ok, Ok});
        std::vector<char> t = lesbar(text);
        stdSynapsenTypenLaden(&stdNeuron, t.data());
        return gezeigteBoxen();
    }
    // one definition file read into the standard neuron: its result and the boxes behind text 432
    static std::pair<int, BoxTexte> definitionLesen(int erster, int anzahl, const std::string& pfad)
    {
        pt::zuruecksetzen();
        pt::boxAntworten({Ok, Ok, Ok});
        const int ergebnis = definitionsDateiLesen(&stdNeuron, erster, anzahl);
        BoxTexte b = gezeigteBoxen();
        EXPECT_TRUE(!b.empty() && b[0] == hinweis(432, pfad));
        if (!b.empty())
            b.erase(b.begin());
        return {ergebnis, b};
    }
};

} // namespace

TEST_F(Standardparameter, BeideBloeckeKommenGleichZurueck)
{
    stdSynapsenTypen = eigeneTypen;
    synapsenTypAnzahl = 9;   // a network's count: the block has the four standard types all the same
    const std::string text = bloecke();
    EXPECT_TRUE(text.starts_with("\nsynapsentypen-parameter\nanzahl std synapsentypen=4\n"
                                 "std synapsentyp 0: ion=2\nstd synapsentyp 0: potential=-0.085\n"
                                 "std synapsentyp 0: bezeichnung=hemmend f\xFCr alle\n"));
    for (const std::string& grenze :
         {std::string("std synapsentyp 3: bezeichnung=chemisch\n\nphysiologische neuronen-parameter\n"
                      "std soma-parameter 0=3e-09\nstd soma-parameter 1=-0.07\n"),
          std::string("std soma-parameter 4=0.625\nstd dendrit-parameter 5=0.75\n"),
          "std dendrit-parameter 11=1.5\n" + onOff(12) + "1.625\n", onOff(23) + "3\n" + hh(24) + "3.125\n",
          hh(58) + "7.375\n" + swim(59) + "7.5\n", swim(105) + "13.25\n" + gb(106) + "13.375\n"})
        EXPECT_NE(text.find(grenze), std::string::npos) << grenze;
    EXPECT_TRUE(text.ends_with("\n" + gb(238) + "29.875\n"));

    stdNeuron.parameter = {};
    stdSynapsenTypen = eingebauteSynapsenTypen();
    EXPECT_EQ(lesen(text), BoxTexte{});
    EXPECT_EQ(stdNeuron.parameter, geschrieben);
    EXPECT_EQ(typen(stdSynapsenTypen), typen(eigeneTypen));
    EXPECT_EQ(typen(synapsenTypen), typen(eigeneTypen));
    EXPECT_EQ(synapsenTypAnzahl, 4);
}

TEST_F(Standardparameter, UnvollstaendigeStandardtypenWerdenDieEingebauten)
{
    struct Fall {
        std::string was;
        std::function<std::string(std::string)> aendern;
        BoxTexte boxen;
        int eigene;              // how many of the types at the front are the text's; the rest built in
        int vorher = 4;          // synapsenTypAnzahl before the read
    };
    const Fall faelle[] = {
        {"ion missing", [](auto t) { return ohneZeile(t, "std synapsentyp 2: ion="); }, {hinweis(429, 1)}, 0},
        {"ion outside 1-4", [](auto t) { return mitWert(t, "std synapsentyp 2: ion=", "7"); }, {hinweis(429, 1)}, 0},
        {"potential missing", [](auto t) { return ohneZeile(t, "std synapsentyp 1: potential="); },
         {hinweis(429, 1)}, 0},
        {"empty name", [](auto t) { return mitWert(t, "std synapsentyp 0: bezeichnung=", ""); },
         {hinweis(429, 1)}, 0},
        {"count 0", [](auto t) { return mitWert(t, "anzahl std synapsentypen=", "0"); }, {hinweis(429, 0)}, 0},
        {"count 2 reads two", [](auto t) { return mitWert(t, "anzahl std synapsentypen=", "2"); }, {}, 2},
        {"no count keeps the present one",
         [](auto t) {
             t = ohneZeile(t, "anzahl std synapsentypen=");
             for (const char* k : {"ion=", "potential=", "bezeichnung="})
                 t = ohneZeile(ohneZeile(t, std::string("std synapsentyp 2: ") + k),
                               std::string("std synapsentyp 3: ") + k);
             return t;
         },
         {}, 2, 2},
        {"complete", [](auto t) { return t; }, {}, 4},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.was);
        stdSynapsenTypen = eigeneTypen;
        const std::string text = f.aendern(bloecke());
        stdSynapsenTypen = eingebauteSynapsenTypen();
        synapsenTypAnzahl = f.vorher;
        EXPECT_EQ(lesen(text), f.boxen);
        TypZeilen erwartet = typen(eingebauteSynapsenTypen());
        for (int i = 0; i < f.eigene; ++i)
            erwartet[static_cast<size_t>(i)] = typen(eigeneTypen)[static_cast<size_t>(i)];
        EXPECT_EQ(typen(stdSynapsenTypen), erwartet);
        EXPECT_EQ(typen(synapsenTypen), erwartet);
        EXPECT_EQ(synapsenTypAnzahl, 4);
    }
}

TEST_F(Standardparameter, MehrAlsVierStandardtypenWerdenAufVierBegrenzt)
{
    stdSynapsenTypen = eigeneTypen;
    std::string text = mitWert(bloecke(), "anzahl std synapsentypen=", "7");
    for (int i = 4; i < 7; ++i) {
        const std::string p = "std synapsentyp " + std::to_string(i) + ": ";
        text += p + "ion=1\n" + p + "potential=0.01\n" + p + "bezeichnung=zu viel\n";
    }
    // the count in the text, and a count a network left when the text has none
    for (const auto& [text, vorher] : {std::pair{text, 4}, std::pair{ohneZeile(text, "anzahl std synapsentypen="), 9}}) {
        stdSynapsenTypen = eingebauteSynapsenTypen();
        synapsenTypAnzahl = vorher;
        EXPECT_EQ(lesen(text), BoxTexte{});
        EXPECT_EQ(typen(stdSynapsenTypen), typen(eigeneTypen));
        EXPECT_EQ(typen(synapsenTypen), typen(eigeneTypen));
        EXPECT_EQ(synapsenTypAnzahl, 4);
    }
}

TEST_F(Standardparameter, FehlendeOderUnbrauchbareParameterKommenAusDenDateien)
{
    const auto pfad = [](size_t datei) { return definitionsDateiPfade[datei]; };
    struct Fall {
        std::string was;
        std::function<std::string(std::string)> aendern;
        BoxTexte boxen;
        std::vector<std::pair<ParameterBereich, std::string>> ausDatei;   // ranges refilled from a file
        std::vector<std::pair<int, double>> proben = {};
    };
    const std::string standardGen = mitgelieferteDateien() + "standard.gen";
    const Fall faelle[] = {
        {"a common one missing", [](auto t) { return ohneZeile(t, "std soma-parameter 3="); }, {hinweis(425, 1)},
         {{bereich::Gemeinsam, standardGen}}},
        {"a common one not finite", [](auto t) { return mitWert(t, "std dendrit-parameter 7=", "nan"); },
         {hinweis(425, 1)}, {{bereich::Gemeinsam, standardGen}}},
        {"on/off 12 is 0", [](auto t) { return mitWert(t, onOff(12), "0"); },
         {hinweis(427, 0), hinweis(432, pfad(0))}, {{bereich::OnOff, pfad(0)}}},
        {"two HH keys missing", [](auto t) { return ohneZeile(ohneZeile(t, hh(30)), hh(58)); },
         {hinweis(428, 2), hinweis(432, pfad(1))}, {{bereich::HodgkinHuxley, pfad(1)}}},
        {"SWIM 59 negative", [](auto t) { return mitWert(t, swim(59), "-1"); },
         {hinweis(430, 0), hinweis(432, pfad(2))}, {{bereich::Swim, pfad(2)}}},
        {"GB 117 is 0", [](auto t) { return mitWert(t, gb(117), "0"); }, {hinweis(431, 0), hinweis(432, pfad(3))},
         {{bereich::GolowaschBuchholz, pfad(3)}}},
        {"GB 106 is 0: the GB check is 117", [](auto t) { return mitWert(t, gb(106), "0"); }, {}, {}, {{106, 0.0}}},
        {"divisors of 0 or less are forced",
         [](auto t) {
             for (const std::string& k : {onOff(13), onOff(16), hh(25), hh(27), swim(60), swim(82), swim(94),
                                          gb(116), gb(136)})
                 t = mitWert(t, k, k == onOff(16) ? "-1" : "0");
             return t;
         },
         {}, {},
         {{13, 1e-6}, {16, 1e-7}, {25, 1e-6}, {27, 1e-7}, {60, 1e-6}, {82, 1e-7}, {94, 5e-9}, {116, 1e-6},
          {136, 1e-7}}},
        {"decimal comma", [](auto t) { return mitWert(mitWert(t, "std soma-parameter 2=", "0,5"), hh(40), "2,25"); },
         {}, {}, {{2, 0.5}, {40, 2.25}}},
        {"an empty text",
         [](auto) { return std::string(); },
         {hinweis(429, 3), hinweis(425, 12), hinweis(427, 12), hinweis(432, pfad(0)), hinweis(428, 35),
          hinweis(432, pfad(1)), hinweis(430, 47), hinweis(432, pfad(2)), hinweis(431, 133), hinweis(432, pfad(3))},
         {{bereich::Gemeinsam, standardGen},
          {bereich::OnOff, pfad(0)},
          {bereich::HodgkinHuxley, pfad(1)},
          {bereich::Swim, pfad(2)},
          {bereich::GolowaschBuchholz, pfad(3)}}},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.was);
        stdNeuron.parameter = geschrieben;
        const std::string text = f.aendern(bloecke());
        stdNeuron.parameter = {};
        EXPECT_EQ(lesen(text), f.boxen);
        ParameterVektor erwartet = geschrieben;
        for (const auto& [b, datei] : f.ausDatei) {
            const std::vector<double> werte = dateiWerte(datei);
            ASSERT_EQ(werte.size(), static_cast<size_t>(b.anzahl)) << datei;
            std::copy(werte.begin(), werte.end(), erwartet.begin() + b.erster);
        }
        for (const auto& [i, wert] : f.proben)
            erwartet[static_cast<size_t>(i)] = wert;
        EXPECT_EQ(stdNeuron.parameter, erwartet);
        EXPECT_FALSE(attrappe::dienste.endet);
    }
}

TEST_F(Standardparameter, OhneStandarddateiEndetDasProgramm)
{
    const std::string text = ohneZeile(bloecke(), "std soma-parameter 0=");
    standardDateien.allgemein = pfad("fehlt.gen");
    EXPECT_EQ(lesen(text), (BoxTexte{hinweis(425, 1), std::string("Hinweis: ") + fehlerText(115),
                                     "Velnor info: " + std::string(meldungFormatieren(426))}));
    EXPECT_TRUE(attrappe::dienste.endet);
}

TEST_F(Standardparameter, DefinitionsdateiFuelltDieGruppeZeileFuerZeile)
{
    struct Fall {
        std::string was;
        std::optional<std::string> inhalt;   // none: no file
        int ergebnis;
        BoxTexte boxen;                      // behind text 432
        std::vector<double> werte;           // parameters 12.. afterwards; the rest keep theirs
    };
    const std::string pfad = this->pfad("onoff.channel");
    const std::vector<double> zwoelf{0.05, 1e-7, 0.001, -0.09, 2e-7, 0.001, 0.002, -0.08, 1e-8, 0.003, 0.01, -0.05};
    std::string zeilen;
    for (double w : zwoelf)
        zeilen += (std::ostringstream() << w).str() + "\n";
    const std::vector<double> elf(zwoelf.begin(), zwoelf.end() - 1);
    const Fall faelle[] = {
        {"twelve lines", zeilen, 1, {}, zwoelf},
        {"comments, blank and comment-only lines, a comma, CR LF",
         "// on/off\r\n0.05 // phase 1\r\n\r\n1e-7\r\n   \r\n0,001\r\n-0.09\t// phase 2\r\n2e-7\r\n0.001\r\n0.002\r\n"
         "-0.08\r\n1e-8\r\n\r\n0.003\r\n0.01\r\n-0.05",
         1, {}, zwoelf},
        {"lines behind the group stay unread", zeilen + "99\n", 1, {}, zwoelf},
        {"eleven lines", zeilen.substr(0, zeilen.rfind('\n', zeilen.size() - 2) + 1), 0, {hinweis(290, pfad)}, elf},
        {"an empty file", "", 0, {hinweis(290, pfad)}, {}},
        {"a number that is not finite keeps its parameter", "nan\n" + zeilen.substr(zeilen.find('\n') + 1), 1, {},
         {13.0 * 0.125, 1e-7, 0.001, -0.09, 2e-7, 0.001, 0.002, -0.08, 1e-8, 0.003, 0.01, -0.05}},
        {"no file", std::nullopt, 0, {std::string("Hinweis: ") + fehlerText(115)}, {}},
    };
    definitionsDateiPfade[0] = pfad;
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.was);
        std::filesystem::remove(pfad);
        if (f.inhalt)
            testhilfe::schreiben(pfad, *f.inhalt);
        stdNeuron.parameter = geschrieben;
        EXPECT_EQ(definitionLesen(12, 12, pfad), std::pair(f.ergebnis, f.boxen));
        ParameterVektor erwartet = geschrieben;
        std::copy(f.werte.begin(), f.werte.end(), erwartet.begin() + 12);
        EXPECT_EQ(stdNeuron.parameter, erwartet);
    }
    // the same file again, as the next settings read asks for it
    testhilfe::schreiben(pfad, zeilen);
    for (int mal = 0; mal < 2; ++mal)
        EXPECT_EQ(definitionLesen(12, 12, pfad), std::pair(1, BoxTexte{}));
    // a group the files do not have, a run past the parameters
    pt::zuruecksetzen();
    EXPECT_EQ(definitionsDateiLesen(&stdNeuron, 13, 11), 0);
    EXPECT_EQ(definitionsDateiLesen(&stdNeuron, 106, 134), 0);
    EXPECT_EQ(gezeigteBoxen(), BoxTexte{});
}

TEST_F(Standardparameter, VerformteTexteUndDateienBleibenImRahmen)
{
    stdSynapsenTypen = eigeneTypen;
    const std::string grund = bloecke();
    const std::string datei = testhilfe::lesen(definitionsDateiPfade[0]);
    definitionsDateiPfade[0] = pfad("onoff.channel");
    Verformer verformen{20240611};
    for (int runde = 0; runde < 150; ++runde) {
        SCOPED_TRACE(runde);
        pt::zuruecksetzen();
        pt::fehlerBehandlungSetzen([](const std::string&) {});
        attrappe::rahmenZuruecksetzen();
        testhilfe::schreiben(definitionsDateiPfade[0], verformen(datei));
        std::vector<char> text = lesbar(verformen(grund));
        stdSynapsenTypenLaden(&stdNeuron, text.data());
        ASSERT_EQ(synapsenTypAnzahl, 4);
        ASSERT_EQ(synapsenTypen.size(), 4u);
        for (const SynapsenTyp& t : stdSynapsenTypen)
            ASSERT_TRUE(t.ion >= 1 && t.ion <= 4 && std::isfinite(t.potential) && !t.bezeichnung.empty() &&
                        t.bezeichnung.size() <= 127);
        for (double p : stdNeuron.parameter)
            ASSERT_TRUE(std::isfinite(p));
        const int ergebnis = definitionsDateiLesen(&stdNeuron, 12, 12);
        ASSERT_TRUE(ergebnis == 0 || ergebnis == 1);
    }
}
