// tests/files/test_fremdformat.cpp - the sibling program's network files: the writer's layout,
// what the reader takes in the sibling's layout, and what it refuses
#include "netzdatei_hilfe.h"
#include "core/fehler.h"
#include "files/fremdformat.h"
#include "model/simulationspruefung.h"
#include <sstream>

namespace {

using Werte = std::vector<std::string>;

// where the parts of the file in the sibling's layout begin: two neurons of the on/off model,
// the four standard types, a synapse, an axo-axonic one, three current records
constexpr size_t neurone = 43, typen = 97, synapse = 105, axo = 123, stroeme = 143;

struct Fremdformat : NetzdateiFall {
    // neurons 4 and 9 of the on/off model without segments, a synapse 4 -> 9 and an
    // axo-axonic one from 9 onto it
    static void netzBauen()
    {
        Simulationsparameter& sp = simulationsParameter;
        std::tie(sp.netzwerkmodell, sp.netzwerktyp, sp.anzahlSegmente) = std::tuple(modell::OnOff, 1, 0);
        laufzeitSetzen(0.01, 1e-4);
        NeuronDaten* a = neu(4);
        NeuronDaten* b = neu(9);
        a->x = 10;
        b->y = -40;
        a->parameter[0] = 5e-9;
        b->dendSCEnd = 0.25;
        b->rauschenAn = 1;
        verbinde(b, nullptr, 0, 0.5, 0.001, kontaktort::Axo, verbinde(a, b, 1, 3e-7, 0.002, 0));
    }
    // the network as the writer writes it, one value a line
    Werte geschrieben()
    {
        EXPECT_EQ(simDateiSchreiben(pfad("eigen.sim")), 1);
        Werte w;
        std::istringstream s(testhilfe::lesen(pfad("eigen.sim")));
        for (std::string x; std::getline(s, x);)
            w.push_back(x.substr(0, x.size() - 1));   // the line without its CR
        return w;
    }
    int lesen(const Werte& w)
    {
        std::string t;
        for (const std::string& x : w)
            t += x + "\r\n";
        testhilfe::schreiben(pfad("netz.sim"), t);
        netzLoeschen();
        return simDateiLesen(pfad("netz.sim"));
    }
};

} // namespace

// Our own files have a header of 40 values and nothing behind a synapse, so the reader, which
// takes the sibling's layout, refuses them. In that layout the same network comes back, the
// main window placed by its right and bottom edges. Every value that indexes a table or sizes
// a loop is checked; a refused file leaves the network empty and says why. Cut files and
// replaced values never crash the reader and leave the whole network or none.
TEST_F(Fremdformat, EigenesLayoutGeschwisterformatUndDateienMitFalschenWertenWerdenAbgelehnt)
{
    hauptfensterGeometrie = {100, 50, 700, 550, 0, 0};
    netzvorgaben.axoStaerke = 0.5;   // values of the file's own, which the reader must take
    synapsenTypen[0].potential = 0.06;
    netzBauen();
    const Werte z = geschrieben();
    // header, neurons (3 + 12 + 12), four types, a synapse, an axo-axonic one, currents
    ASSERT_EQ(z.size(), 40u + 2 * 27 + 8 + 10 + 20 + 2 * 9);
    const std::string n = "0.000000e+00";
    EXPECT_EQ(Werte(z.begin(), z.begin() + 40),
              (Werte{"100", "100", "50", "700", "550", "2", "2", "1", "4", "2", "0", "0", "0", "1", "1", "0",
                     "1.000000e-02", "1.000000e-04", "0", "0", "1", "1", "0", "0", "0", "0", "0", "0", "2",
                     "1.000000e+03", "1.000000e-09", "1.000000e-03", "-7.000000e-02", "5.000000e-03",
                     "5.000000e-07", "2.000000e-07", "5.000000e-01", "1.000000e-01", "1.000000e-03",
                     "5.000000e-04"}));
    EXPECT_EQ(Werte(z.begin() + 40, z.begin() + 44), (Werte{"4", "10", "0", "5.000000e-09"}));
    EXPECT_EQ(Werte(z.begin() + 102, z.begin() + 124),
              (Werte{"1", "4", "9", "0", "2.000000e-03", "1", "3.000000e-07", "1.000000e-06", "-5.000000e-02",
                     "-3.000000e-02", "2", "1", "9", "4", "9", "0", "1.000000e-03", "0", "-5.000000e-02",
                     "-3.000000e-02", "5.000000e-01", "1.000000e-06"}));
    EXPECT_EQ(Werte(z.end() - 9, z.end()),
              (Werte{"9", n, n, "1.000000e+00", n, n, "2.500000e-01", "0", "1"}));
    pt::fehlerBehandlungSetzen([](const std::string&) {});
    EXPECT_EQ(lesen(z), 0);

    // The sibling's layout (synapse, axo-axonic synapse and currents are the last 10 + 20 + 18
    // values): three more header values, eight behind the synapse, the synapse count without
    // the axo-axonic one, ids of the sibling's own, and a current record of neuron 7, which
    // does not exist, to be passed over.
    Werte gut = z;
    gut[6] = "1";
    gut[9] = "3";
    gut[gut.size() - 48] = "77";
    gut[gut.size() - 38] = "78";
    gut.insert(gut.end() - 18, 9, "7");
    gut.insert(gut.end() - 27 - 20, 8, "0");
    gut.insert(gut.begin() + 40, 3, "0");
    gut[3] = "800";
    gut[4] = "600";
    netzvorgaben = {};
    synapsenTypen[0].potential = 0.05;
    pt::zuruecksetzen();
    ASSERT_EQ(lesen(gut), 1);
    const HauptfensterGeometrie& h = hauptfensterGeometrie;
    EXPECT_EQ(std::tuple(h.x, h.y, h.breite, h.hoehe), std::tuple(100, 50, 700, 550));
    EXPECT_EQ(std::tuple(hoechsteSynapsenId, synapsenZaehler, axoZaehler), std::tuple(2, 2, 1));
    EXPECT_EQ(geschrieben(), z);

    const auto lesenOhneAbsturz = [&](const Werte& w) {
        pt::zuruecksetzen();
        pt::fehlerBehandlungSetzen([](const std::string&) {});
        const int ergebnis = lesen(w);
        EXPECT_TRUE(ergebnis == 1 || neuronKette.kopf == nullptr);
        EXPECT_EQ(neuronKette.anzahl, static_cast<int>(NeuronFall::nummern().size()));
        for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron)
            EXPECT_TRUE(n->dendSCLocation >= 0 && n->dendSCLocation <= groessteSegmentAnzahl);
        return ergebnis;
    };
    const struct {
        const char* was;
        std::function<void(Werte&)> aendern;
        std::vector<int> fehler;   // none: read
    } faelle[] = {
        {"first line 101", [](Werte& w) { w[0] = "101"; }, {100}},
        // the model code gives model and variant; the file's segment count wins over the mode's one
        {"model code 2, mode 2, five segments", [](Werte& w) { w[13] = "2"; w[14] = "2"; w[15] = "5"; }, {}},
        {"a real beyond any double", [](Werte& w) { w[neurone + 5] = "1e999"; }, {124, 118}},
        {"an integer beyond int", [](Werte& w) { w[5] = "99999999999"; }, {124}},
        {"a token longer than any number", [](Werte& w) { w[16] = "0." + std::string(100, '1'); }, {124}},
        {"width beyond int", [](Werte& w) { w[1] = "-10"; w[3] = "2147483647"; }, {100}},
        {"more neurons than the table", [](Werte& w) { w[5] = "1024"; }, {100}},
        {"more synapses than ids", [](Werte& w) { w[6] = "4000"; w[7] = "96"; }, {100}},
        {"model code 9", [](Werte& w) { w[13] = "9"; }, {100}},
        {"dendrite mode 5", [](Werte& w) { w[14] = "5"; }, {100}},
        {"seven segments", [](Werte& w) { w[15] = "7"; }, {100}},
        {"no step width", [](Werte& w) { w[17] = "0"; }, {100}},
        {"neuron number -1, which no neuron of a network has", [](Werte& w) { w[neurone] = "-1"; }, {118}},
        {"a skipped record of a missing neuron", [](Werte& w) { w[10] = "1"; }, {121}},
        {"ion kind 5", [](Werte& w) { w[typen] = "5"; }, {100}},
        {"no types: the synapses are not read",
         [](Werte& w) { w[8] = "0"; w.erase(w.begin() + typen, w.begin() + stroeme); }, {}},
        {"a synapse type past the table", [](Werte& w) { w[synapse + 5] = "4"; }, {100}},
        {"a target area past the segments", [](Werte& w) { w[synapse + 3] = "7"; }, {100}},
        {"a synapse to a missing neuron", [](Werte& w) { w[synapse + 2] = "5"; }, {121}},
        {"an axo-axonic synapse on the parent's id in the file", [](Werte& w) { w[axo + 1] = "77"; }, {100}},
        {"a skipped record of a missing synapse", [](Werte& w) { w[12] = "1"; }, {100}},
        {"the last value missing", [](Werte& w) { w.pop_back(); }, {123}},
        {"more values than the counts say", [](Werte& w) { w.push_back("0"); }, {120}},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.was);
        Werte w = gut;
        f.aendern(w);
        EXPECT_EQ(lesenOhneAbsturz(w), f.fehler.empty() ? 1 : 0);
        BoxTexte erwartet;
        for (int n : f.fehler)
            erwartet.push_back("Hinweis: " + std::string(fehlerText(n)));
        EXPECT_EQ(gezeigteBoxen(), erwartet);
        EXPECT_EQ(NeuronFall::nummern().size(), f.fehler.empty() ? 2u : 0u);
        // model, variant, mode and segments of what was read, as the writer gives them back
        EXPECT_TRUE(f.fehler.size() || std::equal(&w[13], &w[16], &geschrieben()[13]));
    }

    const char* ersatz[] = {"-1", "0", "4096", "1024", "1e999", "x", "", "99999999999", "7", "2", "-.5", "3"};
    Verformer verformen{20240308};
    int geladen = 0;
    for (int runde = 0; runde < 300; ++runde) {
        SCOPED_TRACE(runde);
        Werte w = gut;
        w[verformen.bis(w.size())] = ersatz[verformen.bis(std::size(ersatz))];
        if (verformen.bis(3) == 0)
            w.resize(verformen.bis(w.size()));
        geladen += lesenOhneAbsturz(w);
    }
    EXPECT_GT(geladen, 20);
}
