// tests/permutation/test_bewertung.cpp - the rating of a spike train against the classes
#include "permutation/permutation.h"
#include <gtest/gtest.h>

namespace {

Analyseklasse klasse(float start, float gewicht, int sollAps = 0, float anzahlGewicht = 0.0f, float frequenz = 0.0f)
{
    Analyseklasse a;
    a.start = start;
    a.gewicht = gewicht;
    a.sollApAnzahl = sollAps;
    a.anzahlGewicht = anzahlGewicht;
    a.sollFrequenz = frequenz;
    return a;
}

} // namespace

// Three APs 1/64 s apart in class 2 give 64 Hz against 90 expected; classes 1 and 4 miss
// their 7 and 12 Hz, class 5 expects nothing. An AP after the last end belongs nowhere.
TEST(Bewertung, StandardklassenGebenGenauDenErwartetenFaktor)
{
    Klassentabelle t = standardKlassen();
    const float aps[] = {0.5625f, 0.578125f, 0.59375f, 1.6f};
    EXPECT_EQ(analyseKlassenZuordnen(t, 0, aps, 0), 49.0f + 8100.0f + 144.0f);
    EXPECT_EQ(analyseKlassenZuordnen(t, 0, aps, 3), 869.0f);
    EXPECT_EQ(analyseKlassenZuordnen(t, 0, aps, 4), 869.0f);
    EXPECT_EQ(t[2].intervalle, 2);
    // the record writer's assignment from class 0 fills the same accumulators
    Klassentabelle w = standardKlassen();
    analyseKlassenAbNullZuordnen(w, aps, 4);
    EXPECT_EQ(gueteFaktorBerechnen(w, 0), 869.0f);
    EXPECT_EQ(std::tuple(w[2].isiSumme, w[2].letzterAp), std::tuple(t[2].isiSumme, t[2].letzterAp));
}

// One interval in a class takes the class's length as its period; with the flag the AP
// count's deviation adds, weighted, before the class weight.
TEST(Bewertung, EinIntervallUndDieApAnzahl)
{
    Klassentabelle t = {klasse(0.0f, 2.0f, 4, 0.5f, 50.0f), klasse(1.0f, 0.0f)};
    klassenEndenSetzen(t);
    const float aps[] = {0.25f, 0.5f};
    EXPECT_EQ(analyseKlassenZuordnen(t, 0, aps, 2), 9604.0f);
    EXPECT_EQ(analyseKlassenZuordnen(t, 1, aps, 2), 10000.0f);
}

// An AP at a class end is the class's; the first AP opens no interval, and one at 0 s counts
// as none. A table of unrated classes, or none, rates every train 0.
TEST(Bewertung, KlassenendeUndLeereTabellen)
{
    Klassentabelle t = {klasse(0.0f, 1.0f), klasse(0.5f, 1.0f), klasse(1.0f, 0.0f)};
    klassenEndenSetzen(t);
    EXPECT_EQ(t[2].ende, 1.0f);
    EXPECT_EQ(apAnalyseklasseZuordnen(t, 0, 0.5f), 1);
    EXPECT_EQ(std::tuple(t[0].intervalle, t[0].letzterAp), std::tuple(0, 0.5f));
    EXPECT_EQ(apAnalyseklasseZuordnen(t, 1, 1.25f), 0);
    EXPECT_EQ(apAnalyseklasseZuordnen(t, 0, 0.0f), 1);
    EXPECT_EQ(t[0].intervalle, 1);
    const float aps[] = {0.0f, 0.2f};
    analyseKlassenZuordnen(t, 0, aps, 2);
    EXPECT_EQ(std::tuple(t[0].intervalle, t[0].letzterAp), std::tuple(0, 0.2f));
    Klassentabelle ohne = {klasse(0.0f, 0.0f), klasse(1.0f, -1.0f)};
    EXPECT_EQ(analyseKlassenZuordnen(ohne, 1, aps, 2), 0.0f);
    Klassentabelle leer;
    EXPECT_EQ(analyseKlassenZuordnen(leer, 1, aps, 2), 0.0f);
}

// The names on the current table use the definition's AP-count flag.
TEST(Bewertung, DieAktuelleTabelleMitDemFlagDerDefinition)
{
    analyseKlassen = {klasse(0.0f, 2.0f, 4, 0.5f, 50.0f), klasse(1.0f, 0.0f)};
    klassenEndenSetzen(analyseKlassen);
    const float aps[] = {0.25f, 0.5f};
    permutationsDefinition.apAnzahlBeruecksichtigen = 1;
    EXPECT_EQ(analyseKlassenZuordnen(aps, 2), 10000.0f);
    permutationsDefinition.apAnzahlBeruecksichtigen = 0;
    EXPECT_EQ(gueteFaktorBerechnen(), 9604.0f);
    EXPECT_EQ(apAnalyseklasseZuordnen(0, 0.75f), 1);
    permutationZuruecksetzen();
    EXPECT_EQ(analyseKlassen.size(), 6u);
}
