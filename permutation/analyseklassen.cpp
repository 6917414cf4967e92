// permutation/analyseklassen.cpp - the default analysis classes and the rating of a spike
// train against a class table
//
// The rating is single precision throughout, as the stored qualities were computed: each
// AP is assigned to a class, and the quality factor sums the squared, weighted deviations
// of each rated class's frequency (and, with the flag, AP count) from what it expects.
#include "permutation/permutation.h"
#include <cmath>

Klassentabelle standardKlassen()
{
    Klassentabelle t(6);
    analyseKlassenInitialisieren(t);
    return t;
}

void analyseKlassenInitialisieren(Klassentabelle& t)
{
    if (t.size() < 6)
        t.resize(6);
    struct Vorgabe { float start, ende, gewicht, frequenz; };
    static constexpr Vorgabe vorgaben[6] = {
        {0.0f, 0.11f, 0.0f, 0.0f},  {0.11f, 0.51f, 1.0f, 7.0f},  {0.51f, 0.71f, 1.0f, 90.0f},
        {0.71f, 0.81f, 0.0f, 0.0f}, {0.81f, 1.41f, 1.0f, 12.0f}, {1.41f, 1.5f, 1.0f, 0.0f},
    };
    for (size_t i = 0; i < 6; ++i) {
        t[i] = Analyseklasse{};
        t[i].start = vorgaben[i].start;
        t[i].ende = vorgaben[i].ende;
        t[i].gewicht = vorgaben[i].gewicht;
        t[i].sollFrequenz = vorgaben[i].frequenz;
    }
}

void klassenEndenSetzen(Klassentabelle& t)
{
    for (size_t i = 0; i < t.size(); ++i)
        t[i].ende = i + 1 < t.size() ? t[i + 1].start : t[i].start;
}

int apAnalyseklasseZuordnen(Klassentabelle& t, int klasse, float zeit)
{
    if (klasse < 0 || static_cast<size_t>(klasse) >= t.size())
        return 0;
    Analyseklasse& k = t[static_cast<size_t>(klasse)];
    if (!(k.ende >= zeit))
        return 0;                    // after the class end; the start is not tested
    if (k.letzterAp > 0.0f) {
        k.isiSumme += zeit - k.letzterAp;
        ++k.intervalle;
    }
    k.letzterAp = zeit;
    return 1;
}

namespace {

void akkumulatorenLeeren(Klassentabelle& t)
{
    for (Analyseklasse& k : t) {
        k.intervalle = 0;
        k.isiSumme = 0.0f;
        k.letzterAp = 0.0f;
    }
}

} // namespace

float analyseKlassenZuordnen(Klassentabelle& t, int apFlag, const float* zeiten, int anzahl)
{
    akkumulatorenLeeren(t);
    const int c = static_cast<int>(t.size());
    int suchStart = 0;
    for (int a = 0; zeiten && a < anzahl; ++a)
        for (int k = suchStart; k < c; ++k)
            if (apAnalyseklasseZuordnen(t, k, zeiten[a])) {
                suchStart = k;
                break;
            }
    return gueteFaktorBerechnen(t, apFlag);
}

void analyseKlassenAbNullZuordnen(Klassentabelle& t, const float* zeiten, int anzahl)
{
    akkumulatorenLeeren(t);
    const int c = static_cast<int>(t.size());
    for (int a = 0; zeiten && a < anzahl; ++a)
        for (int k = 0; k < c; ++k)
            if (apAnalyseklasseZuordnen(t, k, zeiten[a]))
                break;
}

float gueteFaktorBerechnen(const Klassentabelle& t, int apFlag)
{
    float summe = 0.0f;
    for (const Analyseklasse& k : t) {
        if (!(k.gewicht > 0.0f))
            continue;
        float x = 0.0f;
        float a = 0.0f;
        const int i = k.intervalle;
        if (i >= 2) {
            const float f = 1.0f / (k.isiSumme / static_cast<float>(i));
            x = k.sollFrequenz - f;
            a = static_cast<float>(i + 1);
        } else if (i == 1) {
            const float f = 1.0f / (k.ende - k.start);
            x = k.sollFrequenz - f;
            a = 2.0f;
        } else {
            x = k.sollFrequenz;
            a = k.letzterAp > 0.0f ? 1.0f : 0.0f;
        }
        if (apFlag)
            x = std::fabs(x) + std::fabs(static_cast<float>(k.sollApAnzahl) - a) * k.anzahlGewicht;
        x = x * k.gewicht;
        summe = summe + x * x;
    }
    return summe;
}

int apAnalyseklasseZuordnen(int klasse, float t) { return apAnalyseklasseZuordnen(analyseKlassen, klasse, t); }

float analyseKlassenZuordnen(const float* zeiten, int anzahl)
{
    return analyseKlassenZuordnen(analyseKlassen, permutationsDefinition.apAnzahlBeruecksichtigen, zeiten, anzahl);
}

float gueteFaktorBerechnen()
{
    return gueteFaktorBerechnen(analyseKlassen, permutationsDefinition.apAnzahlBeruecksichtigen);
}
