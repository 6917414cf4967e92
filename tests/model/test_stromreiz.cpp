// tests/model/test_stromreiz.cpp - stimulus definitions become tables, tables are played back
#include "test_neuron_hilfe.h"
#include "model/stromreiz.h"
#include "texts/texte.h"
#include <cmath>
#include <limits>
#include <tuple>
#include <utility>

namespace pt = plattform::test;

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
        std::tie(d.beginn, d.dach, d.amplitude, d.anzahl, d.pause, d.an) =
            std::tuple(beginn, dach, A, anzahl, pause, 1);
        return d;
    }
    static StromreizDefinition sinus(double ende, double periode, int anzahl = 1, double pause = 0.0)
    {
        StromreizDefinition d = rechteck(0.1, 0.0, anzahl, pause);
        std::tie(d.reizart, d.ende, d.periode) = std::tuple(1, ende, periode);
        return d;
    }
    // a series of stimuli; closer than one stimulus they have no length
    static StromreizDefinition serie(int anzahl, double pause, int bursts = 0, double abstand = 0.0)
    {
        StromreizDefinition d = rechteck(0.1, anzahl >= 2 && pause < 0.02 ? 0.0 : 0.02, anzahl, pause);
        std::tie(d.anzahlBursts, d.burstabstand) = std::tuple(bursts, abstand);
        return d;
    }
    static StromreizDefinition mit(StromreizDefinition d, double StromreizDefinition::*feld, double wert)
    {
        d.*feld = wert;
        return d;
    }
    // times to the nanosecond, currents to the attoampere: equal to the literals they stand for
    static Punkte punkte(const StromTabelle& t)
    {
        Punkte p;
        for (int i = 0; i < t.anzahlPunkte; ++i)
            p.emplace_back(std::round(t.startzeiten[i] * 1e9) / 1e9,
                           std::round(t.stromwerte[i] * 1e18) / 1e18);
        return p;
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

// the standard neuron is known by its record, not its number: only it gets the base pulse alone
TEST_F(Stromreiz, DasStandardneuronHaeltDenGrundpulsUndDieWiedergabeBleibtInDerTabelle)
{
    const int alt = stdNeuron.nummer;
    stdNeuron.nummer = n->nummer;
    n->stromreize[0] = stdNeuron.stromreize[0] = rechteck(0.1, 0.05, 2, 0.1);
    ASSERT_EQ(stromreizKurveErzeugen(*n, 0), 1);
    stdNeuron.nummer = alt;
    EXPECT_EQ(punkte(n->stromTabellen[0]), (Punkte{{0, 0}, {0.1, A}, {0.15, 0}, {0.2, A}, {0.25, 0}, {1, 0}}))
        << "two pulses";
    EXPECT_EQ(n->gereizteKompartimente, 1);
    ASSERT_EQ(stromreizKurveErzeugen(stdNeuron, 0), 1);
    EXPECT_EQ(punkte(stdNeuron.stromTabellen[0]), (Punkte{{0, 0}, {0.1, A}, {0.15, 0}, {1, 0}}));
    stdNeuron.stromreize[0] = {};

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

TEST_F(Stromreiz, WiederholungenUndBurstsEndenAmLaufende)
{
    const StromreizDefinition drei = rechteck(0.1, 0.02, 3, 0.1);
    StromreizDefinition bursts = rechteck(0.1, 0.02);
    std::tie(bursts.anzahlBursts, bursts.burstabstand, bursts.einzelreiz) = std::tuple(3, 0.3, 0.55);
    const struct {
        const char* was;
        StromreizDefinition d;
        int kompartiment;
        double dauer;
        Punkte erwartet;
    } faelle[] = {
        {"three pulses", drei, 0, 1.0,
         {{0, 0}, {0.1, A}, {0.12, 0}, {0.2, A}, {0.22, 0}, {0.3, A}, {0.32, 0}, {1, 0}}},
        // the mended fault: a repetition after the end deleted an earlier pulse
        {"the third after the end", drei, 0, 0.25,
         {{0, 0}, {0.1, A}, {0.12, 0}, {0.2, A}, {0.22, 0}, {0.25, 0}}},
        {"the second cut: it ends at 0", drei, 0, 0.21, {{0, 0}, {0.1, A}, {0.12, 0}, {0.2, 0}, {0.21, 0}}},
        {"bursts and the single stimulus", bursts, 0, 1.0,
         {{0, 0}, {0.1, A}, {0.12, 0}, {0.4, A}, {0.42, 0}, {0.55, A}, {0.57, 0}, {0.7, A}, {0.72, 0},
          {1, 0}}},
        // a single stimulus that would end after the run is left out
        {"a late single stimulus", mit(bursts, &StromreizDefinition::einzelreiz, 0.99), 0, 1.0,
         {{0, 0}, {0.1, A}, {0.12, 0}, {0.4, A}, {0.42, 0}, {0.7, A}, {0.72, 0}, {1, 0}}},
        {"bursts are for the soma only", bursts, 1, 1.0, {{0, 0}, {0.1, A}, {0.12, 0}, {1, 0}}},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.was);
        simulationsParameter.simulationsDauer = f.dauer;
        n->stromreize[f.kompartiment] = f.d;
        ASSERT_EQ(stromreizKurveErzeugen(*n, f.kompartiment), 1);
        EXPECT_EQ(punkte(n->stromTabellen[f.kompartiment]), f.erwartet);
    }
}

TEST_F(Stromreiz, AlternierenKehrtJedenZweitenPulsUm)
{
    n->stromreize[0] = rechteck(0.1, 0.02, 4, 0.1);
    n->stromreize[0].abfall = 0.002;   // a ramp: its fall time must not act as an offset
    n->stromreize[0].alternieren = 1;
    ASSERT_EQ(stromreizKurveErzeugen(*n, 0), 1);
    EXPECT_EQ(strom(n->stromTabellen[0], {0.1, 0.2, 0.3, 0.4}), (std::vector<double>{A, -A, A, -A}));

    // a sine train with an offset: mirrored about the offset
    n->stromreize[1] = sinus(0.15, 0.05, 3, 0.1);
    std::tie(n->stromreize[1].abfall, n->stromreize[1].alternieren) = std::tuple(2e-10, 1);
    ASSERT_EQ(stromreizKurveErzeugen(*n, 1), 1);
    const StromTabelle& t = n->stromTabellen[1];
    const std::vector<double> v = strom(t, {0.1, 0.2, 0.3});
    ASSERT_EQ(v.size(), 3u);
    EXPECT_NEAR(v[0], 2e-10 + A * std::sin(2 * M_PI * 0.001 / 0.05), 1e-21);
    EXPECT_NEAR(v[1], 2 * 2e-10 - v[0], 1e-21);
    EXPECT_EQ(std::tuple(v[2], t.startzeiten[t.anzahlPunkte - 1], n->gereizteKompartimente),
              std::tuple(v[0], 1.0, 2));
}

TEST_F(Stromreiz, UngueltigeDefinitionenWerdenMitHinweisVerweigertOhneDasProgrammZuBeenden)
{
    // the notice names neuron and compartment; the table stays, only the work area changes.
    // A typing error in the count with an interval that puts every stimulus before the run end
    // is refused too; the program goes on.
    constexpr int riesig = std::numeric_limits<int>::max();
    const struct {
        const char* was;
        StromreizDefinition d;
        int text;       // of the notice; 0: accepted
        int punkte;     // of the built table
    } faelle[] = {
        {"pause shorter than one stimulus", rechteck(0.1, 0.05, 2, 0.04), 396, 0},
        {"sine train longer than its interval", sinus(0.2, 0.05, 2, 0.05), 396, 0},
        {"sine without a period", sinus(0.2, 0.0), 395, 0},
        {"ramp beyond every count", mit(rechteck(0.1, 0.05), &StromreizDefinition::anstieg, -1e300), 393, 0},
        {"fall beyond every count", mit(rechteck(0.1, 0.05), &StromreizDefinition::abfall, 1e300), 393, 0},
        {"repetitions without an interval", serie(riesig, 0.0), 840, 0},
        {"repetitions a tiny interval apart", serie(riesig, 1e-300), 840, 0},
        {"bursts without an interval", serie(1, 0.0, riesig), 840, 0},
        {"bursts a tiny interval apart", serie(1, 0.0, riesig, 1e-300), 840, 0},
        {"bursts a negative interval apart", serie(1, 0.0, riesig, -0.3), 840, 0},
        // the same counts with intervals that reach the run end are cut there
        {"repetitions cut at the end", serie(riesig, 0.1), 0, 2 + 2 * 9},
        {"bursts cut at the end", serie(1, 0.0, riesig, 0.3), 0, 2 + 2 * 3},
        {"a few repetitions at one time", serie(5, 0.0), 0, 2 + 2 * 5},
    };
    simulationsParameter.simulationsDauer = 0.95;   // the stimulus after the last stays clear of the end
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.was);
        n->stromreize[0] = rechteck(0.1, 0.05);
        ASSERT_EQ(stromreizKurveErzeugen(*n, 0), 1);
        const Punkte vorher = punkte(n->stromTabellen[0]);
        pt::zuruecksetzen();
        pt::boxAntworten({1, 1});
        n->stromreize[0] = f.d;
        EXPECT_EQ(stromreizKurveErzeugen(*n, 0), f.text ? -2 : 1);
        EXPECT_TRUE(plattform::nachrichtenVerarbeiten()) << "the program must go on";
        const StromTabelle& t = n->stromTabellen[0];
        EXPECT_EQ(gezeigteBoxen(),
                  f.text ? BoxTexte{"Hinweis: " + meldungFormatieren(f.text, "N1", 0)} : BoxTexte{});
        if (f.text)
            EXPECT_EQ(punkte(t), vorher);
        else
            EXPECT_EQ(std::tuple(punkte(t).back(), t.anzahlPunkte),
                      std::tuple(std::pair(0.95, 0.0), f.punkte));
    }
    // no point spacing
    n->stromreize[0] = rechteck(0.1, 0.05);
    for (double h : {0.0, -0.001}) {
        pt::boxAntworten({1});
        reizSchrittweite = h;
        EXPECT_EQ(stromreizKurveErzeugen(*n, 0), -2);
        EXPECT_EQ(pt::boxLog().back().text, meldungFormatieren(393, "N1", 0));
    }
    // compartments without a definition or without a table: refused, no box
    reizSchrittweite = 0.001;
    const size_t boxen = pt::boxLog().size();
    EXPECT_EQ(stromreizKurveErzeugen(*n, 4), -2);
    NeuronDaten* soma = neu(2);
    kompartimenteAnpassen(*soma, 0);
    EXPECT_EQ(stromreizKurveErzeugen(*soma, 1), -2);
    EXPECT_EQ(pt::boxLog().size(), boxen);
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
    EXPECT_EQ(punkte(n->stromTabellen[1]), (Punkte{{0, 0}, {1, 0}, {1, 0}}));
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
