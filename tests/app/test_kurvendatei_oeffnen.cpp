// tests/app/test_kurvendatei_oeffnen.cpp - a curve data file saved after a run and opened
// again through the commands gives back every sample of every curve
#include "app_hilfe.h"
#include "files/kurvendatei.h"
#include "platform/box.h"
#include "resources/befehle.h"
#include <map>
#include <tuple>

using namespace apphilfe;

namespace {

// every curve that holds samples: (neuron, diagram, slot) -> its samples
using Kurven = std::map<std::tuple<int, int, int>, std::vector<float>>;

Kurven kurvenLesen()
{
    Kurven k;
    for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron)
        for (DiagrammDaten* d = &n->hauptDiagramm; d; d = d->naechstes)
            for (int s = 0; s < kurvenProDiagramm; ++s) {
                const KurvenDaten& kurve = d->kurven[static_cast<size_t>(s)];
                if (lesbareWerte(kurve) > 0)
                    k[{n->nummer, d->nummer, s}].assign(kurve.werte.begin(), kurve.werte.begin() + lesbareWerte(kurve));
            }
    return k;
}

struct KurvendateiOeffnen : AppFall {
    std::string arbeit = testhilfe::tempOrdner("velnor-kurvendatei");

    void TearDown() override
    {
        datHeader = {};
        AppFall::TearDown();
        std::filesystem::remove_all(arbeit);
    }
    // the open command on a file chosen in its dialog; nothing is said: a network there is
    // its file as opened (a run changes no byte of it), so no save is offered
    void oeffnen(const std::string& pfad)
    {
        pt::dateiAntworten({pt::dateiAntwort(pfad)});
        const size_t ab = pt::boxLog().size();
        befehl(befehlDateiOeffnen);
        nachrichtenVerarbeiten();
        ASSERT_EQ(pt::boxLog().size(), ab) << pt::boxLog().back().text;
    }
    void offenUndGezeigt()
    {
        for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron)
            EXPECT_TRUE(n->hauptDiagramm.offen && istSichtbar(n->hauptDiagramm.fenster)) << n->nummer;
    }
};

} // namespace

// The swim example opened, run with both of its windows open, saved by "DAT-Datei speichern
// unter" and opened again: the same curves with the same samples, in windows that are open.
TEST_F(KurvendateiOeffnen, NachDemOeffnenHaltenAlleKurvenIhreWerte)
{
    ASSERT_TRUE(starten());
    const std::string netz = arbeit + "swim.gui";
    std::filesystem::copy_file(ausgelieferteTexte() + "../../examples/swim.gui", netz);
    oeffnen(netz);
    ASSERT_EQ(neuronKette.anzahl, 2);
    offenUndGezeigt();
    pt::tasteDruecken(haupt(), taste::F2);
    nachrichtenVerarbeiten();
    ASSERT_TRUE(pt::boxLog().empty()) << pt::boxLog().front().text;
    ASSERT_EQ(simulationsParameter.anzahlSchritte, 3000);
    const Kurven vorher = kurvenLesen();
    ASSERT_TRUE(vorher.contains({2, 0, kurve::Soma}));
    const std::vector<float>& soma = vorher.at({2, 0, kurve::Soma});
    ASSERT_EQ(soma.size(), 3000u);
    EXPECT_NEAR(soma[0], -70.0f, 5.0f);
    EXPECT_EQ(std::ranges::count(soma, keineDaten), 0);

    const std::string kurven = arbeit + "swim.dat";
    pt::dateiAntworten({pt::dateiAntwort(kurven)});
    befehl(befehlDatDateiSpeichernUnter);
    ASSERT_TRUE(std::filesystem::exists(kurven));
    ASSERT_TRUE(pt::boxLog().empty()) << pt::boxLog().front().text;

    oeffnen(kurven);
    ASSERT_EQ(neuronKette.anzahl, 2);
    offenUndGezeigt();
    // each window draws its soma curve, not empty axes
    for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron)
        EXPECT_GT(n->hauptDiagramm.kurven[kurve::Soma].punktAnzahl, 0) << n->nummer;
    const Kurven nachher = kurvenLesen();
    ASSERT_EQ(nachher.size(), vorher.size());
    for (const auto& [wo, werte] : vorher) {
        SCOPED_TRACE(::testing::Message() << "neuron " << std::get<0>(wo) << " diagram " << std::get<1>(wo)
                                          << " slot " << std::get<2>(wo));
        ASSERT_TRUE(nachher.contains(wo));
        EXPECT_TRUE(nachher.at(wo) == werte);
    }
}
