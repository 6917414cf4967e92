// tests/script/test_skriptausfuehrung.cpp - running the series script with a stand-in for the run
#include "skript_hilfe.h"
#include "script/ausfuehrung.h"
#include "model/entgleisung.h"
#include "model/laufhaken.h"
#include "model/parameter.h"
#include "model/skript.h"
#include "core/skriptwerte.h"
#include "model/skriptzeit.h"
#include "platform/pfad.h"
#include "texts/texte.h"
#include "rahmen_attrappe.h"
#include <algorithm>
#include <cstring>
#include <fstream>

namespace {
using namespace skripttest;

// what the stand-in run saw: the simulation number, RAM of stimulus 1 of "Sensor links",
// SLE of synapse 1, SRU of Motor
struct Gesehen { int nr; double ram, sle, sru; };
std::vector<Gesehen> gesehen;
void (*beimLauf)(int lauf) = nullptr;

void laufAttrappe()
{
    NeuronDaten* motor = neuronNachNummer(2);
    const SynapseDaten* s = synapseNachId(1);
    gesehen.push_back({skript.aktuelleSimulation, neuronNachNummer(1)->stromreize[0].amplitude,
                       s ? s->initialLeitfaehigkeit : 0.0, motor->parameter[par::SomaRuhepotential]});
    motor->spikeZeiten = {0.0125f, 0.1f};
    motor->apAnzahl = 2;
    if (beimLauf)
        beimLauf(static_cast<int>(gesehen.size()));
}

std::tm uhr()
{
    std::tm t{};
    t.tm_year = 131, t.tm_mon = 10, t.tm_mday = 4, t.tm_hour = 21, t.tm_min = 5, t.tm_sec = 9;
    return t;
}

std::string lesen(const std::string& pfad)
{
    std::ifstream f(pfad, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), {}};
}

struct AusfuehrungFall : SkriptFall {
    void SetUp() override
    {
        SkriptFall::SetUp();
        gesehen.clear();
        beimLauf = nullptr;
        skriptLaufHaken = laufAttrappe;
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
};

TEST_F(AusfuehrungFall, ReiheLaeuftDieGewaehltenSimulationenMitTabelleUndLog)
{
    ASSERT_EQ(laden(reihe()), 1);
    const double sruVorher = neuronNachNummer(2)->parameter[par::SomaRuhepotential];
    skriptMeldungenAnzeigen = 1;
    // the seven header lines, the question before each of the seven simulations, the reload
    pt::boxAntworten({6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 1});
    ASSERT_EQ(skriptAusfuehren(skript, 1), 1);
    // before the first simulation the box offers the last report formed, the RUP's
    EXPECT_EQ(pt::boxLog()[7].text, "stromreiz in neuron Sensor links segment Soma erzeugen\n\nweitere meldungen anzeigen?");
    const std::vector<int> nummern = {1, 2, 5, 6, 11, 15, 16};
    const std::vector<double> ram = {1e-9, 5e-10, 1.25e-9, 5e-10, 7.5e-10, 1.25e-9, 1.25e-9};
    const std::vector<double> sle = {2.5e-9, 2.5e-9, 3.75e-9, 5e-9, 5e-9, 5e-9};
    ASSERT_EQ(gesehen.size(), 7u);
    for (size_t i = 0; i < 7; ++i) {
        EXPECT_EQ(gesehen[i].nr, nummern[i]);
        EXPECT_NEAR(gesehen[i].ram, ram[i], 1e-20) << i;
        if (i > 0) {
            EXPECT_NEAR(gesehen[i].sle, sle[i - 1], 1e-20) << i;
        }
    }
    EXPECT_NEAR(gesehen[5].sru, -0.075, 1e-15);
    EXPECT_NEAR(gesehen[6].sru, -0.075, 1e-15);

    const std::string t = lesen(ordner + "netz skript 311104 210509.txt");
    const std::string titel = "Simulationsnummer\tleitfaehigkeit syn1\tamplitude\tNeuron Name\tAP-Anzahl\tAP-Zeiten\n";
    ASSERT_NE(t.find(titel), std::string::npos) << t;
    const std::string zeilen = t.substr(t.find(titel) + titel.size());
    EXPECT_EQ(std::count(zeilen.begin(), zeilen.end(), '\n'), 7);
    EXPECT_NE(zeilen.find("\n4\t3,75e-09\t5e-10\tMotor\t2\tAP zeit\t0,0125\t0,1\t\n"), std::string::npos) << zeilen;

    const std::string log = lesen("!   skript.log");
    for (const char* zeile : {"simulationsdauer = 0.200000\r\n", "5 Simulationen aus Liste\r\n",
                              "elektrische synapsen haben kein delay\r\n", "als ergebnis werden APs gespeichert\r\n"})
        EXPECT_NE(log.find(zeile), std::string::npos) << zeile;
    const std::string ende = "04.11.31 21:05:09: bearbeitung des skripts " + skript.pfad + " beendet\r\n";
    EXPECT_EQ(log.substr(log.size() - std::min(log.size(), ende.size())), ende);
    EXPECT_EQ(statusTexte[3], "\t7 Simulationen");
    EXPECT_EQ(skript.anweisungen.size(), 23u);
    // the run's values went with it
    EXPECT_EQ(neuronNachNummer(2)->parameter[par::SomaRuhepotential], sruVorher);
}

// a used-up list skips every later simulation of a loop, counting it; the SIMs still run
TEST_F(AusfuehrungFall, AufgebrauchteListeUeberspringtDieRestlichenSimulationen)
{
    listeSchreiben("2 5\r\n6\r\n11\r\n");
    ASSERT_EQ(laden(reihe()), 1);
    ASSERT_EQ(skriptAusfuehren(skript, 1), 1);
    std::vector<int> nummern;
    for (const Gesehen& g : gesehen)
        nummern.push_back(g.nr);
    EXPECT_EQ(nummern, (std::vector<int>{1, 2, 5, 6, 11, 16}));
}

// runs that ran away say so once, after the script, with the first of them
TEST_F(AusfuehrungFall, AngehalteneLaeufeNenntEinHinweisNachDemSkript)
{
    ASSERT_EQ(laden(reihe()), 1);
    beimLauf = [](int lauf) {
        if (lauf == 2 || lauf == 5)
            laufEntgleist(*neuronNachNummer(2), 0.001 * lauf);
        EXPECT_TRUE(pt::boxLog().empty()) << lauf;
    };
    pt::boxAntworten({1});   // OK
    ASSERT_EQ(skriptAusfuehren(skript, 1), 1);
    ASSERT_EQ(gesehen.size(), 7u);
    ASSERT_EQ(pt::boxLog().size(), 1u);
    EXPECT_EQ(pt::boxLog()[0].text, meldungFormatieren(813, 2, gesehen[1].nr, 2, "Motor", 0.002));
}

TEST_F(AusfuehrungFall, TestmodusUndAbbruchLadenDasSkriptNeu)
{
    ASSERT_EQ(laden(reihe()), 1);
    pt::boxAntworten({7});   // no further messages
    EXPECT_EQ(skriptAusfuehren(skript, 2), 1);
    EXPECT_TRUE(gesehen.empty());
    EXPECT_EQ(skript.anweisungen.size(), 23u);

    skriptMeldungenAnzeigen = 0;
    beimLauf = [](int lauf) { skriptStatus |= lauf == 3 ? skriptBit::Abbrechen : 0u; };
    EXPECT_EQ(skriptAusfuehren(skript, 1), 1);
    EXPECT_EQ(gesehen.size(), 3u);
    EXPECT_EQ(attrappe::dienste.anzeigeboxen.back(), "Skript-Management|Skriptausfuehrung abgebrochen");
    // the test mode's table keeps its name, this run's table has the next
    const std::string t = lesen(ordner + "netz skript 311104 210509 2.txt");
    EXPECT_EQ(std::count(t.begin(), t.end(), '\n') - std::count(t.begin(), t.begin() + t.find("Simulationsnummer"), '\n'), 4);
    EXPECT_EQ(skript.anweisungen.size(), 23u);
    EXPECT_NE(lesen("!   skript.log").find("bearbeitung des skriptes abgebrochen"), std::string::npos);
}

// a script of curve values prepares the result curves; Cancel in the result file's dialog
// starts no run
TEST_F(AusfuehrungFall, WerteSkriptBereitetDieErgebniskurvenVor)
{
    ASSERT_EQ(laden(text()), 1);
    pt::boxAntworten({7});   // no further messages
    EXPECT_EQ(skriptAusfuehren(skript, 2), 1);
    const std::string log = lesen("!   skript.log");
    EXPECT_NE(log.find("2 ergebnis-parameter von neuron Motor speichern\r\n"), std::string::npos) << log;
    // the result curves are on for the run only: the switch is the user's again afterwards
    EXPECT_FALSE(neuronNachNummer(2)->hauptDiagramm.kurven[2].anzeigen);
    EXPECT_EQ(attrappe::dienste.diagrammFenster, std::vector<int>{2});
    pt::dateiAntworten({pt::dateiAbbruch()});
    EXPECT_EQ(skriptAusfuehren(skript, 1), 0);
    EXPECT_EQ(pt::dateiWahlLog().back().gefragt.titel, "ergebnisdatei speichern");
    EXPECT_TRUE(gesehen.empty());
}

// SEP cannot reach a run (the potential is the synapse type's): one notice at the load however
// many SEP lines, none without SEP and none at the reload after the run; the table is as always
TEST_F(AusfuehrungFall, SepWirdBeimLadenEinmalAlsWirkungslosGenannt)
{
    ASSERT_EQ(laden(reihe()), 1);
    EXPECT_TRUE(pt::boxLog().empty());
    std::string t = reihe();
    t.replace(t.find("SUP="), 4, "SEP=-0,06 STEP=0,01 DOKUMENTIEREN=umkehrpotential\n  SUP=");
    t.replace(t.find("  NEU=Motor"), 0, "  SYN=1 SEP=-0,05\n");
    pt::boxAntworten({1});
    ASSERT_EQ(laden(t), 1);
    ASSERT_EQ(skriptAusfuehren(skript, 1), 1);
    EXPECT_EQ(gesehen.size(), 7u);
    ASSERT_EQ(pt::boxLog().size(), 1u);
    EXPECT_EQ(pt::boxLog()[0].text.rfind("das skript\n" + ordner + "t.skr\nsetzt mit SEP das gleichgewichtspotential "
                                         "von synapsen. SEP hat auf keinen lauf eine wirkung", 0), 0u);
    EXPECT_TRUE(skriptStatus & skriptBit::Geladen);
    const std::string tabelle = lesen(ordner + "netz skript 311104 210509.txt");
    EXPECT_NE(tabelle.find("\tleitfaehigkeit syn1\tumkehrpotential\tamplitude\tNeuron Name\t"), std::string::npos);
}

// a target gone since the load ends the walk with a message; the program goes on
TEST_F(AusfuehrungFall, FehlendesZielBeendetDenLaufMitMeldung)
{
    ASSERT_EQ(laden(reihe()), 1);
    beimLauf = [](int) { synapseLoeschen(neuronNachNummer(1), synapseNachId(1), 0); };
    pt::boxAntworten({1, 1, 1});   // the missing target, then the reload's two
    EXPECT_EQ(skriptAusfuehren(skript, 1), 0);
    EXPECT_EQ(gesehen.size(), 1u);
    ASSERT_FALSE(pt::boxLog().empty());
    EXPECT_EQ(pt::boxLog()[0].text.rfind("das ziel der anweisung SLE", 0), 0u) << pt::boxLog()[0].text;
    EXPECT_EQ(attrappe::dienste.beendenAufrufe, 0);
}

// the conditional loop refines its step until the rounds are used up
TEST_F(AusfuehrungFall, BedingteSchleifeVerfeinertDenSchritt)
{
    struct { const char* bed; size_t laeufe; const char* ende; } faelle[] = {{"2", 13, " beendet\r\n"}, {"1", 8, "abgebrochen\r\n"}};
    const double erwartet[] = {-0.07, -0.068, -0.066, -0.064, -0.066, -0.0658, -0.0656, -0.0654, -0.0656, -0.06558,
                               -0.06556, -0.06554, -0.06552};
    for (const auto& f : faelle) {
        gesehen.clear();
        beimLauf = [](int) { neuronNachNummer(2)->apAnzahl = gesehen.back().sru >= -0.0655 ? 2 : 0; };
        ASSERT_EQ(laden("SDAUER=0,2 SAUFLOESUNG=0,0001 SELSYNDELAY=OHNE ENEURON=2\nSPI=2 BNE=Motor BED=" +
                        std::string(f.bed) + "\nSCHLEIFE1=5\nNEU=Motor SRU=-0,07 STEP=0,002 OPTIMIEREN=\nWIEDERHOLEN1=\n"),
                  1);
        EXPECT_EQ(skriptAusfuehren(skript, 1), 1);
        ASSERT_EQ(gesehen.size(), f.laeufe);
        for (size_t i = 0; i < f.laeufe; ++i)
            EXPECT_NEAR(gesehen[i].sru, erwartet[i], 1e-12) << f.bed << " " << i;
        const std::string log = lesen("!   skript.log");
        EXPECT_EQ(log.substr(log.size() - std::strlen(f.ende)), f.ende);
    }
}

// two tables of the same second: the second gets a number and leaves the first in place
TEST_F(AusfuehrungFall, TabellenDerselbenSekundeErhaltenEigeneNamen)
{
    asciiExportEinstellungen.dezimalzeichen = ',';
    ASSERT_EQ(apZeitenDateiErzeugen(skript, 1), 1);
    const std::string erste = skript.apPfad;
    ASSERT_EQ(apZeitenDateiErzeugen(skript, 1), 1);
    EXPECT_EQ(erste, ordner + "netz skript 311104 210509.txt");
    EXPECT_EQ(skript.apPfad, ordner + "netz skript 311104 210509 2.txt");
    EXPECT_TRUE(plattform::dateiExistiert(erste));
    std::fclose(skript.apDatei);
    skript.apDatei = nullptr;

    ASSERT_EQ(epspDateiErzeugen(skript, 0), 1);
    skript.aktuelleSimulation = 1;
    skript.epspAnzahl = 2;
    skript.epspAmplituden[0] = -0.065;
    skript.epspAmplituden[1] = -0.07;
    ASSERT_EQ(epspDateiErzeugen(skript, 1), 1);
    std::fclose(skript.epspDatei);
    skript.epspDatei = nullptr;
    const std::string t = lesen(skript.epspPfad);
    EXPECT_EQ(t.substr(t.rfind('\n', t.size() - 2) + 1), "1\t2\t-0,0650\t-0,0700\t\n");
}

TEST(Zeittexte, DatumFormatierenKenntJedesLayout)
{
    const std::tm t = uhr();
    struct { int layout; const char* text; } faelle[] = {{5, "04.11.31 21:05:09"}, {7, "311104"}, {9, "210509"},
        {10, "311104 210509"}, {11, "04.11.31"}, {16, "21:05:09"}, {3, "unberuehrt"}};
    for (const auto& f : faelle) {
        char puffer[32] = "unberuehrt";
        EXPECT_STREQ(datumFormatieren(&t, puffer, f.layout), f.text);
    }
}

} // namespace

namespace {

// the running maximum of each measurement, and never an entry past the table
TEST(EpspMessung, HaeltDasMaximumInnerhalbDerTabelle)
{
    skriptStatus = skriptBit::Laeuft;
    skriptLaufwerte = {};
    skriptLaufwerte.ergebnisArt = 16;
    NeuronDaten n;
    for (int k = 0; k < 600; ++k) {
        skriptEpspMessungOeffnen(n, 1.0);
        for (double v : {0.01, 0.02, 0.015}) {
            n.potentiale = {v + k};
            skriptSchritt(0.5);
        }
        skriptSchritt(1.0);
    }
    EXPECT_EQ(skriptLaufwerte.epspIndex, epspTabellenGroesse - 1);
    EXPECT_EQ(skriptLaufwerte.epspAmplituden[1], 1.02);
    skriptStatus = 0;
    skriptLaufwerte = {};
}

// the share of the run shows in part 3 only while the run counter shows nothing else there
TEST(SkriptFortschritt, ZeigtDenAnteilNurOhneZaehlerText)
{
    struct { uint32_t status; int zaehler; const char* text; } faelle[] = {
        {skriptBit::Laeuft, 0, "\t38%"}, {skriptBit::Laeuft, 1, "alt"}, {0, 0, "alt"}};
    for (const auto& f : faelle) {
        statusTexte[3] = "alt";
        skriptStatus = f.status;
        skriptLaufwerte.zaehler = f.zaehler;
        skriptFortschritt(37.6);
        EXPECT_EQ(statusTexte[3], f.text) << f.zaehler;
    }
    skriptStatus = 0;
    skriptLaufwerte = {};
}

} // namespace

// the output window paints into an image of its client size; the snapshot's name follows the
// DAT file, else the prefix, the time and the simulation number (or the counter before the first)
TEST_F(AusfuehrungFall, BmpSchnappschussDesAusgabefensters)
{
    using namespace plattform;
    klasseRegistrieren({"bmp test", [](Fenster f, uint32_t m, uintptr_t w, intptr_t l) -> intptr_t {
                            if (m == nachricht::Zeichnen)
                                rechteckFuellen(*reinterpret_cast<Zeichenflaeche*>(l), {0, 0, 10, 1}, 0x0000FF);
                            return standardFensterProc(f, m, w, l);
                        }});
    DiagrammDaten& d = neuronNachNummer(2)->hauptDiagramm;
    d.fenster = fensterErzeugen("bmp test", "Motor", stil::Sichtbar, 0, 0, 77 + 2 * pt::rahmenBreite,
                                50 + 2 * pt::rahmenBreite + pt::titelHoehe);
    ASSERT_EQ(clientRechteck(d.fenster).rechts, 77);
    skript.bmpPraefix = ordner + "netz skript ";
    skript.bmpTitel = "Motor";
    struct Fall { int dat; std::string datPfad; int simulation, gesamt; std::string name; };
    const Fall faelle[] = {
        {0, "", 3, 5, "netz skript 311104 210509 003.BMP"},
        {0, "", 0, 1000, "netz skript 311104 210509 00001.BMP"},
        {1, ordner + "lauf 7.dat", 4, 5, "lauf 7.BMP"},
    };
    for (const Fall& f : faelle) {
        skriptLaufwerte.dat = f.dat;
        datPfad.pfad = f.datPfad;
        skript.aktuelleSimulation = f.simulation;
        skript.gesamtSimulationen = f.gesamt;
        ausgabefensterBmpSpeichern(&d);
        const std::string b = lesen(ordner + f.name);
        const auto u32 = [&](size_t i) { uint32_t w; std::memcpy(&w, &b[i], 4); return w; };
        ASSERT_EQ(b.size(), 11654u) << f.name;
        EXPECT_EQ(std::make_tuple(b.substr(0, 2), u32(2), u32(18), u32(22), b[28], u32(34)),
                  std::make_tuple(std::string("BM"), 11654u, 77u, 50u, '\x18', 11600u));
        // the top row is written last: red is stored blue, green, red
        EXPECT_EQ(b.substr(54 + 49 * 232, 3), std::string("\0\0\xFF", 3));
        EXPECT_EQ(titel(d.fenster), "Motor");
    }
    skriptLaufwerte.dat = 0;
    datPfad = {};
    fensterZerstoeren(d.fenster);
    d.fenster = nullptr;
}
