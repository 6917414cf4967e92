// tests/model/test_spikefolge.cpp - the burst search of a spike train
#include "model/neuron.h"
#include "model/simulationsparameter.h"
#include "model/spikefolge.h"
#include "model/zufall.h"
#include <gtest/gtest.h>
#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

namespace {

namespace flag = spikefolgenFlag;

struct Spikefolge : ::testing::Test {
    std::unique_ptr<NeuronDaten> neuron = std::make_unique<NeuronDaten>();
    double dauerVorher = simulationsParameter.simulationsDauer;

    void TearDown() override { simulationsParameter.simulationsDauer = dauerVorher; }

    // rates the train in a list of exactly its size, so a read past it is caught
    int bewerten(const std::vector<float>& zeiten, double dauer, double faktor, uint32_t flags)
    {
        simulationsParameter.simulationsDauer = dauer;
        neuron->spikefolge.burstFaktor = faktor;
        neuron->spikefolge.flags = flags;
        auto liste = std::make_unique<float[]>(std::max<size_t>(zeiten.size(), 1));
        std::copy(zeiten.begin(), zeiten.end(), liste.get());
        return spikefolgeBewerten(*neuron, liste.get(), static_cast<int>(zeiten.size()));
    }
    const SpikefolgenBewertung& b() const { return neuron->spikefolgenBewertung; }
};

// bursts of four spikes 1/64 s apart from each start
std::vector<float> buendel(std::initializer_list<double> starts, int spikes = 4)
{
    std::vector<float> z;
    for (double s : starts)
        for (int i = 0; i < spikes; ++i)
            z.push_back(static_cast<float>(s + i / 64.0));
    return z;
}

std::vector<float> gleichmaessig(int anzahl, double erster, double abstand)
{
    std::vector<float> z;
    for (int i = 0; i < anzahl; ++i)
        z.push_back(static_cast<float>(erster + i * abstand));
    return z;
}

} // namespace

TEST_F(Spikefolge, DreiBurstsMitIhrenKennwertenUndDasAbsoluteMinimumFiltert)
{
    const std::vector<float> zug = buendel({0.25, 0.75, 1.25});
    ASSERT_EQ(bewerten(zug, 2.0, 2.0, 0), 1);
    EXPECT_EQ(b().schwelle, 0.015625);
    ASSERT_EQ(b().bursts.size(), 3u);
    const double luecken[] = {0.453125, 0.453125, 0.0};
    for (size_t k = 0; k < 3; ++k) {
        const BurstDaten& x = b().bursts[k];
        EXPECT_EQ(std::make_tuple(x.start, x.intervallAnzahl, x.dauer, x.luecke, x.mittleresIsi, x.isiStreuung,
                                  x.gueltig, x.erstesIntervall),
                  std::make_tuple(0.25 + 0.5 * k, 3, 0.046875, luecken[k], 0.015625, 0.0, 1, 4 * static_cast<int>(k)))
            << k;
    }
    EXPECT_EQ(std::make_tuple(b().isiMittel, b().isiStreuung), std::make_tuple(0.015625, 0.0));
    EXPECT_EQ(std::make_tuple(b().spikes.mittel, b().spikes.streuung, b().spikes.anzahl), std::make_tuple(4.0, 0.0, 3));
    EXPECT_EQ(std::make_tuple(b().periode.mittel, b().periode.anzahl, b().luecke.mittel, b().luecke.anzahl),
              std::make_tuple(0.5, 2, 0.453125, 2));
    EXPECT_EQ(std::make_tuple(b().dauer.mittel, b().dauer.anzahl), std::make_tuple(0.046875, 3));
    // the intervals in time order: the gaps outside bursts, the entry behind them the end
    ASSERT_EQ(b().intervalle.size(), 12u);
    EXPECT_EQ(std::make_tuple(b().intervalle[2].burst, b().intervalle[3].burst, b().intervalle[4].burst), std::make_tuple(1, 0, 2));
    EXPECT_EQ(std::make_tuple(b().intervalle[11].isi, b().intervalle[11].zeit, b().intervallAnzahl),
              std::make_tuple(2.0, 1.296875, 11));

    neuron->spikefolge.mindestSpikeAnzahl = 5.0;
    EXPECT_EQ(bewerten(zug, 2.0, 2.0, flag::MindestSpikes), 4);
    EXPECT_TRUE(b().bursts.empty());
    for (const SpikeIntervall& iv : b().intervalle)
        EXPECT_EQ(iv.burst, 0);
}

// Without a gap above the limit: one burst only by the single-burst flags; tonic or
// irregular by where the train lies in the run; too few and no spikes.
TEST_F(Spikefolge, OhneLueckeEinzelburstTonischIrregulaerUndZuWenige)
{
    const std::vector<float> frueh = gleichmaessig(6, 1.0 / 64, 1.0 / 64);
    EXPECT_EQ(bewerten(frueh, 1.0, 2.0, flag::EinzelBurst | flag::AbLaufbeginn), 1057);
    ASSERT_EQ(b().bursts.size(), 1u);
    EXPECT_EQ(std::make_tuple(b().bursts[0].intervallAnzahl + 1, b().bursts[0].dauer, b().bursts[0].start),
              std::make_tuple(6, 0.078125, 1.0 / 64));
    EXPECT_EQ(bewerten(frueh, 1.0, 2.0, flag::EinzelBurst), 1029);
    EXPECT_TRUE(b().bursts.empty());
    EXPECT_EQ(bewerten(frueh, 1.0, 2.0, 0), 4);

    const std::vector<float> mitte = gleichmaessig(6, 0.5, 1.0 / 64);
    EXPECT_EQ(bewerten(mitte, 1.0, 2.0, flag::EinzelBurst), 33);
    EXPECT_EQ(b().bursts.size(), 1u);
    const std::vector<float> spaet = gleichmaessig(6, 1.0 - 5.0 / 64, 1.0 / 64);
    EXPECT_EQ(bewerten(spaet, 1.0, 2.0, flag::EinzelBurst), 2053);
    EXPECT_EQ(bewerten(spaet, 1.0, 2.0, flag::EinzelBurst | flag::BisLaufende), 2081);
    ASSERT_EQ(b().bursts.size(), 1u);
    EXPECT_EQ(b().bursts[0].gueltig, 1);

    EXPECT_EQ(bewerten(gleichmaessig(16, 0.0625, 0.125), 2.0, 2.0, 0), 2);
    EXPECT_EQ(bewerten(gleichmaessig(3, 0.1, 0.1), 1.0, 2.0, 0), 16);
    EXPECT_EQ(bewerten(gleichmaessig(4, 0.1, 0.1), 1.0, 2.0, 0), 16);
    EXPECT_EQ(bewerten({}, 1.0, 2.0, 0), 8);
    EXPECT_EQ(spikefolgeBewerten(*neuron, nullptr, 7), 8);
    EXPECT_EQ(b().intervalle.size(), 0u);
}

// A burst reaching the run's end counts only with 0x800, which then marks the code; the
// relative filter keeps it whatever its validity.
TEST_F(Spikefolge, BurstBisZumEndeZaehltNurMitDemFlagAusserImRelativenFilter)
{
    const std::vector<float> zug = buendel({0.25, 0.75, 1.0 - 3.0 / 64});
    EXPECT_EQ(bewerten(zug, 1.0, 2.0, 0), 1);
    EXPECT_EQ(b().bursts.size(), 2u);
    EXPECT_EQ(bewerten(zug, 1.0, 2.0, flag::BisLaufende), 1 | 0x800);
    EXPECT_EQ(b().bursts.size(), 3u);
    neuron->spikefolge.relativeSpikeAnzahl = 0.5;
    EXPECT_EQ(bewerten(zug, 1.0, 2.0, flag::Relativ | flag::MindestSpikes), 1);
    EXPECT_EQ(b().bursts.size(), 3u);
    EXPECT_EQ(b().bursts[2].gueltig, 0);
}

// A burst of one interval and a search that finds a single interval below the gap have no
// sample SD: they show -1, the block's mark, and never NaN.
TEST_F(Spikefolge, EinzelnesIntervallGibtStreuungMinusEinsNieNaN)
{
    const std::vector<float> zug = {0.0f, 0.01f, 0.5f, 1.0f, 1.5f};
    ASSERT_EQ(bewerten(zug, 2.0, 2.0, 0), 1);
    EXPECT_EQ(std::make_tuple(b().schwelle, b().bursts.size()), std::make_tuple(static_cast<double>(0.01f), size_t(1)));
    EXPECT_EQ(std::make_tuple(b().bursts[0].intervallAnzahl, b().bursts[0].isiStreuung), std::make_tuple(1, -1.0));
    EXPECT_EQ(std::make_tuple(b().isiStreuung, b().dauer.streuung, b().spikes.streuung), std::make_tuple(-1.0, -1.0, -1.0));
    EXPECT_EQ(std::make_tuple(b().luecke.mittel, b().luecke.streuung, b().luecke.anzahl), std::make_tuple(-1.0, -1.0, 0));
}

TEST_F(Spikefolge, StreuungGleicherWerteIstNullAuchWennDieRundungDieVarianzNegativMacht)
{
    EXPECT_EQ(stichprobenStreuung(1.0, 1.0, 1), -1.0);
    EXPECT_EQ(stichprobenStreuung(0.0, 0.0, 0), -1.0);
    zufallStarten(7);
    int negativGerundet = 0;
    for (int i = 0; i < 2000; ++i) {
        const double x = 1e-3 + zufallszahl();
        const int n = 2 + i % 9;
        double s = 0.0, q = 0.0;
        for (int k = 0; k < n; ++k)
            s += x, q += x * x;
        negativGerundet += n * q - s * s < 0.0;
        const double sd = stichprobenStreuung(s, q, n);
        ASSERT_TRUE(sd >= 0.0 && sd < 1e-6) << x << " " << n << " " << sd;
    }
    EXPECT_GT(negativGerundet, 0);   // the case the clamp is for does occur
}

// Random trains, settings and flags: a known code, no NaN in a statistic, every burst and
// interval within its list (the sanitizers watch the reads).
TEST_F(Spikefolge, ZufaelligeFolgenGebenBekannteCodesOhneNaNUndBleibenInIhrenListen)
{
    const int erlaubt[] = {1, 1 | 0x800, 2, 4, 8, 16, 33, 1057, 1029, 2081, 2053};
    zufallStarten(20240611);
    for (int lauf = 0; lauf < 3000; ++lauf) {
        const double dauer = 0.1 + 3.0 * zufallszahl();
        std::vector<float> zug(static_cast<size_t>(zufallRoh() % 60));
        double t = 0.0;
        for (float& z : zug) {
            // clusters and pauses, some spikes at one time
            t += zufallRoh() % 4 == 0 ? 0.3 * zufallszahl() : 0.01 * zufallszahl() * (zufallRoh() % 3);
            z = static_cast<float>(std::min(t, dauer));
        }
        SpikefolgenEinstellungen& e = neuron->spikefolge;
        e.mindestSpikeAnzahl = zufallRoh() % 8;
        e.mindestLaenge = 0.1 * zufallszahl();
        e.relativeSpikeAnzahl = 2.0 * zufallszahl();
        e.relativeLaenge = 2.0 * zufallszahl();
        const uint32_t flags = static_cast<uint32_t>(zufallRoh()) & 0xC7C;
        const int code = bewerten(zug, dauer, 0.5 + 4.0 * zufallszahl(), flags);
        SCOPED_TRACE(lauf);
        EXPECT_NE(std::find(std::begin(erlaubt), std::end(erlaubt), code), std::end(erlaubt)) << code;
        const SpikefolgenBewertung& r = b();
        for (double w : {r.isiMittel, r.isiStreuung, r.schwelle, r.spikes.mittel, r.spikes.streuung, r.periode.mittel,
                         r.periode.streuung, r.dauer.mittel, r.dauer.streuung, r.luecke.mittel, r.luecke.streuung})
            ASSERT_FALSE(std::isnan(w)) << code;
        for (const BurstDaten& x : r.bursts) {
            ASSERT_FALSE(std::isnan(x.mittleresIsi) || std::isnan(x.isiStreuung) || std::isnan(x.dauer));
            ASSERT_GE(x.erstesIntervall, 0);
            ASSERT_LE(x.erstesIntervall + x.intervallAnzahl, r.intervallAnzahl);
        }
        for (const SpikeIntervall& iv : r.intervalle)
            ASSERT_LE(iv.burst, static_cast<int>(r.bursts.size()));
        if (code & 1) {
            ASSERT_EQ(r.bursts.empty(), (code & 4) != 0);
        }
    }
}
