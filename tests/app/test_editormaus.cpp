// tests/app/test_editormaus.cpp - the network editor by mouse and key: marking, moving,
// double click, context menus
#include "app_hilfe.h"
#include "app/netzbild.h"
#include "app/neuroneditor.h"
#include "model/geometrie.h"
#include "model/synapse.h"
#include "resources/befehle.h"

using namespace apphilfe;

namespace {

class EditorMaus : public AppFall {
protected:
    void SetUp() override
    {
        AppFall::SetUp();
        ASSERT_TRUE(starten());
        nachrichtenVerarbeiten();
        for (int i = 1; i <= 3; ++i) {
            NeuronDaten* n = NeuronFall::neu(i);
            ASSERT_NE(n, nullptr);
            n->x = 100 * i;
            n->y = 100;
            einstellungenAktualisieren(n, 0);
        }
    }
    // a point inside the soma of neuron nummer
    Punkt in(int nummer) const
    {
        const Rechteck r = somaRechteck(*neuronSuchen(nummer));
        return {(r.links + r.rechts) / 2, (r.oben + r.unten) / 2};
    }
    void klick(Punkt p, uintptr_t tasten = 0)
    {
        senden(haupt(), nachricht::LinksRunter, maus::Links | tasten, machLParam(p.x, p.y));
        senden(haupt(), nachricht::LinksHoch, tasten, machLParam(p.x, p.y));
    }
    std::vector<int> markierte() const
    {
        std::vector<int> v;
        for (const NeuronDaten* n : markierteNeurone.liste)
            v.push_back(n->nummer);
        return v;
    }
};

TEST_F(EditorMaus, KlickenMarkiertUmschaltKlickFuegtHinzuKlickDanebenLoescht)
{
    const struct { const char* was; int neuron; uintptr_t tasten; std::vector<int> markiert; } schritte[] = {
        {"a click marks", 1, 0, {1}},
        {"another click marks only that one", 2, 0, {2}},
        {"shift adds", 3, maus::Umschalt, {2, 3}},
        {"ctrl takes a marked one away", 2, maus::Strg, {3}},
        {"a click beside every neuron clears", 0, 0, {}},
    };
    for (const auto& s : schritte) {
        SCOPED_TRACE(s.was);
        pt::uhrVorstellen(1000);           // no double click
        klick(s.neuron ? in(s.neuron) : Punkt{5, 5}, s.tasten);
        EXPECT_EQ(markierte(), s.markiert);
        for (const NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron)
            EXPECT_EQ(n->markiert != 0, std::ranges::count(s.markiert, n->nummer) == 1) << n->nummer;
    }
}

TEST_F(EditorMaus, ZiehenVerschiebtDieMarkiertenNeuroneUndIhreSynapsen)
{
    SynapseDaten* s = synapseNeu(neuronSuchen(1), neuronSuchen(3), 0, 1e-6, 0.003, -0.04, 0.05, 0, nullptr);
    synapsenTabelleSetzen(s->id, s);
    neuronMarkieren(neuronSuchen(1), 1);
    neuronMarkieren(neuronSuchen(2), 1);
    const Punkt p = in(1);
    const Punkt vorher = s->linienStart;
    senden(haupt(), nachricht::LinksRunter, maus::Links, machLParam(p.x, p.y));
    senden(haupt(), nachricht::MausBewegung, maus::Links, machLParam(p.x + 30, p.y + 40));
    senden(haupt(), nachricht::LinksHoch, 0, machLParam(p.x + 30, p.y + 40));
    // a move without the button moves nothing
    senden(haupt(), nachricht::MausBewegung, 0, machLParam(p.x + 90, p.y + 90));
    EXPECT_EQ(std::pair(neuronSuchen(1)->x, neuronSuchen(1)->y), std::pair(130, 140));
    EXPECT_EQ(std::pair(neuronSuchen(2)->x, neuronSuchen(2)->y), std::pair(230, 140));
    EXPECT_EQ(std::pair(neuronSuchen(3)->x, neuronSuchen(3)->y), std::pair(300, 100));
    EXPECT_NE(s->linienStart.y, vorher.y);
    EXPECT_EQ(editierStatus & 0x4, 0u);
}

TEST_F(EditorMaus, DoppelklickZeigtDasDiagrammNurInnerhalbDerDoppelklickzeit)
{
    NeuronDaten* n = neuronSuchen(2);
    klick(in(2));
    pt::uhrVorstellen(zeiteinstellungen.doppelklick + 10.0);
    klick(in(2));
    EXPECT_FALSE(n->hauptDiagramm.fenster) << "too slow for a double click";
    EXPECT_EQ(neuronKette.anzahl, 3);
    klick(in(2));
    EXPECT_TRUE(n->hauptDiagramm.fenster);
}

TEST_F(EditorMaus, RechtsklickZeigtDasMenueDesOrtes)
{
    // on a neuron: delete and the server's entries; chosen delete takes it
    pt::popupAntworten({befehlNeuroneLoeschen});
    Punkt p = in(2);
    pt::klicken(haupt(), p.x, p.y, true);
    nachrichtenVerarbeiten();
    ASSERT_EQ(pt::popupLog().size(), 1u);
    EXPECT_EQ(pt::popupLog()[0], (std::vector{befehlNeuroneLoeschen, befehlServerAnzeigeNeuron,
                                              befehlServerEingangsNeuron, befehlServerAusgangsNeuron}));
    EXPECT_EQ(NeuronFall::nummern(), (std::vector{1, 3}));
    EXPECT_EQ(offenesKontextMenu, nullptr);
    // on the empty place: the new-neuron item
    pt::popupAntworten({0});
    pt::klicken(haupt(), 400, 300, true);
    nachrichtenVerarbeiten();
    ASSERT_EQ(pt::popupLog().size(), 2u);
    EXPECT_EQ(pt::popupLog()[1], (std::vector{befehlNeuronNeu}));
    EXPECT_EQ(std::pair(letzterKlickpunkt.x, letzterKlickpunkt.y), std::pair(400, 300));
}

TEST_F(EditorMaus, DoppelklickAufDenLeerenPlatzSetztDortEinNeuesNeuron)
{
    klick({400, 300});
    pt::uhrVorstellen(zeiteinstellungen.doppelklick + 10.0);
    klick({400, 300});
    EXPECT_EQ(neuronKette.anzahl, 3) << "too slow for a double click";
    klick({400, 300});
    ASSERT_EQ(NeuronFall::nummern(), (std::vector{1, 2, 3, 4}));
    EXPECT_EQ(objektAnPunktSuchen({400, 300}), neuronSuchen(4));
}

TEST_F(EditorMaus, EntfLoeschtDieMarkiertenNeurone)
{
    pt::tasteDruecken(haupt(), taste::Entf);
    nachrichtenVerarbeiten();
    EXPECT_EQ(neuronKette.anzahl, 3);
    neuronMarkieren(neuronSuchen(3), 1);
    pt::tasteDruecken(haupt(), taste::Entf);
    nachrichtenVerarbeiten();
    EXPECT_EQ(NeuronFall::nummern(), (std::vector{1, 2}));
}

} // namespace
