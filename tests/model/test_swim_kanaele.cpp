// tests/model/test_swim_kanaele.cpp - user channels, compartments and the mended faults of the SWIM step
#include "test_swim_hilfe.h"
#include "model/synapse.h"
#include <algorithm>
#include <cmath>
#include <tuple>

// a channel with constant forms (32: the value is A): f1 = erstes, f2 = zweites
static BenutzerKanal& kanal(NeuronDaten& n, int modus, double erstes, double zweites)
{
    BenutzerKanal& k = n.benutzerKanaele.emplace_back();
    std::tie(k.gleichgewichtspotential, k.leitfaehigkeit, k.potenz, k.berechnungsmodus) =
        std::tuple(-0.09, 1e-9, 2.0, modus);
    k.alpha = {32.0, erstes, 0.0, 0.0};
    k.beta = {32.0, zweites, 0.0, 0.0};
    return k;
}

// soma potential held: only the channel gates move
static void somaFest(SwimFall& f, int schritte)
{
    for (int i = 0; i < schritte; ++i) {
        f.n->potentiale[0] = -0.07;
        f.laufen(1, i);
    }
}

TEST_F(SwimFall, BenutzerKanaeleFolgenIhremBerechnungsmodusUndIhrerAktivierung)
{
    NeuronDaten& x = neuron();
    BenutzerKanal& raten = kanal(x, 1, 300.0, 100.0);        // x -> 300 / 400
    BenutzerKanal& gleichRate = kanal(x, 2, 0.4, 500.0);     // x -> 0.4
    BenutzerKanal& gleichTau = kanal(x, 3, 0.6, 0.002);      // x -> 0.6, tau 2 ms
    BenutzerKanal& k0 = kanal(x, 0, 0.5, 0.5);               // modes outside 1 to 3 are off
    BenutzerKanal& k4 = kanal(x, 4, 0.5, 0.5);
    BenutzerKanal& akt = kanal(x, 2, 0.5, 1000.0);           // with the next: one channel
    akt.aktivierungMitDeaktivierung = 1;
    BenutzerKanal& deakt = kanal(x, 2, 0.8, 1000.0);
    std::tie(deakt.gleichgewichtspotential, deakt.leitfaehigkeit) = std::tuple(0.05, 5e-9);
    BenutzerKanal& ueberSynapse = kanal(x, 2, 0.5, 1000.0);
    starten();
    k0.torWert = k4.torWert = 0.3;
    SynapseDaten s;
    s.kanalFreisetzung = 0.5;
    std::tie(ueberSynapse.stromUeberSynapse, ueberSynapse.synapse) =
        std::tuple(1, &s);   // as the run start links it
    somaFest(*this, 1);
    // one exponential step of tau 2 ms from 0
    EXPECT_NEAR(gleichTau.torWert, 0.6 * (1.0 - std::exp(-T / 0.002)), 1e-12);
    somaFest(*this, 500);
    for (const auto& [wert, erwartet] : {std::pair{raten.torWert, 0.75}, {gleichRate.torWert, 0.4},
                                          {gleichTau.torWert, 0.6}, {raten.oeffnung, 0.75 * 0.75},
                                          {akt.oeffnung, 0.25 * 0.64}, {ueberSynapse.oeffnung, 0.25 * 0.5}})
        EXPECT_NEAR(wert, erwartet, 1e-7);   // the last opened by the release
    EXPECT_DOUBLE_EQ(raten.strom, (-0.09 + 0.07) * raten.oeffnung * 1e-9);   // at the step's V0
    for (BenutzerKanal* k : {&k0, &k4})
        EXPECT_EQ(std::make_tuple(k->oeffnung, k->strom, k->torWert), std::make_tuple(0.0, 0.0, 0.3));
    EXPECT_DOUBLE_EQ(akt.strom, (-0.09 + 0.07) * akt.oeffnung * 1e-9);
    EXPECT_EQ(std::make_pair(deakt.oeffnung, deakt.strom), std::make_pair(0.0, 0.0));
    ueberSynapse.synapse = nullptr;                           // unlinked: no release
    somaFest(*this, 1);
    EXPECT_EQ(ueberSynapse.oeffnung, 0.0);
}

TEST_F(SwimFall, SechsSegmenteImModusVierBleibenInIhrenFeldern)
{
    NeuronDaten& x = neuron(4);
    ASSERT_EQ(kompartimentAnzahl(x), 7);
    x.begrenzung.an = 1;
    x.begrenzung.kompartimentAn = {1, 1, 1, 1};
    x.begrenzung.art = {0x6, 0x6, 0x6, 0x6};
    x.begrenzung.oben.fill(0.1);
    x.begrenzung.unten.fill(-0.1);
    starten();
    ASSERT_EQ(x.kompartimentSchalter[1], 6);
    x.potentiale[6] = -0.05;
    laufen(100);
    EXPECT_GT(x.potentiale[6], -0.07);   // the last segment relaxes toward its neighbour
    EXPECT_LT(x.potentiale[6], -0.05);
    EXPECT_TRUE(std::ranges::all_of(x.potentiale, [](double v) { return std::isfinite(v); }));
}

TEST_F(SwimFall, LetztesSegmentHatEinenNachbarnAuchBeiAbweichenderSchaltung)
{
    NeuronDaten& x = neuron(4);
    x.parameter[par::SwimNaG] = x.parameter[par::SwimKG] = x.parameter[par::SwimCaG] =
        x.parameter[par::DendritLeitwert] = 0;
    starten();
    x.kompartimentSchalter[1] = 2;   // a stored last segment below n
    for (int c = 1; c <= 6; ++c)
        x.potentiale[c] = -0.07;
    x.potentiale.shrink_to_fit();   // a read behind segment 6 leaves the allocation
    laufen(50);
    // equal potentials and no leak: one neighbour each for segments 2 and 6, nothing moves
    for (int c = 1; c <= 6; ++c)
        EXPECT_NEAR(x.potentiale[c], -0.07, 1e-12) << c;
}

TEST_F(SwimFall, ReizCursorGehtNichtUeberDenLetztenPunkt)
{
    NeuronDaten& x = neuron();
    x.parameter[par::SwimNaG] = x.parameter[par::SwimKG] = x.parameter[par::SwimCaG] = 0.0;
    starten();
    StromTabelle& t = x.stromTabellen[0];
    t.stromwerte = {0.0, 0.5e-9, 0.0, 0.0};
    t.startzeiten = {0.0, 0.001, 0.002, 0.003};
    std::tie(t.anzahlPunkte, t.aktuellerIndex) = std::tuple(4, 0);
    double strom = 0.0;
    for (int i = 0; i < 100; ++i) {
        laufen(1, i);
        ASSERT_LE(t.aktuellerIndex, t.anzahlPunkte);
        if (i == 15)
            strom = x.eingangSumme - x.leckTerm;
    }
    EXPECT_NEAR(strom, 0.5e-9, 1e-18);   // the plateau reached the soma
    t.anzahlPunkte = 9;                    // more points claimed than stored
    laufen(100, 100);
    EXPECT_LE(t.aktuellerIndex, static_cast<int>(t.startzeiten.size()));
}

TEST_F(SwimFall, AlteDendritenstromImModusEinsWirktAmSoma)
{
    NeuronDaten& x = neuron();
    std::tie(x.dendCurrent, x.dendSCStart, x.dendSCEnd) = std::tuple(0.5e-9, 0.01, 10.0);
    starten();
    laufen(3000);
    EXPECT_GE(x.apAnzahl, 3);
}

TEST_F(SwimFall, FreigegebeneSpikelisteWaechstNeu)
{
    NeuronDaten& x = neuron();
    starten();
    x.spikezeitenSpeichern = 1;
    swimSpikesBehandeln(x, -0.03, 0.0, 0.25);
    ASSERT_EQ(x.spikeZeitenKapazitaet, 1000);
    spikeListenFreigeben(x);
    EXPECT_EQ(std::tuple(x.spikeZeitenKapazitaet, x.spikeZeiten.size()), std::tuple(0, 0u));
    x.apAnzahl = 0;
    swimSpikesBehandeln(x, -0.03, 0.0, 0.5);
    EXPECT_EQ(std::tuple(x.spikeZeitenKapazitaet, x.spikeZeiten[0]), std::tuple(1000, 0.5f));
    // a count beyond one more block grows as far as it needs
    x.apAnzahl = 2500;
    swimSpikesBehandeln(x, -0.03, 0.0, 0.75);
    EXPECT_EQ(std::tuple(x.spikeZeitenKapazitaet, x.spikeZeiten[2500]), std::tuple(3000, 0.75f));
}

TEST_F(SwimFall, RauschenMitFesterSaatIstReproduzierbar)
{
    auto lauf = [&] {
        NeuronDaten& x = neuron();
        simulationsParameter.rauschenEin = 1;
        x.rauschenAn = 1;
        x.rauschAbklingzeit = 0.001;
        x.rauschHaeufigkeit = 1000.0;
        x.rauschIntensitaet = 1e-11;
        starten();
        zufallStarten(7);
        laufen(500);
        const double v = x.potentiale[0];
        weg(n);
        return v;
    };
    const double a = lauf();
    EXPECT_EQ(a, lauf());
    EXPECT_NE(a, -0.07);
}
