// tests/diagrams/test_zeichnen.cpp - the painter: axes, ticks, labels, grid lines, stimulus
// marks and curves as the calls of one paint, and the notices it keeps out of the paint
#include "diagramm_hilfe.h"
#include "model/stromreiz.h"
#include <cmath>
#include <set>

namespace {

using Art = pt::ZeichenArt;
constexpr plattform::Farbe blau = 0xFF0000, braun = plattform::rgbFarbe(128, 64, 32);

// a neuron's main diagram in its window over a run of 0.1 s in steps of 1 ms
struct Zeichnen : DiagrammFall {
    NeuronDaten* n = nullptr;
    DiagrammDaten* d = nullptr;
    void SetUp() override
    {
        DiagrammFall::SetUp();
        laufzeitSetzen(0.1, 0.001);
        diagrammLayoutBerechnen(&stdNeuron, &diagrammVorlage, 0);   // the template's window: the run
        n = neu(1);
        n->name = "Zelle";
        d = &gezeigt(n);
    }
    // the diagram laid out again after its format changed
    void neuLegen()
    {
        diagrammLayoutBerechnen(n, d, 0);
        kurvenVorbereiten(d, -1);
    }
    int zeileVon(double wert) const
    {
        return d->yAchseUnten[1] - static_cast<int>(std::lround((wert - d->minY) * d->plotHoehe / (d->maxY - d->minY)));
    }
};

} // namespace

TEST_F(Zeichnen, AchsenBlauDieNullEinDrittelUnterDemOberenRandUndDieSomakurveBraun)
{
    werte(*d, kurve::Soma, std::vector<float>(100, -50.0f));
    const auto aufrufe = malen(d->fenster);
    // the default range -100..50 puts 0 mV a third of the way down
    EXPECT_EQ(d->minY, -100.0);
    EXPECT_EQ(d->maxY, 50.0);
    EXPECT_EQ(d->xAchseY - d->yRand, static_cast<int>(std::lround(d->plotHoehe / 3.0)));
    const auto achsen = mit(aufrufe, Art::Linie, blau);
    ASSERT_EQ(achsen.size(), 2u);
    EXPECT_EQ(achsen[0].punkte[0].x, d->xRand);
    EXPECT_EQ(achsen[0].punkte[0].y, d->xAchseY);
    EXPECT_EQ(achsen[0].punkte[1].x, d->xRand + d->plotBreite);
    EXPECT_EQ(achsen[1].punkte[0].y, d->yRand + d->plotHoehe);
    EXPECT_EQ(achsen[1].punkte[1].y, d->yRand);
    EXPECT_EQ(achsen[0].zustand.stift.breite, 2);
    // ticks in the template's tick colour, upward from the x-axis
    const auto ticks = mit(aufrufe, Art::Linie, 0x008080);
    ASSERT_FALSE(ticks.empty());
    EXPECT_EQ(ticks.back().punkte[0].y, d->xAchseY);
    EXPECT_EQ(ticks.back().punkte[1].y, d->xAchseY - 20);
    // the soma curve: one polyline at -50 mV, from the left end of the plot
    const auto kurven = mit(aufrufe, Art::Polylinie, braun);
    ASSERT_EQ(kurven.size(), 1u);
    ASSERT_EQ(kurven[0].punkte.size(), static_cast<size_t>(d->kurven[0].punktAnzahl));
    EXPECT_EQ(kurven[0].punkte.front().x, d->xRand);
    for (const plattform::Punkt& p : kurven[0].punkte)
        EXPECT_EQ(p.y, zeileVon(-50.0));
}

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
        {"a value spacing of 1: whole numbers", 1, 8, 0, 0.1, 0.02, -10, 5, 1.0, {"5", "-9"}, {"0", "5.0"}},
        {"a value spacing of 0.5: one place", 1, 8, 0, 0.1, 0.02, -2, 2, 0.5, {"1.5", "-0.5"}, {"0.0"}},
        {"a time spacing of 0.01: four places", 1, 8, 0, 0.1, 0.01, -100, 50, 30, {"0.0100", "0.1000"}, {"0.0000"}},
        {"a time spacing of 0.05: three places", 1, 8, 0, 1.0, 0.05, -100, 50, 30, {"0.050", "1.000"}, {"0.000"}},
        {"a time spacing of 0.2: two places", 1, 8, 0, 1.0, 0.2, -100, 50, 30, {"0.20", "1.00"}, {"0.00"}},
        {"both origins labelled", 1, 8, 3, 0.1, 0.02, -100, 50, 30, {"0", "0.000"}, {}},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.was);
        laufzeitSetzen(f.dauer, 0.001);
        d->tickDicke = f.tickDicke;
        d->tickFontSize = f.schrift;
        d->ursprungBeschriften = f.ursprung;
        d->minX = 0.0;
        d->maxX = f.dauer;
        d->xTickIntervallWirksam = f.xTick;
        d->minY = f.minY;
        d->maxY = f.maxY;
        d->yTickIntervall = f.yTick;
        neuLegen();
        const auto aufrufe = malen(d->fenster);
        const std::vector<std::string> t = texte(aufrufe);
        for (const std::string& s : f.enthalten)
            EXPECT_NE(std::find(t.begin(), t.end(), s), t.end()) << s;
        for (const std::string& s : f.fehlen)
            EXPECT_EQ(std::find(t.begin(), t.end(), s), t.end()) << s;
        EXPECT_EQ(mit(aufrufe, Art::Linie, 0x008080).empty(), f.tickDicke == 0);
        EXPECT_EQ(mit(aufrufe, Art::Linie, blau).size(), 2u);      // the axes always
    }
}

TEST_F(Zeichnen, DezimalstellenNachDemSchrittUndDreiFuerWerteUndWertcursor)
{
    const struct { double schritt; int stellen; } faelle[] = {{0.01, 2}, {0.025, 2}, {1.0, 0}, {0.001, 3}};
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.schritt);
        simulationsParameter.schrittweite = f.schritt;
        d->dezimalstellenVCursor = d->dezimalstellenHCursor = d->dezimalstellenWerte = 0;
        malen(d->fenster);
        EXPECT_EQ(d->dezimalstellenVCursor, f.stellen);
        EXPECT_EQ(d->dezimalstellenHCursor, 3);
        EXPECT_EQ(d->dezimalstellenWerte, 3);
    }
    d->dezimalstellenVCursor = 7;                        // a set number stays
    malen(d->fenster);
    EXPECT_EQ(d->dezimalstellenVCursor, 7);
}

TEST_F(Zeichnen, VertikaleGitterlinienNegativerOderWinzigerAbstandHoechstensEineJeSpalte)
{
    d->hilfslinien = d->vertikaleHilfslinien = 1;
    const struct { double abstand; size_t linien; } faelle[] = {
        {0.01, 11},                                      // 0, 0.01, ..., 0.1
        {-0.01, 11},                                     // the same lines: it used to run off to the left
        {1e-12, 0},                                      // one per column: it used to take 1e11 rounds
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.abstand);
        d->abstandVertikalerLinien = f.abstand;
        const auto gitter = mit(malen(d->fenster), Art::Linie, d->linienFarbe);
        std::set<int> spalten;
        for (const pt::ZeichenAufruf& a : gitter) {
            EXPECT_EQ(a.punkte[0].x, a.punkte[1].x);
            EXPECT_EQ(a.punkte[0].y, d->yAchseUnten[1]);
            spalten.insert(a.punkte[0].x);
        }
        EXPECT_EQ(spalten.size(), gitter.size());       // never two in one column
        EXPECT_EQ(gitter.size(), f.linien ? f.linien : static_cast<size_t>(d->plotBreite) + 1);
        EXPECT_EQ(*spalten.begin(), d->xRand);
        EXPECT_EQ(*spalten.rbegin(), d->xRand + d->plotBreite);
    }
}

TEST_F(Zeichnen, DefinierteGitterlinienAuchOhneTicksUndReizmarkenAlsBalken)
{
    d->tickDicke = 0;
    d->hilfslinien = d->horizontaleHilfslinien = d->vertikaleHilfslinien = 1;
    d->definierteHorizontaleHilfslinie = d->definierteVertikaleHilfslinie = 1;
    d->abstandHorizontalerLinien = -50.0;
    d->abstandVertikalerLinien = 0.05;
    n->stromreizMarken.an = 1;
    n->stromreizMarken.farbe = 0x00FF00;
    n->stromreizMarken.einzug = 5;
    n->stromreizMarken.marken = {{0.02, 0.01, 1, {}}, {0.06, 0.01, 0, {}}};
    auto aufrufe = malen(d->fenster);
    const auto gitter = mit(aufrufe, Art::Linie, d->linienFarbe);
    ASSERT_EQ(gitter.size(), 2u);
    EXPECT_EQ(gitter[0].punkte[0].y, zeileVon(-50.0));
    const int spalte = d->xRand + static_cast<int>(std::lround(0.05 * d->plotBreite / 0.1));
    EXPECT_EQ(gitter[1].punkte[0].x, spalte);
    // the shown mark only, from one column before its start to one after its end
    const auto balken = mit(aufrufe, Art::Rechteck, 0x00FF00);
    ASSERT_EQ(balken.size(), 1u);
    const plattform::Rechteck& r = n->stromreizMarken.marken[0].r;
    EXPECT_EQ(r.links, d->xRand + static_cast<int>(std::lround(0.02 * d->plotBreite / 0.1)) - 1);
    EXPECT_EQ(r.oben, d->yRand + 5);
    EXPECT_EQ(r.unten, d->yRand + d->plotHoehe - 5);
    EXPECT_EQ(balken[0].rechteck.links, r.links);
    EXPECT_EQ(balken[0].zustand.pinsel, 0x00FF00u);
    // a script result hides marks and curves
    werte(*d, kurve::Soma, std::vector<float>(100, 0.0f));
    skriptStatus = skriptBit::KeineReizZeichnung;
    aufrufe = malen(d->fenster);
    EXPECT_TRUE(mit(aufrufe, Art::Rechteck, 0x00FF00).empty());
    EXPECT_TRUE(mit(aufrufe, Art::Polylinie, braun).empty());
}

TEST_F(Zeichnen, KurvenNurMitDatenHervorgehobenBreiterUndEinAusgeschalteterReizOhnePunkte)
{
    werte(*d, kurve::Soma, std::vector<float>(100, 10.0f));
    // a stimulus curve of the soma whose stimulus is off, and a shown slot without data
    werte(*d, 12, std::vector<float>(100, 0.0f));
    d->kurven[12].stromreizSegment = 1;
    d->kurven[12].farbe = 0x0000FF;
    werte(*d, 13, {});
    d->kurven[13].farbe = 0x00FFFF;
    d->kurven[kurve::Soma].dicke = 1;
    d->kurven[kurve::Soma].hervorheben = 1;
    auto aufrufe = malen(d->fenster);
    const auto soma = mit(aufrufe, Art::Polylinie, braun);
    ASSERT_EQ(soma.size(), 1u);
    EXPECT_EQ(soma[0].zustand.stift.breite, 4);          // (width + 1) x 2 while highlighted
    EXPECT_TRUE(mit(aufrufe, Art::Polylinie, 0x0000FF).empty());
    EXPECT_EQ(d->kurven[12].punktAnzahl, 0);
    EXPECT_TRUE(mit(aufrufe, Art::Polylinie, 0x00FFFF).empty());
    // switched on, the stimulus curve is drawn
    n->stromreize[0].schalter1 = 1;
    kurvePunkteBerechnen(d, 12);
    aufrufe = malen(d->fenster);
    EXPECT_EQ(mit(aufrufe, Art::Polylinie, 0x0000FF).size(), 1u);
}

TEST_F(Zeichnen, DasEndeEinesLaufsBeendetDenNeueDatenZustandBeimNaechstenZeichnen)
{
    d->zustand = 0x8000 | 0x10000;
    malen(d->fenster);                                   // not the foreground window: 0x4000 comes and goes
    EXPECT_EQ(d->zustand, 0x18000u);
    d->neuZeichnen = 1;
    malen(d->fenster);
    EXPECT_EQ(d->zustand, 0x10000u);
    EXPECT_EQ(d->neuZeichnen, 0);
}

TEST_F(Zeichnen, MeldungenKommenNachDemZeichnenUndNurEinmal)
{
    // a window without a diagram: the notice waits, also when painted twice
    plattform::Fenster fremd = plattform::fensterErzeugen(meldungsTexte[12], "x", plattform::stil::Hauptfenster,
                                                          0, 0, 300, 200);
    diagrammZeichnen(fremd);
    diagrammZeichnen(fremd);
    EXPECT_TRUE(pt::boxLog().empty());
    // the next paint of a diagram window has it shown once it is over
    pt::boxAntworten({plattform::antwort::Ok});
    plattform::ungueltigMachen(d->fenster);
    plattform::nachrichtenVerarbeiten();
    ASSERT_EQ(pt::boxLog().size(), 1u);
    EXPECT_EQ(pt::boxLog()[0].text, meldungFormatieren(77));
    EXPECT_FALSE(pt::letzteZeichnung(d->fenster).empty());
    zeichenMeldungenZeigen();                            // nothing left
    EXPECT_EQ(pt::boxLog().size(), 1u);
    plattform::fensterZerstoeren(fremd);
}
