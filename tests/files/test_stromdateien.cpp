// tests/files/test_stromdateien.cpp - the current file beside a network (*.cur) and the
// stimulus definition files (*.str): round trip, a hand-written file, refusals, damage
#include "netzdatei_hilfe.h"
#include "files/stromdateien.h"

namespace {

constexpr int Ok = plattform::antwort::Ok;
using Punkte = std::vector<std::pair<double, double>>;

struct Stromdatei : NetzdateiFall {
    NeuronDaten* a = nullptr;

    void SetUp() override
    {
        NetzdateiFall::SetUp();
        simulationsParameter.simulationsDauer = 0.5;
        reizSchrittweite = 0.01;
        a = neu(2);
    }
    static Punkte punkte(const StromTabelle& t)
    {
        Punkte v;
        for (int i = 0; i < t.anzahlPunkte; ++i)
            v.emplace_back(t.startzeiten[static_cast<size_t>(i)], t.stromwerte[static_cast<size_t>(i)]);
        return v;
    }
    static std::string letzteBox() { return pt::boxLog().empty() ? "" : pt::boxLog().back().text; }
};

// a current file's head (one table) and end, and the table of neuron n's compartment k
const std::string kopf = "3000\nanzahl stromtabellen=1\n", ende = "[Dateiende]\n";
std::string tabelle(int n, int k, const std::string& anzahl = "3",
                    const std::string& punkte = "0 0\n0.1 1e-9\n0.5 0\n")
{
    const std::string v = "neuron " + std::to_string(n) + " stromtabelle segment " + std::to_string(k) + " ";
    return v + "herkunft=\n" + v + "anzahl punkte=" + anzahl + "\n" + punkte;
}

// A stimulus file as one writes it by hand: CR LF, comments, tabs, blanks and ';', a
// decimal comma, a point after the run's end.
const std::string handgeschrieben =
    "Reizdefinitionsdatei\r\n// zwei Reize fuer die Tests\r\n\r\nReizname=Doppelpuls\r\n0.1\t4.8e-10\r\n"
    "0.15\t0   // Pause\r\n0.2\t4.8e-10\r\n0.25\t0\r\nReizname=  Rampe  \r\n0,1 ; 1e-10\r\n0.2;2E-10\r\n"
    "0.3   0\r\n0.9 5e-10\r\n";

} // namespace

TEST_F(Stromdatei, RundreiseGibtJedeGereizteTabelleUnveraendertZurueck)
{
    // a rectangle of 0.1 s and 1 nA with a label that breaks the line
    StromreizDefinition& d = a->stromreize[0];
    std::tie(d.beginn, d.dach, d.amplitude, d.anzahl, d.an) = std::tuple(0.1, 0.1, 1e-9, 1, 1);
    a->strominjektionBezeichnung = "Rechteck mit\nZeilenumbruch";
    ASSERT_EQ(stromreizKurveErzeugen(*a, 0), 1);
    // a sine train beyond the run's end keeps its points there, before the end point
    NeuronDaten* b = neu(5);
    StromreizDefinition& s = b->stromreize[1];
    std::tie(s.beginn, s.abfall, s.ende, s.periode, s.amplitude) = std::tuple(0.3, 1e-10, 0.7, 0.05, 2e-10);
    s.anzahl = s.reizart = s.an = 1;
    ASSERT_EQ(stromreizKurveErzeugen(*b, 1), 1);

    gespeichert();   // the network's save writes it beside the network file
    const std::string datei = testhilfe::lesen(pfad("netz.cur"));
    EXPECT_TRUE(datei.starts_with("3000\r\nanzahl stromtabellen=2\r\nneuron 2 stromtabelle segment 0 "
                                  "herkunft=Rechteck mit Zeilenumbruch\r\n"));

    // loading resets every table and definition first, then takes the file's
    a->stromTabellen[2] = a->stromTabellen[0];
    stromreizeZuruecksetzen(b);
    a->stromreize[0].ausDatei = 1;
    ASSERT_EQ(stromDateiLaden(0, 0), 1);
    EXPECT_EQ(std::tie(a->stromreize[0].ausDatei, gereizteKompartimenteGesamt), std::make_tuple(0, 2));
    stromDateiSpeichern(1);
    EXPECT_EQ(testhilfe::lesen(pfad("netz.cur")), datei);

    // a longer run: each table now ends with it
    simulationsParameter.simulationsDauer = 0.8;
    ASSERT_EQ(stromDateiLaden(0, 0), 1);
    EXPECT_EQ(punkte(a->stromTabellen[0]).back(), std::make_pair(0.8, 0.0));

    // the file belongs to this network: deleting it forgets the file
    netzLoeschen();
    EXPECT_EQ(stromDateiPfad, "");
    EXPECT_EQ(stromDateiLaden(0, 0), 0);

    // opening the network again with current files in use takes the tables of its file,
    // not those its stimulus definitions give
    simulationsParameter.simulationsDauer = 0.5;
    testhilfe::schreiben(pfad("geladen.cur"), kopf + tabelle(2, 0) + ende);
    programmStatus |= programmBit::StromdateienNutzen;
    ASSERT_EQ(laden(testhilfe::lesen(pfad("netz.gui"))), 1);
    ASSERT_NE(neuronSuchen(2), nullptr);
    EXPECT_EQ(punkte(neuronSuchen(2)->stromTabellen[0]), (Punkte{{0, 0}, {0.1, 1e-9}, {0.5, 0}}));
}

TEST_F(Stromdatei, HandgeschriebeneReizdateiLaedtImModusEins)
{
    testhilfe::schreiben(pfad("reize.str"), handgeschrieben);
    ASSERT_EQ(reizDefinitionsDateiLaden(a, 1, "Rampe", pfad("reize.str"), 1), 1);
    ASSERT_EQ(reizDefinitionsDateiLaden(a, 0, "Doppelpuls", pfad("reize.str"), 1), 1);
    // (0, 0) first, the run's end last; the point at 0.9 s lies beyond it
    EXPECT_EQ(punkte(a->stromTabellen[1]), (Punkte{{0, 0}, {0.1, 1e-10}, {0.2, 2e-10}, {0.3, 0}, {0.5, 0}}));
    EXPECT_EQ(punkte(a->stromTabellen[0]),
              (Punkte{{0, 0}, {0.1, 4.8e-10}, {0.15, 0}, {0.2, 4.8e-10}, {0.25, 0}, {0.5, 0}}));
    EXPECT_EQ(std::tie(a->stromTabellen[1].herkunft, a->gereizteKompartimente), std::make_tuple("Rampe", 2));
}

// A current file that is damaged or does not fit the network, or a stimulus file without the
// stimulus or with too many, loads nothing and says so; so does a folder that takes no file.
TEST_F(Stromdatei, UnpassendeOderBeschaedigteDateiLaedtNichts)
{
    const std::string datei = pfad("x");
    const auto cur = [&](int zeile) { return meldungFormatieren(914, datei, zeile); };
    const std::string str = "Reizdefinitionsdatei\nReizname=Sinus\n";
    std::string viele = "Reizdefinitionsdatei\n";
    for (int i = 1; i <= 500; ++i)
        viele += "Reizname=R" + std::to_string(i) + "\n0.1 1e-9\n";
    const struct {
        std::string text;   // current files begin with '3'; empty: no stimulus file
        std::string meldung;
    } faelle[] = {
        {"3001\nanzahl stromtabellen=0\n" + ende, cur(1)},
        {"3000\nanzahl stromtabellen=2\n" + tabelle(2, 1) + ende, cur(8)},   // fewer tables
        {kopf + tabelle(2, 1), cur(8)},                                       // cut before the end
        {kopf + tabelle(2, 1, "3", "0 0\n0.1 1e-9\n") + ende, cur(7)},
        {kopf + tabelle(2, 1) + tabelle(2, 1) + ende, cur(8)},   // a table twice
        {kopf + tabelle(2, 1, "2", "0 0\n-0.1 0\n") + ende, cur(6)},
        {kopf + tabelle(2, 1, "2", "0 0\n0.1 nan\n") + ende, cur(6)},
        {kopf + tabelle(2, 1, "2000000000", "0 0\n") + ende, cur(6)},
        {kopf + "neuron 2 stromtabelle segment 0 herkunft=\nneuron 3 stromtabelle segment 0 anzahl punkte=2\n"
                "0 0\n0.5 0\n" + ende, cur(4)},
        // well formed, but not of this network: a neuron it lacks, a compartment it lacks
        {kopf + tabelle(9, 1) + ende, cur(3)},
        {kopf + tabelle(2, 6) + ende, cur(3)},
        {kopf + "neuron 2 stromtabelle segment 7 herkunft=\n", cur(3)},
        {handgeschrieben + "Reizname=Rest\n0.1 1\n", meldungFormatieren(911, "Sinus", datei)},
        {viele, meldungFormatieren(912, datei, 499)},
        {"Reizdefinition\nReizname=Sinus\n0 0\n", meldungFormatieren(910, datei)},
        {"Reizdefinitionsdatei\n0.1 1\nReizname=Sinus\n0 0\n", meldungFormatieren(910, datei)},
        {"Reizdefinitionsdatei\n", meldungFormatieren(910, datei)},
        {str + "0.1 1e-9\n0.2 eins\n", meldungFormatieren(913, "Sinus", datei, 4)},
        {str + "0.2 1e-9\n0.1 0\n", meldungFormatieren(913, "Sinus", datei, 4)},
        {str + "0.2 1e-9 7\n", meldungFormatieren(913, "Sinus", datei, 3)},
        {str + "Reizname=Rampe\n0 0\n", meldungFormatieren(913, "Sinus", datei, 2)},
        {"", meldungFormatieren(73, datei)},   // last: no file is left for what follows
    };
    const Punkte vorher = punkte(a->stromTabellen[0]);
    stromDateiPfad = datei;
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.text);
        std::filesystem::remove(datei);
        if (!f.text.empty())
            testhilfe::schreiben(datei, f.text);
        pt::zuruecksetzen();
        pt::boxAntworten({Ok});
        EXPECT_EQ(f.text[0] == '3' ? stromDateiLaden(0, 0)
                                   : reizDefinitionsDateiLaden(a, 0, "Sinus", datei, 1), 0);
        EXPECT_EQ(letzteBox(), f.meldung);
        EXPECT_EQ(punkte(a->stromTabellen[0]), vorher);
    }
    // a current file that is not there: the network reader says so itself; a compartment the
    // neuron lacks or has no definition for, or no neuron at all
    pt::zuruecksetzen();
    EXPECT_EQ(stromDateiLaden(0, 0), 0);
    testhilfe::schreiben(datei, handgeschrieben);
    for (auto [n, k] : {std::pair<NeuronDaten*, int>{a, -1}, {a, 4}, {nullptr, 0}})
        EXPECT_EQ(reizDefinitionsDateiLaden(n, k, "Rampe", datei, 1), 0);
    EXPECT_TRUE(pt::boxLog().empty());
    // a folder that takes no current file: the notice, and the path named before stays
    dateipfade.vollerPfad = pfad("fehlt/netz.gui");
    pt::boxAntworten({Ok});
    stromDateiSpeichern(1);
    EXPECT_EQ(letzteBox().rfind(meldungFormatieren(286, pfad("fehlt/netz.cur")), 0), 0u) << letzteBox();
    EXPECT_EQ(stromDateiPfad, datei);
}

TEST_F(Stromdatei, LeserUeberstehenBeschaedigteDateienUndLadenGanzOderGarNicht)
{
    neu(5);
    const std::string punkte4 = "0 0\n0.1 1e-9\n0.2 0\n0.5 0\n";
    const std::string cur =
        "3000\nanzahl stromtabellen=2\n" + tabelle(2, 1, "4", punkte4) + tabelle(5, 0, "4", punkte4) + ende;
    Verformer verformen{20240917};
    int geladen = 0;
    pt::fehlerBehandlungSetzen([](const std::string&) {});   // unanswered boxes are part of the game
    stromDateiPfad = pfad("x");
    for (int runde = 0; runde < 300; ++runde) {
        SCOPED_TRACE(runde);
        const bool strDatei = runde % 2;
        testhilfe::schreiben(pfad("x"), verformen(strDatei ? handgeschrieben : cur));
        const Punkte vorher = punkte(a->stromTabellen[1]);
        const char* reiz = runde % 4 == 1 ? "Rampe" : "Doppelpuls";
        const int e = strDatei ? reizDefinitionsDateiLaden(a, 1, reiz, pfad("x"), 1) : stromDateiLaden(0, 0);
        geladen += e;
        if (e == 0) {
            EXPECT_EQ(punkte(a->stromTabellen[1]), vorher);   // nothing half-way
        }
        for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron)
            for (const StromTabelle& t : n->stromTabellen) {
                const auto k = static_cast<size_t>(t.anzahlPunkte);
                ASSERT_TRUE(t.anzahlPunkte >= 2 && k <= t.startzeiten.size() && k <= t.stromwerte.size());
            }
    }
    EXPECT_GT(geladen, 30);
}
