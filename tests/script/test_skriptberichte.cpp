// tests/script/test_skriptberichte.cpp - the statement reports of the script walk, the
// statements without an action, the channel kept by number and the DAT files of a script run
#include "skript_hilfe.h"
#include "script/anweisungsbericht.h"
#include "script/ausfuehrung.h"
#include "core/skriptwerte.h"
#include "files/kurvendatei.h"
#include "model/laufhaken.h"
#include "platform/pfad.h"
#include "texts/texte.h"
#include "rahmen_attrappe.h"
#include <cstring>
#include <fstream>

namespace {
using namespace skripttest;

std::string lesen(const std::string& pfad)
{
    std::ifstream f(pfad, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), {}};
}

std::tm uhr()
{
    std::tm t{};
    t.tm_year = 131, t.tm_mon = 10, t.tm_mday = 4, t.tm_hour = 21, t.tm_min = 5, t.tm_sec = 9;
    return t;
}

int laeufe = 0;
void (*beimLauf)(int lauf) = nullptr;

struct BerichtFall : SkriptFall {
    void SetUp() override
    {
        SkriptFall::SetUp();
        laeufe = 0;
        beimLauf = nullptr;
        skriptLaufHaken = [] {
            if (beimLauf)
                beimLauf(++laeufe);
        };
        laufHaken.ortszeit = uhr;
        dateipfade.netzName = "netz";
        dateipfade.dokumentVerzeichnis = ordner;
        dateipfade.ergebnisVerzeichnis.clear();
        skriptMeldungenAnzeigen = 0;
    }
    void TearDown() override
    {
        skriptLaufHaken = nullptr;
        laufHaken = {};
        SkriptFall::TearDown();
    }
    // the script loaded with statement logging on
    void protokolliertLaden(const std::string& t)
    {
        ASSERT_EQ(laden(t), 1);
        skript.anweisungenProtokollieren = 1;
    }
};

const std::string kopf = "SDAUER=0,2 SAUFLOESUNG=0,0001 SELSYNDELAY=OHNE ENEURON=2\n";

// with statement logging on each statement leaves its line in the log, with the value it applied
TEST_F(BerichtFall, JedeAnweisungSchreibtIhreZeileInsLog)
{
    std::string t = text();
    t.replace(t.find("ERG=W  BIN="), 11, "APS=");
    t.erase(t.find(" EKU=1 EKU=3"), 12);
    protokolliertLaden(t);
    ASSERT_EQ(skriptAusfuehren(skript, 1), 1);
    const std::string log = lesen("!   skript.log");
    for (const char* zeile : {
             "neuron 1 (Sensor links) als aktuelles objekt definieren\r\n",
             "stromreiz in neuron Sensor links, kompartiment 1 als aktuelles objekt definieren\r\n",
             "stromreiz in neuron Sensor links, kompartiment 1 beginn = 0.010000\r\n",
             "stromreiz in neuron Sensor links, kompartiment 1 dach-zeit = 0.050000\r\n",
             "stromreiz in neuron Sensor links, kompartiment 1 amplitude = 1e-09\r\n",
             "stromreiz in neuron Sensor links segment Soma erzeugen\r\n",
             "04.11.31 21:05:09: simulation starten\r\n",
             "schleife 1, lauf 1 von 3\r\n",
             "schleife 2, lauf 1 von 4\r\n",
             "synapse 1 von Sensor links auf Motor als aktuelles objekt definieren\r\n",
             "synapse 1 von Sensor links auf Motor leitfaehigkeit = 5e-09\r\n",
             "synapse ID: 1 von neuron Sensor links updaten\r\n",
             "stromreiz in neuron Sensor links, kompartiment 1 amplitude = 5e-10\r\n",
             "neuron Motor, soma-ruhepotential = -0.075000\r\n"})
        EXPECT_NE(log.find(zeile), std::string::npos) << zeile;
    // WIEDERHOLEN and SIM empty the buffer: no line of their own
    EXPECT_EQ(log.find("\r\n\r\n"), std::string::npos);
}

// the question box offers each report; No switches the messages off, Cancel ends the walk
TEST_F(BerichtFall, DieFrageboxBietetJedenBerichtAn)
{
    // No: the messages stay off, also at the reload; Cancel: the reload reports the load
    struct { int antwort; size_t laeufe; const char* ende; bool ladeBox; } faelle[] = {
        {7, 5, " beendet\r\n", false}, {2, 0, "abgebrochen\r\n", true}};
    for (const auto& f : faelle) {
        protokolliertLaden(kopf + "SCHLEIFE1=5\nNEU=Motor SRU=-0,07 STEP=0,001\nWIEDERHOLEN1=\n");
        skriptMeldungenAnzeigen = 1;
        laeufe = 0;
        beimLauf = [](int) {};
        const size_t vorher = pt::boxLog().size();
        // seven header lines, the SCHLEIFE's report, then the answer to the NEU's
        pt::boxAntworten({6, 6, 6, 6, 6, 6, 6, 6, f.antwort});
        if (f.ladeBox)
            pt::boxAntworten({1});
        EXPECT_EQ(skriptAusfuehren(skript, 1), 1);
        EXPECT_EQ(static_cast<size_t>(laeufe), f.laeufe);
        ASSERT_GT(pt::boxLog().size(), vorher + 8);
        EXPECT_EQ(pt::boxLog()[vorher + 7].text, "schleife 1, lauf 1 von 5\n\nweitere meldungen anzeigen?");
        EXPECT_EQ(pt::boxLog()[vorher + 8].text.rfind("neuron 2 (Motor) als aktuelles objekt definieren", 0), 0u);
        const std::string log = lesen("!   skript.log");
        EXPECT_EQ(log.substr(log.size() - std::strlen(f.ende)), f.ende);
        EXPECT_EQ(pt::offeneBoxAntworten(), 0u);
    }
}

// a neuron without a name: the box names it by its number, the log keeps the empty name
TEST_F(BerichtFall, NeuronOhneNamenHeisstNurInDerBoxNeuronN)
{
    protokolliertLaden(kopf + "SCHLEIFE1=1\nNEU=2 SRU=-0,07 STEP=0,001\nWIEDERHOLEN1=\n");
    neuronNachNummer(2)->name.clear();
    skriptMeldungenAnzeigen = 1;
    beimLauf = [](int) {};
    const size_t vorher = pt::boxLog().size();
    // seven header lines and the SCHLEIFE's report, the NEU's, then No at the SRU's
    pt::boxAntworten({6, 6, 6, 6, 6, 6, 6, 6, 6, 7});
    EXPECT_EQ(skriptAusfuehren(skript, 1), 1);
    ASSERT_GT(pt::boxLog().size(), vorher + 9);
    EXPECT_EQ(pt::boxLog()[vorher + 8].text.rfind("neuron 2 (Neuron 2) als aktuelles objekt definieren\n", 0), 0u);
    EXPECT_EQ(pt::boxLog()[vorher + 9].text.rfind("neuron Neuron 2, soma-ruhepotential = -0.070000\n", 0), 0u);
    const std::string log = lesen("!   skript.log");
    for (const char* zeile : {"neuron 2 () als aktuelles objekt definieren\r\n", "neuron , soma-ruhepotential = -0.070000\r\n"})
        EXPECT_NE(log.find(zeile), std::string::npos) << zeile;
    EXPECT_EQ(log.find("Neuron 2"), std::string::npos);
    EXPECT_EQ(pt::offeneBoxAntworten(), 0u);
}

// the wordings of every family, formed from the statement and its targets
TEST_F(BerichtFall, BerichteJederAnweisungsfamilie)
{
    NeuronDaten* motor = neuronNachNummer(2);
    motor->benutzerKanaele.emplace_back();
    motor->benutzerKanaele.back().name = "ih";
    const auto a = [](const char* wort, uint32_t art, int ziel, int neuron, double wert, int ganz = 0) {
        SkriptAnweisung x;
        x.code = anweisungscode(wort);
        x.zielArt = art;
        x.ziel = ziel;
        x.neuronNummer = neuron;
        x.wert = wert;
        x.ganzzahl = ganz;
        return x;
    };
    using namespace zielArt;
    struct { SkriptAnweisung anweisung; int kanal; const char* bericht; } faelle[] = {
        {a("KAN", Standardkanal, 8, 2, 0), 0, "neuron Motor, NATRIUM-kanal (inaktivierung) als aktuelles objekt gew\xE4hlt"},
        {a("KAN", Standardkanal, 3, 2, 0), 0, "neuron Motor, CALZIUM-kanal als aktuelles objekt gew\xE4hlt"},
        {a("BKA", Benutzerkanal, 1, 2, 0), 0, "neuron 2 (Motor) kanal 1 (ih) als aktuelles objekt definieren"},
        {a("INI", Standardkanal, 2, 2, 0.25), 2, "neuron Motor, standard-kanal 2, initialwert = 0.25"},
        {a("LEI", Standardkanal, 1, 2, 1.2e-6), 1, "neuron Motor, standard-kanal (1) leitf\xE4higkeit = 1.2e-06"},
        {a("EPO", Benutzerkanal, 1, 2, -0.09), 0, "neuron Motor, user-kanal \"ih\" gleichgewichtspotential = -0.09"},
        {a("SWB", Benutzerkanal, 1, 2, 0.5), 0, "neuron Motor, user-kanal \"ih\", schrittweite beta = 0.5"},
        {a("LLE", Neuron, 4, 2, 2e-9), 0, "neuron Motor, Leck-Leitfaehigkeit = 2e-09"},
        {a("RWI", Stromreiz, 2, 1, 0, 7), 0, "stromreiz in neuron Sensor links, kompartiment 2 anzahl = 7"},
        {a("RAL", Stromreiz, 1, 1, 0, 1), 0, "stromreiz in neuron Sensor links, kompartiment 1 alternieren = MIT"},
        {a("RAR", Stromreiz, 1, 1, 0, 1), 0, "stromreiz in neuron Sensor links, kompartiment 1 art = SINUS"},
        {a("REI", Stromreiz, 1, 1, 0, 0), 0, "stromreiz in neuron Sensor links, kompartiment 1 aus"},
        {a("TRS", Synapse, 1, 1, -0.03), 0, "synapse 1 von Sensor links auf Motor transmitter s\xE4ttigungsschwelle = -0.03"},
        {a("BBD", Synapse, 1, 1, 0.5), 0, "synapse 1 von Sensor links auf Motor b abfall depression = 0.500000"},
        {a("NUM", Keins, 0, 0, 0, 12), 0, "permutation mit nummer 12 rechnen"},
        {a("ZZZ", Keins, 0, 0, 0), 0, "g\xFCltige aber unbekannte anweisung:\t19682"},
    };
    for (const auto& f : faelle) {
        meldungsPuffer = "vorher";
        anweisungsBerichtBilden(skript, f.anweisung, f.kanal);
        EXPECT_EQ(meldungsPuffer, f.bericht);
    }
    SkriptAnweisung ungueltig;
    ungueltig.code = 20000;
    anweisungsBerichtBilden(skript, ungueltig, 0);
    EXPECT_EQ(meldungsPuffer, "ung\xFCltige anweisung:\t20000");
    // BAH keeps the report before
    meldungsPuffer = "vorher";
    anweisungsBerichtBilden(skript, a("BAH", Synapse, 1, 1, 0), 0);
    EXPECT_EQ(meldungsPuffer, "vorher");
}

// A code the walk has no action for is reported and changes nothing; it no longer falls
// through to the last synapse field (BBD of the synapse its target number names)
TEST_F(BerichtFall, UnbekannteAnweisungWirdGemeldetUndAendertNichts)
{
    protokolliertLaden(kopf + "SYN=1 TNF=0 BUP=\nSIM=\n");
    SkriptAnweisung fremd;
    fremd.code = anweisungscode("QQQ");
    fremd.ziel = 1;
    fremd.istReal = 1;
    fremd.wert = 0.75;
    skript.anweisungen.insert(skript.anweisungen.begin() + 1, fremd);
    static Bahnung imLauf;
    beimLauf = [](int) { imLauf = synapseNachId(1)->bahnung; };
    ASSERT_EQ(skriptAusfuehren(skript, 1), 1);
    const std::string log = lesen("!   skript.log");
    EXPECT_NE(log.find("g\xFCltige aber unbekannte anweisung:\t" + std::to_string(fremd.code) + "\r\n"), std::string::npos);
    EXPECT_EQ(imLauf.b[3], 0.0);
    // the BUP's tau of the depression is 0: its report says so, the run takes the values as computed
    EXPECT_NE(log.find("der wert fuer tau ist 0.0 oder negativ\n\ndes gaddit :-(\r\n"), std::string::npos) << log;
    EXPECT_EQ(imLauf.b[0], 1.0);
    EXPECT_NE(log.find(" beendet\r\n"), std::string::npos);
    // and the synapse has its own values back after it
    EXPECT_EQ(synapseNachId(1)->bahnung.b[0], 0.0);
}

// The channel chosen by BKA is kept by its place, not its address: a channel deleted during
// a simulation ends the walk with the message instead of a write into freed memory
TEST_F(BerichtFall, GeloeschterKanalZwischenAuswahlUndWertBeendetDenGang)
{
    neuronNachNummer(2)->benutzerKanaele.emplace_back();
    neuronNachNummer(2)->benutzerKanaele.back().name = "ih";
    ASSERT_EQ(laden(kopf + "NEU=Motor BKA=ih\nSCHLEIFE1=3\nLEI=1e-9 STEP=1e-9\nWIEDERHOLEN1=\n"), 1);
    beimLauf = [](int) { neuronNachNummer(2)->benutzerKanaele.clear(); };
    pt::boxAntworten({1, 1, 1});   // the missing target; the reload refuses BKA now
    EXPECT_EQ(skriptAusfuehren(skript, 1), 0);
    EXPECT_EQ(laeufe, 1);
    ASSERT_FALSE(pt::boxLog().empty());
    EXPECT_EQ(pt::boxLog()[0].text.rfind("das ziel der anweisung LEI", 0), 0u) << pt::boxLog()[0].text;
}

// SUP of a synapse that is gone says so and ends the walk; the program goes on
TEST_F(BerichtFall, FehlendeSynapseBeimUpdateBeendetNurDenGang)
{
    pt::boxAntworten({1});
    EXPECT_EQ(synapseNachIdSuchen(skript, 99), 0);
    EXPECT_EQ(pt::boxLog().back().text, "scheisse, synapse nicht gefunden");
    EXPECT_EQ(attrappe::dienste.beendenAufrufe, 0);
}

// A script with DAT saves each run's curve file without a dialog under numbered names; the
// counter starts again with each execution and has five digits from 1000 simulations on
TEST_F(BerichtFall, DatDateienDesSkriptsSindGezaehltOhneDialog)
{
    DiagrammDaten& d = neuronNachNummer(2)->hauptDiagramm;
    d.kurven[0].werte.assign(10, 0.5f);
    d.kurven[0].werteAnzahl = 10;
    datPfad = {};
    ASSERT_EQ(laden(kopf + "DAT=1\nSCHLEIFE1=2\nNEU=Motor SRU=-0,07 STEP=0,001\nWIEDERHOLEN1=\n"), 1);
    // the stand-in run saves as the main window's command 40280 does
    beimLauf = [](int) { datDateiSpeichern(datHeader); };
    for (int lauf = 0; lauf < 2; ++lauf) {
        ASSERT_EQ(skriptAusfuehren(skript, 1), 1);
        for (const char* name : {"netz skript 311104 210509 001.dat", "netz skript 311104 210509 002.dat"})
            EXPECT_TRUE(plattform::dateiExistiert(ordner + name)) << name;
        EXPECT_FALSE(plattform::dateiExistiert(ordner + "netz skript 311104 210509 003.dat"));
        EXPECT_TRUE(pt::dateiWahlLog().empty());
    }
    skriptStatus |= skriptBit::Laeuft;
    skriptLaufwerte.dat = 1;
    skriptLaufwerte.simulationen = 1000;
    skriptLaufwerte.datZaehler = 0;
    ASSERT_EQ(datDateiSpeichern(datHeader), 1);
    EXPECT_EQ(datPfad.pfad, ordner + "netz skript 311104 210509 00001.dat");
    skriptStatus = 0;
    skriptLaufwerte = {};
    datPfad = {};
}

} // namespace
