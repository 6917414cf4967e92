// tests/permutation/test_serie.cpp - the series: which numbers it computes, what it writes,
// its progress, its stops and refusals
//
// A stand-in run gives the evaluation neuron a spike train made of the current levels, so
// every record can be checked against the rating of its own train.
#include "permutation_hilfe.h"
#include "waechter_hilfe.h"
#include "diagrams/diagramm.h"
#include "model/entgleisung.h"
#include "model/laufstart.h"
#include "model/permutation.h"
#include "model/permutationsfenster.h"
#include "model/simulationsparameter.h"
#include "permutation/ergebnisdatei.h"
#include "permutation/ergebnisformat.h"
#include "permutation/ergebnisse.h"
#include "permutation/lauf.h"
#include "script/skript.h"
#include <functional>

using namespace permutationstest;

namespace {

constexpr int idEingabe = 1251;

// what each run of the stand-in saw
struct Lauf {
    int nummer;
    std::array<uint8_t, 20> level;
    int modus;                          // teilsimulationsModus
};
inline std::vector<Lauf> laeufe;
inline std::function<void(int)> waehrendLauf;

std::vector<float> zugFuer(const std::array<uint8_t, 20>& l)
{
    return {0.52f, 0.53f + 0.01f * l[0], 0.6f + 0.02f * l[1] + 0.01f * l[2]};
}

Laufausgang standLauf()
{
    laufAngehalten = false;             // every run starts without a halt
    const PermutationsLaufstand& s = permutationsLaufstand;
    laeufe.push_back({s.nummer, s.level, teilsimulationsModus});
    NeuronDaten* n = auswerteNeuron();
    const std::vector<float> zug = zugFuer(s.level);
    n->spikeZeiten = zug;
    n->spikeZeiten.resize(10);          // room beyond the count, as the run keeps it
    n->apAnzahl = static_cast<int>(zug.size());
    if (waehrendLauf)
        waehrendLauf(s.nummer);
    if (teilsimulationsModus == 1)
        teilsimulationsModus = 2;
    // as the run driver says it: an abort or a halt ends the run early, and the flag goes
    const Laufausgang ende = laufZustand.abbrechen ? Laufausgang::Abgebrochen : Laufausgang::Beendet;
    laufZustand.abbrechen = 0;
    return ende;
}

// what the time loop does with a run whose values ran away: the notice's count, the halt,
// the end like an abort
void entgleisen(double seit)
{
    laufEntgleist(*auswerteNeuron(), seit);
    laufAngehalten = true;
    laufZustand.abbrechen = 1;
}

class Serie : public PermutationFall {
protected:
    std::string pfad;
    size_t (*schreiben)(const void*, size_t, std::FILE*) = nullptr;
    void (*pauseWarten)() = nullptr;

    void SetUp() override
    {
        PermutationFall::SetUp();
        dreiSynapsenDefinieren();
        modusAn();
        modusStatus |= modusBit::DefinitionDa;
        pfad = ordner + "serie.bin";
        laeufe.clear();
        waehrendLauf = nullptr;
        permutationsLaufHaken = standLauf;
        maxBinDateiGroesse = 0;
        schreiben = ergebnisSchreiben;
        pauseWarten = serienPauseWarten;
    }
    void TearDown() override
    {
        permutationsLaufHaken = nullptr;
        ergebnisSchreiben = schreiben;
        serienPauseWarten = pauseWarten;
        waehrendLauf = nullptr;
        skript = Skript{};
        skriptStatus = 0;
        maxBinDateiGroesse = 0;
        PermutationFall::TearDown();
    }
    void starten(int befehlId, std::initializer_list<const char*> eingaben = {})
    {
        for (const char* e : eingaben)
            pt::dialogSkript(146, {pt::schritt::tippen(idEingabe, e), pt::schritt::klicken(1)});
        befehl(befehlId);
    }
    // the numbers of the records of a file, each checked against the rating of its train
    std::vector<int> saetze(const std::string& datei)
    {
        const std::string b = testhilfe::lesen(datei);
        PermutationsKopf k;
        std::vector<int> nummern;
        if (!ergebnisKopfDekodieren(b, k)) {
            ADD_FAILURE() << datei << " is no result file";
            return nummern;
        }
        uint64_t o = static_cast<uint64_t>(k.ersterSatz);
        PermutationsErgebnis e;
        while (o < b.size()) {
            if (!ergebnisSatzDekodieren(b, o, k, e, &o)) {
                ADD_FAILURE() << datei << ": a record that does not end at " << o;
                break;
            }
            const std::array<uint8_t, 20> l = {static_cast<uint8_t>(e.nummer & 1),
                                               static_cast<uint8_t>(e.nummer >> 1 & 1),
                                               static_cast<uint8_t>(e.nummer >> 2 & 1)};
            EXPECT_EQ(e.level, l) << e.nummer;
            EXPECT_EQ(e.apZeiten, zugFuer(l)) << e.nummer;
            Klassentabelle t = standardKlassen();
            EXPECT_EQ(e.wert, analyseKlassenZuordnen(t, 0, e.apZeiten.data(), 3)) << e.nummer;
            nummern.push_back(e.nummer);
        }
        return nummern;
    }
    std::vector<int> nummern() const
    {
        std::vector<int> n;
        for (const Lauf& l : laeufe)
            n.push_back(l.nummer);
        return n;
    }
};

using V = std::vector<int>;

} // namespace

// "starten" computes 0..7 in order into the chosen file; the status bar and the progress
// window follow, and a restart would go on at 8.
TEST_F(Serie, StartenSchreibtAlleNummernMitIhrerBewertung)
{
    pt::dateiAntworten({pt::dateiAntwort(pfad)});
    waehrendLauf = [](int nummer) {
        if (nummer == 1)
            pt::uhrVorstellen(3725250.0, false);
        if (nummer == 2) {
            EXPECT_EQ(statusTexte[1], "\t25%");
            EXPECT_EQ(statusTexte[2], "\t2 00:01:02:05");
            neuZeichnen(restzeit.fenster);
            const auto& z = pt::letzteZeichnung(restzeit.fenster);
            std::vector<std::string> texte;
            for (const pt::ZeichenAufruf& a : z)
                if (a.art == pt::ZeichenArt::Text)
                    texte.push_back(a.text);
            // 3725.25 s for two runs: six more take 3 hours, 6 minutes and 15.75 seconds
            EXPECT_EQ(texte, (std::vector<std::string>{"Permutation 2", "2 / 8", "03:06:16"}));
        }
    };
    starten(befehlPmtStarten);
    EXPECT_EQ(pt::dateiWahlLog().at(0).gefragt.name, "netz 1");
    EXPECT_EQ(pt::dateiWahlLog().at(0).gefragt.titel, "Permutationsdatei Speichern");
    EXPECT_EQ(saetze(pfad), (V{0, 1, 2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(std::tuple(statusTexte[0], statusTexte[1]), std::tuple(std::string("\tbeendet bei"), std::string("\t8")));
    EXPECT_EQ(permutationsDefinition.letzteNummer, 8);
    EXPECT_FALSE(modusStatus & modusBit::SerieLaeuft);
    EXPECT_EQ(restzeit.fenster, nullptr);
    // the synapses are back at their own conductances
    EXPECT_EQ(synapseNachId(synapsenId(4, 2))->initialLeitfaehigkeit, 4e-7);
    EXPECT_FALSE(std::filesystem::exists(pfad + ".tmp"));
}

// 191 at 4 writes 4..7 into a new file; a start outside 0..7 is refused. 193 with start 1
// and count 3 computes 1, 2, 3; a count of 0 or one past the end is refused.
TEST_F(Serie, NeuStartenUndPartiell)
{
    pt::dateiAntworten({pt::dateiAntwort(pfad)});
    pt::boxAntworten({antwort::Ok, antwort::Ok});
    starten(befehlPmtErneutStarten, {"-1", "8", "4"});
    EXPECT_EQ(boxen(), (std::vector<std::string>{meldungFormatieren(176, -1, 8), meldungFormatieren(176, 8, 8)}));
    EXPECT_EQ(saetze(pfad), (V{4, 5, 6, 7}));

    boxenVergessen();
    const std::string zweite = ordner + "teil.bin";
    pt::dateiAntworten({pt::dateiAntwort(zweite)});
    pt::boxAntworten({antwort::Ok, antwort::Ok});
    starten(befehlPmtPartiell, {"1", "0", "8", "3"});
    EXPECT_EQ(boxen(), (std::vector<std::string>{meldungFormatieren(180, 1, 0, 8), meldungFormatieren(180, 1, 8, 8)}));
    EXPECT_EQ(saetze(zweite), (V{1, 2, 3}));
    EXPECT_EQ(permutationsDefinition.letzteNummer, 4);
}

// The NUM statements of a loaded script choose the numbers: each once, ascending, and the
// repeated one is reported; the script keeps its own order.
TEST_F(Serie, NumAnweisungenWaehlenDieNummern)
{
    for (const int n : {5, 2, 5, 7, 12}) {
        SkriptAnweisung a;
        a.code = anweisungscode("NUM");
        a.ganzzahl = n;
        skript.anweisungen.push_back(a);
    }
    skript.hatNum = 1;
    skript.pfad = "liste.skr";
    skriptStatus |= skriptBit::Geladen;
    pt::dateiAntworten({pt::dateiAntwort(pfad)});
    pt::boxAntworten({antwort::Ok});
    starten(befehlPmtStarten);
    EXPECT_EQ(saetze(pfad), (V{2, 5, 7}));
    EXPECT_EQ(boxen(), std::vector<std::string>{meldungFormatieren(1257, 1, "liste.skr")});
    EXPECT_EQ(skript.anweisungen[0].ganzzahl, 5);
    EXPECT_EQ(restzeit.geplanteLaeufe, 3);
}

// Free order computes one number into the single result, without a file; a number outside
// 0..7 is refused.
TEST_F(Serie, FreieReihenfolgeOhneDatei)
{
    pt::dialogSkript(146, {pt::schritt::tippen(idEingabe, "9"), pt::schritt::klicken(1)});
    pt::dialogSkript(146, {pt::schritt::tippen(idEingabe, "6"), pt::schritt::klicken(1)});
    pt::dialogSkript(146, {pt::schritt::klicken(2)});
    pt::boxAntworten({antwort::Ok});
    befehl(befehlPmtFreieReihenfolge);
    EXPECT_EQ(nummern(), V{6});
    const PermutationsErgebnis& e = permutationsErgebnisse.einzel;
    EXPECT_EQ(std::tuple(e.nummer, e.apAnzahl, e.level[0], e.level[1], e.level[2]), std::tuple(6, 3, 0, 1, 1));
    EXPECT_EQ(e.wert, [&] {
        Klassentabelle t = standardKlassen();
        return analyseKlassenZuordnen(t, 0, e.apZeiten.data(), 3);
    }());
    EXPECT_TRUE(pt::dateiWahlLog().empty());
    EXPECT_TRUE(std::ranges::none_of(std::filesystem::directory_iterator(ordner),
                                     [](const auto& e) { return e.path().extension() == ".bin"; }));
    EXPECT_FALSE(modusStatus & (modusBit::FreieReihenfolge | modusBit::SerieLaeuft));
}

// Leaving the mode takes the last series' number and time out of the status bar, after a
// series into a file and after one of free order: the simulation mode shows none of them.
TEST_F(Serie, VerlassenDesModusLeertNummerUndZeitDerSerie)
{
    const auto gezeigt = [](int teil) {
        const pt::StatusleisteZustand* z = pt::statusleisteZustand(fensterhandles.statusleiste);
        return z && z->teile.count(teil) ? z->teile.at(teil).text : std::string("?");
    };
    pt::dateiAntworten({pt::dateiAntwort(pfad)});
    starten(befehlPmtStarten);
    ASSERT_EQ(std::tuple(gezeigt(1), statusTexte[2].substr(0, 3)), std::tuple(std::string("\t8"), std::string("\t8 ")));
    befehl(befehlPmtModusBeenden);
    ASSERT_FALSE(modusStatus & modusBit::Permutationsmodus);
    EXPECT_EQ(std::tuple(statusTexte[0], statusTexte[1], statusTexte[2]),
              std::tuple(std::string("\tSimulationsmodus"), std::string(), std::string()));
    EXPECT_EQ(std::tuple(gezeigt(0), gezeigt(1), gezeigt(2)),
              std::tuple(std::string("\tSimulationsmodus"), std::string(), std::string()));

    modusAn();
    modusStatus |= modusBit::DefinitionDa;
    pt::dialogSkript(146, {pt::schritt::tippen(idEingabe, "3"), pt::schritt::klicken(1)});
    pt::dialogSkript(146, {pt::schritt::klicken(2)});
    befehl(befehlPmtFreieReihenfolge);
    ASSERT_EQ(nummern(), (V{0, 1, 2, 3, 4, 5, 6, 7, 3}));
    ASSERT_FALSE(statusTexte[2].empty());
    befehl(befehlPmtModusBeenden);
    EXPECT_EQ(std::tuple(gezeigt(1), gezeigt(2), statusTexte[1], statusTexte[2]),
              std::tuple(std::string(), std::string(), std::string(), std::string()));
}

// A series gives the varied synapses back what they had, however it ends: at its end,
// aborted by Esc in the run of number 4, stopped by a record that cannot be written. Two
// synapses of three levels share the pool of neuron 1. Its guard finds the network's text,
// the settings, the switches and the run-time values as they were before, each time.
TEST_F(Serie, DieLeitfaehigkeitenSindNachDerSerieWieDavor)
{
    WaechterPruefen pruefen;
    permutationsDefinition.levelAnzahl = 3;
    permutationsDefinition.synapsen = {{synapsenId(2, 1), {1e-8, 2e-8, 3e-8}}, {synapsenId(3, 1), {4e-8, 5e-8, 6e-8}}};
    SynapseDaten* a = synapseNachId(synapsenId(2, 1));
    a->leitfaehigkeit = 1.5e-7;                      // the dynamic value apart from the base
    const auto stand = [&] {
        const SynapseDaten* b = synapseNachId(synapsenId(3, 1));
        return std::tuple(a->initialLeitfaehigkeit, a->leitfaehigkeit, b->initialLeitfaehigkeit, b->leitfaehigkeit,
                          neuronSuchen(1)->eingangsPools->gSumme);
    };
    const auto vorher = stand();
    static int aufrufe = 0;
    const auto serie = [&](const std::string& name, std::function<void(int)> lauf) {
        SCOPED_TRACE(name);
        laeufe.clear();
        waehrendLauf = std::move(lauf);
        pt::dateiAntworten({pt::dateiAntwort(ordner + name + ".bin")});
        starten(befehlPmtStarten);
        EXPECT_EQ(stand(), vorher);
        laufZustand.abbrechen = 0;
        ergebnisSchreiben = schreiben;
        return nummern();
    };
    EXPECT_EQ(serie("ganz", nullptr), (V{0, 1, 2, 3, 4, 5, 6, 7, 8}));
    EXPECT_EQ(serie("esc", [](int n) { laufZustand.abbrechen = n == 4; }), (V{0, 1, 2, 3, 4}));
    aufrufe = 0;
    ergebnisSchreiben = [](const void* d, size_t n, std::FILE* f) -> size_t {
        return std::fwrite(d, 1, ++aufrufe == 3 ? n / 2 : n, f);   // the disk runs full in the second record
    };
    pt::boxAntworten({antwort::Ok});
    EXPECT_EQ(serie("voll", nullptr), (V{0, 1}));
    EXPECT_EQ(WaechterPruefen::verglichen, 3);
}

// A single permutation in free order keeps its levels, to show them, and the status bar says
// which one the network holds; the display that it asks for opens after it, while the next
// number is asked for.
TEST_F(Serie, EineFreiePermutationBehaeltIhreLevel)
{
    modusStatus |= modusBit::ErgebnisseNachFreier;
    pt::dialogSkript(146, {pt::schritt::tippen(idEingabe, "6"), pt::schritt::klicken(1)});
    pt::dialogSkript(146, {[](Fenster) {
                               EXPECT_NE(permutationsPseudoNeuron(), nullptr);
                               EXPECT_FALSE(modusStatus & modusBit::SerieLaeuft);
                           },
                           pt::schritt::klicken(2)});
    befehl(befehlPmtFreieReihenfolge);
    EXPECT_EQ(nummern(), V{6});
    // 6: levels 0, 1 and 1
    EXPECT_EQ(std::tuple(synapseNachId(synapsenId(2, 1))->initialLeitfaehigkeit,
                         synapseNachId(synapsenId(3, 1))->initialLeitfaehigkeit,
                         synapseNachId(synapsenId(4, 2))->initialLeitfaehigkeit),
              std::tuple(1e-8, 4e-8, 6e-8));
    EXPECT_NEAR(neuronSuchen(1)->eingangsPools->gSumme, 5e-8, 1e-20);
    EXPECT_EQ(statusTexte[0], meldungFormatieren(1283, 6));
    EXPECT_TRUE(boxen().empty()) << boxen().front();
    permutationFensterSchliessen();
    modusStatus &= ~modusBit::ErgebnisseNachFreier;
}

// Yes to 541 during number 4 lets 4 finish; the series ends there and goes on at 5.
TEST_F(Serie, AbbrechenNachDemLaufendenLauf)
{
    pt::dateiAntworten({pt::dateiAntwort(pfad)});
    waehrendLauf = [this](int nummer) {
        if (nummer != 4)
            return;
        pt::boxAntworten({antwort::Ja});
        befehl(befehlPmtAbbrechen);
        EXPECT_TRUE(modusStatus & modusBit::SerieLaeuft);
    };
    starten(befehlPmtStarten);
    EXPECT_EQ(saetze(pfad), (V{0, 1, 2, 3, 4}));
    EXPECT_EQ(permutationsDefinition.letzteNummer, 5);
}

// A run that ran away stopped the series at its first: it reported itself aborted, as Esc
// does. It is recorded with what it had until it stopped, and the series goes on; no box
// stands between the runs, and one notice after the series gives the count and the first.
// Esc still ends the series, its run unrecorded.
TEST_F(Serie, EinAngehaltenerLaufWirdNachDerSerieGemeldet)
{
    struct Fall { int esc; V saetze; int anzahl; };
    for (const Fall f : {Fall{-1, {0, 1, 2, 3, 4, 5, 6, 7}, 3}, Fall{4, {0, 1, 2, 3}, 2}}) {
        SCOPED_TRACE(f.esc);
        std::filesystem::remove(pfad);
        pt::dateiAntworten({pt::dateiAntwort(pfad)});
        static size_t boxen = 0;
        static int esc = 0;
        std::tie(boxen, esc) = std::tuple(pt::boxLog().size(), f.esc);
        waehrendLauf = [](int nummer) {
            EXPECT_EQ(pt::boxLog().size(), boxen) << nummer;
            if (nummer == 2 || nummer == 3 || nummer == 6)
                entgleisen(0.001 * nummer);
            if (nummer == esc)
                laufZustand.abbrechen = 1;   // the key in the run
        };
        pt::boxAntworten({antwort::Ok});
        if (f.esc < 0)
            starten(befehlPmtStarten);
        else
            starten(befehlPmtErneutStarten, {"0"});
        EXPECT_EQ(saetze(pfad), f.saetze);
        EXPECT_FALSE(modusStatus & modusBit::SerieLaeuft);
        const NeuronDaten* n = auswerteNeuron();
        ASSERT_EQ(pt::boxLog().size(), boxen + 1);
        EXPECT_EQ(pt::boxLog().back().text, meldungFormatieren(812, f.anzahl, 2, n->nummer, neuronAnzeigename(*n), 0.002));
    }
}

// A pause holds the series: time runs, nothing is written, and 236 again lets it go on.
TEST_F(Serie, PauseSchreibtNichts)
{
    pt::dateiAntworten({pt::dateiAntwort(pfad)});
    static int pausen = 0;
    static uintmax_t groesse = 0;
    static std::string datei;
    pausen = 0;
    datei = pfad;
    serienPauseWarten = [] {
        pt::uhrVorstellen(300.0);
        EXPECT_EQ(std::filesystem::file_size(datei), groesse);
        if (++pausen == 5)
            plattform::posten(fensterhandles.hauptfenster, plattform::nachricht::Befehl, befehlPmtAnhalten);
    };
    waehrendLauf = [this](int nummer) {
        if (nummer == 2) {
            groesse = std::filesystem::file_size(datei);
            befehl(befehlPmtAnhalten);
        }
    };
    starten(befehlPmtStarten);
    EXPECT_EQ(pausen, 5);
    EXPECT_EQ(saetze(pfad), (V{0, 1, 2, 3, 4, 5, 6, 7}));
}

// Closing the program mid-run keeps every finished record and no part of the aborted one.
TEST_F(Serie, SchliessenBehaeltJedenFertigenSatz)
{
    pt::dateiAntworten({pt::dateiAntwort(pfad)});
    waehrendLauf = [](int nummer) {
        if (nummer == 3)
            laeufeAbbrechenZumSchliessen();
    };
    starten(befehlPmtStarten);
    EXPECT_EQ(saetze(pfad), (V{0, 1, 2}));
    EXPECT_EQ(std::filesystem::file_size(pfad), 2361u + 3 * 72);
    EXPECT_EQ(nummern(), (V{0, 1, 2, 3}));
}

// A record that cannot be written whole: notice 221, the file cut back to its last whole
// record, and a restart goes on at the failed number.
TEST_F(Serie, SchreibfehlerSchneidetAufGanzeSaetzeZurueck)
{
    static int aufrufe = 0;
    aufrufe = 0;
    ergebnisSchreiben = [](const void* d, size_t n, std::FILE* f) -> size_t {
        if (++aufrufe == 5)
            return std::fwrite(d, 1, n / 2, f);   // the disk runs full in the fourth record
        return std::fwrite(d, 1, n, f);
    };
    pt::dateiAntworten({pt::dateiAntwort(pfad)});
    pt::boxAntworten({antwort::Ok});
    starten(befehlPmtStarten);
    EXPECT_EQ(boxen(), std::vector<std::string>{meldungsTexte[221]});
    EXPECT_EQ(saetze(pfad), (V{0, 1, 2}));
    EXPECT_EQ(std::filesystem::file_size(pfad), 2361u + 3 * 72);
    EXPECT_EQ(permutationsDefinition.letzteNummer, 3);
    EXPECT_EQ(nummern(), (V{0, 1, 2, 3}));
}

// With a limit of 2500 bytes every second record opens the next numbered file.
TEST_F(Serie, GrosseDateienGehenInNummeriertenWeiter)
{
    maxBinDateiGroesse = 2500;
    pt::dateiAntworten({pt::dateiAntwort(pfad)});
    starten(befehlPmtStarten);
    EXPECT_EQ(saetze(pfad), (V{0, 1}));
    EXPECT_EQ(saetze(ordner + "serie 1.bin"), (V{2, 3}));
    EXPECT_EQ(saetze(ordner + "serie 2.bin"), (V{4, 5}));
    EXPECT_EQ(saetze(ordner + "serie 3.bin"), (V{6, 7}));
    EXPECT_FALSE(std::filesystem::exists(ordner + "serie 4.bin"));
}

// Refusals before the file leave a file at the path as it was: too many permutations (508),
// No to the space question, and each part-simulation check (101, 207, 102). A series that
// never started gives back nothing and leaves all as it was.
TEST_F(Serie, VerweigerungenLassenDieAlteDatei)
{
    WaechterPruefen pruefen;
    testhilfe::schreiben(pfad, "alte Datei");
    // the box said (its beginning: the space question names the free space, which changes)
    const auto versuchen = [&](const std::string& meldung, int antwort, size_t laenge = std::string::npos) {
        SCOPED_TRACE(meldung);
        boxenVergessen();
        pt::dateiAntworten({pt::dateiAntwort(pfad)});
        pt::boxAntworten({antwort});
        starten(befehlPmtStarten);
        ASSERT_EQ(boxen().size(), 1u);
        EXPECT_EQ(boxen()[0].substr(0, laenge), meldung.substr(0, laenge));
        EXPECT_EQ(testhilfe::lesen(pfad), "alte Datei");
        EXPECT_TRUE(laeufe.empty());
    };
    const PermutationsDefinition gut = permutationsDefinition;
    permutationsDefinition.levelAnzahl = 6;
    permutationsDefinition.synapsen.resize(12, {1, {0, 0, 0, 0, 0, 0}});
    versuchen(meldungsTexte[508], antwort::Ok);

    permutationsDefinition = gut;
    simulationsParameter.simulationsDauer = 1e12;
    const uint64_t bedarf = (static_cast<uint64_t>(1e14) * 4 + 48) * 8;
    const std::string frage = meldungFormatieren(1256, bedarf >> 20, ordner.substr(0, ordner.size() - 1), uint64_t{0});
    versuchen(frage, antwort::Nein, frage.find(" mit "));
    simulationsParameter.simulationsDauer = 1.0;

    modusStatus |= modusBit::Teilsimulation;
    simulationsParameter.netzwerkmodell = 2;
    simulationsParameter.netzwerktyp = 3;
    permutationsDefinition.synapsen = {gut.synapsen[2], gut.synapsen[0]};
    versuchen(meldungsTexte[101], antwort::Ok);           // 2->1 ends on another neuron than 4->2
    permutationsDefinition.synapsen = {gut.synapsen[0], gut.synapsen[1]};
    versuchen(meldungsTexte[207], antwort::Ok);           // 2->1 and 3->1 share their pool
    permutationsDefinition.synapsen = {gut.synapsen[2]};
    versuchen(meldungsTexte[102], antwort::Ok);           // 2, the target, has a synapse onto 1
    EXPECT_EQ(WaechterPruefen::verglichen, 5);
}

// Part-simulation: the first run records the input of the target, the others run it alone
// with the level in its pool; the target's pools get buffers for the whole run, the others none.
TEST_F(Serie, TeilsimulationZeichnetEinmalAufUndRechnetDannNurDasZiel)
{
    NeuronDaten* drei = neuronSuchen(3);
    synapseLoeschen(drei, drei->ausgangsSynapsen, 0);
    permutationsDefinition.synapsen.resize(1);           // 2->1 alone in its pool
    modusStatus |= modusBit::Teilsimulation;
    simulationsParameter.netzwerkmodell = 2;
    simulationsParameter.netzwerktyp = 3;
    laufzeitSetzen(0.02, 1e-4);
    pt::dateiAntworten({pt::dateiAntwort(pfad)});
    waehrendLauf = [](int) {
        const SynapsenPool* p = neuronSuchen(1)->eingangsPools;
        ASSERT_NE(p, nullptr);
        EXPECT_EQ(p->aufzeichnung.size(), static_cast<size_t>(30 + 200 + 64));
        EXPECT_TRUE(neuronSuchen(2)->eingangsPools->aufzeichnung.empty());
        EXPECT_EQ(teilsimulationsNeuron(), neuronSuchen(1));
    };
    starten(befehlPmtStarten);
    ASSERT_EQ(laeufe.size(), 2u);
    EXPECT_EQ(std::pair(laeufe[0].modus, laeufe[1].modus), std::pair(1, 2));
    EXPECT_EQ(neuronSuchen(1)->eingangsPools->gSumme, 2e-7) << "the pool's own sum again after the series";
    EXPECT_EQ(saetze(pfad), (V{0, 1}));
}

// The level bars: bottom 110, height 90, two levels give the tops 108 and 18; the painter
// gets them only while a series runs.
TEST_F(Serie, BalkenNachLevel)
{
    permutationsFenster.balkenUnterkante = 110;
    permutationsFenster.balkenMaximalHoehe = 90;
    pt::dateiAntworten({pt::dateiAntwort(pfad)});
    waehrendLauf = [](int nummer) {
        if (nummer != 5)
            return;
        PermutationsBalken b;
        ASSERT_TRUE(permutationsBalkenHolen(b));
        EXPECT_EQ(std::tuple(b.anzahl, b.oben, b.unten), std::tuple(3, std::vector<int>{18, 108, 18}, 110));
        EXPECT_NE(b.stift, nullptr);
    };
    starten(befehlPmtStarten);
    PermutationsBalken b;
    EXPECT_FALSE(permutationsBalkenHolen(b));
    permutationsFenster = PermutationsFensterEinstellungen{};
}

// Diagrams show the level bars while the series runs only: once it ends, every diagram
// window (a further one too) is painted again without them, also after free order, whose
// display still draws them for its result.
TEST_F(Serie, BalkenVerlassenDieDiagrammeMitDerSerie)
{
    permutationsFenster.balkenFarbe = 0x123456;
    permutationsDefinition.levelAnzahl = 3;
    permutationsDefinition.synapsen = {{synapsenId(2, 1), {1e-8, 2e-8, 3e-8}},
                                       {synapsenId(4, 2), {5e-8, 6e-8, 7e-8}}};
    std::vector<Fenster> diagramme;
    for (int i = 1; i <= 4; ++i) {
        NeuronDaten* n = neuronSuchen(i);
        ASSERT_EQ(diagrammAnzeigen(n, &n->hauptDiagramm), &n->hauptDiagramm);
        diagramme.push_back(n->hauptDiagramm.fenster);
    }
    const DiagrammDaten* weiteres = diagrammAnzeigen(neuronSuchen(1), nullptr);
    ASSERT_NE(weiteres, nullptr);
    diagramme.push_back(weiteres->fenster);
    const auto balken = [](Fenster f) {
        return std::ranges::count_if(pt::letzteZeichnung(f), [](const pt::ZeichenAufruf& a) {
            return a.art == pt::ZeichenArt::Rechteck && a.zustand.pinsel == 0x123456;
        });
    };
    waehrendLauf = [&](int nummer) {
        if (nummer != 7)
            return;
        for (Fenster f : diagramme) {
            ungueltigMachen(f);
            neuZeichnen(f);
            EXPECT_EQ(balken(f), 2);
        }
    };
    pt::dateiAntworten({pt::dateiAntwort(pfad)});
    starten(befehlPmtStarten);
    ASSERT_EQ(laeufe.size(), 9u);
    nachrichtenVerarbeiten();
    for (Fenster f : diagramme)
        EXPECT_EQ(balken(f), 0) << "after the series";

    waehrendLauf = nullptr;
    modusStatus |= modusBit::ErgebnisseNachFreier;
    pt::dialogSkript(146, {pt::schritt::tippen(idEingabe, "5"), pt::schritt::klicken(1)});
    pt::dialogSkript(146, {pt::schritt::klicken(2)});
    befehl(befehlPmtFreieReihenfolge);
    nachrichtenVerarbeiten();
    ASSERT_NE(permutationsPseudoNeuron(), nullptr);
    const Fenster anzeige = permutationsPseudoNeuron()->hauptDiagramm.fenster;
    neuZeichnen(anzeige);
    EXPECT_EQ(balken(anzeige), 2);
    for (Fenster f : diagramme)
        EXPECT_EQ(balken(f), 0) << "after free order";
    modusStatus &= ~modusBit::ErgebnisseNachFreier;
    permutationsFenster = PermutationsFensterEinstellungen{};
}

// 252: 700 MB give 699 MB; the size shown unchanged keeps what is stored, also the default.
TEST_F(Serie, GroesseDerErgebnisdatei)
{
    pt::dialogSkript(146, {[](Fenster d) { EXPECT_EQ(pt::dialogElement(d, idEingabe)->text, "2046"); },
                           pt::schritt::klicken(1)});
    befehl(befehlPmtErgebnisGroesse);
    EXPECT_EQ(std::pair(maxBinDateiGroesse, binDateiGrenze()), std::pair(0u, 0x7fefffffu));
    starten(befehlPmtErgebnisGroesse, {"700"});
    EXPECT_EQ(maxBinDateiGroesse, 699u << 20);
    pt::dialogSkript(146, {[](Fenster d) { EXPECT_EQ(pt::dialogElement(d, idEingabe)->text, "699"); },
                           pt::schritt::klicken(1)});
    befehl(befehlPmtErgebnisGroesse);
    EXPECT_EQ(maxBinDateiGroesse, 699u << 20);
    starten(befehlPmtErgebnisGroesse, {"0"});
    EXPECT_EQ(maxBinDateiGroesse, 0x7fefffffu);
    starten(befehlPmtErgebnisGroesse, {"1"});
    EXPECT_EQ(maxBinDateiGroesse, 1u << 20);
    maxBinDateiGroesse = 0x90000000u;
    EXPECT_EQ(binDateiGrenze(), 0x7fefffffu);
}

// Text without a number in the number inputs is named and asked for again, and nothing is
// taken: no permutation computed in free order, the file size as it was.
TEST_F(Serie, TextOhneZahlWirdGenannt)
{
    namespace s = pt::schritt;
    pt::dialogSkript(146, {s::tippen(idEingabe, "abc"), s::klicken(1), s::klicken(2)});
    pt::dialogSkript(146, {s::tippen(idEingabe, "viel"), s::klicken(1), s::klicken(2)});
    pt::boxAntworten({antwort::Ok, antwort::Ok});
    befehl(befehlPmtFreieReihenfolge);
    befehl(befehlPmtErgebnisGroesse);
    EXPECT_EQ(boxen(), (std::vector<std::string>{meldungFormatieren(952, meldungsTexte[172]),
                                                 meldungFormatieren(952, meldungsTexte[1267])}));
    EXPECT_TRUE(laeufe.empty());
    EXPECT_EQ(maxBinDateiGroesse, 0u);
}

// With extra values nothing is rated: the quality is the number, class values and extra
// values are 0. A single level puts every bar at its bottom - 2.
TEST_F(Serie, ZusatzwerteOhneBewertungUndEinLevel)
{
    permutationsDefinition.zusatzAnzahl = 2;
    pt::dateiAntworten({pt::dateiAntwort(pfad)});
    starten(befehlPmtStarten);
    const std::string b = testhilfe::lesen(pfad);
    PermutationsKopf k;
    ASSERT_TRUE(ergebnisKopfDekodieren(b, k));
    EXPECT_EQ(b.size(), 2361u + 8 * 80);
    uint64_t o = static_cast<uint64_t>(k.ersterSatz);
    PermutationsErgebnis e;
    for (int i = 0; i < 8; ++i) {
        ASSERT_TRUE(ergebnisSatzDekodieren(b, o, k, e, &o));
        EXPECT_EQ(std::tuple(e.nummer, e.wert, e.apAnzahl), std::tuple(i, static_cast<float>(i), 3));
        EXPECT_EQ(e.klassenWerte, std::vector<float>(6, 0.0f));
        EXPECT_EQ(e.zusatzWerte, std::vector<float>(2, 0.0f));
    }

    permutationsDefinition.zusatzAnzahl = 0;
    permutationsDefinition.levelAnzahl = 1;
    for (VariierteSynapse& v : permutationsDefinition.synapsen)
        v.level.resize(1);
    permutationsFenster.balkenUnterkante = 110;
    waehrendLauf = [](int) {
        EXPECT_EQ(permutationsLaufstand.balkenOben[0], 108);
        EXPECT_EQ(permutationsLaufstand.balkenOben[2], 108);
    };
    pt::dateiAntworten({pt::dateiAntwort(ordner + "eins.bin")});
    starten(befehlPmtStarten);
    EXPECT_EQ(nummern().back(), 0);
    permutationsFenster = PermutationsFensterEinstellungen{};
}

// A varied synapse deleted while the series runs stops it at the next number, named in a
// notice; 40177 during a pause ends the pause and, after the run, the series.
TEST_F(Serie, GeloeschteSynapseUndAbbruchInDerPause)
{
    const int id = synapsenId(4, 2);
    pt::dateiAntworten({pt::dateiAntwort(pfad)});
    pt::boxAntworten({antwort::Ok});
    waehrendLauf = [](int nummer) {
        if (nummer == 2) {
            NeuronDaten* vier = neuronSuchen(4);
            synapseLoeschen(vier, vier->ausgangsSynapsen, 0);
        }
    };
    starten(befehlPmtStarten);
    EXPECT_EQ(boxen(), std::vector<std::string>{meldungFormatieren(1259, id, 3)});
    EXPECT_EQ(saetze(pfad), (V{0, 1, 2}));
    EXPECT_EQ(permutationsDefinition.letzteNummer, 3);

    permutationsDefinition.synapsen.resize(2);
    laeufe.clear();
    const std::string zweite = ordner + "pause.bin";
    pt::dateiAntworten({pt::dateiAntwort(zweite)});
    serienPauseWarten = [] {
        pt::boxAntworten({antwort::Ja});
        plattform::senden(fensterhandles.hauptfenster, plattform::nachricht::Befehl, befehlPmtAbbrechen);
    };
    waehrendLauf = [this](int nummer) {
        if (nummer == 1)
            befehl(befehlPmtAnhalten);
        EXPECT_FALSE(modusStatus & modusBit::Pause);
    };
    starten(befehlPmtStarten);
    EXPECT_EQ(saetze(zweite), (V{0, 1}));
    EXPECT_EQ(permutationsDefinition.letzteNummer, 2);
}
