// tests/app/test_synapsenmenue.cpp - the synapse context menu and F9 over the drawn marker squares
#include "app_hilfe.h"
#include "model/synapse.h"
#include "resources/befehle.h"

using namespace apphilfe;

namespace {

// the example network, with a twin of synapse 1 under the same marker square
class SynapsenMenue : public AppFall {
protected:
    SynapseDaten* s[2]{};
    std::vector<SynapseDaten*> gezeigt;   // the synapse each opening of template 135 showed
    void SetUp() override
    {
        AppFall::SetUp();
        ASSERT_TRUE(starten("", ausgelieferteTexte() + "../../examples/synapsen.gui"));
        nachrichtenVerarbeiten();
        ASSERT_NE(s[0] = synapseNachId(1), nullptr);
        s[1] = synapseNeu(neuronSuchen(s[0]->quellNummer), neuronSuchen(s[0]->zielNummer), 0, 1e-6, 0.003, -0.04, 0.05, 0, nullptr);
        synapsenTabelleSetzen(s[1]->id, s[1]);
    }
    void TearDown() override { zoomFaktor = 1.0; AppFall::TearDown(); }
    // the marker's middle as painted now; each dialog then answered with the next button
    Punkt marke(const std::vector<int>& knoepfe)
    {
        for (int k : knoepfe)
            pt::dialogSkript(135, {[this](Fenster) { gezeigt.push_back(gewaehlteSynapse); }, pt::schritt::klicken(k)});
        ungueltigMachen(haupt(), nullptr);
        neuZeichnen(haupt());
        const Rechteck& r = s[0]->markerRechteck;
        return {(r.links + r.rechts) / 2, (r.oben + r.unten) / 2};
    }
};

TEST_F(SynapsenMenue, RechtsklickUndF9TreffenJedeSynapseUnterDerGezeichnetenMarke)
{
    // the menu makes the first synapse the current one, a dialog then its own
    const struct { double zoom; int wahl; std::vector<SynapseDaten*> gezeigt; } faelle[] = {
        {1.0, 0, {}}, {2.0, befehlSynapseBearbeitenErste + 1, {s[1]}}, {0.5, befehlSynapseLoeschenErste, {s[0]}}};
    for (const auto& f : faelle) {
        std::tie(zoomFaktor, aktuelleSynapse) = std::tuple(f.zoom, nullptr);
        const Punkt p = marke(f.wahl ? std::vector{2} : std::vector<int>{});
        pt::popupAntworten({f.wahl});
        pt::klicken(haupt(), p.x, p.y, true);
        nachrichtenVerarbeiten();
        EXPECT_EQ(pt::popupLog().back(), (std::vector{45000, 45001, 0, 45500, 45501, 0, 0, 0})) << f.zoom;
        EXPECT_EQ(std::make_pair(std::exchange(gezeigt, {}), aktuelleSynapse), std::make_pair(f.gezeigt, f.gezeigt.empty() ? s[0] : f.gezeigt[0]));
    }
    // F9 edits them one after the other under the mouse, still where it right-clicked, up to a Cancel
    for (const auto& [knoepfe, anzahl] : {std::pair{std::vector{2}, 1}, {{1, 1}, 2}}) {
        marke(knoepfe);
        befehl(befehlSynapseAendern);
        EXPECT_EQ(std::exchange(gezeigt, {}), std::vector(s, s + anzahl));
    }
}

} // namespace
