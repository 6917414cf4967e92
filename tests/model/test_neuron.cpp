// tests/model/test_neuron.cpp - creating, listing and freeing neurons; clearing the network
#include "test_synapse_hilfe.h"
#include "model/diagramm.h"
#include "model/undo.h"
#include "rahmen_attrappe.h"
#include "platform/fenster.h"
#include "platform/steuerelemente.h"
#include <tuple>

// the synapse fixture: the neuron's synapses are made as the editor makes them
using Neuron = SynapsenFall;

TEST_F(Neuron, NeueNeuroneStehenInDerKetteInDerTabelleUndImStatusbalken)
{
    NeuronDaten* a = neu(1);
    EXPECT_EQ(statusTexte[0], "\t1 Neuron");
    NeuronDaten* b = neu(5);
    NeuronDaten* c = neu(2);
    ASSERT_TRUE(a && b && c);
    EXPECT_EQ(std::tuple(statusTexte[0], nummern()), std::tuple("\t3 Neurone", std::vector{1, 5, 2}));
    EXPECT_EQ(std::tuple(neuronKette.ende, b->vorigesNeuron, neuronNachNummer(5), neuronSuchen(2)),
              std::tuple(c, a, b, c));
    EXPECT_EQ(neuronNachNummer(3), nullptr);
    // compartments of n = 3, switches 1, n, 0, 1, every compartment with its default table; the
    // refresh gives it the network model, the setters leave the cursor at the neuron
    EXPECT_EQ(std::tuple(b->segmentAnzahl, kompartimentAnzahl(*b), b->modellTyp, aktuellesNeuron),
              std::tuple(3, 4, modell::Swim, c));
    EXPECT_EQ(b->kompartimentSchalter, (std::array<int, 4>{1, 3, 0, 1}));
    for (const StromTabelle& t : b->stromTabellen)
        EXPECT_EQ(std::tie(t.anzahlPunkte, t.startzeiten), std::tuple(3, std::vector{0.0, 1.0, 1.0}));

    // numbers outside the table and numbers in use are refused
    for (int nummer : {1024, 5000, 0, -2, -1024, 5})
        EXPECT_EQ(neuronNeu(nummer, 0), nullptr) << nummer;
    EXPECT_NE(neu(1023), nullptr);
    EXPECT_EQ(nummern(), (std::vector<int>{1, 5, 2, 1023}));
    EXPECT_EQ(std::tuple(neuronNachNummer(1024), neuronNachNummer(-1)), std::tuple(nullptr, nullptr));
    EXPECT_FALSE(neuronTabelleSetzen(1024, neuronKette.kopf));

    // a file creating neurons leaves the bar alone
    editierStatus = editierBit::DateiWirdGelesen;
    statusTexte[0] = "x";
    neu(3);
    EXPECT_EQ(statusTexte[0], "x");
}

TEST_F(Neuron, FreigebenLaesstKeineVerweiseZurueckMarkiertJedesNeuronEinmal)
{
    NeuronDaten* a = neu(1);
    NeuronDaten* b = neu(2);
    for (NeuronDaten* n : {a, b, a})
        neuronMarkieren(n, 1);
    EXPECT_EQ(markierteNeurone.liste, (std::list<NeuronDaten*>{a, b}));
    neuronMarkieren(a, 0);
    EXPECT_EQ(std::tuple(markierteNeurone.erstes(), a->markiert, b->markiert), std::tuple(b, 0, 1));
    neuronMarkieren(a, 1);
    letztesZielNeuron = 2;
    aktuellesNeuron = b;
    auto* weiteres = new DiagrammDaten;
    b->hauptDiagramm.naechstes = weiteres;
    aktuellesDiagramm.diagramm = weiteres;
    aktuellesDiagramm.kurvenSlot = 3;
    aktuellesDiagramm.messDiagramm = &b->hauptDiagramm;
    weg(b);
    EXPECT_EQ(std::tuple(letztesZielNeuron, aktuellesDiagramm.kurvenSlot, aktuellesNeuron,
                         aktuellesDiagramm.diagramm, aktuellesDiagramm.messDiagramm, a->markiert),
              std::tuple(0, 0, nullptr, nullptr, nullptr, 1));
    EXPECT_EQ(markierteNeurone.liste, (std::list<NeuronDaten*>{a}));

    // references into another neuron stay
    NeuronDaten* c = neu(3);
    aktuellesNeuron = a;
    aktuellesDiagramm.diagramm = &a->hauptDiagramm;
    letztesZielNeuron = 1;
    weg(c);
    EXPECT_EQ(std::tuple(aktuellesNeuron, aktuellesDiagramm.diagramm, letztesZielNeuron),
              std::tuple(a, &a->hauptDiagramm, 1));
    neuronMarkieren(nullptr, 0);
    EXPECT_EQ(std::tuple(markierteNeurone.anzahl(), a->markiert), std::tuple(0, 0));
}

TEST_F(Neuron, FreigebenVerbindetDieNachbarnUndLoeschtSynapsenUndPoolsOhneFreigegebeneZuBenutzen)
{
    NeuronDaten* a = neu(1);
    NeuronDaten* b = neu(2);
    NeuronDaten* c = neu(3);
    NeuronDaten* d = neu(4);
    verbinde(a, b);                          // ids 1 to 5
    verbinde(c, b);                          // b's pool has two senders
    verbinde(a, b);
    verbinde(b, a);                          // and b sends to a
    verbinde(c, a);
    weg(b);                                  // in the middle; ASan reports any use of a freed pool or node
    EXPECT_EQ(nummern(), (std::vector<int>{1, 3, 4}));
    EXPECT_EQ(std::tuple(c->vorigesNeuron, neuronNachNummer(2), c->ausgangsSynapsen->id,
                         c->ausgangsSynapsen->naechsteSynapse, a->ausgangsSynapsen, synapsenZaehler),
              std::tuple(a, nullptr, 5, nullptr, nullptr, 1));
    ASSERT_NE(a->eingangsPools, nullptr);    // c's synapse to a keeps a's pool
    EXPECT_EQ(a->eingangsPools->senderAnzahl, 1);
    for (int id : {1, 2, 3, 4})
        EXPECT_EQ(synapseNachId(id), nullptr) << id;
    weg(a);                                  // the head, and the target of c's synapse
    EXPECT_EQ(std::tuple(neuronKette.kopf, c->vorigesNeuron, c->ausgangsSynapsen),
              std::tuple(c, nullptr, nullptr));
    weg(d);                                  // the tail
    EXPECT_EQ(std::tuple(neuronKette.ende, c->naechstesNeuron, statusTexte[0]),
              std::tuple(c, nullptr, "\t1 Neuron"));
    weg(c);                                  // the last one
    EXPECT_EQ(std::tuple(neuronKette.kopf, neuronKette.ende, statusTexte[0]),
              std::tuple(nullptr, nullptr, "\tkeine Neurone"));
}

TEST_F(Neuron, FensterlisteVerliertAlleEintraegeDesNeurons)
{
    NeuronDaten* n = neu(4);
    fensterliste = {{{4, 0, 1, 1, 10, 10}, {2, 0, 2, 2, 10, 10}, {4, 1, 3, 3, 10, 10}, {5, 0, 4, 4, 10, 10}}};
    n->hauptDiagramm.kurven[0].werte.assign(100, keineDaten);
    auto* zweites = new DiagrammDaten;
    zweites->kurven[3].werte.assign(10, 1.0f);
    n->hauptDiagramm.naechstes = zweites;
    neuronFensterLoeschen(*n);
    // the others move up with their places, and the list ends behind them
    EXPECT_EQ(std::make_tuple(fensterliste[0].neuronId, fensterliste[1].neuronId, fensterliste[1].x,
                              fensterliste[2].neuronId),
              std::make_tuple(2, 5, 4, 0));
    EXPECT_EQ(std::tuple(n->hauptDiagramm.naechstes, n->hauptDiagramm.kurven[0].werte.size()),
              std::tuple(nullptr, 0u));
}

TEST_F(Neuron, NetzLoeschenHinterlaesstDasLeereUnbenannteNetzMitDenVierStandardtypen)
{
    plattform::klasseRegistrieren({"NetzProbe", plattform::standardFensterProc});
    fensterhandles.hauptfenster =
        plattform::fensterErzeugen("NetzProbe", "alt.net", plattform::stil::Hauptfenster, 0, 0, 50, 50);
    fensterhandles.statusleiste = plattform::statusleisteErzeugen(fensterhandles.hauptfenster, 1);
    NeuronDaten* a = neu(1);
    NeuronDaten* b = neu(2);
    SynapseDaten* s = verbinde(a, b);
    verbinde(b, a, 0, 0.4, 0.001, kontaktort::Axo, s);
    synapsengruppeBelegen(3, *s, nullptr);
    hoechsteSynapsenId = 2;
    aktuelleSynapse = s;
    neuronMarkieren(a, 1);
    fensterliste[0] = {1, 0, 0, 0, 1, 1};
    spikeAufzeichnung.aufzeichnen = 1;
    programmStatus |= programmBit::ErgebnisDa;
    synapsenTypen[1].potential = 0.0;        // an edited standard type and a fifth one
    synapsenTypen.push_back({ionenArt::Chemisch, -0.07, "Chlorid"});
    synapsenTypAnzahl = 5;

    attrappe::rahmenZuruecksetzen();
    netzLoeschen();

    EXPECT_EQ(std::make_tuple(neuronKette.kopf, neuronKette.ende, neuronNachNummer(1), synapseNachId(1),
                              aktuelleSynapse),
              std::make_tuple(nullptr, nullptr, nullptr, nullptr, nullptr));
    // every count of the old network, and its run result
    EXPECT_EQ(std::make_tuple(neuronKette.anzahl, neuronKette.hoechsteNummer, synapsenZaehler, axoZaehler,
                              hoechsteSynapsenId, synapsengruppen[3].anzahl(), synapsengruppenZahl,
                              markierteNeurone.anzahl(), fensterliste[0].neuronId,
                              spikeAufzeichnung.aufzeichnen, programmStatus & programmBit::ErgebnisDa),
              std::make_tuple(0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0u));
    // exactly the four standard types, and a count that says so (a count of 0 loses every synapse)
    ASSERT_EQ(synapsenTypen.size(), 4u);
    EXPECT_EQ(synapsenTypAnzahl, 4);
    const auto& eingebaut = eingebauteSynapsenTypen();
    for (int i = 0; i < 4; ++i) {
        const SynapsenTyp& t = synapsenTypen[i];
        EXPECT_EQ(std::make_tuple(t.ion, t.potential, t.bezeichnung),
                  std::make_tuple(i + 1, eingebaut[i].potential, eingebaut[i].bezeichnung));
    }
    EXPECT_EQ(plattform::titel(fensterhandles.hauptfenster), "unbenannt");
    EXPECT_EQ(attrappe::dienste.netzlosStatus, 1);   // the frame shows the hint of an empty network
    plattform::fensterZerstoeren(fensterhandles.hauptfenster);
    fensterhandles = {};
}

TEST_F(Neuron, NetzLoeschenHebtDieLaufsperreAufUndLeertDieUndoListeNurAusserhalbEinesLesens)
{
    // an edit, a file being read, an undo step being restored; the nodes left afterwards
    const std::tuple<uint32_t, int, int> faelle[] = {
        {0, 0, 0}, {editierBit::DateiWirdGelesen, 0, 1}, {0, 1, 1}};
    for (const auto& [editier, wiederherstellen, knoten] : faelle) {
        undoListe.knoten.emplace_back();
        undoListe.wiederherstellen = wiederherstellen;
        editierStatus = editier;
        programmStatus = programmBit::LaufGesperrt | programmBit::SpikesZaehlen;
        netzLoeschen();
        // imported data a run would overwrite go with the network: runs start again
        EXPECT_EQ(std::tuple(programmStatus, undoListe.knotenAnzahl()),
                  std::tuple(programmBit::SpikesZaehlen, knoten));
        undoListeLoeschen(undoListe);
    }
}
