// tests/app/test_schreibziel.cpp - a save writes the file the user named and no other: not a
// file beside it whose name differs only in case, and not another file of the same save
#include "app_hilfe.h"
#include "files/einstellungsdatei.h"
#include "files/netzdatei.h"
#include "model/synapse.h"
#include "permutation/ergebnisse.h"
#include "permutation/modus.h"
#include "permutation/permutation.h"
#include "resources/auswertungsmenue.h"
#include <algorithm>
#include <iterator>
#include <map>

using namespace apphilfe;
namespace fs = std::filesystem;

namespace {

using Dateien = std::map<std::string, std::string>;
using Namen = std::vector<std::string>;

// every file of the folder with a hash of its bytes, short enough to show where two differ; the
// program's own temporary files aside
Dateien inhalt(const std::string& ordner)
{
    Dateien d;
    for (const auto& e : fs::directory_iterator(ordner))
        if (e.is_regular_file() && !e.path().filename().string().starts_with("!   tmp"))
            d[e.path().filename().string()] = std::to_string(std::hash<std::string>{}(lesen(e.path().string())));
    return d;
}

// The network in its own file w/netz.gui, saved with its current file and a reference curve;
// beside it, for each name a save below writes, a file of the user's that differs only in case.
struct Schreibziel : AppFall {
    std::string w;
    Dateien vorher;   // the folder's files before the last save

    void SetUp() override
    {
        AppFall::SetUp();
        ASSERT_TRUE(starten());
        w = ordner + "w/";
        fs::create_directory(w);
        laufbaresNetz(2, w);
        dateipfade.endung = "gui";
        befehl(befehlSomapotentialSpeichern);
        referenzSetzen();
        ASSERT_TRUE(guiDateiSpeichern(0, nullptr, 1));
        for (const char* name : {"Messung.gui", "Messung.cur", "Messung.ref", "Messung.dat", "Messung.sim",
                                 "Messung.def", "Messung.bin", "Sitzung.cfg", "default.cfg", "Default.cfg",
                                 "Netz.dat", "!   Skript.log", "Serie.bin", "Serie.inx"})
            schreiben(w + name, std::string("fremd ") + name);
    }
    static void referenzSetzen()
    {
        KurvenDaten& referenz = neuronNachNummer(2)->hauptDiagramm.kurven[kurve::Referenz1];
        referenz.werte.assign(200, -0.06f);
        referenz.werteAnzahl = 200;
    }
    // the command b of the main window or of fenster, its file dialog answered with ziel where given
    void mitDatei(int b, const std::string& ziel, Fenster fenster = nullptr)
    {
        if (!ziel.empty())
            pt::dateiAntworten({pt::dateiAntwort(ziel)});
        senden(fenster ? fenster : haupt(), nachricht::Befehl, machWParam(b, 0));
        nachrichtenVerarbeiten();
    }
    // The save leaves every file of the folder byte for byte but the ausgaben, which exist
    // exactly as named, and shows no box; or, refused, the notice that ziel would be the texts
    // erste and zweite both. neueErlaubt: files of names no test can know (time-stamped) may come besides.
    void speichern(int b, const std::string& ziel, const Namen& ausgaben, bool neueErlaubt = false, int erste = 0,
                   int zweite = 0, Fenster fenster = nullptr)
    {
        vorher = inhalt(w);
        const auto boxenVorher = static_cast<std::ptrdiff_t>(gezeigteBoxen().size());
        BoxTexte hinweis;
        if (erste) {
            hinweis = {"Hinweis: " + meldungFormatieren(1760, ziel, meldungsTexte[erste], meldungsTexte[zweite])};
            pt::boxAntworten({antwort::Ok});
        }
        mitDatei(b, ziel, fenster);
        Dateien nachher = inhalt(w), erwartet = vorher;
        for (const std::string& name : ausgaben)
            erwartet[name] = nachher.contains(name) ? nachher[name] : "(missing)";
        if (neueErlaubt)
            erwartet.insert(nachher.begin(), nachher.end());   // the names it has keep their bytes
        std::vector<std::pair<std::string, std::string>> anders;   // the files that are not as expected
        std::ranges::set_symmetric_difference(nachher, erwartet, std::back_inserter(anders));
        EXPECT_EQ(anders, decltype(anders){});
        const BoxTexte alle = gezeigteBoxen();
        EXPECT_EQ(BoxTexte(alle.begin() + boxenVorher, alle.end()), hinweis);
        EXPECT_EQ(pt::offeneWahlAntworten(), 0u);
    }
};

struct Schreiber {
    const char* name;
    int befehl;
    const char* ziel;            // named in the save dialog, in the user's folder; "" the session's settings file
    Namen ausgaben;              // what the save writes there
    int erste = 0, zweite = 0;   // a refusal: what the file would be twice
};
void PrintTo(const Schreiber& s, std::ostream* aus) { *aus << s.name; }
struct SchreibzielJeSchreiber : Schreibziel, ::testing::WithParamInterface<Schreiber> {};

} // namespace

// Each save writes the names its dialog gave and no file beside them; a refused one writes
// nothing, in the program's folder neither, and the network keeps its file.
TEST_P(SchreibzielJeSchreiber, SchreibtNurDieGenannteDatei)
{
    const Schreiber& s = GetParam();
    const std::string ziel = *s.ziel ? w + s.ziel : cfgPfad;
    for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron)
        neuronMarkieren(n, 1);
    const Dateien programm = inhalt(ordner);
    speichern(s.befehl, ziel, s.ausgaben, false, s.erste, s.zweite);
    if (s.erste) {
        EXPECT_EQ(inhalt(ordner), programm);
        EXPECT_EQ(std::tuple(dateipfade.vollerPfad, titel(haupt())), std::tuple(w + "netz.gui", w + "netz.gui"));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Schreiber, SchreibzielJeSchreiber,
    ::testing::Values(
        Schreiber{"Netz", befehlGuiDateiSpeichernUnter, "messung.gui", {"messung.gui", "messung.cur", "messung.ref"}},
        Schreiber{"Einstellungen", befehlEinstellungenSpeichernUnter, "sitzung.cfg", {"sitzung.cfg"}},
        Schreiber{"Kurvendaten", befehlDatDateiSpeichernUnter, "messung.dat", {"messung.dat"}},
        Schreiber{"SimDatei", befehlSimDateiSpeichernUnter, "messung.sim", {"messung.sim"}},
        Schreiber{"Definition", befehlDefinitionExportieren, "messung.def", {"messung.def"}},
        Schreiber{"NetzAufEinstellungsdatei", befehlGuiDateiSpeichernUnter, "", {}, 1761, 1762},
        Schreiber{"NetzAufStromdatei", befehlGuiDateiSpeichernUnter, "netz.cur", {}, 1761, 1763},
        Schreiber{"NetzAufReferenzdatei", befehlGuiDateiSpeichernUnter, "netz.ref", {}, 1761, 1764}),
    [](const ::testing::TestParamInfo<Schreiber>& i) { return std::string(i.param.name); });

// A run from the main window writes the soma potentials into the network's .dat, and a script
// its result file, its log and the output window's bitmap: each under its own name. A result
// file under the log's name is refused before the run, an evaluation's index over its result file too.
TEST_F(Schreibziel, LaufUndSkriptSchreibenNurIhreDateien)
{
    const fs::path vorherOrdner = fs::current_path();
    fs::current_path(w);   // the script log goes to the working folder
    skriptMeldungenAnzeigen = 0;
    rahmen::diagrammFensterOeffnen(neuronNachNummer(1));   // the bitmap is its output window's
    schreiben(w + "s.skr", "SDAUER=0,02  SAUFLOESUNG=0,0001  SELSYNDELAY=OHNE\r\n"
                           "BIN= ERG=A ENEURON=2 NEU=1 BMP=1\r\nSIM=\r\n");
    speichern(befehlSimulationStarten, "", {"netz.dat"}, true);

    fs::remove(w + "netz.dat");   // the soma file of the run before, which a run's start removes
    mitDatei(befehlSkriptLaden, w + "s.skr");
    speichern(befehlSkriptStarten, w + "messung.bin", {"messung.bin", "!   skript.log"}, true);

    // a result file under the log's name, which the refused run's start began anew
    speichern(befehlSkriptStarten, w + "!   skript.log", {"!   skript.log"}, false, 1767, 1768);

    // (a script that needs no output window in the network the evaluation opens)
    schreiben(w + "s.skr", "SDAUER=0,02  SAUFLOESUNG=0,0001  SELSYNDELAY=OHNE\r\n"
                           "WER= BIN= ERG=W ENEURON=2 EKU=1\r\nSIM=\r\n");
    mitDatei(befehlSkriptNeuLadenUndStarten, w + "erg.bin");
    befehl(befehlSkriptSchliessen);
    befehl(befehlAuswertemodus);
    ASSERT_TRUE(istFenster(auswertungsfenster.fenster));
    pt::boxAntworten({antwort::Ja});   // the network goes, unsaved
    const AngebotAblehnen nein;
    mitDatei(auswertungBefehlDateiOeffnen, w + "erg.bin", auswertungsfenster.fenster);
    ASSERT_EQ(pt::offeneBoxAntworten() + pt::offeneWahlAntworten(), 0u);
    speichern(auswertungBefehlIndexSpeichern, w + "erg.bin", {}, false, 1769, 1770, auswertungsfenster.fenster);
    EXPECT_TRUE(istFenster(auswertungsfenster.fenster));
    auswertungAbbauen();
    skriptAbbauen();
    fs::current_path(vorherOrdner);
}

// The permutation mode's series writes its result file, and the index of its results goes where
// the user names it, but not over the result file it names.
TEST_F(Schreibziel, PermutationSchreibtNurIhreDateien)
{
    SynapseDaten* s = synapseNeu(neuronNachNummer(1), neuronNachNummer(2), 0, 1e-7, 0.001, -0.05, -0.03, 0, nullptr);
    ASSERT_NE(s, nullptr);
    synapsenTabelleSetzen(s->id, s);
    permutationsDefinition.auswerteNeuron = 2;
    permutationsDefinition.levelAnzahl = 2;
    permutationsDefinition.synapsen = {{s->id, {1e-8, 2e-8}}};
    befehl(befehlPermutationsmodusEinschalten);
    modusStatus |= modusBit::DefinitionDa;
    speichern(befehlPmtStarten, w + "serie.bin", {"serie.bin"}, true);

    pt::unbeantwortetAblehnen(pt::Ablehnen::Nein);   // the offer to load another file
    mitDatei(befehlPmtErgebnisseLaden, w + "serie.bin");
    pt::unbeantwortetAblehnen(pt::Ablehnen::Aus);
    speichern(befehlPmtIndexSpeichernUnter, w + "serie.inx", {"serie.inx"}, true);
    speichern(befehlPmtIndexSpeichernUnter, w + "serie.bin", {}, false, 1769, 1770);

    pt::unbeantwortetAblehnen(pt::Ablehnen::Nein);
    befehl(befehlPmtModusBeenden);
    permutationZuruecksetzen();
}

// A network opened by a name that found its file only ignoring case is that file: the title
// names it as the disk does, and Ctrl+S writes it, not a new file beside it.
TEST_F(Schreibziel, GeoeffnetUeberAndereSchreibungSpeichertInDieGefundeneDatei)
{
    mitDatei(befehlGuiDateiSpeichernUnter, w + "Netz2.gui");
    oeffnenOhneSpeichern(w + "netz2.GUI");
    EXPECT_EQ(std::tuple(dateipfade.vollerPfad, titel(haupt())), std::tuple(w + "Netz2.gui", w + "Netz2.gui"));
    neuronNachNummer(1)->x += 40;
    referenzSetzen();
    speichern(befehlGuiDateiSpeichern, "", {"Netz2.gui", "Netz2.cur", "Netz2.ref"});
    EXPECT_NE(inhalt(w)["Netz2.gui"], vorher.at("Netz2.gui"));
}

// A settings file the start found only ignoring case is the one "Einstellungen speichern" and
// the language switch write, not a new default.cfg beside it.
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

    pt::boxAntworten({antwort::Ok});   // the language's notice, which ends the program
    befehl(befehlSpracheEnglisch);
    EXPECT_NE(lesen(ordner + "Default.CFG").find("sprache=1033"), std::string::npos);
    EXPECT_FALSE(fs::exists(ordner + "default.cfg"));
}
