// tests/lauf/test_synaptisch.cpp - delay rings, synaptic currents and synapse dynamics
#include "lauf_hilfe.h"
#include "../model/test_synapse_hilfe.h"
#include "core/fehler.h"
#include "model/integration.h"
#include "model/synaptisch.h"
#include "rahmen_attrappe.h"
#include <algorithm>
#include <cmath>
#include <cstring>
#include <numeric>

namespace {

constexpr int natrium = 0, kalium = 1, elektrisch = 3;

struct Synaptisch : LaufFall {
    NeuronDaten *a = nullptr, *b = nullptr;
    SynapseDaten* s = nullptr;
    // a neuron of the current dendrite mode with its compartments, potentials at v
    static NeuronDaten* knoten(int nummer, double v = -0.07)
    {
        NeuronDaten* k = neu(nummer);
        EXPECT_TRUE(kompartimenteAnpassen(*k, simulationsParameter.anzahlSegmente));
        std::fill(k->potentiale.begin(), k->potentiale.end(), v);
        return k;
    }
    // dendrite mode m, source a at va, target b at vb, one synapse a -> b
    void paar(double va, int typ, double g, double verzoegerung, double vb = -0.07, int bereich = 0,
              int m = 1)
    {
        simulationsParameter.netzwerktyp = m;
        simulationsParameter.anzahlSegmente = segmenteFuerNetzwerktyp(m);
        a = knoten(1, va);
        b = knoten(2, vb);
        s = SynapsenFall::verbinde(a, b, typ, g, verzoegerung, bereich);
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

double ringSumme(const SynapsenPool& p) { return std::accumulate(p.ring.begin(), p.ring.end(), 0.0); }

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

// an xlPSP shape of a kind and a duration: it rises as 2 x, then falls as about 0.5 x the episode's value
void pspForm(PspForm& p, int art, double dauer)
{
    p.an = 1;
    p.art = art;
    p.dauerPolynom = p.dauerExp = dauer;
    p.anfangPolynom = 0.0004;
    p.polynom = {1.0, 0, 0, 0, 0, 0, 2.0};
    p.polynomAbfall = {1.0, 1e9, 0.0, 0.5};
    p.expAAnstieg = 2.0;
    p.expTauAnstieg = p.expTauAbfall = 1e9;
    p.expAAbfall = 0.5;
}

} // namespace

TEST_F(Synaptisch, RingLaengeFolgtDerVerzoegerungUndIstNieNull)   // the mended wrap length
{
    // the current comes exactly after the delay; below half a step the ring still has one
    // slot to wrap around
    const struct { double verzoegerung; int laenge; } faelle[] = {{0.0023, 23}, {0.00001, 1}};
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.verzoegerung);
        neuesNetz();
        paar(-0.02, natrium, 1e-7, f.verzoegerung);
        einrichten();
        EXPECT_EQ(std::make_tuple(s->pool->ringLaenge, s->pool->ring.size(), s->schlangenLaenge),
                  std::make_tuple(f.laenge, f.laenge + 1u, f.laenge));
        for (int i = 0; i <= f.laenge; ++i) {
            schritt(i);
            EXPECT_EQ(b->synStromChemisch[0] > 0.0, i == f.laenge) << i;
        }
    }
}

TEST_F(Synaptisch, ChemischerStromGehtInsKompartimentSeinesBereichs)
{
    // the target's compartments at -0.07, -0.06, ...; type 0 reverses at 0.05 V, type 1 at -0.09 V
    const struct { const char* was; int modus, typ, bereich, izhikevich, kompartiment; double umkehr; }
    faelle[] = {
        {"area 5 in mode 3", 3, natrium, 5, 0, 3, 0.05},
        {"mode 2: every area above 0", 2, kalium, 3, 0, 1, -0.09},
        {"an Izhikevich target: all in compartment 0, only it cleared", 3, natrium, 2, 1, 0, 0.05},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.was);
        neuesNetz();
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
            const bool hier = static_cast<int>(c) == f.kompartiment;
            const double erwartet = hier ? (f.umkehr - b->potentiale[c]) * 1e-7 : f.izhikevich * 5.0;
            EXPECT_DOUBLE_EQ(b->synStromChemisch[c], erwartet) << c;
        }
        EXPECT_EQ(s->pool->ring[1], 0.0);   // consumed
    }
    EXPECT_EQ(zielKompartiment(7, 2, 3, 4, false), -1);   // other modes: no chemical current
    EXPECT_EQ(zielKompartiment(3, 3, 3, 2, false), 1);    // bounded by the target's compartments
}

TEST_F(Synaptisch, VerteilungUeberVierSchritteSchreibtEinViertelUndZweimalEinDrittelUndBleibtImRing)
{
    laufzeitSetzen(0.01, 1e-4);
    paar(-0.02, natrium, 1e-7, 0.001);
    s->verzoegerungsfaktorAn = 1;
    s->verteilungsSchritte = 4;
    s->gewichtungsfaktor = 2.0;
    einrichten();
    SynapsenPool& p = *s->pool;
    EXPECT_EQ(std::make_tuple(p.geschlossen, p.ring.size()), std::make_tuple(110, 115u));   // the whole run
    synapsenBerechnen();
    EXPECT_EQ(std::vector<double>(p.ring.begin(), p.ring.begin() + 4),
              (std::vector<double>{1e-7 / 4 * 2.0, 1e-7 / 3 * 2.0, 1e-7 / 3 * 2.0, 0.0}));
    // a curve of kind 16 shows the ring times 10^7; the release of every step stays in it
    for (int i = 1; i < 10; ++i)
        schritt(i);
    KurvenDaten k;
    k.werte.assign(20, -1.0f);
    k.synapseId = s->id;
    k.referenz = kurvenReferenz::Freisetzung;
    freisetzungsKurveAusRing(k, 10);
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(k.werte[i], static_cast<float>(p.ring[i] * 1e7)) << i;
    EXPECT_EQ(k.werte[10], -1.0f);
}

TEST_F(Synaptisch, VerteilungSchreibtNieHinterDasRingende)   // the mended spread
{
    laufzeitSetzen(0.0003, 1e-4);
    paar(-0.02, natrium, 1e-7, 0.0001);
    s->verzoegerungsfaktorAn = 1;
    s->verteilungsSchritte = 0;             // the ring gets no room for a spread
    s->gewichtungsfaktor = 1.0;
    einrichten();
    ASSERT_EQ(s->pool->ring.size(), 5u);
    s->verteilungsSchritte = 40;            // raised after the set-up
    s->pool->ringPosition = 3;
    synapsenBerechnen();                    // the sanitizer sees every write
    EXPECT_GT(ringSumme(*s->pool), 0.0);
}

// The loop's passes take the plain chemical synapses and pools from arrays built at the run
// start and after every change of the records: the rings and currents must be exactly what
// the walk through the records gives, for sources with and without such synapses, and a
// changed conductance counts once the arrays are built again.
TEST_F(Synaptisch, ArraysDerEinfachenSynapsenSchreibenDieRingeWieDieRecords)
{
    paar(-0.07, natrium, 1e-7, 0.0003);
    NeuronDaten* c = knoten(3, -0.07);
    SynapseDaten* zweite = SynapsenFall::verbinde(a, b, natrium, 3e-7, 0.0007);
    // a shown release takes the full step
    SynapsenFall::verbinde(c, b, natrium, 2e-7, 0.0005)->freisetzungAnzeigen = 1;
    SynapsenFall::verbinde(a, b, kalium, 4e-7, 0.0002);   // a second pool
    const std::vector<NeuronDaten*> quellen{a, c}, ziele{b};
    const auto lauf = [&](bool ueberArrays) {
        einrichten();
        synapsenFelderBilden(quellen);
        synapsenPoolFelderBilden(ziele);
        std::vector<double> ringe;
        for (int i = 0; i < 40; ++i) {
            // below, inside and above the release range, the source c on its own rhythm
            a->potentiale[0] = -0.06 + 0.001 * ((i + 16) % 35);
            c->potentiale[0] = i % 3 ? -0.035 : -0.07;
            if (i == 20) {
                s->leitfaehigkeit = 5e-7;
                synapsenFelderBilden(quellen);
            }
            laufZustand.t = i * simulationsParameter.schrittweite;
            if (ueberArrays) {
                synaptischeStroemeBerechnen(ziele);
                synapsenBerechnen(quellen);
            } else {
                synaptischeStroemeBerechnen();
                synapsenBerechnen();
            }
            for (SynapsenPool* p = b->eingangsPools; p; p = p->naechsterPool)
                ringe.insert(ringe.end(), p->ring.begin(), p->ring.end());
            ringe.push_back(b->synStromChemisch[0]);
        }
        // the arrays keep release and source potential until the records are brought up to date
        synapsenFelderZurueckschreiben();
        return std::make_pair(ringe, std::make_pair(s->abgabe, zweite->quellPotential));
    };
    const auto records = lauf(false);
    const auto arrays = lauf(true);
    ASSERT_EQ(arrays.first.size(), records.first.size());
    for (size_t i = 0; i < records.first.size(); ++i)
        ASSERT_EQ(std::memcmp(&arrays.first[i], &records.first[i], sizeof(double)), 0) << i;
    EXPECT_EQ(arrays.second, records.second);
    EXPECT_GT(*std::max_element(records.first.begin(), records.first.end()), 0.0);
    EXPECT_DOUBLE_EQ(s->abgabe, 5e-7 * 0.5);   // the last step's release at the new conductance
}

TEST_F(Synaptisch, BahnungWaechstOderSinktImZugUndKehrtGenauAufEinsZurueck)
{
    // three trains of ten releasing steps, each followed by a short pause; facilitation
    // raises the factor in a train, depression lowers it, a pause leads it back towards 1
    for (const int art : {bahnungsArt::Fazilitation, 2}) {   // anything but 1 depresses
        SCOPED_TRACE(art);
        neuesNetz();
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

TEST_F(Synaptisch, LaufvorbereitungSetztTabelleGanzlaufpoolUndBahnungsvorgaben)
{
    laufzeitSetzen(0.01, 1e-4);
    paar(-0.07, natrium, 1e-7, 0.002);
    SynapseDaten* t = SynapsenFall::verbinde(b, a, natrium, 1e-7, 0.002);
    synapsenTabelleSetzen(s->id, nullptr);
    s->verzoegerungsfaktorAn = 1;
    s->bahnung.an = 1;
    s->bahnung.faktor = 3.0;
    s->transmitter.an = 1;
    s->transmitter.gatterWert = 0.7;
    t->bahnung.an = 1;
    t->bahnung.a = {-1.0, 5.0, 5.0, 5.0};   // A[ANFAZ] set: the table is kept
    einrichten();
    EXPECT_EQ(std::make_tuple(synapseNachId(s->id), s->pool->verzoegerungsSynapse, t->pool->geschlossen,
                              s->bahnung.faktor, s->transmitter.gatterWert,
                              s->bahnung.letzterFreisetzungsBeginn),
              std::make_tuple(s, s, 0, 1.0, 0.0, -1.0));
    EXPECT_EQ(s->bahnung.a, (std::array<double, 4>{-1.0, 1.0, 0.8, -0.8}));   // the defaults, A[ANFAZ] unset
    EXPECT_EQ(t->bahnung.a, (std::array<double, 4>{-1.0, 5.0, 5.0, 5.0}));
}

TEST_F(Synaptisch, TransmitterGatterErreichtSeinGleichgewichtMitJederMethodeUndEineUngueltigeFormHaeltAn)
{
    const struct { int art; double alpha, beta, gleichgewicht; } faelle[] = {
        {1, 200.0, 50.0, 0.8},              // dx/dt = a - (a + b) x: a / (a + b)
        {2, 0.6, 500.0, 0.6},               // dx/dt = b (a - x): a
        {3, 0.6, 0.002, 0.6},               // dx/dt = (a - x) / b: a
    };
    paar(-0.03, natrium, 1e-7, 0.001);
    einrichten();
    using namespace integration;
    for (const int methode : {Euler, ExponentiellerEuler, CrankNicolson, RungeKutta4})
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
    // the mended conversion: a form that is no whole number is no form, error 130 once, and
    // the run stops
    pt::boxAntworten({1});
    for (const double form : {std::nan(""), 1e300, -1e300}) {
        s->transmitter.formAlpha = form;
        synapsenBerechnen();
        EXPECT_TRUE(std::isfinite(s->transmitter.gatterWert)) << form;
    }
    EXPECT_EQ(laufZustand.abbrechen, 1);
    ASSERT_EQ(pt::boxLog().size(), 1u);
    EXPECT_EQ(pt::boxLog()[0].text, fehlerText(130));
}

TEST_F(Synaptisch, FreisetzungBleibtZwischenNullUndEins)
{
    // threshold -0.05 V, saturation -0.03 V unless a row says otherwise; the transmitter
    // gate at its steady state 0.8; the channel activation takes the release fraction
    const double nan = std::nan("");
    const struct { const char* was; int transmitter; double v, faktor, potenz, saettigung, abgabe; }
    faelle[] = {
        {"above saturation", 0, 0.05, 1.0, 1, -0.03, 1e-7},
        {"half way", 0, -0.04, 1.0, 1, -0.03, 0.5e-7},
        {"far below", 0, -0.2, 1.0, 1, -0.03, 0.0},
        {"gate factor 10", 1, -0.03, 10.0, 1, -0.03, 1e-7},
        {"gate factor 0.5", 1, -0.03, 0.5, 1, -0.03, 0.4e-7},
        {"gate factor -10", 1, -0.03, -10.0, 1, -0.03, 0.0},
        // the mended 0/0: a threshold equal to the saturation is a step
        {"threshold = saturation, at it", 0, -0.05, 1.0, 1, -0.05, 0.0},
        {"threshold = saturation, above it", 0, -0.0499, 1.0, 1, -0.05, 1e-7},
        // the mended conversion: a power past the whole numbers is cut to the largest one
        {"power 1e300: a gate below 1 releases nothing", 1, -0.03, 1.0, 1e300, -0.03, 0.0},
        {"power -1e300", 1, -0.03, 1.0, -1e300, -0.03, 1e-7},
        {"power NaN", 1, -0.03, 1.0, nan, -0.03, 1e-7},
    };
    paar(-0.03, natrium, 1e-7, 0.001);
    TransmitterDynamik& d = konstantesGatter(*s, 1, 200.0, 50.0);
    s->kanalAktivierung = 1;
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.was);
        s->freisetzungsSaettigung = f.saettigung;
        einrichten();
        a->potentiale[0] = f.v;
        d.an = f.transmitter;
        d.gatterWert = 0.8;
        d.faktor = f.faktor;
        d.potenz = f.potenz;
        synapsenBerechnen();
        EXPECT_NEAR(s->abgabe, f.abgabe, 1e-20);
        EXPECT_NEAR(ringSumme(*s->pool), f.abgabe, 1e-20);
        EXPECT_NEAR(s->kanalFreisetzung * 1e-7, f.abgabe, 1e-20);
    }
}

TEST_F(Synaptisch, XlpspEpisodeBehaeltIhrenGroesstenWertUndEndetNachIhrerDauer)
{
    paar(-0.07, natrium, 1e-7, 0.001);
    PspForm& f = s->psp;
    pspForm(f, pspArt::Polynom, 0.00095);   // ten steps
    einrichten();
    const double v[] = {-0.04, -0.034, -0.045, -0.07};   // r = 0.5, 0.8, 0.25, 0
    for (int i = 0; i < 4; ++i) {
        a->potentiale[0] = v[i];
        schritt(i);
    }
    ASSERT_NE(f.liste, nullptr);
    EXPECT_DOUBLE_EQ(f.liste->wert, 0.8);
    EXPECT_EQ(std::make_tuple(f.liste->abgeschlossen, f.liste->naechstes), std::make_tuple(1, nullptr));
    EXPECT_DOUBLE_EQ(f.summe, 1.6);         // age 0.0003: still rising
    schritt(4);
    EXPECT_NEAR(f.summe, 0.4, 1e-9);        // age 0.0004: falling
    for (int i = 5; i < 11; ++i)
        schritt(i);
    EXPECT_EQ(std::make_tuple(f.liste, f.summe), std::make_tuple(nullptr, 0.0));
}

TEST_F(Synaptisch, XlpspEpisodeBleibtOffenSolangeDieFreisetzungAnhaelt)   // it dropped an open episode
{
    // a source held above saturation for longer than the shape lasts (and a shape of no
    // duration at all): the open episode stays until the release ends
    const struct { int typ, art; double dauer; } faelle[] = {
        {natrium, pspArt::Polynom, 0.00095}, {kalium, pspArt::Polynom, 0.0}, {2, pspArt::Exponentiell, 0.0},
    };
    paar(-0.02, natrium, 1e-7, 0.001);
    std::vector<SynapseDaten*> synapsen;
    for (const auto& f : faelle) {
        SynapseDaten* x = f.typ == natrium ? s : SynapsenFall::verbinde(a, b, f.typ, 1e-7, 0.001);
        pspForm(x->psp, f.art, f.dauer);
        synapsen.push_back(x);
    }
    einrichten();
    for (int i = 0; i < 30; ++i)
        schritt(i);
    for (SynapseDaten* x : synapsen) {
        ASSERT_NE(x->psp.liste, nullptr);
        EXPECT_EQ(std::make_tuple(x->psp.liste->naechstes, x->psp.liste->abgeschlossen, x->psp.liste->wert),
                  std::make_tuple(nullptr, 0, 1.0));
        EXPECT_NEAR(x->abgabe, 0.5e-7, 1e-15);   // the falling shape of the held episode
    }
    a->potentiale[0] = -0.07;               // the release ends: the episode closes and goes
    schritt(30);
    for (SynapseDaten* x : synapsen)
        EXPECT_EQ(std::make_tuple(x->psp.liste, x->abgabe), std::make_tuple(nullptr, 0.0));
}

TEST_F(Synaptisch, AxoAxonischeSynapseWirktNurEingeschaltetUndSenktDenElternPoolNieUnterNull)
{
    // a -> b, and c (releasing) axo-axonic onto a -> b
    paar(-0.07, natrium, 1e-7, 0.001);
    SynapseDaten* axo = SynapsenFall::verbinde(knoten(3, -0.02), b, natrium, 0.4, 0.0003, kontaktort::Axo, s);
    ASSERT_NE(axo, nullptr);
    einrichten();
    s->pool->ring[1] = 1e-7;
    synapsenBerechnen();
    EXPECT_EQ(axo->abgabe, 0.0);            // switched off: no effect
    synaptischeStroemeBerechnen();
    EXPECT_DOUBLE_EQ(b->synStromChemisch[0], (0.05 + 0.07) * 1e-7);

    programmStatus |= programmBit::AxoAxonisch;
    einrichten();
    AxoKnoten* k = s->axoKnoten;
    ASSERT_NE(k, nullptr);
    ASSERT_EQ(k->ring.size(), 4u);
    synapsenBerechnen();                    // the release of c into the axo ring at its current place
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

// with the mended target: an area beyond the target stays in it, a missing target is passed over
TEST_F(Synaptisch, ElektrischeKopplungNachArtUndEinschraenkungOhneZielKeinStrom)
{
    // the current g (Vs - Vt) in the target's soma from the step it arrives on, none before;
    // kind 1 conducts only towards a more depolarised target, kind 2 only away from it
    const struct {
        const char* was;
        int eingeschraenkt, art;
        double vs, vt, verzoegerung;
        int bereich, ziel, ankunft;         // the arrival step, -1: never
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
        neuesNetz();
        netzvorgaben.elektrischeSynapsenEingeschraenkt = f.eingeschraenkt;
        paar(f.vs, elektrisch, 1e-8, f.verzoegerung, f.vt);
        s->elektrischerTyp = f.art;
        einrichten();
        s->zielBereich = s->pool->zielBereich = f.bereich;
        s->zielNummer = f.ziel;             // the teardown must still find the pool
        for (int i = 0; i < 8; ++i) {
            schritt(i);
            const bool da = f.ankunft >= 0 && i >= f.ankunft;
            EXPECT_NEAR(b->synStromElektrisch[0], da ? (f.vs - f.vt) * 1e-8 : 0.0, 1e-20) << i;
        }
    }
}

// sources 2, 3 ... onto the SWIM neuron 1, each with one synapse of the type
struct SynaptischerLauf : Synaptisch {
    std::vector<SynapseDaten*> quellen(int anzahl, int typ)
    {
        NeuronDaten& z = neuron(1);
        std::vector<SynapseDaten*> v;
        for (int nr = 2; nr < 2 + anzahl; ++nr) {
            NeuronDaten* q = knoten(nr, -0.04);
            q->modellTyp = modell::Swim;
            q->parameter = z.parameter;
            v.push_back(SynapsenFall::verbinde(q, &z, typ, 1e-8, 0.001));
        }
        z.spikezeitenSpeichern = 1;
        laufzeitSetzen(0.01, 1e-4);
        return v;
    }
};

TEST_F(SynaptischerLauf, VerweigertOhneSchrittErgebnisOderDateiMitEinemHinweisUndDasProgrammLaeuftWeiter)
{
    // each row builds its network and names the words of its notice
    using Worte = std::vector<std::string>;
    const struct { const char* was; Worte (*aufbau)(SynaptischerLauf&); } faelle[] = {
        {"an unrestricted electrical pool of two members (the mended shutdown)", [](SynaptischerLauf& t) {
             t.quellen(2, elektrisch);
             netzvorgaben.elektrischeSynapsenEingeschraenkt = 0;
             return Worte{"Neuron", "nicht starten"};
         }},
        {"a channel over synapse 0, which the start state refuses", [](SynaptischerLauf& t) {
             t.quellen(0, natrium);
             BenutzerKanal& k = t.n->benutzerKanaele.emplace_back();
             k.stromUeberSynapse = 1;
             k.leitfaehigkeit = 1e-9;
             k.synapseId = 0;
             return Worte{"synapseID = 0"};
         }},
        {"an xlPSP without a kind (the mended shutdown)", [](SynaptischerLauf& t) {
             SynapseDaten* x = t.quellen(2, natrium)[1];
             x->psp.an = 1;
             x->psp.art = 0;
             return Worte{"xlpsp", "Synapse " + std::to_string(x->id), "nicht"};
         }},
    };
    static int schritte;
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.was);
        neuesNetz();
        const Worte worte = f.aufbau(*this);
        schritte = 0;
        laufHaken.synapsen = [] { ++schritte; };
        pt::boxAntworten({plattform::antwort::Ok, plattform::antwort::Ok});
        simulationStarten();
        EXPECT_FALSE(programmEndet());
        attrappe::rahmenZuruecksetzen();
        using namespace programmBit;
        const int status = programmStatus & (LaufErgebnisDa | ErgebnisDa | LaufAktiv | Beschaeftigt);
        EXPECT_EQ(std::make_tuple(schritte, status, laufZustand.eingerichtet, dateien().size()),
                  std::make_tuple(0, 0, 0, 0u));
        const auto enthaeltAlle = [&worte](const pt::Ereignis& e) {
            const auto steht = [&e](const std::string& w) { return e.text.find(w) != std::string::npos; };
            return e.art == pt::Ereignis::Box && std::all_of(worte.begin(), worte.end(), steht);
        };
        EXPECT_EQ(std::count_if(pt::ereignisLog().begin(), pt::ereignisLog().end(), enthaeltAlle), 1);
    }
}
