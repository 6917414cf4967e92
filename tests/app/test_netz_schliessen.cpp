// tests/app/test_netz_schliessen.cpp - the commands that close or replace the network offer
// to save it first, and Cancel keeps it as it was
#include "app_hilfe.h"
#include "core/rahmen.h"
#include "files/netzdatei.h"
#include "platform/box.h"
#include "platform/dialog.h"
#include "resources/auswertungsmenue.h"
#include "script/auswertung.h"

using namespace apphilfe;

namespace {

struct NetzSchliessen : AppFall {
    std::string netzPfad, gespeichert;

    void SetUp() override
    {
        AppFall::SetUp();
        ASSERT_TRUE(starten());
        schreiben(ordner + "andere.gui", "[neuronen-netzwerk-datei]\nanzahl neurone=1\nexistierende Neurone=7 \n"
                                         "[NEURON 7] ***\n[ende NEURON 7] ***\n[Dateiende]\n");
    }
    void TearDown() override
    {
        auswertungAbbauen();
        skriptStatus = 0;
        AppFall::TearDown();
    }

    // two neurons saved in netze/netz.gui, then a third added: the network was changed
    void geaendertesNetz()
    {
        netzLoeschen();
        std::filesystem::create_directories(ordner + "netze");
        laufbaresNetz(2, ordner + "netze/");
        dateipfade.endung = "gui";
        ASSERT_TRUE(guiDateiSpeichern(0, nullptr, 1));
        netzPfad = dateipfade.vollerPfad;
        gespeichert = lesen(netzPfad);
        NeuronFall::neu(3)->name = "Neu";
    }
    // the boxes since ab: their texts and whether each had a Cancel
    std::vector<std::pair<std::string, bool>> boxenAb(size_t ab) const
    {
        std::vector<std::pair<std::string, bool>> b;
        for (size_t i = ab; i < pt::boxLog().size(); ++i)
            b.emplace_back(pt::boxLog()[i].text, (pt::boxLog()[i].art & 0xF) == knoepfe::JaNeinAbbrechen);
        return b;
    }
};

} // namespace

TEST_F(NetzSchliessen, SchliessenUndOeffnenBietenDasGeaenderteNetzAnAbbrechenBehaeltEs)
{
    const struct {
        int befehl, antwort;
        bool ordnerWeg;                 // the network's file is gone: offered as one without a file,
                                        // and Yes saves into a folder that is not there
        std::vector<int> nachher;       // {1, 2, 3}: the network kept
        bool dateiNeu;                  // the network's file holds neuron 3 afterwards
    } faelle[] = {
        {befehlDateiSchliessen, antwort::Abbrechen, false, {1, 2, 3}, false},
        {befehlDateiSchliessen, antwort::Nein, false, {}, false},
        {befehlDateiSchliessen, antwort::Ja, false, {}, true},
        {befehlDateiSchliessen, antwort::Ja, true, {1, 2, 3}, false},
        {befehlDateiOeffnen, antwort::Abbrechen, false, {1, 2, 3}, false},
        {befehlDateiOeffnen, antwort::Nein, false, {7}, false},
        {befehlDateiOeffnen, antwort::Ja, false, {7}, true},
        {befehlDateiOeffnen, antwort::Ja, true, {1, 2, 3}, false},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(std::to_string(f.befehl) + " answered " + std::to_string(f.antwort) + (f.ordnerWeg ? ", folder gone" : ""));
        geaendertesNetz();
        if (f.ordnerWeg)
            std::filesystem::remove_all(ordner + "netze");
        const size_t ab = pt::boxLog().size();
        if (f.befehl == befehlDateiOeffnen)
            pt::dateiAntworten({pt::dateiAntwort(ordner + "andere.gui")});
        pt::boxAntworten({f.antwort});
        if (f.ordnerWeg) {
            pt::dateiAntworten({pt::dateiAntwort(ordner + "netze/netz.gui")});
            pt::boxAntworten({antwort::Ok});
        }
        ASSERT_TRUE(pt::menueBefehlWaehlen(haupt(), f.befehl));
        nachrichtenVerarbeiten();

        const auto boxen = boxenAb(ab);
        ASSERT_EQ(boxen.size(), f.ordnerWeg ? 2u : 1u);
        EXPECT_EQ(boxen[0], std::pair(f.ordnerWeg ? meldungsTexte[803] : meldungFormatieren(802, netzPfad), true));
        EXPECT_EQ(NeuronFall::nummern(), f.nachher);
        if (f.nachher.size() == 3) {
            // kept as it was: names, path and title
            EXPECT_EQ(neuronNachNummer(3)->name, "Neu");
            EXPECT_EQ(std::tuple(dateipfade.vollerPfad, titel(haupt())), std::tuple(netzPfad, netzPfad));
        }
        if (!f.ordnerWeg) {
            EXPECT_EQ(lesen(netzPfad) == gespeichert, !f.dateiNeu);
            EXPECT_EQ(lesen(netzPfad).find("[NEURON 3]") != std::string::npos, f.dateiNeu);
        }
    }
}

// A network that was never saved is offered too, and its save asks for a name: the name the
// settings left from an earlier network is not where this one goes.
TEST_F(NetzSchliessen, EinNieGespeichertesNetzWirdUnterEinemErfragtenNamenGespeichert)
{
    NeuronFall::neu(1);
    dateipfade.dokumentVerzeichnis = ordner.substr(0, ordner.size() - 1);
    dateipfade.netzName = "vorher";
    dateipfade.endung = "gui";
    pt::boxAntworten({antwort::Ja});
    pt::dateiAntworten({pt::dateiAbbruch()});
    befehl(befehlDateiSchliessen);
    EXPECT_EQ(NeuronFall::nummern(), std::vector{1});       // the save dialog cancelled: kept

    pt::boxAntworten({antwort::Ja});
    pt::dateiAntworten({pt::dateiAntwort(ordner + "neu.gui")});
    befehl(befehlDateiSchliessen);
    EXPECT_EQ(boxenAb(0), (std::vector{std::pair(meldungsTexte[803], true), std::pair(meldungsTexte[803], true)}));
    EXPECT_EQ(pt::dateiWahlLog().size(), 2u);
    EXPECT_TRUE(NeuronFall::nummern().empty());
    EXPECT_TRUE(lesen(ordner + "neu.gui").starts_with("[neuronen-netzwerk-datei]"));
    EXPECT_FALSE(std::filesystem::exists(ordner + "vorher.gui"));
}

// The evaluation mode's "aktuelle datei schliessen?" goes on to the offer; Cancel there ends
// the command before it asks for the result file.
TEST_F(NetzSchliessen, ErgebnisdateiOeffnenEndetBeiAbgebrochenemAngebotMitDemNetz)
{
    geaendertesNetz();
    befehl(befehlAuswertemodus);
    ASSERT_TRUE(istFenster(auswertungsfenster.fenster));
    const size_t wahlen = pt::dateiWahlLog().size();
    pt::boxAntworten({antwort::Ja, antwort::Abbrechen});
    ASSERT_TRUE(pt::menueBefehlWaehlen(auswertungsfenster.fenster, auswertungBefehlDateiOeffnen));
    nachrichtenVerarbeiten();
    EXPECT_EQ(boxenAb(0), (std::vector{std::pair(std::string("aktuelle datei schliessen?"), false),
                                       std::pair(meldungFormatieren(802, netzPfad), true)}));
    EXPECT_EQ(pt::dateiWahlLog().size(), wahlen);
    EXPECT_EQ(std::tuple(NeuronFall::nummern(), dateipfade.vollerPfad), std::tuple(std::vector{1, 2, 3}, netzPfad));
    EXPECT_FALSE(skriptStatus & skriptBit::AuswertungsdatenDa);
}

// The one function that closes the network says what happened: Cancel keeps it (Abgelehnt),
// a Yes whose save cannot be written keeps it too (Fehlgeschlagen), No closes it; without
// the offer it goes at once, with no box.
TEST_F(NetzSchliessen, NetzSchliessenSagtWasGeschah)
{
    const struct {
        SpeichernAngebot angebot;
        int antwort;
        bool ordnerWeg;
        Schliessen ergebnis;
        size_t boxen;
    } faelle[] = {
        {SpeichernAngebot::Fragen, antwort::Abbrechen, false, Schliessen::Abgelehnt, 1},
        {SpeichernAngebot::Fragen, antwort::Ja, true, Schliessen::Fehlgeschlagen, 2},
        {SpeichernAngebot::Fragen, antwort::Nein, false, Schliessen::Geschlossen, 1},
        {SpeichernAngebot::Ohne, 0, false, Schliessen::Geschlossen, 0},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(static_cast<int>(f.ergebnis));
        geaendertesNetz();
        if (f.ordnerWeg)
            std::filesystem::remove_all(ordner + "netze");
        const size_t ab = pt::boxLog().size();
        if (f.antwort)
            pt::boxAntworten({f.antwort});
        if (f.ordnerWeg) {
            pt::dateiAntworten({pt::dateiAntwort(ordner + "netze/netz.gui")});
            pt::boxAntworten({antwort::Ok});
        }
        EXPECT_EQ(netzSchliessen(f.angebot), f.ergebnis);
        EXPECT_EQ(pt::boxLog().size() - ab, f.boxen);
        const bool geschlossen = f.ergebnis == Schliessen::Geschlossen;
        EXPECT_EQ(NeuronFall::nummern().empty(), geschlossen);
        EXPECT_EQ(dateipfade.vollerPfad.empty(), geschlossen);
        EXPECT_EQ(titel(haupt()), geschlossen ? std::string("unbenannt") : netzPfad);
    }
}

// "aktuelle datei schliessen?" with Yes, then Yes at the offer and a save that fails: the
// network stays and the command ends before it asks for the result file.
TEST_F(NetzSchliessen, ErgebnisdateiOeffnenEndetWennDasSpeichernFehlschlaegt)
{
    geaendertesNetz();
    std::filesystem::remove_all(ordner + "netze");
    befehl(befehlAuswertemodus);
    const size_t wahlen = pt::dateiWahlLog().size();
    pt::boxAntworten({antwort::Ja, antwort::Ja, antwort::Ok});
    pt::dateiAntworten({pt::dateiAntwort(ordner + "netze/netz.gui")});
    ASSERT_TRUE(pt::menueBefehlWaehlen(auswertungsfenster.fenster, auswertungBefehlDateiOeffnen));
    nachrichtenVerarbeiten();
    EXPECT_EQ(pt::offeneBoxAntworten(), 0u);
    EXPECT_EQ(pt::dateiWahlLog().size(), wahlen + 1);     // the save's dialog only
    EXPECT_EQ(NeuronFall::nummern(), (std::vector{1, 2, 3}));
    EXPECT_FALSE(skriptStatus & skriptBit::AuswertungsdatenDa);
}

// The offer came at every open, close and end, also for a network just saved, and users
// learned to answer it without reading. A network whose save would write the bytes its file
// holds goes without a box (the end still writes the settings); one whose file differs, holds
// those bytes and more, or cannot be read is offered as before. A loaded script's values
// (its PSP measurement and threshold) are in the network only while the script is there: a
// save would write the user's, so those are what the file is compared with.
TEST_F(NetzSchliessen, NurEinNetzDasSeineDateiNichtIstWirdAngeboten)
{
    enum Datei { Gleich, Anders, Laenger, Unlesbar };
    const struct {
        int befehl;
        Datei datei;
        int antwort;                    // 0: no box
        std::vector<int> nachher;
        bool skript = false;            // a script that sets the load values is loaded after the save
    } faelle[] = {
        {befehlDateiSchliessen, Gleich, 0, {}},
        {befehlDateiOeffnen, Gleich, 0, {7}},
        {befehlDateiSchliessen, Anders, antwort::Nein, {}},
        {befehlDateiSchliessen, Laenger, antwort::Nein, {}},
        {befehlDateiOeffnen, Unlesbar, antwort::Nein, {7}},
        {befehlProgrammBeenden, Anders, antwort::Abbrechen, {1, 2, 3}},
        {befehlDateiSchliessen, Gleich, 0, {}, true},
        {befehlDateiSchliessen, Anders, antwort::Nein, {}, true},
        {befehlProgrammBeenden, Gleich, 0, {}},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(std::to_string(f.befehl) + " file " + std::to_string(f.datei) + (f.skript ? " with script" : ""));
        geaendertesNetz();
        if (f.skript) {
            // laid out as the user's diagrams are: the load lays out any that are not
            for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron)
                rahmen::diagrammFensterOeffnen(n);
            skriptMeldungenAnzeigen = 0;
        }
        ASSERT_TRUE(guiDateiSpeichern(0, nullptr, 1));   // neuron 3 saved too
        const std::string datei = lesen(netzPfad);
        if (f.skript) {
            std::string vorher;
            ASSERT_TRUE(netzDateiText(vorher));
            schreiben(ordner + "s.skr", "SDAUER=0,02  SAUFLOESUNG=0,0001  SELSYNDELAY=OHNE\r\n"
                                        "NEU=1 PSP=1 PSS=-0,05 NAC=8\r\nERG=A ENEURON=2\r\nSIM=\r\n");
            pt::dateiAntworten({pt::dateiAntwort(ordner + "s.skr")});
            befehl(befehlSkriptLaden);
            nachrichtenVerarbeiten();
            ASSERT_TRUE(skriptStatus & skriptBit::Geladen);
            std::string mitSkript;
            ASSERT_TRUE(netzDateiText(mitSkript));
            ASSERT_NE(mitSkript, vorher);   // the script's values are in the network now
        }
        if (f.datei == Anders)
            schreiben(netzPfad, gespeichert);           // the file as it was before neuron 3
        if (f.datei == Laenger)
            schreiben(netzPfad, datei + "\r\n");        // the network's bytes, and more
        if (f.datei == Unlesbar) {
            std::filesystem::remove(netzPfad);
            std::filesystem::create_directory(netzPfad);
        }
        std::filesystem::remove(ordner + "default.cfg");
        const size_t ab = pt::boxLog().size();
        if (f.befehl == befehlDateiOeffnen)
            pt::dateiAntworten({pt::dateiAntwort(ordner + "andere.gui")});
        if (f.antwort)
            pt::boxAntworten({f.antwort});
        ASSERT_TRUE(pt::menueBefehlWaehlen(haupt(), f.befehl));
        nachrichtenVerarbeiten();

        const auto boxen = boxenAb(ab);
        ASSERT_EQ(boxen.size(), f.antwort ? 1u : 0u) << (boxen.empty() ? std::string() : boxen.front().first);
        if (f.antwort)
            EXPECT_TRUE(istSpeicherAngebot(boxen[0].first)) << boxen[0].first;
        EXPECT_EQ(NeuronFall::nummern(), f.nachher);
        if (f.datei == Gleich)
            EXPECT_EQ(lesen(netzPfad), datei);
        if (f.datei == Unlesbar)
            std::filesystem::remove(netzPfad);
        if (f.befehl == befehlProgrammBeenden) {
            EXPECT_EQ(programmEndet(), f.antwort == 0);
            EXPECT_EQ(std::filesystem::exists(ordner + "default.cfg"), f.antwort == 0);   // the end's settings
        }
        if (f.skript) {
            befehl(befehlSkriptSchliessen);
            nachrichtenVerarbeiten();
        }
    }
}
