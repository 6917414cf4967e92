// tests/dialogs/test_stromreiz.cpp - the legacy stimulus dialog (132), the stimulus marker (152)
// and a compartment's stimulus table as a reference curve of a diagram
#include "diagrams/reizkurve.h"
#include "dialogs/stromreiz.h"
#include "model/layout.h"
#include "reizdialog_hilfe.h"

using namespace reizdialog;

namespace {

// Four neurons, run for ten steps; the first has a diagram window that shows -100..100.
struct Stromreiz : reizdialog::Fall {
    std::vector<NeuronDaten*> n;
    DiagrammDaten* d = nullptr;

    void SetUp() override
    {
        reizdialog::Fall::SetUp();
        laufzeitSetzen(0.001, 1e-4);
        editierStatus = editierBit::MarkierteZiehen;
        for (int i = 1; i <= 4; ++i)
            n.push_back(neuron(i, false));
        d = &n[0]->hauptDiagramm;
        diagrammLayoutBerechnen(&stdNeuron, &diagrammVorlage, 0);
        diagrammLayoutBerechnen(n[0], d, 1);
        d->fenster =
            fensterErzeugen("Ersatz", "Diagramm", stil::Hauptfenster | stil::Sichtbar, 0, 0, 400, 300);
        std::tie(d->minY, d->maxY) = std::pair(-100.0, 100.0);
    }
    void TearDown() override
    {
        editierStatus = 0;
        reizdialog::Fall::TearDown();
    }
    // the first neuron's table of compartment c, the end point at the run end
    void tabelle(int c, std::vector<double> zeiten, std::vector<double> stroeme)
    {
        StromTabelle& t = n[0]->stromTabellen[static_cast<size_t>(c)];
        t.anzahlPunkte = static_cast<int>(zeiten.size());
        std::tie(t.startzeiten, t.stromwerte) = std::pair(std::move(zeiten), std::move(stroeme));
    }
    std::vector<float> proben(int slot) const
    {
        const KurvenDaten& k = d->kurven[static_cast<size_t>(slot)];
        return std::vector<float>(k.werte.begin(), k.werte.begin() + std::min<size_t>(10, k.werte.size()));
    }
};

} // namespace

// Without a marked neuron both dialogs end at once. The marked neurons get the seven values
// of the dialog (a segment no neuron has is offered as 1; the two examples fill in their
// pulses); Cancel changes nothing.
TEST_F(Stromreiz, DreiMarkierteBekommenDieselbenSiebenWerteAbbrechenAendertNichts)
{
    EXPECT_EQ(stromReizDialogOeffnen(nullptr) + stromreizKennzeichnungDialogOeffnen(nullptr), 4);
    EXPECT_TRUE(test::dialogLog().empty());
    const auto altreiz = [](const NeuronDaten* x) {
        return std::make_tuple(x->somaSCStart, x->somaSCEnd, x->somaCurrent, x->dendSCStart, x->dendSCEnd,
                               x->dendCurrent, x->dendSCLocation);
    };
    n[1]->dendSCLocation = 7;
    std::tie(n[1]->somaSCStart, n[1]->somaCurrent) = std::tuple(0.25, 3e-10);
    for (int i : {1, 2, 3})
        neuronMarkieren(n[i], 1);
    const auto unmarkiert = altreiz(n[0]);
    test::boxAntworten({antwort::Ok});
    test::dialogSkript(132, {texte({{1209, "0.25"}, {1216, "3e-10"}}), fokus(1209),
                             [](Fenster d) { EXPECT_TRUE(el(d, 1220).haken); }, sch::klicken(1225),
                             sch::klicken(1226), fokus(1222), sch::klicken(1227), sch::tippen(1221, "0,7"),
                             sch::klicken(1224), sch::klicken(1)});
    EXPECT_EQ(stromReizDialogOeffnen(nullptr), 1);
    for (int i : {1, 2, 3})
        EXPECT_EQ(altreiz(n[i]), std::make_tuple(0.1, 0.2, 4.8e-10, 0.5, 0.7, 1.1e-9, 3)) << i;
    EXPECT_EQ(altreiz(n[0]), unmarkiert);
    EXPECT_EQ(test::boxLog().at(0).text, meldungsTexte[507]);
    EXPECT_EQ(editierStatus & editierBit::MarkierteZiehen, 0u);

    test::dialogSkript(132, {sch::tippen(1209, "9"), sch::klicken(2)});
    EXPECT_EQ(stromReizDialogOeffnen(nullptr), 2);
    EXPECT_EQ(n[1]->somaSCStart, 0.1);
}

// A pulse that ends before it starts is refused with a notice naming the end and its start;
// nothing is written, the dialog stays open; an end equal to its start is taken.
TEST_F(Stromreiz, EndeVorDemStartWirdAbgelehntUndNichtsGespeichert)
{
    neuronMarkieren(n[1], 1);
    const auto altreiz = [this] {
        return std::make_tuple(n[1]->somaSCStart, n[1]->somaSCEnd, n[1]->dendSCStart, n[1]->dendSCEnd);
    };
    const auto vorher = altreiz();
    test::boxAntworten({antwort::Ok, antwort::Ok});
    test::dialogSkript(132, {sch::tippen(1209, "0.3"), sch::tippen(1212, "0.2"), sch::klicken(1), fokus(1212),
                             sch::tippen(1212, "0.4"), sch::tippen(1219, "0.5"), sch::tippen(1221, "0,1"),
                             sch::klicken(1), fokus(1221), sch::klicken(2)});
    EXPECT_EQ(stromReizDialogOeffnen(nullptr), 2);
    EXPECT_EQ(altreiz(), vorher);
    ASSERT_EQ(test::boxLog().size(), 2u);
    EXPECT_EQ(test::boxLog()[0].text, meldungFormatieren(967, "Ende", "Soma-Stromreiz (s)"));
    EXPECT_EQ(test::boxLog()[1].text, meldungFormatieren(967, "Ende", "Dendriten-Stromreiz Start (s)"));
    test::dialogSkript(132, {sch::tippen(1209, "0.3"), sch::tippen(1212, "0.4"), sch::tippen(1219, "0.5"),
                             sch::tippen(1221, "0.5"), sch::klicken(1)});
    EXPECT_EQ(stromReizDialogOeffnen(nullptr), 1);
    EXPECT_EQ(altreiz(), std::make_tuple(0.3, 0.4, 0.5, 0.5));
}

// The marker goes to every marked neuron; length and thickness are checked against their
// range; the colour dialog starts at the shown neuron's colour and a cancelled one keeps it.
TEST_F(Stromreiz, KennzeichnungGehtAnAlleMarkiertenLaengeUndDickeInIhremBereich)
{
    const auto blitz = [](NeuronDaten* x) {
        return std::tie(x->kennzeichnungLaenge, x->kennzeichnungDicke, x->kennzeichnungPosition,
                        x->kennzeichnungFarbe);
    };
    blitz(n[2]) = std::tuple(20, 2, 1, 0x0000FFu);
    const std::tuple<int, int, int, Farbe> unmarkiert = blitz(n[1]);
    neuronMarkieren(n[2], 1);
    neuronMarkieren(n[0], 1);
    test::farbAntworten({KeineFarbe, 0x00FF00});
    test::boxAntworten({antwort::Ok});
    test::dialogSkript(152, {texte({{1354, "20"}, {1355, "2"}}),
                             [](Fenster d) { EXPECT_TRUE(el(d, 1357).haken && !el(d, 1356).haken); },
                             sch::klicken(1358), sch::klicken(1358), sch::klicken(1356),
                             sch::tippen(1354, "30"), sch::tippen(1355, "1000"), sch::klicken(1), fokus(1355),
                             sch::tippen(1355, "3"), sch::klicken(1)});
    EXPECT_EQ(stromreizKennzeichnungDialogOeffnen(nullptr), 1);
    EXPECT_EQ(test::boxLog().at(0).text, "\"Blitz Dicke\": erlaubt sind 0 bis 100.");
    for (int i : {0, 2})
        EXPECT_EQ(blitz(n[i]), std::make_tuple(30, 3, 0, 0x00FF00u)) << i;
    EXPECT_EQ(blitz(n[1]), unmarkiert);
    EXPECT_EQ(test::farbWahlLog().at(0).vorgabe, 0x0000FFu);
}

// The samples were the bit patterns of integers.
TEST_F(Stromreiz, StufenImUnterstenViertelAlsGleitkommaprobenEinTabellenpunktJeSchritt)
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

// (A table above n was taken.)
TEST_F(Stromreiz, OhneReizOhneSpanneOhneKompartimentOderNeuronBleibtDerSlotLeer)
{
    const struct { const char* was; int c, segmente, neuronId; std::vector<double> stroeme; std::string box; }
        faelle[] = {
        {"all currents equal", 0, 3, 1, {0.0, 0.0, 0.0, 0.0}, ""},
        {"three points", 0, 3, 1, {0.0, 1e-9, 0.0}, ""},
        {"compartment 2 of a neuron with one segment", 2, 1, 1, {0.0, 1e-9, 0.0, 0.0}, ""},
        {"no neuron of the diagram's number", 0, 3, 99, {0.0, 1e-9, 0.0, 0.0}, meldungsTexte[506]},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.was);
        const size_t boxen = test::boxLog().size();
        ASSERT_TRUE(kompartimenteAnpassen(*n[0], f.segmente));
        if (f.c < static_cast<int>(n[0]->stromTabellen.size()))
            tabelle(f.c, std::vector<double>(f.stroeme.size(), 0.0001), f.stroeme);
        tabelle(0, std::vector<double>(f.stroeme.size(), 0.0001), f.stroeme);
        d->neuronId = f.neuronId;
        d->kurven[12] = {};
        test::boxAntworten({antwort::Ok});
        stromreizReferenzkurveAnzeigen(d->fenster, f.c, -1);
        EXPECT_TRUE(d->kurven[12].anzeigen == 0 && d->kurven[12].werte.empty());
        EXPECT_EQ(test::boxLog().size() > boxen ? test::boxLog().back().text : "", f.box);
    }
}

// A new reference curve takes the first free slot and opens the curve dialog there (not
// built yet: it says so); with no slot free a notice, in a box or, inside a paint, for the
// painter, and nothing changes.
TEST_F(Stromreiz, ErsterFreierSlotNeueReizkurveOeffnetDenKurvendialogOhneFreienSlotEinHinweis)
{
    tabelle(0, {0.0, 0.0002, 0.0004, 0.001}, {0.0, 1e-9, 0.0, 0.0});
    d->kurven[0].anzeigen = d->kurven[1].anzeigen = 1;
    test::boxAntworten({antwort::Ok});
    test::dialogSkript(128, {sch::klicken(2)});
    stromreizReferenzkurveAnzeigen(d->fenster, 0, -1);
    EXPECT_EQ(std::make_tuple(d->kurven[2].anzeigen, d->kurven[2].stromreizSegment, d->kurven[2].bezeichnung,
                              aktuellesDiagramm.kurvenSlot),
              std::make_tuple(1, 1, meldungsTexte[744], 2));
    EXPECT_EQ(test::offeneDialogSkripte(), 0u);

    const std::string hinweis = "kein freier platz fuer eine referenzkurve. eine der referenzen loeschen!!!";
    for (KurvenDaten& k : d->kurven)
        k.anzeigen = 1;
    const std::vector<float> vorher = proben(2);
    stromreizReferenzkurveAnzeigen(d->fenster, 0, -1);
    ASSERT_EQ(test::boxLog().size(), 1u);
    EXPECT_EQ(test::boxLog()[0].titel + ": " + test::boxLog()[0].text, "Hinweis: " + hinweis);
    EXPECT_EQ(proben(2), vorher);
    std::string meldung;
    stromreizReferenzkurveAnzeigen(d->fenster, 0, -1, &meldung);
    EXPECT_EQ(meldung, hinweis);
    EXPECT_EQ(test::boxLog().size(), 1u);
}
