// tests/model/test_laufumfang.cpp - how large a run may be: its step counter, its curve
// buffers, and the run check that refuses the rest
#include "test_neuron_hilfe.h"
#include "model/simulationspruefung.h"
#include "platform/box.h"
#include "rahmen_attrappe.h"
#include "texts/texte.h"
#include <climits>
#include <cmath>
#include <limits>
#include <tuple>

namespace pt = plattform::test;

namespace {

uint64_t speicher = 0;

struct Umfang : NeuronFall {
    void SetUp() override
    {
        NeuronFall::SetUp();
        attrappe::rahmenZuruecksetzen();
        speicher = uint64_t{8} << 30;
        physischerSpeicherQuelle = [] { return speicher; };
    }
    void TearDown() override
    {
        physischerSpeicherQuelle = nullptr;
        attrappe::rahmenZuruecksetzen();
        NeuronFall::TearDown();
    }
    // neuron 1 shows the soma and the sodium current; neuron 2 shows nothing
    static void zweiNeurone()
    {
        NeuronDaten* a = neu(1);
        neu(2);
        a->hauptDiagramm.kurven[kurve::Soma].anzeigen = 1;
        a->hauptDiagramm.kurven[kurve::Natrium].anzeigen = 1;
    }
    static bool moeglich(double dauer, double schritt) { return laufumfangBerechnen(dauer, schritt).moeglich; }
};

} // namespace

TEST_F(Umfang, DerDoppelteSchrittzaehlerUndDieHalbeSpeichermengeBegrenzenDenLauf)
{
    zweiNeurone();
    const Laufumfang u = laufumfangBerechnen(1.0, 1e-4);
    EXPECT_EQ(std::make_tuple(u.schritte, u.kurven, u.bytes, u.speicherGrenze, u.moeglich),
              std::make_tuple(10000.0, 2, 80000.0, 4.0 * (1 << 30), true));
    // the soma-potential file gives every neuron's soma slot a buffer, shown or not
    programmStatus |= programmBit::SomaDateiSchreiben;
    EXPECT_EQ(laufumfangBerechnen(1.0, 1e-4).kurven, 3);
    programmStatus = 0;

    // the counter starts at the step count and counts up once a step: twice the count must fit
    speicher = uint64_t{1} << 40;
    EXPECT_TRUE(moeglich((INT_MAX / 2) * 1e-3, 1e-3));
    EXPECT_FALSE(moeglich((INT_MAX / 2 + 1) * 1e-3, 1e-3));
    EXPECT_FALSE(moeglich(1.0, 1e-12));         // a step a file may hold
    EXPECT_FALSE(moeglich(1e12, 1e-4));         // a typed duration

    // two slots of 4 bytes a step against half of 1 MB
    speicher = 1 << 20;
    EXPECT_TRUE(moeglich(6.5, 1e-4));
    EXPECT_FALSE(moeglich(6.6, 1e-4));
    // a machine that does not say how much memory it has bounds the counter only
    speicher = 0;
    EXPECT_TRUE(moeglich(1000.0, 1e-4));

    // no number cannot run; a value that is not positive gives no step (the run check asks)
    constexpr double nan = std::numeric_limits<double>::quiet_NaN(), inf = std::numeric_limits<double>::infinity();
    for (const auto& [dauer, schritt] : {std::pair(nan, 1e-4), std::pair(1.0, nan), std::pair(inf, 1e-4),
                                         std::pair(1.0, -inf)})
        EXPECT_FALSE(moeglich(dauer, schritt)) << dauer << " " << schritt;
    for (const auto& [dauer, schritt] : {std::pair(0.0, 1e-4), std::pair(1.0, 0.0), std::pair(-1.0, 1e-4)}) {
        const Laufumfang v = laufumfangBerechnen(dauer, schritt);
        EXPECT_EQ(std::tuple(v.schritte, v.moeglich), std::tuple(0.0, true)) << dauer << " " << schritt;
    }
}

// a quotient that is no number was converted to int (undefined; the sanitizers abort)
TEST_F(Umfang, SchrittzahlOhneZahlIstNullUndEineRiesigeDerGroessteInt)
{
    EXPECT_EQ(std::make_tuple(anzahlSchritteBerechnen(NAN, 1e-4), anzahlSchritteBerechnen(1.0, NAN),
                              anzahlSchritteBerechnen(INFINITY, INFINITY), anzahlSchritteBerechnen(INFINITY, 1e-4),
                              anzahlSchritteBerechnen(1.0, 1e-12)),
              std::make_tuple(0, 0, 0, INT_MAX, INT_MAX));
}

TEST_F(Umfang, LaufpruefungOeffnetBeiEinemZuLangenLaufDenDialogUndLaesstIhnNurMitAbhilfeZu)
{
    zweiNeurone();
    // a file's step of 1e-12 s: the notice names both fields, then the dialog comes
    laufzeitSetzen(1.0, 1e-12);
    pt::boxAntworten({plattform::antwort::Ok});
    EXPECT_EQ(simulationsParameterPruefen(nullptr), 0);
    ASSERT_EQ(pt::boxLog().size(), 1u);
    EXPECT_EQ(pt::boxLog()[0].text.rfind("\"" + dialogTexte[131] + "\" / \"" + dialogTexte[132] + "\": ", 0), 0u)
        << pt::boxLog()[0].text;
    EXPECT_EQ(attrappe::dienste.laufDialoge, 1);
    // a duration that is no number the same way, without undefined conversions
    simulationsParameter.simulationsDauer = NAN;
    pt::boxAntworten({plattform::antwort::Ok});
    EXPECT_EQ(simulationsParameterPruefen(nullptr), 0);
    EXPECT_EQ(attrappe::dienste.laufDialoge, 2);
    EXPECT_EQ(pt::boxLog().back().text, meldungFormatieren(952, laufzeitFelderName()));   // no "nan" in it
    // what the dialog puts right lets the run go on
    pt::boxAntworten({plattform::antwort::Ok});
    attrappe::dienste.laufDialog = [](plattform::Fenster) { laufzeitSetzen(0.5, 1e-4); };
    EXPECT_EQ(simulationsParameterPruefen(nullptr), 1);
    EXPECT_EQ(std::tuple(attrappe::dienste.laufDialoge, pt::boxLog().size()), std::tuple(3, 3u));
}
