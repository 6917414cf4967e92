// tests/lauf/test_aufzeichnung.cpp - curve samples, the export file and the soma-potential file
#include "lauf_hilfe.h"
#include "model/aufzeichnung.h"
#include "model/export.h"
#include "model/zeitschleife.h"
#include "platform/pfad.h"
#include <cstring>

namespace fs = std::filesystem;

namespace {

// the neurons follow the time: soma potential t volts
void potentialeFolgenDerZeit()
{
    for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron)
        n->potentiale[0] = laufZustand.t;
}

struct Aufzeichnung : LaufFall {
    void TearDown() override
    {
        for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron) {
            n->hauptDiagramm.fenster = nullptr;
            n->ausgangsSynapsen = nullptr;
        }
        LaufFall::TearDown();
    }
    // a neuron carried through the run but never stepped, its soma curve shown
    static NeuronDaten& knoten(int nummer, const char* name, bool fenster)
    {
        NeuronDaten* n = neu(nummer);
        EXPECT_TRUE(kompartimenteAnpassen(*n, 3));
        n->modellTyp = 0;
        n->name = name;
        n->hauptDiagramm.kurven[kurve::Soma].anzeigen = 1;
        if (fenster)
            n->hauptDiagramm.fenster = testhilfe::fensterAttrappe;
        return *n;
    }
    // the run driver's part: buffers, names, the loop
    static int laufen(double dauer, double schritt)
    {
        laufzeitSetzen(dauer, schritt);
        for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron)
            EXPECT_TRUE(laufDiagrammeVorbereiten(*n));
        ergebnisNamenBilden();
        return simulationAusfuehren();
    }
};

double f64(const std::string& b, size_t i) { double x; std::memcpy(&x, b.data() + i, 8); return x; }
float f32(const std::string& b, size_t i) { float x; std::memcpy(&x, b.data() + i, 4); return x; }

} // namespace

TEST_F(Aufzeichnung, SomaDateiHatEinenBlockJeNeuronInKettenfolge)   // it left out unshown soma curves
{
    knoten(1, "A", true);
    knoten(2, "B", true).hauptDiagramm.kurven[9].anzeigen = 1;               // a channel slot without channel
    knoten(3, "C", false);                                                   // no window
    knoten(4, "D", true).hauptDiagramm.kurven[kurve::Soma].anzeigen = 0;     // soma curve not shown
    knoten(5, "E", true);
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
        const size_t anfang = 16 + 40000 * block;
        EXPECT_FLOAT_EQ(f32(b, anfang + 4 * 7), static_cast<float>((nummer + 7e-4) * 1000.0)) << block;
        EXPECT_FLOAT_EQ(f32(b, anfang + 4 * 9999), static_cast<float>((nummer + 0.9999) * 1000.0)) << block;
    }
    EXPECT_EQ(neuronNachNummer(2)->hauptDiagramm.kurven[9].werteAnzahl, 0);   // nobody recorded it
    // a curve file of that name survives the run with a notice; any other file is replaced
    const std::string kurven("[datFile]\0rest", 14);
    testhilfe::schreiben(ordner + "netz.dat", kurven);
    pt::boxAntworten({plattform::antwort::Ok});
    laufen(0.001, 1e-4);
    EXPECT_EQ(testhilfe::lesen(ordner + "netz.dat"), kurven);
    ASSERT_FALSE(pt::ereignisLog().empty());
    EXPECT_NE(pt::ereignisLog().back().text.find("Kurvendatei"), std::string::npos);
    testhilfe::schreiben(ordner + "netz.dat", "alt");
    laufen(0.001, 1e-4);
    EXPECT_EQ(testhilfe::lesen(ordner + "netz.dat").size(), 16u + 5u * 10u * 4u);
    // without the soma file a neuron without a window records nothing
    programmStatus &= ~programmBit::SomaDateiSchreiben;
    laufen(0.001, 1e-4);
    EXPECT_EQ(neuronNachNummer(3)->hauptDiagramm.kurven[kurve::Soma].werteAnzahl, 0);
    EXPECT_EQ(neuronNachNummer(5)->hauptDiagramm.kurven[kurve::Soma].werteAnzahl, 10);
}

TEST_F(Aufzeichnung, ExportdateiNameKopfDezimalzeichenUndIntervallUndNichtsNachEinemAbbruch)
{
    NeuronDaten& a = knoten(1, "A", false);
    a.exportMaske = 0x11;                   // soma and Na
    a.kanalStrom[0] = 1e-9;
    NeuronDaten& b = knoten(2, "B", true);
    b.exportMaske = 0x1;
    b.hauptDiagramm.kurven[kurve::Soma].anzeigen = 0;
    knoten(3, "C", true);                   // no mask: no cells
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
    // an aborted run writes neither the export nor the soma file
    std::filesystem::remove(ordner + name);
    programmStatus |= programmBit::SomaDateiSchreiben;
    laufHaken.exportPufferGroesse = 64;     // flushes before the abort
    laufHaken.synapsen = [] { laufZustand.abbrechen = laufZustand.t > 0.0005; };
    laufen(0.01, 1e-4);
    EXPECT_TRUE(dateien().empty()) << dateien().front();
}

// Export switched on with no column to write: the notice comes before any name is asked
// for, no file is written and none replaced; a script's run goes on without a box.
TEST_F(Aufzeichnung, ExportOhneSpalteSchreibtKeineDateiUndSagtEsVorDerNamensfrage)   // it wrote "Zeit" alone
{
    knoten(1, "A", true);                   // no mask
    knoten(2, "B", false).exportMaske = 0x100;   // user channels, but none to export
    programmStatus |= programmBit::WerteExportieren;
    const std::string name = "netz 240305070801 soma potential.TXT";
    testhilfe::schreiben(ordner + name, "alt");
    pt::boxAntworten({plattform::antwort::Ok});
    laufen(0.001, 1e-4);
    ASSERT_EQ(pt::boxLog().size(), 1u);     // not question 338
    EXPECT_EQ(pt::boxLog().back().text, meldungsTexte[1462]);
    EXPECT_TRUE(ergebnisNamen.exportDatei.empty());
    EXPECT_EQ(testhilfe::lesen(ordner + name), "alt");
    EXPECT_EQ(dateien(), std::vector<std::string>{name});
    // numbered script files: no name, no buffer, no box
    skriptStatus |= skriptBit::Laeuft | skriptBit::AsciiWerte;
    ergebnisNamenBilden();
    exportPufferAnlegen();
    skriptStatus = 0;
    EXPECT_FALSE(exportPufferDa());
    EXPECT_EQ(pt::boxLog().size(), 1u);
    EXPECT_EQ(dateien(), std::vector<std::string>{name});
}

// The time column takes the decimals of the settings, and more where the step needs them:
// no two lines share a time.
TEST_F(Aufzeichnung, ZeitspalteHatSovieleStellenWieDerSchrittBraucht)   // 0.1 ms steps shared "0.000"
{
    knoten(1, "A", false).exportMaske = 0x1;
    programmStatus |= programmBit::WerteExportieren;
    asciiExportEinstellungen.dezimalzeichen = '.';
    const auto zeiten = [] {
        const std::string text = testhilfe::lesen(ergebnisNamen.exportDatei);
        fs::remove(ergebnisNamen.exportDatei);
        std::vector<std::string> spalte;
        for (size_t p = text.find("\r\n"); p != std::string::npos; p = text.find("\r\n", p + 2))
            spalte.push_back(text.substr(p + 2, text.find(';', p) - p - 2));
        return spalte;
    };
    const struct { int gegeben; double dauer, schritt; std::vector<std::string> zeiten; } faelle[] = {
        {3, 0.0005, 1e-4, {"0.0000", "0.0001", "0.0002", "0.0003", "0.0004"}},
        {3, 0.0001, 2.5e-5, {"0.000000", "0.000025", "0.000050", "0.000075"}},
        {5, 0.003, 1e-3, {"0.00000", "0.00100", "0.00200"}},          // the settings' decimals stay
        {3, 0.001, 1.0 / 3000, {"0.00000", "0.00033", "0.00067"}},    // no decimal holds it exactly
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.schritt);
        asciiExportEinstellungen.zeitDezimalstellen = f.gegeben;
        laufen(f.dauer, f.schritt);
        EXPECT_EQ(zeiten(), f.zeiten);
    }
}

TEST_F(Aufzeichnung, VollerDatentraegerBehaeltDenGeschriebenenExportUndSagtEs)   // the part was deleted
{
    NeuronDaten& a = knoten(1, "A", false);
    a.exportMaske = 0x1FF;
    BenutzerKanal& k = a.benutzerKanaele.emplace_back();
    k.name = "kanal";
    k.exportieren = 1;
    k.strom = 1e280;                        // a cell longer than any estimate
    programmStatus |= programmBit::WerteExportieren;
    laufHaken.synapsen = potentialeFolgenDerZeit;
    laufen(0.002, 1e-4);
    const std::string ganz = testhilfe::lesen(ergebnisNamen.exportDatei);
    EXPECT_GT(ganz.size(), 20u * 300u);
    fs::remove(ergebnisNamen.exportDatei);
    // a buffer that grows instead of overflowing: a flush in every step, lines longer than
    // the buffer, the same bytes
    laufHaken.exportPufferGroesse = 64;
    laufen(0.002, 1e-4);
    EXPECT_EQ(testhilfe::lesen(ergebnisNamen.exportDatei), ganz);
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
    zeitenSetzen({2});                      // the next run leaves it where it is
    laufen(0.002, 1e-4);
    EXPECT_EQ(testhilfe::lesen(ordner + name), teil);
    EXPECT_EQ(dateien().size(), 2u);
}

TEST_F(Aufzeichnung, AufzeichnungsSlotsNachArt)
{
    NeuronDaten& n = knoten(1, "A", true);
    n.potentiale = {-0.07, -0.06, -0.05, -0.04};
    n.kanalStrom = {1e-9, 2e-9, 3e-9, 4e-9, 5e-9, 6e-9, 7e-9};
    n.caKonzentration = 0.125;
    auto& k = n.hauptDiagramm.kurven;
    SynapseDaten s;                         // the source of kind 16
    s.id = 17;
    s.transmitter.freisetzung = 0.25;
    ASSERT_TRUE(synapsenTabelleSetzen(17, &s));
    n.benutzerKanaele.push_back({});        // slots 8 to 11 with a bound channel, never beyond
    n.benutzerKanaele.back().strom = 2e-9;
    n.kurvenKanaele[0] = &n.benutzerKanaele.back();
    k[8].anzeigen = k[12].anzeigen = 1;
    constexpr int spezial = kurvenReferenz::Spezial, freisetzung = kurvenReferenz::Freisetzung;
    const struct { const char* was; int slot, referenz; double faktor; bool da; float wert; } faelle[] = {
        {"soma", 0, 0, 0.0, true, -70.0f},          {"Na", 1, 0, 0.0, true, -1.0f},
        {"sum", 4, 0, 0.0, true, -4.0f},            {"dendrite 2", 6, 0, 0.0, true, -50.0f},
        {"kind 32 below slot 4", 3, spezial, 0.0, false, 0.0f},
        {"kind 32: Ca concentration", 4, spezial, 0.0, true, 0.125f},
        {"kind 32: K(Ca) current", 7, spezial, 1e9, true, 7.0f},
        {"kind 16 not in slot 0", 0, freisetzung, 0.0, false, 0.0f},
        {"kind 16: the synapse's release", 1, freisetzung, 0.0, true, 0.25f},
        {"kind 2 records nothing", 2, kurvenReferenz::Kopie, 0.0, false, 0.0f},
        {"a bound user channel", 8, 0, 0.0, true, -2.0f},
        {"a bound user channel of kind 2", 8, kurvenReferenz::Kopie, 0.0, false, 0.0f},
        {"no channel bound", 9, 0, 0.0, false, 0.0f},
        {"a reference curve", 12, 0, 0.0, false, 0.0f},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.was);
        KurvenDaten& slot = k[static_cast<size_t>(f.slot)];
        slot.referenz = f.referenz;
        slot.faktor = f.faktor;
        slot.synapseId = 17;
        float w = 0.0f;
        ASSERT_EQ(kurvenWert(n, f.slot, 0.0, w), f.da);
        if (f.da)
            EXPECT_FLOAT_EQ(w, f.wert);
    }
    synapsenTabelleSetzen(17, nullptr);
}

TEST_F(Aufzeichnung, Slot7ZeigtDieVerknuepfteSynapseAxoAxonischOhneVerzoegerungNull)
{
    NeuronDaten& n = knoten(1, "A", true);
    n.potentiale = {0.0, 0.0, 0.0, -0.04};
    SynapseDaten s;
    s.id = 5;
    s.schlangenLaenge = 2;
    SynapsenPool pool;
    pool.ring = {1e-9, 2e-9, 3e-9};
    s.pool = &pool;
    ASSERT_TRUE(synapsenTabelleSetzen(5, &s));
    n.oeffnungSynapseId = 5;
    const auto wert = [&n](double t) {
        float w = -1.0f;
        EXPECT_TRUE(kurvenWert(n, 7, t, w));
        return w;
    };
    EXPECT_FLOAT_EQ(wert(0.0), -40.0f);    // no outgoing synapse: dendrite 3
    n.ausgangsSynapsen = &s;
    EXPECT_FLOAT_EQ(wert(0.0), 2.0f);      // the place after the ring position
    pool.ringPosition = 1;
    EXPECT_FLOAT_EQ(wert(0.0), 1.0f);      // wrapped
    // axo-axonic: its delay buffer once the delay has passed
    simulationsParameter.schrittweite = 1e-4;
    s.pool = nullptr;
    s.schlangenLaenge = 5;
    s.axoSchlange = {0.0, 0.0, 0.0, 7e-9, 0.0};
    s.verzoegerung = 2e-4;
    EXPECT_FLOAT_EQ(wert(1e-4), 0.0f);
    EXPECT_FLOAT_EQ(wert(3e-4), 7.0f);
    s.verzoegerung = 0.0;                   // no division by zero
    EXPECT_FLOAT_EQ(wert(3e-4), 0.0f);
    synapsenTabelleSetzen(5, nullptr);
}

TEST_F(Aufzeichnung, ExportSchluessel)
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

    // a count a file gives beyond what the dialog takes would be a precision of a billion
    // digits per value: cut to the dialog's bounds
    std::string gross = "anzahl von dezimalstellen=1999999999\r\nanzahl von zeitangabe dezimalstellen=-7\r\n";
    exportEinstellungenLesen(gross.data());
    EXPECT_EQ(asciiExportEinstellungen.dezimalstellen, groessteExportDezimalstellen);
    EXPECT_EQ(asciiExportEinstellungen.zeitDezimalstellen, 0);
}
