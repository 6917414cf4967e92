// tests/model/test_synapse.cpp - creating and deleting synapses, pools, axo-axonic synapses
#include "test_synapse_hilfe.h"
#include "core/fehler.h"
#include "texts/texte.h"
#include <tuple>

namespace pt = plattform::test;

using Synapse = ZweiNeuroneFall;

TEST_F(Synapse, IdIstZaehlerPlusEinsSonstDerErsteFreiePlatzVolleTabelleMeldet398)
{
    for (int i = 1; i <= 10; ++i)
        ASSERT_EQ(verbinde(a, b)->id, i);
    synapseLoeschen(a, synapseNachId(10), 0);
    EXPECT_EQ(verbinde(a, b)->id, 10);         // counter + 1 is free
    synapseLoeschen(a, synapseNachId(5), 0);
    EXPECT_EQ(verbinde(a, b)->id, 5);          // 10 is taken: the first free slot
    EXPECT_EQ(std::make_tuple(synapsenZaehler, synapsenVon(a)), std::make_tuple(10, 10));

    // a full table: refused with a notice, counter and lists stay
    SynapseDaten platzhalter;
    for (int id = 11; id < synapsenTabellenGroesse; ++id)
        synapsenTabelleSetzen(id, &platzhalter);
    synapsenZaehler = 4095;
    pt::boxAntworten({1});
    EXPECT_EQ(synapseNeu(a, b, 0, 1e-7, 0.001, 0.0, 0.0, 0, nullptr), nullptr);
    EXPECT_EQ(gezeigteBoxen(), BoxTexte{"Hinweis: " + meldungFormatieren(398)});
    EXPECT_EQ(std::make_tuple(synapsenZaehler, synapsenVon(a), poolAnzahl(b)), std::make_tuple(4095, 10, 1));
    for (int id = 11; id < synapsenTabellenGroesse; ++id)
        synapsenTabelleSetzen(id, nullptr);
    synapsenZaehler = 10;
}

TEST_F(Synapse, GleicherTypUndBereichTeilenEinenOffenenPool)
{
    SynapseDaten* s1 = verbinde(a, b, 0, 1e-7, 0.001);
    SynapseDaten* s2 = verbinde(a, b, 0, 2e-7, 0.003);
    SynapseDaten* anderesSegment = verbinde(a, b, 0, 1e-7, 0.001, 1);
    SynapseDaten* andererTyp = verbinde(a, b, 1, 1e-7, 0.001);
    SynapsenPool* p = s1->pool;
    EXPECT_TRUE(s2->pool == p && anderesSegment->pool != p && andererTyp->pool != p);
    // the ring fits the longer delay
    EXPECT_EQ(std::make_tuple(poolAnzahl(b), p->gSumme, p->maxVerzoegerung, p->ring.size(), p->senderAnzahl),
              std::make_tuple(3, 3e-7, 0.003, 31u, 2));
    synapseLoeschen(a, s2, 0);
    EXPECT_EQ(std::make_tuple(p->gSumme, p->sender->synapse), std::make_tuple(1e-7, s1));
    synapseLoeschen(a, s1, 0);                 // the last sender takes the pool along
    EXPECT_EQ(std::make_tuple(poolAnzahl(b), synapsenZaehler), std::make_tuple(2, 2));

    // a closed pool takes nobody in; new pools go to the head
    andererTyp->pool->geschlossen = 1;
    SynapseDaten* s3 = verbinde(a, b, 1, 1e-7, 0.001);
    EXPECT_NE(s3->pool, andererTyp->pool);
    EXPECT_EQ(b->eingangsPools, s3->pool);
}

TEST_F(Synapse, RinglaengeAusVerzoegerungUndSchritt)
{
    // step 1e-4 s; an electrical type (3) has two steps whatever the delay
    for (double verzoegerung : {0.004, 0.5}) {
        SynapseDaten* s = verbinde(a, b, 3, 1e-7, verzoegerung);
        EXPECT_EQ(std::make_tuple(s->schlangenLaenge, s->pool->ring.size()), std::make_tuple(2, 3u))
            << verzoegerung;
    }
    SynapseDaten* axo = verbinde(a, b, 0, 0.4, 0.0, kontaktort::Axo, a->ausgangsSynapsen);
    EXPECT_EQ(std::make_tuple(axo->schlangenLaenge, axo->axoKnoten->ring.size(), axo->axoSchlange.size()),
              std::make_tuple(1, 2u, 11u));
}

TEST_F(Synapse, FehlgeschlageneErzeugungHinterlaesstNichts)
{
    SynapseDaten* s = verbinde(a, b, 0, 1e-7, 0.002);
    // a delay no ring can hold fails as a ring allocation does
    pt::boxAntworten({1, 1, 1});
    EXPECT_EQ(synapseNeu(a, b, 0, 1e-7, 1e9, 0.0, 0.0, 0, nullptr), nullptr);
    EXPECT_EQ(synapseNeu(a, b, 2, 1e-7, 1e9, 0.0, 0.0, 0, nullptr), nullptr);
    EXPECT_EQ(synapseNeu(a, b, 0, 1e-7, 1e9, 0.0, 0.0, kontaktort::Axo, s), nullptr);
    EXPECT_EQ(gezeigteBoxen(), BoxTexte(3, std::string("Hinweis: ") + fehlerText(104)));
    EXPECT_EQ(std::make_tuple(synapsenZaehler, axoZaehler, s->axoAnzahl, poolAnzahl(b), s->pool->gSumme,
                              s->pool->maxVerzoegerung),
              std::make_tuple(1, 0, 0, 1, 1e-7, 0.002));
    EXPECT_EQ(std::make_tuple(s->axoKnoten, a->ausgangsSynapsen, s->naechsteSynapse),
              std::make_tuple(nullptr, s, nullptr));
    EXPECT_EQ(verbinde(a, b)->id, 2);
}

// the mended dangling parent: unlinked for a re-creation, as the edit dialog does it, the
// axo-axonic synapses stay and point at no parent until the new one takes them
TEST_F(Synapse, AxoAxonischeHaengenAmElternteilUndNurAushaengenBehaeltSieFuerDenNeuen)
{
    NeuronDaten* c = neu(3);
    SynapseDaten* s = verbinde(a, b, 0, 1e-7, 0.001);
    SynapseDaten* x1 = verbinde(c, b, 0, 0.4, 0.002, kontaktort::Axo, s);
    SynapseDaten* x2 = verbinde(c, b, 0, 0.3, 0.001, kontaktort::Axo, s);
    SynapseDaten* x3 = verbinde(c, b, 0, 0.3, 0.001, kontaktort::Axo, s);
    ASSERT_TRUE(x1 && x2 && x3);
    // axo-axonic ones join no pool; queue and ring round(delay / step) + 10 and + 1; the newest at the head
    EXPECT_EQ(std::make_tuple(x2->axoIndex, x1->elternId, s->axoAnzahl, x1->pool, poolAnzahl(b),
                              x1->axoSchlange.size(), x1->axoKnoten->ring.size(), s->axoKnoten->synapse),
              std::make_tuple(2, s->id, 3, nullptr, 1, 30u, 21u, x3));
    // an axo-axonic synapse carries none of its own
    EXPECT_EQ(synapseNeu(c, b, 0, 0.1, 0.001, 0, 0, kontaktort::Axo, x1), nullptr);

    synapseLoeschen(c, x2, 0);                 // from the middle
    EXPECT_EQ(std::make_tuple(s->axoAnzahl, s->axoKnoten->naechste, x1->axoKnoten->vorige),
              std::make_tuple(2, x1->axoKnoten, s->axoKnoten));

    const int id = s->id;
    AxoKnoten* behalten = synapseLoeschen(a, s, 1);
    ASSERT_NE(behalten, nullptr);
    EXPECT_EQ(std::make_tuple(x1->elternSynapse, x3->elternSynapse, synapseNachId(x1->id), synapsenVon(c),
                              axoZaehler),
              std::make_tuple(nullptr, nullptr, x1, 2, 2));

    SynapseDaten* neu = synapseNeu(a, b, 0, 2e-7, 0.003, -0.05, -0.03, 0, nullptr);
    ASSERT_NE(neu, nullptr);
    neu->id = id;
    synapsenTabelleSetzen(id, neu);
    axoSynapsenUebernehmen(*neu, behalten);
    EXPECT_EQ(std::make_tuple(neu->axoAnzahl, neu->axoKnoten), std::make_tuple(2, behalten));
    for (SynapseDaten* x : {x1, x3})
        EXPECT_EQ(std::make_pair(x->elternSynapse, x->elternId), std::make_pair(neu, id));
    // they hang on the new parent like any other: deleting the head, then the parent takes the other
    synapseLoeschen(c, x3, 0);
    EXPECT_EQ(std::make_tuple(neu->axoKnoten->synapse, neu->axoKnoten->vorige), std::make_tuple(x1, nullptr));
    const int idAxo = x1->id;
    synapseLoeschen(a, neu, 0);
    EXPECT_EQ(std::make_tuple(synapseNachId(idAxo), c->ausgangsSynapsen, a->ausgangsSynapsen,
                              b->eingangsPools, axoZaehler, synapsenZaehler),
              std::make_tuple(nullptr, nullptr, nullptr, nullptr, 0, 0));
}

TEST_F(Synapse, LoeschenLaesstKeinenVerweisUndLeertNurDieKurvenDieSieZeigte)
{
    SynapseDaten* s = verbinde(a, b);
    SynapseDaten* bleibt = verbinde(a, b);
    s->psp.liste = new XLPSP{new XLPSP{}, 1.0, 0, 0.0};   // freed with the record (the leak check sees it)
    aktuelleSynapse = gewaehlteSynapse = laufZustand.aktuelleSynapse = s;
    b->benutzerKanaele.emplace_back().synapse = s;
    bleibt->pool->verzoegerungsSynapse = s;
    stdNeuron.hauptDiagramm.kurven[13].bezeichnung = "Referenz 2";
    DiagrammDaten& d = a->hauptDiagramm;
    d.kurven[12].referenz = kurvenReferenz::Synapse;   // another synapse's curve stays
    d.kurven[12].synapseId = bleibt->id;
    KurvenDaten& k = d.kurven[13];
    k.referenz = kurvenReferenz::Freisetzung;
    k.synapseId = s->id;
    k.anzeigen = 1;
    k.yZoom = 3.0;
    k.bezeichnung = "Freisetzung";
    k.werte.assign(100, 1.0f);
    d.freisetzungsKurven = 1;

    synapseLoeschen(a, s, 0);
    EXPECT_EQ(std::make_tuple(aktuelleSynapse, gewaehlteSynapse, laufZustand.aktuelleSynapse,
                              synapseNachId(1), b->benutzerKanaele.front().synapse,
                              bleibt->pool->verzoegerungsSynapse),
              std::make_tuple(nullptr, nullptr, nullptr, nullptr, nullptr, nullptr));
    EXPECT_EQ(std::make_tuple(k.synapseId, k.referenz, k.anzeigen, d.freisetzungsKurven,
                              d.kurven[12].synapseId, k.yZoom, k.bezeichnung, k.werte.size()),
              std::make_tuple(0, 0, 0, 0, bleibt->id, 1.0, "Referenz 2", 0u));
    stdNeuron.hauptDiagramm.kurven[13].bezeichnung.clear();
}

// types 0-3 standard, 4 "Chlorid"; a synapse of type 4 onto b, so its pool is of type 4 too
struct SynapsenTypen : ZweiNeuroneFall {
    SynapseDaten* s = nullptr;
    void SetUp() override
    {
        ZweiNeuroneFall::SetUp();
        ASSERT_EQ(synapsenTypAnzahl, 4);
        synapsenTypen.push_back({ionenArt::Chemisch, -0.07, "Chlorid"});
        synapsenTypAnzahl = 5;
        s = verbinde(a, b, 4);
        ASSERT_NE(s, nullptr);
    }
    // the type, its ion and potential as the engine reads them through synapse and pool
    void zeigtAufChlorid(int index) const
    {
        EXPECT_EQ(std::make_pair(s->synapsenTyp, s->pool->typ), std::make_pair(index, index));
        ASSERT_LT(s->pool->typ, static_cast<int>(synapsenTypen.size()));
        EXPECT_EQ(synapsenTypen[s->pool->typ].bezeichnung, "Chlorid");
        EXPECT_EQ(synapsenTypIon(s->pool->typ), ionenArt::Chemisch);
    }
};

TEST_F(SynapsenTypen, LoeschenNummeriertSynapsenUndPoolsGemeinsam)   // the mended pool type
{
    const SynapsenTyp kalium = synapsenTypen[1];
    EXPECT_TRUE(synapsenTypLoeschen(&kalium, synapsenTypen));
    EXPECT_EQ(synapsenTypAnzahl, 4);
    zeigtAufChlorid(3);
    // a new synapse of the same type and area joins the pool again
    EXPECT_EQ(verbinde(a, b, 3)->pool, s->pool);
    EXPECT_EQ(poolAnzahl(b), 1);

    pt::boxAntworten({1});
    const SynapsenTyp chlorid = synapsenTypen[3];
    EXPECT_FALSE(synapsenTypLoeschen(&chlorid, synapsenTypen));   // still used
    EXPECT_NE(pt::boxLog().at(0).text.find("Chlorid"), std::string::npos);
    EXPECT_EQ(synapsenTypen.size(), 4u);
    zeigtAufChlorid(3);
}

TEST_F(SynapsenTypen, LoeschenInDerArbeitskopieWirktErstBeimUebernehmen)   // the mended early renumbering
{
    SynapsenTypArbeitskopie kopie;
    ASSERT_TRUE(synapsenTypArbeitskopieNehmen(kopie));
    const SynapsenTyp kalium = synapsenTypen[1];
    EXPECT_TRUE(synapsenTypLoeschen(&kalium, kopie));
    EXPECT_EQ(kopie.tabelle.size(), 4u);
    // the network still reads the table it has: nothing moved
    EXPECT_EQ(std::make_tuple(synapsenTypen.size(), synapsenTypAnzahl), std::make_tuple(5u, 5));
    zeigtAufChlorid(4);
    // the copy knows that a synapse uses its entry, wherever it now stands
    pt::boxAntworten({1});
    const SynapsenTyp chlorid = synapsenTypen[4];
    EXPECT_FALSE(synapsenTypLoeschen(&chlorid, kopie));
    EXPECT_EQ(pt::boxLog().size(), 1u);
    kopie.tabelle.push_back({ionenArt::Natrium, 0.04, "neu"});   // a type added in the dialog

    // Cancel drops the copy; a second copy committed as it stands changes nothing
    SynapsenTypArbeitskopie unveraendert;
    ASSERT_TRUE(synapsenTypArbeitskopieNehmen(unveraendert));
    EXPECT_TRUE(synapsenTypenUebernehmen(unveraendert));
    zeigtAufChlorid(4);
    // OK
    EXPECT_TRUE(synapsenTypenUebernehmen(kopie));
    EXPECT_EQ(std::make_tuple(synapsenTypAnzahl, synapsenTypen[4].bezeichnung), std::make_tuple(5, "neu"));
    zeigtAufChlorid(3);
    EXPECT_EQ(verbinde(a, b, 3)->pool, s->pool);
}
