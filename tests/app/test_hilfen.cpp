// tests/app/test_hilfen.cpp - spike recording, marks, the choosers and check marks
#include "app_hilfe.h"
#include "app/hilfen.h"
#include "platform/menue.h"

using namespace plattform;
using namespace apphilfe;
namespace pt = plattform::test;

namespace {

using Aufzeichnung = AppFall;
using Markieren = AppFall;
using Waehler = AppFall;

NeuronDaten* neuron(int& platz) { return reinterpret_cast<NeuronDaten*>(&platz); }

std::vector<std::pair<NeuronDaten*, int>> gespiegelt;

} // namespace

TEST_F(Aufzeichnung, WaechstUeberDenErstenBlockUndLoeschenBehaeltDenSchalter)
{
    SpikeAufzeichnung a;
    a.aufzeichnen = 1;
    int n = 0;
    for (int i = 1; i <= 1001; ++i)
        aufzeichnungEintragen(a, neuron(n), 0.001 * i);
    EXPECT_EQ(a.letzterIndex, 1001);
    EXPECT_DOUBLE_EQ(a.ereignisse[1000].zeit, 1.001);
    aufzeichnungLoeschen(a);
    EXPECT_TRUE(a.ereignisse.empty());
    EXPECT_EQ(a.letzterIndex, 0);
    EXPECT_EQ(a.aufzeichnen, 1);
}

TEST_F(Markieren, JedesNeuronEinmalUndDasFeldFolgtDerListe)
{
    gespiegelt.clear();
    markiertFeldSetzen = [](NeuronDaten* n, int m) { gespiegelt.push_back({n, m}); };
    int a = 0, b = 0;
    neuronMarkieren(neuron(a), 1);
    neuronMarkieren(neuron(b), 1);
    neuronMarkieren(neuron(a), 1);
    EXPECT_EQ(markierteNeurone.anzahl(), 2);
    EXPECT_EQ(markierteNeurone.erstes(), neuron(a));
    neuronMarkieren(neuron(a), 0);
    EXPECT_EQ(markierteNeurone.erstes(), neuron(b));
    neuronMarkieren(nullptr, 0);
    EXPECT_EQ(markierteNeurone.anzahl(), 0);
    EXPECT_EQ(gespiegelt.back(), std::make_pair(neuron(b), 0));
    EXPECT_EQ(gespiegelt.size(), 5u);
}

TEST_F(Waehler, DateiDialogZerlegtDenFilterUndGibtDieWahlZurueck)
{
    std::string ordnerText = "/daten", name = "netz", endung = "gui";
    const std::string filter("Netzwerkdateien (*.gui)\0*.gui\0Alle Dateien (*.*)\0*.*\0\0", 54);
    pt::dateiAntworten({pt::dateiAntwort("/anders/modell.gui"), pt::dateiAbbruch()});
    EXPECT_NE(dateiDialog(ordnerText, name, endung, filter, "Netzwerk laden", 0), 0);
    EXPECT_EQ(ordnerText, "/anders");
    EXPECT_EQ(name, "modell");
    const DateiWahl& gefragt = pt::dateiWahlLog()[0].gefragt;
    ASSERT_EQ(gefragt.filter.size(), 2u);
    EXPECT_EQ(gefragt.filter[1].muster, "*.*");
    EXPECT_EQ(gefragt.ordner, "/daten");

    EXPECT_EQ(dateiDialog(ordnerText, name, endung, "Text|*.txt", "x", 1), 0);
    EXPECT_EQ(name, "modell");
    EXPECT_TRUE(pt::dateiWahlLog()[1].gefragt.speichern);
}

