// tests/app/test_sprache.cpp - the language by default.cfg and the language command
#include "app_hilfe.h"
#include "app/protokoll.h"
#include "files/netzdatei.h"
#include "platform/box.h"
#include "platform/menue.h"
#include "platform/steuerelemente.h"
#include <vector>

using namespace apphilfe;
using Sprache = AppFall;

namespace {
// The standard types and parameters of the shipped default.cfg: without them a settings
// file raises the repair notices of its standard blocks.
std::string bloecke()
{
    const std::string t = lesen(ausgelieferteTexte() + "default.cfg");
    const size_t a = t.find("synapsentypen-parameter"), e = t.find("neuron 0 name=");
    return t.substr(a, e - a);
}
} // namespace

TEST_F(Sprache, BefehlSchreibtNurDieSprachzeileSagtDassEsNeuStartetUndBeendet)
{
    const std::string zeile = "sprache=1033     // deutsch=1031   english=1033\r\n";
    const std::string b = bloecke();
    const struct { const char* was; std::string vorher, nachher; } faelle[] = {
        {"the line replaced", b + "zoom faktor=2.5\r\nsprache=1031\r\nundo=7\r\n",
         b + "zoom faktor=2.5\r\n" + zeile + "undo=7\r\n"},
        {"the line appended", b + "zoom faktor=2.5", b + "zoom faktor=2.5\r\n" + zeile},
        {"the file made", "", zeile},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.was);
        programmZuruecksetzen();
        if (!ordner.empty())
            std::filesystem::remove_all(ordner);
        ASSERT_TRUE(starten(f.vorher));
        if (f.vorher.empty())   // the shipped one was read: gone since
            std::filesystem::remove(ordner + "default.cfg");
        pt::boxAntworten({antwort::Ok});
        ASSERT_TRUE(pt::menueBefehlWaehlen(haupt(), befehlSpracheEnglisch));
        nachrichtenVerarbeiten();
        EXPECT_EQ(lesen(ordner + "default.cfg"), f.nachher);
        ASSERT_EQ(pt::boxLog().size(), 1u);
        EXPECT_EQ(pt::boxLog()[0].titel, "Hinweis");
        EXPECT_NE(pt::boxLog()[0].text.find("neu starten"), std::string::npos) << pt::boxLog()[0].text;
        EXPECT_TRUE(programmEndet());
        if (&f != &faelle[0])
            continue;
        // the next start in that folder speaks English
        const std::string gleicherOrdner = ordner;
        programmZuruecksetzen();
        ASSERT_TRUE(programmStarten("", gleicherOrdner));
        EXPECT_EQ(postenText(fensterhandles.hauptmenue, 0, Nach::Position), "&File");
    }
}

TEST_F(Sprache, GleicheSpracheTutNichtsUnschreibbareDefaultCfgNenntDenGrund)
{
    ASSERT_TRUE(starten(bloecke() + "zoom faktor=2.5"));
    befehl(befehlSpracheDeutsch);
    EXPECT_FALSE(programmEndet());
    EXPECT_EQ(lesen(ordner + "default.cfg"), bloecke() + "zoom faktor=2.5");

    std::filesystem::remove(ordner + "default.cfg");
    std::filesystem::create_directory(ordner + "default.cfg");
    pt::boxAntworten({antwort::Ok});
    befehl(befehlSpracheEnglisch);
    ASSERT_EQ(pt::boxLog().size(), 1u);
    EXPECT_EQ(pt::boxLog()[0].text, meldungFormatieren(890, systemGrund(EISDIR)));   // the reason as every notice says it
    EXPECT_FALSE(programmEndet());            // the program stays
}

TEST_F(Sprache, ImEnglischenSprichtAuchDerRahmenEnglisch)
{
    ASSERT_TRUE(starten(bloecke() + "sprache=1033     // deutsch=1031   english=1033\r\n"));   // as the command writes it
    EXPECT_EQ(sprache, spracheEnglisch);
    EXPECT_EQ(postenText(fensterhandles.hauptmenue, 0, Nach::Position), "&File");
    EXPECT_TRUE(istAbgehakt(fensterhandles.hauptmenue, befehlSpracheEnglisch, Nach::Befehl));
    // the remaining-time class carries the English name
    EXPECT_NE(fensterErzeugen(meldungsTexte[14], "", stil::Hauptfenster, 0, 0, 50, 50), nullptr);
    EXPECT_NE(meldungsTexte[14], meldungsTexte.eingebauterText(14));
    EXPECT_EQ(statusText(fensterhandles.statusleiste, statusEinfacherTeil),
              "best load a file, or make one...");

    // what the frame says in its boxes: a network command and a close in a run, the abort
    // of a script (a run without a network asks for a file first, and the user cancels)
    pt::boxAntworten({antwort::Ok, antwort::Nein, antwort::Nein});
    pt::dateiAntworten({pt::dateiAbbruch()});
    befehl(befehlSimulationStarten);
    programmStatus |= programmBit::LaufAktiv;
    befehl(befehlDateiOeffnen);
    senden(haupt(), nachricht::Schliessen);
    programmStatus &= ~programmBit::LaufAktiv;
    skriptStatus |= skriptBit::Laeuft;
    befehl(befehlSimulationAbbrechen);
    skriptStatus = 0;
    std::vector<std::string> texte;
    for (const pt::BoxEintrag& b : pt::boxLog())
        texte.push_back(b.text);
    EXPECT_EQ(texte, (std::vector<std::string>{"That is not possible while a run is in progress.",
                                               "A run is still in progress. Stop it and end the program?",
                                               "Cancel the script?"}));
    // "No" to the close and the abort: nothing stopped, nothing waits, the window stays
    EXPECT_EQ(laufZustand.abbrechen + aufgeschobeneBefehle(), 0u);
    EXPECT_TRUE(istFenster(haupt()));

    // the info-box time asks in English, the protocol's own window is titled so
    pt::dialogSkript(146, {pt::schritt::klicken(2)});
    befehl(befehlAnzeigedauerInfobox);
    EXPECT_EQ(eingabeParameter.titel + "|" + eingabeParameter.eingabeBeschriftung,
              "Display time of the info box|Milliseconds:");
    protokollEinbetten(0);
    EXPECT_EQ(titel(protokoll.eigenesFenster), "Protocol");

    // and the language command says in English that the program ends
    pt::boxAntworten({antwort::Ok});
    befehl(befehlSpracheDeutsch);
    EXPECT_EQ(pt::boxLog().back().text,
              "The chosen language applies from the next start.\n"
              "The program ends now; please start it again.");
    EXPECT_TRUE(programmEndet());
}

// The end the command starts may be refused: the offer to save the network cancelled, its
// save failed, a run kept, or a run stopped and the offer cancelled afterwards. The program
// stays German and default.cfg holds what it held before (nothing, when there was none;
// only the line back, when the settings were written meanwhile). The command works again.
TEST_F(Sprache, EinAbgelehntesEndeLaesstSpracheUndDefaultCfgWieVorher)
{
    const struct {
        const char* was;
        bool lauf, ordnerWeg, ohneDatei, zwischendurch;
        std::vector<int> antworten, nachDemLauf;
    } faelle[] = {
        {"the offer cancelled", false, false, false, false, {antwort::Abbrechen}, {}},
        {"the save failed", false, true, false, false, {antwort::Ja, antwort::Ok}, {}},
        {"the run kept", true, false, false, false, {antwort::Nein}, {}},
        {"the offer cancelled after the run, no file before", true, false, true, false, {antwort::Ja},
         {antwort::Abbrechen}},
        {"the settings written meanwhile", true, false, false, true, {antwort::Ja}, {antwort::Abbrechen}},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.was);
        programmZuruecksetzen();
        NeuronFall::leeren();                  // the network of a program that stayed
        if (!ordner.empty())
            std::filesystem::remove_all(ordner);
        ASSERT_TRUE(starten(bloecke() + "sprache=1031\r\nzoom faktor=2.5\r\n"));
        std::filesystem::create_directory(ordner + "netze");
        laufbaresNetz(2, ordner + "netze/");
        dateipfade.endung = "gui";
        ASSERT_TRUE(guiDateiSpeichern(0, nullptr, 1));
        neuronNachNummer(2)->name = "bearbeitet";   // since the save: the end offers it
        const std::string cfg = ordner + "default.cfg";
        if (f.ohneDatei)
            std::filesystem::remove(cfg);
        if (f.ordnerWeg)
            std::filesystem::remove_all(ordner + "netze");
        const std::string vorher = f.ohneDatei ? "" : lesen(cfg);
        if (f.lauf)
            programmStatus |= programmBit::LaufAktiv;

        pt::boxAntworten({antwort::Ok});
        for (int a : f.antworten)
            pt::boxAntworten({a});
        befehl(befehlSpracheEnglisch);
        std::string erwartet = vorher;
        if (f.lauf) {
            programmStatus &= ~programmBit::LaufAktiv;
            if (f.zwischendurch) {
                // a settings save while the run stopped wrote the new language with others
                const size_t p = vorher.find("\nsprache=") + 1;
                const std::string alte = vorher.substr(p, vorher.find("\r\n", p) - p);
                schreiben(cfg, "x=1\r\nsprache=1033\r\ny=2\r\n");
                erwartet = "x=1\r\n" + alte + "\r\ny=2\r\n";
            }
            for (int a : f.nachDemLauf)
                pt::boxAntworten({a});
            pt::uhrVorstellen(200);
            nachrichtenVerarbeiten();
        }
        EXPECT_EQ(pt::offeneBoxAntworten(), 0u);
        EXPECT_FALSE(programmEndet());
        EXPECT_EQ(sprache, spracheDeutsch);
        EXPECT_EQ(std::filesystem::exists(cfg), !f.ohneDatei);
        if (!f.ohneDatei) {
            EXPECT_EQ(lesen(cfg), erwartet);
        }
        if (&f != &faelle[0])
            continue;
        // asked again, the end goes on: the next start is English
        pt::boxAntworten({antwort::Ok, antwort::Nein});
        befehl(befehlSpracheEnglisch);
        EXPECT_TRUE(programmEndet());
        EXPECT_NE(lesen(cfg).find("\nsprache=1033 "), std::string::npos);
    }
}
