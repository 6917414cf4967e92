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

// A constant current set in the "Strom-Reiz" dialog is saved and opened again as it was,
// without the question meant for old files. The same file without the line this program
// adds to it counts as one from elsewhere and still gets the question; No keeps the currents,
// and once saved here the file opens without it.
TEST_F(NetzSpeichern, KonstantstromAusDemDialogKommtOhneFrageWieder)
{
    namespace s = pt::schritt;
    neuronMarkieren(neuronNachNummer(2), 1);
    pt::dialogSkript(132, {s::tippen(1209, "0.005"), s::tippen(1212, "0.015"), s::tippen(1216, "2e-10"),
                           s::tippen(1219, "0.002"), s::tippen(1221, "0.012"), s::tippen(1222, "1e-10"),
                           s::klicken(1223), s::klicken(1)});
    befehl(befehlStromReiz);
    befehl(befehlGuiDateiSpeichern);
    nachrichtenVerarbeiten();
    ASSERT_TRUE(gezeigteBoxen().empty()) << gezeigteBoxen().front();
    const auto altreiz = [] {
        const NeuronDaten* n = neuronNachNummer(2);
        return std::tuple(n->somaSCStart, n->somaSCEnd, n->somaCurrent, n->dendSCStart, n->dendSCEnd,
                          n->dendCurrent, n->dendSCLocation, n->stromreize[0].an);
    };
    const auto gesetzt = std::tuple(0.005, 0.015, 2e-10, 0.002, 0.012, 1e-10, 2, 0);
    ASSERT_EQ(altreiz(), gesetzt);
    // the network just saved is its file: an open replaces it without the offer
    const auto oeffnen = [](const std::string& pfad) {
        pt::dateiAntworten({pt::dateiAntwort(pfad)});
        return simulationOeffnen(1);
    };
    const auto altfragen = [] { return std::ranges::count(gezeigteBoxen(), "SysInfo: " + meldungsTexte[531]); };

    EXPECT_EQ(oeffnen(netzPfad), 1);
    EXPECT_EQ(gezeigteBoxen().size(), 0u);
    EXPECT_EQ(altfragen(), 0);
    EXPECT_EQ(altreiz(), gesetzt);

    std::string fremd = lesen(netzPfad);
    const size_t zeile = fremd.find("Currents: ");
    ASSERT_NE(zeile, std::string::npos);
    fremd.erase(zeile, fremd.find('\n', zeile) + 1 - zeile);
    const std::string fremdPfad = ordner + "netze/fremd.gui";
    schreiben(fremdPfad, fremd);
    pt::dateiAntworten({pt::dateiAntwort(fremdPfad)});
    pt::boxAntworten({antwort::Nein});
    EXPECT_EQ(simulationOeffnen(1), 1);
    EXPECT_EQ(altfragen(), 1);
    EXPECT_EQ(pt::offeneBoxAntworten(), 0u);
    EXPECT_EQ(altreiz(), gesetzt);
    befehl(befehlGuiDateiSpeichern);
    nachrichtenVerarbeiten();
    EXPECT_EQ(oeffnen(fremdPfad), 1);
    EXPECT_EQ(altfragen(), 1);
    EXPECT_EQ(altreiz(), gesetzt);
}
