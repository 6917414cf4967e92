// tests/app/test_oeffnen_fehlschlag.cpp - an open that fails keeps the network the user
// had: its neurons, its name and path, the title, its diagram windows and every setting; a
// read that a box ending the program interrupts half-way is never offered and writes no
// file, and Cancel at that box fails it whatever step showed the box
#include "app_hilfe.h"
#include "app/netzdateien.h"
#include "diagrams/diagramm.h"
#include "files/einstellungsdatei.h"
#include "files/fremdformat.h"
#include "files/netzdefinition.h"
#include "files/kurvendatei.h"
#include "files/netzdatei.h"
#include "files/netzpuffer.h"
#include "model/ergebnisdateien.h"
#include "platform/box.h"
#include "resources/auswertungsmenue.h"
#include <cstring>
#include <map>

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
        // its time axis, set by hand, runs past the run's end and is not the standard
        // diagram's: a layout for the run would put another in its place
        n->hauptDiagramm.maxX = 0.5;
        ASSERT_GT(n->hauptDiagramm.maxX, simulationsParameter.simulationsDauer);
        ASSERT_TRUE(netzDateiText(vorherNetz));
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

    std::string vorherTitel, vorherDat, vorherEinstellungen, vorherNetz;

    // curve data of no curves around a settings and network text
    static std::string kurvenDatei(const std::string& text)
    {
        std::string datei("[datFile]\0", 10);
        const int32_t L = static_cast<int32_t>(text.size() + 1);
        for (int32_t w : {38, 0, 0, 38, L, 38 + L, 0})
            datei.append(reinterpret_cast<const char*>(&w), sizeof w);
        return datei + text + '\0';
    }

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

    // what the user had: the network's text byte for byte, neurons with their names, the
    // network's name, path and title, and the window at its place
    void netzWieVorher()
    {
        std::string netz;
        ASSERT_TRUE(netzDateiText(netz));
        EXPECT_TRUE(netz == vorherNetz);
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
    EXPECT_EQ(oeffnen("ohne.dat", kurvenDatei("[programmdefinitionen]\nsprache=1031\n")), 0);
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
    const double vorherDauer = simulationsParameter.simulationsDauer;

    EXPECT_EQ(oeffnen("kaputt.dat", kurvenDatei(text)), 0);
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

// ---- a read that a box ending the program interrupts half-way ----------------------------

namespace {

namespace fs = std::filesystem;

// The box a read is made to show: the memory of a neuron record or of a synapse type table
// refused (the request counted from the open on), or curve data whose settings lack the
// standard soma parameters and name a standard-neuron file that is not there.
enum class Box { Neuron, Typen, Standardneuron };

// the offers a command arriving at that moment would make: none, however the read ends
size_t angeboteImLesen = 0;
void angeboteFragen()
{
    const size_t vorher = pt::boxLog().size();
    EXPECT_TRUE(netzSpeichernVorDemSchliessen());
    angeboteImLesen += pt::boxLog().size() - vorher;
}

int anfragen = 0, verweigerteAnfrage = 0;
bool verweigern() { return ++anfragen == verweigerteAnfrage; }

// the reads: each kind the open command takes, the network in a script's result file, the
// give-back of the user's network after a file that was refused, and a definition imported
// into the user's network
enum class Lesen { Netzdatei, Kurvendaten, Geschwisterformat, Aufnahme, Ergebnisdatei, Rueckgabe, Definition };

// a stereo recording of 16-bit samples: a neuron for each channel
std::string stereoAufnahme()
{
    std::string s;
    const auto n = [&](uint32_t v, int bytes) {
        for (int i = 0; i < bytes; ++i)
            s += static_cast<char>(v >> (8 * i) & 0xFF);
    };
    constexpr uint32_t frames = 100, rate = 1000;
    s += "RIFF";
    n(frames * 4 + 36, 4);
    s += "WAVEfmt ";
    n(16, 4), n(1, 2), n(2, 2), n(rate, 4), n(rate * 4, 4), n(4, 2), n(16, 2);
    s += "data";
    n(frames * 4, 4);
    for (uint32_t i = 0; i < frames * 2; ++i)
        n(i * 50, 2);
    return s;
}

// one simulation of the two neurons into a result file
const std::string einLauf = "SDAUER=0,02  SAUFLOESUNG=0,0001  SELSYNDELAY=OHNE\nERG=W  BIN=\nENEURON=2 EKU=1\nSIM=\nEXI=\n";

struct Fall {
    Lesen art;
    Box box;
    int anfrage;    // the refused request, for the memory boxes
    int meldung;    // the box it shows
    bool leer;      // Cancel leaves no network: the give-back failed, or none was to be had
};

void PrintTo(const Fall& f, std::ostream* aus)
{
    *aus << "read " << static_cast<int>(f.art) << ", box " << f.meldung << " at request " << f.anfrage;
}

struct HalbGelesen : OeffnenFehlschlag, ::testing::WithParamInterface<std::tuple<Fall, int>> {
    fs::path arbeitsOrdner = fs::current_path();

    void SetUp() override
    {
        OeffnenFehlschlag::SetUp();
        fs::current_path(ordner);   // the script's log goes there
    }
    void TearDown() override
    {
        neuronSpeicherVerweigert = nullptr;
        synapsenTypSpeicherVerweigert = nullptr;
        auswertungAbbauen();
        skriptAbbauen();
        fs::current_path(arbeitsOrdner);
        OeffnenFehlschlag::TearDown();
    }

    // every file below the program's folder, byte for byte
    std::map<std::string, std::string> platte() const
    {
        std::map<std::string, std::string> d;
        for (const auto& e : fs::recursive_directory_iterator(ordner))
            if (e.is_regular_file())
                d[e.path().string()] = lesen(e.path().string());
        return d;
    }

    // What the user answers at every box from the read on: the button where the box has it,
    // else the nearest one (Yes and No take OK; Cancel takes No, then OK).
    static int antwortAuf(int wie, uint32_t art)
    {
        const uint32_t k = art & 0xF;
        const bool jaNein = k == knoepfe::JaNeinAbbrechen || k == knoepfe::JaNein;
        const bool abbrechen = k == knoepfe::OkAbbrechen || k == knoepfe::JaNeinAbbrechen;
        if (wie == antwort::Abbrechen)
            return abbrechen ? antwort::Abbrechen : jaNein ? antwort::Nein : antwort::Ok;
        return jaNein ? wie : antwort::Ok;
    }

    // A network file cut inside its first neuron, opened: what its refusal leaves is what a
    // read abandoned half-way must leave.
    void abgelehntOeffnen()
    {
        const std::string ganz = lesen(ordner + "netz.gui");
        schreiben(ordner + "abgelehnt.gui", ganz.substr(0, ganz.find("[NEURON 1]") + 40));
        pt::dateiAntworten({pt::dateiAntwort(ordner + "abgelehnt.gui")});
        pt::boxAntworten({antwort::Nein, antwort::Ok});
        befehl(befehlDateiOeffnen);
        nachrichtenVerarbeiten();
    }

    // the file of the read, made from the user's network
    std::string dateiMachen(Lesen art)
    {
        switch (art) {
        case Lesen::Netzdatei: return ordner + "netz.gui";
        case Lesen::Kurvendaten:
            pt::dateiAntworten({pt::dateiAntwort(ordner + "kurven.dat")});
            befehl(befehlDatDateiSpeichernUnter);
            return ordner + "kurven.dat";
        case Lesen::Geschwisterformat: {
            // the writer's layout; the sibling's has three more header values
            EXPECT_EQ(simDateiSchreiben(ordner + "eigen.sim"), 1);
            std::string sim = lesen(ordner + "eigen.sim");
            size_t kopfEnde = 0;
            for (int i = 0; i < 40; ++i)
                kopfEnde = sim.find('\n', kopfEnde) + 1;
            sim.insert(kopfEnde, "0\r\n0\r\n0\r\n");
            schreiben(ordner + "fremd.sim", sim);
            return ordner + "fremd.sim";
        }
        case Lesen::Aufnahme: schreiben(ordner + "ton.wav", stereoAufnahme()); return ordner + "ton.wav";
        case Lesen::Ergebnisdatei:
            skriptMeldungenAnzeigen = 0;
            schreiben(ordner + "lauf.skr", einLauf);
            skript.pfad = ordner + "lauf.skr";
            skriptStatus = skriptBit::DateiAusSkriptLaden;
            EXPECT_EQ(skriptLaden(skript), 1);
            pt::dateiAntworten({pt::dateiAntwort(ordner + "erg.bin")});
            EXPECT_EQ(skriptAusfuehren(skript, 1), 1);
            skriptFreigeben(skript);
            skriptStatus = 0;
            befehl(befehlAuswertemodus);
            EXPECT_TRUE(istFenster(auswertungsfenster.fenster));
            return ordner + "erg.bin";
        case Lesen::Rueckgabe: return ordner + "abgelehnt.gui";   // refused once neuron 2 is made
        case Lesen::Definition:
            for (int k : {1, 2})
                neuronMarkieren(neuronNachNummer(k), 1);
            EXPECT_TRUE(netzwerkDefinitionSchreiben(ordner + "zwei.def"));
            neuronMarkieren(nullptr, 0);
            return ordner + "zwei.def";
        }
        return {};
    }
};

} // namespace

// Whichever read the box comes in, whatever step shows it, and whatever the user answers at
// the boxes that follow, nothing half-read is offered and no file on the disk changes: OK
// ends the program, Cancel abandons the read and leaves what a refused file leaves.
TEST_P(HalbGelesen, WirdNieAngebotenUndSchreibtKeineDatei)
{
    const Fall fall = std::get<0>(GetParam());
    const Lesen art = fall.art;
    const int wie = std::get<1>(GetParam());
    abgelehntOeffnen();
    std::string datei = dateiMachen(art);
    if (fall.box == Box::Standardneuron) {
        // the settings of the curve data without the first soma parameter, naming a
        // standard-neuron file that is not there
        XBuffer puffer;
        ASSERT_TRUE(guiDateiSpeichern(0, &puffer, 0));
        std::string text = puffer.text();
        const size_t soma = text.find("std soma-parameter 0=");
        const size_t name = text.find("std neuron definitionsdatei=");
        ASSERT_TRUE(soma != std::string::npos && name != std::string::npos && name < soma);
        text.erase(soma, text.find('\n', soma) + 1 - soma);
        text.insert(name + std::strlen("std neuron definitionsdatei="), "fehlt-");
        schreiben(ordner + "ohne-soma.dat", kurvenDatei(text));
        datei = ordner + "ohne-soma.dat";
    }
    ASSERT_FALSE(HasFailure());
    ASSERT_EQ(pt::offeneBoxAntworten(), 0u);
    vorherDat = datPfad.pfad;   // saving curve data points the network's curve data path at them
    const auto vorher = platte();

    // the user's network is declined where it is offered before the read; the rule answers
    // every box after that
    const size_t ab = pt::boxLog().size();
    pt::dateiAntworten({pt::dateiAntwort(datei)});
    anfragen = 0;
    angeboteImLesen = 0;
    verweigerteAnfrage = fall.anfrage;
    if (fall.box == Box::Neuron)
        neuronSpeicherVerweigert = verweigern;
    else if (fall.box == Box::Typen)
        synapsenTypSpeicherVerweigert = verweigern;
    if (art == Lesen::Ergebnisdatei)
        pt::boxAntworten({antwort::Ja, antwort::Nein});   // the network closed, not saved
    else if (art != Lesen::Definition)
        pt::boxAntworten({antwort::Nein});
    // (the box's text is the shared message buffer: the rule formats nothing)
    const std::string fatalText = meldungFormatieren(fall.meldung);
    pt::boxRegelSetzen([wie, fatalText](const std::string&, const std::string& text, uint32_t form) {
        if (text == fatalText)
            angeboteFragen();
        return antwortAuf(wie, form);
    });
    if (art == Lesen::Ergebnisdatei)
        senden(auswertungsfenster.fenster, nachricht::Befehl, machWParam(auswertungBefehlDateiOeffnen, 0));
    else
        befehl(art == Lesen::Definition ? befehlDefinitionImportieren : befehlDateiOeffnen);
    nachrichtenVerarbeiten();
    neuronSpeicherVerweigert = nullptr;
    synapsenTypSpeicherVerweigert = nullptr;

    // the box came inside the read, once; while it was up nothing offered to save, and after
    // it nothing asked to save
    std::vector<std::string> texte;
    for (size_t i = ab; i < pt::boxLog().size(); ++i)
        texte.push_back(pt::boxLog()[i].text);
    const auto fatal = std::ranges::find(texte, fatalText);
    ASSERT_NE(fatal, texte.end());
    EXPECT_EQ(std::count(fatal, texte.end(), *fatal), 1);
    EXPECT_EQ(angeboteImLesen, 0u);
    for (auto t = fatal; t != texte.end(); ++t)
        for (int angebot : {801, 802, 803}) {
            const std::string& frage = meldungsTexte[angebot];
            EXPECT_FALSE(t->starts_with(frage.substr(0, frage.find("%s")))) << *t;
        }

    EXPECT_TRUE(platte() == vorher);
    EXPECT_EQ(programmEndet(), wie != antwort::Abbrechen);
    if (wie != antwort::Abbrechen)
        return;
    // Cancel: the program goes on with what a refused file leaves (for an import, the network
    // without it), and says nothing more of the read; a network that the give-back could not
    // rebuild, and the one the result file closed, are gone unoffered
    EXPECT_EQ(fatal + 1, texte.end()) << texte.back();
    if (fall.leer) {
        EXPECT_EQ(std::tuple(neuronKette.anzahl, dateipfade.vollerPfad), std::tuple(0, ""));
    } else {
        netzWieVorher();        // the text as the user had it before the first refusal
    }
}

// The requests of a type table: the open's deletion of the network (109), then the reader's
// table (692); curve data read their settings' table first, a sibling file the settings
// file's; the evaluation closes the network before its open; a refused file deletes what it
// read before the give-back deletes and reads in turn.
INSTANTIATE_TEST_SUITE_P(Lesevorgaenge, HalbGelesen,
                         ::testing::Combine(::testing::Values(Fall{Lesen::Netzdatei, Box::Neuron, 2, 133, false},
                                                              Fall{Lesen::Kurvendaten, Box::Neuron, 2, 133, false},
                                                              Fall{Lesen::Geschwisterformat, Box::Neuron, 2, 133, false},
                                                              Fall{Lesen::Aufnahme, Box::Neuron, 2, 133, false},
                                                              Fall{Lesen::Ergebnisdatei, Box::Neuron, 2, 133, true},
                                                              Fall{Lesen::Rueckgabe, Box::Neuron, 4, 133, true},   // the give-back's neuron 2
                                                              Fall{Lesen::Definition, Box::Neuron, 2, 133, false},
                                                              Fall{Lesen::Netzdatei, Box::Typen, 1, 109, false},
                                                              Fall{Lesen::Netzdatei, Box::Typen, 2, 692, false},
                                                              Fall{Lesen::Kurvendaten, Box::Typen, 1, 109, false},
                                                              Fall{Lesen::Kurvendaten, Box::Typen, 2, 692, false},
                                                              Fall{Lesen::Kurvendaten, Box::Typen, 3, 692, false},
                                                              Fall{Lesen::Kurvendaten, Box::Standardneuron, 0, 426, false},
                                                              Fall{Lesen::Geschwisterformat, Box::Typen, 1, 109, false},
                                                              Fall{Lesen::Geschwisterformat, Box::Typen, 2, 692, false},
                                                              Fall{Lesen::Aufnahme, Box::Typen, 1, 109, false},
                                                              Fall{Lesen::Ergebnisdatei, Box::Typen, 2, 109, true},
                                                              Fall{Lesen::Ergebnisdatei, Box::Typen, 3, 692, true},
                                                              Fall{Lesen::Rueckgabe, Box::Typen, 2, 109, false},   // the refusal's deletion
                                                              Fall{Lesen::Rueckgabe, Box::Typen, 3, 109, true},    // the give-back's deletion
                                                              Fall{Lesen::Rueckgabe, Box::Typen, 4, 692, true},    // the copy's settings
                                                              Fall{Lesen::Rueckgabe, Box::Typen, 5, 692, true}),   // the copy's network
                                            ::testing::Values(antwort::Ja, antwort::Nein, antwort::Abbrechen)));
