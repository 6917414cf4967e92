// tests/files/test_fremdformat.cpp - the sibling program's network files: what the reader
// takes, what it refuses, and the writer's layout
#include "netzdatei_hilfe.h"
#include "core/fehler.h"
#include "files/fremdformat.h"
#include "model/simulationspruefung.h"
#include <functional>
#include <map>
#include <numeric>

namespace {

using plattform::antwort::Ok;
using Werte = std::vector<std::string>;

// The 43 header values of a file the reader takes: main window 100, 50 to 800, 600, two
// neurons, one synapse, one axo-axonic synapse, two types, three current records, model
// code 1 (on/off), dendrite mode 1 without segments, 10 ms at 0.1 ms.
std::map<int, std::string> grundKopf()
{
    std::map<int, std::string> k;
    const Werte w = {"100", "100", "50", "800", "600", "2", "1", "1", "2", "3", "0", "0", "0", "1", "1", "0",
                     "0.01", "0.0001", "0", "1", "1", "1", "0", "0", "0", "0", "0", "0", "3", "900", "2e-09",
                     "0.002", "-0.065", "0.004", "6e-07", "3e-07", "0.5", "0.2", "0.0015", "0.0007", "7", "7", "7"};
    for (size_t i = 0; i < w.size(); ++i)
        k[static_cast<int>(i) + 1] = w[i];
    return k;
}

Werte operator+(Werte a, const Werte& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// A file in the reader's layout; every part may be replaced. Values are lines of their own.
struct SimDatei {
    std::map<int, std::string> kopf = grundKopf();
    Werte neurone;
    Werte block1;
    Werte typen = {"3", "-0.08", "1", "0.05"};
    // 4 -> 9, area 0, 2 ms, type 1, 3e-7 S, the constant, threshold, saturation, eight dropped
    Werte synapsen = {"77", "4", "9", "0", "0.002", "1", "3e-07", "1e-06", "-0.04", "0.02",
                      "0", "0", "0", "0", "0", "0", "0", "0"};
    // from 9 onto synapse 1 (4 -> 9), 1 ms, type 0, threshold, saturation, g 0.5, constant, eight
    Werte axo = {"78", "1", "9", "4", "9", "0", "0.001", "0", "-0.03", "0.01", "0.5", "1e-06",
                 "0", "0", "0", "0", "0", "0", "0", "0"};
    Werte block2;
    // neuron 7 does not exist: its record is read and passed over
    Werte stroeme = {"7", "1", "1", "1", "1", "1", "1", "0", "1", "9", "2e-09", "0.1", "0.2", "3e-09", "0.3",
                     "0.4", "0", "1", "4", "0", "0", "1", "0", "0", "1", "0", "0"};
    std::string danach;

    SimDatei() { neurone = neuron(4, 10, 20) + neuron(9, 30, 40); }

    // number, place and the common and model parameters, each its own value
    static Werte neuron(int nummer, int x, int y, int modell = 1)
    {
        Werte w = {std::to_string(nummer), std::to_string(x), std::to_string(y)};
        for (int i = 0; i < 12 + modellBereich(modell).anzahl; ++i)
            w.push_back(std::to_string(nummer) + "." + std::to_string(i + 1));
        return w;
    }
    std::string text() const
    {
        std::string t;
        for (const auto& [nr, w] : kopf)
            t += w + "\r\n";
        for (const Werte* teil : {&neurone, &block1, &typen, &synapsen, &axo, &block2, &stroeme})
            for (const std::string& w : *teil)
                t += w + "\r\n";
        return t + danach;
    }
};

std::string fehler(int code) { return "Hinweis: " + std::string(fehlerText(code)); }

struct Fremdformat : NetzdateiFall {
    void TearDown() override
    {
        simulationsparameterVoreinstellen();
        netzvorgaben = {};
        laufZustand = {};
        NetzdateiFall::TearDown();
    }
    int lesen(const std::string& inhalt)
    {
        testhilfe::schreiben(pfad("netz.sim"), inhalt);
        netzLoeschen();
        return simDateiLesen(pfad("netz.sim"));
    }
    static std::vector<std::string> zeilen(const std::string& t)
    {
        std::vector<std::string> z;
        for (size_t a = 0, e; a < t.size(); a = e + 2) {
            e = t.find("\r\n", a);
            if (e == std::string::npos)
                break;
            z.push_back(t.substr(a, e - a));
        }
        return z;
    }
};

} // namespace

TEST_F(Fremdformat, EineGanzeDateiWirdDasNetz)
{
    SimDatei d;
    ASSERT_EQ(lesen(d.text()), 1);
    EXPECT_TRUE(pt::boxLog().empty());

    // header: right and bottom edges become width and height
    const HauptfensterGeometrie& h = hauptfensterGeometrie;
    EXPECT_EQ(std::tuple(h.x, h.y, h.breite, h.hoehe), std::tuple(100, 50, 700, 550));
    const Simulationsparameter& sp = simulationsParameter;
    EXPECT_EQ(std::tuple(sp.netzwerkmodell, sp.netzwerkVariante, sp.netzwerktyp, sp.anzahlSegmente, sp.anzahlSchritte,
                         sp.integrationsmethode, laufZustand.prozessorzeitAnzeigen),
              std::tuple(1, 0, 1, 0, 100, 3, 1));
    const Netzvorgaben& v = netzvorgaben;
    EXPECT_EQ(std::tuple(v.rauschHaeufigkeit, v.startpotential, v.axoStaerke, v.uebertragungszeitStreuung),
              std::tuple(900.0, -0.065, 0.5, 0.0007));

    // neurons with their places and parameters
    EXPECT_EQ(NeuronFall::nummern(), (std::vector<int>{4, 9}));
    NeuronDaten* a = neuronNachNummer(4);
    NeuronDaten* b = neuronNachNummer(9);
    EXPECT_EQ(std::tuple(a->x, a->y, b->x, b->y), std::tuple(10, 20, 30, 40));
    EXPECT_EQ(std::tuple(a->parameter[0], a->parameter[11], b->parameter[12], b->parameter[23]),
              std::tuple(4.1, 4.12, 9.13, 9.24));

    // the types: a table of at least four, the count as the file gives it
    ASSERT_EQ(synapsenTypen.size(), 4u);
    EXPECT_EQ(std::tuple(synapsenTypAnzahl, synapsenTypen[0].ion, synapsenTypen[0].potential, synapsenTypen[1].ion,
                         synapsenTypen[2].ion),
              std::tuple(2, 3, -0.08, 1, 0));

    // the synapse gets a new id; the axo-axonic one finds it by that id
    SynapseDaten* s = synapseNachId(1);
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(std::tuple(s->quelle, s->zielNummer, s->synapsenTyp, s->verzoegerung, s->initialLeitfaehigkeit,
                         s->freisetzungsSchwelle, s->freisetzungsSaettigung, s->axoAnzahl),
              std::tuple(a, 9, 1, 0.002, 3e-7, -0.04, 0.02, 1));
    SynapseDaten* x = synapseNachId(2);
    ASSERT_NE(x, nullptr);
    EXPECT_EQ(std::tuple(x->quelle, x->elternSynapse, x->zielBereich, x->initialLeitfaehigkeit, x->verzoegerung),
              std::tuple(b, s, kontaktort::Axo, 0.5, 0.001));
    EXPECT_EQ(std::tuple(synapsenZaehler, axoZaehler, hoechsteSynapsenId), std::tuple(2, 1, 2));

    // the current record of neuron 7 was passed over, the next one read in step
    EXPECT_EQ(std::tuple(b->somaCurrent, b->somaSCEnd, b->dendSCEnd, b->dendSCLocation, b->rauschenAn),
              std::tuple(2e-9, 0.2, 0.4, 0, 1));
    EXPECT_EQ(std::tuple(a->somaCurrent, a->dendSCLocation, a->rauschenAn), std::tuple(0.0, 0, 0));
}

TEST_F(Fremdformat, ModellcodeUndDendritenmodusStellenDasNetzEin)
{
    const struct {
        int code, modus, segmente;
        int modell, variante, segmenteDanach;
    } faelle[] = {
        {1, 1, 0, 1, 0, 0}, {3, 2, 5, 2, 0, 5},   // the file's segment count wins over the mode's 1
        {4, 3, 3, 2, 1, 3}, {6, 4, 6, 3, 1, 6}, {7, 4, 2, 4, 0, 2},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.code);
        SimDatei d;
        d.kopf[14] = std::to_string(f.code);
        d.kopf[15] = std::to_string(f.modus);
        d.kopf[16] = std::to_string(f.segmente);
        d.neurone = SimDatei::neuron(4, 0, 0, f.modell) + SimDatei::neuron(9, 0, 0, f.modell);
        ASSERT_EQ(lesen(d.text()), 1);
        const Simulationsparameter& sp = simulationsParameter;
        EXPECT_EQ(std::tuple(sp.netzwerkmodell, sp.netzwerkVariante, sp.netzwerktyp, sp.anzahlSegmente),
                  std::tuple(f.modell, f.variante, f.modus, f.segmenteDanach));
        EXPECT_EQ(neuronNachNummer(9)->segmentAnzahl, f.segmenteDanach);
    }
}

TEST_F(Fremdformat, OhneTypenBleibenDieStandardtypenUndKeineSynapseWirdGelesen)
{
    SimDatei d;
    d.kopf[9] = "0";
    d.typen = d.synapsen = d.axo = {};
    ASSERT_EQ(lesen(d.text()), 1);
    EXPECT_EQ(std::tuple(synapsenTypen.size(), synapsenTypAnzahl, synapsenZaehler), std::tuple(4u, 4, 0));
}

// Every value that indexes a table or sizes a loop is checked; a refused file leaves the
// network empty and says why.
TEST_F(Fremdformat, DateienMitFalschenWertenWerdenAbgelehnt)
{
    const struct {
        const char* was;
        std::function<void(SimDatei&)> aendern;
        std::vector<int> fehlerNummern;
    } faelle[] = {
        {"first line 101", [](SimDatei& d) { d.kopf[1] = "101"; }, {100}},
        {"an empty file", [](SimDatei& d) { d.kopf.clear(); d.neurone = d.typen = d.synapsen = d.axo = d.stroeme = {}; }, {123, 100}},
        {"a comma in a number", [](SimDatei& d) { d.neurone[5] = "1,5"; }, {124, 118}},
        {"a real beyond any double", [](SimDatei& d) { d.neurone[5] = "1e999"; }, {124, 118}},
        {"an integer beyond int", [](SimDatei& d) { d.kopf[6] = "99999999999"; }, {124}},
        {"a token longer than any number", [](SimDatei& d) { d.kopf[17] = "0." + std::string(100, '1'); }, {124}},
        {"width beyond int", [](SimDatei& d) { d.kopf[2] = "-10"; d.kopf[4] = "2147483647"; }, {100}},
        {"more neurons than the table", [](SimDatei& d) { d.kopf[6] = "1024"; }, {100}},
        {"negative synapse count", [](SimDatei& d) { d.kopf[7] = "-1"; }, {100}},
        {"more synapses than ids", [](SimDatei& d) { d.kopf[7] = "4000"; d.kopf[8] = "96"; }, {100}},
        {"more types than ids", [](SimDatei& d) { d.kopf[9] = "4097"; }, {100}},
        {"negative current count", [](SimDatei& d) { d.kopf[10] = "-3"; }, {100}},
        {"model code 0", [](SimDatei& d) { d.kopf[14] = "0"; }, {100}},
        {"model code 9", [](SimDatei& d) { d.kopf[14] = "9"; }, {100}},
        {"dendrite mode 5", [](SimDatei& d) { d.kopf[15] = "5"; }, {100}},
        {"seven segments", [](SimDatei& d) { d.kopf[16] = "7"; }, {100}},
        {"no step width", [](SimDatei& d) { d.kopf[18] = "0"; }, {100}},
        {"neuron number 0", [](SimDatei& d) { d.neurone[0] = "0"; }, {118}},
        {"neuron number 1024", [](SimDatei& d) { d.neurone[0] = "1024"; }, {118}},
        {"neuron number -1, which no neuron of a network has", [](SimDatei& d) { d.neurone[0] = "-1"; }, {118}},
        {"a neuron number twice", [](SimDatei& d) { d.neurone = SimDatei::neuron(4, 0, 0) + SimDatei::neuron(4, 0, 0); }, {118}},
        {"a skipped record of a missing neuron",
         [](SimDatei& d) { d.kopf[11] = "1"; d.block1 = Werte(30, "0"); d.block1[0] = "5"; }, {121}},
        {"ion kind 5", [](SimDatei& d) { d.typen[2] = "5"; }, {100}},
        {"a synapse type past the table", [](SimDatei& d) { d.synapsen[5] = "2"; }, {100}},
        {"a negative synapse type", [](SimDatei& d) { d.synapsen[5] = "-1"; }, {100}},
        {"a target area past the segments", [](SimDatei& d) { d.synapsen[3] = "7"; }, {100}},
        {"a synapse to a missing neuron", [](SimDatei& d) { d.synapsen[2] = "5"; }, {121}},
        {"an axo-axonic synapse on a missing parent", [](SimDatei& d) { d.axo[1] = "77"; }, {100}},
        {"an axo-axonic synapse of a missing neuron", [](SimDatei& d) { d.axo[2] = "1023"; }, {121}},
        {"a skipped record of a missing synapse",
         [](SimDatei& d) { d.kopf[13] = "1"; d.block2 = Werte(20, "0"); d.block2[0] = "3"; }, {100}},
        {"a current segment past the compartments", [](SimDatei& d) { d.stroeme[16] = "7"; }, {100}},
        {"the last value missing", [](SimDatei& d) { d.stroeme.pop_back(); }, {123}},
        {"more values than the counts say", [](SimDatei& d) { d.danach = "0\r\n"; }, {120}},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.was);
        SimDatei d;
        f.aendern(d);
        pt::zuruecksetzen();
        pt::boxAntworten({Ok, Ok, Ok});
        EXPECT_EQ(lesen(d.text()), 0);
        std::vector<std::string> erwartet;
        for (int n : f.fehlerNummern)
            erwartet.push_back(fehler(n));
        EXPECT_EQ(gezeigteBoxen(), erwartet);
        EXPECT_TRUE(NeuronFall::nummern().empty());
        EXPECT_EQ(synapseNachId(1), nullptr);
    }
    // a file that is not there
    pt::boxAntworten({Ok});
    EXPECT_EQ(simDateiLesen(pfad("fehlt.sim")), 0);
    EXPECT_EQ(gezeigteBoxen().back(), fehler(1));
}

TEST_F(Fremdformat, DerSchreiberSchreibtSeinLayoutUndDerLeserNimmtEsNichtZurueck)
{
    hauptfensterGeometrie = {100, 50, 700, 550, 0, 0};
    laufzeitSetzen(0.01, 1e-4);
    simulationsParameter.netzwerkmodell = 1;
    simulationsParameter.netzwerkVariante = 0;
    simulationsParameter.netzwerktyp = 1;
    simulationsParameter.anzahlSegmente = 0;
    NeuronDaten* a = neu(4);
    NeuronDaten* b = neu(9);
    a->x = 10;
    b->y = -40;
    a->parameter[0] = 5e-9;
    b->parameter[23] = -0.07;
    b->dendSCEnd = 0.25;
    b->rauschenAn = 1;
    SynapseDaten* s = verbinde(a, b, 1, 3e-7, 0.002, 0);
    SynapseDaten* x = verbinde(b, nullptr, 0, 0.5, 0.001, kontaktort::Axo, s);
    ASSERT_TRUE(s && x);

    ASSERT_EQ(simDateiSchreiben(pfad("netz.sim")), 1);
    const std::string t = testhilfe::lesen(pfad("netz.sim"));
    const std::vector<std::string> z = zeilen(t);
    // header, neurons (3 + 12 + 12), four types, one synapse, one axo-axonic one, currents
    ASSERT_EQ(z.size(), 40u + 2 * 27 + 8 + 10 + 20 + 2 * 9);
    EXPECT_EQ(t.size(), std::accumulate(z.begin(), z.end(), size_t{0},
                                        [](size_t n, const std::string& l) { return n + l.size() + 2; }));
    EXPECT_EQ(Werte(z.begin(), z.begin() + 18),
              (Werte{"100", "100", "50", "700", "550", "2", "2", "1", "4", "2", "0", "0", "0", "1", "1", "0",
                     "1.000000e-02", "1.000000e-04"}));
    EXPECT_EQ(Werte(z.begin() + 18, z.begin() + 29), (Werte{"0", "0", "1", "1", "0", "0", "0", "0", "0", "0", "2"}));
    EXPECT_EQ(Werte(z.begin() + 40, z.begin() + 44), (Werte{"4", "10", "0", "5.000000e-09"}));
    EXPECT_EQ(z[40 + 27 + 3 + 23], "-7.000000e-02");
    const size_t syn = 40 + 54 + 8;
    EXPECT_EQ(Werte(z.begin() + static_cast<std::ptrdiff_t>(syn), z.begin() + static_cast<std::ptrdiff_t>(syn) + 10),
              (Werte{"1", "4", "9", "0", "2.000000e-03", "1", "3.000000e-07", "1.000000e-06", "-5.000000e-02",
                     "-3.000000e-02"}));
    EXPECT_EQ(Werte(z.begin() + static_cast<std::ptrdiff_t>(syn) + 10, z.begin() + static_cast<std::ptrdiff_t>(syn) + 22),
              (Werte{"2", "1", "9", "4", "9", "0", "1.000000e-03", "0", "-5.000000e-02", "-3.000000e-02",
                     "5.000000e-01", "1.000000e-06"}));
    EXPECT_EQ(Werte(z.end() - 9, z.end()), (Werte{"9", "0.000000e+00", "0.000000e+00", "1.000000e+00",
                                                  "0.000000e+00", "0.000000e+00", "2.500000e-01", "0", "1"}));

    // the reader expects three more header values: the file is refused
    pt::fehlerBehandlungSetzen([](const std::string&) {});
    EXPECT_EQ(lesen(t), 0);
    EXPECT_TRUE(NeuronFall::nummern().empty());

    // with the sibling's three header values and eight values behind the synapse (and the
    // header's synapse count without the axo-axonic one) it reads as the same network
    std::vector<std::string> geschwister = z;
    geschwister[6] = "1";
    geschwister.insert(geschwister.begin() + static_cast<std::ptrdiff_t>(syn) + 10, 8, "0");
    geschwister.insert(geschwister.begin() + 40, 3, "0");
    std::string u;
    for (const std::string& l : geschwister)
        u += l + "\r\n";
    pt::zuruecksetzen();
    ASSERT_EQ(lesen(u), 1);
    a = neuronNachNummer(4);
    b = neuronNachNummer(9);
    ASSERT_TRUE(a && b);
    EXPECT_EQ(std::tuple(a->x, b->y, a->parameter[0], b->parameter[23], b->dendSCEnd, b->rauschenAn),
              std::tuple(10, -40, 5e-9, -0.07, 0.25, 1));
    ASSERT_NE(synapseNachId(2), nullptr);
    EXPECT_EQ(synapseNachId(2)->elternSynapse, synapseNachId(1));
}

TEST_F(Fremdformat, SpeichernFragtNachDemNamenUndBehaeltBeimFehlerDieAlteDatei)
{
    neu(1);
    testhilfe::schreiben(pfad("alt.sim"), "alt");
    pt::dateiAntworten({pt::dateiAbbruch(), pt::dateiAntwort(pfad("neu.sim"))});
    EXPECT_EQ(simDateiSpeichern(), 0);
    EXPECT_EQ(simDateiSpeichern(), 1);
    const plattform::DateiWahl& w = pt::dateiWahlLog()[0].gefragt;
    EXPECT_EQ(std::tie(w.titel, w.name, w.endung, w.ordner),
              std::make_tuple(std::string("Simulations-Datei Speichern"), std::string("default"), std::string("sim"),
                              dateipfade.dokumentVerzeichnis));
    EXPECT_TRUE(w.speichern);
    EXPECT_TRUE(testhilfe::lesen(pfad("neu.sim")).starts_with("100\r\n"));
    // a folder that is not there: the notice, nothing written
    pt::boxAntworten({Ok});
    EXPECT_EQ(simDateiSchreiben(pfad("fehlt/x.sim")), 0);
    EXPECT_EQ(gezeigteBoxen().back(), "Hinweis: " + meldungFormatieren(74, pfad("fehlt/x.sim")));
    EXPECT_EQ(testhilfe::lesen(pfad("alt.sim")), "alt");
}

// Cut files and replaced values: never a crash, and either the whole network or none.
TEST_F(Fremdformat, BeschaedigteDateienLassenEinGanzesOderLeeresNetz)
{
    const Werte gut = zeilen(SimDatei{}.text());
    const char* ersatz[] = {"-1", "0", "4096", "1024", "1e999", "x", "", "99999999999", "7", "2", "-0.5", "3"};
    uint32_t zustand = 20240308;
    const auto bis = [&](size_t n) {
        zustand = zustand * 1664525u + 1013904223u;
        return n ? (zustand >> 8) % n : 0;
    };
    int geladen = 0;
    for (int runde = 0; runde < 300; ++runde) {
        SCOPED_TRACE(runde);
        Werte z = gut;
        for (size_t k = 1 + bis(2); k > 0; --k) {
            if (bis(4) == 0)
                z.resize(bis(z.size()));
            else if (!z.empty())
                z[bis(z.size())] = ersatz[bis(std::size(ersatz))];
        }
        std::string t;
        for (const std::string& l : z)
            t += l + "\r\n";
        pt::zuruecksetzen();
        pt::fehlerBehandlungSetzen([](const std::string&) {});
        simulationsparameterVoreinstellen();
        const int ergebnis = lesen(t);
        geladen += ergebnis;
        EXPECT_TRUE(ergebnis == 1 || neuronKette.kopf == nullptr);
        EXPECT_EQ(neuronKette.anzahl, static_cast<int>(NeuronFall::nummern().size()));
        for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron) {
            ASSERT_EQ(kompartimentAnzahl(*n), n->segmentAnzahl + 1);
            ASSERT_TRUE(n->dendSCLocation >= 0 && n->dendSCLocation <= groessteSegmentAnzahl);
            for (SynapseDaten* s = n->ausgangsSynapsen; s; s = s->naechsteSynapse)
                ASSERT_TRUE(s->synapsenTyp >= 0 && s->synapsenTyp < static_cast<int>(synapsenTypen.size()));
        }
    }
    EXPECT_GT(geladen, 20);
}
