// tests/lauf/test_aufzeichnung.cpp - curve samples, the export file and the soma-potential file
#include "../stuetzen/testhilfe.h"
#include "texts/texte.h"
#include "../model/test_neuron_hilfe.h"
#include "model/aufzeichnung.h"
#include "model/ergebnisdateien.h"
#include "model/export.h"
#include "model/laufhaken.h"
#include "model/laufstart.h"
#include "model/netz.h"
#include "model/simulationspruefung.h"
#include "model/zahlen.h"
#include "model/zeitschleife.h"
#include "platform/box.h"
#include "platform/pfad.h"
#include <cstring>
#include <filesystem>

namespace pt = plattform::test;
namespace fs = std::filesystem;

namespace {

int sekunde = 1;
std::tm festeZeit() { return testhilfe::zeitstempel(sekunde); }

// the neurons follow the time: soma potential t volts
void potentialeFolgenDerZeit()
{
    for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron)
        n->potentiale[0] = laufZustand.t;
}

struct Aufzeichnung : NeuronFall {
    std::string ordner;
    void SetUp() override
    {
        NeuronFall::SetUp();
        laufHaken = {};
        laufZustand = {};
        laufHaken.ortszeit = festeZeit;
        sekunde = 1;
        ordner = testhilfe::tempOrdner("velnor-aufz");
        dateipfade.dokumentVerzeichnis = ordner;
        dateipfade.netzName = "netz";
        asciiExportEinstellungen = {};
    }
    void TearDown() override
    {
        for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron) {
            n->hauptDiagramm.fenster = nullptr;
            n->ausgangsSynapsen = nullptr;
        }
        laufHaken = {};
        fs::remove_all(ordner);
        NeuronFall::TearDown();
    }
    NeuronDaten& neuron(int nummer, const char* name, bool fenster)
    {
        NeuronDaten* n = neu(nummer);
        EXPECT_NE(n, nullptr);
        EXPECT_TRUE(kompartimenteAnpassen(*n, 3));
        n->modellTyp = 0;                   // carried, never stepped
        n->name = name;
        n->hauptDiagramm.kurven[kurve::Soma].anzeigen = 1;
        if (fenster)
            n->hauptDiagramm.fenster = testhilfe::fensterAttrappe;
        return *n;
    }
    // the run driver's part: buffers, names, the loop
    int laufen(double dauer, double schritt)
    {
        laufzeitSetzen(dauer, schritt);
        for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron)
            EXPECT_TRUE(laufDiagrammeVorbereiten(*n));
        ergebnisNamenBilden();
        return simulationAusfuehren();
    }
    std::vector<std::string> dateien() const
    {
        std::vector<std::string> namen;
        for (const auto& e : fs::directory_iterator(ordner))
            namen.push_back(e.path().filename().string());
        std::sort(namen.begin(), namen.end());
        return namen;
    }
};

double f64(const std::string& b, size_t i) { double x; std::memcpy(&x, b.data() + i, 8); return x; }
float f32(const std::string& b, size_t i) { float x; std::memcpy(&x, b.data() + i, 4); return x; }

} // namespace

TEST_F(Aufzeichnung, SomaDateiHatEinenBlockJeNeuronInKettenfolge)   // neurons without a shown soma curve were left out
{
    neuron(1, "A", true);
    neuron(2, "B", true).hauptDiagramm.kurven[9].anzeigen = 1;               // a channel slot without channel
    neuron(3, "C", false);                                                   // no window
    neuron(4, "D", true).hauptDiagramm.kurven[kurve::Soma].anzeigen = 0;     // soma curve not shown
    neuron(5, "E", true);
    programmStatus |= programmBit::SomaDateiSchreiben;
    laufHaken.synapsen = [] {               // soma potential: the neuron's number + t volts
        for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron)
            n->potentiale[0] = n->nummer + laufZustand.t;
    };
    laufen(1.0, 1e-4);
    const std::string b = testhilfe::lesen(ordner + "netz.dat");
    ASSERT_EQ(b.size(), 16u + 5u * 40000u);
    EXPECT_EQ(f64(b, 0), 1.0);
    EXPECT_EQ(f64(b, 8), 1e-4);
    for (size_t block = 0; block < 5; ++block) {
        const double nummer = static_cast<double>(block + 1);
        EXPECT_FLOAT_EQ(f32(b, 16 + 40000 * block + 4 * 7), static_cast<float>((nummer + 7e-4) * 1000.0)) << block;
        EXPECT_FLOAT_EQ(f32(b, 16 + 40000 * block + 4 * 9999), static_cast<float>((nummer + 0.9999) * 1000.0)) << block;
    }
    // a slot nobody recorded reports no samples
    EXPECT_EQ(neuronNachNummer(2)->hauptDiagramm.kurven[9].werteAnzahl, 0);
    // without the soma file a neuron without a window records nothing
    programmStatus &= ~programmBit::SomaDateiSchreiben;
    laufen(0.001, 1e-4);
    EXPECT_EQ(neuronNachNummer(3)->hauptDiagramm.kurven[kurve::Soma].werteAnzahl, 0);
    EXPECT_EQ(neuronNachNummer(5)->hauptDiagramm.kurven[kurve::Soma].werteAnzahl, 10);
}

TEST_F(Aufzeichnung, ExportdateiNameKopfDezimalzeichenUndIntervall)
{
    NeuronDaten& a = neuron(1, "A", false);
    a.exportMaske = 0x11;                   // soma and Na
    a.kanalStrom[0] = 1e-9;
    NeuronDaten& b = neuron(2, "B", true);
    b.exportMaske = 0x1;
    b.hauptDiagramm.kurven[kurve::Soma].anzeigen = 0;
    neuron(3, "C", true);                   // no mask: no cells
    asciiExportEinstellungen.trennzeichen = 9;
    asciiExportEinstellungen.dezimalstellen = 3;
    asciiExportEinstellungen.zeitDezimalstellen = 4;
    asciiExportEinstellungen.dezimalzeichen = ',';
    asciiExportEinstellungen.intervall = 1;   // every second step, shown as 2
    programmStatus |= programmBit::WerteExportieren;
    laufHaken.synapsen = [] {               // the start state resets the potentials
        neuronNachNummer(1)->potentiale[0] = -0.065;
        neuronNachNummer(2)->potentiale[0] = 0.5;
    };
    laufen(0.001, 1e-4);                    // 10 steps: 0, 2, 4, 6, 8 exported
    const std::string name = "netz 240305070801 soma potential.TXT";
    EXPECT_EQ(ergebnisNamen.exportDatei, ordner + name);
    std::string erwartet = meldungFormatieren(567) + "\t\"A Soma\"\t\"A Na\"\t\"B Soma\"\r\nIntervall = 2";
    for (const char* t : {"0,0000", "0,0002", "0,0004", "0,0006", "0,0008"})
        erwartet += std::string("\r\n") + t + "\t-0,065\t1,000\t0,500";
    EXPECT_EQ(testhilfe::lesen(ordner + name), erwartet);
    EXPECT_EQ(dateien(), std::vector<std::string>{name});   // the part file renamed
}

TEST_F(Aufzeichnung, ExportPufferWaechstStattUeberzulaufenUndSchreibtDieselbenBytes)
{
    NeuronDaten& a = neuron(1, "A", false);
    a.exportMaske = 0x1FF;
    a.benutzerKanaele.push_back({});
    a.benutzerKanaele.back().name = "kanal";
    a.benutzerKanaele.back().exportieren = 1;
    a.benutzerKanaele.back().strom = 1e280;   // a cell longer than any estimate
    programmStatus |= programmBit::WerteExportieren;
    laufHaken.synapsen = potentialeFolgenDerZeit;
    laufen(0.002, 1e-4);
    const std::string grosserPuffer = testhilfe::lesen(ergebnisNamen.exportDatei);
    fs::remove(ergebnisNamen.exportDatei);
    laufHaken.exportPufferGroesse = 64;     // a flush in every step, lines longer than the buffer
    laufen(0.002, 1e-4);
    EXPECT_EQ(testhilfe::lesen(ergebnisNamen.exportDatei), grosserPuffer);
    EXPECT_GT(grosserPuffer.size(), 20u * 300u);
}

TEST_F(Aufzeichnung, VollerDatentraegerBehaeltDenGeschriebenenExportUndSagtEs)   // the part was left, then deleted
{
    neuron(1, "A", false).exportMaske = 0x11;
    programmStatus |= programmBit::WerteExportieren;
    laufHaken.synapsen = potentialeFolgenDerZeit;
    laufHaken.exportPufferGroesse = 64;     // a flush in every step
    laufen(0.002, 1e-4);
    const std::string ganz = testhilfe::lesen(ergebnisNamen.exportDatei);
    fs::remove(ergebnisNamen.exportDatei);
    // the fourth flush finds the disk full
    static int oeffnungen;
    oeffnungen = 0;
    laufHaken.exportDateiOeffnen = [](const std::string& pfad, const char* modus) {
        return ++oeffnungen < 4 ? plattform::dateiOeffnen(pfad, modus) : std::fopen("/dev/full", modus);
    };
    pt::boxAntworten({plattform::antwort::Ok});
    laufen(0.002, 1e-4);
    laufHaken.exportDateiOeffnen = nullptr;
    const std::string name = "netz 240305070801 soma potential.TXT";
    EXPECT_EQ(dateien(), std::vector<std::string>{name});   // no part file left behind
    const std::string teil = testhilfe::lesen(ordner + name);
    EXPECT_GT(teil.size(), 0u);
    EXPECT_LT(teil.size(), ganz.size());
    EXPECT_EQ(ganz.substr(0, teil.size()), teil);
    ASSERT_FALSE(pt::ereignisLog().empty());
    EXPECT_EQ(pt::ereignisLog().back().text, meldungFormatieren(821, ordner + name));
    // the next run leaves it where it is
    sekunde = 2;
    laufen(0.002, 1e-4);
    EXPECT_EQ(testhilfe::lesen(ordner + name), teil);
    EXPECT_EQ(dateien().size(), 2u);
}

TEST_F(Aufzeichnung, AbgebrochenerLaufSchreibtKeineDerBeidenDateien)
{
    neuron(1, "A", true).exportMaske = 1;
    programmStatus |= programmBit::WerteExportieren | programmBit::SomaDateiSchreiben;
    laufHaken.exportPufferGroesse = 64;     // flushes before the abort
    laufHaken.synapsen = [] {
        if (laufZustand.t > 0.0005)
            laufZustand.abbrechen = 1;
    };
    laufen(0.01, 1e-4);
    EXPECT_TRUE(dateien().empty()) << dateien().front();
}

TEST_F(Aufzeichnung, KurvendateiGleichenNamensUeberstehtDenLauf)
{
    neuron(1, "A", true);
    const std::string kurven("[datFile]\0rest", 14);
    testhilfe::schreiben(ordner + "netz.dat", kurven);
    programmStatus |= programmBit::SomaDateiSchreiben;
    pt::boxAntworten({plattform::antwort::Ok});
    laufen(0.001, 1e-4);
    EXPECT_EQ(testhilfe::lesen(ordner + "netz.dat"), kurven);
    ASSERT_FALSE(pt::ereignisLog().empty());
    EXPECT_NE(pt::ereignisLog().back().text.find("Kurvendatei"), std::string::npos);

    // any other file of that name is replaced
    testhilfe::schreiben(ordner + "netz.dat", "alt");
    laufen(0.001, 1e-4);
    EXPECT_EQ(testhilfe::lesen(ordner + "netz.dat").size(), 16u + 10u * 4u);
}

TEST_F(Aufzeichnung, AufzeichnungsSlotsNachArt)
{
    NeuronDaten& n = neuron(1, "A", true);
    n.potentiale = {-0.07, -0.06, -0.05, -0.04};
    n.kanalStrom = {1e-9, 2e-9, 3e-9, 4e-9, 5e-9, 6e-9, 7e-9};
    n.caKonzentration = 0.125;
    auto& k = n.hauptDiagramm.kurven;
    float w = 0.0f;
    // kind 0
    const float eigen[8] = {-70.0f, -1.0f, -2.0f, -3.0f, -4.0f, -60.0f, -50.0f, -40.0f};
    for (int slot = 0; slot < 8; ++slot) {
        ASSERT_TRUE(kurvenWert(n, slot, 0.0, w)) << slot;
        EXPECT_FLOAT_EQ(w, eigen[slot]) << slot;
    }
    // kind 32: from slot 4 on
    for (int slot = 3; slot < 8; ++slot)
        k[static_cast<size_t>(slot)].referenz = kurvenReferenz::Spezial;
    k[5].faktor = k[6].faktor = k[7].faktor = 1e9;
    EXPECT_FALSE(kurvenWert(n, 3, 0.0, w));
    ASSERT_TRUE(kurvenWert(n, 4, 0.0, w));
    EXPECT_FLOAT_EQ(w, 0.125f);
    const float kalzium[3] = {5.0f, 6.0f, 7.0f};
    for (int slot = 5; slot < 8; ++slot) {
        ASSERT_TRUE(kurvenWert(n, slot, 0.0, w));
        EXPECT_FLOAT_EQ(w, kalzium[slot - 5]);
    }
    // kind 16: the source synapse's release; not in slot 0
    SynapseDaten s;
    s.id = 17;
    s.transmitter.freisetzung = 0.25;
    ASSERT_TRUE(synapsenTabelleSetzen(17, &s));
    k[0].referenz = k[1].referenz = kurvenReferenz::Freisetzung;
    k[0].synapseId = k[1].synapseId = 17;
    EXPECT_FALSE(kurvenWert(n, 0, 0.0, w));
    ASSERT_TRUE(kurvenWert(n, 1, 0.0, w));
    EXPECT_FLOAT_EQ(w, 0.25f);
    // kind 2 records nothing
    k[2].referenz = kurvenReferenz::Kopie;
    EXPECT_FALSE(kurvenWert(n, 2, 0.0, w));
    // user channels: slots 8 to 11 with a bound channel, never beyond
    n.benutzerKanaele.push_back({});
    n.benutzerKanaele.back().strom = 2e-9;
    k[8].anzeigen = k[12].anzeigen = 1;
    n.kurvenKanaele[0] = &n.benutzerKanaele.back();
    ASSERT_TRUE(kurvenWert(n, 8, 0.0, w));
    EXPECT_FLOAT_EQ(w, -2.0f);
    k[8].referenz = kurvenReferenz::Kopie;
    EXPECT_FALSE(kurvenWert(n, 8, 0.0, w));
    EXPECT_FALSE(kurvenWert(n, 9, 0.0, w));   // no channel bound
    EXPECT_FALSE(kurvenWert(n, 12, 0.0, w));  // a reference curve
    synapsenTabelleSetzen(17, nullptr);
}

TEST_F(Aufzeichnung, Slot7ZeigtDieVerknuepfteSynapseAxoAxonischOhneVerzoegerungNull)
{
    NeuronDaten& n = neuron(1, "A", true);
    n.potentiale = {0.0, 0.0, 0.0, -0.04};
    SynapseDaten s;
    s.id = 5;
    s.schlangenLaenge = 2;
    SynapsenPool pool;
    pool.ring = {1e-9, 2e-9, 3e-9};
    s.pool = &pool;
    ASSERT_TRUE(synapsenTabelleSetzen(5, &s));
    float w = 0.0f;
    n.oeffnungSynapseId = 5;
    ASSERT_TRUE(kurvenWert(n, 7, 0.0, w));
    EXPECT_FLOAT_EQ(w, -40.0f);              // no outgoing synapse: dendrite 3
    n.ausgangsSynapsen = &s;
    ASSERT_TRUE(kurvenWert(n, 7, 0.0, w));
    EXPECT_FLOAT_EQ(w, 2.0f);                // the place after the ring position
    pool.ringPosition = 1;
    ASSERT_TRUE(kurvenWert(n, 7, 0.0, w));
    EXPECT_FLOAT_EQ(w, 1.0f);                // wrapped
    // axo-axonic: its delay buffer once the delay has passed
    simulationsParameter.schrittweite = 1e-4;
    s.pool = nullptr;
    s.schlangenLaenge = 5;
    s.axoSchlange = {0.0, 0.0, 0.0, 7e-9, 0.0};
    s.verzoegerung = 2e-4;
    ASSERT_TRUE(kurvenWert(n, 7, 1e-4, w));
    EXPECT_FLOAT_EQ(w, 0.0f);
    ASSERT_TRUE(kurvenWert(n, 7, 3e-4, w));
    EXPECT_FLOAT_EQ(w, 7.0f);
    s.verzoegerung = 0.0;                    // no division by zero
    ASSERT_TRUE(kurvenWert(n, 7, 3e-4, w));
    EXPECT_FLOAT_EQ(w, 0.0f);
    synapsenTabelleSetzen(5, nullptr);
}

TEST_F(Aufzeichnung, ExportSchluesselUndDezimalzeichenDerZahlen)
{
    asciiExportEinstellungen.dezimalstellen = 9;
    std::string text = "anzahl von zeitangabe dezimalstellen=5\r\ndezimalzeichen fuer ausgabedateien=46\r\n"
                       "strom-skalierungsfaktor fuer ausgabedateien=1000,000000\r\n"
                       "bei export werte in intervallen ausgeben, intervall=3.6\r\n";
    exportEinstellungenLesen(text.data());
    EXPECT_EQ(asciiExportEinstellungen.dezimalstellen, 9);   // missing: kept
    EXPECT_EQ(asciiExportEinstellungen.zeitDezimalstellen, 5);
    EXPECT_EQ(asciiExportEinstellungen.dezimalzeichen, '.');
    EXPECT_EQ(asciiExportEinstellungen.stromSkalierung, 1000.0);
    EXPECT_EQ(asciiExportEinstellungen.intervall, 4);
    EXPECT_STREQ(zahlMitDezimalzeichen(1.5), "1.500000e+00");
    asciiExportEinstellungen.dezimalzeichen = ',';
    EXPECT_STREQ(zahlMitDezimalzeichen(1.5), "1,500000e+00");
}
