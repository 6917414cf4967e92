// tests/model/test_gruppen.cpp - synapse groups
#include "test_synapse_hilfe.h"
#include <tuple>

using Gruppen = ZweiNeuroneFall;

TEST_F(Gruppen, BelegenEintragenUndEntfernen)
{
    SynapseDaten* s1 = verbinde(a, b);
    SynapseDaten* s2 = verbinde(a, b);
    SynapseDaten* s3 = verbinde(a, b);
    const std::string lang(300, 'x');
    ASSERT_EQ(synapsengruppeFrei(), 1);
    ASSERT_TRUE(synapsengruppeBelegen(1, *s1, &lang));
    EXPECT_EQ(synapsengruppen[1].name, lang.substr(0, 259));
    EXPECT_FALSE(synapsengruppeBelegen(1, *s2, nullptr));   // has members
    EXPECT_TRUE(synapseInGruppeEintragen(1, *s2) && synapseInGruppeEintragen(1, *s3));
    EXPECT_EQ(std::tuple(synapsengruppen[1].mitglieder, synapsengruppenZahl),
              std::tuple(std::vector{1, 2, 3}, 1));

    // at most one group: moving leaves the old one
    const std::string zwei = "zwei";
    ASSERT_TRUE(synapsengruppeBelegen(2, *s3, &zwei));
    EXPECT_EQ(std::tuple(synapsengruppen[1].mitglieder, s3->gruppe), std::tuple(std::vector{1, 2}, 2));

    // emptied by removals: the name stays, the slot is free again
    synapseAusGruppeEntfernen(*s1);
    synapseAusGruppeEntfernen(*s2);
    EXPECT_EQ(std::make_tuple(s1->gruppe, synapsengruppen[1].anzahl(), synapsengruppeFrei()),
              std::make_tuple(0, 0, 1));
    ASSERT_TRUE(synapsengruppeBelegen(1, *s1, nullptr));
    EXPECT_EQ(synapsengruppen[1].name, lang.substr(0, 259));   // no new name: the old one
}

TEST_F(Gruppen, GruppenInGebrauchSindDieGruppenMitMitgliedern)
{
    SynapseDaten* s1 = verbinde(a, b);
    SynapseDaten* s2 = verbinde(a, b);
    synapsengruppeBelegen(1, *s1, nullptr);
    synapsengruppeBelegen(2, *s2, nullptr);
    synapseAusGruppeEntfernen(*s1);             // group 1 emptied
    const int nachLeeren = synapsengruppenZahl;
    synapsengruppeBelegen(1, *s1, nullptr);     // and reused
    synapseInGruppeEintragen(1, *s2);           // group 2 emptied by the move
    EXPECT_EQ(std::tuple(nachLeeren, synapsengruppenZahl), std::tuple(1, 1));
}

TEST_F(Gruppen, AufloesenNimmtDieAxoSynapseEinerAnderenGruppeAusDieserGruppe)
{
    SynapseDaten* s1 = verbinde(a, b);
    SynapseDaten* axo = verbinde(b, a, 0, 0.4, 0.001, kontaktort::Axo, s1);
    SynapseDaten* s2 = verbinde(a, b);
    synapsengruppeBelegen(5, *s1, nullptr);
    synapsengruppeBelegen(6, *axo, nullptr);
    synapseInGruppeEintragen(6, *s2);
    synapsengruppeAufloesen(5, 1);              // deletes s1 and its axo-axonic synapse
    EXPECT_EQ(std::tuple(synapsengruppen[6].mitglieder, synapsengruppenZahl),
              std::tuple(std::vector{s2->id}, 1));
}

TEST_F(Gruppen, AufloesenUndLoeschenDesLetztenMitglieds)
{
    SynapseDaten* s1 = verbinde(a, b);
    SynapseDaten* s2 = verbinde(a, b);
    const std::string name = "g";
    synapsengruppeBelegen(4, *s1, &name);
    synapseInGruppeEintragen(4, *s2);
    synapsengruppeAufloesen(4, 0);              // mode 0 keeps the members
    EXPECT_EQ(std::make_tuple(s1->gruppe, s2->gruppe, synapsengruppen[4].anzahl(), synapsengruppenZahl,
                              gruppeWirdAufgeloest, synapsengruppen[4].name, synapsenZaehler),
              std::make_tuple(0, 0, 0, 0, 0, "", 2));

    // mode 1 deletes them; a member that is the axo-axonic synapse of an earlier one goes with it
    SynapseDaten* axo = verbinde(b, a, 0, 0.4, 0.001, kontaktort::Axo, s1);
    synapsengruppeBelegen(5, *s1, &name);
    synapseInGruppeEintragen(5, *axo);
    synapseInGruppeEintragen(5, *s2);
    synapsengruppeAufloesen(5, 1);
    EXPECT_EQ(std::make_tuple(synapsenZaehler, axoZaehler, synapsengruppen[5].anzahl(), synapsengruppenZahl,
                              a->ausgangsSynapsen, b->ausgangsSynapsen, b->eingangsPools),
              std::make_tuple(0, 0, 0, 0, nullptr, nullptr, nullptr));

    // deleting the last member dissolves the group, unlinking it for a re-creation does not
    s1 = verbinde(a, b);
    s2 = verbinde(a, b);
    synapsengruppeBelegen(3, *s1, &name);
    synapseInGruppeEintragen(3, *s2);
    synapseLoeschen(a, s1, 0);
    EXPECT_EQ(synapsengruppen[3].mitglieder, (std::vector<int>{2}));
    synapseLoeschen(a, s2, 1);
    EXPECT_EQ(std::tuple(synapsengruppen[3].mitglieder, synapsenZaehler), std::tuple(std::vector{2}, 0));
    // the re-created synapse takes the old id and group, as the edit dialog does it
    SynapseDaten* neu = synapseNeu(a, b, 0, 1e-7, 0.001, 0, 0, 0, nullptr);
    ASSERT_NE(neu, nullptr);
    std::tie(neu->id, neu->gruppe) = std::tuple(2, 3);
    synapsenTabelleSetzen(2, neu);
    synapseLoeschen(a, neu, 0);
    EXPECT_EQ(std::make_tuple(synapsengruppen[3].anzahl(), synapsengruppenZahl, synapsengruppen[3].name),
              std::make_tuple(0, 0, ""));
}
