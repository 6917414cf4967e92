// tests/dialogs/test_reizkurve.cpp - a compartment's stimulus table as a reference curve of a diagram
#include "diagrams/reizkurve.h"
#include "ersatz_hauptfenster.h"
#include "model/layout.h"
#include "model/netz.h"
#include "model/simulationsparameter.h"
#include "model/simulationspruefung.h"
#include "platform/box.h"
#include "texts/texte.h"
#include <vector>

using namespace plattform;

namespace {

struct Reizkurve : ersatz::Fall {
    NeuronDaten* n = nullptr;
    DiagrammDaten* d = nullptr;

    void SetUp() override
    {
        netzLoeschen();
        ersatz::Fall::SetUp();
        laufzeitSetzen(0.001, 1e-4);   // ten steps
        simulationsParameter.netzwerktyp = 3;
        simulationsParameter.anzahlSegmente = 3;
        n = neuronNeu(1, 0);
        ASSERT_TRUE(n);
        ++neuronKette.anzahl;
        neuronKette.hoechsteNummer = 1;
        ASSERT_TRUE(kompartimenteAnpassen(*n, 3));
        d = &n->hauptDiagramm;
        diagrammLayoutBerechnen(&stdNeuron, &diagrammVorlage, 0);
        diagrammLayoutBerechnen(n, d, 1);
        d->fenster = fensterErzeugen("Ersatz", "Diagramm", stil::Hauptfenster | stil::Sichtbar, 0, 0, 400, 300);
        d->minY = -100.0;
        d->maxY = 100.0;
    }
    void TearDown() override
    {
        netzLoeschen();
        ersatz::Fall::TearDown();
    }
    // the points of compartment c's table, the end point at the run end
    void tabelle(int c, std::vector<double> zeiten, std::vector<double> stroeme)
    {
        StromTabelle& t = n->stromTabellen[static_cast<size_t>(c)];
        t.startzeiten = std::move(zeiten);
        t.stromwerte = std::move(stroeme);
        t.anzahlPunkte = static_cast<int>(t.startzeiten.size());
    }
    std::vector<float> proben(int slot) const
    {
        const KurvenDaten& k = d->kurven[static_cast<size_t>(slot)];
        return std::vector<float>(k.werte.begin(), k.werte.begin() + std::min<size_t>(10, k.werte.size()));
    }
};

} // namespace

// the samples were the bit patterns of integers
TEST_F(Reizkurve, StufenImUnterstenViertelAlsGleitkommaprobenEinTabellenpunktJeSchritt)
{
    // 2 nA from step 2, 1 nA from step 3 (its point lies in step 2 too), nothing from step 5
    tabelle(1, {0.0, 0.00015, 0.00016, 0.00045, 0.001}, {0.0, 2e-9, 1e-9, 0.0, 0.0});
    d->kurven[12].stromreizSegment = 2;   // bound already: no curve dialog
    stromreizReferenzkurveAnzeigen(d->fenster, 1, 12);
    const KurvenDaten& k = d->kurven[12];
    EXPECT_EQ(proben(12), (std::vector<float>{-100, -100, -50, -75, -75, -100, -100, -100, -100, -100}));
    EXPECT_EQ(std::make_tuple(k.anzeigen, k.referenz, k.stromreizSegment, k.bezeichnung),
              std::make_tuple(1, int{kurvenReferenz::Kopie}, 2, meldungsTexte[745]));
    EXPECT_TRUE(test::boxLog().empty());
}

TEST_F(Reizkurve, OhneReizOhneSpanneOhneKompartimentOderNeuronBleibtDerSlotLeer)   // a table above n was taken
{
    const struct { const char* was; int c, segmente, neuronId; std::vector<double> stroeme; std::string box; } faelle[] = {
        {"all currents equal", 0, 3, 1, {0.0, 0.0, 0.0, 0.0}, ""},
        {"three points", 0, 3, 1, {0.0, 1e-9, 0.0}, ""},
        {"compartment 2 of a neuron with one segment", 2, 1, 1, {0.0, 1e-9, 0.0, 0.0}, ""},
        {"no neuron of the diagram's number", 0, 3, 99, {0.0, 1e-9, 0.0, 0.0}, meldungsTexte[506]},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.was);
        const size_t boxen = test::boxLog().size();
        ASSERT_TRUE(kompartimenteAnpassen(*n, f.segmente));
        if (f.c < static_cast<int>(n->stromTabellen.size()))
            tabelle(f.c, std::vector<double>(f.stroeme.size(), 0.0001), f.stroeme);
        tabelle(0, std::vector<double>(f.stroeme.size(), 0.0001), f.stroeme);
        d->neuronId = f.neuronId;
        d->kurven[12] = {};
        if (!f.box.empty())
            test::boxAntworten({antwort::Ok});
        stromreizReferenzkurveAnzeigen(d->fenster, f.c, -1);
        EXPECT_EQ(std::make_tuple(d->kurven[12].anzeigen, d->kurven[12].werte.size()), std::make_tuple(0, 0u));
        EXPECT_EQ(test::boxLog().size() > boxen ? test::boxLog().back().text : "", f.box);
    }
}

TEST_F(Reizkurve, ErsterFreierSlotNeueReizkurveOeffnetDenKurvendialogOhneFreienSlotEinHinweis)
{
    tabelle(0, {0.0, 0.0002, 0.0004, 0.001}, {0.0, 1e-9, 0.0, 0.0});
    d->kurven[0].anzeigen = d->kurven[1].anzeigen = 1;
    test::boxAntworten({antwort::Ok});           // the curve dialog is not there yet and says so
    stromreizReferenzkurveAnzeigen(d->fenster, 0, -1);
    EXPECT_EQ(std::make_tuple(d->kurven[2].anzeigen, d->kurven[2].stromreizSegment, d->kurven[2].bezeichnung),
              std::make_tuple(1, 1, meldungsTexte[744]));
    ASSERT_EQ(test::boxLog().size(), 1u);
    EXPECT_EQ(test::boxLog()[0].text, meldungsTexte[886]);
    EXPECT_EQ(aktuellesDiagramm.kurvenSlot, 2);

    // every slot in use: the literal notice over the diagram, nothing changes
    for (KurvenDaten& k : d->kurven)
        k.anzeigen = 1;
    const std::vector<float> vorher = proben(2);
    test::boxAntworten({antwort::Ok});
    stromreizReferenzkurveAnzeigen(d->fenster, 0, -1);
    ASSERT_EQ(test::boxLog().size(), 2u);
    EXPECT_EQ(test::boxLog()[1].text, "kein freier platz fuer eine referenzkurve. eine der referenzen loeschen!!!");
    EXPECT_EQ(test::boxLog()[1].titel, "Hinweis");
    EXPECT_EQ(proben(2), vorher);

    // inside a paint the notice goes to the painter
    std::string meldung;
    stromreizReferenzkurveAnzeigen(d->fenster, 0, -1, &meldung);
    EXPECT_EQ(meldung, "kein freier platz fuer eine referenzkurve. eine der referenzen loeschen!!!");
    EXPECT_EQ(test::boxLog().size(), 2u);
}
