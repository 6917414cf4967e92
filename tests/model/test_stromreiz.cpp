// tests/model/test_stromreiz.cpp - stimulus definitions become tables, tables are played back
#include "test_neuron_hilfe.h"
#include "model/stromreiz.h"
#include "texts/texte.h"
#include <cmath>
#include <limits>
#include <string_view>
#include <utility>

namespace {

constexpr double A = 1e-9;
using Punkte = std::vector<std::pair<double, double>>;

struct Stromreiz : NeuronFall {
    NeuronDaten* n = nullptr;
    void SetUp() override
    {
        NeuronFall::SetUp();
        standardneuronVoreinstellen();
        simulationsParameter.simulationsDauer = 1.0;
        reizSchrittweite = 0.001;
        n = neu(1);
        n->name = "N1";
    }
    static StromreizDefinition rechteck(double beginn, double dach, int anzahl = 1, double pause = 0.0)
    {
        StromreizDefinition d;
        d.beginn = beginn;
        d.dach = dach;
        d.amplitude = A;
        d.anzahl = anzahl;
        d.pause = pause;
        d.an = 1;
        return d;
    }
    static Punkte punkte(const StromTabelle& t)
    {
        Punkte p;
        for (int i = 0; i < t.anzahlPunkte; ++i)
            p.emplace_back(t.startzeiten[i], t.stromwerte[i]);
        return p;
    }
    static void gleich(const StromTabelle& t, const Punkte& erwartet)
    {
        const Punkte p = punkte(t);
        ASSERT_EQ(p.size(), erwartet.size());
        for (size_t i = 0; i < p.size(); ++i) {
            EXPECT_NEAR(p[i].first, erwartet[i].first, 1e-12) << "point " << i;
            EXPECT_NEAR(p[i].second, erwartet[i].second, 1e-21) << "point " << i;
        }
    }
    // the current of every stimulus start in the table
    static std::vector<double> strom(const StromTabelle& t, std::initializer_list<double> zeiten)
    {
        std::vector<double> v;
        for (double z : zeiten)
            for (int i = 0; i < t.anzahlPunkte; ++i)
                if (std::abs(t.startzeiten[i] - z) < 1e-9) {
                    v.push_back(t.stromwerte[i]);
                    break;
                }
        return v;
    }
};

} // namespace

TEST_F(Stromreiz, RechteckOhneRampenHatVierPunkteUndWiedergabeBleibtInDerTabelle)
{
    n->stromreize[0] = rechteck(0.1, 0.05);
    ASSERT_EQ(stromreizKurveErzeugen(*n, 0), 1);
    gleich(n->stromTabellen[0], {{0, 0}, {0.1, A}, {0.15, 0}, {1, 0}});
    gleich(stdNeuron.stromTabellen[0], {{0, 0}, {0.1, A}, {0.15, 0}, {1, 0}});   // the base pulse
    EXPECT_EQ(n->gereizteKompartimente, 1);
    // playback stays in the table
    StromTabelle& t = n->stromTabellen[0];
    EXPECT_EQ(stromAusTabelle(t, 0.12), 0.0);   // the cursor lags: one point per step
    EXPECT_EQ(stromAusTabelle(t, 0.12), A);
    for (int i = 0; i < 10; ++i)
        stromAusTabelle(t, 2.0);                 // past the run end
    EXPECT_EQ(t.aktuellerIndex, t.anzahlPunkte);
    EXPECT_EQ(stromAusTabelle(t, 2.0), 0.0);
    t.aktuellerIndex = -1;
    EXPECT_EQ(stromAusTabelle(t, 0.12), 0.0);
}

TEST_F(Stromreiz, DauerreizLiefertStromAbDemDrittenSchritt)
{
    StromreizDefinition d = rechteck(0.3, 1.0 - 1e-4);
    d.dauerreiz = 1;
    n->stromreize[0] = d;
    ASSERT_EQ(stromreizKurveErzeugen(*n, 0), 1);
    StromTabelle& t = n->stromTabellen[0];
    gleich(t, {{0, 0}, {0, A}, {0, A}, {1, 0}});
    std::vector<double> strom;
    for (int schritt = 0; schritt < 5; ++schritt)
        strom.push_back(stromAusTabelle(t, schritt * 1e-4));
    EXPECT_EQ(strom, (std::vector<double>{0, 0, A, A, A}));
}

TEST_F(Stromreiz, DreiPulseBeiBeidenFormen)
{
    n->stromreize[0] = rechteck(0.1, 0.02, 3, 0.1);
    ASSERT_EQ(stromreizKurveErzeugen(*n, 0), 1);
    gleich(n->stromTabellen[0], {{0, 0}, {0.1, A}, {0.12, 0}, {0.2, A}, {0.22, 0}, {0.3, A}, {0.32, 0}, {1, 0}});

    StromreizDefinition s = rechteck(0.1, 0.0, 3, 0.1);
    s.reizart = 1;
    s.ende = 0.15;
    s.periode = 0.05;
    n->stromreize[1] = s;
    ASSERT_EQ(stromreizKurveErzeugen(*n, 1), 1);
    const StromTabelle& t = n->stromTabellen[1];
    const double erster = A * std::sin(2 * M_PI * 0.001 / 0.05);
    EXPECT_EQ(strom(t, {0.1, 0.2, 0.3}), std::vector<double>(3, erster));
    EXPECT_EQ(t.startzeiten[t.anzahlPunkte - 1], 1.0);
    EXPECT_EQ(n->gereizteKompartimente, 2);
}

TEST_F(Stromreiz, UngueltigeDefinitionenWerdenMitHinweisVerweigert)
{
    // each case changes the valid rectangle below; the notice names neuron and compartment
    struct Fall {
        const char* was;
        void (*aendern)(StromreizDefinition&);
        int text;
    };
    const Fall faelle[] = {
        {"pause shorter than one stimulus", [](StromreizDefinition& d) { d = rechteck(0.1, 0.05, 2, 0.04); }, 396},
        {"sine train longer than its interval",
         [](StromreizDefinition& d) {
             d = rechteck(0.1, 0.05, 2, 0.05);
             d.reizart = 1;
             d.ende = 0.2;
             d.periode = 0.05;
         },
         396},
        {"sine without a period",
         [](StromreizDefinition& d) {
             d.reizart = 1;
             d.ende = 0.2;
         },
         395},
        {"ramp beyond every count", [](StromreizDefinition& d) { d.anstieg = -1e300; }, 393},
        {"fall beyond every count", [](StromreizDefinition& d) { d.abfall = 1e300; }, 393},
    };
    n->stromreize[0] = rechteck(0.1, 0.05);
    ASSERT_EQ(stromreizKurveErzeugen(*n, 0), 1);
    const Punkte vorher = punkte(n->stromTabellen[0]);
    for (const Fall& f : faelle) {
        plattform::test::zuruecksetzen();
        plattform::test::boxAntworten({1});
        n->stromreize[0] = rechteck(0.1, 0.05);
        f.aendern(n->stromreize[0]);
        EXPECT_EQ(stromreizKurveErzeugen(*n, 0), -2) << f.was;
        ASSERT_EQ(plattform::test::boxLog().size(), 1u) << f.was;
        EXPECT_EQ(plattform::test::boxLog().back().text, meldungFormatieren(f.text, "N1", 0)) << f.was;
        EXPECT_EQ(plattform::test::boxLog().back().titel, "Hinweis");
        EXPECT_EQ(punkte(n->stromTabellen[0]), vorher) << f.was;   // only the work area changed
    }
    // no point spacing
    n->stromreize[0] = rechteck(0.1, 0.05);
    for (double h : {0.0, -0.001}) {
        plattform::test::boxAntworten({1});
        reizSchrittweite = h;
        EXPECT_EQ(stromreizKurveErzeugen(*n, 0), -2);
        EXPECT_EQ(plattform::test::boxLog().back().text, meldungFormatieren(393, "N1", 0));
    }
    // compartments without a definition or without a table: refused, no box
    reizSchrittweite = 0.001;
    const size_t boxen = plattform::test::boxLog().size();
    EXPECT_EQ(stromreizKurveErzeugen(*n, 4), -2);
    NeuronDaten* soma = neu(2);
    kompartimenteAnpassen(*soma, 0);
    EXPECT_EQ(stromreizKurveErzeugen(*soma, 1), -2);
    EXPECT_EQ(plattform::test::boxLog().size(), boxen);
}

TEST_F(Stromreiz, ZuVieleReizeVorDemLaufendeWerdenVerweigertOhneDasProgrammZuBeenden)
{
    // a typing error in the count with an interval that puts every stimulus before the run
    // end: refused with a notice, the table kept, the program goes on
    struct Fall {
        const char* was;
        int anzahl, anzahlBursts;
        double pause, burstabstand;
        int ergebnis, punkte;     // punkte of a built table
    };
    constexpr int riesig = std::numeric_limits<int>::max();
    const Fall faelle[] = {
        {"repetitions without an interval", riesig, 0, 0.0, 0.0, -2, 0},
        {"repetitions a tiny interval apart", riesig, 0, 1e-300, 0.0, -2, 0},
        {"bursts without an interval", 1, riesig, 0.0, 0.0, -2, 0},
        {"bursts a tiny interval apart", 1, riesig, 0.0, 1e-300, -2, 0},
        {"bursts a negative interval apart", 1, riesig, 0.0, -0.3, -2, 0},
        // the same counts with intervals that reach the run end are cut there
        {"repetitions cut at the end", riesig, 0, 0.1, 0.0, 1, 2 + 2 * 9},
        {"bursts cut at the end", 1, riesig, 0.0, 0.3, 1, 2 + 2 * 3},
        {"a few repetitions at one time", 5, 0, 0.0, 0.0, 1, 2 + 2 * 5},
    };
    simulationsParameter.simulationsDauer = 0.95;   // the stimulus after the last stays clear of the end
    n->stromreize[0] = rechteck(0.1, 0.02);
    ASSERT_EQ(stromreizKurveErzeugen(*n, 0), 1);
    const Punkte vorher = punkte(n->stromTabellen[0]);
    for (const Fall& f : faelle) {
        plattform::test::zuruecksetzen();
        plattform::test::boxAntworten({1, 1});
        // a series closer than one stimulus needs stimuli of no length
        const bool dicht = f.anzahl >= 2 && f.pause < 0.02;
        StromreizDefinition d = rechteck(0.1, dicht ? 0.0 : 0.02, f.anzahl, f.pause);
        d.anzahlBursts = f.anzahlBursts;
        d.burstabstand = f.burstabstand;
        n->stromreize[0] = d;
        EXPECT_EQ(stromreizKurveErzeugen(*n, 0), f.ergebnis) << f.was;
        EXPECT_TRUE(plattform::nachrichtenVerarbeiten()) << f.was << ": the program must go on";
        const StromTabelle& t = n->stromTabellen[0];
        if (f.ergebnis == -2) {
            ASSERT_EQ(plattform::test::boxLog().size(), 1u) << f.was;
            EXPECT_EQ(plattform::test::boxLog()[0].text, meldungFormatieren(840, "N1", 0)) << f.was;
            EXPECT_EQ(plattform::test::boxLog()[0].titel, "Hinweis");
            EXPECT_EQ(punkte(t), vorher) << f.was;
        } else {
            EXPECT_TRUE(plattform::test::boxLog().empty()) << f.was;
            EXPECT_EQ(t.anzahlPunkte, f.punkte) << f.was;
            EXPECT_EQ(t.startzeiten[t.anzahlPunkte - 1], 0.95) << f.was;
            n->stromreize[0] = rechteck(0.1, 0.02);
            ASSERT_EQ(stromreizKurveErzeugen(*n, 0), 1);
        }
    }
}

TEST_F(Stromreiz, AlternierenKehrtPulseZweiUndVierUm)
{
    StromreizDefinition d = rechteck(0.1, 0.02, 4, 0.1);
    d.abfall = 0.002;   // a ramp: its fall time must not act as an offset
    d.alternieren = 1;
    n->stromreize[0] = d;
    ASSERT_EQ(stromreizKurveErzeugen(*n, 0), 1);
    EXPECT_EQ(strom(n->stromTabellen[0], {0.1, 0.2, 0.3, 0.4}), (std::vector<double>{A, -A, A, -A}));

    StromreizDefinition s = rechteck(0.1, 0.0, 2, 0.1);
    s.reizart = 1;
    s.ende = 0.15;
    s.periode = 0.05;
    s.abfall = 2e-10;   // offset
    s.alternieren = 1;
    n->stromreize[1] = s;
    ASSERT_EQ(stromreizKurveErzeugen(*n, 1), 1);
    const std::vector<double> v = strom(n->stromTabellen[1], {0.1, 0.2});
    ASSERT_EQ(v.size(), 2u);
    EXPECT_NEAR(v[1], 2 * 2e-10 - v[0], 1e-21);   // mirrored about the offset
}

TEST_F(Stromreiz, WiederholungNachDemEndeLoeschtKeinenFrueherenPuls)
{
    simulationsParameter.simulationsDauer = 0.25;
    n->stromreize[0] = rechteck(0.1, 0.02, 3, 0.1);
    ASSERT_EQ(stromreizKurveErzeugen(*n, 0), 1);
    gleich(n->stromTabellen[0], {{0, 0}, {0.1, A}, {0.12, 0}, {0.2, A}, {0.22, 0}, {0.25, 0}});

    simulationsParameter.simulationsDauer = 0.21;   // the second pulse is cut: it ends at 0
    ASSERT_EQ(stromreizKurveErzeugen(*n, 0), 1);
    gleich(n->stromTabellen[0], {{0, 0}, {0.1, A}, {0.12, 0}, {0.2, 0}, {0.21, 0}});
}

TEST_F(Stromreiz, BurstsUndEinzelreizNurImSoma)
{
    StromreizDefinition d = rechteck(0.1, 0.02);
    d.anzahlBursts = 3;
    d.burstabstand = 0.3;
    d.einzelreiz = 0.55;
    n->stromreize[0] = n->stromreize[1] = d;
    ASSERT_EQ(stromreizKurveErzeugen(*n, 0), 1);
    gleich(n->stromTabellen[0], {{0, 0}, {0.1, A}, {0.12, 0}, {0.4, A}, {0.42, 0}, {0.55, A}, {0.57, 0},
                                 {0.7, A}, {0.72, 0}, {1, 0}});
    ASSERT_EQ(stromreizKurveErzeugen(*n, 1), 1);
    gleich(n->stromTabellen[1], {{0, 0}, {0.1, A}, {0.12, 0}, {1, 0}});

    n->stromreize[0].einzelreiz = 0.99;   // would end after the run: left out
    ASSERT_EQ(stromreizKurveErzeugen(*n, 0), 1);
    EXPECT_EQ(n->stromTabellen[0].anzahlPunkte, 8);
}

TEST_F(Stromreiz, DasStandardneuronWirdAmDatensatzErkannt)
{
    const int alt = stdNeuron.nummer;
    stdNeuron.nummer = n->nummer;   // a number is no identity
    n->stromreize[0] = rechteck(0.1, 0.05, 2, 0.1);
    ASSERT_EQ(stromreizKurveErzeugen(*n, 0), 1);
    stdNeuron.nummer = alt;
    EXPECT_EQ(n->stromTabellen[0].anzahlPunkte, 6);

    stdNeuron.stromreize[0] = n->stromreize[0];
    ASSERT_EQ(stromreizKurveErzeugen(stdNeuron, 0), 1);
    EXPECT_EQ(stdNeuron.stromTabellen[0].anzahlPunkte, 4);   // only the base pulse
    stdNeuron.stromreize[0] = {};
}

TEST_F(Stromreiz, ZuruecksetzenGibtStandardtabellenUndZaehltNeu)
{
    simulationsParameter.anzahlSegmente = 6;
    NeuronDaten* lang = neu(2);
    n->stromreize[0] = n->stromreize[1] = lang->stromreize[3] = rechteck(0.1, 0.05);
    stromreizKurveErzeugen(*n, 0);
    stromreizKurveErzeugen(*n, 1);
    stromreizKurveErzeugen(*lang, 3);
    lang->stromTabellen[5] = n->stromTabellen[0];   // as a current file gives it
    n->stromreize[1].ausDatei = lang->stromreize[3].ausDatei = 1;
    EXPECT_EQ(gereizteKompartimenteGesamtZaehlen(), 4);

    stromreizeZuruecksetzen(n);
    gleich(n->stromTabellen[1], {{0, 0}, {1, 0}, {1, 0}});
    EXPECT_EQ(n->stromreize[1].ausDatei, 0);
    EXPECT_EQ(n->stromreize[1].dach, 0.05);            // the definition stays
    EXPECT_EQ(lang->stromreize[3].ausDatei, 1);        // another neuron's untouched
    EXPECT_EQ(gereizteKompartimenteGesamt, 2);

    stromreizeZuruecksetzen(nullptr);                  // tables up to 6, definitions up to 3
    EXPECT_EQ(lang->stromTabellen[5].anzahlPunkte, 3);
    EXPECT_EQ(lang->stromreize[3].ausDatei, 0);
    EXPECT_EQ(gereizteKompartimenteGesamt, 0);
}

TEST_F(Stromreiz, BeendetNachDerLetztenWiederholung)
{
    StromreizDefinition d = rechteck(0.1, 0.02, 3, 0.1);
    EXPECT_EQ(stromreizBeendet(d, 0.39), 0);
    EXPECT_EQ(stromreizBeendet(d, 0.41), 1);
    d.pause = 0.01;                 // longer than its interval: never ends
    EXPECT_EQ(stromreizBeendet(d, 100.0), 0);
    d.an = 0;
    EXPECT_EQ(stromreizBeendet(d, 0.0), 1);
}

