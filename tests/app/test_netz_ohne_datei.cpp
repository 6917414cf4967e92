// tests/app/test_netz_ohne_datei.cpp - a network has a file of its own only once it was read
// from or saved to one: the end offers one without, curve data, recordings and the sibling
// program's files are never written over by a save, and the file the settings remember is no network's name
#include "app_hilfe.h"
#include "files/fremdformat.h"
#include "files/netzdatei.h"
#include "platform/box.h"
#include "platform/menue.h"
#include "resources/befehle.h"

using namespace apphilfe;

namespace {

const std::string einNeuron = "[neuronen-netzwerk-datei]\nanzahl neurone=1\nexistierende Neurone=7 \n"
                              "[NEURON 7] ***\n[ende NEURON 7] ***\n[Dateiende]\n";

struct NetzOhneDatei : AppFall {
    std::string arbeit = testhilfe::tempOrdner("velnor-ohne-datei");

    void TearDown() override
    {
        AppFall::TearDown();
        std::filesystem::remove_all(arbeit);
    }
    void strgS()
    {
        pt::tastenZustandSetzen(tastenStatus::LinksStrg, true);
        pt::tasteDruecken(haupt(), 'S');
        nachrichtenVerarbeiten();
        pt::tastenZustandSetzen(tastenStatus::LinksStrg, false);
    }
    // the program started with a network of two neurons saved as netze/netz.gui
    void gespeichertesNetz()
    {
        ASSERT_TRUE(starten());
        std::filesystem::create_directory(arbeit + "netze");
        laufbaresNetz(2, arbeit + "netze/");
        dateipfade.endung = "gui";
        ASSERT_TRUE(guiDateiSpeichern(0, nullptr, 1));
    }
    // The save of a network without a file: the dialog is asked, proposing a network file,
    // and cancelled; nothing of the files named changes.
    void speichernFragtOhneZuSchreiben(const std::vector<std::string>& unberuehrt, const std::string& name)
    {
        std::vector<std::string> vorher;
        for (const std::string& p : unberuehrt)
            vorher.push_back(lesen(p));
        const size_t fragen = pt::dateiWahlLog().size();
        pt::dateiAntworten({pt::dateiAbbruch()});
        strgS();
        ASSERT_EQ(pt::dateiWahlLog().size(), fragen + 1);
        const auto& gefragt = pt::dateiWahlLog().back().gefragt;
        EXPECT_EQ(std::tie(gefragt.name, gefragt.endung), std::tuple(name, "gui"));
        for (size_t i = 0; i < unberuehrt.size(); ++i)
            EXPECT_TRUE(lesen(unberuehrt[i]) == vorher[i]) << unberuehrt[i];
    }
    // the settings file's line of the remembered network
    std::string gemerkt() const
    {
        const std::string cfg = lesen(ordner + "default.cfg");
        const size_t a = cfg.find("zuletzt geladene eingabedatei=");
        return a == std::string::npos ? "-" : cfg.substr(a + 30, cfg.find('\r', a) - a - 30);
    }
};

} // namespace

// A network built by hand, then the end: offered with Cancel; the save asks for a name and
// its dialog cancelled keeps the program too. The option to end without saving asks nothing.
TEST_F(NetzOhneDatei, DasEndeBietetEinNieGespeichertesNetzAnUndAbbrechenBehaeltEs)
{
    const struct {
        std::vector<int> antworten;
        const char* datei;           // the save dialog's answer after Yes ("" cancels)
        bool ohneSpeichern, endet;
    } faelle[] = {
        {{antwort::Abbrechen}, nullptr, false, false},
        {{antwort::Ja}, "", false, false},
        {{antwort::Ja}, "neu.gui", false, true},
        {{antwort::Nein}, nullptr, false, true},
        {{}, nullptr, true, true},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(std::to_string(f.antworten.empty() ? -1 : f.antworten[0]) + (f.datei ? f.datei : ""));
        programmZuruecksetzen();
        std::filesystem::remove_all(ordner);
        ASSERT_TRUE(starten());
        for (int i = 0; i < 2; ++i)
            befehl(befehlNeuronNeu);
        ASSERT_EQ(neuronKette.anzahl, 2);
        programmOptionen.ohneSpeichernBeenden = f.ohneSpeichern;
        for (int a : f.antworten)
            pt::boxAntworten({a});
        if (f.datei)
            pt::dateiAntworten({*f.datei ? pt::dateiAntwort(ordner + f.datei) : pt::dateiAbbruch()});
        ASSERT_TRUE(pt::menueBefehlWaehlen(haupt(), befehlProgrammBeenden));
        nachrichtenVerarbeiten();

        if (f.ohneSpeichern) {
            EXPECT_TRUE(pt::boxLog().empty());
        } else {
            ASSERT_EQ(pt::boxLog().size(), 1u);
            EXPECT_EQ(std::pair(pt::boxLog()[0].text, pt::boxLog()[0].art & 0xF),
                      std::pair(meldungsTexte[803], static_cast<uint32_t>(knoepfe::JaNeinAbbrechen)));
        }
        EXPECT_EQ(pt::dateiWahlLog().size(), f.datei ? 1u : 0u);
        EXPECT_EQ(programmEndet(), f.endet);
        const bool gespeichert = f.datei && *f.datei;
        EXPECT_EQ(lesen(ordner + "neu.gui").find("[NEURON 2]") != std::string::npos, gespeichert);
        if (f.endet)
            continue;
        EXPECT_EQ(NeuronFall::nummern(), (std::vector{1, 2}));
        // the program goes on; its next end asks again
        pt::boxAntworten({antwort::Nein});
        befehl(befehlProgrammBeenden);
        nachrichtenVerarbeiten();
        EXPECT_EQ(pt::boxLog().size(), 2u);
        EXPECT_TRUE(programmEndet());
    }
}

// Started with a curve data file: its network has no file. Ctrl+S asks for one and proposes
// a network file; the close offers it as one without a file; once saved, it has that file.
TEST_F(NetzOhneDatei, EineKurvendateiAmStartWirdNichtMitDemNetzUeberschrieben)
{
    ASSERT_TRUE(starten());
    laufbaresNetz(2, arbeit);
    dateipfade.endung = "gui";
    ASSERT_TRUE(guiDateiSpeichern(0, nullptr, 1));
    pt::tasteDruecken(haupt(), taste::F2);
    nachrichtenVerarbeiten();
    const std::string kurven = arbeit + "kurven.dat";
    pt::dateiAntworten({pt::dateiAntwort(kurven)});
    befehl(befehlDatDateiSpeichernUnter);
    ASSERT_TRUE(pt::boxLog().empty()) << pt::boxLog().front().text;
    const std::string dat = lesen(kurven), netz = lesen(arbeit + "netz.gui");
    ASSERT_TRUE(dat.starts_with(std::string("[datFile]\0", 10)));

    netzLoeschen();
    programmZuruecksetzen();
    ASSERT_TRUE(programmStarten(kurven, ordner));
    nachrichtenVerarbeiten();
    ASSERT_EQ(neuronKette.anzahl, 2);
    EXPECT_EQ(std::tuple(dateipfade.netzName, dateipfade.vollerPfad, titel(haupt())),
              std::tuple("kurven", "", kurven));
    speichernFragtOhneZuSchreiben({kurven, arbeit + "netz.gui"}, "kurven");
    EXPECT_FALSE(std::filesystem::exists(arbeit + "kurven.gui"));

    pt::boxAntworten({antwort::Abbrechen});
    befehl(befehlDateiSchliessen);
    EXPECT_EQ(pt::boxLog().back().text, meldungsTexte[803]);
    EXPECT_EQ(neuronKette.anzahl, 2);

    pt::dateiAntworten({pt::dateiAntwort(arbeit + "kopie.gui")});
    strgS();
    EXPECT_TRUE(lesen(arbeit + "kopie.gui").starts_with("[neuronen-netzwerk-datei]"));
    EXPECT_TRUE(lesen(kurven) == dat && lesen(arbeit + "netz.gui") == netz);
    const size_t fragen = pt::dateiWahlLog().size();
    std::filesystem::remove(arbeit + "kopie.gui");
    strgS();                                 // its own file now: no question
    EXPECT_EQ(pt::dateiWahlLog().size(), fragen);
    EXPECT_TRUE(std::filesystem::exists(arbeit + "kopie.gui"));

    // the curves saved over that very file: it is curve data now, and Ctrl+S asks again
    pt::dateiAntworten({pt::dateiAntwort(arbeit + "kopie.gui")});
    befehl(befehlDatDateiSpeichernUnter);
    speichernFragtOhneZuSchreiben({arbeit + "kopie.gui"}, "kopie");
    EXPECT_TRUE(lesen(arbeit + "kopie.gui").starts_with(std::string("[datFile]\0", 10)));
}

// Opened through the dialog after another network, curve data keep neither that network's
// name nor the names its settings text carries; a recording beside a network of its name
// does not take that network's file.
TEST_F(NetzOhneDatei, KurvendatenUndAufnahmenAusDemDialogFragenBeimSpeichern)
{
    ASSERT_NO_FATAL_FAILURE(gespeichertesNetz());
    pt::dateiAntworten({pt::dateiAntwort(arbeit + "kurven.dat")});
    befehl(befehlDatDateiSpeichernUnter);
    const std::string netzPfad = arbeit + "netze/netz.gui";

    oeffnenOhneSpeichern(netzPfad);
    oeffnenOhneSpeichern(arbeit + "kurven.dat");
    ASSERT_EQ(neuronKette.anzahl, 2);
    speichernFragtOhneZuSchreiben({arbeit + "kurven.dat", netzPfad}, "kurven");
    EXPECT_FALSE(std::filesystem::exists(arbeit + "netz.gui"));

    schreiben(arbeit + "ton.gui", einNeuron);
    std::vector<int16_t> werte(100);
    for (size_t i = 0; i < werte.size(); ++i)
        werte[i] = static_cast<int16_t>(i * 50);
    schreiben(arbeit + "ton.wav", wavText(werte));
    oeffnenOhneSpeichern(arbeit + "ton.wav");
    ASSERT_GE(neuronKette.anzahl, 1);
    ASSERT_TRUE(dateipfade.ohneNetzdatei);
    speichernFragtOhneZuSchreiben({arbeit + "ton.gui", arbeit + "ton.wav"}, "ton");
}

// A run ends with the network's title: the file a network without one was read from,
// "unbenannt" for one built by hand; never an empty title, under which the window manager
// shows the program's file name.
TEST_F(NetzOhneDatei, NachDemLaufNenntDerTitelDieQuelleDesNetzes)
{
    ASSERT_NO_FATAL_FAILURE(gespeichertesNetz());
    const std::string kurven = arbeit + "kurven.dat";
    pt::dateiAntworten({pt::dateiAntwort(kurven)});
    befehl(befehlDatDateiSpeichernUnter);
    oeffnenOhneSpeichern(kurven);
    ASSERT_EQ(neuronKette.anzahl, 2);
    for (bool vonHand : {false, true}) {
        SCOPED_TRACE(vonHand);
        if (vonHand) {
            pt::boxAntworten({antwort::Nein});
            befehl(befehlDateiSchliessen);
            laufbaresNetz(2, arbeit);
        }
        pt::tasteDruecken(haupt(), taste::F2);
        nachrichtenVerarbeiten();
        EXPECT_EQ(statusTexte[0], "\tSimulation beendet");
        EXPECT_EQ(titel(haupt()), vonHand ? "unbenannt" : kurven);
    }
}

// A file of the sibling program's format, opened through the dialog after a network file,
// gives a network without a file: Ctrl+S proposes a network file and leaves the .sim as it
// was, and the settings go on remembering the network file with its extension.
TEST_F(NetzOhneDatei, EineDateiDesGeschwisterformatsWirdNichtUeberschrieben)
{
    ASSERT_NO_FATAL_FAILURE(gespeichertesNetz());
    // the writer's layout; the sibling's has three more header values (no synapse here)
    ASSERT_EQ(simDateiSchreiben(arbeit + "eigen.sim"), 1);
    std::string sim = lesen(arbeit + "eigen.sim");
    size_t kopfEnde = 0;
    for (int i = 0; i < 40; ++i)
        kopfEnde = sim.find('\n', kopfEnde) + 1;
    sim.insert(kopfEnde, "0\r\n0\r\n0\r\n");
    const std::string fremd = arbeit + "fremd.sim", netzPfad = arbeit + "netze/netz.gui";
    schreiben(fremd, sim);

    oeffnenOhneSpeichern(netzPfad);
    oeffnenOhneSpeichern(fremd);
    ASSERT_EQ(neuronKette.anzahl, 2);
    EXPECT_EQ(std::tuple(dateipfade.netzName, dateipfade.vollerPfad, titel(haupt())), std::tuple("fremd", "", fremd));
    speichernFragtOhneZuSchreiben({fremd, netzPfad}, "fremd");
    EXPECT_FALSE(std::filesystem::exists(arbeit + "fremd.gui"));

    pt::boxAntworten({antwort::Nein});
    befehl(befehlProgrammBeenden);
    nachrichtenVerarbeiten();
    ASSERT_TRUE(programmEndet());
    EXPECT_EQ(pt::boxLog().back().text, meldungsTexte[803]);
    EXPECT_EQ(gemerkt(), "netz");
    EXPECT_NE(lesen(ordner + "default.cfg").find("extension fuer eingabedateien=gui\r"), std::string::npos);
    EXPECT_TRUE(lesen(fremd) == sim);
}

// The settings remember a network that is not opened at the start: a network built then is
// saved where the user says, the end offers it as one without a file, and the settings go on
// remembering the old file, which the open dialog proposes. Opened at the start but
// refused by its reader, the file is no network's name either.
TEST_F(NetzOhneDatei, DieGemerkteDateiIstNichtDerNameEinesNeuenNetzes)
{
    ASSERT_TRUE(starten());
    std::filesystem::create_directory(ordner + "netze");
    const std::string alt = ordner + "netze/alt.gui";
    schreiben(alt, einNeuron);
    const auto neuStarten = [&](const char* sofort, int antwort = 0) {
        std::string cfg = lesen(ausgelieferteTexte() + "default.cfg");
        for (const auto& [schluessel, wert] : {std::pair<std::string, std::string>{"zuletzt geladene eingabedatei=", "alt"},
                                              {"zuletzt benutztes verzeichnis=", ordner + "netze"},
                                              {"extension fuer eingabedateien=", "gui"},
                                              {"zuletzt geladenene datei sofort bearbeiten=", sofort}}) {
            const size_t a = cfg.find(schluessel) + schluessel.size();
            cfg.replace(a, cfg.find_first_of(" \r\n", a) - a, wert);
        }
        schreiben(ordner + "default.cfg", cfg);
        netzLoeschen();
        programmZuruecksetzen();
        if (antwort)
            pt::boxAntworten({antwort});
        ASSERT_TRUE(programmStarten("", ordner));
        nachrichtenVerarbeiten();
    };

    neuStarten("nein");
    EXPECT_EQ(std::tuple(neuronKette.anzahl, dateipfade.netzName, dateipfade.vollerPfad), std::tuple(0, "", ""));
    befehl(befehlNeuronNeu);
    speichernFragtOhneZuSchreiben({alt}, "");
    pt::dateiAntworten({pt::dateiAbbruch()});
    befehl(befehlDateiOeffnen);
    EXPECT_EQ(pt::dateiWahlLog().back().gefragt.name, "alt");
    pt::boxAntworten({antwort::Nein});
    befehl(befehlProgrammBeenden);
    nachrichtenVerarbeiten();
    ASSERT_TRUE(programmEndet());
    EXPECT_EQ(pt::boxLog().back().text, meldungsTexte[803]);
    EXPECT_EQ(lesen(alt), einNeuron);
    EXPECT_EQ(gemerkt(), "alt");

    // opened at once, the file is the network's
    neuStarten("ja");
    EXPECT_EQ(std::tuple(NeuronFall::nummern(), dateipfade.vollerPfad), std::tuple(std::vector{7}, alt));

    // the same file damaged: the reader refuses it, and the network built then has no file
    schreiben(alt, "[neuronen-netzwerk-datei]\nanzahl neurone=2\nexistierende Neurone=7 7 \n[Dateiende]\n");
    const std::string kaputt = lesen(alt);
    neuStarten("ja", antwort::Ok);
    EXPECT_EQ(std::tuple(neuronKette.anzahl, dateipfade.netzName, dateipfade.vollerPfad), std::tuple(0, "", ""));
    befehl(befehlNeuronNeu);
    speichernFragtOhneZuSchreiben({alt}, "");
    EXPECT_EQ(lesen(alt), kaputt);
}
