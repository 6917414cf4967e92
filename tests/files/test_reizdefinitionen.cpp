// tests/files/test_reizdefinitionen.cpp - the old constant-current keys of a definition file
// and the menu of the stimuli in a stimulus file
#include "netzdatei_hilfe.h"
#include "files/reizdefinitionen.h"
#include "files/stromdateien.h"
#include "resources/befehle.h"

namespace {

struct Reizdefinitionen : NetzdateiFall {};

// the seven legacy fields and the noise switch as one tuple
auto altreiz(const NeuronDaten& n)
{
    return std::make_tuple(n.somaCurrent, n.somaSCStart, n.somaSCEnd, n.dendCurrent, n.dendSCStart, n.dendSCEnd,
                           n.dendSCLocation, n.rauschenAn);
}

} // namespace

TEST_F(Reizdefinitionen, AlteReizschluesselNurMitSomastromUndGanzzahligGerundet)
{
    const auto vorher = std::make_tuple(7.0, 7.0, 7.0, 7.0, 7.0, 7.0, 2, 0);
    const struct { const char* was; const char* text; decltype(vorher) nachher; } faelle[] = {
        {"segment 2.6 gives 3", "Current 5 somaCurrent=1e-9\nCurrent 5 dendSCLocation=2.6\n",
         {1e-9, 7.0, 7.0, 7.0, 7.0, 7.0, 3, 0}},
        {"without the soma intensity nothing is read",
         "Current 5 somaSCStart=0.1\nCurrent 5 dendCurrent=1e-9\nCurrent 5 dendSCLocation=1\nCurrent 5 noise=1\n",
         vorher},
        {"every key, a comma for the point",
         "Current 5 somaCurrent=2e-10\nCurrent 5 somaSCStart=0,1\nCurrent 5 somaSCEnd=0.2\n"
         "Current 5 dendCurrent=-1e-9\nCurrent 5 dendSCStart=0.3\nCurrent 5 dendSCEnd=0.4\n"
         "Current 5 dendSCLocation=1.4\nCurrent 5 noise=0.7\n",
         {2e-10, 0.1, 0.2, -1e-9, 0.3, 0.4, 1, 1}},
        {"another neuron's keys", "Current 6 somaCurrent=1e-9\nCurrent 6 dendSCLocation=1\n", vorher},
        {"a segment no neuron has and a switch that is none stay",
         "Current 5 somaCurrent=1e-9\nCurrent 5 dendSCLocation=1e300\nCurrent 5 noise=-3\n",
         {1e-9, 7.0, 7.0, 7.0, 7.0, 7.0, 2, 0}},
    };
    NeuronDaten* n = neu(5);
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.was);
        std::tie(n->somaCurrent, n->somaSCStart, n->somaSCEnd, n->dendCurrent, n->dendSCStart, n->dendSCEnd,
                 n->dendSCLocation, n->rauschenAn) = vorher;
        std::string text = f.text;
        stromreizSchluesselLesen(n, text.data());
        EXPECT_EQ(altreiz(*n), f.nachher);
    }
}

TEST_F(Reizdefinitionen, MenueZeigtDieNamenBisZumErstenLeerenUndGibtDieWahl)
{
    const struct { std::vector<std::string> namen; int befehl, wahl; std::vector<int> posten; } faelle[] = {
        {{"A", "B", "", "C"}, 55002, 1, {55000, 0, 55001, 55002}},
        {{"A"}, 0, -1, {55000, 0, 55001}},            // nothing chosen
        {{}, 0, -1, {55000, 0}},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.befehl);
        pt::zuruecksetzen();
        pt::popupAntworten({f.befehl});
        EXPECT_EQ(reizdefinitionenMenueZeigen(nullptr, f.namen), f.wahl);
        ASSERT_EQ(pt::popupLog().size(), 1u);
        EXPECT_EQ(pt::popupLog()[0], f.posten);
        EXPECT_EQ(offenesKontextMenu, nullptr);
    }
    EXPECT_TRUE(pt::boxLog().empty());
    // no more than the command range holds
    pt::zuruecksetzen();
    pt::popupAntworten({befehlReizdefinitionLetzte});
    EXPECT_EQ(reizdefinitionenMenueZeigen(nullptr, std::vector<std::string>(600, "R")), 498);
    EXPECT_EQ(pt::popupLog()[0].size(), 501u);
}

TEST_F(Reizdefinitionen, GewaehlterReizAusDerDateiWirdTabelleUndDefinitionNenntIhn)
{
    simulationsParameter.simulationsDauer = 0.5;
    NeuronDaten* a = neu(2);
    testhilfe::schreiben(pfad("reize.str"), "Reizdefinitionsdatei\r\nReizname=Eins\r\n0.1 1e-9\r\n0.2 0\r\n"
                                            "Reizname=Zwei\r\n0.1 2e-9\r\n0.3 0\r\n");
    pt::dateiAntworten({pt::dateiAntwort(pfad("reize.str"))});
    pt::popupAntworten({55002});
    EXPECT_EQ(reizDefinitionsDateiLaden(a, 1, "", "", 0), 1);
    const StromreizDefinition& d = a->stromreize[1];
    EXPECT_EQ(std::make_tuple(d.reizName, d.reizDatei, d.ausDatei), std::make_tuple("Zwei", pfad("reize.str"), 1));
    const StromTabelle& t = a->stromTabellen[1];
    EXPECT_EQ(std::make_tuple(t.anzahlPunkte, t.herkunft, t.stromwerte[1]), std::make_tuple(4, "Zwei", 2e-9));
}
