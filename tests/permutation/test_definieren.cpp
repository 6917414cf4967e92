// tests/permutation/test_definieren.cpp - the interactive definition (184) with its clicks
#include "permutation_hilfe.h"
#include "platform/menue.h"

using namespace permutationstest;

namespace {

constexpr int idEingabe = 1251;

class Definieren : public PermutationFall {
protected:
    void SetUp() override
    {
        PermutationFall::SetUp();
        modusAn();
        pt::logLeeren();
        boxenVergessen();
    }
    static void stufen(std::initializer_list<const char*> eingaben)
    {
        for (const char* e : eingaben)
            pt::dialogSkript(146, {pt::schritt::tippen(idEingabe, e), pt::schritt::klicken(1)});
    }
    static int piepser()
    {
        return static_cast<int>(std::ranges::count_if(pt::ereignisLog(), [](const pt::Ereignis& e) {
            return e.art == pt::Ereignis::Piep && e.a == 1000 && e.b == 100;
        }));
    }
};

} // namespace

// A level count outside 2..20 gets the notice naming the field, and the dialog stays open.
// The clicks choose neuron 4 for the evaluation, 1 as the postsynaptic neuron and 2 and 3 as
// its presynaptic ones; each varied synapse holds its conductance at level m / 2, the other
// levels 0.
TEST_F(Definieren, KlicksWaehlenAuswerteneuronUndZweiSynapsen)
{
    pt::dialogSkript(146, {pt::schritt::tippen(idEingabe, "0"), pt::schritt::klicken(1),
                           pt::schritt::tippen(idEingabe, "25"), pt::schritt::klicken(1),
                           pt::schritt::tippen(idEingabe, "6"), pt::schritt::klicken(1)});
    klicks = {4, 1, 2, 3};
    pt::boxAntworten({antwort::Ok, antwort::Ok, antwort::Ok, antwort::Ja, antwort::Ja, antwort::Ja, antwort::Ja,
                      antwort::Ja, antwort::Ja, antwort::Nein, antwort::Nein, antwort::Ok});
    pt::dialogSkript(146, {});   // not asked again
    befehl(befehlPmtDefinieren);
    EXPECT_EQ(piepser(), 0);
    const PermutationsDefinition& d = permutationsDefinition;
    EXPECT_EQ(std::tuple(d.auswerteNeuron, d.postsynaptischeAnzahl, d.levelAnzahl, d.synapsen.size()),
              std::tuple(4, 1, 6, size_t{2}));
    ASSERT_EQ(d.synapsen.size(), 2u);
    EXPECT_EQ(d.synapsen[0].id, synapsenId(2, 1));
    EXPECT_EQ(d.synapsen[1].id, synapsenId(3, 1));
    EXPECT_EQ(d.synapsen[0].level, (std::vector<double>{0, 0, 0, 2e-7, 0, 0}));
    EXPECT_EQ(d.synapsen[1].level, (std::vector<double>{0, 0, 0, 3e-7, 0, 0}));
    EXPECT_EQ(modusStatus & (modusBit::DefinitionDa | modusBit::DefinitionUngespeichert | modusBit::NeuronPerKlick |
                             modusBit::InteraktiveDefinition),
              modusBit::DefinitionDa | modusBit::DefinitionUngespeichert);
    EXPECT_EQ(neuronSuchen(4)->spikezeitenSpeichern, 1);
    const std::vector<std::string> erwartet = {
        meldungFormatieren(822, meldungsTexte[190], 2, 20),
        meldungFormatieren(822, meldungsTexte[190], 2, 20),
        meldungsTexte[52],
        meldungsTexte[53],
        meldungFormatieren(54, 1, "Motor"),
        meldungFormatieren(55, "Motor"),
        meldungFormatieren(56, "Motor", "Sensor links"),
        meldungFormatieren(55, "Motor"),
        meldungFormatieren(56, "Motor", "Sensor rechts"),
        meldungFormatieren(55, "Motor"),
        meldungsTexte[53],
        meldungsTexte[57],
    };
    EXPECT_EQ(boxen(), erwartet);
    // the definition's menu came and went
    EXPECT_EQ(fensterMenue(haupt()), fensterhandles.permutationsMenue);
    EXPECT_EQ(pt::offeneDialogSkripte(), 1u);
}

// Text that holds no number and a count outside 2..20 each get the notice naming the field,
// the focus back in it; Cancel then leaves the level count and the definition as they were.
TEST_F(Definieren, StufenOhneZahlWerdenGenanntUndNichtGenommen)
{
    permutationsDefinition.levelAnzahl = 3;
    const PermutationsDefinition frueher = permutationsDefinition;
    const uint32_t bits = modusStatus;
    const auto fokusMitText = [](const char* text) {
        return [text](Fenster d) {
            EXPECT_EQ(pt::dialogFokus(d), idEingabe);
            EXPECT_EQ(pt::dialogElement(d, idEingabe)->text, text);
        };
    };
    pt::dialogSkript(146, {fokusMitText("3"), pt::schritt::tippen(idEingabe, "abc"), pt::schritt::klicken(1),
                           fokusMitText("abc"), pt::schritt::tippen(idEingabe, "1"), pt::schritt::klicken(1),
                           fokusMitText("1"), pt::schritt::klicken(2)});
    pt::boxAntworten({antwort::Ok, antwort::Ok});
    befehl(befehlPmtDefinieren);
    EXPECT_EQ(boxen(), (std::vector<std::string>{meldungFormatieren(952, meldungsTexte[190]),
                                                 meldungFormatieren(822, meldungsTexte[190], 2, 20)}));
    const PermutationsDefinition& d = permutationsDefinition;
    EXPECT_EQ(std::tuple(d.levelAnzahl, d.auswerteNeuron, d.synapsen.size()),
              std::tuple(3, frueher.auswerteNeuron, frueher.synapsen.size()));
    EXPECT_EQ(modusStatus, bits);
}

// Cancel at question 53 leaves the earlier definition as it was, with its bits.
TEST_F(Definieren, AbbrechenLaesstDieFruehereDefinition)
{
    PermutationsDefinition frueher;
    frueher.auswerteNeuron = 2;
    frueher.levelAnzahl = 3;
    frueher.synapsen = {{synapsenId(4, 2), {1e-7, 2e-7, 3e-7}}};
    frueher.letzteNummer = 5;
    permutationsDefinition = frueher;
    modusStatus |= modusBit::DefinitionDa;
    stufen({"4"});
    klicks = {3};
    pt::boxAntworten({antwort::Ja, antwort::Ok, antwort::Abbrechen});   // 540, 52, 53
    befehl(befehlPmtDefinieren);
    EXPECT_EQ(boxen(), (std::vector<std::string>{meldungsTexte[540], meldungsTexte[52], meldungsTexte[53]}));
    const PermutationsDefinition& d = permutationsDefinition;
    EXPECT_EQ(std::tuple(d.auswerteNeuron, d.levelAnzahl, d.letzteNummer, d.synapsen.size()),
              std::tuple(2, 3, 5, size_t{1}));
    EXPECT_EQ(d.synapsen[0].level, frueher.synapsen[0].level);
    EXPECT_EQ(modusStatus & (modusBit::DefinitionDa | modusBit::DefinitionUngespeichert), modusBit::DefinitionDa);
}

// Before the first presynaptic neuron No is refused with 397; a synapse chosen twice beeps
// and is taken once; a presynaptic neuron without a synapse onto the postsynaptic one ends
// the definition with a notice (91) and keeps the earlier one.
TEST_F(Definieren, PraesynaptischeWahlWirdGeprueft)
{
    stufen({"2"});
    klicks = {4, 1, 2, 2, 3};
    pt::boxAntworten({antwort::Ok, antwort::Ja, antwort::Ja,   // 52, 53, 54
                      antwort::Nein, antwort::Ok,              // 55: No before any, 397
                      antwort::Ja, antwort::Ja,                // 55, 56: synapse 2->1
                      antwort::Ja, antwort::Ja,                // 55, 56: the same again
                      antwort::Nein, antwort::Nein, antwort::Ok});
    befehl(befehlPmtDefinieren);
    EXPECT_EQ(permutationsDefinition.synapsen.size(), 1u);
    EXPECT_EQ(piepser(), 1);
    EXPECT_EQ(boxen()[4], meldungFormatieren(397, "Motor"));
    EXPECT_EQ(klicks.size(), 1u);   // neuron 3 was never waited for

    permutationsDefinition = {};
    modusStatus &= ~modusBit::DefinitionDa;
    boxenVergessen();
    stufen({"2"});
    klicks = {1, 2, 3};   // 3 has no synapse onto 2
    pt::boxAntworten({antwort::Ok, antwort::Ja, antwort::Ja, antwort::Ja, antwort::Ja, antwort::Ok});
    befehl(befehlPmtDefinieren);
    EXPECT_EQ(boxen().back(), meldungsTexte[91]);
    EXPECT_EQ(pt::boxLog().back().titel, "Hinweis");
    EXPECT_EQ(permutationsDefinition.auswerteNeuron, 0);
    EXPECT_FALSE(modusStatus & modusBit::DefinitionDa);
}

// Command 239 from the definition's menu ends the click wait: nothing is defined.
TEST_F(Definieren, Befehl239BeendetDasWartenAufDenKlick)
{
    stufen({"3"});
    pt::boxAntworten({antwort::Ok});
    klickWartenPause = [] { EXPECT_TRUE(pt::menueBefehlWaehlen(fensterhandles.hauptfenster, befehlPmtDefinitionAbbrechen)); };
    befehl(befehlPmtDefinieren);
    EXPECT_FALSE(modusStatus & (modusBit::DefinitionDa | modusBit::InteraktiveDefinition | modusBit::NeuronPerKlick));
    EXPECT_EQ(fensterMenue(haupt()), fensterhandles.permutationsMenue);
}

// Neurons without a name are asked about as "Neuron N", by their numbers.
TEST_F(Definieren, NeuronOhneNamenWirdAlsNeuronNGefragt)
{
    neuronSuchen(1)->name.clear();
    neuronSuchen(2)->name.clear();
    stufen({"2"});
    klicks = {4, 1, 2};
    pt::boxAntworten({antwort::Ok, antwort::Ja, antwort::Ja,   // 52, 53, 54
                      antwort::Ja, antwort::Ja,                // 55, 56: synapse 2->1
                      antwort::Nein, antwort::Nein, antwort::Ok});
    befehl(befehlPmtDefinieren);
    const std::vector<std::string> b = boxen();
    ASSERT_GE(b.size(), 5u);
    EXPECT_EQ(b[2], "Postsynaptisches Neuron 1: \"Neuron 1\" \xFC" "bernehmen?");
    EXPECT_EQ(b[3], meldungFormatieren(55, "Neuron 1"));
    EXPECT_EQ(b[4], meldungFormatieren(56, "Neuron 1", "Neuron 2"));
    EXPECT_EQ(permutationsDefinition.synapsen.size(), 1u);
    EXPECT_EQ(neuronSuchen(1)->name, "");
}
