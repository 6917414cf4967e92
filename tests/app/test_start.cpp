// tests/app/test_start.cpp - the start: order, texts before windows, classes, menus, the splash
#include "app_hilfe.h"
#include "files/einstellungsdatei.h"
#include "platform/box.h"
#include "platform/menue.h"
#include "platform/steuerelemente.h"
#include "platform/system.h"
#include "resources/vorlagen.h"
#include "server/server.h"
#include <tuple>

using namespace apphilfe;
using Start = AppFall;

TEST_F(Start, OhneMeldungstexteEndetDasProgrammVorJedemFenster)
{
    ordner = programmOrdner("", false);
    pt::boxAntworten({antwort::Ok});
    EXPECT_FALSE(programmStarten("", ordner));
    ASSERT_EQ(pt::boxLog().size(), 1u);
    EXPECT_EQ(pt::boxLog()[0].titel, "Hinweis");
    EXPECT_NE(pt::boxLog()[0].text.find("meldung texte de.txt"), std::string::npos);
    EXPECT_EQ(fensterhandles.hauptfenster, nullptr);
    EXPECT_TRUE(pt::nachrichtenLog().empty());   // no window ever got a message
}

TEST_F(Start, InitialisierungLaeuftInDerReihenfolgeDesAblaufsBisZumHauptfensterMitMenue)
{
    // the settings file comes after the start values and before the splash and the protocol:
    // what a probe in its place saw
    static std::tuple<uint32_t, int, size_t, bool> gesehen;
    gesehen = {};
    startHaken.einstellungenLaden = [] {
        gesehen = {programmStatus, anzeigeboxParameter.anzeigedauer, pt::dialogLog().size(),
                   fensterhandles.protokollfenster != nullptr};
    };
    ASSERT_TRUE(starten());
    EXPECT_EQ(gesehen,
              std::tuple(programmBit::DiagrammeOeffnen | programmBit::StartUnfertig, 2000, 0u, false));

    // the splash came once, and timer 3 closed it after one second
    ASSERT_EQ(pt::dialogLog().size(), 1u);
    EXPECT_EQ(pt::dialogLog()[0].vorlage, vorlageStartbild.nummer);
    EXPECT_TRUE(pt::dialogLog()[0].beendet);
    EXPECT_DOUBLE_EQ(uhrSekunden(), 1.0);
    EXPECT_EQ(pt::zeitgeberPeriode(haupt(), zeitgeber::Startbild), -1.0);

    // afterwards: protocol window, cursors, work area, the start mark gone, no board
    EXPECT_TRUE(istFenster(fensterhandles.protokollfenster));
    EXPECT_NE(cursorMessenZeit, nullptr);
    EXPECT_EQ(std::pair(arbeitsbereichKanten.rechts, arbeitsbereichKanten.unten), std::pair(1920, 1050));
    EXPECT_EQ(programmStatus, programmBit::DiagrammeOeffnen);
    EXPECT_EQ(serverLauf.karteVorhanden, 0);
    EXPECT_TRUE(istSichtbar(haupt()));
    EXPECT_EQ(pt::wartendeNachrichten(), 0u);   // no file to open: no open command

    // the main window with its menu: grey where an item has no code yet, or nothing to act on
    Menue m = fensterhandles.hauptmenue;
    EXPECT_EQ(fensterMenue(haupt()), m);
    EXPECT_EQ(postenText(m, 0, Nach::Position), "&Datei");
    for (int b : {befehlNeuroneKopieren, befehlSimulationAbbrechen, befehlGuiDateiSpeichern})
        EXPECT_TRUE(istGrau(m, b, Nach::Befehl)) << b;
    for (int b : {befehlDateiOeffnen, befehlSimulationStarten, befehlProgrammBeenden, befehlNeuronNeu})
        EXPECT_FALSE(istGrau(m, b, Nach::Befehl)) << b;
}

TEST_F(Start, FrischerStartZeigtDenHinweisFuerEinLeeresNetzBisEtwasAnderesKommt)
{
    ASSERT_TRUE(starten());
    const pt::StatusleisteZustand* leiste = pt::statusleisteZustand(fensterhandles.statusleiste);
    ASSERT_NE(leiste, nullptr);
    ASSERT_EQ(leiste->kanten.size(), 5u);
    EXPECT_EQ(leiste->kanten.back(), -1);
    EXPECT_TRUE(leiste->einfach);
    EXPECT_EQ(statusText(fensterhandles.statusleiste, statusEinfacherTeil),
              "am besten 'ne datei laden, oder eine machen...");
    // the first part text (a run, a new neuron) takes the bar back into its parts
    statusTeilSetzen(0, meldungFormatieren(774, 1));
    EXPECT_FALSE(leiste->einfach);
    EXPECT_EQ(statusText(fensterhandles.statusleiste, 0), "\t1 Neuron");
}

TEST_F(Start, DateiDerBefehlszeileWirdZumSchlussGeoeffnet)
{
    ordner = programmOrdner();
    const std::string datei = ordner + "mein netz.gui";
    schreiben(datei, "[neuronen-netzwerk-datei]\r\nanzahl neurone=1\r\nexistierende Neurone=7 \r\n"
                     "[NEURON 7] ***\r\n[ende NEURON 7] ***\r\n[Dateiende]\r\n");
    ASSERT_TRUE(programmStarten("\"" + datei + "\"", ordner));
    EXPECT_EQ(dateipfade.startDatei + std::to_string(dateipfade.startModus), datei + "1");
    // the open command waits behind the complete start
    EXPECT_EQ(pt::wartendeNachrichten(), 1u);
    EXPECT_FALSE(programmStatus & programmBit::StartUnfertig);
    // it opens the file without asking, once: the menu's open command asks again
    nachrichtenVerarbeiten();
    EXPECT_TRUE(pt::boxLog().empty()) << pt::boxLog().front().text;
    EXPECT_TRUE(pt::dateiWahlLog().empty());
    ASSERT_EQ(neuronKette.anzahl, 1);
    EXPECT_EQ(neuronKette.kopf->nummer, 7);
    EXPECT_EQ(std::tie(dateipfade.vollerPfad, dateipfade.netzName, dateipfade.dateiArt, dateipfade.startModus),
              std::tuple(datei, "mein netz", 1, 0));
    pt::dateiAntworten({pt::dateiAbbruch()});
    befehl(befehlDateiOeffnen);
    EXPECT_EQ(pt::dateiWahlLog().size(), 1u);
    EXPECT_EQ(neuronKette.anzahl, 1);
}

TEST_F(Start, DateiDerBefehlszeileDieSichNichtOeffnenLaesstWirdImHinweisGenannt)
{
    // a path below the program folder (a file with that text, where there is one), and the
    // start of the notice; the path follows it
    const struct { const char* argument; bool darstellbar; const char* anfang; const char* inhalt; } faelle[] = {
        {"gibt es nicht.gui", true, "Die Datei\n", nullptr},
        {"parameter", true, "Die Datei\n", nullptr},   // a folder
        {"netz-?.gui", false, "Der Pfad enth\xE4lt Zeichen, die das Programm nicht speichern kann:\n", nullptr},
        // a network file whose reader finds no block of its neuron
        {"kaputt.gui", true, "",
         "[neuronen-netzwerk-datei]\r\nanzahl neurone=1\r\nexistierende Neurone=7 \r\n[Dateiende]\r\n"},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.argument);
        programmZuruecksetzen();
        if (!ordner.empty())
            std::filesystem::remove_all(ordner);
        ordner = programmOrdner();
        const std::string pfad = ordner + f.argument;
        if (f.inhalt)
            schreiben(pfad, f.inhalt);
        ASSERT_TRUE(programmStarten(pfad, ordner, f.darstellbar));
        pt::unbeantwortetAblehnen(pt::Ablehnen::Nein);
        nachrichtenVerarbeiten();
        ASSERT_GE(pt::boxLog().size(), 1u);
        EXPECT_EQ(pt::boxLog()[0].titel, "Hinweis");
        if (!f.inhalt) {
            // the one box is the refusal: nothing is opened
            EXPECT_EQ(pt::boxLog().size(), 1u);
            EXPECT_EQ(pt::boxLog()[0].text.rfind(f.anfang + pfad + "\n", 0), 0u) << pt::boxLog()[0].text;
        } else {
            EXPECT_NE(pt::boxLog()[0].text.find(pfad), std::string::npos) << pt::boxLog()[0].text;
        }
        // the start goes on empty, and the title says so, not the settings file's path
        EXPECT_EQ(dateipfade.startDatei + std::to_string(dateipfade.startModus), "0");
        EXPECT_EQ(neuronKette.anzahl, 0);
        EXPECT_TRUE(istFenster(haupt()));
        EXPECT_EQ(titel(haupt()), meldungsTexte[1652]);
    }
}

TEST_F(Start, BeendenWaehrendDesStartsEndetIhnSofort)
{
    startHaken.einstellungenLaden = [] { programmBeenden(); };
    EXPECT_FALSE(starten());
    EXPECT_TRUE(pt::dialogLog().empty());               // no splash after the end
    EXPECT_FALSE(istFenster(fensterhandles.hauptfenster));
    EXPECT_EQ(fensterhandles.protokollfenster, nullptr);
    EXPECT_EQ(nachrichtenSchleife(), 1);                 // the quit request waits
}

TEST_F(Start, LiestDefaultCfgOderFragtNachEinerUndSpeichertAufBefehlDorthin)
{
    // the shipped default.cfg is read at the start
    ASSERT_TRUE(starten());
    EXPECT_TRUE(programmStatus & programmBit::EinstellungenGeladen);
    EXPECT_EQ(cfgPfad, ordner + "default.cfg");
    programmOptionen.undoMaximum = 3;
    befehl(befehlEinstellungenSpeichern);
    EXPECT_NE(lesen(ordner + "default.cfg").find("\r\nmaximale undo anzahl=3\r\n"), std::string::npos);

    // without one the open dialog asks; cancelled, the start goes on with its own values
    programmZuruecksetzen();
    std::filesystem::remove_all(ordner);
    ordner = programmOrdner();
    std::filesystem::remove(ordner + "default.cfg");
    pt::dateiAntworten({pt::dateiAbbruch()});
    ASSERT_TRUE(programmStarten("", ordner));
    ASSERT_EQ(pt::dateiWahlLog().size(), 1u);
    EXPECT_EQ(pt::dateiWahlLog()[0].gefragt.titel, "Konfigurationsdatei \xD6" "ffnen");
    EXPECT_FALSE(programmStatus & programmBit::EinstellungenGeladen);
    EXPECT_TRUE(istFenster(haupt()));
}
