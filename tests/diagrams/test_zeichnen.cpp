// tests/diagrams/test_zeichnen.cpp - the painter: ticks, labels, grid lines, stimulus marks
// and curves as the calls of one paint, the notices it keeps out of the paint, and the open
// windows during and after a run
#include "diagramm_hilfe.h"
#include "files/netzdatei.h"
#include "model/laufstart.h"
#include "model/stromreiz.h"
#include <set>

namespace {

using Art = pt::ZeichenArt;
constexpr plattform::Farbe oliv = 0x008080, braun = plattform::rgbFarbe(128, 64, 32);

// the soma curve's last polyline in the window's last paint: its right end, or -1
int rechtesEnde(plattform::Fenster f)
{
    const Aufrufe kurven = DiagrammFall::mit(pt::letzteZeichnung(f), Art::Polylinie, braun);
    return kurven.empty() || kurven.back().punkte.empty() ? -1 : kurven.back().punkte.back().x;
}

int schritt = 0;
plattform::Fenster beobachtet = nullptr;
std::vector<int> enden;            // the curve's right end as the pump painted it, every 100 steps

struct Zeichnen : GezeigtFall {
    // the column of a time in the plot of the run's 0.1 s
    int spalte(double t) const { return d->xRand + static_cast<int>(std::lround(t * d->plotBreite * 10)); }
};

} // namespace

TEST_F(Zeichnen, TicksUndBeschriftungenNachDickeSchriftgroesseAbstandUndUrsprung)
{
    const struct {
        const char* was;
        int tickDicke, schrift, ursprung;
        double dauer, xTick, minY, maxY, yTick;
        std::vector<std::string> enthalten, fehlen;
    } faelle[] = {
        {"no tick width: no ticks, no labels", 0, 8, 0, 0.1, 0.02, -100, 50, 30, {}, {"30", "0.020"}},
        {"no font size: ticks without labels", 1, 0, 0, 0.1, 0.02, -100, 50, 30, {}, {"30", "0.020"}},
        {"value spacing 1: whole numbers", 1, 8, 0, 0.1, 0.02, -10, 5, 1.0, {"5", "-9"}, {"0", "5.0"}},
        {"value spacing 0.5: one place", 1, 8, 0, 0.1, 0.02, -2, 2, 0.5, {"1.5", "-0.5"}, {"0.0"}},
        {"spacing 0.01: four places", 1, 8, 0, 0.1, 0.01, -100, 50, 30, {"0.0100", "0.1000"}, {"0.0000"}},
        {"spacing 0.05: three places", 1, 8, 0, 1.0, 0.05, -100, 50, 30, {"0.050", "1.000"}, {"0.000"}},
        {"spacing 0.2: two places", 1, 8, 0, 1.0, 0.2, -100, 50, 30, {"0.20", "1.00"}, {"0.00"}},
        {"both origins labelled", 1, 8, 3, 0.1, 0.02, -100, 50, 30, {"0", "0.000"}, {}},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.was);
        laufzeitSetzen(f.dauer, 0.001);
        d->tickDicke = f.tickDicke;
        d->tickFontSize = f.schrift;
        d->ursprungBeschriften = f.ursprung;
        d->maxX = f.dauer;
        d->xTickIntervallWirksam = f.xTick;
        d->minY = f.minY;
        d->maxY = f.maxY;
        d->yTickIntervall = f.yTick;
        diagrammLayoutBerechnen(n, d, 0);
        const Aufrufe aufrufe = malen(d->fenster);
        std::set<std::string> t;
        for (const pt::ZeichenAufruf& a : aufrufe)
            t.insert(a.text);
        for (const std::string& s : f.enthalten)
            EXPECT_TRUE(t.count(s)) << s;
        for (const std::string& s : f.fehlen)
            EXPECT_FALSE(t.count(s)) << s;
        EXPECT_EQ(mit(aufrufe, Art::Linie, oliv).empty(), f.tickDicke == 0);
    }
}

TEST_F(Zeichnen, VertikaleGitterlinienNegativerOderWinzigerAbstandHoechstensEineJeSpalte)
{
    d->hilfslinien = d->vertikaleHilfslinien = 1;
    const struct { double abstand; size_t linien; } faelle[] = {
        {0.01, 11},                                      // 0, 0.01, ..., 0.1
        {-0.01, 11},                                     // the same lines, not a walk off to the left
        {1e-12, 0},                                      // one per column, not 1e11 rounds
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.abstand);
        d->abstandVertikalerLinien = f.abstand;
        const Aufrufe gitter = mit(malen(d->fenster), Art::Linie, d->linienFarbe);
        std::set<int> spalten;
        for (const pt::ZeichenAufruf& a : gitter) {
            EXPECT_EQ(std::make_tuple(a.punkte[0].x, a.punkte[0].y),
                      std::make_tuple(a.punkte[1].x, d->yAchseUnten[1]));
            spalten.insert(a.punkte[0].x);
        }
        EXPECT_EQ(spalten.size(), gitter.size());       // never two in one column
        EXPECT_EQ(gitter.size(), f.linien ? f.linien : static_cast<size_t>(d->plotBreite) + 1);
        EXPECT_EQ(std::make_tuple(*spalten.begin(), *spalten.rbegin()),
                  std::make_tuple(d->xRand, d->xRand + d->plotBreite));
    }
}

TEST_F(Zeichnen, DefinierteGitterlinienAuchOhneTicksReizmarkenAlsBalkenUndKurvenNurMitDaten)
{
    d->tickDicke = 0;
    d->hilfslinien = d->horizontaleHilfslinien = d->vertikaleHilfslinien = 1;
    d->definierteHorizontaleHilfslinie = d->definierteVertikaleHilfslinie = 1;
    d->abstandHorizontalerLinien = -50.0;
    d->abstandVertikalerLinien = 0.05;
    n->stromreizMarken = {1, {{0.02, 0.01, 1, {}}, {0.06, 0.01, 0, {}}}, 0x00FF00, 5};
    werte(*d, kurve::Soma, std::vector<float>(100, 10.0f));
    d->kurven[kurve::Soma].dicke = 1;
    d->kurven[kurve::Soma].hervorheben = 1;
    // a stimulus curve of the soma whose stimulus is off, and a shown slot without data
    werte(*d, 12, std::vector<float>(100, 0.0f));
    d->kurven[12].stromreizSegment = 1;
    d->kurven[12].farbe = 0x0000FF;
    werte(*d, 13, {});
    d->kurven[13].farbe = 0x00FFFF;
    const Aufrufe aufrufe = malen(d->fenster);
    const Aufrufe gitter = mit(aufrufe, Art::Linie, d->linienFarbe);
    ASSERT_EQ(gitter.size(), 2u);
    EXPECT_EQ(std::make_tuple(gitter[0].punkte[0].y, gitter[1].punkte[0].x),
              std::make_tuple(zeileVon(*d, -50.0), spalte(0.05)));
    // the shown mark only, from one column before its start to one after its end
    const Aufrufe balken = mit(aufrufe, Art::Rechteck, 0x00FF00);
    ASSERT_EQ(balken.size(), 1u);
    const plattform::Rechteck& r = balken[0].rechteck;
    EXPECT_EQ(std::make_tuple(r.links, r.oben, r.unten, n->stromreizMarken.marken[0].r.links),
              std::make_tuple(spalte(0.02) - 1, d->yRand + 5, d->yRand + d->plotHoehe - 5, r.links));
    // the soma curve (width + 1) x 2 wide while highlighted; nothing of the other two
    const Aufrufe soma = mit(aufrufe, Art::Polylinie, braun);
    ASSERT_EQ(soma.size(), 1u);
    EXPECT_EQ(std::make_tuple(soma[0].zustand.stift.breite, d->kurven[12].punktAnzahl),
              std::make_tuple(4, 0));
    EXPECT_TRUE(mit(aufrufe, Art::Polylinie, 0x0000FF).empty());
    EXPECT_TRUE(mit(aufrufe, Art::Polylinie, 0x00FFFF).empty());
    // switched on, the stimulus curve is drawn
    n->stromreize[0].schalter1 = 1;
    kurvePunkteBerechnen(d, 12);
    EXPECT_EQ(mit(malen(d->fenster), Art::Polylinie, 0x0000FF).size(), 1u);
}

TEST_F(Zeichnen, MeldungenKommenNachDemZeichnenUndNurEinmal)
{
    // a window without a diagram: the notice waits, also when painted twice
    plattform::Fenster fremd =
        plattform::fensterErzeugen(meldungsTexte[12], "x", plattform::stil::Hauptfenster, 0, 0, 300, 200);
    diagrammZeichnen(fremd);
    diagrammZeichnen(fremd);
    EXPECT_TRUE(pt::boxLog().empty());
    // the next paint of a diagram window has it shown once it is over
    pt::boxAntworten({plattform::antwort::Ok});
    plattform::ungueltigMachen(d->fenster);
    plattform::nachrichtenVerarbeiten();
    EXPECT_FALSE(pt::letzteZeichnung(d->fenster).empty());
    ASSERT_EQ(pt::boxLog().size(), 1u);
    EXPECT_EQ(pt::boxLog()[0].text, meldungFormatieren(77));
    zeichenMeldungenZeigen();                            // nothing left
    EXPECT_EQ(pt::boxLog().size(), 1u);
    plattform::fensterZerstoeren(fremd);
}

TEST_F(DiagrammFall, KurvenWachsenWaehrendDesLaufsUndStehenDanachGanz)
{
    // each step takes a millisecond of the clock, so the throttled pump comes in the run
    schritt = 0;
    enden.clear();
    laufHaken.synapsen = [] {
        plattform::test::uhrVorstellen(1.0, false);
        if (++schritt % 100 == 0)
            enden.push_back(rechtesEnde(beobachtet));
    };
    laufzeitSetzen(1.0, 0.001);
    diagrammLayoutBerechnen(&stdNeuron, &diagrammVorlage, 0);
    // a neuron that holds its start potential (no model step)
    NeuronDaten* a = neu(1);
    a->modellTyp = 0;
    DiagrammDaten& d = gezeigt(a);
    DiagrammDaten* weiteres = diagrammAnzeigen(a, nullptr);
    ASSERT_NE(weiteres, nullptr);
    weiteres->kurven[kurve::Soma].anzeigen = 1;
    beobachtet = d.fenster;
    ASSERT_TRUE(laufDiagrammeVorbereiten(*a));
    ASSERT_GE(simulationAusfuehren(), 1000);

    // during the run the curve grew from the left, never past the samples written; nothing
    // was painted before the first pump
    ASSERT_EQ(enden.size(), 10u);
    EXPECT_EQ(enden.front(), -1);
    EXPECT_TRUE(std::ranges::is_sorted(enden));
    for (size_t i = 0; i < enden.size(); ++i)
        EXPECT_LE(enden[i], d.xRand + d.plotBreite * static_cast<int>(i + 1) / 10 + 1) << i;
    EXPECT_GE(std::set<int>(enden.begin(), enden.end()).size(), 3u);   // grown at least twice
    const int rechts = d.xRand + d.plotBreite;
    EXPECT_LT(enden.back(), rechts - 1);
    // the finished flag in every diagram; the drivers' transfer paints the whole curves, and
    // that paint ends the new-data state
    EXPECT_EQ(std::make_tuple(d.neuZeichnen, weiteres->neuZeichnen), std::make_tuple(1, 1));
    laufKurvenUebertragen(*a);
    EXPECT_EQ(std::make_tuple(d.neuZeichnen, d.zustand & 0x8000), std::make_tuple(0, 0u));
    EXPECT_GE(rechtesEnde(d.fenster), rechts - 1);
    EXPECT_GE(rechtesEnde(weiteres->fenster), rechts - 1);
    const float wert = d.kurven[kurve::Soma].werte[500];
    EXPECT_EQ(weiteres->kurven[kurve::Soma].werte[500], wert);      // the further diagram's copy
    for (const pt::ZeichenAufruf& x : mit(pt::letzteZeichnung(d.fenster), Art::Polylinie, braun))
        EXPECT_EQ(x.punkte.front().y, zeileVon(d, wert));
}

TEST_F(DiagrammFall, NachDemLaufEinesBeispielnetzesZeigenSeineDiagrammeDieKurven)
{
    std::string name = std::string(VELNOR_TEST_DATEN) + "/../../examples/swim.gui";
    netzLoeschen();
    ASSERT_EQ(guiDateiLaden(name), 1);
    ASSERT_TRUE(pt::boxLog().empty());
    diagrammLayoutBerechnen(&stdNeuron, &diagrammVorlage, 0);
    std::vector<DiagrammDaten*> diagramme;
    for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron) {
        diagramme.push_back(&gezeigt(n));
        ASSERT_TRUE(laufDiagrammeVorbereiten(*n));
    }
    ASSERT_EQ(diagramme.size(), 2u);
    ASSERT_GT(simulationAusfuehren(), 0);
    for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron)
        laufKurvenUebertragen(*n);
    // each soma curve spans the plot; the strongly stimulated neuron's rises above 0 mV
    int ueberNull = 0;
    for (DiagrammDaten* d : diagramme) {
        const Aufrufe kurven = mit(malen(d->fenster), Art::Polylinie, braun);
        ASSERT_FALSE(kurven.empty());
        EXPECT_GE(kurven.back().punkte.back().x, d->xRand + d->plotBreite - 1);
        for (const Aufrufe::value_type& k : kurven)
            for (const auto& p : k.punkte)
                ueberNull += p.y < zeileVon(*d, 0.0);
    }
    EXPECT_GT(ueberNull, 0);
}
