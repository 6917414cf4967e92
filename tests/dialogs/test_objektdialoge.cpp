// tests/dialogs/test_objektdialoge.cpp - the feedback object dialog, the collision object dialog
// and the graphics dialog both open
#include "dialogs/objektdialoge.h"
#include "dialogs/simulationsparameter.h"
#include "platform/waehler.h"
#include "reizdialog_hilfe.h"

using namespace reizdialog;

namespace {

struct Objektdialoge : reizdialog::Fall {
    std::vector<NeuronDaten*> n;
    void SetUp() override
    {
        reizdialog::Fall::SetUp();
        for (int i = 1; i <= 4; ++i)
            n.push_back(neuron(i, false));
    }
    static std::vector<std::string> boxen()
    {
        std::vector<std::string> v;
        for (const auto& b : test::boxLog())
            v.push_back(b.text);
        return v;
    }
    static test::DialogSchritt eintrag(int liste, int i, const std::string& text)
    {
        return [=](Fenster d) { EXPECT_EQ(el(d, liste).eintraege.at(static_cast<size_t>(i)).text, text); };
    }
};

} // namespace

// OK refuses without trigger, target and name; marks follow the roles; a value left in an edit
// survives the reopening; zero pulses are asked about; the switch-off neuron needs a neuron.
TEST_F(Objektdialoge, RueckkopplungPrueftUndFragtVorDemUebernehmen)
{
    Rueckkopplungsobjekt* o = rueckkopplungsObjektErzeugen();
    test::boxAntworten(
        {antwort::Ok, antwort::Ok, antwort::Ok, antwort::Nein, antwort::Ok, antwort::Ja, antwort::Ja});
    test::dialogSkript(299, {sch::klicken(1), sch::waehlen(1910, 0), sch::klicken(1914), eintrag(1910, 0, "*    N1"),
                             sch::klicken(1), sch::waehlen(1911, 1), sch::klicken(1912),
                             [](Fenster d) { EXPECT_FALSE(el(d, 1912).freigegeben || !el(d, 1913).freigegeben); },
                             eintrag(1911, 1, "*    N2"), sch::klicken(1), sch::tippen(1895, "Schleife"),
                             sch::fokusVerlassen(1895),
                             sch::tippen(1878, "0,01"), sch::fokusVerlassen(1878), sch::waehlen(1911, 2),
                             texte({{1878, "0.01"}}), sch::klicken(2066), sch::klicken(1918), sch::klicken(1),
                             fokus(1890), sch::klicken(2069), sch::klicken(1), fokus(2068), sch::klicken(2067),
                             sch::klicken(1)});
    EXPECT_EQ(rueckkopplungDialogOeffnen(nullptr, o), 1);
    EXPECT_EQ(boxen(), (std::vector<std::string>{meldungsTexte[509], meldungsTexte[510], meldungsTexte[511],
                                                  meldungsTexte[555], meldungsTexte[512], meldungsTexte[555],
                                                  meldungsTexte[556]}));
    EXPECT_EQ(std::tuple(o->triggerNeuron, o->zielneurone, o->objektName, o->geradenAchsenabschnitt[0],
                         o->reizueberlappung, o->elevatorAktiv, aktuellesRueckkopplungsobjekt),
              std::tuple(n[0], std::vector<NeuronDaten*>{n[1]}, std::string("Schleife"), 0.01, 1, 0, o));
}

// A target marked twice goes with both entries; all-zero line values are asked about; Cancel
// after the graphics dialog keeps the object; a browser that does not start is reported.
TEST_F(Objektdialoge, UnmarkEntferntDoppelteZieleUndAbbrechenLaesstDasObjekt)
{
    Rueckkopplungsobjekt* o = rueckkopplungsObjektErzeugen();
    std::tie(o->zielneurone, o->triggerNeuron, o->objektName) = std::tuple(std::vector{n[1], n[1], n[2]}, n[0], "x");
    test::hilfeSeitenGelingen(false);
    test::boxAntworten({antwort::Nein, antwort::Ok});
    test::farbAntworten({0x00ff00});
    test::dialogSkript(300, {sch::klicken(1908), sch::klicken(1)});
    test::dialogSkript(299, {sch::waehlen(1911, 1), sch::klicken(1913), eintrag(1911, 1, "     N2"),
                             eintrag(1911, 2, "*    N3"), sch::klicken(1), fokus(1875), sch::klicken(1909),
                             sch::klicken(1919), sch::klicken(2)});
    EXPECT_EQ(rueckkopplungDialogOeffnen(nullptr, o), 2);
    EXPECT_EQ(std::tuple(o->anzahlZielneurone(), o->graphik.rautenFarbe), std::tuple(3, 0xff80ff));
    EXPECT_EQ(boxen(), (std::vector<std::string>{meldungsTexte[554], meldungsTexte[358]}));
    ASSERT_EQ(test::hilfeSeitenLog().size(), 1u);
    EXPECT_NE(test::hilfeSeitenLog()[0].find("rueckkopplungs-objekte.htm"), std::string::npos);
}

// A cancelled colour goes back to the object's own, not to the earlier choice; "3,7" is 3; a
// size out of range is named.
TEST_F(Objektdialoge, GraphikNimmtBeiAbbruchDieFarbeDesObjekts)
{
    Kollisionsobjekt* k = kollisionsObjektNeu();
    test::boxAntworten({antwort::Ok});
    test::farbAntworten({0x00ff00, KeineFarbe});
    test::dialogSkript(300, {sch::klicken(1908), sch::klicken(1908), sch::tippen(1898, "3,7"),
                             sch::tippen(1902, "5000"), sch::klicken(1), sch::tippen(1902, "60"), sch::klicken(1)});
    EXPECT_EQ(objektGraphikDialogOeffnen(nullptr, objektArt::Kollision, k), 1);
    EXPECT_EQ(std::tuple(k->graphik.rautenFarbe, k->graphik.linienDicke, k->graphik.rautenbreite, graphikObjektArt),
              std::tuple(255, 3, 60, 0));
    EXPECT_EQ(boxen().size(), 1u);
}

// A neuron serves one element; the soma-axon time must be a step at least; delete asks.
TEST_F(Objektdialoge, KollisionsobjektElementeLaufzeitUndLoeschen)
{
    Kollisionsobjekt* k = kollisionsObjektNeu();
    simulationsParameter.schrittweite = 1e-4;
    test::boxAntworten({antwort::Ok, antwort::Ok, antwort::Ja});
    test::dialogSkript(316, {sch::waehlen(2203, 0), sch::waehlen(2204, 0), texte({{2204, ""}}), fokus(2204),
                             sch::waehlen(2204, 1), sch::waehlen(2206, 2), sch::waehlen(2208, 3),
                             sch::tippen(2217, "0"), sch::klicken(1), fokus(2217), sch::tippen(2217, "0,001"),
                             sch::klicken(1)});
    EXPECT_EQ(kollisionsDialogOeffnen(nullptr, k), 1);
    EXPECT_EQ(std::vector<int>(k->elementNummern, k->elementNummern + 4), (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(std::tuple(k->somaAxonVerzoegerung, k->elemente[3]), std::tuple(0.001, n[3]));
    EXPECT_EQ(boxen().at(0), "dieses Neuron wird bereits verwendet");

    test::dialogSkript(316, {sch::klicken(2212)});
    EXPECT_EQ(kollisionsDialogOeffnen(nullptr, k), 2);
    EXPECT_EQ(kollisionsObjektAnzahl(), 0);
}

// "neu" in the run settings makes an object and opens its dialog; the collision row follows
TEST_F(Objektdialoge, NeuInDenLaufeinstellungenLegtObjekteAn)
{
    test::dialogSkript(299, {sch::klicken(2)});
    test::dialogSkript(316, {sch::klicken(2)});
    test::dialogSkript(133, {sch::klicken(1919), sch::klicken(1920),
                             [](Fenster d) { EXPECT_TRUE(el(d, 1561).freigegeben); },
                             sch::klicken(2)});
    simulationsParameterDialogOeffnen(nullptr);
    EXPECT_EQ(std::tuple(rueckkopplungsObjektAnzahl(), kollisionsObjektAnzahl()), std::tuple(1, 1));
}
