// tests/model/test_rueckkopplung.cpp - a trigger's bursts program pulse trains into targets
#include "test_neuron_hilfe.h"
#include "model/rueckkopplung.h"
#include "model/stromreiz.h"
#include <limits>
#include <tuple>

namespace {

constexpr double inf = std::numeric_limits<double>::infinity();

struct Rueckkopplung : NeuronFall {
    NeuronDaten *trigger = nullptr, *ziel = nullptr, *aus = nullptr;
    Rueckkopplungsobjekt* o = nullptr;
    void SetUp() override
    {
        NeuronFall::SetUp();
        standardneuronVoreinstellen();
        simulationsParameter.simulationsDauer = 1.0;
        reizSchrittweite = 0.001;
        trigger = neu(1), ziel = neu(2), aus = neu(3);
        o = rueckkopplungsObjektErzeugen();
        o->objektAktiv = 1;
        o->triggerNeuron = trigger;
        o->zielneurone = {ziel};
        o->stromreizDauer = 0.002;
        o->stromreizAmplitude = 1e-9;
        simulationsParameter.rueckkopplungAktiv = 1;
        rueckkopplungVorLauf();
    }
    void spikes(std::initializer_list<double> zeiten)
    {
        for (double t : zeiten)
            rueckkopplungSpikeAnbieten(*trigger, t);
    }
    // what the target's soma definition holds: on, start, pulses, pause
    std::tuple<int, double, int, double> zug() const
    {
        const StromreizDefinition& d = ziel->stromreize[0];
        return {d.an, d.beginn, d.anzahl, d.pause};
    }
};

} // namespace

TEST_F(Rueckkopplung, BurstsProgrammierenZuegeNachIhrenKriterien)
{
    const std::vector<ZusammenhangsEintrag> zeilen = {{0.2, 0.01, 50, 0.1}, {0.5, 0.02, 100, 0.05}};
    const struct {
        const char* was;
        int art, aps;
        double latenz, frequenz, dauer;
        std::vector<ZusammenhangsEintrag> tabelle;
        std::initializer_list<double> spikes;
        std::tuple<int, double, int, double> erwartet;
        int armieren = 0;
    } faelle[] = {
        {"the third spike fires", 0, 3, 0.01, 50, 0.1, {}, {0.1, 0.11, 0.12}, {1, 0.13, 5, 0.02}},
        {"two spikes are too few", 0, 3, 0.01, 50, 0.1, {}, {0.1, 0.11}, {0, 0, 0, 0}},
        {"a train past the run end", 0, 1, 0.95, 50, 0.1, {}, {0.1}, {0, 0, 0, 0}},
        {"frequency 0 builds no train", 0, 1, 0.01, 0, 0.1, {}, {0.1}, {0, 0, 0, 0}},
        {"an endless train is not built", 0, 1, 0.01, 50, inf, {}, {0.1}, {0, 0, 0, 0}},
        {"a table without rows fires nothing", 2, 2, 0, 0, 0, {}, {0.1, 0.11, 0.4, 0.41}, {0, 0, 0, 0}},
        {"the second burst looks up its period", 2, 2, 0, 0, 0, zeilen, {0.1, 0.11, 0.4, 0.41}, {1, 0.43, 5, 0.01}},
        {"a period beyond the rows takes the last", 2, 2, 0, 0, 0, zeilen, {0.1, 0.11, 0.7, 0.71}, {1, 0.73, 5, 0.01}},
        {"armed, the next burst's first spike fires", 1, 2, 0.01, 50, 0.1, {}, {0.1, 0.11, 0.3, 0.31, 0.5},
         {1, 0.51, 5, 0.02}, 1},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.was);
        std::tie(o->artDesZusammenhangs, o->apsProBurst, o->zielaktivierungBeiBurstbeginn) =
            std::tuple(f.art, f.aps, f.armieren);
        o->geradenAchsenabschnitt[0] = f.latenz;
        o->geradenAchsenabschnitt[1] = f.frequenz;
        o->geradenAchsenabschnitt[2] = f.dauer;
        o->zusammenhangsTabelle = f.tabelle;
        rueckkopplungVorLauf();
        spikes(f.spikes);
        const auto [an, beginn, anzahl, pause] = zug();
        EXPECT_EQ(std::tuple(an, anzahl), std::tuple(std::get<0>(f.erwartet), std::get<2>(f.erwartet)));
        EXPECT_NEAR(beginn, std::get<1>(f.erwartet), 1e-12);
        EXPECT_NEAR(pause, std::get<3>(f.erwartet), 1e-12);
    }
}

TEST_F(Rueckkopplung, DerAusschaltspikeBeendetDieReizeNachSeinerVerzoegerung)
{
    std::tie(o->apsProBurst, o->geradenAchsenabschnitt[1], o->geradenAchsenabschnitt[2]) = std::tuple(1, 50.0, 0.1);
    std::tie(o->elevatorAktiv, o->elevatorNeuron, o->elevatorDelay) = std::tuple(1, aus, 0.01);
    rueckkopplungSpikeAnbieten(*aus, 0.05);   // nothing runs yet: no switch-off
    EXPECT_EQ(o->ausschaltZeit, 0.0);
    spikes({0.1});
    rueckkopplungSpikeAnbieten(*aus, 0.12);
    rueckkopplungReizeAbschalten(0.125);
    EXPECT_EQ(ziel->stromreize[0].an, 1);
    rueckkopplungReizeAbschalten(0.13);
    EXPECT_EQ(std::tuple(ziel->stromreize[0].an, o->ausschaltZeit), std::tuple(0, 0.0));
}

TEST_F(Rueckkopplung, EinObjektOhneZieleZaehltBurstsOhneZuFeuern)
{
    o->zielneurone.clear();
    std::tie(o->apsProBurst, o->elevatorAktiv, o->elevatorNeuron) = std::tuple(1, 1, aus);
    spikes({0.1, 0.2});
    rueckkopplungSpikeAnbieten(*aus, 0.25);
    rueckkopplungReizeAbschalten(0.3);
    EXPECT_EQ(std::tuple(o->burstZaehler, o->ausschaltZeit), std::tuple(2, 0.0));
}

TEST_F(Rueckkopplung, VerwendeteNeuroneSindGeschuetztUndDasLetzteObjektSchaltetAb)
{
    o->zielneurone = {trigger, trigger, ziel};   // the neuron only as the third target
    o->triggerNeuron = nullptr;
    EXPECT_EQ(std::tuple(rueckkopplungNeuronFrei(*ziel), rueckkopplungNeuronFrei(*aus)), std::tuple(0, 1));
    Rueckkopplungsobjekt* zweites = rueckkopplungsObjektErzeugen();
    EXPECT_EQ(std::tuple(o->naechstes, zweites->voriges, rueckkopplungsObjektAnzahl()), std::tuple(zweites, o, 2));
    rueckkopplungsObjektLoeschen(rueckkopplungsObjekte, o);
    EXPECT_EQ(std::tuple(rueckkopplungsObjekte, simulationsParameter.rueckkopplungAktiv), std::tuple(zweites, 1));
    rueckkopplungsObjektLoeschen(rueckkopplungsObjekte, zweites);
    EXPECT_EQ(std::tuple(rueckkopplungsObjekte, rueckkopplungsObjektAnzahl(), simulationsParameter.rueckkopplungAktiv),
              std::tuple(nullptr, 0, 0));
}
