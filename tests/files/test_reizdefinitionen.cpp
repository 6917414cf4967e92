// tests/files/test_reizdefinitionen.cpp - the old constant-current keys of a definition file
// and the menu of the stimuli in a stimulus file
#include "netzdatei_hilfe.h"
#include "files/reizdefinitionen.h"
#include "files/stromdateien.h"
#include "resources/befehle.h"

using Reizdefinitionen = NetzdateiFall;

// The keys are read only when the soma intensity is among them; the segment is rounded.
TEST_F(Reizdefinitionen, AlteReizschluesselNurMitSomastromUndGanzzahligGerundet)
{
    const auto vorher = std::make_tuple(7.0, 7.0, 7.0, 7.0, 7.0, 7.0, 2, 0);
    const struct { const char* was; const char* text; decltype(vorher) nachher; } faelle[] = {
        {"segment 2.6 gives 3", "Current 5 somaCurrent=1e-9\nCurrent 5 dendSCLocation=2.6\n",
         {1e-9, 7.0, 7.0, 7.0, 7.0, 7.0, 3, 0}},
        {"without the soma intensity nothing is read",
         "Current 5 somaSCStart=0.1\nCurrent 5 dendCurrent=1e-9\n"
         "Current 5 dendSCLocation=1\nCurrent 5 noise=1\n",
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
    auto altreiz = std::tie(n->somaCurrent, n->somaSCStart, n->somaSCEnd, n->dendCurrent, n->dendSCStart,
                            n->dendSCEnd, n->dendSCLocation, n->rauschenAn);
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.was);
        altreiz = vorher;
        std::string text = f.text;
        stromreizSchluesselLesen(n, text.data());
        EXPECT_EQ(altreiz, f.nachher);
    }
}

// The menu holds the names up to the first empty one, at most what the command range holds;
// a stimulus chosen from a file's menu (a title, a separator, its names) becomes the table.
TEST_F(Reizdefinitionen, MenueZeigtDieNamenBisZumErstenLeerenUndGibtDieWahl)
{
    const struct { std::vector<std::string> namen; int befehl, wahl; size_t posten; } faelle[] = {
        {{"A", "B", "", "C"}, 55002, 1, 4}, {{"A"}, 0, -1, 3}, {{}, 0, -1, 2},
        {std::vector<std::string>(600, "R"), befehlReizdefinitionLetzte, 498, 501},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.befehl);
        pt::popupAntworten({f.befehl});
        EXPECT_EQ(reizdefinitionenMenueZeigen(nullptr, f.namen), f.wahl);
        EXPECT_EQ(pt::popupLog().back().size(), f.posten);
        EXPECT_EQ(offenesKontextMenu, nullptr);
    }

    simulationsParameter.simulationsDauer = 0.5;
    NeuronDaten* a = neu(2);
    testhilfe::schreiben(pfad("reize.str"), "Reizdefinitionsdatei\r\nReizname=Eins\r\n0.1 1e-9\r\n0.2 0\r\n"
                                            "Reizname=Zwei\r\n0.1 2e-9\r\n0.3 0\r\n");
    pt::dateiAntworten({pt::dateiAntwort(pfad("reize.str"))});
    pt::popupAntworten({55002});
    EXPECT_EQ(reizDefinitionsDateiLaden(a, 1, "", "", 0), 1);
    EXPECT_EQ(pt::popupLog().back(), (std::vector<int>{55000, 0, 55001, 55002}));
    EXPECT_TRUE(pt::boxLog().empty());
    const StromreizDefinition& d = a->stromreize[1];
    const StromTabelle& t = a->stromTabellen[1];
    EXPECT_EQ(std::make_tuple(d.reizName, d.reizDatei, d.ausDatei, t.herkunft, t.anzahlPunkte),
              std::make_tuple("Zwei", pfad("reize.str"), 1, "Zwei", 4));
    EXPECT_EQ(t.stromwerte.at(1), 2e-9);
}
