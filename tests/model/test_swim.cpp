// tests/model/test_swim.cpp - traces of the SWIM step
#include "test_swim_hilfe.h"
#include <cmath>

TEST_F(SwimFall, PassivesNeuronKehrtZumRuhepotentialZurueckUndZaehltKeinenSpike)
{
    NeuronDaten& x = neuron();
    x.parameter[par::SwimNaG] = x.parameter[par::SwimKG] = x.parameter[par::SwimCaG] = 0.0;
    x.parameter[par::SomaStartpotential] = -0.05;
    starten();
    ASSERT_EQ(x.passivMarke, 1);
    laufen(2000);   // 20 time constants
    EXPECT_NEAR(x.potentiale[0], x.parameter[par::SomaRuhepotential], 1e-6);
    // driven far above the threshold: the potential crosses it, no spike counts
    const double gates = x.torVariable[0];
    strom(2e-9, 0.2, 0.3);
    laufen(1000, 2000);
    EXPECT_GT(x.potentiale[0], -0.02);
    // no spike counts, and switched-off channels keep their gates
    EXPECT_EQ(std::tuple(x.apAnzahl, x.kanalStrom[0], x.torVariable[0]), std::tuple(0, 0.0, gates));
}

TEST_F(SwimFall, StandardneuronFeuertErstUeberDerSchwelleUndSpeichertSpikezeitenNurAufWunsch)
{
    NeuronDaten& x = neuron();
    auto lauf = [&] {
        starten();
        strom(0.02e-9, 0.2, 0.5);   // below the threshold
        laufen(2000);
        const double ruhe = x.potentiale[0];
        EXPECT_NEAR(ruhe, -0.07, 0.005);
        laufen(3000, 2000);
        EXPECT_EQ(x.apAnzahl, 0);
        EXPECT_GT(x.potentiale[0], ruhe + 0.001);
        strom(0.5e-9, 0.5, 0.75);   // repetitive firing, then back to rest
        laufen(5000, 5000);
        EXPECT_GE(x.apAnzahl, 10);
        EXPECT_NEAR(x.potentiale[0], ruhe, 0.002);
        return x.apAnzahl;
    };
    const int ohne = lauf();
    EXPECT_EQ(std::tuple(laufZustand.apAnzahl, x.spikeZeiten.size()), std::tuple(0, 0u));   // nothing stored

    x.spikezeitenSpeichern = 1;
    spikeAufzeichnung.aufzeichnen = 1;
    EXPECT_EQ(lauf(), ohne);
    EXPECT_EQ(laufZustand.apAnzahl, ohne);
    ASSERT_EQ(spikeAufzeichnung.ereignisse.size(), static_cast<size_t>(ohne));
    for (int i = 0; i < ohne; ++i) {
        const auto& e = spikeAufzeichnung.ereignisse[i];
        EXPECT_TRUE(x.spikeZeiten[i] == static_cast<float>(e.zeit) && e.neuron == &x);
        EXPECT_GT(x.spikeZeiten[i], i > 0 ? x.spikeZeiten[i - 1] : 0.5f);   // ascending, after the onset
    }
    EXPECT_EQ(x.spikeZeiten[ohne], 0.0f);
}

TEST_F(SwimFall, SpikeZaehltNurBeiEchterUeberschreitungImPspModusZaehlenMaxima)
{
    NeuronDaten& x = neuron();
    starten();
    const double s = x.parameter[par::SwimSchwelle];
    const struct { double v0, v1; int kollision, rueckkopplung, spikes; } faelle[] = {
        {s, s + 0.01, 0, 0, 0},          // V0 on the threshold
        {s - 0.01, s, 0, 0, 0},          // V1 on the threshold
        {s - 0.01, s + 0.01, 0, 0, 1},
        {s - 0.01, s + 0.01, 1, 0, 2},
        {s - 0.01, s + 0.01, 1, 1, 3},
        {-0.07, -0.07, 1, 1, 3},
    };
    for (const auto& f : faelle) {
        simulationsParameter.kollisionAktiv = f.kollision;
        simulationsParameter.rueckkopplungAktiv = f.rueckkopplung;
        swimSpikesBehandeln(x, f.v0, f.v1, 0.0);
        EXPECT_EQ(x.apAnzahl, f.spikes) << f.v0 << " " << f.v1 << " " << f.kollision << f.rueckkopplung;
    }
    // in PSP mode the maxima are stored, no spike counts
    simulationsParameter.kollisionAktiv = simulationsParameter.rueckkopplungAktiv = 0;
    x.pspModus = 0x10;
    x.pspSchwelle = -0.065f;
    // a PSP whose maximum lies after the crossing, then one whose maximum is the crossing
    const double verlauf[] = {-0.07, -0.064, -0.06, -0.062, -0.07, -0.07, -0.05, -0.055, -0.07};
    for (int i = 1; i < 9; ++i)
        swimSpikesBehandeln(x, verlauf[i - 1], verlauf[i], i * 0.001);
    ASSERT_EQ(std::tuple(x.apAnzahl, x.pspAnzahl), std::tuple(3, 2));
    // the maximum at the crossing keeps its time
    EXPECT_EQ(std::tuple(x.pspAmplituden[0], x.pspZeiten[0], x.pspAmplituden[1], x.pspZeiten[1]),
              std::tuple(-0.06f, 0.002f, -0.05f, 0.006f));
    for (size_t i = 2; i < x.pspAmplituden.size(); ++i)
        ASSERT_EQ(x.pspAmplituden[i], 0.0f) << i;   // grown lists are zero-filled
    EXPECT_EQ(x.pspZeiten.back(), 0.0f);
}

// A script that asks for AP times must get them from a real run, not only the spike-time file
TEST_F(SwimFall, SpikezeitenFuerDieDateiUndFuerSkriptergebnisse)
{
    NeuronDaten& x = neuron();
    starten();
    const double s = x.parameter[par::SwimSchwelle];
    for (const int skript : {0, 1}) {
        SCOPED_TRACE(skript);
        x.apAnzahl = 0;
        x.spikeZeiten.clear();
        x.apZeitenAufzeichnen = skript;
        swimSpikesBehandeln(x, s - 0.01, s + 0.01, 0.0125);
        swimSpikesBehandeln(x, s - 0.01, s + 0.01, 0.1);
        EXPECT_EQ(x.apAnzahl, 2);
        if (!skript) {
            EXPECT_TRUE(x.spikeZeiten.empty());
            continue;
        }
        ASSERT_GE(x.spikeZeiten.size(), 2u);
        EXPECT_EQ(std::pair(x.spikeZeiten[0], x.spikeZeiten[1]), std::pair(0.0125f, 0.1f));
    }
}

TEST_F(SwimFall, KlemmeSetztAlleKompartimenteNachIhrenFensternUndSpikesZaehlen)
{
    NeuronDaten& x = neuron(3);
    x.klemme = {-0.08, 0.0, -0.06, 0.001, 0.002, 0, 0x1};
    x.begrenzung.an = 1;
    x.begrenzung.kompartimentAn = {1, 1, 1, 1};
    x.begrenzung.art = {0x2, 0x2, 0x2, 0x2};
    x.begrenzung.oben = {-0.07, -0.07, -0.07, -0.07};   // the clamp is not clipped
    starten();
    const double erwartet[] = {-0.08, -0.08, 0.0, 0.0, -0.06, -0.06};
    for (int i = 0; i < 6; ++i) {
        laufZustand.t = i * 0.0005;   // 0, 0.5, 1 (begin), 1.5, 2 (end), 2.5 ms
        swimModellBerechnen(x);
        EXPECT_EQ(x.potentiale, std::vector<double>(4, erwartet[i])) << i;
    }
    EXPECT_EQ(x.apAnzahl, 1);   // -80 mV to 0 crosses the threshold
}

TEST_F(SwimFall, BegrenzungHaeltDiePotentialeInIhrenGrenzen)
{
    NeuronDaten& x = neuron();
    x.begrenzung.an = x.begrenzung.kompartimentAn[0] = 1;
    x.begrenzung.art[0] = 0x2 | 0x4;
    std::tie(x.begrenzung.oben[0], x.begrenzung.unten[0]) = std::tuple(-0.03, -0.075);
    starten();
    double hoechstes = -1.0;
    strom(1e-9, 0.0, 0.05);
    for (int i = 0; i < 500; ++i) {
        laufen(1, i);
        hoechstes = std::max(hoechstes, x.potentiale[0]);
    }
    EXPECT_EQ(std::tuple(hoechstes, x.apAnzahl), std::tuple(-0.03, 0));   // held below the threshold
    strom(-1e-9, 0.05, 0.1);
    laufen(500, 500);
    EXPECT_EQ(x.potentiale[0], -0.075);
    // only the upper limit: the lower one is ignored
    x.begrenzung.art[0] = 0x2;
    laufen(10, 600);
    EXPECT_LT(x.potentiale[0], -0.075);
}

TEST_F(SwimFall, IzhikevichNeuronFeuertEinmalKommtZurRuheUndFeuertUnterDauerstromStetig)
{
    NeuronDaten& x = neuron();
    simulationsParameter.izhikevichSchrittweite = 0.1;
    x.izhikevichAktiv = 1;
    izhikevichStandardwerte(x);
    starten();
    izhikevichVorbereiten(x);
    x.potentiale[0] = x.izV / 1000.0;
    x.spikezeitenSpeichern = 1;
    laufen(3000);
    ASSERT_EQ(x.apAnzahl, 1);
    EXPECT_NEAR(x.spikeZeiten[0], 0.0056, 0.0005);
    EXPECT_NEAR(x.potentiale[0], -0.07, 0.002);

    x.serverStrom = 5.0;   // a permanent current in nA
    laufen(5000, 3000);
    const int ersteHaelfte = x.apAnzahl - 1;
    laufen(5000, 8000);
    const int zweiteHaelfte = x.apAnzahl - 1 - ersteHaelfte;
    EXPECT_GE(zweiteHaelfte, 3);
    EXPECT_NEAR(zweiteHaelfte, ersteHaelfte, 2 + ersteHaelfte / 5);   // steady
}
