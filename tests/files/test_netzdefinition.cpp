// tests/files/test_netzdefinition.cpp - the neuron-definition files (*.def): marked neurons
// with their synapses out of one network and into another, refusals, damaged files
#include "netzdatei_hilfe.h"
#include "files/netzdefinition.h"
#include "files/stromdateien.h"

using pt::boxLog;

namespace {

constexpr int Ok = plattform::antwort::Ok;

struct Netzdefinition : NetzdateiFall {
    NeuronDaten* a = nullptr;
    NeuronDaten* b = nullptr;
    SynapseDaten* s = nullptr;
    int eigenerTyp = 0;

    void SetUp() override
    {
        NetzdateiFall::SetUp();
        simulationsParameter.simulationsDauer = 0.5;
        reizSchrittweite = 0.01;
    }
    void TearDown() override
    {
        stromDateiPfad.clear();
        NetzdateiFall::TearDown();
    }

    // A (1) and B (2) marked with B first, a synapse A -> B of a type of this network's own
    // and an axo-axonic one of B on it; C (3) unmarked with synapses to and from them.
    void quellnetz()
    {
        a = neu(1);
        b = neu(2);
        NeuronDaten* c = neu(3);
        a->name = "A";
        b->name = "B";
        synapsenTypen.push_back({ionenArt::Chemisch, -0.07, "eigener Typ"});
        synapsenTypAnzahl = static_cast<int>(synapsenTypen.size());
        eigenerTyp = synapsenTypAnzahl - 1;
        s = verbinde(a, b, eigenerTyp, 3e-7, 0.002);
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
        // a stimulus from a stimulus file goes by its file's name and path
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
    static std::vector<std::pair<double, double>> punkte(const StromTabelle& t)
    {
        std::vector<std::pair<double, double>> v;
        for (int i = 0; i < t.anzahlPunkte; ++i)
            v.emplace_back(t.startzeiten[static_cast<size_t>(i)], t.stromwerte[static_cast<size_t>(i)]);
        return v;
    }
    static std::string letzteBox() { return boxLog().empty() ? "" : boxLog().back().text; }
};

} // namespace

TEST_F(Netzdefinition, ZweiMarkierteNeuroneMitIhrerSynapseKommenInsAndereNetz)
{
    quellnetz();
    const auto reizA = punkte(a->stromTabellen[0]);
    const auto reizB = punkte(b->stromTabellen[1]);
    ASSERT_TRUE(netzwerkDefinitionSchreiben(pfad("zwei.def")));
    const std::string datei = testhilfe::lesen(pfad("zwei.def"));
    // numbered by the order of marking, the synapse renumbered by export number
    EXPECT_TRUE(datei.starts_with("neuronen-definition fuer netzwerkmodel=" +
                                  std::to_string(simulationsParameter.netzwerkmodell) +
                                  "\r\nanzahl neurone=2\r\n[NEURON 1]\r\nneuron 1 name=B\r\n"))
        << datei.substr(0, 200);
    EXPECT_NE(datei.find("\r\nzu Neuron 2 Synapse 1 von=2\r\nSynapse 1 auf=1\r\n"), std::string::npos);
    EXPECT_EQ(datei.find("Synapse 2 von="), std::string::npos);   // nothing to or from C
    EXPECT_NE(datei.find("\r\nAxo-Synapse 1 auf SynapseID=1\r\nAxo-Synapse 1 von NeuronID=1\r\n"
                         "Axo-Synapse 1 parent NeuronID von target Synapse=2\r\n"
                         "Axo-Synapse 1 target NeuronID von target Synapse=1\r\n"),
              std::string::npos);
    EXPECT_NE(datei.find("\r\nSynapsentyp " + std::to_string(eigenerTyp) +
                         " Ion=3\r\nSynapsentyp " + std::to_string(eigenerTyp) +
                         " Gleichgewichtspotential=-0.07\r\nSynapsentyp " + std::to_string(eigenerTyp) +
                         " Bezeichnung=eigener Typ\r\n"),
              std::string::npos);
    EXPECT_NE(datei.find("\r\nSynapsentyp 1 Ion=2\r\n"), std::string::npos);   // the axo-axonic one's
    EXPECT_NE(datei.find("\r\nCurrent 2 somaCurrent=0\r\n"), std::string::npos);
    EXPECT_TRUE(datei.ends_with("[ende SynapsenTypen-definition]\r\n[Dateiende]\r\n"));

    // into a network whose numbers and synapse id 1 are taken
    zielnetz();
    const size_t typen = synapsenTypen.size();
    ASSERT_EQ(netzwerkDefinitionImportieren(pfad("zwei.def")), 2);
    EXPECT_TRUE(boxLog().empty()) << letzteBox();
    EXPECT_EQ(nummern(), (std::vector<int>{1, 2, 3, 4, 5}));
    NeuronDaten* nb = neuronNachNummer(4);
    NeuronDaten* na = neuronNachNummer(5);
    EXPECT_EQ(std::tie(na->name, nb->name), std::make_tuple("A", "B"));
    EXPECT_EQ(markierteNeurone.liste, (std::list<NeuronDaten*>{nb, na}));
    EXPECT_EQ(na->parameter[3], 0.125);
    EXPECT_EQ(punkte(na->stromTabellen[0]), reizA);
    EXPECT_EQ(punkte(nb->stromTabellen[1]), reizB);
    EXPECT_EQ(nb->stromreize[1].reizName, "Rampe");

    // the synapse under a free id, its own type added to the table, the axo-axonic one on it
    ASSERT_EQ(synapsenVon(na), 1);
    SynapseDaten* syn = na->ausgangsSynapsen;
    EXPECT_EQ(std::tie(syn->quellNummer, syn->zielNummer), std::tie(na->nummer, nb->nummer));
    EXPECT_NE(syn->id, 1);
    EXPECT_EQ(synapseNachId(syn->id), syn);
    EXPECT_EQ(syn->initialLeitfaehigkeit, 3e-7);
    EXPECT_EQ(syn->verzoegerung, 0.002);
    EXPECT_EQ(syn->bahnung.an, 1);
    ASSERT_EQ(synapsenTypen.size(), typen + 1);
    const SynapsenTyp& t = synapsenTypen[static_cast<size_t>(syn->synapsenTyp)];
    EXPECT_EQ(std::tie(t.ion, t.potential, t.bezeichnung), std::make_tuple(ionenArt::Chemisch, -0.07, "eigener Typ"));
    ASSERT_EQ(syn->axoAnzahl, 1);
    ASSERT_TRUE(syn->axoKnoten && syn->axoKnoten->synapse);
    const SynapseDaten* axo = syn->axoKnoten->synapse;
    EXPECT_EQ(axo->quelle, nb);
    EXPECT_EQ(axo->synapsenTyp, 1);   // a standard type: the same entry
    EXPECT_EQ(synapsenVon(nb), 1);    // only the axo-axonic one: C is not there

    // again: new numbers, and the type is found this time
    ASSERT_EQ(netzwerkDefinitionImportieren(pfad("zwei.def")), 2);
    EXPECT_EQ(nummern(), (std::vector<int>{1, 2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(synapsenTypen.size(), typen + 1);
    EXPECT_EQ(synapsenAnzahl(), 1 + 2 * 2);
}

TEST_F(Netzdefinition, UnbrauchbareDateiImportiertNichts)
{
    quellnetz();
    const std::string gut = netzwerkDefinitionText();
    const std::string datei = pfad("x.def");
    std::string ohneBloecke = gut;
    for (size_t i; (i = ohneBloecke.find("[NEURON ")) != std::string::npos;)
        ohneBloecke[i + 1] = 'X';
    std::string ohneAnzahl = gut, falscheAnzahl = gut;
    ohneAnzahl.replace(gut.find("anzahl neurone=2"), 16, "anzahl neurone=0");
    falscheAnzahl.replace(gut.find("anzahl neurone=2"), 16, "anzahl neurone=x");
    // no file, another kind of file, cut before its end, no neurons, no count, no neuron block
    const std::string faelle[] = {"", "[neuronen-netzwerk-datei]\n" + gut, gut.substr(0, gut.size() - 13),
                                  ohneAnzahl, falscheAnzahl, ohneBloecke};
    zielnetz();
    for (const std::string& text : faelle) {
        SCOPED_TRACE(text.substr(0, 60));
        std::filesystem::remove(datei);
        if (!text.empty())
            testhilfe::schreiben(datei, text);
        pt::zuruecksetzen();
        pt::boxAntworten({Ok});
        EXPECT_EQ(netzwerkDefinitionImportieren(datei), 0);
        EXPECT_EQ(letzteBox(), meldungFormatieren(text.empty() ? 73 : 918, datei));
        EXPECT_EQ(nummern(), (std::vector<int>{1, 2, 3}));
        EXPECT_EQ(synapsenAnzahl(), 1);
        EXPECT_EQ(synapsenTypen.size(), static_cast<size_t>(standardSynapsenTypAnzahl));
    }
    // too few free numbers: not one neuron comes
    for (int k = 4; k <= 1022; ++k)
        neu(k);
    testhilfe::schreiben(datei, gut);
    pt::zuruecksetzen();
    pt::boxAntworten({Ok});
    EXPECT_EQ(netzwerkDefinitionImportieren(datei), 0);
    EXPECT_EQ(letzteBox(), meldungFormatieren(919, 2, 2));
    EXPECT_EQ(neuronKette.anzahl, 1022);
    EXPECT_EQ(neuronNachNummer(1023), nullptr);
}

TEST_F(Netzdefinition, BefehleFragenNachDerDateiUndSagenWasFehlt)
{
    // nothing marked: the notice, no chooser
    neu(1);
    pt::boxAntworten({Ok});
    netzwerkDefinitionSpeichern();
    EXPECT_EQ(letzteBox(), meldungsTexte[916]);
    EXPECT_TRUE(pt::dateiWahlLog().empty());
    pt::boxAntworten({Ok});
    EXPECT_FALSE(netzwerkDefinitionSchreiben(pfad("nichts.def")));
    EXPECT_FALSE(std::filesystem::exists(pfad("nichts.def")));

    netzLoeschen();
    quellnetz();
    pt::zuruecksetzen();
    pt::dateiAntworten({pt::dateiAntwort(pfad("wahl.def"))});
    netzwerkDefinitionSpeichern();
    ASSERT_TRUE(std::filesystem::exists(pfad("wahl.def")));
    ASSERT_EQ(pt::dateiWahlLog().size(), 1u);
    const plattform::DateiWahl& w = pt::dateiWahlLog()[0].gefragt;
    EXPECT_EQ(std::tie(w.titel, w.endung, w.speichern),
              std::make_tuple("Neuron-Definitionen exportieren", "def", true));
    ASSERT_EQ(w.filter.size(), 1u);
    EXPECT_EQ(w.filter[0].text, "Neuron-Definitionsdateien (*.def)");

    // cancelled: nothing comes; chosen: the neurons come
    zielnetz();
    pt::zuruecksetzen();
    pt::dateiAntworten({pt::dateiAbbruch(), pt::dateiAntwort(pfad("wahl.def"))});
    netzwerkDefinitionLesen();
    EXPECT_EQ(neuronKette.anzahl, 3);
    netzwerkDefinitionLesen();
    EXPECT_EQ(neuronKette.anzahl, 5);
    EXPECT_EQ(pt::dateiWahlLog()[1].gefragt.titel, "Neuron-Definitionen importieren");
    EXPECT_FALSE(pt::dateiWahlLog()[1].gefragt.speichern);

    // a folder that takes no file: the notice names it
    pt::boxAntworten({Ok});
    EXPECT_FALSE(netzwerkDefinitionSchreiben(pfad("fehlt/x.def")));
    EXPECT_EQ(letzteBox().rfind(meldungFormatieren(286, pfad("fehlt/x.def")), 0), 0u) << letzteBox();
}

TEST_F(Netzdefinition, ImportUeberstehtBeschaedigteDateienUndLaesstNichtsHalbes)
{
    quellnetz();
    const std::string gut = netzwerkDefinitionText();
    Verformer verformen{20240918};
    int importiert = 0;
    for (int runde = 0; runde < 200; ++runde) {
        SCOPED_TRACE(runde);
        zielnetz();
        pt::zuruecksetzen();
        pt::fehlerBehandlungSetzen([](const std::string&) {});
        testhilfe::schreiben(pfad("x.def"), verformen(gut));
        const int neue = netzwerkDefinitionImportieren(pfad("x.def"));
        ASSERT_FALSE(attrappe::dienste.endet);
        ASSERT_EQ(neuronKette.anzahl, 3 + neue);
        importiert += neue > 0;
        if (neue == 0) {
            EXPECT_EQ(synapsenAnzahl(), 1);
            EXPECT_EQ(synapsenTypen.size(), static_cast<size_t>(standardSynapsenTypAnzahl));
        } else {
            EXPECT_EQ(markierteNeurone.anzahl(), neue);
        }
        for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron) {
            ASSERT_EQ(neuronNachNummer(n->nummer), n);
            for (SynapseDaten* x = n->ausgangsSynapsen; x; x = x->naechsteSynapse) {
                ASSERT_EQ(synapseNachId(x->id), x);
                ASSERT_LT(x->synapsenTyp, static_cast<int>(synapsenTypen.size()));
            }
        }
    }
    EXPECT_GT(importiert, 50);
}
