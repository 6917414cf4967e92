// tests/server/test_serverschleife.cpp - the loop's pacing on a clock the test drives
#include "core/status.h"
#include "model/simulationsparameter.h"
#include "server/server.h"
#include <gtest/gtest.h>

namespace {

// advances by a fixed amount per reading; asks the loop to stop at reading bis
struct Testuhr : ServerUhr {
    double schritt;
    int bis, lesungen = 0;
    Testuhr(double s, int b) : schritt(s), bis(b) {}
    double jetzt() override
    {
        if (lesungen + 1 >= bis)
            serverLauf.steuerBits |= serverBit::StoppAnforderung;
        return lesungen++ * schritt;
    }
};

// Ahead of real time the loop waits a reading per spin; behind it, it steps on at once,
// late every step, and skips none. Commands are taken after a step.
TEST(Serverschleife, PacesOnTheClockWithoutSkippingSteps)
{
    struct Fall { double proLesung; int lesungen; int64_t schritte, runden, verspaetet; };
    const double dt = 1.0 / 8192;
    for (const Fall f : {Fall{dt / 8, 1 + 8 * 10, 10, 70, 0}, Fall{3 * dt, 1 + 10, 10, 0, 10}, Fall{1.0, 1000, 1, 0, 1}}) {
        ServerDaten d;
        ServerBefehle befehle;
        simulationsParameter.schrittweite = dt;
        laufZustand = {};
        serverLauf.modus = serverModus::OhneErfassung;
        ASSERT_EQ(ereignisKernVorbereiten(d, serverLauf, dt), ereignisFehler::Keiner);
        if (f.proLesung == 1.0)
            befehle.senden({ServerBefehl::FaktorAendern, 0.5}), befehle.senden({ServerBefehl::Stopp, 0.0});
        Testuhr uhr(f.proLesung, f.lesungen);
        serverSchleife(d, serverLauf, uhr, befehle, nullptr);
        const ServerZaehler& z = serverLauf.zaehler;
        EXPECT_EQ(z.schritte, f.schritte) << f.proLesung;
        EXPECT_EQ(z.warteRunden, f.runden) << f.proLesung;
        EXPECT_EQ(z.verspaetet, f.verspaetet) << f.proLesung;
        EXPECT_DOUBLE_EQ(laufZustand.t, f.schritte * dt);
        EXPECT_EQ(serverLauf.faktor, f.proLesung == 1.0 ? 1.5 : 1.0);
        serverLaufZuruecksetzen();
    }
    simulationsParameter = {};
    laufZustand = {};
}

TEST(Serverschleife, ReportRatesOfAnEmptyRunAreZero)
{
    struct Fall { ServerZaehler z; double sekunden; int64_t runden; double rate; };
    for (const Fall& f : {Fall{{}, 0.0, 0, 0.0}, Fall{{.warteRunden = 75, .schritte = 10}, 2.0, 7, 5.0}}) {
        const ServerBerichtZahlen b = serverBerichtZahlen(f.z, f.sekunden);
        EXPECT_EQ(b.rundenProSchritt, f.runden);
        EXPECT_EQ(b.schritteProSekunde, f.rate);
    }
}

// one segment per step at setting 1; a painter that took nothing finds the newest ring's worth
TEST(Serverschleife, TraceRingKeepsTheNewestSegments)
{
    ServerSpur& p = serverLauf.spur;
    p.schritteProSegment = 1;
    for (int i = 0; i < spurRingGroesse + 5; ++i)
        spurSchritt(serverLauf, i / 1048576.0);
    EXPECT_EQ(p.geschrieben, spurRingGroesse + 5u);
    EXPECT_EQ(p.ring[4].maximum, (spurRingGroesse + 4) / 1048576.0);
    EXPECT_EQ(p.ring[5].minimum, 5 / 1048576.0);
    serverLaufZuruecksetzen();
}

} // namespace
