// tests/app/test_oeffnen_einstellungen.cpp - what the files a user opens leave in the
// settings: the remembered network file stays one file, whatever is opened from other
// folders, the program's options and the language stay the session's, and a file that is
// refused leaves every setting as it was
#include "app_hilfe.h"
#include "files/einstellungsdatei.h"
#include "files/einstellungszeilen.h"
#include "files/fremdformat.h"
#include "files/netzdatei.h"
#include "model/netz.h"
#include "model/permutationsfenster.h"
#include "model/synapse.h"
#include "platform/box.h"
#include "platform/menue.h"
#include "platform/steuerelemente.h"
#include "resources/auswertungsmenue.h"
#include "resources/befehle.h"
#include "script/ausfuehrung.h"
#include "script/skript.h"
#include "../stuetzen/reizserie_skript.h"
#include <cstring>
#include <map>

using namespace apphilfe;
namespace fs = std::filesystem;

namespace {

const std::string einNeuron = "[neuronen-netzwerk-datei]\nanzahl neurone=1\nexistierende Neurone=7 \n"
                              "[NEURON 7] ***\n[ende NEURON 7] ***\n[Dateiende]\n";

// the value of the settings line that starts with schluessel; "-" when there is none
std::string zeile(const std::string& cfg, const std::string& schluessel)
{
    const size_t a = cfg.find("\n" + schluessel);
    if (a == std::string::npos)
        return "-";
    const size_t wert = a + 1 + schluessel.size();
    return cfg.substr(wert, cfg.find('\r', wert) - wert);
}

struct OeffnenEinstellungen : AppFall {
    std::string arbeit = testhilfe::tempOrdner("velnor-gemerkt");
    fs::path vorher = fs::current_path();

    void TearDown() override
    {
        auswertungAbbauen();
        skriptAbbauen();
        maxBinDateiGroesse = 0;
        fs::current_path(vorher);
        AppFall::TearDown();
        fs::remove_all(arbeit);
    }
    std::string cfg() const { return lesen(ordner + "default.cfg"); }
    // the program started again in its folder, on the given settings file unless empty
    void neuStarten(const std::string& einstellungen = "")
    {
        netzLoeschen();
        programmZuruecksetzen();
        if (!einstellungen.empty())
            schreiben(ordner + "default.cfg", einstellungen);
        ASSERT_TRUE(programmStarten("", ordner));
        nachrichtenVerarbeiten();
    }
    void oeffnen(const std::string& pfad)
    {
        oeffnenOhneSpeichern(pfad);
        ASSERT_EQ(pt::offeneBoxAntworten(), 0u);
    }
    // the end, a network not saved
    void beenden()
    {
        if (neuronKette.anzahl > 0)
            pt::boxAntworten({antwort::Nein});
        befehl(befehlProgrammBeenden);
        nachrichtenVerarbeiten();
        ASSERT_TRUE(programmEndet());
    }
    void strgS()
    {
        pt::tastenZustandSetzen(tastenStatus::LinksStrg, true);
        pt::tasteDruecken(haupt(), 'S');
        nachrichtenVerarbeiten();
        pt::tastenZustandSetzen(tastenStatus::LinksStrg, false);
    }
    // A/x.gui, and in B: curve data y.dat, a sibling file z.sim, a result file erg.bin of the
    // series script, and another network under A's name, x.gui
    void dateienAnlegen(const std::string& a, const std::string& b)
    {
        fs::create_directory(a);
        fs::create_directory(b);
        laufbaresNetz(3, a);
        dateipfade.netzName = "x";
        dateipfade.endung = "gui";
        // the sibling's layout has three more header values than our writer's
        ASSERT_EQ(simDateiSchreiben(b + "z.sim"), 1);
        std::string sim = lesen(b + "z.sim");
        size_t kopfEnde = 0;
        for (int i = 0; i < 40; ++i)
            kopfEnde = sim.find('\n', kopfEnde) + 1;
        schreiben(b + "z.sim", sim.insert(kopfEnde, "0\r\n0\r\n0\r\n"));

        const char* namen[] = {"Sensor links", "Motor", "Inter"};
        for (int i = 1; i <= 3; ++i)
            neuronNachNummer(i)->name = namen[i - 1];
        SynapseDaten* s = synapseNeu(neuronNachNummer(1), neuronNachNummer(2), 0, 1e-7, 0.001, -0.05, -0.03, 0, nullptr);
        synapsenTabelleSetzen(s->id, s);
        ASSERT_TRUE(guiDateiSpeichern(0, nullptr, 1));
        pt::tasteDruecken(haupt(), taste::F2);
        nachrichtenVerarbeiten();
        pt::dateiAntworten({pt::dateiAntwort(b + "y.dat")});
        befehl(befehlDatDateiSpeichernUnter);

        // the series script, its simulations ramps in Motor's stored curves
        fs::current_path(arbeit);           // where the script's log goes
        laufzeitSetzen(0.2, 1e-4);          // as the script has it
        skriptMeldungenAnzeigen = 0;
        netzvorgaben.elektrischeSynapsenEingeschraenkt = 1;
        skriptLaufHaken = [] {
            DiagrammDaten& d = neuronNachNummer(2)->hauptDiagramm;
            for (int slot : {0, 2})
                d.kurven[slot].werte.assign(2000, slot ? -0.5f : 0.5f);
        };
        schreiben(b + "sim liste.txt", "2 5\r\n6\r\n11 15\r\n");
        std::string t = reizserieSkript;
        t.replace(t.find("ORDNER/"), 7, b);
        schreiben(arbeit + "t.skr", t);
        skript.pfad = arbeit + "t.skr";
        skriptStatus = skriptBit::DateiAusSkriptLaden;
        ASSERT_EQ(skriptLaden(skript), 1);
        pt::dateiAntworten({pt::dateiAntwort(b + "erg.bin")});
        ASSERT_EQ(skriptAusfuehren(skript, 1), 1);
        skriptFreigeben(skript);
        skriptStatus = 0;
        skriptLaufHaken = nullptr;

        schreiben(b + "x.gui", einNeuron);
        ASSERT_TRUE(pt::boxLog().empty()) << pt::boxLog().front().text;
        for (const char* datei : {"y.dat", "z.sim", "erg.bin"})
            ASSERT_TRUE(fs::exists(b + datei)) << datei;
    }
};

} // namespace

// A network opened from folder A, then curve data, a sibling file and a result file from
// folder B: the end's settings name A's file with its folder and extension, the next start
// with "sofort bearbeiten" opens it, and Ctrl+S writes there, not into B's network of that name.
TEST_F(OeffnenEinstellungen, DieGemerkteNetzdateiBleibtDieDateiAusIhremOrdner)
{
    ASSERT_TRUE(starten());
    const std::string a = arbeit + "A/", b = arbeit + "B/";
    ASSERT_NO_FATAL_FAILURE(dateienAnlegen(a, b));
    std::map<std::string, std::string> dateien;
    for (const std::string& p : {a + "x.gui", b + "x.gui", b + "y.dat", b + "z.sim", b + "erg.bin"})
        dateien[p] = lesen(p);
    const auto unveraendert = [&](bool ohneA) {
        for (const auto& [p, inhalt] : dateien) {
            if (!(ohneA && p == a + "x.gui")) {
                EXPECT_TRUE(lesen(p) == inhalt) << p;
            }
        }
    };
    ASSERT_NO_FATAL_FAILURE(neuStarten(lesen(ausgelieferteTexte() + "default.cfg")));

    oeffnen(a + "x.gui");
    ASSERT_EQ(NeuronFall::nummern(), (std::vector{1, 2, 3}));
    oeffnen(b + "y.dat");
    EXPECT_EQ(std::tuple(neuronKette.anzahl, dateipfade.netzName), std::tuple(3, "y"));
    oeffnen(b + "z.sim");
    EXPECT_EQ(std::tuple(neuronKette.anzahl, dateipfade.netzName), std::tuple(3, "z"));
    // the result file in the evaluation window: its network replaces the one before
    befehl(befehlAuswertemodus);
    pt::boxAntworten({antwort::Ja, antwort::Nein});
    pt::dateiAntworten({pt::dateiAntwort(b + "erg.bin")});
    ASSERT_TRUE(pt::menueBefehlWaehlen(auswertungsfenster.fenster, auswertungBefehlDateiOeffnen));
    nachrichtenVerarbeiten();
    ASSERT_TRUE(pt::menueBefehlWaehlen(auswertungsfenster.fenster, auswertungBefehlModusBeenden));
    nachrichtenVerarbeiten();
    ASSERT_EQ(pt::offeneBoxAntworten(), 0u);
    EXPECT_EQ(std::tuple(dateipfade.netzName, dateipfade.ohneNetzdatei), std::tuple("erg", true));
    EXPECT_EQ(dateipfade.dokumentVerzeichnis + "/", b);   // the folder the files came from

    ASSERT_NO_FATAL_FAILURE(beenden());
    const std::string gemerkt = cfg();
    EXPECT_EQ(std::tuple(zeile(gemerkt, "zuletzt geladene eingabedatei="), zeile(gemerkt, "zuletzt benutztes verzeichnis="),
                         zeile(gemerkt, "extension fuer eingabedateien=")),
              std::tuple("x", arbeit + "A", "gui"));
    unveraendert(false);

    // the user sets "sofort bearbeiten"; the next start opens A's network as its own file
    std::string sofort = gemerkt;
    const std::string nein = "zuletzt geladenene datei sofort bearbeiten=nein";
    ASSERT_NE(sofort.find(nein), std::string::npos);
    sofort.replace(sofort.find(nein), nein.size(), "zuletzt geladenene datei sofort bearbeiten=ja");
    ASSERT_NO_FATAL_FAILURE(neuStarten(sofort));
    EXPECT_EQ(std::tuple(NeuronFall::nummern(), dateipfade.vollerPfad), std::tuple(std::vector{1, 2, 3}, a + "x.gui"));
    const size_t fragen = pt::dateiWahlLog().size();
    fs::remove(a + "x.gui");
    strgS();
    EXPECT_EQ(pt::dateiWahlLog().size(), fragen);
    EXPECT_TRUE(lesen(a + "x.gui").starts_with("[neuronen-netzwerk-datei]"));
    unveraendert(true);
    EXPECT_TRUE(pt::boxLog().empty()) << pt::boxLog().front().text;
}

// A curve data file saved by the program set to English and to end without saving carries
// "sprache=1033" and that option in its settings text. Opened by the program set to German,
// its other settings come with it; the language, the menus of the windows opened then and
// default.cfg's language line stay German, and the end offers the network for saving.
TEST_F(OeffnenEinstellungen, EineKurvendateiAusDemEnglischenLaesstDieSpracheDesProgramms)
{
    const std::string deutsch = lesen(ausgelieferteTexte() + "default.cfg");
    std::string englisch = deutsch;
    englisch.replace(englisch.find("\nsprache=1031"), 13, "\nsprache=1033");
    ASSERT_TRUE(starten(englisch));
    ASSERT_EQ(sprache, spracheEnglisch);
    laufbaresNetz(2, arbeit);
    dateipfade.endung = "gui";
    programmOptionen.undoMaximum = 7;
    programmOptionen.ohneSpeichernBeenden = 1;
    simulationsParameter.anzeigeIntervall = 0.005;
    ASSERT_TRUE(guiDateiSpeichern(0, nullptr, 1));
    pt::tasteDruecken(haupt(), taste::F2);
    nachrichtenVerarbeiten();
    const std::string kurven = arbeit + "kurven.dat";
    pt::dateiAntworten({pt::dateiAntwort(kurven)});
    befehl(befehlDatDateiSpeichernUnter);
    ASSERT_TRUE(pt::boxLog().empty()) << pt::boxLog().front().text;
    const std::string dat = lesen(kurven);
    ASSERT_NE(dat.find("\nsprache=1033 "), std::string::npos);
    ASSERT_NE(dat.find("\nprogramm ohne speichern beenden (vorsicht)=1\n"), std::string::npos);

    ASSERT_NO_FATAL_FAILURE(neuStarten(deutsch));
    ASSERT_EQ(std::tuple(sprache, programmOptionen.undoMaximum), std::tuple(spracheDeutsch, 10));
    const std::string spracheVorher = zeile(cfg(), "sprache=");
    oeffnen(kurven);
    ASSERT_EQ(neuronKette.anzahl, 2);
    EXPECT_EQ(std::tuple(sprache, programmOptionen.undoMaximum, simulationsParameter.anzeigeIntervall),
              std::tuple(spracheDeutsch, 10, 0.005));
    befehl(befehlDiagrammeAlle);
    for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron) {
        ASSERT_TRUE(istFenster(n->hauptDiagramm.fenster)) << n->nummer;
        EXPECT_EQ(postenText(fensterMenue(n->hauptDiagramm.fenster), 0, Nach::Position), "&Datei");
    }

    // an edit, then the end: the network is offered (No)
    befehl(befehlNeuronNeu);
    nachrichtenVerarbeiten();
    ASSERT_NO_FATAL_FAILURE(beenden());
    ASSERT_EQ(pt::offeneBoxAntworten(), 0u);
    EXPECT_EQ(pt::boxLog().back().titel, "SysInfo");
    EXPECT_EQ(std::tuple(zeile(cfg(), "sprache="), zeile(cfg(), "maximale undo anzahl="),
                         zeile(cfg(), "programm ohne speichern beenden (vorsicht)=")),
              std::tuple(spracheVorher, "10", "0"));
    EXPECT_TRUE(lesen(kurven) == dat);
    ASSERT_NO_FATAL_FAILURE(neuStarten());
    EXPECT_EQ(postenText(fensterhandles.hauptmenue, 0, Nach::Position), "&Datei");
}

// A settings file loaded on purpose brings its settings, but not its language: the texts and
// menus stay in the language the program started in, and default.cfg stays as it was.
TEST_F(OeffnenEinstellungen, EinstellungenLadenWechseltDieSpracheNicht)
{
    ASSERT_TRUE(starten());
    std::string englisch = cfg();
    englisch.replace(englisch.find("\nsprache=1031"), 13, "\nsprache=1033");
    englisch.replace(englisch.find("\nmaximale undo anzahl=10"), 24, "\nmaximale undo anzahl=4");
    schreiben(arbeit + "englisch.cfg", englisch);
    const std::string standard = cfg();

    pt::dateiAntworten({pt::dateiAntwort(arbeit + "englisch.cfg")});
    befehl(befehlEinstellungenLaden);
    nachrichtenVerarbeiten();
    EXPECT_EQ(std::tuple(cfgPfad, sprache, programmOptionen.undoMaximum),
              std::tuple(arbeit + "englisch.cfg", spracheDeutsch, 4));
    ASSERT_NO_FATAL_FAILURE(beenden());
    EXPECT_TRUE(cfg() == standard);
    EXPECT_TRUE(pt::boxLog().empty()) << pt::boxLog().front().text;
}

// The rule for every kind of file the open command takes, written by a session that is
// English and has every option of its own set otherwise: read, the options and the language
// stay the opening session's; refused, every setting stays as it was, byte for byte.
TEST_F(OeffnenEinstellungen, OptionenUndSpracheKommenNieAusEinerGeoeffnetenDatei)
{
    namespace k = cfgZeilen;
    const std::pair<const char*, const char*> anders[] = {
        {k::Sprache, "1033"}, {k::Undo, "3"}, {k::PspSchwelle, "-0.05"}, {k::KanalDialogStarten, "1"},
        {k::HomeDir, "1"}, {k::OhneSpeichern, "1"}, {k::SynapsenIds, "ja"}, {k::ParameterHinweis, "nein"},
        {k::AlleFormatieren, "1"}, {k::Potentialbegrenzung, "1"},
    };
    // the lines of these keys in a settings text, up to the line end
    const auto eigene = [&](const std::string& t) {
        std::string z;
        for (const auto& [schluessel, wert] : anders) {
            const size_t a = t.find(std::string("\n") + schluessel) + 1;
            z += t.substr(a, t.find_first_of("\r\n", a) - a) + "\n";
        }
        return z;
    };
    const auto einstellungen = [] {
        XBuffer b;
        cfgDateiSpeichern(nullptr, &b, 0);
        textZeiger = nullptr;
        return b.text();
    };
    const std::string deutsch = lesen(ausgelieferteTexte() + "default.cfg");
    std::string fremd = deutsch;
    for (const auto& [schluessel, wert] : anders) {
        const size_t a = fremd.find(std::string("\n") + schluessel) + 1 + std::strlen(schluessel);
        fremd.replace(a, fremd.find_first_of(" \r", a) - a, wert);
    }
    ASSERT_TRUE(starten(fremd));
    ASSERT_EQ(sprache, spracheEnglisch);
    const std::string b = arbeit + "B/";
    ASSERT_NO_FATAL_FAILURE(dateienAnlegen(arbeit + "A/", b));
    const std::string fremdeZeilen = eigene(einstellungen());
    // each kind once more, refused by its reader: a network without the block of its first
    // neuron (in the network file, the curve data and the result file), a sibling file cut
    // short, a recording of no channels
    for (const char* name : {"y.dat", "erg.bin"}) {
        std::string inhalt = lesen(b + name);
        const size_t n = inhalt.find("[NEURON 1]");
        ASSERT_NE(n, std::string::npos) << name;
        inhalt[n + 5] = 'X';
        schreiben(b + "kaputt " + name, inhalt);
    }
    std::string netz = lesen(arbeit + "A/x.gui");
    netz[netz.find("[NEURON 1]") + 5] = 'X';
    schreiben(b + "kaputt x.gui", netz);
    schreiben(b + "kaputt z.sim", lesen(b + "z.sim").substr(0, 40));
    schreiben(b + "w.wav", wavText({0, 100, 200, 300, 200, 100, 0, -100}));
    schreiben(b + "kaputt w.wav", "RIFF" + std::string(40, '\0'));

    ASSERT_NO_FATAL_FAILURE(neuStarten(deutsch));
    const std::string eigeneZeilen = eigene(einstellungen());
    ASSERT_NE(eigeneZeilen, fremdeZeilen);
    // the offers are declined, the notices of a refused file taken
    pt::boxRegelSetzen([](const std::string& titel, const std::string& text, uint32_t) {
        if (text == "aktuelle datei schliessen?")   // the result file before
            return antwort::Ja;
        return titel == "SysInfo" ? antwort::Nein : antwort::Ok;
    });
    // the open command, or the result file in the evaluation window
    const auto oeffnenMit = [&](const std::string& pfad) {
        pt::dateiAntworten({pt::dateiAntwort(pfad)});
        if (!pfad.ends_with(".bin")) {
            befehl(befehlDateiOeffnen);
            nachrichtenVerarbeiten();
            return;
        }
        befehl(befehlAuswertemodus);
        if (skriptStatus & skriptBit::ErgebnisKopfGeladen) {   // the one before is closed first
            ASSERT_TRUE(pt::menueBefehlWaehlen(auswertungsfenster.fenster, auswertungBefehlDateiSchliessen));
            nachrichtenVerarbeiten();
        }
        ASSERT_TRUE(pt::menueBefehlWaehlen(auswertungsfenster.fenster, auswertungBefehlDateiOeffnen));
        nachrichtenVerarbeiten();
        ASSERT_TRUE(pt::menueBefehlWaehlen(auswertungsfenster.fenster, auswertungBefehlModusBeenden));
        nachrichtenVerarbeiten();
    };
    const auto gelesen = [&](const std::string& pfad, int neurone) {
        SCOPED_TRACE(pfad);
        oeffnenMit(pfad);
        EXPECT_EQ(neuronKette.anzahl, neurone);
        EXPECT_EQ(std::tuple(eigene(einstellungen()), sprache), std::tuple(eigeneZeilen, spracheDeutsch));
    };
    const auto abgelehnt = [&](const std::string& pfad) {
        SCOPED_TRACE(pfad);
        const std::string vorher = einstellungen();
        const size_t boxen = pt::boxLog().size();
        oeffnenMit(pfad);
        EXPECT_GT(pt::boxLog().size(), boxen);
        EXPECT_TRUE(einstellungen() == vorher);
        EXPECT_FALSE(programmEndet());
    };
    gelesen(arbeit + "A/x.gui", 3);
    abgelehnt(b + "kaputt z.sim");
    abgelehnt(b + "kaputt x.gui");
    gelesen(b + "y.dat", 3);
    abgelehnt(b + "kaputt y.dat");
    gelesen(b + "z.sim", 3);
    abgelehnt(b + "kaputt z.sim");
    gelesen(b + "w.wav", 1);
    abgelehnt(b + "kaputt w.wav");
    gelesen(b + "erg.bin", 3);
    abgelehnt(b + "kaputt erg.bin");
    pt::boxRegelSetzen({});
    ASSERT_EQ(pt::offeneBoxAntworten(), 0u);

    ASSERT_NO_FATAL_FAILURE(beenden());
    EXPECT_EQ(eigene(cfg()), eigene(deutsch));
}
