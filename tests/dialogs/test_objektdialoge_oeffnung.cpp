// tests/dialogs/test_objektdialoge_oeffnung.cpp - the feedback, collision and graphics
// dialogs of objects: every opening takes the object it is given, and their number fields
// refuse a text without a number
#include "dialogs/objektdialoge.h"
#include "reizdialog_hilfe.h"

using namespace reizdialog;

namespace {

struct Objektoeffnung : reizdialog::Fall {
    std::vector<NeuronDaten*> n;
    void SetUp() override
    {
        reizdialog::Fall::SetUp();
        for (int i = 1; i <= 3; ++i)
            n.push_back(neuron(i, false));
    }
    // an opening that ends without the dialog's own close
    static test::DialogSchritt ohneEigenesSchliessen()
    {
        return [](Fenster d) { dialogBeenden(d, 2); };
    }
};

} // namespace

// The graphics dialog once edited the object of an earlier opening that ended without its
// close: a freed object when that one had been deleted.
TEST_F(Objektoeffnung, GraphikNimmtJedesMalDasGegebeneObjekt)
{
    Kollisionsobjekt* alt = kollisionsObjektNeu();
    test::dialogSkript(300, {ohneEigenesSchliessen()});
    EXPECT_EQ(objektGraphikDialogOeffnen(nullptr, objektArt::Kollision, alt), 2);
    kollisionsObjekteLoeschen(kollisionsObjekte, alt);
    Kollisionsobjekt* neu = kollisionsObjektNeu();
    neu->graphik.rautenbreite = 33;
    test::dialogSkript(300, {texte({{1902, "33"}}), sch::tippen(1902, "70"), sch::klicken(1)});
    EXPECT_EQ(objektGraphikDialogOeffnen(nullptr, objektArt::Kollision, neu), 1);
    EXPECT_EQ(neu->graphik.rautenbreite, 70);
}

// The feedback dialog takes the object given, else the current one; once the current one is
// deleted an opening without an object ends at once.
TEST_F(Objektoeffnung, RueckkopplungNimmtJedesMalDasGegebeneOderDasAktuelleObjekt)
{
    Rueckkopplungsobjekt* alt = rueckkopplungsObjektErzeugen();
    alt->objektName = "alt";
    test::dialogSkript(299, {ohneEigenesSchliessen()});
    EXPECT_EQ(rueckkopplungDialogOeffnen(nullptr, alt), 2);
    EXPECT_EQ(aktuellesRueckkopplungsobjekt, alt);
    rueckkopplungsObjektLoeschen(rueckkopplungsObjekte, alt);
    EXPECT_EQ(rueckkopplungDialogOeffnen(nullptr, nullptr), 2);
    Rueckkopplungsobjekt* neu = rueckkopplungsObjektErzeugen();
    neu->objektName = "neu";
    test::dialogSkript(299, {texte({{1895, "neu"}}), ohneEigenesSchliessen()});
    EXPECT_EQ(rueckkopplungDialogOeffnen(nullptr, neu), 2);
    test::dialogSkript(299, {texte({{1895, "neu"}}), sch::klicken(2)});
    EXPECT_EQ(rueckkopplungDialogOeffnen(nullptr, nullptr), 2);
}

// "abc" left in a field is not taken when the field is left, stays over a refill by a list,
// and OK names it; the object keeps its values. The same for the collision object.
TEST_F(Objektoeffnung, ZahlfelderOhneZahlAendernDasObjektNicht)
{
    Rueckkopplungsobjekt* o = rueckkopplungsObjektErzeugen();
    std::tie(o->triggerNeuron, o->zielneurone, o->objektName) = std::tuple(n[0], std::vector{n[1]}, "x");
    o->geradenAchsenabschnitt[0] = 0.25;
    test::boxAntworten({antwort::Ok});
    test::dialogSkript(299, {sch::tippen(1878, "abc"), sch::fokusVerlassen(1878), sch::waehlen(1911, 2),
                             texte({{1878, "abc"}}), sch::klicken(1), fokus(1878), sch::klicken(2)});
    EXPECT_EQ(rueckkopplungDialogOeffnen(nullptr, o), 2);
    EXPECT_EQ(letzteBox(), meldungFormatieren(952, "Latenz (s):"));
    EXPECT_EQ(o->geradenAchsenabschnitt[0], 0.25);

    Kollisionsobjekt* k = kollisionsObjektNeu();
    k->fortleitungsdauer = 0.5;
    test::boxAntworten({antwort::Ok});
    test::dialogSkript(316, {sch::tippen(2199, "1e400"), sch::fokusVerlassen(2199), sch::klicken(1), fokus(2199),
                             sch::klicken(2)});
    EXPECT_EQ(kollisionsDialogOeffnen(nullptr, k), 2);
    EXPECT_EQ(letzteBox(), meldungFormatieren(952, "Laufzeit ueber das Axon (sec)"));
    EXPECT_EQ(k->fortleitungsdauer, 0.5);
}
