// tests/files/test_netzdefinition.cpp - the neuron-definition files (*.def): marked neurons
// with their synapses out of one network and into another, refusals, damaged files
#include "netzdatei_hilfe.h"
#include "files/netzdefinition.h"
#include "files/stromdateien.h"

namespace {

constexpr int Ok = plattform::antwort::Ok;

struct Netzdefinition : NetzdateiFall {
    // A (1) and B (2) marked with B first, a synapse A -> B of a type of this network's own
    // and an axo-axonic one of B on it; C (3) unmarked with synapses to and from them. A has
    // a built stimulus, B one from a stimulus file, which goes by its file's name and path.
    void SetUp() override
    {
        NetzdateiFall::SetUp();
        simulationsParameter.simulationsDauer = 0.5;
        reizSchrittweite = 0.01;
        NeuronDaten* a = neu(1);
        NeuronDaten* b = neu(2);
        NeuronDaten* c = neu(3);
        b->name = "B";
        synapsenTypen.push_back({ionenArt::Chemisch, -0.07, "eigener Typ"});
        synapsenTypAnzahl = static_cast<int>(synapsenTypen.size());
        SynapseDaten* s = verbinde(a, b, synapsenTypAnzahl - 1, 3e-7, 0.002);
        s->bahnung.an = 1;
        verbinde(b, nullptr, 1, 0.6, 0.0007, kontaktort::Axo, s);
        verbinde(b, c, 0);
        verbinde(c, a, 1);
        a->parameter[3] = 0.125;
        StromreizDefinition& d = a->stromreize[0];
        d.beginn = d.dach = 0.1;
        d.amplitude = 1e-9;
        d.anzahl = d.an = 1;
        ASSERT_EQ(stromreizKurveErzeugen(*a, 0), 1);
        testhilfe::schreiben(pfad("reize.str"), "Reizdefinitionsdatei\nReizname=Rampe\n0.1 1e-10\n0.2 0\n");
        b->stromreize[1].ausDatei = 1;
        b->stromreize[1].reizName = "Rampe";
        b->stromreize[1].reizDatei = pfad("reize.str");
        ASSERT_EQ(reizDefinitionsDateiLaden(b, 1, "Rampe", pfad("reize.str"), 1), 1);
        neuronMarkieren(b, 1);
        neuronMarkieren(a, 1);
    }
    // neurons 1-3 and a synapse 1 -> 2 (id 1)
    static void zielnetz()
    {
        netzLoeschen();
        NeuronDaten* x = neu(1);
        verbinde(x, neu(2));
        neu(3);
    }
    static int synapsenAnzahl()
    {
        int k = 0;
        for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron)
            k += synapsenVon(n);
        return k;
    }
    static void zielnetzUnveraendert()
    {
        EXPECT_EQ(nummern(), (std::vector<int>{1, 2, 3}));
        EXPECT_EQ(synapsenAnzahl(), 1);
        EXPECT_EQ(synapsenTypen.size(), static_cast<size_t>(standardSynapsenTypAnzahl));
    }
    // the text (none: no file) imported from x.def, its notice answered
    int importieren(const std::string& text)
    {
        std::filesystem::remove(pfad("x.def"));
        if (!text.empty())
            testhilfe::schreiben(pfad("x.def"), text);
        pt::boxAntworten({Ok});
        return netzwerkDefinitionImportieren(pfad("x.def"));
    }
    static std::string letzteBox() { return pt::boxLog().empty() ? "" : pt::boxLog().back().text; }
};

} // namespace

TEST_F(Netzdefinition, ZweiMarkierteNeuroneMitIhrerSynapseKommenInsAndereNetz)
{
    const std::string text = netzwerkDefinitionText();
    pt::dateiAntworten({pt::dateiAntwort(pfad("zwei.def"))});
    netzwerkDefinitionSpeichern();
    const plattform::DateiWahl w = pt::dateiWahlLog().at(0).gefragt;
    EXPECT_EQ(std::tie(w.titel, w.endung, w.speichern),
              std::make_tuple("Neuron-Definitionen exportieren", "def", true));
    EXPECT_EQ(w.filter.at(0).text, "Neuron-Definitionsdateien (*.def)");
    // numbered by the order of marking
    EXPECT_TRUE(testhilfe::lesen(pfad("zwei.def")).starts_with("neuronen-definition fuer netzwerkmodel=" +
                                  std::to_string(simulationsParameter.netzwerkmodell) +
                                  "\r\nanzahl neurone=2\r\n[NEURON 1]\r\nneuron 1 name=B\r\n"));

    // into a network whose numbers and synapse id 1 are taken, after a cancelled choice: the
    // new neurons are the marked ones and give the same text again
    zielnetz();
    const size_t typen = synapsenTypen.size();
    pt::dateiAntworten({pt::dateiAbbruch(), pt::dateiAntwort(pfad("zwei.def"))});
    netzwerkDefinitionLesen();
    netzwerkDefinitionLesen();
    EXPECT_EQ(pt::dateiWahlLog()[2].gefragt.titel, "Neuron-Definitionen importieren");
    EXPECT_TRUE(pt::boxLog().empty()) << letzteBox();
    EXPECT_EQ(nummern(), (std::vector<int>{1, 2, 3, 4, 5}));
    EXPECT_EQ(markierteNeurone.liste, (std::list<NeuronDaten*>{neuronNachNummer(4), neuronNachNummer(5)}));
    EXPECT_EQ(netzwerkDefinitionText(), text);
    // its own type added to the table, C's synapses not there
    EXPECT_EQ(std::make_tuple(synapsenTypen.size(), synapsenAnzahl()), std::make_tuple(typen + 1, 1 + 2));

    // again: new numbers, and the type is found this time
    ASSERT_EQ(netzwerkDefinitionImportieren(pfad("zwei.def")), 2);
    EXPECT_EQ(nummern(), (std::vector<int>{1, 2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(std::make_tuple(synapsenTypen.size(), synapsenAnzahl()), std::make_tuple(typen + 1, 1 + 2 * 2));
}

TEST_F(Netzdefinition, UnbrauchbareDateiImportiertNichtsUndNichtsMarkiertesWirdNichtExportiert)
{
    const std::string gut = netzwerkDefinitionText();
    std::string ohneBloecke = gut, ohneNeurone = gut, ohneAnzahl = gut;
    for (size_t i; (i = ohneBloecke.find("[NEURON ")) != std::string::npos;)
        ohneBloecke[i + 1] = 'X';
    ohneNeurone.replace(gut.find("anzahl neurone=2"), 16, "anzahl neurone=0");
    ohneAnzahl.replace(gut.find("anzahl neurone=2"), 16, "anzahl neurone=x");
    // no file, another kind of file, cut before its end, no neurons, no count, no neuron block
    const std::string faelle[] = {"", "[neuronen-netzwerk-datei]\n" + gut, gut.substr(0, gut.size() - 13),
                                  ohneNeurone, ohneAnzahl, ohneBloecke};
    zielnetz();
    for (const std::string& text : faelle) {
        SCOPED_TRACE(text.substr(0, 60));
        EXPECT_EQ(importieren(text), 0);
        EXPECT_EQ(letzteBox(), meldungFormatieren(text.empty() ? 73 : 918, pfad("x.def")));
        zielnetzUnveraendert();
    }
    // nothing marked: the notice, no chooser
    pt::boxAntworten({Ok});
    netzwerkDefinitionSpeichern();
    EXPECT_EQ(letzteBox(), meldungsTexte[916]);
    EXPECT_TRUE(pt::dateiWahlLog().empty());
    // too few free numbers: not one neuron comes
    for (int k = 4; k <= 1022; ++k)
        neu(k);
    EXPECT_EQ(importieren(gut), 0);
    EXPECT_EQ(letzteBox(), meldungFormatieren(919, 2, 2));
    EXPECT_EQ(neuronKette.anzahl, 1022);
}

TEST_F(Netzdefinition, ImportUeberstehtBeschaedigteDateienUndLaesstNichtsHalbes)
{
    const std::string gut = netzwerkDefinitionText();
    Verformer verformen{20240918};
    int importiert = 0;
    pt::fehlerBehandlungSetzen([](const std::string&) {});   // boxes beyond the first are part of the game
    for (int runde = 0; runde < 200; ++runde) {
        SCOPED_TRACE(runde);
        zielnetz();
        const int neue = importieren(verformen(gut));
        ASSERT_FALSE(attrappe::dienste.endet);
        ASSERT_EQ(neuronKette.anzahl, 3 + neue);
        importiert += neue > 0;
        if (neue == 0)
            zielnetzUnveraendert();
        else
            EXPECT_EQ(markierteNeurone.anzahl(), neue);
        for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron)
            for (SynapseDaten* x = n->ausgangsSynapsen; x; x = x->naechsteSynapse)
                ASSERT_TRUE(neuronNachNummer(n->nummer) == n && synapseNachId(x->id) == x &&
                            x->synapsenTyp < static_cast<int>(synapsenTypen.size()));
    }
    EXPECT_GT(importiert, 50);
}
