// tests/app/test_schreibziel.cpp - a save writes the file the user named and no other: not a
// file beside it whose name differs only in case, and not another file of the same save
#include "app_hilfe.h"
#include "files/einstellungsdatei.h"
#include "files/netzdatei.h"
#include "model/synapse.h"
#include "permutation/ergebnisse.h"
#include "permutation/modus.h"
#include "permutation/permutation.h"
#include "platform/box.h"
#include "resources/auswertungsmenue.h"
#include <map>

using namespace apphilfe;
namespace fs = std::filesystem;

namespace {

using Dateien = std::map<std::string, std::string>;

// every file of the folder with its bytes
Dateien inhalt(const std::string& ordner)
{
    Dateien d;
    for (const auto& e : fs::directory_iterator(ordner))
        if (e.is_regular_file())
            d[e.path().filename().string()] = lesen(e.path().string());
    return d;
}

struct Schreibziel : AppFall {
    std::string w;   // the user's folder

    void SetUp() override
    {
        AppFall::SetUp();
        ASSERT_TRUE(starten());
        w = ordner + "w/";
        fs::create_directory(w);
        // the network in its own file, saved with its current file and a reference curve
        laufbaresNetz(2, w);
        dateipfade.endung = "gui";
        befehl(befehlSomapotentialSpeichern);
        ASSERT_TRUE(programmStatus & programmBit::SomaDateiSchreiben);
        referenzSetzen();
        ASSERT_TRUE(guiDateiSpeichern(0, nullptr, 1));
        ASSERT_EQ(dateipfade.vollerPfad, w + "netz.gui");
        ASSERT_EQ(cfgPfad, ordner + "default.cfg");
        // other files of the user's: for each name a save below writes, one that differs
        // only in case, and a settings file that is not the session's
        for (const char* name : {"Messung.gui", "Messung.cur", "Messung.ref", "Messung.dat", "Messung.sim",
                                 "Messung.def", "Sitzung.cfg", "default.cfg", "Default.cfg"})
            schreiben(w + name, std::string("fremd ") + name);
    }

    size_t boxenVorher = 0;
    // the folder's files before a save, and the boxes shown so far
    Dateien stand()
    {
        boxenVorher = gezeigteBoxen().size();
        return inhalt(w);
    }

    static void referenzSetzen()
    {
        KurvenDaten& referenz = neuronNachNummer(2)->hauptDiagramm.kurven[kurve::Referenz1];
        referenz.werte.assign(200, -0.06f);
        referenz.werteAnzahl = 200;
    }

    // The save leaves every file of the folder byte for byte but those it writes, which
    // exist exactly as named; no box came. neueErlaubt: files of names no test can know
    // (time-stamped) may come besides.
    void nurGeschrieben(const Dateien& vorher, const std::vector<std::string>& ausgaben, bool neueErlaubt = false)
    {
        Dateien nachher = inhalt(w);
        Dateien erwartet = vorher;
        for (const std::string& name : ausgaben) {
            EXPECT_TRUE(nachher.contains(name)) << name;
            erwartet[name] = nachher[name];
        }
        if (neueErlaubt)
            for (const auto& [name, bytes] : nachher)
                if (!vorher.contains(name))
                    erwartet[name] = bytes;
        EXPECT_EQ(anders(nachher, erwartet), std::vector<std::string>{});
        const BoxTexte boxen = gezeigteBoxen();
        const auto neu = static_cast<std::ptrdiff_t>(std::min(boxenVorher, boxen.size()));
        EXPECT_EQ(BoxTexte(boxen.begin() + neu, boxen.end()), BoxTexte{});
    }
    // the names of the files that differ between a and b, or are in one only
    static std::vector<std::string> anders(const Dateien& a, const Dateien& b)
    {
        std::vector<std::string> namen;
        for (const auto& [name, bytes] : a)
            if (!b.contains(name) || b.at(name) != bytes)
                namen.push_back(name);
        for (const auto& [name, bytes] : b)
            if (!a.contains(name))
                namen.push_back(name);
        return namen;
    }
};

struct Schreiber {
    const char* name;
    int befehl;
    const char* ziel;                    // named in the save dialog, in the user's folder
    std::vector<std::string> ausgaben;   // what the save writes there
};

void PrintTo(const Schreiber& s, std::ostream* aus) { *aus << s.name; }

struct SchreibzielJeSchreiber : Schreibziel, ::testing::WithParamInterface<Schreiber> {};

} // namespace

TEST_P(SchreibzielJeSchreiber, SchreibtNurDieGenannteDatei)
{
    const Schreiber& s = GetParam();
    for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron)
        neuronMarkieren(n, 1);
    const Dateien vorher = stand();
    pt::dateiAntworten({pt::dateiAntwort(w + s.ziel)});
    befehl(s.befehl);
    nachrichtenVerarbeiten();
    EXPECT_EQ(pt::offeneWahlAntworten(), 0u);
    nurGeschrieben(vorher, s.ausgaben);
}

INSTANTIATE_TEST_SUITE_P(
    Schreiber, SchreibzielJeSchreiber,
    ::testing::Values(
        Schreiber{"NetzUnterNeuemNamen", befehlGuiDateiSpeichernUnter, "messung.gui",
                  {"messung.gui", "messung.cur", "messung.ref"}},
        Schreiber{"EinstellungenUnterNeuemNamen", befehlEinstellungenSpeichernUnter, "sitzung.cfg", {"sitzung.cfg"}},
        Schreiber{"Kurvendaten", befehlDatDateiSpeichernUnter, "messung.dat", {"messung.dat"}},
        Schreiber{"SimDatei", befehlSimDateiSpeichernUnter, "messung.sim", {"messung.sim"}},
        Schreiber{"Definition", befehlDefinitionExportieren, "messung.def", {"messung.def"}}),
    [](const ::testing::TestParamInfo<Schreiber>& i) { return std::string(i.param.name); });

// A run from the main window writes the soma potentials into the network's .dat, and a
// script its result file, its log and the output window's bitmap: each under its own name.
TEST_F(Schreibziel, LaufUndSkriptSchreibenNurIhreDateien)
{
    const fs::path vorherOrdner = fs::current_path();
    fs::current_path(w);   // the script log goes to the working folder
    skriptMeldungenAnzeigen = 0;
    rahmen::diagrammFensterOeffnen(neuronNachNummer(1));   // the bitmap is its output window's
    for (const char* name : {"Netz.dat", "Messung.bin", "!   Skript.log"})
        schreiben(w + name, std::string("fremd ") + name);
    schreiben(w + "s.skr", "SDAUER=0,02  SAUFLOESUNG=0,0001  SELSYNDELAY=OHNE\r\n"
                           "BIN= ERG=A ENEURON=2 NEU=1 BMP=1\r\nSIM=\r\n");
    Dateien vorher = stand();
    befehl(befehlSimulationStarten);
    nachrichtenVerarbeiten();
    nurGeschrieben(vorher, {"netz.dat"}, true);

    fs::remove(w + "netz.dat");   // the soma file of the run before, which a run's start removes
    vorher = stand();
    pt::dateiAntworten({pt::dateiAntwort(w + "s.skr")});
    befehl(befehlSkriptLaden);
    pt::dateiAntworten({pt::dateiAntwort(w + "messung.bin")});
    befehl(befehlSkriptStarten);
    nachrichtenVerarbeiten();
    EXPECT_EQ(pt::offeneWahlAntworten(), 0u);
    nurGeschrieben(vorher, {"messung.bin", "!   skript.log"}, true);

    // a result file under the log's name is refused before the run: the log would take its place
    vorher = stand();
    const std::string log = w + "!   skript.log";
    pt::dateiAntworten({pt::dateiAntwort(log)});
    pt::boxAntworten({antwort::Ok});
    befehl(befehlSkriptStarten);
    nachrichtenVerarbeiten();
    EXPECT_EQ(gezeigteBoxen(),
              BoxTexte{"Hinweis: " + meldungFormatieren(1760, log, meldungsTexte[1767], meldungsTexte[1768])});
    Dateien nachher = inhalt(w);
    vorher.erase("!   skript.log");   // the run's start began its log
    nachher.erase("!   skript.log");
    EXPECT_EQ(anders(nachher, vorher), std::vector<std::string>{});

    // the evaluation's index is refused over the result file it is made of (one whose script
    // needs no output window in the network the evaluation opens)
    schreiben(w + "s.skr", "SDAUER=0,02  SAUFLOESUNG=0,0001  SELSYNDELAY=OHNE\r\n"
                           "WER= BIN= ERG=W ENEURON=2 EKU=1\r\nSIM=\r\n");
    pt::dateiAntworten({pt::dateiAntwort(w + "erg.bin")});
    befehl(befehlSkriptNeuLadenUndStarten);
    nachrichtenVerarbeiten();
    befehl(befehlSkriptSchliessen);
    befehl(befehlAuswertemodus);
    ASSERT_TRUE(istFenster(auswertungsfenster.fenster));
    pt::boxAntworten({antwort::Ja});   // the network goes
    pt::dateiAntworten({pt::dateiAntwort(w + "erg.bin")});
    {
        const AngebotAblehnen nein;
        senden(auswertungsfenster.fenster, nachricht::Befehl, machWParam(auswertungBefehlDateiOeffnen, 0));
        nachrichtenVerarbeiten();
    }
    ASSERT_EQ(pt::offeneBoxAntworten() + pt::offeneWahlAntworten(), 0u);
    vorher = stand();
    pt::dateiAntworten({pt::dateiAntwort(w + "erg.bin")});
    pt::boxAntworten({antwort::Ok});
    senden(auswertungsfenster.fenster, nachricht::Befehl, machWParam(auswertungBefehlIndexSpeichern, 0));
    nachrichtenVerarbeiten();
    EXPECT_EQ(gezeigteBoxen().back(),
              "Hinweis: " + meldungFormatieren(1760, w + "erg.bin", meldungsTexte[1769], meldungsTexte[1770]));
    EXPECT_TRUE(istFenster(auswertungsfenster.fenster));
    std::erase_if(vorher, [](const auto& d) { return d.first.starts_with("!   tmp"); });   // gone as on a cancel
    EXPECT_EQ(anders(inhalt(w), vorher), std::vector<std::string>{});
    auswertungAbbauen();
    skriptAbbauen();
    fs::current_path(vorherOrdner);
}

// The permutation mode's series writes its result file, and the index of its results goes
// where the user names it: each under its own name.
TEST_F(Schreibziel, PermutationSchreibtNurIhreDateien)
{
    SynapseDaten* s = synapseNeu(neuronNachNummer(1), neuronNachNummer(2), 0, 1e-7, 0.001, -0.05, -0.03, 0, nullptr);
    ASSERT_NE(s, nullptr);
    synapsenTabelleSetzen(s->id, s);
    permutationsDefinition.auswerteNeuron = 2;
    permutationsDefinition.levelAnzahl = 2;
    permutationsDefinition.synapsen = {{s->id, {1e-8, 2e-8}}};
    befehl(befehlPermutationsmodusEinschalten);
    ASSERT_TRUE(modusStatus & modusBit::Permutationsmodus);
    modusStatus |= modusBit::DefinitionDa;
    for (const char* name : {"Serie.bin", "Serie.inx"})
        schreiben(w + name, std::string("fremd ") + name);

    Dateien vorher = stand();
    pt::dateiAntworten({pt::dateiAntwort(w + "serie.bin")});
    befehl(befehlPmtStarten);
    nachrichtenVerarbeiten();
    nurGeschrieben(vorher, {"serie.bin"}, true);

    // the results loaded into the mode's index; the offer to load another file is declined
    pt::dateiAntworten({pt::dateiAntwort(w + "serie.bin")});
    pt::unbeantwortetAblehnen(pt::Ablehnen::Nein);
    befehl(befehlPmtErgebnisseLaden);
    nachrichtenVerarbeiten();
    pt::unbeantwortetAblehnen(pt::Ablehnen::Aus);
    EXPECT_TRUE(mitErgebnisIndex());
    vorher = stand();
    pt::dateiAntworten({pt::dateiAntwort(w + "serie.inx")});
    befehl(befehlPmtIndexSpeichernUnter);
    nachrichtenVerarbeiten();
    EXPECT_EQ(pt::offeneWahlAntworten(), 0u);
    nurGeschrieben(vorher, {"serie.inx"}, true);

    // an index over the result file it names is refused
    vorher = stand();
    pt::dateiAntworten({pt::dateiAntwort(w + "serie.bin")});
    pt::boxAntworten({antwort::Ok});
    befehl(befehlPmtIndexSpeichernUnter);
    nachrichtenVerarbeiten();
    EXPECT_EQ(gezeigteBoxen().back(), "Hinweis: " + meldungFormatieren(1760, w + "serie.bin", meldungsTexte[1769],
                                                                        meldungsTexte[1770]));
    EXPECT_EQ(anders(inhalt(w), vorher), std::vector<std::string>{});

    pt::unbeantwortetAblehnen(pt::Ablehnen::Nein);
    befehl(befehlPmtModusBeenden);
    permutationZuruecksetzen();
}

// A network opened by a name that found its file only ignoring case is that file: the title
// names it as the disk does, and Ctrl+S writes it, not a new file beside it.
TEST_F(Schreibziel, GeoeffnetUeberAndereSchreibungSpeichertInDieGefundeneDatei)
{
    pt::dateiAntworten({pt::dateiAntwort(w + "Netz2.gui")});
    befehl(befehlGuiDateiSpeichernUnter);
    oeffnenOhneSpeichern(w + "netz2.GUI");
    EXPECT_EQ(std::tuple(dateipfade.vollerPfad, titel(haupt())), std::tuple(w + "Netz2.gui", w + "Netz2.gui"));
    neuronNachNummer(1)->x += 40;
    referenzSetzen();
    const Dateien vorher = stand();
    befehl(befehlGuiDateiSpeichern);
    nachrichtenVerarbeiten();
    EXPECT_NE(inhalt(w)["Netz2.gui"], vorher.at("Netz2.gui"));
    nurGeschrieben(vorher, {"Netz2.gui", "Netz2.cur", "Netz2.ref"});
}

namespace {

// "Speichern unter" onto a file the same save writes beside the network: the notice says which
// and why, nothing is written, the network keeps its file and title.
struct Doppelt {
    const char* name;
    const char* ziel;   // in the user's folder; "" the session's settings file
    int erste, zweite;  // what the file would be twice
};
void PrintTo(const Doppelt& d, std::ostream* aus) { *aus << d.name; }
struct SchreibzielDoppelt : Schreibziel, ::testing::WithParamInterface<Doppelt> {};

} // namespace

TEST_P(SchreibzielDoppelt, WirdAbgelehntUndNichtsGeschrieben)
{
    const Doppelt& d = GetParam();
    const std::string ziel = *d.ziel ? w + d.ziel : cfgPfad;
    const Dateien vorher = stand(), programm = inhalt(ordner);
    pt::dateiAntworten({pt::dateiAntwort(ziel)});
    pt::boxAntworten({antwort::Ok});
    befehl(befehlGuiDateiSpeichernUnter);
    nachrichtenVerarbeiten();
    EXPECT_EQ(gezeigteBoxen(), BoxTexte{"Hinweis: " + meldungFormatieren(1760, ziel, meldungsTexte[d.erste],
                                                                          meldungsTexte[d.zweite])});
    EXPECT_EQ(anders(inhalt(w), vorher), std::vector<std::string>{});
    EXPECT_EQ(anders(inhalt(ordner), programm), std::vector<std::string>{});
    EXPECT_EQ(std::tuple(dateipfade.vollerPfad, titel(haupt())), std::tuple(w + "netz.gui", w + "netz.gui"));
}

INSTANTIATE_TEST_SUITE_P(Ziele, SchreibzielDoppelt,
                         ::testing::Values(Doppelt{"Einstellungsdatei", "", 1761, 1762},
                                           Doppelt{"Stromdatei", "netz.cur", 1761, 1763},
                                           Doppelt{"Referenzdatei", "netz.ref", 1761, 1764}),
                         [](const ::testing::TestParamInfo<Doppelt>& i) { return std::string(i.param.name); });

// A settings file the start found only ignoring case is the one "Einstellungen speichern"
// and the language switch write, not a new default.cfg beside it.
struct EinstellungenAndersGeschrieben : AppFall {};
TEST_F(EinstellungenAndersGeschrieben, WerdenInDieGefundeneDateiGespeichert)
{
    ordner = programmOrdner();
    fs::rename(ordner + "default.cfg", ordner + "Default.CFG");
    ASSERT_TRUE(testhilfe::programmStarten("", ordner));
    EXPECT_EQ(cfgPfad, ordner + "Default.CFG");
    const std::string vorher = lesen(ordner + "Default.CFG");
    laufzeitSetzen(0.03, 1e-4);   // a setting unlike the file's
    befehl(befehlEinstellungenSpeichern);
    nachrichtenVerarbeiten();
    EXPECT_EQ(gezeigteBoxen(), BoxTexte{});
    EXPECT_NE(lesen(ordner + "Default.CFG"), vorher);
    EXPECT_FALSE(fs::exists(ordner + "default.cfg"));

    // so does the language, which ends the program after its notice
    pt::boxAntworten({antwort::Ok});
    befehl(befehlSpracheEnglisch);
    EXPECT_NE(lesen(ordner + "Default.CFG").find("sprache=1033"), std::string::npos);
    EXPECT_FALSE(fs::exists(ordner + "default.cfg"));
}
