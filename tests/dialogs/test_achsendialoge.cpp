// tests/dialogs/test_achsendialoge.cpp - the second-axis range, the second-axis dialog, the
// decimal places for all diagrams, and the axis-unit and legend formatting dialogs
#include "diagrams/ablesungen.h"
#include "dialogs/achsenformat.h"
#include "dialogs/dezimalstellen.h"
#include "dialogs/legendeformat.h"
#include "dialogs/yachse2.h"
#include "reizdialog_hilfe.h"
#include "resources/vorlagen.h"

using namespace reizdialog;

namespace {

using BoxTexte = std::vector<std::string>;
BoxTexte gezeigteBoxen()
{
    BoxTexte v;
    for (const auto& b : test::boxLog())
        v.push_back(b.titel + ": " + b.text);
    return v;
}

// a diagram -60..40 with the X axis at 0, 200 rows high, over 0.1 s in steps of 1 ms; slot 0
// holds the samples given
struct Achsen : reizdialog::Fall {
    DiagrammDaten d;
    KurvenDaten& k = d.kurven[0];
    void SetUp() override
    {
        reizdialog::Fall::SetUp();
        simulationsParameter.schrittweite = 0.001, simulationsParameter.simulationsDauer = 0.1;
        d.minY = -60, d.maxY = 40, d.plotHoehe = 200, d.maxX = 0.1;
        k.punkte.resize(2);
    }
    void werte(std::vector<float> w)
    {
        k.werte = w;
        k.werteAnzahl = static_cast<int>(w.size());
    }
    intptr_t oeffnen(Schritte s)
    {
        test::dialogSkript(305, std::move(s));
        return yAchse2DialogOeffnen(d);
    }
};

} // namespace

TEST_F(Achsen, NullAufXAchseStrecktDenBereichUndLaesstRandlageUndLeereSpanneStehen)
{
    const struct { std::vector<float> w; int null, fest; double tief, ursprung, maxY, min, max; } faelle[] = {
        {{-5, 1}, 1, 0, 0, 0, 40, -5.5, 80 * 5.5 / 120},
        {{0, 4}, 1, 0, 0, 0, 40, -6.6, 4.4},
        {{0, 4}, 1, 1, -3, 0, 40, -3, 2},
        {{0, 4}, 0, 0, 0, 0, 40, 0, 4},
        {{0, 4}, 1, 1, -3, -60, 40, -3, 7},     // the X axis on the bottom edge
        {{0, 4}, 1, 0, 0, 0, -60, -3, 7},       // no value range
        {{-2, 8}, 1, 0, 0, 0, 0, -3, 7},        // both signs, the X axis on the top edge
        {std::vector<float>(300, 1.0f), 1, 0, 0, 0, 40, -3, 7},   // one value only
    };
    test::boxAntworten({antwort::Ok});
    for (const auto& f : faelle) {
        werte(f.w);
        k.nullAufXAchse = f.null, k.yAchse2Wert = f.fest, k.minY = f.tief ? f.tief : -3, k.maxY = 7;
        d.yUrsprung = f.ursprung, d.maxY = f.maxY;
        nullAufXAchsePruefen(&d, d, 0);
        EXPECT_NEAR(k.minY, f.min, 1e-9);
        EXPECT_NEAR(k.maxY, f.max, 1e-9);
    }
    EXPECT_EQ(gezeigteBoxen(), BoxTexte{"Hinweis: " + meldungsTexte[828]});
    // a window beyond the samples reads nothing
    werte({0, 4});
    d.maxY = 40, d.minX = 0.2, d.maxX = 0.3;
    nullAufXAchsePruefen(&d, d, 0);
    EXPECT_EQ(std::make_pair(k.minY, k.maxY), std::make_pair(-3.0, 7.0));
}

TEST_F(Achsen, OkPrueftAbstandTeilstricheUndBereichSkalierenBleibtNachAbbrechen)
{
    werte({2, 6});
    k.minY = 0, k.maxY = 10, k.anzahlTicks = 3, k.dicke2Achse = 1;
    test::boxAntworten({antwort::Ok, antwort::Nein, antwort::Ok});
    EXPECT_EQ(oeffnen({sch::klicken(2228), sch::tippen(1220, "0"), sch::klicken(1), fokus(1220),
                       sch::tippen(1220, "0.3"), sch::klicken(1), fokus(1220),
                       sch::tippen(1214, "10"), sch::tippen(1220, "0.5"), sch::klicken(1),
                       sch::tippen(1214, "0"), sch::klicken(2035), sch::tippen(1221, "40"), sch::klicken(1)}),
              1);
    EXPECT_EQ(gezeigteBoxen(),
              (BoxTexte{"Hinweis: " + meldungsTexte[829],
                        "SysInfo: wollen sie wirklich 33 teilstriche auf diese achse machen?",
                        "Hinweis: der angegebene Bereich von \n10.000000 bis 10.000000\nmacht keinen sinn"}));
    EXPECT_EQ(std::make_tuple(k.festerTickAbstand, k.tickAbstand, k.anzahlDezimalstellen), std::make_tuple(1, 0.5, 40));
    // "skalieren" takes the samples at once, Abbrechen keeps them
    EXPECT_EQ(oeffnen({sch::klicken(1271), texte({{1214, "2"}, {1217, "6"}}), sch::klicken(2)}), 2);
    EXPECT_EQ(std::make_pair(k.minY, k.maxY), std::make_pair(2.0, 6.0));
    // "Null auf X-Achse" with the fixed low: a low not below zero is refused, -3 gives the high 2
    werte({-1, 6});
    test::boxAntworten({antwort::Ok});
    EXPECT_EQ(oeffnen({sch::klicken(1273), sch::tippen(1214, "1"), sch::klicken(1272), sch::tippen(1214, "-3"),
                       sch::klicken(1272), texte({{1214, "-3"}, {1217, "2"}}), sch::klicken(2)}),
              2);
    EXPECT_EQ(std::make_tuple(k.minY, k.maxY, k.nullAufXAchse, k.yAchse2Wert), std::make_tuple(-3.0, 2.0, 1, 1));
    EXPECT_EQ(test::boxLog().back().text, meldungsTexte[827]);
}

TEST_F(Achsen, DezimalstellenFuerAlleErreichenJedesDiagrammMitFenster)
{
    NeuronDaten* a = neuron(1, false);
    NeuronDaten* b = neuron(2, false);
    NeuronDaten* c = neuron(3, false);
    for (NeuronDaten* n : {a, b})
        n->hauptDiagramm.fenster = fensterErzeugen("Ersatz", "D", stil::Sichtbar, 0, 0, 100, 100);
    test::dialogSkript(317, {sch::tippen(2222, "5"), sch::tippen(2226, "-2"), sch::klicken(2298), sch::klicken(1)});
    EXPECT_EQ(dezimalstellenDialogOeffnen(a->hauptDiagramm), 1);
    EXPECT_EQ(std::make_pair(b->hauptDiagramm.dezimalstellenVCursor, b->hauptDiagramm.dezimalstellenWerte),
              std::make_pair(5, -2));
    EXPECT_EQ(c->hauptDiagramm.dezimalstellenVCursor, 0);
}

TEST_F(Achsen, AchsenUndLegendeSpeichernIhreFelderAbbrechenLaesstDenSatz)
{
    const std::string lang(80, 'x');
    test::boxAntworten({antwort::Ok});
    test::dialogSkript(173, {sch::tippen(1403, lang), sch::tippen(1401, "x"), sch::tippen(1399, "7"),
                             sch::klicken(2296), sch::klicken(1),   // "x" is no number: nothing is taken
                             [this](Fenster) { EXPECT_EQ(std::tuple(d.xDimension, d.yDimensionAbstand), std::tuple("", 0)); },
                             sch::tippen(1401, "0"), sch::klicken(1)});
    test::dialogSkript(171, {sch::tippen(1422, "0"), sch::klicken(1423), sch::klicken(1)});
    test::dialogSkript(173, {sch::tippen(1403, "s"), sch::klicken(2)});
    d.dimensionSchriftgroesse = 9;
    EXPECT_EQ(dialogModal(vorlageAchsenFormat, nullptr, achsenFormatDlgProc, reinterpret_cast<intptr_t>(&d)), 1);
    EXPECT_EQ(dialogModal(vorlageLegendeFormat, nullptr, legendeFormatDlgProc, reinterpret_cast<intptr_t>(&d)), 1);
    EXPECT_EQ(dialogModal(vorlageAchsenFormat, nullptr, achsenFormatDlgProc, reinterpret_cast<intptr_t>(&d)), 2);
    EXPECT_EQ(std::make_tuple(d.xDimension, d.dimensionSchriftgroesse, d.yDimensionAbstand, d.dimensionLinks),
              std::make_tuple(lang.substr(0, 63), 0, 7, 1));
    EXPECT_EQ(std::make_pair(d.legendeFontSize, d.legendeLinksbuendig), std::make_pair(0, 1));
}
