// tests/script/test_skriptneurone.cpp - neurons the loaded script names, deleted before or during its run
#include "skript_hilfe.h"
#include "script/ausfuehrung.h"
#include "model/parameter.h"

namespace {
using namespace skripttest;

// Motor fires at 0.0125 and 0.1 s; the run loeschenBei names deletes it afterwards
int laeufe = 0, loeschenBei = 0;
void laufAttrappe()
{
    NeuronDaten* motor = neuronNachNummer(2);
    motor->spikeZeiten = {0.0125f, 0.1f};
    motor->apAnzahl = 2;
    if (++laeufe == loeschenBei) {
        neuronFreigeben(motor);
        --neuronKette.anzahl;
    }
}

struct SkriptNeuronFall : SkriptFall {
    void SetUp() override
    {
        SkriptFall::SetUp();
        dateipfade.netzName = "netz";
        dateipfade.dokumentVerzeichnis = ordner;
        dateipfade.ergebnisVerzeichnis.clear();
        dateipfade.vollerPfad.clear();
        skriptMeldungenAnzeigen = 0;
        skriptLaufHaken = laufAttrappe;
        laeufe = loeschenBei = 0;
    }
    void TearDown() override
    {
        skriptLaufHaken = nullptr;
        SkriptFall::TearDown();
    }
    // the series script with Motor as result neuron: AP times in a table, or curve values in a BIN file
    std::string apSkript()
    {
        std::string t = text();
        t.replace(t.find("ERG=W  BIN="), 11, "APS=");
        t.erase(t.find(" EKU=1 EKU=3"), 12);
        return t;
    }
    static void motorLoeschen()
    {
        neuronFreigeben(neuronNachNummer(2));
        --neuronKette.anzahl;
    }
};

const std::string fehltText = "das neuron nummer 2, das das skript nennt, gibt es nicht mehr, skript-bearbeitung wird beendet";

// deleted between the load and 40038: nothing starts, one message names it, the script stays
TEST_F(SkriptNeuronFall, GeloeschtesErgebnisneuronVorDemLaufBeendetMitSeinerNummerUndDasSkriptBleibt)
{
    struct Fall { std::string skript; const char* name; };
    const Fall faelle[] = {{apSkript(), "APS"},
                           {"SDAUER=0,2 SAUFLOESUNG=0,0001 SELSYNDELAY=OHNE ENEURON=1\nSPI=2 BNE=Motor BED=2\n"
                            "SCHLEIFE1=5\nNEU=1 SRU=-0,07 STEP=0,002 OPTIMIEREN=\nWIEDERHOLEN1=\n",
                            "BNE"}};
    for (const Fall& f : faelle) {
        ASSERT_EQ(laden(f.skript), 1) << f.name;
        const size_t anweisungen = skript.anweisungen.size();
        motorLoeschen();
        pt::boxAntworten({1});
        EXPECT_EQ(skriptAusfuehren(skript, 1), 0) << f.name;
        ASSERT_EQ(pt::boxLog().size(), 1u) << f.name;
        EXPECT_EQ(pt::boxLog()[0].text, fehltText);
        EXPECT_EQ(laeufe, 0);
        EXPECT_TRUE(skriptStatus & skriptBit::Geladen) << f.name;
        EXPECT_EQ(skript.anweisungen.size(), anweisungen);
        TearDown();
        SetUp();
    }
}

// deleted by the first run: the walk ends with the message before any result is written
TEST_F(SkriptNeuronFall, ImLaufGeloeschtesErgebnisneuronBeendetDenGangOhneSeinenSpeicher)
{
    const std::string skripte[] = {apSkript(), text()};
    for (const std::string& t : skripte) {
        ASSERT_EQ(laden(t), 1);
        loeschenBei = 1;
        pt::dateiAntworten({pt::dateiAntwort(ordner + "erg.bin")});
        pt::boxAntworten({1, 1, 1, 1});   // the missing neuron, then the reload's
        skriptAusfuehren(skript, 1);
        EXPECT_EQ(laeufe, 1);
        ASSERT_FALSE(pt::boxLog().empty());
        EXPECT_EQ(pt::boxLog()[0].text, fehltText);
        TearDown();
        SetUp();
    }
}

} // namespace
