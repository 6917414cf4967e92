// tests/app/test_objektbild.cpp - feedback diamonds and collision boxes in the network picture
#include "app_hilfe.h"
#include "app/netzbild.h"
#include "app/neuroneditor.h"
#include "platform/box.h"
#include "dialogs/objektdialoge.h"
#include "texts/texte.h"

using namespace apphilfe;
namespace sch = plattform::test::schritt;

namespace {
class Objektbild : public AppFall {};
}

// A diamond halfway between trigger and target opens its object; a box amid the four
// elements opens the collision object; a click beside them opens nothing.
TEST_F(Objektbild, RauteUndKastenOeffnenIhrObjekt)
{
    ASSERT_TRUE(starten("", ausgelieferteTexte() + "../../examples/synapsen.gui"));
    nachrichtenVerarbeiten();
    NeuronDaten *a = neuronKette.kopf, *b = a->naechstesNeuron;
    Rueckkopplungsobjekt* o = rueckkopplungsObjektErzeugen();
    std::tie(o->triggerNeuron, o->zielneurone) = std::tuple(a, std::vector<NeuronDaten*>{b});
    rueckkopplungGraphikVorgaben(*o);
    Kollisionsobjekt* k = kollisionsObjektNeu();
    std::tie(k->elementNummern[0], k->elementNummern[1]) = std::tuple(a->nummer, a->nummer);
    ungueltigMachen(haupt(), nullptr);
    neuZeichnen(haupt());
    ASSERT_EQ(o->zielRauten.size(), 1u);
    const Rechteck r = o->zielRauten[0], sa = somaRechteck(*a), sb = somaRechteck(*b);
    EXPECT_EQ((r.links + r.rechts) / 2, ((sa.links + sa.rechts) / 2 + (sb.links + sb.rechts) / 2) / 2);
    EXPECT_EQ(r.breite(), gezoomt(50));
    o->zielneurone.assign(maxZielRauten + 5, b);   // no more diamonds than the table holds
    ungueltigMachen(haupt(), nullptr);
    neuZeichnen(haupt());
    EXPECT_EQ(o->zielRauten.size(), static_cast<size_t>(maxZielRauten));
    const auto klick = [this](Punkt p) { senden(haupt(), nachricht::LinksRunter, maus::Links, machLParam(p.x, p.y)); };
    const size_t vorher = pt::dialogLog().size();
    pt::dialogSkript(299, {sch::klicken(2)});
    klick({(r.links + r.rechts) / 2, (r.oben + r.unten) / 2});
    pt::dialogSkript(316, {sch::klicken(2)});
    klick({(sa.links + sa.rechts) / 2 + 1, (sa.oben + sa.unten) / 2 + gezoomt(120) / 2 - 1});
    pt::boxAntworten({plattform::antwort::Ok});   // a neuron an object uses is not deleted
    EXPECT_EQ(neuronLoeschen(b, 0), 0);
    EXPECT_EQ(pt::boxLog().back().text, meldungsTexte[485]);
    const auto& log = pt::dialogLog();
    ASSERT_EQ(log.size(), vorher + 2);
    EXPECT_EQ(std::tuple(log[log.size() - 2].vorlage, log.back().vorlage, aktuellesKollisionsobjekt),
              std::tuple(299, 316, k));
}
