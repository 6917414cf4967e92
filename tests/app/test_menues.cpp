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

class Menues : public AppFall {
protected:
    void SetUp() override
    {
        AppFall::SetUp();
        ASSERT_TRUE(starten());
    }
    Menue leiste() const { return fensterMenue(haupt()); }
    // the state an item shows when its popup opens
    bool grau(int b)
    {
        menueStandSetzen(leiste());
        return istGrau(leiste(), b, Nach::Befehl);
    }
    bool haken(int b)
    {
        menueStandSetzen(leiste());
        return istAbgehakt(leiste(), b, Nach::Befehl);
    }
    void waehlen(int b)
    {
        ASSERT_TRUE(pt::menueBefehlWaehlen(haupt(), b)) << b;
        nachrichtenVerarbeiten();
    }
    void strg(int t, bool umschalt = false)
    {
        pt::tastenZustandSetzen(tastenStatus::LinksStrg, true);
        pt::tastenZustandSetzen(tastenStatus::LinksUmschalt, umschalt);
        pt::tasteDruecken(haupt(), t);
        nachrichtenVerarbeiten();
        pt::tastenZustandSetzen(tastenStatus::LinksStrg, false);
        pt::tastenZustandSetzen(tastenStatus::LinksUmschalt, false);
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

TEST_F(Menues, PostenSindGrauWoIhnenDerZustandFehlt)
{
    const struct { const char* zustand; int befehl; bool grau; } ohneNetz[] = {
        {"no code yet", befehlNeuronNeu, true},
        {"no network", befehlGuiDateiSpeichern, true},
        {"no network", befehlGuiDateiSpeichernUnter, true},
        {"no network", befehlDateiSchliessen, true},
        {"no network", befehlDiagrammeAlle, true},
        {"no network", befehlStromreizeZuruecksetzen, true},
        {"no run", befehlSimulationAbbrechen, true},
        {"always", befehlDateiOeffnen, false},
        {"always", befehlEinstellungenLaden, false},
        {"always", befehlSimulationStarten, false},
    };
    for (const auto& z : ohneNetz)
        EXPECT_EQ(grau(z.befehl), z.grau) << z.zustand << " " << z.befehl;

    netz(2);
    const struct { const char* zustand; std::function<void()> setzen; int befehl; bool grau; } mitNetz[] = {
        {"a network", [] {}, befehlGuiDateiSpeichern, false},
        {"a network", [] {}, befehlDiagrammeAlle, false},
        {"none marked", [] {}, befehlDiagrammeMarkierte, true},
        {"none marked", [] {}, befehlDefinitionExportieren, true},
        {"one marked", [] { neuronMarkieren(neuronKette.kopf, 1); }, befehlDiagrammeMarkierte, false},
        {"one marked", [] {}, befehlDiagrammAnLetzterPosition, false},
        {"in a run", [] { programmStatus |= programmBit::LaufAktiv; }, befehlSimulationAbbrechen, false},
        {"in a run", [] {}, befehlSimulationStarten, true},
        {"in a run", [] {}, befehlDateiOeffnen, true},
        {"in a run", [] {}, befehlEinstellungenLaden, true},
        {"in a run", [] {}, befehlDiagrammeSchliessen, true},
        {"in a run", [] {}, befehlKeinDendrit, true},
        {"in a run", [] {}, befehlGuiDateiSpeichern, false},            // the backup saves in a run
        {"in a run", [] {}, befehlGeoeffneteGleichgross, false},        // moves windows only
        {"a script",
         [] {
             programmStatus &= ~programmBit::LaufAktiv;
             skriptStatus = skriptBit::Laeuft;
         },
         befehlSimulationAbbrechen, false},
    };
    for (const auto& z : mitNetz) {
        z.setzen();
        EXPECT_EQ(grau(z.befehl), z.grau) << z.zustand << " " << z.befehl;
    }
    skriptStatus = 0;
}

// Each switch ticks its item as it turns on and off; those the settings file keeps are
// ticked again after the program ended (which saves the settings) and started anew.
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
        EXPECT_EQ(haken(s.befehl), s.an()) << s.befehl;
        waehlen(s.befehl);
        EXPECT_NE(s.an(), vorher.back()) << s.befehl;
        EXPECT_EQ(haken(s.befehl), s.an()) << s.befehl;
    }

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
        const auto& s = schalter[i];
        const bool erwartet = s.gespeichert ? !vorher[i] : false;
        EXPECT_EQ(s.an(), erwartet) << s.befehl;
        EXPECT_EQ(istAbgehakt(leiste(), s.befehl, Nach::Befehl), erwartet) << s.befehl;   // ticked by the start
    }
}

TEST_F(Menues, DendritenmodusIstEinRadioUndSprachHakenZeigtDieSprache)
{
    netz();
    for (int b : {befehlDendritDreiSegmente, befehlDendritEinSegment, befehlKeinDendrit}) {
        waehlen(b);
        for (int x = befehlKeinDendrit; x <= befehlDendritNSegmente; ++x)
            EXPECT_EQ(haken(x), x == b) << b << " " << x;
    }
    EXPECT_TRUE(haken(befehlSpracheDeutsch));
    EXPECT_FALSE(haken(befehlSpracheEnglisch));
}

TEST_F(Menues, MenuePunktHakenSetztLoeschtUndSchaltet)
{
    const struct { int modus; bool vorher; int ergebnis; } faelle[] = {
        {1, false, 8}, {1, true, 8}, {-1, true, 0}, {-1, false, 0}, {0, false, 8}, {0, true, 0},
    };
    for (const auto& f : faelle) {
        abhaken(leiste(), befehlSpikesZaehlen, Nach::Befehl, f.vorher);
        EXPECT_EQ(menuePunktHaken(haupt(), befehlSpikesZaehlen, f.modus), f.ergebnis) << f.modus << f.vorher;
        EXPECT_EQ(istAbgehakt(leiste(), befehlSpikesZaehlen, Nach::Befehl), f.ergebnis == 8);
    }
    EXPECT_EQ(menuePunktHaken(haupt(), 12345, 1), 0);      // no such item
    EXPECT_EQ(menuePunktHaken(nullptr, befehlSpikesZaehlen, 1), 0);
}

// The permutation mode swaps its menu in and out; its switches tick there, its commands
// without code are grey, and the simulation mode's menu comes back unchanged.
TEST_F(Menues, PermutationsmenueKommtUndGehtMitSeinenSchaltern)
{
    Menue haupt = fensterhandles.hauptmenue;
    ASSERT_TRUE(permutationsMenueZeigen());
    ASSERT_NE(fensterhandles.permutationsMenue, nullptr);
    EXPECT_EQ(leiste(), fensterhandles.permutationsMenue);
    EXPECT_EQ(postenText(leiste(), 1, Nach::Position), "&Permutation");
    EXPECT_TRUE(grau(befehlPmtStarten));

    const struct { int befehl; std::function<bool()> an; } schalter[] = {
        {befehlPmtTeilsimulation, [] { return modusStatus & modusBit::Teilsimulation; }},
        {befehlPmtFensterNachFreier, [] { return modusStatus & modusBit::ErgebnisseNachFreier; }},
        {befehlPmtLevelBalken, [] { return permutationsFenster.levelBalkenAnzeigen != 0; }},
        {befehlPmtLevelPruefen, [] { return permutationsFenster.levelPruefen != 0; }},
        {befehlPmtZeigeNummer, [] { return permutationsFenster.zahlenMaske & 1; }},
        {befehlPmtZeigeApAnzahl, [] { return permutationsFenster.zahlenMaske & 2; }},
        {befehlPmtZeigeGuete, [] { return permutationsFenster.zahlenMaske & 4; }},
        {befehlPmtZeigeFrequenzen, [] { return permutationsFenster.zahlenMaske & 8; }},
        {befehlPmtZeigePosition, [] { return permutationsFenster.zahlenMaske & 16; }},
    };
    for (const auto& s : schalter) {
        const bool vorher = s.an();
        EXPECT_EQ(haken(s.befehl), vorher) << s.befehl;
        waehlen(s.befehl);
        EXPECT_NE(s.an(), vorher) << s.befehl;
        EXPECT_EQ(haken(s.befehl), !vorher) << s.befehl;
    }

    simulationsMenueZeigen();
    EXPECT_EQ(leiste(), haupt);
    EXPECT_EQ(fensterhandles.permutationsMenue, nullptr);

    // the definition's menu stands in for it a while
    Menue definition = modusMenueLaden(Modusmenue::Definition);
    ASSERT_NE(definition, nullptr);
    hauptfensterMenueZeigen(definition);
    EXPECT_EQ(postenText(leiste(), befehlPmtDefinitionAbbrechen, Nach::Befehl), "abbrechen");
    ASSERT_TRUE(permutationsMenueZeigen());
    menueZerstoeren(definition);

    // an end in the mode gives the bar back first: both menus are freed (the leak checker
    // of the sanitizer build finds one that is not)
    programmBeenden();
    EXPECT_EQ(fensterhandles.hauptmenue, nullptr);
}

TEST_F(Menues, ModusmenuesInDerSpracheUndKeinesInEinerAnderen)
{
    const struct { int sprache; Modusmenue art; const char* erstes; } faelle[] = {
        {1031, Modusmenue::Permutation, "&Datei"}, {1033, Modusmenue::Permutation, "&File"},
        {1031, Modusmenue::Definition, "Erstellen"}, {1033, Modusmenue::Definition, "create"},
        {1031, Modusmenue::Fortschritt, "Permutation"}, {1033, Modusmenue::Fortschritt, "brute force"},
        {1031, Modusmenue::Interaktiv, "&Skript"}, {1033, Modusmenue::Interaktiv, "&Script"},
        {1031, Modusmenue::Auswertung, "&Datei"}, {1033, Modusmenue::Auswertung, "&File"},
        {1036, Modusmenue::Permutation, nullptr},
    };
    for (const auto& f : faelle) {
        sprache = f.sprache;
        Menue m = modusMenueLaden(f.art);
        EXPECT_EQ(m != nullptr, f.erstes != nullptr) << f.sprache;
        if (m) {
            EXPECT_EQ(postenText(m, 0, Nach::Position), f.erstes) << f.sprache;
        }
        menueZerstoeren(m);
    }
    // without a menu for the language the main window keeps its own
    EXPECT_FALSE(permutationsMenueZeigen());
    EXPECT_EQ(leiste(), fensterhandles.hauptmenue);
    sprache = spracheDeutsch;
}

TEST_F(Menues, SpeichernMitStrgSFragtOhneNamenUndSpeichernUnterImmer)
{
    netz();
    strg('S');
    EXPECT_TRUE(lesen(pfad("netz.gui")).starts_with("[neuronen-netzwerk-datei]"));
    EXPECT_TRUE(pt::dateiWahlLog().empty());

    dateipfade.netzName.clear();
    pt::dateiAntworten({pt::dateiAntwort(pfad("zwei.gui"))});
    strg('S');
    EXPECT_TRUE(lesen(pfad("zwei.gui")).starts_with("[neuronen-netzwerk-datei]"));

    pt::dateiAntworten({pt::dateiAntwort(pfad("drei.gui")), pt::dateiAbbruch()});
    waehlen(befehlGuiDateiSpeichernUnter);
    waehlen(befehlGuiDateiSpeichernUnter);       // cancelled: nothing
    EXPECT_TRUE(std::filesystem::exists(pfad("drei.gui")));
    EXPECT_EQ(dateipfade.vollerPfad, pfad("drei.gui"));
    EXPECT_EQ(pt::dateiWahlLog().size(), 3u);
    for (const auto& w : pt::dateiWahlLog())
        EXPECT_TRUE(w.gefragt.speichern);
}

TEST_F(Menues, DateiSchliessenLeertDasNetzUndSeinenNamen)
{
    netz(2);
    waehlen(befehlDateiSchliessen);
    EXPECT_EQ(neuronKette.anzahl, 0);
    EXPECT_TRUE(dateipfade.netzName.empty() && dateipfade.vollerPfad.empty());
    EXPECT_TRUE(grau(befehlGuiDateiSpeichern));
}

TEST_F(Menues, EinstellungenLadenUndUnterNeuemNamenSpeichern)
{
    std::string text = lesen(ordner + "default.cfg");
    const size_t stelle = text.find("\nzoom faktor=");
    ASSERT_NE(stelle, std::string::npos);
    text.insert(stelle + 1, "zoom faktor=2.500000\r\n");   // found first
    schreiben(pfad("andere.cfg"), text);

    pt::dateiAntworten({pt::dateiAntwort(pfad("andere.cfg"))});
    waehlen(befehlEinstellungenLaden);
    EXPECT_EQ(cfgPfad, pfad("andere.cfg"));
    EXPECT_DOUBLE_EQ(zoomFaktor, 2.5);

    programmOptionen.undoMaximum = 4;
    pt::dateiAntworten({pt::dateiAntwort(pfad("dritte.cfg"))});
    waehlen(befehlEinstellungenSpeichernUnter);
    EXPECT_EQ(cfgPfad, pfad("dritte.cfg"));
    EXPECT_NE(lesen(pfad("dritte.cfg")).find("\r\nmaximale undo anzahl=4\r\n"), std::string::npos);
    EXPECT_EQ(lesen(pfad("andere.cfg")), text);
}

// The letter keys of the diagram windows act on the diagram windows from the main window too.
TEST_F(Menues, FensterbefehleMitIhrenTastenUndDieListe)
{
    netz(2);
    NeuronDaten* a = neuronKette.kopf;
    NeuronDaten* b = a->naechstesNeuron;
    const auto offen = [&] { return (a->hauptDiagramm.fenster ? 1 : 0) + (b->hauptDiagramm.fenster ? 1 : 0); };
    strg('N');
    EXPECT_EQ(offen(), 2);
    strg('F', true);                            // the list stored, then the network saved
    EXPECT_EQ(fensterliste[0].neuronId, a->nummer);
    EXPECT_EQ(fensterliste[1].neuronId, b->nummer);
    EXPECT_EQ(fensterliste[2].neuronId, 0);
    EXPECT_NE(lesen(pfad("netz.gui")).find("fensterliste 2 neuron=2"), std::string::npos);
    strg('N', true);
    EXPECT_EQ(offen(), 0);
    strg('L');
    EXPECT_EQ(offen(), 2);

    neuronMarkieren(b, 1);
    pt::tastenZustandSetzen(tastenStatus::LinksUmschalt, true);
    pt::tasteDruecken(haupt(), 'M');            // Shift alone: only minimise, once
    nachrichtenVerarbeiten();
    pt::tastenZustandSetzen(tastenStatus::LinksUmschalt, false);
    EXPECT_EQ(diagrammOptionen.strgMMinimieren, -1);
    diagrammOptionen.strgMMinimieren = 0;
    strg('M');                                  // the marked neuron's window alone stays
    EXPECT_EQ(std::pair(a->hauptDiagramm.fenster != nullptr, b->hauptDiagramm.fenster != nullptr),
              std::pair(false, true));
    strg('T');
    EXPECT_EQ(protokoll.sichtbar, 0);
}

TEST_F(Menues, BackupVorDemLaufNebenDieDateienUndOhneNamenKeiner)
{
    netz();
    waehlen(befehlBackupVorSimulation);
    pt::tasteDruecken(haupt(), taste::F2);
    nachrichtenVerarbeiten();
    EXPECT_TRUE(programmStatus & programmBit::LaufErgebnisDa);
    EXPECT_TRUE(lesen(pfad("netz.gui.bkp")).starts_with("[neuronen-netzwerk-datei]"));
    EXPECT_TRUE(std::filesystem::exists(pfad("default.cfg.bkp")));
    EXPECT_FALSE(std::filesystem::exists(pfad("netz.gui")));
    EXPECT_EQ(sicherungsOptionen, sicherungBit::An);

    std::filesystem::remove(pfad("netz.gui.bkp"));
    dateipfade.netzName.clear();
    pt::tasteDruecken(haupt(), taste::F2);
    nachrichtenVerarbeiten();
    EXPECT_TRUE(pt::dateiWahlLog().empty());     // no dialog in the middle of a run's start
    EXPECT_FALSE(std::filesystem::exists(pfad("netz.gui.bkp")));
}

TEST_F(Menues, StromreizeZuruecksetzenVergisstDieDateiVorlagen)
{
    netz();
    neuronKette.kopf->stromreize[0].ausDatei = 1;
    waehlen(befehlStromreizeZuruecksetzen);
    EXPECT_EQ(neuronKette.kopf->stromreize[0].ausDatei, 0);
}

// One abort (the diagram's X key asks for it) is meant for the run it came in; the next
// run starts without it, so the rating that tests it is not stopped by an old one.
TEST_F(Menues, EinLaufBeginntOhneFruehereAbbruchanforderung)
{
    netz();
    programmStatus |= programmBit::AbbruchAnforderung;
    pt::tasteDruecken(haupt(), taste::F2);
    nachrichtenVerarbeiten();
    EXPECT_TRUE(programmStatus & programmBit::LaufErgebnisDa);
    EXPECT_FALSE(programmStatus & programmBit::AbbruchAnforderung);
}

// The regular end offers a network read from a file and writes the settings; the option
// to end without saving leaves both alone.
TEST_F(Menues, DasEndeBietetDasGeleseneNetzAnUndSpeichertDieEinstellungen)
{
    const struct { int antwort; bool ohneSpeichern, netzGespeichert, cfgGeschrieben; } faelle[] = {
        {antwort::Ja, false, true, true},
        {antwort::Nein, false, false, true},
        {-1, true, false, false},                // no question
    };
    for (const auto& f : faelle) {
        programmZuruecksetzen();
        std::filesystem::remove_all(ordner);
        ASSERT_TRUE(starten());
        netz();
        ASSERT_TRUE(guiDateiSpeichern(0, nullptr, 1));   // as if it was read from there
        schreiben(pfad("netz.gui"), "alt");
        schreiben(pfad("default.cfg"), "alt");
        programmOptionen.ohneSpeichernBeenden = f.ohneSpeichern ? 1 : 0;
        if (f.antwort >= 0)
            pt::boxAntworten({f.antwort});
        waehlen(befehlProgrammBeenden);
        EXPECT_TRUE(programmEndet());
        ASSERT_EQ(pt::boxLog().size(), f.antwort >= 0 ? 1u : 0u);
        if (f.antwort >= 0) {
            EXPECT_EQ(pt::boxLog()[0].text, "Die Netzwerkdatei\n" + pfad("netz.gui") + "\nvor dem Beenden speichern?");
        }
        EXPECT_EQ(lesen(pfad("netz.gui")) != "alt", f.netzGespeichert) << f.antwort;
        EXPECT_EQ(lesen(pfad("default.cfg")) != "alt", f.cfgGeschrieben) << f.antwort;
    }
}
