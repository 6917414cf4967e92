// tests/app/test_oeffnen_fehlschlag.cpp - an open that fails keeps the network the user
// had: its neurons, its name and path, the title, its diagram windows and every setting
#include "app_hilfe.h"
#include "diagrams/diagramm.h"
#include "files/einstellungsdatei.h"
#include "files/kurvendatei.h"
#include "files/netzdatei.h"
#include "files/netzpuffer.h"
#include "model/ergebnisdateien.h"
#include "platform/box.h"
#include <cstring>

using namespace apphilfe;

namespace {

struct OeffnenFehlschlag : AppFall {
    void SetUp() override
    {
        AppFall::SetUp();
        ASSERT_TRUE(starten());
        // the user's network: two neurons, saved as netz.gui, neuron 2's window open
        laufbaresNetz(2, ordner);
        dateipfade.endung = "gui";
        neuronNachNummer(1)->name = "Sender";
        neuronNachNummer(2)->name = "Empfaenger";
        ASSERT_TRUE(guiDateiSpeichern(0, nullptr, 1));
        NeuronDaten* n = neuronNachNummer(2);
        ASSERT_NE(diagrammAnzeigen(n, &n->hauptDiagramm), nullptr);
        verschieben(n->hauptDiagramm.fenster, 40, 60, 420, 260);
        vorherTitel = titel(haupt());
        ASSERT_EQ(vorherTitel, ordner + "netz.gui");
        vorherDat = datPfad.pfad;
        vorherEinstellungen = einstellungen();
    }
    void TearDown() override
    {
        datHeader = {};
        AppFall::TearDown();
    }

    std::string vorherTitel, vorherDat, vorherEinstellungen;

    // the settings text the session would write
    static std::string einstellungen()
    {
        XBuffer b;
        cfgDateiSpeichern(nullptr, &b, 0);
        textZeiger = nullptr;
        return b.text();
    }

    // the file chosen in the open dialog; No to the offer to save the network (when the
    // file is of a kind that is read), the notices it gives are answered with OK
    int oeffnen(const std::string& name, const std::string& inhalt, bool angeboten = true)
    {
        schreiben(ordner + name, inhalt);
        pt::dateiAntworten({pt::dateiAntwort(ordner + name)});
        if (angeboten)
            pt::boxAntworten({antwort::Nein});
        for (int i = 0; i < 5; ++i)
            pt::boxAntworten({antwort::Ok});
        return simulationOeffnen(1);
    }
    std::string angebot() const { return "SysInfo: " + meldungFormatieren(802, ordner + "netz.gui"); }

    // what the user had: neurons with their names, the network's name, path and title, and
    // the window at its place
    void netzWieVorher()
    {
        std::vector<std::string> namen;
        for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron)
            namen.push_back(n->name);
        EXPECT_EQ(std::tuple(NeuronFall::nummern(), namen), std::tuple(std::vector{1, 2}, std::vector<std::string>{"Sender", "Empfaenger"}));
        EXPECT_EQ(std::tie(dateipfade.netzName, dateipfade.vollerPfad, dateipfade.dokumentVerzeichnis),
                  std::tuple("netz", ordner + "netz.gui", ordner.substr(0, ordner.size() - 1)));
        EXPECT_EQ(std::tuple(titel(haupt()), datPfad.pfad), std::tuple(vorherTitel, vorherDat));
        ASSERT_TRUE(neuronNachNummer(1) && neuronNachNummer(2));
        const DiagrammDaten& d = neuronNachNummer(2)->hauptDiagramm;
        ASSERT_TRUE(d.fenster && d.offen);
        const Rechteck r = fensterRechteck(d.fenster);
        EXPECT_EQ(std::tuple(r.links, r.oben, r.breite(), r.hoehe()), std::tuple(40, 60, 420, 260));
        EXPECT_EQ(neuronNachNummer(1)->hauptDiagramm.fenster, nullptr);
        EXPECT_FALSE(programmEndet());
        EXPECT_TRUE(einstellungen() == vorherEinstellungen);
    }
};

} // namespace

// A network file cut inside its first neuron: the reader finds no block of the second and
// refuses the file, the network comes back.
TEST_F(OeffnenFehlschlag, AbgeschnitteneNetzdateiBehaeltDasNetz)
{
    const std::string ganz = lesen(ordner + "netz.gui");
    const size_t neuron = ganz.find("[NEURON 1]");
    ASSERT_NE(neuron, std::string::npos);
    EXPECT_EQ(oeffnen("kaputt.gui", ganz.substr(0, neuron + 40)), 0);
    EXPECT_EQ(gezeigteBoxen(), (BoxTexte{angebot(), "Hinweis: " + meldungFormatieren(253, ordner + "kaputt.gui", 2)}));
    netzWieVorher();
    // the status bar no longer asks for a network
    EXPECT_FALSE(pt::statusleisteZustand(fensterhandles.statusleiste)->einfach);
    // a later save goes to the network's own file, not to the one that failed
    EXPECT_TRUE(guiDateiSpeichern(0, nullptr, 1));
    EXPECT_EQ(lesen(ordner + "kaputt.gui"), ganz.substr(0, neuron + 40));
}

// A curve data file whose text holds no network is refused with a notice naming it: the
// program goes on, and so does the network.
TEST_F(OeffnenFehlschlag, KurvendateiOhneNetzwerkWirdAbgelehntUndDasNetzBleibt)
{
    const std::string text = "[programmdefinitionen]\nsprache=1031\n";
    std::string datei("[datFile]\0", 10);
    const int32_t L = static_cast<int32_t>(text.size() + 1);
    for (int32_t w : {38, 0, 0, 38, L, 38 + L, 0})
        datei.append(reinterpret_cast<const char*>(&w), sizeof w);
    datei += text + '\0';
    EXPECT_EQ(oeffnen("ohne.dat", datei), 0);
    EXPECT_EQ(gezeigteBoxen(), (BoxTexte{angebot(), "Hinweis: " + meldungFormatieren(907, ordner + "ohne.dat")}));
    netzWieVorher();
}

// A curve data file whose network text the reader refuses: the notices, then the network
// as it was, with the run's settings of the user's network, not those of the file.
TEST_F(OeffnenFehlschlag, BeschaedigteKurvendateiBehaeltDasNetzUndSeineEinstellungen)
{
    XBuffer puffer;
    ASSERT_TRUE(guiDateiSpeichern(0, &puffer, 0));
    std::string text = puffer.text();
    const size_t liste = text.find("existierende Neurone=");
    ASSERT_NE(liste, std::string::npos);
    text.insert(liste + std::strlen("existierende Neurone="), "9 ");   // three numbers for two neurons
    const size_t dauer = text.find("dauer der simulation in sekunden=");
    ASSERT_NE(dauer, std::string::npos);
    text.insert(dauer + std::strlen("dauer der simulation in sekunden="), "7");
    std::string datei("[datFile]\0", 10);
    const int32_t L = static_cast<int32_t>(text.size() + 1);
    for (int32_t w : {38, 0, 0, 38, L, 38 + L, 0})
        datei.append(reinterpret_cast<const char*>(&w), sizeof w);
    datei += text + '\0';
    const double vorherDauer = simulationsParameter.simulationsDauer;

    EXPECT_EQ(oeffnen("kaputt.dat", datei), 0);
    EXPECT_EQ(gezeigteBoxen().size(), 3u);    // the offer, the list that does not fit, the reader that failed
    netzWieVorher();
    EXPECT_EQ(simulationsParameter.simulationsDauer, vorherDauer);
}

// A recording the import refuses is refused before the network goes: the very window stays.
TEST_F(OeffnenFehlschlag, AbgelehnteWavDateiLaesstDasNetzUnberuehrt)
{
    const Fenster fenster = neuronNachNummer(2)->hauptDiagramm.fenster;
    // a canonical header of no channels
    const std::string wav("RIFF\x24\0\0\0WAVEfmt \x10\0\0\0\x01\0\0\0\x40\x1F\0\0\0\0\0\0\0\0\x10\0data\0\0\0\0", 44);
    EXPECT_EQ(oeffnen("ton.wav", wav, false), 0);
    EXPECT_EQ(gezeigteBoxen(), BoxTexte{"Hinweis: " + meldungFormatieren(1472, ordner + "ton.wav",
                                                                          meldungFormatieren(1474, 0))});
    netzWieVorher();
    EXPECT_EQ(neuronNachNummer(2)->hauptDiagramm.fenster, fenster);
    EXPECT_FALSE(programmStatus & programmBit::LaufGesperrt);
}

// A sibling-format file that fails in its reader, after the settings file was read again
// for it: the settings come back whole. The run of the user's network is shorter than the
// standard diagram's time axis, which a settings read would cut to the run; the end writes
// the settings as the session had them.
TEST_F(OeffnenFehlschlag, AbgelehnteFremdformatdateiLaesstDieEinstellungenWieSieWaren)
{
    const auto wert = [](const std::string& t, const std::string& schluessel) {
        const size_t a = t.find(schluessel) + schluessel.size();
        return t.substr(a, t.find('\n', a) - a);
    };
    ASSERT_EQ(std::tuple(wert(vorherEinstellungen, "\ndauer der simulation in sekunden="),
                         wert(vorherEinstellungen, " zu 0 maxX="), wert(vorherEinstellungen, " zu 0 xTickIntervall=")),
              std::tuple("0.02", "1", "0.2"));
    programmOptionen.alleDiagrammeFormatieren = 1;   // the user's choice, not in default.cfg
    vorherEinstellungen = einstellungen();

    schreiben(ordner + "kaputt.sim", "100\r\n1\r\n");
    pt::dateiAntworten({pt::dateiAntwort(ordner + "kaputt.sim")});
    pt::boxAntworten({antwort::Nein, antwort::Ok, antwort::Ok, antwort::Nein});
    EXPECT_EQ(simulationOeffnen(1), 0);
    EXPECT_EQ(gezeigteBoxen(), (BoxTexte{angebot(), "Hinweis: Dateiende wurde vorzeitig erreicht",
                                        "Hinweis: " + meldungsTexte[902]}));
    netzWieVorher();
    befehl(befehlProgrammBeenden);
    nachrichtenVerarbeiten();
    ASSERT_TRUE(programmEndet());
    EXPECT_EQ(pt::offeneBoxAntworten(), 0u);
    std::string datei = lesen(ordner + "default.cfg");
    std::erase(datei, '\r');
    EXPECT_TRUE(datei == vorherEinstellungen);
}
