// tests/permutation/test_modus.cpp - entering and leaving the permutation mode (178, 4)
#include "permutation_hilfe.h"
#include "files/netzdatei.h"
#include "model/laufstart.h"
#include "platform/menue.h"

using namespace permutationstest;

namespace {

class Modus : public PermutationFall {
protected:
    Menue leiste() const { return fensterMenue(haupt()); }
};

} // namespace

// The mode's menu by language, its status text, every neuron's evaluation flag and export
// mask cleared but the evaluation neuron's flag, and the export switches off.
TEST_F(Modus, EinschaltenZeigtDasMenueDerSpracheUndLoeschtDieSchalter)
{
    for (const int s : {spracheDeutsch, spracheEnglisch}) {
        SCOPED_TRACE(s);
        sprache = s;
        for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron) {
            n->exportMaske = 0x11;
            n->spikezeitenSpeichern = 1;
        }
        permutationsDefinition.auswerteNeuron = 3;
        programmStatus |= programmBit::SomaDateiSchreiben | programmBit::WerteExportieren;
        modusAn();
        EXPECT_EQ(leiste(), fensterhandles.permutationsMenue);
        EXPECT_EQ(postenText(leiste(), 0, Nach::Position), s == spracheDeutsch ? "&Datei" : "&File");
        EXPECT_EQ(statusTexte[0], "\tPermutationsmodus");
        for (const NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron)
            EXPECT_EQ(std::pair(n->exportMaske, n->spikezeitenSpeichern), std::pair(0, n->nummer == 3 ? 1 : 0))
                << n->nummer;
        EXPECT_EQ(programmStatus & (programmBit::SomaDateiSchreiben | programmBit::WerteExportieren), 0u);
        EXPECT_TRUE(pt::boxLog().empty());
        befehl(befehlPmtModusBeenden);
        EXPECT_FALSE(modusStatus & modusBit::Permutationsmodus);
    }
}

// Without varied synapses the mode asks for a definition file at once.
TEST_F(Modus, OhneVariierteSynapsenWirdGleichEineDefinitionGeladen)
{
    pt::dateiAntworten({pt::dateiAbbruch()});
    befehl(befehlPermutationsmodusEinschalten);
    EXPECT_TRUE(modusStatus & modusBit::Permutationsmodus);
    ASSERT_EQ(pt::dateiWahlLog().size(), 1u);
    EXPECT_EQ(pt::dateiWahlLog()[0].gefragt.titel, "Permutationsdatei Lesen");
    EXPECT_EQ(pt::dateiWahlLog()[0].gefragt.name, "netz permutation definition");
    EXPECT_FALSE(modusStatus & modusBit::DefinitionDa);
}

// A language without the mode's menu: messages 90 and 717, the simulation mode stays, and
// the neurons keep their switches.
TEST_F(Modus, EinFehlgeschlagenerStartLaesstDenSimulationsmodus)
{
    neuronSuchen(2)->exportMaske = 7;
    permutationsDefinition.synapsen.push_back({synapsenId(2, 1), {0.0, 1.0}});
    sprache = 1036;
    pt::boxAntworten({antwort::Ok, antwort::Ok});
    befehl(befehlPermutationsmodusEinschalten);
    sprache = spracheDeutsch;
    EXPECT_EQ(boxen(), (std::vector<std::string>{meldungsTexte[90], meldungsTexte[717]}));
    EXPECT_EQ(modusStatus & modusBit::Permutationsmodus, 0u);
    EXPECT_EQ(leiste(), fensterhandles.hauptmenue);
    EXPECT_EQ(neuronSuchen(2)->exportMaske, 7);
}

// Saved in the mode, the network file holds the switches the mode keeps aside for the
// user, byte for byte the file saved after the mode is left; memory keeps the mode's cleared
// ones until then.
TEST_F(Modus, GespeichertWerdenDieSchalterDesBenutzers)
{
    neuronSuchen(2)->exportMaske = 0x5;
    neuronSuchen(2)->spikezeitenSpeichern = 1;
    neuronSuchen(4)->exportMaske = 0x30;
    permutationsDefinition.auswerteNeuron = 1;
    dateipfade.endung = "gui";
    const auto speichern = [&](const std::string& name) {
        dateipfade.netzName = name;
        EXPECT_TRUE(guiDateiSpeichern(0, nullptr, 1));
        return testhilfe::lesen(ordner + name + ".gui");
    };
    modusAn();
    const std::string imModus = speichern("im modus");
    for (const char* zeile : {"neuron 2 parameter fuer ascii-export=5\r\n", "neuron 2 spikezeiten speichern=1\r\n",
                              "neuron 4 parameter fuer ascii-export=48\r\n", "neuron 1 spikezeiten speichern=0\r\n"})
        EXPECT_NE(imModus.find(zeile), std::string::npos) << zeile;
    EXPECT_EQ(std::tuple(neuronSuchen(2)->exportMaske, neuronSuchen(2)->spikezeitenSpeichern,
                         neuronSuchen(4)->exportMaske, neuronSuchen(1)->spikezeitenSpeichern),
              std::tuple(0, 0, 0, 1));
    befehl(befehlPmtModusBeenden);
    EXPECT_EQ(speichern("danach"), imModus);
}

// 4 while a result-file operation runs only stops it; a second 4 leaves.
TEST_F(Modus, BeendenHaeltZuerstNurEineLaufendeDateiOperationAn)
{
    modusAn();
    modusStatus |= modusBit::DateiOperation;
    befehl(befehlPmtModusBeenden);
    EXPECT_EQ(modusStatus & (modusBit::DateiOperation | modusBit::Permutationsmodus), modusBit::Permutationsmodus);
    EXPECT_EQ(leiste(), fensterhandles.permutationsMenue);
    befehl(befehlPmtModusBeenden);
    EXPECT_EQ(modusStatus & modusBit::Permutationsmodus, 0u);
    EXPECT_EQ(leiste(), fensterhandles.hauptmenue);
    EXPECT_EQ(fensterhandles.permutationsMenue, nullptr);
    EXPECT_EQ(statusTexte[0], "\tSimulationsmodus");
}

// Question 542 for an unsaved definition: Cancel stays; Yes with the save cancelled stays
// with the definition still unsaved; No leaves without saving.
TEST_F(Modus, FrageVorDemVerlassenMitUngespeicherterDefinition)
{
    modusAn();
    modusStatus |= modusBit::DefinitionDa | modusBit::DefinitionUngespeichert;
    pt::boxAntworten({antwort::Abbrechen});
    befehl(befehlPmtModusBeenden);
    EXPECT_TRUE(modusStatus & modusBit::Permutationsmodus);
    EXPECT_EQ(boxen(), std::vector<std::string>{meldungsTexte[542]});

    pt::boxAntworten({antwort::Ja});
    pt::dateiAntworten({pt::dateiAbbruch()});
    befehl(befehlPmtModusBeenden);
    EXPECT_EQ(modusStatus & (modusBit::Permutationsmodus | modusBit::DefinitionUngespeichert),
              modusBit::Permutationsmodus | modusBit::DefinitionUngespeichert);
    EXPECT_EQ(pt::dateiWahlLog().back().gefragt.titel, "Definitionsdatei Speichern");

    pt::boxAntworten({antwort::Ja});
    pt::dateiAntworten({pt::dateiAntwort(ordner + "def.pmt")});
    befehl(befehlPmtModusBeenden);
    EXPECT_EQ(modusStatus & (modusBit::Permutationsmodus | modusBit::DefinitionUngespeichert), 0u);
    EXPECT_TRUE(std::filesystem::exists(ordner + "def.pmt"));
}

// The mode's cleared switches are the network's own values, saved with it: leaving gives
// each neuron back what it had, and the next ordinary run simulates the whole network.
TEST_F(Modus, VerlassenGibtDenNeuronenIhreSchalterZurueck)
{
    neuronSuchen(2)->exportMaske = 0x5;
    neuronSuchen(2)->spikezeitenSpeichern = 1;
    neuronSuchen(4)->exportMaske = 0x30;
    permutationsDefinition.auswerteNeuron = 1;
    modusAn();
    EXPECT_EQ(neuronSuchen(2)->exportMaske, 0);
    teilsimulationsModus = 2;
    permutationsErgebnisse.einzel.nummer = 6;
    permutationsErgebnisse.einzel.apZeiten = {0.1f};
    befehl(befehlPmtModusBeenden);
    EXPECT_EQ(std::tuple(neuronSuchen(2)->exportMaske, neuronSuchen(2)->spikezeitenSpeichern,
                         neuronSuchen(4)->exportMaske, neuronSuchen(1)->spikezeitenSpeichern),
              std::tuple(0x5, 1, 0x30, 0));
    EXPECT_EQ(teilsimulationsModus, 0);
    EXPECT_EQ(permutationsErgebnisse.einzel.nummer, -1);
    EXPECT_TRUE(permutationsErgebnisse.einzel.apZeiten.empty());
}
