// tests/lauf/test_laufende.cpp - how a run ends early: a length the run start refuses, an
// abort and a halt on values that are no numbers in the status bar and the title, the halt's
// notice and the curves it leaves
#include "lauf_hilfe.h"
#include "core/skriptwerte.h"
#include "model/entgleisung.h"
#include "model/kurven.h"
#include "model/layout.h"
#include "model/skript.h"
#include "model/zeitschleife.h"
#include <cmath>

namespace {

using testhilfe::fensterAttrappe;

int durchlaeufe = 0;
NeuronDaten* zelle = nullptr;

// from this pass on the soma potential is no number (as a run away integration leaves it)
constexpr int ersterNanDurchlauf = 37;
void nanAbDurchlauf()
{
    if (++durchlaeufe >= ersterNanDurchlauf)
        zelle->potentiale[0] = NAN;
}

struct Laufende : LaufFall {
    void SetUp() override
    {
        LaufFall::SetUp();
        durchlaeufe = 0;
        laufHaken.synapsen = [] { ++durchlaeufe; };
        physischerSpeicherQuelle = [] { return uint64_t{8} << 30; };
        zelle = &neuron();
        zelle->name = "Zelle";
        laufzeitSetzen(0.01, 1e-4);
        simulationsParameter.anzeigeIntervall = 10;
    }
    void TearDown() override
    {
        zelle->hauptDiagramm.fenster = nullptr;
        skriptStatus = modusStatus = 0;
        skriptLaufwerte.lauf = restzeit.permutationsNummer = 0;
        physischerSpeicherQuelle = nullptr;
        LaufFall::TearDown();
    }
    // the soma curve recorded into a window (a stand-in) whose diagram is laid out
    void somaImFenster()
    {
        DiagrammDaten& d = zelle->hauptDiagramm;
        diagrammLayoutBerechnen(&stdNeuron, &diagrammVorlage, 0);
        diagrammLayoutBerechnen(zelle, &d, 1);
        std::tie(d.minX, d.maxX) = std::tuple(0.0, simulationsParameter.simulationsDauer);   // the whole run
        diagrammLayoutBerechnen(zelle, &d, 0);
        d.fenster = fensterAttrappe;
        d.minY = -100.0;
        d.maxY = 100.0;
        d.kurven[kurve::Soma].anzeigen = 1;
    }
    static void hauptfenster()
    {
        plattform::klasseRegistrieren({"LaufProbe", plattform::standardFensterProc});
        fensterhandles.hauptfenster =
            plattform::fensterErzeugen("LaufProbe", "alt", plattform::stil::Hauptfenster, 0, 0, 50, 50);
        dateipfade.vollerPfad = "/netze/netz.gui";
    }
};

} // namespace

// a file's step of 1e-12 s gave 2147483647 steps, and the step counter that counts up from
// there overflowed on the first step; scripts and series come without the run check
TEST_F(Laufende, LaufstartVerweigertEinenLaufDenDerSchrittzaehlerNichtFasst)
{
    zelle->hauptDiagramm.kurven[kurve::Soma].anzeigen = 1;
    laufzeitSetzen(1.0, 1e-12);
    skriptStatus |= skriptBit::Laeuft;
    pt::boxAntworten({plattform::antwort::Ok});
    simulationStarten();
    EXPECT_EQ(durchlaeufe, 0);
    ASSERT_EQ(pt::boxLog().size(), 1u);
    EXPECT_EQ(pt::boxLog()[0].text.rfind("\"" + dialogTexte[131] + "\" / \"" + dialogTexte[132] + "\": 1 s Dauer bei "
                                         "1e-12 s Schrittweite ergeben 1000000000000 Schritte",
                                         0),
              0u)
        << pt::boxLog()[0].text;
    EXPECT_TRUE(zelle->hauptDiagramm.kurven[kurve::Soma].werte.empty());
    EXPECT_FALSE(programmStatus & (programmBit::LaufAktiv | programmBit::LaufErgebnisDa));
}

// "Simulation läuft | 45% ... Abbruch mit ESC" stayed until the next run
TEST_F(Laufende, AbbruchUndAnhaltenSagenEsInStatusleisteUndTitel)
{
    hauptfenster();
    laufHaken.synapsen = [] {
        if (++durchlaeufe == 5)
            laufZustand.abbrechen = 1;
    };
    simulationStarten();
    EXPECT_EQ(durchlaeufe, 5);
    EXPECT_EQ(std::make_tuple(statusTexte[0], statusTexte[3], plattform::titel(fensterhandles.hauptfenster)),
              std::make_tuple(meldungFormatieren(817), std::string(), dateipfade.vollerPfad));

    durchlaeufe = 0;
    laufHaken.synapsen = nanAbDurchlauf;
    pt::boxAntworten({plattform::antwort::Ok});
    simulationStarten();
    EXPECT_EQ(durchlaeufe, 40);                          // stopped at the next check
    ASSERT_EQ(pt::boxLog().size(), 1u);
    EXPECT_EQ(pt::boxLog()[0].text, meldungFormatieren(820, 1, "Zelle", laufZustand.t));
    EXPECT_EQ(std::make_tuple(statusTexte[0], statusTexte[3], plattform::titel(fensterhandles.hauptfenster)),
              std::make_tuple(meldungFormatieren(818), std::string(), dateipfade.vollerPfad));
    EXPECT_TRUE(programmStatus & programmBit::LaufErgebnisDa);
    EXPECT_FALSE(programmStatus & programmBit::LaufAktiv);

    // a whole run says it ended, as before
    durchlaeufe = 0;
    laufHaken.synapsen = [] { ++durchlaeufe; };
    simulationStarten();
    EXPECT_EQ(statusTexte[0], meldungFormatieren(771));
    plattform::fensterZerstoeren(fensterhandles.hauptfenster);
}

// the notice named the time of the check that found it, up to a display interval late
TEST_F(Laufende, HaltHinweisNenntDieZeitDerErstenProbeDieKeineZahlMehrIst)
{
    for (const bool aufgezeichnet : {true, false}) {
        SCOPED_TRACE(aufgezeichnet);
        neuesNetz();
        laufHaken.synapsen = nanAbDurchlauf;
        if (aufgezeichnet) {
            somaImFenster();
            ASSERT_TRUE(laufDiagrammeVorbereiten(*zelle));
        }
        pt::boxAntworten({plattform::antwort::Ok});
        EXPECT_EQ(simulationAusfuehren(), 40);
        EXPECT_TRUE(laufAngehalten);
        // sample i is recorded at i steps
        const double seit = aufgezeichnet ? (ersterNanDurchlauf - 1) * 1e-4 : laufZustand.t;
        ASSERT_EQ(pt::boxLog().size(), 1u);
        EXPECT_EQ(pt::boxLog()[0].text, meldungFormatieren(820, 1, "Zelle", seit));
        EXPECT_NE(pt::boxLog()[0].text.find(aufgezeichnet ? "t = 0.0036 s" : "t = 0.004 s"), std::string::npos)
            << pt::boxLog()[0].text;
    }
}

// A series of 60 runs took 34 clicks on the notice, one per run that ran away, and Esc could
// not get between them: in a series or a script it comes once, when it is over, with the
// count and the first; a single permutation in free order is a run of its own. A runaway
// run ends like an abort, and the halt flag is what tells it from Esc: the series records
// it and goes on, and stops at Esc.
TEST_F(Laufende, InSerieUndSkriptKommtDerHaltHinweisEinmalNachIhremEnde)
{
    using A = Laufausgang;
    struct Fall { uint32_t modus, skript; int text, ersterLauf; };
    for (const Fall f : {Fall{modusBit::SerieLaeuft, 0, 812, 42}, Fall{0, skriptBit::Laeuft, 813, 2},
                         Fall{modusBit::SerieLaeuft | modusBit::FreieReihenfolge, 0, 820, 0}}) {
        SCOPED_TRACE(f.text);
        pt::zuruecksetzen();
        std::tie(modusStatus, skriptStatus) = std::tuple(f.modus, f.skript);
        std::vector<size_t> boxenNachLauf;
        std::vector<std::pair<A, bool>> ausgaenge;
        // a whole run, two that run away, one that Esc stops, one that runs away again
        for (int lauf = 1; lauf <= 5; ++lauf) {
            restzeit.permutationsNummer = 40 + lauf;
            skriptLaufwerte.lauf = lauf - 1;
            durchlaeufe = 0;
            laufHaken.synapsen = lauf == 1 ? +[] { ++durchlaeufe; }
                                 : lauf == 4 ? +[] {
                                       if (++durchlaeufe == 5)
                                           laufZustand.abbrechen = 1;   // the key in the run
                                   }
                                             : nanAbDurchlauf;
            if (f.text == 820 && lauf != 1 && lauf != 4)
                pt::boxAntworten({plattform::antwort::Ok});
            ausgaenge.emplace_back(simulationStarten(), laufAngehalten);
            boxenNachLauf.push_back(pt::boxLog().size());
        }
        EXPECT_EQ(ausgaenge, (std::vector<std::pair<A, bool>>{{A::Beendet, false}, {A::Abgebrochen, true},
                                                                {A::Abgebrochen, true}, {A::Abgebrochen, false},
                                                                {A::Abgebrochen, true}}));
        pt::boxAntworten({plattform::antwort::Ok});
        entgleisteLaeufeMelden();
        entgleisteLaeufeMelden();   // the count starts afresh
        if (f.text == 820) {
            EXPECT_EQ(boxenNachLauf, (std::vector<size_t>{0, 1, 2, 2, 3}));
            EXPECT_EQ(pt::boxLog().back().text, meldungFormatieren(820, 1, "Zelle", laufZustand.t));
            continue;
        }
        EXPECT_EQ(boxenNachLauf, (std::vector<size_t>{0, 0, 0, 0, 0}));
        ASSERT_EQ(pt::boxLog().size(), 1u);
        EXPECT_EQ(pt::boxLog()[0].text, meldungFormatieren(f.text, 3, f.ersterLauf, 1, "Zelle", laufZustand.t));
    }
}

// the part not computed was drawn as a flat line at the top edge: the no-data fill as data
TEST_F(Laufende, KurveEndetNachDemAnhaltenWoIhreZahlenEnden)
{
    somaImFenster();
    laufHaken.synapsen = nanAbDurchlauf;
    pt::boxAntworten({plattform::antwort::Ok});
    simulationStarten();
    DiagrammDaten& d = zelle->hauptDiagramm;
    const KurvenDaten& soma = d.kurven[kurve::Soma];
    // the recorded count outlives the run driver's preparation and a later one (a zoom)
    for (int vorbereitung = 0; vorbereitung < 2; ++vorbereitung) {
        SCOPED_TRACE(vorbereitung);
        EXPECT_EQ(soma.werteAnzahl, 40);
        ASSERT_GT(soma.punktAnzahl, 0);
        int rechts = 0;
        for (int i = 0; i < soma.punktAnzahl; ++i)
            rechts = std::max(rechts, soma.punkte[2 * i]);
        // the line ends at the last sample that is a number: 36 of the run's 100 steps
        const double anteil = static_cast<double>(rechts - d.xRand) / d.plotBreite;
        EXPECT_GT(anteil, 0.3);
        EXPECT_LT(anteil, 0.37);
        kurvenVorbereiten(&d, -1);
    }
}
