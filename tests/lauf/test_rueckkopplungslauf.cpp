// tests/lauf/test_rueckkopplungslauf.cpp - a feedback object in a whole run: the trigger's
// spike reaches it from the SWIM step, the train plays in the target, the run's end clears it
#include "lauf_hilfe.h"
#include "model/rueckkopplung.h"
#include "model/stromreiz.h"
#include "model/swim.h"
#include "model/zeitschleife.h"

namespace {

using RueckkopplungsLauf = LaufFall;
int stromSchritte = 0;   // steps in which the target got current

} // namespace

TEST_F(RueckkopplungsLauf, DerTriggerspikeSpieltEinenZugImZielUndDasEndeRaeumtAuf)
{
    laufzeitSetzen(0.1, 1e-4);
    reizSchrittweite = 1e-4;
    NeuronDaten& trigger = neuron();
    NeuronDaten* ziel = neu(2);
    ziel->modellTyp = trigger.modellTyp;
    Rueckkopplungsobjekt* o = rueckkopplungsObjektErzeugen();
    std::tie(o->objektAktiv, o->triggerNeuron, o->zielneurone, o->apsProBurst) =
        std::tuple(1, &trigger, std::vector{ziel}, 1);
    std::tie(o->stromreizDauer, o->stromreizAmplitude) = std::tuple(0.002, 1e-9);
    std::tie(o->geradenAchsenabschnitt[0], o->geradenAchsenabschnitt[1], o->geradenAchsenabschnitt[2]) =
        std::tuple(0.01, 100.0, 0.03);
    simulationsParameter.rueckkopplungAktiv = 1;
    stromSchritte = 0;
    // the trigger crosses its threshold once at 10 ms; the target only listens
    modellSchritt[2] = [](NeuronDaten& m) {
        const double t = laufZustand.t;
        if (m.nummer == 1 && std::abs(t - 0.01) < 5e-5)
            swimSpikesBehandeln(m, -1.0, 1.0, t);
        else if (m.nummer == 2)
            stromSchritte += stromAusTabelle(m.stromTabellen[0], t) > 0.0;
        swimSpikesBehandeln(m, -1.0, -1.0, t);
    };
    simulationStarten();
    modellSchritt[2] = swimModellBerechnen;
    EXPECT_NEAR(stromSchritte, 3 * 20, 3);   // three pulses of 2 ms
    EXPECT_EQ(std::tuple(ziel->stromreize[0].an, o->burstZaehler), std::tuple(0, 1));
}
