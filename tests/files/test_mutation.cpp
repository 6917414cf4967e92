// tests/files/test_mutation.cpp - the readers of the network text against damaged texts (the
// damage of Verformer): they never crash under the sanitizers, put every cut back, and what
// they leave holds together
#include "netzdatei_hilfe.h"
#include <cstring>

namespace {

struct Mutation : NetzdateiFall {
    // A network with every part the readers know: stimuli on all compartments, K(Ca), every
    // model range, synapses of every type with dynamics, an axo-axonic one, a group.
    void SetUp() override
    {
        NetzdateiFall::SetUp();
        NeuronDaten* a = neu(2);
        NeuronDaten* b = neu(5);
        a->kcaModus = kcaModus::An;
        a->kca = std::make_unique<KCaKanal>();
        a->parameter.fill(0.001);
        for (StromreizDefinition& d : a->stromreize)
            d = {.beginn = 0.1, .anstieg = 0.02, .abfall = 0.02, .dach = 0.05, .amplitude = 1e-9,
                 .pause = 0.2, .burstabstand = 0.5, .anzahlBursts = 2, .anzahl = 3, .an = 1, .reizDatei = "r",
                 .reizName = "r"};
        for (int typ = 0; typ < 4; ++typ)
            verbinde(typ % 2 ? a : b, typ % 2 ? b : a, typ, 1e-7, 0.001, typ)->transmitter.formAlpha = typ;
        verbinde(neu(11), nullptr, 0, 0.6, 0.0007, kontaktort::Axo, a->ausgangsSynapsen)->bahnung.an = 1;
        synapsengruppeBelegen(3, *b->ausgangsSynapsen, nullptr);
        fensterliste[0] = {2, 0, 1, 2, 3, 4};
        serverDaten.eingangsNeuron = 2;
        protokoll.gesicherterText = "eine Zeile\n[NEURON 2]\nanzahl neurone=7";
        protokoll.sichtbar = 0;
        reizSchrittweite = 0.01;   // tables of a few hundred points, however the times are damaged
    }
    static void vonVorn()
    {
        pt::zuruecksetzen();
        pt::fehlerBehandlungSetzen([](const std::string&) {});   // unanswered boxes are part of the game
    }
};

} // namespace

TEST_F(Mutation, NetzdateiLeserHinterlaesstEinGanzesOderLeeresNetz)
{
    const std::string grund = imSpeicher();
    Verformer verformen{20240305};
    int geladen = 0;
    for (int runde = 0; runde < 300; ++runde) {
        SCOPED_TRACE(runde);
        const std::string text = runde ? verformen(grund) : grund;
        vonVorn();
        attrappe::rahmenZuruecksetzen();
        simulationsparameterVoreinstellen();
        einstellungenVoreinstellen();
        programmStatus = modusStatus = 0;
        // every question answered Yes in one round, No in the next (a notice takes either as OK)
        for (int i = 0; i < 16; ++i)
            pt::boxAntworten({runde % 2 ? plattform::antwort::Nein : plattform::antwort::Ja});
        const int ergebnis = laden(text);
        ASSERT_TRUE(ergebnis == 0 || ergebnis == 1);
        geladen += ergebnis == 1 && neuronKette.kopf;
        EXPECT_TRUE(ergebnis == 1 || attrappe::dienste.endet || !neuronKette.kopf);
        EXPECT_EQ(neuronKette.anzahl, static_cast<int>(NeuronFall::nummern().size()));
        for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron)
            ASSERT_TRUE(neuronNachNummer(n->nummer) == n && kompartimentAnzahl(*n) == n->segmentAnzahl + 1);
        for (const FensterlistenEintrag& e : fensterliste)
            EXPECT_TRUE(e.neuronId == 0 || neuronNummerGueltig(e.neuronId));
        for (const Synapsengruppe& g : synapsengruppen)
            for (int id : g.mitglieder)
                EXPECT_NE(synapseNachId(id), nullptr);
        EXPECT_FALSE(editierStatus & editierBit::DateiWirdGelesen);
    }
    EXPECT_GT(geladen, 100);
}

TEST_F(Mutation, NeuronblockLeserLassenDenDatensatzHeil)
{
    const std::string grund = "[NEURON 2]\n" + block(neuronNachNummer(2)) + "[ende NEURON 2]\n";
    Verformer verformen{20240306};
    for (int runde = 0; runde < 400; ++runde) {
        SCOPED_TRACE(runde);
        vonVorn();
        weg(neuronNachNummer(2));
        NeuronDaten* n = neu(2);
        altePausenUmrechnen = runde % 2;
        std::vector<char> t = lesbar(verformen(grund));
        const size_t laenge = std::strlen(t.data());
        guiNeuronLaden(n, t.data());
        physParameterLaden(n, t.data());
        KCaKanal kanal;
        kCaKanalLaden(n, kanal, t.data());
        ASSERT_EQ(std::strlen(t.data()), laenge);   // every cut was put back
        EXPECT_TRUE(n->kcaModus >= kcaModus::Aus && n->kcaModus <= kcaModus::Ausgeschaltet);
        EXPECT_TRUE(n->kcaModus == kcaModus::Aus || n->kca);
        EXPECT_TRUE(n->modellTyp >= 0 && n->modellTyp <= modell::GolowaschBuchholz);
        ASSERT_EQ(kompartimentAnzahl(*n), 4);
        for (const StromTabelle& s : n->stromTabellen)
            EXPECT_LE(s.anzahlPunkte, static_cast<int>(std::min(s.startzeiten.size(), s.stromwerte.size())));
        EXPECT_LE(n->name.size(), 259u);
    }
}

TEST_F(Mutation, SynapsenleserLadenNurStimmiges)
{
    std::string grund = imSpeicher();
    grund.erase(0, grund.find("[SynapsenTypen-definition]"));
    SynapsenIdListen grundIds;
    for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron)
        for (SynapseDaten* s = n->ausgangsSynapsen; s; s = s->naechsteSynapse)
            (s->axoIndex ? grundIds.axoSynapsen : grundIds.synapsen).push_back(s->id);
    Verformer verformen{20240611};
    int ausgang[3] = {};   // refused, in part, all
    for (int runde = 0; runde < 400; ++runde) {
        SCOPED_TRACE(runde);
        vonVorn();
        const std::string t = verformen(grund);
        SynapsenIdListen ids = grundIds;   // the lists broken too: an id out of range, twice, swapped
        std::vector<int>& l = verformen.bis(2) ? ids.synapsen : ids.axoSynapsen;
        if (const size_t art = verformen.bis(6); art < 2)
            l.push_back(art ? static_cast<int>(verformen.bis(5000)) - 5 : l.empty() ? 1 : l[0]);
        else if (art == 2)
            std::swap(ids.synapsen, ids.axoSynapsen);
        for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron)
            while (n->ausgangsSynapsen)
                synapseLoeschen(n, n->ausgangsSynapsen, 0);
        synapsenTypAnzahl = std::array{4, 4, 2, 0, -3, 50, 4097}[verformen.bis(7)];
        std::vector<char> text = lesbar(t), zweiter = lesbar(t);
        const bool gut = synapsenTypenLaden(verformen.bis(4) ? text.data() : nullptr) &&
                         synapsenLaden(zweiter.data(), ids);
        int alle = 0, axo = 0;
        for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron)
            for (SynapseDaten* s = n->ausgangsSynapsen; s; s = s->naechsteSynapse, ++alle) {
                const std::vector<int>& liste = s->axoIndex >= 1 ? ids.axoSynapsen : ids.synapsen;
                ASSERT_NE(std::find(liste.begin(), liste.end(), s->id), liste.end());
                ASSERT_TRUE(synapseNachId(s->id) == s && s->synapsenTyp >= 0 &&
                            s->synapsenTyp < synapsenTypAnzahl);
                axo += s->axoIndex >= 1;
                // an axo-axonic synapse hangs on its parent, an ordinary one in a pool of its area
                if (s->axoIndex >= 1) {
                    ASSERT_EQ(s->elternSynapse->id, s->elternId);
                } else {
                    ASSERT_TRUE(s->pool && s->zielBereich >= 0 && s->zielBereich <= groessteSegmentAnzahl);
                }
            }
        EXPECT_EQ(std::tie(synapsenZaehler, axoZaehler, synapsenTypAnzahl),
                  std::tuple(alle, axo, static_cast<int>(synapsenTypen.size())));
        for (const SynapsenTyp& typ : synapsenTypen)
            ASSERT_TRUE(typ.ion >= 0 && typ.ion <= ionenArt::Elektrisch);
        ++ausgang[!gut ? 0 : alle == 5 ? 2 : 1];
    }
    // the damage reached every outcome, so every path ran
    EXPECT_TRUE(ausgang[0] && ausgang[1] && ausgang[2])
        << ausgang[0] << " " << ausgang[1] << " " << ausgang[2];
}
