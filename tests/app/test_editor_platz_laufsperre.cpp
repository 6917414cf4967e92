// tests/app/test_editor_platz_laufsperre.cpp - where a new neuron lands, and the run lock
// on the editor's mouse paths
#include "app_hilfe.h"
#include "app/netzbild.h"
#include "app/neuroneditor.h"
#include "model/geometrie.h"
#include "platform/box.h"
#include "resources/befehle.h"
#include <cmath>
#include <string>
#include <vector>

using namespace apphilfe;

namespace {

// "Sender" and two more neurons in a row, 100 apart
class EditorPlatz : public AppFall {
protected:
    int d = 0;   // the soma's size
    void SetUp() override
    {
        AppFall::SetUp();
        ASSERT_TRUE(starten());
        nachrichtenVerarbeiten();
        for (int i = 1; i <= 3; ++i) {
            NeuronDaten* n = NeuronFall::neu(i);
            n->x = 100 * i;
            n->y = 100;
            einstellungenAktualisieren(n, 0);
        }
        neuronSuchen(1)->name = "Sender";
        d = zeichenGroesseVon(*neuronSuchen(1), zeichenGroesse::Soma);
        ASSERT_GT(d, 0);
    }
    void TearDown() override
    {
        zoomFaktor = 1.0;
        AppFall::TearDown();
    }
    Punkt in(int nummer) const
    {
        const Rechteck r = somaRechteck(*neuronSuchen(nummer));
        return {(r.links + r.rechts) / 2, (r.oben + r.unten) / 2};
    }
    void klick(Punkt p)
    {
        senden(haupt(), nachricht::LinksRunter, maus::Links, machLParam(p.x, p.y));
        senden(haupt(), nachricht::LinksHoch, 0, machLParam(p.x, p.y));
    }
    void doppelklick(Punkt p)
    {
        pt::uhrVorstellen(1000);          // no earlier click counts
        klick(p);
        klick(p);
    }
    // whether two neurons' somata share a point
    static bool ueberlappen(const NeuronDaten& a, const NeuronDaten& b)
    {
        const int da = zeichenGroesseVon(a, zeichenGroesse::Soma), db = zeichenGroesseVon(b, zeichenGroesse::Soma);
        return a.x < b.x + db && b.x < a.x + da && a.y < b.y + db && b.y < a.y + da;
    }
    static bool ueberlapptEinen(const NeuronDaten& neu)
    {
        for (const NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron)
            if (n != &neu && ueberlappen(*n, neu))
                return true;
        return false;
    }
};

// The menu's "neues Neuron" after a right click on "Sender" put the new soma exactly under it:
// invisible, and the next click on "Sender" hit the new one. It lands beside it now, as near
// as it can, and "Sender" stays the one clicked.
TEST_F(EditorPlatz, NeuesNeuronUnterEinemAnderenKommtAnDenNaechstenFreienPlatz)
{
    for (const double zoom : {1.0, 2.0}) {
        SCOPED_TRACE(zoom);
        zoomFaktor = zoom;
        letzterKlickpunkt = in(1);
        const int vorher = neuronKette.anzahl;
        befehl(befehlNeuronNeu);
        ASSERT_EQ(neuronKette.anzahl, vorher + 1);
        const NeuronDaten* neu = neuronSuchen(neuronKette.hoechsteNummer);
        EXPECT_FALSE(ueberlapptEinen(*neu)) << neu->x << "," << neu->y;
        // right beside the wanted place, a gap between them
        EXPECT_LE(std::hypot(neu->x - 100, neu->y - 100), d * 1.5 + 1);
        EXPECT_EQ(objektAnPunktSuchen(in(1)), neuronSuchen(1));
        neuronLoeschen(neuronSuchen(neu->nummer), 0);
    }
    // a free click point keeps the soma centred on it
    zoomFaktor = 1.0;
    letzterKlickpunkt = {600, 400};
    befehl(befehlNeuronNeu);
    EXPECT_LE(std::hypot(in(neuronKette.hoechsteNummer).x - 600, in(neuronKette.hoechsteNummer).y - 400), 1.0);
}

// During a run the double click on the empty place and the double click on a neuron reached
// the network directly: a third neuron and a diagram window appeared. Both are refused with
// the dispatcher's notice now; the context menu offers its "neues Neuron" grey, by the same
// check. After the run all three work.
TEST_F(EditorPlatz, DieMauswegeHaltenDieLaufsperre)
{
    programmStatus |= programmBit::LaufAktiv;
    const auto unveraendert = [] {
        EXPECT_EQ(NeuronFall::nummern(), (std::vector{1, 2, 3}));
        EXPECT_EQ(neuronSuchen(2)->hauptDiagramm.fenster, nullptr);
    };
    for (const bool aufNeuron : {false, true}) {
        SCOPED_TRACE(aufNeuron ? "double click on a neuron" : "double click on the empty place");
        const size_t boxen = pt::boxLog().size();
        pt::boxAntworten({antwort::Ok});
        doppelklick(aufNeuron ? in(2) : Punkt{600, 400});
        nachrichtenVerarbeiten();
        unveraendert();
        ASSERT_EQ(pt::boxLog().size(), boxen + 1);
        EXPECT_EQ(pt::boxLog().back().text, meldungsTexte[881]);
    }
    std::vector<std::string> abgelehnt;
    pt::fehlerBehandlungSetzen([&](const std::string& t) { abgelehnt.push_back(t); });
    pt::popupAntworten({befehlNeuronNeu});
    pt::klicken(haupt(), 600, 400, true);
    nachrichtenVerarbeiten();
    pt::fehlerBehandlungSetzen(nullptr);
    ASSERT_EQ(abgelehnt.size(), 1u);
    EXPECT_NE(abgelehnt[0].find("is grey"), std::string::npos) << abgelehnt[0];
    unveraendert();

    programmStatus &= ~programmBit::LaufAktiv;
    doppelklick({600, 400});
    pt::popupAntworten({befehlNeuronNeu});
    pt::klicken(haupt(), 700, 400, true);
    nachrichtenVerarbeiten();
    doppelklick(in(2));
    EXPECT_EQ(neuronKette.anzahl, 5);
    EXPECT_NE(neuronSuchen(2)->hauptDiagramm.fenster, nullptr);
}

} // namespace
