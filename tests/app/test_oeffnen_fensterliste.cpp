// tests/app/test_oeffnen_fensterliste.cpp - the open command shows the window list of the
// network it loaded, each window kept inside the work area
#include "app_hilfe.h"
#include "files/einstellungsdatei.h"
#include "files/netzdatei.h"
#include <tuple>

using namespace apphilfe;

namespace {

struct FensterlisteOeffnen : AppFall {
    std::string arbeit = testhilfe::tempOrdner("velnor-fensterliste");
    std::string datei = arbeit + "zwei.gui";

    void TearDown() override
    {
        AppFall::TearDown();
        std::filesystem::remove_all(arbeit);
    }

    // Two neurons saved with a window list: neuron 1 at a place of its own, neuron 2 where a
    // larger screen had it, its title bar above the top edge.
    void netzSpeichern()
    {
        ASSERT_TRUE(starten());
        laufbaresNetz(2, arbeit);
        fensterliste.fill(FensterlistenEintrag{});
        fensterliste[0] = {1, 0, 40, 30, 700, 380};
        fensterliste[1] = {2, 0, -1, -20, 2600, 1200};
        cfgPfad = arbeit + "einstellungen.cfg";
        dateipfade.netzName = "zwei";
        dateipfade.endung = "gui";
        ASSERT_TRUE(guiDateiSpeichern(0, nullptr, 1));
        AppFall::TearDown();
        NeuronFall::leeren();
    }

    // the program started anew with the file on the command line
    void oeffnen(const std::string& cfg = "")
    {
        ASSERT_TRUE(starten(cfg, datei));
        nachrichtenVerarbeiten();
        ASSERT_TRUE(pt::boxLog().empty()) << pt::boxLog().front().text;
        ASSERT_EQ(neuronKette.anzahl, 2);
    }
};

Rechteck platz(int nummer) { return fensterRechteck(neuronNachNummer(nummer)->hauptDiagramm.fenster); }

} // namespace

// With "fenster aus liste beim start automatisch oeffnen=ja" (the shipped settings) the open
// shows each listed window: at its stored place, or, where that lies off the work area,
// inside it at the size the work area allows. The main window is in front of them.
TEST_F(FensterlisteOeffnen, ZeigtDieFensterDerListeImArbeitsbereich)
{
    netzSpeichern();
    oeffnen();
    EXPECT_EQ(vordergrundFenster(), haupt());
    const Rechteck a = arbeitsbereich();
    for (int nummer : {1, 2}) {
        const DiagrammDaten& d = neuronNachNummer(nummer)->hauptDiagramm;
        EXPECT_TRUE(d.offen && istSichtbar(d.fenster)) << nummer;
    }
    const Rechteck eins = platz(1), zwei = platz(2);
    EXPECT_EQ(std::tie(eins.links, eins.oben, eins.rechts, eins.unten), std::tuple(40, 30, 740, 410));
    EXPECT_EQ(std::tie(zwei.links, zwei.oben, zwei.rechts, zwei.unten),
              std::tuple(0, 0, arbeitsbereichKanten.rechts, arbeitsbereichKanten.unten));
    EXPECT_TRUE(zwei.rechts <= a.rechts && zwei.unten <= a.unten);
    // the list itself stays as the file has it
    EXPECT_EQ(std::tie(fensterliste[1].x, fensterliste[1].y), std::tuple(-1, -20));
}

// "=nein" leaves the windows closed, as before
TEST_F(FensterlisteOeffnen, OhneDieEinstellungBleibenDieFensterZu)
{
    netzSpeichern();
    std::string cfg = lesen(ausgelieferteTexte() + "default.cfg");
    const std::string ja = "fenster aus liste beim start automatisch oeffnen=ja";
    ASSERT_NE(cfg.find(ja), std::string::npos);
    cfg.replace(cfg.find(ja), ja.size(), "fenster aus liste beim start automatisch oeffnen=nein");
    oeffnen(cfg);
    for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron)
        EXPECT_EQ(n->hauptDiagramm.fenster, nullptr) << n->nummer;
}
