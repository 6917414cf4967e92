// tests/files/test_kurvendatei.cpp - the curve data file: its bytes, the round trip of
// network and curves, the names under a script, and damaged files
#include "netzdatei_hilfe.h"
#include "files/kurvendatei.h"
#include "files/netzpuffer.h"
#include "model/ergebnisdateien.h"
#include "model/laufhaken.h"
#include "model/simulationspruefung.h"
#include <bit>
#include <map>

namespace {

using plattform::antwort::Ok;
using Kurven = std::map<std::tuple<int, int, int>, std::vector<float>>;

int32_t wortBei(const std::string& b, size_t stelle)
{
    uint32_t w = 0;
    for (size_t i = 0; i < 4; ++i)
        w |= uint32_t{static_cast<unsigned char>(b[stelle + i])} << (8 * i);
    return static_cast<int32_t>(w);
}
void wortSetzen(std::string& b, size_t stelle, int32_t w)
{
    for (size_t i = 0; i < 4; ++i)
        b[stelle + i] = static_cast<char>((static_cast<uint32_t>(w) >> (8 * i)) & 0xFF);
}
// the seven header words: kopfLaenge, kurvenAnzahl, werteProKurve, textPosition,
// textLaenge, kurvenPosition, kurvenBytes
std::vector<int32_t> kopfWorte(const std::string& b)
{
    std::vector<int32_t> w;
    for (size_t i = 0; i < 7; ++i)
        w.push_back(wortBei(b, 10 + 4 * i));
    return w;
}

struct Kurvendatei : NetzdateiFall {
    std::tuple<double, double, double, double, double, double> vorlage;

    void SetUp() override
    {
        NetzdateiFall::SetUp();
        laufzeitSetzen(0.01, 1e-4);   // 100 samples a curve
        // the settings part has tests of its own; here it is taken as read
        netzPufferHaken.einstellungenLaden = [](int) { return 1; };
        // ranges the layout can draw in, as the settings give them to the template
        DiagrammDaten& v = diagrammVorlage;
        vorlage = std::tie(v.minX, v.maxX, v.minY, v.maxY, v.xTickIntervallWirksam, v.yTickIntervall);
        std::tie(v.minX, v.maxX, v.minY, v.maxY, v.xTickIntervallWirksam, v.yTickIntervall) =
            std::tuple(0.0, 0.01, -0.1, 0.05, 0.002, 0.02);
        datHeader = {};
        datPfad = {};
        datSkriptAblage = {};
    }
    void TearDown() override
    {
        datHeader = {};
        datPfad = {};
        datSkriptAblage = {};
        datGroesseGrenze = 2147483647;
        laufHaken = {};
        netzPufferHaken = {};
        skriptStatus = 0;
        DiagrammDaten& v = diagrammVorlage;
        std::tie(v.minX, v.maxX, v.minY, v.maxY, v.xTickIntervallWirksam, v.yTickIntervall) = vorlage;
        NetzdateiFall::TearDown();
    }

    // samples that tell neuron, diagram and slot apart
    static void kurveFuellen(DiagrammDaten& d, int slot, int anzahl, float basis)
    {
        KurvenDaten& k = d.kurven[static_cast<size_t>(slot)];
        k.werte.assign(static_cast<size_t>(anzahl) + werteReserve, keineDaten);
        for (int i = 0; i < anzahl; ++i)
            k.werte[static_cast<size_t>(i)] = basis + 0.001f * static_cast<float>(i);
        k.werteAnzahl = anzahl;
    }
    // neurons 3 and 8; 8 has a further diagram; curves in four slots
    static void netzMitKurven()
    {
        NeuronDaten* a = neu(3);
        NeuronDaten* b = neu(8);
        DiagrammDaten* weiteres = diagrammAnhaengen(*b);
        ASSERT_NE(weiteres, nullptr);
        kurveFuellen(a->hauptDiagramm, kurve::Soma, 100, -0.07f);
        kurveFuellen(a->hauptDiagramm, kurve::Referenz1 + 3, 100, 2.5f);
        kurveFuellen(b->hauptDiagramm, kurve::Kalium, 100, 1e-9f);
        kurveFuellen(*weiteres, kurve::Dendrit1 + 1, 100, -0.05f);
    }
    // every slot that holds samples
    static Kurven kurven()
    {
        Kurven k;
        for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron)
            for (DiagrammDaten* d = &n->hauptDiagramm; d; d = d->naechstes)
                for (int s = 0; s < kurvenProDiagramm; ++s) {
                    const KurvenDaten& x = d->kurven[static_cast<size_t>(s)];
                    if (lesbareWerte(x) > 0)
                        k[{n->nummer, d->nummer, s}] = {x.werte.begin(), x.werte.begin() + lesbareWerte(x)};
                }
        return k;
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
        const std::string p = pfad("kurven.dat");
        testhilfe::schreiben(p, inhalt);
        netzLoeschen();
        datPfadSetzen(p);
        return datDateiLaden(datHeader);
    }
    static int text(const std::string& b) { return wortBei(b, 26); }
};

} // namespace

TEST_F(Kurvendatei, OhneKurvenIstDieDateiKopfUndTextMitNullbyte)
{
    neu(1);
    XBuffer text;
    ASSERT_TRUE(guiDateiSpeichern(0, &text, 0));
    const std::string b = bytes();
    const int L = static_cast<int>(text.laenge()) + 1;
    EXPECT_EQ(b.size(), 38u + static_cast<size_t>(L));
    EXPECT_EQ(b.substr(0, 10), std::string("[datFile]\0", 10));
    EXPECT_EQ(kopfWorte(b), (std::vector<int32_t>{38, 0, 0, 38, L, 38 + L, 0}));
    EXPECT_EQ(b.substr(38), text.text() + '\0');

    // read back: the network, no curves, no notice
    EXPECT_EQ(oeffnen(b), 1);
    EXPECT_EQ(NeuronFall::nummern(), std::vector<int>{1});
    EXPECT_TRUE(kurven().empty());
    EXPECT_TRUE(pt::boxLog().empty());
    EXPECT_EQ(datHeader.flags & datBit::WirdGeladen, 0u);
    EXPECT_EQ(programmStatus & programmBit::Beschaeftigt, 0u);
}

TEST_F(Kurvendatei, NetzUndKurvenKommenUnveraendertZurueck)
{
    netzMitKurven();
    const Kurven vorher = kurven();
    ASSERT_EQ(vorher.size(), 4u);

    // cancelled: nothing written; then saved under the chosen name
    pt::dateiAntworten({pt::dateiAbbruch(), pt::dateiAntwort(pfad("lauf.dat"))});
    EXPECT_EQ(datDateiSpeichern(datHeader), 0);
    EXPECT_EQ(datDateiSpeichern(datHeader), 1);
    const plattform::DateiWahl& w = pt::dateiWahlLog().back().gefragt;
    EXPECT_EQ(std::tie(w.titel, w.name, w.endung, w.speichern),
              std::make_tuple(std::string("Daten-Datei Speichern"), std::string("netz"), std::string("dat"), true));
    ASSERT_EQ(w.filter.size(), 1u);
    EXPECT_EQ(w.filter[0].text, "Daten-Dateien (*.dat)");
    const std::string b = testhilfe::lesen(pfad("lauf.dat"));
    EXPECT_EQ(kopfWorte(b)[1], 4);
    EXPECT_EQ(kopfWorte(b)[2], 100);
    EXPECT_EQ(b.size(), 38u + static_cast<size_t>(text(b)) + 4 * (12 + 400));

    EXPECT_EQ(oeffnen(b), 1);
    EXPECT_EQ(NeuronFall::nummern(), (std::vector<int>{3, 8}));
    EXPECT_EQ(kurven(), vorher);
    EXPECT_TRUE(pt::boxLog().empty());

    // a folder that is not there: the notice, no success
    pt::dateiAntworten({pt::dateiAntwort(pfad("fehlt/lauf.dat"))});
    pt::boxAntworten({Ok});
    EXPECT_EQ(datDateiSpeichern(datHeader), 0);
    EXPECT_EQ(gezeigteBoxen(), BoxTexte{"Hinweis: " + meldungFormatieren(74, pfad("fehlt/lauf.dat"))});
}

// a curve of another length would shift every record behind it
TEST_F(Kurvendatei, JederSatzHatDieWertezahlDesErstenSatzes)
{
    NeuronDaten* a = neu(1);
    kurveFuellen(a->hauptDiagramm, 0, 100, 1.0f);
    kurveFuellen(a->hauptDiagramm, 1, 60, 2.0f);    // filled up with zeros
    kurveFuellen(a->hauptDiagramm, 2, 130, 3.0f);   // cut at 100
    const std::string b = bytes();
    EXPECT_EQ(kopfWorte(b)[6], 3 * (12 + 400));
    EXPECT_EQ(b.size(), 38u + static_cast<size_t>(text(b)) + 3 * (12 + 400));

    ASSERT_EQ(oeffnen(b), 1);
    const Kurven k = kurven();
    ASSERT_EQ(k.size(), 3u);
    const std::vector<float>& kurz = k.at({1, 0, 1});
    ASSERT_EQ(kurz.size(), 100u);
    EXPECT_EQ(std::tuple(kurz[59], kurz[60], kurz[99]), std::tuple(2.0f + 0.001f * 59, 0.0f, 0.0f));
    EXPECT_EQ(k.at({1, 0, 2}).back(), 3.0f + 0.001f * 99);
}

TEST_F(Kurvendatei, DieGroessengrenzeBeendetDenKurventeilUndDieDateiBleibtLesbar)
{
    netzMitKurven();
    XBuffer text;
    ASSERT_TRUE(guiDateiSpeichern(0, &text, 0));
    // room for two records and a little, not for three
    datGroesseGrenze = 38 + static_cast<int64_t>(text.laenge()) + 1 + 2 * 412 + 77;
    pt::boxAntworten({Ok});
    const std::string b = bytes();
    EXPECT_EQ(pt::boxLog().back().text, meldungFormatieren(843, 2));
    EXPECT_EQ(kopfWorte(b)[1], 2);
    EXPECT_EQ(b.size(), 38u + text.laenge() + 1 + 2 * 412);
    ASSERT_EQ(oeffnen(b), 1);
    EXPECT_EQ(kurven().size(), 2u);
}

TEST_F(Kurvendatei, UnterDemSkriptHatDerNameZeitstempelUndZaehler)
{
    neu(1);
    laufHaken.ortszeit = [] { return testhilfe::zeitstempel(9); };
    skriptStatus = skriptBit::Laeuft;
    datSkriptAblage.datenSpeichern = 1;
    dateipfade.dokumentVerzeichnis = ordner;
    const struct {
        int laeufe;
        const char* name;
    } faelle[] = {{999, "netz skript 240305 070809 001.dat"}, {1000, "netz skript 240305 070809 00002.dat"}};
    for (const auto& f : faelle) {
        datSkriptAblage.laufAnzahl = f.laeufe;
        EXPECT_EQ(datDateiSpeichern(datHeader), 1);
        EXPECT_TRUE(std::filesystem::exists(pfad(f.name))) << f.name;
        datPfad.stamm = "netz";
    }
    EXPECT_TRUE(pt::dateiWahlLog().empty());
}

// Every header word is checked against the others and against the file's size before
// anything changes: the network stays empty and the notice names the file kind.
TEST_F(Kurvendatei, UnstimmigeDateienWerdenAbgelehntBevorSichEtwasAendert)
{
    netzMitKurven();
    const std::string gut = bytes();
    const int L = text(gut);
    const struct {
        const char* was;
        std::function<void(std::string&)> aendern;
    } faelle[] = {
        {"the magic without its zero byte", [](std::string& b) { b[9] = ' '; }},
        {"another magic", [](std::string& b) { b[1] = 'D'; }},
        {"cut inside the header", [](std::string& b) { b.resize(30); }},
        {"cut inside the text", [L](std::string& b) { b.resize(38 + static_cast<size_t>(L) / 2); }},
        {"cut inside the curves", [](std::string& b) { b.resize(b.size() - 1); }},
        {"header length", [](std::string& b) { wortSetzen(b, 10, 39); }},
        {"negative curve count", [](std::string& b) { wortSetzen(b, 14, -1); }},
        {"more curves than bytes", [](std::string& b) { wortSetzen(b, 14, 5); }},
        {"another sample count", [](std::string& b) { wortSetzen(b, 18, 101); }},
        {"curves without samples", [](std::string& b) { wortSetzen(b, 18, 0); wortSetzen(b, 34, 4 * 12); }},
        {"text elsewhere", [](std::string& b) { wortSetzen(b, 22, 40); }},
        {"text longer than the file", [](std::string& b) { wortSetzen(b, 26, 0x7FFFFFF0); }},
        {"no text", [](std::string& b) { wortSetzen(b, 26, 0); }},
        {"curves not behind the text", [L](std::string& b) { wortSetzen(b, 30, 38 + L + 4); }},
        {"curve bytes past the end", [](std::string& b) { wortSetzen(b, 34, wortBei(b, 34) + 412); }},
        {"curve bytes negative", [](std::string& b) { wortSetzen(b, 34, -412); }},
        {"huge counts that multiply past 32 bits",
         [](std::string& b) { wortSetzen(b, 14, 0x40000000); wortSetzen(b, 18, 0x40000000); }},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.was);
        std::string b = gut;
        f.aendern(b);
        pt::zuruecksetzen();
        pt::boxAntworten({Ok});
        EXPECT_EQ(oeffnen(b), 0);
        EXPECT_EQ(gezeigteBoxen(), BoxTexte{"Hinweis: falsches dateiformat in dat-datei"});
        EXPECT_TRUE(NeuronFall::nummern().empty());
        EXPECT_EQ(std::tuple(datHeader.flags, programmStatus & programmBit::Beschaeftigt), std::tuple(0u, 0u));
    }
}

TEST_F(Kurvendatei, AbgeschnittenMitDemErstenKopfLaedtDasNetzOhneKurven)
{
    netzMitKurven();
    std::string b = bytes();
    // the header as it stands before the curves are written, the file cut in the curve part
    const int L = text(b);
    for (size_t w = 14; w <= 18; w += 4)
        wortSetzen(b, w, 0);
    wortSetzen(b, 34, 0);
    b.resize(38 + static_cast<size_t>(L) + 500);
    EXPECT_EQ(oeffnen(b), 1);
    EXPECT_EQ(NeuronFall::nummern(), (std::vector<int>{3, 8}));
    EXPECT_TRUE(kurven().empty());
}

TEST_F(Kurvendatei, EinSatzOhneZielWirdUebersprungenUndDerNaechsteGelesen)
{
    netzMitKurven();
    std::string b = bytes();
    const size_t erster = 38 + static_cast<size_t>(text(b));
    const struct {
        const char* was;
        size_t wort;      // 0 neuron, 1 diagram, 2 slot of the first record
        int32_t wert;
    } faelle[] = {{"a neuron the network lacks", 0, 5}, {"a neuron number outside the table", 0, 70000},
                  {"a diagram the neuron lacks", 1, 7}, {"a slot past the twenty", 2, 20}, {"a negative slot", 2, -1}};
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.was);
        std::string x = b;
        wortSetzen(x, erster + 4 * f.wort, f.wert);
        ASSERT_EQ(oeffnen(x), 1);
        EXPECT_EQ(kurven().size(), 3u);
    }
}

// Truncations, flipped bytes and absurd header words: the reader never crashes and what it
// leaves is a whole network whose curves stay inside their buffers, or an empty one.
TEST_F(Kurvendatei, BeschaedigteDateienLassenSichOhneAbsturzOeffnen)
{
    netzMitKurven();
    const std::string gut = bytes();
    uint32_t zustand = 20240307;
    const auto bis = [&](size_t n) {
        zustand = zustand * 1664525u + 1013904223u;
        return n ? (zustand >> 8) % n : 0;
    };
    const int32_t werte[] = {0, -1, 1, 38, 412, 0x7FFFFFFF, INT32_MIN, 100, 4, text(gut)};
    int geladen = 0;
    for (int runde = 0; runde < 200; ++runde) {
        SCOPED_TRACE(runde);
        std::string b = gut;
        switch (bis(4)) {
        case 0: b.resize(bis(b.size())); break;
        case 1: wortSetzen(b, 10 + 4 * bis(7), werte[bis(std::size(werte))]); break;
        case 2:
            for (int i = 0; i < 8; ++i)
                b[bis(b.size())] ^= static_cast<char>(1 << bis(8));
            break;
        default: wortSetzen(b, 38 + static_cast<size_t>(text(gut)) + 412 * bis(4) + 4 * bis(3), werte[bis(10)]);
        }
        pt::zuruecksetzen();
        pt::fehlerBehandlungSetzen([](const std::string&) {});
        attrappe::rahmenZuruecksetzen();
        simulationsparameterVoreinstellen();
        einstellungenVoreinstellen();
        laufzeitSetzen(0.01, 1e-4);
        const int ergebnis = oeffnen(b);
        ASSERT_TRUE(ergebnis == 0 || ergebnis == 1);
        geladen += ergebnis;
        EXPECT_TRUE(ergebnis == 1 || attrappe::dienste.endet || neuronKette.kopf == nullptr);
        for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron)
            for (DiagrammDaten* d = &n->hauptDiagramm; d; d = d->naechstes)
                for (const KurvenDaten& k : d->kurven)
                    ASSERT_LE(lesbareWerte(k), static_cast<int>(k.werte.size()));
        EXPECT_EQ(std::tuple(datHeader.flags, datHeader.datei), std::tuple(0u, nullptr));
    }
    EXPECT_GT(geladen, 20);
}
