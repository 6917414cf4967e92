// tests/lauf/test_lauf.cpp - run start, run driver and time loop
#include "lauf_hilfe.h"
#include "../model/test_onoff_hilfe.h"
#include "model/layout.h"
#include "model/zeitschleife.h"
#include <cmath>

namespace {

using testhilfe::fensterAttrappe;

int durchlaeufe = 0;

struct Lauf : LaufFall {
    void SetUp() override
    {
        LaufFall::SetUp();
        durchlaeufe = 0;
        laufHaken.synapsen = [] { ++durchlaeufe; };
    }
};

} // namespace

TEST_F(Lauf, SchleifeMachtEinenDurchlaufMehrAlsSchritteDerNieUeberDenPufferSchreibtUndOhneDauerKeinen)
{
    NeuronDaten* n = neu(1);
    n->modellTyp = 0;                       // carried, never stepped
    n->hauptDiagramm.fenster = fensterAttrappe;
    KurvenDaten& k = n->hauptDiagramm.kurven[0];
    k.anzeigen = 1;
    constexpr float unberuehrt = 12345.0f;
    struct Fall { double dauer, schritt; int schritte; };
    for (const Fall f : {Fall{1.0, 1e-4, 10000}, Fall{0.3, 1e-4, 3000}, Fall{1.0, 3e-4, 3333}}) {
        SCOPED_TRACE(f.schritte);
        laufzeitSetzen(f.dauer, f.schritt);
        ASSERT_TRUE(laufDiagrammeVorbereiten(*n));
        ASSERT_GT(k.werte.size(), static_cast<size_t>(f.schritte));
        std::fill(k.werte.begin(), k.werte.end(), unberuehrt);
        durchlaeufe = 0;
        EXPECT_EQ(simulationAusfuehren(), f.schritte + 1);
        EXPECT_EQ(durchlaeufe, f.schritte + 1);
        EXPECT_DOUBLE_EQ(laufZustand.t, f.dauer);
        EXPECT_EQ(k.werteAnzahl, f.schritte);
        EXPECT_NE(k.werte[f.schritte - 1], unberuehrt);
        EXPECT_EQ(k.werte[f.schritte], unberuehrt);
    }
    n->hauptDiagramm.fenster = nullptr;
    // no length: no pass, and the end is worked out
    simulationsParameter.simulationsDauer = 0.0;
    durchlaeufe = 0;
    EXPECT_EQ(simulationAusfuehren(), 0);
    EXPECT_EQ(durchlaeufe, 0);
    EXPECT_EQ(laufZustand.t, 0.0);
    EXPECT_TRUE(programmStatus & programmBit::WiederherstellenAuslassen);
    EXPECT_EQ(statusTexte[0], "\tSimulation beendet");
}

TEST_F(Lauf, ErgebnisBitsUndStatustexteEinesGanzenUndEinesAbgebrochenenLaufs)
{
    // an aborted run has its results too, its abort is cleared, but it does not say it ended
    static int abbruch;
    for (const int nach : {5, 0}) {
        SCOPED_TRACE(nach);
        neuesNetz();
        laufzeitSetzen(0.01, 1e-4);
        neuron();
        programmStatus |= programmBit::SpikesZaehlen;
        abbruch = nach;
        laufHaken.synapsen = [] {
            if (++durchlaeufe == abbruch)
                laufZustand.abbrechen = 1;
        };
        simulationStarten();
        EXPECT_EQ(durchlaeufe, nach ? nach : 101);
        EXPECT_EQ(laufZustand.abbrechen, 0);
        EXPECT_TRUE(programmStatus & programmBit::LaufErgebnisDa);
        EXPECT_TRUE(programmStatus & programmBit::ErgebnisDa);
        EXPECT_FALSE(programmStatus & programmBit::LaufAktiv);
        EXPECT_EQ(statusTexte[0] == meldungFormatieren(771), nach == 0);
    }
    EXPECT_EQ(statusTexte[1].rfind("\tAPs: ", 0), 0u);
    EXPECT_EQ(laufZustand.nachLauf, 1);
}

TEST_F(Lauf, ErgebnisnamenTragenDenZeitstempelUndEinVorhandenerExportFragt338)
{
    ergebnisNamenBilden();
    EXPECT_EQ(ergebnisNamen.spikeZeiten, ordner + "netz 240305070801 spike-zeiten.txt");
    EXPECT_EQ(ergebnisNamen.pspAmplituden, ordner + "netz 240305070801 psp amplituden.txt");
    EXPECT_TRUE(ergebnisNamen.exportDatei.empty());
    // No takes a new time, Yes deletes the old file
    programmStatus |= programmBit::WerteExportieren;
    neuron().exportMaske = 0x1;
    const std::string alt = ordner + "netz 240305070801 soma potential.TXT";
    testhilfe::schreiben(alt, "x");
    zeitenSetzen({1, 2, 2});
    pt::boxAntworten({plattform::antwort::Nein});
    ergebnisNamenBilden();
    EXPECT_EQ(ergebnisNamen.exportDatei, ordner + "netz 240305070802 soma potential.TXT");
    EXPECT_EQ(ergebnisNamen.laufInfo, ordner + "netz 240305070802 info.TXT");
    EXPECT_TRUE(std::filesystem::exists(alt));
    ASSERT_FALSE(pt::ereignisLog().empty());
    EXPECT_EQ(pt::ereignisLog().front().text, meldungFormatieren(338, alt));
    zeitenSetzen({1});
    pt::boxAntworten({plattform::antwort::Ja});
    ergebnisNamenBilden();
    EXPECT_EQ(ergebnisNamen.exportDatei, alt);
    EXPECT_FALSE(std::filesystem::exists(alt));
}

TEST_F(Lauf, SpikezeitenUndPspDateiUndDerEinzelneuronlaufUnterEigenemNamen)   // it overwrote the last ones
{
    laufzeitSetzen(0.01, 1e-4);
    NeuronDaten& n = neuron();
    n.name = "N1";
    n.spikezeitenSpeichern = 1;
    n.pspModus = 0x10;
    pspMessungAktiv = 1;
    // the step leaves two spikes and one PSP, as the SWIM step records them
    modellSchritt[2] = [](NeuronDaten& m) {
        if (laufZustand.t == 0.0) {
            m.spikeZeiten = {0.0125f, 1.5f};
            m.apAnzahl = 2;
            laufZustand.apAnzahl = 2;
            m.pspZeiten = {0.25f};
            m.pspAmplituden = {1.5f};
            m.pspAnzahl = 1;
        }
    };
    simulationStarten();
    const std::string spikes = ordner + "netz 240305070801 spike-zeiten.txt";
    EXPECT_EQ(testhilfe::lesen(spikes), "N1\r\n0,013\r\n1,500\r\n\r\n");
    EXPECT_EQ(testhilfe::lesen(ordner + "netz 240305070801 psp amplituden.txt"),
              "N1\r\nzeit\tpsp-amplitude\r\n0,250\t1,50000\r\n\r\n");
    zeitenSetzen({2});
    teilsimulationsModus = 2;
    simulationStarten();
    teilsimulationsModus = 0;
    modellSchritt[2] = swimModellBerechnen;
    EXPECT_EQ(testhilfe::lesen(spikes), "N1\r\n0,013\r\n1,500\r\n\r\n");
    EXPECT_EQ(ergebnisNamen.spikeZeiten, ordner + "netz 240305070802 spike-zeiten.txt");
}

TEST_F(Lauf, WeiteresDiagrammZeichnetDieProbenDiesesLaufs)   // it drew the previous run's
{
    NeuronDaten* n = neu(1);
    DiagrammDaten* weiteres = diagrammAnhaengen(*n);
    ASSERT_NE(weiteres, nullptr);
    laufzeitSetzen(0.001, 1e-4);
    diagrammLayoutBerechnen(&stdNeuron, &diagrammVorlage, 0);
    for (DiagrammDaten* d : {&n->hauptDiagramm, weiteres}) {
        diagrammLayoutBerechnen(n, d, 1);
        d->fenster = fensterAttrappe;
        d->minY = -100.0;
        d->maxY = 100.0;
        d->kurven[0].anzeigen = 1;
        d->kurven[1].anzeigen = 1;
    }
    ASSERT_GT(weiteres->plotBreite, 0);
    n->hauptDiagramm.kurven[0].werte.assign(10 + werteReserve, 50.0f);   // this run
    n->hauptDiagramm.kurven[0].werteAnzahl = 10;
    weiteres->kurven[0].werte.assign(10 + werteReserve, -50.0f);          // the previous run
    weiteres->kurven[0].werteAnzahl = 10;
    n->hauptDiagramm.kurven[1].werte.assign(10 + werteReserve, 20.0f);   // a slot the extra
    n->hauptDiagramm.kurven[1].werteAnzahl = 10;                          // diagram had no buffer for
    laufKurvenUebertragen(*n);
    for (int slot : {0, 1}) {
        const KurvenDaten& haupt = n->hauptDiagramm.kurven[slot];
        const KurvenDaten& kopie = weiteres->kurven[slot];
        ASSERT_GE(kopie.werte.size(), 10u) << slot;
        EXPECT_EQ(kopie.werte[9], haupt.werte[9]) << slot;
        ASSERT_GT(haupt.punktAnzahl, 0) << slot;
        EXPECT_EQ(std::vector<int32_t>(kopie.punkte.begin(), kopie.punkte.begin() + 2 * kopie.punktAnzahl),
                  std::vector<int32_t>(haupt.punkte.begin(), haupt.punkte.begin() + 2 * haupt.punktAnzahl))
            << slot;
    }
    for (DiagrammDaten* d : {&n->hauptDiagramm, weiteres})
        d->fenster = nullptr;
}

TEST_F(Lauf, KCaLaufwerteBeginnenJedenLaufBeimKCaDatensatz)   // they were never set
{
    NeuronDaten& x = neuron();
    x.kca = std::make_unique<KCaKanal>();
    KCaKanal& k = *x.kca;
    k.caAbbau = 50.0; k.caHintergrund = 5e-5; k.caAussen = 13.0; k.temperatur = 283.0;
    k.gKCa = 1e-9; k.eKCa = -0.08;
    k.caStart = 1e-3; k.cStart = 0.1; k.dStart = 0.2; k.eStart = 0.3; k.pStart = 0.4; k.qStart = 0.5;
    k.tore[3].potenz = 1; k.tore[3].rateBeta = 0.01; k.tore[3].hilfsParamBeta = 1e-3;
    k.tore[4].potenz = 1;
    for (size_t g = 0; g < 3; ++g)   // Ca channels closed: steady state 0 at rate 1/s
        k.tore[g] = {1, 32, 0.0, 0.0, 0.0, 32, 1.0, 0.0, 0.0, 0.0, 0.0};
    x.kcaModus = 1;
    // what an earlier run left behind
    x.caKonzentration = 7.0;
    x.caPotential = 0.3;
    x.leitwertMalPotential[9] = 0.0;
    for (size_t i : {2u, 4u, 5u, 6u})
        x.kanalStrom[i] = 1e-6;
    for (size_t i = 7; i <= 11; ++i)
        x.torVariable[i] = 0.9;
    laufzeitSetzen(0.0, 1e-4);              // the start of a run alone
    simulationAusfuehren();
    struct Wert { const char* name; double ist, soll; };
    for (const Wert w : {Wert{"g*E", x.leitwertMalPotential[9], -0.08e-9},
                         Wert{"Ca", x.caKonzentration, 1e-3},
                         Wert{"E(Ca)", x.caPotential, 0.0}, Wert{"C", x.torVariable[7], 0.1},
                         Wert{"D", x.torVariable[8], 0.2}, Wert{"E", x.torVariable[9], 0.3},
                         Wert{"P", x.torVariable[10], 0.4}, Wert{"Q", x.torVariable[11], 0.5},
                         Wert{"Ca-Strom", x.kanalStrom[2], 0.0}, Wert{"Ca1", x.kanalStrom[4], 0.0},
                         Wert{"Ca2", x.kanalStrom[5], 0.0}, Wert{"K(Ca)", x.kanalStrom[6], 0.0}})
        EXPECT_DOUBLE_EQ(w.ist, w.soll) << w.name;
    // without Ca conductance the pool relaxes to the background at its removal rate, and
    // K(Ca) opens; two equal runs end equal: nothing carries over
    laufzeitSetzen(0.01, 1e-4);
    simulationAusfuehren();
    const double ca = x.caKonzentration, v = x.potentiale[0];
    EXPECT_NEAR(ca, 5e-5 + (1e-3 - 5e-5) * std::exp(-50.0 * 101 * 1e-4), 1e-12);   // the loop's extra pass
    EXPECT_NEAR(x.caPotential, 4.308507882e-05 * 283.0 * std::log(13.0 / ca), 1e-12);
    EXPECT_EQ(x.torVariable[11], 1.0);      // without inactivation Q stays 1
    EXPECT_GT(k.oeffnungKCa, 0.0);
    EXPECT_DOUBLE_EQ(k.summeG, k.gKCa * k.oeffnungKCa);
    EXPECT_DOUBLE_EQ(k.summeGE, x.leitwertMalPotential[9] * k.oeffnungKCa);
    EXPECT_DOUBLE_EQ(x.kanalStrom[6], x.leitwertMalPotential[9] * k.oeffnungKCa);
    laufZustand.nachLauf = 1;
    simulationAusfuehren();
    EXPECT_EQ(x.caKonzentration, ca);
    EXPECT_EQ(x.potentiale[0], v);
}

TEST_F(Lauf, EinwaertsstroemeErscheinenImDiagrammNegativAuswaertsstroemePositiv)
{
    NeuronDaten& x = neuron();
    x.hauptDiagramm.fenster = fensterAttrappe;
    for (int slot : {kurve::Natrium, kurve::Kalium, kurve::Calcium})
        x.hauptDiagramm.kurven[slot].anzeigen = 1;
    laufzeitSetzen(0.01, 1e-4);
    ASSERT_TRUE(laufDiagrammeVorbereiten(x));
    simulationAusfuehren();
    x.hauptDiagramm.fenster = nullptr;
    // at rest the soma lies below the Na and Ca reversal potentials and above K's: Na and Ca
    // flow in, K flows out
    const ParameterVektor& P = x.parameter;
    ASSERT_LT(x.potentiale[0], std::min(P[par::SwimNaE], P[par::SwimCaE]));
    ASSERT_GT(x.potentiale[0], P[par::SwimKE]);
    ASSERT_EQ(x.apAnzahl, 0);
    const auto& k = x.hauptDiagramm.kurven;
    for (int i : {0, 50, 99}) {
        EXPECT_LT(k[kurve::Natrium].werte[i], 0.0f) << i;
        EXPECT_GT(k[kurve::Kalium].werte[i], 0.0f) << i;
        EXPECT_LT(k[kurve::Calcium].werte[i], 0.0f) << i;
    }
}

// the other models, run through the time loop
TEST_F(ModellFall, NurEinNeuronOhneJedenKanalZaehltKeineSpikes)
{
    // the conductances that make the mark, and further ones that do not but are switched off
    // so that the current alone drives the soma
    struct Fall { int modell; std::vector<int> leitwerte, weitere; };
    for (const Fall& f : {Fall{modell::HodgkinHuxley, {par::HhNaG, par::HhKG}, {}},
                          Fall{modell::GolowaschBuchholz, {par::Gb1G, par::Gb2G, par::Gb4G, par::Gb5G},
                               {par::Gb3G, par::Gb6G, par::Gb7G, par::Gb8G}},
                          Fall{modell::OnOff, {par::Phase1G, par::Phase2G}, {par::Phase3G}}}) {
        // each channel alone left on with a conductance too small to matter, then none: the
        // soma follows the same passive course, only the mark decides whether APs count
        for (size_t offen = 0; offen <= f.leitwerte.size(); ++offen) {
            NeuronFall::leeren();
            laufZustand = {};               // a new network: the set-up runs again
            NeuronDaten& x = neuron(f.modell);
            for (size_t i = 0; i < f.leitwerte.size(); ++i)
                x.parameter[static_cast<size_t>(f.leitwerte[i])] = i == offen ? 1e-18 : 0.0;
            for (int i : f.weitere)
                x.parameter[static_cast<size_t>(i)] = 0.0;
            strom(5e-9);                    // far above every threshold
            laufzeitSetzen(0.05, 1e-4);
            simulationAusfuehren();
            const bool passiv = offen == f.leitwerte.size();
            const double schwelle = x.parameter[static_cast<size_t>(spikeSchwellenIndex(f.modell))];
            EXPECT_GT(x.potentiale[0], schwelle) << f.modell << ": the soma crossed the threshold";
            EXPECT_EQ(x.apAnzahl == 0, passiv) << f.modell << " offen " << offen << " APs " << x.apAnzahl;
        }
    }
}

TEST_F(ModellFall, EntgleisteWerteHaltenDenLaufMitHinweisAnUndBehaltenDasAufgezeichnete)
{
    NeuronDaten& x = neuron(modell::HodgkinHuxley);
    x.name = "HH1";
    x.hauptDiagramm.fenster = fensterAttrappe;
    x.hauptDiagramm.kurven[kurve::Soma].anzeigen = 1;
    strom(1e-9);
    simulationsParameter.integrationsmethode = integration::Euler;
    simulationsParameter.anzeigeIntervall = 10;
    laufzeitSetzen(0.5, 1e-3);
    ASSERT_TRUE(laufDiagrammeVorbereiten(x));
    pt::boxAntworten({plattform::antwort::Ok});
    const int schritte = simulationAusfuehren();
    x.hauptDiagramm.fenster = nullptr;
    EXPECT_LT(laufZustand.t, 0.5) << "stopped early";
    EXPECT_EQ(schritte % 10, 0) << "checked once per display interval";
    ASSERT_EQ(pt::boxLog().size(), 1u);
    // the samples up to the stop are kept, the first ones finite; the notice names the time
    // of the first that is no number
    const KurvenDaten& soma = x.hauptDiagramm.kurven[kurve::Soma];
    const auto erste = std::find_if(soma.werte.begin(), soma.werte.begin() + schritte,
                                    [](float w) { return !std::isfinite(w); });
    ASSERT_NE(erste, soma.werte.begin() + schritte);
    EXPECT_GT(schritte - (erste - soma.werte.begin()), 0);
    EXPECT_EQ(pt::boxLog()[0].text, meldungFormatieren(820, 1, "HH1", (erste - soma.werte.begin()) * 1e-3));
    EXPECT_EQ(soma.werteAnzahl, schritte);
    EXPECT_TRUE(std::isfinite(soma.werte[0]));
    EXPECT_FALSE(std::isfinite(x.potentiale[0]));
}
