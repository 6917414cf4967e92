// tests/app/test_netz_speichern.cpp - a save that fails changes nothing: "Speichern unter"
// keeps the network's folder, name and path, and the end that asked to save goes on with
// the program
#include "app_hilfe.h"
#include "files/einstellungsdatei.h"
#include "files/netzdatei.h"
#include "platform/box.h"

using namespace apphilfe;

namespace {

struct NetzSpeichern : AppFall {
    void SetUp() override
    {
        AppFall::SetUp();
        ASSERT_TRUE(starten());
        laufbaresNetz(2, ordner + "netze/");
        std::filesystem::create_directory(ordner + "netze");
        dateipfade.endung = "gui";
        ASSERT_TRUE(guiDateiSpeichern(0, nullptr, 1));
        netzPfad = ordner + "netze/netz.gui";
        ASSERT_EQ(std::tie(dateipfade.vollerPfad, cfgPfad), std::tuple(netzPfad, ordner + "default.cfg"));
    }
    std::string netzPfad;

    void ende(std::initializer_list<int> antworten)
    {
        pt::boxAntworten(antworten);
        befehl(befehlProgrammBeenden);
        nachrichtenVerarbeiten();
    }
    // the network's names and the title, as a later save and the end's question use them
    auto namen() const
    {
        return std::tuple(dateipfade.dokumentVerzeichnis, dateipfade.netzName, dateipfade.endung,
                          dateipfade.vollerPfad, titel(haupt()));
    }
};

} // namespace

// The chosen folder is not there: the notice names the file and the system's reason; the
// next Ctrl+S goes to the network's own file again, and the settings name it.
TEST_F(NetzSpeichern, FehlgeschlagenesSpeichernUnterBehaeltOrdnerNameUndPfad)
{
    const auto vorher = namen();
    ASSERT_EQ(std::get<4>(vorher), netzPfad);
    const std::string cfg = lesen(cfgPfad);
    const std::string ziel = ordner + "fehlt/anders.net";
    pt::dateiAntworten({pt::dateiAntwort(ziel)});
    pt::boxAntworten({antwort::Ok});
    befehl(befehlGuiDateiSpeichernUnter);
    nachrichtenVerarbeiten();
    EXPECT_EQ(gezeigteBoxen(), BoxTexte{"Hinweis: " + meldungFormatieren(947, ziel, meldungsTexte[962])});
    EXPECT_EQ(namen(), vorher);
    EXPECT_EQ(lesen(cfgPfad), cfg);            // the settings name no file that is not there

    // Ctrl+S: the network's file, without a notice
    schreiben(netzPfad, "alt");
    befehl(befehlGuiDateiSpeichern);
    nachrichtenVerarbeiten();
    EXPECT_EQ(gezeigteBoxen().size(), 1u);
    EXPECT_TRUE(lesen(netzPfad).starts_with("[neuronen-netzwerk-datei]"));
    EXPECT_NE(lesen(cfgPfad).find("zuletzt geladene eingabedatei=netz\r\n"), std::string::npos);
}

// The network's folder went away: "Yes" to saving before the end gives the notice, and the
// program goes on with the network. The next end asks again; "No" ends it.
TEST_F(NetzSpeichern, EinEndeMitFehlgeschlagenemSpeichernLaesstDasProgrammLaufen)
{
    std::filesystem::remove_all(ordner + "netze");
    ende({antwort::Ja, antwort::Ok});
    const std::string frage = "SysInfo: " + meldungFormatieren(801, netzPfad);
    EXPECT_EQ(gezeigteBoxen(),
              (BoxTexte{frage, "Hinweis: " + meldungFormatieren(947, netzPfad, meldungsTexte[962])}));
    EXPECT_FALSE(programmEndet());
    EXPECT_TRUE(istFenster(haupt()));
    EXPECT_EQ(NeuronFall::nummern(), (std::vector{1, 2}));
    EXPECT_EQ(dateipfade.vollerPfad, netzPfad);

    ende({antwort::Nein});
    EXPECT_EQ(gezeigteBoxen().size(), 3u);
    EXPECT_EQ(gezeigteBoxen().back(), frage);
    EXPECT_TRUE(programmEndet());
    EXPECT_FALSE(std::filesystem::exists(netzPfad));
}
