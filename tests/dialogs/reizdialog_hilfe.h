// tests/dialogs/reizdialog_hilfe.h - what the tests of the stimulus dialogs share: a network of
// their own in dendrite mode 3, neurons, and script steps that check a dialog's fields
#pragma once
#include "ersatz_hauptfenster.h"
#include "model/netz.h"
#include "model/simulationsparameter.h"
#include "model/simulationspruefung.h"
#include "platform/box.h"
#include "texts/texte.h"
#include <utility>
#include <vector>

namespace reizdialog {

using namespace plattform;
namespace sch = plattform::test::schritt;
using Schritte = std::vector<plattform::test::DialogSchritt>;

struct Fall : ersatz::Fall {
    void SetUp() override
    {
        netzLoeschen();
        ersatz::Fall::SetUp();
        simulationsParameter.netzwerktyp = 3;
        simulationsParameter.anzahlSegmente = 3;
    }
    void TearDown() override
    {
        netzLoeschen();
        ersatz::Fall::TearDown();
    }
    // a neuron named N<nummer> of three segments (or as many as given), marked when asked
    static NeuronDaten* neuron(int nummer, bool markiert, int segmente = 3)
    {
        NeuronDaten* n = neuronNeu(nummer, 0);
        EXPECT_TRUE(n && kompartimenteAnpassen(*n, segmente));
        ++neuronKette.anzahl;
        neuronKette.hoechsteNummer = std::max(neuronKette.hoechsteNummer, nummer);
        n->name = "N" + std::to_string(nummer);
        if (markiert)
            neuronMarkieren(n, 1);
        return n;
    }
    static const test::DialogElementZustand& el(Fenster d, int id) { return *test::dialogElement(d, id); }
    // script steps that check the texts of fields, and where the focus is
    static test::DialogSchritt texte(std::vector<std::pair<int, std::string>> soll)
    {
        return [soll](Fenster d) {
            for (const auto& [id, text] : soll)
                EXPECT_EQ(el(d, id).text, text) << id;
        };
    }
    static test::DialogSchritt fokus(int id)
    {
        return [id](Fenster d) { EXPECT_EQ(test::dialogFokus(d), id); };
    }
    static std::string letzteBox() { return test::boxLog().empty() ? "" : test::boxLog().back().text; }
};

} // namespace reizdialog
