// tests/app/test_sprache.cpp - the language by default.cfg and the language command
#include "app_hilfe.h"
#include "app/protokoll.h"
#include "app/sprache.h"
#include "platform/box.h"
#include "platform/menue.h"
#include "platform/steuerelemente.h"
#include <functional>

using namespace plattform;
using namespace apphilfe;
namespace pt = plattform::test;
using Sprache = AppFall;

TEST_F(Sprache, BefehlSchreibtNurDieSprachzeileSagtDassEsNeuStartetUndBeendet)
{
    const std::string zeile = "sprache=1033     // deutsch=1031   english=1033\r\n";
    const struct { const char* was; std::string vorher, nachher; } faelle[] = {
        {"the line replaced", "[programmdefinitionen]\r\nzoom faktor=2.5\r\nsprache=1031\r\nmaximale undo anzahl=7\r\n",
         "[programmdefinitionen]\r\nzoom faktor=2.5\r\n" + zeile + "maximale undo anzahl=7\r\n"},
        {"the line appended", "zoom faktor=2.5", "zoom faktor=2.5\r\n" + zeile},
        {"the file made", "", zeile},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.was);
        programmZuruecksetzen();
        if (!ordner.empty())
            std::filesystem::remove_all(ordner);
        ASSERT_TRUE(starten(f.vorher));
        pt::boxAntworten({antwort::Ok});
        ASSERT_TRUE(pt::menueBefehlWaehlen(haupt(), befehlSpracheEnglisch));
        nachrichtenVerarbeiten();
        EXPECT_EQ(lesen(ordner + "default.cfg"), f.nachher);
        ASSERT_EQ(pt::boxLog().size(), 1u);
        EXPECT_EQ(pt::boxLog()[0].titel, "Hinweis");
        EXPECT_NE(pt::boxLog()[0].text.find("neu starten"), std::string::npos) << pt::boxLog()[0].text;
        EXPECT_TRUE(programmEndet());
        EXPECT_FALSE(istFenster(fensterhandles.hauptfenster));
    }

    // the next start speaks English
    const std::string gleicherOrdner = ordner;
    programmZuruecksetzen();
    ASSERT_TRUE(programmStarten("", gleicherOrdner));
    EXPECT_EQ(postenText(fensterhandles.hauptmenue, 0, Nach::Position), "&File");
}

TEST_F(Sprache, GleicheSpracheTutNichtsUnschreibbareDefaultCfgNenntDenGrund)
{
    ASSERT_TRUE(starten("zoom faktor=2.5"));
    befehl(befehlSpracheDeutsch);
    EXPECT_FALSE(programmEndet());
    EXPECT_EQ(lesen(ordner + "default.cfg"), "zoom faktor=2.5");

    std::filesystem::remove(ordner + "default.cfg");
    std::filesystem::create_directory(ordner + "default.cfg");
    pt::boxAntworten({antwort::Ok});
    befehl(befehlSpracheEnglisch);
    ASSERT_EQ(pt::boxLog().size(), 1u);
    EXPECT_EQ(pt::boxLog()[0].text.rfind("Die Sprache konnte nicht in default.cfg gespeichert werden:\n", 0), 0u)
        << pt::boxLog()[0].text;
    EXPECT_FALSE(programmEndet());            // the program stays
}

TEST_F(Sprache, DefaultCfgWaehltEnglischUndDerRahmenSprichtEnglisch)
{
    ASSERT_TRUE(starten("sprache=1033\r\n"));
    EXPECT_EQ(sprache, spracheEnglisch);
    EXPECT_EQ(postenText(fensterhandles.hauptmenue, 0, Nach::Position), "&File");
    EXPECT_TRUE(istAbgehakt(fensterhandles.hauptmenue, befehlSpracheEnglisch, Nach::Befehl));
    // the remaining-time class carries the English name
    EXPECT_NE(fensterErzeugen(meldungsTexte[14], "", stil::Hauptfenster, 0, 0, 50, 50), nullptr);
    EXPECT_NE(meldungsTexte[14], meldungsTexte.eingebauterText(14));
    EXPECT_EQ(statusText(fensterhandles.statusleiste, statusEinfacherTeil), "best load a file, or make one...");

    // what the frame says, and the box or text it says it in
    const struct { std::function<void()> ausloesen; int antwort; const char* text; } faelle[] = {
        {[this] { befehl(befehlSimulationStarten); }, antwort::Ok, "This function is not available yet."},
        {[this] {
             programmStatus |= programmBit::LaufAktiv;
             befehl(befehlDateiOeffnen);
             programmStatus &= ~programmBit::LaufAktiv;
         },
         antwort::Ok, "That is not possible while a run is in progress."},
        {[this] {
             skriptStatus |= skriptBit::Laeuft;
             befehl(befehlSimulationAbbrechen);
             skriptStatus = 0;
         },
         antwort::Nein, "Cancel the script?"},
        {[this] {
             programmStatus |= programmBit::LaufAktiv;
             senden(haupt(), nachricht::Schliessen);
             programmStatus &= ~programmBit::LaufAktiv;
         },
         antwort::Nein, "A run is still in progress. Stop it and end the program?"},
    };
    for (const auto& f : faelle) {
        const size_t vorher = pt::boxLog().size();
        pt::boxAntworten({f.antwort});
        f.ausloesen();
        ASSERT_EQ(pt::boxLog().size(), vorher + 1) << f.text;
        EXPECT_EQ(pt::boxLog().back().text, f.text);
    }
    // "No" to a close or an abort: nothing stopped, nothing waits, the window stays
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
              "The chosen language applies from the next start.\nThe program ends now; please start it again.");
    EXPECT_TRUE(programmEndet());
}
