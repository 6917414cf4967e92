// tests/files/test_stromdateien.cpp - the current file beside a network (*.cur) and the
// stimulus definition files (*.str): round trip, a hand-written file, refusals, damage
#include "netzdatei_hilfe.h"
#include "files/stromdateien.h"

using pt::boxLog;

namespace {

constexpr int Ok = plattform::antwort::Ok;

struct Stromdatei : NetzdateiFall {
    void SetUp() override
    {
        NetzdateiFall::SetUp();
        simulationsParameter.simulationsDauer = 0.5;
        reizSchrittweite = 0.01;
    }
    void TearDown() override
    {
        stromDateiPfad.clear();
        NetzdateiFall::TearDown();
    }
    // a built stimulus in compartment k
    static void reiz(NeuronDaten* n, int k, const StromreizDefinition& d, const std::string& herkunft = "")
    {
        n->stromreize[static_cast<size_t>(k)] = d;
        n->strominjektionBezeichnung = herkunft;
        ASSERT_EQ(stromreizKurveErzeugen(*n, k), 1);
    }
    // the points of a table as pairs
    static std::vector<std::pair<double, double>> punkte(const StromTabelle& t)
    {
        std::vector<std::pair<double, double>> v;
        for (int i = 0; i < t.anzahlPunkte; ++i)
            v.emplace_back(t.startzeiten[static_cast<size_t>(i)], t.stromwerte[static_cast<size_t>(i)]);
        return v;
    }
    static std::string letzteBox() { return boxLog().empty() ? "" : boxLog().back().text; }
};

// a rectangle of 0.1 s and 1 nA
StromreizDefinition rechteck()
{
    StromreizDefinition d;
    d.beginn = d.dach = 0.1;
    d.amplitude = 1e-9;
    d.anzahl = d.an = 1;
    return d;
}
// two ramps 0.2 s apart
StromreizDefinition rampen()
{
    StromreizDefinition d = rechteck();
    d.beginn = d.dach = 0.05;
    d.anstieg = 0.02;
    d.abfall = 0.03;
    d.pause = 0.2;
    d.anzahl = 2;
    return d;
}
// a sine train from 0.3 s to 0.7 s, beyond the run's end
StromreizDefinition sinus()
{
    StromreizDefinition d;
    d.beginn = 0.3;
    d.abfall = 1e-10;
    d.ende = 0.7;
    d.periode = 0.05;
    d.amplitude = 2e-10;
    d.anzahl = d.reizart = d.an = 1;
    return d;
}

// A stimulus file as one writes it by hand: CR LF, comments, tabs, blanks and ';', a
// decimal comma, a point after the run's end.
const std::string handgeschrieben =
    "Reizdefinitionsdatei\r\n"
    "// zwei Reize fuer die Tests\r\n"
    "\r\n"
    "Reizname=Doppelpuls\r\n"
    "0.1\t4.8e-10\r\n"
    "0.15\t0   // Pause\r\n"
    "0.2\t4.8e-10\r\n"
    "0.25\t0\r\n"
    "Reizname=  Rampe  \r\n"
    "0,1 ; 1e-10\r\n"
    "0.2;2E-10\r\n"
    "0.3   0\r\n"
    "0.9 5e-10\r\n";

} // namespace

// ---- the current file ---------------------------------------------------------------------

TEST_F(Stromdatei, RundreiseGibtJedeGereizteTabelleUnveraendertZurueck)
{
    NeuronDaten* a = neu(2);
    NeuronDaten* b = neu(5);
    reiz(a, 0, rampen(), "Rampen mit\nZeilenumbruch");
    // a sine train beyond the run's end keeps its points there, before the end point
    reiz(b, 1, sinus(), "Sinus");
    std::vector<StromTabelle> vorher = a->stromTabellen;
    vorher.insert(vorher.end(), b->stromTabellen.begin(), b->stromTabellen.end());

    gespeichert();   // the network's save writes it beside the network file
    const std::string datei = testhilfe::lesen(pfad("netz.cur"));
    EXPECT_EQ(stromDateiPfad, dateipfade.vollerPfad.substr(0, dateipfade.vollerPfad.size() - 3) + "cur");
    EXPECT_TRUE(datei.starts_with("3000\r\nanzahl stromtabellen=2\r\nneuron 2 stromtabelle segment 0 "
                                  "herkunft=Rampen mit Zeilenumbruch\r\n"));
    EXPECT_TRUE(datei.ends_with("\r\n[Dateiende]\r\n"));
    EXPECT_NE(datei.find("\r\nneuron 5 stromtabelle segment 1 herkunft=Sinus\r\n"), std::string::npos);

    // loading resets every table first, then takes the file's
    reiz(a, 2, rechteck());
    stromreizeZuruecksetzen(b);
    a->stromreize[0].ausDatei = 1;
    ASSERT_EQ(stromDateiLaden(0, 0), 1);
    EXPECT_TRUE(boxLog().empty());
    std::vector<StromTabelle> nachher = a->stromTabellen;
    nachher.insert(nachher.end(), b->stromTabellen.begin(), b->stromTabellen.end());
    ASSERT_EQ(nachher.size(), vorher.size());
    for (size_t i = 0; i < vorher.size(); ++i) {
        EXPECT_EQ(punkte(nachher[i]), punkte(vorher[i])) << i;
        EXPECT_EQ(nachher[i].aktuellerIndex, 0);
    }
    EXPECT_EQ(a->stromTabellen[0].herkunft, "Rampen mit Zeilenumbruch");
    EXPECT_EQ(b->stromTabellen[1].herkunft, "Sinus");
    EXPECT_EQ(a->stromreize[0].ausDatei, 0);
    EXPECT_EQ(gereizteKompartimenteGesamt, 2);

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
    testhilfe::schreiben(pfad("netz.cur"), "3000\nanzahl stromtabellen=1\nneuron 2 stromtabelle segment 0 herkunft=\n"
                                           "neuron 2 stromtabelle segment 0 anzahl punkte=4\n0 0\n0.1 2e-09\n0.2 0\n"
                                           "0.5 0\n[Dateiende]\n");
    programmStatus |= programmBit::StromdateienNutzen;
    std::string name = pfad("netz.gui");
    ASSERT_EQ(guiDateiLaden(name), 1);
    programmStatus &= ~programmBit::StromdateienNutzen;
    EXPECT_TRUE(boxLog().empty());
    ASSERT_NE(neuronSuchen(2), nullptr);
    EXPECT_EQ(punkte(neuronSuchen(2)->stromTabellen[0]),
              (std::vector<std::pair<double, double>>{{0, 0}, {0.1, 2e-9}, {0.2, 0}, {0.5, 0}}));
}

TEST_F(Stromdatei, UnpassendeOderBeschaedigteDateiLaedtNichts)
{
    NeuronDaten* a = neu(2);
    reiz(a, 0, rechteck());
    const auto vorher = punkte(a->stromTabellen[0]);
    // a table of three points for neuron n, compartment k
    const auto tabelleVon = [](int n, int k) {
        const std::string v = "neuron " + std::to_string(n) + " stromtabelle segment " + std::to_string(k) + " ";
        return v + "herkunft=\n" + v + "anzahl punkte=3\n0 0\n0.1 1e-9\n0.5 0\n";
    };
    const std::string tabelle = tabelleVon(2, 1);
    struct Fall {
        std::string text;
        int zeile;   // named in the message
    };
    const Fall faelle[] = {
        {"3001\nanzahl stromtabellen=0\n[Dateiende]\n", 1},
        {"3000\nanzahl stromtabellen=2\n" + tabelle + "[Dateiende]\n", 8},           // fewer tables
        {"3000\nanzahl stromtabellen=1\n" + tabelle, 8},                            // cut before the end
        {"3000\nanzahl stromtabellen=1\n" + tabelle.substr(0, tabelle.size() - 6) + "[Dateiende]\n", 7},
        {"3000\nanzahl stromtabellen=1\n" + tabelle + tabelle + "[Dateiende]\n", 8},   // a table twice
        {"3000\nanzahl stromtabellen=1\nneuron 2 stromtabelle segment 1 herkunft=\n"
         "neuron 2 stromtabelle segment 1 anzahl punkte=2\n0 0\n-0.1 0\n[Dateiende]\n", 6},
        {"3000\nanzahl stromtabellen=1\nneuron 2 stromtabelle segment 1 herkunft=\n"
         "neuron 2 stromtabelle segment 1 anzahl punkte=2\n0 0\n0.1 nan\n[Dateiende]\n", 6},
        {"3000\nanzahl stromtabellen=1\nneuron 2 stromtabelle segment 1 herkunft=\n"
         "neuron 2 stromtabelle segment 1 anzahl punkte=2000000000\n0 0\n[Dateiende]\n", 6},
        {"3000\nanzahl stromtabellen=1\nneuron 2 stromtabelle segment 0 herkunft=\n"
         "neuron 3 stromtabelle segment 0 anzahl punkte=2\n0 0\n0.5 0\n[Dateiende]\n", 4},
        // well formed, but not of this network: a neuron it lacks, a compartment it lacks
        {"3000\nanzahl stromtabellen=1\n" + tabelleVon(9, 1) + "[Dateiende]\n", 3},
        {"3000\nanzahl stromtabellen=1\n" + tabelleVon(2, 6) + "[Dateiende]\n", 3},
        {"3000\nanzahl stromtabellen=1\nneuron 2 stromtabelle segment 7 herkunft=\n", 3},
    };
    stromDateiPfad = pfad("netz.cur");
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.text);
        testhilfe::schreiben(stromDateiPfad, f.text);
        pt::zuruecksetzen();
        pt::boxAntworten({Ok});
        EXPECT_EQ(stromDateiLaden(0, 0), 0);
        EXPECT_EQ(letzteBox(), meldungFormatieren(914, stromDateiPfad, f.zeile));
        EXPECT_EQ(punkte(a->stromTabellen[0]), vorher);
    }
    // a file that is not there: the network reader says so itself
    std::filesystem::remove(stromDateiPfad);
    pt::zuruecksetzen();
    EXPECT_EQ(stromDateiLaden(0, 0), 0);
    EXPECT_TRUE(boxLog().empty());
}

TEST_F(Stromdatei, OhneNetzpfadEntstehtKeineDatei)
{
    reiz(neu(2), 0, rechteck());
    stromDateiSpeichern(1);
    dateipfade.vollerPfad = pfad("netz.gui");
    stromDateiSpeichern(0);
    EXPECT_TRUE(std::filesystem::is_empty(ordner));
    // a folder that takes no file: the notice, and the path stays unnamed
    dateipfade.vollerPfad = pfad("fehlt/netz.gui");
    pt::boxAntworten({Ok});
    stromDateiSpeichern(1);
    EXPECT_EQ(letzteBox().rfind(meldungFormatieren(286, pfad("fehlt/netz.cur")), 0), 0u) << letzteBox();
    EXPECT_EQ(stromDateiPfad, "");
}

// ---- stimulus files ------------------------------------------------------------------------

TEST_F(Stromdatei, HandgeschriebeneReizdateiLaedtImModusEins)
{
    NeuronDaten* a = neu(2);
    testhilfe::schreiben(pfad("reize.str"), handgeschrieben);
    ASSERT_EQ(reizDefinitionsDateiLaden(a, 1, "Rampe", pfad("reize.str"), 1), 1);
    const StromTabelle& t = a->stromTabellen[1];
    // (0, 0) first, the run's end last; the point at 0.9 s lies beyond it
    EXPECT_EQ(punkte(t), (std::vector<std::pair<double, double>>{
                             {0.0, 0.0}, {0.1, 1e-10}, {0.2, 2e-10}, {0.3, 0.0}, {0.5, 0.0}}));
    EXPECT_EQ(t.herkunft, "Rampe");
    EXPECT_EQ(a->gereizteKompartimente, 1);
    ASSERT_EQ(reizDefinitionsDateiLaden(a, 0, "Doppelpuls", pfad("reize.str"), 1), 1);
    EXPECT_EQ(a->stromTabellen[0].anzahlPunkte, 6);
    EXPECT_TRUE(boxLog().empty());

    // the network reader loads what a neuron block names from a file
    NeuronDaten* b = neu(5);
    std::string block = "[NEURON 5]\nneuron 5 strominjektion aus datei in segment 0=1\n"
                        "neuron 5 strominjektion aus datei in segment 0 bezeichnung=Doppelpuls\n"
                        "neuron 5 strominjektion in segment 0 aus datei=" + pfad("reize.str") + "\n";
    guiNeuronLaden(b, lesbar(block).data());
    EXPECT_EQ(punkte(b->stromTabellen[0]), punkte(a->stromTabellen[0]));
}

TEST_F(Stromdatei, ReizdateiVerweigertOhneDenReizOderMitZuVielenReizen)
{
    NeuronDaten* a = neu(2);
    const std::string datei = pfad("reize.str");
    std::string viele = "Reizdefinitionsdatei\n";
    for (int i = 1; i <= 500; ++i)
        viele += "Reizname=R" + std::to_string(i) + "\n0.1 1e-9\n";
    struct Fall {
        std::string text;   // empty: no file
        std::string meldung;
    };
    const Fall faelle[] = {
        {"", meldungFormatieren(73, datei)},
        {handgeschrieben + "Reizname=Rest\n0.1 1\n", meldungFormatieren(911, "Sinus", datei)},
        {viele, meldungFormatieren(912, datei, 499)},
        {"Reizdefinition\nReizname=Sinus\n0 0\n", meldungFormatieren(910, datei)},
        {"Reizdefinitionsdatei\n0.1 1\nReizname=Sinus\n0 0\n", meldungFormatieren(910, datei)},
        {"Reizdefinitionsdatei\n", meldungFormatieren(910, datei)},
        {"Reizdefinitionsdatei\nReizname=Sinus\n0.1 1e-9\n0.2 eins\n", meldungFormatieren(913, "Sinus", datei, 4)},
        {"Reizdefinitionsdatei\nReizname=Sinus\n0.2 1e-9\n0.1 0\n", meldungFormatieren(913, "Sinus", datei, 4)},
        {"Reizdefinitionsdatei\nReizname=Sinus\n0.2 1e-9 7\n", meldungFormatieren(913, "Sinus", datei, 3)},
        {"Reizdefinitionsdatei\nReizname=Sinus\nReizname=Rampe\n0 0\n", meldungFormatieren(913, "Sinus", datei, 2)},
    };
    const auto vorher = punkte(a->stromTabellen[0]);
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.meldung);
        std::filesystem::remove(datei);
        if (!f.text.empty())
            testhilfe::schreiben(datei, f.text);
        pt::zuruecksetzen();
        pt::boxAntworten({Ok});
        EXPECT_EQ(reizDefinitionsDateiLaden(a, 0, "Sinus", datei, 1), 0);
        EXPECT_EQ(letzteBox(), f.meldung);
        EXPECT_EQ(punkte(a->stromTabellen[0]), vorher);
    }
    // a compartment the neuron lacks or has no definition for, or no neuron at all
    testhilfe::schreiben(datei, handgeschrieben);
    pt::zuruecksetzen();
    for (int k : {-1, 4})
        EXPECT_EQ(reizDefinitionsDateiLaden(a, k, "Rampe", datei, 1), 0);
    EXPECT_EQ(reizDefinitionsDateiLaden(nullptr, 0, "Rampe", datei, 1), 0);
    EXPECT_TRUE(boxLog().empty());
}

TEST_F(Stromdatei, ModusNullFragtNachDateiUndReizUndAendertOhneWahlNichts)
{
    NeuronDaten* a = neu(2);
    testhilfe::schreiben(pfad("reize.str"), handgeschrieben);
    // cancelled: nothing asked further
    pt::dateiAntworten({pt::dateiAbbruch()});
    EXPECT_EQ(reizDefinitionsDateiLaden(a, 0, "", "", 0), 0);
    ASSERT_EQ(pt::dateiWahlLog().size(), 1u);
    const plattform::DateiWahl& w = pt::dateiWahlLog()[0].gefragt;
    EXPECT_EQ(w.titel, "Stromreizdatei \xD6" "ffnen");
    ASSERT_EQ(w.filter.size(), 1u);
    EXPECT_EQ(w.filter[0].text, "Stromreiz-Dateien (*.str)");
    EXPECT_FALSE(w.speichern);
    EXPECT_TRUE(boxLog().empty());
    // a file chosen, no stimulus picked from its menu: nothing changes
    pt::dateiAntworten({pt::dateiAntwort(pfad("reize.str"))});
    pt::popupAntworten({0});
    EXPECT_EQ(reizDefinitionsDateiLaden(a, 0, "", "", 0), 0);
    EXPECT_TRUE(boxLog().empty());
    EXPECT_EQ(a->stromreize[0].ausDatei, 0);
    EXPECT_EQ(a->stromTabellen[0].anzahlPunkte, 3);
}

// ---- damage ------------------------------------------------------------------------------

TEST_F(Stromdatei, LeserUeberstehenBeschaedigteDateienUndLadenGanzOderGarNicht)
{
    NeuronDaten* a = neu(2);
    reiz(neu(5), 0, rampen(), "A");
    reiz(a, 1, rechteck(), "B");
    dateipfade.vollerPfad = pfad("netz.gui");
    stromDateiSpeichern(1);
    const std::string cur = testhilfe::lesen(pfad("netz.cur"));
    Verformer verformen{20240917};
    int geladen = 0;
    for (int runde = 0; runde < 300; ++runde) {
        SCOPED_TRACE(runde);
        pt::zuruecksetzen();
        pt::fehlerBehandlungSetzen([](const std::string&) {});
        const bool strDatei = runde % 2;
        testhilfe::schreiben(pfad("x"), verformen(strDatei ? handgeschrieben : cur));
        const auto vorher = punkte(a->stromTabellen[1]);
        stromDateiPfad = pfad("x");
        const int e = strDatei ? reizDefinitionsDateiLaden(a, 1, runde % 4 == 1 ? "Rampe" : "Doppelpuls", pfad("x"), 1)
                               : stromDateiLaden(0, 0);
        geladen += e;
        if (e == 0) {
            EXPECT_EQ(punkte(a->stromTabellen[1]), vorher);   // nothing half-way
        }
        for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron)
            for (const StromTabelle& t : n->stromTabellen) {
                ASSERT_GE(t.anzahlPunkte, 2);
                ASSERT_LE(static_cast<size_t>(t.anzahlPunkte), std::min(t.startzeiten.size(), t.stromwerte.size()));
            }
    }
    EXPECT_GT(geladen, 30);
}
