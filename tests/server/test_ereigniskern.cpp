// tests/server/test_ereigniskern.cpp - events on the input and the current they inject
#include "server/server.h"
#include <gtest/gtest.h>

namespace {

struct Ereigniskern : ::testing::Test {
    plattform::SimulierteMesskarte karte;
    ServerDaten d{.ereignisSchwelle = 2000};
    ServerLaufzeit& s = serverLauf;
    std::vector<double> reiz;   // the stimulus value of every step
    void SetUp() override { daqFunktionen = &karte, s.modus = serverModus::MitKarte; }
    void TearDown() override { daqFunktionen = &plattform::keineMesskarte(), serverLaufZuruecksetzen(), zuletztAbgeholt = 0; }
    // the i-th poll finds sample i (from 0) new, unless a later poll finds the same count
    void proben(std::initializer_list<int16_t> werte, std::deque<uint32_t> zaehlungen = {1, 2})
    {
        std::copy(werte.begin(), werte.end(), s.eingangsPuffer.begin());
        karte.abholungen.clear();
        for (uint32_t z : zaehlungen)
            karte.abholungen.push_back({z, 0});
    }
    bool schritte(int anzahl, double dt = 0.001)   // as the loop takes them; false: input stop
    {
        for (int i = 0; i < anzahl; ++i, s.echtzeit += dt) {
            reizAusSchlange(s);
            reiz.push_back(s.reizWert);
            if (!ereignisKernSchritt(d, s, nullptr))
                return false;
        }
        return true;
    }
};

TEST_F(Ereigniskern, EventKernelReachesTheSomaDelayedAndScaledByTheReadBack)
{
    d = {.ereignisTotzeit = 0.010, .ereignisSchwelle = 2000, .verzoegerung = 0.010, .stromFaktor = 2e-9, .eichfaktor = 1.5};
    ASSERT_EQ(ereignisKernVorbereiten(d, s, 0.001), ereignisFehler::Keiner);
    proben({2048, 1024});
    ASSERT_TRUE(schritte(3));
    EXPECT_EQ(s.faktor, 1.0);
    ASSERT_TRUE(schritte(4000 - 3));
    EXPECT_EQ(s.faktor, 1.5);
    EXPECT_EQ(s.ereignisAnzahl, 1);
    EXPECT_TRUE(reiz[10] == 0.0 && reiz[11] > 0.0 && reiz[3848] > 0.0 && reiz[3849] == 0.0);
    EXPECT_NEAR(reiz[650], 2.25e-10, 1e-22);
}

// The read-back comes three steps after the event even when a short dead time ended sooner;
// without a new sample it keeps the factor; a sample over the threshold there is no event.
TEST_F(Ereigniskern, ReadBackFollowsAShortDeadTimeAndCountsNoEvent)
{
    struct Fall { double totzeit; uint32_t zaehlung; double faktor; };
    for (const Fall f : {Fall{0.0005, 2, 2100 * 5.0 / 2048 - 1.0}, Fall{0.010, 1, 1.0}}) {
        TearDown(), SetUp();
        d.ereignisTotzeit = f.totzeit;
        ASSERT_EQ(ereignisKernVorbereiten(d, s, 0.001), ereignisFehler::Keiner);
        proben({2048, 2100}, {1, 1, 1, f.zaehlung});
        ASSERT_TRUE(schritte(4));
        EXPECT_EQ(s.ereignisAnzahl, 1);
        EXPECT_DOUBLE_EQ(s.faktor, f.faktor) << f.totzeit;
    }
}

TEST_F(Ereigniskern, StopLevelEndsTheStepSoftStartScalesFullRingDropsOldest)
{
    for (const auto [probe, stopp] : {std::pair<int16_t, bool>{-500, true}, {-410, true}, {-409, false}, {-300, false}}) {
        TearDown(), SetUp();
        ASSERT_EQ(ereignisKernVorbereiten(d, s, 0.001), ereignisFehler::Keiner);
        proben({probe});
        EXPECT_EQ(schritte(1), !stopp) << probe;
        EXPECT_EQ((s.steuerBits & serverBit::StoppAnforderung) != 0, stopp) << probe;
    }
    for (const auto [strom, faktor] : {std::pair{1e-10, 0.1824}, {2e-10, 0.9707}, {1.3e-10, 0.5}})
        EXPECT_NEAR(sanfterAnfang(strom) / strom, faktor, 1e-4) << strom;
    for (int i = 0; i < 1001; ++i)
        serverEreignisZaehlen(s);
    EXPECT_EQ(s.aktiveEreignisse, 1000);
}

// whole steps of the delay; a queue of length 0 delivers in the next step; a kernel under
// three entries refuses and leaves the record as it was
TEST_F(Ereigniskern, QueueLengthAndRefusals)
{
    struct Fall { double verzoegerung, schritt; int fehler, laenge; };
    for (const Fall f : {Fall{0.3, 0.0001, 0, 3000}, Fall{0.0005, 0.001, 0, 0}, Fall{1.5, 1.3, ereignisFehler::KernZuKurz, -7}}) {
        d = {.verzoegerung = f.verzoegerung};
        s.kern.schlangenLaenge = -7;
        EXPECT_EQ(ereignisKernVorbereiten(d, s, f.schritt), f.fehler) << f.schritt;
        EXPECT_EQ(s.kern.schlangenLaenge, f.laenge);
        EXPECT_EQ(d.stromFaktor, f.fehler ? 0.0 : 1e-9);
    }
    serverEreignisZaehlen(s);
    ASSERT_TRUE(schritte(2));
    EXPECT_TRUE(reiz[0] == 0.0 && reiz[1] > 0.0);
}

} // namespace
