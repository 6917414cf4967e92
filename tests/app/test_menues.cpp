// tests/app/test_menues.cpp - the main window's menus: grey and ticked by the program's state,
// the ticks kept by the settings file, the menus of the modes and their swap, and the
// frame's commands from their menu items and keys
#include "app_hilfe.h"
#include "files/einstellungsdatei.h"
#include "files/netzdatei.h"
#include "model/anzeigeeinstellungen.h"
#include "model/diagramm.h"
#include "model/laufstart.h"
#include "model/permutationsfenster.h"
#include "platform/box.h"
#include "platform/menue.h"
#include <functional>

using namespace apphilfe;

namespace {

constexpr int strg = 1, umschalt = 2;

class Menues : public AppFall {
protected:
    void SetUp() override
    {
        AppFall::SetUp();
        ASSERT_TRUE(starten());
    }
    Menue leiste() const { return fensterMenue(haupt()); }
    // the menu as its popups show it when they open
    Menue offen()
    {
        menueStandSetzen(leiste());
        return leiste();
    }
    bool grau(int b) { return istGrau(offen(), b, Nach::Befehl); }
    bool haken(int b) { return istAbgehakt(offen(), b, Nach::Befehl); }
    void waehlen(int b)
    {
        ASSERT_TRUE(pt::menueBefehlWaehlen(haupt(), b)) << b;
        nachrichtenVerarbeiten();
    }
    void taste(int t, int tasten)
    {
        pt::tastenZustandSetzen(tastenStatus::LinksStrg, tasten & strg);
        pt::tastenZustandSetzen(tastenStatus::LinksUmschalt, tasten & umschalt);
        pt::tasteDruecken(haupt(), t);
        nachrichtenVerarbeiten();
        pt::tastenZustandSetzen(tastenStatus::LinksStrg, false);
        pt::tastenZustandSetzen(tastenStatus::LinksUmschalt, false);
    }
    // the item ticked as its switch stands, before and after it is chosen
    void umschalten(int befehl, const std::function<bool()>& an)
    {
        const bool vorher = an();
        EXPECT_EQ(haken(befehl), vorher) << befehl;
        waehlen(befehl);
        EXPECT_EQ(std::pair(an(), haken(befehl)), std::pair(!vorher, !vorher)) << befehl;
    }
    // a network of anzahl neurons named netz.gui in the test's folder
    void netz(int anzahl = 1)
    {
        laufbaresNetz(anzahl, ordner);
        dateipfade.endung = "gui";
    }
    std::string pfad(const std::string& name) const { return ordner + name; }
};

} // namespace

// What acts on the network waits for one, what needs a marked neuron for a mark; the abort
// serves a run or a script; in a run what changes the network is grey, but the backup saves
// and windows of the same size are only moved.
TEST_F(Menues, PostenSindGrauWoIhnenDerZustandFehlt)
{
    EXPECT_TRUE(grau(befehlDateiSchliessen) && grau(befehlStromreizeZuruecksetzen));
    netz(2);
    EXPECT_TRUE(grau(befehlDiagrammeMarkierte) && grau(befehlDefinitionExportieren));
    neuronMarkieren(neuronKette.kopf, 1);
    EXPECT_FALSE(grau(befehlDiagrammeMarkierte) || grau(befehlDiagrammAnLetzterPosition));
    skriptStatus = skriptBit::Laeuft;
    EXPECT_FALSE(grau(befehlSimulationAbbrechen));
    skriptStatus = 0;
    programmStatus |= programmBit::LaufAktiv;
    for (int b : {befehlSimulationStarten, befehlDateiOeffnen, befehlDiagrammeSchliessen, befehlKeinDendrit})
        EXPECT_TRUE(grau(b)) << b;
    for (int b : {befehlSimulationAbbrechen, befehlGuiDateiSpeichern, befehlGeoeffneteGleichgross})
        EXPECT_FALSE(grau(b)) << b;
}

// Each switch ticks its item as it turns on and off; those the settings file keeps are
// ticked again after the program ended (which saves the settings) and started anew. The
// dendrite modes tick as a radio group, the language items the language.
TEST_F(Menues, SchalterHakenFolgenIhremWertUndUeberlebenDenNeustart)
{
    const struct { int befehl; std::function<bool()> an; bool gespeichert; } schalter[] = {
        {befehlBackupVorSimulation, [] { return sicherungsOptionen & sicherungBit::An; }, true},
        {befehlErgebnisExportieren, [] { return programmStatus & programmBit::WerteExportieren; }, true},
        {befehlSomapotentialSpeichern, [] { return programmStatus & programmBit::SomaDateiSchreiben; }, true},
        {befehlHauptfensterMinimieren, [] { return programmStatus & programmBit::NachLaufMinimieren; }, true},
        {befehlSpikesZaehlen, [] { return programmStatus & programmBit::SpikesZaehlen; }, true},
        {befehlDialogeKomplett, [] { return dialogEinstellungen.dialogeKomplett != 0; }, true},
        {befehlStrgMNurMinimieren, [] { return diagrammOptionen.strgMMinimieren != 0; }, true},
        {befehlTextfensterEinblenden, [] { return protokoll.eingebettet != 0; }, true},
        {befehlApsAufzeichnen, [] { return spikeAufzeichnung.aufzeichnen != 0; }, false},   // the network's
        {befehlSkriptMeldungen, [] { return skriptMeldungenAnzeigen != 0; }, false},
    };
    std::vector<bool> vorher;
    for (const auto& s : schalter) {
        vorher.push_back(s.an());
        umschalten(s.befehl, s.an);
    }
    for (int b : {befehlDendritDreiSegmente, befehlDendritEinSegment, befehlKeinDendrit}) {
        waehlen(b);
        for (int x = befehlKeinDendrit; x <= befehlDendritNSegmente; ++x)
            EXPECT_EQ(haken(x), x == b) << b << " " << x;
    }
    EXPECT_EQ(std::pair(haken(befehlSpracheDeutsch), haken(befehlSpracheEnglisch)), std::pair(true, false));

    waehlen(befehlProgrammBeenden);
    ASSERT_TRUE(programmEndet());
    // nothing of the old run survives but the file
    programmZuruecksetzen();
    sicherungsOptionen = 0;
    diagrammOptionen.strgMMinimieren = 0;
    spikeAufzeichnung.aufzeichnen = 0;
    skriptMeldungenAnzeigen = 0;
    ASSERT_TRUE(programmStarten("", ordner));
    for (size_t i = 0; i < std::size(schalter); ++i) {
        const bool erwartet = schalter[i].gespeichert && !vorher[i];
        EXPECT_EQ(std::pair(schalter[i].an(), haken(schalter[i].befehl)), std::pair(erwartet, erwartet)) << i;
    }
}

// The permutation mode swaps its menu in and out; its switches tick there, its commands
// without code are grey, and the simulation mode's menu comes back unchanged. The mode's
// menu is in the language; in another there is none, and the main window keeps its own.
TEST_F(Menues, PermutationsmenueKommtUndGehtMitSeinenSchaltern)
{
    Menue haupt = fensterhandles.hauptmenue;
    ASSERT_TRUE(permutationsMenueZeigen());
    EXPECT_EQ(leiste(), fensterhandles.permutationsMenue);
    EXPECT_EQ(postenText(leiste(), 1, Nach::Position), "&Permutation");
    EXPECT_TRUE(grau(befehlPmtStarten));
    umschalten(befehlPmtTeilsimulation, [] { return modusStatus & modusBit::Teilsimulation; });
    umschalten(befehlPmtFensterNachFreier, [] { return modusStatus & modusBit::ErgebnisseNachFreier; });
    umschalten(befehlPmtLevelBalken, [] { return permutationsFenster.levelBalkenAnzeigen != 0; });
    umschalten(befehlPmtLevelPruefen, [] { return permutationsFenster.levelPruefen != 0; });
    for (const auto& z : {std::pair{befehlPmtZeigeNummer, 1}, {befehlPmtZeigeApAnzahl, 2},
                          {befehlPmtZeigeGuete, 4}, {befehlPmtZeigeFrequenzen, 8},
                          {befehlPmtZeigePosition, 16}}) {
        const int bit = z.second;
        umschalten(z.first, [bit] { return (permutationsFenster.zahlenMaske & bit) != 0; });
    }
    simulationsMenueZeigen();
    EXPECT_EQ(std::pair(leiste(), fensterhandles.permutationsMenue), std::pair(haupt, Menue{}));

    sprache = spracheEnglisch;
    ASSERT_TRUE(permutationsMenueZeigen());
    EXPECT_EQ(postenText(leiste(), 0, Nach::Position), "&File");
    simulationsMenueZeigen();
    sprache = 1036;
    EXPECT_FALSE(permutationsMenueZeigen());
    EXPECT_EQ(leiste(), haupt);
    sprache = spracheDeutsch;
    ASSERT_TRUE(permutationsMenueZeigen());
    // an end in the mode gives the bar back first: both menus are freed (the leak checker
    // of the sanitizer build finds one that is not)
    programmBeenden();
    EXPECT_EQ(fensterhandles.hauptmenue, nullptr);
}

// The frame's commands one after another on one network, each from its key where it has one.
TEST_F(Menues, BefehleAusMenueUndTaste)
{
    netz(2);
    NeuronDaten* a = neuronKette.kopf;
    NeuronDaten* b = neuronKette.ende;
    const auto offen = [&] { return std::pair(!!a->hauptDiagramm.fenster, !!b->hauptDiagramm.fenster); };
    const auto liste = [] {
        return std::tuple(fensterliste[0].neuronId, fensterliste[1].neuronId, fensterliste[2].neuronId);
    };
    const auto da = [this](const char* name) { return std::filesystem::exists(pfad(name)); };
    const auto enthaelt = [this](const char* name, const char* text) {
        return lesen(pfad(name)).find(text) != std::string::npos;
    };
    const auto gefragt = [] { return pt::dateiWahlLog().size(); };
    const struct {
        const char* was;
        std::function<void()> vorher;
        int befehl, taste, tasten;       // the menu item, or else the key
        std::function<bool()> gilt;
        const char* datei = nullptr;     // the file chosen when asked ("" cancels)
    } schritte[] = {
        {"backup on", {}, befehlBackupVorSimulation, 0, 0, [] { return sicherungsOptionen == 1; }},
        {"a run with a backup beside the files", {}, 0, taste::F2, 0,
         [&] { return enthaelt("netz.gui.bkp", "[neuronen-") && da("default.cfg.bkp") && !da("netz.gui"); }},
        {"without a name neither a backup nor a question in the run's start",
         [&] {
             std::filesystem::remove(pfad("netz.gui.bkp"));
             dateipfade.netzName.clear();
         },
         befehlSimulationStarten, 0, 0, [&] { return gefragt() == 0 && !da("netz.gui.bkp"); }},
        {"saving without a name asks", {}, 0, 'S', strg, [&] { return gefragt() == 1 && da("netz.gui"); },
         "netz.gui"},
        {"saving with a name does not", [&] { std::filesystem::remove(pfad("netz.gui")); },
         befehlGuiDateiSpeichern, 0, 0, [&] { return gefragt() == 1 && da("netz.gui"); }},
        {"save as asks always, with the settings' network filter", {}, befehlGuiDateiSpeichernUnter, 0, 0,
         [&] {
             const auto& f = pt::dateiWahlLog().back().gefragt.filter;
             return da("zwei.gui") && dateipfade.vollerPfad == pfad("zwei.gui") && !f.empty() &&
                    f[0].muster == "*.GUI";
         },
         "zwei.gui"},
        {"... cancelled it does nothing", {}, befehlGuiDateiSpeichernUnter, 0, 0,
         [&] { return gefragt() == 3 && dateipfade.vollerPfad == pfad("zwei.gui"); }, ""},
        {"all diagrams", {}, 0, 'N', strg, [&] { return offen() == std::pair(true, true); }},
        {"the list stored, then the network saved", {}, 0, 'F', strg | umschalt,
         [&] { return liste() == std::tuple(1, 2, 0) && enthaelt("zwei.gui", "fensterliste 2 neuron=2"); }},
        {"diagrams closed", {}, 0, 'N', strg | umschalt, [&] { return offen() == std::pair(false, false); }},
        {"diagrams from the list", {}, 0, 'L', strg, [&] { return offen() == std::pair(true, true); }},
        {"Shift alone only minimises, once", [&] { neuronMarkieren(b, 1); }, 0, 'M', umschalt,
         [] { return diagrammOptionen.strgMMinimieren == -1; }},
        {"the marked neuron's diagram alone", [] { diagrammOptionen.strgMMinimieren = 0; }, 0, 'M', strg,
         [&] { return offen() == std::pair(false, true); }},
        {"text window off", {}, 0, 'T', strg, [] { return protokoll.sichtbar == 0; }},
        {"stimuli reset forget their files", [&] { a->stromreize[0].ausDatei = 1; },
         befehlStromreizeZuruecksetzen, 0, 0, [&] { return a->stromreize[0].ausDatei == 0; }},
        {"settings saved under a new name", [] { programmOptionen.undoMaximum = 4; },
         befehlEinstellungenSpeichernUnter, 0, 0,
         [&] {
             return cfgPfad == pfad("dritte.cfg") && enthaelt("dritte.cfg", "\nmaximale undo anzahl=4\r") &&
                    !enthaelt("default.cfg", "\nmaximale undo anzahl=4\r");
         },
         "dritte.cfg"},
        {"settings loaded", {}, befehlEinstellungenLaden, 0, 0,
         [&] { return cfgPfad == pfad("default.cfg") && programmOptionen.undoMaximum == 10; }, "default.cfg"},
        {"the network as a curve data file", {}, befehlDatDateiSpeichernUnter, 0, 0,
         [&] { return enthaelt("kurven.dat", "[neuronen-netzwerk-datei]"); }, "kurven.dat"},
        {"the network in the other program's format", {}, befehlSimDateiSpeichern, 0, 0,
         [&] { return da("alt.sim"); }, "alt.sim"},
        {"a new neuron", {}, befehlNeuronNeu, 0, 0, [] { return neuronKette.anzahl == 3; }},
        {"the file closed, not saved when offered", [] { pt::boxAntworten({antwort::Nein}); }, befehlDateiSchliessen, 0, 0,
         [] { return neuronKette.anzahl == 0 && (dateipfade.netzName + dateipfade.vollerPfad).empty(); }},
    };
    for (const auto& s : schritte) {
        if (s.vorher)
            s.vorher();
        if (s.datei)
            pt::dateiAntworten({*s.datei ? pt::dateiAntwort(pfad(s.datei)) : pt::dateiAbbruch()});
        if (s.befehl)
            waehlen(s.befehl);
        else
            taste(s.taste, s.tasten);
        EXPECT_TRUE(s.gilt()) << s.was;
    }
}

// One abort (the diagram's X key asks for it) is meant for the run it came in; the next
// run starts without it, so the rating that tests it is not stopped by an old one.
TEST_F(Menues, EinLaufBeginntOhneFruehereAbbruchanforderung)
{
    netz();
    programmStatus |= programmBit::AbbruchAnforderung;
    taste(taste::F2, 0);
    EXPECT_TRUE(programmStatus & programmBit::LaufErgebnisDa);
    EXPECT_FALSE(programmStatus & programmBit::AbbruchAnforderung);
}

// The regular end offers a network read from a file and writes the settings; the option
// to end without saving leaves both alone.
TEST_F(Menues, DasEndeBietetDasGeleseneNetzAnUndSpeichertDieEinstellungen)
{
    const struct { int antwort; bool ohneSpeichern, netzGespeichert, cfgGeschrieben; } faelle[] = {
        {antwort::Ja, false, true, true}, {antwort::Nein, false, false, true}, {0, true, false, false},
    };
    for (const auto& f : faelle) {
        programmZuruecksetzen();
        std::filesystem::remove_all(ordner);
        ASSERT_TRUE(starten());
        netz();
        ASSERT_TRUE(guiDateiSpeichern(0, nullptr, 1));   // as if it was read from there
        schreiben(pfad("netz.gui"), "alt");
        schreiben(pfad("default.cfg"), "alt");
        programmOptionen.ohneSpeichernBeenden = f.ohneSpeichern;
        pt::boxAntworten({f.antwort});
        waehlen(befehlProgrammBeenden);
        EXPECT_TRUE(programmEndet());
        const std::string frage = "Die Netzwerkdatei\n" + pfad("netz.gui") + "\nvor dem Beenden speichern?";
        EXPECT_EQ(pt::boxLog().empty() ? "" : pt::boxLog()[0].text, f.ohneSpeichern ? "" : frage);
        EXPECT_EQ(std::pair(lesen(pfad("netz.gui")) != "alt", lesen(pfad("default.cfg")) != "alt"),
                  std::pair(f.netzGespeichert, f.cfgGeschrieben)) << f.antwort;
    }
}
