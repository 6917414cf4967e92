// tests/permutation/test_ende_abgelehnt.cpp - an end asked for while a series runs: the
// series stops, the offers follow it, and an end the user refuses leaves a program whose
// next series runs as any other
#include "permutation_hilfe.h"
#include "model/laufstart.h"
#include "model/permutation.h"
#include "model/permutationsfenster.h"
#include "permutation/ergebnisformat.h"
#include "permutation/lauf.h"
#include "permutation/permutation.h"
#include <functional>

using namespace permutationstest;

namespace {

std::vector<int> gerechnet;                  // the numbers the stand-in run was given
std::function<void(int)> imLauf;             // called in the run of each number

// a run that gives the evaluation neuron a spike and stops when the program asks it to;
// as the engine's run it takes the request back when it returns
Laufausgang standLauf()
{
    gerechnet.push_back(permutationsLaufstand.nummer);
    NeuronDaten* n = auswerteNeuron();
    n->spikeZeiten = {0.5f, 0.6f};
    n->spikeZeiten.resize(10);
    n->apAnzahl = 2;
    if (imLauf)
        imLauf(permutationsLaufstand.nummer);
    const bool abgebrochen = laufZustand.abbrechen;
    laufZustand.abbrechen = 0;
    return abgebrochen ? Laufausgang::Abgebrochen : Laufausgang::Beendet;
}

class EndeAbgelehnt : public PermutationFall {
protected:
    std::string pfad;

    void SetUp() override
    {
        PermutationFall::SetUp();
        dreiSynapsenDefinieren();
        modusAn();
        pfad = ordner + "serie.bin";
        gerechnet.clear();
        imLauf = nullptr;
        permutationsLaufHaken = standLauf;
        maxBinDateiGroesse = 0;
    }
    void TearDown() override
    {
        permutationsLaufHaken = nullptr;
        imLauf = nullptr;
        PermutationFall::TearDown();
    }
    // "starten" into pfad
    void serie()
    {
        gerechnet.clear();
        pt::dateiAntworten({pt::dateiAntwort(pfad)});
        befehl(befehlPmtStarten);
    }
    // the numbers of the records in the result file
    std::vector<int> saetze() const
    {
        const std::string b = lesen(pfad);
        PermutationsKopf k;
        std::vector<int> nummern;
        if (!ergebnisKopfDekodieren(b, k))
            return {-1};
        PermutationsErgebnis e;
        for (uint64_t o = static_cast<uint64_t>(k.ersterSatz); o < b.size();) {
            if (!ergebnisSatzDekodieren(b, o, k, e, &o))
                return {-2};
            nummern.push_back(e.nummer);
        }
        return nummern;
    }
    // the deferred close comes once the series has returned
    static void nachDemLauf()
    {
        pt::uhrVorstellen(200);
        nachrichtenVerarbeiten();
    }
};

using V = std::vector<int>;

} // namespace

// The close box during the run of number 3 (Yes to stop the run), or a box that ends the
// program in that run (memory running out): the series stops after 0..2, then the unsaved
// definition and the network are offered. Each way to refuse there - Cancel at the
// definition, its save dialog cancelled, Cancel at the network, the network's save failing -
// keeps the program: it is no longer closing, and the next series on the same file writes
// every number instead of a bare header.
TEST_F(EndeAbgelehnt, EinAbgelehntesEndeLaesstDieNaechsteSerieLaufen)
{
    const struct {
        const char* fall;
        bool perBox;                 // the end comes from a box in the run, not the close box
        std::vector<int> antworten;  // the offers' answers
        bool definitionsDialog;      // Yes to 542 opens the save dialog, which is cancelled
        bool netzOrdnerWeg;          // the network's folder is gone: Yes cannot save it
        std::vector<std::string> boxen;
    } faelle[] = {
        {"close, Cancel at the definition", false, {antwort::Abbrechen}, false, false, {meldungsTexte[542]}},
        {"box, Cancel at the definition", true, {antwort::Abbrechen}, false, false, {meldungsTexte[542]}},
        {"close, the definition's save dialog cancelled", false, {antwort::Ja}, true, false, {meldungsTexte[542]}},
        {"close, Cancel at the network", false, {antwort::Nein, antwort::Abbrechen}, false, false,
         {meldungsTexte[542], "801"}},
        {"box, the network's save failing", true, {antwort::Nein, antwort::Ja, antwort::Ok}, false, true,
         {meldungsTexte[542], "801", ""}},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.fall);
        modusStatus |= modusBit::DefinitionDa | modusBit::DefinitionUngespeichert;
        dateipfade.dokumentVerzeichnis = f.netzOrdnerWeg ? ordner + "weg/" : ordner;
        const std::string netz = dateipfade.dokumentVerzeichnis + "netz";
        const bool perBox = f.perBox;
        imLauf = [perBox](int nummer) {
            if (nummer != 3)
                return;
            if (perBox) {
                EXPECT_TRUE(programmBeendenMitAngebot());        // stopped now, offered later
            } else {
                pt::boxAntworten({antwort::Ja});
                senden(fensterhandles.hauptfenster, nachricht::Schliessen);
                EXPECT_EQ(pt::boxLog().back().text, meldungsTexte[887]);
            }
            EXPECT_TRUE(programmStatus & programmBit::ProgrammSchliesst);
        };
        serie();
        EXPECT_EQ(gerechnet, (V{0, 1, 2, 3}));
        EXPECT_EQ(saetze(), (V{0, 1, 2}));

        boxenVergessen();
        for (int a : f.antworten)
            pt::boxAntworten({a});
        if (f.definitionsDialog)
            pt::dateiAntworten({pt::dateiAbbruch()});
        nachDemLauf();
        EXPECT_EQ(pt::offeneBoxAntworten(), 0u);
        std::vector<std::string> erwartet = f.boxen;
        for (std::string& t : erwartet)
            if (t == "801")
                t = meldungFormatieren(801, netz);
        const std::vector<std::string> gezeigt = boxen();
        ASSERT_EQ(gezeigt.size(), erwartet.size());
        for (size_t i = 0; i < erwartet.size(); ++i)
            if (!erwartet[i].empty())
                EXPECT_EQ(gezeigt[i], erwartet[i]) << i;
        ASSERT_FALSE(programmEndet());
        ASSERT_TRUE(istFenster(haupt()));
        EXPECT_FALSE(programmStatus & programmBit::ProgrammSchliesst);
        EXPECT_TRUE(modusStatus & modusBit::Permutationsmodus);

        imLauf = nullptr;
        serie();
        EXPECT_EQ(gerechnet, (V{0, 1, 2, 3, 4, 5, 6, 7}));
        EXPECT_EQ(saetze(), (V{0, 1, 2, 3, 4, 5, 6, 7}));
    }
}

// A box's end during the series, answered No at both offers: the program ends after the
// series has returned, the records written before kept.
TEST_F(EndeAbgelehnt, EinAngenommenesEndeFolgtDerSerie)
{
    modusStatus |= modusBit::DefinitionDa | modusBit::DefinitionUngespeichert;
    imLauf = [](int nummer) {
        if (nummer == 2)
            programmBeendenMitAngebot();
    };
    serie();
    EXPECT_FALSE(programmEndet());
    EXPECT_EQ(saetze(), (V{0, 1}));
    boxenVergessen();
    pt::boxAntworten({antwort::Nein, antwort::Nein});
    nachDemLauf();
    EXPECT_EQ(boxen(), (std::vector<std::string>{meldungsTexte[542], meldungFormatieren(801, ordner + "netz")}));
    EXPECT_TRUE(programmEndet());
    EXPECT_EQ(saetze(), (V{0, 1}));
}
