// tests/diagrams/test_ablesungen.cpp - the read-outs after the curves: cursor values, the
// legend's values and AP frequency, second y-axes and their notices, event markers
#include "diagramm_hilfe.h"
#include "diagrams/ablesungen.h"

namespace {

using Art = pt::ZeichenArt;
int geoeffnet = 0;   // openings of the second-axis dialog

struct Ablesungen : GezeigtFall {
    KurvenDaten* soma = nullptr;
    void SetUp() override
    {
        GezeigtFall::SetUp();
        laufzeitSetzen(0.5, 0.001);
        d->maxX = 0.5;
        d->legendeFontSize = 8;
        diagrammLayoutBerechnen(n, d, 0);
        // at rest, two potentials falling back below the threshold at 0.200 and 0.250 s
        std::vector<float> w(400, -65.0f);
        std::fill(w.begin() + 190, w.begin() + 200, 0.0f);
        std::fill(w.begin() + 240, w.begin() + 250, 0.0f);
        werte(*d, kurve::Soma, w);
        soma = &d->kurven[kurve::Soma];
        soma->bezeichnung = "Soma";
        soma->dimension = "mV";
        geoeffnet = 0;
        zweiteYAchseDialogOeffnen = [](DiagrammDaten&) -> intptr_t { return ++geoeffnet, 2; };
    }
    void TearDown() override
    {
        zweiteYAchseDialogOeffnen = nullptr;
        zeitmessung = {};
        GezeigtFall::TearDown();
    }
    // the texts of one paint with the row they were written at
    std::vector<std::pair<std::string, int>> texte()
    {
        std::vector<std::pair<std::string, int>> t;
        for (const pt::ZeichenAufruf& a : malen(d->fenster))
            if (a.art == Art::Text)
                t.emplace_back(a.text, a.punkte[0].y);
        return t;
    }
    bool hat(const std::string& s) { return std::ranges::count(texte(), s, &std::pair<std::string, int>::first) > 0; }
};

} // namespace

TEST_F(Ablesungen, CursorZeitenLegendenwertUndApFrequenzNurInnerhalbDerWerte)
{
    d->vCursorZustand = 4;
    d->zweiterVCursor = d->werteInLegende = d->apFrequenzAnzeigen = 1;
    d->hCursorZustand = 1;
    // two special curves after the soma: divided by their factor unless their unit is of mol;
    // the AP frequency only on the first line that qualifies
    for (const auto& [slot, name, einheit] : {std::tuple{kurve::Kalium, "K", "nA"}, {kurve::Calcium, "Ca", "mmol"}}) {
        werte(*d, slot, std::vector<float>(400, 6.0f));
        d->kurven[slot].referenz = kurvenReferenz::Spezial, d->kurven[slot].faktor = 2.0;
        d->kurven[slot].bezeichnung = name, d->kurven[slot].dimension = einheit;
    }
    const struct { double t1, t2, schritt; int stellen; std::vector<std::string> texte; } faelle[] = {
        {0.15, 0.3, 0.001, 3,
         {"0.150", "0.300", "Soma     -65 mV          APs: 20.0 Hz        ", "-65.000", "K     3 nA       ",
          "Ca     6 mmol       "}},
        {0.45, 0.3, 0.001, 3, {"0.450", "Soma   APs: --- Hz        "}},      // beyond the samples
        {0.3, 0.3004, 0.001, 40, {"Soma     -65 mV       ", "-65.000000000000000"}},   // closer than a step
        {0.15, 0.3, 0.0, 3, {"Soma   APs: --- Hz        "}},                         // no step
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.t1);
        simulationsParameter.schrittweite = f.schritt;
        d->vCursor1 = f.t1, d->vCursor2 = f.t2, d->hCursor1 = d->hCursor2 = -65.0;
        d->dezimalstellenHCursor = f.stellen;
        const int objekte = pt::zeichenObjekteLebend();
        const auto t = texte();
        for (const std::string& s : f.texte)
            EXPECT_TRUE(std::ranges::count(t, s, &std::pair<std::string, int>::first)) << s;
        EXPECT_EQ(pt::zeichenObjekteLebend(), objekte);
    }
    EXPECT_EQ(d->apAnzahl, 0);
}

TEST_F(Ablesungen, ZweiteAchseNachAnzahlUndFehlerhafteAchseMeldetSichEinmalNachDemZeichnen)
{
    soma->eigeneYAchse = 1, soma->anzahlTicks = 3, soma->minY = -10, soma->maxY = 10, soma->xPos = 50;
    soma->tickLaenge = 10, soma->farbe = 0x0000FF;
    std::vector<int> zeilen;
    for (const pt::ZeichenAufruf& a : mit(malen(d->fenster), Art::Linie, 0x0000FF))
        if (a.punkte[0].y == a.punkte[1].y)
            zeilen.push_back(a.punkte[0].y);
    const int unten = d->yAchseUnten[1], oben = d->yAchseOben[1];
    EXPECT_EQ(zeilen, (std::vector<int>{unten, unten - pixelWert(d->plotHoehe / 2.0), oben}));
    EXPECT_TRUE(hat("-10") && hat("0") && hat("10"));
    const struct { int fest, anzahl; double abstand, min, max; int meldung; } faelle[] = {
        {1, 0, 0.0, -10, 10, 823},
        {1, 0, 1.0, 5, 5, 823},           // no range: no finite spacing
        {0, 1000000000, 1.0, -10, 10, 823},   // more ticks than rows
        {1, 0, 0.1, -10, 10, 824},        // 200 labels
        {1, 0, -1.0, -10, 10, 824},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.meldung + f.abstand);
        soma->festerTickAbstand = f.fest, soma->anzahlTicks = f.anzahl, soma->tickAbstand = f.abstand;
        soma->minY = f.min, soma->maxY = f.max;
        const size_t boxen = pt::boxLog().size();
        geoeffnet = 0;
        pt::boxAntworten({plattform::antwort::Ok});
        malen(d->fenster);
        EXPECT_EQ(pt::boxLog().size(), boxen);           // nothing inside the paint
        plattform::nachrichtenVerarbeiten();
        malen(d->fenster);
        plattform::nachrichtenVerarbeiten();
        ASSERT_EQ(pt::boxLog().size(), boxen + 1);
        const std::string& text = pt::boxLog().back().text;
        EXPECT_NE(text.find("\"Soma\""), std::string::npos);
        EXPECT_EQ(text.substr(0, 40), meldungsTexte[f.meldung].substr(0, 40));
        EXPECT_EQ(geoeffnet, 1);
    }
}

TEST_F(Ablesungen, EreignismarkenWechselnIhreHoeheUndTragenNummerUndZeit)
{
    diagrammOptionen.ereignisseAlsLinien = 1;
    zeitmessung.ereignisZeiten = {0.2, 0.3, 0.5, 0.0};   // the last not after minX
    zeitmessung.erkennungsOptionen = erkennungsBit::Nummer | erkennungsBit::Zeit;
    const int oben = d->yAchseOben[1];
    const struct { int reihen; std::vector<std::pair<std::string, int>> marken; } faelle[] = {
        {1, {{"1: 0.200000", oben}, {"2: 0.300000", oben + 20}, {"3: 0.500000", oben}}},
        {-1, {{"1: 0.200000", oben}, {"2: 0.300000", oben}, {"3: 0.500000", oben}}},   // no i mod 0
    };
    for (const auto& f : faelle) {
        diagrammOptionen.hoeheAlternieren = f.reihen;
        std::vector<std::pair<std::string, int>> marken;
        for (const auto& t : texte())
            if (t.first.find(": ") != std::string::npos)
                marken.push_back(t);
        EXPECT_EQ(marken, f.marken);
    }
}

TEST_F(Ablesungen, EinKurzesPotentialZaehltErstEineHalbeMillisekundeNachDemAnstieg)
{
    // one sample above at 0.0200 s counts at 0.0206 s; the next falls back at 0.0420 s
    std::vector<float> w(300, -65.0f);
    w[100] = 0.0f;
    std::fill(w.begin() + 200, w.begin() + 210, 0.0f);
    werte(*d, kurve::Soma, w);
    soma->bezeichnung = "Soma";
    simulationsParameter.schrittweite = 0.0002;
    d->vCursorZustand = 2, d->zweiterVCursor = d->apFrequenzAnzeigen = 1, d->vCursor1 = 0.01, d->vCursor2 = 0.05;
    EXPECT_TRUE(hat("Soma   APs: 46.7 Hz        "));
}
