// tests/app/test_wiedergabe.cpp - the spike playback: neurons flash in the recorded order
#include "app_hilfe.h"
#include "app/netzbild.h"
#include "app/neuroneditor.h"
#include "resources/befehle.h"

using namespace apphilfe;

namespace {

class Wiedergabe : public AppFall {
protected:
    void SetUp() override
    {
        AppFall::SetUp();
        ASSERT_TRUE(starten());
        nachrichtenVerarbeiten();
        for (int i = 1; i <= 3; ++i) {
            NeuronDaten* n = NeuronFall::neu(i);
            ASSERT_NE(n, nullptr);
            n->x = 100 * i;
            n->y = 100;
            einstellungenAktualisieren(n, 0);
        }
    }
    void spikes(std::initializer_list<int> nummern)
    {
        double t = 0.0;
        for (int n : nummern)
            aufzeichnungEintragen(spikeAufzeichnung, neuronSuchen(n), t += 0.001);
    }
    // the flashing neuron at every tick until the playback ends
    std::vector<int> abspielen()
    {
        befehl(befehlApsAbspielen);
        std::vector<int> blitze;
        while (spikeAufzeichnung.wiedergabe && blitze.size() < 100) {
            pt::uhrVorstellen(wiedergabeTaktMs);
            if (const int n = aufblitzendesNeuron()) {
                blitze.push_back(n);
                // the painter shows it: its soma in the flash colour
                const auto& a = (ungueltigMachen(haupt()), neuZeichnen(haupt()), pt::letzteZeichnung(haupt()));
                const Rechteck r = somaRechteck(*neuronSuchen(n));
                EXPECT_TRUE(std::ranges::any_of(a, [&](const pt::ZeichenAufruf& z) {
                    return z.art == pt::ZeichenArt::Ellipse && z.rechteck.links == r.links && z.zustand.pinsel == blitzFarbeWiedergabe;
                })) << n;
            }
        }
        return blitze;
    }
};

TEST_F(Wiedergabe, NeuroneBlitzenInDerAufgezeichnetenReihenfolge)
{
    EXPECT_FALSE(befehlVerfuegbar(befehlApsAbspielen));
    spikes({2, 1, 3, 2});
    EXPECT_TRUE(befehlVerfuegbar(befehlApsAbspielen));
    EXPECT_EQ(abspielen(), (std::vector{2, 1, 3, 2}));
    EXPECT_EQ(aufblitzendesNeuron(), 0);
    EXPECT_EQ(pt::zeitgeberPeriode(haupt(), zeitgeber::Wiedergabe), -1.0);
    // the recording stays for another playback
    EXPECT_EQ(abspielen(), (std::vector{2, 1, 3, 2}));
}

TEST_F(Wiedergabe, DieWiedergabeBeruehrtKeinGeloeschtesNeuron)
{
    spikes({1, 2, 3, 2, 1});
    // deleted before the playback
    neuronLoeschen(neuronSuchen(3), 0);
    EXPECT_EQ(abspielen(), (std::vector{1, 2, 2, 1}));
    // and while it runs: what is left plays on in order
    befehl(befehlApsAbspielen);
    pt::uhrVorstellen(wiedergabeTaktMs);
    pt::uhrVorstellen(wiedergabeTaktMs);
    ASSERT_EQ(aufblitzendesNeuron(), 2);
    neuronLoeschen(neuronSuchen(2), 0);
    std::vector<int> rest;
    while (spikeAufzeichnung.wiedergabe && rest.size() < 10) {
        pt::uhrVorstellen(wiedergabeTaktMs);
        if (aufblitzendesNeuron())
            rest.push_back(aufblitzendesNeuron());
    }
    EXPECT_EQ(rest, (std::vector{1}));
}

} // namespace
