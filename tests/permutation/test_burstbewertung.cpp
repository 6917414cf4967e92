// tests/permutation/test_burstbewertung.cpp - the burst-shape rating: the template errors of
// a resistance reflex and of an active reaction, and the rating of indexed results into
// the RR/AR tables and their index files
#include "bewertung_hilfe.h"
#include "model/neuron.h"
#include "model/spikefolge.h"

using namespace permutationstest;

namespace {

constexpr int idLueckeMin = 1874, idLueckeMax = 1875;
int schreibZaehler = 0;

// anzahl spikes at frequenz from ab on, in single precision as the records hold them
void spikes(std::vector<float>& t, int anzahl, double frequenz, double ab)
{
    for (int i = 0; i < anzahl; ++i)
        t.push_back(static_cast<float>(ab + i / frequenz));
}

// a burst per index range (first and last spike): start at the first, duration to the last
void burstsSetzen(NeuronDaten& n, const std::vector<float>& t, std::initializer_list<std::pair<size_t, size_t>> bereiche)
{
    std::vector<BurstDaten>& b = n.spikefolgenBewertung.bursts;
    b.clear();
    for (const auto& [von, bis] : bereiche) {
        BurstDaten x;
        x.start = t[von];
        x.dauer = static_cast<double>(t[bis]) - static_cast<double>(t[von]);
        x.intervallAnzahl = static_cast<int>(bis - von);
        b.push_back(x);
    }
    n.spikefolgenBewertung.code = 0;
}

// 16 spikes at 40 Hz from 0.3 s, and 15 at 80 Hz from luecke after the last of them
std::vector<float> reaktion(double luecke)
{
    std::vector<float> t;
    spikes(t, 16, 40.0, 0.3);
    spikes(t, 15, 80.0, static_cast<double>(t.back()) + luecke);
    return t;
}

class Bursts : public BewertungsFall {
protected:
    void SetUp() override
    {
        BewertungsFall::SetUp();
        simulationsParameter.simulationsDauer = 2.0;
    }
    NeuronDaten& neuron() { return *neuronNachNummer(1); }
    float fehler(const std::vector<float>& t) { return burstKennwerteBerechnen(neuron(), t.data(), static_cast<int>(t.size())); }
    // the error and the result code it leaves
    std::pair<float, int> ergebnis(const std::vector<float>& t)
    {
        const float f = fehler(t);
        return {f, neuron().spikefolgenBewertung.code};
    }

    // r.bin with one record per train, values 10, 11, ...; scanned into the index; neuron 1
    // evaluates with a burst factor of 3
    void indexieren(const std::vector<std::vector<float>>& zuege)
    {
        permutationDatenFreigeben();
        ErgebnisBauer b(2, 3, 2);
        for (size_t i = 0; i < zuege.size(); ++i)
            b.satz(static_cast<int>(i), 10.0f + static_cast<float>(i), zuege[i]);
        b.speichern(ordner + "r.bin");
        pt::dateiAntworten({pt::dateiAntwort(ordner + "r.bin")});
        pt::boxAntworten({antwort::Nein});
        ASSERT_EQ(permutationsdateiLesen(nullptr, ladeModus::Laden), static_cast<int>(zuege.size()));
        permutationsDefinition.auswerteNeuron = 1;
        neuron().spikefolge.burstFaktor = 3.0;
        neuron().spikefolge.flags = 0;
        neuron().spikefolge.mindestApAnzahlGesamt = 4;
        boxenVergessen();
    }
    // dialog 284 with the gap limits of an active reaction
    void lueckenDialog(const char* von = "0.05", const char* bis = "0.3")
    {
        pt::dialogSkript(284, {pt::schritt::tippen(idLueckeMin, von), pt::schritt::tippen(idLueckeMax, bis), pt::schritt::klicken(1)});
    }
};

} // namespace

// One burst: 18 spikes at 90 Hz, 10 at 50 Hz, 8 at 10 Hz give 5² + 2² + 10·2² = 69, and the
// burst's middle is written back; without the 50 Hz spikes a required segment is empty
// (code 4); the 18 alone are too few (code 16); a spike where none may be is no fit.
TEST_F(Bursts, WiderstandsreflexFehlerUndAbweichungen)
{
    std::vector<float> t;
    spikes(t, 18, 90.0, 0.5);
    spikes(t, 10, 50.0, 0.71);
    spikes(t, 8, 10.0, 0.95);
    burstsSetzen(neuron(), t, {{0, t.size() - 1}});
    EXPECT_NEAR(fehler(t), 69.0, 0.01);
    const BurstDaten& b = neuron().spikefolgenBewertung.bursts[0];
    EXPECT_DOUBLE_EQ(b.mitte, b.start + b.dauer / 2.0);

    std::vector<float> ohne;
    spikes(ohne, 18, 90.0, 0.5);
    spikes(ohne, 8, 10.0, 0.95);
    burstsSetzen(neuron(), ohne, {{0, ohne.size() - 1}});
    EXPECT_EQ(ergebnis(ohne), std::pair(-1.0f, 4));

    std::vector<float> allein;
    spikes(allein, 18, 90.0, 0.5);
    burstsSetzen(neuron(), allein, {{0, allein.size() - 1}});
    EXPECT_EQ(ergebnis(allein), std::pair(-1.0f, 16));

    t.push_back(1.8f);   // 1.3 s after the start: the last segment takes no spike
    burstsSetzen(neuron(), t, {{0, t.size() - 1}});
    EXPECT_EQ(ergebnis(t), std::pair(-1.0f, 4));
}

// Two spikes at the same time in a segment give no frequency: the train does not fit
// (code 4) instead of rating with an infinite error.
TEST_F(Bursts, GleicheSpikezeitenPassenNicht)
{
    std::vector<float> t;
    spikes(t, 18, 90.0, 0.5);
    spikes(t, 10, 50.0, 0.71);
    t.push_back(1.0f);
    t.push_back(1.0f);
    burstsSetzen(neuron(), t, {{0, t.size() - 1}});
    EXPECT_EQ(ergebnis(t), std::pair(-1.0f, 4));
}

// Two bursts: 16 at 40 Hz, a 0.1 s gap, 15 at 80 Hz give 10² + 10·3² = 190 with the gap's
// middle at 0.725 s; a gap beyond the largest width, or a burst of fewer than four spikes,
// is no fit; so are three spikes within 0.09 s after the first burst.
TEST_F(Bursts, AktiveReaktionFehlerUndLuecke)
{
    neuron().spikefolge.lueckeMinimum = 0.05;
    neuron().spikefolge.lueckeMaximum = 0.3;
    std::vector<float> t = reaktion(0.1);
    burstsSetzen(neuron(), t, {{0, 15}, {16, 30}});
    EXPECT_NEAR(fehler(t), 190.0, 0.01);
    EXPECT_NEAR(neuron().spikefolgenBewertung.bursts[0].mitte, 0.725, 1e-6);

    t = reaktion(0.4);
    burstsSetzen(neuron(), t, {{0, 15}, {16, 30}});
    EXPECT_EQ(ergebnis(t), std::pair(-1.0f, 4));

    t = reaktion(0.1);
    burstsSetzen(neuron(), t, {{0, 15}, {16, 18}});
    EXPECT_EQ(ergebnis(t), std::pair(-1.0f, 4));

    t = reaktion(0.06);
    burstsSetzen(neuron(), t, {{0, 15}, {16, 30}});
    EXPECT_EQ(ergebnis(t), std::pair(-1.0f, 4));

    // three bursts fit neither template
    t = reaktion(0.1);
    burstsSetzen(neuron(), t, {{0, 5}, {6, 15}, {16, 30}});
    EXPECT_EQ(ergebnis(t), std::pair(-1.0f, 4));
}

// Trains that all give two bursts: their rows go into "<net> 1 AR.txt", the RR table keeps
// its header alone and 401 says so; "<net> 1 AR.inx" reads back with the errors as values.
// With "<net> 1 RR.txt" still there, the next rating writes number 2.
TEST_F(Bursts, BewertungSchreibtTabellenUndIndex)
{
    indexieren({reaktion(0.1), reaktion(0.12), reaktion(0.14)});
    lueckenDialog();
    pt::boxAntworten({antwort::Ok});
    ASSERT_EQ(spikeverteilungBewerten(-1), 1);
    EXPECT_EQ(boxen(), (std::vector<std::string>{meldungsTexte[401]}));
    EXPECT_EQ(testhilfe::lesen(ordner + "netz 1 RR.txt"),
              "spikeverteilung: widerstandsreflex\r\nnummer\tRR-fehler\tburst-anfang\tburst-mitte\tpmt-fehler\r\n");
    const std::vector<std::string> ar = zeilen(testhilfe::lesen(ordner + "netz 1 AR.txt"));
    ASSERT_EQ(ar.size(), 5u);
    EXPECT_EQ(ar[1], "nummer\tAR-fehler\tluecke-anfang\tluecke-mitte\tpmt-fehler\r");
    EXPECT_EQ(ar[2], "0\t190.0\t0.6750\t0.7250\t10.0\r");
    EXPECT_FALSE(vorhanden("netz 1 RR.inx"));
    EXPECT_TRUE(keineTeildateien());
    EXPECT_FALSE(modusStatus & modusBit::DateiOperation);

    permutationDatenFreigeben();
    ASSERT_EQ(permutationsIndexLesen(ordner + "netz 1 AR.inx", 0, ladeModus::Laden), 3);
    EXPECT_EQ(nummern(), (std::vector<int>{0, 1, 2}));
    for (size_t i = 0; i < 3; ++i) {
        const std::string zeile = ar[2 + i];
        const double tabelle = std::stod(zeile.substr(zeile.find('\t') + 1));
        EXPECT_NEAR(z().index[i].wert, tabelle, 0.05) << zeile;
    }

    // the index of the fitting trains is an index like any: rate it again
    std::filesystem::remove(ordner + "netz 1 AR.txt");
    lueckenDialog();
    pt::boxAntworten({antwort::Ok});
    ASSERT_EQ(spikeverteilungBewerten(-1), 1);
    EXPECT_TRUE(vorhanden("netz 2 AR.txt"));
    EXPECT_EQ(zeilen(testhilfe::lesen(ordner + "netz 2 AR.txt"))[2], "0\t190.0\t0.6750\t0.7250\t190.0\r");
}

// Without an evaluation neuron the rating says so and returns before dialog 284; without
// results it asks to load them (50); Cancel in the dialog writes nothing.
TEST_F(Bursts, OhneAuswerteneuronKeinDialog)
{
    pt::boxAntworten({antwort::Ok});
    EXPECT_EQ(spikeverteilungBewerten(-1), 0);
    indexieren({reaktion(0.1)});
    permutationsDefinition.auswerteNeuron = 0;
    const size_t dialoge = pt::dialogLog().size();
    pt::boxAntworten({antwort::Ok});
    EXPECT_EQ(spikeverteilungBewerten(-1), 0);
    EXPECT_EQ(boxen(), (std::vector<std::string>{meldungsTexte[1275]}));
    EXPECT_EQ(pt::dialogLog().size(), dialoge);

    permutationsDefinition.auswerteNeuron = 1;
    pt::dialogSkript(284, {pt::schritt::klicken(2)});
    EXPECT_EQ(spikeverteilungBewerten(-1), 0);
    EXPECT_FALSE(vorhanden("netz 1 RR.txt") || vorhanden("netz 1 AR.txt"));
    EXPECT_EQ(z().index.size(), 1u);
}

// A table that cannot be written and a record that does not fit its index (45) each end
// the rating with nothing loaded, no table and no file left open.
TEST_F(Bursts, TabellenUndDateienBeiJedemAusgangGeschlossen)
{
    // a row that cannot be written, after both headers could
    indexieren({reaktion(0.1), reaktion(0.12)});
    schreibZaehler = 0;
    ergebnisSchreiben = [](const void* d, size_t n, std::FILE* f) { return ++schreibZaehler <= 2 ? std::fwrite(d, 1, n, f) : n / 2; };
    lueckenDialog();
    pt::boxAntworten({antwort::Ok});
    EXPECT_EQ(spikeverteilungBewerten(-1), 0);
    ASSERT_EQ(boxen().size(), 1u);
    EXPECT_EQ(boxen()[0], meldungFormatieren(75, ordner + "netz 1 AR.txt"));
    EXPECT_TRUE(nichtsGeladen());
    ergebnisSchreiben = schreibenVorher;

    // a record whose end marker is gone
    indexieren({reaktion(0.1), reaktion(0.12)});
    std::string bytes = testhilfe::lesen(ordner + "r.bin");
    bytes.resize(bytes.size() - 4);
    bytes += std::string(4, '\0');
    testhilfe::schreiben(ordner + "r.bin", bytes);
    lueckenDialog();
    pt::boxAntworten({antwort::Ok});
    EXPECT_EQ(spikeverteilungBewerten(-1), 0);
    EXPECT_EQ(boxen(), (std::vector<std::string>{meldungFormatieren(45, 1, ordner + "r.bin")}));
    EXPECT_TRUE(nichtsGeladen());

    EXPECT_FALSE(vorhanden("netz 1 RR.txt") || vorhanden("netz 1 AR.txt"));
    EXPECT_TRUE(keineTeildateien());
    EXPECT_FALSE(modusStatus & modusBit::DateiOperation);
}

// The menu command loads index files when nothing is loaded and rates the entries in the
// order of their numbers.
TEST_F(Bursts, BefehlLaedtEinenIndexUndBewertetNachNummern)
{
    modusAn();
    indexieren({reaktion(0.1), reaktion(0.12), reaktion(0.14)});
    std::vector<PermutationsIndexEintrag> e(z().index.rbegin(), z().index.rend());
    IndexKopf k;
    k.synapsenAnzahl = 2;
    k.levelAnzahl = 3;
    k.pfade = {ordner + "r.bin"};
    k.klassen.resize(2);
    testhilfe::schreiben(ordner + "r.inx", indexKodieren(k, e));
    permutationDatenFreigeben();

    pt::dateiAntworten({pt::dateiAntwort(ordner + "r.inx")});
    pt::boxAntworten({antwort::Nein, antwort::Ok});
    lueckenDialog();
    befehl(befehlPmtBurstBewertung);
    const std::vector<std::string> ar = zeilen(testhilfe::lesen(ordner + "netz 1 AR.txt"));
    ASSERT_EQ(ar.size(), 5u);
    for (size_t i = 0; i < 3; ++i)
        EXPECT_EQ(ar[2 + i].substr(0, 2), std::to_string(i) + "\t");
    EXPECT_EQ(nummern(), (std::vector<int>{0, 1, 2}));
    EXPECT_TRUE(vorhanden("netz 1 AR.inx"));
}
