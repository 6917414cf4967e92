// tests/app/test_sicherung_vor_lauf.cpp - "Backup vor Simulation": the run's backup writes the
// network and the settings under ".bkp" names and nothing of the user's own files
#include "app_hilfe.h"
#include "files/einstellungsdatei.h"
#include "files/netzdatei.h"
#include "model/diagramm.h"
#include "model/laufstart.h"
#include "model/stromreiz.h"
#include "platform/fenster.h"
#include "resources/befehle.h"

using namespace apphilfe;

namespace {

struct SicherungVorLauf : AppFall {
    std::string netzPfad;

    void SetUp() override
    {
        AppFall::SetUp();
        ASSERT_TRUE(starten());
        laufbaresNetz(2, ordner);
        dateipfade.endung = "gui";
        programmStatus |= programmBit::SomaDateiSchreiben;
        // a stored reference curve, so the save writes its reference file
        KurvenDaten& k = neuronNachNummer(1)->hauptDiagramm.kurven[kurve::Referenz1];
        k.werte.assign(200, -0.07f);
        k.werteAnzahl = 200;
        ASSERT_TRUE(guiDateiSpeichern(0, nullptr, 1));
        netzPfad = ordner + "netz.gui";
        ASSERT_EQ(dateipfade.vollerPfad, netzPfad);
    }
    // the network's names and the title, as the next save and the end's question use them
    auto namen() const
    {
        return std::tuple(dateipfade.dokumentVerzeichnis, dateipfade.netzName, dateipfade.endung,
                          dateipfade.vollerPfad, dateipfade.letzteNetzDatei, titel(haupt()));
    }
};

} // namespace

// An unsaved stimulus and a run with the backup on: the backup has the network as it is, the
// network file, its current file, its reference file and the settings file keep what the
// user saved, and the network keeps its names and title. Answering No at the end leaves
// the stimulus out of every file the user reads the network from.
TEST_F(SicherungVorLauf, SchreibtNurDieBkpDateien)
{
    const std::vector<std::string> nutzer = {netzPfad, ordner + "netz.cur", ordner + "netz.ref", ordner + "default.cfg"};
    std::vector<std::string> vorher;
    for (const std::string& p : nutzer) {
        ASSERT_TRUE(std::filesystem::exists(p)) << p;
        vorher.push_back(lesen(p));
    }
    NeuronDaten& n = *neuronNachNummer(1);
    n.stromreize[0].beginn = 0.002;
    n.stromreize[0].dach = 0.005;
    n.stromreize[0].amplitude = 1e-9;
    n.stromreize[0].an = 1;
    ASSERT_EQ(stromreizKurveErzeugen(n, 0), 1);
    std::string netz;
    ASSERT_TRUE(netzDateiText(netz));
    const auto namenVorher = namen();

    befehl(befehlBackupVorSimulation);
    ASSERT_TRUE(sicherungsOptionen & sicherungBit::An);
    befehl(befehlSimulationStarten);
    nachrichtenVerarbeiten();
    EXPECT_FALSE(sicherungsOptionen & sicherungBit::WirdGeschrieben);

    EXPECT_TRUE(lesen(netzPfad + ".bkp") == netz) << lesen(netzPfad + ".bkp").size() << " against " << netz.size();
    EXPECT_TRUE(std::filesystem::exists(ordner + "default.cfg.bkp"));
    for (size_t i = 0; i < nutzer.size(); ++i)
        EXPECT_TRUE(lesen(nutzer[i]) == vorher[i]) << nutzer[i];
    for (const char* fremd : {"netz.gui.cur", "netz.gui.ref", "netz.cur.bkp", "netz.ref.bkp"})
        EXPECT_FALSE(std::filesystem::exists(ordner + fremd)) << fremd;
    EXPECT_EQ(namen(), namenVorher);
    EXPECT_EQ(netzBegleitdateien.refPfad, ordner + "netz.ref");
}
