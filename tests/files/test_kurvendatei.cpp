// tests/files/test_kurvendatei.cpp - the curve data file: its bytes, the round trip of
// network and curves, and damaged files
#include "netzdatei_hilfe.h"
#include "files/kurvendatei.h"
#include "files/netzpuffer.h"
#include "model/ergebnisdateien.h"
#include "model/simulationspruefung.h"
#include <cstring>
#include <numeric>

namespace {

using plattform::antwort::Ok;

// the file's words are little-endian, as on every host we build for
int32_t wortBei(const std::string& b, size_t stelle)
{
    int32_t w = 0;
    std::memcpy(&w, b.data() + stelle, sizeof w);
    return w;
}
void wortSetzen(std::string& b, size_t stelle, int32_t w) { std::memcpy(b.data() + stelle, &w, sizeof w); }
// the sixth header word: where the records begin
size_t kurvenPosition(const std::string& b) { return static_cast<size_t>(wortBei(b, 30)); }

struct Kurvendatei : NetzdateiFall {
    DiagrammDaten vorlage = diagrammVorlage;

    void SetUp() override
    {
        NetzdateiFall::SetUp();
        laufzeitSetzen(0.01, 1e-4);   // 100 samples a curve
        // the settings part has tests of its own; here it is taken as read
        netzPufferHaken.einstellungenLaden = [](int) { return 1; };
        // ranges the layout can draw in, as the settings give them to the template
        DiagrammDaten& v = diagrammVorlage;
        std::tie(v.minX, v.maxX, v.minY, v.maxY, v.xTickIntervallWirksam, v.yTickIntervall) =
            std::tuple(0.0, 0.01, -0.1, 0.05, 0.002, 0.02);
    }
    void TearDown() override
    {
        datHeader = {};
        netzPufferHaken = {};
        diagrammVorlage = vorlage;
        NetzdateiFall::TearDown();
    }

    // samples that tell neuron, diagram and slot apart
    static void kurveFuellen(DiagrammDaten& d, int slot, int anzahl, float basis)
    {
        KurvenDaten& k = d.kurven[static_cast<size_t>(slot)];
        k.werte.assign(static_cast<size_t>(anzahl) + werteReserve, keineDaten);
        std::iota(k.werte.begin(), k.werte.begin() + anzahl, basis);
        k.werteAnzahl = anzahl;
    }
    // neurons 3 and 8; 8 has a further diagram; curves in three slots
    static void netzMitKurven()
    {
        NeuronDaten* a = neu(3);
        NeuronDaten* b = neu(8);
        kurveFuellen(a->hauptDiagramm, kurve::Referenz1 + 3, 100, -0.07f);
        kurveFuellen(b->hauptDiagramm, kurve::Kalium, 100, 1e-9f);
        kurveFuellen(*diagrammAnhaengen(*b), kurve::Dendrit1 + 1, 100, -0.05f);
    }
    static std::string bytes()
    {
        std::string b;
        datHeaderInit(datHeader);
        EXPECT_EQ(datSchreiben(datHeader, b), 1);
        return b;
    }
    // the file opened as the open command does it, into the empty network
    int oeffnen(const std::string& inhalt)
    {
        testhilfe::schreiben(pfad("kurven.dat"), inhalt);
        netzLoeschen();
        datPfadSetzen(pfad("kurven.dat"));
        return datDateiLaden(datHeader);
    }
};

} // namespace

TEST_F(Kurvendatei, OhneKurvenIstDieDateiKopfUndTextMitNullbyte)
{
    neu(1);
    XBuffer text;
    ASSERT_TRUE(guiDateiSpeichern(0, &text, 0));
    const std::string b = bytes();
    const int L = static_cast<int>(text.laenge()) + 1;
    const int32_t worte[] = {38, 0, 0, 38, L, 38 + L, 0};
    const std::string kopf(reinterpret_cast<const char*>(worte), sizeof worte);
    EXPECT_EQ(b, std::string("[datFile]\0", 10) + kopf + text.text() + '\0');
}

// A curve of another length would shift every record behind it: each has the first
// record's sample count, a shorter curve filled up with zeros, a longer one cut.
TEST_F(Kurvendatei, NetzUndKurvenKommenZurueckJederSatzMitDerWertezahlDesErsten)
{
    netzMitKurven();
    kurveFuellen(neuronNachNummer(8)->hauptDiagramm, kurve::Soma, 60, 2.0f);
    kurveFuellen(neuronNachNummer(8)->hauptDiagramm, kurve::Natrium, 130, 3.0f);
    // read and written again: the same records
    const std::string datei = bytes();
    EXPECT_EQ(oeffnen(datei), 1);
    EXPECT_EQ(bytes().substr(kurvenPosition(bytes())), datei.substr(kurvenPosition(datei)));
    EXPECT_EQ(neuronNachNummer(8)->hauptDiagramm.kurven[kurve::Soma].werte.at(60), 0.0f);

    // a folder that is not there: the notice, no success
    pt::dateiAntworten({pt::dateiAntwort(pfad("fehlt/lauf.dat"))});
    pt::boxAntworten({Ok});
    EXPECT_EQ(datDateiSpeichern(datHeader), 0);
    EXPECT_EQ(gezeigteBoxen(), BoxTexte{"Hinweis: " + meldungFormatieren(74, pfad("fehlt/lauf.dat"))});
}

// Every header word is checked against the others and against the file's size before
// anything changes: a refused file leaves the network empty and names the file kind; records
// of slots the network lacks are passed over. Truncations and absurd header and record words
// never crash the reader and leave a whole network or an empty one.
TEST_F(Kurvendatei, UnstimmigeDateienWerdenAbgelehntUndBeschaedigteOhneAbsturzGeoeffnet)
{
    netzMitKurven();
    const std::string gut = bytes();
    const size_t satz = kurvenPosition(gut);   // the first record
    const auto oeffnenOhneAbsturz = [&](const std::string& b) {
        pt::zuruecksetzen();
        pt::fehlerBehandlungSetzen([](const std::string&) {});
        const int ergebnis = oeffnen(b);
        EXPECT_TRUE(ergebnis == 1 || neuronKette.kopf == nullptr);
        EXPECT_EQ(std::tuple(datHeader.flags, datHeader.datei, programmStatus & programmBit::Beschaeftigt),
                  std::tuple(0u, nullptr, 0u));
        return ergebnis;
    };
    const struct {
        const char* was;
        std::function<void(std::string&)> aendern;
        int kurven;   // read, or -1: refused
    } faelle[] = {
        {"the magic without its zero byte", [](std::string& b) { b[9] = ' '; }, -1},
        {"curves without samples", [](std::string& b) { wortSetzen(b, 18, 0); wortSetzen(b, 34, 36); }, -1},
        {"huge counts that multiply past 32 bits",
         [](std::string& b) { wortSetzen(b, 14, 0x40000000); wortSetzen(b, 18, 0x40000000); }, -1},
        // the header as it stands before the curves are written, the file cut in the curve part
        {"AbgeschnittenMitDemErstenKopfLaedtDasNetzOhneKurven",
         [=](std::string& b) { b.replace(14, 8, 8, 0); b.replace(34, 4, 4, 0); b.resize(satz + 500); }, 0},
        {"a record of a neuron the network lacks", [=](std::string& b) { wortSetzen(b, satz, 5); }, 2},
        {"a record of a negative slot", [=](std::string& b) { wortSetzen(b, satz + 8, -1); }, 2},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.was);
        std::string b = gut;
        f.aendern(b);
        EXPECT_EQ(oeffnenOhneAbsturz(b), f.kurven < 0 ? 0 : 1);
        EXPECT_EQ(gezeigteBoxen(), BoxTexte(f.kurven < 0, "Hinweis: falsches dateiformat in dat-datei"));
        EXPECT_EQ(NeuronFall::nummern().size(), f.kurven < 0 ? 0u : 2u);
        EXPECT_EQ(wortBei(bytes(), 14), std::max(f.kurven, 0));   // the curves a new file counts
    }

    const int32_t werte[] = {0, -1, 1, 38, 412, INT32_MAX, INT32_MIN, 100, 4, wortBei(gut, 26)};
    Verformer z{20240307};
    int geladen = 0;
    for (int runde = 0; runde < 200; ++runde) {
        SCOPED_TRACE(runde);
        std::string b = gut;
        switch (z.bis(3)) {
        case 0: b.resize(z.bis(b.size())); break;
        case 1: wortSetzen(b, 10 + 4 * z.bis(7), werte[z.bis(10)]); break;
        default: wortSetzen(b, satz + 412 * z.bis(3) + 4 * z.bis(3), werte[z.bis(10)]);
        }
        geladen += oeffnenOhneAbsturz(b);
    }
    EXPECT_GT(geladen, 20);
}
