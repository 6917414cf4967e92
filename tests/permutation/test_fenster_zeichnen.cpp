// tests/permutation/test_fenster_zeichnen.cpp - the painter of the permutation display and
// the layout of its stimulus curve and class marks, on recording surfaces
#include "fenster_hilfe.h"
#include <algorithm>

using namespace permutationstest;

namespace {

class Zeichnen : public FensterFall {
protected:
    Bild bild = nullptr;
    void TearDown() override
    {
        bildLoeschen(bild);
        FensterFall::TearDown();
    }
    // the display open on results, its diagram laid out as the cases below describe:
    // axes from x 60 (plot 500 wide, 0..2 s), the value axis from row 330 up to row 30
    void oeffnen(int anzahl)
    {
        ergebnisseLaden(anzahl);
        ASSERT_TRUE(permutationFensterErzeugen());
        nachrichtenVerarbeiten();
        DiagrammDaten& d = diagramm();
        d.xRand = 60;
        d.yRand = 30;
        d.plotBreite = 500;
        d.minX = 0.0;
        d.maxX = 2.0;
        d.yAchseX = 60;
        d.xAchseLinks = {60, 330};
        d.xAchseRechts = {560, 330};
        d.yAchseUnten = {60, 330};
        d.yAchseOben = {60, 30};
        d.tickDicke = 0;                  // no ticks unless a case asks for them
        d.hilfslinien = 0;
    }
    // one paint of the display into a recording image
    const std::vector<pt::ZeichenAufruf>& malen()
    {
        if (!bild)
            bild = bildErzeugen(700, 500);
        pt::aufrufeLeeren(bildFlaeche(bild));
        pseudo().zeichenDC = &bildFlaeche(bild);
        permutationFensterZeichnen(fenster());
        pseudo().zeichenDC = nullptr;
        return pt::aufrufe(bildFlaeche(bild));
    }
    static std::vector<pt::ZeichenAufruf> von(const std::vector<pt::ZeichenAufruf>& a, pt::ZeichenArt art)
    {
        std::vector<pt::ZeichenAufruf> r;
        std::copy_if(a.begin(), a.end(), std::back_inserter(r), [&](const pt::ZeichenAufruf& z) { return z.art == art; });
        return r;
    }
    static const pt::ZeichenAufruf* text(const std::vector<pt::ZeichenAufruf>& a, const std::string& t)
    {
        for (const pt::ZeichenAufruf& z : a)
            if (z.art == pt::ZeichenArt::Text && z.text == t)
                return &z;
        return nullptr;
    }
    static bool hatRechteck(const std::vector<pt::ZeichenAufruf>& a, Rechteck r)
    {
        for (const pt::ZeichenAufruf& z : von(a, pt::ZeichenArt::Rechteck))
            if (std::tie(z.rechteck.links, z.rechteck.oben, z.rechteck.rechts, z.rechteck.unten) ==
                std::tie(r.links, r.oben, r.rechts, r.unten))
                return true;
        return false;
    }
    void balkenEinstellen()
    {
        PermutationsFensterEinstellungen& s = permutationsFenster;
        s.balkenAbstandYAchse = 50;
        s.balkenBreiteProzent = 30;
        s.balkenUnterkante = 120;
        s.balkenMaximalHoehe = 80;
        s.balkenSockel = 10;
    }
};

} // namespace

// Bars 60 wide at x 110 and 310, tops at 40 (level 3) and 87 (level 1); a spike at 0.9 s
// from 20 above the value axis' bottom to 10 below its top; "38%" at x0, "APs: 12" at x0 + 300.
TEST_F(Zeichnen, BalkenSpikesUndZahlenzeile)
{
    oeffnen(8);
    balkenEinstellen();
    permutationsFenster.zahlenMaske = 16 | 2;
    permutationsFenster.synapsenBezeichnungAnzeigen = 0;
    PermutationsErgebnis& e = permutationsErgebnisse.ergebnisse[3];
    e.level = {3, 1};
    e.apZeiten.assign(12, 0.9f);
    e.apAnzahl = 12;
    permutationsAnzeige.position = 3;
    const auto a = malen();
    EXPECT_TRUE(hatRechteck(a, {110, 40, 170, 120}));
    EXPECT_TRUE(hatRechteck(a, {310, 87, 370, 120}));
    int spikes = 0;
    for (const pt::ZeichenAufruf& z : von(a, pt::ZeichenArt::Linie))
        if (z.punkte[0].x == 285 && z.punkte[0].y == 310 && z.punkte[1].x == 285 && z.punkte[1].y == 40) {
            ++spikes;
            EXPECT_EQ(std::pair(z.zustand.stift.breite, z.zustand.stift.farbe), std::pair(2, permutationsFenster.spikeFarbe));
        }
    EXPECT_EQ(spikes, 12);
    const int x0 = 60 + 2 * 60;
    ASSERT_NE(text(a, "38%"), nullptr);
    EXPECT_EQ(text(a, "38%")->punkte[0].x, x0);
    ASSERT_NE(text(a, "APs: 12"), nullptr);
    EXPECT_EQ(text(a, "APs: 12")->punkte[0].x, x0 + 300);
    EXPECT_EQ(text(a, "APs: 12")->punkte[0].y, 30 / 2);
}

// No bars without synapses; with fewer than two levels every bar stands at its base; a level
// byte beyond the levels is kept to them; labels only for synapses the definition has.
TEST_F(Zeichnen, BalkenBleibenInIhrenGrenzen)
{
    oeffnen(2);
    balkenEinstellen();
    permutationsErgebnisse.ergebnisse[0].level = {200, 9};
    permutationsDefinition.synapsen.push_back({synapsenId(2, 1), {0.0, 1e-7}});
    permutationsFenster.zahlenMaske = 0;
    auto a = malen();
    EXPECT_TRUE(hatRechteck(a, {110, 110, 170, 120}));   // 200 read signed is below 0: level 0
    EXPECT_TRUE(hatRechteck(a, {310, 40, 370, 120}));    // 9 of 4 levels: the top one
    EXPECT_NE(text(a, "Sensor links"), nullptr);
    EXPECT_EQ(von(a, pt::ZeichenArt::Text).size(), 1u);   // the second synapse is none of the definition's

    permutationsErgebnisse.levelAnzahl = 1;
    a = malen();
    EXPECT_TRUE(hatRechteck(a, {110, 110, 170, 120}));
    EXPECT_TRUE(hatRechteck(a, {310, 110, 370, 120}));

    permutationsErgebnisse.synapsenAnzahl = 0;
    a = malen();
    EXPECT_TRUE(von(a, pt::ZeichenArt::Rechteck).empty());
}

// A tick step that is no number, zero or finer than a pixel, or an empty time range, draws
// no ticks; the axes still stand.
TEST_F(Zeichnen, UnbrauchbareSchritteZeichnenKeineTicks)
{
    oeffnen(1);
    permutationsFenster.levelBalkenAnzeigen = 0;
    DiagrammDaten& d = diagramm();
    d.tickDicke = 1;
    auto linien = [&] { return von(malen(), pt::ZeichenArt::Linie).size(); };
    d.xTickIntervallWirksam = std::nan("");
    d.yPixelProTick = 0.0;
    const size_t ohne = linien();
    EXPECT_EQ(ohne, 2u + 1u);                             // the two axes and the spike
    d.xTickIntervallWirksam = 1e-9;
    d.xPixelProTick = 500 * 1e-9 / 2.0;
    EXPECT_EQ(linien(), ohne);
    d.xTickIntervallWirksam = 0.4;
    d.xPixelProTick = 100.0;
    d.maxX = d.minX;
    EXPECT_EQ(linien(), ohne);
    d.maxX = 2.0;
    d.xUrsprung = 0.0;
    d.xTickY1 = 330, d.xTickY2 = 340;
    EXPECT_EQ(linien(), ohne + 6);                        // 0, 0.4, ... 2.0
}

// With nothing loaded the paint draws nothing and opens no box; message 39 comes once after
// it, not again with the next paint. Two paints leave no drawing object behind.
TEST_F(Zeichnen, KeineBoxImZeichnenUndKeineLeichen)
{
    ASSERT_TRUE(permutationFensterErzeugen());
    const size_t boxen = pt::boxLog().size();
    if (!bild)
        bild = bildErzeugen(100, 100);
    pseudo().zeichenDC = &bildFlaeche(bild);
    permutationFensterZeichnen(fenster());
    pseudo().zeichenDC = nullptr;
    EXPECT_TRUE(pt::aufrufe(bildFlaeche(bild)).empty());
    EXPECT_EQ(pt::boxLog().size(), boxen);
    pt::boxAntworten({antwort::Ok});
    ungueltigMachen(fenster());
    nachrichtenVerarbeiten();
    ASSERT_EQ(pt::boxLog().size(), boxen + 1);
    EXPECT_EQ(pt::boxLog().back().text, meldungsTexte[39]);
    ungueltigMachen(fenster());
    nachrichtenVerarbeiten();
    EXPECT_EQ(pt::boxLog().size(), boxen + 1);
    EXPECT_FALSE(programmEndet());

    // a window without a diagram: notice 77 waits for the procedure, the paint draws nothing
    ergebnisseLaden(1);
    pseudo().zeichenDC = &bildFlaeche(bild);
    permutationFensterZeichnen(haupt());
    pseudo().zeichenDC = nullptr;
    EXPECT_EQ(permutationsAnzeige.ausstehendeMeldung, 77);
    EXPECT_EQ(pt::boxLog().size(), boxen + 1);
    EXPECT_TRUE(pt::aufrufe(bildFlaeche(bild)).empty());
    pt::boxAntworten({antwort::Ok});
    ungueltigMachen(fenster());
    nachrichtenVerarbeiten();
    EXPECT_EQ(pt::boxLog().back().text, meldungsTexte[77]);

    ergebnisseLaden(3);
    permutationsFenster.zahlenMaske = 31;
    neuZeichnen(fenster());
    ungueltigMachen(fenster());
    neuZeichnen(fenster());
    const int lebend = pt::zeichenObjekteLebend();
    ungueltigMachen(fenster());
    neuZeichnen(fenster());
    EXPECT_EQ(pt::zeichenObjekteLebend(), lebend);
    EXPECT_FALSE(pt::letzteZeichnung(fenster()).empty());
}

// The class frequencies take no more values than both the result and the table have.
TEST_F(Zeichnen, FrequenzenNurFuerVorhandeneKlassenwerte)
{
    oeffnen(1);
    permutationsFenster.levelBalkenAnzeigen = 0;
    permutationsFenster.zahlenMaske = 8;
    analyseKlassen = klassen({0.0f, 0.5f, 1.0f});
    analyseKlassen[1].gewicht = 0.0f;
    permutationsErgebnisse.ergebnisse[0].klassenWerte = {4.0f, 5.0f};
    const auto a = malen();
    EXPECT_NE(text(a, "Freq:"), nullptr);
    EXPECT_NE(text(a, "4.0"), nullptr);
    EXPECT_EQ(text(a, "5.0"), nullptr);                   // its class weighs nothing
    EXPECT_EQ(von(a, pt::ZeichenArt::Text).size(), 2u);

    // a row of many values keeps to 64 texts of at most 31 bytes
    std::vector<float> werte(200, 123456789.0f);
    permutationsErgebnisse.ergebnisse[0].klassenWerte = werte;
    analyseKlassen = Klassentabelle(200);
    for (Analyseklasse& k : analyseKlassen)
        k.gewicht = 1.0f;
    permutationsErgebnisse.ergebnisse[0].zusatzWerte.assign(3, 1e30f);
    const auto b = malen();
    const auto texte = von(b, pt::ZeichenArt::Text);
    EXPECT_EQ(texte.size(), 64u - 2u + 4u);               // two empty ones; the extra values' row
    for (const pt::ZeichenAufruf& t : texte)
        EXPECT_LE(t.text.size(), 31u) << t.text;
}

// ---- the stimulus curve and the class marks ----------------------------------------------

class Reizkurve : public Zeichnen {
protected:
    void einrichten()
    {
        permutationsDiagramm.fensterHoehe = 400 + 2 * pt::rahmenBreite + pt::titelHoehe + pt::menueHoehe;
        oeffnen(1);
        ASSERT_EQ(clientRechteck(fenster()).hoehe(), 400);
        PermutationsFensterEinstellungen& s = permutationsFenster;
        s.stromreizAnzeigen = 1;
        s.stromreizHoehe = 20;
        s.stromreizPosition = 5;
        s.klassenmarkenLaenge = 20;
        StromreizDefinition& r = s.stromreiz;
        r = {};
        r.beginn = 0.2, r.anstieg = 0.1, r.dach = 0.2, r.abfall = 0.1, r.pause = 0.8, r.anzahl = 2, r.amplitude = 1e-9;
        permutationsDiagramm.fenster = fenster();
    }
    std::vector<std::pair<int, int>> punkte() const
    {
        std::vector<std::pair<int, int>> p;
        for (const Punkt& q : permutationsAnzeige.reizPunkte)
            p.emplace_back(q.x, q.y);
        return p;
    }
};

TEST_F(Reizkurve, ZweiRampenpulseUndDieKlassenmarken)
{
    einrichten();
    analyseKlassen = klassen({0.0f, 0.5f, 1.2f});
    permutationsReizkurveBerechnen(diagramm());
    EXPECT_EQ(punkte(), (std::vector<std::pair<int, int>>{{60, 395}, {110, 395}, {135, 315}, {185, 315}, {210, 395},
                                                         {310, 395}, {335, 315}, {385, 315}, {410, 395}, {510, 395},
                                                         {560, 395}}));
    std::vector<int> marken;
    for (size_t i = 0; i < permutationsAnzeige.klassenMarken.size(); i += 2) {
        marken.push_back(permutationsAnzeige.klassenMarken[i].x);
        EXPECT_EQ(permutationsAnzeige.klassenMarken[i].y, 395 + 10);
        EXPECT_EQ(permutationsAnzeige.klassenMarken[i + 1].y, 395 - 10);
    }
    EXPECT_EQ(marken, (std::vector<int>{62, 187, 362, 561}));
    // painted: the curve as one polyline, four marks
    const auto a = malen();
    ASSERT_EQ(von(a, pt::ZeichenArt::Polylinie).size(), 1u);
    EXPECT_EQ(von(a, pt::ZeichenArt::Polylinie)[0].punkte.size(), 11u);
}

// A negative amplitude hangs the pulses from H - b - h down to the baseline; a pulse that
// begins after the end of the time window adds no points; one class gives no marks.
TEST_F(Reizkurve, NegativePulseUndPulseNachDemZeitfenster)
{
    einrichten();
    analyseKlassen = klassen({0.0f});
    StromreizDefinition& r = permutationsFenster.stromreiz;
    r.amplitude = -1e-9;
    r.anzahl = 1000000;
    permutationsReizkurveBerechnen(diagramm());
    const auto p = punkte();
    ASSERT_EQ(p.size(), 4u * 3u + 3u);                    // pulses at 0.2, 1.0 and 1.8 s
    EXPECT_EQ(p.front(), std::pair(60, 315));
    EXPECT_EQ(p[2], std::pair(135, 395));
    EXPECT_TRUE(permutationsAnzeige.klassenMarken.empty());
}

// A stimulus that is no ramp is said once per settings change, not at every resize; no
// pulses switch the curve off.
TEST_F(Reizkurve, NurRampenEinmalGemeldetUndOhnePulseAus)
{
    einrichten();
    permutationsFenster.stromreiz.reizart = 1;
    pt::boxAntworten({antwort::Ok});
    const size_t boxen = pt::boxLog().size();
    permutationsReizkurveBerechnen(diagramm());
    verschieben(fenster(), 10, 10, 600, 480);
    permutationsReizkurveBerechnen(diagramm());
    ASSERT_EQ(pt::boxLog().size(), boxen + 1);
    EXPECT_EQ(pt::boxLog().back().text, meldungsTexte[58]);
    permutationsFenster.stromreiz.reizart = 0;
    permutationsFenster.stromreiz.anzahl = 0;
    permutationsReizkurveBerechnen(diagramm());
    EXPECT_EQ(permutationsFenster.stromreizAnzeigen, 0);
}
