// tests/app/test_beispiele.cpp - the example networks in examples/: built here, saved by the
// network writer, opened as a user opens them, run to their end and saved again unchanged
//
// After a change of what the network writer puts into a file, make them anew with
//   VELNOR_BEISPIELE_NEU=1 build-test/tests/app/test_app --gtest_filter='Beispiele.*'
#include "app_hilfe.h"
#include "files/einstellungsdatei.h"
#include "files/netzdatei.h"
#include "model/anzeigeeinstellungen.h"
#include "model/synapse.h"
#include <algorithm>
#include <cmath>
#include <sstream>

using namespace apphilfe;

namespace {

constexpr int natrium = 0, kalium = 1, elektrisch = 3;

// examples/ of the source tree
const std::string beispielOrdner = ausgelieferteTexte() + "../../examples/";

// a new neuron of model m with standard values, named, placed, its soma potential shown
// over the whole run with a time tick every 50 ms
NeuronDaten& zelle(int nummer, int m, const char* name, int x, int y)
{
    simulationsParameter.netzwerkmodell = m;
    NeuronDaten& n = *NeuronFall::neu(nummer, 1);
    n.modellTyp = m;
    n.name = name;
    n.x = x;
    n.y = y;
    DiagrammDaten& d = n.hauptDiagramm;
    d.kurven[kurve::Soma].anzeigen = 1;
    std::tie(d.minX, d.maxX, d.xTickIntervall, d.xTickIntervallWirksam) = std::tuple(0.0, 0.3, 0.05, 0.05);
    // what the window's layout and painter put in place of unset values, as a user's run
    // and save would write them: the file stays as it is when opened, run and saved
    d.legendeX = d.xRand;
    d.xDimensionAbstand = -30;
    d.dezimalstellenWerte = d.dezimalstellenHCursor = 3;
    d.dezimalstellenVCursor = 4;          // the places of the 0.1 ms step
    d.kurven[kurve::Soma].dimension = "mV ";
    return n;
}

// The window list the open command shows: each neuron's main diagram inside a work area of
// 1280 x 800, one column for two neurons, two for more.
constexpr int listenBreite = 1280, listenHoehe = 800;

void fensterlisteSetzen()
{
    const int anzahl = neuronKette.anzahl;
    const int spalten = anzahl <= 2 ? 1 : 2;
    const int zeilen = (anzahl + spalten - 1) / spalten;
    const int breite = listenBreite / spalten, hoehe = listenHoehe / zeilen;
    fensterliste.fill(FensterlistenEintrag{});
    int i = 0;
    for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron, ++i)
        fensterliste[static_cast<size_t>(i)] = {n->nummer, 0, (i % spalten) * breite, (i / spalten) * hoehe,
                                                breite, hoehe};
}

// soma pulses: anzahl of dauer (s) and amplitude (A), abstand apart, bursts burstabstand apart
void reiz(NeuronDaten& n, double beginn, double dauer, double amplitude, int anzahl = 1, double abstand = 0.0,
          int bursts = 0, double burstabstand = 0.0)
{
    n.stromreize[0] = {.beginn = beginn, .dach = dauer, .amplitude = amplitude, .pause = abstand,
                       .burstabstand = burstabstand, .anzahlBursts = bursts, .anzahl = anzahl, .an = 1,
                       .reizDatei = {}, .reizName = {}};
    stromreizKurveErzeugen(n, 0);
}

// a synapse of conductance g (S) with the new-synapse defaults for everything else
void synapse(NeuronDaten& a, NeuronDaten& b, int typ, double g)
{
    const NeueSynapseVorgaben& v = neueSynapseVorgaben;
    SynapseDaten* s = synapseNeu(&a, &b, typ, g, v.verzoegerung, v.freisetzungsSchwelle,
                                 v.freisetzungsSaettigung, 0, nullptr);
    synapsenTabelleSetzen(s->id, s);
}

// two neurons of one model, 100 ms of current from 50 ms: below and above the threshold
void schwellenpaar(int m, double schwach, double stark)
{
    reiz(zelle(1, m, "schwacher Reiz", 200, 250), 0.05, 0.1, schwach);
    reiz(zelle(2, m, "starker Reiz", 500, 250), 0.05, 0.1, stark);
}

constexpr int feuert = -1;            // spikes in a run, how many does not matter

struct Beispiel {
    const char* name;
    void (*bauen)();                  // in a network of 0.3 s, soma only, 0.1 ms steps
    std::vector<int> spikes;          // of neuron 1, 2, ...: their number, or feuert
};

const Beispiel beispiele[] = {
    {"onoff", [] { schwellenpaar(modell::OnOff, 0.05e-9, 0.3e-9); }, {0, feuert}},
    {"swim", [] { schwellenpaar(modell::Swim, 0.02e-9, 0.3e-9); }, {0, feuert}},
    {"hodgkin-huxley", [] { schwellenpaar(modell::HodgkinHuxley, 0.02e-9, 0.1e-9); }, {0, feuert}},
    {"golowasch-buchholz", [] { schwellenpaar(modell::GolowaschBuchholz, 2e-9, 20e-9); }, {0, feuert}},
    // the sender excites one neuron and inhibits another; the excited one and its neighbour
    // share a gap junction, one electrical synapse each way
    {"synapsen",
     [] {
         NeuronDaten& sender = zelle(1, modell::Swim, "Sender", 150, 250);
         NeuronDaten& erregt = zelle(2, modell::Swim, "erregt", 400, 150);
         NeuronDaten& gehemmt = zelle(3, modell::Swim, "gehemmt", 400, 400);
         NeuronDaten& gekoppelt = zelle(4, modell::Swim, "gekoppelt", 650, 150);
         reiz(sender, 0.05, 0.1, 0.3e-9);
         synapse(sender, erregt, natrium, 2e-7);
         synapse(sender, gehemmt, kalium, 2e-7);
         synapse(erregt, gekoppelt, elektrisch, 5e-9);
         synapse(gekoppelt, erregt, elektrisch, 5e-9);
     },
     {feuert, feuert, 0, feuert}},
    // five pulses 50 ms apart, one spike each; and three bursts of four short pulses
    {"reizfolge",
     [] {
         reiz(zelle(1, modell::Swim, "Reizfolge", 200, 250), 0.02, 0.005, 0.5e-9, 5, 0.05);
         reiz(zelle(2, modell::Swim, "Salven", 500, 250), 0.02, 0.003, 0.5e-9, 4, 0.01, 3, 0.1);
     },
     {5, feuert}},
};

struct Beispiele : AppFall {
    std::string arbeit = testhilfe::tempOrdner("velnor-beispiele");

    void TearDown() override
    {
        AppFall::TearDown();
        std::filesystem::remove_all(arbeit);
    }
    // a program that has just started, with the shipped settings: the argument as on the
    // command line; what the last one left goes first
    void neuStarten(const std::string& argument = "")
    {
        AppFall::TearDown();
        ASSERT_TRUE(starten("", argument));
    }
    // the network text as a file of that name, opened from the command line, run with F2
    // and saved with Ctrl+S: what the file then holds
    std::string oeffnenLaufenSpeichern(const std::string& name, const std::string& text)
    {
        const std::string datei = arbeit + name + ".gui";
        schreiben(datei, text);
        neuStarten(datei);
        nachrichtenVerarbeiten();
        pt::tasteDruecken(haupt(), taste::F2);
        nachrichtenVerarbeiten();
        pt::tastenZustandSetzen(tastenStatus::LinksStrg, true);
        pt::tasteDruecken(haupt(), 'S');
        nachrichtenVerarbeiten();
        pt::tastenZustandSetzen(tastenStatus::LinksStrg, false);
        EXPECT_TRUE(pt::boxLog().empty()) << pt::boxLog().front().text;
        EXPECT_DOUBLE_EQ(laufZustand.t, simulationsParameter.simulationsDauer);
        return lesen(datei);
    }
};

} // namespace

// The shipped files are what the writer makes of the networks built here, and nothing else
// lies in examples/ as a network. Each opens from the command line without a notice, runs to
// its end with finite potentials, and the neurons that should fire do.
TEST_F(Beispiele, AusgelieferteSindWasDerSchreiberAusIhnenMachtUndLaufenOhneHinweisBisZumEnde)
{
    for (const Beispiel& b : beispiele) {
        SCOPED_TRACE(b.name);
        neuStarten();
        verschieben(haupt(), 40, 30, 900, 650);   // where the user put the window
        dendritenModusSetzen(1);
        laufzeitSetzen(0.3, 1e-4);
        b.bauen();
        fensterlisteSetzen();
        cfgPfad = arbeit + "einstellungen.cfg";
        dateipfade.dokumentVerzeichnis = arbeit;
        dateipfade.netzName = b.name;
        dateipfade.endung = "gui";
        ASSERT_TRUE(guiDateiSpeichern(0, nullptr, 1));
        EXPECT_TRUE(pt::boxLog().empty()) << pt::boxLog().front().text;
        const std::string datei = arbeit + b.name + ".gui";
        const std::string ausgeliefert = beispielOrdner + b.name + ".gui";
        if (std::getenv("VELNOR_BEISPIELE_NEU"))
            std::filesystem::copy_file(datei, ausgeliefert,
                                       std::filesystem::copy_options::overwrite_existing);
        EXPECT_TRUE(lesen(datei) == lesen(ausgeliefert)) << "remake with VELNOR_BEISPIELE_NEU=1";

        // the shipped file in its place, where the run's result files may go beside it
        std::filesystem::copy_file(ausgeliefert, datei, std::filesystem::copy_options::overwrite_existing);
        neuStarten(datei);
        nachrichtenVerarbeiten();
        ASSERT_TRUE(pt::boxLog().empty()) << pt::boxLog().front().text;
        ASSERT_EQ(dateipfade.vollerPfad, datei);
        ASSERT_EQ(neuronKette.anzahl, static_cast<int>(b.spikes.size()));
        // the open showed every neuron's main diagram where the list puts it
        for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron) {
            const Rechteck r = fensterRechteck(n->hauptDiagramm.fenster);
            EXPECT_TRUE(n->hauptDiagramm.offen && istSichtbar(n->hauptDiagramm.fenster)) << n->name;
            EXPECT_TRUE(r.links >= 0 && r.oben >= 0 && r.rechts <= listenBreite && r.unten <= listenHoehe &&
                        r.breite() >= 600 && r.hoehe() >= 350)
                << n->name << ": " << r.links << ", " << r.oben << ", " << r.rechts << ", " << r.unten;
        }
        pt::tasteDruecken(haupt(), taste::F2);
        nachrichtenVerarbeiten();
        ASSERT_TRUE(pt::boxLog().empty()) << pt::boxLog().front().text;
        EXPECT_DOUBLE_EQ(laufZustand.t, simulationsParameter.simulationsDauer);
        for (NeuronDaten* n = neuronKette.kopf; n; n = n->naechstesNeuron) {
            EXPECT_TRUE(std::ranges::all_of(n->potentiale, [](double v) { return std::isfinite(v); }));
            // the window shown during the run holds the whole soma curve
            const KurvenDaten& soma = n->hauptDiagramm.kurven[kurve::Soma];
            EXPECT_EQ(soma.werteAnzahl, 3000) << n->name;
            const int soll = b.spikes[static_cast<size_t>(n->nummer - 1)];
            if (soll == feuert)
                EXPECT_GE(n->apAnzahl, 1) << n->name;
            else
                EXPECT_EQ(n->apAnzahl, soll) << n->name;
        }
    }
    EXPECT_EQ(std::ranges::count_if(std::filesystem::directory_iterator(beispielOrdner),
                                    [](const auto& e) { return e.path().extension() == ".gui"; }),
              std::ssize(beispiele));
}

namespace {

// the lines of b that a does not have in the same place, for a readable failure
std::string andereZeilen(const std::string& a, const std::string& b)
{
    std::istringstream ea(a), eb(b);
    std::string za, zb, aus;
    for (int nr = 1; std::getline(eb, zb); ++nr) {
        if (!std::getline(ea, za))
            za.clear();
        if (za != zb)
            aus += std::to_string(nr) + ": " + za + " -> " + zb + "\n";
    }
    return aus;
}

} // namespace

// A user opens an example from the command line, runs it with F2 and saves it with Ctrl+S:
// the file is the one shipped, byte for byte.
TEST_F(Beispiele, GeoeffnetGelaufenUndGespeichertBleibtJedesByteGleich)
{
    for (const Beispiel& b : beispiele) {
        SCOPED_TRACE(b.name);
        const std::string ausgeliefert = lesen(beispielOrdner + b.name + ".gui");
        const std::string gespeichert = oeffnenLaufenSpeichern(b.name, ausgeliefert);
        EXPECT_TRUE(gespeichert == ausgeliefert) << andereZeilen(ausgeliefert, gespeichert);
    }
}

// What a file sets for a diagram, where the windows would put a value of their own in
// place of an unset one, stays: after the open, the windows, the run and the save the file
// is the same. So do the values of a further diagram, whose window the list opens.
TEST_F(Beispiele, DiagrammwerteDerDateiUeberstehenFensterLaufUndSpeichern)
{
    std::string text = lesen(beispielOrdner + "swim.gui");
    const auto setzen = [](std::string& t, const std::string& vorsilbe, const std::string& schluessel,
                           const std::string& wert) {
        const std::string zeile = vorsilbe + schluessel + "=";
        const size_t a = t.find(zeile);
        ASSERT_NE(a, std::string::npos) << schluessel;
        const size_t w = a + zeile.size();
        t.replace(w, t.find("\r\n", w) - w, wert);
    };
    for (const auto& [schluessel, wert] : std::initializer_list<std::pair<std::string, std::string>>{
             {"hilfslinien", "ja"},
             {"linienWieTicks", "1"},
             {"X-Rand rechts (in Pixel)", "12"},
             {"xTickPosition", "-6"},
             {"tickFontSize", "11"},
             {"dimensionen anzeigen", "1"},
             {"x-dimension", "[ms]"},
             {"abstand x-dimension von x-achse", "-22"},
             {"ticks anpassen", "1"},
             {"legendeFontSize", "7"},
             {"legendePosition x", "55"},
             {"legendePosition y", "12"},
             {"xUrsprung (werte)", "0.100000"},
             {"anzahl dezimalstellen fuer x-achse automatisch", "1"},
             {"anzahl dezimalstellen fuer x-achse", "2"},
             {"anzahl dezimalstellen fuer werte", "5"},
             {"anzahl dezimalstellen fuer hCursor", "2"},
             {"anzahl dezimalstellen fuer vCursor", "6"},
             {"y-tick im ursprung beschriften", "ja"},
             {"cursorFarbe rot", "200"},
             {"werte in legende anzeigen", "1"},
             {"farbe fuer Kurve 0", "255"},
             {"liniendicke fuer Kurve 0", "2"},
             {"yZoom fuer Kurve 0", "2"},
             {"dimension fuer Kurve 0", "V"},
         })
        setzen(text, "\nDiagramm 1 zu 1 ", schluessel, wert);

    // neuron 1's second diagram: the first one's lines with values of its own, its window
    // in the list
    const std::string erstesDiagramm = "\nDiagramm 1 zu 1 ", zweitesDiagramm = "\nDiagramm 2 zu 1 ";
    std::string zweites;
    for (size_t a = 0; (a = text.find(erstesDiagramm, a)) != std::string::npos; ++a) {
        const size_t wert = a + erstesDiagramm.size();
        zweites += zweitesDiagramm + text.substr(wert, text.find('\n', wert) - wert);
    }
    setzen(zweites, zweitesDiagramm, "legendePosition x", "44");
    setzen(zweites, zweitesDiagramm, "anzahl dezimalstellen fuer werte", "6");
    setzen(zweites, zweitesDiagramm, "dimension fuer Kurve 0", "A");
    text.insert(text.find("[ende NEURON 1]"), zweites.substr(1) + "\n");
    // without a window in the list the run lays it out as its window would have, with no
    // notice of a diagram prepared before its layout
    const std::string ohneFenster = text;
    EXPECT_TRUE(oeffnenLaufenSpeichern("ohneFenster", ohneFenster) == ohneFenster);
    ASSERT_NE(neuronNachNummer(1)->hauptDiagramm.naechstes, nullptr);
    EXPECT_FALSE(neuronNachNummer(1)->hauptDiagramm.naechstes->fenster);

    text.insert(text.find("[fensterliste ende]"), "fensterliste 3 neuron=1\r\nfensterliste 3 diagramm=1\r\n"
                                                   "fensterliste 3 x=100\r\nfensterliste 3 y=100\r\n"
                                                   "fensterliste 3 breite=700\r\nfensterliste 3 hoehe=300\r\n");
    const std::string gespeichert = oeffnenLaufenSpeichern("gesetzt", text);
    ASSERT_NE(neuronNachNummer(1)->hauptDiagramm.naechstes, nullptr);
    EXPECT_TRUE(neuronNachNummer(1)->hauptDiagramm.naechstes->fenster);
    EXPECT_TRUE(gespeichert == text) << andereZeilen(text, gespeichert);
}
