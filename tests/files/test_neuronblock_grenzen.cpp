// tests/files/test_neuronblock_grenzen.cpp - the keys of a neuron's diagrams and user
// channels are read from the neuron's own block, never from the blocks behind it
#include "netzdatei_hilfe.h"
#include "files/diagrammeinstellungen.h"
#include "files/neuronabschnitt.h"
#include <cstring>

namespace {

std::string neuronBlock(int n, const std::string& innen)
{
    const std::string nummer = std::to_string(n);
    return "[NEURON " + nummer + "] ***\n" + innen + "[ende NEURON " + nummer + "] ***\n";
}

std::string kanal(int neuron, int k, double g)
{
    std::string t;
    const std::string v = "neuron " + std::to_string(neuron) + " user-SWIM-kanal " + std::to_string(k) + " ";
    for (const char* name : {"gleichgewichtspotential", "leitfaehigkeit", "power", "torvariable initialwert",
                             "form alpha", "rate alpha", "V0 alpha", "schrittweite alpha", "form beta", "rate beta",
                             "V0 beta", "schrittweite beta", "berechnungsmodus fuer A und B"})
        t += v + name + "=" + (std::strcmp(name, "leitfaehigkeit") == 0 ? std::to_string(g) : "1") + "\n";
    return t;
}

} // namespace

// A neuron in the numbered form keeps its diagram settings when a block behind it still has
// the older form, and a neuron without user channels takes none that stand under its number
// in another block.
TEST_F(NetzdateiFall, DiagrammeUndBenutzerkanaeleKommenNurAusDemEigenenBlock)
{
    NeuronDaten* eins = neu(1);
    NeuronDaten* zwei = neu(2);
    eins->hauptDiagramm.neuronId = 1;
    zwei->hauptDiagramm.neuronId = 2;
    const std::string text =
        neuronBlock(1, "neuron 1 rauschen abklingzeit=0\nDiagramm 1 zu 1 minY=-20\nDiagramm 1 zu 1 linienDicke=3\n") +
        neuronBlock(2, "neuron 2 rauschen abklingzeit=0\n" + kanal(2, 0, 0.5) + kanal(1, 0, 0.25) +
                     "Diagramm zu 2 minY=-30\nDiagramm zu 1 minY=-40\n");
    std::vector<char> t = lesbar(text);
    char* block1 = t.data();
    char* block2 = std::strstr(t.data(), "[NEURON 2]");

    diagrammEinstellungenLaden(&eins->hauptDiagramm, block1);
    diagrammEinstellungenLaden(&zwei->hauptDiagramm, block2);
    EXPECT_EQ(std::tie(eins->hauptDiagramm.minY, eins->hauptDiagramm.linienDicke), std::tuple(-20.0, 3));
    EXPECT_EQ(zwei->hauptDiagramm.minY, -30.0);

    const size_t kanaeleVorher = eins->benutzerKanaele.size();
    EXPECT_EQ(physParameterLaden(eins, block1), 1);
    EXPECT_EQ(physParameterLaden(zwei, block2), 1);
    EXPECT_EQ(eins->benutzerKanaele.size(), kanaeleVorher);
    ASSERT_EQ(zwei->benutzerKanaele.size(), 1u);
    EXPECT_EQ(zwei->benutzerKanaele.front().leitfaehigkeit, 0.5);
    EXPECT_EQ(std::strlen(t.data()), text.size());   // every cut went back
    EXPECT_TRUE(pt::boxLog().empty());
}
