// tests/lauf/test_synaptisch.cpp - delay rings, synaptic currents and synapse dynamics
#include "../model/test_swim_hilfe.h"
#include "../model/test_synapse_hilfe.h"
#include "core/rahmen.h"
#include "core/status.h"
#include "model/diagramm.h"
#include "rahmen_attrappe.h"
#include "model/laufhaken.h"
#include "model/laufstart.h"
#include "model/simulationspruefung.h"
#include "core/fehler.h"
#include "model/integration.h"
#include "model/synaptisch.h"
#include "model/zeitschleife.h"
#include "platform/box.h"
#include <algorithm>
#include <cmath>
#include <filesystem>

namespace pt = plattform::test;

namespace {

constexpr int natrium = 0, kalium = 1, elektrisch = 3;

struct Synaptisch : SwimFall {
    void SetUp() override
    {
        SwimFall::SetUp();
        laufHaken = {};
        netzvorgaben.elektrischeSynapsenEingeschraenkt = 1;
        laufEinstellungen.xlpspToleranz = 0.0;
    }
    void TearDown() override
    {
        laufHaken = {};
        netzvorgaben = {};
        SwimFall::TearDown();
    }
    // a neuron of the current dendrite mode with its compartments, potentials at rest
    static NeuronDaten* knoten(int nummer, double v = -0.07)
    {
        NeuronDaten* k = neu(nummer);
        EXPECT_TRUE(kompartimenteAnpassen(*k, simulationsParameter.anzahlSegmente));
        for (double& p : k->potentiale)
            p = v;
        return k;
    }
    NeuronDaten *a = nullptr, *b = nullptr;
    SynapseDaten* s = nullptr;
    // mode 1, source a at va, target b at vb, one synapse a -> b
    void paar(double va, int typ, double g, double verzoegerung, double vb = -0.07, int bereich = 0, int m = 1)
    {
        modus(m);
        a = knoten(1, va);
        b = knoten(2, vb);
        s = verbinde(a, b, typ, g, verzoegerung, bereich);
    }
    // a -> b plus an axo-axonic synapse from c (releasing) onto a -> b
    SynapseDaten* axoPaar()
    {
        paar(-0.07, natrium, 1e-7, 0.001);
        return verbinde(knoten(3, -0.02), b, natrium, 0.4, 0.0003, kontaktort::Axo, s);
    }
    static void modus(int m)
    {
        simulationsParameter.netzwerktyp = m;
        simulationsParameter.anzahlSegmente = segmenteFuerNetzwerktyp(m);
    }
    static SynapseDaten* verbinde(NeuronDaten* a, NeuronDaten* b, int typ, double g, double verzoegerung,
                                  int bereich = 0, SynapseDaten* eltern = nullptr)
    {
        return SynapsenFall::verbinde(a, b, typ, g, verzoegerung, bereich, eltern);
    }
    // the run start's synapse steps and the set-up of the rings
    static void einrichten()
    {
        for (NeuronDaten* k = neuronKette.kopf; k; k = k->naechstesNeuron)
            ASSERT_TRUE(synapsenLaufVorbereiten(*k));
        synapsenWarteschlangenAnlegen();
    }
    static void schritt(int i)
    {
        laufZustand.t = i * simulationsParameter.schrittweite;
        synaptischeStroemeBerechnen();
        synapsenBerechnen();
    }
};

// ---- rings and routing ---------------------------------------------------------------------

TEST_F(Synaptisch, RingLaengeFolgtDerVerzoegerungUndIstNieNull)   // the mended wrap length
{
    // below half a step the ring still has one slot to wrap around, and the current comes
    const struct { double verzoegerung; int laenge; } faelle[] = {{0.004, 40}, {0.00001, 1}};
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.verzoegerung);
        TearDown();
        SetUp();
        paar(-0.02, natrium, 1e-7, f.verzoegerung);
        einrichten();
        EXPECT_EQ(s->pool->ringLaenge, f.laenge);
        EXPECT_EQ(s->pool->ring.size(), f.laenge + 1u);
        EXPECT_EQ(s->schlangenLaenge, f.laenge);
        EXPECT_DOUBLE_EQ(s->freisetzungsBereich, 0.02);
        for (int i = 0; i <= f.laenge; ++i)
            schritt(i);
        EXPECT_GT(b->synStromChemisch[0], 0.0);
    }
}

TEST_F(Synaptisch, ChemischerStromGehtInsKompartimentSeinesBereichs)
{
    // the target's compartments at -0.07, -0.06, ...; type 0 reverses at 0.05 V, type 1 at -0.09 V
    const struct {
        const char* was;
        int modus, typ, bereich, izhikevich, kompartiment;
        double umkehr;
    } faelle[] = {
        {"area 5 in mode 3", 3, natrium, 5, 0, 3, 0.05},
        {"mode 2: every area above 0", 2, kalium, 3, 0, 1, -0.09},
        {"an Izhikevich target: all in compartment 0, only it cleared", 3, natrium, 2, 1, 0, 0.05},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.was);
        TearDown();
        SetUp();
        paar(-0.07, f.typ, 1e-7, 0.001, -0.07, 1, f.modus);
        b->izhikevichAktiv = f.izhikevich;
        for (size_t c = 0; c < b->potentiale.size(); ++c) {
            b->potentiale[c] = -0.07 + 0.01 * static_cast<double>(c);
            b->synStromChemisch[c] = 5.0;
        }
        einrichten();
        s->pool->zielBereich = f.bereich;
        s->pool->ring[1] = 1e-7;
        synaptischeStroemeBerechnen();
        for (size_t c = 0; c < b->potentiale.size(); ++c) {
            const double erwartet = static_cast<int>(c) == f.kompartiment ? (f.umkehr - b->potentiale[c]) * 1e-7
                                    : f.izhikevich                          ? 5.0
                                                                            : 0.0;
            EXPECT_DOUBLE_EQ(b->synStromChemisch[c], erwartet) << c;
        }
        EXPECT_EQ(s->pool->ring[1], 0.0);   // consumed
    }
    // the rule of every mode
    EXPECT_EQ(zielKompartiment(2, 0, 1, 2, false), 0);
    EXPECT_EQ(zielKompartiment(2, 2, 1, 2, true), 1);
    EXPECT_EQ(zielKompartiment(4, 9, 6, 7, false), 6);
    EXPECT_EQ(zielKompartiment(7, 2, 3, 4, false), -1);   // other modes: no chemical current
    EXPECT_EQ(zielKompartiment(3, 3, 3, 2, false), 1);    // bounded by the target's compartments
}

// ---- release fraction --------------------------------------------------------------------------

TEST_F(Synaptisch, SchwelleGleichSaettigungIstEineStufeStattNullDurchNull)   // the mended 0/0
{
    EXPECT_EQ(freisetzungsAnteil(-0.05, -0.05, 0.0), 0.0);
    EXPECT_EQ(freisetzungsAnteil(-0.0499, -0.05, 0.0), 1.0);
    paar(-0.04, natrium, 1e-7, 0.001);
    s->freisetzungsSaettigung = s->freisetzungsSchwelle;
    einrichten();
    schritt(0);
    EXPECT_DOUBLE_EQ(s->abgabe, 1e-7);
    EXPECT_FALSE(std::isnan(s->pool->ring[s->schlangenLaenge % s->pool->ringLaenge]));
}

// ---- spreading -----------------------------------------------------------------------------------

TEST_F(Synaptisch, VerteilungUeberVierSchritteSchreibtEinViertelUndZweimalEinDrittel)
{
    laufzeitSetzen(0.01, 1e-4);
    paar(-0.02, natrium, 1e-7, 0.001);
    s->verzoegerungsfaktorAn = 1;
    s->verteilungsSchritte = 4;
    s->gewichtungsfaktor = 2.0;
    einrichten();
    SynapsenPool& p = *s->pool;
    EXPECT_EQ(p.geschlossen, 110);
    EXPECT_EQ(p.ring.size(), 110u + 4 + 1);
    laufZustand.t = 0.0;
    synapsenBerechnen();
    const double v = 1e-7;
    EXPECT_DOUBLE_EQ(p.ring[0], v / 4 * 2.0);
    EXPECT_DOUBLE_EQ(p.ring[1], v / 3 * 2.0);
    EXPECT_DOUBLE_EQ(p.ring[2], v / 3 * 2.0);
    EXPECT_EQ(p.ring[3], 0.0);
    // no spreading steps: the whole release in one place
    p.ring.assign(p.ring.size(), 0.0);
    p.ringPosition = 0;
    s->verteilungsSchritte = 0;
    s->gewichtungsfaktor = 1.0;
    synapsenBerechnen();
    EXPECT_DOUBLE_EQ(p.ring[0], v);
    EXPECT_EQ(p.ring[1], 0.0);
}

TEST_F(Synaptisch, VerteilungSchreibtNieHinterDasRingende)   // the mended spread
{
    laufzeitSetzen(0.0003, 1e-4);
    paar(-0.02, natrium, 1e-7, 0.0001);
    s->verzoegerungsfaktorAn = 1;
    s->verteilungsSchritte = 0;             // the ring gets no room for a spread
    s->gewichtungsfaktor = 1.0;
    einrichten();
    SynapsenPool& p = *s->pool;
    ASSERT_EQ(p.ring.size(), 5u);
    s->verteilungsSchritte = 40;            // raised after the set-up
    p.ringPosition = 3;
    synapsenBerechnen();                    // the sanitizer sees every write
    double summe = 0.0;
    for (double g : p.ring)
        summe += g;
    EXPECT_GT(summe, 0.0);
}

// ---- facilitation and depression -------------------------------------------------------------------

TEST_F(Synaptisch, BahnungWaechstOderSinktImZugUndKehrtGenauAufEinsZurueck)
{
    // three trains of ten releasing steps, each followed by a short pause; facilitation
    // raises the factor in a train, depression lowers it, a pause leads it back towards 1
    for (const int art : {bahnungsArt::Fazilitation, 2}) {   // anything but 1 depresses
        SCOPED_TRACE(art);
        TearDown();
        SetUp();
        const double richtung = art == bahnungsArt::Fazilitation ? 1.0 : -1.0;
        paar(-0.07, natrium, 1e-7, 0.001);
        s->bahnung.an = 1;
        s->bahnung.art = art;
        einrichten();
        double vorher = 1.0;
        int i = 0;
        for (int zug = 0; zug < 3; ++zug) {
            a->potentiale[0] = -0.02;
            for (int k = 0; k < 10; ++k)
                schritt(i++);
            EXPECT_GT(richtung * (s->bahnung.faktor - vorher), 0.0);
            EXPECT_GT(s->bahnung.faktor, 0.2);
            EXPECT_DOUBLE_EQ(s->abgabe, 1e-7 * s->bahnung.faktor);
            vorher = s->bahnung.faktor;
            a->potentiale[0] = -0.07;
            for (int k = 0; k < 5; ++k)
                schritt(i++);
            EXPECT_GT(richtung * (s->bahnung.faktor - 1.0), 0.0);
            EXPECT_GT(richtung * (vorher - s->bahnung.faktor), 0.0);
            vorher = s->bahnung.faktor;
        }
        for (int k = 0; k < 10000 && s->bahnung.faktor != 1.0; ++k)
            schritt(i++);
        EXPECT_EQ(s->bahnung.faktor, 1.0);
    }
}

TEST_F(Synaptisch, UmkehrungOhneLogarithmusNimmtNull)   // the mended inversion
{
    paar(-0.02, natrium, 1e-7, 0.001);
    s->bahnung.an = 1;
    s->bahnung.art = bahnungsArt::Fazilitation;
    einrichten();
    s->bahnung.faktor = 2.5;                // A / (F - B) = -1 / 0.5: no logarithm
    schritt(0);
    EXPECT_EQ(s->bahnung.kurvenZeit[0], 0.0);
    schritt(1);
    EXPECT_TRUE(std::isfinite(s->bahnung.faktor));
    EXPECT_DOUBLE_EQ(s->bahnung.kurvenZeit[0], 1e-4);
}

// ---- run preparation and transmitter gate ---------------------------------------------------------

TEST_F(Synaptisch, LaufvorbereitungSetztTabelleGanzlaufpoolUndBahnungsvorgaben)
{
    laufzeitSetzen(0.01, 1e-4);
    paar(-0.07, natrium, 1e-7, 0.002);
    SynapseDaten* t = verbinde(b, a, natrium, 1e-7, 0.002);
    synapsenTabelleSetzen(s->id, nullptr);
    s->verzoegerungsfaktorAn = 1;
    s->bahnung.an = 1;
    s->bahnung.faktor = 3.0;
    s->transmitter.an = 1;
    s->transmitter.gatterWert = 0.7;
    t->bahnung.an = 1;
    t->bahnung.a = {-1.0, 5.0, 5.0, 5.0};   // A[ANFAZ] set: the table is kept
    ASSERT_TRUE(synapsenLaufVorbereiten(*a));
    ASSERT_TRUE(synapsenLaufVorbereiten(*b));
    EXPECT_EQ(synapseNachId(s->id), s);
    EXPECT_EQ(s->pool->geschlossen, 120);
    EXPECT_EQ(s->pool->verzoegerungsSynapse, s);
    EXPECT_EQ(t->pool->geschlossen, 0);
    EXPECT_EQ(s->bahnung.faktor, 1.0);
    EXPECT_EQ(s->transmitter.gatterWert, 0.0);
    EXPECT_EQ(s->bahnung.letzterFreisetzungsBeginn, -1.0);
    EXPECT_EQ(s->bahnung.a, (std::array<double, 4>{-1.0, 1.0, 0.8, -0.8}));   // the defaults, A[ANFAZ] unset
    EXPECT_EQ(t->bahnung.a, (std::array<double, 4>{-1.0, 5.0, 5.0, 5.0}));
}

// a transmitter gate with constant rates (form 32 gives its amplitude), power 1, factor 1
TransmitterDynamik& konstantesGatter(SynapseDaten& s, int art, double alpha, double beta)
{
    TransmitterDynamik& d = s.transmitter;
    d.an = 1;
    d.abBerechnung = art;
    d.formAlpha = d.formBeta = 32;
    d.rateAlpha = alpha;
    d.rateBeta = beta;
    d.potenz = 1;
    d.faktor = 1.0;
    return d;
}

TEST_F(Synaptisch, TransmitterGatterErreichtSeinGleichgewichtMitJederIntegrationsmethode)
{
    const struct { int art; double alpha, beta, gleichgewicht; } faelle[] = {
        {1, 200.0, 50.0, 0.8},              // dx/dt = a - (a + b) x: a / (a + b)
        {2, 0.6, 500.0, 0.6},               // dx/dt = b (a - x): a
        {3, 0.6, 0.002, 0.6},               // dx/dt = (a - x) / b: a
    };
    paar(-0.03, natrium, 1e-7, 0.001);
    einrichten();
    for (const int methode : {integration::Euler, integration::ExponentiellerEuler, integration::CrankNicolson,
                              integration::RungeKutta4})
        for (const auto& f : faelle) {
            SCOPED_TRACE(testing::Message() << "Methode " << methode << ", Art " << f.art);
            simulationsParameter.integrationsmethode = methode;
            TransmitterDynamik& d = konstantesGatter(*s, f.art, f.alpha, f.beta);
            d.potenz = 2;
            d.gatterWert = 0.0;
            synapsenBerechnen();
            EXPECT_GT(d.gatterWert, 0.0);   // on its way up
            EXPECT_LT(d.gatterWert, 0.1 * f.gleichgewicht);
            for (int i = 0; i < 2000; ++i)  // 50 time constants
                synapsenBerechnen();
            EXPECT_NEAR(d.gatterWert, f.gleichgewicht, 1e-9);
            EXPECT_NEAR(s->abgabe, f.gleichgewicht * f.gleichgewicht * 1e-7, 1e-16);
        }
}

TEST_F(Synaptisch, FreisetzungBleibtZwischenNullUndEins)
{
    // threshold -0.05 V, saturation -0.03 V; the transmitter gate at its steady state 0.8
    const struct { int transmitter; double v, faktor, abgabe; } faelle[] = {
        {0, 0.05, 1.0, 1e-7}, {0, -0.03, 1.0, 1e-7}, {0, -0.04, 1.0, 0.5e-7}, {0, -0.05, 1.0, 0.0},
        {0, -0.2, 1.0, 0.0},
        {1, -0.03, 10.0, 1e-7}, {1, -0.03, 1.25, 1e-7}, {1, -0.03, 0.5, 0.4e-7}, {1, -0.03, -10.0, 0.0},
    };
    paar(-0.03, natrium, 1e-7, 0.001);
    einrichten();
    TransmitterDynamik& d = konstantesGatter(*s, 1, 200.0, 50.0);
    for (const auto& f : faelle) {
        SCOPED_TRACE(testing::Message() << f.transmitter << ", " << f.v << " V, Faktor " << f.faktor);
        a->potentiale[0] = f.v;
        d.an = f.transmitter;
        d.gatterWert = 0.8;
        d.faktor = f.faktor;
        s->pool->ring.assign(s->pool->ring.size(), 0.0);
        synapsenBerechnen();
        EXPECT_NEAR(s->abgabe, f.abgabe, 1e-20);
        double ring = 0.0;
        for (double g : s->pool->ring)
            ring += g;
        EXPECT_NEAR(ring, f.abgabe, 1e-20);
    }
}

TEST_F(Synaptisch, TransmitterFormUndPotenzJenseitsDerGanzenZahlenSindDefiniert)   // the mended conversion
{
    const double nan = std::nan("");
    paar(-0.03, natrium, 1e-7, 0.001);
    einrichten();
    TransmitterDynamik& d = konstantesGatter(*s, 1, 200.0, 50.0);
    // a power past the whole numbers is cut to the largest one: a gate below 1 releases nothing
    const struct { double potenz, abgabe; } potenzen[] = {{1e300, 0.0}, {-1e300, 1e-7}, {nan, 1e-7}};
    for (const auto& f : potenzen) {
        d.gatterWert = 0.8;
        d.potenz = f.potenz;
        synapsenBerechnen();
        EXPECT_DOUBLE_EQ(s->abgabe, f.abgabe) << f.potenz;
    }
    // a form that is no whole number is no form: error 130 once, and the run stops
    d.potenz = 1;
    pt::boxAntworten({1});
    for (const double form : {nan, 1e300, -1e300}) {
        d.formAlpha = form;
        synapsenBerechnen();
        EXPECT_TRUE(std::isfinite(d.gatterWert)) << form;
    }
    EXPECT_EQ(laufZustand.abbrechen, 1);
    ASSERT_EQ(pt::boxLog().size(), 1u);
    EXPECT_EQ(pt::boxLog()[0].text, fehlerText(130));
}

TEST_F(Synaptisch, KanalFreisetzungUndEingangsaufzeichnungDerPermutation)
{
    paar(-0.04, natrium, 1e-7, 0.0005);
    s->kanalAktivierung = 1;
    einrichten();
    s->pool->aufzeichnung.assign(50, 0.0);
    teilsimulationsModus = 1;
    laufZustand.t = 3 * T;
    synapsenBerechnen();
    EXPECT_DOUBLE_EQ(s->kanalFreisetzung, 0.5);
    EXPECT_DOUBLE_EQ(s->pool->aufzeichnung[3 + 0], 0.5);   // write place 0 + 5 - 5
    teilsimulationsModus = 0;
}

// ---- xlPSP -------------------------------------------------------------------------------------------

TEST_F(Synaptisch, XlpspEpisodeBehaeltIhrenGroesstenWertUndEndetNachIhrerDauer)
{
    paar(-0.07, natrium, 1e-7, 0.001);
    PspForm& f = s->psp;
    f.an = 1;
    f.art = pspArt::Polynom;
    f.dauerPolynom = 0.00095;               // ten steps
    f.anfangPolynom = 0.0004;
    f.polynom = {1.0, 0, 0, 0, 0, 0, 2.0};  // rise: 2 x value
    f.polynomAbfall = {1.0, 1e9, 0.0, 0.5}; // fall: ~0.5 x value
    einrichten();
    const double v[] = {-0.04, -0.034, -0.045, -0.07};   // r = 0.5, 0.8, 0.25, 0
    for (int i = 0; i < 4; ++i) {
        a->potentiale[0] = v[i];
        schritt(i);
    }
    ASSERT_NE(f.liste, nullptr);
    EXPECT_DOUBLE_EQ(f.liste->wert, 0.8);
    EXPECT_EQ(f.liste->abgeschlossen, 1);
    EXPECT_EQ(f.liste->naechstes, nullptr);
    EXPECT_DOUBLE_EQ(f.summe, 1.6);         // age 0.0003: still rising
    a->potentiale[0] = -0.07;
    schritt(4);
    EXPECT_NEAR(f.summe, 0.4, 1e-9);        // age 0.0004: falling
    for (int i = 5; i < 11; ++i)
        schritt(i);
    EXPECT_EQ(f.liste, nullptr);
    EXPECT_EQ(f.summe, 0.0);
}

TEST_F(Synaptisch, XlpspEpisodeBleibtOffenSolangeDieFreisetzungAnhaelt)   // the mended drop of an open episode
{
    // a source held above saturation for longer than the shape lasts (and a shape of no
    // duration at all): the open episode stays until the release ends
    const struct { int typ, art; double dauer; } faelle[] = {
        {natrium, pspArt::Polynom, 0.00095}, {kalium, pspArt::Polynom, 0.0}, {2, pspArt::Exponentiell, 0.0},
    };
    paar(-0.02, natrium, 1e-7, 0.001);
    std::vector<SynapseDaten*> synapsen;
    for (const auto& f : faelle) {
        SynapseDaten* x = f.typ == natrium ? s : verbinde(a, b, f.typ, 1e-7, 0.001);
        PspForm& p = x->psp;
        p.an = 1;
        p.art = f.art;
        p.dauerPolynom = p.dauerExp = f.dauer;
        p.anfangPolynom = 0.0004;
        p.polynom = {1.0, 0, 0, 0, 0, 0, 2.0};  // rise: 2 x value
        p.polynomAbfall = {1.0, 1e9, 0.0, 0.5}; // fall: ~0.5 x value
        p.expAAnstieg = 2.0;
        p.expTauAnstieg = p.expTauAbfall = 1e9;
        p.expAAbfall = 0.5;
        synapsen.push_back(x);
    }
    einrichten();
    for (int i = 0; i < 30; ++i)
        schritt(i);
    for (SynapseDaten* x : synapsen) {
        const PspForm& p = x->psp;
        ASSERT_NE(p.liste, nullptr);
        EXPECT_EQ(p.liste->naechstes, nullptr);
        EXPECT_EQ(p.liste->abgeschlossen, 0);
        EXPECT_DOUBLE_EQ(p.liste->wert, 1.0);
        EXPECT_NEAR(x->abgabe, 0.5e-7, 1e-15);   // the falling shape of the held episode
    }
    a->potentiale[0] = -0.07;               // the release ends: the episode closes and goes
    schritt(30);
    for (SynapseDaten* x : synapsen) {
        EXPECT_EQ(x->psp.liste, nullptr);
        EXPECT_EQ(x->abgabe, 0.0);
    }
}

// ---- axo-axonic ---------------------------------------------------------------------------------------

TEST_F(Synaptisch, AxoAxonischeSynapseSenktDieLeitfaehigkeitDesElternPoolsNieUnterNull)
{
    SynapseDaten* axo = axoPaar();
    ASSERT_NE(axo, nullptr);
    programmStatus |= programmBit::AxoAxonisch;
    einrichten();
    AxoKnoten* k = s->axoKnoten;
    ASSERT_NE(k, nullptr);
    ASSERT_EQ(k->ring.size(), 4u);
    // the release of c goes into the axo ring at its current place
    synapsenBerechnen();
    EXPECT_DOUBLE_EQ(axo->abgabe, 0.4);
    EXPECT_DOUBLE_EQ(k->ring[0], 0.4);
    // a value the parent can bear is subtracted, a larger one leaves 0
    k->ring[1] = 1e-7;
    s->pool->ring[1] = 1e-7;
    synaptischeStroemeBerechnen();
    EXPECT_DOUBLE_EQ(axo->axoWert, 0.5e-7);
    EXPECT_DOUBLE_EQ(b->synStromChemisch[0], (0.05 + 0.07) * 0.5e-7);
    k->ring[2] = 4e-7;
    s->pool->ring[2] = 1e-7;
    synaptischeStroemeBerechnen();
    EXPECT_EQ(b->synStromChemisch[0], 0.0);
    EXPECT_EQ(s->pool->ring[2], 0.0);
}

TEST_F(Synaptisch, AxoAxonischAusGeschaltetWirktNicht)
{
    SynapseDaten* axo = axoPaar();
    einrichten();
    s->pool->ring[1] = 1e-7;
    s->axoKnoten->ring.assign(s->axoKnoten->ring.size(), 1.0);
    synapsenBerechnen();
    EXPECT_EQ(axo->abgabe, 0.0);
    laufZustand.t = 0.0;
    synaptischeStroemeBerechnen();
    EXPECT_DOUBLE_EQ(b->synStromChemisch[0], (0.05 + 0.07) * 1e-7);
}

// ---- electrical coupling ----------------------------------------------------------------------------------

// with the mended target: an area beyond the target stays in it, a missing target is passed over
TEST_F(Synaptisch, ElektrischeKopplungNachArtUndEinschraenkungOhneZielKeinStrom)
{
    // the current g (Vs - Vt) in the target's soma from the step it arrives on, none before;
    // kind 1 conducts only towards a more depolarised target, kind 2 only away from it
    const struct {
        const char* was;
        int eingeschraenkt, art;
        double vs, vt, verzoegerung;
        int zielBereich, zielNummer;
        int ankunft;                        // -1: never
    } faelle[] = {
        {"restricted: the next step", 1, 0, -0.04, -0.07, 0.003, 0, 2, 1},
        {"unrestricted: after the delay", 0, 0, -0.04, -0.07, 0.0003, 0, 2, 3},
        {"kind 0 both ways", 1, 0, -0.07, -0.04, 0.001, 0, 2, 1},
        {"kind 1, target more depolarised", 1, 1, -0.07, -0.04, 0.001, 0, 2, 1},
        {"kind 1, source more depolarised", 1, 1, -0.04, -0.07, 0.001, 0, 2, -1},
        {"kind 2, target more depolarised", 1, 2, -0.07, -0.04, 0.001, 0, 2, -1},
        {"kind 2, source more depolarised", 1, 2, -0.04, -0.07, 0.001, 0, 2, 1},
        {"an area beyond the target's one compartment", 1, 0, -0.04, -0.07, 0.001, 9, 2, 1},
        {"no such target: passed over", 1, 0, -0.04, -0.07, 0.001, 0, 999, -1},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.was);
        TearDown();
        SetUp();
        netzvorgaben.elektrischeSynapsenEingeschraenkt = f.eingeschraenkt;
        paar(f.vs, elektrisch, 1e-8, f.verzoegerung, f.vt);
        s->elektrischerTyp = f.art;
        einrichten();
        s->zielBereich = s->pool->zielBereich = f.zielBereich;
        s->zielNummer = f.zielNummer;       // the teardown must still find the pool
        for (int i = 0; i < 8; ++i) {
            schritt(i);
            const bool da = f.ankunft >= 0 && i >= f.ankunft;
            EXPECT_NEAR(b->synStromElektrisch[0], da ? (f.vs - f.vt) * 1e-8 : 0.0, 1e-20) << i;
        }
    }
}

// ---- the refused run --------------------------------------------------------------------------------------

struct SynaptischerLauf : Synaptisch {
    std::string ordner;
    void SetUp() override
    {
        Synaptisch::SetUp();
        std::string v = std::filesystem::temp_directory_path().string() + "/velnor-synaptisch-XXXXXX";
        EXPECT_NE(mkdtemp(v.data()), nullptr);
        ordner = v + "/";
        dateipfade.dokumentVerzeichnis = ordner;
        dateipfade.netzName = "netz";
    }
    void TearDown() override
    {
        std::filesystem::remove_all(ordner);
        Synaptisch::TearDown();
    }
    // sources 2, 3 ... onto the SWIM neuron 1, each with one synapse of the type
    std::vector<SynapseDaten*> quellen(int anzahl, int typ)
    {
        NeuronDaten& z = neuron(1);
        std::vector<SynapseDaten*> v;
        for (int nr = 2; nr < 2 + anzahl; ++nr) {
            NeuronDaten* q = knoten(nr, -0.04);
            q->modellTyp = modell::Swim;
            q->parameter = z.parameter;
            v.push_back(verbinde(q, &z, typ, 1e-8, 0.001));
        }
        z.spikezeitenSpeichern = 1;
        laufzeitSetzen(0.01, 1e-4);
        return v;
    }
    // the run is refused with a notice that contains the given words: no step, no result,
    // no file, and the program goes on
    void verweigert(const std::vector<std::string>& worte)
    {
        static int schritte;
        schritte = 0;
        laufHaken.synapsen = [] { ++schritte; };
        pt::boxAntworten({plattform::antwort::Ok, plattform::antwort::Ok});
        simulationStarten();
        EXPECT_FALSE(programmEndet());
        attrappe::rahmenZuruecksetzen();
        EXPECT_EQ(schritte, 0);
        EXPECT_FALSE(programmStatus & (programmBit::LaufErgebnisDa | programmBit::ErgebnisDa | programmBit::LaufAktiv |
                                       programmBit::Beschaeftigt));
        EXPECT_EQ(laufZustand.eingerichtet, 0);
        EXPECT_TRUE(std::filesystem::is_empty(ordner));
        int gemeldet = 0;
        for (const auto& e : pt::ereignisLog())
            if (e.art == pt::Ereignis::Box &&
                std::all_of(worte.begin(), worte.end(), [&](const std::string& w) { return e.text.find(w) != std::string::npos; }))
                ++gemeldet;
        EXPECT_EQ(gemeldet, 1);
    }
};

TEST_F(SynaptischerLauf, UneingeschraenkterElektrischerPoolMitZweiMitgliedernVerweigertDenLauf)   // the mended shutdown
{
    quellen(2, elektrisch);
    netzvorgaben.elektrischeSynapsenEingeschraenkt = 0;
    verweigert({"Neuron", "nicht starten"});
}

TEST_F(SynaptischerLauf, KanalUeberKeineSynapseVerweigertDenLauf)
{
    quellen(0, natrium);
    BenutzerKanal& k = n->benutzerKanaele.emplace_back();
    k.stromUeberSynapse = 1;
    k.leitfaehigkeit = 1e-9;
    k.synapseId = 0;                        // names no synapse: the start state refuses
    verweigert({"synapseID = 0"});
}

TEST_F(SynaptischerLauf, XlpspOhneArtVerweigertDenLauf)   // the mended shutdown
{
    SynapseDaten* x = quellen(2, natrium)[1];
    x->psp.an = 1;
    x->psp.art = 0;
    verweigert({"xlpsp", "Synapse " + std::to_string(x->id), "nicht"});
}

// ---- two SWIM neurons ----------------------------------------------------------------------------------------

TEST_F(Synaptisch, ZwischenZweiSwimNeuronenKommtDerStromNachGenauDerVerzoegerung)
{
    NeuronDaten& ziel = neuron(1);
    NeuronDaten* quelle = neu(2);
    ASSERT_TRUE(kompartimenteAnpassen(*quelle, 0));
    ASSERT_EQ(stdParameterAllgemeinLaden(*quelle), 1);
    ASSERT_EQ(stdParameterModell2Laden(*quelle), 1);
    quelle->modellTyp = modell::Swim;
    quelle->parameter[par::SomaStartpotential] = -0.03;   // starts above its firing threshold
    const double verzoegerung = 0.0023;
    s = verbinde(quelle, &ziel, natrium, 1e-7, verzoegerung);
    s->freisetzungsSchwelle = 0.0;          // crossed on the way up of the action potential
    s->freisetzungsSaettigung = 0.02;
    laufzeitSetzen(0.02, T);
    ASSERT_TRUE(neuronenStartzustandSetzen());
    einrichten();
    int quelleUeber = -1, zielStrom = -1;
    for (int i = 0; i < 200 && zielStrom < 0; ++i) {
        laufZustand.t = i * T;
        synaptischeStroemeBerechnen();
        if (zielStrom < 0 && ziel.synStromChemisch[0] != 0.0)
            zielStrom = i;
        for (NeuronDaten* k : {&ziel, quelle})
            modellSchritt[modell::Swim](*k);
        if (quelleUeber < 0 && quelle->potentiale[0] > s->freisetzungsSchwelle)
            quelleUeber = i;
        synapsenBerechnen();
    }
    ASSERT_GT(quelleUeber, 0) << "the source should cross after some steps, not at once";
    ASSERT_GE(zielStrom, 0);
    EXPECT_EQ(zielStrom - quelleUeber, std::lround(verzoegerung / T));
}

// ---- the kind-16 curve ----------------------------------------------------------------------------------------

TEST_F(Synaptisch, KurveDerArtSechzehnErhaeltDenPoolRingMalZehnHochSieben)
{
    laufzeitSetzen(0.001, 1e-4);
    paar(-0.02, natrium, 1e-7, 0.0002);
    s->verzoegerungsfaktorAn = 1;
    einrichten();
    for (int i = 0; i < 10; ++i)
        schritt(i);
    KurvenDaten k;
    k.werte.assign(20, -1.0f);
    k.synapseId = s->id;
    k.referenz = kurvenReferenz::Freisetzung;
    freisetzungsKurveAusRing(k, 10);
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(k.werte[i], static_cast<float>(s->pool->ring[i] * 1e7)) << i;
    EXPECT_EQ(k.werte[10], -1.0f);
    EXPECT_FLOAT_EQ(k.werte[3], 1.0f);      // the release of every step stays in the ring
}

} // namespace
