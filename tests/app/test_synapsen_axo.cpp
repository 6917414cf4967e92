// tests/app/test_synapsen_axo.cpp - axo-axonic synapses from the synapse context menu, and
// neurons without a name in the new-synapse dialog
#include "app_hilfe.h"
#include "model/anzeigeeinstellungen.h"
#include "model/synapse.h"
#include "platform/box.h"
#include "resources/befehle.h"

using namespace apphilfe;

namespace {

// "Sender" left, neuron 2 (no name) in the middle, neuron 3 (no name) right; synapses 1 -> 2
// and 3 -> 2 of one type on the soma of 2, so they share a pool
class AxoSynapsen : public AppFall {
protected:
    SynapseDaten *links = nullptr, *rechts = nullptr;
    std::vector<SynapseDaten*> bearbeitet;   // the synapse each opening of the edit dialog showed
    void SetUp() override
    {
        AppFall::SetUp();
        ASSERT_TRUE(starten());
        nachrichtenVerarbeiten();
        for (int i = 1; i <= 3; ++i) {
            NeuronDaten* n = NeuronFall::neu(i);
            n->x = 150 * i;
            n->y = 100 + 60 * (i % 2);
            einstellungenAktualisieren(n, 0);
        }
        neuronSuchen(1)->name = "Sender";
        links = synapse(1, 2);
        rechts = synapse(3, 2);
        neueSynapseVorgaben = {0.004, 2e-6, 5e-6, -0.03, 0.06};
        hoechsteSynapsenId = rechts->id;
        programmStatus |= programmBit::AxoAxonisch;
    }
    SynapseDaten* synapse(int von, int nach)
    {
        SynapseDaten* s = synapseNeu(neuronSuchen(von), neuronSuchen(nach), 0, 1e-6, 0.003, -0.04, 0.05, 0, nullptr);
        synapsenTabelleSetzen(s->id, s);
        return s;
    }
    // the middle of the synapse's marker square as painted now
    Punkt marke(const SynapseDaten* s)
    {
        ungueltigMachen(haupt(), nullptr);
        neuZeichnen(haupt());
        const Rechteck& r = s->markerRechteck;
        return {(r.links + r.rechts) / 2, (r.oben + r.unten) / 2};
    }
    // the right click on the marker, choosing wahl (0: nothing); the items the menu offered
    std::vector<int> rechtsklick(const SynapseDaten* s, int wahl)
    {
        const Punkt p = marke(s);
        pt::popupAntworten({wahl});
        pt::klicken(haupt(), p.x, p.y, true);
        nachrichtenVerarbeiten();
        return pt::popupLog().back();
    }
    void bearbeitenAbbrechen()
    {
        pt::dialogSkript(135, {[this](Fenster) { bearbeitet.push_back(gewaehlteSynapse); }, pt::schritt::klicken(2)});
    }
    static bool bietetAxo(const std::vector<int>& posten)
    {
        return std::ranges::count(posten, befehlAxoSynapseErste) == 1;
    }
};

// The item is there with the switch on and one neuron marked; it makes an axo-axonic synapse
// from that neuron onto the synapse, as the new-synapse dialog numbers one, and opens the
// edit dialog for it.
TEST_F(AxoSynapsen, MitSchalterUndEinemMarkiertenNeuronEntstehtDieAxoSynapseUndDerDialogOeffnet)
{
    neuronMarkieren(neuronSuchen(3), 1);
    bearbeitenAbbrechen();
    EXPECT_TRUE(bietetAxo(rechtsklick(links, befehlAxoSynapseErste)));
    ASSERT_EQ(bearbeitet.size(), 1u);
    SynapseDaten* axo = bearbeitet[0];
    ASSERT_NE(axo, nullptr);
    EXPECT_EQ(std::tuple(axo->id, synapseNachId(axo->id), aktuelleSynapse, hoechsteSynapsenId),
              std::tuple(rechts->id + 1, axo, axo, rechts->id + 1));
    EXPECT_EQ(std::tuple(axo->quellNummer, axo->zielNummer, axo->zielBereich, axo->elternSynapse, axo->elternId, axo->axoIndex),
              std::tuple(3, 2, kontaktort::Axo, links, links->id, 1));
    EXPECT_EQ(std::tuple(axo->synapsenTyp, axo->initialLeitfaehigkeit, axo->verzoegerung, axo->freisetzungsSchwelle,
                         axo->freisetzungsSaettigung),
              std::tuple(links->synapsenTyp, 2e-6, 0.004, -0.03, 0.06));
    EXPECT_EQ(std::pair(links->axoAnzahl, axoZaehler), std::pair(1, 1));
}

// Without the switch, without exactly one marked neuron, or during a run, nothing is made.
TEST_F(AxoSynapsen, OhneSchalterOderMarkiertesNeuronGibtEsDenPostenNichtUndImLaufGiltDieSperre)
{
    neuronMarkieren(neuronSuchen(3), 1);
    programmStatus &= ~programmBit::AxoAxonisch;
    EXPECT_FALSE(bietetAxo(rechtsklick(links, 0)));
    programmStatus |= programmBit::AxoAxonisch;
    neuronMarkieren(neuronSuchen(1), 1);
    EXPECT_FALSE(bietetAxo(rechtsklick(links, 0))) << "two marked";
    neuronMarkieren(nullptr, 0);
    EXPECT_FALSE(bietetAxo(rechtsklick(links, 0))) << "none marked";
    // a command that still arrives without its conditions does nothing
    befehl(befehlAxoSynapseErste);
    // during a run the item is grey, and the command itself is refused
    neuronMarkieren(neuronSuchen(3), 1);
    programmStatus |= programmBit::LaufAktiv;
    std::vector<std::string> abgelehnt;
    pt::fehlerBehandlungSetzen([&](const std::string& t) { abgelehnt.push_back(t); });
    rechtsklick(links, befehlAxoSynapseErste);
    pt::fehlerBehandlungSetzen(nullptr);
    ASSERT_EQ(abgelehnt.size(), 1u);
    EXPECT_NE(abgelehnt[0].find("is grey"), std::string::npos) << abgelehnt[0];
    pt::boxAntworten({antwort::Ok});
    befehl(befehlAxoSynapseErste);
    programmStatus &= ~programmBit::LaufAktiv;
    ASSERT_FALSE(pt::boxLog().empty());
    EXPECT_EQ(pt::boxLog().back().text, meldungsTexte[881]);
    EXPECT_EQ(std::tuple(axoZaehler, links->axoAnzahl, bearbeitet.size()), std::tuple(0, 0, size_t{0}));
}

// Two synapses of one type on one segment share a pool: once one of them carries axo-axonic
// synapses the other may not (message 464), while the first may take more.
TEST_F(AxoSynapsen, EineZweiteSynapseGleichenTypsAmSegmentBekommtKeineAxoSynapse)
{
    neuronMarkieren(neuronSuchen(1), 1);
    bearbeitenAbbrechen();
    rechtsklick(links, befehlAxoSynapseErste);
    ASSERT_EQ(links->axoAnzahl, 1);
    pt::boxAntworten({antwort::Ok});
    rechtsklick(rechts, befehlAxoSynapseErste);
    EXPECT_EQ(pt::boxLog().back().text, meldungsTexte[464]);
    EXPECT_EQ(std::tuple(rechts->axoAnzahl, axoZaehler, bearbeitet.size()), std::tuple(0, 1, size_t{1}));
    bearbeitenAbbrechen();
    rechtsklick(links, befehlAxoSynapseErste);
    EXPECT_EQ(std::tuple(links->axoAnzahl, axoZaehler, bearbeitet.size()), std::tuple(2, 2, size_t{2}));
}

// The neuron lists of the new-synapse dialog: a neuron without a name is "Neuron N", each
// entry's data is its neuron's number, and the pick counts by that number: the entry of
// unnamed neuron 2 and that of neuron 3, which is named "Neuron 2", each give their own neuron.
TEST_F(AxoSynapsen, NeuronOhneNamenStehtAlsNeuronNInDerListeUndDieWahlGiltSeinerNummer)
{
    neuronSuchen(3)->name = meldungFormatieren(1404, 2);
    for (const int ziel : {2, 3}) {
        SCOPED_TRACE(ziel);
        neuronMarkieren(nullptr, 0);
        neuronMarkieren(neuronSuchen(2), 1);
        pt::dialogSkript(135, {pt::schritt::klicken(1251)});          // sodium: opened again with its type
        pt::dialogSkript(135, {[&](Fenster dlg) {
            std::vector<std::pair<std::string, intptr_t>> eintraege;
            for (int p = 0; p < listeAnzahl(dlg, 1263); ++p)
                eintraege.emplace_back(listeText(dlg, 1263, p), listeDaten(dlg, 1263, p));
            const std::string ohneNamen = meldungFormatieren(1404, 2);
            EXPECT_EQ(eintraege, (std::vector<std::pair<std::string, intptr_t>>{{ohneNamen, 2}, {ohneNamen, 3}, {"Sender", 1}}));
            // the one marked neuron, without a name, is the source
            EXPECT_EQ(listeDaten(dlg, 1262, listeAuswahl(dlg, 1262)), 2);
            EXPECT_EQ(elementText(dlg, 1262), ohneNamen);
            pt::waehlen(dlg, 1262, 2);                                    // "Sender"
            pt::waehlen(dlg, 1263, ziel - 2);
        }, pt::schritt::klicken(1)});
        befehl(befehlSynapseNeu);
        const SynapseDaten* s = aktuelleSynapse;
        ASSERT_NE(s, nullptr);
        EXPECT_NE(s, links);
        EXPECT_EQ(std::pair(s->quellNummer, s->zielNummer), std::pair(1, ziel));
        EXPECT_EQ(letztesZielNeuron, ziel);
        aktuelleSynapse = nullptr;
    }
    // an empty target field names no neuron, not the first one without a name
    pt::dialogSkript(135, {pt::schritt::klicken(1251)});
    pt::dialogSkript(135, {pt::schritt::tippen(1263, ""), pt::schritt::klicken(1), pt::schritt::klicken(2)});
    pt::boxAntworten({antwort::Ok});
    befehl(befehlSynapseNeu);
    EXPECT_EQ(pt::boxLog().back().text, meldungsTexte[35]);
    EXPECT_EQ(aktuelleSynapse, nullptr);
}

} // namespace
