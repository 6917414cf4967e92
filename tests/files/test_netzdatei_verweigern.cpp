// tests/files/test_netzdatei_verweigern.cpp - texts the network reader refuses, and the
// repairs of what it used to take or end the program over
#include "netzdatei_hilfe.h"
#include "model/stromreiz.h"

using namespace plattform::test;

namespace {
struct Verweigern : NetzdateiFall {};
}

TEST_F(Verweigern, FalscheIdListenVerweigernDieDateiUndLassenEinLeeresNetz)
{
    const struct {
        const char* kopf;
        int meldung;
    } faelle[] = {
        {"anzahl neurone=2\nexistierende Neurone=1 \n", 247},                  // fewer than counted
        {"anzahl neurone=1\nexistierende Neurone=1 2 \n", 247},                // more
        {"anzahl neurone=2\nexistierende Neurone=1 1 \n", 247},                // twice
        {"anzahl neurone=2\nexistierende Neurone=0 1 \n", 247},                // out of range
        {"anzahl neurone=1\nexistierende Neurone=1024 \n", 247},
        {"anzahl neurone=1\nexistierende Neurone=x \n", 247},
        {"anzahl neurone=5000\nexistierende Neurone=1 \n", 247},
        {"anzahl neurone=1\nexistierende Neurone=1\nanzahl synapsen=2\nexistierende Synapsen=3 \n", 249},
        {"anzahl neurone=1\nexistierende Neurone=1\nanzahl synapsen=2\nexistierende Synapsen=3 3 \n", 249},
        {"anzahl neurone=1\nexistierende Neurone=1\nanzahl synapsen=1\nexistierende Synapsen=4096 \n", 249},
        {"anzahl neurone=1\nexistierende Neurone=1\nanzahl synapsen=1\nanzahl axo-axonischer synapsen=2\n", 249},
        {"anzahl neurone=1\nexistierende Neurone=1\nanzahl synapsen=99999\n", 249},
        {"anzahl neurone=1\nexistierende Neurone=1\nanzahl synapsen=2\nexistierende Synapsen=5 \n"
         "anzahl axo-axonischer synapsen=1\nexistierende Axo-Synapsen=5 \n", 250},   // id in both lists
        {"anzahl neurone=1\nexistierende Neurone=1\nanzahl synapsen=1\nanzahl axo-axonischer synapsen=1\n"
         "existierende Axo-Synapsen=0 \n", 250},
        {"anzahl neurone=1\nexistierende Neurone=1\nanzahl axo-axonischer synapsen=-1\n", 250},
    };
    for (const auto& f : faelle) {
        boxAntworten({plattform::antwort::Ok});
        EXPECT_EQ(laden(netzText(f.kopf)), 0) << f.kopf;
        ASSERT_FALSE(boxLog().empty());
        EXPECT_EQ(boxLog().back().text, meldungFormatieren(f.meldung, pfad("geladen.gui"))) << f.kopf;
        EXPECT_EQ(neuronKette.kopf, nullptr) << f.kopf;
        EXPECT_EQ(neuronKette.anzahl, 0) << f.kopf;
    }
    // a network without neurons is refused with result 1 (it is no error of the file)
    boxAntworten({plattform::antwort::Ok});
    EXPECT_EQ(laden(netzText("anzahl neurone=0\n", {})), 1);
    EXPECT_EQ(boxLog().back().text, meldungFormatieren(248, pfad("geladen.gui")));
}

TEST_F(Verweigern, FehlenderNeuronblockVerweigertDieDateiStattDasProgrammZuBeenden)
{
    boxAntworten({plattform::antwort::Ok});
    EXPECT_EQ(laden(netzText("anzahl neurone=2\nexistierende Neurone=4 5 \n", {4})), 0);
    EXPECT_EQ(boxLog().back().text, meldungFormatieren(253, pfad("geladen.gui"), 5));
    EXPECT_FALSE(attrappe::dienste.endet);
    EXPECT_EQ(neuronKette.kopf, nullptr);
    EXPECT_EQ(neuronNachNummer(4), nullptr);
    EXPECT_FALSE(editierStatus & editierBit::DateiWirdGelesen);
}

TEST_F(Verweigern, GruppeOhneErstesMitgliedVerweigertDieDatei)
{
    const std::string kopf = "anzahl neurone=1\nexistierende Neurone=1\n";
    std::string text = netzText(kopf);
    text.insert(text.find("[Servereinstellungen]"), "[Synapsengruppen] ***\nanzahl von synapsengruppen=1\n"
                                                    "anzahl von synapsen in gruppe 1=1\n[ende Synapsengruppen] ***\n");
    boxAntworten({plattform::antwort::Ok});
    EXPECT_EQ(laden(text), 0);
    EXPECT_EQ(boxLog().back().text, meldungsTexte[944]);
    EXPECT_FALSE(attrappe::dienste.endet);
    EXPECT_EQ(neuronKette.kopf, nullptr);
}

TEST_F(Verweigern, NeinZurGruppenfrageVerweigertDieDatei)
{
    // member 1 names a synapse that is not there: one member short of the count
    std::string text = netzText("anzahl neurone=1\nexistierende Neurone=1\n");
    text.insert(text.find("[Servereinstellungen]"), "[Synapsengruppen] ***\nanzahl von synapsengruppen=1\n"
                                                    "anzahl von synapsen in gruppe 1=1\nbezeichnung von gruppe 1=g\n"
                                                    "synapse 1 in 1=17\n[ende Synapsengruppen] ***\n");
    boxAntworten({plattform::antwort::Nein});
    EXPECT_EQ(laden(text), 0);
    EXPECT_EQ(boxLog().back().text, meldungFormatieren(945, 0, "g", 1));
    EXPECT_EQ(boxLog().back().titel, "SysInfo");
    EXPECT_FALSE(attrappe::dienste.endet);
    EXPECT_EQ(neuronKette.kopf, nullptr);
    // Yes goes on with what was read
    boxAntworten({plattform::antwort::Ja});
    EXPECT_EQ(laden(text), 1);
    EXPECT_EQ(neuronZahl(), 1);
}

TEST_F(Verweigern, GruppenfragenBeiAbweichenderZahlJaBehaeltDasGelesene)
{
    NeuronDaten* a = neu(1);
    NeuronDaten* b = neu(2);
    SynapseDaten* s1 = verbinde(a, b);
    SynapseDaten* s2 = verbinde(b, a);
    std::string text = "[Synapsengruppen] ***\nanzahl von synapsengruppen=3\n"
                       "anzahl von synapsen in gruppe 1=3\nbezeichnung von gruppe 1=drei\n"
                       "synapse 1 in 1=" + std::to_string(s1->id) + "\nsynapse 2 in 1=" + std::to_string(s2->id) +
                       "\nsynapse 3 in 1=999\n[ende Synapsengruppen] ***\n";
    boxAntworten({plattform::antwort::Ja, plattform::antwort::Ja});
    ASSERT_TRUE(gruppenLesen(text.data(), nullptr));
    ASSERT_EQ(boxLog().size(), 2u);
    EXPECT_EQ(boxLog()[0].text, meldungFormatieren(945, 2, "drei", 3));
    EXPECT_EQ(boxLog()[1].text, meldungFormatieren(946, 1, 3));
    EXPECT_EQ(synapsengruppen[1].anzahl(), 2);   // the member that is not there is left out
    EXPECT_EQ(synapsengruppenZahl, 1);
    // No to the count of groups refuses
    boxAntworten({plattform::antwort::Ja, plattform::antwort::Nein});
    EXPECT_FALSE(gruppenLesen(text.data(), nullptr));
}

TEST_F(Verweigern, TypenzahlNullGibtDieVierStandardtypen)
{
    for (const char* zahl : {"0", "-3"}) {
        synapsenTypAnzahl = 7;
        ASSERT_EQ(laden(netzText(std::string("anzahl neurone=1\nexistierende Neurone=1\n"
                                             "anzahl verschiedener synapsentypen=") + zahl + "\n")), 1);
        EXPECT_EQ(synapsenTypAnzahl, standardSynapsenTypAnzahl) << zahl;
    }
}

TEST_F(Verweigern, ServerneuronenDieEsNichtGibtWerdenUebergangen)
{
    serverDaten.ausgangsNeuron = 0;
    std::string text = netzText("anzahl neurone=1\nexistierende Neurone=6\n", {6});
    text.replace(text.find("[Servereinstellungen] ***\n") + 26, 0,
                 "server: eingangsneuron=6\nserver: ausgangsneuron=7\n"
                 "server: 1. neuron dessen somapotential angezeigt wird=5000\n");
    ASSERT_EQ(laden(text), 1);
    EXPECT_EQ(serverDaten.eingangsNeuron, 6);
    EXPECT_EQ(serverDaten.ausgangsNeuron, 0);
    EXPECT_EQ(serverDaten.angezeigtesNeuron, 0);
    EXPECT_EQ(serverDaten.stromDatei, serverStromDateiVorgabe);
}

TEST_F(Verweigern, AltePausenUmrechnungNurOhneServerabschnitt)
{
    const std::string reiz = "[permutationsdefinitionen start]\npermutation: stromreizdefinition reizart=0\n"
                             "permutation: stromreizdefinition anstieg=0.001\npermutation: stromreizdefinition dach=0.002\n"
                             "permutation: stromreizdefinition abfall=0.003\npermutation: stromreizdefinition pause=0.01\n"
                             "permutation: stromreizdefinition anzahl=5\n[permutationsdefinitionen ende]\n";
    std::string mitServer = netzText("anzahl neurone=1\nexistierende Neurone=1\n" + reiz);
    std::string ohneServer = mitServer;
    ohneServer.erase(ohneServer.find("[Servereinstellungen]"));
    const struct {
        const std::string* text;
        double pause;
    } faelle[] = {{&mitServer, 0.01}, {&ohneServer, 0.016}};
    for (const auto& f : faelle) {
        // the count held before the file's count is read decides
        permutationsFenster.stromreiz.anzahl = 2;
        ASSERT_EQ(laden(*f.text), 1);
        EXPECT_DOUBLE_EQ(permutationsFenster.stromreiz.pause, f.pause);
        EXPECT_EQ(permutationsFenster.stromreiz.anzahl, 5);
    }
    permutationsFenster.stromreiz.anzahl = 1;
    ASSERT_EQ(laden(ohneServer), 1);
    EXPECT_DOUBLE_EQ(permutationsFenster.stromreiz.pause, 0.01);
}

TEST_F(Verweigern, FehlendePermutationsschluesselGebenIhreVorgaben)
{
    permutationsFenster.balkenFarbe = 1;
    permutationsFenster.levelPruefen = 0;
    modusStatus |= modusBit::Teilsimulation;
    const std::string text = netzText("anzahl neurone=1\nexistierende Neurone=1\n[permutationsdefinitionen start]\n"
                                      "permutation: hoehe der level-balken=200\n[permutationsdefinitionen ende]\n");
    ASSERT_EQ(laden(text), 1);
    EXPECT_EQ(permutationsFenster.balkenFarbe, 255u);
    EXPECT_EQ(permutationsFenster.balkenMaximalHoehe, 195);
    EXPECT_EQ(permutationsFenster.levelPruefen, 1);   // no size key
    EXPECT_EQ(permutationsFenster.zahlenMaske, 30);
    EXPECT_FALSE(modusStatus & modusBit::Teilsimulation);
    EXPECT_EQ(permutationsDiagramm.fensterBreite, 700);
}

TEST_F(Verweigern, AlterKonstantstromWirdNachEinerFrageZumRechteckreiz)
{
    simulationsParameter.simulationsDauer = 1.0;
    simulationsParameter.schrittweite = 1e-4;
    std::string text = netzText("anzahl neurone=2\nexistierende Neurone=1 2 \nanzahl currents=5\n", {1, 2});
    text += "[Currents] ***\nCurrent 1 somaCurrent=2e-9\nCurrent 1 somaSCStart=0.1\nCurrent 1 somaSCEnd=0.4\n"
            "Current 2 somaCurrent=0\nCurrent 2 dendCurrent=1e-9\nCurrent 2 dendSCStart=0.2\nCurrent 2 dendSCEnd=5\n"
            "Current 2 dendSCLocation=2\nCurrent 2 noise=1\n[ende Currents] ***\n";
    boxAntworten({plattform::antwort::Ok, plattform::antwort::Ja});
    ASSERT_EQ(laden(text), 1);
    ASSERT_EQ(boxLog().size(), 2u);
    EXPECT_EQ(boxLog()[0].text, meldungFormatieren(258, pfad("geladen.gui"), 5, 2));
    EXPECT_EQ(boxLog()[1].text, meldungsTexte[531]);   // asked once for the whole load
    const StromreizDefinition& soma = neuronNachNummer(1)->stromreize[0];
    EXPECT_EQ(soma.an, 1);
    EXPECT_EQ(soma.anzahl, 1);
    EXPECT_EQ(soma.amplitude, 2e-9);
    EXPECT_EQ(soma.beginn, 0.1);
    EXPECT_DOUBLE_EQ(soma.dach, 0.3);
    NeuronDaten* zwei = neuronNachNummer(2);
    const StromreizDefinition& dendrit = zwei->stromreize[2];
    EXPECT_EQ(dendrit.amplitude, 1e-9);
    EXPECT_DOUBLE_EQ(dendrit.dach, 1.0 - 1e-4 - 0.2);   // the end is cut at the run's end
    EXPECT_EQ(zwei->stromreize[0].an, 0);
    EXPECT_EQ(zwei->rauschenAn, 1);
    EXPECT_EQ(zwei->dendCurrent, 0.0);
    EXPECT_EQ(zwei->dendSCLocation, 0);
    EXPECT_GT(gereizteKompartimenteGesamt, 0);

    // No converts nothing and keeps the values
    boxAntworten({plattform::antwort::Ok, plattform::antwort::Nein});
    ASSERT_EQ(laden(text), 1);
    EXPECT_EQ(neuronNachNummer(1)->stromreize[0].an, 0);
    EXPECT_EQ(neuronNachNummer(1)->somaCurrent, 2e-9);
}

TEST_F(Verweigern, SegmentzahlUndModellAusserhalbDerGrenzenBleibenUnveraendert)
{
    simulationsParameter.netzwerkmodell = 2;
    simulationsParameter.integrationsmethode = integration::Euler;
    boxAntworten({plattform::antwort::Ok});   // the segment count's own notice
    ASSERT_EQ(laden(netzText("anzahl neurone=1\nexistierende Neurone=1\nnetzwerkmodell=11\nnetzwerktyp=9\n"
                             "anzahl dendritischer segmente=40\nintegrationsmethode=7\n")),
              1);
    EXPECT_EQ(simulationsParameter.netzwerkmodell, 2);
    EXPECT_EQ(simulationsParameter.anzahlSegmente, 3);
    EXPECT_EQ(simulationsParameter.integrationsmethode, integration::Euler);
    EXPECT_EQ(neuronKette.kopf->segmentAnzahl, 3);
}

TEST_F(Verweigern, AlterStromJenseitsDerVierReizdefinitionenBleibtUnberuehrt)
{
    // six segments, but a neuron holds stimulus definitions for compartments 0-3 only
    std::string text = netzText("anzahl neurone=1\nexistierende Neurone=1\nnetzwerktyp=4\n"
                                "anzahl dendritischer segmente=6\n");
    text += "[Currents] ***\nCurrent 1 somaCurrent=0\nCurrent 1 dendCurrent=1e-9\nCurrent 1 dendSCStart=0.1\n"
            "Current 1 dendSCEnd=0.2\nCurrent 1 dendSCLocation=5\n[ende Currents] ***\n";
    boxAntworten({plattform::antwort::Ja});
    ASSERT_EQ(laden(text), 1);
    const NeuronDaten* n = neuronKette.kopf;
    ASSERT_EQ(n->segmentAnzahl, 6);
    for (const StromreizDefinition& d : n->stromreize)
        EXPECT_EQ(d.an, 0);
    EXPECT_EQ(n->dendSCLocation, 0);
}

TEST_F(Verweigern, TextImSpeicherOhneNetzteilBeendetDasProgramm)
{
    std::string name;
    std::string ohne = "[programmdefinitionen]\nnichts\n";
    boxAntworten({plattform::antwort::Ok});
    EXPECT_EQ(guiTextLaden(ohne.data(), NetzQuelle::Undo, name), 0);
    EXPECT_EQ(boxLog().back().text, meldungsTexte[940]);
    EXPECT_TRUE(attrappe::dienste.endet);
    // the network part behind a settings part; the name becomes the current network path
    attrappe::rahmenZuruecksetzen();
    dateipfade.vollerPfad = "/irgendwo/netz.gui";
    std::string mit = "[programmdefinitionen]\nanzahl neurone=9\n" + netzText("anzahl neurone=1\nexistierende Neurone=4\n", {4});
    EXPECT_EQ(guiTextLaden(mit.data(), NetzQuelle::Kurvendaten, name), 1);
    EXPECT_EQ(name, "/irgendwo/netz.gui");
    EXPECT_EQ(neuronZahl(), 1);
    EXPECT_EQ(attrappe::dienste.druckerSuchen, 1);
}
