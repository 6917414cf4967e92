// tests/model/test_kollision.cpp - spikes along a collision object's axon meet or arrive
#include "test_neuron_hilfe.h"
#include "model/kollision.h"
#include "model/stromreiz.h"
#include <array>
#include <tuple>

namespace pt = plattform::test;

namespace {

struct Kollision : NeuronFall {
    NeuronDaten* n[5] = {};
    Kollisionsobjekt* o = nullptr;
    void SetUp() override
    {
        NeuronFall::SetUp();
        standardneuronVoreinstellen();
        reizSchrittweite = 0.001;
        for (int i = 1; i <= 4; ++i)
            n[i] = neu(i);
        o = objekt({1, 2, 3, 4});
        simulationsParameter.kollisionAktiv = 1;
    }
    static Kollisionsobjekt* objekt(std::array<int, 4> elemente)
    {
        Kollisionsobjekt* k = kollisionsObjektNeu();
        std::copy(elemente.begin(), elemente.end(), k->elementNummern);
        std::tie(k->aktiv, k->akustisch, k->fortleitungsdauer, k->somaAxonVerzoegerung, k->reizDauer,
                 k->reizAmplitude) = std::tuple(1, 1, 0.01, 0.002, 0.001, 1e-9);
        return k;
    }
    // spikes (time, neuron) and a check at every millisecond up to the end
    void lauf(std::vector<std::pair<double, int>> spikes, double ende = 0.05)
    {
        kollisionenVorbereiten();
        for (int ms = 0; ms <= ende * 1000; ++ms) {
            laufZustand.t = ms * 0.001;
            for (const auto& [t, i] : spikes)
                if (std::abs(t - laufZustand.t) < 1e-9)
                    kollisionsSpikeZeiten(*n[i]);
            kollisionenPruefen();
        }
    }
    static size_t toene()
    {
        size_t k = 0;
        for (const auto& e : pt::ereignisLog())
            k += e.art == pt::Ereignis::Piep && e.a == 1000 && e.b == 100;
        return k;
    }
    // which soma elements got a pulse, and when
    std::tuple<double, double> pulse() const
    {
        const auto beginn = [](const NeuronDaten* s) { return s->stromreize[0].an ? s->stromreize[0].beginn : -1.0; };
        return {beginn(n[3]), beginn(n[4])};
    }
};

} // namespace

TEST_F(Kollision, SpikesTreffenSichOderReizenDasFerneSoma)
{
    const struct {
        const char* was;
        std::vector<std::pair<double, int>> spikes;
        std::tuple<double, double> erwartet;
        size_t toene;
    } faelle[] = {
        {"axon 1 reaches soma 2", {{0.01, 1}}, {-1, 0.0211}, 0},
        {"axon 2 reaches soma 1", {{0.01, 2}}, {0.0211, -1}, 0},
        {"both ends before arrival collide", {{0.01, 1}, {0.015, 2}}, {-1, -1}, 1},
        {"a spike right after its soma is not launched", {{0.01, 3}, {0.011, 1}}, {-1, -1}, 0},
        {"after the delay it is", {{0.01, 3}, {0.012, 1}}, {-1, 0.0231}, 0},
    };
    simulationsParameter.schrittweite = 1e-4;
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.was);
        pt::zuruecksetzen();
        n[3]->stromreize[0] = n[4]->stromreize[0] = {};
        lauf(f.spikes);
        const auto [s1, s2] = pulse();
        EXPECT_NEAR(s1, std::get<0>(f.erwartet), 1e-9);
        EXPECT_NEAR(s2, std::get<1>(f.erwartet), 1e-9);
        EXPECT_EQ(toene(), f.toene);
    }
}

TEST_F(Kollision, JedesObjektHatSeinenEigenenLaufzustandUndFehlendeSomataZaehlenNicht)
{
    // a second axon between other neurons: its spike must not meet the first object's, and
    // arriving where it has no soma it is dropped
    n[0] = neu(5);
    objekt({0, 5, 0, 0});
    lauf({{0.01, 1}, {0.012, 0}});   // n[0] is neuron 5
    EXPECT_GT(std::get<1>(pulse()), 0.0);
    EXPECT_EQ(std::tuple(toene(), kollisionsObjekte->naechstes->spikeUnterwegs[1]), std::tuple(0u, 0));
}

TEST_F(Kollision, NummernUndSchutzDerElemente)
{
    Kollisionsobjekt* zwei = objekt({0, 0, 0, 0});
    kollisionsObjekteLoeschen(kollisionsObjekte, o);
    EXPECT_EQ(objekt({0, 0, 0, 0})->nummer, 3);
    EXPECT_EQ(zwei->name, "Kollisions-Objekt 2");
    EXPECT_EQ(std::tuple(neuronInKollisionsObjekt(*n[4]), simulationsParameter.kollisionAktiv), std::tuple(1, 1));
    kollisionsObjekteLoeschen(kollisionsObjekte, nullptr);
    EXPECT_EQ(std::tuple(kollisionsObjektAnzahl(), simulationsParameter.kollisionAktiv), std::tuple(0, 0));
}
